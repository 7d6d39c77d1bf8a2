#include "EdfExport.h"

#include "CheckedFile.h"
#include "PatientDatabase.h"
#include "Reports.h"
#include "Statistics.h"

#include <edflib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <memory>

#include <sys/mman.h>
#include <unistd.h>

namespace zud {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("EdfExport", text);
}

constexpr int kProbenProSekunde = 10;

// The channel's own range: the largest EMG range or current the samples were taken with.
EdfSignal Kanal(const Messung& m, const QString& label, const QString& einheit, double nennMax,
                double (*wert)(const TMessWert&)) {
    EdfSignal s;
    s.Label = label;
    s.Einheit = einheit;
    s.Werte.reserve(m.Werte.size());
    double lo = 0, hi = nennMax;
    for (const TMessWert& w : m.Werte) {
        const double v = wert(w);
        s.Werte.push_back(v);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    s.PhysMin = std::floor(lo);
    s.PhysMax = std::ceil(hi);
    if (s.PhysMax <= s.PhysMin) {
        s.PhysMax = s.PhysMin + 1;
    }
    return s;
}

double GroessterBereich(const Messung& m, bool zweiter) {
    double b = 0;
    for (const TMessWert& w : m.Werte) {
        if (w.Phase != kPhaseStrom) {
            b = std::max(b, zweiter ? w.Bereich2 : w.Bereich1);
        }
    }
    return b;
}

// The file is built beside its destination and put in place when EDFlib closed it whole.
class EdfDatei {
public:
    explicit EdfDatei(int handle) : FHandle(handle) {}
    ~EdfDatei() {
        if (FHandle >= 0) {
            edfclose_file(FHandle);
        }
    }
    int Handle() const { return FHandle; }
    bool Schliessen() {
        const int h = FHandle;
        FHandle = -1;
        return edfclose_file(h) == 0;
    }

private:
    int FHandle;
};

// EDFlib does not report every failed write (a full disk shows only in the file): the file is
// checked against its own header, which must announce `records` data records.
bool Vollstaendig(const QByteArray& datei, qint64 records) {
    if (datei.size() < 256) {
        return false;
    }
    bool ok1 = false, ok2 = false, ok3 = false;
    const qint64 kopfBytes = datei.mid(184, 8).trimmed().toLongLong(&ok1);
    const qint64 anzahl = datei.mid(236, 8).trimmed().toLongLong(&ok2);
    const int ns = datei.mid(252, 4).trimmed().toInt(&ok3);
    if (!ok1 || !ok2 || !ok3 || ns <= 0 || kopfBytes != 256 * (qint64(ns) + 1) || anzahl != records ||
        datei.size() < kopfBytes) {
        return false;
    }
    // The samples per data record of each signal follow label, transducer, dimension, the four
    // limits and the prefilter.
    const qint64 proben = 256 + qint64(ns) * 216;
    qint64 jeRecord = 0;
    for (int i = 0; i < ns; ++i) {
        bool ok = false;
        jeRecord += datei.mid(proben + i * 8, 8).trimmed().toLongLong(&ok);
        if (!ok) {
            return false;
        }
    }
    return datei.size() == kopfBytes + anzahl * jeRecord * 2;
}

// EDFlib writes by name and hands every data record to the system on its own. It writes into
// memory (an anonymous memory file, reached by its name under /proc), and the finished file goes
// to its destination in one piece; where there is no such file, into a temporary file beside the
// destination.
class Zwischenablage {
public:
    explicit Zwischenablage(const QFileInfo& ziel) {
        FFd = ::memfd_create("zud-edf", MFD_CLOEXEC);
        if (FFd >= 0) {
            const QString name = QStringLiteral("/proc/self/fd/%1").arg(FFd);
            if (QFileInfo::exists(name)) {
                FPfad = name;
                return;
            }
            ::close(FFd);
            FFd = -1;
        }
        FTemp = std::make_unique<QTemporaryFile>(ziel.absolutePath() + QStringLiteral("/.") +
                                                 ziel.fileName() + QStringLiteral(".XXXXXX"));
        if (FTemp->open()) {
            FPfad = FTemp->fileName();
            FTemp->close();
        }
    }
    ~Zwischenablage() {
        if (FFd >= 0) {
            ::close(FFd);
        }
    }
    Zwischenablage(const Zwischenablage&) = delete;
    Zwischenablage& operator=(const Zwischenablage&) = delete;

    const QString& Pfad() const { return FPfad; }
    bool Lies(QByteArray* out) const {
        QFile f(FPfad);
        if (!f.open(QIODevice::ReadOnly)) {
            return false;
        }
        *out = f.readAll();
        return f.error() == QFileDevice::NoError;
    }

private:
    int FFd = -1;
    std::unique_ptr<QTemporaryFile> FTemp;
    QString FPfad;
};

} // namespace

