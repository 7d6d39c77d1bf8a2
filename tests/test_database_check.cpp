// "zudctl db verify" on databases filled by the real read-out and live writer, embedded and
// through a server: a sound database passes; a recording cut short, a patient removed under
// his recordings, a page overwritten in a copy of the file, keys and generators out of step
// are each named, and the exit status says so.

#include "DatabaseCheck.h"
#include "DbFixture.h"
#include "Demo.h"
#include "Emulator.h"
#include "LiveRecordings.h"
#include "Readout.h"
#include "Recording.h"
#include "RecordingCheck.h"
#include "TZUD12.h"
#include "ZudctlRunner.h"

#include <QFile>
#include <QRegularExpression>

#include <atomic>
#include <csignal>
#include <set>

using namespace zud;
using namespace zud::test;

namespace {

// The problem lines that name a recording, by its key.
std::multiset<qint64> NamedRecordings(const QString& out) {
    static const QRegularExpression kLine(QStringLiteral("^Übung (\\d+): "),
                                          QRegularExpression::MultilineOption);
    std::multiset<qint64> keys;
    for (auto it = kLine.globalMatch(out); it.hasNext();) {
        keys.insert(it.next().captured(1).toLongLong());
    }
    return keys;
}

class DatabaseCheck : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        // What a practice has after a read-out of the demo device and a saved live recording.
        emu::Emulator emu;
        ASSERT_TRUE(emu.Start());
        emu::LoadDemo(emu);
        {
            TZUD12 dev(dir.filePath(QStringLiteral("Logfile.txt")));
            dev.ComPort = QString::fromStdString(emu.SlavePath());
            wf::LeseMessungen(dev, *dm);
            const wf::TransferResult stored = wf::Uebertrage(dev, *dm, false);
            ASSERT_FALSE(stored.failed) << stored.error.toStdString();
            ASSERT_GT(stored.Stored(), 0);
        }
        emu.Stop();
        const qint64 patient = dm->AllPatients().front().Identifikation;
        dm->InsertRecording(patient, QDate(2026, 3, 2), QTime(10, 15), LiveRecording(7, 300),
                            QStringLiteral("ZUD12"));
        for (const Patient& p : dm->AllPatients()) {
            ++patients;
            for (const Recording& r : dm->ListRecordings(p.Identifikation)) {
                byPatient[p.Identifikation].push_back(r.Counter);
                ++recordings;
            }
        }
        ASSERT_GE(byPatient.size(), 2u);
        ASSERT_GE(recordings, 6);
    }

    QStringList Where(const QString& folder) const {
        QStringList a{QStringLiteral("--db-dir"), folder};
        if (Server()) {
            a << QStringLiteral("--db-server") << QStringLiteral("127.0.0.1") << QStringLiteral("--db-port")
              << QString::number(server.Port());
        }
        return a;
    }
    int Verify(const QString& folder, QString& out) {
        QString err;
        const int rc = RunCtl(Where(folder) << QStringLiteral("db") << QStringLiteral("verify"), out, err);
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        return rc;
    }

    std::map<qint64, std::vector<qint64>> byPatient;
    int recordings = 0;
    int patients = 0;
};

} // namespace

TEST_P(DatabaseCheck, ASoundDatabasePassesAndNothingChanges) {
    dm.reset(); // nobody else connected: the engine's full check
    QString out;
    ASSERT_EQ(Verify(loc.dir, out), 0) << out.toStdString();
    const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1) << out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(
        QStringLiteral("Datenbank geprüft (Übungen: %1, Patienten: %2, ").arg(recordings).arg(patients)))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Keine Probleme gefunden."))) << lines[0].toStdString();
}

