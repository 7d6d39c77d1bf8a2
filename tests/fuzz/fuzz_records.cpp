// Any bytes as device records: program file, person records, system parameters, codes.
// Device -> memory -> device without edits gives back every byte, and reports nothing.

#include "DeviceFiles.h"

#include <cstring>

namespace {

template <typename T> T From(const uint8_t* data, size_t size) {
    T rec{};
    std::memcpy(&rec, data, std::min(size, sizeof rec));
    return rec;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zud;
    if (size == 0) {
        return 0;
    }
    const int sprache = data[0] % 6; // 5 = a language the device does not have
    ++data;
    --size;

    const auto prog = From<Programmdatei>(data, size);
    ProgrammdateiCrcOk(prog);
    Programmsatz mem{};
    ProgrammeZuSpeicher(prog, mem, sprache);
    Programmdatei back = prog;
    bool err = false;
    ProgrammeZuGeraet(mem, back, sprache, err);
    if (std::memcmp(&back, &prog, sizeof back) != 0 || err) {
        __builtin_trap();
    }

    const auto person = From<Stammdaten>(data, size);
    Stammsatz s;
    StammZuSpeicher(person, s, sprache);
    Stammdaten pback = person;
    err = false;
    StammZuGeraet(s, pback, sprache, err);
    if (std::memcmp(&pback, &person, sizeof pback) != 0 || err) {
        __builtin_trap();
    }
    IstLeer(s);

    const auto sys = From<Systemparameter>(data, size);
    SystemCrc(sys);
    auto codes = From<Codes>(data, size);
    SetCodesCrc(codes);

    uint8_t muster[13];
    CalcStimMuster(muster, size > 0 ? data[0] : 0);
    CalcMittelfrequenzMuster(muster, size > 1 ? data[1] : 0);
    return 0;
}
