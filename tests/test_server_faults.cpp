// The practice server goes away: stopped or killed during a read-out, an import and a patient
// edit. The workstation says so naming the server, stores nothing by halves, and the same data
// module carries on when the server is back; a read-out run again stores the rest, and the
// device keeps everything that was not stored.

#include "Demo.h"
#include "EmuFixture.h"
#include "ExchangeDatabase.h"
#include "FaultCounts.h"
#include "FirebirdServer.h"
#include "Readout.h"
#include "TestEnv.h"

#include <QDir>
#include <QElapsedTimer>

#include <atomic>
#include <iostream>
#include <map>
#include <set>
#include <thread>

using namespace zud;
using namespace zud::test;

namespace {

class ServerGoesAway : public EmuTest {
protected:
    void SetUp() override {
        EmuTest::SetUp();
        IsolateProgramFolders(dir);
        db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
        const QString failed =
            server.Start(dir.filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
        loc.server = QStringLiteral("127.0.0.1");
        loc.port = QString::number(server.Port());
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        std::string why;
        dm = InstallAndLogin(server, loc, why);
        ASSERT_TRUE(dm) << why;
    }
    void TearDown() override {
        dm.reset();
        server.Stop();
        EmuTest::TearDown();
    }

    // How the messages name this server.
    QString Named() const { return QStringLiteral("„127.0.0.1“ (Port %1)").arg(server.Port()); }

    void Restart() {
        const QString failed = server.Restart();
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
    }

    // An independent look at the database, as another workstation has it.
    std::unique_ptr<db::Connection> Other() {
        return db::Connection::Attach({loc.ConnectionString(), QString::fromLatin1(kAdminUser),
                                       QString::fromLatin1(kAdminPassword), QString()});
    }

    FirebirdServer server;
    DbLocation loc;
    std::unique_ptr<PatientDatabase> dm;
};

TEST_F(ServerGoesAway, APatientEditFailsNamingTheServerAndTheSameLoginCarriesOn) {
    const qint64 id = dm->AddPatient([] {
        Patient p;
        p.Name = QStringLiteral("Wächter");
        p.Vorname = QStringLiteral("Ute");
        p.Geburtstag = QDate(1955, 12, 1);
        return p;
    }());
    Patient p = *dm->GetPatient(id);

    // Killed: the edit fails, says which server and that nothing of it was stored.
    server.Kill();
    ++Injected()["server killed (SIGKILL) during a patient edit"];
    p.Telefon = QStringLiteral("0911 123");
    try {
        dm->UpdatePatient(p);
        FAIL() << "saved to a server that is gone";
    } catch (const db::DbError& e) {
        const QString m = db::DescribeError(e);
        EXPECT_TRUE(m.startsWith(QStringLiteral("Die Verbindung zum Datenbankserver ") + Named() +
                                 QStringLiteral(" ist abgebrochen")))
            << m.toStdString();
    }
    EXPECT_TRUE(dm->LoggedIn());
    EXPECT_TRUE(dm->ConnectionLost());
    // While it is down, each action tries again and is told the server cannot be reached.
    try {
        dm->UpdatePatient(p);
        FAIL() << "saved to a server that is down";
    } catch (const db::DbError& e) {
        const QString m = db::DescribeError(e);
        EXPECT_TRUE(m.startsWith(QStringLiteral("Der Datenbankserver ") + Named() +
                                 QStringLiteral(" ist nicht erreichbar.")))
            << m.toStdString();
    }
    Restart();
    // Back: the next action of the same login works, and another workstation sees it.
    dm->UpdatePatient(p);
    EXPECT_FALSE(dm->ConnectionLost());
    EXPECT_EQ(Other()
                  ->Query(QStringLiteral("select TELEFON from QALPATIENT where IDENTIFIKATION = ?"), {id})
                  .front()
                  .At(0)
                  .toString(),
              QStringLiteral("0911 123"));

    // Stopped and started again while the workstation was idle: the next action notices the old
    // connection is dead before it uses it, and does not fail at all.
    server.Stop();
    ++Injected()["server stopped (SIGTERM) and started while a workstation was idle"];
    Restart();
    QThread::msleep(2200);
    Patient q = *dm->GetPatient(id);
    q.Email = QStringLiteral("ute@example.org");
    dm->UpdatePatient(q);
    EXPECT_EQ(Other()
                  ->Query(QStringLiteral("select EMAIL from QALPATIENT where IDENTIFIKATION = ?"), {id})
                  .front()
                  .At(0)
                  .toString(),
              QStringLiteral("ute@example.org"));

    // A change begun and not committed when the server went: the next access says it is lost
    // instead of carrying on with the rest of it on a new connection; the one after that works.
    dm->Db().Exec(QStringLiteral("update QALPATIENT set TELEFON = ? where IDENTIFIKATION = ?"),
                  {QStringLiteral("halb"), id});
    server.Kill();
    ++Injected()["server killed (SIGKILL) while a change was not committed"];
    Restart();
    QThread::msleep(2200);
    try {
        dm->Db();
        FAIL() << "went on with a change that the server has lost";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(
            db::DescribeError(e).startsWith(QStringLiteral("Die Verbindung zum Datenbankserver ") + Named()))
            << db::DescribeError(e).toStdString();
    }
    EXPECT_EQ(dm->GetPatient(id)->Telefon, QStringLiteral("0911 123"));

    // Killed and back within a moment: the explicit "connect again" of the window.
    server.Kill();
    ++Injected()["server killed (SIGKILL) while a workstation was idle"];
    Restart();
    dm->Reconnect();
    EXPECT_EQ(dm->GetPatient(id)->Email, QStringLiteral("ute@example.org"));
}

// A read-out with deletion; the server goes away at moments spread over it: before a
// recording, within one, after a patient's rows were committed and before its files go, and
// by time from another thread.
TEST_F(ServerGoesAway, AReadoutStoresWholeRecordingsOnlyAndARunAgainStoresTheRest) {
    enum class How { BeforeRecording, WithinRecording, AfterCommit, ByTime };
    struct Moment {
        const char* name;
        How how;
        int at; // the n-th recording, the n-th committed slot, or milliseconds
        bool kill;
    };
    const Moment moments[] = {
        {"killed before the 2nd recording", How::BeforeRecording, 2, true},
        {"killed within the 3rd recording", How::WithinRecording, 3, true},
        {"killed after the 1st patient was committed", How::AfterCommit, 1, true},
        {"stopped before the 5th recording", How::BeforeRecording, 5, false},
        {"killed after 60 ms", How::ByTime, 60, true},
        {"killed after 200 ms", How::ByTime, 200, true},
    };
    int interrupted = 0;
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        emu::LoadDemo(emu);
        wf::LeseMessungen(*dev, *dm);
        // What the device holds before: every selected recording by its path.
        std::map<std::string, std::vector<uint8_t>> before;
        for (int i = 0; i < TZUD12::kSlots; ++i) {
            for (const auto& e : dev->MessHeaders[i]) {
                if (e.Checked) {
                    const std::string path = QStringLiteral("0:\\Daten\\Th_%1\\Pat_%2\\%3")
                                                 .arg(i / 10)
                                                 .arg(i % 10)
                                                 .arg(e.Filename)
                                                 .toStdString();
                    before[path] = *emu.GetFile(path);
                }
            }
        }
        ASSERT_GE(before.size(), 6u);

        std::atomic<bool> gone{false};
        const auto away = [&] {
            if (!gone.exchange(true)) {
                m.kill ? server.Kill() : server.Stop();
            }
        };
        int recording = 0;
        int committed = 0;
        wf::Callbacks cb;
        cb.progress = [&](const QString&, int position, int) {
            recording = position;
            if (m.how == How::BeforeRecording && position == m.at) {
                away();
            }
        };
        cb.fileBytes = [&](qint64 done, qint64 total) {
            if (m.how == How::WithinRecording && recording == m.at && done * 2 >= total) {
                away();
            }
        };
        cb.slotCommitted = [&](int, int) {
            if (m.how == How::AfterCommit && ++committed == m.at) {
                away();
            }
        };
        std::thread timer;
        const qint64 pid = server.Pid();
        if (m.how == How::ByTime) {
            timer = std::thread([&gone, pid, ms = m.at] {
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                if (!gone.exchange(true)) {
                    ::kill(static_cast<pid_t>(pid), SIGKILL);
                }
            });
        }
        QElapsedTimer took;
        took.start();
        const wf::TransferResult r = wf::Uebertrage(*dev, *dm, true, cb);
        std::cout << "[ faults   ] " << m.name << ": the read-out ran " << took.elapsed() << " ms, "
                  << (r.failed ? "interrupted" : "done before") << "\n";
        if (timer.joinable()) {
            timer.join();
        }
        ASSERT_TRUE(gone) << "the moment never came";
        ++Injected()[m.kill ? "server killed (SIGKILL) during a read-out"
                            : "server stopped (SIGTERM) during a read-out"];
        if (r.failed) {
            ++interrupted;
            EXPECT_TRUE(r.error.contains(QStringLiteral("Datenbankserver ") + Named()))
                << r.error.toStdString();
        } else {
            // The transfer had ended before the server went: the next action comes later.
            QThread::msleep(2200);
        }
        Restart();

        // Stored is whole: every row is one of the device's recordings byte for byte, none twice;
        // what is not stored is still on the device.
        std::map<QByteArray, std::string> byBytes;
        for (const auto& [path, bytes] : before) {
            byBytes[ToQ(bytes)] = path;
        }
        std::set<std::string> stored;
        for (const db::Row& row : dm->Db().Query(QStringLiteral("select DATEN from ZUDDATA"))) {
            const auto it = byBytes.find(row.At(0).toByteArray());
            ASSERT_NE(it, byBytes.end()) << "a stored recording is none of the device's";
            EXPECT_TRUE(stored.insert(it->second).second) << "stored twice: " << it->second;
        }
        for (const auto& [path, bytes] : before) {
            if (!stored.count(path)) {
                EXPECT_TRUE(emu.HasFile(path)) << "deleted but not stored: " << path;
            }
        }
        if (r.failed) {
            EXPECT_LT(stored.size(), before.size());
        }

        // The same login runs the read-out again and stores the rest. With every recording ticked,
        // those stored before the fault are recognised by their bytes and deleted as well.
        bool left = false;
        for (const auto& [path, bytes] : before) {
            left = left || emu.HasFile(path);
        }
        if (left) {
            wf::LeseMessungen(*dev, *dm);
            for (auto& list : dev->MessHeaders) {
                for (auto& e : list) {
                    e.Checked = true;
                }
            }
            const wf::TransferResult again = wf::Uebertrage(*dev, *dm, true);
            ASSERT_FALSE(again.failed) << again.error.toStdString();
        }
        const auto all = dm->Db().Query(QStringLiteral("select DATEN from ZUDDATA"));
        EXPECT_EQ(all.size(), before.size());
        std::set<std::string> now;
        for (const db::Row& row : all) {
            const auto it = byBytes.find(row.At(0).toByteArray());
            ASSERT_NE(it, byBytes.end());
            EXPECT_TRUE(now.insert(it->second).second) << "stored twice: " << it->second;
        }
        for (const auto& [path, bytes] : before) {
            EXPECT_FALSE(emu.HasFile(path)) << "left on the device: " << path;
        }

        // A clean start for the next moment.
        dm->Db().Exec(QStringLiteral("delete from ZUDDATA"));
        dm->Db().Exec(QStringLiteral("delete from QALPATIENT"));
        dm->Db().CommitRetaining();
    }
    // The moments by the workflow's own progress always fall within the transfer.
    EXPECT_GE(interrupted, 4);
    std::cout << "[ faults   ] read-outs the server's end interrupted: " << interrupted << " of "
              << std::size(moments) << "\n";
}

// An import into the server's database; the server is killed before a patient and by time within
// the merge. Each patient arrives whole or not at all, and the import run again with the same
// login completes it without doubles.
TEST_F(ServerGoesAway, AnImportStoresWholePatientsOnlyAndARunAgainCompletesIt) {
    // Four patients of three recordings of 400 kB: the archive to import.
    std::map<QByteArray, int> original; // the recordings' bytes, and how often the archive holds them
    QList<qint64> ids;
    for (int i = 0; i < 4; ++i) {
        Patient p;
        p.Name = QStringLiteral("Importtest");
        p.Vorname = QStringLiteral("Nr%1").arg(i);
        p.Geburtstag = QDate(1950 + i, 3, 4);
        const qint64 id = dm->AddPatient(p);
        ids << id;
        for (int k = 0; k < 3; ++k) {
            QByteArray bytes = ToQ(Pattern(400000, static_cast<uint32_t>(i * 10 + k + 1)));
            bytes[2] = static_cast<char>(k);
            dm->InsertRecording(id, QDate(2026, 5, 1 + k), QTime(9, i, 0), bytes,
                                QStringLiteral("ZUD12 Pro"));
            ++original[bytes];
        }
    }
    const QString archive = dir.filePath(QStringLiteral("praxis.qvz"));
    ExchangeDatabase(loc).Export(dm->Db(), ids, archive);

    // Checks that every patient of the import is there whole or not at all; returns how many are.
    const auto wholeOrAbsent = [&] {
        int whole = 0;
        for (int i = 0; i < 4; ++i) {
            const auto id = dm->FindPatient(QStringLiteral("Importtest"), QStringLiteral("Nr%1").arg(i),
                                            QDate(1950 + i, 3, 4));
            if (!id) {
                continue;
            }
            const auto rows =
                dm->Db().Query(QStringLiteral("select DATEN from ZUDDATA where PATIENT = ?"), {*id});
            EXPECT_EQ(rows.size(), 3u) << "patient " << i << " is there by halves";
            for (const db::Row& r : rows) {
                EXPECT_TRUE(original.count(r.At(0).toByteArray())) << "a recording differs, patient " << i;
            }
            ++whole;
        }
        return whole;
    };

    struct Moment {
        const char* name;
        int beforePatient; // -1: by time
        int ms;
    };
    const Moment moments[] = {{"killed before the 2nd patient", 1, 0},
                              {"killed before the 4th patient", 3, 0},
                              {"killed 150 ms into the merge", -1, 150},
                              {"killed 400 ms into the merge", -1, 400}};
    int interrupted = 0;
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        // The practice's database without the archive's patients.
        dm->Db().Exec(QStringLiteral("delete from ZUDDATA"));
        dm->Db().Exec(QStringLiteral("delete from QALPATIENT"));
        dm->Db().CommitRetaining();
        std::atomic<bool> gone{false};
        std::thread timer;
        {
            ExchangeDatabase dm2(loc);
            const auto listed = dm2.OpenArchive(archive);
            ASSERT_EQ(listed.size(), 4u);
            QList<qint64> pick;
            for (const auto& a : listed) {
                pick << a.Identifikation;
            }
            exchange::Feedback fb;
            fb.progress = [&](qint64 done, qint64) {
                if (done == m.beforePatient && !gone.exchange(true)) {
                    server.Kill();
                }
                return true;
            };
            if (m.beforePatient < 0) {
                timer = std::thread([&gone, pid = server.Pid(), ms = m.ms] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                    if (!gone.exchange(true)) {
                        ::kill(static_cast<pid_t>(pid), SIGKILL);
                    }
                });
            }
            try {
                dm2.Import(dm->Db(), pick, fb);
            } catch (const DataError& e) {
                ++interrupted;
                EXPECT_TRUE(e.Message().contains(QStringLiteral("Datenbankserver ") + Named()))
                    << e.Message().toStdString();
            } catch (const db::DbError& e) {
                ++interrupted;
                EXPECT_TRUE(db::DescribeError(e).contains(QStringLiteral("Datenbankserver ") + Named()))
                    << db::DescribeError(e).toStdString();
            }
            if (timer.joinable()) {
                timer.join();
            }
            server.Kill(); // the merge was quicker than the timer: the server goes all the same
        }
        ++Injected()["server killed (SIGKILL) during an import"];
        Restart();
        QThread::msleep(2200); // the user's next action
        const int before = wholeOrAbsent();
        if (m.beforePatient > 0) {
            EXPECT_EQ(before, m.beforePatient);
        }
        // The same login imports again: every patient whole, each once.
        ExchangeDatabase again(loc);
        const auto listed = again.OpenArchive(archive);
        QList<qint64> pick;
        for (const auto& a : listed) {
            pick << a.Identifikation;
        }
        again.Import(dm->Db(), pick);
        again.CloseArchive();
        EXPECT_EQ(wholeOrAbsent(), 4);
        EXPECT_EQ(dm->Db().Query(QStringLiteral("select count(*) from ZUDDATA")).front().At(0).toInt(), 12);
    }
    EXPECT_GE(interrupted, 2);
    std::cout << "[ faults   ] imports the server's end interrupted: " << interrupted << " of "
              << std::size(moments) << "\n";
}

} // namespace
