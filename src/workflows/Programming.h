#pragma once

// Device programming without windows: loading therapists, patients, the 36 program sets and
// the system parameters into the device object, the working model with every field rule of the
// programming window, the parameter files "*.zud", and the transfer ("Übertragen"). The
// programming window and `zudctl program-pull/program-push` both run it.

#include "Readout.h"
#include "TZUD12.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace zud {
struct Handshake;
}

namespace zud::wf {

// Program sets the programming window works on: therapists 1..6, patient slots 1..6 each.
constexpr int kProgTherapeuten = 6;
constexpr int kProgPatienten = 6;
constexpr int kProgSaetze = kProgTherapeuten * kProgPatienten;
// The parameter file: 36 program sets, then the system parameters.
constexpr qsizetype kParameterSatzGroesse = sizeof(Programmsatz);
constexpr qsizetype kParameterSystemOffset = kProgSaetze * kParameterSatzGroesse;
constexpr qsizetype kParameterDateiGroesse = kParameterSystemOffset + sizeof(Systemparameter);
static_assert(kParameterSystemOffset == 25020);
static_assert(kParameterDateiGroesse == 25059);

// Index of patient slot p of therapist t in the device image's sixty slots.
constexpr size_t SlotIndex(int t, int p) {
    return static_cast<size_t>(t * TZUD12::kPatienten + p);
}

// "Während der Kommunikation ist ein Fehler aufgetreten!"
QString KommunikationsFehler();

// A handshake that failed: ends the conversation and throws its WorkflowError (ENotSup for a
// device or firmware this program does not serve, ENoDev when no device answered, else EComErr).
[[noreturn]] void HandshakeFehler(TZUD12& dev, const Handshake& h);

// The end of a factory reset: the device's factory state, then the reset that restarts it (also
// after a failed factory state, so that the device does not stay in a half-written one). Each
// judged from its command's status. The link stays open.
struct Werksruecksetzung {
    bool werkszustand = false;
    bool reset = false;
    bool ok() const { return werkszustand && reset; }
};
Werksruecksetzung WerkszustandUndReset(TZUD12& dev, TProgressBar* bar);

// Progress of the loading and the transfer: the progress window's text and position, its
// close box, the bar the device commands move, and its closing.
struct ProgrammCallbacks {
    std::function<void(const QString& text, int position, int maximum)> progress;
    std::function<bool()> cancelRequested;
    std::function<TProgressBar*()> bar;
    std::function<void()> hide;
};

// --- operating modes and electrode pictures per device model ---

// Mode codes (1..10; Betriebsart + 1) a model offers, in list order; code 9 included.
QList<int> Betriebsarten(int typ);
// The list of one program tab: code 9 ("Programmfolge") only on the sixth program (k = 5).
QList<int> AngeboteneBetriebsarten(int typ, int programm);
// Picture numbers (1-based in the picture file) of a model, in order.
QList<int> Elektrodenbilder(int typ);

// Which panels and fields a mode code shows.
struct ModusRegeln {
    bool zeitenOffen = true;      // panel "Zeiten" expanded
    bool stimulationOffen = true; // panel "Stimulations-Parameter" expanded
    bool folgeSichtbar = false;   // panel "Programmfolge" visible and expanded
    bool elektrodenSichtbar = true;
    bool stromzeitSichtbar = false; // "Stromzeit[s]:" and "Pausenzeit[s]:"
};
ModusRegeln RegelnFuer(int code);

// A typed value of an up-down field on leaving it: clamped into [min, max]; nothing when the
// text is not a number (the field keeps the focus).
std::optional<int> GepruefteEingabe(const QString& text, int min, int max);

// "%dmin", or "Dauerbetrieb" above 60.
QString UebungsdauerText(int timeout);

// One step list of the program sequence as the window shows it.
struct FolgeListe {
    bool enabled = false;
    int entry = 0; // list index; -1 when the stored step names no entry of the list
};

// The copy buffer of program sets: one patient's set or a therapist's ten.
enum class Puffer { Leer, Patient, Therapeut };

// The working model of the programming window: which therapist, patient slot and program are
// current, and every change rule of the window's fields, written into the device image.
class Programmierung {
public:
    explicit Programmierung(TZUD12& dev);

    TZUD12& Device() const { return FDev; }
    int Therapeut() const { return FT; }
    int Patient() const { return FP; }
    int Programm() const { return FK; }
    int Typ() const { return FDev.Typ; }

    // Caption "Programmierung [<model> S/N: <serial>]" (the first word translated by the caller).
    QString Titel(const QString& programmierung) const;

    // The patient-selection setting: true when therapists and patients 2..6 are shown. Without it
    // therapist 1 / patient 1 become current, also in the system parameters.
    bool Patientenauswahl();

    // Therapist t becomes current; the slot named by his record's Anzahl (slot 0 when that is
    // not 0..5) becomes the current patient.
    void WaehleTherapeut(int t);
    // Patient slot p becomes current; the current program is min(ErstesAktiv, 5), shown.
    void WaehlePatient(int p);
    // Program k becomes current and is shown: every stored value outside its field's range is
    // clamped and written back, step 1 of the sequence becomes 1 when it is 0.
    void WaehleProgramm(int k);
    // Program k of slot (t, p) becomes current and is shown, whatever the therapist's record names.
    void Zeige(int t, int p, int k);

