// The recording format: decoding, the older variant, statistics, cropping, the live writer.

#include "QtPrinters.h"

#include "Recording.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zud;

namespace {

// A current-format recording: header of `mode`, the given sample bytes, an empty trailer.
std::vector<uint8_t> Stream(int mode, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> s(kKopfBytes, 0);
    s[2] = static_cast<uint8_t>(mode);
    s.insert(s.end(), samples.begin(), samples.end());
    s.resize(s.size() + kFussBytes, 0);
    return s;
}

Messung Decode(const std::vector<uint8_t>& s, double faktor = 1.0) {
    return FillArray(s.data(), s.size(), faktor);
}

// An older-variant stream with scheme s, old mode code m and range table selector t.
std::vector<uint8_t> Alt(int s, int m, int t, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> h(kAlterKopfBytes, 0);
    std::memcpy(h.data(), "01.02.2003", 10);
    std::memcpy(h.data() + 10, "12:34:56", 8);
    h[36] = static_cast<uint8_t>(s);
    h[189] = static_cast<uint8_t>(m);
    h[208] = static_cast<uint8_t>(t);
    h.insert(h.end(), samples.begin(), samples.end());
    return h;
}

ProgrammParameter Kopf(int mode) {
    ProgrammParameter p{};
    p.Betriebsart = static_cast<uint8_t>(mode);
    p.Anspannzeit = 5;
    p.Entspannzeit = 5;
    return p;
}

} // namespace

TEST(Decoder, ModeTable) {
    EXPECT_STREQ(Betriebsart(3)->Lang, "EMG-gesteuerte Elektrostim.      ");
    EXPECT_STREQ(Betriebsart(9)->Kurz, "EMG 2CH");
    const int sizes[10] = {2, 2, 2, 5, 3, 3, 5, 6, 0, 4};
    for (int m = 0; m < 10; ++m) {
        EXPECT_EQ(Probenbytes(m), sizes[m]);
    }
    EXPECT_EQ(Betriebsart(10), nullptr);
    EXPECT_EQ(Probenbytes(-1), 0);
    EXPECT_EQ(EMGBereich(11), 200);
    EXPECT_EQ(EMGBereich(13), 0);
    EXPECT_EQ(AlterEMGBereich(6, false), 30);
    EXPECT_EQ(AlterEMGBereich(10, false), 0);
    EXPECT_EQ(AlterEMGBereich(6, true), 25);
}

