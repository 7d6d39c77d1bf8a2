// Backup, restore and archives when the machine misbehaves: a runtime folder too small for a
// practice's backup, a full disk, a program killed or stopped midway, a swap that cannot rename.
// Nothing may hang, nothing may be lost, and nothing may be left behind.

#include "DbFixture.h"
#include "SmallDisk.h"

#include "Cab.h"
#include "ExchangeDatabase.h"
#include "WorkArea.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zud;
using namespace zud::test;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

QByteArray Hash(const QString& path) {
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!f.open(QIODevice::ReadOnly) || !h.addData(&f)) {
        return {};
    }
    return h.result().toHex();
}

// Bytes that do not compress, as the samples of long recordings nearly do not.
QByteArray Noise(qint64 size, quint32 seed) {
    QRandomGenerator g(seed);
    QByteArray b(size, '\0');
    for (qint64 i = 0; i + 4 <= size; i += 4) {
        const quint32 v = g.generate();
        std::memcpy(b.data() + i, &v, 4);
    }
    return b;
}

// True once no engine holds the database file open (a server closes it shortly after the last
// detach and writes its header then).
bool Closed(const QString& path) {
    for (int i = 0; i < 500; ++i) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        const bool free = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        if (free) {
            return true;
        }
        QThread::msleep(10);
    }
    return false;
}

// Every file below `root` of at least `bytes`, but the one at `except`.
QStringList LargeFiles(const QString& root, qint64 bytes, const QString& except) {
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        // The database engine's lock and shared-memory files hold no data.
        if (f.contains(QLatin1String("/lock/"))) {
            continue;
        }
        if (QFileInfo(f).size() >= bytes &&
            QFileInfo(f).canonicalFilePath() != QFileInfo(except).canonicalFilePath()) {
            out << f;
        }
    }
    return out;
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

class ExchangeFaults : public DbTest {
protected:
    // Recordings of `each` bytes until the database file holds at least `total` bytes.
    void Grow(PatientDatabase& d, qint64 total, qint64 each = kMiB) {
        const qint64 p =
            d.AddPatient(Person(QStringLiteral("Groß"), QStringLiteral("Gabriele"), QDate(1961, 7, 7)));
        int n = 0;
        while (QFileInfo(loc.FilePath()).size() < total) {
            d.InsertRecording(p, QDate(2026, 1, 1).addDays(n), QTime(9, 0, 0),
                              Noise(each, static_cast<quint32>(n)), QStringLiteral("ZUD12 Pro"));
            d.Db().CommitRetaining();
            ++n;
        }
    }

    qint64 CountRecordings() {
        auto d = std::make_unique<PatientDatabase>(loc);
        d->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        return d->Db().Query(QStringLiteral("select count(*) from ZUDData")).front().At(0).toLongLong();
    }

    // zudctl as a program of its own, on this test's database, settings and folders.
    void Start(QProcess& p, const QStringList& args, const QString& runtime = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir.filePath(QStringLiteral("xdg")));
        if (!runtime.isEmpty()) {
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
            env.insert(QStringLiteral("TMPDIR"), runtime);
        }
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
                QStringList{QStringLiteral("--db-dir"), loc.dir} + args);
    }

    int Ctl(const QStringList& args, QString* err = nullptr, const QString& runtime = {}) {
        QProcess p;
        Start(p, args, runtime);
        if (!p.waitForFinished(300000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (err) {
            *err = QString::fromUtf8(p.readAllStandardError());
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }
};

// ---------------------------------------------------------------- run folders

// A run's journal names the files it puts elsewhere; the next run removes them when the run's
// process is gone, and leaves the runs of living processes alone.
TEST(RunFolders, LeftoversOfADeadRunGoAndLivingRunsStay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString work = dir.filePath(QStringLiteral("work"));
    const QString outside = dir.filePath(QStringLiteral(".archiv.bak3.tmp"));
    const QString kept = dir.filePath(QStringLiteral(".put-in-place.tmp"));
    QDir().mkpath(work);
    exchange::RunFolder alive(work);
    QFile(alive.File("mine.gbk")).open(QIODevice::WriteOnly);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A run that dies without cleaning up: a file in its folder, one beside a destination,
        // a database copy it noted, and a file it had handed over already.
        auto* run = new exchange::RunFolder(work);
        QFile(run->File("copy.gbk")).open(QIODevice::WriteOnly);
        run->Track(outside);
        QFile(outside).open(QIODevice::WriteOnly);
        run->TrackDatabase(QStringLiteral("server/3050:/db/copy.gdb"),
                           dir.filePath(QStringLiteral("copy.gdb")));
        QFile(dir.filePath(QStringLiteral("copy.gdb"))).open(QIODevice::WriteOnly);
        run->Track(kept);
        QFile(kept).open(QIODevice::WriteOnly);
        run->Forget(kept);
        ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(Entries(work).size(), 2);
    ASSERT_TRUE(QFile::exists(outside));

    QStringList dropped;
    EXPECT_EQ(exchange::RemoveLeftovers(work, [&dropped](const QString& c) { dropped << c; }), 1);
    EXPECT_EQ(dropped, QStringList{QStringLiteral("server/3050:/db/copy.gdb")});
    EXPECT_FALSE(QFile::exists(outside));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("copy.gdb"))));
    EXPECT_TRUE(QFile::exists(kept)); // handed over: no longer the run's to remove
    // This process's own run is alive: it stays, with its files.
    EXPECT_EQ(Entries(work), QStringList{QFileInfo(alive.Path()).fileName()});
    EXPECT_TRUE(QFile::exists(alive.File("mine.gbk")));
    EXPECT_EQ(exchange::RemoveLeftovers(work), 0);
}