TEST_P(DatabaseCheck, ACutBlobAndAMissingPatientAreNamedPerRecording) {
    auto it = byPatient.begin();
    const qint64 cutCounter = it->second.front();
    ++it;
    const qint64 gonePatient = it->first;
    const std::vector<qint64> orphans = it->second;
    {
        // Damage as a crash or a careless script would leave it, past the program's own checks.
        auto c = Second();
        const QByteArray whole =
            c->Query(QStringLiteral("select DATEN from ZUDDATA where COUNTER = ?"), {cutCounter})
                .front()
                .At(0)
                .toByteArray();
        c->Exec(QStringLiteral("update ZUDDATA set DATEN = ? where COUNTER = ?"),
                {whole.left(whole.size() - 50), cutCounter});
        c->Exec(QStringLiteral("delete from QALPATIENT where IDENTIFIKATION = ?"), {gonePatient});
        c->Commit();
    }
    dm.reset();
    QString out;
    EXPECT_EQ(Verify(loc.dir, out), 1) << out.toStdString();
    std::multiset<qint64> expected(orphans.begin(), orphans.end());
    expected.insert(cutCounter);
    // The cut recording may break more than one rule; each orphan is named once.
    std::multiset<qint64> named = NamedRecordings(out);
    for (const qint64 c : orphans) {
        EXPECT_EQ(named.count(c), 1u) << c << "\n" << out.toStdString();
        EXPECT_TRUE(out.contains(
            QStringLiteral("Übung %1: Der Patient %2 fehlt in der Patiententabelle").arg(c).arg(gonePatient)))
            << out.toStdString();
    }
    EXPECT_GE(named.count(cutCounter), 1u) << out.toStdString();
    const QRegularExpression cut(QStringLiteral("^Übung %1: .*abgeschnitten").arg(cutCounter),
                                 QRegularExpression::MultilineOption);
    EXPECT_TRUE(cut.match(out).hasMatch()) << out.toStdString();
    for (const qint64 c : named) {
        EXPECT_TRUE(expected.count(c) > 0) << "named without a fault: " << c << "\n" << out.toStdString();
    }
    EXPECT_TRUE(out.trimmed()
                    .section(QLatin1Char('\n'), -1)
                    .contains(QStringLiteral("Probleme: %1.").arg(named.size())))
        << out.toStdString();
}

TEST_P(DatabaseCheck, APageOverwrittenInACopyIsFoundByTheEngine) {
    const qint64 relation = dm->Db()
                                .Query(QStringLiteral("select RDB$RELATION_ID from RDB$RELATIONS where "
                                                      "RDB$RELATION_NAME = 'ZUDDATA'"))
                                .front()
                                .At(0)
                                .toLongLong();
    dm.reset();
    const QString copyDir = dir.filePath(QStringLiteral("copy"));
    QDir().mkpath(copyDir);
    const QString copy = copyDir + QStringLiteral("/") + QLatin1String(kDatabaseFile);
    ASSERT_TRUE(QFile::copy(loc.FilePath(), copy));
    QFile f(copy);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    constexpr qint64 kPage = 8192;
    // The first data page of the recordings' table: page type 5, relation number at byte 20.
    qint64 page = -1;
    for (qint64 p = 0; p < f.size() / kPage && page < 0; ++p) {
        f.seek(p * kPage);
        const QByteArray head = f.read(24);
        const int rel = static_cast<uint8_t>(head[20]) | (static_cast<uint8_t>(head[21]) << 8);
        if (head[0] == 5 && rel == relation) {
            page = p;
        }
    }
    ASSERT_GE(page, 0);
    f.seek(page * kPage + 24);
    f.write(QByteArray(kPage - 24, '\xA5'));
    f.close();

    QString out;
    EXPECT_EQ(Verify(copyDir, out), 1) << out.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("Firebird meldet einen Fehler in der Datenbankdatei: ")))
        << out.toStdString();
    // The original is untouched and sound.
    EXPECT_EQ(Verify(loc.dir, out), 0) << out.toStdString();
}

