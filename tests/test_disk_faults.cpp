// A full disk: the database folder and the exchange's work folder on a small file system that
// fills during a read-out, a live save, a backup and an import. Each ends with a German message
// that says the disk is full and where; nothing stored before is lost; the database passes
// `zudctl db verify`; and once space is freed the same operation works.

#include "Demo.h"
#include "EmuFixture.h"
#include "ExchangeDatabase.h"
#include "FaultCounts.h"
#include "LiveRecordings.h"
#include "Readout.h"
#include "Recording.h"
#include "SmallDisk.h"
#include "TestEnv.h"
#include "WorkArea.h"
#include "ZudctlRunner.h"

#include <QDir>

#include <iostream>
#include <map>
#include <set>

using namespace zud;
using namespace zud::test;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

Patient Person(const QString& name, const QString& vorname, QDate geburt) {
    Patient p;
    p.Name = name;
    p.Vorname = vorname;
    p.Geburtstag = geburt;
    return p;
}

// A write the engine itself could not finish names the database's folder, as a server's or the
// embedded engine's status says it.
TEST(DiskFullMessage, TheEnginesFailedWriteNamesTheFolder) {
    const db::DbError e(QStringLiteral("I/O error during \"write\" operation for file \"/srv/praxis/db/"
                                       "ZUDData3.gdb\"\n-Error while trying to write to file\n-No space left "
                                       "on device"),
                        -902, 335544344L, {335544344L, 335544737L}, 0);
    EXPECT_TRUE(db::DescribeError(e).startsWith(
        QStringLiteral("Kein Platz auf /srv/praxis/db: Der Datenträger der Datenbank ist voll.")))
        << db::DescribeError(e).toStdString();
    // Without a file in the message the text still says the disk is full.
    const db::DbError bare(QStringLiteral("No space left on device"), -902, 335544344L, {335544344L}, 28);
    EXPECT_TRUE(db::DescribeError(bare).startsWith(
        QStringLiteral("Auf dem Datenträger der Datenbank ist kein Platz mehr.")))
        << db::DescribeError(bare).toStdString();
}

class FullDisk : public EmuTest {
protected:
    void SetUp() override {
        EmuTest::SetUp();
        IsolateProgramFolders(dir);
        db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
        small = dir.filePath(QStringLiteral("klein"));
        disk = std::make_unique<RamDisk>(small, 48 * kMiB);
        if (!disk->Mounted()) {
            GTEST_SKIP() << "a small file system of its own (tmpfs) can only be mounted as root; a "
                            "full disk under the database is not tested here";
        }
        loc.dir = QDir(small).filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        dm = std::make_unique<PatientDatabase>(loc);
        ASSERT_TRUE(dm->EnsureInstalled());
        dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        filler.setFileName(QDir(small).filePath(QStringLiteral("filler")));
    }
    void TearDown() override {
        dm.reset();
        filler.close();
        disk.reset();
        EmuTest::TearDown();
    }

    // `zudctl db verify` on the database with nobody logged in: Firebird's full check, with its
    // own bookkeeping pages, and ours. The login goes on afterwards.
    void ExpectSound(const char* when) {
        SCOPED_TRACE(when);
        const bool in = dm->LoggedIn();
        dm->Logout();
        QString out, err;
        const int rc = RunCtl(
            {QStringLiteral("--db-dir"), loc.dir, QStringLiteral("db"), QStringLiteral("verify")}, out, err);
        EXPECT_EQ(rc, 0) << out.toStdString() << err.toStdString();
        if (in) {
            dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        }
    }

    // The recordings of `before` are there byte for byte.
    void ExpectKept(const std::map<qint64, QByteArray>& before) {
        for (const auto& [counter, bytes] : before) {
            const auto r = dm->GetRecording(counter);
            ASSERT_TRUE(r) << "lost: recording " << counter;
            EXPECT_EQ(r->Daten, bytes) << "changed: recording " << counter;
        }
    }

