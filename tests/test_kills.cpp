// Killed at any moment: every long operation runs as zudctl in a child process and is killed
// with SIGKILL at moments spread over its run, chosen by time (over the run's measured length)
// and by its progress (blocks the emulated device served, bytes the run wrote). After every
// kill the database passes `zudctl db verify`, what was stored before is there byte for byte,
// nothing is stored twice, the device has deleted nothing that is not stored, an archive or a
// backup is complete or absent, and the next run of the same command works and cleans up what
// the killed one left. ZUD_FAULT_RUNS=N runs N moments per operation.

#include "Demo.h"
#include "EmuFixture.h"
#include "ExchangeDatabase.h"
#include "FaultCounts.h"
#include "LiveRecordings.h"
#include "Recording.h"
#include "RecordingCheck.h"
#include "TestEnv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>

using namespace zud;
using namespace zud::test;

namespace {

// No child may hang the run: one that takes longer is killed and the test fails naming it.
constexpr int kChildTimeoutMs = 120000;

int MomentsPerOperation() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ZUD_FAULT_RUNS", &ok);
    return ok && n > 0 ? n : 4;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(data), data.size());
}

// The bytes of every file below `folder` (recursively), for progress by what a run wrote.
qint64 BytesBelow(const QString& folder) {
    qint64 n = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        n += it.fileInfo().size();
    }
    return n;
}

// Every file and folder below `folder`, relative, sorted.
QStringList EntriesBelow(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        out << QDir(folder).relativeFilePath(it.next());
    }
    out.sort();
    return out;
}

// The embedded engine's lock folders. This program's engine reads its folder once and keeps the
// lock table mapped while it lives; the children share another one, as the programs of one
// workstation do. Kept apart, a child killed while it held the lock table's mutex leaves no
// mutex behind that this program's engine (or a child started while it holds the table mapped)
// would wait for: each next child finds the table unused and starts it anew.
QString EngineLockFolder() {
    static QTemporaryDir dir;
    return dir.path();
}
QString ChildLockFolder() {
    static QTemporaryDir dir;
    return dir.path();
}

// ---------------------------------------------------------------- child processes

struct ChildRun {
    bool finished = false; // ended on its own (not by our kill)
    bool timedOut = false;
    int exitCode = -1;
    QString out, err;
    double seconds = 0;
};

