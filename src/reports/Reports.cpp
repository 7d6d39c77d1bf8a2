#include "Reports.h"

#include "CheckedFile.h"
#include "RecordingCheck.h"
#include "Settings.h"
#include "Units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zud {

ChartOptionen ChartOptionsFromSettings(const Settings& s, int druckEinheit) {
    ChartOptionen o;
    o.GridLinesX = s.GridLinesX();
    o.GridLinesY = s.GridLinesY();
    o.AreaChart = s.AreaChart();
    o.ShowRealCurrent = s.ShowRealCurrent();
    o.ShowAvgRealCurrent = s.ShowAvgRealCurrent();
    o.DruckEinheit = druckEinheit >= 0 ? druckEinheit : s.DruckEinheit();
    return o;
}

namespace {

QFont Schrift(double pixel, bool fett = false) {
    QFont f;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel))));
    f.setBold(fett);
    return f;
}

// Point size as a font of `punkte` points on a 96-dpi screen, at resolution `dpi`.
QFont Punktschrift(double punkte, int dpi, bool fett = false) {
    return Schrift(punkte * dpi / 72.0, fett);
}

QString Wert(double v) {
    return Zahltext(v >= 100.0 ? "%.0f" : "%.1f", v, QLocale());
}

Textpruefung& Pruefung() {
    static Textpruefung p = [] {
        Textpruefung f;
        if (qEnvironmentVariableIsSet("ZUD_CHECK_TEXTS")) {
            f = [](const QString& s, double noetig, double platz) {
                std::fprintf(stderr, "Text passt nicht: \"%s\" (%.0f von %.0f Pixel)\n", qUtf8Printable(s),
                             noetig, platz);
            };
        }
        return f;
    }();
    return p;
}

void Pruefe(const QFontMetricsF& fm, const QRectF& r, const QString& s) {
    if (!Pruefung()) {
        return;
    }
    const double breite = fm.horizontalAdvance(s);
    if (breite > r.width() + 0.5) {
        Pruefung()(s, breite, r.width());
    }
}

// A single line in its box: what does not fit is cut with an ellipsis, never drawn over its
// neighbour.
void Text(QPainter& p, const QRectF& r, int flags, const QString& s) {
    const QFontMetricsF fm(p.font());
    Pruefe(fm, r, s);
    p.drawText(r, flags | Qt::TextSingleLine, fm.elidedText(s, Qt::ElideRight, std::max(0.0, r.width())));
}

} // namespace

void SetzeTextpruefung(Textpruefung pruefung) {
    Pruefung() = std::move(pruefung);
}

// ---------------------------------------------------------------- recordings

Berichtsaufnahme LadeBerichtsaufnahme(const Recording& r, int druckEinheit) {
    Berichtsaufnahme a;
    a.Zeile = r;
    const double faktor = Einheitenfaktor(druckEinheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar);
    const Kopfdaten k = LeseKopfdaten(r.Daten);
    NeuBerechnet n = DekodiereUndBerechne(r.Daten, r.Betriebsart, k, faktor);
    a.Werte = std::move(n.Werte);
    a.Footer = n.Footer;
    a.Footer.Betriebsart = static_cast<uint8_t>(std::max(0, k.Betriebsart));
    if (a.Werte.Betriebsart < 0) {
        a.Werte.Betriebsart = k.Betriebsart;
    }
    return a;
}

