// Reading the device out again, against the emulated demo device and a real embedded database:
// what a therapist did with stored recordings (remarks, crops, moves) survives; nothing is stored
// twice; a device patient with an impossible birthday is stored without one; and whatever
// stops a transfer, the conversation ends in order.

#include "Demo.h"
#include "EmuFixture.h"
#include "Readout.h"
#include "Recording.h"
#include "RecordingCheck.h"
#include "SignalWatcher.h"
#include "TestEnv.h"
#include "ZudctlRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <csignal>

#include <map>

using namespace zud;
using namespace zud::test;

namespace {

// Every column of a stored row that a read-out must leave alone.
struct Row {
    qint64 patient = -1;
    QByteArray daten;
    QString bemerkungen;
    QDateTime zugriff;
    bool operator==(const Row&) const = default;
};

class Rereading : public EmuTest {
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

    std::map<qint64, Row> Rows() {
        std::map<qint64, Row> out;
        for (const auto& r : dm->Db().Query(QStringLiteral("select COUNTER from ZUDData"))) {
            const qint64 c = r.Int(QStringLiteral("COUNTER"));
            const auto rec = dm->GetRecording(c);
            out[c] = Row{rec->Patient, rec->Daten, rec->Bemerkungen, rec->LetzterZugriff};
        }
        return out;
    }
    // "Alle auswählen" on every patient that can be matched, nothing elsewhere.
    void TickAll() {
        for (int i = 0; i < TZUD12::kSlots; ++i) {
            for (auto& e : dev->MessHeaders[i]) {
                e.Checked = wf::IstZuordenbar(dev->Patienten[i]);
            }
        }
    }
    int FirstMatchable(int minimum) const {
        for (int i = 0; i < TZUD12::kSlots; ++i) {
            if (dev->MessHeaders[i].size() >= minimum && wf::IstZuordenbar(dev->Patienten[i])) {
                return i;
            }
        }
        return -1;
    }
    std::string Path(int slot, const QString& file) const {
        return QStringLiteral("0:\\Daten\\Th_%1\\Pat_%2\\%3")
            .arg(slot / 10)
            .arg(slot % 10)
            .arg(file)
            .toStdString();
    }
    // The device patient's birthday in the therapist's patient file.
    void SetDeviceBirthday(int slot, int64_t seconds) {
        auto pat = emu.GetFile(PatientenPfad(slot / 10));
        ASSERT_TRUE(pat);
        std::memcpy(pat->data() + size_t(slot % 10) * sizeof(Stammdaten) + offsetof(Stammdaten, Geburtsdatum),
                    &seconds, sizeof seconds);
        emu.PutFile(PatientenPfad(slot / 10), *pat, FatDate(2026, 11, 1), FatTime(8, 1, 0));
    }

    DbLocation loc;
    std::unique_ptr<PatientDatabase> dm;
};

} // namespace

