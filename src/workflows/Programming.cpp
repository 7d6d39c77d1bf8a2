#include "Programming.h"

#include "CheckedFile.h"
#include "Handshake.h"
#include "RecordingCheck.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <thread>

namespace zud::wf {

namespace {

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

constexpr size_t kAnspannzeit = offsetof(ProgrammParameter, Anspannzeit);
constexpr size_t kEntspannzeit = offsetof(ProgrammParameter, Entspannzeit);
constexpr size_t kPausenzeit = offsetof(ProgrammParameter, Pausenzeit);
constexpr size_t kStromzeit = offsetof(ProgrammParameter, Stromzeit);
constexpr size_t kFrequenz1 = offsetof(ProgrammParameter, Frequenz1);
constexpr size_t kFrequenz2 = offsetof(ProgrammParameter, Frequenz2);
constexpr size_t kAnschwellzeit = offsetof(ProgrammParameter, Anschwellzeit);
constexpr size_t kAbschwellzeit = offsetof(ProgrammParameter, Abschwellzeit);
constexpr size_t kTimeout = offsetof(ProgrammParameter, Timeout);
constexpr size_t kImpulslaenge1 = offsetof(ProgrammParameter, Impulslaenge1);
constexpr size_t kImpulslaenge2 = offsetof(ProgrammParameter, Impulslaenge2);
constexpr size_t kStromform = offsetof(ProgrammParameter, Stromform);
constexpr size_t kAktiviert = offsetof(ProgrammParameter, Aktiviert);
constexpr size_t kBetriebsart = offsetof(ProgrammParameter, Betriebsart);
static_assert(kStromform < sizeof(Programmeintrag::Kopf));

std::array<Programmsatz, TZUD12::kPatienten> gPuffer{};
Puffer gPufferArt = Puffer::Leer;

void Progress(const ProgrammCallbacks& cb, const QString& text, int position, int maximum) {
    if (cb.progress) {
        cb.progress(text, position, maximum);
    }
}

} // namespace

// ---------------------------------------------------------------- shared steps

QString KommunikationsFehler() {
    return QCoreApplication::translate("Geraet", "Während der Kommunikation ist ein Fehler aufgetreten!");
}

void HandshakeFehler(TZUD12& dev, const Handshake& h) {
    EndConversation(dev, h.screenSet);
    WorkflowError::Kind kind = WorkflowError::EComErr;
    switch (h.result) {
    case HandshakeResult::Unsupported:
    case HandshakeResult::FirmwareTooOld:
        kind = WorkflowError::ENotSup;
        break;
    case HandshakeResult::NoDevice:
        kind = WorkflowError::ENoDev;
        break;
    default:
        break;
    }
    throw WorkflowError(kind, h.message);
}

Werksruecksetzung WerkszustandUndReset(TZUD12& dev, TProgressBar* bar) {
    Werksruecksetzung r;
    r.werkszustand = dev.Werkszustand(bar);
    r.reset = dev.Reset();
    return r;
}

// ---------------------------------------------------------------- modes and pictures

QList<int> Betriebsarten(int typ) {
    switch (typ) {
    case 1:
    case 2:
    case 3:
        return {1, 9};
    case 4:
        return {1, 10, 9};
    case 5:
    case 6:
    case 8:
    case 9:
    case 10:
    case 11:
        return {1, 2, 3, 4, 9};
    case 7:
        return {1, 2, 3, 4, 5, 6, 7, 8, 10, 9};
    default:
        // An unknown model gets what every model can: EMG biofeedback and the sequence.
        return {1, 9};
    }
}

QList<int> AngeboteneBetriebsarten(int typ, int programm) {
    QList<int> out;
    for (int code : Betriebsarten(typ)) {
        if (code == 9 && programm != 5) {
            continue;
        }
        out << code;
    }
    return out;
}

QList<int> Elektrodenbilder(int typ) {
    switch (typ) {
    case 1:
    case 5:
    case 7:
    case 8:
        return {1, 2, 3, 4};
    case 6: {
        QList<int> l{1, 2, 3, 4};
        for (int n = 6; n <= 33; ++n) {
            l << n;
        }
        return l;
    }
    default:
        return {1, 2};
    }
}

ModusRegeln RegelnFuer(int code) {
    ModusRegeln r;
    r.zeitenOffen = code != 5 && code != 9;
    r.stimulationOffen = code == 2 || code == 3 || code == 4;
    r.folgeSichtbar = code == 9;
    r.elektrodenSichtbar = code != 9;
    r.stromzeitSichtbar = r.stimulationOffen;
    return r;
}

std::optional<int> GepruefteEingabe(const QString& text, int min, int max) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<qlonglong>(v, min, max));
}