std::vector<Kopfzeile> KopfStatistik(const Berichtsaufnahme& a, int druckEinheit) {
    std::vector<Kopfzeile> z;
    for (const ReportedGroup& r : ReportedGroups(a.Werte.Betriebsart)) {
        const QString titel =
            QStringLiteral("%1 [%2]").arg(ReportedGroupCaption(r), UnitOf(r.Unit, druckEinheit));
        const PhaseGroup g = Gruppe(a.Footer, r.Source);
        if (g.count == 0) {
            z.push_back({titel, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")});
        } else {
            z.push_back({titel, Wert(g.min), Wert(g.max), Wert(g.Mean())});
        }
    }
    return z;
}

QStringList KopfDruckzeilen(const Berichtsaufnahme& a, int druckEinheit) {
    const int m = a.Werte.Betriebsart;
    if (m < 4 || m > 7) {
        return {};
    }
    const double basis = a.Footer.Basisdruck;
    const QLocale l;
    return {QStringLiteral("%1: %2 s")
                .arg(QCoreApplication::translate("Berichte", "Haltedauer"),
                     Zahltext("%.1f", a.Footer.Haltedauer / 10.0, l)),
            QStringLiteral("%1: %2 %3")
                .arg(QCoreApplication::translate("Berichte", "Basisdruck"),
                     Zahltext(basis >= 100 ? "%.0f" : "%.1f", basis, l), PressureUnit(druckEinheit))};
}

namespace {

using Paare = std::vector<std::pair<QString, QString>>;

// The patient header's three boxes side by side in a band: where they stand and how a line runs.
struct KopfRaster {
    QRectF band;
    double w;
    double top;
    double hoehe;
    double radius;
    QPen rahmen;
    double zeile;
    double einzug;
};

KopfRaster KopfRasterFuer(const QRectF& band, int dpi) {
    KopfRaster g;
    g.band = band;
    g.w = band.width();
    g.top = band.top() + band.height() * 0.1;
    g.hoehe = band.height() * 0.8;
    g.radius = dpi / 10.0;
    g.rahmen = QPen(QColor(0xC0, 0xC0, 0xC0));
    g.rahmen.setWidthF(std::max(1.0, dpi / 96.0));
    g.zeile = g.hoehe / 8.0;
    g.einzug = dpi * 20.0 / 100.0;
    return g;
}

Paare PatientendatenPaare(const Patient& patient) {
    return {{QCoreApplication::translate("Berichte", "Name"), patient.Name},
            {QCoreApplication::translate("Berichte", "Vorname"), patient.Vorname},
            {QCoreApplication::translate("Berichte", "Geburtstag"), StatDatum(patient.Geburtstag)},
            {QCoreApplication::translate("Berichte", "Patientennummer"), patient.Nummer}};
}

Paare UebungPaare(const Berichtsaufnahme& a) {
    return {{QCoreApplication::translate("Berichte", "Datum"), StatDatum(a.Zeile.Datum)},
            {QCoreApplication::translate("Berichte", "Uhrzeit"),
             a.Zeile.Uhrzeit.toString(QStringLiteral("HH:mm:ss"))},
            {QCoreApplication::translate("Berichte", "Betriebsart"),
             BetriebsartName(a.Werte.Betriebsart).trimmed()},
            {QCoreApplication::translate("Berichte", "Übungslänge"), Uebungslaenge(a.Footer.Length)}};
}

// One font for all three boxes: as large as the line height allows, as small as the widest
// box content needs.
double KopfSchriftgroesse(const KopfRaster& g, const Paare& patientendaten, const Paare& uebung,
                          const std::vector<Kopfzeile>& rows, const QStringList& druckzeilen) {
    double pixel = g.zeile * 0.62;
    const QFontMetricsF fm(Schrift(100));
    const double luecke = fm.averageCharWidth() * 2;
    auto paarBreite = [&](const Paare& z) {
        double k = 0, v = 0;
        for (const auto& [a, b] : z) {
            k = std::max(k, fm.horizontalAdvance(a + QStringLiteral(":")));
            v = std::max(v, fm.horizontalAdvance(b));
        }
        return k + luecke + v;
    };
    double titel = 0, zahl = fm.horizontalAdvance(QStringLiteral("100.0"));
    for (const Kopfzeile& k : rows) {
        titel = std::max(titel, fm.horizontalAdvance(k.Titel));
        for (const QString& t : {k.Min, k.Max, k.Mittel}) {
            zahl = std::max(zahl, fm.horizontalAdvance(t));
        }
    }
    double zeilen = 0;
    for (const QString& t : druckzeilen) {
        zeilen = std::max(zeilen, fm.horizontalAdvance(t));
    }
    const double w = g.w;
    const double einzug = g.einzug;
    const double pro100 = std::max(
        {paarBreite(patientendaten) / (w * 0.2 - 2 * einzug), paarBreite(uebung) / (w * 0.2 - 2 * einzug),
         (titel + luecke + 3 * (zahl + luecke)) / (w * 0.3 - 2 * einzug), zeilen / (w * 0.3 - 2 * einzug)});
    if (pro100 > 0) {
        pixel = std::min(pixel, std::floor(100.0 / pro100 * 0.96));
    }
    return pixel;
}

// A rounded box from `von` to `bis` of the band's width, its title in bold.
QRectF KopfBox(QPainter& p, const KopfRaster& g, const QFont& fett, double von, double bis,
               const QString& titel) {
    const QRectF r(g.band.left() + g.w * von, g.top, g.w * (bis - von), g.hoehe);
    p.setPen(g.rahmen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, g.radius, g.radius);
    p.setPen(Qt::black);
    p.setFont(fett);
    Text(p, QRectF(r.left() + g.einzug, r.top() + g.zeile * 0.3, r.width() - 2 * g.einzug, g.zeile),
         Qt::AlignLeft | Qt::AlignVCenter, titel);
    return r;
}

// Captions written as "%s:", values aligned in a second column.
void KopfPaare(QPainter& p, const KopfRaster& g, const QFont& normal, const QRectF& r, const Paare& z) {
    p.setFont(normal);
    const QFontMetricsF fm(normal);
    double breit = 0;
    for (const auto& [k, v] : z) {
        breit = std::max(breit, fm.horizontalAdvance(QStringLiteral("%1:").arg(k)));
    }
    const double links = r.left() + g.einzug;
    const double spalte = std::min(links + breit + fm.averageCharWidth() * 2, r.left() + r.width() * 0.55);
    double y = r.top() + g.zeile * 1.6;
    for (const auto& [k, v] : z) {
        Text(p, QRectF(links, y, spalte - links, g.zeile), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("%1:").arg(k));
        Text(p, QRectF(spalte, y, r.right() - g.einzug - spalte, g.zeile), Qt::AlignLeft | Qt::AlignVCenter,
             v);
        y += g.zeile;
    }
}

// The statistics box's contents: a min/max/mean table, then the pressure lines.
void KopfStatistikTabelle(QPainter& p, const KopfRaster& g, const QFont& normal, const QRectF& b3,
                          const std::vector<Kopfzeile>& rows, const QStringList& druckzeilen) {
    p.setFont(normal);
    const double einzug = g.einzug;
    const double zeile = g.zeile;
    const double links = b3.left() + einzug;
    double titelBreite = 0;
    {
        const QFontMetricsF fm(normal);
        for (const Kopfzeile& k : rows) {
            titelBreite = std::max(titelBreite, fm.horizontalAdvance(k.Titel) + fm.averageCharWidth() * 2);
        }
        titelBreite = std::min(std::max(titelBreite, b3.width() * 0.3), b3.width() * 0.6);
    }
    const double spalte = (b3.right() - einzug - links - titelBreite) / 3.0;
    double y = b3.top() + zeile * 1.5;
    const QStringList kopf{QCoreApplication::translate("Berichte", "min"),
                           QCoreApplication::translate("Berichte", "max"), QStringLiteral("ø")};
    for (int i = 0; i < 3; ++i) {
        Text(p, QRectF(links + titelBreite + spalte * i, y, spalte, zeile), Qt::AlignRight | Qt::AlignVCenter,
             kopf[i]);
    }
    y += zeile;
    for (const Kopfzeile& k : rows) {
        Text(p, QRectF(links, y, titelBreite, zeile), Qt::AlignLeft | Qt::AlignVCenter, k.Titel);
        const QString v[3] = {k.Min, k.Max, k.Mittel};
        for (int i = 0; i < 3; ++i) {
            Text(p, QRectF(links + titelBreite + spalte * i, y, spalte, zeile),
                 Qt::AlignRight | Qt::AlignVCenter, v[i]);
        }
        y += zeile;
    }
    for (const QString& s : druckzeilen) {
        Text(p, QRectF(links, y, b3.right() - einzug - links, zeile), Qt::AlignLeft | Qt::AlignVCenter, s);
        y += zeile;
    }
}

} // namespace

void DrawPatHeader(QPainter& p, const QRectF& band, int dpi, const Patient& patient,
                   const Berichtsaufnahme& a, int druckEinheit) {
    p.save();
    const KopfRaster g = KopfRasterFuer(band, dpi);
    const Paare patientendaten = PatientendatenPaare(patient);
    const Paare uebung = UebungPaare(a);
    const std::vector<Kopfzeile> rows = KopfStatistik(a, druckEinheit);
    const QStringList druckzeilen = KopfDruckzeilen(a, druckEinheit);

    const double pixel = KopfSchriftgroesse(g, patientendaten, uebung, rows, druckzeilen);
    const QFont normal = Schrift(pixel);
    const QFont fett = Schrift(std::min(g.zeile * 0.66, pixel * 1.1), true);

    KopfPaare(p, g, normal,
              KopfBox(p, g, fett, 0.10, 0.30, QCoreApplication::translate("Berichte", "Patientendaten")),
              patientendaten);
    KopfPaare(p, g, normal, KopfBox(p, g, fett, 0.35, 0.55, QCoreApplication::translate("Berichte", "Übung")),
              uebung);
    const QRectF b3 = KopfBox(p, g, fett, 0.60, 0.90, QCoreApplication::translate("Berichte", "Statistik"));
    KopfStatistikTabelle(p, g, normal, b3, rows, druckzeilen);
    p.restore();
}

void DrawAufnahmeSeite(QPainter& p, const QSize& seite, int dpi, const Patient& patient,
                       const Berichtsaufnahme& a, const ChartOptionen& o) {
    const int W = seite.width();
    const int H = seite.height();
    const int kopf = static_cast<int>(std::lround(H * 0.3));
    p.fillRect(QRect(0, 0, W, H), Qt::white);
    DrawPatHeader(p, QRectF(0, 0, W, kopf), dpi, patient, a, o.DruckEinheit);
    p.save();
    DrawChart(p, a.Werte, o, W, 0, dpi, a.Ausschnitt, 0, kopf, H - kopf);
    p.restore();
}

// ---------------------------------------------------------------- print preview

Vorschaulayout BerechneVorschau(const QSize& seite, bool zwei, const QStringList& bemerkungen, int dpi) {
    Q_UNUSED(dpi);
    Vorschaulayout l;
    const double w = seite.width();
    const double h = seite.height();
    const QFontMetricsF fm(Schrift(w / 140.0));
    l.Zeilenhoehe = fm.height();
    for (int i = 0; i < bemerkungen.size(); ++i) {
        l.R += fm.height() + h / 96.0;
    }
    const bool mit = !bemerkungen.isEmpty();
    const double nutz = mit ? 0.95 * h - l.R : h;
    if (zwei) {
        l.Chart1 = QRectF(0, 0, w, 0.5 * nutz);
        l.Chart2 = QRectF(0, 0.5 * nutz, w, 0.5 * nutz);
    } else {
        l.Kopf = QRectF(0, 0, w, 0.3 * nutz);
        l.Chart1 = QRectF(0, 0.3 * nutz, w, 0.7 * nutz);
    }
    if (mit) {
        l.Bemerkungen = QRectF(0, 0.95 * h - l.R, w, 0.05 * h + l.R);
    }
    return l;
}

void DrawVorschauSeite(QPainter& p, const QSize& seite, int dpi, const Vorschauinhalt& v) {
    const Vorschaulayout l = BerechneVorschau(seite, v.ZweiUebungen, v.Bemerkungen, dpi);
    const double w = seite.width();
    const double h = seite.height();
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    auto chart = [&](const Berichtsaufnahme& a, const QRectF& r) {
        p.save();
        DrawChart(p, a.Werte, v.Optionen, static_cast<int>(r.width()), 0, dpi, a.Ausschnitt,
                  static_cast<int>(r.left()), static_cast<int>(r.top()), static_cast<int>(r.height()));
        p.restore();
    };
    if (v.ZweiUebungen) {
        const Berichtsaufnahme* a[2] = {v.Uebung1, v.Uebung2};
        const QRectF r[2] = {l.Chart1, l.Chart2};
        for (int i = 0; i < 2; ++i) {
            if (!a[i]) {
                continue;
            }
            chart(*a[i], r[i]);
            p.save();
            p.setFont(Schrift(r[i].height() / 50.0, true));
            const QFontMetricsF fm(p.font());
            const QString titel = QString(a[i]->Titel).remove(QLatin1Char('&'));
            const double y = r[i].top() + 0.04 * (h - l.R) - fm.height();
            p.setPen(Qt::black);
            Text(p, QRectF(0, std::max(r[i].top(), y), w, fm.height()), Qt::AlignHCenter | Qt::AlignVCenter,
                 titel);
            p.restore();
        }
    } else if (v.Uebung1) {
        DrawPatHeader(p, l.Kopf, dpi, v.Patient_, *v.Uebung1, v.Optionen.DruckEinheit);
        chart(*v.Uebung1, l.Chart1);
    }
    if (!v.Bemerkungen.isEmpty()) {
        p.save();
        const QFont f = Schrift(w / 140.0);
        p.setFont(f);
        p.setPen(Qt::black);
        const QFontMetricsF fm(f);
        double y = l.Bemerkungen.top();
        for (const QString& zeile : v.Bemerkungen) {
            Text(p, QRectF(0.05 * w, y, 0.9 * w, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, zeile);
            y += fm.height() + f.pixelSize() / 2.0;
        }
        p.restore();
    }
}

// ---------------------------------------------------------------- statistics table

int StatistikSeitenzahl(int zeilen) {
    if (zeilen <= 13) {
        return 1;
    }
    return 1 + (zeilen - 13 + 14) / 15;
}

namespace {

// Column groups of the page header: a caption over one or three columns.
struct Kopfgruppe {
    QString Titel;
    int Spalten; // 1 or 3
};

std::vector<Kopfgruppe> Tabellengruppen(int liste) {
    switch (liste) {
    case Zweikanalig:
        return {{QCoreApplication::translate("Berichte", "Entspannen CH1"), 3},
                {QCoreApplication::translate("Berichte", "Anspannen CH1"), 3},
                {QCoreApplication::translate("Berichte", "Entspannen CH2"), 3},
                {QCoreApplication::translate("Berichte", "Anspannen CH2"), 3}};
    case DruckListe:
        return {{QCoreApplication::translate("Berichte", "Druck"), 3},
                {QCoreApplication::translate("Berichte", "Haltedauer"), 1},
                {QCoreApplication::translate("Berichte", "Basisdruck"), 1},
                {QCoreApplication::translate("Berichte", "EMG CH1"), 3},
                {QCoreApplication::translate("Berichte", "EMG CH2"), 3}};
    case TrainingDruck:
        return {{QCoreApplication::translate("Berichte", "Entspannen"), 3},
                {QCoreApplication::translate("Berichte", "Anspannen"), 3}};
    default:
        return {{QCoreApplication::translate("Berichte", "Entspannen"), 3},
                {QCoreApplication::translate("Berichte", "Anspannen"), 3},
                {QCoreApplication::translate("Berichte", "Pause"), 3},
                {QCoreApplication::translate("Berichte", "Strom"), 3}};
    }
}

// The statistics list as a table over as many pages as it needs: title block, column heads on
// every page, one line per recording, a footer with the page number.
class StatistikTabelle {
public:
    StatistikTabelle(Seitenziel& ziel, const StatListeDaten& liste, const QString& titel,
                     const QDate& druckdatum);

    bool Draw();

private:
    void Messen();
    void Verkleinern();
    void Spaltenlagen();
    void Zelle(int spalte, double y, double hoehe, const QString& s, Qt::Alignment a);
    void Titelblock();
    void Seitenkopf();
    void Datenzeile(const StatZeile& r);
    void Fusszeile();
    bool NaechsteSeite();

    Seitenziel& ziel_;
    QPainter& p_;
    const StatListeDaten& liste_;
    QDate druckdatum_;
    double W_, H_, links_, oben_, breite_, schritt_;
    QFont titelSchrift_, text_, kopfSchrift_;
    int zeilen_, seiten_;
    QString ueberschrift_;
    int spalten_;
    QStringList gemeinsam_;
    double luft_ = 0;
    std::vector<double> gewicht_;
    double summe_ = 0;
    std::vector<double> x_;
    QPen linie_;
    int seite_ = 1;
    int zeile_ = 0; // line units from the top margin
};

StatistikTabelle::StatistikTabelle(Seitenziel& ziel, const StatListeDaten& liste, const QString& titel,
                                   const QDate& druckdatum)
    : ziel_(ziel), p_(*ziel.Painter), liste_(liste), druckdatum_(druckdatum) {
    W_ = ziel.Seite.width();
    H_ = ziel.Seite.height();
    links_ = W_ / 10.0;
    oben_ = H_ / 10.0;
    breite_ = W_ * 0.8;
    schritt_ = std::round(H_ * 0.8 / 51.0);
    // Font sizes follow the page height as a 96-dpi page would have it.
    const double h96 = H_ * 96.0 / ziel.Dpi;
    titelSchrift_ = Punktschrift(h96 / 75.0, ziel.Dpi, true);
    text_ = Punktschrift(h96 / 100.0, ziel.Dpi);
    kopfSchrift_ = Punktschrift(h96 / 100.0, ziel.Dpi, true);
    zeilen_ = static_cast<int>(liste.Zeilen.size());
    seiten_ = StatistikSeitenzahl(zeilen_);
    ueberschrift_ = QStringLiteral("%1 %2").arg(QCoreApplication::translate("Berichte", "Statistik"), titel);
    // Columns: the common ones but "Nr", then the value columns, each as wide as its widest
    // text; what is left of the usable width is shared out, and on a crowded page texts are
    // shortened to fit.
    spalten_ = 5 + Wertspalten(liste.Nummer);
    gemeinsam_ = QStringList{QCoreApplication::translate("Berichte", "Datum"),
                             QCoreApplication::translate("Berichte", "Uhrzeit"),
                             QCoreApplication::translate("Berichte", "Programmname"),
                             QCoreApplication::translate("Berichte", "Betriebsart"),
                             QCoreApplication::translate("Berichte", "Übungslänge")};
    linie_ = QPen(QColor(0x80, 0x80, 0x80), std::max(1.0, ziel.Dpi / 96.0));
}

bool StatistikTabelle::Draw() {
    Messen();
    if (summe_ > breite_) {
        Verkleinern();
        Messen();
    }
    Spaltenlagen();
    p_.fillRect(QRectF(0, 0, W_, H_), Qt::white);
    Titelblock();
    zeile_ = 6;
    p_.setFont(text_);
    if (zeilen_ > 0) {
        Seitenkopf();
    }
    bool etwas = true; // the page holds the title block
    for (int i = 0; i < zeilen_; ++i) {
        Datenzeile(liste_.Zeilen[size_t(i)]);
        etwas = true;
        if (zeile_ >= 48) {
            Fusszeile();
            etwas = false;
            if (i + 1 < zeilen_) {
                if (!NaechsteSeite()) {
                    return false;
                }
                etwas = true;
            }
        }
    }
    if (etwas) {
        Fusszeile();
    }
    return true;
}

// Each column's weight: its widest text plus air on both sides.
void StatistikTabelle::Messen() {
    const QFontMetricsF tm(text_);
    const QFontMetricsF km(kopfSchrift_);
    luft_ = tm.averageCharWidth() * 0.6;
    gewicht_.assign(size_t(spalten_), 0.0);
    for (int i = 0; i < 5; ++i) {
        gewicht_[size_t(i)] = km.horizontalAdvance(gemeinsam_[i]);
    }
    // A value column is at least as wide as the widest of its captions below the group's.
    double unterkopf = 0;
    for (const QString& t : {QCoreApplication::translate("Berichte", "min"),
                             QCoreApplication::translate("Berichte", "max"), QStringLiteral("ø")}) {
        unterkopf = std::max(unterkopf, km.horizontalAdvance(t));
    }
    for (int i = 5; i < spalten_; ++i) {
        gewicht_[size_t(i)] = unterkopf;
    }
    int s = 5;
    for (const Kopfgruppe& g : Tabellengruppen(liste_.Nummer)) {
        if (g.Spalten == 1) {
            gewicht_[size_t(s)] = std::max(gewicht_[size_t(s)], km.horizontalAdvance(g.Titel));
        }
        s += g.Spalten;
    }
    for (const StatZeile& r : liste_.Zeilen) {
        for (int c = 1; c < r.Zellen.size() && c - 1 < spalten_; ++c) {
            gewicht_[size_t(c - 1)] =
                std::max(gewicht_[size_t(c - 1)], tm.horizontalAdvance(r.Zellen[c].trimmed()));
        }
    }
    summe_ = 0;
    for (double& g : gewicht_) {
        g += 2 * luft_;
        summe_ += g;
    }
}

// A crowded list: a smaller body font rather than shortened texts.
void StatistikTabelle::Verkleinern() {
    const double f = std::max(0.7, breite_ / summe_ * 0.98);
    text_.setPixelSize(std::max(1, static_cast<int>(text_.pixelSize() * f)));
    kopfSchrift_.setPixelSize(std::max(1, static_cast<int>(kopfSchrift_.pixelSize() * f)));
}

void StatistikTabelle::Spaltenlagen() {
    x_ = {links_};
    for (double g : gewicht_) {
        x_.push_back(x_.back() +
                     (summe_ <= breite_ ? g + (breite_ - summe_) / spalten_ : g * breite_ / summe_));
    }
}

void StatistikTabelle::Zelle(int spalte, double y, double hoehe, const QString& s, Qt::Alignment a) {
    Text(
        p_,
        QRectF(x_[size_t(spalte)] + luft_, y, x_[size_t(spalte) + 1] - x_[size_t(spalte)] - 2 * luft_, hoehe),
        a | Qt::AlignVCenter, s);
}

void StatistikTabelle::Titelblock() {
    p_.setFont(titelSchrift_);
    p_.setPen(Qt::black);
    const QFontMetricsF fm(titelSchrift_);
    Text(p_, QRectF(links_, oben_ + 1.5 * schritt_ - fm.height() / 2, breite_, fm.height()),
         Qt::AlignHCenter | Qt::AlignVCenter, ueberschrift_);
}

void StatistikTabelle::Seitenkopf() {
    p_.setFont(kopfSchrift_);
    p_.setPen(Qt::black);
    const double y = oben_ + zeile_ * schritt_;
    for (int i = 0; i < gemeinsam_.size(); ++i) {
        Zelle(i, y, schritt_ * 2, gemeinsam_[i], Qt::AlignLeft);
    }
    int s = 5;
    for (const Kopfgruppe& g : Tabellengruppen(liste_.Nummer)) {
        const QRectF r(x_[size_t(s)], y, x_[size_t(s + g.Spalten)] - x_[size_t(s)], schritt_);
        Text(p_, r.adjusted(luft_, 0, -luft_, 0), Qt::AlignHCenter | Qt::AlignVCenter, g.Titel);
        if (g.Spalten == 3) {
            const QString sub[3] = {QCoreApplication::translate("Berichte", "min"),
                                    QCoreApplication::translate("Berichte", "max"), QStringLiteral("ø")};
            for (int k = 0; k < 3; ++k) {
                Zelle(s + k, y + schritt_, schritt_, sub[k], Qt::AlignRight);
            }
        }
        s += g.Spalten;
    }
    p_.setPen(linie_);
    p_.drawLine(QPointF(links_, y + schritt_ * 2.5), QPointF(links_ + breite_, y + schritt_ * 2.5));
    zeile_ += 3;
}

void StatistikTabelle::Datenzeile(const StatZeile& r) {
    p_.setFont(text_);
    p_.setPen(Qt::black);
    const double y = oben_ + zeile_ * schritt_;
    for (int c = 1; c < r.Zellen.size() && c - 1 < spalten_; ++c) {
        Zelle(c - 1, y, schritt_ * 2, r.Zellen[c].trimmed(), c <= 4 ? Qt::AlignLeft : Qt::AlignRight);
    }
    p_.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), std::max(1.0, ziel_.Dpi / 192.0)));
    p_.drawLine(QPointF(links_, y + schritt_ * 2.5), QPointF(links_ + breite_, y + schritt_ * 2.5));
    zeile_ += 3;
}

void StatistikTabelle::Fusszeile() {
    p_.setFont(text_);
    p_.setPen(Qt::black);
    const QFontMetricsF fm(text_);
    const double y = oben_ + 51 * schritt_ - fm.height();
    const QRectF r(links_, y, breite_, fm.height());
    Text(p_, r, Qt::AlignHCenter | Qt::AlignVCenter,
         QStringLiteral("%1 %2/%3")
             .arg(QCoreApplication::translate("Berichte", "Seite"))
             .arg(seite_)
             .arg(seiten_));
    Text(p_, r, Qt::AlignLeft | Qt::AlignVCenter, ueberschrift_);
    Text(p_, r, Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("%1: %2").arg(QCoreApplication::translate("Berichte", "Druckdatum"),
                                      StatDatum(druckdatum_)));
}

// A fresh page with the column heads; false when the target has no further page.
bool StatistikTabelle::NaechsteSeite() {
    if (!ziel_.NeueSeite || !ziel_.NeueSeite()) {
        return false;
    }
    ++seite_;
    zeile_ = 0;
    p_.fillRect(QRectF(0, 0, W_, H_), Qt::white);
    p_.setFont(text_);
    Seitenkopf();
    return true;
}

} // namespace

