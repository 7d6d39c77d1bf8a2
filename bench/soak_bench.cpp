// A long day on one workstation, compressed: read-outs of a few recordings each (deleted on the
// device once stored), live measurements saved, charts opened, drawn and closed, statistics,
// exports and imports of a patient; all in this one process against the emulated device and
// the embedded database, through the same workflows as the program, with the allocator set up
// as the program sets it. Prints the process's resident memory and open file descriptors after
// a warm-up (start), in the middle and at the end, with what the allocator holds (in use and
// free) and what the engine counts for the database, and checks the database afterwards.
// Fails when memory grew by 10 % or more after the warm-up (beyond what the database engine's
// page cache takes up as the database grows, measured on the cache's own mapping; judged from
// half a day on), when a descriptor stayed open, when a step lost or doubled a recording, or
// when the database check finds a problem. The emulator's log of the commands it received is
// dropped after each step: it is the device's side, not the workstation's.
//   soak_bench [--scale F] [--trim]   F = 1: 200 read-outs, 50 live measurements, 500 charts,
//                            20 statistics, 5 exports and imports (the smoke run uses less);
//                            --trim: see gTrim below

#include "Allocator.h"
#include "Chart.h"
#include "DatabaseCheck.h"
#include "Demo.h"
#include "Emulator.h"
#include "ExchangeDatabase.h"
#include "LiveCapture.h"
#include "PatientDatabase.h"
#include "Readout.h"
#include "Recording.h"
#include "Settings.h"
#include "Statistics.h"
#include "TZUD12.h"
#include "TestEnv.h"
#include "Zoom.h"
#include "Zudctl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace zud;

namespace {

struct Sample {
    const char* when;
    double rssMiB = 0;
    int fds = 0;
    double cacheMiB = 0;          // the database engine's page cache
    double cacheResidentMiB = -1; // of it in memory; negative when its mapping was not found
    double fileMiB = 0;           // the database file
    double heapUsedMiB = 0;       // the C library's allocator: in use (large blocks included)
    double heapFreeMiB = 0;       // and free in its heaps (pages given back to the system included)
    double engineMiB = 0;         // the engine's own count of the memory it uses for the database
    double trimmedRssMiB = -1;    // with --trim: after the allocator gave its free memory back
};

constexpr double kMiB = 1024.0 * 1024.0;

// --trim: after each measurement the allocator gives its free memory back (malloc_trim), and
// the RSS is measured again; that tells the allocator's free heap from memory in use. It
// changes the rest of the run, so memory is not judged then.
bool gTrim = false;

double Rss() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> f = statm.readAll().split(' ');
        if (f.size() > 1) {
            return f[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / kMiB;
        }
    }
    return 0;
}

Sample Measure(const char* when) {
    Sample s{when};
    s.rssMiB = Rss();
    s.fds = static_cast<int>(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
#if defined(__GLIBC__)
    const struct mallinfo2 m = mallinfo2();
    s.heapUsedMiB = static_cast<double>(m.uordblks + m.hblkhd) / kMiB;
    s.heapFreeMiB = static_cast<double>(m.fordblks) / kMiB;
    if (gTrim) {
        malloc_trim(0);
        s.trimmedRssMiB = Rss();
    }
#endif
    return s;
}

// The resident part of the engine's page buffers: it allocates them in one piece of
// (buffers + 1) pages, an anonymous mapping of its own, which the kernel may join with a
// neighbouring piece of the engine's memory (half a MiB of it was seen). Negative when there is
// no such mapping, or more than one.
double ResidentPageCache(qint64 buffers, qint64 pageSize) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (buffers <= 0 || pageSize <= 0 || !smaps.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const qint64 least = (buffers + 1) * pageSize;
    const qint64 most = least + 1024 * 1024;
    double found = -1;
    bool candidate = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() >= 5 && f[0].contains('-') && !line.startsWith("VmFlags")) {
            // A mapping: "start-end perms offset dev inode [name]".
            const QList<QByteArray> range = f[0].split('-');
            const qint64 size = range.size() == 2 ? static_cast<qint64>(range[1].toULongLong(nullptr, 16) -
                                                                        range[0].toULongLong(nullptr, 16))
                                                  : 0;
            candidate = f.size() == 5 && f[1].startsWith("rw") && size >= least && size <= most;
        } else if (candidate && f.size() >= 2 && f[0] == "Rss:") {
            if (found >= 0) {
                return -1; // two of that size: which one is the cache is not known
            }
            found = f[1].toDouble() / 1024.0;
            candidate = false;
        }
    }
    return found;
}