TEST_P(DatabaseCheck, KeysGeneratorsAndDuplicatesOutOfStep) {
    const qint64 counter = byPatient.begin()->second.front();
    qint64 max = 0;
    {
        auto c = Second();
        max = c->Query(QStringLiteral("select max(COUNTER) from ZUDDATA")).front().At(0).toLongLong();
        // A copy of a recording under a key beyond the generator, a device number given twice,
        // a recording of a device that is not in the table.
        c->Exec(
            QStringLiteral(
                "insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN) "
                "select ?, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN from ZUDDATA where COUNTER = ?"),
            {max + 5, counter});
        c->Exec(QStringLiteral("insert into QALGERAETE (ZAEHLER, GERAETEID, GERAETENAME) "
                               "select ZAEHLER + 1000, GERAETEID, 'Kopie' from QALGERAETE"));
        c->Exec(
            QStringLiteral("insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN) "
                           "select ?, 4711, PATIENT, DATUM, UHRZEIT + 1, BETRIEBSART, DATEN from ZUDDATA "
                           "where COUNTER = ?"),
            {max + 6, counter});
        c->Commit();
    }
    dm.reset();
    QString out;
    EXPECT_EQ(Verify(loc.dir, out), 1) << out.toStdString();
    const auto has = [&](const QString& s) { return out.contains(s); };
    EXPECT_TRUE(has(QStringLiteral("Der Generator GEN_ZUDDATA_ID steht auf"))) << out.toStdString();
    EXPECT_TRUE(has(QStringLiteral("Der Generator GEN_GERAETE_ID steht auf"))) << out.toStdString();
    EXPECT_TRUE(has(QStringLiteral("ist in QALGERAETE 2-mal vergeben"))) << out.toStdString();
    EXPECT_TRUE(
        has(QStringLiteral("Übung %1: Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten "
                           "gleichen Übung %2.")
                .arg(max + 5)
                .arg(counter)))
        << out.toStdString();
    EXPECT_TRUE(has(QStringLiteral("Das Gerät 4711 (TYP) fehlt in der Gerätetabelle"))) << out.toStdString();
}

// While other connections are open the engine cannot have the database to itself: the check
// runs beside them. A workstation that only reads leaves every table to it; the tables that a
// workstation changed in its still open transaction are named as not checked, never as sound.
TEST_P(DatabaseCheck, BesideOtherWorkstations) {
    dm.reset();
    {
        PatientDatabase reader(loc);
        reader.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        ASSERT_FALSE(reader.AllPatients().empty());
        QString out;
        EXPECT_EQ(Verify(loc.dir, out), 0) << out.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("Andere Arbeitsplätze waren angemeldet")))
            << out.toStdString();

        PatientDatabase writer(loc);
        writer.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        Patient p = *writer.GetPatient(byPatient.begin()->first);
        p.Nummer = QStringLiteral("A1234567");
        writer.UpdatePatient(p);
        EXPECT_EQ(Verify(loc.dir, out), 1) << out.toStdString();
        EXPECT_TRUE(out.startsWith(QStringLiteral("Firebird konnte die Tabelle QALPATIENT nicht prüfen: ein "
                                                  "angemeldeter Arbeitsplatz hat sie in einer noch offenen "
                                                  "Transaktion geändert.")))
            << out.toStdString();
        // Both work on.
        EXPECT_EQ(writer.GetPatient(p.Identifikation)->Nummer, QStringLiteral("A1234567"));
        EXPECT_FALSE(reader.AllPatients().empty());
    }
    QString out;
    EXPECT_EQ(Verify(loc.dir, out), 0) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("Andere Arbeitsplätze"))) << out.toStdString();
}

namespace {
std::atomic<int> gTerms{0};
extern "C" void CountTerm(int) {
    ++gTerms;
}
} // namespace

// Database calls hold SIGTERM back for their own time only: the looks between the engine's
// answers while it checks the file run with it released, so that one that comes is noted there
// at once and the check stops as cancelled (zudctl and the window ask so).
TEST_P(DatabaseCheck, ASignalDuringTheEngineCheckCancelsIt) {
    dm.reset(); // the engine's full check
    struct sigaction sa {
    }, old{};
    sa.sa_handler = CountTerm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ASSERT_EQ(::sigaction(SIGTERM, &sa, &old), 0);
    gTerms = 0;
    int asked = 0;
    bool notedAtOnce = false;
    auto pump = [&] {
        if (++asked == 1) {
            ::raise(SIGTERM);
            notedAtOnce = gTerms == 1;
        }
        return gTerms == 0;
    };
    try {
        wf::CheckDatabase(loc, QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword), pump);
        ADD_FAILURE() << "the check ran to its end; asked " << asked << " times";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("abgebrochen"))) << e.Message().toStdString();
    }
    EXPECT_TRUE(notedAtOnce) << "held back during the look between two answers";
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(gTerms, 1);
    ::sigaction(SIGTERM, &old, nullptr);
}

