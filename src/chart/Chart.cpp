#include "Chart.h"

#include "Units.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace zud {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("DrawChart", text);
}

enum class Art { Einzel, Druck, EMG1, EMG2 };

struct Panel {
    Art art = Art::Einzel;
    QRectF rect;
    double skala = 1; // value range of the panel height
    double basis = 0; // value at the bottom (pressure minimum)
    bool labelMitEinheit = false;
    QString einheit;
    // What the labels say: the value at the panel's bottom and the range up to its top (the
    // single panel of modes 4 and 5 draws pressures on the EMG scale and labels them in mbar).
    double labelBasis = 0;
    double labelSpanne = 0;
    // The channel's name where there is more than one panel, so that the scales are told apart.
    QString kanal;
};

bool IstEMGPhase(int ph) {
    return ph == 0 || ph == 1 || ph == 2 || ph == 4;
}

QFont ChartFont(int dpi) {
    QFont f;
    f.setPixelSize(Schriftpixel(dpi));
    return f;
}

std::vector<Art> PanelArten(int mode) {
    switch (mode) {
    case 6:
        return {Art::Druck, Art::EMG1};
    case 7:
        return {Art::Druck, Art::EMG1, Art::EMG2};
    case 9:
        return {Art::EMG1, Art::EMG2};
    default:
        return {Art::Einzel};
    }
}

// The panels of a mode with their scales and what their labels say; the rectangles come later.
std::vector<Panel> BauePanels(int mode, const Achsen& ax, const QString& einheit) {
    std::vector<Panel> panels;
    for (const Art art : PanelArten(mode)) {
        Panel p;
        p.art = art;
        switch (p.art) {
        case Art::Einzel:
            p.skala = mode == 4 ? ax.DruckMax - ax.DruckMin : ax.EMG1;
            p.einheit = QStringLiteral("µV");
            if (mode == 4 || mode == 5) {
                // The curve is scaled onto the panel; the labels say the pressure.
                p.labelMitEinheit = true;
                p.einheit = einheit;
                p.labelBasis = ax.DruckMin;
                p.labelSpanne = ax.DruckMax - ax.DruckMin;
            }
            break;
        case Art::Druck:
            p.skala = ax.DruckMax - ax.DruckMin;
            p.basis = ax.DruckMin;
            p.labelMitEinheit = true;
            p.einheit = einheit;
            break;
        case Art::EMG1:
        case Art::EMG2:
            p.skala = p.art == Art::EMG1 ? ax.EMG1 : ax.EMG2;
            p.einheit = QStringLiteral("µV");
            break;
        }
        if (p.skala <= 0) {
            p.skala = 1;
        }
        if (p.labelSpanne <= 0) {
            p.labelBasis = p.basis;
            p.labelSpanne = p.skala;
        }
        panels.push_back(p);
    }
    if (panels.size() > 1) {
        for (Panel& p : panels) {
            p.kanal = p.art == Art::Druck  ? QCoreApplication::translate("DrawChart", "Druck")
                      : p.art == Art::EMG1 ? QStringLiteral("EMG 1")
                                           : QStringLiteral("EMG 2");
        }
    }
    return panels;
}

// One number with one decimal in the user's format, and its unit after a blank: every value
// label of every panel reads alike ("200.0 µV", "12,5 mbar", "18.0 mA").
QString Wertetext(double v, const QString& einheit) {
    return QLocale().toString(v, 'f', 1) + QLatin1Char(' ') + einheit;
}

bool StromSpalte(const std::vector<Panel>& panels, const ChartOptionen& o, const Achsen& ax) {
    return panels.size() == 1 && (o.ShowRealCurrent || o.ShowAvgRealCurrent) && ax.Strom > 0;
}

// A round step of at least `roh`: 1, 2 or 5 times a power of ten.
double RunderSchritt(double roh) {
    if (!(roh > 0) || !std::isfinite(roh)) {
        return 1;
    }
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        if (f * zehner >= roh * (1 - 1e-9)) {
            return f * zehner;
        }
    }
    return 10 * zehner;
}