// A recording as the device stores it, made by the recording writer; `k` varies its values.
std::vector<uint8_t> DeviceRecording(int k) {
    ProgrammParameter kopf{};
    kopf.Betriebsart = static_cast<uint8_t>(k % 3 == 0 ? 0 : (k % 3 == 1 ? 6 : 9));
    kopf.Anspannzeit = 5;
    kopf.Entspannzeit = 5;
    Aufzeichnung a(kopf);
    for (int i = 0; i < 600; ++i) { // one minute
        Livewert w;
        w.EMG1 = static_cast<uint8_t>((i * 7 + k) % 200);
        w.EMG2 = static_cast<uint8_t>((i * 3 + k) % 200);
        w.Bereich1 = 9;
        w.Bereich2 = 10;
        w.Phase = kopf.Betriebsart == 6 ? 5 + (i / 50) % 3 : (i / 50) % 2;
        w.Druck = 40 + (i + k) % 60;
        a.Hinzufuegen(w);
    }
    return a.Abschliessen();
}

// A FAT date and time for the n-th recording of the day: distinct minutes.
uint16_t FatDate(int n) {
    return static_cast<uint16_t>(((2026 - 1980) << 9) | (3 << 5) | (1 + (n / 600) % 28));
}
uint16_t FatTime(int n) {
    return static_cast<uint16_t>(((7 + (n / 60) % 10) << 11) | ((n % 60) << 5));
}

class Day {
public:
    Day(const QTemporaryDir& dir, emu::Emulator& emu) : FDir(dir), FEmu(emu) {
        FLoc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(FLoc.dir);
        FDm = std::make_unique<PatientDatabase>(FLoc);
        FDm->EnsureInstalled();
        FDm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        FDev = std::make_unique<TZUD12>(dir.filePath(QStringLiteral("Logfile.txt")));
        FDev->ComPort = QString::fromStdString(emu.SlavePath());
    }

    // The first read-out stores the demo device's recordings and finds a slot to fill later.
    void FirstReadout() {
        wf::LeseMessungen(*FDev, *FDm);
        for (int i = 0; i < TZUD12::kSlots && FSlot < 0; ++i) {
            if (wf::IstZuordenbar(FDev->Patienten[i])) {
                FSlot = i;
            }
        }
        if (FSlot < 0) {
            Fail(QStringLiteral("the demo device has no patient to read out"));
            return;
        }
        Transfer(-1);
        FPatient = FDm->AllPatients().front().Identifikation;
    }

    // Three new recordings on the device, read out and deleted there.
    void Readout() {
        for (int i = 0; i < 3; ++i) {
            const int n = FFiles++;
            FEmu.PutFile(QStringLiteral("0:\\Daten\\Th_%1\\Pat_%2\\S%3.hdf")
                             .arg(FSlot / 10)
                             .arg(FSlot % 10)
                             .arg(n, 5, 10, QLatin1Char('0'))
                             .toStdString(),
                         DeviceRecording(n), FatDate(n), FatTime(n), 60);
        }
        wf::LeseMessungen(*FDev, *FDm);
        Transfer(3);
        ForgetDeviceLog();
    }

