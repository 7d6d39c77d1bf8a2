#pragma once

// Exercise recordings: an 89-byte program header, samples at 10 per second in the layout of
// the operating mode, and a 128-byte trailer with statistics. Also the older variant (a
// 253-byte header, no trailer) that old databases still hold. Decoding is a pure function
// of the bytes; it never reads outside them, whatever they contain.

#include "DeviceFiles.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zud {

// One decoded sample.
struct TMessWert {
    double EMG1 = 0;     // µV, moving average of 5
    double EMG2 = 0;     // µV, moving average of 5
    double EMG1_RAW = 0; // µV
    double EMG2_RAW = 0; // µV
    double Strom = 0;    // mA, moving median of 5
    double Strom_RAW = 0;
    double Druck = 0; // in the selected unit
    double Flow = 0;  // never filled
    int32_t Phase = 0;
    double Schwelle = 0;
    double Bereich1 = 0; // µV
    double Bereich2 = 0; // µV
};

struct Betriebsartinfo {
    const char* Lang;
    const char* Kurz;
    int Probenbytes; // 0: no recording has this mode
};

constexpr int kBetriebsarten = 10;
// Long and short names and sample sizes of modes 0..9; nullptr outside.
const Betriebsartinfo* Betriebsart(int mode);
// Bytes of one sample of a mode; 0 when the mode has no sample layout.
int Probenbytes(int mode);

// EMG range in µV of an index 0..12; 0 for any other index.
double EMGBereich(int index);
// The older variant's range table: `neueTabelle` selects the table above, else the older
// one of ten entries (2.5 .. 100 µV); 0 outside the table.
double AlterEMGBereich(int index, bool neueTabelle);

constexpr int kPhaseEntspannen = 0;
constexpr int kPhaseAnspannen = 1;
constexpr int kPhasePause = 2;
constexpr int kPhaseStrom = 3;

enum class Druckeinheit { mbar, mmHg };
double Einheitenfaktor(Druckeinheit e);

constexpr size_t kKopfBytes = 89;
constexpr size_t kFussBytes = 128;
constexpr size_t kAlterKopfBytes = 253;

#pragma pack(push, 1)
struct UebungsFooter {
    uint32_t Status;
    uint32_t Zeit;
    uint8_t RecStat;
    uint32_t Length;
    uint16_t Anzahl_Uebungen;
    uint8_t Name[32];
    float avg_Anspannen;
    uint32_t avg_Anspannen_Count;
    float min_Anspannen;
    float max_Anspannen;
    float avg_Entspannen;
    uint32_t avg_Entspannen_Count;
    float min_Entspannen;
    float max_Entspannen;
    float avg_Pause;
    uint32_t avg_Pause_Count;
    float min_Pause;
    float max_Pause;
    float avg_Strom;
    uint32_t avg_Strom_Count;
    float min_Strom;
    float max_Strom;
    uint8_t Betriebsart;
    uint32_t Haltedauer;
    float Basisdruck;
    uint8_t Dummy[8];
};
#pragma pack(pop)
static_assert(sizeof(UebungsFooter) == 128);
static_assert(offsetof(UebungsFooter, Length) == 9);
static_assert(offsetof(UebungsFooter, Name) == 15);
static_assert(offsetof(UebungsFooter, avg_Anspannen) == 47);
static_assert(offsetof(UebungsFooter, avg_Entspannen) == 63);
static_assert(offsetof(UebungsFooter, avg_Pause) == 79);
static_assert(offsetof(UebungsFooter, avg_Strom) == 95);
static_assert(offsetof(UebungsFooter, Betriebsart) == 111);
static_assert(offsetof(UebungsFooter, Haltedauer) == 112);
static_assert(offsetof(UebungsFooter, Basisdruck) == 116);

struct Messung {
    int Betriebsart = -1; // operating mode 0..9 (older variant: derived from its mode code)
    bool AelteresFormat = false;
    std::vector<TMessWert> Werte;
};