    void Fill(qint64 room) {
        if (!filler.isOpen()) {
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(LeaveFree(filler, room));
    }
    void Free() {
        filler.close();
        ASSERT_TRUE(filler.remove());
    }

    QString DbFolderFull() const {
        return QStringLiteral("Kein Platz auf ") + QDir::toNativeSeparators(QDir::cleanPath(loc.dir));
    }

    QString small;
    std::unique_ptr<RamDisk> disk;
    QFile filler;
    DbLocation loc;
    std::unique_ptr<PatientDatabase> dm;
};

TEST_F(FullDisk, ReadoutLiveSaveBackupAndImportFailCleanlyAndWorkOnceThereIsSpace) {
    // What the practice has stored before: a patient with three live recordings.
    const qint64 vorher =
        dm->AddPatient(Person(QStringLiteral("Vorher"), QStringLiteral("Vera"), QDate(1960, 1, 1)));
    std::map<qint64, QByteArray> before;
    for (int i = 0; i < 3; ++i) {
        const QByteArray bytes = LiveRecording(i, 8000, i);
        before[dm->InsertRecording(vorher, QDate(2026, 1, 1 + i), QTime(9, 0), bytes,
                                   QStringLiteral("ZUD12"))] = bytes;
    }
    // An archive of two other patients, made on the large disk from a database of its own.
    const QString archive = dir.filePath(QStringLiteral("andere.qvz"));
    {
        DbLocation other;
        other.dir = dir.filePath(QStringLiteral("quelle"));
        QDir().mkpath(other.dir);
        PatientDatabase src(other);
        src.EnsureInstalled();
        src.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        QList<qint64> ids;
        for (int i = 0; i < 2; ++i) {
            const qint64 id = src.AddPatient(
                Person(QStringLiteral("Archiv"), QStringLiteral("Nr%1").arg(i), QDate(1970 + i, 2, 2)));
            ids << id;
            for (int k = 0; k < 3; ++k) {
                src.InsertRecording(id, QDate(2026, 2, 1 + k), QTime(10, i),
                                    LiveRecording(k, 20000, 10 * i + k), QStringLiteral("ZUD12"));
            }
        }
        ExchangeDatabase(other).Export(src.Db(), ids, archive);
    }
    emu::LoadDemo(emu);
    const QString work = exchange::ExchangeWorkFolder(loc);
    ASSERT_TRUE(work.startsWith(small)) << work.toStdString();

    // ---- the read-out, with deletion, into a full disk
    wf::LeseMessungen(*dev, *dm);
    std::map<std::string, QByteArray> device; // path -> bytes of every selected recording
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        for (const auto& e : dev->MessHeaders[i]) {
            if (e.Checked) {
                const std::string path = QStringLiteral("0:\\Daten\\Th_%1\\Pat_%2\\%3")
                                             .arg(i / 10)
                                             .arg(i % 10)
                                             .arg(e.Filename)
                                             .toStdString();
                device[path] = ToQ(*emu.GetFile(path));
            }
        }
    }
    ASSERT_GE(device.size(), 6u);
    // Room for a few recordings beside the engine's reserve: the disk fills during the read-out.
    Fill(2 * kMiB + 40 * 1024);
    const wf::TransferResult r = wf::Uebertrage(*dev, *dm, true);
    ++Injected()["disk full during a read-out"];
    ASSERT_TRUE(r.failed) << "the read-out fitted on a full disk";
    EXPECT_TRUE(r.error.startsWith(DbFolderFull())) << r.error.toStdString();
    ExpectKept(before);
    {
        std::map<QByteArray, std::string> byBytes;
        for (const auto& [path, bytes] : device) {
            byBytes[bytes] = path;
        }
        std::set<std::string> stored;
        for (const db::Row& row :
             dm->Db().Query(QStringLiteral("select DATEN from ZUDDATA where PATIENT <> ?"), {vorher})) {
            const auto it = byBytes.find(row.At(0).toByteArray());
            ASSERT_NE(it, byBytes.end()) << "a stored recording is none of the device's";
            EXPECT_TRUE(stored.insert(it->second).second);
        }
        for (const auto& [path, bytes] : device) {
            if (!stored.count(path)) {
                EXPECT_TRUE(emu.HasFile(path)) << "deleted but not stored: " << path;
            }
        }
        EXPECT_LT(stored.size(), device.size());
        std::cout << "[ disk     ] read-out stopped after " << stored.size() << " of " << device.size()
                  << " recordings\n";
    }
    ExpectSound("after the read-out");