// The horizontal grid lines of a panel as fractions of its label range (0 = the range's
// bottom). Unzoomed they divide the panel into GridLinesY parts; zoomed in, they stand at
// round values of the visible part, so that the labels read 12.0, 12.5, 13.0 and not 12.37.
std::vector<double> Gitteranteile(const Panel& p, int gy, double fy, double oy) {
    std::vector<double> a;
    if (fy == 1.0 && oy == 0.0) {
        for (int j = 0; j <= gy; ++j) {
            a.push_back(static_cast<double>(j) / gy);
        }
        return a;
    }
    const double unten = oy, oben = oy + 1 / fy; // visible fractions
    const double schritt = RunderSchritt(p.labelSpanne * (oben - unten) / gy) / p.labelSpanne;
    for (double k = std::ceil(unten / schritt - 1e-9); k * schritt <= oben + 1e-9; k += 1) {
        a.push_back(k * schritt);
    }
    return a;
}

// Room the labels need around the plot: left for the value labels, right for the red current
// column, at least a tenth of the box each way as the chart has always had.
struct Raender {
    double links = 0, rechts = 0, oben = 0, unten = 0;
    double zeitAbstand = 0; // from the plot bottom to the time labels
};

constexpr double kLabelLuecke = 5; // pixels between a label and the plot, at 96 dpi

Raender BerechneRaender(const std::vector<Panel>& panels, bool stromSpalte, const Achsen& ax,
                        const QFontMetricsF& fm, double sf, int w, int h) {
    double breit = 0;
    for (const Panel& p : panels) {
        for (const double v : {p.labelBasis, p.labelBasis + p.labelSpanne}) {
            breit = std::max(breit, fm.horizontalAdvance(Wertetext(v, p.einheit)));
        }
    }
    double strom = 0;
    if (stromSpalte) {
        strom = fm.horizontalAdvance(Wertetext(ax.Strom, QStringLiteral("mA")));
    }
    const double luecke = kLabelLuecke * sf + 2;
    Raender r;
    // The labels stand right-aligned a twentieth of the margin plus a gap before the plot.
    r.links = std::max(w * 0.1, (breit + luecke) / 0.95);
    r.rechts = std::max(w * 0.1, stromSpalte ? (strom + luecke) / 0.95 : 0.0);
    r.oben = std::max(h * 0.1, fm.height() / 2 + 1);
    // The time labels stand below the half of the lowest value label that reaches under the plot.
    r.zeitAbstand = std::max(h * 0.8 * 0.01, fm.height() / 2 + 1);
    r.unten = std::max(h * 0.1, r.zeitAbstand + fm.height() + 1);
    return r;
}

} // namespace

Achsen Achsenmaxima(const Messung& m) {
    Achsen a;
    double e1 = 0, e2 = 0, strom = 0;
    int druck = -1;
    for (const TMessWert& w : m.Werte) {
        const int ph = w.Phase;
        if (IstEMGPhase(ph) || ph == 7) {
            if (m.Betriebsart != 4) {
                e1 = std::max(e1, w.Bereich1);
            }
            if (m.Betriebsart == 7 || m.Betriebsart == 9) {
                e2 = std::max(e2, w.Bereich2);
            }
        }
        if (ph == kPhaseStrom) {
            strom = std::max(strom, w.Strom);
        }
        if (ph == 5 || ph == 6 || ph == 7) {
            druck = std::max(druck, static_cast<int>(std::trunc(w.Druck)) + 1);
        }
    }
    a.EMG1 = e1 > 0 ? e1 : 2.5;
    a.EMG2 = e2 > 0 ? e2 : 2.5;
    a.Strom = strom;
    a.DruckMax = std::max(druck, 25);
    a.DruckMin = 0;
    return a;
}

