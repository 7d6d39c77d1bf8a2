// The practice connection: EDF+ export of a recording of one minute and of one hour (decoding
// included), and a GDT result with its report PDF from an embedded database.

#include "EdfExport.h"
#include "GdtExchange.h"
#include "PatientDatabase.h"
#include "Recording.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

namespace {

using namespace zud;

// A recording of `sekunden` seconds in mode `mode`: contraction cycles of 5 s tensing, 8 s
// relaxing (and current in mode 2), pressure waves in the pressure modes.
QByteArray Aufnahme(int mode, int sekunden) {
    ProgrammParameter p{};
    p.Nummer = 1;
    p.Aktiviert = 1;
    p.Betriebsart = static_cast<uint8_t>(mode);
    p.Timeout = 61;
    std::memcpy(p.Name, "Ausdauer", 8);
    Aufzeichnung a(p);
    for (int i = 0; i < sekunden * 10; ++i) {
        Livewert w;
        w.Bereich1 = 11;
        w.Bereich2 = 10;
        const int t = i % 180;
        const double form = std::sin(3.14159 * (t % 50) / 50.0);
        if (mode == 2) {
            w.Phase = t < 50 ? 1 : t < 130 ? 0 : 3;
            w.EMG1 = static_cast<uint8_t>(w.Phase == 1 ? 10 + 80 * form : 8 + (i % 5));
            w.Strom = w.Phase == 3 ? std::min(15.0, 0.5 * (t - 129)) : 0;
        } else {
            w.Phase = 7;
            w.Druck = 10 + 40 * form;
            w.EMG1 = static_cast<uint8_t>(20 + 60 * form);
            w.EMG2 = static_cast<uint8_t>(10 + 30 * form);
        }
        a.Hinzufuegen(w);
    }
    const std::vector<uint8_t> b = a.Abschliessen();
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

void BM_EdfExport(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    const QByteArray daten = Aufnahme(mode, static_cast<int>(state.range(1)));
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("aufnahme.edf"));
    EdfKopf k;
    k.Name = QStringLiteral("Müller");
    k.Vorname = QStringLiteral("Jürgen");
    k.Beginn = QDateTime(QDate(2026, 12, 1), QTime(9, 0));
    for (auto _ : state) {
        const Messung m =
            FillArray(reinterpret_cast<const uint8_t*>(daten.constData()), size_t(daten.size()));
        QString fehler;
        if (!SchreibeEdf(pfad, m, k, &fehler)) {
            state.SkipWithError(qPrintable(fehler));
            return;
        }
    }
    state.counters["kB"] = double(QFileInfo(pfad).size()) / 1024.0;
}

void BM_GdtErgebnisMitPdf(benchmark::State& state) {
    QTemporaryDir dir;
    DbLocation loc;
    loc.dir = dir.filePath(QStringLiteral("db"));
    QDir().mkpath(loc.dir);
    QDir().mkpath(dir.filePath(QStringLiteral("gdt")));
    PatientDatabase dm(loc);
    dm.EnsureInstalled();
    dm.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    Patient p;
    p.Name = QStringLiteral("Müller");
    p.Vorname = QStringLiteral("Jürgen");
    p.Geburtstag = QDate(1960, 1, 2);
    p.Nummer = QStringLiteral("4711");
    const qint64 pid = dm.AddPatient(p);
    const qint64 counter =
        dm.InsertRecording(pid, QDate(2026, 12, 1), QTime(9, 0),
                           Aufnahme(2, static_cast<int>(state.range(0))), QStringLiteral("ZUD12"));
    GdtSettings g;
    g.On = true;
    g.Folder = dir.filePath(QStringLiteral("gdt"));
    GdtResultOptions o;
    o.Pdf = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteGdtResult(dm, counter, g, o));
    }
}

} // namespace

BENCHMARK(BM_EdfExport)
    ->Args({2, 60})
    ->Args({2, 3600})
    ->Args({7, 3600})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_GdtErgebnisMitPdf)->Arg(60)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTemporaryDir data;
    qputenv("ZUD_DATA_DIR", data.path().toLocal8Bit()); // the log lines stay out of the user's folder
    zud::db::SetLockFolder(QDir::tempPath() + QStringLiteral("/zud-bench-lock"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
