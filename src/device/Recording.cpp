#include "Recording.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace zud {

namespace {

constexpr Betriebsartinfo kBetriebsarten_[kBetriebsarten] = {
    {"EMG-Biofeedback", "EMG", 2},
    {"ES-Elektrostimulation", "ES", 2},
    {"Biofeedback+Elektrostim.", "EMG+ES", 2},
    {"EMG-gesteuerte Elektrostim.      ", "Trigger", 5},
    {"Druck", "Druck", 3},
    {"Training Druck", "Training Druck", 3},
    {"1-kanalig EMG + Druck", "EMG(1)+Druck", 5},
    {"2-kanalig EMG + Druck", "EMG(2)+Druck", 6},
    {"Programmfolge", "Programmfolge", 0},
    {"2-kanalig EMG", "EMG 2CH", 4},
};

constexpr double kBereiche[13] = {2.5, 5, 7.5, 10, 15, 20, 25, 30, 50, 75, 100, 200, 300};
constexpr double kAlteBereiche[10] = {2.5, 5, 7.5, 10, 15, 20, 30, 50, 75, 100};

// Moving average over the last five values; filled with the first value it gets.
class Mittel {
public:
    double Add(double v) {
        if (!FStarted) {
            FWerte.fill(v);
            FStarted = true;
        }
        FWerte[FPos] = v;
        FPos = (FPos + 1) % FWerte.size();
        double sum = 0;
        for (double x : FWerte) {
            sum += x;
        }
        return sum / static_cast<double>(FWerte.size());
    }

private:
    std::array<double, 5> FWerte{};
    size_t FPos = 0;
    bool FStarted = false;
};

// Moving median over the last five values; starts from zeros.
class Median {
public:
    void Clear() {
        FWerte.fill(0);
        FPos = 0;
    }
    double Add(double v) {
        FWerte[FPos] = v;
        FPos = (FPos + 1) % FWerte.size();
        auto sorted = FWerte;
        std::sort(sorted.begin(), sorted.end());
        return sorted[2];
    }

private:
    std::array<double, 5> FWerte{};
    size_t FPos = 0;
};

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

} // namespace

const Betriebsartinfo* Betriebsart(int mode) {
    return mode >= 0 && mode < kBetriebsarten ? &kBetriebsarten_[mode] : nullptr;
}

int Probenbytes(int mode) {
    const Betriebsartinfo* b = Betriebsart(mode);
    return b ? b->Probenbytes : 0;
}

double EMGBereich(int index) {
    return index >= 0 && index < 13 ? kBereiche[index] : 0.0;
}

double AlterEMGBereich(int index, bool neueTabelle) {
    if (neueTabelle) {
        return EMGBereich(index);
    }
    return index >= 0 && index < 10 ? kAlteBereiche[index] : 0.0;
}

double Einheitenfaktor(Druckeinheit e) {
    return e == Druckeinheit::mmHg ? 0.75 : 1.0;
}

// ---------------------------------------------------------------- current format

