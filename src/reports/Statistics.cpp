#include "Statistics.h"

#include "Allocator.h"
#include "DeviceFiles.h"
#include "RecordingCheck.h"
#include "Units.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zud {

namespace {

const char* const kCtx = "Statistik";

QString Tr(const char* text) {
    return QCoreApplication::translate(kCtx, text);
}

const char* const kListenTitel[kStatListen] = {
    QT_TRANSLATE_NOOP("Statistik", "Einkanalig"),     QT_TRANSLATE_NOOP("Statistik", "Zweikanalig"),
    QT_TRANSLATE_NOOP("Statistik", "EMG-gesteuert"),  QT_TRANSLATE_NOOP("Statistik", "Druck"),
    QT_TRANSLATE_NOOP("Statistik", "Training Druck"),
};

const char* const kGemeinsam[kGemeinsameSpalten] = {
    QT_TRANSLATE_NOOP("Statistik", "Nr"),          QT_TRANSLATE_NOOP("Statistik", "Datum"),
    QT_TRANSLATE_NOOP("Statistik", "Uhrzeit"),     QT_TRANSLATE_NOOP("Statistik", "Programmname"),
    QT_TRANSLATE_NOOP("Statistik", "Betriebsart"), QT_TRANSLATE_NOOP("Statistik", "Übungslänge"),
};

const std::vector<const char*> kSpaltenEinkanalig = {
    QT_TRANSLATE_NOOP("Statistik", "Entspannen min"), QT_TRANSLATE_NOOP("Statistik", "Entspannen max"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen Ø"),   QT_TRANSLATE_NOOP("Statistik", "Anspannen min"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen max"),  QT_TRANSLATE_NOOP("Statistik", "Anspannen Ø"),
    QT_TRANSLATE_NOOP("Statistik", "Pause min"),      QT_TRANSLATE_NOOP("Statistik", "Pause max"),
    QT_TRANSLATE_NOOP("Statistik", "Pause Ø"),        QT_TRANSLATE_NOOP("Statistik", "Strom min"),
    QT_TRANSLATE_NOOP("Statistik", "Strom max"),      QT_TRANSLATE_NOOP("Statistik", "Strom Ø"),
};

const std::vector<const char*> kSpaltenZweikanalig = {
    QT_TRANSLATE_NOOP("Statistik", "Entspannen min CH1"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen max CH1"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen Ø CH1"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen min CH1"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen max CH1"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen Ø CH1"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen min CH2"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen max CH2"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen Ø CH2"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen min CH2"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen max CH2"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen Ø CH2"),
};

const std::vector<const char*> kSpaltenDruck = {
    QT_TRANSLATE_NOOP("Statistik", "Druck min"),   QT_TRANSLATE_NOOP("Statistik", "Druck max"),
    QT_TRANSLATE_NOOP("Statistik", "Druck Ø"),     QT_TRANSLATE_NOOP("Statistik", "max. Haltedauer"),
    QT_TRANSLATE_NOOP("Statistik", "Basisdruck"),  QT_TRANSLATE_NOOP("Statistik", "EMG min CH1"),
    QT_TRANSLATE_NOOP("Statistik", "EMG max CH1"), QT_TRANSLATE_NOOP("Statistik", "EMG Ø CH1"),
    QT_TRANSLATE_NOOP("Statistik", "EMG min CH2"), QT_TRANSLATE_NOOP("Statistik", "EMG max CH2"),
    QT_TRANSLATE_NOOP("Statistik", "EMG Ø CH2"),
};

const std::vector<const char*> kSpaltenTraining = {
    QT_TRANSLATE_NOOP("Statistik", "Entspannen min"), QT_TRANSLATE_NOOP("Statistik", "Entspannen max"),
    QT_TRANSLATE_NOOP("Statistik", "Entspannen Ø"),   QT_TRANSLATE_NOOP("Statistik", "Anspannen min"),
    QT_TRANSLATE_NOOP("Statistik", "Anspannen max"),  QT_TRANSLATE_NOOP("Statistik", "Anspannen Ø"),
};

const std::vector<const char*>& Wertspaltentitel(int liste) {
    switch (liste) {
    case Zweikanalig:
        return kSpaltenZweikanalig;
    case DruckListe:
        return kSpaltenDruck;
    case TrainingDruck:
        return kSpaltenTraining;
    default:
        return kSpaltenEinkanalig;
    }
}

// The mean is rounded to one decimal (half away from zero) before it is written.
double Runde1(double v) {
    return std::round(v * 10.0) / 10.0;
}

const std::array<QString, 3> kStriche{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};

PhaseGroup Entspannen(const UebungsFooter& f) {
    return zud::Gruppe(f, Phasengruppe::Entspannen);
}
PhaseGroup Anspannen(const UebungsFooter& f) {
    return zud::Gruppe(f, Phasengruppe::Anspannen);
}
PhaseGroup Pause(const UebungsFooter& f) {
    return zud::Gruppe(f, Phasengruppe::Pause);
}
PhaseGroup Strom(const UebungsFooter& f) {
    return zud::Gruppe(f, Phasengruppe::Strom);
}

void Anhaengen(QStringList& z, const std::array<QString, 3>& t) {
    z << t[0] << t[1] << t[2];
}

std::array<QString, 3> EMG(const PhaseGroup& g, const QLocale& l) {
    return EMGTexte(g.min, g.max, g.Mean(), g.count, l);
}
std::array<QString, 3> StromG(const PhaseGroup& g, const QLocale& l) {
    return StromTexte(g.min, g.max, g.Mean(), g.count, l);
}
std::array<QString, 3> DruckG(const PhaseGroup& g, const QString& e, const QLocale& l) {
    return DruckTexte(g.min, g.max, g.Mean(), g.count, e, l);
}

// The cells after the common ones for a recording of mode `m` in list `liste`.
QStringList Wertzellen(int liste, int m, const UebungsFooter& f, const QString& einheit, const QLocale& l) {
    QStringList z;
    switch (liste) {
    case Einkanalig:
    case EMGgesteuert:
        Anhaengen(z, EMG(Entspannen(f), l));
        Anhaengen(z, EMG(Anspannen(f), l));
        Anhaengen(z, EMG(Pause(f), l));
        Anhaengen(z, StromG(Strom(f), l));
        break;
    case Zweikanalig:
        // The pause group holds the relax values of channel 2, the current group its contract values.
        Anhaengen(z, EMG(Entspannen(f), l));
        Anhaengen(z, EMG(Anspannen(f), l));
        Anhaengen(z, EMG(Pause(f), l));
        Anhaengen(z, EMG(Strom(f), l));
        break;
    case DruckListe:
        Anhaengen(z, DruckG(Strom(f), einheit, l));
        z << Zahltext("%.1f", f.Haltedauer / 10.0, l) + QStringLiteral(" s");
        z << Zahltext("%.1f", static_cast<double>(f.Basisdruck), l) + QLatin1Char(' ') + einheit;
        Anhaengen(z, m == 6 || m == 7 ? EMG(Entspannen(f), l) : kStriche);
        Anhaengen(z, m == 7 ? EMG(Anspannen(f), l) : kStriche);
        break;
    case TrainingDruck:
        Anhaengen(z, DruckG(Entspannen(f), einheit, l));
        Anhaengen(z, DruckG(Anspannen(f), einheit, l));
        break;
    default:
        break;
    }
    return z;
}

} // namespace

int ListeDerBetriebsart(int m) {
    switch (m) {
    case 0:
    case 1:
    case 2:
        return Einkanalig;
    case 9:
        return Zweikanalig;
    case 3:
        return EMGgesteuert;
    case 4:
    case 6:
    case 7:
        return DruckListe;
    case 5:
        return TrainingDruck;
    default:
        return 0;
    }
}

QString ListenTitel(int liste) {
    return liste >= 1 && liste <= kStatListen ? Tr(kListenTitel[liste - 1]) : QString();
}

int Wertspalten(int liste) {
    return liste >= 1 && liste <= kStatListen ? static_cast<int>(Wertspaltentitel(liste).size()) : 0;
}

QStringList SpaltenTitel(int liste) {
    QStringList t;
    if (liste < 1 || liste > kStatListen) {
        return t;
    }
    for (const char* s : kGemeinsam) {
        t << Tr(s);
    }
    for (const char* s : Wertspaltentitel(liste)) {
        t << Tr(s);
    }
    return t;
}

int SpaltenTag(int liste, int spalte) {
    if (spalte < kGemeinsameSpalten || spalte >= kGemeinsameSpalten + Wertspalten(liste)) {
        return 0;
    }
    return (liste - 1) * 20 + 4 + (spalte - kGemeinsameSpalten);
}

double StatistikWert(const UebungsFooter& f, int tag) {
    const int s = tag % 20;
    auto wert = [](const PhaseGroup& g, int i) {
        return i == 0 ? static_cast<double>(g.min) : i == 1 ? static_cast<double>(g.max) : g.Mean();
    };
    if (tag / 20 + 1 == DruckListe) {
        if (tag >= 64 && tag <= 66) {
            return wert(Strom(f), tag - 64);
        }
        if (tag == 67) {
            return f.Haltedauer / 10.0;
        }
        if (tag == 68) {
            return static_cast<double>(f.Basisdruck);
        }
        if (tag >= 69 && tag <= 71) {
            return wert(Entspannen(f), tag - 69);
        }
        if (tag >= 72 && tag <= 74) {
            return wert(Anspannen(f), tag - 72);
        }
        return 0;
    }
    if (s >= 4 && s <= 6) {
        return wert(Entspannen(f), s - 4);
    }
    if (s >= 7 && s <= 9) {
        return wert(Anspannen(f), s - 7);
    }
    if (s >= 10 && s <= 12) {
        return wert(Pause(f), s - 10);
    }
    if (s >= 13 && s <= 15) {
        return wert(Strom(f), s - 13);
    }
    return 0;
}

QString TagEinheit(int tag, int druckEinheit) {
    const int liste = tag / 20 + 1;
    const int s = tag % 20;
    if (liste == DruckListe) {
        if ((tag >= 64 && tag <= 66) || tag == 68) {
            return PressureUnit(druckEinheit);
        }
        return tag == 67 ? QStringLiteral("s") : EmgUnit();
    }
    if (liste == TrainingDruck) {
        return PressureUnit(druckEinheit); // relax and contract are pressures here
    }
    if ((liste == Einkanalig || liste == EMGgesteuert) && s >= 13 && s <= 15) {
        return CurrentUnit();
    }
    return EmgUnit(); // the two-channel list holds channel 2 in these columns
}

QString Zahltext(const char* fmt, double v, const QLocale& sprache) {
    // printf's rounding, the language's separator.
    QString t = QString::asprintf(fmt, v);
    const QString punkt = sprache.decimalPoint();
    if (punkt != QLatin1String(".")) {
        t.replace(QLatin1Char('.'), punkt);
    }
    return t;
}

QString Uebungslaenge(uint32_t samples) {
    const uint32_t sekunden = samples / 10;
    const uint32_t s = sekunden % 60;
    const uint32_t min = sekunden / 60;
    if (min == 0) {
        return QStringLiteral("%1 s").arg(s);
    }
    if (min < 60) {
        return s == 0 ? QStringLiteral("%1 min").arg(min) : QStringLiteral("%1 min %2 s").arg(min).arg(s);
    }
    return min % 60 == 0 ? QStringLiteral("%1 h").arg(min / 60)
                         : QStringLiteral("%1 h %2 min").arg(min / 60).arg(min % 60);
}

std::array<QString, 3> EMGTexte(float min, float max, double mittel, uint32_t count, const QLocale& sprache) {
    if (count == 0) {
        return kStriche;
    }
    const double werte[3] = {min, max, mittel};
    std::array<QString, 3> t;
    for (int i = 0; i < 3; ++i) {
        if (werte[i] > 300.0) {
            return kStriche;
        }
        // The format follows the unrounded value; the mean is written rounded to one decimal.
        const double w = i == 2 ? Runde1(werte[i]) : werte[i];
        t[size_t(i)] = Zahltext(werte[i] >= 100.0 ? "%.0f" : "%.1f", w, sprache) + QStringLiteral(" µV");
        if (t[size_t(i)].size() > 8) {
            return kStriche;
        }
    }
    return t;
}

namespace {

// Minimum, maximum and mean to one decimal with their unit; dashes for a group without values or
// when one of them is wider than the column takes (`breite` characters).
std::array<QString, 3> ZehntelTexte(float min, float max, double mittel, uint32_t count,
                                    const QString& einheit, qsizetype breite, const QLocale& sprache) {
    if (count == 0) {
        return kStriche;
    }
    const QString e = QLatin1Char(' ') + einheit;
    std::array<QString, 3> t{Zahltext("%.1f", min, sprache) + e, Zahltext("%.1f", max, sprache) + e,
                             Zahltext("%.1f", Runde1(mittel), sprache) + e};
    for (const QString& s : t) {
        if (s.size() > breite) {
            return kStriche;
        }
    }
    return t;
}

} // namespace

std::array<QString, 3> StromTexte(float min, float max, double mittel, uint32_t count,
                                  const QLocale& sprache) {
    return ZehntelTexte(min, max, mittel, count, CurrentUnit(), 7, sprache);
}

std::array<QString, 3> DruckTexte(float min, float max, double mittel, uint32_t count, const QString& einheit,
                                  const QLocale& sprache) {
    return ZehntelTexte(min, max, mittel, count, einheit, 10, sprache);
}

Kopfdaten LeseKopfdaten(const QByteArray& daten) {
    Kopfdaten k;
    const auto* b = reinterpret_cast<const uint8_t*>(daten.constData());
    const qsizetype n = daten.size();
    if (n >= 66 && std::memcmp(b + 63, "QAL", 3) == 0) {
        k.AelteresFormat = true;
        if (n > 189) {
            const int v = b[189];
            k.Betriebsart = v == 9 ? 4 : v == 10 ? 6 : v == 11 ? 7 : v == 12 ? 5 : v - 1;
        }
        if (n > 228) {
            k.Timeout = b[228] == 62 ? 61 : b[228];
        }
        return k;
    }
    if (n < static_cast<qsizetype>(kKopfBytes)) {
        return k;
    }
    ProgrammParameter p;
    std::memcpy(&p, b, sizeof p);
    k.Betriebsart = p.Betriebsart;
    k.Timeout = p.Timeout;
    QString name;
    for (uint8_t c : p.Name) {
        if (c == 0) {
            break;
        }
        name += QChar(GeraetZuUnicode(c, 0));
    }
    k.Programmname = name.trimmed();
    return k;
}

NeuBerechnet DekodiereUndBerechne(const QByteArray& daten, int dbBetriebsart, const Kopfdaten& k,
                                  double faktor) {
    NeuBerechnet r;
    // A header of the older format is decoded as such, whatever the mode column says.
    const int db = k.AelteresFormat && dbBetriebsart > 0 ? 0 : dbBetriebsart;
    r.Werte = Dekodiere(reinterpret_cast<const uint8_t*>(daten.constData()),
                        static_cast<size_t>(daten.size()), db, faktor);
    if (k.Betriebsart >= 0 && dbBetriebsart > -100) {
        ZUD12Statistik(r.Werte, k.Betriebsart, r.Footer);
    }
    return r;
}

std::vector<int> Statistik::SichtbareListen() const {
    std::vector<int> v;
    for (int i = 1; i <= kStatListen; ++i) {
        if (!Liste(i).Zeilen.empty()) {
            v.push_back(i);
        }
    }
    return v;
}

std::optional<double> Zusammenfassung::Therapietreue(int maxProTag) const {
    if (MittlereSolldauer <= 0 || maxProTag <= 0) {
        return std::nullopt;
    }
    const double t = MittlereDauer / MittlereSolldauer * 100.0 * Frequenz / maxProTag;
    return std::min(t, 100.0);
}

QString DatumsFormat() {
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (f.contains(QLatin1String("MMM")) || f.contains(QLatin1String("ddd")) ||
        !f.contains(QLatin1Char('d'))) {
        return QStringLiteral("dd.MM.yyyy");
    }
    // Every field at its full width: "d" and "M" become "dd" and "MM", "yy" becomes "yyyy".
    QString out;
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f[i];
        qsizetype n = 1;
        while (i + n < f.size() && f[i + n] == c) {
            ++n;
        }
        if (c == QLatin1Char('\'')) {
            // A quoted literal is copied as it stands.
            const qsizetype ende = f.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype bis = ende < 0 ? f.size() : ende + 1;
            out += f.mid(i, bis - i);
            i = bis;
            continue;
        }
        if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            out += QString(std::max<qsizetype>(n, 2), c);
        } else if (c == QLatin1Char('y')) {
            out += QStringLiteral("yyyy");
        } else {
            out += f.mid(i, n);
        }
        i += n;
    }
    return out;
}

