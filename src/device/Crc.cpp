#include "Crc.h"

#include <array>

namespace zud {

namespace {

constexpr std::array<uint16_t, 256> MakeTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t crc = static_cast<uint16_t>(i << 8);
        for (int bit = 0; bit < 8; ++bit) {
            crc =
                (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
        }
        table[i] = crc;
    }
    return table;
}

constexpr std::array<uint16_t, 256> kTable = MakeTable();

} // namespace

uint16_t Crc16(const uint8_t* data, size_t len, uint16_t crc) {
    for (size_t i = 0; i < len; ++i) {
        crc = static_cast<uint16_t>(kTable[((crc >> 8) ^ data[i]) & 0xFF] ^ (crc << 8));
    }
    return crc;
}

} // namespace zud
