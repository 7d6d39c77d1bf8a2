// The data exchange with realistic amounts: export and import of 100 patients with 2,000
// recordings of 12 KiB (an archive between two workstations), backup and restore of a database
// with 10,000 patients and 20,000 recordings of 12 KiB (the evening backup of a busy practice).
// Embedded and through a server on loopback; times, archive sizes and what the archive holds.

#include "ExchangeDatabase.h"
#include "FirebirdServer.h"
#include "Smoke.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zud;

constexpr int kRecordingBytes = 12 * 1024;

// Recording-shaped bytes: a header, then samples whose high bits change slowly and whose low
// bits are noise, as measured signals are (they compress to about half).
QByteArray Stream(int seed) {
    QByteArray b(kRecordingBytes, '\0');
    uint32_t x = static_cast<uint32_t>(seed) * 2654435761u + 1;
    for (int i = 0; i < b.size(); ++i) {
        x = x * 1664525u + 1013904223u;
        b[i] = static_cast<char>(i < 89 ? (x >> 24) : (((i / 64) & 0x0F) << 4) | ((x >> 24) & 0x0F));
    }
    b[2] = static_cast<char>(seed % 10);
    return b;
}

struct Database {
    QTemporaryDir dir;
    test::FirebirdServer server;
    DbLocation loc;

    Database(bool onServer, int patients, int recordings) {
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        if (onServer) {
            const QString failed =
                server.Start(dir.filePath(QStringLiteral("server")),
                             QCoreApplication::applicationDirPath() + QStringLiteral("/zudctl"));
            if (!failed.isEmpty()) {
                qFatal("%s", qPrintable(failed));
            }
            loc.server = QStringLiteral("127.0.0.1");
            loc.port = QString::number(server.Port());
        }
        PatientDatabase dm(loc);
        dm.EnsureInstalled();
        dm.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        auto& c = dm.Db();
        const qint64 typ = dm.DeviceId(QStringLiteral("ZUD12"));
        // 100 patients and 100 distinct recordings from here; the rest is copied inside the
        // database (the set-up is not what is measured).
        const int seedPatients = std::min(patients, 100);
        for (int i = 0; i < seedPatients; ++i) {
            c.Exec(QStringLiteral(
                       "insert into QALPATIENT (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG, PLZ, WOHNORT, "
                       "LETZTER_ZUGRIFF) values (?, ?, ?, ?, ?, ?, ?)"),
                   {c.NextId(QStringLiteral("GEN_QALPATIENT_ID")), QStringLiteral("Müller%1").arg(i),
                    QStringLiteral("Jürgen%1").arg(i),
                    QDateTime(QDate(1930, 1, 1).addDays(i * 97), QTime(0, 0)), QStringLiteral("28195"),
                    QStringLiteral("Köln"), QDateTime::currentDateTime()});
        }
        c.Commit();
        for (int i = 0; i < std::min(recordings, 100); ++i) {
            c.Exec(QStringLiteral(
                       "insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN) "
                       "values (?, ?, ?, ?, ?, ?, ?)"),
                   {c.NextId(QStringLiteral("GEN_ZUDDATA_ID")), typ, 1 + i % seedPatients,
                    QDateTime(QDate(2020, 1, 1).addDays(i), QTime(0, 0)),
                    QDateTime(QDate(1899, 12, 30), QTime(8, 0)), i % 10 + 1, Stream(i)});
        }
        c.Commit();
        while (Count(c, QStringLiteral("QALPATIENT")) < patients) {
            const qint64 have = Count(c, QStringLiteral("QALPATIENT"));
            c.Exec(QStringLiteral(
                       "insert into QALPATIENT (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG, PLZ, WOHNORT) "
                       "select first %1 GEN_ID(GEN_QALPATIENT_ID, 1), NAME || 'x', VORNAME, GEBURTSTAG, PLZ, "
                       "WOHNORT from QALPATIENT")
                       .arg(std::min<qint64>(have, patients - have)));
            c.Commit();
        }
        // Every recording its own date, spread over the patients.
        while (Count(c, QStringLiteral("ZUDDATA")) < recordings) {
            const qint64 have = Count(c, QStringLiteral("ZUDDATA"));
            c.Exec(QStringLiteral(
                       "insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN) "
                       "select first %1 GEN_ID(GEN_ZUDDATA_ID, 1), TYP, 1 + mod(COUNTER + %2, %3), "
                       "DATUM + %2, UHRZEIT, BETRIEBSART, DATEN from ZUDDATA")
                       .arg(std::min<qint64>(have, recordings - have))
                       .arg(have)
                       .arg(patients));
            c.Commit();
        }
    }