// zudctl in a child process with the test's folders, no input (a question would find no answer).
class Ctl {
public:
    explicit Ctl(const QTemporaryDir& root) {
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("cfg")));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(QStringLiteral("cfg-system")));
        env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("ZUD_DATA_DIR"), root.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("FIREBIRD_LOCK"), ChildLockFolder());
        env.remove(QStringLiteral("ZUD_DB_PASSWORD"));
    }

    // Starts zudctl; `kill` is polled while it runs and, when it says so, the child gets SIGKILL.
    ChildRun Start(const QStringList& args, const std::function<bool(double seconds)>& kill = {},
                   int timeoutMs = kChildTimeoutMs) const {
        ChildRun r;
        QProcess p;
        p.setProcessEnvironment(env);
        p.setStandardInputFile(QProcess::nullDevice());
        // A process group of its own: what it starts (the backup tool) is found and waited for.
        p.setChildProcessModifier([] { ::setpgid(0, 0); });
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"), args);
        if (!p.waitForStarted(30000)) {
            ADD_FAILURE() << "zudctl did not start: " << p.errorString().toStdString();
            return r;
        }
        const auto pid = static_cast<pid_t>(p.processId());
        bool killed = false;
        while (!p.waitForFinished(1)) {
            if (p.state() == QProcess::NotRunning) {
                break;
            }
            const double s = t.elapsed() / 1000.0;
            if (!killed && kill && kill(s)) {
                ::kill(pid, SIGKILL);
                killed = true;
            }
            if (t.elapsed() > timeoutMs) {
                ::kill(-pid, SIGKILL);
                p.waitForFinished(10000);
                ReapGroup(pid);
                r.timedOut = true;
                ADD_FAILURE() << "zudctl " << args.join(QLatin1Char(' ')).toStdString() << " still ran after "
                              << timeoutMs / 1000 << " s and was killed; its output so far:\n"
                              << p.readAllStandardError().toStdString();
                return r;
            }
        }
        r.seconds = t.elapsed() / 1000.0;
        // The tools a killed run started die with it (they are told so), a moment later: the next
        // start comes after them, as a user's would.
        if (!ReapGroup(pid)) {
            ADD_FAILURE() << "a process started by zudctl " << args.join(QLatin1Char(' ')).toStdString()
                          << " outlived it by 10 s";
        }
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        r.finished = p.exitStatus() == QProcess::NormalExit;
        r.exitCode = r.finished ? p.exitCode() : -1;
        return r;
    }

    // Waits until every process of the group `group` is gone (this program is their subreaper,
    // so orphans come to it); false when one is still there after 10 s.
    static bool ReapGroup(pid_t group) {
        QElapsedTimer t;
        t.start();
        for (;;) {
            int status = 0;
            while (::waitpid(-group, &status, WNOHANG) > 0) {
            }
            if (::kill(-group, 0) != 0 && errno == ESRCH) {
                return true;
            }
            if (t.elapsed() > 10000) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // Runs to its end; fails the test naming the command when it does not end with 0.
    ChildRun Expect0(const QStringList& args, const char* what) const {
        ChildRun r = Start(args);
        EXPECT_TRUE(r.finished && r.exitCode == 0)
            << what << ": zudctl " << args.join(QLatin1Char(' ')).toStdString() << " ended with "
            << r.exitCode << "\n"
            << r.out.toStdString() << r.err.toStdString();
        return r;
    }

    QProcessEnvironment env;
};

// ---------------------------------------------------------------- the database, seen from outside

struct Row {
    qint64 counter = 0;
    qint64 patient = 0;
    QString when;
    QByteArray daten;
};

std::vector<Row> Recordings(const QString& dbDir) {
    std::vector<Row> out;
    DbLocation loc;
    loc.dir = dbDir;
    auto c = db::Connection::Attach(
        {loc.ConnectionString(), QString::fromLatin1(kAdminUser), QString::fromLatin1(kAdminPassword), {}});
    for (const db::Row& r : c->Query(QStringLiteral(
             "select COUNTER, PATIENT, DATUM, UHRZEIT, DATEN from ZUDDATA order by COUNTER"))) {
        Row row;
        row.counter = r.At(0).toLongLong();
        row.patient = r.At(1).toLongLong();
        row.when = r.At(2).toDateTime().date().toString(Qt::ISODate) + QLatin1Char(' ') +
                   r.At(3).toDateTime().time().toString(Qt::ISODate);
        row.daten = r.At(4).toByteArray();
        out.push_back(std::move(row));
    }
    return out;
}

// The recordings by their bytes: how often each is stored.
std::map<QByteArray, int> ByBytes(const std::vector<Row>& rows) {
    std::map<QByteArray, int> out;
    for (const Row& r : rows) {
        ++out[r.daten];
    }
    return out;
}

// ---------------------------------------------------------------- the campaign

struct Figures {
    int moments = 0;
    int killedMidRun = 0;
    int lost = 0;
    double seconds = 0;
};

std::map<std::string, Figures>& Record() {
    static std::map<std::string, Figures> r;
    return r;
}

// Checks whose database the engine found with pages an end without shutdown left (a note, no
// damage).
int& EngineNotes() {
    static int n = 0;
    return n;
}

class Printer : public ::testing::Environment {
public:
    void TearDown() override {
        for (const auto& [op, f] : Record()) {
            std::cout << "[ kills    ] " << op << ": moments " << f.moments << ", killed mid-run "
                      << f.killedMidRun << ", recordings lost " << f.lost << ", " << f.seconds << " s\n";
        }
        std::cout << "[ kills    ] checks with the engine's note on pages left by a kill: " << EngineNotes()
                  << "\n";
    }
};
const auto* const kPrinter = ::testing::AddGlobalTestEnvironment(new Printer);

// One operation of the campaign.
struct Operation {
    std::string name;
    // A fresh state for one run; `n` numbers it (folders of its own).
    std::function<void(int n)> prepare;
    // The command of the run prepared last.
    std::function<QStringList()> command;
    // Its progress so far (a count that grows while it runs).
    std::function<qint64()> progress;
    // After a kill (`killed`: it was still running) or, for the first run, after its end.
    // Returns how many recordings it found lost.
    std::function<int(bool killed)> checkAfterKill;
    // After the next run of the same command, which ended with 0.
    std::function<void()> checkAfterNext;
};

class Kills : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        // The tools of a killed zudctl come to this program, which waits for their end.
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        IsolateProgramFolders(root);
        db::SetLockFolder(EngineLockFolder());
        ctl = std::make_unique<Ctl>(root);
    }

    QString Folder(const QString& name) {
        const QString p = root.filePath(name);
        QDir().mkpath(p);
        return p;
    }

    // zudctl db verify on a database folder: exit 0 and nothing reported as a problem.
    void ExpectVerified(const QString& dbDir, const std::string& when) {
        const ChildRun r =
            ctl->Start({QStringLiteral("--db-dir"), dbDir, QStringLiteral("db"), QStringLiteral("verify")});
        EXPECT_TRUE(r.finished && r.exitCode == 0) << when << ": db verify ended with " << r.exitCode << "\n"
                                                   << r.out.toStdString() << r.err.toStdString();
        EngineNotes() += r.out.contains(QStringLiteral("Hinweis von Firebird")) ? 1 : 0;
    }

    // A database with the given patients and recordings, made in this process and closed again.
    struct Seed {
        QString name;
        int recordings;
        int samples;
    };
    void MakeDatabase(const QString& dbDir, const std::vector<Seed>& patients, int seed = 0) {
        QDir().mkpath(dbDir);
        DbLocation loc;
        loc.dir = dbDir;
        PatientDatabase dm(loc);
        ASSERT_TRUE(dm.EnsureInstalled());
        dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        int k = seed;
        for (const Seed& s : patients) {
            Patient p;
            p.Name = s.name;
            p.Vorname = QStringLiteral("Vera");
            p.Geburtstag = QDate(1960, 1, 1).addDays(k);
            const qint64 id = dm.AddPatient(p);
            for (int i = 0; i < s.recordings; ++i, ++k) {
                dm.InsertRecording(id, QDate(2026, 1, 1).addDays(k), QTime(9, 0).addSecs(60 * i),
                                   LiveRecording(i % 8, s.samples, k), QStringLiteral("ZUD12"));
            }
        }
        dm.Logout();
    }

    static void CopyFolder(const QString& from, const QString& to) {
        QDir().mkpath(to);
        for (const QString& f : QDir(from).entryList(QDir::Files)) {
            QFile::copy(QDir(from).filePath(f), QDir(to).filePath(f));
        }
    }

    // The campaign: an unkilled run measures the operation, then every moment is prepared,
    // started, killed, checked, run again and checked again.
    void Campaign(const Operation& op) {
        QElapsedTimer all;
        all.start();
        Figures& fig = Record()[op.name];
        const int moments = MomentsPerOperation();

        // The unkilled run: its length and its final progress.
        op.prepare(0);
        const qint64 initial = op.progress();
        qint64 most = 0; // a run's progress may shrink at its end (a copy that takes a place)
        const ChildRun base = ctl->Start(op.command(), [&](double) {
            most = std::max(most, op.progress() - initial);
            return false;
        });
        EXPECT_TRUE(base.finished && base.exitCode == 0)
            << "the unkilled run ended with " << base.exitCode << "\n"
            << base.out.toStdString() << base.err.toStdString();
        ASSERT_FALSE(::testing::Test::HasFailure()) << op.name;
        const double length = base.seconds;
        const qint64 total = std::max(most, op.progress() - initial);
        op.checkAfterNext();
        ASSERT_FALSE(::testing::Test::HasFailure()) << op.name;
        std::cout << "[ kills    ] " << op.name << ": unkilled run " << length << " s, progress " << total
                  << "\n";

        const int byTime = (moments + 1) / 2;
        const int byProgress = moments - byTime;
        for (int m = 0; m < moments; ++m) {
            const bool timed = m < byTime || total <= 1;
            const int k = timed ? m : m - byTime;
            const int of = timed ? byTime : byProgress;
            // Spread over the run: the middles of equal parts of its length or of its progress.
            const double at = length * (k + 0.5) / of;
            const qint64 reach = std::max<qint64>(1, total * (2 * k + 1) / (2 * of));
            const std::string moment =
                timed ? op.name + " killed after " + std::to_string(static_cast<int>(at * 1000)) + " ms"
                      : op.name + " killed at progress " + std::to_string(reach) + " of " +
                            std::to_string(total);
            SCOPED_TRACE(moment);
            op.prepare(m + 1);
            const qint64 start = op.progress();
            const ChildRun r = ctl->Start(
                op.command(), [&](double s) { return timed ? s >= at : op.progress() - start >= reach; });
            ASSERT_FALSE(r.timedOut);
            const bool killed = !r.finished;
            ++fig.moments;
            fig.killedMidRun += killed ? 1 : 0;
            ++Injected()["SIGKILL during " + op.name];
            if (!killed) {
                EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
            }
            const int lost = op.checkAfterKill(killed);
            fig.lost += lost;
            EXPECT_EQ(lost, 0);

            // The next start: the same command works, with nobody to answer a question.
            ctl->Expect0(op.command(), ("the run after: " + moment).c_str());
            op.checkAfterNext();
            if (::testing::Test::HasFatalFailure()) {
                break;
            }
        }
        fig.seconds = all.elapsed() / 1000.0;
        std::cout << "[ kills    ] " << op.name << ": moments " << fig.moments << ", killed mid-run "
                  << fig.killedMidRun << ", recordings lost " << fig.lost << ", " << fig.seconds << " s\n";
        // Most moments fall within the run; one finishing first now and then is no fault.
        EXPECT_GE(fig.killedMidRun * 2, fig.moments) << "the moments missed the run";
    }

    QTemporaryDir root;
    std::unique_ptr<Ctl> ctl;
};

