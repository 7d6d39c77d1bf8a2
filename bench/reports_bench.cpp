// Statistics and reports of a patient with 500 recordings of 10 minutes, every operating mode
// mixed (embedded database): filling the statistics lists (query, decoding, trailers, cells),
// the statistics window on top of it, the PDF of the longest statistics table and the PDF of
// one recording page, with the files' sizes.

#include "PatientDatabase.h"
#include "Reports.h"
#include "Settings.h"
#include "Smoke.h"
#include "Statistics.h"
#include "StatisticsWindow.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zud;

const int kAufnahmen = zud::bench::Size(500, 5);
constexpr int kProben = 6000; // 10 minutes
constexpr int kModi[] = {0, 1, 2, 3, 4, 5, 6, 7, 9};

QByteArray ZehnMinuten(int mode, int seed) {
    ProgrammParameter kopf{};
    kopf.Betriebsart = static_cast<uint8_t>(mode);
    kopf.Timeout = 10;
    const char name[] = "Beckenboden";
    std::memcpy(kopf.Name, name, sizeof name - 1);
    Aufzeichnung a(kopf);
    uint32_t x = static_cast<uint32_t>(seed) * 2654435761u + 7;
    for (int i = 0; i < kProben; ++i) {
        x = x * 1664525u + 1013904223u;
        Livewert w;
        const int cycle = (i / 50) % 4;
        w.EMG1 = static_cast<uint8_t>(cycle == 1 ? 120 + (x >> 27) : 10 + (x >> 28));
        w.EMG2 = static_cast<uint8_t>(cycle == 1 ? 60 + (x >> 28) : 5 + (x >> 29));
        w.Bereich1 = 11;
        w.Bereich2 = 10;
        w.Schwelle = 40;
        w.Phase = mode == 9 ? cycle % 2 : cycle;
        w.Strom = 10 + (x >> 29) * 0.5;
        w.Druck = (cycle == 1 ? 40 : 12) + (x >> 30);
        if (mode >= 4 && mode <= 7) {
            w.Phase = mode == 5 ? 5 + cycle % 2 : 7;
        }
        a.Hinzufuegen(w);
    }
    const auto bytes = a.Abschliessen();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

struct Daten {
    QTemporaryDir dir;
    DbLocation loc;
    std::unique_ptr<PatientDatabase> dm;
    qint64 patient = -1;
    Daten() {
        Settings::RedirectForTests(dir.filePath(QStringLiteral("user")),
                                   dir.filePath(QStringLiteral("system")));
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        dm = std::make_unique<PatientDatabase>(loc);
        dm->EnsureInstalled();
        dm->Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        Patient p;
        p.Name = QStringLiteral("Muster");
        p.Vorname = QStringLiteral("Erika");
        p.Geburtstag = QDate(1960, 5, 17);
        patient = dm->AddPatient(p);
        std::vector<QByteArray> vorlagen;
        for (int m : kModi) {
            vorlagen.push_back(ZehnMinuten(m, m));
        }
        for (int i = 0; i < kAufnahmen; ++i) {
            dm->InsertRecording(patient, QDate(2025, 1, 1).addDays(i / 2), QTime(8 + (i % 2) * 8, 0),
                                vorlagen[size_t(i) % vorlagen.size()], QStringLiteral("ZUD12 Typ 1"));
        }
    }
};

Daten& Db() {
    static Daten d;
    return d;
}

void BM_StatistikFuellen(benchmark::State& state) {
    Daten& d = Db();
    size_t zeilen = 0;
    for (auto _ : state) {
        const Statistik s = FillStatistik(*d.dm, d.patient, {});
        zeilen = 0;
        for (int l = 1; l <= kStatListen; ++l) {
            zeilen += s.Liste(l).Zeilen.size();
        }
        benchmark::DoNotOptimize(zeilen);
    }
    state.counters["rows"] = static_cast<double>(zeilen);
}

void BM_StatistikFenster(benchmark::State& state) {
    Daten& d = Db();
    ui::StatisticsWindow form;
    const Settings settings;
    for (auto _ : state) {
        form.Fill(*d.dm, d.patient, settings);
    }
    state.counters["tabs"] = static_cast<double>(form.Daten().SichtbareListen().size());
}

void BM_PdfStatistiktabelle(benchmark::State& state) {
    Daten& d = Db();
    const Statistik s = FillStatistik(*d.dm, d.patient, {});
    const StatListeDaten& liste = s.Liste(Einkanalig); // modes 0, 1 and 2: the longest list
    QByteArray pdf;
    for (auto _ : state) {
        pdf = PdfDaten([&](Seitenziel& z) {
            return DrawStatistikTabelle(z, liste, QStringLiteral("Erika Muster"), QDate(2026, 12, 9));
        });
    }
    state.counters["rows"] = static_cast<double>(liste.Zeilen.size());
    state.counters["pages"] = StatistikSeitenzahl(static_cast<int>(liste.Zeilen.size()));
    state.counters["bytes"] = static_cast<double>(pdf.size());
}

void BM_PdfAufnahmeseite(benchmark::State& state) {
    Daten& d = Db();
    const int mode = static_cast<int>(state.range(0));
    Recording r;
    r.Datum = QDate(2026, 3, 4);
    r.Uhrzeit = QTime(10, 0);
    r.Daten = ZehnMinuten(mode, mode);
    r.Betriebsart = mode + 1;
    const Berichtsaufnahme a = LadeBerichtsaufnahme(r, 0);
    const Patient p = d.dm->GetPatient(d.patient).value_or(Patient{});
    ChartOptionen o;
    o.AreaChart = state.range(1) != 0;
    QByteArray pdf;
    for (auto _ : state) {
        pdf = PdfDaten([&](Seitenziel& z) {
            DrawAufnahmeSeite(*z.Painter, z.Seite, z.Dpi, p, a, o);
            return true;
        });
    }
    state.counters["bytes"] = static_cast<double>(pdf.size());
}

} // namespace

BENCHMARK(BM_StatistikFuellen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StatistikFenster)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PdfStatistiktabelle)->Unit(benchmark::kMillisecond)->UseRealTime();
// Mode, area chart.
BENCHMARK(BM_PdfAufnahmeseite)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({7, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zud::db::SetLockFolder(QDir::tempPath() + QStringLiteral("/zud-bench-lock"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
