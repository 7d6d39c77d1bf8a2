// A whole read-out from the emulated device into an embedded database: 60 patient wanted with
// 20 recordings of 10 minutes each (mode 0), the device paced at 460,800 baud with 1 ms
// turnaround per block. Figures: the efficiency (the line's own time for every byte both ways
// and the turnarounds, over the measured time), the database's share of the time, and the
// host thread's CPU time over the wall time. ZUD_READOUT_SLOTS (1..60) makes it shorter.

#include "Emulator.h"
#include "PatientDatabase.h"
#include "Readout.h"
#include "Recording.h"
#include "Smoke.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>

namespace {

using namespace zud;

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Ten minutes of a mode-0 exercise made by the live recording writer.
std::vector<uint8_t> TenMinutes(int seed) {
    ProgrammParameter kopf{};
    kopf.Betriebsart = 0;
    Aufzeichnung a(kopf);
    for (int i = 0; i < 6000; ++i) {
        Livewert w;
        w.Phase = (i / 50) % 2;
        w.EMG1 = static_cast<uint8_t>((i * 7 + seed) % 200);
        w.Bereich1 = 11;
        a.Hinzufuegen(w);
    }
    return a.Abschliessen();
}

template <typename T> std::vector<uint8_t> Bytes(const T& rec) {
    const auto* p = reinterpret_cast<const uint8_t*>(&rec);
    return std::vector<uint8_t>(p, p + sizeof rec);
}

void BM_Readout(benchmark::State& state) {
    const int wanted =
        zud::bench::Smoke() ? 2 : std::clamp(qEnvironmentVariableIntValue("ZUD_READOUT_SLOTS"), 0, 60);
    const int nSlots = wanted > 0 ? wanted : 60;
    QTemporaryDir dir;
    qputenv("ZUD_DATA_DIR", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    db::SetLockFolder(dir.filePath(QStringLiteral("lock")));

    emu::Options options;
    options.baud = 460800;
    options.turnaroundUs = 1000;
    emu::Emulator emu(options);
    // Therapists and named patients in every slot of the grid.
    std::array<Stammdaten, 6> thera{};
    emu.PutFile("0:\\Daten\\Thera.dat", Bytes(thera));
    Systemparameter sys{};
    emu.PutFile("0:\\system\\syspara.dat", Bytes(sys));
    for (int t = 0; t < 6; ++t) {
        std::array<Stammdaten, 10> pats{};
        for (int p = 0; p < 10; ++p) {
            const std::string name = "Patient" + std::to_string(t * 10 + p);
            std::memcpy(pats[p].Name, name.data(), name.size());
            std::memcpy(pats[p].Vorname, "Bench", 5);
            pats[p].Geburtsdatum = static_cast<int64_t>(20000 + t * 10 + p) * 86400;
            pats[p].Anzahl = t * 10 + p < nSlots ? 20 : 0;
        }
        emu.PutFile(PatientenPfad(t), Bytes(pats));
    }
    uint64_t payload = 0;
    for (int s = 0; s < nSlots; ++s) {
        for (int r = 0; r < 20; ++r) {
            const auto rec = TenMinutes(s * 20 + r);
            payload += rec.size();
            char name[32];
            std::snprintf(name, sizeof name, "R%02d.hdf", r);
            emu.PutFile("0:\\Daten\\Th_" + std::to_string(s / 10) + "\\Pat_" + std::to_string(s % 10) + "\\" +
                            name,
                        rec, FatDate(2026, 1 + r % 12, 1 + r), FatTime(8 + r % 10, r, 0), 10);
        }
    }
    if (!emu.Start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    DbLocation loc;
    loc.dir = dir.filePath(QStringLiteral("db"));
    PatientDatabase dm(loc);
    dm.EnsureInstalled();
    dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    TZUD12 dev;
    dev.ComPort = QString::fromStdString(emu.SlavePath());

    for (auto _ : state) {
        emu.ResetStats();
        const double cpu0 = ThreadCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        wf::LeseMessungen(dev, dm);
        // Slots 7 to 10 carry no names on the device: the user assigns them.
        for (int k = 0; k < nSlots; ++k) {
            if (k % 10 >= 6) {
                Patient p;
                p.Name = QStringLiteral("Patient%1").arg(k);
                p.Vorname = QStringLiteral("Bench");
                p.Geburtstag = QDate(1900, 1, 1).addDays(20000 + k);
                wf::Zuweisen(dev, k / 10, k % 10, p);
                for (auto& e : dev.MessHeaders[static_cast<size_t>(k)]) {
                    e.Checked = true;
                }
            }
        }
        const auto r = wf::Uebertrage(dev, dm, false);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double cpu = ThreadCpuSeconds() - cpu0;
        if (r.failed || r.Stored() != nSlots * 20) {
            state.SkipWithError("read-out failed");
            return;
        }
        state.SetIterationTime(wall);
        const emu::Stats s = emu.GetStats();
        const double line = static_cast<double>(s.bytesIn + s.bytesOut) * 10.0 / 460800 +
                            static_cast<double>(s.turnarounds) * 1e-3;
        // The database's part: the same rows stored again without the device.
        QTemporaryDir dbDir;
        DbLocation other;
        other.dir = dbDir.filePath(QStringLiteral("db"));
        PatientDatabase second(other);
        second.EnsureInstalled();
        second.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        const auto d0 = std::chrono::steady_clock::now();
        const qint64 patient = second.AddPatient([] {
            Patient p;
            p.Name = QStringLiteral("Zeit");
            p.Vorname = QStringLiteral("Messung");
            p.Geburtstag = QDate(1960, 1, 1);
            return p;
        }());
        for (int i = 0; i < nSlots * 20; ++i) {
            const auto rec = TenMinutes(i);
            const QByteArray bytes(reinterpret_cast<const char*>(rec.data()),
                                   static_cast<qsizetype>(rec.size()));
            second.FindRecording(patient, QDate(2026, 1, 1).addDays(i), QTime(8, 0));
            const qint64 c = second.InsertRecording(patient, QDate(2026, 1, 1).addDays(i), QTime(8, 0), bytes,
                                                    QStringLiteral("ZUD12 Typ 1"), 100);
            second.GetRecording(c);
        }
        const double dbTime = std::chrono::duration<double>(std::chrono::steady_clock::now() - d0).count();
        state.counters["efficiency"] = line / wall;
        state.counters["database_share"] = dbTime / wall;
        state.counters["cpu_per_wall"] = cpu / wall;
        state.counters["wire_s"] = line;
        state.counters["wall_s"] = wall;
        state.counters["recordings"] = r.Stored();
    }
    state.SetBytesProcessed(static_cast<int64_t>(payload));
}

} // namespace

BENCHMARK(BM_Readout)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