// ---------------------------------------------------------------- device operations

class DeviceKills : public Kills {
protected:
    // A fresh demo device that takes a little time for each answer, as a real one does.
    void NewDevice(bool demo = true, const emu::LiveOptions& live = {}) {
        if (emu) {
            emu->Stop();
        }
        emu::Options o;
        o.turnaroundUs = 200;
        emu = std::make_unique<emu::Emulator>(o);
        if (demo) {
            emu::LoadDemo(*emu);
        }
        emu->SetLive(live);
        ASSERT_TRUE(emu->Start());
        port = QString::fromStdString(emu->SlavePath());
    }
    void TearDown() override {
        if (emu) {
            emu->Stop();
        }
    }

    std::map<std::string, std::vector<uint8_t>> DeviceFiles() {
        EXPECT_TRUE(emu->WaitIdle(20000));
        std::map<std::string, std::vector<uint8_t>> out;
        for (const std::string& path : emu->ListFiles()) {
            out[emu::Emulator::Key(path)] = *emu->GetFile(path);
        }
        return out;
    }

    std::unique_ptr<emu::Emulator> emu;
    QString port;
};

TEST_F(DeviceKills, ReadoutWithDelete) {
    const QString templ = Folder(QStringLiteral("readout-template"));
    MakeDatabase(templ, {{QStringLiteral("Vorher"), 3, 600}});
    const auto before = Recordings(templ);
    ASSERT_EQ(before.size(), 3u);

    QString dbDir;
    std::map<std::string, std::vector<uint8_t>> recordings; // the device's recordings, by path
    std::set<std::string> storedByTheUnkilledRun;
    std::set<std::string> storedBefore; // what the killed run had stored
    int leftOnDevice = 0;
    bool first = true;
    Operation op;
    op.name = "readout --delete";
    op.prepare = [&](int n) {
        dbDir = root.filePath(QStringLiteral("readout/%1/db").arg(n));
        CopyFolder(templ, dbDir);
        NewDevice();
        recordings.clear();
        for (const auto& [path, bytes] : DeviceFiles()) {
            if (QString::fromStdString(path).endsWith(QLatin1String(".HDF"), Qt::CaseInsensitive)) {
                recordings[path] = bytes;
            }
        }
        ASSERT_GE(recordings.size(), 6u);
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--port"),   port,
                           QStringLiteral("--log"),    root.filePath(QStringLiteral("readout.log")),
                           QStringLiteral("--db-dir"), dbDir,
                           QStringLiteral("readout"),  QStringLiteral("--delete")};
    };
    op.progress = [&] { return static_cast<qint64>(emu->ReadAckCount()); };
    // Stored whole, none twice, what was there before unchanged, and not deleted unless stored.
    const auto check = [&](const std::string& when) {
        int lost = 0;
        ExpectVerified(dbDir, when);
        const auto rows = Recordings(dbDir);
        const auto counts = ByBytes(rows);
        for (const Row& b : before) {
            const auto it =
                std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.counter == b.counter; });
            if (it == rows.end() || it->daten != b.daten) {
                ++lost;
                ADD_FAILURE() << when << ": recording " << b.counter << " stored before is lost or changed";
            }
        }
        std::set<QByteArray> device;
        for (const auto& [path, bytes] : recordings) {
            device.insert(ToQ(bytes));
        }
        for (const Row& r : rows) {
            if (counts.at(r.daten) > 1) {
                ADD_FAILURE() << when << ": recording " << r.counter << " is stored " << counts.at(r.daten)
                              << " times";
            }
            const bool old = std::any_of(before.begin(), before.end(),
                                         [&](const Row& b) { return b.counter == r.counter; });
            EXPECT_TRUE(old || device.count(r.daten))
                << when << ": row " << r.counter << " is none of the device's";
        }
        std::set<std::string> stored;
        EXPECT_TRUE(emu->WaitIdle(20000));
        for (const auto& [path, bytes] : recordings) {
            const bool there = emu->HasFile(path);
            const bool kept = counts.count(ToQ(bytes)) > 0;
            if (kept) {
                stored.insert(path);
            }
            if (!there && !kept) {
                ++lost;
                ADD_FAILURE() << when << ": " << path << " was deleted on the device but is not stored";
            }
        }
        return std::make_pair(lost, stored);
    };
    op.checkAfterKill = [&](bool) {
        const auto [lost, stored] = check("after the kill");
        storedBefore = stored;
        return lost;
    };
    op.checkAfterNext = [&] {
        const auto [lost, stored] = check("after the next run");
        EXPECT_EQ(lost, 0);
        if (first) {
            storedByTheUnkilledRun = stored;
            first = false;
            EXPECT_GE(stored.size(), 6u);
        } else {
            // The run after a kill completes the read-out as one that was never interrupted.
            EXPECT_EQ(stored, storedByTheUnkilledRun);
        }
        // An unkilled run deletes what it stored. After a kill, what the killed run had stored
        // already is no longer selected (it is in the database) and stays on the device, as
        // the read-out window leaves it unselected; everything else the run after deletes.
        for (const std::string& path : stored) {
            if (emu->HasFile(path)) {
                ++leftOnDevice;
                EXPECT_FALSE(storedBefore.count(path) == 0)
                    << "stored by the run after, yet left on the device: " << path;
            }
        }
    };
    Campaign(op);
    std::cout << "[ kills    ] recordings a killed read-out had stored and that stayed on the device: "
              << leftOnDevice << "\n";
}

