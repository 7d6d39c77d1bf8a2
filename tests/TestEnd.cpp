#include "TestEnd.h"

#include <ibase.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zud::test {

int EndTests(int rc) {
    fb_shutdown(0, fb_shutrsn_exit_called);
#if defined(__SANITIZE_ADDRESS__)
    // Reports and ends the process with the sanitizer's exit code when something leaked;
    // the check at exit is then skipped.
    __lsan_do_leak_check();
#endif
    return rc;
}

} // namespace zud::test