QString StatDatum(const QDate& d) {
    return d.isValid() ? QLocale().toString(d, DatumsFormat()) : QString();
}

bool NummerGueltig(const QString& n) {
    return n.size() == 8 && n[0] >= QLatin1Char('A') && n[0] <= QLatin1Char('L') &&
           n[3] >= QLatin1Char('A') && n[3] <= QLatin1Char('Z');
}

QString SummenGeraet(const QString& geraeteName) {
    for (int typ = 1; typ <= 8; ++typ) {
        if (geraeteName == QString::fromStdString(ModellName(typ))) {
            return QStringLiteral("ZUD12");
        }
    }
    return geraeteName;
}

std::vector<StatQuelle> LadeStatQuellen(PatientDatabase& dm, qint64 patient) {
    db::Connection& c = dm.Db();
    QHash<qint64, QString> geraete;
    for (const db::Row& r : c.Query(QStringLiteral("select GERAETEID, GERAETENAME from QALGeraete"))) {
        const qint64 id = r.At(0).toLongLong();
        if (!geraete.contains(id)) {
            geraete.insert(id, r.At(1).toString());
        }
    }
    std::vector<StatQuelle> out;
    const auto rows =
        c.Query(QStringLiteral("Select COUNTER, TYP, DATUM, UHRZEIT, BETRIEBSART, DATEN from ZUDData "
                               "where\nPatient = %1\nOrder by datum, uhrzeit")
                    .arg(patient));
    out.reserve(rows.size());
    for (const db::Row& r : rows) {
        StatQuelle q;
        q.Counter = r.At(0).toLongLong();
        q.Typ = r.At(1).toLongLong();
        q.Datum = r.At(2).toDateTime().date();
        q.Uhrzeit = r.At(3).toDateTime().time();
        q.DbBetriebsart = static_cast<int>(r.At(4).toLongLong());
        q.Daten = r.At(5).toByteArray();
        q.Geraet = geraete.value(q.Typ);
        out.push_back(std::move(q));
    }
    return out;
}