// Decodes a recording of the current format.
Messung FillArray(const uint8_t* data, size_t size, double einheitenfaktor = 1.0);
// Decodes a recording of the older variant.
Messung FillArrayAlt(const uint8_t* data, size_t size, double einheitenfaktor = 1.0);
// Decodes a recording as the database stores it: `dbBetriebsart` is the database's value
// (mode + 1); zero or negative marks the older variant, -100 and below the oldest, of which
// nothing is decoded.
Messung Dekodiere(const uint8_t* data, size_t size, int dbBetriebsart, double einheitenfaktor = 1.0);

// One phase group of a trailer (relax, contract, pause, current): minimum, maximum, the sum of
// the values and their count, as the trailer stores them. The statistics, the report pages and
// the practice software's results read the groups through this one type.
struct PhaseGroup {
    float min = 0, max = 0, sum = 0;
    uint32_t count = 0;
    double Mean() const { return count == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(count); }
};
enum class Phasengruppe { Entspannen, Anspannen, Pause, Strom };
PhaseGroup Gruppe(const UebungsFooter& f, Phasengruppe g);

// Recomputes the statistics fields of `footer` (Length, the four groups, Haltedauer,
// Basisdruck) from decoded samples of mode `BA`; the other fields stay as they are.
void ZUD12Statistik(const Messung& m, int BA, UebungsFooter& footer);

// The trailer of a current-format recording, if it has one.
std::optional<UebungsFooter> LeseFooter(const uint8_t* data, size_t size);

// A cropped copy: the header, samples b .. b+k-1 with b = round(n * Offset) and
// k = min(round(n / Faktor), n - b), and a fresh trailer with recomputed statistics.
// Empty when the input has no valid header or its mode has no sample layout.
std::vector<uint8_t> CutStream(const uint8_t* data, size_t size, double Faktor, double Offset);
// True when `teil` is `ganz` itself or a cropped copy of it as CutStream makes them: the same
// header, a run of whole samples of `ganz`, the trailer recomputed from them.
bool IstAusschnitt(const uint8_t* teil, size_t teilBytes, const uint8_t* ganz, size_t ganzBytes);

// One live value set as the device's real-time feed reports it.
struct Livewert {
    uint8_t EMG1 = 0; // value byte, 200 = full range
    uint8_t EMG2 = 0;
    uint8_t Bereich1 = 0; // range index
    uint8_t Bereich2 = 0;
    uint8_t Schwelle = 0;
    int Phase = 0;
    double Strom = 0; // mA
    double Druck = 0; // mbar
    // The pressure word as the feed reported it (0.01 mbar), stored as it is; -1: none, the
    // word is made from Druck.
    int DruckWort = -1;
};

// The largest current a current-phase sample holds: one byte of 0.1 mA, as the decoder reads it
// and the live feed reports it.
constexpr double kMaxStrom = 25.5;

// Builds a recording from live values in the stored layout: header, one sample per value
// set, trailer with statistics.
class Aufzeichnung {
public:
    explicit Aufzeichnung(const ProgrammParameter& kopf);
    // False when the value set did not fit its layout and was clamped (a current above 25.5 mA,
    // a pressure outside the word); the sample is stored all the same.
    bool Hinzufuegen(const Livewert& w);
    size_t Proben() const { return FProben; }
    // Value sets stored clamped so far.
    size_t Gekappt() const { return FGekappt; }
    int Betriebsart() const { return FBetriebsart; }
    // The samples so far, without header and trailer.
    const std::vector<uint8_t>& Daten() const { return FDaten; }
    // The complete recording: header, samples, trailer.
    std::vector<uint8_t> Abschliessen() const;

private:
    std::vector<uint8_t> FDaten;
    int FBetriebsart;
    size_t FProben = 0;
    size_t FGekappt = 0;
};

} // namespace zud
