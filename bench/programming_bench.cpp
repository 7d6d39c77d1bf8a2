// Device programming against the demo device emulated at 460,800 baud (paced, no device
// turnaround): the loading of the programming window (handshake, codes, system parameters,
// therapists, patients and all 36 program sets) and the transfer of one changed program, each
// with the ratio of the measured time to the pure wire time of the bytes that crossed the line
// (10 bits a byte); and the programming window's show after loading (no device involved).
// The loading waits 100 ms twice and 10 ms before each of its 42 list and program reads, as the
// device expects: 620 ms of its time are these pauses.

#include "Demo.h"
#include "Emulator.h"
#include "Programming.h"
#include "ProgrammingWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace zud;
constexpr uint32_t kBaud = 460800;

struct Device {
    Device()
        : emu([] {
              emu::Options o;
              o.baud = kBaud;
              return o;
          }()) {
        emu::LoadDemo(emu);
        ok = emu.Start();
        dev.ComPort = QString::fromStdString(emu.SlavePath());
    }
    double WireSeconds() const {
        const emu::Stats s = emu.GetStats();
        return static_cast<double>(s.bytesIn + s.bytesOut) * 10.0 / kBaud;
    }
    emu::Emulator emu;
    TZUD12 dev;
    bool ok = false;
};

void Report(benchmark::State& state, double wall, double wire, uint64_t bytes) {
    state.counters["wire_ms"] = wire * 1e3;
    state.counters["wall_ms"] = wall * 1e3;
    state.counters["ratio"] = wire > 0 ? wall / wire : 0;
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_Loading(benchmark::State& state) {
    Device d;
    if (!d.ok) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    for (auto _ : state) {
        d.emu.WaitIdle();
        d.emu.ResetStats();
        const auto t0 = std::chrono::steady_clock::now();
        try {
            wf::LadeProgrammierung(d.dev);
        } catch (const wf::WorkflowError&) {
            state.SkipWithError("loading failed");
            return;
        }
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.SetIterationTime(wall);
        const emu::Stats s = d.emu.GetStats();
        Report(state, wall, d.WireSeconds(), s.bytesIn + s.bytesOut);
    }
}
BENCHMARK(BM_Loading)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TransferOneProgram(benchmark::State& state) {
    Device d;
    if (!d.ok) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    try {
        wf::LadeProgrammierung(d.dev);
    } catch (const wf::WorkflowError&) {
        state.SkipWithError("loading failed");
        return;
    }
    wf::Programmierung m(d.dev);
    m.WaehleTherapeut(2);
    m.WaehlePatient(3);
    int v = 10;
    for (auto _ : state) {
        m.SetAnspannzeit(++v % 200); // one program changed: Temp.dat and one Prog.dat go out
        d.emu.WaitIdle();
        d.emu.ResetStats();
        const auto t0 = std::chrono::steady_clock::now();
        const wf::Uebertragung r = wf::Uebertrage(d.dev, {});
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (r.failed || r.geschrieben.size() != 2) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(wall);
        const emu::Stats s = d.emu.GetStats();
        Report(state, wall, d.WireSeconds(), s.bytesIn + s.bytesOut);
    }
}
BENCHMARK(BM_TransferOneProgram)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_WindowShow(benchmark::State& state) {
    Device d;
    if (!d.ok) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    try {
        wf::LadeProgrammierung(d.dev);
    } catch (const wf::WorkflowError&) {
        state.SkipWithError("loading failed");
        return;
    }
    ui::ProgrammingWindow w;
    w.SetPictureFile(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../share/zud-software/epos.German"));
    for (auto _ : state) {
        w.Prepare(&d.dev, nullptr, nullptr);
        w.SetLoading(true);
        const auto t0 = std::chrono::steady_clock::now();
        w.show();
        QApplication::processEvents(); // laid out and painted once
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.SetIterationTime(wall);
        w.hide();
    }
}
BENCHMARK(BM_WindowShow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