QString UebungsdauerText(int timeout) {
    if (timeout > 60) {
        return QCoreApplication::translate("Programmierung", "Dauerbetrieb");
    }
    return QCoreApplication::translate("Programmierung", "%1min").arg(timeout);
}

QString KonvertierungsMeldung() {
    return QCoreApplication::translate("Programmierung",
                                       "Einige Texte konnten nicht in die eingestellte Sprache des Gerätes "
                                       "konvertiert werden. Überprüfen Sie die Anzeige!");
}

// ---------------------------------------------------------------- working model

Programmierung::Programmierung(TZUD12& dev) : FDev(dev) {}

QString Programmierung::Titel(const QString& programmierung) const {
    return QStringLiteral("%1 [%2 S/N: %3]").arg(programmierung, GeraeteAnzeigename(FDev.Typ), FDev.SN);
}

bool Programmierung::Patientenauswahl() {
    if (FDev.SystemParameter.Patauswahl == 1) {
        return true;
    }
    FDev.SystemParameter.AktTherapeut = 0;
    FDev.SystemParameter.AktPatient = 0;
    // Only "Patient 1" is shown: it is selected, whatever slot therapist 1's record names.
    FT = 0;
    WaehlePatient(0);
    return false;
}

void Programmierung::WaehleTherapeut(int t) {
    FT = std::clamp(t, 0, kProgTherapeuten - 1);
    const int a = FDev.Therapeuten[static_cast<size_t>(FT)].Anzahl;
    WaehlePatient(a < kProgPatienten ? a : 0);
}

void Programmierung::WaehlePatient(int p) {
    FP = std::clamp(p, 0, kProgPatienten - 1);
    WaehleProgramm(std::min<int>(Satz().ErstesAktiv, 5));
}

void Programmierung::WaehleProgramm(int k) {
    FK = std::clamp(k, 0, 5);
    Normalisiere();
}

void Programmierung::Zeige(int t, int p, int k) {
    FT = std::clamp(t, 0, kProgTherapeuten - 1);
    FP = std::clamp(p, 0, kProgPatienten - 1);
    WaehleProgramm(k);
}

Programmsatz& Programmierung::Satz() const {
    return FDev.Programme[SlotIndex(FT, FP)];
}

Programmeintrag& Programmierung::Eintrag() const {
    return Satz().Programme[FK];
}

uint8_t& Programmierung::Feld(size_t offset) const {
    return Eintrag().Kopf[offset];
}

uint8_t Programmierung::Wert(size_t offset) const {
    return offset < sizeof(Programmeintrag::Kopf) ? Feld(offset) : 0;
}

int Programmierung::Setze(size_t offset, int v, int lo, int hi) {
    const int r = std::clamp(v, lo, std::max(lo, hi));
    Feld(offset) = static_cast<uint8_t>(r);
    return r;
}

void Programmierung::Normalisiere() {
    // What the fields cannot show is clamped as they show it, and kept so.
    Setze(kEntspannzeit, Feld(kEntspannzeit), 1, 255);
    Setze(kStromzeit, Feld(kStromzeit), 2, 255);
    Setze(kFrequenz1, Feld(kFrequenz1), 2, 200);
    Setze(kFrequenz2, Feld(kFrequenz2), 2, 200);
    Setze(kImpulslaenge1, Feld(kImpulslaenge1), 8, 100);
    Setze(kImpulslaenge2, Feld(kImpulslaenge2), 8, 100);
    const int s10 = 10 * Feld(kStromzeit);
    Setze(kAnschwellzeit, Feld(kAnschwellzeit), 1, std::min(255, s10 - 1));
    Setze(kAbschwellzeit, Feld(kAbschwellzeit), 1, std::min(255, s10 - Feld(kAnschwellzeit)));
    Setze(kTimeout, Feld(kTimeout), 1, 61);
    Feld(kStromform) = Feld(kStromform) == 1 ? 1 : 0;
    FDev.CalcImpulsMuster(FT, FP, FK);
    if (Satz().Folge[0] == 0) {
        Satz().Folge[0] = 1;
    }
}

