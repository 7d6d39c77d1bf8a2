#include "Allocator.h"

#include <cstdlib> // on a GNU system this defines __GLIBC__

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zud {

void KeepFreedBuffersOut() {
#if defined(__GLIBC__)
    // The allocator's own defaults, fixed: setting them turns the raising off.
    constexpr int kLarge = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLarge);
    mallopt(M_TRIM_THRESHOLD, kLarge);
#endif
}

void GiveFreePagesBack() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace zud
