#pragma once

// Byte-exact records that travel over the serial line. All numbers are little-endian
// (the host is checked to be little-endian), CRCs are stored high byte first.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

static_assert(std::endian::native == std::endian::little, "device records are laid out little-endian");

namespace zud {

#pragma pack(push, 1)

// File header of every transfer, listing entry and directory answer.
struct File {
    char filename[50];    // device path, zero-terminated when shorter than 50
    uint32_t size;        // file size in bytes
    uint16_t transferred; // not set by the host
    uint8_t Status;       // result code from the device
    uint8_t Attributes;   // not set by the host
    uint8_t Maske[6];     // sent: listing mask; received in a listing: date, time, duration words
    uint8_t crc[2];       // sent: header CRC; after a file block: the block acknowledgement
};
static_assert(sizeof(File) == 66);
static_assert(offsetof(File, size) == 50);
static_assert(offsetof(File, transferred) == 54);
static_assert(offsetof(File, Status) == 56);
static_assert(offsetof(File, Attributes) == 57);
static_assert(offsetof(File, Maske) == 58);
static_assert(offsetof(File, crc) == 64);

// Answer to "?".
struct VERSION {
    char FWVersion[13];
    char FWDate[11];
    char FWTime[9];
};
static_assert(sizeof(VERSION) == 33);
static_assert(offsetof(VERSION, FWDate) == 13);
static_assert(offsetof(VERSION, FWTime) == 24);

// Answer to "!", and the first part of the info block.
struct GeraeteDaten {
    uint8_t Typ;
    uint8_t Kunde;
    uint8_t Dummy;
    char SN[9];
    uint8_t crc[2];
};
static_assert(sizeof(GeraeteDaten) == 14);
static_assert(offsetof(GeraeteDaten, SN) == 3);
static_assert(offsetof(GeraeteDaten, crc) == 12);

// The application record of the info block.
struct ANWENDUNGEN {
    uint16_t Freigeschaltet;
    uint8_t Aktiv;
    uint8_t Dummy[27];
    uint8_t crc[2];
};
static_assert(sizeof(ANWENDUNGEN) == 32);
static_assert(offsetof(ANWENDUNGEN, Aktiv) == 2);
static_assert(offsetof(ANWENDUNGEN, crc) == 30);

#pragma pack(pop)

// Info block in the device's info area.
constexpr uint32_t kInfoblockAddress = 6272;
constexpr size_t kInfoblockSize = 128;
constexpr size_t kBlockSize = 1024;
constexpr size_t kMaxPathLen = 50;
constexpr size_t kMaxMaskLen = 6;
constexpr uint16_t kProgressEnd = 0xFFCC;

// A fixed-size text field as a string: up to the first zero or the whole field.
inline std::string FieldText(const char* field, size_t size) {
    size_t n = 0;
    while (n < size && field[n] != '\0') {
        ++n;
    }
    return std::string(field, n);
}

// Copies text into a fixed-size field, at most `size` characters; zero-filled behind it.
inline void SetFieldText(char* field, size_t size, const std::string& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size() < size ? text.size() : size);
}

// FAT date and time words of a listing.
constexpr uint16_t FatDate(int year, int month, int day) {
    return static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}
constexpr uint16_t FatTime(int hour, int minute, int second) {
    return static_cast<uint16_t>((hour << 11) | (minute << 5) | (second / 2));
}

} // namespace zud