// Read out, add a remark, crop one recording, move one to a second patient, store another
// recording of the same minute under the patient; then read out again with everything ticked
// and deletion on.
TEST_F(Rereading, StoredRecordingsAreNeverReplacedNorStoredTwice) {
    wf::LeseMessungen(*dev, *dm);
    const auto first = wf::Uebertrage(*dev, *dm, false);
    ASSERT_FALSE(first.failed) << first.error.toStdString();
    const int slot = FirstMatchable(4);
    ASSERT_GE(slot, 0);
    const Stammsatz s = dev->Patienten[slot];
    const auto id = dm->FindPatient(wf::Name(s), wf::Vorname(s), wf::GeburtsdatumZuDatum(s.Geburtsdatum));
    ASSERT_TRUE(id);
    const auto& list = dev->MessHeaders[slot];
    std::vector<qint64> key;
    for (const auto& e : list) {
        const auto c = dm->FindRecording(*id, e.Datum, e.Zeit);
        ASSERT_TRUE(c);
        key.push_back(*c);
    }
    dm->SetRemarks(key[0], QStringLiteral("Gut mitgearbeitet.\nNächstes Mal länger."));
    const QByteArray whole = dm->GetRecording(key[1])->Daten;
    const auto cut =
        CutStream(reinterpret_cast<const uint8_t*>(whole.constData()), size_t(whole.size()), 3.0, 0.4);
    ASSERT_FALSE(cut.empty());
    const QByteArray cropped = ToQ(cut);
    ASSERT_LT(cropped.size(), whole.size());
    ASSERT_TRUE(IstAusschnitt(cropped, whole));
    ASSERT_FALSE(IstAusschnitt(whole, cropped));
    dm->ReplaceRecordingData(key[1], cropped);
    Patient zweite;
    zweite.Name = QStringLiteral("Zweite");
    zweite.Vorname = QStringLiteral("Erika");
    zweite.Geburtstag = QDate(1960, 5, 6);
    const qint64 b = dm->AddPatient(zweite);
    dm->MoveRecording(key[2], b);
    // Another recording of the same minute under this patient (not the device's bytes).
    const QByteArray other = dm->GetRecording(key[0])->Daten;
    dm->ReplaceRecordingData(key[3], other);
    ASSERT_FALSE(IstAusschnitt(other, ToQ(*emu.GetFile(Path(slot, list[3].Filename)))));
    const auto before = Rows();

    // The pre-selection ticks none of this patient's and marks them; the one moved away stays
    // ticked (its bytes decide) and names the other patient.
    wf::LeseMessungen(*dev, *dm);
    for (int j = 0; j < list.size(); ++j) {
        EXPECT_EQ(list[j].Checked, j == 2) << j;
        EXPECT_EQ(list[j].Gespeichert, j != 2) << j;
        EXPECT_EQ(list[j].GespeichertBei, j == 2 ? QStringLiteral("Erika Zweite") : QString()) << j;
    }
    TickAll();
    const auto r = wf::Uebertrage(*dev, *dm, true);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.Stored(), 0);
    // Keys, remarks, crop, access times and the moved row: all as they were; no second copy.
    EXPECT_EQ(Rows(), before);
    const auto& slotResult = r.perSlot[slot];
    EXPECT_EQ(slotResult.already, list.size() - 1);
    EXPECT_EQ(slotResult.elsewhere, 1);
    EXPECT_EQ(slotResult.elsewhereNames, QStringList{QStringLiteral("Erika Zweite")});
    EXPECT_EQ(slotResult.kept, 1);
    EXPECT_EQ(slotResult.stored, 0);
    // The device copies of the equal, cropped and moved rows went; the other one stays.
    EXPECT_EQ(slotResult.deleted, list.size() - 1);
    for (int j = 0; j < list.size(); ++j) {
        EXPECT_EQ(emu.HasFile(Path(slot, list[j].Filename)), j == 3) << j;
    }
    EXPECT_EQ(r.Skipped(), [&] {
        int n = 0;
        for (int i = 0; i < TZUD12::kSlots; ++i) {
            n += wf::IstZuordenbar(dev->Patienten[i]) ? int(dev->MessHeaders[i].size()) : 0;
        }
        return n;
    }());
    const QString summary = wf::Zusammenfassung(r);
    const QString who = QStringLiteral("%1 %2 (Therapeut %3, Patient %4):")
                            .arg(wf::Vorname(s), wf::Name(s))
                            .arg(slot / 10 + 1)
                            .arg(slot % 10 + 1);
    const QString expected = who + QStringLiteral("\n  bereits gespeichert, übersprungen: %1\n"
                                                  "  bereits bei Erika Zweite gespeichert, übersprungen: 1\n"
                                                  "  am Gerät gelöscht: %2\n"
                                                  "  am Gerät behalten, da abweichend gespeichert: 1\n")
                                       .arg(list.size() - 1)
                                       .arg(list.size() - 1);
    EXPECT_TRUE(summary.contains(expected)) << summary.toStdString();
    EXPECT_FALSE(summary.contains(QStringLiteral("gespeichert: 0"))) << summary.toStdString();
}

