#include "Demo.h"

#include "Crc.h"
#include "DeviceFiles.h"
#include "Recording.h"
#include "TZUD12.h"

#include <cmath>
#include <cstring>
#include <string>

namespace zud::emu {

namespace {

template <typename T> std::vector<uint8_t> Bytes(const T& rec) {
    const auto* p = reinterpret_cast<const uint8_t*>(&rec);
    return std::vector<uint8_t>(p, p + sizeof rec);
}

// German device text: the national letters as their codes.
template <size_t N> void SetText(uint8_t (&field)[N], const std::u16string& text) {
    bool err = false;
    std::memset(field, 0, N);
    for (size_t i = 0; i < text.size() && i < N; ++i) {
        field[i] = UnicodeZuGeraet(text[i], 0, err);
    }
}

// Seconds since 1900-01-01 of a date.
int64_t Seconds1900(int y, int m, int d) {
    // days from civil, relative to 1900-03-01 would be fiddly; count with the Gregorian rule
    auto days = [](int yy, int mm, int dd) {
        yy -= mm <= 2;
        const int era = yy / 400;
        const int yoe = yy - era * 400;
        const int doy = (153 * (mm + (mm > 2 ? -3 : 9)) + 2) / 5 + dd - 1;
        const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return era * 146097 + doe;
    };
    return static_cast<int64_t>(days(y, m, d) - days(1900, 1, 1)) * 86400;
}

// A small deterministic random source.
class Zufall {
public:
    explicit Zufall(uint32_t seed) : FState(seed) {}
    double Next() { // 0..1
        FState = FState * 1664525u + 1013904223u;
        return static_cast<double>(FState >> 8) / 16777216.0;
    }
    double Around(double v, double spread) { return v + (Next() * 2 - 1) * spread; }

private:
    uint32_t FState;
};

ProgrammParameter Programm(int nummer, int mode, const std::u16string& name) {
    ProgrammParameter p{};
    p.Nummer = static_cast<uint8_t>(nummer);
    p.Aktiviert = 1;
    p.Betriebsart = static_cast<uint8_t>(mode);
    p.Anspannzeit = 5;
    p.Entspannzeit = 8;
    p.Pausenzeit = mode == 1 || mode == 2 ? 6 : 0;
    p.Stromzeit = 10;
    p.Frequenz1 = 50;
    p.Frequenz2 = 50;
    p.Anschwellzeit = 10;
    p.Abschwellzeit = 10;
    p.Timeout = 20;
    p.Impulslaenge1 = 50;
    p.Impulslaenge2 = 50;
    CalcStimMuster(p.Impulsform1, p.Impulslaenge1);
    CalcStimMuster(p.Impulsform2, p.Impulslaenge2);
    p.ElektrodenPosition = static_cast<uint8_t>(nummer % 4);
    SetText(p.Name, name);
    return p;
}

// One synthetic exercise of `sekunden` seconds in the given mode.
std::vector<uint8_t> Uebung(int mode, int sekunden, uint32_t seed) {
    const ProgrammParameter kopf = Programm(1, mode, u"Übung");
    Aufzeichnung a(kopf);
    Zufall z(seed);
    const int an = kopf.Anspannzeit * 10, ent = kopf.Entspannzeit * 10, pause = kopf.Pausenzeit * 10,
              strom = kopf.Stromzeit * 10;
    constexpr uint8_t kBereich200 = 11; // 200 µV: value byte = µV
    constexpr uint8_t kBereich100 = 10;
    double druck = 12;
    int triggerStrom = 0;
    for (int i = 0; i < sekunden * 10; ++i) {
        Livewert w;
        w.Bereich1 = kBereich200;
        w.Bereich2 = kBereich100;
        auto emg = [&](double ruhe, double kraft, int t, int len) {
            // a contraction rises and fades over its phase
            const double form = std::sin(3.14159 * std::min(1.0, (t + 1.0) / len));
            return static_cast<uint8_t>(
                std::clamp(z.Around(ruhe + kraft * form, ruhe * 0.4 + 3), 0.0, 200.0));
        };
        switch (mode) {
        case 0:
        case 9: {
            const int t = i % (an + ent);
            w.Phase = t < an ? 1 : 0;
            w.EMG1 = w.Phase == 1 ? emg(8, 90, t, an) : emg(8, 0, 0, 1);
            w.EMG2 = static_cast<uint8_t>(w.EMG1 * 2 / 3); // second channel, 100 µV range
            break;
        }
        case 1: {
            const int t = i % (pause + strom);
            w.Phase = t < pause ? 2 : 3;
            w.EMG1 = emg(6, 0, 0, 1);
            w.Strom = w.Phase == 3 ? std::min(18.0, 0.9 * (t - pause + 1)) : 0;
            break;
        }
        case 2: {
            const int zyklus = an + ent + pause + strom;
            const int t = i % zyklus;
            w.Phase = t < an ? 1 : t < an + ent ? 0 : t < an + ent + pause ? 2 : 3;
            w.EMG1 = w.Phase == 1 ? emg(8, 70, t, an) : emg(8, 0, 0, 1);
            w.Strom = w.Phase == 3 ? std::min(15.0, 0.75 * (t - an - ent - pause + 1)) : 0;
            break;
        }
        case 3: {
            w.Schwelle = 40; // 80 µV at 200 µV range
            if (triggerStrom > 0) {
                w.Phase = 3;
                w.Strom = 16.5;
                --triggerStrom;
            } else {
                const int t = i % 60;
                w.Phase = 0;
                w.EMG1 = t > 40 ? emg(10, 85, t - 40, 20) : emg(10, 0, 0, 1);
                if (w.EMG1 >= 80) {
                    triggerStrom = strom; // reaching the threshold starts the current
                }
            }
            break;
        }
        case 4:
        case 6:
        case 7: {
            const int t = i % 100;
            w.Phase = 7;
            const double ziel = t < 40 ? 10 : t < 70 ? 55 : 12;
            druck += (ziel - druck) * 0.25;
            w.Druck = std::max(0.0, z.Around(druck, 0.8));
            w.EMG1 = t >= 40 && t < 70 ? emg(8, 80, t - 40, 30) : emg(8, 0, 0, 1);
            w.EMG2 = static_cast<uint8_t>(w.EMG1 / 2);
            break;
        }
        case 5: {
            const int t = i % (an + ent);
            w.Phase = t < an ? 6 : 5;
            const double ziel = w.Phase == 6 ? 48 : 9;
            druck += (ziel - druck) * 0.3;
            w.Druck = std::max(0.0, z.Around(druck, 0.6));
            break;
        }
        default:
            break;
        }
        a.Hinzufuegen(w);
    }
    return a.Abschliessen();
}

struct Person {
    const char16_t* name;
    const char16_t* vorname;
    int jahr, monat, tag;
};

} // namespace

void LoadDemo(Emulator& emu) {
    constexpr uint16_t kDatum = FatDate(2026, 11, 2);

    Systemparameter sys{};
    sys.EMG_Einstellung = 1;
    sys.Triggerzeitlimit = 30;
    sys.UpdateRate = 5;
    sys.AudioVolume = 5;
    sys.Patauswahl = 1;
    sys.druck_vorhanden = 1;
    sys.stim_vorhanden = 1;
    sys.Bluetooth_vorhanden = 1;
    sys.Sprache = 0;
    sys.Helligkeit = 100;
    sys.EMG_Maximum = 12;
    PutCrc(sys.crc, SystemCrc(sys));
    emu.PutFile(kSystemPfad, Bytes(sys), kDatum, FatTime(8, 0, 0));
    emu.PutFile(DefSystemPfad(1), Bytes(sys), kDatum, FatTime(8, 0, 0));
    emu.PutFile(kCodesPfad, Bytes(DefaultCodes()), kDatum, FatTime(8, 0, 0));

    const Person therapeuten[6] = {{u"Müller", u"Jürgen", 1970, 4, 12}, {u"Größer", u"Bärbel", 1982, 9, 30},
                                   {u"Köhler", u"Anja", 1965, 1, 5},    {u"Weiß", u"Sören", 1990, 7, 21},
                                   {u"Schäfer", u"Lüder", 1978, 11, 2}, {u"Öztürk", u"Ülkü", 1988, 3, 15}};
    const Person patienten[] = {{u"Bäcker", u"Hans-Jürgen", 1951, 2, 14}, {u"Fuß", u"Grete", 1944, 12, 24},
                                {u"Hölzl", u"Maria", 1962, 6, 1},         {u"Krämer", u"Björn", 1973, 10, 9},
                                {u"Lößl", u"Käthe", 1939, 5, 17},         {u"Nüßlein", u"Jörg", 1958, 8, 3},
                                {u"Özdemir", u"Ayse", 1980, 1, 27},       {u"Rühl", u"Günther", 1949, 9, 11},
                                {u"Schröder", u"Änne", 1967, 4, 4},       {u"Wächter", u"Ute", 1955, 12, 1}};

    std::array<Stammdaten, 6> thera{};
    for (int t = 0; t < 6; ++t) {
        SetText(thera[t].Name, therapeuten[t].name);
        SetText(thera[t].Vorname, therapeuten[t].vorname);
        thera[t].Geburtsdatum = Seconds1900(therapeuten[t].jahr, therapeuten[t].monat, therapeuten[t].tag);
    }
    emu.PutFile(kTherapeutenPfad, Bytes(thera), kDatum, FatTime(8, 1, 0));

    // Recordings: every mode in therapist 1's first patient, a few more elsewhere.
    // The listing gives an exercise's length in whole minutes, as the device does.
    struct Aufnahme {
        int t, p, mode, sekunden;
    };
    const Aufnahme aufnahmen[] = {{0, 0, 0, 120}, {0, 0, 1, 96},  {0, 0, 2, 116}, {0, 0, 3, 90},
                                  {0, 0, 4, 100}, {0, 0, 5, 104}, {0, 0, 6, 80},  {0, 0, 7, 80},
                                  {0, 0, 9, 104}, {0, 1, 0, 300}, {0, 1, 4, 200}, {1, 0, 2, 180},
                                  {2, 3, 9, 150}, {5, 2, 7, 120}};
    static const std::u16string kProgrammnamen[6] = {u"Entspannung", u"Kräftigung", u"Ausdauer",
                                                     u"Stimulation", u"Druckübung", u"Folge"};
    static const int kModi[6] = {0, 2, 9, 1, 4, 8};
    int aufnahme = 0;
    for (int t = 0; t < 6; ++t) {
        std::array<Stammdaten, 10> pats{};
        const int belegt = 6 - t % 3; // slots in use
        for (int p = 0; p < 10; ++p) {
            if (p < belegt) {
                const Person& pers = patienten[(t * 3 + p) % 10];
                SetText(pats[p].Name, pers.name);
                SetText(pats[p].Vorname, pers.vorname);
                pats[p].Geburtsdatum = Seconds1900(pers.jahr, pers.monat, pers.tag);
                for (const Aufnahme& a : aufnahmen) {
                    pats[p].Anzahl = static_cast<uint16_t>(pats[p].Anzahl + (a.t == t && a.p == p));
                }
            } else {
                pats[p].Geburtsdatum = kGeburtsdatumLeer;
            }
            Programmdatei prog{};
            for (int i = 0; i < 6; ++i) {
                prog.Programme[i] = Programm(i + 1, kModi[i], kProgrammnamen[i]);
                prog.Programme[i].Aktiviert = i < 3 || i == 5;
            }
            prog.AnzahlAktiv = 4;
            prog.ErstesAktiv = 0;
            prog.FolgeLaenge = 3;
            prog.Folge[0] = 1;
            prog.Folge[1] = 2;
            prog.Folge[2] = 3;
            SetProgrammdateiCrc(prog);
            emu.PutFile(ProgrammPfad(t, p), Bytes(prog), kDatum, FatTime(8, 2, 0));
            if (t == 0 && p == 0) {
                emu.PutFile(DefProgrammPfad(1), Bytes(prog), kDatum, FatTime(8, 2, 0));
            }
        }
        emu.PutFile(PatientenPfad(t), Bytes(pats), kDatum, FatTime(8, 1, 0));
    }

    for (const Aufnahme& a : aufnahmen) {
        const auto bytes = Uebung(a.mode, a.sekunden, static_cast<uint32_t>(1000 + aufnahme));
        char name[16];
        std::snprintf(name, sizeof name, "M%04d.hdf", ++aufnahme);
        const std::string dir =
            "0:\\Daten\\Th_" + std::to_string(a.t) + "\\Pat_" + std::to_string(a.p) + "\\";
        emu.PutFile(dir + name, bytes, FatDate(2026, 11, 3 + aufnahme % 20),
                    FatTime(9 + aufnahme % 8, 15, 30), static_cast<uint16_t>(a.sekunden / 60));
    }
}

std::vector<uint8_t> DemoExercise(int mode, int seconds, uint32_t seed) {
    return Uebung(mode, seconds, seed);
}

} // namespace zud::emu