int Programmierung::SetAnspannzeit(int v) {
    return Setze(kAnspannzeit, v, 0, 255);
}

int Programmierung::SetEntspannzeit(int v) {
    return Setze(kEntspannzeit, v, 1, 255);
}

int Programmierung::SetPausenzeit(int v) {
    return Setze(kPausenzeit, v, 0, 255);
}

int Programmierung::SetStromzeit(int v) {
    const int s = Setze(kStromzeit, v, 2, 255);
    // Both ramps lie within the current time, also when it becomes shorter.
    Setze(kAnschwellzeit, Feld(kAnschwellzeit), 1, std::min(255, 10 * s - 1));
    Setze(kAbschwellzeit, Feld(kAbschwellzeit), 1, AbschwellMax());
    return s;
}

int Programmierung::SetFrequenz(int kanal, int v) {
    return Setze(kanal == 2 ? kFrequenz2 : kFrequenz1, v, 2, 200);
}

int Programmierung::SetImpulslaenge(int kanal, int v) {
    const int r = Setze(kanal == 2 ? kImpulslaenge2 : kImpulslaenge1, v, 8, 100);
    FDev.CalcImpulsMuster(FT, FP, FK);
    return r;
}

int Programmierung::AnschwellMax() const {
    // The field is one byte, however long the current time.
    return std::max(1, std::min(255, 10 * Feld(kStromzeit) - Feld(kAbschwellzeit)));
}

int Programmierung::AbschwellMax() const {
    return std::max(1, std::min(255, 10 * Feld(kStromzeit) - Feld(kAnschwellzeit)));
}

int Programmierung::SetAnschwellzeit(int v) {
    return Setze(kAnschwellzeit, v, 1, AnschwellMax());
}

int Programmierung::SetAbschwellzeit(int v) {
    return Setze(kAbschwellzeit, v, 1, AbschwellMax());
}

int Programmierung::SetTimeout(int v) {
    return Setze(kTimeout, v, 1, 61);
}

bool Programmierung::SetMittelfrequenz(bool on) {
    Feld(kStromform) = on ? 1 : 0;
    FDev.CalcImpulsMuster(FT, FP, FK);
    return on;
}

bool Programmierung::SetAktiviert(bool on) {
    Feld(kAktiviert) = on ? 1 : 0;
    Programmsatz& s = Satz();
    int anzahl = 0;
    int erstes = -1;
    for (int k = 0; k < 6; ++k) {
        if (s.Programme[k].Kopf[kAktiviert] == 1) {
            ++anzahl;
            if (erstes < 0) {
                erstes = k;
            }
        }
    }
    s.AnzahlAktiv = static_cast<uint8_t>(anzahl);
    if (erstes >= 0) {
        s.ErstesAktiv = static_cast<uint8_t>(erstes);
    }
    return on;
}

QString Programmierung::SetName(const QString& name) {
    // 25 characters fill the field exactly; nothing behind it is touched.
    const QString cut = name.left(25);
    SetFeldText(Eintrag().Name, 25, cut.toStdU16String());
    return cut;
}

QString Programmierung::Name() const {
    return QString::fromStdU16String(FeldText(Eintrag().Name, 25));
}

bool Programmierung::SetBetriebsart(int code) {
    if (!AngeboteneBetriebsarten(Typ(), FK).contains(code)) {
        return false;
    }
    Feld(kBetriebsart) = static_cast<uint8_t>(code - 1);
    return true;
}

int Programmierung::Bildanzahl() const {
    return static_cast<int>(Elektrodenbilder(Typ()).size());
}

int Programmierung::Bildposition() const {
    return Eintrag().ElektrodenPosition + 1;
}

int Programmierung::Bildnummer() const {
    const QList<int> l = Elektrodenbilder(Typ());
    const int pos = Bildposition();
    return pos <= l.size() ? l[pos - 1] : 0;
}

bool Programmierung::KannVor() const {
    return Bildposition() < Bildanzahl();
}

bool Programmierung::KannZurueck() const {
    return Bildposition() > 1;
}