Statistik BerechneStatistik(const std::vector<StatQuelle>& quellen, const Patient& patient,
                            const StatOptionen& o) {
    Statistik s;
    for (int i = 0; i < kStatListen; ++i) {
        s.Listen[size_t(i)].Nummer = i + 1;
    }
    const QString einheit = PressureUnit(o.DruckEinheit);
    const double faktor = Einheitenfaktor(o.DruckEinheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar);
    auto datum = [&](const QDate& d) { return o.Datumstext ? o.Datumstext(d) : StatDatum(d); };
    Zusammenfassung& z = s.Summe;

    for (const StatQuelle& q : quellen) {
        const Kopfdaten k = LeseKopfdaten(q.Daten);
        const bool aelteresGeraet = o.AeltereGeraete.contains(q.Geraet);
        UebungsFooter f{};
        bool berechnet = false;
        if (!aelteresGeraet && k.Betriebsart >= 0) {
            f = DekodiereUndBerechne(q.Daten, q.DbBetriebsart, k, faktor).Footer;
            f.Betriebsart = static_cast<uint8_t>(k.Betriebsart);
            berechnet = true;
        }

        // The summary counts every recording of the patient.
        ++z.Anzahl;
        if (z.Anzahl == 1) {
            z.Erste = q.Datum;
            z.Geraet = SummenGeraet(q.Geraet);
        }
        z.Letzte = q.Datum;
        if (berechnet && k.Timeout != 61 && f.Length > 1200) {
            z.Dauersumme += f.Length / 600.0;
            z.Sollsumme += k.Timeout;
            ++z.Gezaehlt;
        }

        const int liste = ListeDerBetriebsart(k.Betriebsart);
        if (liste == 0) {
            continue; // modes 8 and above 9 have no list
        }
        StatListeDaten& l = s.Listen[size_t(liste - 1)];
        StatZeile row;
        row.Counter = q.Counter;
        row.Datum = q.Datum;
        row.Uhrzeit = q.Uhrzeit;
        row.Betriebsart = k.Betriebsart;
        row.Footer = f;
        row.Berechnet = berechnet;
        row.Zellen << QString::number(l.Zeilen.size() + 1) << datum(q.Datum)
                   << q.Uhrzeit.toString(QStringLiteral("HH:mm:ss")) << k.Programmname
                   << BetriebsartName(k.Betriebsart);
        if (berechnet) {
            row.Zellen << Uebungslaenge(f.Length);
            row.Zellen << Wertzellen(liste, k.Betriebsart, f, einheit, o.Sprache);
        } else {
            for (int i = 0; i <= Wertspalten(liste); ++i) {
                row.Zellen << QStringLiteral("-");
            }
        }
        l.Zeilen.push_back(std::move(row));
    }
    if (z.Gezaehlt > 0) {
        z.MittlereDauer = z.Dauersumme / z.Gezaehlt;
        z.MittlereSolldauer = z.Sollsumme / z.Gezaehlt;
    }
    // Exercises per day over the days of the therapy, the first and the last day included.
    if (z.Anzahl > 0 && z.Erste.isValid() && z.Letzte.isValid()) {
        z.Frequenz = z.Gezaehlt / static_cast<double>(z.Erste.daysTo(z.Letzte) + 1);
    }
    z.Nummer = NummerGueltig(patient.Nummer) ? patient.Nummer : QString();
    z.Patientennummer = patient.Nummer;
    return s;
}

