// Large buffers go back to the system when they are freed, also after the first one: a program
// that runs all day keeps no freed images or archives in its heap.

#include "Allocator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>

namespace {

void* volatile gKeep; // the compiler must not drop an allocation it sees unused

constexpr size_t kMiB = 1024 * 1024;

void* Filled(size_t n) {
    void* p = std::malloc(n);
    std::memset(p, 0x5A, n);
    gKeep = p;
    return p;
}

// Bytes the allocator holds free in its heaps: memory the process keeps without using it.
size_t HeldFree() {
    return mallinfo2().fordblks;
}

} // namespace

TEST(Allocator, GivesLargeBuffersBackOnceFreed) {
    zud::KeepFreedBuffersOut();
    const size_t base = HeldFree();
    // The first large buffer: without fixed thresholds its freeing raises them to its size.
    std::free(Filled(8 * kMiB));
    // The next one of that size, freed at the heap's end.
    std::free(Filled(8 * kMiB));
    EXPECT_LT(HeldFree(), base + kMiB) << "kept at the heap's end";
    // One with a later, longer-lived allocation above it.
    void* image = Filled(6 * kMiB);
    void* small = Filled(64);
    std::free(image);
    EXPECT_LT(HeldFree(), base + kMiB) << "kept below a live allocation";
    std::free(small);
}
#endif