bool Programmierung::BildVor() {
    if (!KannVor()) {
        return false;
    }
    ++Eintrag().ElektrodenPosition;
    return true;
}

bool Programmierung::BildZurueck() {
    if (!KannZurueck()) {
        return false;
    }
    // A stored position beyond the model's pictures comes back to its last one.
    Eintrag().ElektrodenPosition = static_cast<uint8_t>(std::min(Bildposition() - 2, Bildanzahl() - 1));
    return true;
}

std::array<FolgeListe, 6> Programmierung::Folge() const {
    std::array<FolgeListe, 6> a{};
    const Programmsatz& s = Satz();
    bool vorher = true; // the list before shows a program
    for (size_t i = 0; i < 6; ++i) {
        const int v = s.Folge[i];
        a[i].enabled = vorher;
        if (!vorher) {
            a[i].entry = 0;
            continue;
        }
        if (i == 0) {
            a[i].entry = v >= 1 && v <= 5 ? v - 1 : -1;
        } else {
            a[i].entry = v <= 5 ? v : -1;
        }
        vorher = v != 0;
    }
    return a;
}

bool Programmierung::SetFolgeSchritt(int i, int entry) {
    if (i < 1 || i > 6 || !Folge()[static_cast<size_t>(i - 1)].enabled) {
        return false;
    }
    Programmsatz& s = Satz();
    if (i == 1) {
        if (entry < 0 || entry > 4) {
            return false;
        }
        s.Folge[0] = static_cast<uint8_t>(entry + 1);
    } else {
        if (entry < 0 || entry > 5) {
            return false;
        }
        s.Folge[i - 1] = static_cast<uint8_t>(entry);
        if (entry == 0) {
            for (int j = i; j < 6; ++j) {
                s.Folge[j] = 0;
            }
        }
    }
    // The length always counts the steps the lists show, also when one is added.
    int laenge = 0;
    while (laenge < 6 && s.Folge[laenge] != 0) {
        ++laenge;
    }
    s.FolgeLaenge = static_cast<uint8_t>(laenge);
    return true;
}

bool Programmierung::Belegt(int t, int p) const {
    const Stammsatz& s = FDev.Patienten[SlotIndex(t, p)];
    // A slot never written (all zero) is as empty as a removed one.
    return !wf::Name(s).isEmpty() || !wf::Vorname(s).isEmpty() ||
           (s.Geburtsdatum != kGeburtsdatumLeer && s.Geburtsdatum != 0);
}

void Programmierung::Zuweisen(const QString& name, const QString& vorname, const QDate& geburtstag) {
    Stammsatz& s = FDev.Patienten[SlotIndex(FT, FP)];
    SetFeldText(s.Name.data(), s.Name.size(), name.left(30).toStdU16String());
    SetFeldText(s.Vorname.data(), s.Vorname.size(), vorname.left(30).toStdU16String());
    s.Geburtsdatum = DatumZuGeburtsdatum(geburtstag);
}

void Programmierung::Entfernen() {
    Stammsatz& s = FDev.Patienten[SlotIndex(FT, FP)];
    s.Name.fill(0);
    s.Vorname.fill(0);
    s.Geburtsdatum = kGeburtsdatumLeer;
}

void Programmierung::AlleEntfernen() {
    for (int t = 0; t < kProgTherapeuten; ++t) {
        for (int p = 0; p < kProgPatienten; ++p) {
            Stammsatz& s = FDev.Patienten[SlotIndex(t, p)];
            s.Name.fill(0);
            s.Vorname.fill(0);
            s.Geburtsdatum = kGeburtsdatumLeer;
        }
    }
}

void Programmierung::TherapeutAendern(const QString& name, const QString& vorname) {
    Stammsatz& s = FDev.Therapeuten[static_cast<size_t>(FT)];
    SetFeldText(s.Name.data(), s.Name.size(), name.left(30).toStdU16String());
    SetFeldText(s.Vorname.data(), s.Vorname.size(), vorname.left(30).toStdU16String());
}

void Programmierung::AlleTherapeutenEntfernen() {
    for (Stammsatz& s : FDev.Therapeuten) {
        s.Name.fill(0);
        s.Vorname.fill(0);
    }
}

void Programmierung::SetLoeschen(bool on) {
    FDev.Patienten[SlotIndex(FT, FP)].Loeschen = on ? 1 : 0;
}

