// The exercise read-out against the emulated demo device and a real embedded database: every
// recording arrives once and byte for byte, and nothing is deleted on the device that is not
// safely stored.

#include "Demo.h"
#include "DeviceSettings.h"
#include "EmuFixture.h"
#include "Readout.h"
#include "RecordingCheck.h"
#include "TestEnv.h"
#include "ZudctlRunner.h"

#include <QDir>
#include <QProcess>
#include <QSettings>

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
        dm = std::make_unique<PatientDatabase>(loc);
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
    std::unique_ptr<PatientDatabase> dm;
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

    // The user closes the progress window during the next recording: it is given up within
    // its block, nothing of it is stored.
    wf::LeseMessungen(*dev, *dm);
    EXPECT_EQ(Checked(), total - 2);
    int asked = 0;
    cb = {};
    cb.cancelRequested = [&] { return ++asked == 1; };
    r = wf::Uebertrage(*dev, *dm, true, cb);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.error, QStringLiteral("Übertragung abgebrochen."));
    EXPECT_EQ(r.Stored(), 0);
    wf::LeseMessungen(*dev, *dm);
    EXPECT_EQ(Checked(), total - 2);
    for (const auto& e : dev->MessHeaders[stalledSlot]) {
        EXPECT_TRUE(emu.HasFile(Path(stalledSlot / 10, stalledSlot % 10, e.Filename)));
    }
}

// A cancel that comes after a recording has arrived whole is asked before the next one: that
// one is neither announced nor read, and what arrived is stored.
TEST_F(Readout, ACancelBetweenRecordingsBeginsNoFurtherOne) {
    wf::LeseMessungen(*dev, *dm);
    ASSERT_GT(Checked(), 2);
    int item = 0, lastAnnounced = 0, readItems = 0;
    bool cancel = false;
    wf::Callbacks cb;
    cb.progress = [&](const QString&, int position, int) { item = lastAnnounced = position; };
    cb.fileBytes = [&](qint64 done, qint64 size) {
        readItems = item;
        if (item == 1 && done == size) {
            cancel = true;
        }
    };
    cb.cancelRequested = [&] { return cancel; };
    const auto r = wf::Uebertrage(*dev, *dm, false, cb);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.error, QStringLiteral("Übertragung abgebrochen."));
    EXPECT_EQ(r.Stored(), 1);
    EXPECT_EQ(r.counters.size(), 1);
    EXPECT_EQ(lastAnnounced, 1);
    EXPECT_EQ(readItems, 1);
    EXPECT_EQ(emu.Screen(), 0);
}

// The bar moves within each recording: the bytes of every transferred recording reach the
// callback in order, ending with the whole file, between the recording's own progress calls.
TEST_F(Readout, ProgressMovesByTheBytesOfEachRecording) {
    wf::LeseMessungen(*dev, *dm);
    const int total = Checked();
    ASSERT_GT(total, 2);
    struct Step {
        int item;
        qint64 done, size;
    };
    std::vector<Step> steps;
    int item = 0;
    wf::Callbacks cb;
    cb.progress = [&](const QString&, int position, int) { item = position; };
    cb.fileBytes = [&](qint64 done, qint64 size) { steps.push_back({item, done, size}); };
    const auto r = wf::Uebertrage(*dev, *dm, false, cb);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    ASSERT_EQ(r.Stored(), total);
    int finished = 0;
    bool within = false; // some recording reported a part of itself, not only its end
    for (size_t i = 0; i < steps.size(); ++i) {
        ASSERT_GT(steps[i].size, 0);
        ASSERT_LE(steps[i].done, steps[i].size);
        if (i > 0 && steps[i].item == steps[i - 1].item) {
            EXPECT_GE(steps[i].done, steps[i - 1].done);
        }
        within = within || (steps[i].done > 0 && steps[i].done < steps[i].size);
        finished += steps[i].done == steps[i].size;
    }
    EXPECT_EQ(finished, total);
    EXPECT_TRUE(within);
    // The device's own hook is as it was.
    EXPECT_FALSE(dev->Transferred);
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
    // Named as the therapist sees the slot, counted from 1.
    EXPECT_TRUE(r.problems[0].startsWith(
        QStringLiteral("Therapeut %1, Patient %2, ZZ.hdf: ").arg(slot / 10 + 1).arg(slot % 10 + 1)))
        << r.problems[0].toStdString();
    EXPECT_EQ(r.perSlot[slot].stored, dev->MessHeaders[slot].size() - 1);
    // Not all of the slot was stored: only the stored ones are deleted, the other stays.
    EXPECT_TRUE(emu.HasFile(junk));
    EXPECT_EQ(r.perSlot[slot].deleted, r.perSlot[slot].stored);
}

