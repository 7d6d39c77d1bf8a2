// Byte layouts and conversions of the device's data files, without a device.

#include "QtPrinters.h"

#include "Crc.h"
#include "DeviceFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zud;

namespace {

std::vector<uint8_t> Muster(int laenge, bool mittelfrequenz) {
    uint8_t m[13];
    if (mittelfrequenz) {
        CalcMittelfrequenzMuster(m, laenge);
    } else {
        CalcStimMuster(m, laenge);
    }
    return std::vector<uint8_t>(m, m + 13);
}

std::vector<uint8_t> Hex(std::initializer_list<int> b) {
    return std::vector<uint8_t>(b.begin(), b.end());
}

} // namespace

TEST(PulsePatterns, NormalAndMediumFrequency) {
    EXPECT_EQ(Muster(10, false),
              Hex({0x00, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Muster(8, false),
              Hex({0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Muster(100, false), Hex({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0F}));
    EXPECT_EQ(Muster(8, true),
              Hex({0x55, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Muster(16, true),
              Hex({0x55, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Muster(24, true),
              Hex({0x55, 0x0F, 0x55, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Muster(100, true),
              Hex({0x55, 0x0F, 0x55, 0x0F, 0x55, 0x0F, 0x55, 0x0F, 0x55, 0x0F, 0x55, 0x0F, 0xFF}));
    // Widths the device never takes stay inside the 13 bytes.
    EXPECT_EQ(Muster(255, false), std::vector<uint8_t>(13, 0));
    EXPECT_EQ(Muster(0, false), std::vector<uint8_t>(13, 0xFF));
}

TEST(DeviceText, NationalLettersOfAllLanguages) {
    bool err = false;
    // French: é is code 14; code 10 is a free place.
    EXPECT_EQ(UnicodeZuGeraet(u'é', 2, err), 14);
    EXPECT_FALSE(err);
    EXPECT_EQ(GeraetZuUnicode(14, 2), u'é');
    EXPECT_EQ(GeraetZuUnicode(10, 2), u'\u00FF');
    // German has no é: its low byte, and the conversion is reported.
    EXPECT_EQ(UnicodeZuGeraet(u'é', 0, err), 0xE9);
    EXPECT_TRUE(err);
    err = false;
    EXPECT_EQ(UnicodeZuGeraet(u'€', 1, err), 0xAC);
    EXPECT_TRUE(err);
    err = false;
    EXPECT_EQ(UnicodeZuGeraet(u'ß', 1, err), 7);
    EXPECT_EQ(UnicodeZuGeraet(u'Ł', 3, err), 7);
    EXPECT_EQ(UnicodeZuGeraet(u'ż', 3, err), 20);
    EXPECT_EQ(UnicodeZuGeraet(u'í', 4, err), 10);
    EXPECT_EQ(UnicodeZuGeraet(u'A', 4, err), 'A');
    EXPECT_FALSE(err);
    // An unknown language is plain ISO 8859-1.
    EXPECT_EQ(GeraetZuUnicode(5, 7), u'\x05');
    EXPECT_EQ(UnicodeZuGeraet(u'ü', 7, err), 0xFC);
    EXPECT_TRUE(err);

    const std::u16string names[5] = {u"Müller-Straße", u"Jäger Ökö", u"François Œuvre", u"Łukasz Żółć",
                                     u"Niccolò Città"};
    for (int sprache = 0; sprache <= 4; ++sprache) {
        const std::u16string& text = names[sprache];
        err = false;
        for (char16_t u : text) {
            EXPECT_EQ(GeraetZuUnicode(UnicodeZuGeraet(u, sprache, err), sprache), u) << "Sprache " << sprache;
        }
        EXPECT_FALSE(err) << "Sprache " << sprache;
    }
}

TEST(ProgramFile, DeviceMemoryRoundTripAndCrc) {
    Programmdatei d{};
    d.AnzahlAktiv = 2;
    d.ErstesAktiv = 1;
    d.FolgeLaenge = 3;
    const uint8_t folge[6] = {2, 3, 2, 0, 0, 0};
    std::memcpy(d.Folge, folge, 6);
    for (int i = 0; i < 6; ++i) {
        ProgrammParameter& p = d.Programme[i];
        p.Nummer = static_cast<uint8_t>(i + 1);
        p.Aktiviert = i == 1 || i == 2;
        p.Betriebsart = static_cast<uint8_t>(i);
        p.Anspannzeit = 5;
        p.Impulslaenge1 = 40;
        CalcStimMuster(p.Impulsform1, 40);
        p.Name[0] = 'K';
        p.Name[1] = 3; // Ö in German
        p.Name[2] = 'n';
        p.ElektrodenPosition = 7;
        p.Dummy[18] = 0xAB;
        p.crc[0] = static_cast<uint8_t>(0x10 + i); // per-program checksum: carried
        p.crc[1] = 0x99;
    }
    SetProgrammdateiCrc(d);
    EXPECT_TRUE(ProgrammdateiCrcOk(d));
    const auto* raw = reinterpret_cast<const uint8_t*>(&d);
    EXPECT_EQ(GetCrc(raw + 543), Crc16(raw, 543));
    EXPECT_EQ(raw[536], 3);
    EXPECT_EQ(raw[2 + 89 + 42 + 1], 3); // program 2, name byte 1

    Programmsatz m{};
    ProgrammeZuSpeicher(d, m, 0);
    EXPECT_EQ(FeldText(m.Programme[0].Name, 25), u"KÖn");
    const auto* mem = reinterpret_cast<const uint8_t*>(&m);
    EXPECT_EQ(mem[686], 3);
    EXPECT_EQ(mem[2 + 114 + 92], 7);
    EXPECT_EQ(mem[2 + 114 + 111], 0xAB);

    Programmdatei back = d;
    std::memset(back.Programme, 0x5A, sizeof back.Programme);
    for (int i = 0; i < 6; ++i) {
        std::memcpy(back.Programme[i].crc, d.Programme[i].crc, 2);
    }
    bool err = false;
    ProgrammeZuGeraet(m, back, 0, err);
    EXPECT_FALSE(err);
    EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0);

    // One changed byte breaks the file checksum.
    back.Programme[3].Anspannzeit ^= 1;
    EXPECT_FALSE(ProgrammdateiCrcOk(back));
}

TEST(PersonRecords, NamesTextsAndEmptySlot) {
    Stammdaten d{};
    d.Anzahl = 4;
    const uint8_t name[] = {'M', 6, 'l', 'l', 'e', 'r'}; // Müller under German
    std::memcpy(d.Name, name, sizeof name);
    d.Text1[0] = 5;                 // reserved texts carry bytes as they are, without national letters
    d.Geburtsdatum = 2'366'841'600; // 1975-01-01
    d.Reserviert = 0xBEEF;
    d.ReserviertByte = 0x42;
    d.Text6[26] = 0xE9;

    Stammsatz s;
    StammZuSpeicher(d, s, 0);
    EXPECT_EQ(FeldText(s.Name.data(), 30), u"Müller");
    EXPECT_EQ(s.Text1[0], u'\x05');
    EXPECT_EQ(s.Geburtsdatum, 2'366'841'600);
    EXPECT_EQ(s.Reserviert, 0xBEEF);

    Stammdaten back = d;
    bool err = false;
    StammZuGeraet(s, back, 0, err);
    EXPECT_FALSE(err);
    EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0);
    EXPECT_EQ(back.ReserviertByte, 0x42);

    Stammsatz leer;
    leer.Geburtsdatum = kGeburtsdatumLeer;
    EXPECT_TRUE(IstLeer(leer));
    leer.Vorname[0] = u'A';
    EXPECT_FALSE(IstLeer(leer));
}

TEST(SmallRecords, SystemParametersCodesAndPaths) {
    Codes c = DefaultCodes();
    const uint16_t expected[6] = {5817, 2693, 7148, 3572, 8264, 4719};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(uint16_t{c.Code[i]}, expected[i]);
    }
    const auto* raw = reinterpret_cast<const uint8_t*>(&c);
    EXPECT_EQ(raw[0], 5817 & 0xFF);
    EXPECT_EQ(raw[1], 5817 >> 8);
    EXPECT_EQ(GetCrc(raw + 12), Crc16(raw, 12));

    Systemparameter s{};
    s.Sprache = 3;
    s.Helligkeit = 100;
    EXPECT_EQ(SystemCrc(s), Crc16(reinterpret_cast<const uint8_t*>(&s), 37));

    EXPECT_EQ(ProgrammPfad(0, 0), "0:\\Daten\\TH_0\\PAT_0\\Prog.dat");
    EXPECT_EQ(PatientenPfad(5), "0:\\Daten\\TH_5\\Pat.dat");
    EXPECT_EQ(DefProgrammPfad(4), "0:\\System\\defPrg\\ZUD12 Typ 4\\defProg.dat");
    EXPECT_EQ(DefSystemPfad(11), "0:\\system\\defSys\\ZUD12 Typ 11\\defsys.dat");
    EXPECT_TRUE(ModellName(0).empty());
    EXPECT_TRUE(ModellName(12).empty());
}
