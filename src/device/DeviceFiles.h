#pragma once

// The device's data files and their memory forms: therapy programs (Prog.dat, defProg.dat),
// system parameters (syspara.dat, defsys.dat), therapists and patients (Thera.dat, Pat.dat)
// and access codes (Temp.dat). Device images are byte-exact; memory forms hold text as
// UTF-16. Nothing here touches the line or Qt, so every parser can be fuzzed on its own.

#include "ProtocolRecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zud {

#pragma pack(push, 1)

// One therapy program as stored on the device; also the header of every recording.
struct ProgrammParameter {
    uint8_t Nummer;
    uint8_t Aktiviert;
    uint8_t Betriebsart;
    uint8_t Anspannzeit;
    uint8_t Entspannzeit;
    uint8_t Pausenzeit;
    uint8_t Stromzeit;
    uint8_t Frequenz1;
    uint8_t Frequenz2;
    uint8_t Anschwellzeit;
    uint8_t Abschwellzeit;
    uint8_t Timeout;
    uint8_t Impulsform1[13];
    uint8_t Impulslaenge1;
    uint8_t Impulsform2[13];
    uint8_t Impulslaenge2;
    uint8_t Stromform;
    uint8_t Anzeige;
    uint8_t Name[25];
    uint8_t ElektrodenPosition;
    uint8_t Dummy[19];
    uint8_t crc[2]; // per-program checksum: carried, never computed here
};
static_assert(sizeof(ProgrammParameter) == 89);
static_assert(offsetof(ProgrammParameter, Impulsform1) == 12);
static_assert(offsetof(ProgrammParameter, Impulslaenge1) == 25);
static_assert(offsetof(ProgrammParameter, Impulsform2) == 26);
static_assert(offsetof(ProgrammParameter, Impulslaenge2) == 39);
static_assert(offsetof(ProgrammParameter, Stromform) == 40);
static_assert(offsetof(ProgrammParameter, Name) == 42);
static_assert(offsetof(ProgrammParameter, ElektrodenPosition) == 67);
static_assert(offsetof(ProgrammParameter, Dummy) == 68);
static_assert(offsetof(ProgrammParameter, crc) == 87);

// Prog.dat and defProg.dat.
struct Programmdatei {
    uint8_t AnzahlAktiv;
    uint8_t ErstesAktiv;
    ProgrammParameter Programme[6];
    uint8_t FolgeLaenge;
    uint8_t Folge[6];
    uint8_t crc[2]; // over bytes 0..542, high byte first
};
static_assert(sizeof(Programmdatei) == 545);
static_assert(offsetof(Programmdatei, FolgeLaenge) == 536);
static_assert(offsetof(Programmdatei, Folge) == 537);
static_assert(offsetof(Programmdatei, crc) == 543);

// Memory form of one program (also a record of the programming window's parameter file).
struct Programmeintrag {
    uint8_t Kopf[42]; // bytes 0..41 of ProgrammParameter
    char16_t Name[25];
    uint8_t ElektrodenPosition;
    uint8_t Dummy[19];
    uint8_t Reserviert[2];
};
static_assert(sizeof(Programmeintrag) == 114);
static_assert(offsetof(Programmeintrag, Name) == 42);
static_assert(offsetof(Programmeintrag, ElektrodenPosition) == 92);
static_assert(offsetof(Programmeintrag, Dummy) == 93);

// Memory form of one patient's program file (a record of the parameter file).
struct Programmsatz {
    uint8_t AnzahlAktiv;
    uint8_t ErstesAktiv;
    Programmeintrag Programme[6];
    uint8_t FolgeLaenge;
    uint8_t Folge[6];
    uint8_t Reserviert[2];
};
static_assert(sizeof(Programmsatz) == 695);
static_assert(offsetof(Programmsatz, FolgeLaenge) == 686);
static_assert(offsetof(Programmsatz, Folge) == 687);

struct Systemparameter {
    uint8_t AktTherapeut;
    uint8_t AktPatient;
    uint8_t EMG_Bereich1;
    uint8_t EMG_Bereich2;
    uint8_t EMG_Einstellung;
    uint8_t Triggerzeitlimit;
    uint8_t Triggerbegrenzung;
    uint8_t Triggerauto;
    uint8_t UpdateRate;
    uint8_t AudioVolume;
    uint8_t Patauswahl;
    uint8_t Codeabfrage;
    uint8_t druck_vorhanden;
    uint8_t stim_vorhanden;
    uint8_t flow_vorhanden;
    uint8_t Bluetooth_vorhanden;
    uint8_t Sprache;
    uint8_t Tastenfeedback;
    uint8_t Anzeigeverriegelung;
    uint8_t Druckanzeige;
    uint8_t Sprachausgabe;
    uint8_t Emg_Vertonung;
    uint8_t Baud;
    uint8_t Helligkeit;
    uint8_t Sensi;
    uint8_t EMG_Anzeige;
    uint8_t EMG_Maximum;
    uint8_t Anzeige_nach_Strom;
    uint8_t Dummy[9];
    uint8_t crc[2]; // over bytes 0..36, high byte first
};
static_assert(sizeof(Systemparameter) == 39);
static_assert(offsetof(Systemparameter, Sprache) == 16);
static_assert(offsetof(Systemparameter, Anzeige_nach_Strom) == 27);
static_assert(offsetof(Systemparameter, crc) == 37);