Achsen Achsenmaxima(const Messung& m, const ChartOptionen& o) {
    Achsen a = Achsenmaxima(m);
    if (o.FesterDruckbereich && o.DruckMax > o.DruckMin) {
        a.DruckMin = o.DruckMin;
        a.DruckMax = o.DruckMax;
    }
    return a;
}

QColor Phasenfarbe(int phase) {
    static const QColor k[8] = {QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x80, 0x00),
                                QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x80, 0x00),
                                QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x80, 0x00)};
    return phase >= 0 && phase < 8 ? k[phase] : QColor(Qt::black);
}

QString Zeitbeschriftung(long long i, double teilung) {
    const int sek = static_cast<int>((i / 10) % 60);
    const int min = static_cast<int>((i / 600) % 60);
    const auto minSek = [&] {
        const int m = static_cast<int>(i / 600);
        return sek == 0 ? QString::asprintf(Tr("%dmin").toUtf8().constData(), m)
                        : QString::asprintf(Tr("%dmin %ds").toUtf8().constData(), m, sek);
    };
    if (i < 600) {
        return QString::asprintf(Tr("%ds").toUtf8().constData(), static_cast<int>(i / 10));
    }
    if (i < 6000) {
        return minSek();
    }
    if (i <= 36000) {
        if (teilung > 600) {
            return QString::asprintf(Tr("%dmin").toUtf8().constData(), static_cast<int>(i / 600));
        }
        return minSek();
    }
    const int std = static_cast<int>(i / 36000);
    if (teilung <= 600 && sek != 0) {
        return QString::asprintf(Tr("%dh %dmin %ds").toUtf8().constData(), std, min, sek);
    }
    if (min != 0) {
        return QString::asprintf(Tr("%dh %dmin").toUtf8().constData(), std, min);
    }
    return QString::asprintf(Tr("%dh").toUtf8().constData(), std);
}

int Schriftpixel(int dpi) {
    // dpi / 10 points on a 96-dpi screen: (dpi / 10) * 96 / 72 pixels.
    return std::max(1, static_cast<int>(std::lround(dpi * 4.0 / 30.0)));
}

double Stiftfaktor(int dpi) {
    return std::max(1.0, dpi / 96.0);
}

ChartLayout Layout(const Messung& m, const ChartOptionen& o, int w, int dpi, int l, int t, int h) {
    ChartLayout L;
    L.box = QRectF(l, t, w, h);
    const QFontMetricsF fm(ChartFont(dpi));
    L.zeilenHoehe = fm.height();
    const Achsen ax = Achsenmaxima(m, o);
    const std::vector<Panel> panels = BauePanels(m.Betriebsart, ax, PressureUnit(o.DruckEinheit));
    const Raender r = BerechneRaender(panels, StromSpalte(panels, o, ax), ax, fm, Stiftfaktor(dpi), w, h);
    double ph = h - r.oben - r.unten;
    const double abstand = std::lround(dpi * 5.0 / 96.0);
    for (qsizetype k = 0; k < o.Bemerkungen.size(); ++k) {
        ph -= L.zeilenHoehe + abstand;
    }
    ph = std::max(ph, 1.0);
    L.plot = QRectF(l + r.links, t + r.oben, std::max(w - r.links - r.rechts, 1.0), ph);
    L.links = r.links;
    L.rechts = r.rechts;
    L.zeitAbstand = r.zeitAbstand;
    const double hoehe = ph / static_cast<double>(panels.size());
    for (size_t k = 0; k < panels.size(); ++k) {
        L.panels.emplace_back(L.plot.left(), L.plot.top() + hoehe * static_cast<double>(k), L.plot.width(),
                              hoehe);
    }
    return L;
}