namespace {

// One sample as the device stored it, before smoothing.
struct Rohprobe {
    int phase = 0;
    double emg1Raw = 0, emg2Raw = 0, bereich1 = 0, bereich2 = 0, stromRaw = 0, druck = 0, schwelle = 0;
    bool hatEmg1 = false, hatEmg2 = false;
};

// Modes 0 to 3: one word of phase, range and value; the trigger mode adds its threshold.
Rohprobe LeseEmgProbe(const uint8_t* s, int mode) {
    Rohprobe r;
    const uint16_t word = Le16(s);
    r.phase = word >> 12;
    const int index = (word >> 8) & 0x0F;
    const int value = word & 0xFF;
    r.bereich1 = EMGBereich(index);
    if (r.phase == kPhaseStrom) {
        // One byte of 0.1 mA; bits 11..8 are not part of the current (see Aufzeichnung).
        r.stromRaw = value / 10.0;
    } else {
        r.emg1Raw = value * r.bereich1 / 200.0;
        r.hatEmg1 = true;
    }
    if (mode == 3) {
        r.schwelle = s[2] * r.bereich1 / 100.0;
    }
    return r;
}

// Modes 4 to 7: the pressure, whose first value is the threshold of the whole recording, and
// the EMG channels the mode has (fixed values where it has none).
Rohprobe LeseDruckProbe(const uint8_t* s, int mode, double faktor, bool& ersterDruck, double& schwelleDruck) {
    Rohprobe r;
    r.druck = (s[0] * 256 + s[1]) / 100.0 * faktor;
    r.phase = s[2] >> 4;
    if (ersterDruck) {
        schwelleDruck = r.druck;
        ersterDruck = false;
    }
    r.schwelle = schwelleDruck;
    if (mode == 4 || mode == 5) {
        r.bereich1 = 200;
        r.emg1Raw = 100;
        r.hatEmg1 = true;
    } else {
        r.bereich1 = EMGBereich(s[3] & 0x0F);
        r.bereich2 = EMGBereich(s[3] >> 4);
        r.emg1Raw = s[4] * r.bereich1 / 200.0;
        r.hatEmg1 = true;
        if (mode == 7) {
            r.emg2Raw = s[5] * r.bereich2 / 200.0;
        } else {
            r.bereich2 = 200;
            r.emg2Raw = 100;
        }
        r.hatEmg2 = true;
    }
    return r;
}

// Mode 9: two EMG channels.
Rohprobe LeseZweikanalProbe(const uint8_t* s) {
    Rohprobe r;
    r.bereich1 = EMGBereich(s[2] & 0x0F);
    r.bereich2 = EMGBereich(s[2] >> 4);
    r.emg1Raw = s[0] * r.bereich1 / 200.0;
    r.emg2Raw = s[1] * r.bereich2 / 200.0;
    r.hatEmg1 = r.hatEmg2 = true;
    r.phase = s[3] >> 4;
    return r;
}

// The smoothing runs over every sample, those that are not shown too.
struct Glaettung {
    Mittel emg1, emg2;
    Median strom;
    int letztePhase = -1;
};

// The sample as shown: smoothed, with only the fields its phase carries.
TMessWert Glaette(const Rohprobe& r, Glaettung& g) {
    const double emg1Glatt = r.hatEmg1 ? g.emg1.Add(r.emg1Raw) : 0;
    const double emg2Glatt = r.hatEmg2 ? g.emg2.Add(r.emg2Raw) : 0;
    double stromGlatt = 0;
    if (r.phase == kPhaseStrom) {
        if (g.letztePhase != kPhaseStrom) {
            g.strom.Clear(); // a current phase starts from zeros
        }
        stromGlatt = g.strom.Add(r.stromRaw);
    }
    g.letztePhase = r.phase;

    TMessWert w;
    w.Phase = r.phase;
    w.Schwelle = r.schwelle;
    const bool emg = r.phase <= 2 || r.phase == 4 || r.phase == 7;
    if (emg) {
        w.EMG1 = emg1Glatt;
        w.EMG1_RAW = r.emg1Raw;
        w.EMG2 = emg2Glatt;
        w.EMG2_RAW = r.emg2Raw;
        w.Bereich1 = r.bereich1;
        w.Bereich2 = r.bereich2;
    }
    if (r.phase == kPhaseStrom) {
        w.Strom = stromGlatt;
        w.Strom_RAW = r.stromRaw;
        w.Bereich1 = 2.5;
    }
    if (r.phase >= 5) {
        w.Druck = r.druck; // 5, 6 and 7 carry the pressure
    }
    return w;
}

} // namespace

