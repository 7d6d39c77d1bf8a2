#pragma once

// The report pages: one drawing routine per page for every surface (screen preview, printer,
// PDF). Everything is drawn as vectors and text on a QPainter; the callers own the surface.

#include "Chart.h"
#include "PatientDatabase.h"
#include "Statistics.h"

#include <QDate>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;

namespace zud {

class Settings;

// The chart as the user set it up: grid lines, area, the current's lines and the pressure unit;
// `druckEinheit` below 0 takes the settings' own.
ChartOptionen ChartOptionsFromSettings(const Settings& s, int druckEinheit = -1);

// A paged surface: the painter, the page in device pixels and its resolution, and the step to
// the next page (false when the surface could not start one).
struct Seitenziel {
    QPainter* Painter = nullptr;
    QSize Seite;
    int Dpi = 96;
    std::function<bool()> NeueSeite;
};

// A recording as the pages show it: the row, its decoded samples and the trailer recomputed
// from them.
struct Berichtsaufnahme {
    Recording Zeile;
    Messung Werte;
    UebungsFooter Footer{};
    QString Titel; // the caption of its tab
    Zoom Ausschnitt;
};
// Decodes a stored row (older variant included) and recomputes its trailer.
Berichtsaufnahme LadeBerichtsaufnahme(const Recording& r, int druckEinheit);

// Called for every text of a page that does not fit its box and is cut (the check of the
// layouts in every language). Without a check set, ZUD_CHECK_TEXTS in the environment names such
// texts on the standard error output. An empty function ends the check.
using Textpruefung = std::function<void(const QString& text, double noetig, double platz)>;
void SetzeTextpruefung(Textpruefung pruefung);

// The patient header above a recording: "Patientendaten", "Übung" and "Statistik" in three
// rounded boxes across the band `band`.
void DrawPatHeader(QPainter& p, const QRectF& band, int dpi, const Patient& patient,
                   const Berichtsaufnahme& a, int druckEinheit);
// The rows of the header's statistics grid: caption and the texts of min, max and mean.
struct Kopfzeile {
    QString Titel;
    QString Min, Max, Mittel;
};
std::vector<Kopfzeile> KopfStatistik(const Berichtsaufnahme& a, int druckEinheit);
// The extra lines of the pressure modes ("Haltedauer", "Basisdruck"); empty otherwise.
QStringList KopfDruckzeilen(const Berichtsaufnahme& a, int druckEinheit);

// The recording page: the header over the top 30 %, the chart with its current zoom below.
void DrawAufnahmeSeite(QPainter& p, const QSize& seite, int dpi, const Patient& patient,
                       const Berichtsaufnahme& a, const ChartOptionen& o);

// The print preview page: one recording with the header, or two recordings, and the remarks.
struct Vorschauinhalt {
    bool ZweiUebungen = false;
    Patient Patient_;
    const Berichtsaufnahme* Uebung1 = nullptr;
    const Berichtsaufnahme* Uebung2 = nullptr;
    QStringList Bemerkungen;
    ChartOptionen Optionen;
};
struct Vorschaulayout {
    QRectF Kopf; // one exercise only
    QRectF Chart1;
    QRectF Chart2;      // two exercises only
    QRectF Bemerkungen; // empty without remarks
    double R = 0;       // height of the remark lines
    double Zeilenhoehe = 0;
};
Vorschaulayout BerechneVorschau(const QSize& seite, bool zwei, const QStringList& bemerkungen, int dpi);
void DrawVorschauSeite(QPainter& p, const QSize& seite, int dpi, const Vorschauinhalt& v);

// The statistics table of one list on as many pages as it needs: 13 rows on the first page,
// 15 on each further one.
int StatistikSeitenzahl(int zeilen);
// Draws every page; `titel` is the statistics window's caption (first name and name). False
// when a new page could not be started.
bool DrawStatistikTabelle(Seitenziel& ziel, const StatListeDaten& liste, const QString& titel,
                          const QDate& druckdatum);

// The progress chart of one value column on the surface `flaeche`; `skala` is resolution / 96.
// A row without a value (a "-" in the list) keeps its place on the date axis but has no point:
// the line is broken there.
struct Verlaufsdaten {
    std::vector<std::optional<double>> Werte;
    std::vector<QDate> Daten;
    QString Spaltentitel;
    QString Einheit;
    bool Flaeche = false; // area chart
};
Verlaufsdaten BerechneVerlauf(const StatListeDaten& liste, int spalte, int druckEinheit, bool flaeche);
// The two reference values: S (G cut to an integer from 10 on, else to one decimal) and S / 2.
double Skalenwert(double groesster);
// Where the chart put its points and labels, for tests: the points in row order (none for a row
// without a value), the polylines drawn (one per unbroken run) and the boxes of the value labels.
struct Verlaufsbild {
    std::vector<std::optional<QPointF>> Punkte;
    std::vector<QPolygonF> Linien;
    std::vector<std::pair<QRectF, QString>> Beschriftungen;
    QRectF Plot;
};
Verlaufsbild DrawVerlauf(QPainter& p, const QRectF& flaeche, double skala, const Verlaufsdaten& v);
// The printed page of the progress chart: a title with the value shown and its unit, the
// patient's name and birth date and the date range of the recordings above the chart.
void DrawVerlaufSeite(QPainter& p, const QSize& seite, int dpi, const Patient& patient,
                      const Verlaufsdaten& v);
// The lines of that title block.
QStringList VerlaufKopf(const Patient& patient, const Verlaufsdaten& v);

// The therapy summary page ("Therapie-Zusammenfassung").
void DrawZusammenfassung(QPainter& p, const QSize& seite, int dpi, const Patient& patient,
                         const Zusammenfassung& z, int maxProTag);
// Its "Therapiedaten" lines (caption, value), "Therapietreue" only when `maxProTag` is above 0.
std::vector<std::pair<QString, QString>> Therapiedaten(const Zusammenfassung& z, int maxProTag);

// A landscape A4 PDF at 600 dpi, drawn page by page through `zeichne` and written whole or not
// at all. False with the German reason in *fehler.
bool SchreibePdf(const QString& pfad, const std::function<bool(Seitenziel&)>& zeichne, QString* fehler);
// The same into memory (tests, benchmarks).
QByteArray PdfDaten(const std::function<bool(Seitenziel&)>& zeichne);

} // namespace zud
