// The exercise read-out against the emulated demo device and a real embedded database: every
// recording arrives once and byte for byte, and nothing is deleted on the device that is not
// safely stored.

#include "Demo.h"
#include "EmuFixture.h"
#include "Readout.h"
#include "RecordingCheck.h"
#include "TestEnv.h"
#include "ZudctlRunner.h"

#include <QDir>

using namespace zud;
using namespace zud::test;
using emu::FaultKind;

namespace {

class Readout : public EmuTest {
protected:
    void SetUp() override {
        EmuTest::SetUp();
        IsolateProgramFolders(dir);
        db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
        loc.dir = dir.filePath(QStringLiteral("db"));
        dm = std::make_unique<TDM1>(loc);
        ASSERT_TRUE(dm->EnsureInstalled());
        dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        emu::LoadDemo(emu);
        dev->close();
    }
    void TearDown() override {
        dm.reset();
        EmuTest::TearDown();
    }

    int Checked() const {
        int n = 0;
        for (const auto& l : dev->MessHeaders) {
            for (const auto& e : l) {
                n += e.Checked;
            }
        }
        return n;
    }
    std::string Path(int t, int p, const QString& file) const {
        return QStringLiteral("0:\\Daten\\Th_%1\\Pat_%2\\%3").arg(t).arg(p).arg(file).toStdString();
    }
    // Slots with recordings whose device patient can be matched.
    std::vector<int> MatchableSlots() const {
        std::vector<int> out;
        for (int i = 0; i < TZUD12::kSlots; ++i) {
            if (!dev->MessHeaders[i].isEmpty() && wf::IstZuordenbar(dev->Patienten[i])) {
                out.push_back(i);
            }
        }
        return out;
    }

    DbLocation loc;
    std::unique_ptr<TDM1> dm;
};

} // namespace

TEST_F(Readout, TheDemoDeviceArrivesByteForByteAndOnlyOnce) {
    wf::LeseMessungen(*dev, *dm);
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);
    const auto matched = MatchableSlots();
    ASSERT_FALSE(matched.empty());
    int expected = 0;
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (const auto& e : dev->MessHeaders[i]) {
            // Everything of a matchable patient is pre-selected, nothing of another slot.
            EXPECT_EQ(e.Checked, wf::IstZuordenbar(dev->Patienten[i])) << i;
            expected += e.Checked;
        }
    }
    const auto r = wf::Uebertrage(*dev, *dm, false);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.Stored(), expected);
    EXPECT_EQ(emu.Screen(), 0);

    for (int i : matched) {
        const Stammsatz& s = dev->Patienten[i];
        const auto id = dm->FindPatient(wf::Name(s), wf::Vorname(s), wf::GeburtsdatumZuDatum(s.Geburtsdatum));
        ASSERT_TRUE(id) << i;
        const auto rows = dm->ListRecordings(*id);
        EXPECT_EQ(rows.size(), static_cast<size_t>(dev->MessHeaders[i].size()));
        for (const auto& e : dev->MessHeaders[i]) {
            const auto counter = dm->FindRecording(*id, e.Datum, e.Zeit);
            ASSERT_TRUE(counter);
            const auto rec = dm->GetRecording(*counter);
            const auto file = emu.GetFile(Path(i / 10, i % 10, e.Filename));
            ASSERT_TRUE(rec && file);
            EXPECT_EQ(FromQ(rec->Daten), *file);
            EXPECT_EQ(rec->Betriebsart, (*file)[2] + 1);
            EXPECT_EQ(rec->Typ, 100); // the first device type of the database
        }
    }
    // Nothing was deleted on the device without being asked for.
    for (int i : matched) {
        for (const auto& e : dev->MessHeaders[i]) {
            EXPECT_TRUE(emu.HasFile(Path(i / 10, i % 10, e.Filename)));
        }
    }
    // A second read-out finds everything stored and stores nothing new.
    wf::LeseMessungen(*dev, *dm);
    EXPECT_EQ(Checked(), 0);
    const auto again = wf::Uebertrage(*dev, *dm, true);
    EXPECT_FALSE(again.failed);
    EXPECT_EQ(again.Stored(), 0);
    for (int i : matched) {
        EXPECT_EQ(again.perSlot[i].deleted, 0);
    }
}

