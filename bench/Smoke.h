#pragma once

// The smoke run of a benchmark: the tests run every benchmark once at its smallest size, with
// ZUD_BENCH_SMOKE=1, so that a benchmark that no longer runs fails the test command. The
// figures of such a run mean nothing; the sizes of a real run stay as they are.

#include <QtGlobal>

namespace zud::bench {

inline bool Smoke() {
    return qEnvironmentVariableIntValue("ZUD_BENCH_SMOKE") > 0;
}

// `full` for a measurement, `smoke` in the smoke run.
inline int Size(int full, int smoke) {
    return Smoke() ? smoke : full;
}

} // namespace zud::bench