bool DrawStatistikTabelle(Seitenziel& ziel, const StatListeDaten& liste, const QString& titel,
                          const QDate& druckdatum) {
    return StatistikTabelle(ziel, liste, titel, druckdatum).Draw();
}

// ---------------------------------------------------------------- progress chart

Verlaufsdaten BerechneVerlauf(const StatListeDaten& liste, int spalte, int druckEinheit, bool flaeche) {
    Verlaufsdaten v;
    v.Werte = Verlaufswerte(liste, spalte);
    for (const StatZeile& z : liste.Zeilen) {
        v.Daten.push_back(z.Datum);
    }
    const QStringList titel = SpaltenTitel(liste.Nummer);
    v.Spaltentitel = spalte < titel.size() ? titel[spalte] : QString();
    v.Einheit = TagEinheit(SpaltenTag(liste.Nummer, spalte), druckEinheit);
    v.Flaeche = flaeche;
    return v;
}

double Skalenwert(double g) {
    return g >= 10 ? std::trunc(g) : std::trunc(g * 10.0) / 10.0;
}

namespace {

// The progress chart of one column in a frame: the series, its axes and reference lines, the
// dates below and the column's caption at the left edge.
class VerlaufZeichnung {
public:
    VerlaufZeichnung(QPainter& p, const QRectF& f, double skala, const Verlaufsdaten& v);

