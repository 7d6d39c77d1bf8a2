#include "TestEnd.h"

#include <ibase.h>

#include <QDir>
#include <QThread>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zud::test {

namespace {
int Threads() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}
} // namespace

int EndTests(int rc) {
    fb_shutdown(0, fb_shutrsn_exit_called);
    // The client's threads end on their own after the shutdown; the leak checker must not meet
    // one that is just ending. Wait until the number of threads has stayed the same for a while.
    int last = Threads();
    for (int stable = 0, i = 0; stable < 3 && i < 100; ++i) {
        QThread::msleep(10);
        const int now = Threads();
        stable = now == last ? stable + 1 : 0;
        last = now;
    }
#if defined(__SANITIZE_ADDRESS__)
    // Reports and ends the process with the sanitizer's exit code when something leaked;
    // the check at exit is then skipped.
    __lsan_do_leak_check();
#endif
    return rc;
}

} // namespace zud::test
