// Any bytes as a recording of the older variant, through the database's mode values.

#include "Recording.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zud;
    const Messung m = Dekodiere(data, size, -1, 1.0);
    UebungsFooter f{};
    ZUD12Statistik(m, m.Betriebsart, f);
    // Every sample takes at least two bytes after the header.
    if (m.Werte.size() > size / 2) {
        __builtin_trap();
    }
    if (!Dekodiere(data, size, -100, 1.0).Werte.empty()) {
        __builtin_trap();
    }
    return 0;
}