// What a killed run leaves and the next start removes at once: a folder made without its
// journal yet by a process that is gone, a run's folder that lost its journal, and a database a
// dead run noted that cannot be attached to be dropped (its creation was killed half-way): its
// file goes, unless an engine holds it (another run's database under the same name).
TEST(RunFolders, FoldersWithoutJournalAndUndroppableDatabasesOfDeadRunsGo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString work = dir.filePath(QStringLiteral("work"));
    QDir().mkpath(work);
    const QString a = dir.filePath(QStringLiteral("ZUDData_exp.gdb"));
    const QString b = dir.filePath(QStringLiteral("held.gdb"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QDir().mkdir(QDir(work).filePath(QStringLiteral("new-%1-abcdef").arg(::getpid())));
        auto* run = new exchange::RunFolder(work);
        run->TrackDatabase(QStringLiteral("/nowhere/a.gdb"), a);
        QFile(a).open(QIODevice::WriteOnly);
        run->TrackDatabase(QStringLiteral("/nowhere/b.gdb"), b);
        QFile(b).open(QIODevice::WriteOnly);
        ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    QDir().mkdir(QDir(work).filePath(QStringLiteral("run-nojour")));
    const QString mine = QDir(work).filePath(QStringLiteral("new-%1-mineee").arg(::getpid()));
    QDir().mkdir(mine);
    ASSERT_EQ(Entries(work).size(), 4);
    // An engine holds the second database.
    const int held = ::open(QFile::encodeName(b).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    QStringList dropped;
    EXPECT_EQ(exchange::RemoveLeftovers(work, [&dropped](const QString& c) { dropped << c; }), 3);
    ::close(held);
    EXPECT_EQ(dropped, (QStringList{QStringLiteral("/nowhere/a.gdb"), QStringLiteral("/nowhere/b.gdb")}));
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(b));
    // The folder this living process is making stays.
    EXPECT_EQ(Entries(work), QStringList{QFileInfo(mine).fileName()});
}

// ---------------------------------------------------------------- small runtime folder

// A practice's database is larger than the runtime folder (a RAM disk of a tenth of the memory):
// backup and restore keep their work files beside the database and never touch the RAM disk.
TEST_P(ExchangeFaults, LargeBackupAndRestoreWithTheRuntimeFolderOnASmallRamDisk) {
    if (Server()) {
        GTEST_SKIP() << "the work files are the client's: the embedded run shows it";
    }
    const QString ram = dir.filePath(QStringLiteral("run"));
    RamDisk disk(ram, 16 * kMiB);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "mounting a RAM disk needs root";
    }
    Grow(*dm, 40 * kMiB);
    const qint64 recordings =
        dm->Db().Query(QStringLiteral("select count(*) from ZUDData")).front().At(0).toLongLong();
    dm.reset();
    ASSERT_GE(QFileInfo(loc.FilePath()).size(), 40 * kMiB);
    const QString bak = dir.filePath(QStringLiteral("gross.bak3"));
    QString err;
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(Ctl({QStringLiteral("backup"), bak}, &err, ram), 0) << err.toStdString();
    const qint64 backupMs = t.elapsed();
    EXPECT_EQ(exchange::CabMembers(bak), QStringList{QStringLiteral("ZUDData3_exp.gbk")});
    {
        auto d = std::make_unique<PatientDatabase>(loc);
        d->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        d->Db().Exec(QStringLiteral("delete from ZUDData"));
        d->Db().CommitRetaining();
    }
    ASSERT_EQ(CountRecordings(), 0);
    t.restart();
    ASSERT_EQ(Ctl({QStringLiteral("restore"), bak, QStringLiteral("--yes")}, &err, ram), 0)
        << err.toStdString();
    const qint64 restoreMs = t.elapsed();
    EXPECT_EQ(CountRecordings(), recordings);
    // Nothing stayed on the RAM disk, nothing in the work folder.
    EXPECT_TRUE(LargeFiles(ram, 64 * 1024, {}).isEmpty());
    EXPECT_TRUE(Entries(exchange::ExchangeWorkFolder(loc)).isEmpty());
    RecordProperty("backup_ms", static_cast<int>(backupMs));
    RecordProperty("restore_ms", static_cast<int>(restoreMs));
}

// ---------------------------------------------------------------- killed and stopped

// zudctl backup killed while the tool writes the backup file, and again while the archive is
// packed; then stopped by SIGTERM. After the kill no archive is at its name; after the next
// start no copy of the data is anywhere; the stop cleans up by itself and says so.
TEST_P(ExchangeFaults, ABackupKilledOrStoppedMidwayLeavesNothingBehind) {
    if (Server()) {
        GTEST_SKIP() << "the work files are the client's: the embedded run shows it";
    }
    Grow(*dm, 40 * kMiB);
    dm.reset();
    const QString work = exchange::ExchangeWorkFolder(loc);
    const QString out = dir.filePath(QStringLiteral("ausgabe"));
    QDir().mkpath(out);
    const QString archive = QDir(out).filePath(QStringLiteral("abend.bak3"));
    // The runtime folder inside the test's folder, so that a copy left there is found too.
    const QString runtime = dir.filePath(QStringLiteral("laufzeit"));
    QDir().mkpath(runtime);
    const auto gbkGrowing = [&work] {
        for (const QString& run : QDir(work).entryList({QStringLiteral("run-*")}, QDir::Dirs)) {
            if (QFileInfo(QDir(work).filePath(run + QStringLiteral("/ZUDData3_exp.gbk"))).size() > 8 * kMiB) {
                return true;
            }
        }
        return false;
    };
    // The archive growing beside its name (the empty probe of the destination at the start is not
    // the moment meant here).
    const auto packing = [&out] {
        for (const QFileInfo& f :
             QDir(out).entryInfoList({QStringLiteral(".abend.bak3.*")}, QDir::Files | QDir::Hidden)) {
            if (f.size() > 0) {
                return true;
            }
        }
        return false;
    };
    struct Moment {
        const char* name;
        std::function<bool()> reached;
        int signal;
    };
    const Moment moments[] = {{"tool writing, SIGKILL", gbkGrowing, SIGKILL},
                              {"packing, SIGKILL", packing, SIGKILL},
                              {"tool writing, SIGTERM", gbkGrowing, SIGTERM}};
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        QProcess p;
        Start(p, {QStringLiteral("backup"), archive}, runtime);
        ASSERT_TRUE(p.waitForStarted());
        QElapsedTimer t;
        t.start();
        bool reached = false;
        // Waiting for the process also notices its end.
        while (!(reached = m.reached()) && !p.waitForFinished(2) && t.elapsed() < 120000) {
        }
        ASSERT_TRUE(reached) << "the moment did not come within " << t.elapsed() << " ms ("
                             << (p.state() == QProcess::Running ? "running" : "ended")
                             << "): " << p.readAllStandardError().toStdString() << " archive "
                             << QFileInfo::exists(archive);
        ::kill(static_cast<pid_t>(p.processId()), m.signal);
        t.restart();
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_FALSE(QFile::exists(archive));
        if (m.signal == SIGTERM) {
            // The orderly end stops the tool at once and removes what the run wrote.
            EXPECT_LT(t.elapsed(), 3000);
            EXPECT_EQ(p.exitCode(), 130);
            EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("abgebrochen")));
        } else {
            EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
            // The next start of the program: any command.
            QString err;
            EXPECT_EQ(Ctl({QStringLiteral("db"), QStringLiteral("patients")}, &err, runtime), 0)
                << err.toStdString();
        }
        EXPECT_TRUE(Entries(out).isEmpty()) << Entries(out).join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(Entries(work).isEmpty()) << Entries(work).join(QLatin1Char(' ')).toStdString();
        const QStringList copies = LargeFiles(dir.path(), 256 * 1024, loc.FilePath());
        EXPECT_TRUE(copies.isEmpty()) << copies.join(QLatin1Char(' ')).toStdString();
    }
    // And the next backup runs to its end.
    QString err;
    EXPECT_EQ(Ctl({QStringLiteral("backup"), archive}, &err), 0) << err.toStdString();
    EXPECT_EQ(exchange::CabMembers(archive), QStringList{QStringLiteral("ZUDData3_exp.gbk")});
}

