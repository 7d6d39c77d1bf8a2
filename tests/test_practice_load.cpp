// The short form of the practice load: eight workstation processes read out their own devices
// into one server while two list patients and two edit the same patients.

#include "PracticeLoad.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zud::test {
namespace {

TEST(PracticeLoad, EveryRecordingArrivesOnceAndConflictsFailAtOnce) {
    LoadOptions o;
    o.workstations = 8;
    o.recordings = 12;
    o.binDir = QStringLiteral(ZUD_BIN_DIR);
    const LoadResult r = RunPracticeLoad(o);
    std::printf("stored %d in %.1f s under load, %d + %d patient lists (slowest %.0f / %.0f ms), %d refused "
                "edits (slowest %.0f ms)\n",
                r.stored, r.loadSeconds, r.lists, r.queries, r.slowestListMs, r.slowestQueryMs, r.conflicts,
                r.slowestConflictMs);
    EXPECT_TRUE(r.failures.isEmpty()) << r.failures.join(QLatin1Char('\n')).toStdString();
    // Every station's recordings, and those of the workstation that read out alone afterwards.
    EXPECT_EQ(r.stored, (o.workstations + 1) * o.recordings);
    EXPECT_GT(r.lists, 0);
    EXPECT_GT(r.queries, 0);
    EXPECT_GE(r.conflicts, 2);
    EXPECT_EQ(r.edits, r.conflicts);
}

} // namespace
} // namespace zud::test