// Two patients who began an exercise at the same second (on two devices, or on one device with
// its clock set back): the other patient's recording is no reason to leave this one behind. It
// is ticked, read and compared; different bytes are stored as this patient's recording.
TEST_F(Rereading, SameSecondUnderAnotherPatientIsDecidedByTheBytes) {
    wf::LeseMessungen(*dev, *dm);
    const int slot = FirstMatchable(2);
    ASSERT_GE(slot, 0);
    auto& list = dev->MessHeaders[slot];
    // Another patient has a recording of the same date and time as this slot's first one, with
    // other bytes (the slot's second recording).
    Patient zweite;
    zweite.Name = QStringLiteral("Zweite");
    zweite.Vorname = QStringLiteral("Erika");
    zweite.Geburtstag = QDate(1960, 5, 6);
    const qint64 b = dm->AddPatient(zweite);
    const auto fremd = emu.GetFile(Path(slot, list[1].Filename));
    ASSERT_TRUE(fremd);
    ASSERT_NE(*fremd, *emu.GetFile(Path(slot, list[0].Filename)));
    dm->InsertRecording(b, list[0].Datum, list[0].Zeit, ToQ(*fremd), QStringLiteral("ZUD12 Typ 1"));
    wf::LeseMessungen(*dev, *dm);
    EXPECT_TRUE(list[0].Checked);
    EXPECT_FALSE(list[0].Gespeichert);
    EXPECT_EQ(list[0].GespeichertBei, QStringLiteral("Erika Zweite"));
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (auto& e : dev->MessHeaders[i]) {
            e.Checked = i == slot;
        }
    }
    const auto r = wf::Uebertrage(*dev, *dm, true);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.perSlot[slot].stored, list.size());
    EXPECT_EQ(r.perSlot[slot].elsewhere, 0);
    const Stammsatz s = dev->Patienten[slot];
    const auto id = dm->FindPatient(wf::Name(s), wf::Vorname(s), wf::DatenbankGeburtstag(s));
    ASSERT_TRUE(id);
    const auto c = dm->FindRecording(*id, list[0].Datum, list[0].Zeit);
    ASSERT_TRUE(c);
    EXPECT_NE(dm->GetRecording(*c)->Daten, ToQ(*fremd));
    // Stored, so deleted on the device; the other patient's row is untouched.
    EXPECT_FALSE(emu.HasFile(Path(slot, list[0].Filename)));
    EXPECT_EQ(dm->ListRecordings(b).size(), 1u);
}

// zudctl readout --all ticks as "Alle auswählen" and keeps to the same rule.
TEST_F(Rereading, ZudctlReadoutAllSkipsWhatIsStored) {
    wf::LeseMessungen(*dev, *dm);
    ASSERT_FALSE(wf::Uebertrage(*dev, *dm, false).failed);
    const int slot = FirstMatchable(2);
    const Stammsatz s = dev->Patienten[slot];
    const auto id = dm->FindPatient(wf::Name(s), wf::Vorname(s), wf::GeburtsdatumZuDatum(s.Geburtsdatum));
    ASSERT_TRUE(id);
    const auto& e0 = dev->MessHeaders[slot][0];
    const qint64 c0 = *dm->FindRecording(*id, e0.Datum, e0.Zeit);
    dm->SetRemarks(c0, QStringLiteral("bleibt"));
    const auto before = Rows();
    const int n = int(dev->MessHeaders[slot].size());
    dm->Logout(); // the embedded engine: one process at a time

    QString out, err;
    const QStringList common{QStringLiteral("--port"),   QString::fromStdString(emu.SlavePath()),
                             QStringLiteral("--log"),    logFile,
                             QStringLiteral("--db-dir"), loc.dir};
    // Without --all nothing is ticked: nothing to do.
    ASSERT_EQ(RunCtl(common + QStringList{QStringLiteral("readout")}, out, err), 0) << err.toStdString();
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    ASSERT_EQ(RunCtl(common + QStringList{QStringLiteral("readout"), QStringLiteral("--all"),
                                          QStringLiteral("--slot"),
                                          QStringLiteral("%1,%2").arg(slot / 10).arg(slot % 10)},
                     out, err),
              0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("%1,%2;%3, %4;stored 0;deleted 0;already %5;elsewhere 0;kept 0\n")
                       .arg(slot / 10)
                       .arg(slot % 10)
                       .arg(wf::Name(s), wf::Vorname(s))
                       .arg(n));
    EXPECT_TRUE(err.contains(QStringLiteral("  bereits gespeichert, übersprungen: %1").arg(n)))
        << err.toStdString();
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    EXPECT_EQ(Rows(), before);
}

