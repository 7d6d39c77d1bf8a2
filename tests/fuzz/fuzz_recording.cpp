// Any bytes as a current-format recording: decode, statistics, cropping, and the cropped
// copy decoded again.

#include "Recording.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zud;
    const Messung m = FillArray(data, size, size % 2 ? 0.75 : 1.0);
    UebungsFooter f{};
    ZUD12Statistik(m, m.Betriebsart, f);
    if (f.Length != m.Werte.size()) {
        __builtin_trap();
    }
    if (size >= 2) {
        // The first two bytes choose the crop, the rest is the recording.
        const double faktor = 1.0 + data[0] / 16.0;
        const double offset = data[1] / 255.0;
        const auto cut = CutStream(data + 2, size - 2, faktor, offset);
        if (!cut.empty()) {
            const Messung c = FillArray(cut.data(), cut.size());
            const auto footer = LeseFooter(cut.data(), cut.size());
            if (!footer || footer->Length != c.Werte.size() || c.Werte.size() > m.Werte.size() + size) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