Statistik FillStatistik(PatientDatabase& dm, qint64 patient, const StatOptionen& o) {
    // Every recording of the patient is in memory for a moment.
    const FreePagesBackAtEnd pagesBack;
    const auto p = dm.GetPatient(patient);
    return BerechneStatistik(LadeStatQuellen(dm, patient), p.value_or(Patient{}), o);
}

double GroessterWert(const StatListeDaten& l, int spalte) {
    const int tag = SpaltenTag(l.Nummer, spalte);
    double g = 0;
    for (const StatZeile& z : l.Zeilen) {
        if (spalte < z.Zellen.size() && z.Zellen[spalte] != QLatin1String("-")) {
            g = std::max(g, StatistikWert(z.Footer, tag));
        }
    }
    return g;
}

bool SpalteWaehlbar(const StatListeDaten& l, int spalte) {
    return l.Zeilen.size() >= 2 && SpaltenTag(l.Nummer, spalte) > 3 && GroessterWert(l, spalte) > 0;
}

std::vector<std::optional<double>> Verlaufswerte(const StatListeDaten& l, int spalte) {
    const int tag = SpaltenTag(l.Nummer, spalte);
    std::vector<std::optional<double>> v;
    for (const StatZeile& z : l.Zeilen) {
        if (spalte < z.Zellen.size() && z.Zellen[spalte] != QLatin1String("-")) {
            v.push_back(StatistikWert(z.Footer, tag));
        } else {
            v.push_back(std::nullopt);
        }
    }
    return v;
}

