// What the patient and recording windows ask of the data module: with 10,000 patients the whole
// list and a search for "er"; with 2,000 recordings of one patient the recording list as the
// main window fills it (running number, date, time, program name from the first 89 bytes of
// DATEN, mode). Our own UTF8 database embedded and through a server on loopback, and an older
// database without a character set (8-bit names) embedded.

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
const int kRecordings = zud::bench::Size(2000, 50);

const char* const kNames[] = {"Müller", "Schmidt", "Schneider", "Fischer",  "Weber",   "Meyer",
                              "Wagner", "Becker",  "Schulz",    "Hoffmann", "Schäfer", "Koch",
                              "Bauer",  "Richter", "Klein",     "Wolf"};

// A recording of about 36 KiB (an hour's exercise is far more; the list reads 89 bytes of it).
QByteArray Stream(int seed) {
    QByteArray b(36 * 1024, '\0');
    uint32_t x = static_cast<uint32_t>(seed) * 2654435761u + 1;
    for (auto& c : b) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    b[2] = static_cast<char>(seed % 10);
    const QByteArray name = QByteArray("Programm ") + QByteArray::number(seed % 36);
    for (int i = 0; i < 25; ++i) {
        b[42 + i] = i < name.size() ? name[i] : '\0';
    }
    return b;
}

enum Kind { Embedded = 0, Server = 1, OldEmbedded = 2 };

struct Database {
    QTemporaryDir dir;
    test::FirebirdServer server;
    DbLocation loc;
    std::unique_ptr<PatientDatabase> dm;
    qint64 busy = 0; // the patient with 2,000 recordings

    explicit Database(Kind kind) {
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        if (kind == Server) {
            const QString failed =
                server.Start(dir.filePath(QStringLiteral("server")),
                             QCoreApplication::applicationDirPath() + QStringLiteral("/zudctl"));
            if (!failed.isEmpty()) {
                qFatal("%s", qPrintable(failed));
            }
            loc.server = QStringLiteral("127.0.0.1");
            loc.port = QString::number(server.Port());
        }
        if (kind == OldEmbedded) {
            // As an older installation made it: the schema script without a character set.
            db::ConnectParams p{loc.ConnectionString(), QString::fromLatin1(kAdminUser),
                                QString::fromLatin1(kAdminPassword), QString()};
            p.createCharset.clear();
            auto c = db::Connection::Create(p);
            for (const QString& sql : PatientDatabase::SchemaScript()) {
                c->Exec(sql);
                c->Commit();
            }
            for (const char* sql : {"CREATE GENERATOR GEN_QALPATIENT_ID", "CREATE GENERATOR GEN_ZUDDATA_ID",
                                    "CREATE GENERATOR GEN_GERAETE_ID"}) {
                c->Exec(QString::fromLatin1(sql));
                c->Commit();
            }
        }
        dm = std::make_unique<PatientDatabase>(loc);
        dm->EnsureInstalled();
        dm->Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        auto& c = dm->Db();
        // Filled directly in large transactions: the set-up is not what is measured.
        for (int i = 0; i < kPatients; ++i) {
            c.Exec(QStringLiteral(
                       "insert into QALPATIENT (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG, PLZ, WOHNORT) "
                       "values (?, ?, ?, ?, ?, ?)"),
                   {c.NextId(QStringLiteral("GEN_QALPATIENT_ID")),
                    QString::fromUtf8(kNames[i % 16]) + QString::number(i),
                    QStringLiteral("Vorname%1").arg(i),
                    QDateTime(QDate(1930, 1, 1).addDays(i % 25000), QTime(0, 0)), QStringLiteral("28195"),
                    QStringLiteral("Köln")});
        }
        c.Commit();
        busy = 1;
        const qint64 typ = dm->DeviceId(QStringLiteral("ZUD12 Typ 1"));
        for (int i = 0; i < kRecordings; ++i) {
            const QByteArray daten = Stream(i);
            c.Exec(QStringLiteral(
                       "insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN) "
                       "values (?, ?, ?, ?, ?, ?, ?)"),
                   {c.NextId(QStringLiteral("GEN_ZUDDATA_ID")), typ, busy,
                    QDateTime(QDate(2020, 1, 1).addDays(i / 3), QTime(0, 0)),
                    QDateTime(QDate(1899, 12, 30), QTime(8, 0).addSecs((i % 3) * 3600)),
                    static_cast<uint8_t>(daten[2]) + 1, daten});
            if (i % 500 == 499) {
                c.Commit();
            }
        }
        c.Commit();
    }
};