namespace {

// Long runs go out in pieces: the stroker of wide pens (print resolutions) slows down badly on
// polylines of thousands of points.
constexpr qsizetype kStueck = 128;

// Average current of each run of current samples.
std::vector<double> AverageCurrent(const Messung& m, const ChartOptionen& o) {
    std::vector<double> mittel;
    if (!o.ShowRealCurrent && o.ShowAvgRealCurrent) {
        const size_t n = m.Werte.size();
        mittel.assign(n, 0.0);
        for (size_t i = 0; i < n;) {
            if (m.Werte[i].Phase != kPhaseStrom) {
                ++i;
                continue;
            }
            size_t j = i;
            double sum = 0;
            while (j < n && m.Werte[j].Phase == kPhaseStrom) {
                sum += m.Werte[j].Strom;
                ++j;
            }
            std::fill(mittel.begin() + static_cast<std::ptrdiff_t>(i),
                      mittel.begin() + static_cast<std::ptrdiff_t>(j), sum / static_cast<double>(j - i));
            i = j;
        }
    }
    return mittel;
}

// What the steps of one drawing share: the painter, the recording and its options, the layout,
// and the zoom turned into pixels and sample indices.
struct Drawing {
    Drawing(QPainter& canvas, const Messung& messung, const ChartOptionen& optionen,
            const ChartLayout& layout, int Breite, int dpi, const QFont& font, const Zoom& zoom,
            std::vector<Zeitlabel>* alle)
        : Canvas(canvas), m(messung), o(optionen), L(layout), plot(layout.plot), dpi(dpi),
          sf(Stiftfaktor(dpi)), fm(font), ax(Achsenmaxima(messung, optionen)), n(messung.Werte.size()),
          N(Breite > 0 ? Breite : static_cast<double>(std::max<size_t>(n, 1))),
          gx(std::clamp(optionen.GridLinesX, 1, 100)), gy(std::clamp(optionen.GridLinesY, 1, 100)),
          fx(zoom.FX() > 0 ? zoom.FX() : 1.0), fy(zoom.FY() > 0 ? zoom.FY() : 1.0), ox(zoom.OX()),
          oy(zoom.OY()), dx(plot.width() / N), offPx(ox * plot.width() * fx),
          druckSpanne(std::max(ax.DruckMax - ax.DruckMin, 1e-9)), mittel(AverageCurrent(messung, optionen)),
          alleLabels(alle) {
        // The visible samples, with one on either side so that the curve runs to the edges.
        i1 = n;
        if (n > 0) {
            const double erste = ox * N - 2;
            const double letzte = ox * N + N / fx + 2;
            i0 = static_cast<size_t>(std::clamp(std::floor(erste), 0.0, static_cast<double>(n)));
            i1 = static_cast<size_t>(std::clamp(std::ceil(letzte), 0.0, static_cast<double>(n)));
        }
    }

    QPainter& Canvas;
    const Messung& m;
    const ChartOptionen& o;
    const ChartLayout& L;
    const QRectF& plot;
    const int dpi;
    const double sf; // pen scale
    const QFontMetricsF fm;
    const Achsen ax;
    const size_t n;
    const double N; // samples over the plot width
    const int gx;   // vertical grid divisions
    const int gy;   // horizontal grid divisions per panel
    const double fx, fy, ox, oy;
    const double dx;    // pixels per sample, unzoomed
    const double offPx; // the pan, in pixels
    const double druckSpanne;
    const std::vector<double> mittel; // see AverageCurrent
    size_t i0 = 0, i1 = 0;            // the visible samples
    std::vector<Zeitlabel>* alleLabels;