// A device patient whose birthday is today or in the future: the transfer goes on, the patient
// is stored without a birthday and found again by the next read-out.
TEST_F(Rereading, AnImpossibleBirthdayNeverStopsTheTransfer) {
    wf::LeseMessungen(*dev, *dm);
    std::vector<int> chosen;
    for (int i = 0; i < TZUD12::kSlots && chosen.size() < 2; ++i) {
        if (i / 10 == 0 && i % 10 < 6 && !dev->MessHeaders[i].isEmpty() &&
            wf::IstZuordenbar(dev->Patienten[i])) {
            chosen.push_back(i);
        }
    }
    ASSERT_EQ(chosen.size(), 2u);
    const QDate today = QDate::currentDate();
    const QDate future = today.addDays(400);
    SetDeviceBirthday(chosen[0], wf::DatumZuGeburtsdatum(today));
    SetDeviceBirthday(chosen[1], wf::DatumZuGeburtsdatum(future));
    wf::LeseMessungen(*dev, *dm);
    int expected = 0;
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (const auto& e : dev->MessHeaders[i]) {
            expected += e.Checked;
        }
    }
    for (int i : chosen) {
        for (const auto& e : dev->MessHeaders[i]) {
            EXPECT_TRUE(e.Checked);
        }
    }
    const auto r = wf::Uebertrage(*dev, *dm, false);
    ASSERT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.Stored(), expected);
    const QString summary = wf::Zusammenfassung(r);
    for (int k = 0; k < 2; ++k) {
        const int i = chosen[size_t(k)];
        const Stammsatz& s = dev->Patienten[i];
        EXPECT_FALSE(wf::DatenbankGeburtstag(s).isValid());
        const auto id = dm->FindPatient(wf::Name(s), wf::Vorname(s), QDate());
        ASSERT_TRUE(id) << i;
        const auto p = dm->GetPatient(*id);
        EXPECT_FALSE(p->Geburtstag.isValid());
        EXPECT_EQ(dm->ListRecordings(*id).size(), size_t(dev->MessHeaders[i].size()));
        EXPECT_TRUE(r.perSlot[i].newPatient);
        EXPECT_TRUE(summary.contains(
            QStringLiteral("  Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert")
                .arg((k == 0 ? today : future).toString(QStringLiteral("dd.MM.yyyy")))))
            << summary.toStdString();
    }
    // The next read-out finds those patients and their recordings.
    wf::LeseMessungen(*dev, *dm);
    for (int i : chosen) {
        for (const auto& e : dev->MessHeaders[i]) {
            EXPECT_FALSE(e.Checked);
            EXPECT_TRUE(e.Gespeichert);
        }
    }
    // A valid past birthday is kept, 1900-01-01 (the device's 0) included.
    Stammsatz past{};
    past.Geburtsdatum = 0;
    EXPECT_EQ(wf::DatenbankGeburtstag(past), QDate(1900, 1, 1));
    past.Geburtsdatum = wf::DatumZuGeburtsdatum(today.addDays(-1));
    EXPECT_EQ(wf::DatenbankGeburtstag(past), today.addDays(-1));
}