    Programmsatz& Satz() const;
    Programmeintrag& Eintrag() const;
    // Byte `offset` (of the program record's first 42 bytes) of the current program.
    uint8_t Wert(size_t offset) const;

    // --- field rules (each returns the value stored) ---
    int SetAnspannzeit(int v);
    int SetEntspannzeit(int v);
    int SetPausenzeit(int v);
    // Also limits both ramps so that they fit into the current time.
    int SetStromzeit(int v);
    int SetFrequenz(int kanal, int v);
    int SetImpulslaenge(int kanal, int v);
    int SetAnschwellzeit(int v);
    int SetAbschwellzeit(int v);
    int AnschwellMax() const;
    int AbschwellMax() const;
    int SetTimeout(int v);
    bool SetMittelfrequenz(bool on);
    bool SetAktiviert(bool on);
    QString SetName(const QString& name);
    QString Name() const;
    // False (nothing changed) when the mode is not offered on this tab for this model.
    bool SetBetriebsart(int code);
    int Betriebsart() const { return Wert(2) + 1; }

    // --- electrode pictures ---
    int Bildanzahl() const;
    int Bildposition() const; // 1-based
    // The picture number in the picture file; 0 when the stored position names none.
    int Bildnummer() const;
    bool KannVor() const;
    bool KannZurueck() const;
    bool BildVor();
    bool BildZurueck();

    // --- program sequence ---
    std::array<FolgeListe, 6> Folge() const;
    // Step i (1..6) set to list entry `entry`; false when the entry does not exist or the list
    // is disabled.
    bool SetFolgeSchritt(int i, int entry);

    // --- patients and therapists ---
    bool Belegt(int t, int p) const;
    void Zuweisen(const QString& name, const QString& vorname, const QDate& geburtstag);
    void Entfernen();
    void AlleEntfernen();
    void TherapeutAendern(const QString& name, const QString& vorname);
    void AlleTherapeutenEntfernen();
    // "Alle Übungen des Patienten löschen".
    void SetLoeschen(bool on);
    bool Loeschen() const;

    // --- copy and paste ---
    void KopierePatient();
    bool FuegePatientEin();
    void KopiereTherapeut();
    bool FuegeTherapeutEin();
    static Puffer PufferArt();

private:
    uint8_t& Feld(size_t offset) const;
    int Setze(size_t offset, int v, int lo, int hi);
    void Normalisiere();

    TZUD12& FDev;
    int FT = 0;
    int FP = 0;
    int FK = 0;
};

// --- loading ---

// The handshake, the access codes, the system parameters, the therapists, and per therapist
// the patient list and the six program sets, with the progress window (0..36). Ends the
// conversation (normal screen, close) in every case. Throws WorkflowError.
void LadeProgrammierung(TZUD12& dev, const ProgrammCallbacks& cb = {});

// --- parameter files ---

// The 36 program sets and the system parameters as a parameter file.
QByteArray ParameterDatei(const TZUD12& dev);
struct ParameterGeladen {
    int saetze = 0;      // whole program sets taken from the file
    bool system = false; // the system parameters were taken too
};
// Takes the file's whole program sets in order; the system parameters only when all 36 sets
// and the 39 bytes behind them are present. A set cut off in the middle is not taken. Every
// program taken is clamped into the ranges of its fields, as if it had been shown: a damaged
// file never sends a stimulation value to the device that the window could not set.
ParameterGeladen LadeParameterDatei(TZUD12& dev, const QByteArray& data);
// Both false with a German reason.
bool SpeichereParameterDatei(const TZUD12& dev, const QString& path, QString* error);
bool OeffneParameterDatei(TZUD12& dev, const QString& path, ParameterGeladen& ergebnis, QString* error);

// --- transfer ---

struct UebertragungsOptionen {
    bool werkseinstellungenSpeichern = false; // "Als Werkseinstellungen speichern:"
    bool werkszustand = false;                // "Werkseinstellungen:"
    QDateTime jetzt;                          // the device clock; invalid = now
};

struct Uebertragung {
    QStringList geschrieben; // device paths of the files written, in order
    QList<int> geloescht;    // slots (therapist × 10 + patient) whose exercises were deleted
    bool werkszustand = false;
    bool convertError = false;
    bool failed = false;
    bool cancelled = false; // stopped by the user (failed is set too)
    QString error;          // the German message when it stopped
};

// The German message shown after a transfer whose texts did not fit the device's language.
QString KonvertierungsMeldung();

// "Übertragen": clock, codes, optionally the factory defaults, then either the factory state
// (exercises of all 36 slots deleted, factory state, reset) or the incremental writes of
// therapists, patients, programs and system parameters with the per-slot deletions. Stops at
// the first failure, and between two files when cancelRequested says so (what was written
// stays written; the rest goes with the next transfer).
Uebertragung Uebertrage(TZUD12& dev, const UebertragungsOptionen& options, const ProgrammCallbacks& cb = {});

} // namespace zud::wf