TEST_F(Readout, DeletionAfterTheReadout) {
    wf::LeseMessungen(*dev, *dm);
    const auto matched = MatchableSlots();
    ASSERT_GE(matched.size(), 2u);
    // One slot completely, the other with its first recording left out.
    const int all = matched[0];
    const int some = matched[1];
    ASSERT_GE(dev->MessHeaders[some].size(), 2);
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (auto& e : dev->MessHeaders[i]) {
            e.Checked = i == all || i == some;
        }
    }
    dev->MessHeaders[some][0].Checked = false;
    const int anzahl = dev->Patienten_ZUD12[some].Anzahl;
    const auto r = wf::Uebertrage(*dev, *dm, true);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.perSlot[all].deleted, dev->MessHeaders[all].size());
    for (const auto& e : dev->MessHeaders[all]) {
        EXPECT_FALSE(emu.HasFile(Path(all / 10, all % 10, e.Filename)));
    }
    EXPECT_EQ(r.perSlot[some].deleted, dev->MessHeaders[some].size() - 1);
    EXPECT_TRUE(emu.HasFile(Path(some / 10, some % 10, dev->MessHeaders[some][0].Filename)));
    for (int j = 1; j < dev->MessHeaders[some].size(); ++j) {
        EXPECT_FALSE(emu.HasFile(Path(some / 10, some % 10, dev->MessHeaders[some][j].Filename)));
    }
    // The exercise count on the device went down by the deleted files.
    const auto pat = emu.GetFile(PatientenPfad(some / 10));
    ASSERT_TRUE(pat);
    Stammdaten rec{};
    std::memcpy(&rec, pat->data() + (some % 10) * sizeof(Stammdaten), sizeof rec);
    EXPECT_EQ(rec.Anzahl, anzahl - r.perSlot[some].deleted);
}

TEST_F(Readout, ALineFaultOrACancelLosesNothing) {
    wf::LeseMessungen(*dev, *dm);
    const int total = Checked();
    ASSERT_GT(total, 4);
    // The third recording's transfer stalls on the line.
    wf::Callbacks cb;
    cb.progress = [this](const QString&, int position, int) {
        if (position == 3) {
            emu.InjectFault({'R', FaultKind::Stall, 0, 0});
        }
    };
    auto r = wf::Uebertrage(*dev, *dm, true, cb);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.error, QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!"));
    EXPECT_EQ(r.Stored(), 2);
    EXPECT_EQ(emu.Screen(), 0);
    // Whatever was stored is in the database; the patient being read lost nothing on the device.
    const auto matched = MatchableSlots();
    int stalledSlot = -1;
    for (int i : matched) {
        if (r.perSlot[i].stored > 0 || stalledSlot < 0) {
            stalledSlot = i;
        }
        if (r.perSlot[i].stored < dev->MessHeaders[i].size()) {
            break;
        }
    }
    ASSERT_GE(stalledSlot, 0);
    for (const auto& e : dev->MessHeaders[stalledSlot]) {
        EXPECT_TRUE(emu.HasFile(Path(stalledSlot / 10, stalledSlot % 10, e.Filename)));
    }
    ASSERT_TRUE(emu.WaitIdle());

    // The user closes the progress window after the next recording.
    wf::LeseMessungen(*dev, *dm);
    EXPECT_EQ(Checked(), total - 2);
    int asked = 0;
    cb = {};
    cb.cancelRequested = [&] { return ++asked == 1; };
    r = wf::Uebertrage(*dev, *dm, true, cb);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.error, QStringLiteral("Übertragung abgebrochen."));
    EXPECT_EQ(r.Stored(), 1);
    wf::LeseMessungen(*dev, *dm);
    EXPECT_EQ(Checked(), total - 3);
    for (const auto& e : dev->MessHeaders[stalledSlot]) {
        EXPECT_TRUE(emu.HasFile(Path(stalledSlot / 10, stalledSlot % 10, e.Filename)));
    }
}