    double X(double i) const { return plot.left() + (i + 1) * dx * fx - offPx; }
    double Y(const Panel& p, double v) const {
        return p.rect.bottom() - p.rect.height() * fy * (v / p.skala - oy);
    }
    // The height of a grid line at the fraction `a` of the panel's label range.
    double GridY(const Panel& p, double a) const { return p.rect.bottom() - p.rect.height() * fy * (a - oy); }
    void Remember(const QRectF& r, const QString& text, Zeitlabel::Art art) const {
        if (alleLabels) {
            alleLabels->push_back({r, text, art});
        }
    }
};

// The panels of the recording's mode, each in its rectangle of the layout.
std::vector<Panel> PlacePanels(const Drawing& d) {
    std::vector<Panel> panels = BauePanels(d.m.Betriebsart, d.ax, PressureUnit(d.o.DruckEinheit));
    for (size_t k = 0; k < panels.size(); ++k) {
        panels[k].rect = d.L.panels[k];
    }
    return panels;
}

// Real-time target pattern: one cycle over the plot width, relax below, contract above.
void DrawTargetPattern(const Drawing& d, int Breite) {
    if (Breite <= 0 || d.o.Zielmuster.empty()) {
        return;
    }
    const QRectF& plot = d.plot;
    double s = 0;
    for (const auto& z : d.o.Zielmuster) {
        const double x0 = plot.left() + s * 10 * d.dx * d.fx - d.offPx;
        const double x1 = plot.left() + (s + z.Sekunden) * 10 * d.dx * d.fx - d.offPx;
        if (z.Phase == kPhaseEntspannen) {
            d.Canvas.fillRect(QRectF(x0, plot.bottom() - plot.height() * 0.3, x1 - x0, plot.height() * 0.3),
                              farbe::Entspannband);
        } else if (z.Phase == kPhaseAnspannen) {
            d.Canvas.fillRect(QRectF(x0, plot.top(), x1 - x0, plot.height() * 0.7), farbe::Anspannband);
        }
        s += z.Sekunden;
    }
}

// The value of sample `i` on the scale of panel `p`.
double PanelValue(const Drawing& d, const Panel& p, size_t i) {
    const TMessWert& v = d.m.Werte[i];
    switch (p.art) {
    case Art::Druck:
        return v.Druck - d.ax.DruckMin;
    case Art::EMG1:
        return v.EMG1;
    case Art::EMG2:
        return v.EMG2;
    case Art::Einzel:
        break;
    }
    const int ph = v.Phase;
    if (IstEMGPhase(ph)) {
        return v.EMG1;
    }
    if (ph == kPhaseStrom) {
        if (d.ax.Strom <= 0) {
            return 0;
        }
        if (d.o.ShowRealCurrent) {
            return v.Strom / d.ax.Strom * p.skala;
        }
        if (d.o.ShowAvgRealCurrent) {
            return d.mittel[i] / d.ax.Strom * p.skala;
        }
        return p.skala;
    }
    if (ph == 5 || ph == 6) {
        return p.skala * (v.Druck - d.ax.DruckMin) / d.druckSpanne;
    }
    if (ph == 7) {
        return v.Druck;
    }
    return 0;
}

void DrawGrid(const Drawing& d, const Panel& p) {
    const QRectF& plot = d.plot;
    d.Canvas.setPen(QPen(farbe::Gitter, std::round(d.sf), Qt::DotLine));
    // Horizontal grid lines.
    for (const double a : Gitteranteile(p, d.gy, d.fy, d.oy)) {
        const double y = d.GridY(p, a);
        if (y > p.rect.top() + 0.5 && y < p.rect.bottom() - 0.5) {
            d.Canvas.drawLine(QPointF(p.rect.left(), y), QPointF(p.rect.right(), y));
        }
    }
    // Vertical grid lines, fixed to the recording so that they move with a pan.
    const double schritt = plot.width() / d.gx; // pixels per division
    const long long k0 = std::max(1LL, static_cast<long long>(std::floor(d.offPx / schritt)));
    for (long long k = k0;; ++k) {
        const double x = plot.left() + static_cast<double>(k) * schritt - d.offPx;
        if (x > plot.right() + 0.5) {
            break;
        }
        if (x >= plot.left()) {
            d.Canvas.drawLine(QPointF(x, p.rect.top()), QPointF(x, p.rect.bottom()));
        }
    }
}

// One run of one colour, in pieces; on an area chart each piece is filled down to the panel's
// bottom before its line is drawn.
void StrokeRun(const Drawing& d, const Panel& p, const QPolygonF& lauf, const QColor& laufFarbe) {
    if (lauf.size() < 2) {
        return;
    }
    const bool flaeche = d.o.AreaChart && !d.o.Verschieben;
    for (qsizetype a = 0; a + 1 < lauf.size(); a += kStueck) {
        const QPolygonF teil = lauf.mid(a, std::min(kStueck + 1, lauf.size() - a));
        if (flaeche) {
            QPolygonF f = teil;
            f << QPointF(teil.back().x(), p.rect.bottom()) << QPointF(teil.front().x(), p.rect.bottom());
            d.Canvas.setPen(Qt::NoPen);
            d.Canvas.setBrush(laufFarbe);
            d.Canvas.drawPolygon(f);
            d.Canvas.setBrush(Qt::NoBrush);
        }
        d.Canvas.setPen(QPen(laufFarbe, std::round(d.sf), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        d.Canvas.drawPolyline(teil);
    }
}

// The curve: runs of one colour, at most one point per pixel column.
void DrawCurve(const Drawing& d, const Panel& p) {
    QPolygonF lauf;
    QColor laufFarbe;
    long long letzteSpalte = 0;
    bool erster = true;
    int letztePhase = 0;
    for (size_t i = d.i0; i < d.i1; ++i) {
        const double x = d.X(static_cast<double>(i));
        const long long spalte = std::llround(x);
        if (!erster && spalte == letzteSpalte) {
            continue;
        }
        const int ph = d.m.Werte[i].Phase;
        const QPointF pt(x, d.Y(p, PanelValue(d, p, i)));
        QColor c = p.art == Art::Druck ? farbe::Druck : Phasenfarbe(ph);
        if (p.art == Art::Einzel && d.o.ShowAvgRealCurrent && !d.o.ShowRealCurrent && ph == kPhaseStrom &&
            letztePhase != kPhaseStrom && !erster) {
            c = Phasenfarbe(letztePhase);
        }
        if (erster) {
            lauf = QPolygonF{pt};
            laufFarbe = c;
            erster = false;
        } else if (c != laufFarbe) {
            const QPointF vorher = lauf.back();
            StrokeRun(d, p, lauf, laufFarbe);
            lauf = QPolygonF{vorher, pt};
            laufFarbe = c;
        } else {
            lauf << pt;
        }
        letzteSpalte = spalte;
        letztePhase = ph;
    }
    StrokeRun(d, p, lauf, laufFarbe);
}

// Trigger threshold (mode 3) and the pressure reference line (modes 4, 5).
void DrawThresholds(const Drawing& d, const Panel& p) {
    const int mode = d.m.Betriebsart;
    const QPen schwelleStift(farbe::Schwelle, std::round(3 * d.sf), Qt::SolidLine, Qt::FlatCap,
                             Qt::MiterJoin);
    if (p.art == Art::Einzel && mode == 3) {
        QPolygonF s;
        long long spalteS = 0;
        for (size_t i = d.i0; i < d.i1; ++i) {
            const double x = d.X(static_cast<double>(i));
            const long long spalte = std::llround(x);
            if (!s.isEmpty() && spalte == spalteS) {
                continue;
            }
            s << QPointF(x, d.Y(p, d.m.Werte[i].Schwelle));
            spalteS = spalte;
        }
        d.Canvas.setPen(schwelleStift);
        for (qsizetype a = 0; a + 1 < s.size(); a += kStueck) {
            d.Canvas.drawPolyline(s.mid(a, std::min(kStueck + 1, s.size() - a)));
        }
    }
    if (p.art == Art::Einzel && (mode == 4 || mode == 5) && !d.o.Echtzeit) {
        const double v = p.skala * (d.m.Werte[0].Schwelle - d.ax.DruckMin) / d.druckSpanne;
        const double y = d.Y(p, v);
        d.Canvas.setPen(schwelleStift);
        d.Canvas.drawLine(QPointF(d.plot.left(), y), QPointF(d.plot.right(), y));
    }
}

// Grid, curve and thresholds of one panel, clipped to it.
void DrawPanel(const Drawing& d, const Panel& p) {
    d.Canvas.setClipRect(p.rect);
    DrawGrid(d, p);
    if (d.n == 0) {
        return;
    }
    DrawCurve(d, p);
    DrawThresholds(d, p);
}

// Value labels left of the plot; the red current column right of it.
// Drawn from the top down; a label that would overlap the one above it is left out, so
// that small panels stay readable. Where two panels meet, a line across the label margin
// keeps their scales apart: the upper panel's labels stay above it, the lower panel's top
// label stands just below it, and the upper panel's bottom line is not labelled.
void DrawValueLabels(const Drawing& d, const std::vector<Panel>& panels) {
    const QFontMetricsF& fm = d.fm;
    const double rechtsBuendig = d.plot.left() - d.L.links / 20 - kLabelLuecke * d.sf;
    const double stromLinks = d.plot.right() + d.L.rechts / 20 + kLabelLuecke * d.sf;
    const bool stromSpalte = StromSpalte(panels, d.o, d.ax);
    double obenFrei = -1e300;
    for (size_t k = 0; k < panels.size(); ++k) {
        const Panel& p = panels[k];
        const bool untersterPanel = k + 1 == panels.size();
        std::vector<double> anteile = Gitteranteile(p, d.gy, d.fy, d.oy);
        std::reverse(anteile.begin(), anteile.end());
        for (const double a : anteile) {
            const double y = d.GridY(p, a);
            if (y < p.rect.top() - 0.5 || y > p.rect.bottom() + 0.5 ||
                (!untersterPanel && y > p.rect.bottom() - 0.5)) {
                continue;
            }
            double oben = y - fm.height() / 2;
            if (k > 0 && std::abs(y - p.rect.top()) < 0.5) {
                oben = p.rect.top() + d.sf; // below the line between the panels
            }
            if ((!untersterPanel && oben + fm.height() > p.rect.bottom() - d.sf) || oben < obenFrei) {
                continue;
            }
            obenFrei = oben + fm.height();
            const QString text = Wertetext(p.labelBasis + p.labelSpanne * a, p.einheit);
            const double tw = fm.horizontalAdvance(text);
            const QRectF r(rechtsBuendig - tw, oben, tw, fm.height());
            d.Canvas.setPen(Qt::black);
            d.Canvas.drawText(r, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, text);
            d.Remember(r, text, Zeitlabel::Art::Wert);
            if (stromSpalte) {
                const QString s = Wertetext(d.ax.Strom * a, QStringLiteral("mA"));
                const QRectF rs(stromLinks, y - fm.height() / 2, fm.horizontalAdvance(s), fm.height());
                d.Canvas.setPen(Qt::red);
                d.Canvas.drawText(rs, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, s);
                d.Remember(rs, s, Zeitlabel::Art::Strom);
            }
        }
    }
}

// The lines across the label margin where two panels meet.
void DrawPanelSeparators(const Drawing& d, const std::vector<Panel>& panels) {
    d.Canvas.setPen(QPen(QColor(0x80, 0x80, 0x80), std::round(d.sf)));
    for (size_t k = 1; k < panels.size(); ++k) {
        const double y = panels[k].rect.top();
        d.Canvas.drawLine(QPointF(d.L.box.left() + kLabelLuecke * d.sf, y), QPointF(d.plot.left(), y));
    }
}

// The channel names, in the top right corner of their panels on a ground of the plot's colour.
void DrawChannelNames(const Drawing& d, const std::vector<Panel>& panels) {
    for (const Panel& p : panels) {
        if (p.kanal.isEmpty()) {
            continue;
        }
        const double tw = d.fm.horizontalAdvance(p.kanal);
        const QRectF r(p.rect.right() - tw - 2 * kLabelLuecke * d.sf, p.rect.top() + d.sf,
                       tw + kLabelLuecke * d.sf, d.fm.height());
        d.Canvas.fillRect(r, farbe::Hintergrund);
        d.Canvas.setPen(p.art == Art::Druck ? farbe::Druck : QColor(Qt::black));
        d.Canvas.drawText(r, Qt::AlignCenter | Qt::TextDontClip, p.kanal);
        d.Remember(r, p.kanal, Zeitlabel::Art::Kanal);
    }
}

// Time labels under every (GridLinesX / 2)-th grid line, counted from the recording's start.
std::vector<Zeitlabel> DrawTimeLabels(const Drawing& d) {
    std::vector<Zeitlabel> labels;
    const QRectF& plot = d.plot;
    d.Canvas.setPen(Qt::black);
    const double schritt = plot.width() / d.gx;
    const double teilung = d.N / (d.fx * d.gx); // samples per division
    const int jede = std::max(1, d.gx / 2);
    const double y = plot.bottom() + d.L.zeitAbstand;
    double rechtsVorher = -1e300;
    const long long k0 = std::max(1LL, static_cast<long long>(std::floor(d.offPx / schritt)));
    for (long long k = k0;; ++k) {
        const double x = plot.left() + static_cast<double>(k) * schritt - d.offPx;
        if (x > plot.right() + 0.5) {
            break;
        }
        if (x < plot.left() - 0.5 || k % jede != 0) {
            continue;
        }
        const long long i = std::llround(static_cast<double>(k) * teilung);
        const QString text = Zeitbeschriftung(i, teilung);
        const double tw = d.fm.horizontalAdvance(text);
        const QRectF r(x - tw / 2, y, tw, d.fm.height());
        if (r.left() <= rechtsVorher || r.left() < d.L.box.left() || r.right() > d.L.box.right()) {
            continue;
        }
        d.Canvas.drawText(r, Qt::AlignCenter | Qt::TextDontClip, text);
        labels.push_back({r, text});
        d.Remember(r, text, Zeitlabel::Art::Zeit);
        rechtsVorher = r.right();
    }
    return labels;
}

// The remarks below the plot.
void DrawRemarks(const Drawing& d) {
    d.Canvas.setPen(Qt::black);
    const double abstand = std::lround(d.dpi * 5.0 / 96.0);
    double y = d.plot.bottom() + d.L.zeitAbstand + d.fm.height() + abstand;
    for (const QString& zeile : d.o.Bemerkungen) {
        d.Canvas.drawText(QPointF(d.plot.left(), y + d.fm.ascent()), zeile);
        y += d.fm.height() + abstand;
    }
}

} // namespace

std::vector<Zeitlabel> DrawChart(QPainter& Canvas, const Messung& m, const ChartOptionen& o, int w,
                                 int Breite, int dpi, const Zoom& zoom, int l, int t, int h,
                                 std::vector<Zeitlabel>* alleLabels) {
    if (w <= 0 || h <= 0) {
        return {};
    }
    Canvas.save();
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    const ChartLayout L = Layout(m, o, w, dpi, l, t, h);
    const QFont font = ChartFont(dpi);
    Canvas.setFont(font);
    Canvas.setClipRect(L.box);
    Canvas.fillRect(L.box, Qt::white);
    Canvas.fillRect(L.plot, farbe::Hintergrund);

    const Drawing d(Canvas, m, o, L, Breite, dpi, font, zoom, alleLabels);
    DrawTargetPattern(d, Breite);
    const std::vector<Panel> panels = PlacePanels(d);
    for (const Panel& p : panels) {
        DrawPanel(d, p);
    }
    Canvas.setClipRect(L.box);
    DrawValueLabels(d, panels);
    DrawPanelSeparators(d, panels);
    DrawChannelNames(d, panels);
    std::vector<Zeitlabel> labels = DrawTimeLabels(d);
    DrawRemarks(d);
    Canvas.restore();
    return labels;
}

} // namespace zud
