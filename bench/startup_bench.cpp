// Start-up of zud-software: from process start to the main window shown and idle, with an
// embedded database of 10,000 patients, offscreen. Also the time of a language switch with the
// main window open (the program's own measurement, printed by --smoke-test).

#include "PatientDatabase.h"
#include "Smoke.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zud;

struct Folder {
    QTemporaryDir dir;
    bool ready = false;
};

Folder& Prepared() {
    static Folder f;
    if (!f.ready) {
        qputenv("ZUD_DATA_DIR", f.dir.filePath(QStringLiteral("data")).toLocal8Bit());
        db::SetLockFolder(f.dir.filePath(QStringLiteral("data/lock")));
        DbLocation loc;
        loc.dir = f.dir.filePath(QStringLiteral("data/DB"));
        PatientDatabase dm(loc);
        dm.EnsureInstalled();
        dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        for (int i = 0; i < zud::bench::Size(10000, 20); ++i) {
            Patient p;
            p.Name = QStringLiteral("Name%1").arg(i, 5, 10, QLatin1Char('0'));
            p.Vorname = QStringLiteral("Vorname");
            p.Geburtstag = QDate(1940, 1, 1).addDays(i);
            dm.AddPatient(p);
        }
        f.ready = true;
    }
    return f;
}

void Run(benchmark::State& state, const QString& language) {
    Folder& f = Prepared();
    const QString config = f.dir.filePath(QStringLiteral("config-") + language);
    QDir().mkpath(config + QStringLiteral("/Brelk"));
    QFile conf(config + QStringLiteral("/Brelk/ZUD.conf"));
    conf.open(QIODevice::WriteOnly);
    conf.write(QStringLiteral("[General]\nLanguage=%1\n").arg(language).toUtf8());
    conf.close();
    double shown = 0;
    for (auto _ : state) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZUD_DATA_DIR"), f.dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("FIREBIRD_LOCK"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zud-software"),
                {QStringLiteral("--smoke-test")});
        p.waitForFinished(60000);
        const double wall = static_cast<double>(t.nsecsElapsed()) * 1e-9;
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const auto m = QRegularExpression(QStringLiteral("shown and idle after (\\d+) ms")).match(out);
        if (p.exitCode() != 0 || !m.hasMatch()) {
            state.SkipWithError("zud-software did not start");
            return;
        }
        shown = m.captured(1).toDouble() / 1000.0;
        state.SetIterationTime(shown);
        state.counters["process_wall_s"] = wall;
    }
    state.counters["shown_and_idle_s"] = shown;
}

void BM_StartupGerman(benchmark::State& state) {
    Run(state, QStringLiteral("de"));
}
void BM_StartupPolish(benchmark::State& state) {
    Run(state, QStringLiteral("pl"));
}

} // namespace

BENCHMARK(BM_StartupGerman)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupPolish)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