TEST(Decoder, WorkedExamplesOfTheEmgModes) {
    // Header and trailer only: no samples.
    EXPECT_TRUE(Decode(Stream(0, {})).Werte.empty());
    EXPECT_EQ(Decode(Stream(0, {})).Betriebsart, 0);

    // 0x1B64: phase 1, range 11 (200 µV), value 100; then 0x3032: phase 3, 5.0 mA.
    const Messung m = Decode(Stream(0, {0x64, 0x1B, 0x32, 0x30}));
    ASSERT_EQ(m.Werte.size(), 2u);
    EXPECT_EQ(m.Werte[0].Phase, 1);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1_RAW, 100);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1, 100);
    EXPECT_DOUBLE_EQ(m.Werte[0].Bereich1, 200);
    EXPECT_EQ(m.Werte[1].Phase, 3);
    EXPECT_DOUBLE_EQ(m.Werte[1].Strom_RAW, 5.0);
    EXPECT_DOUBLE_EQ(m.Werte[1].Strom, 0); // median of {0,0,0,0,5}
    EXPECT_DOUBLE_EQ(m.Werte[1].Bereich1, 2.5);
    EXPECT_DOUBLE_EQ(m.Werte[1].EMG1, 0);

    // The moving average and the median over five, the median restarting with each current phase.
    std::vector<uint8_t> b;
    for (int v : {200, 0, 0, 0, 0, 0}) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(0x0B); // phase 0, range 200 µV
    }
    for (int i = 0; i < 4; ++i) {
        b.push_back(50); // 5.0 mA
        b.push_back(0x30);
    }
    b.push_back(0);
    b.push_back(0x0B);
    b.push_back(50);
    b.push_back(0x30);
    const Messung s = Decode(Stream(2, b));
    ASSERT_EQ(s.Werte.size(), 12u);
    EXPECT_DOUBLE_EQ(s.Werte[0].EMG1, 200);
    EXPECT_DOUBLE_EQ(s.Werte[1].EMG1, 160); // {200,200,200,200,0}
    EXPECT_DOUBLE_EQ(s.Werte[5].EMG1, 0);
    EXPECT_DOUBLE_EQ(s.Werte[6].Strom, 0);  // {0,0,0,0,5}
    EXPECT_DOUBLE_EQ(s.Werte[7].Strom, 0);  // {0,0,0,5,5}
    EXPECT_DOUBLE_EQ(s.Werte[8].Strom, 5);  // {0,0,5,5,5}
    EXPECT_DOUBLE_EQ(s.Werte[11].Strom, 0); // restarted from zeros

    // Mode 3: threshold byte × R / 100 and two bytes not evaluated.
    const Messung t = Decode(Stream(3, {100, 0x1A, 40, 0xEE, 0xEE}));
    ASSERT_EQ(t.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(t.Werte[0].EMG1_RAW, 50); // 100 × 100 / 200
    EXPECT_DOUBLE_EQ(t.Werte[0].Schwelle, 40); // 40 × 100 / 100

    // Mode 9: both channels, range byte, phase byte.
    const Messung z = Decode(Stream(9, {100, 50, 0xB8, 0x10}));
    ASSERT_EQ(z.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(z.Werte[0].EMG1_RAW, 25); // range 8: 50 µV
    EXPECT_DOUBLE_EQ(z.Werte[0].EMG2_RAW, 50); // range 11: 200 µV
    EXPECT_EQ(z.Werte[0].Phase, 1);
}

TEST(Decoder, PressureModes) {
    // 0x03 0xE8 0x50: 10.00 mbar, phase 5; 7.5 in mmHg.
    Messung m = Decode(Stream(4, {0x03, 0xE8, 0x50}));
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Druck, 10.0);
    EXPECT_EQ(m.Werte[0].Phase, 5);
    EXPECT_DOUBLE_EQ(m.Werte[0].Schwelle, 10.0);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1, 0); // phases 5 and 6 carry pressure only
    m = Decode(Stream(4, {0x03, 0xE8, 0x50}), Einheitenfaktor(Druckeinheit::mmHg));
    EXPECT_DOUBLE_EQ(m.Werte[0].Druck, 7.5);

    // Mode 6 (5 bytes) and 7 (6 bytes): channel 1 range in bits 3..0.
    m = Decode(Stream(6, {0x01, 0x2C, 0x70, 0x8B, 100, /**/ 0x02, 0x58, 0x70, 0x8B, 200}));
    ASSERT_EQ(m.Werte.size(), 2u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Druck, 3.0);
    EXPECT_DOUBLE_EQ(m.Werte[0].Bereich1, 200);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1_RAW, 100);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG2_RAW, 100); // fixed second channel
    EXPECT_DOUBLE_EQ(m.Werte[1].Schwelle, 3.0); // the first sample's pressure
    m = Decode(Stream(7, {0x01, 0x2C, 0x70, 0x8B, 100, 20}));
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Bereich2, 50);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG2_RAW, 5);
}

