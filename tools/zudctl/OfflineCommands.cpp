// zudctl commands on recording and record files: decode, stats, crop, programs.

#include "CheckedFile.h"
#include "Crc.h"
#include "Recording.h"
#include "RecordingCheck.h"
#include "ZudctlInternal.h"

#include <QDate>
#include <QFile>

#include <cmath>
#include <cstring>

namespace zud::ctl {

namespace {

QString Num(double v) {
    return QString::number(v, 'f', 4);
}

QByteArray ReadAll(const QString& path, QTextStream& err, bool& ok) {
    QFile f(path);
    ok = f.open(QIODevice::ReadOnly);
    if (!ok) {
        err << "Datei kann nicht gelesen werden: " << path << '\n';
        return {};
    }
    return f.readAll();
}

QString Text(const uint8_t* bytes, size_t n, int sprache, bool national) {
    QString s;
    for (size_t i = 0; i < n && bytes[i] != 0; ++i) {
        s += QChar(national ? GeraetZuUnicode(bytes[i], sprache) : char16_t(bytes[i]));
    }
    return s;
}

// Options of decode and stats: --unit mbar|mmHg, --old BETRIEBSART, then the file.
struct DecodeArgs {
    double faktor = 1.0;
    int dbBetriebsart = 1; // > 0: current format
    bool alt = false;
    QString file;
};

DecodeArgs ParseDecodeArgs(const QString& cmd, const QStringList& rest) {
    DecodeArgs a;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& r = rest[i];
        if (r == QLatin1String("--unit") && i + 1 < rest.size()) {
            const QString u = rest[++i];
            if (u == QLatin1String("mbar")) {
                a.faktor = Einheitenfaktor(Druckeinheit::mbar);
            } else if (u == QLatin1String("mmHg")) {
                a.faktor = Einheitenfaktor(Druckeinheit::mmHg);
            } else {
                throw UsageError{QStringLiteral("Einheit muss mbar oder mmHg sein: %1").arg(u)};
            }
        } else if (r == QLatin1String("--old") && i + 1 < rest.size()) {
            a.dbBetriebsart =
                ParseInt(rest[++i], -1000, 0, QStringLiteral("BETRIEBSART des älteren Formats"));
            a.alt = true;
        } else if (r.startsWith(QLatin1String("--")) || !a.file.isEmpty()) {
            throw UsageError{QStringLiteral("falsche Argumente für %1").arg(cmd)};
        } else {
            a.file = r;
        }
    }
    if (a.file.isEmpty()) {
        throw UsageError{QStringLiteral("%1 braucht eine Datei").arg(cmd)};
    }
    return a;
}

// The bytes of a recording file; false (exit 1, German reason) when they are not a recording.
// The older variant is only decoded when the caller names its database mode.
bool ReadRecording(const DecodeArgs& a, QTextStream& err, QByteArray& data) {
    bool ok = false;
    data = ReadAll(a.file, err, ok);
    if (!ok) {
        return false;
    }
    QString why;
    if (!a.alt && !IstAufzeichnung(data, &why)) {
        err << why << " (" << a.file << ")\n";
        return false;
    }
    return true;
}

QString DruckEinheitText(double faktor) {
    return faktor == Einheitenfaktor(Druckeinheit::mmHg) ? QStringLiteral("mmHg") : QStringLiteral("mbar");
}

QString ModeText(int mode) {
    const QString name = BetriebsartName(mode).trimmed();
    return name.isEmpty() ? QString::number(mode) : QStringLiteral("%1 (%2)").arg(mode).arg(name);
}

int Decode(const QStringList& rest, QTextStream& out, QTextStream& err) {
    const DecodeArgs a = ParseDecodeArgs(QStringLiteral("decode"), rest);
    QByteArray data;
    if (!ReadRecording(a, err, data)) {
        return 1;
    }
    const Messung m = Dekodiere(reinterpret_cast<const uint8_t*>(data.constData()),
                                static_cast<size_t>(data.size()), a.dbBetriebsart, a.faktor);
    const QString druck = DruckEinheitText(a.faktor);
    // The threshold is a trigger level in µV in mode 3, the first sample's pressure in the pressure modes.
    const QString schwelle = m.Betriebsart == 3                           ? QStringLiteral("µV")
                             : (m.Betriebsart >= 4 && m.Betriebsart <= 7) ? druck
                                                                          : QStringLiteral("-");
    out << "Probe;Zeit [s];Phase;EMG1 [µV];EMG2 [µV];EMG1_RAW [µV];EMG2_RAW [µV];Strom [mA];Strom_RAW [mA];"
        << "Druck [" << druck << "];Schwelle [" << schwelle << "];Bereich1 [µV];Bereich2 [µV]\n";
    for (size_t i = 0; i < m.Werte.size(); ++i) {
        const TMessWert& w = m.Werte[i];
        out << i << ';' << QString::number(static_cast<double>(i) / 10.0, 'f', 1) << ';' << w.Phase << ';'
            << Num(w.EMG1) << ';' << Num(w.EMG2) << ';' << Num(w.EMG1_RAW) << ';' << Num(w.EMG2_RAW) << ';'
            << Num(w.Strom) << ';' << Num(w.Strom_RAW) << ';' << Num(w.Druck) << ';' << Num(w.Schwelle) << ';'
            << Num(w.Bereich1) << ';' << Num(w.Bereich2) << '\n';
    }
    return 0;
}

int Stats(const QStringList& rest, QTextStream& out, QTextStream& err) {
    const DecodeArgs a = ParseDecodeArgs(QStringLiteral("stats"), rest);
    if (a.dbBetriebsart <= -100) {
        err << "Aufzeichnung im ältesten Format: keine Werte, keine Statistik\n";
        return 1;
    }
    QByteArray data;
    if (!ReadRecording(a, err, data)) {
        return 1;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    const Messung m = Dekodiere(bytes, static_cast<size_t>(data.size()), a.dbBetriebsart, a.faktor);
    UebungsFooter f{};
    if (!a.alt) {
        if (auto stored = LeseFooter(bytes, static_cast<size_t>(data.size()))) {
            f = *stored;
        }
    }
    ZUD12Statistik(m, m.Betriebsart, f);
    const int mode = m.Betriebsart;
    const QString druck = DruckEinheitText(a.faktor);
    const QString uv = QStringLiteral("µV");
    // The unit of what each group of the trailer collects in this mode.
    const QString relax = mode == 5 ? druck : uv;
    const QString strom = (mode == 4 || mode == 6 || mode == 7) ? druck
                          : mode == 9                           ? uv
                                                                : QStringLiteral("mA");
    out << "Größe;Wert;Einheit\n"
        << "Betriebsart;" << Csv(ModeText(mode)) << ";\n"
        << "Proben;" << f.Length << ";\n"
        << "Dauer;" << QString::number(f.Length / 10.0, 'f', 1) << ";s\n";
    auto group = [&out](const char* name, float sum, uint32_t count, float min, float max,
                        const QString& unit) {
        const bool empty = count == 0;
        const QString none = QStringLiteral("-");
        out << name << " Mittelwert;" << (empty ? none : Num(sum / count)) << ';' << unit << '\n'
            << name << " Anzahl;" << count << ";\n"
            << name << " Minimum;" << (empty ? none : Num(min)) << ';' << unit << '\n'
            << name << " Maximum;" << (empty ? none : Num(max)) << ';' << unit << '\n';
    };
    group("Entspannen", f.avg_Entspannen, f.avg_Entspannen_Count, f.min_Entspannen, f.max_Entspannen, relax);
    group("Anspannen", f.avg_Anspannen, f.avg_Anspannen_Count, f.min_Anspannen, f.max_Anspannen, relax);
    group("Pause", f.avg_Pause, f.avg_Pause_Count, f.min_Pause, f.max_Pause, uv);
    group("Strom", f.avg_Strom, f.avg_Strom_Count, f.min_Strom, f.max_Strom, strom);
    out << "Haltedauer;" << QString::number(f.Haltedauer / 10.0, 'f', 1) << ";s\n"
        << "Basisdruck;" << Num(f.Basisdruck) << ';' << druck << '\n';
    return 0;
}

int Crop(const QStringList& rest, QTextStream& out, QTextStream& err) {
    if (rest.size() != 4) {
        throw UsageError{QStringLiteral("crop braucht FAKTOR OFFSET EINGABE AUSGABE")};
    }
    bool okF = false, okO = false;
    const double faktor = rest[0].toDouble(&okF);
    const double offset = rest[1].toDouble(&okO);
    if (!okF || !okO || !std::isfinite(faktor) || !std::isfinite(offset) || !(faktor >= 1.0) ||
        !(offset >= 0.0 && offset <= 1.0)) {
        throw UsageError{QStringLiteral("FAKTOR muss mindestens 1, OFFSET zwischen 0 und 1 liegen")};
    }
    bool ok = false;
    const QByteArray data = ReadAll(rest[2], err, ok);
    if (!ok) {
        return 1;
    }
    QString why;
    if (!IstAufzeichnung(data, &why)) {
        err << why << " (" << rest[2] << ")\n";
        return 1;
    }
    const auto cut = CutStream(reinterpret_cast<const uint8_t*>(data.constData()),
                               static_cast<size_t>(data.size()), faktor, offset);
    if (cut.empty()) {
        err << "Keine Aufzeichnung, die sich zuschneiden lässt: " << rest[2] << '\n';
        return 1;
    }
    if (!SaveFile(rest[3],
                  QByteArray(reinterpret_cast<const char*>(cut.data()), static_cast<qsizetype>(cut.size())),
                  &why)) {
        err << why << '\n';
        return 1;
    }
    out << "samples=" << (cut.size() - kKopfBytes - kFussBytes) / static_cast<size_t>(Probenbytes(data[2]))
        << '\n';
    return 0;
}

int Programs(const QStringList& rest, QTextStream& out, QTextStream& err) {
    int sprache = 0;
    QString file;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] == QLatin1String("--sprache") && i + 1 < rest.size()) {
            sprache = ParseInt(rest[++i], 0, 4, QStringLiteral("Sprache"));
        } else if (file.isEmpty() && !rest[i].startsWith(QLatin1String("--"))) {
            file = rest[i];
        } else {
            throw UsageError{QStringLiteral("falsche Argumente für programs")};
        }
    }
    if (file.isEmpty()) {
        throw UsageError{QStringLiteral("programs braucht eine Datei")};
    }
    bool ok = false;
    const QByteArray data = ReadAll(file, err, ok);
    if (!ok) {
        return 1;
    }
    if (static_cast<size_t>(data.size()) != sizeof(Programmdatei)) {
        err << "Keine Programmdatei (" << sizeof(Programmdatei) << " Bytes erwartet, " << data.size()
            << " gelesen): " << file << '\n';
        return 1;
    }
    Programmdatei d;
    std::memcpy(&d, data.constData(), sizeof d);
    PrintPrograms(out, d, sprache);
    return ProgrammdateiCrcOk(d) ? 0 : 1;
}

} // namespace

