#pragma once

namespace zud {

// The program runs all day and now and then holds a large buffer for a short while: a chart's
// image, a recording, an archive, a report. The C library's allocator raises its mmap
// threshold to the size of each such buffer that is freed: from then on buffers of that size
// come from the heap, freed memory at the heap's end goes back to the system only beyond twice
// that size, and freed memory below a live allocation not at all (over a day of charts drawn
// at full screen, 6 MiB stayed with the process). Fixed thresholds give every large buffer
// back to the system as soon as it is freed. Called first in main, before threads start.
void KeepFreedBuffersOut();

// After a step that held much data for a short while in many small pieces (every recording of a
// patient for the statistics, an export or an import, a read-out): the pages the allocator holds
// free go back to the system. Pieces freed among live ones would stay with the process
// otherwise, and over a day of such steps that came to some 3 MiB.
void GiveFreePagesBack();

// Gives them back when it goes: declared first in such a step, it does so after everything the
// step held is freed, whichever way the step ends.
class FreePagesBackAtEnd {
public:
    FreePagesBackAtEnd() = default;
    ~FreePagesBackAtEnd() { GiveFreePagesBack(); }
    FreePagesBackAtEnd(const FreePagesBackAtEnd&) = delete;
    FreePagesBackAtEnd& operator=(const FreePagesBackAtEnd&) = delete;
};

} // namespace zud