    // A live measurement through the real-time feed, saved as the main window saves it.
    void Live() {
        emu::LiveOptions o;
        o.mode = FLives % 2 == 0 ? 0 : 6;
        o.intervalMs = 0;
        o.samples = 300;
        FEmu.SetLive(o);
        const QString file = FDir.filePath(QStringLiteral("live.hdf"));
        QString out, err;
        QTextStream os(&out), es(&err);
        const int rc = RunZudctl({QStringLiteral("--port"), FDev->ComPort, QStringLiteral("--log"),
                                  FDir.filePath(QStringLiteral("Logfile.txt")), QStringLiteral("live"),
                                  QStringLiteral("--out"), file},
                                 os, es);
        es.flush();
        QFile f(file);
        if (rc != 0 || !f.open(QIODevice::ReadOnly)) {
            Fail(QStringLiteral("live measurement: %1").arg(err));
            return;
        }
        const QByteArray bytes = f.readAll();
        f.close();
        QFile::remove(file);
        const QDateTime at = QDateTime(QDate(2026, 4, 1), QTime(6, 0)).addSecs(60LL * FLives++);
        FDm->InsertRecording(FPatient, at.date(), at.time(), bytes, QStringLiteral("ZUD12"));
        ForgetDeviceLog();
    }

    // Opens a stored recording into a chart, draws it as the screen does and closes it.
    void Chart() {
        const auto list = FDm->ListRecordings(FPatient);
        if (list.empty()) {
            Fail(QStringLiteral("no recording to open"));
            return;
        }
        const auto r = FDm->OpenRecording(list[static_cast<size_t>(FCharts++) % list.size()].Counter);
        if (!r) {
            Fail(QStringLiteral("a listed recording does not open"));
            return;
        }
        const Messung m = Dekodiere(reinterpret_cast<const uint8_t*>(r->Daten.constData()),
                                    static_cast<size_t>(r->Daten.size()), r->Betriebsart);
        QImage image(1200, 700, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        DrawChart(p, m, ChartOptionen{}, 1200, 0, 96, Zoom{}, 0, 0, 700);
    }

    void Statistics() {
        const Statistik s = FillStatistik(*FDm, FPatient, StatOptionen{});
        if (s.SichtbareListen().empty()) {
            Fail(QStringLiteral("the statistics of a patient with recordings are empty"));
        }
    }

    // Exports the patient with all recordings and imports the archive again: nothing doubles.
    void ExportImport() {
        const int before = FDm->RecordingCount(FPatient);
        const QString archive = FDir.filePath(QStringLiteral("tag.qvz"));
        ExchangeDatabase x(FLoc);
        const ExportResult e = x.Export(FDm->Db(), {FPatient}, archive);
        if (e.recordings != before) {
            Fail(QStringLiteral("export: %1 of %2 recordings").arg(e.recordings).arg(before));
        }
        const auto patients = x.OpenArchive(archive);
        QList<qint64> ids;
        for (const ArchivePatient& p : patients) {
            ids << p.Identifikation;
        }
        x.Import(FDm->Db(), ids);
        x.CloseArchive();
        QFile::remove(archive);
        if (FDm->RecordingCount(FPatient) != before) {
            Fail(QStringLiteral("import: %1 recordings, %2 before")
                     .arg(FDm->RecordingCount(FPatient))
                     .arg(before));
        }
        ++FExchanges;
    }

    // Logs out and checks the whole database as "zudctl db verify" does.
    wf::DatabaseCheckResult Close() {
        FDm.reset();
        return wf::CheckDatabase(FLoc, QString::fromLatin1(kAdminUser), QString::fromLatin1(kAdminPassword));
    }

    // The size of the engine's page cache and of the database file.
    Sample Measured(const char* when) {
        Sample s = Measure(when);
        const auto rows = FDm->Db().Query(QStringLiteral(
            "select d.MON$PAGE_BUFFERS, d.MON$PAGE_SIZE, m.MON$MEMORY_USED from MON$DATABASE d "
            "left join MON$MEMORY_USAGE m on m.MON$STAT_ID = d.MON$STAT_ID"));
        if (!rows.empty()) {
            const qint64 buffers = rows.front().At(0).toLongLong();
            const qint64 pageSize = rows.front().At(1).toLongLong();
            s.cacheMiB = static_cast<double>(buffers * pageSize) / kMiB;
            s.cacheResidentMiB = ResidentPageCache(buffers, pageSize);
            s.engineMiB = rows.front().At(2).toDouble() / kMiB;
        }
        s.fileMiB = static_cast<double>(QFileInfo(FLoc.FilePath()).size()) / kMiB;
        return s;
    }

    int Stored() {
        int n = 0;
        for (const Patient& p : FDm->AllPatients()) {
            n += FDm->RecordingCount(p.Identifikation);
        }
        return n;
    }
    const QStringList& Failures() const { return FFailures; }

private:
    // The emulator stands in for the device and, for the tests, keeps every command it received:
    // over a day some 4 MiB in this process, although none of it is the workstation's memory
    // (the device is another machine). Nobody here reads it, so it is dropped after each step.
    void ForgetDeviceLog() { FEmu.ClearLog(); }

    void Transfer(int expected) {
        const wf::TransferResult r = wf::Uebertrage(*FDev, *FDm, true);
        if (r.failed) {
            Fail(QStringLiteral("read-out: %1").arg(r.error));
        } else if (expected >= 0 && r.Stored() != expected) {
            Fail(QStringLiteral("read-out stored %1 of %2").arg(r.Stored()).arg(expected));
        }
    }
    void Fail(const QString& what) {
        if (FFailures.size() < 20) {
            FFailures << what;
        }
    }

    const QTemporaryDir& FDir;
    emu::Emulator& FEmu;
    DbLocation FLoc;
    std::unique_ptr<PatientDatabase> FDm;
    std::unique_ptr<TZUD12> FDev;
    int FSlot = -1;
    qint64 FPatient = -1;
    int FFiles = 0;
    int FLives = 0;
    int FCharts = 0;
    int FExchanges = 0;
    QStringList FFailures;
};

int Scaled(int full, double scale) {
    return std::max(1, static_cast<int>(std::lround(full * scale)));
}

} // namespace