TEST_F(DeviceKills, LiveRecordingToAFile) {
    emu::LiveOptions live;
    live.mode = 0;
    live.intervalMs = 8;
    live.samples = 150;
    QString out;
    Operation op;
    op.name = "live";
    op.prepare = [&](int n) {
        NewDevice(true, live);
        const QString folder = Folder(QStringLiteral("live/%1").arg(n));
        out = QDir(folder).filePath(QStringLiteral("live.hdf"));
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--port"),
                           port,
                           QStringLiteral("--log"),
                           root.filePath(QStringLiteral("live.log")),
                           QStringLiteral("live"),
                           QStringLiteral("--out"),
                           out};
    };
    op.progress = [&] { return static_cast<qint64>(emu->LiveAcks()); };
    // The file is a whole recording or absent, and nothing else lies beside it.
    const auto check = [&](const std::string& when) {
        const QStringList left = EntriesBelow(QFileInfo(out).absolutePath());
        if (QFile::exists(out)) {
            QString why;
            EXPECT_TRUE(IstAufzeichnung(ReadAll(out), &why)) << when << ": " << why.toStdString();
            EXPECT_EQ(left, QStringList{QStringLiteral("live.hdf")}) << when;
        } else {
            EXPECT_TRUE(left.isEmpty()) << when << ": " << left.join(QLatin1Char(' ')).toStdString();
        }
    };
    op.checkAfterKill = [&](bool) {
        check("after the kill");
        return 0;
    };
    op.checkAfterNext = [&] {
        check("after the next run");
        EXPECT_TRUE(QFile::exists(out));
        EXPECT_TRUE(emu->WaitIdle(20000));
        EXPECT_FALSE(emu->LiveActive()) << "the device was left in real-time mode";
    };
    Campaign(op);
}