QString BehandlungsdauerText(const Zusammenfassung& z) {
    return z.Gezaehlt == 0 ? QStringLiteral("-") : QString::asprintf("%.2f min", z.MittlereDauer);
}

QString FehlendeDauerGrund(const Zusammenfassung& z) {
    if (z.Anzahl == 0) {
        return QCoreApplication::translate("Statistik", "keine Übungen gespeichert");
    }
    if (z.Gezaehlt == 0) {
        return QCoreApplication::translate("Statistik", "keine Übung mit fester Übungsdauer über 2 min");
    }
    return {};
}

QString FehlendeNummerGrund(const Zusammenfassung& z) {
    if (!z.Nummer.isEmpty()) {
        return {};
    }
    if (z.Patientennummer.trimmed().isEmpty()) {
        return QCoreApplication::translate("Statistik", "nicht hinterlegt");
    }
    return QCoreApplication::translate("Statistik", "nicht hinterlegt („%1“ ist keine Seriennummer)")
        .arg(z.Patientennummer.trimmed());
}

QString TherapietreueText(const Zusammenfassung& z, int maxProTag) {
    if (maxProTag <= 0) {
        return {};
    }
    const auto t = z.Therapietreue(maxProTag);
    return t ? QString::asprintf("%.0f %%", *t) : QStringLiteral("-");
}

} // namespace zud