Database& Db(int kind) {
    static std::unique_ptr<Database> d[3];
    if (!d[kind]) {
        d[kind] = std::make_unique<Database>(static_cast<Kind>(kind));
    }
    return *d[kind];
}

void BM_AllPatients(benchmark::State& state) {
    auto& d = Db(static_cast<int>(state.range(0)));
    size_t n = 0;
    for (auto _ : state) {
        n = d.dm->AllPatients().size();
    }
    state.counters["rows"] = static_cast<double>(n);
}

void BM_SearchEr(benchmark::State& state) {
    auto& d = Db(static_cast<int>(state.range(0)));
    size_t n = 0;
    for (auto _ : state) {
        n = d.dm->SearchPatients(QStringLiteral("er")).size();
    }
    state.counters["found"] = static_cast<double>(n);
}

const char* const kShort[] = {
    "EMG",          "ES",           "EMG+ES",        "Trigger", "Druck", "Training Druck",
    "EMG(1)+Druck", "EMG(2)+Druck", "Programmfolge", "EMG 2CH"};

// The recording list as the main window fills it, without the widgets: every cell's text.
void BM_RecordingList2000(benchmark::State& state) {
    auto& d = Db(static_cast<int>(state.range(0)));
    size_t cells = 0;
    for (auto _ : state) {
        QStringList texts;
        int nr = 0;
        for (const Recording& r : d.dm->ListRecordings(d.busy)) {
            texts << QString::number(++nr) << r.Datum.toString(QStringLiteral("dd.MM.yyyy"))
                  << r.Uhrzeit.toString(QStringLiteral("hh:mm:ss"));
            const int mode = DisplayedMode(r.Betriebsart);
            const QString modeName =
                mode >= 1 && mode <= 10 ? QString::fromLatin1(kShort[mode - 1]) : QString();
            if (r.Betriebsart > 0 && r.Daten.size() >= 67) {
                const QByteArray name = r.Daten.mid(42, 25);
                texts << QString::fromLatin1(name.left(name.indexOf('\0') < 0 ? 25 : name.indexOf('\0')));
            } else {
                texts << modeName;
            }
            texts << modeName;
        }
        cells = static_cast<size_t>(texts.size());
        benchmark::DoNotOptimize(texts);
    }
    state.counters["cells"] = static_cast<double>(cells);
}

// For comparison: the header as a blob of its own per row (SUBSTRING of a blob is a blob).
void BM_RecordingList2000HeaderAsBlob(benchmark::State& state) {
    auto& d = Db(static_cast<int>(state.range(0)));
    size_t n = 0;
    for (auto _ : state) {
        n = d.dm->Db()
                .Query(QStringLiteral(
                           "Select COUNTER, DATUM, UHRZEIT, BETRIEBSART, SUBSTRING(DATEN FROM 1 FOR 89) "
                           "AS KOPF from ZUDData where Patient = %1 Order by datum DESC, uhrzeit ASC")
                           .arg(d.busy))
                .size();
    }
    state.counters["rows"] = static_cast<double>(n);
}

} // namespace

// Argument 0: embedded, 1: server on loopback, 2: an older database without character set.
BENCHMARK(BM_AllPatients)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchEr)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordingList2000)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordingList2000HeaderAsBlob)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zud::db::SetLockFolder(QDir::tempPath() + QStringLiteral("/zud-bench-lock"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