TEST_F(DeviceKills, ProgramTransfer) {
    // The parameter file to transfer: the demo's programming with a program time changed in every
    // set and the brightness changed, so that every program file and the system file are written.
    NewDevice();
    const QString zud = root.filePath(QStringLiteral("neu.zud"));
    ctl->Expect0({QStringLiteral("--port"), port, QStringLiteral("program-pull"), zud}, "program-pull");
    QByteArray data = ReadAll(zud);
    ASSERT_EQ(data.size(), 25059);
    for (int set = 0; set < 36; ++set) {
        data[set * 695 + 2 + 114 * 1 + 3] = char(20 + set);
    }
    data[25020 + 23] = char(64);
    Systemparameter sp{};
    std::memcpy(&sp, data.constData() + 25020, sizeof sp);
    PutCrc(sp.crc, SystemCrc(sp));
    std::memcpy(data.data() + 25020, &sp, sizeof sp);
    WriteAll(zud, data);

    std::map<std::string, std::vector<uint8_t>> old, fresh;
    bool first = true;
    Operation op;
    op.name = "program-push";
    op.prepare = [&](int) {
        NewDevice();
        old = DeviceFiles();
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--port"),       port,
                           QStringLiteral("--log"),        root.filePath(QStringLiteral("program.log")),
                           QStringLiteral("program-push"), zud};
    };
    op.progress = [&] { return static_cast<qint64>(emu->WriteBlocks().size()); };
    op.checkAfterKill = [&](bool) {
        // Every file of the device is as it was or as the transfer writes it, never half; no
        // recording is touched.
        int lost = 0;
        const auto now = DeviceFiles();
        for (const auto& [path, bytes] : old) {
            const auto it = now.find(path);
            if (it == now.end()) {
                ADD_FAILURE() << "gone from the device: " << path;
                lost += QString::fromStdString(path).endsWith(QLatin1String(".HDF"), Qt::CaseInsensitive);
                continue;
            }
            const auto f = fresh.find(path);
            EXPECT_TRUE(it->second == bytes || (f != fresh.end() && it->second == f->second))
                << "neither old nor new: " << path;
        }
        for (const auto& [path, bytes] : now) {
            EXPECT_TRUE(old.count(path) || fresh.count(path))
                << "a file the transfer does not write: " << path;
        }
        return lost;
    };
    op.checkAfterNext = [&] {
        const auto now = DeviceFiles();
        if (first) {
            fresh = now;
            first = false;
            int changed = 0;
            for (const auto& [path, bytes] : now) {
                changed += old.count(path) == 0 || old.at(path) != bytes;
            }
            EXPECT_GE(changed, 36) << "the transfer wrote too little to be hit at many moments";
        } else {
            EXPECT_TRUE(now == fresh)
                << "the run after the kill left the device otherwise than an unkilled one";
        }
        EXPECT_EQ(emu->Screen(), 0);
    };
    Campaign(op);
}

