#include "DeviceFiles.h"

#include "Crc.h"

#include <algorithm>
#include <cstring>

namespace zud {

namespace {

std::u16string MakeTable(std::initializer_list<std::pair<int, char16_t>> entries) {
    std::u16string t(31, u'\u00FF');
    for (const auto& [code, ch] : entries) {
        t[static_cast<size_t>(code - 1)] = ch;
    }
    return t;
}

const std::u16string kDeutsch =
    MakeTable({{1, u'Ä'}, {2, u'ä'}, {3, u'Ö'}, {4, u'ö'}, {5, u'Ü'}, {6, u'ü'}, {7, u'ß'}});
const std::u16string kFranzoesisch =
    MakeTable({{1, u'À'},  {2, u'à'},  {3, u'Â'},  {4, u'â'},  {5, u'Æ'},  {6, u'æ'},  {7, u'Ç'},
               {8, u'ç'},  {9, u'È'},  {11, u'è'}, {12, u'É'}, {14, u'é'}, {15, u'Ê'}, {16, u'ê'},
               {17, u'Ë'}, {18, u'ë'}, {19, u'Î'}, {20, u'î'}, {21, u'Ï'}, {22, u'ï'}, {23, u'Ô'},
               {24, u'ô'}, {25, u'Œ'}, {26, u'œ'}, {27, u'Ù'}, {28, u'ù'}, {29, u'Û'}, {30, u'û'}});
const std::u16string kPolnisch = MakeTable({{1, u'Ą'},
                                            {2, u'ą'},
                                            {3, u'Ć'},
                                            {4, u'ć'},
                                            {5, u'Ę'},
                                            {6, u'ę'},
                                            {7, u'Ł'},
                                            {8, u'ł'},
                                            {9, u'Ń'},
                                            {11, u'ń'},
                                            {12, u'Ó'},
                                            {14, u'ó'},
                                            {15, u'Ś'},
                                            {16, u'ś'},
                                            {17, u'Ź'},
                                            {18, u'ź'},
                                            {19, u'Ż'},
                                            {20, u'ż'}});
const std::u16string kItalienisch =
    MakeTable({{1, u'À'},  {2, u'à'},  {3, u'È'},  {4, u'è'},  {5, u'É'},  {6, u'é'},  {7, u'Ì'},
               {8, u'ì'},  {9, u'Í'},  {10, u'í'}, {11, u'Ï'}, {12, u'ï'}, {13, u'Ò'}, {14, u'ò'},
               {15, u'Ó'}, {16, u'ó'}, {17, u'Ù'}, {18, u'ù'}, {19, u'Ú'}, {20, u'ú'}});
const std::u16string kKeine;

template <size_t N>
void ZuSpeicher(const uint8_t (&src)[N], std::array<char16_t, N>& dst, int sprache, bool national) {
    for (size_t i = 0; i < N; ++i) {
        dst[i] = national ? GeraetZuUnicode(src[i], sprache) : char16_t(src[i]);
    }
}

// Converts in place: `dst` holds the image as last read, and a character that is still what its
// byte there decodes to keeps that byte.
template <size_t N>
void ZuGeraet(const std::array<char16_t, N>& src, uint8_t (&dst)[N], int sprache, bool national,
              bool& convertError) {
    for (size_t i = 0; i < N; ++i) {
        if (national) {
            dst[i] = UnicodeZuGeraet(src[i], sprache, convertError, dst[i]);
        } else if (char16_t(dst[i]) != src[i]) {
            dst[i] = static_cast<uint8_t>(src[i] & 0xFF);
        }
    }
}

} // namespace

std::string ProgrammPfad(int therapeut, int patient) {
    return "0:\\Daten\\TH_" + std::to_string(therapeut) + "\\PAT_" + std::to_string(patient) + "\\Prog.dat";
}

std::string PatientenPfad(int therapeut) {
    return "0:\\Daten\\TH_" + std::to_string(therapeut) + "\\Pat.dat";
}

std::string ModellName(int modell) {
    if (modell < 1 || modell > 11) {
        return {};
    }
    return "ZUD12 Typ " + std::to_string(modell);
}

std::string DefProgrammOrdner(int modell) {
    return "0:\\System\\defPrg\\" + ModellName(modell);
}
std::string DefSystemOrdner(int modell) {
    return "0:\\system\\defSys\\" + ModellName(modell);
}
std::string DefProgrammPfad(int modell) {
    return DefProgrammOrdner(modell) + "\\defProg.dat";
}
std::string DefSystemPfad(int modell) {
    return DefSystemOrdner(modell) + "\\defsys.dat";
}

const std::u16string& NationaleZeichen(int sprache) {
    switch (sprache) {
    case 0:
    case 1:
        return kDeutsch;
    case 2:
        return kFranzoesisch;
    case 3:
        return kPolnisch;
    case 4:
        return kItalienisch;
    default:
        return kKeine; // unknown language: plain ISO 8859-1
    }
}

char16_t GeraetZuUnicode(uint8_t b, int sprache) {
    const std::u16string& t = NationaleZeichen(sprache);
    if (b >= 1 && b <= 31 && !t.empty()) {
        return t[static_cast<size_t>(b - 1)];
    }
    return char16_t(b);
}

uint8_t UnicodeZuGeraet(char16_t u, int sprache, bool& convertError, uint8_t alt) {
    // Unedited text goes back as it came: erased-flash padding (0xFF), a free national code or a
    // Latin-1 letter stored as its own byte all decode to a character whose first encoding would
    // be another byte.
    if (GeraetZuUnicode(alt, sprache) == u) {
        return alt;
    }
    return UnicodeZuGeraet(u, sprache, convertError);
}

uint8_t UnicodeZuGeraet(char16_t u, int sprache, bool& convertError) {
    const std::u16string& t = NationaleZeichen(sprache);
    const size_t pos = t.find(u);
    if (pos != std::u16string::npos) {
        return static_cast<uint8_t>(pos + 1);
    }
    if (u > 127) {
        convertError = true;
    }
    return static_cast<uint8_t>(u & 0xFF);
}

void ProgrammeZuSpeicher(const Programmdatei& device, Programmsatz& memory, int sprache) {
    memory.AnzahlAktiv = device.AnzahlAktiv;
    memory.ErstesAktiv = device.ErstesAktiv;
    memory.FolgeLaenge = device.FolgeLaenge;
    std::memcpy(memory.Folge, device.Folge, sizeof memory.Folge);
    for (int i = 0; i < 6; ++i) {
        const ProgrammParameter& d = device.Programme[i];
        Programmeintrag& m = memory.Programme[i];
        std::memcpy(m.Kopf, &d, sizeof m.Kopf);
        for (size_t k = 0; k < 25; ++k) {
            m.Name[k] = GeraetZuUnicode(d.Name[k], sprache);
        }
        m.ElektrodenPosition = d.ElektrodenPosition;
        std::memcpy(m.Dummy, d.Dummy, sizeof m.Dummy);
    }
}

void ProgrammeZuGeraet(const Programmsatz& memory, Programmdatei& device, int sprache, bool& convertError) {
    device.AnzahlAktiv = memory.AnzahlAktiv;
    device.ErstesAktiv = memory.ErstesAktiv;
    device.FolgeLaenge = memory.FolgeLaenge;
    std::memcpy(device.Folge, memory.Folge, sizeof device.Folge);
    for (int i = 0; i < 6; ++i) {
        const Programmeintrag& m = memory.Programme[i];
        ProgrammParameter& d = device.Programme[i];
        std::memcpy(&d, m.Kopf, sizeof m.Kopf);
        for (size_t k = 0; k < 25; ++k) {
            d.Name[k] = UnicodeZuGeraet(m.Name[k], sprache, convertError, d.Name[k]);
        }
        d.ElektrodenPosition = m.ElektrodenPosition;
        std::memcpy(d.Dummy, m.Dummy, sizeof d.Dummy);
    }
}

uint16_t ProgrammdateiCrc(const Programmdatei& d) {
    return Crc16(reinterpret_cast<const uint8_t*>(&d), offsetof(Programmdatei, crc));
}

bool ProgrammdateiCrcOk(const Programmdatei& d) {
    return GetCrc(d.crc) == ProgrammdateiCrc(d);
}

void SetProgrammdateiCrc(Programmdatei& d) {
    PutCrc(d.crc, ProgrammdateiCrc(d));
}

void StammZuSpeicher(const Stammdaten& device, Stammsatz& memory, int sprache) {
    memory.Anzahl = device.Anzahl;
    ZuSpeicher(device.Name, memory.Name, sprache, true);
    ZuSpeicher(device.Vorname, memory.Vorname, sprache, true);
    ZuSpeicher(device.Text1, memory.Text1, sprache, false);
    ZuSpeicher(device.Text2, memory.Text2, sprache, false);
    ZuSpeicher(device.Text3, memory.Text3, sprache, false);
    memory.Geburtsdatum = device.Geburtsdatum;
    ZuSpeicher(device.Text4, memory.Text4, sprache, false);
    ZuSpeicher(device.Text5, memory.Text5, sprache, false);
    memory.Reserviert = device.Reserviert;
    ZuSpeicher(device.Text6, memory.Text6, sprache, false);
}

void StammZuGeraet(const Stammsatz& memory, Stammdaten& device, int sprache, bool& convertError) {
    device.Anzahl = memory.Anzahl;
    ZuGeraet(memory.Name, device.Name, sprache, true, convertError);
    ZuGeraet(memory.Vorname, device.Vorname, sprache, true, convertError);
    ZuGeraet(memory.Text1, device.Text1, sprache, false, convertError);
    ZuGeraet(memory.Text2, device.Text2, sprache, false, convertError);
    ZuGeraet(memory.Text3, device.Text3, sprache, false, convertError);
    device.Geburtsdatum = memory.Geburtsdatum;
    ZuGeraet(memory.Text4, device.Text4, sprache, false, convertError);
    ZuGeraet(memory.Text5, device.Text5, sprache, false, convertError);
    device.Reserviert = memory.Reserviert;
    ZuGeraet(memory.Text6, device.Text6, sprache, false, convertError);
}

bool IstLeer(const Stammsatz& s) {
    // A name ends at its first zero; what follows it is padding of any kind.
    return s.Name[0] == 0 && s.Vorname[0] == 0 && s.Geburtsdatum == kGeburtsdatumLeer;
}

uint16_t SystemCrc(const Systemparameter& s) {
    return Crc16(reinterpret_cast<const uint8_t*>(&s), offsetof(Systemparameter, crc));
}

void SetCodesCrc(Codes& c) {
    PutCrc(c.crc, Crc16(reinterpret_cast<const uint8_t*>(&c), offsetof(Codes, crc)));
}

Codes DefaultCodes() {
    Codes c{};
    const uint16_t defaults[6] = {5817, 2693, 7148, 3572, 8264, 4719};
    std::memcpy(c.Code, defaults, sizeof defaults);
    SetCodesCrc(c);
    return c;
}

void CalcStimMuster(uint8_t Muster[13], int Laenge) {
    for (int j = 0; j < 13; ++j) {
        const int n = std::clamp(Laenge - 8 * j, 0, 8);
        Muster[j] = static_cast<uint8_t>(0xFF >> n);
    }
}

void CalcMittelfrequenzMuster(uint8_t Muster[13], int Laenge) {
    Muster[0] = 0x55;
    Muster[1] = 0x0F;
    for (int j = 2; j < 13; ++j) {
        Muster[j] = Laenge - 8 * j >= 8 ? (j % 2 == 0 ? 0x55 : 0x0F) : 0xFF;
    }
}

std::u16string FeldText(const void* field, size_t n) {
    const auto* bytes = static_cast<const uint8_t*>(field);
    std::u16string out;
    for (size_t i = 0; i < n; ++i) {
        char16_t u;
        std::memcpy(&u, bytes + 2 * i, sizeof u);
        if (u == 0) {
            break;
        }
        out += u;
    }
    return out;
}

void SetFeldText(void* field, size_t n, const std::u16string& text) {
    auto* bytes = static_cast<uint8_t*>(field);
    for (size_t i = 0; i < n; ++i) {
        const char16_t u = i < text.size() ? text[i] : char16_t(0);
        std::memcpy(bytes + 2 * i, &u, sizeof u);
    }
}

} // namespace zud