    // ---- a live save into the full disk
    const QByteArray live = LiveRecording(4, 30000, 7);
    try {
        dm->InsertRecording(vorher, QDate(2026, 4, 4), QTime(11, 0), live, QStringLiteral("ZUD12"));
        ADD_FAILURE() << "a live recording was saved on a full disk";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().startsWith(DbFolderFull())) << e.Message().toStdString();
    }
    ++Injected()["disk full during a live save"];
    EXPECT_FALSE(dm->FindRecording(vorher, QDate(2026, 4, 4), QTime(11, 0)));
    ExpectKept(before);
    ExpectSound("after the live save");

    // ---- a backup whose work file does not fit (the embedded engine needs the file to itself)
    const QString bak = dir.filePath(QStringLiteral("abend.bak3"));
    Fill(0);
    dm->Logout();
    try {
        ExchangeDatabase(loc).Backup(bak);
        ADD_FAILURE() << "backed up through a full disk";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Kein Platz auf ") + QDir::toNativeSeparators(work)))
            << e.Message().toStdString();
    }
    ++Injected()["disk full during a backup"];
    EXPECT_FALSE(QFile::exists(bak));
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    ExpectKept(before);

    // ---- an import: room for the archive's copy beside the database, not for its recordings in it
    Fill(static_cast<qint64>(3) * kMiB);
    {
        ExchangeDatabase dm2(loc);
        try {
            const auto listed = dm2.OpenArchive(archive);
            QList<qint64> pick;
            for (const auto& a : listed) {
                pick << a.Identifikation;
            }
            dm2.Import(dm->Db(), pick);
            ADD_FAILURE() << "imported into a full disk";
        } catch (const DataError& e) {
            EXPECT_TRUE(
                e.Message().contains(DbFolderFull()) ||
                e.Message().contains(QStringLiteral("Kein Platz auf ") + QDir::toNativeSeparators(work)))
                << e.Message().toStdString();
        }
        dm2.CloseArchive();
    }
    ++Injected()["disk full during an import"];
    // A patient of the archive is there whole or not at all.
    for (int i = 0; i < 2; ++i) {
        const auto id =
            dm->FindPatient(QStringLiteral("Archiv"), QStringLiteral("Nr%1").arg(i), QDate(1970 + i, 2, 2));
        if (id) {
            EXPECT_EQ(dm->ListRecordings(*id).size(), 3u) << "patient " << i << " by halves";
        }
    }
    ExpectKept(before);
    ExpectSound("after the import");

    // ---- space freed: each operation works, with the same login
    Free();
    wf::LeseMessungen(*dev, *dm);
    for (auto& list : dev->MessHeaders) {
        for (auto& e : list) {
            e.Checked = true;
        }
    }
    const wf::TransferResult again = wf::Uebertrage(*dev, *dm, true);
    ASSERT_FALSE(again.failed) << again.error.toStdString();
    EXPECT_EQ(dm->Db()
                  .Query(QStringLiteral("select count(*) from ZUDDATA where PATIENT <> ?"), {vorher})
                  .front()
                  .At(0)
                  .toInt(),
              static_cast<int>(device.size()));
    for (const auto& [path, bytes] : device) {
        EXPECT_FALSE(emu.HasFile(path)) << "left on the device: " << path;
    }
    const qint64 saved =
        dm->InsertRecording(vorher, QDate(2026, 4, 4), QTime(11, 0), live, QStringLiteral("ZUD12"));
    EXPECT_EQ(dm->GetRecording(saved)->Daten, live);
    {
        ExchangeDatabase dm2(loc);
        const auto listed = dm2.OpenArchive(archive);
        QList<qint64> pick;
        for (const auto& a : listed) {
            pick << a.Identifikation;
        }
        dm2.Import(dm->Db(), pick);
        dm2.CloseArchive();
    }
    for (int i = 0; i < 2; ++i) {
        const auto id =
            dm->FindPatient(QStringLiteral("Archiv"), QStringLiteral("Nr%1").arg(i), QDate(1970 + i, 2, 2));
        ASSERT_TRUE(id);
        EXPECT_EQ(dm->ListRecordings(*id).size(), 3u);
    }
    dm->Logout();
    ExchangeDatabase(loc).Backup(bak);
    EXPECT_TRUE(QFile::exists(bak));
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    ExpectKept(before);
    ExpectSound("at the end");
}

} // namespace