// Any exception inside the transfer, not only device and database failures: the device gets
// its normal screen, the port is closed, what was stored stays, and the message is German.
TEST_F(Rereading, AnyExceptionEndsTheConversation) {
    wf::LeseMessungen(*dev, *dm);
    wf::Callbacks cb;
    cb.progress = [](const QString&, int position, int) {
        if (position == 3) {
            throw std::logic_error("unexpected state");
        }
    };
    const auto r = wf::Uebertrage(*dev, *dm, true, cb);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.error, QStringLiteral("Unerwarteter Fehler: unexpected state"));
    EXPECT_EQ(r.Stored(), 2);
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);
    EXPECT_TRUE(
        wf::Zusammenfassung(r).startsWith(QStringLiteral("Unerwarteter Fehler: unexpected state\n\n")));
    // Nothing of the slot being read was deleted on the device.
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        if (r.perSlot[i].stored > 0) {
            for (const auto& e : dev->MessHeaders[i]) {
                EXPECT_TRUE(emu.HasFile(Path(i, e.Filename)));
            }
        }
    }
    // Something that is no std::exception at all.
    ASSERT_TRUE(emu.WaitIdle());
    wf::LeseMessungen(*dev, *dm);
    cb.progress = [](const QString&, int position, int) {
        if (position == 1) {
            throw 42;
        }
    };
    const auto r2 = wf::Uebertrage(*dev, *dm, false, cb);
    EXPECT_TRUE(r2.failed);
    EXPECT_EQ(r2.error, QStringLiteral("Unerwarteter Fehler."));
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);
}

// Ctrl+C in the terminal of `zudctl readout`: the transfer ends after the recording in flight
// as the close box of the progress window ends it; what was stored stays byte for byte, the
// device gets its normal screen back, and the exit status is 130.
TEST_F(Rereading, ZudctlReadoutCancelledBySigint) {
    // Paced as on the cable, so that the transfer is still running when the signal comes.
    emu.Stop();
    emu::Options options;
    options.baud = 115200;
    options.turnaroundUs = 3000;
    emu::Emulator slow(options);
    ASSERT_TRUE(slow.Start());
    emu::LoadDemo(slow);
    dm->Logout(); // the embedded engine: one process at a time

    QProcess ctl;
    ctl.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
              {QStringLiteral("--port"), QString::fromStdString(slow.SlavePath()), QStringLiteral("--log"),
               logFile, QStringLiteral("--db-dir"), loc.dir, QStringLiteral("readout"),
               QStringLiteral("--delete")});
    ASSERT_TRUE(ctl.waitForStarted());
    // The transfer's own "D 199" is the third screen command (the loading sent 199 and 0); two
    // recordings later the user presses Ctrl+C.
    auto count = [&slow](uint8_t code) {
        int n = 0;
        for (const auto& c : slow.Commands()) {
            n += c.code == code;
        }
        return n;
    };
    int readsAtStart = -1;
    bool sent = false;
    for (int i = 0; i < 6000 && ctl.state() == QProcess::Running; ++i) {
        if (readsAtStart < 0 && count('D') >= 3) {
            readsAtStart = count('R');
        }
        if (readsAtStart >= 0 && count('R') >= readsAtStart + 2) {
            ::kill(pid_t(ctl.processId()), SIGINT);
            sent = true;
            break;
        }
        QThread::msleep(10);
    }
    ASSERT_TRUE(sent) << ctl.readAllStandardError().toStdString();
    ASSERT_TRUE(ctl.waitForFinished(60000));
    const QString err = QString::fromUtf8(ctl.readAllStandardError());
    EXPECT_EQ(ctl.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ctl.exitCode(), 130) << err.toStdString();
    EXPECT_TRUE(err.startsWith(QStringLiteral("Übertragung abgebrochen.\n"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("Fehler der Datenbank"))) << err.toStdString();
    ASSERT_TRUE(slow.WaitIdle());
    EXPECT_EQ(slow.Screen(), 0);
    // The last screen command is the normal screen.
    std::vector<uint8_t> lastD;
    for (const auto& c : slow.Commands()) {
        if (c.code == 'D') {
            lastD = c.bytes;
        }
    }
    ASSERT_GE(lastD.size(), 2u);
    EXPECT_EQ(lastD[1], 0);

    // What was stored is there byte for byte, and was not deleted on the device unless stored.
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    int stored = 0;
    for (const auto& row : dm->Db().Query(QStringLiteral("select COUNTER, DATUM, UHRZEIT from ZUDData"))) {
        const auto rec = dm->GetRecording(row.Int(QStringLiteral("COUNTER")));
        ASSERT_TRUE(rec);
        bool found = false;
        for (const auto& f : slow.ListFiles()) {
            const auto entry = slow.GetEntry(f);
            if (entry && dev->RecodeDate(entry->date) == rec->Datum &&
                dev->RecodeTime(entry->time) == rec->Uhrzeit) {
                EXPECT_EQ(FromQ(rec->Daten), entry->data) << f;
                found = true;
            }
        }
        EXPECT_TRUE(found) << rec->Counter;
        ++stored;
    }
    EXPECT_GE(stored, 1);
    EXPECT_LT(stored, 14);
    slow.Stop();
}