std::vector<EdfSignal> EdfSignale(const Messung& m, int druckEinheit) {
    const QString druck = druckEinheit == 1 ? QStringLiteral("mmHg") : QStringLiteral("mbar");
    std::vector<EdfSignal> s;
    const int mode = m.Betriebsart;
    const auto emg1 = [&] {
        return Kanal(m, QStringLiteral("EMG 1"), QStringLiteral("uV"), GroessterBereich(m, false),
                     [](const TMessWert& w) { return w.EMG1; });
    };
    const auto emg2 = [&] {
        return Kanal(m, QStringLiteral("EMG 2"), QStringLiteral("uV"), GroessterBereich(m, true),
                     [](const TMessWert& w) { return w.EMG2; });
    };
    const auto strom = [&] {
        return Kanal(m, QStringLiteral("Strom"), QStringLiteral("mA"), kMaxStrom,
                     [](const TMessWert& w) { return w.Strom; });
    };
    const auto druckKanal = [&] {
        return Kanal(m, QStringLiteral("Druck"), druck, 0, [](const TMessWert& w) { return w.Druck; });
    };
    switch (mode) {
    case 0:
        s.push_back(emg1());
        break;
    case 1:
    case 2:
        s.push_back(emg1());
        s.push_back(strom());
        break;
    case 3:
        s.push_back(emg1());
        s.push_back(strom());
        s.push_back(Kanal(m, QStringLiteral("Schwelle"), QStringLiteral("uV"), GroessterBereich(m, false),
                          [](const TMessWert& w) { return w.Schwelle; }));
        break;
    case 4:
    case 5: {
        s.push_back(druckKanal());
        EdfSignal schwelle =
            Kanal(m, QStringLiteral("Schwelle"), druck, 0, [](const TMessWert& w) { return w.Schwelle; });
        // The reference line shares the pressure's scale.
        schwelle.PhysMin = std::min(schwelle.PhysMin, s.back().PhysMin);
        schwelle.PhysMax = std::max(schwelle.PhysMax, s.back().PhysMax);
        s.push_back(std::move(schwelle));
        break;
    }
    case 6:
        s.push_back(druckKanal());
        s.push_back(emg1());
        break;
    case 7:
        s.push_back(druckKanal());
        s.push_back(emg1());
        s.push_back(emg2());
        break;
    case 9:
        s.push_back(emg1());
        s.push_back(emg2());
        break;
    default:
        break;
    }
    return s;
}

std::vector<EdfAnnotation> EdfPhasen(const Messung& m) {
    static const char* const kNamen[4] = {
        QT_TRANSLATE_NOOP("EdfExport", "Entspannen"), QT_TRANSLATE_NOOP("EdfExport", "Anspannen"),
        QT_TRANSLATE_NOOP("EdfExport", "Pause"), QT_TRANSLATE_NOOP("EdfExport", "Strom")};
    const int mode = m.Betriebsart;
    int versatz = 0;
    if (mode == 5) {
        versatz = 5; // Training Druck: 5 relaxing, 6 tensing
    } else if (!(mode >= 0 && mode <= 3) && mode != 9) {
        return {};
    }
    const QString namen[4] = {Tr(kNamen[0]), Tr(kNamen[1]), Tr(kNamen[2]), Tr(kNamen[3])};
    std::vector<EdfAnnotation> a;
    const qint64 n = static_cast<qint64>(m.Werte.size());
    qint64 beginn = 0;
    for (qint64 i = 1; i <= n; ++i) {
        if (i < n && m.Werte[size_t(i)].Phase == m.Werte[size_t(beginn)].Phase) {
            continue;
        }
        const int phase = m.Werte[size_t(beginn)].Phase - versatz;
        const QString text = phase >= 0 && phase < 4
                                 ? namen[phase]
                                 : Tr(QT_TRANSLATE_NOOP("EdfExport", "Phase %1")).arg(phase + versatz);
        a.push_back({beginn, i - beginn, text});
        beginn = i;
    }
    return a;
}