// ---------------------------------------------------------------- database operations

TEST_F(Kills, StoreALiveRecording) {
    const QString templ = Folder(QStringLiteral("store-template"));
    MakeDatabase(templ, {{QStringLiteral("Vorher"), 3, 600}});
    const auto before = Recordings(templ);
    const QString file = root.filePath(QStringLiteral("live.hdf"));
    const QByteArray live = LiveRecording(2, 36000, 5); // an hour, the longest live run
    WriteAll(file, live);
    QString dbDir;
    Operation op;
    op.name = "db store (a live recording)";
    op.prepare = [&](int n) {
        dbDir = root.filePath(QStringLiteral("store/%1/db").arg(n));
        CopyFolder(templ, dbDir);
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--db-dir"),
                           dbDir,
                           QStringLiteral("db"),
                           QStringLiteral("store"),
                           QString::number(before.front().patient),
                           file,
                           QStringLiteral("--date"),
                           QStringLiteral("2026-12-01"),
                           QStringLiteral("--time"),
                           QStringLiteral("10:11:12")};
    };
    op.progress = [&] { return BytesBelow(dbDir); };
    const auto check = [&](const std::string& when, int want) {
        ExpectVerified(dbDir, when);
        const auto rows = Recordings(dbDir);
        int lost = 0;
        for (const Row& b : before) {
            const auto it =
                std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.counter == b.counter; });
            if (it == rows.end() || it->daten != b.daten) {
                ++lost;
                ADD_FAILURE() << when << ": recording " << b.counter << " stored before is lost or changed";
            }
        }
        const int n = ByBytes(rows)[live];
        if (want < 0) {
            EXPECT_LE(n, 1) << when << ": the live recording is stored " << n << " times";
        } else {
            EXPECT_EQ(n, want) << when;
        }
        EXPECT_EQ(rows.size(), before.size() + static_cast<size_t>(n)) << when;
        return lost;
    };
    op.checkAfterKill = [&](bool) { return check("after the kill", -1); };
    op.checkAfterNext = [&] { check("after the next run", 1); };
    Campaign(op);
}

class ExchangeKills : public Kills {
protected:
    void SetUp() override {
        Kills::SetUp();
        // The practice's database, and one of another practice whose patients an archive holds.
        templ = Folder(QStringLiteral("template"));
        MakeDatabase(templ, {{QStringLiteral("Vorher"), 4, 20000}, {QStringLiteral("Zweite"), 4, 20000}});
        before = Recordings(templ);
        ASSERT_EQ(before.size(), 8u);
    }

    // Stored before: every row of the template, byte for byte; returns how many are lost.
    int ExpectBefore(const std::vector<Row>& rows, const std::string& when) {
        int lost = 0;
        for (const Row& b : before) {
            const auto it =
                std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.counter == b.counter; });
            if (it == rows.end() || it->daten != b.daten || it->when != b.when) {
                ++lost;
                ADD_FAILURE() << when << ": recording " << b.counter << " stored before is lost or changed";
            }
        }
        return lost;
    }

    // What a killed exchange run leaves is gone after the next start: no run folder, no copy of
    // a database, no half-written archive.
    void ExpectNoLeftovers(const QString& base, const QStringList& wanted, const std::string& when) {
        for (const QString& e : EntriesBelow(base)) {
            const QString name = QFileInfo(e).fileName();
            if (wanted.contains(e) ||
                (e.startsWith(QLatin1String("db/")) && name == QLatin1String(kMainFile))) {
                continue;
            }
            if (QFileInfo(QDir(base).filePath(e)).isDir() &&
                QFileInfo(e).fileName().startsWith(QLatin1String("zud-work-"))) {
                continue; // the work folder itself stays, empty
            }
            ADD_FAILURE() << when << ": left behind: " << e.toStdString();
        }
    }

    static constexpr const char* kMainFile = "ZUDData3.gdb";
    QString templ;
    std::vector<Row> before;
};