    Verlaufsbild Draw();

private:
    void Marken();
    void Plotflaeche();
    double Px(size_t i) const;
    double Py(double w) const;
    std::vector<QPolygonF> Laeufe();
    void ZeichneLaeufe(const std::vector<QPolygonF>& laeufe);
    void ZeichneAchsen();
    void ZeichneMarken();
    void ZeichneDaten();
    void ZeichneSpaltentitel();

    QPainter& p_;
    const QRectF f_;
    const double skala_;
    const Verlaufsdaten& v_;
    const size_t n_;
    double G_ = 0;
    const QFont schrift_;
    const QFont gross_;
    std::vector<double> marken_{0.0};
    std::vector<QString> markentexte_;
    double markenbreite_ = 0;
    QRectF plot_;
    Verlaufsbild bild_;
};

VerlaufZeichnung::VerlaufZeichnung(QPainter& p, const QRectF& f, double skala, const Verlaufsdaten& v)
    : p_(p), f_(f), skala_(skala), v_(v), n_(v.Werte.size()), schrift_(Schrift(12 * skala)),
      gross_(Schrift(16 * skala * 96.0 / 72.0)) {
    for (const auto& w : v.Werte) {
        if (w) {
            G_ = std::max(G_, *w);
        }
    }
}

Verlaufsbild VerlaufZeichnung::Draw() {
    p_.save();
    p_.fillRect(f_, Qt::white);
    Marken();
    Plotflaeche();
    const std::vector<QPolygonF> laeufe = Laeufe();
    p_.setRenderHint(QPainter::Antialiasing, true);
    ZeichneLaeufe(laeufe);
    ZeichneAchsen();
    ZeichneMarken();
    ZeichneDaten();
    ZeichneSpaltentitel();
    p_.restore();
    return bild_;
}

// The scale's marks, the top one at the largest value cut to a round figure, and their texts.
void VerlaufZeichnung::Marken() {
    const QFontMetricsF fm(schrift_);
    const double S = Skalenwert(G_);
    const QLocale sprache;
    if (G_ > 0) {
        marken_ = {S, S / 2, 0.0};
    }
    for (double s : marken_) {
        markentexte_.push_back(Zahltext("%.1f", s, sprache) + QLatin1Char(' ') + v_.Einheit);
        markenbreite_ = std::max(markenbreite_, fm.horizontalAdvance(markentexte_.back()) + 4 * skala_);
    }
}

// The value labels stand left of the axis, the rotated caption left of them: the left margin
// is a tenth of the width or what both need.
void VerlaufZeichnung::Plotflaeche() {
    const QFontMetricsF gm(gross_);
    const double links = std::max(f_.width() * 0.1, gm.height() * 1.5 + markenbreite_ + 8 * skala_);
    plot_ =
        QRectF(f_.left() + links, f_.top() + f_.height() * 0.1, f_.width() * 0.9 - links, f_.height() * 0.8);
    bild_.Plot = plot_;
}

double VerlaufZeichnung::Px(size_t i) const {
    return n_ == 1 ? f_.left() + f_.width() * 0.8 : plot_.left() + i * (plot_.width() / (n_ - 1));
}

double VerlaufZeichnung::Py(double w) const {
    return G_ > 0 ? plot_.bottom() - plot_.height() * w / G_ : plot_.bottom();
}

// The runs of rows with a value; a row without one breaks the line.
std::vector<QPolygonF> VerlaufZeichnung::Laeufe() {
    std::vector<QPolygonF> laeufe;
    bool offen = false;
    for (size_t i = 0; i < n_; ++i) {
        if (!v_.Werte[i]) {
            bild_.Punkte.emplace_back(std::nullopt);
            offen = false;
            continue;
        }
        const QPointF pt(Px(i), Py(*v_.Werte[i]));
        bild_.Punkte.emplace_back(pt);
        if (!offen) {
            laeufe.emplace_back();
            offen = true;
        }
        laeufe.back() << pt;
    }
    return laeufe;
}

void VerlaufZeichnung::ZeichneLaeufe(const std::vector<QPolygonF>& laeufe) {
    for (const QPolygonF& lauf : laeufe) {
        if (v_.Flaeche && lauf.size() > 1) {
            QPolygonF flaeche = lauf;
            flaeche << QPointF(lauf.back().x(), plot_.bottom()) << QPointF(lauf.front().x(), plot_.bottom());
            p_.setPen(Qt::NoPen);
            p_.setBrush(QColor(0x87, 0xCE, 0xEB));
            p_.drawPolygon(flaeche);
        }
        p_.setPen(QPen(Qt::blue, std::max(1.0, 2 * skala_)));
        p_.setBrush(Qt::NoBrush);
        if (lauf.size() > 1) {
            p_.drawPolyline(lauf);
            bild_.Linien.push_back(lauf);
        }
        // Every value is marked, so that a lone one between two gaps is seen too.
        p_.setBrush(Qt::blue);
        for (const QPointF& pt : lauf) {
            p_.drawEllipse(pt, 3 * skala_, 3 * skala_);
        }
    }
}

void VerlaufZeichnung::ZeichneAchsen() {
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(Qt::black, 2 * skala_));
    p_.drawLine(plot_.bottomLeft(), plot_.topLeft());
    p_.drawLine(plot_.bottomLeft(), plot_.bottomRight());
}

