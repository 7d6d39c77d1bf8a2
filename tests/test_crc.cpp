#include "Crc.h"
#include "ProtocolRecords.h"
#include "TZUD12.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace zud;

// Values computed independently of our table (CRC-16/XMODEM).
TEST(Crc, CheckValueAndKnownFrames) {
    const uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(Crc16(check, sizeof check), 0x31C3);
    EXPECT_EQ(Crc16(nullptr, 0), 0);

    uint8_t x[8] = {'X'};
    EXPECT_EQ(Crc16(x, 8), 0xD5BE);
    uint8_t d[8] = {'D', 199};
    EXPECT_EQ(Crc16(d, 8), 0x96EC);
    std::vector<uint8_t> block(1024);
    for (size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<uint8_t>(i);
    }
    EXPECT_EQ(Crc16(block.data(), block.size()), 0xC2E0);
    // Computed in pieces it is the same.
    EXPECT_EQ(Crc16(block.data() + 100, 924, Crc16(block.data(), 100)), 0xC2E0);

    uint8_t stored[2];
    PutCrc(stored, 0xD5BE);
    EXPECT_EQ(stored[0], 0xD5);
    EXPECT_EQ(stored[1], 0xBE);
    EXPECT_EQ(GetCrc(stored), 0xD5BE);
    EXPECT_EQ(LE16(stored), 0xBED5);
}

TEST(Records, FatWordsAndTextFields) {
    EXPECT_EQ(FatDate(1980, 1, 1), 0x0021);
    EXPECT_EQ(FatDate(2024, 3, 15), ((2024 - 1980) << 9) | (3 << 5) | 15);
    EXPECT_EQ(FatTime(23, 59, 58), (23 << 11) | (59 << 5) | 29);

    char field[6];
    SetFieldText(field, sizeof field, "*.hdf");
    EXPECT_EQ(FieldText(field, sizeof field), "*.hdf");
    SetFieldText(field, sizeof field, "abcdefgh"); // cut to the field, no terminator
    EXPECT_EQ(std::string(field, 6), "abcdef");
    EXPECT_EQ(FieldText(field, sizeof field), "abcdef");
}

TEST(Records, ModelIndexAndApplicationTables) {
    struct Case {
        int code, index;
    } cases[] = {{0, 1},   {51, 1}, {151, 1}, {10, 2},  {152, 2}, {15, 3},  {153, 3}, {20, 4},
                 {154, 4}, {30, 5}, {115, 5}, {40, 6},  {116, 6}, {50, 7},  {117, 7}, {31, 8},
                 {118, 8}, {32, 9}, {52, 9},  {120, 9}, {155, 9}, {33, 10}, {82, 10}, {119, 10},
                 {34, 11}, {11, 0}, {1, 0},   {35, 0},  {60, 0},  {255, 0}, {83, 9},  {81, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModelIndex(static_cast<uint8_t>(c.code)), c.index) << "type code " << c.code;
    }
    const int codes[] = {0, 10, 11, 15, 20, 30, 31, 40, 50, 32, 33, 34};
    for (int a = 1; a <= 12; ++a) {
        EXPECT_EQ(ApplicationTypeCode(a), codes[a - 1]);
    }
    EXPECT_EQ(ApplicationTypeCode(0), -1);
    EXPECT_EQ(ApplicationTypeCode(13), -1);
    // Application 3 has a type code without a model.
    EXPECT_EQ(ModelIndex(static_cast<uint8_t>(ApplicationTypeCode(3))), 0);
}