QString Csv(const QString& field) {
    if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
        return field;
    }
    QString q = field;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

int ParseInt(const QString& s, int lo, int hi, const QString& what) {
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    if (!ok || v < lo || v > hi) {
        throw UsageError{
            QStringLiteral("%1 muss eine Zahl von %2 bis %3 sein: %4").arg(what).arg(lo).arg(hi).arg(s)};
    }
    return v;
}

int RunOffline(const QString& cmd, const QStringList& rest, QTextStream& out, QTextStream& err) {
    if (cmd == QLatin1String("decode")) {
        return Decode(rest, out, err);
    }
    if (cmd == QLatin1String("stats")) {
        return Stats(rest, out, err);
    }
    if (cmd == QLatin1String("crop")) {
        return Crop(rest, out, err);
    }
    if (cmd == QLatin1String("programs")) {
        return Programs(rest, out, err);
    }
    if (cmd == QLatin1String("csv")) {
        return Csv(rest, out, err);
    }
    if (cmd == QLatin1String("render")) {
        return Render(rest, out, err);
    }
    return -1;
}

void PrintPrograms(QTextStream& out, const Programmdatei& d, int sprache) {
    out << "AnzahlAktiv: " << d.AnzahlAktiv << '\n' << "ErstesAktiv: " << d.ErstesAktiv << '\n';
    out << "FolgeLaenge: " << d.FolgeLaenge << '\n' << "Folge:";
    for (uint8_t f : d.Folge) {
        out << ' ' << f;
    }
    out << '\n';
    const uint16_t stored = GetCrc(d.crc);
    const uint16_t computed = ProgrammdateiCrc(d);
    out << "CRC: " << (stored == computed ? "ok" : "falsch") << " (gespeichert 0x"
        << QString::number(stored, 16).rightJustified(4, QLatin1Char('0')).toUpper() << ", berechnet 0x"
        << QString::number(computed, 16).rightJustified(4, QLatin1Char('0')).toUpper() << ")\n";
    for (int i = 0; i < 6; ++i) {
        const ProgrammParameter& p = d.Programme[i];
        const Betriebsartinfo* ba = Betriebsart(p.Betriebsart);
        out << "Programm " << (i + 1) << ": \"" << Text(p.Name, sizeof p.Name, sprache, true) << "\"\n"
            << "  Nummer=" << p.Nummer << " Aktiviert=" << p.Aktiviert << " Betriebsart=" << p.Betriebsart
            << " (" << (ba ? QString::fromUtf8(ba->Lang).trimmed() : QStringLiteral("unbekannt")) << ")\n"
            << "  Anspannzeit=" << p.Anspannzeit << " Entspannzeit=" << p.Entspannzeit
            << " Pausenzeit=" << p.Pausenzeit << " Stromzeit=" << p.Stromzeit << " Timeout=" << p.Timeout
            << '\n'
            << "  Frequenz1=" << p.Frequenz1 << " Frequenz2=" << p.Frequenz2
            << " Impulslaenge1=" << p.Impulslaenge1 << " Impulslaenge2=" << p.Impulslaenge2
            << " Stromform=" << p.Stromform << '\n'
            << "  Anschwellzeit=" << p.Anschwellzeit << " Abschwellzeit=" << p.Abschwellzeit
            << " Anzeige=" << p.Anzeige << " ElektrodenPosition=" << p.ElektrodenPosition << '\n';
    }
}

