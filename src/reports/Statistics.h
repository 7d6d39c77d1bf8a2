#pragma once

// The exercise statistics of one patient: every stored recording with the minimum, maximum and
// mean of its phase groups, one list per family of operating modes, the value behind each
// column, the progress of one column over the recordings and the therapy summary. No widgets:
// the statistics window, the report pages and zudctl share it.

#include "PatientDatabase.h"
#include "Recording.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace zud {

// The five lists, in the order of their tabs.
constexpr int kStatListen = 5;
enum StatListe { Einkanalig = 1, Zweikanalig = 2, EMGgesteuert = 3, DruckListe = 4, TrainingDruck = 5 };

// The six columns every list starts with ("Nr", "Datum", "Uhrzeit", "Programmname",
// "Betriebsart", "Übungslänge"); their tag is 0.
constexpr int kGemeinsameSpalten = 6;

// The list that shows recordings of operating mode `m`; 0 for modes without a list (8, above 9).
int ListeDerBetriebsart(int m);

// Tab caption of a list 1..5 in the current language.
QString ListenTitel(int liste);
// Column captions of a list: the common ones, then the value columns, in the current language.
QStringList SpaltenTitel(int liste);
// The tag of a column: 0 for the common columns; for the value column j (0-based) of list L
// (L - 1) * 20 + 4 + j.
int SpaltenTag(int liste, int spalte);
// Number of value columns of a list (12, 12, 12, 11, 6).
int Wertspalten(int liste);

// The statistic behind a tag, read from a recomputed trailer (mean = sum / count, 0 when empty).
double StatistikWert(const UebungsFooter& f, int tag);
// The unit of the progress chart of a tag: "mA", "µV", "s" or the pressure unit.
QString TagEinheit(int tag, int druckEinheit);

// Cell texts.
// A number written with the printf format `fmt` ("%.1f", "%.0f" …) and the decimal separator of
// `sprache`: "11,7" in German and Polish, "11.7" in English and in machine output (C locale).
QString Zahltext(const char* fmt, double v, const QLocale& sprache);
// The length of a recording of `samples` (0.1 s each), the same wherever a person reads it:
// "%d s" under a minute, "%d min %d s" (or "%d min" on the full minute) under an hour, then
// "%d h %d min"; seconds and minutes are whole ones, never rounded up.
QString Uebungslaenge(uint32_t samples);
// Minimum, maximum, mean of a group as EMG values (µV), currents (mA) or pressures; "-" three
// times for an empty group or values outside the rules.
std::array<QString, 3> EMGTexte(float min, float max, double mittel, uint32_t count,
                                const QLocale& sprache = QLocale::c());
std::array<QString, 3> StromTexte(float min, float max, double mittel, uint32_t count,
                                  const QLocale& sprache = QLocale::c());
std::array<QString, 3> DruckTexte(float min, float max, double mittel, uint32_t count, const QString& einheit,
                                  const QLocale& sprache = QLocale::c());

// Mode and program name of a stored recording: the older variant carries "QAL" at bytes
// 63..65 and its mode code at byte 189; the current one a program header.
struct Kopfdaten {
    int Betriebsart = -1; // -1: no usable header
    bool AelteresFormat = false;
    QString Programmname;
    int Timeout = 0; // programmed duration in minutes; 61 means continuous
};
Kopfdaten LeseKopfdaten(const QByteArray& daten);

// A stored recording decoded as its header and the database's mode column say (`dbBetriebsart`:
// mode + 1; zero or less the older variant, -100 and less the oldest, of which nothing is
// decoded), with its trailer's groups computed anew from the samples, since a stored trailer may
// come from another device or an older program: the one way the statistics and the report
// pages read a recording.
struct NeuBerechnet {
    Messung Werte;
    UebungsFooter Footer{};
};
NeuBerechnet DekodiereUndBerechne(const QByteArray& daten, int dbBetriebsart, const Kopfdaten& k,
                                  double faktor);

// A recording as the statistics read it from the database.
struct StatQuelle {
    qint64 Counter = -1;
    qint64 Typ = 0;
    QDate Datum;
    QTime Uhrzeit;
    int DbBetriebsart = 0;
    QByteArray Daten;
    QString Geraet; // GERAETENAME of its device row
};

