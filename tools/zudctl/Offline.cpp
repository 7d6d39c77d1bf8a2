// zudctl commands on recording and record files: decode, stats, crop, programs.

#include "Crc.h"
#include "Recording.h"
#include "ZudctlInternal.h"

#include <QDate>
#include <QFile>
#include <QSaveFile>

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

int Decode(const QStringList& rest, QTextStream& out, QTextStream& err) {
    const DecodeArgs a = ParseDecodeArgs(QStringLiteral("decode"), rest);
    bool ok = false;
    const QByteArray data = ReadAll(a.file, err, ok);
    if (!ok) {
        return 1;
    }
    const Messung m = Dekodiere(reinterpret_cast<const uint8_t*>(data.constData()),
                                static_cast<size_t>(data.size()), a.dbBetriebsart, a.faktor);
    for (size_t i = 0; i < m.Werte.size(); ++i) {
        const TMessWert& w = m.Werte[i];
        out << i << ';' << w.Phase << ';' << Num(w.EMG1) << ';' << Num(w.EMG2) << ';' << Num(w.EMG1_RAW)
            << ';' << Num(w.EMG2_RAW) << ';' << Num(w.Strom) << ';' << Num(w.Strom_RAW) << ';' << Num(w.Druck)
            << ';' << Num(w.Schwelle) << ';' << Num(w.Bereich1) << ';' << Num(w.Bereich2) << '\n';
    }
    return 0;
}

int Stats(const QStringList& rest, QTextStream& out, QTextStream& err) {
    const DecodeArgs a = ParseDecodeArgs(QStringLiteral("stats"), rest);
    if (a.dbBetriebsart <= -100) {
        err << "Aufzeichnung im ältesten Format: keine Werte, keine Statistik\n";
        return 1;
    }
    bool ok = false;
    const QByteArray data = ReadAll(a.file, err, ok);
    if (!ok) {
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
    out << "Length=" << f.Length << '\n' << "Betriebsart=" << m.Betriebsart << '\n';
    auto group = [&out](const char* name, float sum, uint32_t count, float min, float max) {
        out << name << ".sum=" << Num(sum) << '\n'
            << name << ".count=" << count << '\n'
            << name << ".min=" << Num(min) << '\n'
            << name << ".max=" << Num(max) << '\n';
    };
    group("relax", f.avg_Entspannen, f.avg_Entspannen_Count, f.min_Entspannen, f.max_Entspannen);
    group("contract", f.avg_Anspannen, f.avg_Anspannen_Count, f.min_Anspannen, f.max_Anspannen);
    group("pause", f.avg_Pause, f.avg_Pause_Count, f.min_Pause, f.max_Pause);
    group("current", f.avg_Strom, f.avg_Strom_Count, f.min_Strom, f.max_Strom);
    out << "Haltedauer=" << f.Haltedauer << '\n' << "Basisdruck=" << Num(f.Basisdruck) << '\n';
    return 0;
}

int Crop(const QStringList& rest, QTextStream& out, QTextStream& err) {
    if (rest.size() != 4) {
        throw UsageError{QStringLiteral("crop braucht FAKTOR OFFSET EINGABE AUSGABE")};
    }
    bool okF = false, okO = false;
    const double faktor = rest[0].toDouble(&okF);
    const double offset = rest[1].toDouble(&okO);
    if (!okF || !okO || faktor < 1.0 || offset < 0.0 || offset > 1.0) {
        throw UsageError{QStringLiteral("FAKTOR muss mindestens 1, OFFSET zwischen 0 und 1 liegen")};
    }
    bool ok = false;
    const QByteArray data = ReadAll(rest[2], err, ok);
    if (!ok) {
        return 1;
    }
    const auto cut = CutStream(reinterpret_cast<const uint8_t*>(data.constData()),
                               static_cast<size_t>(data.size()), faktor, offset);
    if (cut.empty()) {
        err << "Keine Aufzeichnung, die sich zuschneiden lässt: " << rest[2] << '\n';
        return 1;
    }
    QSaveFile f(rest[3]);
    const qsizetype n = static_cast<qsizetype>(cut.size());
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(cut.data()), n) != n ||
        !f.commit()) {
        err << "Datei kann nicht geschrieben werden: " << rest[3] << '\n';
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
    out << prefix << ';' << Text(d.Name, sizeof d.Name, sprache, true) << ';'
        << Text(d.Vorname, sizeof d.Vorname, sprache, true) << ';' << geburt << ';' << d.Anzahl << '\n';
}

void PrintCodes(QTextStream& out, const Codes& c) {
    out << "codes=";
    for (int i = 0; i < 6; ++i) {
        out << (i ? "," : "") << c.Code[i];
    }
    out << '\n';
}

} // namespace zud::ctl