bool Programmierung::Loeschen() const {
    return FDev.Patienten[SlotIndex(FT, FP)].Loeschen == 1;
}

void Programmierung::KopierePatient() {
    gPuffer[0] = Satz();
    gPufferArt = Puffer::Patient;
}

bool Programmierung::FuegePatientEin() {
    if (gPufferArt != Puffer::Patient) {
        return false;
    }
    Satz() = gPuffer[0];
    WaehlePatient(FP);
    return true;
}

void Programmierung::KopiereTherapeut() {
    for (int p = 0; p < TZUD12::kPatienten; ++p) {
        gPuffer[static_cast<size_t>(p)] = FDev.Programme[SlotIndex(FT, p)];
    }
    gPufferArt = Puffer::Therapeut;
}

bool Programmierung::FuegeTherapeutEin() {
    if (gPufferArt != Puffer::Therapeut) {
        return false;
    }
    for (int p = 0; p < TZUD12::kPatienten; ++p) {
        FDev.Programme[SlotIndex(FT, p)] = gPuffer[static_cast<size_t>(p)];
    }
    WaehleTherapeut(FT);
    return true;
}

Puffer Programmierung::PufferArt() {
    return gPufferArt;
}

// ---------------------------------------------------------------- loading

void LadeProgrammierung(TZUD12& dev, const ProgrammCallbacks& cb) {
    const Handshake h = RunHandshake(dev, HandshakeOptions{true, true});
    if (!h.ok()) {
        HandshakeFehler(dev, h);
    }
    InConversation(dev, [&] {
        auto fail = [] { throw WorkflowError(WorkflowError::EComErr, KommunikationsFehler()); };
        if (!dev.ReadCodeData()) {
            fail();
        }
        Progress(cb, QString(), 0, kProgSaetze);
        Pause(100);
        if (!dev.GetVersion()) {
            fail();
        }
        Progress(cb, QCoreApplication::translate("Programmierung", "Lade Systemparameter ..."), 0,
                 kProgSaetze);
        if (!dev.ReadSystemParams()) {
            fail();
        }
        Progress(cb, QCoreApplication::translate("Programmierung", "Lade Therapeutendaten ..."), 0,
                 kProgSaetze);
        if (!dev.ReadTherapeutData()) {
            fail();
        }
        const QString text = QCoreApplication::translate("Auslesen", "Lade Patientendaten ...");
        Progress(cb, text, 0, kProgSaetze);
        for (int t = 0; t < kProgTherapeuten; ++t) {
            Pause(10);
            if (!dev.ReadPatientData(t)) {
                fail();
            }
            for (int p = 0; p < kProgPatienten; ++p) {
                Pause(10);
                if (!dev.ReadProgramData(t, p)) {
                    fail();
                }
                Progress(cb, text, t * kProgPatienten + p + 1, kProgSaetze);
                if (cb.cancelRequested && cb.cancelRequested()) {
                    throw WorkflowError(WorkflowError::EComErr,
                                        QCoreApplication::translate("Programmierung", "Laden abgebrochen."));
                }
            }
        }
    });
}

// ---------------------------------------------------------------- parameter files

QByteArray ParameterDatei(const TZUD12& dev) {
    QByteArray out;
    out.reserve(kParameterDateiGroesse);
    for (int t = 0; t < kProgTherapeuten; ++t) {
        for (int p = 0; p < kProgPatienten; ++p) {
            out.append(reinterpret_cast<const char*>(&dev.Programme[SlotIndex(t, p)]), kParameterSatzGroesse);
        }
    }
    out.append(reinterpret_cast<const char*>(&dev.SystemParameter), sizeof dev.SystemParameter);
    return out;
}