// The reference lines, and the axis' start at 0 said as well; their labels stand left of
// the axis, where neither the series nor a reference line runs through them.
void VerlaufZeichnung::ZeichneMarken() {
    const QFontMetricsF fm(schrift_);
    p_.setFont(schrift_);
    for (size_t k = 0; k < marken_.size(); ++k) {
        const double y = Py(marken_[k]);
        if (marken_[k] > 0) {
            QPen gepunktet(Qt::black, std::max(1.0, skala_), Qt::DotLine);
            p_.setPen(gepunktet);
            p_.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        }
        const QString& t = markentexte_[k];
        const double tw = fm.horizontalAdvance(t) + 4 * skala_;
        const QRectF r(plot_.left() - tw - 4 * skala_, y - fm.height() / 2, tw, fm.height());
        p_.setPen(Qt::black);
        Text(p_, r, Qt::AlignRight | Qt::AlignVCenter, t);
        bild_.Beschriftungen.emplace_back(r, t);
    }
}

// The dates under the points, as many as fit side by side.
void VerlaufZeichnung::ZeichneDaten() {
    const QFontMetricsF fm(schrift_);
    p_.setPen(Qt::black);
    double frei = -1e9;
    for (size_t i = 0; i < n_ && i < v_.Daten.size(); ++i) {
        const QString t = StatDatum(v_.Daten[i]);
        const double tw = fm.horizontalAdvance(t);
        const double x = Px(i) - tw / 2;
        const bool letzter = i + 1 == n_;
        if (x < frei || (!letzter && i > 0 &&
                         Px(n_ - 1) - fm.horizontalAdvance(t) / 2 < x + tw + fm.averageCharWidth())) {
            continue;
        }
        p_.drawLine(QPointF(Px(i), plot_.bottom()), QPointF(Px(i), plot_.bottom() + 4 * skala_));
        Text(p_, QRectF(x, plot_.bottom() + 6 * skala_, tw, fm.height()), Qt::AlignCenter, t);
        frei = x + tw + fm.averageCharWidth() * 2;
    }
}

