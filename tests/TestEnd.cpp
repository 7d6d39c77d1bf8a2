#include "TestEnd.h"

#include "Database.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zud::test {

int EndTests(int rc) {
    db::EndClient();
#if defined(__SANITIZE_ADDRESS__)
    // Reports and ends the process with the sanitizer's exit code when something leaked; the
    // check at exit is then skipped.
    __lsan_do_leak_check();
#endif
    return rc;
}

} // namespace zud::test