TEST_F(ExchangeKills, Export) {
    QString base, dbDir, archive;
    Operation op;
    op.name = "export";
    op.prepare = [&](int n) {
        base = root.filePath(QStringLiteral("export/%1").arg(n));
        dbDir = QDir(base).filePath(QStringLiteral("db"));
        CopyFolder(templ, dbDir);
        archive = QDir(base).filePath(QStringLiteral("praxis.qvz"));
    };
    op.command = [&] {
        QStringList ids;
        std::set<qint64> seen;
        for (const Row& r : before) {
            if (seen.insert(r.patient).second) {
                ids << QString::number(r.patient);
            }
        }
        return QStringList{QStringLiteral("--db-dir"), dbDir,
                           QStringLiteral("export"),   QStringLiteral("--patients"),
                           ids.join(QLatin1Char(',')), archive};
    };
    op.progress = [&] { return BytesBelow(base); };
    int checked = 0;
    // An archive at its name is whole: it imports into an empty database with every recording.
    const auto archiveWhole = [&](const std::string& when) {
        const QString scratch = root.filePath(QStringLiteral("export-check/%1/db").arg(++checked));
        QDir().mkpath(scratch);
        ctl->Expect0({QStringLiteral("--db-dir"), scratch, QStringLiteral("db"), QStringLiteral("create")},
                     "db create");
        const ChildRun r =
            ctl->Start({QStringLiteral("--db-dir"), scratch, QStringLiteral("import"), archive});
        EXPECT_TRUE(r.finished && r.exitCode == 0)
            << when << ": the archive at its name does not import: " << r.err.toStdString();
        auto want = ByBytes(before);
        EXPECT_EQ(ByBytes(Recordings(scratch)), want) << when << ": the archive is not complete";
    };
    op.checkAfterKill = [&](bool) {
        ExpectVerified(dbDir, "after the kill");
        const int lost = ExpectBefore(Recordings(dbDir), "after the kill");
        if (QFile::exists(archive)) {
            archiveWhole("after the kill");
        }
        return lost;
    };
    op.checkAfterNext = [&] {
        ExpectVerified(dbDir, "after the next run");
        EXPECT_EQ(ExpectBefore(Recordings(dbDir), "after the next run"), 0);
        archiveWhole("after the next run");
        ExpectNoLeftovers(base, {QStringLiteral("db"), QStringLiteral("praxis.qvz")}, "after the next run");
    };
    Campaign(op);
}

TEST_F(ExchangeKills, Import) {
    // The archive: two patients of another practice with three long recordings each.
    const QString other = Folder(QStringLiteral("other"));
    MakeDatabase(other, {{QStringLiteral("Archiv"), 3, 4000}, {QStringLiteral("Archiv2"), 3, 4000}}, 100);
    const auto archived = Recordings(other);
    const QString archive = root.filePath(QStringLiteral("andere.qvz"));
    {
        DbLocation loc;
        loc.dir = other;
        PatientDatabase dm(loc);
        dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        QList<qint64> ids;
        for (const Row& r : archived) {
            if (!ids.contains(r.patient)) {
                ids << r.patient;
            }
        }
        ExchangeDatabase(loc).Export(dm.Db(), ids, archive);
    }
    const auto archivedBytes = ByBytes(archived);

    QString base, dbDir;
    Operation op;
    op.name = "import";
    op.prepare = [&](int n) {
        base = root.filePath(QStringLiteral("import/%1").arg(n));
        dbDir = QDir(base).filePath(QStringLiteral("db"));
        CopyFolder(templ, dbDir);
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--db-dir"), dbDir, QStringLiteral("import"), archive};
    };
    op.progress = [&] { return BytesBelow(base); };
    // Each imported patient whole or absent, each recording once.
    const auto check = [&](const std::string& when, bool complete) {
        ExpectVerified(dbDir, when);
        const auto rows = Recordings(dbDir);
        const int lost = ExpectBefore(rows, when);
        std::map<qint64, int> perPatient;
        for (const Row& r : rows) {
            if (archivedBytes.count(r.daten)) {
                ++perPatient[r.patient];
            }
        }
        for (const auto& [patient, n] : perPatient) {
            EXPECT_EQ(n, 3) << when << ": patient " << patient << " is there by halves";
        }
        for (const auto& [bytes, n] : ByBytes(rows)) {
            EXPECT_EQ(n, 1) << when << ": a recording is stored " << n << " times";
        }
        if (complete) {
            EXPECT_EQ(perPatient.size(), 2u) << when;
        }
        return lost;
    };
    op.checkAfterKill = [&](bool) { return check("after the kill", false); };
    op.checkAfterNext = [&] {
        check("after the next run", true);
        ExpectNoLeftovers(base, {QStringLiteral("db")}, "after the next run");
    };
    Campaign(op);
}