TEST(Decoder, AnyBytesAreSafe) {
    // Modes without a layout, a cut-off last sample, phases above 7, range indices above 12.
    EXPECT_TRUE(Decode(Stream(8, {1, 2, 3, 4})).Werte.empty());
    EXPECT_TRUE(Decode(Stream(10, {1, 2, 3, 4})).Werte.empty());
    EXPECT_EQ(Decode(Stream(7, std::vector<uint8_t>(6 * 3 + 4, 0x50))).Werte.size(), 3u);
    EXPECT_TRUE(Decode(Stream(0, {0x00, 0x8B, 0x00, 0xFD})).Werte.empty()); // phases 8 and 15
    const Messung r = Decode(Stream(0, {100, 0x0F}));
    ASSERT_EQ(r.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(r.Werte[0].EMG1_RAW, 0);
    std::vector<uint8_t> tiny(50, 0);
    EXPECT_TRUE(FillArray(tiny.data(), tiny.size()).Werte.empty());
    EXPECT_TRUE(FillArray(nullptr, 0).Werte.empty());
}

TEST(OlderVariant, WorkedExamplesAndLayouts) {
    // s = 1, m = 1, new range table: 0x64 0x6B: code 6, range 11, value 100.
    Messung m = FillArrayAlt(Alt(1, 1, 1, {0x64, 0x6B}).data(), kAlterKopfBytes + 2);
    EXPECT_EQ(m.Betriebsart, 0);
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_EQ(m.Werte[0].Phase, 1);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1_RAW, 100);
    // The older table: index 6 is 30 µV.
    m = FillArrayAlt(Alt(1, 1, 0, {0x64, 0x66}).data(), kAlterKopfBytes + 2);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1_RAW, 15);
    // m = 9: one pressure word, phase 7.
    auto s = Alt(1, 9, 1, {0xE8, 0x03});
    m = FillArrayAlt(s.data(), s.size());
    EXPECT_EQ(m.Betriebsart, 4);
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Druck, 10.0);
    EXPECT_EQ(m.Werte[0].Phase, 7);

    // Scheme 1: threshold after codes 7..9, an extra byte after current code 4 with m = 4,
    // unknown codes give no sample.
    s = Alt(1, 4, 1, {0x64, 0x7B, 50, /**/ 0x2C, 0x41, 0xFF, /**/ 0x00, 0x1B, /**/ 0x10, 0x5B});
    m = FillArrayAlt(s.data(), s.size());
    EXPECT_EQ(m.Betriebsart, 3);
    ASSERT_EQ(m.Werte.size(), 3u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Schwelle, 100); // 50 × 200 / 100
    EXPECT_EQ(m.Werte[1].Phase, 3);
    EXPECT_DOUBLE_EQ(m.Werte[1].Strom, 30.0); // 0x12C = 300 × 0.1 mA, all 12 bits
    EXPECT_DOUBLE_EQ(m.Werte[1].Bereich1, 0);
    EXPECT_EQ(m.Werte[2].Phase, 0);

    // Scheme 2: channel 2 lands on the last sample.
    s = Alt(2, 1, 1, {100, 0x6B, 50, 0x6B, /**/ 100, 0x3B, 20, 0x5B});
    m = FillArrayAlt(s.data(), s.size());
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG2_RAW, 20); // the second pair's channel 2
    // m = 12: pressure and a phase byte; m = 11: pressure and two channels.
    s = Alt(1, 12, 1, {0x10, 0x27, 0x60});
    m = FillArrayAlt(s.data(), s.size());
    EXPECT_EQ(m.Betriebsart, 5);
    EXPECT_EQ(m.Werte[0].Phase, 6);
    EXPECT_DOUBLE_EQ(m.Werte[0].Druck, 100);
    s = Alt(1, 11, 1, {0x10, 0x27, 100, 0x0B, 20, 0x08});
    m = FillArrayAlt(s.data(), s.size());
    EXPECT_EQ(m.Betriebsart, 7);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG2_RAW, 5);

    // Layouts that match nothing, and the oldest variant, yield nothing.
    s = Alt(3, 1, 1, {1, 2, 3, 4});
    EXPECT_TRUE(FillArrayAlt(s.data(), s.size()).Werte.empty());
    s = Alt(1, 1, 1, {0x64, 0x6B});
    EXPECT_EQ(Dekodiere(s.data(), s.size(), -1).Werte.size(), 1u);
    EXPECT_EQ(Dekodiere(s.data(), s.size(), -99).Werte.size(), 1u);
    EXPECT_TRUE(Dekodiere(s.data(), s.size(), -100).Werte.empty());
    EXPECT_TRUE(FillArrayAlt(s.data(), 100).Werte.empty());
}