// A cancel asked between two recordings stops the check there: nothing is asked after it and the
// check ends as cancelled, not with a partial result that would read as sound.
TEST_P(DatabaseCheck, ACancelBetweenTwoRecordingsStopsTheCheck) {
    dm.reset();
    int asked = 0;
    const auto all =
        wf::CheckDatabase(loc, QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword), [&] {
            ++asked;
            return true;
        });
    ASSERT_EQ(all.recordings, recordings);
    // One question before every recording comes last; the middle of them is well past the engine's.
    ASSERT_GT(asked, recordings);
    const int stopAt = asked - recordings / 2;
    int again = 0;
    try {
        wf::CheckDatabase(loc, QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword),
                          [&] { return ++again < stopAt; });
        ADD_FAILURE() << "the check ran to its end; asked " << again << " times";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("abgebrochen"))) << e.Message().toStdString();
    }
    EXPECT_EQ(again, stopAt);
}

INSTANTIATE_TEST_SUITE_P(Firebird, DatabaseCheck, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

// The rules on one recording's bytes, beyond those of the read-out.
TEST(RecordingFaults, WholeSamplesATrailerThatCountsThemAndTheRowsMode) {
    const QByteArray sound = LiveRecording(0, 100);
    EXPECT_TRUE(AufzeichnungsFehler(sound, 1).isEmpty());
    EXPECT_TRUE(AufzeichnungsFehler(LiveRecording(7, 40), 8).isEmpty());
    EXPECT_TRUE(AufzeichnungsFehler(LiveRecording(9, 0), 10).isEmpty());
    // Cut in the middle of the trailer, and a whole sample short of it.
    for (const int cut : {1, 2, 50, 127}) {
        const QStringList f = AufzeichnungsFehler(sound.left(sound.size() - cut), 1);
        ASSERT_FALSE(f.isEmpty()) << cut;
        EXPECT_TRUE(f.join(QLatin1Char(' ')).contains(QStringLiteral("abgeschnitten"))) << cut;
    }
    const QByteArray mode7 = LiveRecording(7, 40);
    EXPECT_TRUE(AufzeichnungsFehler(mode7.left(mode7.size() - 3), 8)
                    .join(QLatin1Char(' '))
                    .contains(QStringLiteral("mitten in einem Messwert")));
    QByteArray wrongCount = sound;
    wrongCount[static_cast<qsizetype>(sound.size() - kFussBytes + 9)] = 7;
    EXPECT_EQ(AufzeichnungsFehler(wrongCount, 1),
              QStringList{QStringLiteral(
                  "Der Statistikblock am Ende nennt 7 Messwerte, die Aufzeichnung enthält 100: "
                  "sie ist abgeschnitten oder beschädigt.")});
    EXPECT_EQ(AufzeichnungsFehler(sound, 5),
              QStringList{QStringLiteral(
                  "Die Betriebsart der Zeile (BETRIEBSART 5) ist nicht die des Programmkopfs (1).")});
    EXPECT_EQ(AufzeichnungsFehler(QByteArray(), 1),
              QStringList{QStringLiteral("Die Übung enthält keine Daten.")});
    EXPECT_FALSE(AufzeichnungsFehler(sound.left(100), 1).isEmpty());
    // The older variant has no trailer: only its header must be whole.
    EXPECT_TRUE(AufzeichnungsFehler(QByteArray(300, '\1'), -1).isEmpty());
    EXPECT_FALSE(AufzeichnungsFehler(QByteArray(200, '\1'), -1).isEmpty());
}
