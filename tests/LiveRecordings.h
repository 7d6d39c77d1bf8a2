#pragma once

// A live recording as the live measurement finishes it, for tests that store recordings: `samples`
// samples of mode `mode`, in the phases the mode records (pressure phases for modes 4 to 7); a
// different `seed` gives different bytes.

#include "Recording.h"

#include <QByteArray>

namespace zud::test {

inline QByteArray LiveRecording(int mode, int samples, int seed = 0) {
    ProgrammParameter kopf{};
    kopf.Betriebsart = static_cast<uint8_t>(mode);
    kopf.Anspannzeit = 5;
    kopf.Entspannzeit = 5;
    Aufzeichnung a(kopf);
    for (int i = 0; i < samples; ++i) {
        Livewert w;
        w.EMG1 = static_cast<uint8_t>((i + seed) % 200);
        w.EMG2 = static_cast<uint8_t>((i * 3 + seed) % 200);
        w.Bereich1 = 9;
        w.Bereich2 = 10;
        w.Phase = mode >= 4 && mode <= 7 ? 5 + (i / 20) % 3 : (i / 20) % 3;
        w.Druck = 50 + (i + seed) % 30;
        a.Hinzufuegen(w);
    }
    const auto bytes = a.Abschliessen();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace zud::test
