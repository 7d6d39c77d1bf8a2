// zudctl statistics and report: a patient's statistics lists as the statistics window shows
// them, and the report pages as PDF files, through the same code as the program.

#include "Localizer.h"
#include "Reports.h"
#include "Settings.h"
#include "Statistics.h"
#include "ZudctlInternal.h"

#include <QDate>
#include <QLocale>

namespace zud::ctl {

namespace {

qint64 Schluessel(const QString& s, const QString& was) {
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    if (!ok || v < 0) {
        throw UsageError{QStringLiteral("%1 muss eine Zahl sein: %2").arg(was, s)};
    }
    return v;
}

// "--unit mbar|mmHg" and "--tab NAME" before or between the positional arguments.
struct Aufruf {
    QStringList positional;
    int einheit = -1;
    QString tab;
};

Aufruf Zerlege(const QStringList& rest, bool mitTab) {
    Aufruf a;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& r = rest[i];
        if (r == QLatin1String("--unit") && i + 1 < rest.size()) {
            const QString e = rest[++i];
            if (e == QLatin1String("mbar")) {
                a.einheit = 0;
            } else if (e == QLatin1String("mmHg")) {
                a.einheit = 1;
            } else {
                throw UsageError{QStringLiteral("--unit mbar oder mmHg: %1").arg(e)};
            }
        } else if (mitTab && r == QLatin1String("--tab") && i + 1 < rest.size()) {
            a.tab = rest[++i];
        } else if (r.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("unbekannte oder unvollständige Option: %1").arg(r)};
        } else {
            a.positional << r;
        }
    }
    return a;
}

Patient PatientOderFehler(PatientDatabase& dm, qint64 id, QTextStream& err, bool& ok) {
    const auto p = dm.GetPatient(id);
    ok = p.has_value();
    if (!ok) {
        err << "Patient nicht gefunden: " << id << '\n';
    }
    return p.value_or(Patient{});
}

