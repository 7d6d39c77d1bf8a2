#pragma once

// The recordings of the demo device as the window tests store them: M0001.hdf .. M0009.hdf of
// therapist 1's first patient, one of each mode (mode k - 1 for k = 1..9).

#include "Demo.h"
#include "Emulator.h"

#include <QByteArray>

#include <cstdio>

namespace zud::test {

inline QByteArray DemoRecording(int k) {
    static emu::Emulator* emu = [] {
        auto* e = new emu::Emulator;
        emu::LoadDemo(*e);
        return e;
    }();
    char name[64];
    std::snprintf(name, sizeof name, "0:\\Daten\\Th_0\\Pat_0\\M%04d.hdf", k);
    const auto bytes = emu->GetFile(name);
    return bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size()))
                 : QByteArray();
}

} // namespace zud::test