// zudctl import killed while it merges an opened archive: the archive's restored database (a
// copy of its patients beside the main database) is gone after the next start.
TEST_P(ExchangeFaults, AnImportKilledWhileTheArchiveIsOpenLeavesNoCopy) {
    if (Server()) {
        GTEST_SKIP() << "the work files are the client's: the embedded run shows it";
    }
    Grow(*dm, 24 * kMiB);
    const qint64 patient = dm->AllPatients().front().Identifikation;
    const QString archive = dir.filePath(QStringLiteral("gross.qvz"));
    ExchangeDatabase(loc).Export(dm->Db(), {patient}, archive);
    dm.reset();
    const QString copy = QDir(loc.dir).filePath(QString::fromLatin1(kExportDatabase));
    const QString runtime = dir.filePath(QStringLiteral("laufzeit"));
    QDir().mkpath(runtime);
    QProcess p;
    Start(p, {QStringLiteral("import"), archive}, runtime);
    ASSERT_TRUE(p.waitForStarted());
    QElapsedTimer t;
    t.start();
    // Open: the copy exists and the extracted backup is gone again.
    const QString work = exchange::ExchangeWorkFolder(loc);
    const auto open = [&] {
        if (!QFileInfo::exists(copy)) {
            return false;
        }
        for (const QString& run : QDir(work).entryList({QStringLiteral("run-*")}, QDir::Dirs)) {
            if (QFileInfo::exists(QDir(work).filePath(run + QStringLiteral("/ZUDData_exp.gbk")))) {
                return false;
            }
        }
        return true;
    };
    while (!open() && !p.waitForFinished(2) && t.elapsed() < 120000) {
    }
    ASSERT_TRUE(open()) << p.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_TRUE(QFileInfo::exists(copy));
    QString err;
    EXPECT_EQ(Ctl({QStringLiteral("db"), QStringLiteral("patients")}, &err, runtime), 0) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_TRUE(Entries(work).isEmpty()) << Entries(work).join(QLatin1Char(' ')).toStdString();
    const QStringList copies = LargeFiles(dir.path(), 256 * 1024, loc.FilePath());
    QStringList unexpected;
    for (const QString& f : copies) {
        if (f != archive) {
            unexpected << f;
        }
    }
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(QLatin1Char(' ')).toStdString();
}