// Ctrl+C in the middle of a long recording at 57,600 baud (an hour's exercise takes about 13 s
// on that line): the transfer ends within the block under way, not after the recording;
// nothing of the half-read recording is stored, what was stored before stays, the device gets
// its normal screen, exit status 130, and the program ends (the signal had interrupted a wait
// for the line; the engine's detach afterwards once looped for ever on the errno it left).
TEST_F(Rereading, ZudctlReadoutCancelledWithinALongRecording) {
    emu.Stop();
    emu::Options options;
    options.baud = 57600;
    options.turnaroundUs = 2000;
    emu::Emulator slow(options);
    ASSERT_TRUE(slow.Start());
    emu::LoadDemo(slow);
    // Only therapist 1's first patient holds recordings: two short ones, then the long one.
    for (const std::string& f : slow.ListFiles()) {
        if (f.size() > 4 && f.substr(f.size() - 4) == ".hdf" &&
            f.find("Th_0\\Pat_0\\") == std::string::npos) {
            slow.RemoveFile(f);
        }
    }
    const std::string dirPath = "0:\\Daten\\Th_0\\Pat_0\\";
    std::vector<std::string> keep;
    for (const std::string& f : slow.ListFiles()) {
        if (f.find("Th_0\\Pat_0\\") != std::string::npos && f.substr(f.size() - 4) == ".hdf") {
            keep.push_back(f);
        }
    }
    std::sort(keep.begin(), keep.end());
    ASSERT_GE(keep.size(), 2u);
    for (size_t i = 2; i < keep.size(); ++i) {
        slow.RemoveFile(keep[i]);
    }
    const auto lang = emu::DemoExercise(0, 60 * 60, 77);
    ASSERT_GT(lang.size(), 60000u);
    const std::string longPath = dirPath + "M0099.hdf";
    const size_t longBlocks = (lang.size() + 1023) / 1024;
    slow.PutFile(longPath, lang, FatDate(2026, 12, 9), FatTime(10, 0, 0), 60);
    dm->Logout(); // the embedded engine: one process at a time

    QProcess ctl;
    ctl.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
              {QStringLiteral("--port"), QString::fromStdString(slow.SlavePath()), QStringLiteral("--log"),
               logFile, QStringLiteral("--db-dir"), loc.dir, QStringLiteral("readout"),
               QStringLiteral("--delete")});
    ASSERT_TRUE(ctl.waitForStarted());
    // The two short recordings are read, then 20 blocks of the long one.
    bool sent = false;
    size_t ackedAtSignal = 0;
    std::chrono::steady_clock::time_point signalled;
    for (int i = 0; i < 12000 && ctl.state() == QProcess::Running; ++i) {
        if (slow.ReadAckCount(longPath) >= 20) {
            ::kill(pid_t(ctl.processId()), SIGINT);
            ackedAtSignal = slow.ReadAckCount(longPath);
            signalled = std::chrono::steady_clock::now();
            sent = true;
            break;
        }
        QThread::msleep(5);
    }
    ASSERT_TRUE(sent) << ctl.readAllStandardError().toStdString();
    // Within one block the device is back on its normal screen.
    auto lastScreen = [&slow] {
        int screen = -1;
        for (const auto& c : slow.Commands()) {
            if (c.code == 'D' && c.bytes.size() >= 2) {
                screen = c.bytes[1];
            }
        }
        return screen;
    };
    while (lastScreen() != 0 && std::chrono::steady_clock::now() - signalled < std::chrono::seconds(10)) {
        QThread::msleep(5);
    }
    const auto took = std::chrono::steady_clock::now() - signalled;
    EXPECT_LT(took, std::chrono::milliseconds(2000))
        << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms";
    ASSERT_TRUE(ctl.waitForFinished(30000));
    const QString err = QString::fromUtf8(ctl.readAllStandardError());
    EXPECT_EQ(ctl.exitCode(), 130) << err.toStdString();
    EXPECT_TRUE(err.startsWith(QStringLiteral("Übertragung abgebrochen.\n"))) << err.toStdString();
    // The block under way was the last one of the long recording that was acknowledged.
    ASSERT_TRUE(slow.WaitIdle());
    EXPECT_LE(slow.ReadAckCount(longPath), ackedAtSignal + 1) << "of " << longBlocks;
    EXPECT_EQ(slow.Screen(), 0);

    // The two short recordings are stored byte for byte, the long one not at all.
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    std::vector<std::vector<uint8_t>> stored;
    for (const auto& row : dm->Db().Query(QStringLiteral("select COUNTER from ZUDData"))) {
        stored.push_back(FromQ(dm->GetRecording(row.Int(QStringLiteral("COUNTER")))->Daten));
    }
    std::sort(stored.begin(), stored.end());
    std::vector<std::vector<uint8_t>> expected{*slow.GetFile(keep[0]), *slow.GetFile(keep[1])};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
    slow.Stop();
}