ParameterGeladen LadeParameterDatei(TZUD12& dev, const QByteArray& data) {
    ParameterGeladen r;
    const qsizetype saetze = std::min<qsizetype>(kProgSaetze, data.size() / kParameterSatzGroesse);
    for (qsizetype n = 0; n < saetze; ++n) {
        const int t = static_cast<int>(n / kProgPatienten);
        const int p = static_cast<int>(n % kProgPatienten);
        std::memcpy(&dev.Programme[SlotIndex(t, p)], data.constData() + n * kParameterSatzGroesse,
                    kParameterSatzGroesse);
    }
    r.saetze = static_cast<int>(saetze);
    Programmierung m(dev);
    for (int n = 0; n < r.saetze; ++n) {
        for (int k = 0; k < 6; ++k) {
            m.Zeige(n / kProgPatienten, n % kProgPatienten, k);
        }
    }
    if (saetze == kProgSaetze && data.size() - kParameterSystemOffset >= qsizetype(sizeof(Systemparameter))) {
        std::memcpy(&dev.SystemParameter, data.constData() + kParameterSystemOffset,
                    sizeof dev.SystemParameter);
        r.system = true;
    }
    return r;
}

bool SpeichereParameterDatei(const TZUD12& dev, const QString& path, QString* error) {
    return SaveFile(path, ParameterDatei(dev), error);
}

bool OeffneParameterDatei(TZUD12& dev, const QString& path, ParameterGeladen& ergebnis, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QCoreApplication::translate("Programmierung", "Datei kann nicht gelesen werden: %1 (%2)")
                         .arg(path, f.errorString());
        }
        return false;
    }
    // Whatever stands behind the system parameters is not read.
    const QByteArray data = f.read(kParameterDateiGroesse);
    if (f.error() != QFileDevice::NoError) {
        if (error) {
            *error = QCoreApplication::translate("Programmierung", "Datei kann nicht gelesen werden: %1 (%2)")
                         .arg(path, f.errorString());
        }
        return false;
    }
    ergebnis = LadeParameterDatei(dev, data);
    return true;
}

// ---------------------------------------------------------------- transfer

namespace {

// A step of the transfer answers the message it failed with, or nothing when it went through.
using Fehlschlag = std::optional<QString>;

QString LoeschText(int t, int p) {
    return QCoreApplication::translate("Programmierung", "Lösche Übungen (Therapeut %1, Patient %2)")
        .arg(t + 1)
        .arg(p + 1);
}

// One transfer of the edited image to the device, step by step; the device commands go out in
// the order the steps are called.
class Transfer {
public:
    Transfer(TZUD12& dev, const UebertragungsOptionen& options, const ProgrammCallbacks& cb)
        : dev_(dev), options_(options), cb_(cb), bar_(cb.bar ? cb.bar() : nullptr) {}

    Uebertragung Run();

private:
    void Hide() const;
    Uebertragung Stop(const QString& message);
    Fehlschlag Connect();
    Fehlschlag CheckSameDevice();
    Fehlschlag WriteClockAndCodes();
    Fehlschlag WriteFactoryDefaults();
    Uebertragung ResetToFactoryState();
    Fehlschlag DeleteAllExercises();
    Uebertragung WriteImage();
    bool Cancelled();
    QString CancelMessage() const;
    Fehlschlag WriteTherapists();
    Fehlschlag WritePatients(int t);
    Fehlschlag WriteProgram(int t, int p);
    Fehlschlag DeleteMarkedExercises(int t, int p);
    Fehlschlag WriteSystemParameters();