// The column caption, rotated, at the left edge.
void VerlaufZeichnung::ZeichneSpaltentitel() {
    const QFontMetricsF gm(gross_);
    p_.save();
    p_.setFont(gross_);
    p_.translate(f_.left() + gm.height() * 0.75, plot_.center().y());
    p_.rotate(-90);
    Text(p_, QRectF(-plot_.height() / 2, -gm.height() / 2, plot_.height(), gm.height()), Qt::AlignCenter,
         v_.Spaltentitel);
    p_.restore();
}

} // namespace

Verlaufsbild DrawVerlauf(QPainter& p, const QRectF& f, double skala, const Verlaufsdaten& v) {
    return VerlaufZeichnung(p, f, skala, v).Draw();
}

QStringList VerlaufKopf(const Patient& patient, const Verlaufsdaten& v) {
    QStringList z;
    z << QStringLiteral("%1: %2 [%3]")
             .arg(QCoreApplication::translate("Berichte", "Verlauf"), v.Spaltentitel, v.Einheit);
    QString name = QStringLiteral("%1, %2").arg(patient.Name, patient.Vorname);
    if (patient.Geburtstag.isValid()) {
        name += QStringLiteral(", %1 %2").arg(QCoreApplication::translate("Berichte", "geb."),
                                              StatDatum(patient.Geburtstag));
    }
    z << name;
    QDate von, bis;
    for (const QDate& d : v.Daten) {
        if (d.isValid()) {
            von = von.isValid() ? std::min(von, d) : d;
            bis = bis.isValid() ? std::max(bis, d) : d;
        }
    }
    if (von.isValid()) {
        z << QStringLiteral("%1: %2 – %3")
                 .arg(QCoreApplication::translate("Berichte", "Zeitraum"), StatDatum(von), StatDatum(bis));
    }
    return z;
}