// One therapist or patient on the device.
struct Stammdaten {
    uint16_t Anzahl;
    uint8_t Name[30];
    uint8_t Vorname[30];
    uint8_t Text1[30];
    uint8_t Text2[30];
    uint8_t Text3[10];
    int64_t Geburtsdatum;
    uint8_t Text4[30];
    uint8_t Text5[30];
    uint16_t Reserviert;
    uint8_t ReserviertByte; // never taken into memory; goes back as read
    uint8_t Text6[27];
};
static_assert(sizeof(Stammdaten) == 230);
static_assert(offsetof(Stammdaten, Vorname) == 32);
static_assert(offsetof(Stammdaten, Geburtsdatum) == 132);
static_assert(offsetof(Stammdaten, Text4) == 140);
static_assert(offsetof(Stammdaten, Reserviert) == 200);
static_assert(offsetof(Stammdaten, ReserviertByte) == 202);
static_assert(offsetof(Stammdaten, Text6) == 203);

struct Codes {
    uint16_t Code[6];
    uint8_t crc[2]; // over bytes 0..11, high byte first
};
static_assert(sizeof(Codes) == 14);

#pragma pack(pop)

// Memory form of one therapist or patient.
struct Stammsatz {
    uint16_t Anzahl = 0;
    std::array<char16_t, 30> Name{};
    std::array<char16_t, 30> Vorname{};
    std::array<char16_t, 30> Text1{};
    std::array<char16_t, 30> Text2{};
    std::array<char16_t, 10> Text3{};
    int64_t Geburtsdatum = 0;
    std::array<char16_t, 30> Text4{};
    std::array<char16_t, 30> Text5{};
    uint16_t Reserviert = 0;
    uint8_t Loeschen = 0; // memory only: delete this patient's exercises on the next transfer
    std::array<char16_t, 27> Text6{};
};

// Seconds since 1900-01-01 00:00:00 that mark a birth date as not set (1950-01-01).
constexpr int64_t kGeburtsdatumLeer = 1577836800;

// Paths of the device files. Slots are 0-based.
std::string ProgrammPfad(int therapeut, int patient);
std::string PatientenPfad(int therapeut);
constexpr const char* kTherapeutenPfad = "0:\\Daten\\Thera.dat";
constexpr const char* kSystemPfad = "0:\\system\\syspara.dat";
constexpr const char* kCodesPfad = "0:\\System\\Temp.dat";
// Folders and files of the factory defaults of a model (model index 1..11).
std::string DefProgrammOrdner(int modell);
std::string DefSystemOrdner(int modell);
std::string DefProgrammPfad(int modell);
std::string DefSystemPfad(int modell);

// The program's names of the eleven device models, index 1..11; empty for 0 (unknown).
std::string ModellName(int modell);

// --- device character set ---

// The 31 national letters of a device language (U+00FF in free places); empty outside 0..4.
const std::u16string& NationaleZeichen(int sprache);
// Device text byte to UTF-16 and back. `national` selects the mapping of codes 1..31.
char16_t GeraetZuUnicode(uint8_t b, int sprache);
// Sets convertError when the character has neither a national code nor a code below 128.
uint8_t UnicodeZuGeraet(char16_t u, int sprache, bool& convertError);
// The same for a character that replaces the byte `alt` of an image: when `alt` still decodes to
// `u`, `alt` is kept (and nothing is reported), so unedited text round-trips byte for byte.
uint8_t UnicodeZuGeraet(char16_t u, int sprache, bool& convertError, uint8_t alt);

// --- conversions ---

void ProgrammeZuSpeicher(const Programmdatei& device, Programmsatz& memory, int sprache);
// Keeps the per-program crc fields of `device` as they are.
void ProgrammeZuGeraet(const Programmsatz& memory, Programmdatei& device, int sprache, bool& convertError);
uint16_t ProgrammdateiCrc(const Programmdatei& d);
bool ProgrammdateiCrcOk(const Programmdatei& d);
void SetProgrammdateiCrc(Programmdatei& d);

void StammZuSpeicher(const Stammdaten& device, Stammsatz& memory, int sprache);
// Converts in place: the byte that memory does not hold keeps its value, and so does every text
// byte whose character was not edited.
void StammZuGeraet(const Stammsatz& memory, Stammdaten& device, int sprache, bool& convertError);
bool IstLeer(const Stammsatz& s);

uint16_t SystemCrc(const Systemparameter& s);
void SetCodesCrc(Codes& c);
Codes DefaultCodes();

// --- pulse patterns ---

// Normal pulses: the first `laenge` bits (from the most significant bit of byte 0) are 0,
// all others 1.
void CalcStimMuster(uint8_t Muster[13], int Laenge);
// Medium-frequency current pattern for pulse width `laenge`.
void CalcMittelfrequenzMuster(uint8_t Muster[13], int Laenge);

// UTF-16 helpers for the fixed text fields of n units. The fields may lie unaligned inside
// packed records, so they are read and written byte-wise.
std::u16string FeldText(const void* field, size_t n);
void SetFeldText(void* field, size_t n, const std::u16string& text);

} // namespace zud