TEST(Statistics, GroupsHoldAndBasePressure) {
    // Mode 0: contract 100 and 50 µV, relax 20, pause 10, one current of 5 mA.
    std::vector<uint8_t> b = {200, 0x1A, 100, 0x1A, 40, 0x0A, 20, 0x2A, 50, 0x30};
    Messung m = Decode(Stream(0, b));
    UebungsFooter f{};
    f.Status = 0xDEADBEEF; // carried
    ZUD12Statistik(m, 0, f);
    EXPECT_EQ(+f.Length, 5u);
    EXPECT_FLOAT_EQ(+f.avg_Anspannen, 150);
    EXPECT_EQ(+f.avg_Anspannen_Count, 2u);
    EXPECT_FLOAT_EQ(+f.min_Anspannen, 50);
    EXPECT_FLOAT_EQ(+f.max_Anspannen, 100);
    EXPECT_FLOAT_EQ(+f.avg_Entspannen, 20);
    EXPECT_FLOAT_EQ(+f.avg_Pause, 10);
    EXPECT_FLOAT_EQ(+f.avg_Strom, 5);
    EXPECT_EQ(+f.Status, 0xDEADBEEF);
    EXPECT_EQ(+f.Haltedauer, 0u);

    // Empty groups: count 0, minimum 300, maximum 0.
    m = Decode(Stream(0, {}));
    ZUD12Statistik(m, 0, f);
    EXPECT_EQ(+f.Length, 0u);
    EXPECT_FLOAT_EQ(+f.min_Strom, 300);
    EXPECT_FLOAT_EQ(+f.max_Strom, 0);

    // Mode 4 (pressure, phase 7): hold = longest run at or above the middle of min and max.
    std::vector<uint8_t> p;
    for (int mbar : {10, 50, 60, 55, 20, 58, 59, 57, 56, 10}) {
        p.push_back(static_cast<uint8_t>((mbar * 100) >> 8));
        p.push_back(static_cast<uint8_t>((mbar * 100) & 0xFF));
        p.push_back(0x70);
    }
    m = Decode(Stream(4, p));
    ZUD12Statistik(m, 4, f);
    EXPECT_EQ(+f.avg_Strom_Count, 10u);
    EXPECT_FLOAT_EQ(+f.max_Strom, 60);
    EXPECT_EQ(+f.Haltedauer, 4u); // 58, 59, 57, 56 ≥ 35
    EXPECT_FLOAT_EQ(+f.Basisdruck, 10);

    // Mode 9: the second channel feeds the pause and current groups.
    m = Decode(Stream(9, {100, 100, 0xBB, 0x00, 100, 100, 0xBB, 0x10}));
    ZUD12Statistik(m, 9, f);
    EXPECT_EQ(+f.avg_Pause_Count, 1u);
    EXPECT_EQ(+f.avg_Strom_Count, 1u);
    EXPECT_FLOAT_EQ(+f.avg_Strom, 100);
}