void DrawVerlaufSeite(QPainter& p, const QSize& seite, int dpi, const Patient& patient,
                      const Verlaufsdaten& v) {
    p.save();
    const double W = seite.width();
    const double H = seite.height();
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    const double h96 = H * 96.0 / dpi;
    const QFont titel = Punktschrift(h96 / 50.0, dpi, true);
    const QFont text = Punktschrift(h96 / 75.0, dpi);
    const QStringList kopf = VerlaufKopf(patient, v);
    const double links = W / 10.0;
    double y = H / 20.0;
    for (qsizetype i = 0; i < kopf.size(); ++i) {
        p.setFont(i == 0 ? titel : text);
        const QFontMetricsF fm(p.font());
        p.setPen(Qt::black);
        Text(p, QRectF(links, y, W * 0.8, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, kopf[i]);
        y += fm.height() * 1.3;
    }
    DrawVerlauf(p, QRectF(0, y, W, H - y), dpi / 96.0, v);
    p.restore();
}

// ---------------------------------------------------------------- summary

std::vector<std::pair<QString, QString>> Therapiedaten(const Zusammenfassung& z, int maxProTag) {
    // Where the data hold no value, the line says why instead of showing a dash.
    const QString keine = FehlendeDauerGrund(z);
    const QLocale l;
    auto oderGrund = [&](const QString& wert) { return wert.isEmpty() ? keine : wert; };
    std::vector<std::pair<QString, QString>> d{
        {QCoreApplication::translate("Berichte", "Gerät"), oderGrund(z.Geraet)},
        {QCoreApplication::translate("Berichte", "Seriennummer"),
         z.Nummer.isEmpty() ? FehlendeNummerGrund(z) : z.Nummer},
        {QCoreApplication::translate("Berichte", "Therapieanfang"), oderGrund(StatDatum(z.Erste))},
        {QCoreApplication::translate("Berichte", "Therapieende"), oderGrund(StatDatum(z.Letzte))},
        {QCoreApplication::translate("Berichte", "Anzahl Behandlungen"), QString::number(z.Anzahl)},
        {QCoreApplication::translate("Berichte", "Ø Behandlungsdauer"),
         z.Gezaehlt == 0 ? keine : Zahltext("%.2f", z.MittlereDauer, l) + QStringLiteral(" min")},
    };
    if (maxProTag > 0) {
        const auto t = z.Therapietreue(maxProTag);
        d.emplace_back(QCoreApplication::translate("Berichte", "Therapietreue"),
                       t ? Zahltext("%.0f", *t, l) + QStringLiteral(" %")
                       : !keine.isEmpty()
                           ? keine
                           : QCoreApplication::translate("Berichte", "keine programmierte Übungsdauer"));
    }
    return d;
}

void DrawZusammenfassung(QPainter& p, const QSize& seite, int dpi, const Patient& patient,
                         const Zusammenfassung& z, int maxProTag) {
    p.save();
    const double W = seite.width();
    const double H = seite.height();
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    const double links = W / 10.0;
    const double breite = W * 0.8;
    const double stift = W * 3.0 / 1000.0;
    const double h96 = H * 96.0 / dpi;
    const QFont titel = Punktschrift(h96 / 40.0, dpi, true);
    const QFont abschnitt = Punktschrift(h96 / 60.0, dpi, true);
    const QFont text = Punktschrift(h96 / 75.0, dpi);
    const QFontMetricsF tm(text);
    const double zeile = tm.height() * 1.6;
    double y = H / 10.0;

    p.setPen(Qt::black);
    p.setFont(titel);
    const QFontMetricsF ttm(titel);
    Text(p, QRectF(links, y, breite, ttm.height()), Qt::AlignHCenter | Qt::AlignVCenter,
         QCoreApplication::translate("Berichte", "Therapie-Zusammenfassung"));
    y += ttm.height() * 1.2;
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), stift));
    p.drawLine(QPointF(links, y), QPointF(links + breite, y));
    y += zeile;

    auto teil = [&](const QString& ueberschrift, const std::vector<std::pair<QString, QString>>& z) {
        p.setPen(Qt::black);
        p.setFont(abschnitt);
        const QFontMetricsF am(abschnitt);
        Text(p, QRectF(links, y, breite, am.height()), Qt::AlignLeft | Qt::AlignVCenter, ueberschrift);
        y += am.height() * 1.5;
        p.setFont(text);
        double b = 0;
        for (const auto& [k, v] : z) {
            b = std::max(b, tm.horizontalAdvance(k + QStringLiteral(":")));
        }
        const double x2 = links + W * 0.03 + b + tm.averageCharWidth() * 3;
        for (const auto& [k, v] : z) {
            Text(p, QRectF(links + W * 0.03, y, b + 1, tm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 k + QStringLiteral(":"));
            Text(p, QRectF(x2, y, links + breite - x2, tm.height()), Qt::AlignLeft | Qt::AlignVCenter, v);
            y += zeile;
        }
        y += zeile * 0.5;
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), stift));
        p.drawLine(QPointF(links, y), QPointF(links + breite, y));
        y += zeile;
    };
    teil(QCoreApplication::translate("Berichte", "Patientendaten"),
         {{QCoreApplication::translate("Berichte", "Name"), patient.Name},
          {QCoreApplication::translate("Berichte", "Vorname"), patient.Vorname},
          {QCoreApplication::translate("Berichte", "Geburtsdatum"), StatDatum(patient.Geburtstag)},
          {QCoreApplication::translate("Berichte", "Straße"), patient.Strasse},
          {QCoreApplication::translate("Berichte", "PLZ"), patient.Plz},
          {QCoreApplication::translate("Berichte", "Ort"), patient.Wohnort},
          {QCoreApplication::translate("Berichte", "Krankenkasse"), patient.Krankenkasse},
          {QCoreApplication::translate("Berichte", "SV-Nummer"), patient.VNummer}});
    teil(QCoreApplication::translate("Berichte", "Therapiedaten"), Therapiedaten(z, maxProTag));
    p.restore();
}

// ---------------------------------------------------------------- PDF

QByteArray PdfDaten(const std::function<bool(Seitenziel&)>& zeichne) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bool ok = false;
    {
        QPdfWriter writer(&puffer);
        writer.setResolution(600);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("ZUD-Software"));
        writer.setTitle(QStringLiteral("ZUD"));
        QPainter p;
        if (!p.begin(&writer)) {
            return {};
        }
        Seitenziel z;
        z.Painter = &p;
        z.Seite = p.viewport().size();
        z.Dpi = 600;
        z.NeueSeite = [&writer]() { return writer.newPage(); };
        ok = zeichne(z);
        p.end();
    }
    return ok ? daten : QByteArray();
}

bool SchreibePdf(const QString& pfad, const std::function<bool(Seitenziel&)>& zeichne, QString* fehler) {
    const QByteArray daten = PdfDaten(zeichne);
    if (daten.isEmpty()) {
        if (fehler) {
            *fehler = QCoreApplication::translate("Berichte", "Die PDF-Datei konnte nicht erzeugt werden: %1")
                          .arg(pfad);
        }
        return false;
    }
    return SaveFile(pfad, daten, fehler);
}

} // namespace zud