// ---------------------------------------------------------------- full disk, failed swap

// The database folder and the work folder on a small disk: a backup that does not fit ends at once
// with the folder named; a restore whose new copy does not fit leaves the database as it was;
// the archive's own destination full is the same clean failure.
TEST_P(ExchangeFaults, AFullDiskIsACleanFailureNamingTheFolder) {
    const QString small = dir.filePath(QStringLiteral("klein"));
    RamDisk disk(small, 16 * kMiB);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "mounting a small disk needs root";
    }
    dm.reset();
    loc.dir = QDir(small).filePath(QStringLiteral("db"));
    QDir().mkpath(loc.dir);
    dm = std::make_unique<PatientDatabase>(loc);
    ASSERT_TRUE(dm->EnsureInstalled());
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    Grow(*dm, 5 * kMiB, 256 * 1024);
    dm.reset();
    ExchangeDatabase dm2(loc);
    const QString bak = dir.filePath(QStringLiteral("klein.bak3"));
    dm2.Backup(bak); // database and backup file fit, the archive goes elsewhere
    ASSERT_TRUE(Closed(loc.FilePath()));
    const QByteArray before = Hash(loc.FilePath());
    const QString work = exchange::ExchangeWorkFolder(loc);
    QFile filler(QDir(small).filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    // Fills the small disk until `room` bytes are left.
    const auto leave = [&](qint64 room) {
        for (;;) {
            struct statvfs st {};
            if (::statvfs(QFile::encodeName(small).constData(), &st) != 0) {
                return false;
            }
            const qint64 free = static_cast<qint64>(st.f_bavail) * static_cast<qint64>(st.f_frsize);
            if (free <= room) {
                return true;
            }
            if (filler.write(QByteArray(static_cast<int>(std::min<qint64>(free - room, kMiB)), 'x')) <= 0 ||
                !filler.flush()) {
                return false;
            }
        }
    };

    // Room for the extracted backup, but not for the restored copy beside it as well.
    ASSERT_TRUE(leave(QFileInfo(loc.FilePath()).size() + 2 * kMiB));
    QElapsedTimer t;
    t.start();
    try {
        dm2.Restore(bak);
        ADD_FAILURE() << "restored onto a full disk";
    } catch (const DataError& e) {
        EXPECT_TRUE(
            e.Message().contains(QStringLiteral("Kein Platz auf ") + QDir::toNativeSeparators(loc.dir)) ||
            e.Message().contains(QStringLiteral("Kein Platz auf ") + work))
            << e.Message().toStdString();
    }
    EXPECT_LT(t.elapsed(), 60000);
    EXPECT_EQ(Hash(loc.FilePath()), before);
    EXPECT_EQ(Entries(loc.dir), QStringList{QFileInfo(loc.FilePath()).fileName()});
    EXPECT_TRUE(Entries(work).isEmpty());

    // A backup that does not fit: the tool asks for another file on a full disk; here it ends.
    ASSERT_TRUE(leave(kMiB));
    t.restart();
    try {
        dm2.Backup(dir.filePath(QStringLiteral("voll.bak3")));
        ADD_FAILURE() << "backed up onto a full disk";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Kein Platz auf ") + work))
            << e.Message().toStdString();
    }
    EXPECT_LT(t.elapsed(), 60000);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("voll.bak3"))));
    EXPECT_TRUE(Entries(work).isEmpty());

    // The archive's destination is the full disk.
    filler.close();
    ASSERT_TRUE(QFile::remove(filler.fileName()));
    const QString dest = QDir(small).filePath(QStringLiteral("ziel"));
    QDir().mkpath(dest);
    QFile big(QDir(small).filePath(QStringLiteral("gross")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(Noise(static_cast<qint64>(6) * kMiB, 9));
    big.close();
    try {
        exchange::WriteCab(QDir(dest).filePath(QStringLiteral("a.qvz")), QStringLiteral("ZUDData_exp.gbk"),
                           big.fileName());
        ADD_FAILURE() << "packed onto a full disk";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Kein Platz auf ") + dest))
            << e.Message().toStdString();
    }
    EXPECT_TRUE(Entries(dest).isEmpty());
}

// The swap that puts the restored copy in place fails (a folder this user may not change): the
// database stays byte for byte as it was, the copy is gone, and the next restore works.
TEST_P(ExchangeFaults, ARestoreWhoseSwapFailsKeepsTheDatabaseByteIdentical) {
    const qint64 first =
        dm->AddPatient(Person(QStringLiteral("Vorher"), QStringLiteral("Vera"), QDate(1970, 1, 1)));
    dm->InsertRecording(first, QDate(2026, 3, 3), QTime(8, 0, 0), Noise(300000, 1),
                        QStringLiteral("ZUD12 Pro"));
    dm.reset();
    ExchangeDatabase dm2(loc);
    const QString bak = dir.filePath(QStringLiteral("vorher.bak3"));
    dm2.Backup(bak);
    {
        auto d = std::make_unique<PatientDatabase>(loc);
        d->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        d->AddPatient(Person(QStringLiteral("Danach"), QStringLiteral("Dora"), QDate(1980, 2, 2)));
    }
    ASSERT_TRUE(Closed(loc.FilePath()));
    const QByteArray before = Hash(loc.FilePath());
    ASSERT_FALSE(before.isEmpty());
    exchange::ArmFault(exchange::Fault::RestoreSwap, EACCES);
    try {
        dm2.Restore(bak);
        ADD_FAILURE() << "restored although the swap failed";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Die Datenbank ist unverändert.")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(exchange::TakeFault(exchange::Fault::RestoreSwap), 0);
    EXPECT_EQ(Hash(loc.FilePath()), before);
    EXPECT_EQ(Entries(loc.dir), QStringList{QFileInfo(loc.FilePath()).fileName()});
    EXPECT_TRUE(Entries(exchange::ExchangeWorkFolder(loc)).isEmpty());
    dm2.Restore(bak);
    dm = std::make_unique<PatientDatabase>(loc);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    EXPECT_TRUE(dm->FindPatient(QStringLiteral("Vorher"), QStringLiteral("Vera"), QDate(1970, 1, 1)));
    EXPECT_FALSE(dm->FindPatient(QStringLiteral("Danach"), QStringLiteral("Dora"), QDate(1980, 2, 2)));
}

INSTANTIATE_TEST_SUITE_P(Firebird, ExchangeFaults, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

} // namespace