int main(int argc, char** argv) {
    // The allocator as the program sets it up.
    KeepFreedBuffersOut();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    double scale = 1.0;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            scale = std::clamp(args[++i].toDouble(), 0.0, 100.0);
        } else if (args[i] == QLatin1String("--trim")) {
            gTrim = true;
        }
    }
    const int readouts = Scaled(200, scale), lives = Scaled(50, scale), charts = Scaled(500, scale),
              statistics = Scaled(20, scale), exchanges = Scaled(5, scale);

    QTemporaryDir dir;
    test::IsolateProgramFolders(dir);
    db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
    emu::Emulator emu;
    if (!emu.Start()) {
        std::fprintf(stderr, "FAILED: the emulator does not start\n");
        return 1;
    }
    emu::LoadDemo(emu);
    QElapsedTimer clock;
    clock.start();
    int stored = 0;
    std::vector<Sample> samples;
    QStringList failures;
    wf::DatabaseCheckResult check;
    try {
        Day day(dir, emu);
        // Warm-up: every kind of step once, so that caches, the engine and the fonts are loaded.
        day.FirstReadout();
        day.Readout();
        day.Live();
        day.Chart();
        day.Statistics();
        day.ExportImport();
        samples.push_back(day.Measured("start"));
        // The day: each kind of step spread evenly over the read-outs.
        int done[4] = {};
        const int wanted[4] = {lives, charts, statistics, exchanges};
        for (int i = 1; i <= readouts; ++i) {
            day.Readout();
            for (int k = 0; k < 4; ++k) {
                while (done[k] < static_cast<int>(static_cast<long long>(wanted[k]) * i / readouts)) {
                    switch (k) {
                    case 0:
                        day.Live();
                        break;
                    case 1:
                        day.Chart();
                        break;
                    case 2:
                        day.Statistics();
                        break;
                    case 3:
                        day.ExportImport();
                        break;
                    }
                    ++done[k];
                }
            }
            if (i == readouts / 2) {
                samples.push_back(day.Measured("middle"));
            }
        }
        if (readouts < 2) {
            samples.push_back(day.Measured("middle"));
        }
        samples.push_back(day.Measured("end"));
        stored = day.Stored();
        failures = day.Failures();
        check = day.Close();
    } catch (const std::exception& e) {
        failures << QStringLiteral("stopped: %1").arg(QString::fromUtf8(e.what()));
    }
    emu.Stop();

    std::printf(
        "scale %.3g: %d read-outs of 3 recordings, %d live measurements saved, %d charts, %d statistics, "
        "%d exports and imports in %.1f s\n",
        scale, readouts, lives, charts, statistics, exchanges, clock.elapsed() / 1000.0);
    for (const Sample& s : samples) {
        std::printf("%-6s RSS %7.1f MiB, open descriptors %d; page cache %5.1f MiB", s.when, s.rssMiB, s.fds,
                    s.cacheMiB);
        if (s.cacheResidentMiB >= 0) {
            std::printf(" (%.1f MiB resident)", s.cacheResidentMiB);
        }
        std::printf(", database file %6.1f MiB\n", s.fileMiB);
        if (s.trimmedRssMiB >= 0) {
            std::printf("       RSS %.1f MiB once the allocator gave its free memory back\n",
                        s.trimmedRssMiB);
        }
        std::printf(
            "       allocator: %.1f MiB in use, %.1f MiB free in its heaps; the engine's own count for the "
            "database: %.1f MiB (page cache included)\n",
            s.heapUsedMiB, s.heapFreeMiB, s.engineMiB);
    }
    if (samples.size() == 3) {
        // The engine's page cache (allocated at the first attachment) becomes resident page by
        // page as the growing database passes through it: that is the cache working, not memory
        // the program loses. Its share is measured on its mapping, and never taken larger than
        // the database's growth up to the cache's size; what grows beyond it counts against the
        // limit, the allocator's free heap included.
        const Sample& a = samples[0];
        const Sample& e = samples[2];
        const double most = std::max(0.0, std::min(e.fileMiB, e.cacheMiB) - std::min(a.fileMiB, a.cacheMiB));
        const bool measured = a.cacheResidentMiB >= 0 && e.cacheResidentMiB >= 0;
        const double cached =
            measured ? std::clamp(e.cacheResidentMiB - a.cacheResidentMiB, 0.0, most) : most;
        const double rss = (e.rssMiB - a.rssMiB) / a.rssMiB * 100.0;
        const double growth = (e.rssMiB - a.rssMiB - cached) / a.rssMiB * 100.0;
        std::printf(
            "memory growth after warm-up: RSS %+.1f %% (%+.1f MiB); the page cache's share %.1f MiB (%s); "
            "the allocator's: %+.1f MiB in use, %+.1f MiB free in its heaps; beyond the page cache %+.1f %% "
            "(limit 10 %%); descriptors %+d\n",
            rss, e.rssMiB - a.rssMiB, cached,
            measured ? "measured on its mapping" : "not found, estimated from the file's growth",
            e.heapUsedMiB - a.heapUsedMiB, e.heapFreeMiB - a.heapFreeMiB, growth, e.fds - a.fds);
        // A short run says little about memory (the warm-up's effects dominate); from half a day on
        // the limit holds.
        std::printf(
            "left out of that figure: the page cache's growth, and the emulator's log of the commands it "
            "received (dropped after each step: the device's side, not the workstation's)\n");
        if (gTrim) {
            std::printf("with --trim: once the allocator gave its free memory back, RSS %+.1f MiB; memory "
                        "is not judged in this run\n",
                        e.trimmedRssMiB - a.trimmedRssMiB);
        } else if (growth >= 10.0 && scale >= 0.5) {
            failures << QStringLiteral("memory grew by %1 %").arg(growth, 0, 'f', 1);
        }
        if (samples[2].fds != samples[0].fds) {
            failures << QStringLiteral("%1 descriptors more than at the start")
                            .arg(samples[2].fds - samples[0].fds);
        }
    }
    std::printf("recordings in the database: %d\n", stored);
    for (const QString& p : std::as_const(check.problems)) {
        failures << QStringLiteral("db verify: %1").arg(p);
    }
    std::printf("%s\n", qPrintable(check.Summary()));
    for (const QString& f : std::as_const(failures)) {
        std::fprintf(stderr, "FAILED: %s\n", qPrintable(f));
    }
    return failures.isEmpty() ? 0 : 1;
}