Messung FillArray(const uint8_t* data, size_t size, double faktor) {
    Messung m;
    if (size < kKopfBytes) {
        return m;
    }
    m.Betriebsart = data[2];
    const int mode = m.Betriebsart;
    const int bytes = Probenbytes(mode);
    if (bytes == 0 || size < kKopfBytes + kFussBytes) {
        return m; // modes 8 and above 9 have no samples
    }
    const size_t end = size - kFussBytes;
    m.Werte.reserve((end - kKopfBytes) / static_cast<size_t>(bytes));
    Glaettung g;
    bool ersterDruck = true;
    double schwelleDruck = 0;
    // Only whole samples: a cut-off sample at the end is not decoded.
    for (size_t pos = kKopfBytes; pos + static_cast<size_t>(bytes) <= end;
         pos += static_cast<size_t>(bytes)) {
        const uint8_t* s = data + pos;
        const Rohprobe r = mode <= 3   ? LeseEmgProbe(s, mode)
                           : mode <= 7 ? LeseDruckProbe(s, mode, faktor, ersterDruck, schwelleDruck)
                                       : LeseZweikanalProbe(s); // mode 9
        const TMessWert w = Glaette(r, g);
        if (r.phase > 7) {
            continue; // phases above 7 give no sample
        }
        m.Werte.push_back(w);
    }
    return m;
}

// ---------------------------------------------------------------- older variant

namespace {

// The mode of an older recording from its own code.
int AlteBetriebsart(int code) {
    switch (code) {
    case 9:
        return 4;
    case 10:
        return 6;
    case 11:
        return 7;
    case 12:
        return 5;
    default:
        return code - 1;
    }
}

// Reads the samples of an older recording one after the other.
class AlterLeser {
public:
    struct Wort {
        int phase;
        int index;
        int value;
        double bereich;
    };

    AlterLeser(const uint8_t* data, size_t size, bool neueTabelle)
        : FData(data), FSize(size), FNeueTabelle(neueTabelle) {}