// The database client sets handlers of its own for SIGINT and SIGTERM when it attaches; held
// back around the attach, the signals are ours afterwards: noted, delivered through the event
// loop, and the process goes on.
TEST_F(Rereading, SignalsReachTheWatcherAfterTheDatabaseClientAttached) {
    // The event loop that zud-software runs (the notifier needs its dispatcher).
    int argc = 1;
    char name[] = "workflow_tests";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    SignalWatcher& watcher = SignalWatcher::Instance();
    ASSERT_TRUE(watcher.Install());
    dm->Logout();
    {
        const SignalWatcher::Hold hold;
        dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        // Held back: a signal now waits for the end of the attach.
        SignalWatcher::Reset();
        ::raise(SIGTERM);
        EXPECT_FALSE(SignalWatcher::Requested());
    }
    EXPECT_TRUE(SignalWatcher::Requested());
    EXPECT_EQ(SignalWatcher::Last(), SIGTERM);
    std::vector<int> delivered;
    const auto c =
        QObject::connect(&watcher, &SignalWatcher::Signalled, [&](int s) { delivered.push_back(s); });
    for (int i = 0; i < 50 && delivered.empty(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(delivered, std::vector<int>{SIGTERM});
    SignalWatcher::Reset();
    ::raise(SIGINT);
    ::raise(SIGHUP);
    EXPECT_EQ(SignalWatcher::Last(), SIGHUP);
    delivered.clear();
    for (int i = 0; i < 50 && delivered.empty(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(delivered, std::vector<int>{SIGHUP}); // one wake-up names the last signal
    QObject::disconnect(c);
    SignalWatcher::Reset();
    // The connection survived.
    EXPECT_NO_THROW(dm->AllPatients());
}

// What counts as the same recording: itself, or a crop as the chart makes it; nothing else.
TEST(Ausschnitt, OnlyTheRecordingItselfOrItsCrops) {
    emu::Emulator e;
    emu::LoadDemo(e);
    for (int k = 1; k <= 9; ++k) {
        char name[64];
        std::snprintf(name, sizeof name, "0:\\Daten\\Th_0\\Pat_0\\M%04d.hdf", k);
        const auto file = e.GetFile(name);
        ASSERT_TRUE(file) << name;
        const QByteArray whole = ToQ(*file);
        const auto* data = reinterpret_cast<const uint8_t*>(whole.constData());
        EXPECT_TRUE(IstAusschnitt(whole, whole)) << k;
        for (const auto& [faktor, offset] : {std::pair{2.0, 0.0}, {4.0, 0.5}, {5.0, 0.8}, {1.0, 0.0}}) {
            const QByteArray cut = ToQ(CutStream(data, size_t(whole.size()), faktor, offset));
            ASSERT_FALSE(cut.isEmpty()) << k;
            EXPECT_TRUE(IstAusschnitt(cut, whole)) << k << ' ' << faktor << ' ' << offset;
            // A crop of a crop is a crop of the whole.
            const QByteArray again = ToQ(
                CutStream(reinterpret_cast<const uint8_t*>(cut.constData()), size_t(cut.size()), 2.0, 0.5));
            EXPECT_TRUE(IstAusschnitt(again, whole)) << k;
            if (cut.size() < whole.size()) {
                EXPECT_FALSE(IstAusschnitt(whole, cut)) << k;
            }
            // One changed sample byte, a changed header, a changed trailer: another recording.
            QByteArray sample = cut;
            if (sample.size() > 89 + 128) {
                sample[89] = char(sample[89] ^ 0x01);
                EXPECT_FALSE(IstAusschnitt(sample, whole)) << k;
            }
            QByteArray header = cut;
            header[50] = char(header[50] ^ 0x20);
            EXPECT_FALSE(IstAusschnitt(header, whole)) << k;
            QByteArray trailer = cut;
            trailer[trailer.size() - 20] = char(trailer[trailer.size() - 20] ^ 0x7F);
            EXPECT_FALSE(IstAusschnitt(trailer, whole)) << k;
        }
        // Cut off in the middle of a sample, or too short to be a recording.
        EXPECT_FALSE(IstAusschnitt(whole.left(whole.size() - 1), whole)) << k;
        EXPECT_FALSE(IstAusschnitt(whole.left(100), whole)) << k;
        EXPECT_FALSE(IstAusschnitt(QByteArray(), whole)) << k;
        EXPECT_FALSE(IstAusschnitt(whole, QByteArray(300, '\0'))) << k;
    }
}

// Ctrl+C during `zudctl get`: the file in flight is given up within its block, nothing is
// written, the device gets its normal screen, exit status 130.
TEST_F(Rereading, ZudctlGetCancelledBySigint) {
    emu.Stop();
    emu::Options options;
    options.baud = 115200;
    options.turnaroundUs = 2000;
    emu::Emulator slow(options);
    ASSERT_TRUE(slow.Start());
    const std::string path = "0:\\Daten\\Th_0\\Pat_0\\Gross.dat";
    slow.PutFile(path, Pattern(40000, 9), FatDate(2026, 12, 1), FatTime(9, 0, 0));
    const QString target = dir.filePath(QStringLiteral("gross.dat"));
    QProcess ctl;
    ctl.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
              {QStringLiteral("--port"), QString::fromStdString(slow.SlavePath()), QStringLiteral("--log"),
               logFile, QStringLiteral("get"), QString::fromStdString(path), target});
    ASSERT_TRUE(ctl.waitForStarted());
    bool sent = false;
    for (int i = 0; i < 3000 && ctl.state() == QProcess::Running; ++i) {
        // After the handshake's transfer screen the read of the file begins.
        int screens = 0;
        for (const auto& c : slow.Commands()) {
            screens += c.code == 'D';
        }
        if (screens > 0) {
            QThread::msleep(300);
            ::kill(pid_t(ctl.processId()), SIGINT);
            sent = true;
            break;
        }
        QThread::msleep(5);
    }
    ASSERT_TRUE(sent);
    ASSERT_TRUE(ctl.waitForFinished(60000));
    const QString err = QString::fromUtf8(ctl.readAllStandardError());
    EXPECT_EQ(ctl.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ctl.exitCode(), 130) << err.toStdString();
    EXPECT_EQ(err, QStringLiteral("Übertragung abgebrochen.\n"));
    EXPECT_FALSE(QFileInfo::exists(target));
    // Given up in the middle: the last block answered is not the file's last one.
    EXPECT_LT(slow.ReadAcks().size(), 40u);
    ASSERT_TRUE(slow.WaitIdle());
    EXPECT_EQ(slow.Screen(), 0);
    slow.Stop();
}