TEST_F(ExchangeKills, Backup) {
    QString base, dbDir, backup;
    Operation op;
    op.name = "backup";
    op.prepare = [&](int n) {
        base = root.filePath(QStringLiteral("backup/%1").arg(n));
        dbDir = QDir(base).filePath(QStringLiteral("db"));
        CopyFolder(templ, dbDir);
        backup = QDir(base).filePath(QStringLiteral("abend.bak3"));
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--db-dir"), dbDir, QStringLiteral("backup"), backup};
    };
    op.progress = [&] { return BytesBelow(base); };
    int checked = 0;
    // A backup at its name restores into a database that verifies and holds every recording.
    const auto backupWhole = [&](const std::string& when) {
        const QString scratch = root.filePath(QStringLiteral("backup-check/%1/db").arg(++checked));
        QDir().mkpath(scratch);
        const ChildRun r = ctl->Start({QStringLiteral("--db-dir"), scratch, QStringLiteral("restore"), backup,
                                       QStringLiteral("--yes")});
        EXPECT_TRUE(r.finished && r.exitCode == 0)
            << when << ": the backup at its name does not restore: " << r.err.toStdString();
        ExpectVerified(scratch, when + ", the restored backup");
        EXPECT_EQ(ExpectBefore(Recordings(scratch), when + ", the restored backup"), 0);
    };
    op.checkAfterKill = [&](bool) {
        ExpectVerified(dbDir, "after the kill");
        const int lost = ExpectBefore(Recordings(dbDir), "after the kill");
        if (QFile::exists(backup)) {
            backupWhole("after the kill");
        }
        return lost;
    };
    op.checkAfterNext = [&] {
        ExpectVerified(dbDir, "after the next run");
        EXPECT_EQ(ExpectBefore(Recordings(dbDir), "after the next run"), 0);
        backupWhole("after the next run");
        ExpectNoLeftovers(base, {QStringLiteral("db"), QStringLiteral("abend.bak3")}, "after the next run");
    };
    Campaign(op);
}

TEST_F(ExchangeKills, Restore) {
    // The backup to restore: the practice's database as it was before two more patients came.
    const QString older = Folder(QStringLiteral("older"));
    MakeDatabase(older, {{QStringLiteral("Alt"), 4, 3000}}, 200);
    const auto olderRows = Recordings(older);
    const QString backup = root.filePath(QStringLiteral("alt.bak3"));
    {
        DbLocation loc;
        loc.dir = older;
        ExchangeDatabase(loc).Backup(backup);
    }
    const auto now = ByBytes(before);
    const auto then = ByBytes(olderRows);

    QString base, dbDir;
    Operation op;
    op.name = "restore";
    op.prepare = [&](int n) {
        base = root.filePath(QStringLiteral("restore/%1").arg(n));
        dbDir = QDir(base).filePath(QStringLiteral("db"));
        CopyFolder(templ, dbDir);
    };
    op.command = [&] {
        return QStringList{QStringLiteral("--db-dir"), dbDir, QStringLiteral("restore"), backup,
                           QStringLiteral("--yes")};
    };
    // What the run writes: the extracted backup and the new copy beside the database.
    op.progress = [&] {
        return BytesBelow(base) - QFileInfo(QDir(dbDir).filePath(QLatin1String(kMainFile))).size();
    };
    op.checkAfterKill = [&](bool) {
        // The database is the one before or the restored one, whole; nothing in between.
        ExpectVerified(dbDir, "after the kill");
        const auto rows = ByBytes(Recordings(dbDir));
        EXPECT_TRUE(rows == now || rows == then) << "the database is neither the old one nor the backup's";
        return rows == now || rows == then ? 0 : static_cast<int>(now.size());
    };
    op.checkAfterNext = [&] {
        ExpectVerified(dbDir, "after the next run");
        EXPECT_TRUE(ByBytes(Recordings(dbDir)) == then) << "the run after did not restore the backup";
        ExpectNoLeftovers(base, {QStringLiteral("db")}, "after the next run");
    };
    Campaign(op);
}

} // namespace