QString EdfText(const QString& s) {
    QString out;
    for (const QChar c : s) {
        switch (c.unicode()) {
        case 0x00C4:
            out += QStringLiteral("Ae");
            continue;
        case 0x00D6:
            out += QStringLiteral("Oe");
            continue;
        case 0x00DC:
            out += QStringLiteral("Ue");
            continue;
        case 0x00E4:
            out += QStringLiteral("ae");
            continue;
        case 0x00F6:
            out += QStringLiteral("oe");
            continue;
        case 0x00FC:
            out += QStringLiteral("ue");
            continue;
        case 0x00DF:
            out += QStringLiteral("ss");
            continue;
        case 0x0141:
            out += QLatin1Char('L');
            continue;
        case 0x0142:
            out += QLatin1Char('l');
            continue;
        default:
            break;
        }
        if (c == QLatin1Char(' ')) {
            out += QLatin1Char('_');
            continue;
        }
        for (const QChar d : QString(c).normalized(QString::NormalizationForm_D)) {
            if (d.unicode() > 0x20 && d.unicode() < 0x7F) {
                out += d;
            }
        }
    }
    return out;
}

namespace {

bool SetzeSignale(int h, const std::vector<EdfSignal>& signale) {
    bool ok = true;
    for (int i = 0; i < static_cast<int>(signale.size()); ++i) {
        const EdfSignal& s = signale[size_t(i)];
        ok = ok && edf_set_samplefrequency(h, i, kProbenProSekunde) == 0 &&
             edf_set_physical_maximum(h, i, s.PhysMax) == 0 &&
             edf_set_physical_minimum(h, i, s.PhysMin) == 0 && edf_set_digital_maximum(h, i, 32767) == 0 &&
             edf_set_digital_minimum(h, i, -32768) == 0 &&
             edf_set_label(h, i, s.Label.toLatin1().constData()) == 0 &&
             edf_set_physical_dimension(h, i, s.Einheit.toLatin1().constData()) == 0;
    }
    return ok;
}

QByteArray Kopftext(const QString& s) {
    return EdfText(s).toLatin1();
}

// The patient's fields that are known.
bool SetzePatient(int h, const EdfKopf& kopf) {
    bool ok = true;
    if (!kopf.Patientennummer.isEmpty()) {
        ok = ok && edf_set_patientcode(h, Kopftext(kopf.Patientennummer).constData()) == 0;
    }
    const QString name = kopf.Vorname.isEmpty() ? kopf.Name : kopf.Name + QLatin1Char(' ') + kopf.Vorname;
    if (!name.isEmpty()) {
        ok = ok && edf_set_patientname(h, Kopftext(name).constData()) == 0;
    }
    if (kopf.Geschlecht == 0 || kopf.Geschlecht == 1) {
        ok = ok && edf_set_gender(h, kopf.Geschlecht) == 0;
    }
    if (kopf.Geburtstag.isValid()) {
        ok = ok && edf_set_birthdate(h, kopf.Geburtstag.year(), kopf.Geburtstag.month(),
                                     kopf.Geburtstag.day()) == 0;
    }
    return ok;
}

// The recording's fields: the annotation signals, the start, the device, the mode and program.
bool SetzeAufnahme(int h, const Messung& m, const EdfKopf& kopf, qint64 annotationen, qint64 records) {
    const qint64 jeRecord = records > 0 ? (annotationen + records - 1) / records : 1;
    bool ok =
        edf_set_number_of_annotation_signals(h, static_cast<int>(std::clamp<qint64>(jeRecord, 1, 64))) == 0;
    const QDateTime b = kopf.Beginn.isValid() ? kopf.Beginn : QDateTime(QDate(1985, 1, 1), QTime(0, 0));
    ok = ok && edf_set_startdatetime(h, b.date().year(), b.date().month(), b.date().day(), b.time().hour(),
                                     b.time().minute(), b.time().second()) == 0;
    ok = ok && SetzePatient(h, kopf);
    if (!kopf.Geraet.isEmpty()) {
        ok = ok && edf_set_equipment(h, Kopftext(kopf.Geraet).constData()) == 0;
    }
    const Betriebsartinfo* info = Betriebsart(m.Betriebsart);
    QString zusatz = info ? QString::fromUtf8(info->Kurz) : QString();
    if (!kopf.Programm.isEmpty()) {
        zusatz += QLatin1Char(' ') + kopf.Programm;
    }
    if (!zusatz.isEmpty()) {
        ok = ok && edf_set_recording_additional(h, Kopftext(zusatz.trimmed()).constData()) == 0;
    }
    return ok;
}

// One data record a second, every signal's samples of it in one call; the last record is
// filled up with the last sample.
bool SchreibeProben(int h, const std::vector<EdfSignal>& signale, qint64 proben, qint64 records) {
    std::vector<double> puffer(signale.size() * kProbenProSekunde);
    bool ok = true;
    for (qint64 r = 0; ok && r < records; ++r) {
        const qint64 erste = r * kProbenProSekunde;
        const qint64 anzahl = std::min<qint64>(kProbenProSekunde, proben - erste);
        double* ziel = puffer.data();
        for (const EdfSignal& s : signale) {
            const double* werte = s.Werte.data() + erste;
            std::copy(werte, werte + anzahl, ziel);
            std::fill(ziel + anzahl, ziel + kProbenProSekunde, werte[anzahl - 1]);
            ziel += kProbenProSekunde;
        }
        ok = edf_blockwrite_physical_samples(h, puffer.data()) == 0;
    }
    return ok;
}

bool SchreibePhasen(int h, const std::vector<EdfAnnotation>& phasen) {
    bool ok = true;
    for (const EdfAnnotation& a : phasen) {
        // Onset and duration in units of 100 µs; a sample is 0.1 s.
        ok = ok &&
             edfwrite_annotation_utf8(h, a.Beginn * 1000, a.Dauer * 1000, a.Text.toUtf8().constData()) == 0;
    }
    return ok;
}

// The whole file at `temp`; false when any part of it or its closing failed.
bool SchreibeEdfDatei(const QString& temp, const Messung& m, const EdfKopf& kopf,
                      const std::vector<EdfSignal>& signale, const std::vector<EdfAnnotation>& phasen,
                      qint64 records) {
    EdfDatei f(edfopen_file_writeonly(QFile::encodeName(temp).constData(), EDFLIB_FILETYPE_EDFPLUS,
                                      static_cast<int>(signale.size())));
    const int h = f.Handle();
    if (h < 0) {
        return false;
    }
    const bool ok =
        SetzeSignale(h, signale) && SetzeAufnahme(h, m, kopf, static_cast<qint64>(phasen.size()), records) &&
        SchreibeProben(h, signale, static_cast<qint64>(m.Werte.size()), records) && SchreibePhasen(h, phasen);
    return f.Schliessen() && ok;
}

} // namespace