TEST_F(Readout, LoadingFailures) {
    emu.InjectFault({'?', FaultKind::Silence, 0, 0, 2});
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
    EXPECT_EQ(out,
              QStringLiteral("0,0;Bäcker, Hans-Jürgen;stored 9;deleted 9;already 0;elsewhere 0;kept 0\n"));
    EXPECT_TRUE(
        err.startsWith(QStringLiteral("Hans-Jürgen Bäcker (Therapeut 1, Patient 1):\n  gespeichert: 9\n"
                                      "  am Gerät gelöscht: 9\n  als neuer Patient angelegt")))
        << err.toStdString();
    ASSERT_EQ(run({QStringLiteral("readout")}, out, err), 0);
    EXPECT_FALSE(out.contains(QStringLiteral("0,0;")));
    EXPECT_TRUE(out.contains(QStringLiteral(";deleted 0;"))) << out.toStdString();
    // Nothing left to store: nothing printed, success.
    ASSERT_EQ(run({QStringLiteral("readout")}, out, err), 0);
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_EQ(run({QStringLiteral("readout"), QStringLiteral("--slot"), QStringLiteral("7,0")}, out, err), 2);
    // A line fault is a failure.
    emu.InjectFault({'?', FaultKind::Silence, 0, 0, 2});
    EXPECT_EQ(run({QStringLiteral("readout")}, out, err), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Kein Gerät erkannt!")));
}

// A device that acknowledges file blocks with another CRC than the block's: the write fails
// unless the machine's LenientWriteAck allows it, and then every mismatch is logged.
TEST_F(Readout, AWrongWriteAcknowledgementFailsUnlessTheMachineAllowsIt) {
    wf::ApplyDeviceSettings(*dev, Settings());
    EXPECT_FALSE(dev->LenientWriteAck);
    const QString path = QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\W.dat");
    const QByteArray data = ToQ(Pattern(3000, 7));
    dev->open();
    emu.InjectFault({'W', FaultKind::OddAck, 0, 1});
    EXPECT_FALSE(dev->WriteFile(path, data));
    EXPECT_TRUE(dev->LastLog.startsWith(QStringLiteral("WriteFile (crc_error): Command: \"W\", Block: 2,")))
        << dev->LastLog.toStdString();
    ASSERT_TRUE(emu.WaitIdle());

    {
        QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Brelk"),
                          QStringLiteral("ZUD"));
        machine.setValue(QStringLiteral("LenientWriteAck"), QStringLiteral("1"));
    }
    wf::ApplyDeviceSettings(*dev, Settings());
    ASSERT_TRUE(dev->LenientWriteAck);
    dev->open();
    emu.InjectFault({'W', FaultKind::OddAck, 0, 1});
    ASSERT_TRUE(dev->WriteFile(path, data)) << dev->LastLog.toStdString();
    EXPECT_EQ(emu.GetFile(path.toStdString()), FromQ(data));
    int warnings = 0;
    for (const QString& line : LogLines()) {
        warnings += line.contains(QStringLiteral("WriteFile (crc_warning): Command: \"W\", Block: "));
    }
    EXPECT_EQ(warnings, 2); // blocks 2 and 3 of three
    // A correct acknowledgement is no warning.
    ASSERT_TRUE(dev->WriteFile(path, data));
    warnings = 0;
    for (const QString& line : LogLines()) {
        warnings += line.contains(QStringLiteral("crc_warning"));
    }
    EXPECT_EQ(warnings, 2);
    dev->close();

    // The read-out's deletion of single files writes the patient file through such a device.
    wf::LeseMessungen(*dev, *dm);
    const int slot = MatchableSlots().front();
    ASSERT_GE(dev->MessHeaders[slot].size(), 2);
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (auto& e : dev->MessHeaders[i]) {
            e.Checked = i == slot;
        }
    }
    dev->MessHeaders[slot][0].Checked = false;
    const int anzahl = dev->Patienten_ZUD12[slot].Anzahl;
    emu.InjectFault({'W', FaultKind::OddAck, 0, 0});
    const auto r = wf::Uebertrage(*dev, *dm, true);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    const auto pat = emu.GetFile(PatientenPfad(slot / 10));
    ASSERT_TRUE(pat);
    Stammdaten rec{};
    std::memcpy(&rec, pat->data() + (slot % 10) * sizeof(Stammdaten), sizeof rec);
    EXPECT_EQ(rec.Anzahl, anzahl - r.perSlot[slot].deleted);
    EXPECT_EQ(r.perSlot[slot].deleted, dev->MessHeaders[slot].size() - 1);
}

