#pragma once

// Recordings built byte by byte for the statistics and report tests: a program header, samples
// in the layout of the operating mode and an empty trailer; and the older variant.

#include "DeviceFiles.h"
#include "Recording.h"

#include <QByteArray>

#include <cstring>

namespace zud::test {

// A current-format recording: header of mode `mode` named `name` with the programmed duration
// `timeout`, the samples, a trailer of zeros (the statistics recompute it).
inline QByteArray Aufnahme(int mode, const QByteArray& proben, const char* name = "Kraft", int timeout = 10) {
    ProgrammParameter p{};
    p.Nummer = 1;
    p.Aktiviert = 1;
    p.Betriebsart = static_cast<uint8_t>(mode);
    p.Timeout = static_cast<uint8_t>(timeout);
    std::memcpy(p.Name, name, std::min(std::strlen(name), sizeof p.Name));
    QByteArray b(reinterpret_cast<const char*>(&p), sizeof p);
    b += proben;
    b += QByteArray(static_cast<int>(kFussBytes), '\0');
    return b;
}

// Modes 0..3: one word, phase in bits 15..12, range index in 11..8, value in 7..0; mode 3 adds a
// threshold byte and two more.
inline QByteArray EMGProbe(int phase, int bereich, int wert, int anzahl = 1, bool trigger = false) {
    QByteArray b;
    const int w = (phase << 12) | (bereich << 8) | wert;
    for (int i = 0; i < anzahl; ++i) {
        b += static_cast<char>(w & 0xFF);
        b += static_cast<char>(w >> 8);
        if (trigger) {
            b += static_cast<char>(50);
            b += QByteArray(2, '\0');
        }
    }
    return b;
}

// Modes 4..7: pressure in 1/100 mbar high byte first, phase byte; modes 6 and 7 a range byte
// (channel 1 in bits 3..0, channel 2 in 7..4) and the channel-1 value, mode 7 the channel-2 value.
inline QByteArray DruckProbe(int mode, int hundertstel, int phase, int anzahl = 1, int bereiche = 0,
                             int wert1 = 0, int wert2 = 0) {
    QByteArray b;
    for (int i = 0; i < anzahl; ++i) {
        b += static_cast<char>(hundertstel >> 8);
        b += static_cast<char>(hundertstel & 0xFF);
        b += static_cast<char>(phase << 4);
        if (mode == 6 || mode == 7) {
            b += static_cast<char>(bereiche);
            b += static_cast<char>(wert1);
        }
        if (mode == 7) {
            b += static_cast<char>(wert2);
        }
    }
    return b;
}

// Mode 9: both values, the range byte, the phase byte.
inline QByteArray ZweiKanalProbe(int wert1, int wert2, int bereiche, int phase, int anzahl = 1) {
    QByteArray b;
    for (int i = 0; i < anzahl; ++i) {
        b += static_cast<char>(wert1);
        b += static_cast<char>(wert2);
        b += static_cast<char>(bereiche);
        b += static_cast<char>(phase << 4);
    }
    return b;
}

// The older variant: a 253-byte header with "QAL" at bytes 63..65, scheme `s` at 36, mode code
// at 189, range table 1 at 208 and the programmed duration at 228; then the samples.
inline QByteArray AlteAufnahme(int modusCode, const QByteArray& proben, int timeout = 10, int schema = 1) {
    QByteArray b(static_cast<int>(kAlterKopfBytes), '\0');
    std::memcpy(b.data(), "12.03.2004", 10);
    std::memcpy(b.data() + 10, "10:11:12", 8);
    b[36] = static_cast<char>(schema);
    std::memcpy(b.data() + 63, "QAL", 3);
    b[189] = static_cast<char>(modusCode);
    b[208] = 1;
    b[228] = static_cast<char>(timeout);
    return b + proben;
}

// An EMG word of the older variant (code 5 relax, 6 contract, 3 pause, 4 current with 12 bits).
inline QByteArray AltesWort(int code, int bereich, int wert, int anzahl = 1) {
    QByteArray b;
    const int w = code == 4 ? ((code << 12) | (wert & 0x0FFF)) : ((code << 12) | (bereich << 8) | wert);
    for (int i = 0; i < anzahl; ++i) {
        b += static_cast<char>(w & 0xFF);
        b += static_cast<char>(w >> 8);
    }
    return b;
}

} // namespace zud::test