    static qint64 Count(db::Connection& c, const QString& table) {
        return c.Query(QStringLiteral("select count(*) from %1").arg(table)).front().At(0).toLongLong();
    }
};

// The patients of the small database: all of them go into the archive.
int SmallPatients() {
    return zud::bench::Size(100, 10);
}

// 0: embedded, 1: server on loopback.
Database& Small(int kind) {
    static std::unique_ptr<Database> d[2];
    if (!d[kind]) {
        d[kind] = std::make_unique<Database>(kind == 1, SmallPatients(), zud::bench::Size(2000, 20));
    }
    return *d[kind];
}

Database& Large(int kind) {
    static std::unique_ptr<Database> d[2];
    if (!d[kind]) {
        d[kind] =
            std::make_unique<Database>(kind == 1, zud::bench::Size(10000, 20), zud::bench::Size(20000, 40));
    }
    return *d[kind];
}

void BM_Export100Patients(benchmark::State& state) {
    auto& d = Small(static_cast<int>(state.range(0)));
    PatientDatabase dm(d.loc);
    dm.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    QList<qint64> ids;
    for (qint64 i = 1; i <= SmallPatients(); ++i) {
        ids << i;
    }
    ExchangeDatabase dm2(d.loc);
    const QString archive = d.dir.filePath(QStringLiteral("100.qvz"));
    ExportResult r;
    for (auto _ : state) {
        r = dm2.Export(dm.Db(), ids, archive);
    }
    state.counters["recordings"] = r.recordings;
    state.counters["archive_MiB"] = static_cast<double>(r.archiveBytes) / (1024.0 * 1024.0);
    state.counters["data_MiB"] = r.recordings * kRecordingBytes / (1024.0 * 1024.0);
}

void BM_Import100Patients(benchmark::State& state) {
    auto& d = Small(static_cast<int>(state.range(0)));
    const QString archive = d.dir.filePath(QStringLiteral("100.qvz"));
    if (!QFileInfo::exists(archive)) {
        PatientDatabase dm(d.loc);
        dm.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        QList<qint64> ids;
        for (qint64 i = 1; i <= SmallPatients(); ++i) {
            ids << i;
        }
        ExchangeDatabase(d.loc).Export(dm.Db(), ids, archive);
    }
    int round = 0;
    MergeResult m;
    for (auto _ : state) {
        // Into a new, empty database beside the first one each time.
        state.PauseTiming();
        DbLocation target = d.loc;
        target.dir = d.dir.filePath(QStringLiteral("ziel%1").arg(round++));
        QDir().mkpath(target.dir);
        PatientDatabase dm(target);
        dm.EnsureInstalled();
        dm.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        ExchangeDatabase dm2(target);
        state.ResumeTiming();
        QList<qint64> ids;
        for (const ArchivePatient& p : dm2.OpenArchive(archive)) {
            ids << p.Identifikation;
        }
        m = dm2.Import(dm.Db(), ids);
        dm2.CloseArchive();
    }
    state.counters["patients"] = m.patientsNew;
    state.counters["recordings"] = m.recordingsInserted;
}

void BM_Backup10000Patients(benchmark::State& state) {
    auto& d = Large(static_cast<int>(state.range(0)));
    ExchangeDatabase dm2(d.loc);
    const QString archive = d.dir.filePath(QStringLiteral("abend.bak3"));
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = dm2.Backup(archive);
    }
    state.counters["archive_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["database_MiB"] =
        static_cast<double>(QFileInfo(d.loc.FilePath()).size()) / (1024.0 * 1024.0);
}

void BM_Restore10000Patients(benchmark::State& state) {
    auto& d = Large(static_cast<int>(state.range(0)));
    ExchangeDatabase dm2(d.loc);
    const QString archive = d.dir.filePath(QStringLiteral("abend.bak3"));
    if (!QFileInfo::exists(archive)) {
        dm2.Backup(archive);
    }
    for (auto _ : state) {
        dm2.Restore(archive);
    }
    PatientDatabase dm(d.loc);
    dm.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    state.counters["patients"] = static_cast<double>(Database::Count(dm.Db(), QStringLiteral("QALPATIENT")));
    state.counters["recordings"] = static_cast<double>(Database::Count(dm.Db(), QStringLiteral("ZUDDATA")));
}

} // namespace

BENCHMARK(BM_Export100Patients)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_Import100Patients)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_Backup10000Patients)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_Restore10000Patients)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zud::db::SetLockFolder(QDir::tempPath() + QStringLiteral("/zud-exchange-bench-lock"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
