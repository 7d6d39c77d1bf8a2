// Decoding a one-hour recording (36,000 samples) of every operating mode and recomputing its
// statistics, as opening a recording does.

#include "Recording.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<uint8_t> OneHour(int mode) {
    zud::ProgrammParameter kopf{};
    kopf.Betriebsart = static_cast<uint8_t>(mode);
    zud::Aufzeichnung a(kopf);
    uint32_t x = 7;
    for (int i = 0; i < 36000; ++i) {
        x = x * 1664525u + 1013904223u;
        zud::Livewert w;
        w.EMG1 = static_cast<uint8_t>(x >> 24);
        w.EMG2 = static_cast<uint8_t>(x >> 16);
        w.Bereich1 = 11;
        w.Bereich2 = 10;
        w.Schwelle = 40;
        const int cycle = (i / 50) % 4;
        if (mode >= 4 && mode <= 7) {
            w.Phase = mode == 5 ? 5 + cycle % 2 : 7;
            w.Druck = 10 + (x >> 26);
        } else {
            w.Phase = mode == 9 ? cycle % 2 : cycle;
            w.Strom = (x >> 27) * 0.5;
        }
        a.Hinzufuegen(w);
    }
    return a.Abschliessen();
}

void BM_DecodeOneHour(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    const auto bytes = OneHour(mode);
    size_t samples = 0;
    for (auto _ : state) {
        const zud::Messung m = zud::FillArray(bytes.data(), bytes.size());
        zud::UebungsFooter f{};
        zud::ZUD12Statistik(m, m.Betriebsart, f);
        benchmark::DoNotOptimize(f);
        samples += m.Werte.size();
    }
    state.counters["samples_per_s"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
    state.SetLabel(zud::Betriebsart(mode)->Kurz);
}

} // namespace

BENCHMARK(BM_DecodeOneHour)->DenseRange(0, 7)->Arg(9)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