    bool Hat(size_t n) const { return FPos + n <= FSize; }
    uint16_t Le16Hier() const { return Le16(FData + FPos); }
    uint16_t LeseWortRoh() {
        const uint16_t w = Le16(FData + FPos);
        FPos += 2;
        return w;
    }
    uint8_t Byte() { return FData[FPos++]; }
    void Ueberspringe() { ++FPos; }
    Wort LeseWort() {
        const uint16_t w = Le16(FData + FPos);
        FPos += 2;
        Wort r{w >> 12, (w >> 8) & 0x0F, w & 0xFF, 0};
        r.bereich = AlterEMGBereich(r.index, FNeueTabelle);
        return r;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = kAlterKopfBytes;
    bool FNeueTabelle;
};

// The phase of a one-channel sample from the older phase code and whether a threshold byte
// follows; false for codes that give no sample.
bool AlteEinkanalPhase(int code, int& phase, bool& mitSchwelle) {
    mitSchwelle = false;
    switch (code) {
    case 3:
        phase = 2;
        return true;
    case 4:
        phase = 3;
        return true;
    case 5:
        phase = 0;
        return true;
    case 6:
        phase = 1;
        return true;
    case 7:
        phase = 1;
        mitSchwelle = true;
        return true;
    case 8:
        phase = 2;
        mitSchwelle = true;
        return true;
    case 9:
        phase = 0;
        mitSchwelle = true;
        return true;
    default:
        return false;
    }
}

// One channel (codes 1 to 8): a word per sample, in the trigger mode a byte after each current
// value and in the threshold phases the threshold.
void LeseAltEinkanal(AlterLeser& in, int code, Mittel& emg1, Messung& m) {
    while (in.Hat(2)) {
        const uint16_t raw = in.Le16Hier();
        const AlterLeser::Wort w = in.LeseWort();
        TMessWert v;
        bool mitSchwelle = false;
        if (!AlteEinkanalPhase(w.phase, v.Phase, mitSchwelle)) {
            continue; // no sample
        }
        if (w.phase == 4) {
            v.Strom = v.Strom_RAW = (raw & 0x0FFF) / 10.0;
            v.Bereich1 = 0;
            if (code == 4) {
                if (!in.Hat(1)) {
                    break;
                }
                in.Ueberspringe(); // not evaluated
            }
            m.Werte.push_back(v);
            continue;
        }
        v.EMG1_RAW = w.value * w.bereich / 200.0;
        v.EMG1 = emg1.Add(w.value) * w.bereich / 200.0;
        v.Bereich1 = w.bereich;
        if (mitSchwelle) {
            if (!in.Hat(1)) {
                break;
            }
            v.Schwelle = in.Byte() * w.bereich / 100.0;
        }
        m.Werte.push_back(v);
    }
}

// Two channels (code 1 with two words a sample): the second joins the sample of the first.
void LeseAltZweikanal(AlterLeser& in, Mittel& emg1, Mittel& emg2, Messung& m) {
    while (in.Hat(4)) {
        const AlterLeser::Wort w1 = in.LeseWort();
        const AlterLeser::Wort w2 = in.LeseWort();
        if (w1.phase == 5 || w1.phase == 6) {
            TMessWert v;
            v.Phase = w1.phase == 5 ? 0 : 1;
            v.EMG1_RAW = w1.value * w1.bereich / 200.0;
            v.EMG1 = emg1.Add(w1.value) * w1.bereich / 200.0;
            v.Bereich1 = w1.bereich;
            m.Werte.push_back(v);
        }
        if ((w2.phase == 5 || w2.phase == 6) && !m.Werte.empty()) {
            TMessWert& last = m.Werte.back();
            last.EMG2_RAW = w2.value * w2.bereich / 200.0;
            last.EMG2 = emg2.Add(w2.value) * w2.bereich / 200.0;
            last.Bereich2 = w2.bereich;
        }
    }
}

// Pressure (codes 9 to 12): the pressure word, its first value the threshold, then the phase
// byte (code 12) or the EMG words (codes 10 and 11).
void LeseAltDruck(AlterLeser& in, int code, double faktor, Mittel& emg1, Mittel& emg2, Messung& m) {
    const size_t sampleBytes = code == 9 ? 2 : code == 10 ? 4 : code == 11 ? 6 : 3;
    bool erster = true;
    double schwelle = 0;
    while (in.Hat(sampleBytes)) {
        TMessWert v;
        v.Druck = in.LeseWortRoh() / 100.0 * faktor;
        if (erster) {
            schwelle = v.Druck;
            erster = false;
        }
        v.Schwelle = schwelle;
        v.Phase = 7;
        if (code == 12) {
            v.Phase = in.Byte() >> 4;
        }
        if (code == 10 || code == 11) {
            const AlterLeser::Wort w1 = in.LeseWort();
            v.EMG1_RAW = w1.value * w1.bereich / 200.0;
            v.EMG1 = emg1.Add(w1.value) * w1.bereich / 200.0;
            v.Bereich1 = w1.bereich;
        }
        if (code == 11) {
            const AlterLeser::Wort w2 = in.LeseWort();
            v.EMG2_RAW = w2.value * w2.bereich / 200.0;
            v.EMG2 = emg2.Add(w2.value) * w2.bereich / 200.0;
            v.Bereich2 = w2.bereich;
        }
        m.Werte.push_back(v);
    }
}

} // namespace

Messung FillArrayAlt(const uint8_t* data, size_t size, double faktor) {
    Messung m;
    m.AelteresFormat = true;
    if (size < kAlterKopfBytes) {
        return m;
    }
    const int s = data[36];
    const int code = data[189];
    const bool neueTabelle = data[208] == 1;
    m.Betriebsart = AlteBetriebsart(code);
    Mittel emg1, emg2;
    AlterLeser in(data, size, neueTabelle);
    if (s == 1 && code >= 1 && code <= 8) {
        LeseAltEinkanal(in, code, emg1, m);
    } else if (s == 2 && code == 1) {
        LeseAltZweikanal(in, emg1, emg2, m);
    } else if (code >= 9 && code <= 12) {
        LeseAltDruck(in, code, faktor, emg1, emg2, m);
    }
    return m;
}

Messung Dekodiere(const uint8_t* data, size_t size, int dbBetriebsart, double faktor) {
    if (dbBetriebsart <= -100) {
        Messung m;
        m.AelteresFormat = true;
        return m; // the oldest variant: nothing can be decoded
    }
    if (dbBetriebsart <= 0) {
        return FillArrayAlt(data, size, faktor);
    }
    return FillArray(data, size, faktor);
}

// ---------------------------------------------------------------- statistics

PhaseGroup Gruppe(const UebungsFooter& f, Phasengruppe g) {
    // Fields of a packed record are copied out, never bound by reference.
    switch (g) {
    case Phasengruppe::Entspannen:
        return {f.min_Entspannen, f.max_Entspannen, f.avg_Entspannen, f.avg_Entspannen_Count};
    case Phasengruppe::Anspannen:
        return {f.min_Anspannen, f.max_Anspannen, f.avg_Anspannen, f.avg_Anspannen_Count};
    case Phasengruppe::Pause:
        return {f.min_Pause, f.max_Pause, f.avg_Pause, f.avg_Pause_Count};
    case Phasengruppe::Strom:
        break;
    }
    return {f.min_Strom, f.max_Strom, f.avg_Strom, f.avg_Strom_Count};
}

namespace {

// A group as the recording's statistics collect it: the minimum starts above every value, and
// the sum is kept as the trailer stores it, in single precision.
struct Sammler {
    PhaseGroup g{300.0f, 0.0f, 0.0f, 0};
    void Add(double v) {
        g.sum = static_cast<float>(static_cast<double>(g.sum) + v);
        ++g.count;
        g.min = std::min(g.min, static_cast<float>(v));
        g.max = std::max(g.max, static_cast<float>(v));
    }
};

} // namespace

void ZUD12Statistik(const Messung& m, int BA, UebungsFooter& f) {
    Sammler relax, contract, pause, current;
    uint32_t haltedauer = 0;
    float basisdruck = 0;

    for (const TMessWert& w : m.Werte) {
        const double V = BA == 5 ? w.Druck : w.EMG1_RAW;
        switch (w.Phase) {
        case 0:
        case 5:
            relax.Add(V);
            if (BA == 9) {
                pause.Add(w.EMG2_RAW);
            }
            break;
        case 1:
        case 6:
            contract.Add(V);
            if (BA == 9) {
                current.Add(w.EMG2_RAW);
            }
            break;
        case 2:
            pause.Add(w.EMG1_RAW);
            break;
        case 3:
        case 7:
            current.Add(BA == 4 || BA == 6 || BA == 7 ? w.Druck : w.Strom_RAW);
            if (BA == 6 || BA == 7) {
                relax.Add(w.EMG1_RAW);
            }
            if (BA == 7) {
                contract.Add(w.EMG2_RAW);
            }
            break;
        default:
            break;
        }
    }
    if (BA >= 4 && BA <= 7) {
        double H, G;
        if (BA == 5) {
            H = std::max(relax.g.max, contract.g.max);
            G = std::min(relax.g.min, contract.g.min);
        } else {
            H = current.g.max;
            G = current.g.min;
        }
        const double grenze = G + (H - G) * 0.5;
        uint32_t lauf = 0;
        for (const TMessWert& w : m.Werte) {
            lauf = w.Druck >= grenze ? lauf + 1 : 0;
            haltedauer = std::max(haltedauer, lauf);
        }
        basisdruck = m.Werte.empty() ? 0.0f : static_cast<float>(m.Werte.front().Druck);
    }

    f.Length = static_cast<uint32_t>(m.Werte.size());
    f.min_Entspannen = relax.g.min, f.max_Entspannen = relax.g.max;
    f.avg_Entspannen = relax.g.sum, f.avg_Entspannen_Count = relax.g.count;
    f.min_Anspannen = contract.g.min, f.max_Anspannen = contract.g.max;
    f.avg_Anspannen = contract.g.sum, f.avg_Anspannen_Count = contract.g.count;
    f.min_Pause = pause.g.min, f.max_Pause = pause.g.max;
    f.avg_Pause = pause.g.sum, f.avg_Pause_Count = pause.g.count;
    f.min_Strom = current.g.min, f.max_Strom = current.g.max;
    f.avg_Strom = current.g.sum, f.avg_Strom_Count = current.g.count;
    f.Haltedauer = haltedauer;
    f.Basisdruck = basisdruck;
}

std::optional<UebungsFooter> LeseFooter(const uint8_t* data, size_t size) {
    if (size < kKopfBytes + kFussBytes) {
        return std::nullopt;
    }
    UebungsFooter f;
    std::memcpy(&f, data + size - kFussBytes, sizeof f);
    return f;
}

// ---------------------------------------------------------------- cropping

namespace {

// Header, samples b .. b+k-1, fresh trailer.
std::vector<uint8_t> Ausschnitt(const uint8_t* data, size_t b, size_t k, int mode, int bytes) {
    const size_t samples = k * static_cast<size_t>(bytes);
    std::vector<uint8_t> out(kKopfBytes + samples + kFussBytes, 0);
    std::memcpy(out.data(), data, kKopfBytes);
    if (samples > 0) {
        std::memcpy(out.data() + kKopfBytes, data + kKopfBytes + b * static_cast<size_t>(bytes), samples);
    }
    UebungsFooter f{};
    const Messung m = FillArray(out.data(), out.size());
    ZUD12Statistik(m, mode, f);
    f.Betriebsart = static_cast<uint8_t>(mode);
    std::memcpy(out.data() + out.size() - kFussBytes, &f, sizeof f);
    return out;
}

} // namespace

std::vector<uint8_t> CutStream(const uint8_t* data, size_t size, double Faktor, double Offset) {
    if (size < kKopfBytes + kFussBytes) {
        return {};
    }
    const int mode = data[2];
    const int bytes = Probenbytes(mode);
    if (bytes == 0 || !std::isfinite(Faktor) || !std::isfinite(Offset)) {
        return {};
    }
    Faktor = std::max(Faktor, 1.0);
    Offset = std::clamp(Offset, 0.0, 1.0);
    const size_t n = (size - kKopfBytes - kFussBytes) / static_cast<size_t>(bytes);
    // Rounded half to even, as the chart's crop has always rounded.
    const size_t b = std::min(n, static_cast<size_t>(std::nearbyint(static_cast<double>(n) * Offset)));
    const size_t k = std::min(static_cast<size_t>(std::nearbyint(static_cast<double>(n) / Faktor)), n - b);
    return Ausschnitt(data, b, k, mode, bytes);
}

bool IstAusschnitt(const uint8_t* teil, size_t tsize, const uint8_t* ganz, size_t size) {
    if (tsize == size && (tsize == 0 || std::memcmp(teil, ganz, size) == 0)) {
        return true;
    }
    if (size < kKopfBytes + kFussBytes || tsize < kKopfBytes + kFussBytes ||
        std::memcmp(teil, ganz, kKopfBytes) != 0) {
        return false;
    }
    const uint8_t* data = ganz;
    const int mode = data[2];
    const int bytes = Probenbytes(mode);
    if (bytes == 0 || (tsize - kKopfBytes - kFussBytes) % static_cast<size_t>(bytes) != 0) {
        return false;
    }
    const auto step = static_cast<size_t>(bytes);
    const size_t n = (size - kKopfBytes - kFussBytes) / step;
    const size_t k = (tsize - kKopfBytes - kFussBytes) / step;
    if (k > n) {
        return false;
    }
    const uint8_t* samples = teil + kKopfBytes;
    for (size_t b = 0; b + k <= n; ++b) {
        if (std::memcmp(ganz + kKopfBytes + b * step, samples, k * step) != 0) {
            continue;
        }
        const std::vector<uint8_t> cut = Ausschnitt(data, b, k, mode, bytes);
        if (cut.size() == tsize && std::memcmp(cut.data(), teil, tsize) == 0) {
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- live recording

Aufzeichnung::Aufzeichnung(const ProgrammParameter& kopf) : FBetriebsart(kopf.Betriebsart) {
    const auto* p = reinterpret_cast<const uint8_t*>(&kopf);
    FDaten.assign(p, p + sizeof kopf);
}

bool Aufzeichnung::Hinzufuegen(const Livewert& w) {
    const int mode = FBetriebsart;
    const auto phase = static_cast<uint8_t>(w.Phase & 0x0F);
    const auto bereiche = static_cast<uint8_t>(((w.Bereich2 & 0x0F) << 4) | (w.Bereich1 & 0x0F));
    bool passt = true;
    if (mode >= 0 && mode <= 3) {
        if (w.Phase == kPhaseStrom) {
            // The current in 0.1 mA in the value byte; bits 11..8 stay 0, as the decoder reads
            // one byte. A larger current is held at 25.5 mA rather than stored as another one.
            const long strom = std::lround(w.Strom * 10);
            passt = strom >= 0 && strom <= 0xFF;
            FDaten.push_back(static_cast<uint8_t>(std::clamp(strom, 0L, 0xFFL)));
            FDaten.push_back(static_cast<uint8_t>(phase << 4));
        } else {
            FDaten.push_back(w.EMG1);
            FDaten.push_back(static_cast<uint8_t>((phase << 4) | (w.Bereich1 & 0x0F)));
        }
        if (mode == 3) {
            FDaten.push_back(w.Schwelle);
            FDaten.push_back(0);
            FDaten.push_back(0);
        }
    } else if (mode == 9) {
        FDaten.push_back(w.EMG1);
        FDaten.push_back(w.EMG2);
        FDaten.push_back(bereiche);
        FDaten.push_back(static_cast<uint8_t>(phase << 4));
    } else if (mode >= 4 && mode <= 7) {
        // The word as received; made from the value only when there is none (rounded: 10.01 mbar
        // is 1001, not the 1000 that truncating 1000.999... would give).
        const long druck = w.DruckWort >= 0 ? w.DruckWort : std::lround(w.Druck * 100);
        passt = druck >= 0 && druck <= 0xFFFF;
        const auto wort = static_cast<uint16_t>(std::clamp(druck, 0L, 0xFFFFL));
        FDaten.push_back(static_cast<uint8_t>(wort >> 8));
        FDaten.push_back(static_cast<uint8_t>(wort & 0xFF));
        FDaten.push_back(static_cast<uint8_t>(phase << 4));
        if (mode >= 6) {
            // Channel 1 in the low nibble, as the decoder and the device's recordings read it.
            FDaten.push_back(bereiche);
            FDaten.push_back(w.EMG1);
            if (mode == 7) {
                FDaten.push_back(w.EMG2);
            }
        }
    } else {
        return true; // no sample layout
    }
    ++FProben;
    if (!passt) {
        ++FGekappt;
    }
    return passt;
}

std::vector<uint8_t> Aufzeichnung::Abschliessen() const {
    std::vector<uint8_t> out = FDaten;
    out.resize(out.size() + kFussBytes, 0);
    UebungsFooter f{};
    const Messung m = FillArray(out.data(), out.size());
    ZUD12Statistik(m, FBetriebsart, f);
    f.Betriebsart = static_cast<uint8_t>(FBetriebsart);
    std::memcpy(out.data() + out.size() - kFussBytes, &f, sizeof f);
    return out;
}

} // namespace zud
