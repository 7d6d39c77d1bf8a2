// Large buffers go back to the system when they are freed, also after the first one: a program
// that runs all day keeps no freed images or archives in its heap.

#include "Allocator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <unistd.h>

// The tests are about glibc's allocator; the address sanitizer replaces it with its own, whose
// heap the allocator's figures do not describe.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZUD_OWN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZUD_OWN_ALLOCATOR 1
#endif

#if defined(__GLIBC__) && !defined(ZUD_OWN_ALLOCATOR)
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

// The process's resident memory.
size_t Resident() {
    long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        long size = 0;
        if (std::fscanf(f, "%ld %ld", &size, &pages) != 2) {
            pages = 0;
        }
        std::fclose(f);
    }
    return static_cast<size_t>(pages) * static_cast<size_t>(sysconf(_SC_PAGESIZE));
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

// A step that held much data in small pieces (every recording of a patient) gives the pages
// back once they are freed, although pieces that live on sit among them.
TEST(Allocator, GivesFreePagesBackAfterAStep) {
    zud::KeepFreedBuffersOut();
    std::vector<void*> pieces;
    for (int i = 0; i < 4096; ++i) {
        pieces.push_back(Filled(6000)); // a recording of a minute, each below the large size
    }
    std::vector<void*> living;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i % 64 == 63) {
            living.push_back(pieces[i]);
        } else {
            std::free(pieces[i]);
        }
    }
    const size_t held = Resident();
    ASSERT_GE(HeldFree(), 16 * kMiB) << "the freed pieces should be the allocator's";
    zud::GiveFreePagesBack();
    EXPECT_LT(Resident() + 12 * kMiB, held) << "resident before " << held / kMiB << " MiB";
    for (void* p : living) {
        std::free(p);
    }
}
#endif
