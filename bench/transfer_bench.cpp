// Reading a one-hour recording (216,217 bytes) from the emulated device.
//
// Paced at 460,800 baud with 1 ms device turnaround per block, the transfer's efficiency is
// the time the line needs (every byte both ways at 10 bits per byte, plus the turnarounds)
// over the measured time; the reader's CPU time over the wall time shows that it waits
// without spinning. Unpaced, it shows how many blocks per second the protocol code moves
// over a pseudo-terminal.

#include "Emulator.h"
#include "TZUD12.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

constexpr size_t kRecordingBytes = 216217;
const char* const kPath = "0:\\Daten\\Th_0\\Pat_0\\Stunde.hdf";

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::vector<uint8_t> Recording() {
    std::vector<uint8_t> data(kRecordingBytes);
    uint32_t x = 12345;
    for (auto& b : data) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return data;
}

void ReadRecording(benchmark::State& state, uint32_t baud, uint32_t turnaroundUs) {
    zud::emu::Options options;
    options.baud = baud;
    options.turnaroundUs = turnaroundUs;
    zud::emu::Emulator emu(options);
    emu.PutFile(kPath, Recording());
    if (!emu.Start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    zud::TZUD12 dev;
    dev.ComPort = QString::fromStdString(emu.SlavePath());
    dev.Baud_Rate = 460800;
    dev.open();

    double wall = 0, cpu = 0, line = 0;
    uint64_t blocks = 0;
    for (auto _ : state) {
        emu.ResetStats();
        QByteArray data;
        const double cpu0 = ThreadCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = dev.ReadFile(QString::fromLatin1(kPath), data);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        cpu += ThreadCpuSeconds() - cpu0;
        if (!ok || data.size() != static_cast<qsizetype>(kRecordingBytes)) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(took);
        wall += took;
        blocks += (kRecordingBytes + 1023) / 1024;
        const zud::emu::Stats s = emu.GetStats();
        if (baud) {
            line += static_cast<double>(s.bytesIn + s.bytesOut) * 10.0 / baud +
                    static_cast<double>(s.turnarounds) * turnaroundUs * 1e-6;
        }
    }
    state.counters["cpu_per_wall"] = cpu / wall;
    state.counters["blocks_per_s"] = static_cast<double>(blocks) / wall;
    if (baud) {
        state.counters["efficiency"] = line / wall;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kRecordingBytes));
}

void BM_ReadRecordingPaced(benchmark::State& state) {
    ReadRecording(state, 460800, 1000);
}
void BM_ReadRecordingUnpaced(benchmark::State& state) {
    ReadRecording(state, 0, 0);
}

} // namespace

BENCHMARK(BM_ReadRecordingPaced)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecordingUnpaced)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
