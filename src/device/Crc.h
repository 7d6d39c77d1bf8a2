#pragma once

#include <cstddef>
#include <cstdint>

namespace zud {

// The device's CRC-16: polynomial 0x1021, initial value 0, no reflection, no final XOR.
// One routine serves command frames, file headers, data blocks and the device records.
uint16_t Crc16(const uint8_t* data, size_t len, uint16_t crc = 0);

// The CRC as it travels and is stored: high byte first.
inline void PutCrc(uint8_t* dst, uint16_t crc) {
    dst[0] = static_cast<uint8_t>(crc >> 8);
    dst[1] = static_cast<uint8_t>(crc & 0xFF);
}

inline uint16_t GetCrc(const uint8_t* src) {
    return static_cast<uint16_t>((src[0] << 8) | src[1]);
}

// Two bytes read as a little-endian unsigned 16-bit number (how the log reports byte pairs).
inline uint16_t LE16(const uint8_t* src) {
    return static_cast<uint16_t>(src[0] | (src[1] << 8));
}

} // namespace zud