// The read-out process dies between storing a patient's recordings and deleting them on the
// device: the database holds every one of them byte for byte, the device still holds them too,
// and the next read-out stores nothing twice.
TEST_F(Readout, AProcessKilledBetweenStoringAndDeletingLosesNothing) {
    // The embedded engine lets one process at a time open the file.
    dm->Logout();
    QProcess ctl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZUD_TEST_KILL_AFTER_COMMIT"), QStringLiteral("1"));
    ctl.setProcessEnvironment(env);
    ctl.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
              {QStringLiteral("--port"), QString::fromStdString(emu.SlavePath()), QStringLiteral("--log"),
               logFile, QStringLiteral("--db-dir"), loc.dir, QStringLiteral("readout"),
               QStringLiteral("--slot"), QStringLiteral("0,0"), QStringLiteral("--delete")});
    ASSERT_TRUE(ctl.waitForFinished(60000));
    EXPECT_EQ(ctl.exitStatus(), QProcess::CrashExit) << ctl.readAllStandardError().toStdString();
    // Nothing was printed: the process never got to its summary.
    EXPECT_TRUE(ctl.readAllStandardOutput().isEmpty());
    ASSERT_TRUE(emu.WaitIdle());
    // No delete command ever reached the device.
    for (const auto& c : emu.Commands()) {
        EXPECT_NE(c.code, 'z');
        EXPECT_NE(c.code, 'Z');
    }

    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    const auto id =
        dm->FindPatient(QStringLiteral("Bäcker"), QStringLiteral("Hans-Jürgen"), QDate(1951, 2, 14));
    ASSERT_TRUE(id);
    const auto rows = dm->ListRecordings(*id);
    int files = 0;
    for (const std::string& f : emu.ListFiles()) {
        const QString q = QString::fromStdString(f);
        if (q.startsWith(QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\"), Qt::CaseInsensitive) &&
            q.endsWith(QStringLiteral(".hdf"), Qt::CaseInsensitive)) {
            ++files;
            const auto entry = emu.GetEntry(f);
            ASSERT_TRUE(entry);
            const auto counter =
                dm->FindRecording(*id, dev->RecodeDate(entry->date), dev->RecodeTime(entry->time));
            ASSERT_TRUE(counter) << f;
            const auto rec = dm->GetRecording(*counter);
            ASSERT_TRUE(rec);
            EXPECT_EQ(FromQ(rec->Daten), entry->data) << f;
        }
    }
    EXPECT_EQ(files, 9);
    EXPECT_EQ(rows.size(), 9u);

    // The next read-out finds them stored: nothing is pre-selected, nothing is stored twice.
    wf::LeseMessungen(*dev, *dm);
    for (const auto& e : dev->MessHeaders[0]) {
        EXPECT_FALSE(e.Checked);
    }
    for (auto& e : dev->MessHeaders[0]) {
        e.Checked = true; // the user ticks them again: skipped, the stored rows stay
    }
    for (int i = 1; i < TZUD12::kSlots; ++i) {
        for (auto& e : dev->MessHeaders[i]) {
            e.Checked = false;
        }
    }
    const auto r = wf::Uebertrage(*dev, *dm, true);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.perSlot[0].stored, 0);
    EXPECT_EQ(r.perSlot[0].already, 9);
    // Byte-identical in the database: now they may go on the device.
    EXPECT_EQ(r.perSlot[0].deleted, 9);
    const auto after = dm->ListRecordings(*id);
    ASSERT_EQ(after.size(), 9u);
    for (size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(after[k].Counter, rows[k].Counter);
    }
}