TEST(Cropping, KeepsTheVisiblePartWithFreshStatistics) {
    for (int mode : {0, 3, 4, 6, 7, 9}) {
        const int bytes = Probenbytes(mode);
        std::vector<uint8_t> samples;
        for (int i = 0; i < 100; ++i) {
            for (int k = 0; k < bytes; ++k) {
                samples.push_back(static_cast<uint8_t>(i));
            }
        }
        auto in = Stream(mode, samples);
        in[kKopfBytes - 1] = 0x5C;         // header bytes are kept
        in[in.size() - kFussBytes] = 0x77; // device trailer fields are not
        const auto out = CutStream(in.data(), in.size(), 2.0, 0.25);
        ASSERT_EQ(out.size(), kKopfBytes + 50u * static_cast<size_t>(bytes) + kFussBytes) << "mode " << mode;
        EXPECT_TRUE(std::equal(in.begin(), in.begin() + kKopfBytes, out.begin()));
        EXPECT_EQ(out[kKopfBytes], 25); // samples 25..74
        EXPECT_EQ(out[out.size() - kFussBytes - 1], 74);
        const auto f = LeseFooter(out.data(), out.size());
        ASSERT_TRUE(f);
        EXPECT_EQ(+f->Status, 0u);
        EXPECT_EQ(+f->Betriebsart, mode);
        EXPECT_EQ(+f->Length, Decode(out).Werte.size());
    }
    // Out-of-range factors and offsets are held to the recording.
    auto in = Stream(0, std::vector<uint8_t>(20, 0x01));
    EXPECT_EQ(CutStream(in.data(), in.size(), 0.5, 2.0).size(), kKopfBytes + kFussBytes);
    EXPECT_EQ(CutStream(in.data(), in.size(), 1.0, 0.0).size(), in.size());
    auto bad = Stream(8, {1, 2});
    EXPECT_TRUE(CutStream(bad.data(), bad.size(), 1, 0).empty());
}

TEST(LiveWriter, EveryModeAndPhaseDecodesToWhatWasMeasured) {
    struct Case {
        int mode;
        Livewert w;
    };
    std::vector<Case> cases;
    for (int mode : {0, 1, 2, 3}) {
        cases.push_back({mode, {150, 0, 9, 0, 33, 0, 0, 0}});
        cases.push_back({mode, {80, 0, 12, 0, 20, 1, 0, 0}});
        cases.push_back({mode, {40, 0, 3, 0, 10, 2, 0, 0}});
        cases.push_back({mode, {0, 0, 0, 0, 0, 3, 12.5, 0}});
        cases.push_back({mode, {0, 0, 0, 0, 0, 3, 25.5, 0}});
    }
    for (int mode : {4, 5, 6, 7}) {
        for (int phase : {5, 6, 7}) {
            cases.push_back({mode, {120, 60, 10, 8, 0, phase, 0, 123.45}});
        }
    }
    cases.push_back({9, {120, 60, 10, 8, 0, 0, 0, 0}});
    cases.push_back({9, {200, 10, 12, 2, 0, 1, 0, 0}});

    for (const Case& c : cases) {
        Aufzeichnung a(Kopf(c.mode));
        a.Hinzufuegen(c.w);
        const auto bytes = a.Abschliessen();
        ASSERT_EQ(bytes.size(), kKopfBytes + static_cast<size_t>(Probenbytes(c.mode)) + kFussBytes) << c.mode;
        const Messung m = Decode(bytes);
        ASSERT_EQ(m.Werte.size(), 1u) << "mode " << c.mode << " phase " << c.w.Phase;
        const TMessWert& v = m.Werte[0];
        EXPECT_EQ(v.Phase, c.w.Phase);
        if (c.mode <= 3 && c.w.Phase == 3) {
            EXPECT_DOUBLE_EQ(v.Strom_RAW, c.w.Strom);
        } else if (c.mode <= 3 || c.mode == 9) {
            EXPECT_DOUBLE_EQ(v.EMG1_RAW, c.w.EMG1 * EMGBereich(c.w.Bereich1) / 200);
            if (c.mode == 3) {
                EXPECT_DOUBLE_EQ(v.Schwelle, c.w.Schwelle * EMGBereich(c.w.Bereich1) / 100);
            }
            if (c.mode == 9) {
                EXPECT_DOUBLE_EQ(v.EMG2_RAW, c.w.EMG2 * EMGBereich(c.w.Bereich2) / 200);
            }
        } else {
            EXPECT_NEAR(v.Druck, 123.45, 0.01);
            if (c.w.Phase == 7 && c.mode >= 6) {
                // Both ranges where they were measured, channel 1 in the low nibble.
                EXPECT_DOUBLE_EQ(v.Bereich1, EMGBereich(10));
                EXPECT_DOUBLE_EQ(v.EMG1_RAW, 120 * EMGBereich(10) / 200);
                if (c.mode == 7) {
                    EXPECT_DOUBLE_EQ(v.Bereich2, EMGBereich(8));
                    EXPECT_DOUBLE_EQ(v.EMG2_RAW, 60 * EMGBereich(8) / 200);
                }
            }
        }
        const auto f = LeseFooter(bytes.data(), bytes.size());
        EXPECT_EQ(+f->Length, 1u);
        EXPECT_EQ(+f->Betriebsart, c.mode);
    }
}