void PrintSystem(QTextStream& out, const Systemparameter& s) {
    const auto* b = reinterpret_cast<const uint8_t*>(&s);
    static const char* const kNames[28] = {"AktTherapeut",
                                           "AktPatient",
                                           "EMG_Bereich1",
                                           "EMG_Bereich2",
                                           "EMG_Einstellung",
                                           "Triggerzeitlimit",
                                           "Triggerbegrenzung",
                                           "Triggerauto",
                                           "UpdateRate",
                                           "AudioVolume",
                                           "Patauswahl",
                                           "Codeabfrage",
                                           "druck_vorhanden",
                                           "stim_vorhanden",
                                           "flow_vorhanden",
                                           "Bluetooth_vorhanden",
                                           "Sprache",
                                           "Tastenfeedback",
                                           "Anzeigeverriegelung",
                                           "Druckanzeige",
                                           "Sprachausgabe",
                                           "Emg_Vertonung",
                                           "Baud",
                                           "Helligkeit",
                                           "Sensi",
                                           "EMG_Anzeige",
                                           "EMG_Maximum",
                                           "Anzeige_nach_Strom"};
    for (int i = 0; i < 28; ++i) {
        out << "system." << kNames[i] << '=' << b[i] << '\n';
    }
    out << "system.crc=" << (GetCrc(s.crc) == SystemCrc(s) ? "ok" : "falsch") << '\n';
}

void PrintPerson(QTextStream& out, const QString& prefix, const Stammdaten& d, int sprache) {
    const int64_t secs = d.Geburtsdatum;
    QString geburt;
    if (secs != kGeburtsdatumLeer) {
        geburt = QDate(1900, 1, 1).addDays(secs / 86400).toString(QStringLiteral("yyyy-MM-dd"));
    }
    out << prefix << ';' << Csv(Text(d.Name, sizeof d.Name, sprache, true)) << ';'
        << Csv(Text(d.Vorname, sizeof d.Vorname, sprache, true)) << ';' << geburt << ';' << d.Anzahl << '\n';
}

void PrintCodes(QTextStream& out, const Codes& c) {
    out << "codes=";
    for (int i = 0; i < 6; ++i) {
        out << (i ? "," : "") << c.Code[i];
    }
    out << '\n';
}

} // namespace zud::ctl
