// The patient database with 10,000 patients and 20,000 recordings (12 KiB each): listing all
// patients, a search, one patient's recordings, inserting 1,000 recordings and fetching
// 1,000 of them, on the embedded engine and through a server on loopback.

#include "FirebirdServer.h"
#include "PatientDatabase.h"
#include "Smoke.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zud;

const int kPatients = zud::bench::Size(10000, 50);
const int kRecordings = zud::bench::Size(20000, 100);

QByteArray Blob(int seed) {
    QByteArray b(12 * 1024, '\0');
    uint32_t x = static_cast<uint32_t>(seed) * 2654435761u + 1;
    for (auto& c : b) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    b[2] = 0;
    return b;
}

const char* const kNames[] = {"Müller", "Schmidt", "Schneider", "Fischer",  "Weber",   "Meyer",
                              "Wagner", "Becker",  "Schulz",    "Hoffmann", "Schäfer", "Koch",
                              "Bauer",  "Richter", "Klein",     "Wolf"};

struct Database {
    QTemporaryDir dir;
    test::FirebirdServer server;
    DbLocation loc;
    std::unique_ptr<PatientDatabase> dm;
    std::vector<qint64> counters;

    explicit Database(bool embedded) {
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        if (!embedded) {
            const QString failed =
                server.Start(dir.filePath(QStringLiteral("server")),
                             QCoreApplication::applicationDirPath() + QStringLiteral("/zudctl"));
            if (!failed.isEmpty()) {
                qFatal("%s", qPrintable(failed));
            }
            loc.server = QStringLiteral("127.0.0.1");
            loc.port = QString::number(server.Port());
        }
        dm = std::make_unique<PatientDatabase>(loc);
        dm->EnsureInstalled();
        dm->Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        auto& c = dm->Db();
        // Filled directly in large transactions: the set-up is not what is measured.
        for (int i = 0; i < kPatients; ++i) {
            c.Exec(
                QStringLiteral(
                    "insert into QALPATIENT (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG) values (?, ?, ?, ?)"),
                {c.NextId(QStringLiteral("GEN_QALPATIENT_ID")),
                 QString::fromUtf8(kNames[i % 16]) + QString::number(i), QStringLiteral("Vorname%1").arg(i),
                 QDateTime(QDate(1930, 1, 1).addDays(i % 25000), QTime(0, 0))});
        }
        c.Commit();
        const qint64 typ = dm->DeviceId(QStringLiteral("ZUD12 Typ 1"));
        for (int i = 0; i < kRecordings; ++i) {
            const qint64 counter = c.NextId(QStringLiteral("GEN_ZUDDATA_ID"));
            c.Exec(QStringLiteral(
                       "insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN) "
                       "values (?, ?, ?, ?, ?, 1, ?)"),
                   {counter, typ, static_cast<qint64>(i % kPatients + 1),
                    QDateTime(QDate(2026, 1, 1).addDays(i % 300), QTime(0, 0)),
                    QDateTime(QDate(1899, 12, 30), QTime(8, 0).addSecs(i % 36000)), Blob(i)});
            counters.push_back(counter);
            if (i % 2000 == 1999) {
                c.Commit();
            }
        }
        c.Commit();
    }
};

Database& Db(bool embedded) {
    static std::unique_ptr<Database> e, s;
    auto& d = embedded ? e : s;
    if (!d) {
        d = std::make_unique<Database>(embedded);
    }
    return *d;
}

void BM_ListAllPatients(benchmark::State& state) {
    auto& d = Db(state.range(0) == 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.dm->AllPatients());
    }
}

void BM_SearchPatients(benchmark::State& state) {
    auto& d = Db(state.range(0) == 0);
    size_t found = 0;
    for (auto _ : state) {
        found = d.dm->SearchPatients(QStringLiteral("ER1")).size();
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_ListRecordingsOfOnePatient(benchmark::State& state) {
    auto& d = Db(state.range(0) == 0);
    qint64 p = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.dm->ListRecordings(p));
        p = p % kPatients + 1;
    }
}

void BM_Insert1000Recordings(benchmark::State& state) {
    auto& d = Db(state.range(0) == 0);
    const QByteArray blob = Blob(7);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            d.dm->InsertRecording(i % kPatients + 1, QDate(2026, 12, 1), QTime(9, 0).addSecs(i), blob,
                                  QStringLiteral("ZUD12 Typ 1"));
        }
    }
}

void BM_Fetch1000Blobs(benchmark::State& state) {
    auto& d = Db(state.range(0) == 0);
    size_t at = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            benchmark::DoNotOptimize(d.dm->GetRecording(d.counters[(at++ * 7919) % d.counters.size()]));
        }
    }
}

} // namespace

// Argument 0: embedded engine, 1: server on loopback.
BENCHMARK(BM_ListAllPatients)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchPatients)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListRecordingsOfOnePatient)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Insert1000Recordings)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Fetch1000Blobs)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zud::db::SetLockFolder(QDir::tempPath() + QStringLiteral("/zud-bench-lock"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