TEST_F(Readout, WhatIsNotARecordingIsReportedNeverStored) {
    wf::LeseMessungen(*dev, *dm);
    const int slot = MatchableSlots().front();
    const std::string junk = Path(slot / 10, slot % 10, QStringLiteral("ZZ.hdf"));
    emu.PutFile(junk, Pattern(100), FatDate(2026, 1, 2), FatTime(3, 4, 6), 1);
    wf::LeseMessungen(*dev, *dm);
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (auto& e : dev->MessHeaders[i]) {
            e.Checked = i == slot;
        }
    }
    const auto r = wf::Uebertrage(*dev, *dm, true);
    EXPECT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.perSlot[slot].skipped, 1);
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_TRUE(r.problems[0].contains(QStringLiteral("Keine Aufzeichnung"))) << r.problems[0].toStdString();
    EXPECT_EQ(r.perSlot[slot].stored, dev->MessHeaders[slot].size() - 1);
    // Not all of the slot was stored: only the stored ones are deleted, the other stays.
    EXPECT_TRUE(emu.HasFile(junk));
    EXPECT_EQ(r.perSlot[slot].deleted, r.perSlot[slot].stored);
}

TEST_F(Readout, LoadingFailures) {
    emu.InjectFault({'?', FaultKind::Silence});
    try {
        wf::LeseMessungen(*dev, *dm);
        ADD_FAILURE() << "no device";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::ENoDev);
        EXPECT_EQ(e.Message(), QStringLiteral("Kein Gerät erkannt!"));
    }
    ASSERT_TRUE(emu.WaitIdle());
    // A device without exercises.
    dev->open();
    for (const std::string& f : emu.ListFiles()) {
        if (QString::fromStdString(f).endsWith(QStringLiteral(".hdf"), Qt::CaseInsensitive)) {
            ASSERT_TRUE(dev->DeleteFileByName(QString::fromStdString(f)));
        }
    }
    dev->close();
    try {
        wf::LeseMessungen(*dev, *dm);
        ADD_FAILURE() << "no exercises";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::ENoExercises);
        EXPECT_EQ(e.Message(), QStringLiteral("Es sind keine Übungen gespeichert"));
    }
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);
}

TEST_F(Readout, ZudctlReadout) {
    auto run = [this](const QStringList& args, QString& out, QString& err) {
        return RunCtl(QStringList{QStringLiteral("--port"), QString::fromStdString(emu.SlavePath()),
                                  QStringLiteral("--log"), logFile, QStringLiteral("--db-dir"), loc.dir} +
                          args,
                      out, err);
    };
    QString out, err;
    ASSERT_EQ(run({QStringLiteral("readout"), QStringLiteral("--dry-run")}, out, err), 0)
        << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("0,0;Bäcker, Hans-Jürgen;would store 9\n")))
        << out.toStdString();
    EXPECT_EQ(dm->AllPatients().size(), 0u);
    ASSERT_EQ(run({QStringLiteral("readout"), QStringLiteral("--slot"), QStringLiteral("0,0"),
                   QStringLiteral("--delete")},
                  out, err),
              0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("0,0;Bäcker, Hans-Jürgen;stored 9;deleted 9\n"));
    ASSERT_EQ(run({QStringLiteral("readout")}, out, err), 0);
    EXPECT_FALSE(out.contains(QStringLiteral("0,0;")));
    EXPECT_TRUE(out.contains(QStringLiteral(";deleted 0\n")));
    // Nothing left to store: nothing printed, success.
    ASSERT_EQ(run({QStringLiteral("readout")}, out, err), 0);
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_EQ(run({QStringLiteral("readout"), QStringLiteral("--slot"), QStringLiteral("7,0")}, out, err), 2);
    // A line fault is a failure.
    emu.InjectFault({'?', FaultKind::Silence});
    EXPECT_EQ(run({QStringLiteral("readout")}, out, err), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Kein Gerät erkannt!")));
}