bool SchreibeEdf(const QString& pfad, const Messung& m, const EdfKopf& kopf, QString* fehler) {
    const auto fail = [&](const QString& text) {
        if (fehler) {
            *fehler = text;
        }
        return false;
    };
    std::vector<EdfSignal> signale = EdfSignale(m, kopf.DruckEinheit);
    if (signale.empty() || m.Werte.empty()) {
        return fail(Tr(QT_TRANSLATE_NOOP(
            "EdfExport", "Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.")));
    }
    if (QString why; !CheckDestination(pfad, &why)) {
        return fail(why);
    }
    const Zwischenablage platz{QFileInfo(pfad)};
    if (platz.Pfad().isEmpty()) {
        return fail(Tr(QT_TRANSLATE_NOOP("EdfExport", "Datei kann nicht geschrieben werden: %1")).arg(pfad));
    }
    const qint64 proben = static_cast<qint64>(m.Werte.size());
    const qint64 records = (proben + kProbenProSekunde - 1) / kProbenProSekunde;
    const std::vector<EdfAnnotation> phasen = EdfPhasen(m);
    const QString fehlerText =
        Tr(QT_TRANSLATE_NOOP("EdfExport", "Die EDF+-Datei %1 konnte nicht geschrieben werden.")).arg(pfad);
    if (!SchreibeEdfDatei(platz.Pfad(), m, kopf, signale, phasen, records)) {
        return fail(fehlerText);
    }
    QByteArray datei;
    if (!platz.Lies(&datei) || !Vollstaendig(datei, records)) {
        return fail(fehlerText);
    }
    // Written beside the destination, on the disk, then renamed: complete or absent.
    if (QString why; !SaveFile(pfad, datei, &why)) {
        return fail(why);
    }
    return true;
}

bool ExportiereEdf(PatientDatabase& dm, qint64 counter, const QString& pfad, int druckEinheit,
                   QString* fehler) {
    QString geraet;
    const auto rec = dm.OpenRecording(counter, &geraet);
    if (!rec) {
        if (fehler) {
            *fehler = PatientDatabase::RecordingGoneText();
        }
        return false;
    }
    const Berichtsaufnahme a = LadeBerichtsaufnahme(*rec, druckEinheit);
    EdfKopf k;
    if (const auto p = dm.GetPatient(rec->Patient)) {
        k.Patientennummer = p->Nummer;
        k.Name = p->Name;
        k.Vorname = p->Vorname;
        k.Geburtstag = p->Geburtstag;
        k.Geschlecht = p->Geschlecht;
    }
    k.Beginn = QDateTime(rec->Datum, rec->Uhrzeit);
    k.Geraet = geraet;
    k.Programm = LeseKopfdaten(rec->Daten).Programmname;
    k.DruckEinheit = druckEinheit;
    return SchreibeEdf(pfad, a.Werte, k, fehler);
}

} // namespace zud
