// Reading and writing the device's data files: programs, system parameters, therapists,
// patients and access codes. Writes are incremental against the image last read.

#include "Crc.h"
#include "TZUD12.h"

#include <cstring>

namespace zud {

namespace {

bool ValidSlot(int t, int p) {
    return t >= 0 && t < TZUD12::kTherapeuten && p >= 0 && p < TZUD12::kPatienten;
}

QString Path(const std::string& p) {
    return QString::fromStdString(p);
}

} // namespace

bool TZUD12::ReadTwice(const std::string& path, QByteArray& stream) {
    stream.clear();
    if (ReadFile(Path(path), stream)) {
        return true;
    }
    // Bytes left over from the failed attempt must not pass for the answer to the next one.
    stream.clear();
    ComDev.RxFlush();
    return ReadFile(Path(path), stream);
}

bool TZUD12::WriteImage(const std::string& path, const void* data, size_t size) {
    return WriteFile(Path(path), QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
}

// ---------------------------------------------------------------- programs

bool TZUD12::ReadProgramData(int Therapeut, int Patient) {
    if (Busy("ReadProgramData")) {
        return false;
    }
    if (!ComOpen || !ValidSlot(Therapeut, Patient)) {
        return false;
    }
    QByteArray stream;
    if (!ReadTwice(ProgrammPfad(Therapeut, Patient), stream)) {
        return false;
    }
    // Checked before anything is taken over: a damaged file leaves the slot as it was.
    Programmdatei image{};
    std::memcpy(&image, stream.constData(),
                std::min<size_t>(sizeof image, static_cast<size_t>(stream.size())));
    if (static_cast<size_t>(stream.size()) < sizeof image || !ProgrammdateiCrcOk(image)) {
        AddLog(QStringLiteral("ReadProgramData (crc)"));
        return false;
    }
    const size_t i = static_cast<size_t>(Therapeut * kPatienten + Patient);
    Programme_ZUD12[i] = image;
    Programme_ZUD12_ori[i] = image;
    ProgrammeZuSpeicher(image, Programme[i], SystemParameter.Sprache);
    return true;
}

bool TZUD12::WriteProgramData(int Therapeut, int Patient) {
    if (Busy("WriteProgramData")) {
        return false;
    }
    if (!ComOpen || !ValidSlot(Therapeut, Patient)) {
        return false;
    }
    const size_t i = static_cast<size_t>(Therapeut * kPatienten + Patient);
    Programmdatei& image = Programme_ZUD12[i];
    ProgrammeZuGeraet(Programme[i], image, SystemParameter.Sprache, ConvertError);
    if (std::memcmp(&image, &Programme_ZUD12_ori[i], sizeof image) == 0) {
        return true;
    }
    SetProgrammdateiCrc(image);
    if (!WriteImage(ProgrammPfad(Therapeut, Patient), &image, sizeof image)) {
        return false;
    }
    Programme_ZUD12_ori[i] = image;
    return true;
}

bool TZUD12::WriteDefProgramData() {
    if (Busy("WriteDefProgramData")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    if (ModellName(Typ).empty()) {
        // No folder belongs to an unknown model: never guess one.
        AddLog(QStringLiteral("WriteDefProgramData (unknown model): Typ: %1").arg(GeraeteDaten.Typ));
        return false;
    }
    Programmdatei& image = Programme_ZUD12[0];
    ProgrammeZuGeraet(Programme[0], image, SystemParameter.Sprache, ConvertError);
    SetProgrammdateiCrc(image);
    return CheckDirectory(Path(DefProgrammOrdner(Typ))) &&
           WriteImage(DefProgrammPfad(Typ), &image, sizeof image);
}

bool TZUD12::CalcImpulsMuster(int Therapeut, int Patient, int Programm) {
    if (!ValidSlot(Therapeut, Patient) || Programm < 0 || Programm > 5) {
        return true;
    }
    Programmeintrag& e = Programme[static_cast<size_t>(Therapeut * kPatienten + Patient)].Programme[Programm];
    ProgrammParameter p{};
    std::memcpy(&p, e.Kopf, sizeof e.Kopf);
    if (p.Stromform == 1) {
        CalcMittelfrequenzMuster(p.Impulsform1, p.Impulslaenge1);
        CalcMittelfrequenzMuster(p.Impulsform2, p.Impulslaenge2);
    } else {
        CalcStimMuster(p.Impulsform1, p.Impulslaenge1);
        CalcStimMuster(p.Impulsform2, p.Impulslaenge2);
    }
    std::memcpy(e.Kopf, &p, sizeof e.Kopf);
    return true;
}

// ---------------------------------------------------------------- system parameters

bool TZUD12::ReadSystemParams() {
    if (Busy("ReadSystemParams")) {
        return false;
    }
    QByteArray stream;
    if (!ComOpen || !ReadTwice(kSystemPfad, stream)) {
        return false;
    }
    if (static_cast<size_t>(stream.size()) < sizeof(Systemparameter)) {
        AddLog(QStringLiteral("ReadSystemParams (size): %1").arg(stream.size()));
        return false;
    }
    std::memcpy(&SystemParameter, stream.constData(), sizeof SystemParameter);
    std::memcpy(&SystemParameter_ZUD12_ori, stream.constData(), sizeof SystemParameter_ZUD12_ori);
    return true;
}

bool TZUD12::WriteSystemParams() {
    if (Busy("WriteSystemParams")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    if (std::memcmp(&SystemParameter, &SystemParameter_ZUD12_ori, sizeof SystemParameter) == 0) {
        return true;
    }
    if (!WriteImage(kSystemPfad, &SystemParameter, sizeof SystemParameter)) {
        return false;
    }
    SystemParameter_ZUD12_ori = SystemParameter;
    return true;
}

bool TZUD12::WriteDefSystemParams() {
    if (Busy("WriteDefSystemParams")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    if (ModellName(Typ).empty()) {
        AddLog(QStringLiteral("WriteDefSystemParams (unknown model): Typ: %1").arg(GeraeteDaten.Typ));
        return false;
    }
    return CheckDirectory(Path(DefSystemOrdner(Typ))) &&
           WriteImage(DefSystemPfad(Typ), &SystemParameter, sizeof SystemParameter);
}

void TZUD12::GenerateSysCRC() {
    PutCrc(SystemParameter.crc, SystemCrc(SystemParameter));
}

// ---------------------------------------------------------------- therapists and patients

bool TZUD12::ReadTherapeutData() {
    if (Busy("ReadTherapeutData")) {
        return false;
    }
    QByteArray stream;
    if (!ComOpen || !ReadTwice(kTherapeutenPfad, stream)) {
        return false;
    }
    constexpr size_t kSize = sizeof(Stammdaten) * kTherapeuten;
    if (static_cast<size_t>(stream.size()) < kSize) {
        AddLog(QStringLiteral("ReadTherapeutData (size): %1").arg(stream.size()));
        return false;
    }
    std::memcpy(Therapeuten_ZUD12.data(), stream.constData(), kSize);
    std::memcpy(Therapeuten_ZUD12_ori.data(), stream.constData(), kSize);
    for (size_t t = 0; t < kTherapeuten; ++t) {
        StammZuSpeicher(Therapeuten_ZUD12[t], Therapeuten[t], SystemParameter.Sprache);
    }
    return true;
}

bool TZUD12::WriteTherapeutData() {
    if (Busy("WriteTherapeutData")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    for (size_t t = 0; t < kTherapeuten; ++t) {
        StammZuGeraet(Therapeuten[t], Therapeuten_ZUD12[t], SystemParameter.Sprache, ConvertError);
    }
    constexpr size_t kSize = sizeof(Stammdaten) * kTherapeuten;
    if (std::memcmp(Therapeuten_ZUD12.data(), Therapeuten_ZUD12_ori.data(), kSize) == 0) {
        return true;
    }
    if (!WriteImage(kTherapeutenPfad, Therapeuten_ZUD12.data(), kSize)) {
        return false;
    }
    Therapeuten_ZUD12_ori = Therapeuten_ZUD12;
    return true;
}

bool TZUD12::ReadPatientData(int Therapeut) {
    if (Busy("ReadPatientData")) {
        return false;
    }
    QByteArray stream;
    if (!ComOpen || !ValidSlot(Therapeut, 0) || !ReadTwice(PatientenPfad(Therapeut), stream)) {
        return false;
    }
    constexpr size_t kSize = sizeof(Stammdaten) * kPatienten;
    if (static_cast<size_t>(stream.size()) < kSize) {
        AddLog(QStringLiteral("ReadPatientData (size): %1").arg(stream.size()));
        return false;
    }
    const size_t first = static_cast<size_t>(Therapeut * kPatienten);
    std::memcpy(&Patienten_ZUD12[first], stream.constData(), kSize);
    std::memcpy(&Patienten_ZUD12_ori[first], stream.constData(), kSize);
    // Slots 6..9 live in the device images only.
    for (size_t p = 0; p < 6; ++p) {
        StammZuSpeicher(Patienten_ZUD12[first + p], Patienten[first + p], SystemParameter.Sprache);
        Patienten[first + p].Loeschen = 0;
    }
    return true;
}

bool TZUD12::WritePatientData(int Therapeut) {
    if (Busy("WritePatientData")) {
        return false;
    }
    if (!ComOpen || !ValidSlot(Therapeut, 0)) {
        return false;
    }
    const size_t first = static_cast<size_t>(Therapeut * kPatienten);
    for (size_t p = 0; p < 6; ++p) {
        StammZuGeraet(Patienten[first + p], Patienten_ZUD12[first + p], SystemParameter.Sprache,
                      ConvertError);
    }
    constexpr size_t kSize = sizeof(Stammdaten) * kPatienten;
    if (std::memcmp(&Patienten_ZUD12[first], &Patienten_ZUD12_ori[first], kSize) == 0) {
        return true;
    }
    if (!WriteImage(PatientenPfad(Therapeut), &Patienten_ZUD12[first], kSize)) {
        return false;
    }
    std::memcpy(&Patienten_ZUD12_ori[first], &Patienten_ZUD12[first], kSize);
    return true;
}

// ---------------------------------------------------------------- access codes

bool TZUD12::ReadCodeData() {
    if (Busy("ReadCodeData")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    const File f = DirectoryQuery(Path(kCodesPfad));
    if (f.Status == 4) {
        Codes_ZUD12 = DefaultCodes();
        return true;
    }
    QByteArray stream;
    if (!ReadFile(Path(kCodesPfad), stream)) {
        return false;
    }
    if (static_cast<size_t>(stream.size()) < sizeof(Codes)) {
        AddLog(QStringLiteral("ReadCodeData (size): %1").arg(stream.size()));
        return false;
    }
    std::memcpy(&Codes_ZUD12, stream.constData(), sizeof Codes_ZUD12);
    return true;
}

bool TZUD12::WriteCodeData() {
    if (Busy("WriteCodeData")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    SetCodesCrc(Codes_ZUD12);
    return WriteImage(kCodesPfad, &Codes_ZUD12, sizeof Codes_ZUD12);
}

} // namespace zud
