// A busy morning on the practice server: eight workstations read out 40 recordings each from
// their own devices through one Firebird server on loopback, while two list patients and two
// edit the same patients. Prints recordings per second under load and for one workstation
// alone, the slowest patient list and the slowest refused edit; fails on any lost, doubled or
// altered recording.
//   practice_bench [--workstations N] [--recordings N]

#include "PracticeLoad.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zud::test::LoadOptions o;
    o.binDir = QCoreApplication::applicationDirPath();
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--workstations")) {
            o.workstations = std::max(1, args[i + 1].toInt());
        } else if (args[i] == QLatin1String("--recordings")) {
            o.recordings = std::max(9, args[i + 1].toInt());
        }
    }
    const zud::test::LoadResult r = zud::test::RunPracticeLoad(o);
    const int underLoad = o.workstations * o.recordings;
    std::printf("workstations %d, recordings each %d\n", o.workstations, o.recordings);
    std::printf("under load: %d recordings in %.2f s = %.1f recordings/s through the server\n", underLoad,
                r.loadSeconds, r.loadSeconds > 0 ? underLoad / r.loadSeconds : 0.0);
    std::printf("one workstation alone: %d recordings in %.2f s = %.1f recordings/s\n", o.recordings,
                r.aloneSeconds, r.aloneSeconds > 0 ? o.recordings / r.aloneSeconds : 0.0);
    std::printf("patient lists during the load: %d, slowest %.0f ms (zudctl process included)\n", r.lists,
                r.slowestListMs);
    std::printf("patient lists of a logged-in workstation during the load: %d, slowest %.0f ms (all patients "
                "and one patient's recordings)\n",
                r.queries, r.slowestQueryMs);
    std::printf("refused edits of a held patient: %d, slowest %.0f ms; edits once free: %d\n", r.conflicts,
                r.slowestConflictMs, r.edits);
    std::printf("stored and checked byte for byte: %d\n", r.stored);
    for (const QString& f : r.failures) {
        std::fprintf(stderr, "FAILED: %s\n", qPrintable(f));
    }
    return r.failures.isEmpty() ? 0 : 1;
}
