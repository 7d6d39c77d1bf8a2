// The live measurement against its 100 ms budget per sample (10 samples per second): the main
// window's handling of one value (append to the recording, running figures, the new segment of
// the live chart), a full redraw of the live chart at 1920 x 1080, and the feed's
// acknowledgement latency (value in, "%" out) over a pseudo-terminal against the emulator.

#include "Emulator.h"
#include "LiveCapture.h"
#include "LiveChart.h"
#include "LiveTone.h"
#include "TZUD12.h"
#include "TZUD12Thread.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

namespace {

zud::ProgrammParameter Programm(int mode) {
    const std::vector<uint8_t> p = zud::emu::LiveProgram(mode);
    zud::ProgrammParameter k{};
    std::memcpy(&k, p.data(), sizeof k);
    return k;
}

// The value of sample i as the feed would decode it.
zud::EZProbe Probe(int mode, int i, int zyklus) {
    const zud::ProgrammParameter k = Programm(mode);
    const auto pk = zud::emu::MakeLivePacket(zud::emu::LiveProgram(mode), i, 5);
    zud::EZProbe p;
    p.Werte.BA = static_cast<uint8_t>(mode);
    p.Werte.Phase = static_cast<uint8_t>(pk.phase);
    p.Werte.EMG1 = pk.b[0];
    p.Werte.EMG2 = pk.b[1];
    p.Werte.Bereich1 = 11; // a steady range: no redraw for a range change
    p.Werte.Bereich2 = 11;
    p.Werte.Schwelle = 40;
    p.Werte.StromRoh = pk.b[0];
    p.Werte.Strom = pk.b[0] / 10.0;
    p.Werte.DruckWort = static_cast<uint16_t>(1000 + (i % 50));
    p.Werte.Druck = p.Werte.DruckWort / 100.0;
    p.Counter = i % std::max(1, zyklus * 10);
    p.EMGFilter1 = pk.b[0];
    p.GWerte_bekommen = i + 1;
    p.Zykluslaenge = zyklus;
    (void)k;
    return p;
}

// Per value: what the window does with it. Counted over a whole cycle, so the full redraw at
// the start of each cycle is in the average as it is in a run.
void BM_Handler(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    zud::ui::LiveChart chart;
    chart.resize(1920, 1080);
    const zud::ProgrammParameter k = Programm(mode);
    const int zyklus = zud::EZZykluslaenge(k, 0);
    zud::LiveCapture cap;
    cap.Programm(k);
    zud::LiveTone tone;
    tone.Programm(k);
    chart.Start(k);
    int i = 0;
    for (auto _ : state) {
        const zud::EZProbe p = Probe(mode, i++, zyklus);
        cap.Probe(p);
        benchmark::DoNotOptimize(tone.Probe(p));
        chart.Add(p, cap.Laufend());
    }
    state.counters["full_redraws"] = chart.FullRedraws();
}
BENCHMARK(BM_Handler)->Arg(0)->Arg(3)->Arg(5)->Arg(7)->Arg(9)->Unit(benchmark::kMicrosecond);

// A full redraw of a whole cycle (60 s in mode 7: 600 samples) at 1920 x 1080.
void BM_FullRedraw(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    zud::ui::LiveChart chart;
    chart.resize(1920, 1080);
    const zud::ProgrammParameter k = Programm(mode);
    const int zyklus = zud::EZZykluslaenge(k, 0);
    zud::LiveCapture cap;
    cap.Programm(k);
    chart.Start(k);
    const int n = std::max(1, zyklus * 10) - 1;
    for (int i = 0; i < n; ++i) {
        const zud::EZProbe p = Probe(mode, i, zyklus);
        cap.Probe(p);
        chart.Add(p, cap.Laufend());
    }
    const QByteArray laufend = cap.Laufend();
    for (auto _ : state) {
        chart.Redraw(laufend);
    }
}
BENCHMARK(BM_FullRedraw)->Arg(0)->Arg(7)->Arg(9)->Unit(benchmark::kMillisecond);

// Value in, "%" out: the emulator sends a sample and times the acknowledgement.
void BM_AckLatency(benchmark::State& state) {
    zud::emu::Emulator emu;
    if (!emu.Start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    zud::TZUD12 dev;
    dev.ComPort = QString::fromStdString(emu.SlavePath());
    dev.open();
    std::vector<double> alle;
    for (auto _ : state) {
        zud::emu::LiveOptions o;
        o.mode = 7;
        o.intervalMs = 0;
        o.samples = 2000;
        emu.SetLive(o);
        dev.CreateEZThread();
        dev.StartEZThread();
        dev.WaitEZThread(60000);
        const auto l = emu.LiveAckLatencies();
        alle.insert(alle.end(), l.begin(), l.end());
    }
    std::sort(alle.begin(), alle.end());
    if (!alle.empty()) {
        state.counters["median_us"] = alle[alle.size() / 2];
        state.counters["p99_us"] = alle[alle.size() * 99 / 100];
        state.counters["max_us"] = alle.back();
    }
}
BENCHMARK(BM_AckLatency)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