// The older variant's edges: a cut sample at the end stops the reading without a sample, the
// pressure's first value is the threshold of the whole recording, the unit factor applies to the
// pressure only, and channel 2 before any channel-1 sample is dropped.
TEST(OlderVariant, CutEndsThresholdAndSecondChannel) {
    // m = 10: pressure and channel 1; a trailing part of a sample is not decoded.
    auto s = Alt(1, 10, 1, {0xE8, 0x03, 100, 0x6B, /**/ 0xD0, 0x07, 50, 0x6B, /**/ 1, 2, 3});
    Messung m = FillArrayAlt(s.data(), s.size(), 0.75);
    EXPECT_EQ(m.Betriebsart, 6);
    ASSERT_EQ(m.Werte.size(), 2u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Druck, 7.5);
    EXPECT_DOUBLE_EQ(m.Werte[1].Druck, 15);
    EXPECT_DOUBLE_EQ(m.Werte[0].Schwelle, 7.5);
    EXPECT_DOUBLE_EQ(m.Werte[1].Schwelle, 7.5);
    EXPECT_EQ(m.Werte[1].Phase, 7);
    EXPECT_DOUBLE_EQ(m.Werte[1].EMG1_RAW, 50);
    EXPECT_DOUBLE_EQ(m.Werte[1].EMG1, 90); // (50 + 4 × 100) / 5: the average starts full of the first
    EXPECT_DOUBLE_EQ(m.Werte[1].Bereich1, 200);

    // m = 12: the phase byte; the threshold stays the first pressure.
    s = Alt(1, 12, 1, {0x10, 0x27, 0x60, /**/ 0x20, 0x4E, 0x50});
    m = FillArrayAlt(s.data(), s.size(), 1.0);
    ASSERT_EQ(m.Werte.size(), 2u);
    EXPECT_EQ(m.Werte[1].Phase, 5);
    EXPECT_DOUBLE_EQ(m.Werte[1].Druck, 200);
    EXPECT_DOUBLE_EQ(m.Werte[1].Schwelle, 100);

    // Scheme 1: a threshold code without its byte, or a current with m = 4 without its extra byte,
    // at the end gives no sample; with m = 3 the current needs no extra byte.
    s = Alt(1, 4, 1, {0x64, 0x6B, /**/ 0x64, 0x7B});
    EXPECT_EQ(FillArrayAlt(s.data(), s.size(), 1.0).Werte.size(), 1u);
    s = Alt(1, 4, 1, {0x64, 0x6B, /**/ 0x2C, 0x41});
    EXPECT_EQ(FillArrayAlt(s.data(), s.size(), 1.0).Werte.size(), 1u);
    s = Alt(1, 3, 1, {0x2C, 0x41});
    m = FillArrayAlt(s.data(), s.size(), 1.0);
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_EQ(m.Werte[0].Phase, 3);
    EXPECT_DOUBLE_EQ(m.Werte[0].Strom_RAW, 30);

    // Scheme 2: the first pair has no channel-1 sample, so its channel 2 goes nowhere.
    s = Alt(2, 1, 1, {100, 0x3B, 20, 0x5B, /**/ 100, 0x5B, 40, 0x6B});
    m = FillArrayAlt(s.data(), s.size(), 1.0);
    ASSERT_EQ(m.Werte.size(), 1u);
    EXPECT_EQ(m.Werte[0].Phase, 0);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG1_RAW, 100);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG2_RAW, 40);
    EXPECT_DOUBLE_EQ(m.Werte[0].EMG2, 40);
    EXPECT_DOUBLE_EQ(m.Werte[0].Bereich2, 200);
}