    TZUD12& dev_;
    const UebertragungsOptionen& options_;
    const ProgrammCallbacks& cb_;
    TProgressBar* bar_;
    Uebertragung r_;
    bool screenSet_ = false;
};

Uebertragung Transfer::Run() {
    if (Fehlschlag f = Connect()) {
        return Stop(*f);
    }
    if (Fehlschlag f = CheckSameDevice()) {
        return Stop(*f);
    }
    if (Fehlschlag f = WriteClockAndCodes()) {
        return Stop(*f);
    }
    dev_.ConvertError = false;
    if (options_.werkseinstellungenSpeichern) {
        if (Fehlschlag f = WriteFactoryDefaults()) {
            return Stop(*f);
        }
    }
    if (options_.werkszustand) {
        return ResetToFactoryState();
    }
    return WriteImage();
}

void Transfer::Hide() const {
    if (cb_.hide) {
        cb_.hide();
    }
}

Uebertragung Transfer::Stop(const QString& message) {
    Hide();
    r_.failed = true;
    r_.error = message;
    EndConversation(dev_, screenSet_);
    return r_;
}

Fehlschlag Transfer::Connect() {
    dev_.open();
    if (!dev_.ComOpen) {
        return PortOpenMessage(dev_.ComPort, dev_.ComError);
    }
    if (!dev_.SetDownloadScreen(199)) {
        return QCoreApplication::translate("Geraet", "Kein Gerät erkannt!");
    }
    screenSet_ = true;
    return std::nullopt;
}

// The image is written incrementally: only to the device it was loaded from.
Fehlschlag Transfer::CheckSameDevice() {
    const GeraeteDaten geladen = dev_.GeraeteDaten;
    const int typ = dev_.Typ;
    const int kunde = dev_.Kunde;
    const QString sn = dev_.SN;
    if (!dev_.GetDeviceInfo()) {
        return KommunikationsFehler();
    }
    if (dev_.SN != sn) {
        dev_.GeraeteDaten = geladen;
        dev_.Typ = typ;
        dev_.Kunde = kunde;
        dev_.SN = sn;
        return QCoreApplication::translate("Programmierung",
                                           "Es ist ein anderes Gerät angeschlossen als beim Laden (S/N "
                                           "%1). Bitte die Programmierung neu starten.")
            .arg(sn);
    }
    return std::nullopt;
}

Fehlschlag Transfer::WriteClockAndCodes() {
    const QDateTime jetzt = options_.jetzt.isValid() ? options_.jetzt : QDateTime::currentDateTime();
    if (!dev_.WriteRTC(jetzt) || !dev_.WriteCodeData()) {
        return KommunikationsFehler();
    }
    r_.geschrieben << QString::fromLatin1(kCodesPfad);
    return std::nullopt;
}

Fehlschlag Transfer::WriteFactoryDefaults() {
    if (!dev_.WriteDefSystemParams()) {
        return KommunikationsFehler();
    }
    r_.geschrieben << QString::fromStdString(DefSystemPfad(dev_.Typ));
    if (!dev_.WriteDefProgramData()) {
        return KommunikationsFehler();
    }
    r_.geschrieben << QString::fromStdString(DefProgrammPfad(dev_.Typ));
    return std::nullopt;
}

Uebertragung Transfer::ResetToFactoryState() {
    if (Fehlschlag f = DeleteAllExercises()) {
        return Stop(*f);
    }
    Progress(cb_, QCoreApplication::translate("Programmierung", "Werkszustand"), 0, 71);
    const Werksruecksetzung w = WerkszustandUndReset(dev_, bar_);
    Hide();
    r_.werkszustand = w.werkszustand;
    r_.convertError = dev_.ConvertError;
    dev_.close();
    if (!w.ok()) {
        // The device did not confirm its factory state or the reset that ends it.
        r_.failed = true;
        r_.error = KommunikationsFehler();
    }
    return r_;
}

Fehlschlag Transfer::DeleteAllExercises() {
    Progress(cb_, QString(), 0, kProgSaetze);
    for (int n = 0; n < kProgSaetze; ++n) {
        const int t = n / kProgPatienten;
        const int p = n % kProgPatienten;
        Progress(cb_, LoeschText(t, p), 0, kProgSaetze);
        if (cb_.cancelRequested && cb_.cancelRequested()) {
            // Before the factory state: the device keeps its records and programs.
            r_.cancelled = true;
            return QCoreApplication::translate("Programmierung",
                                               "Werkseinstellungen abgebrochen: die Übungen von %1 Patienten "
                                               "wurden gelöscht, das Gerät behält seine Programme.")
                .arg(r_.geloescht.size());
        }
        if (!dev_.DeleteExercises(bar_, t, QStringLiteral("*.*"), p)) {
            return KommunikationsFehler();
        }
        r_.geloescht << static_cast<int>(SlotIndex(t, p));
    }
    return std::nullopt;
}

QString UebertrageText() {
    return QCoreApplication::translate("Programmierung", "Übertrage Programme ...");
}

Uebertragung Transfer::WriteImage() {
    Progress(cb_, UebertrageText(), 0, kProgSaetze);
    if (Fehlschlag f = WriteTherapists()) {
        return Stop(*f);
    }
    for (int t = 0; t < kProgTherapeuten; ++t) {
        if (Fehlschlag f = WritePatients(t)) {
            return Stop(*f);
        }
    }
    if (Fehlschlag f = WriteSystemParameters()) {
        return Stop(*f);
    }
    r_.convertError = dev_.ConvertError;
    Hide();
    EndConversation(dev_, true);
    return r_;
}

// The progress window stands for the whole transfer: its close box is the cancel, checked
// before each file.
bool Transfer::Cancelled() {
    if (!cb_.cancelRequested || !cb_.cancelRequested()) {
        return false;
    }
    r_.cancelled = true;
    return true;
}

QString Transfer::CancelMessage() const {
    return QCoreApplication::translate("Programmierung",
                                       "Übertragen abgebrochen: %1 Dateien wurden übertragen. Die "
                                       "übrigen Änderungen überträgt das nächste „Übertragen“.")
        .arg(r_.geschrieben.size());
}

Fehlschlag Transfer::WriteTherapists() {
    const auto therapeutenVorher = dev_.Therapeuten_ZUD12_ori;
    if (Cancelled()) {
        return CancelMessage();
    }
    if (!dev_.WriteTherapeutData()) {
        return KommunikationsFehler();
    }
    if (std::memcmp(&therapeutenVorher, &dev_.Therapeuten_ZUD12_ori, sizeof therapeutenVorher) != 0) {
        r_.geschrieben << QString::fromLatin1(kTherapeutenPfad);
    }
    return std::nullopt;
}

// One therapist's patient file, then each patient's program and marked exercises.
Fehlschlag Transfer::WritePatients(int t) {
    std::array<Stammdaten, TZUD12::kPatienten> vorher{};
    std::memcpy(vorher.data(), &dev_.Patienten_ZUD12_ori[SlotIndex(t, 0)], sizeof vorher);
    if (Cancelled()) {
        return CancelMessage();
    }
    if (!dev_.WritePatientData(t)) {
        return KommunikationsFehler();
    }
    if (std::memcmp(vorher.data(), &dev_.Patienten_ZUD12_ori[SlotIndex(t, 0)], sizeof vorher) != 0) {
        r_.geschrieben << QString::fromStdString(PatientenPfad(t));
    }
    for (int p = 0; p < kProgPatienten; ++p) {
        if (Fehlschlag f = WriteProgram(t, p)) {
            return f;
        }
        if (Fehlschlag f = DeleteMarkedExercises(t, p)) {
            return f;
        }
        Progress(cb_, UebertrageText(), t * kProgPatienten + p + 1, kProgSaetze);
    }
    return std::nullopt;
}

Fehlschlag Transfer::WriteProgram(int t, int p) {
    const Programmdatei progVorher = dev_.Programme_ZUD12_ori[SlotIndex(t, p)];
    if (Cancelled()) {
        return CancelMessage();
    }
    if (!dev_.WriteProgramData(t, p)) {
        return KommunikationsFehler();
    }
    if (std::memcmp(&progVorher, &dev_.Programme_ZUD12_ori[SlotIndex(t, p)], sizeof progVorher) != 0) {
        r_.geschrieben << QString::fromStdString(ProgrammPfad(t, p));
    }
    return std::nullopt;
}

Fehlschlag Transfer::DeleteMarkedExercises(int t, int p) {
    Stammsatz& pat = dev_.Patienten[SlotIndex(t, p)];
    if (pat.Loeschen != 1) {
        return std::nullopt;
    }
    Progress(cb_, LoeschText(t, p), 0, 1);
    if (!dev_.DeleteExercises(bar_, t, QStringLiteral("*.*"), p)) {
        return KommunikationsFehler();
    }
    pat.Loeschen = 0; // done: a second transfer does not delete again
    r_.geloescht << static_cast<int>(SlotIndex(t, p));
    return std::nullopt;
}

Fehlschlag Transfer::WriteSystemParameters() {
    if (Cancelled()) {
        return CancelMessage();
    }
    const Systemparameter sysVorher = dev_.SystemParameter_ZUD12_ori;
    if (!dev_.WriteSystemParams()) {
        return KommunikationsFehler();
    }
    if (std::memcmp(&sysVorher, &dev_.SystemParameter_ZUD12_ori, sizeof sysVorher) != 0) {
        r_.geschrieben << QString::fromLatin1(kSystemPfad);
    }
    return std::nullopt;
}

} // namespace

Uebertragung Uebertrage(TZUD12& dev, const UebertragungsOptionen& options, const ProgrammCallbacks& cb) {
    return Transfer(dev, options, cb).Run();
}

} // namespace zud::wf