// One row of a list.
struct StatZeile {
    qint64 Counter = -1;
    QDate Datum;
    QTime Uhrzeit;
    int Betriebsart = 0;
    QStringList Zellen;     // every column, as shown
    UebungsFooter Footer{}; // recomputed from the samples
    bool Berechnet = false; // false for recordings of older device generations: dashes
};

struct StatListeDaten {
    int Nummer = 0;
    std::vector<StatZeile> Zeilen;
};

struct Zusammenfassung {
    int Anzahl = 0; // recordings of the patient
    QDate Erste, Letzte;
    QString Geraet;
    int Gezaehlt = 0;      // recordings that count for the durations
    double Dauersumme = 0; // minutes
    double Sollsumme = 0;  // programmed minutes
    double MittlereDauer = 0;
    double MittlereSolldauer = 0;
    double Frequenz = 0;     // exercises per day
    QString Nummer;          // the patient number when it passed the check, else empty
    QString Patientennummer; // the patient number as stored
    // Adherence in per cent, capped at 100; nullopt when the mean programmed duration is 0.
    std::optional<double> Therapietreue(int maxProTag) const;
};

struct StatOptionen {
    int DruckEinheit = 0; // 0 mbar, 1 mmHg
    // Device names of older generations: their recordings are listed with dashes.
    QStringList AeltereGeraete;
    // How dates are written (the lists' short date format when empty).
    std::function<QString(const QDate&)> Datumstext;
    // The decimal separator of the cells: the windows and pages pass the program's locale,
    // machine output (zudctl) keeps the C locale.
    QLocale Sprache = QLocale::c();
};

struct Statistik {
    std::array<StatListeDaten, kStatListen> Listen;
    Zusammenfassung Summe;
    const StatListeDaten& Liste(int nummer) const { return Listen[size_t(nummer - 1)]; }
    // The lists with rows, in tab order.
    std::vector<int> SichtbareListen() const;
};

// The patient's recordings in date and time order with their device names.
std::vector<StatQuelle> LadeStatQuellen(PatientDatabase& dm, qint64 patient);
// Builds the lists and the summary; `patient` supplies the number for the summary's check.
Statistik BerechneStatistik(const std::vector<StatQuelle>& quellen, const Patient& patient,
                            const StatOptionen& o);
// Both at once.
Statistik FillStatistik(PatientDatabase& dm, qint64 patient, const StatOptionen& o);

// The patient number passes when it has 8 characters, the first is "A".."L" and the fourth
// "A".."Z".
bool NummerGueltig(const QString& nummer);
// The summary's device name: "ZUD12" for the model names of device types 1 to 8.
QString SummenGeraet(const QString& geraeteName);

// Choosing a value column for the progress chart: its largest value over the rows whose cell
// is not "-"; the column can be chosen when the list has two rows or more, the tag is above 3
// and that value is above 0.
double GroessterWert(const StatListeDaten& l, int spalte);
bool SpalteWaehlbar(const StatListeDaten& l, int spalte);

// The series of the progress chart: one value per row, none for a row whose cell is "-" (the
// chart leaves a gap there rather than inventing a value).
std::vector<std::optional<double>> Verlaufswerte(const StatListeDaten& l, int spalte);

// Summary lines of the therapy summary page.
QString BehandlungsdauerText(const Zusammenfassung& z);
// "%.0f %%" capped at 100, "-" without a programmed duration; empty when `maxProTag` is 0 or less.
QString TherapietreueText(const Zusammenfassung& z, int maxProTag);
// Why the summary has no mean duration and adherence, for the reader: no recordings at all, or
// none that counts (continuous mode or not over two minutes). Empty when there is one.
QString FehlendeDauerGrund(const Zusammenfassung& z);
// Why the summary shows no serial number: none stored, or the patient number is none.
QString FehlendeNummerGrund(const Zusammenfassung& z);

// The short date format of the current locale with two-digit days and months and a four-digit
// year ("09.10.1973"), so that the dates of a column line up.
QString DatumsFormat();
QString StatDatum(const QDate& d);

} // namespace zud