// The list of a tab caption ("Einkanalig" …) or number 1..5; 0 when none matches.
int ListeZuTab(const QString& tab) {
    bool zahl = false;
    const int n = tab.toInt(&zahl);
    if (zahl) {
        return n >= 1 && n <= kStatListen ? n : 0;
    }
    for (int i = 1; i <= kStatListen; ++i) {
        if (tab.compare(ListenTitel(i), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return 0;
}

} // namespace

namespace {

void PrintStatLists(const Statistik& s, QTextStream& out) {
    for (int l : s.SichtbareListen()) {
        out << '[' << ListenTitel(l) << "]\n";
        QStringList t;
        for (const QString& c : SpaltenTitel(l)) {
            t << Csv(c);
        }
        out << t.join(QLatin1Char(';')) << '\n';
        for (const StatZeile& z : s.Liste(l).Zeilen) {
            QStringList c;
            for (const QString& x : z.Zellen) {
                c << Csv(x);
            }
            out << c.join(QLatin1Char(';')) << '\n';
        }
    }
}

void PrintSummary(const Zusammenfassung& z, int max, QTextStream& out) {
    out << "anzahl=" << z.Anzahl << '\n'
        << "therapieanfang=" << StatDatum(z.Erste) << '\n'
        << "therapieende=" << StatDatum(z.Letzte) << '\n'
        << "geraet=" << z.Geraet << '\n'
        << "seriennummer=" << z.Nummer << '\n'
        << "gezaehlt=" << z.Gezaehlt << '\n'
        << "behandlungsdauer=" << BehandlungsdauerText(z) << '\n'
        << "solldauer=" << QString::asprintf("%.2f min", z.MittlereSolldauer) << '\n'
        << "frequenz=" << QString::asprintf("%.3f", z.Frequenz) << '\n';
    if (max > 0) {
        out << "therapietreue=" << TherapietreueText(z, max) << '\n';
    }
}

// zudctl statistics [--unit mbar|mmHg] PATIENT
int StatisticsCommand(const Settings& settings, const DbOptions& options, const QStringList& rest,
                      QTextStream& out, QTextStream& err) {
    const Aufruf a = Zerlege(rest, false);
    if (a.positional.size() != 1) {
        throw UsageError{QStringLiteral("Aufruf: zudctl statistics [--unit mbar|mmHg] PATIENT")};
    }
    const qint64 id = Schluessel(a.positional[0], QStringLiteral("PATIENT"));
    auto dm = OpenDatabase(options);
    bool ok = false;
    const Patient p = PatientOderFehler(*dm, id, err, ok);
    if (!ok) {
        return 1;
    }
    StatOptionen o;
    o.DruckEinheit = a.einheit >= 0 ? a.einheit : settings.DruckEinheit();
    const Statistik s = FillStatistik(*dm, id, o);
    PrintStatLists(s, out);
    PrintSummary(s.Summe, settings.StatMaxExercisesPerDay(), out);
    return 0;
}

// The exit code of a report: its error when the PDF file was not written.
int Written(bool geschrieben, const QString& fehler, QTextStream& err) {
    if (!geschrieben) {
        err << fehler << '\n';
        return 1;
    }
    return 0;
}

int RecordingReport(const Settings& settings, const DbOptions& options, qint64 id, const QString& ziel,
                    int einheit, QTextStream& err) {
    auto dm = OpenDatabase(options);
    const auto r = dm->GetRecording(id);
    if (!r) {
        err << "Übung nicht gefunden: " << id << '\n';
        return 1;
    }
    const Patient p = dm->GetPatient(r->Patient).value_or(Patient{});
    const Berichtsaufnahme b = LadeBerichtsaufnahme(*r, einheit);
    const ChartOptionen o = ChartOptionsFromSettings(settings, einheit);
    QString fehler;
    const bool geschrieben = SchreibePdf(
        ziel,
        [&](Seitenziel& s) {
            DrawAufnahmeSeite(*s.Painter, s.Seite, s.Dpi, p, b, o);
            return true;
        },
        &fehler);
    return Written(geschrieben, fehler, err);
}

int SummaryReport(const Settings& settings, const Patient& p, const Statistik& s, const QString& ziel,
                  QTextStream& err) {
    const int max = settings.StatMaxExercisesPerDay();
    QString fehler;
    const bool geschrieben = SchreibePdf(
        ziel,
        [&](Seitenziel& z) {
            DrawZusammenfassung(*z.Painter, z.Seite, z.Dpi, p, s.Summe, max);
            return true;
        },
        &fehler);
    return Written(geschrieben, fehler, err);
}

// The list of --tab (tabListe, 0 when the name matched none), else the first visible one.
int StatisticsReport(const Patient& p, const Statistik& s, const QString& tab, int tabListe,
                     const QString& ziel, QTextStream& out, QTextStream& err) {
    const std::vector<int> sichtbar = s.SichtbareListen();
    int liste = sichtbar.empty() ? 0 : sichtbar.front();
    if (!tab.isEmpty()) {
        liste = tabListe;
        if (liste == 0) {
            throw UsageError{QStringLiteral("--tab: Einkanalig, Zweikanalig, EMG-gesteuert, Druck, "
                                            "Training Druck oder 1-5: %1")
                                 .arg(tab)};
        }
    }
    if (liste == 0 || s.Liste(liste).Zeilen.empty()) {
        err << "Keine Übungen in dieser Liste.\n";
        return 1;
    }
    const QString titel = QStringLiteral("%1 %2").arg(p.Vorname, p.Name);
    QString fehler;
    const bool geschrieben = SchreibePdf(
        ziel,
        [&](Seitenziel& z) { return DrawStatistikTabelle(z, s.Liste(liste), titel, QDate::currentDate()); },
        &fehler);
    if (geschrieben) {
        out << "seiten=" << StatistikSeitenzahl(static_cast<int>(s.Liste(liste).Zeilen.size())) << '\n';
    }
    return Written(geschrieben, fehler, err);
}

// report statistics|summary: both from the patient's statistics.
int PatientReport(const QString& art, const Settings& settings, const DbOptions& options, const Aufruf& a,
                  int tabListe, qint64 id, const QString& ziel, int einheit, QTextStream& out,
                  QTextStream& err) {
    auto dm = OpenDatabase(options);
    bool ok = false;
    const Patient p = PatientOderFehler(*dm, id, err, ok);
    if (!ok) {
        return 1;
    }
    StatOptionen so;
    so.DruckEinheit = einheit;
    so.Sprache = QLocale(); // the pages are read by people
    const Statistik s = FillStatistik(*dm, id, so);
    if (art == QLatin1String("summary")) {
        return SummaryReport(settings, p, s, ziel, err);
    }
    return StatisticsReport(p, s, a.tab, tabListe, ziel, out, err);
}

// report recording|statistics|summary
int ReportCommand(const Settings& settings, const DbOptions& options, const QStringList& rest,
                  QTextStream& out, QTextStream& err) {
    if (rest.isEmpty()) {
        throw UsageError{QStringLiteral("report recording|statistics|summary …")};
    }
    const QString art = rest.front();
    const Aufruf a = Zerlege(rest.mid(1), art == QLatin1String("statistics"));
    // The list's name as documented (German), before the pages switch to the program's language:
    // they are read by people, in the language of those the window prints.
    const int tabListe = a.tab.isEmpty() ? 0 : ListeZuTab(a.tab);
    i18n::Localizer::Instance().LoadSaved();
    if (a.positional.size() != 2 || !a.positional[1].endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        throw UsageError{
            QStringLiteral("Aufruf: zudctl report recording COUNTER AUSGABE.pdf | report statistics "
                           "PATIENT [--tab NAME] AUSGABE.pdf | report summary PATIENT AUSGABE.pdf")};
    }
    const qint64 id =
        Schluessel(a.positional[0],
                   art == QLatin1String("recording") ? QStringLiteral("COUNTER") : QStringLiteral("PATIENT"));
    const QString ziel = a.positional[1];
    const int einheit = a.einheit >= 0 ? a.einheit : settings.DruckEinheit();
    if (art == QLatin1String("recording")) {
        return RecordingReport(settings, options, id, ziel, einheit, err);
    }
    if (art == QLatin1String("statistics") || art == QLatin1String("summary")) {
        return PatientReport(art, settings, options, a, tabListe, id, ziel, einheit, out, err);
    }
    throw UsageError{QStringLiteral("report recording|statistics|summary …")};
}

int Berichte(const QString& cmd, const DbOptions& options, const QStringList& rest, QTextStream& out,
             QTextStream& err) {
    const Settings settings;
    if (cmd == QLatin1String("statistics")) {
        return StatisticsCommand(settings, options, rest, out, err);
    }
    return ReportCommand(settings, options, rest, out, err);
}

} // namespace

int RunReports(const QString& cmd, const DbOptions& options, const QStringList& rest, QTextStream& out,
               QTextStream& err) {
    if (cmd != QLatin1String("statistics") && cmd != QLatin1String("report")) {
        return -1;
    }
    return ReportingDatabaseFaults(err, [&] { return Berichte(cmd, options, rest, out, err); });
}

} // namespace zud::ctl
