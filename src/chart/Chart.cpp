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

QString EinheitName(int druckEinheit) {
    return PressureUnit(druckEinheit);
}

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
    const std::vector<Panel> panels = BauePanels(m.Betriebsart, ax, EinheitName(o.DruckEinheit));
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

std::vector<Zeitlabel> DrawChart(QPainter& Canvas, const Messung& m, const ChartOptionen& o, int w,
                                 int Breite, int dpi, const Zoom& zoom, int l, int t, int h,
                                 std::vector<Zeitlabel>* alleLabels) {
    std::vector<Zeitlabel> labels;
    if (w <= 0 || h <= 0) {
        return labels;
    }
    Canvas.save();
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    const ChartLayout L = Layout(m, o, w, dpi, l, t, h);
    const QRectF& plot = L.plot;
    const double sf = Stiftfaktor(dpi);
    const QFont font = ChartFont(dpi);
    const QFontMetricsF fm(font);
    Canvas.setFont(font);
    Canvas.setClipRect(L.box);
    Canvas.fillRect(L.box, Qt::white);
    Canvas.fillRect(plot, farbe::Hintergrund);

    const int mode = m.Betriebsart;
    const Achsen ax = Achsenmaxima(m, o);
    const QString einheit = EinheitName(o.DruckEinheit);
    const size_t n = m.Werte.size();
    const double N = Breite > 0 ? Breite : static_cast<double>(std::max<size_t>(n, 1));
    const int gx = std::clamp(o.GridLinesX, 1, 100);
    const int gy = std::clamp(o.GridLinesY, 1, 100);
    const double fx = zoom.FX() > 0 ? zoom.FX() : 1.0;
    const double fy = zoom.FY() > 0 ? zoom.FY() : 1.0;
    const double ox = zoom.OX();
    const double oy = zoom.OY();
    const double dx = plot.width() / N;
    const double offPx = ox * plot.width() * fx;
    const auto xVon = [&](double i) { return plot.left() + (i + 1) * dx * fx - offPx; };

    // Real-time target pattern: one cycle over the plot width, relax below, contract above.
    if (Breite > 0 && !o.Zielmuster.empty()) {
        double s = 0;
        for (const auto& z : o.Zielmuster) {
            const double x0 = plot.left() + s * 10 * dx * fx - offPx;
            const double x1 = plot.left() + (s + z.Sekunden) * 10 * dx * fx - offPx;
            if (z.Phase == kPhaseEntspannen) {
                Canvas.fillRect(QRectF(x0, plot.bottom() - plot.height() * 0.3, x1 - x0, plot.height() * 0.3),
                                farbe::Entspannband);
            } else if (z.Phase == kPhaseAnspannen) {
                Canvas.fillRect(QRectF(x0, plot.top(), x1 - x0, plot.height() * 0.7), farbe::Anspannband);
            }
            s += z.Sekunden;
        }
    }

    // Panels and their scales.
    std::vector<Panel> panels = BauePanels(mode, ax, einheit);
    for (size_t k = 0; k < panels.size(); ++k) {
        panels[k].rect = L.panels[k];
    }

    // Average current of each run of current samples.
    std::vector<double> mittel;
    if (!o.ShowRealCurrent && o.ShowAvgRealCurrent) {
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

    // The visible samples, with one on either side so that the curve runs to the edges.
    size_t i0 = 0, i1 = n;
    if (n > 0) {
        const double erste = ox * N - 2;
        const double letzte = ox * N + N / fx + 2;
        i0 = static_cast<size_t>(std::clamp(std::floor(erste), 0.0, static_cast<double>(n)));
        i1 = static_cast<size_t>(std::clamp(std::ceil(letzte), 0.0, static_cast<double>(n)));
    }

    const double druckSpanne = std::max(ax.DruckMax - ax.DruckMin, 1e-9);
    const auto wert = [&](const Panel& p, size_t i) -> double {
        const TMessWert& v = m.Werte[i];
        switch (p.art) {
        case Art::Druck:
            return v.Druck - ax.DruckMin;
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
            if (ax.Strom <= 0) {
                return 0;
            }
            if (o.ShowRealCurrent) {
                return v.Strom / ax.Strom * p.skala;
            }
            if (o.ShowAvgRealCurrent) {
                return mittel[i] / ax.Strom * p.skala;
            }
            return p.skala;
        }
        if (ph == 5 || ph == 6) {
            return p.skala * (v.Druck - ax.DruckMin) / druckSpanne;
        }
        if (ph == 7) {
            return v.Druck;
        }
        return 0;
    };
    const auto yVon = [&](const Panel& p, double v) {
        return p.rect.bottom() - p.rect.height() * fy * (v / p.skala - oy);
    };

    const QPen gitterStift(farbe::Gitter, std::round(sf), Qt::DotLine);
    const bool flaeche = o.AreaChart && !o.Verschieben;

    for (const Panel& p : panels) {
        Canvas.setClipRect(p.rect);
        // Horizontal grid lines.
        Canvas.setPen(gitterStift);
        for (const double a : Gitteranteile(p, gy, fy, oy)) {
            const double y = p.rect.bottom() - p.rect.height() * fy * (a - oy);
            if (y > p.rect.top() + 0.5 && y < p.rect.bottom() - 0.5) {
                Canvas.drawLine(QPointF(p.rect.left(), y), QPointF(p.rect.right(), y));
            }
        }
        // Vertical grid lines, fixed to the recording so that they move with a pan.
        {
            const double schritt = plot.width() / gx; // pixels per division
            const long long k0 = std::max(1LL, static_cast<long long>(std::floor(offPx / schritt)));
            for (long long k = k0;; ++k) {
                const double x = plot.left() + static_cast<double>(k) * schritt - offPx;
                if (x > plot.right() + 0.5) {
                    break;
                }
                if (x >= plot.left()) {
                    Canvas.drawLine(QPointF(x, p.rect.top()), QPointF(x, p.rect.bottom()));
                }
            }
        }

        if (n == 0) {
            continue;
        }
        // The curve: runs of one colour, at most one point per pixel column.
        QPolygonF lauf;
        QColor laufFarbe;
        // Long runs go out in pieces: the stroker of wide pens (print resolutions) slows down
        // badly on polylines of thousands of points.
        constexpr qsizetype kStueck = 128;
        const auto kurvenStift = [&](const QColor& c) {
            return QPen(c, std::round(sf), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
        };
        const auto abschliessen = [&] {
            if (lauf.size() < 2) {
                return;
            }
            for (qsizetype a = 0; a + 1 < lauf.size(); a += kStueck) {
                const QPolygonF teil = lauf.mid(a, std::min(kStueck + 1, lauf.size() - a));
                if (flaeche) {
                    QPolygonF f = teil;
                    f << QPointF(teil.back().x(), p.rect.bottom())
                      << QPointF(teil.front().x(), p.rect.bottom());
                    Canvas.setPen(Qt::NoPen);
                    Canvas.setBrush(laufFarbe);
                    Canvas.drawPolygon(f);
                    Canvas.setBrush(Qt::NoBrush);
                }
                Canvas.setPen(kurvenStift(laufFarbe));
                Canvas.drawPolyline(teil);
            }
        };
        long long letzteSpalte = 0;
        bool erster = true;
        int letztePhase = 0;
        for (size_t i = i0; i < i1; ++i) {
            const double x = xVon(static_cast<double>(i));
            const long long spalte = std::llround(x);
            if (!erster && spalte == letzteSpalte) {
                continue;
            }
            const int ph = m.Werte[i].Phase;
            const QPointF pt(x, yVon(p, wert(p, i)));
            QColor c = p.art == Art::Druck ? farbe::Druck : Phasenfarbe(ph);
            if (p.art == Art::Einzel && o.ShowAvgRealCurrent && !o.ShowRealCurrent && ph == kPhaseStrom &&
                letztePhase != kPhaseStrom && !erster) {
                c = Phasenfarbe(letztePhase);
            }
            if (erster) {
                lauf = QPolygonF{pt};
                laufFarbe = c;
                erster = false;
            } else if (c != laufFarbe) {
                const QPointF vorher = lauf.back();
                abschliessen();
                lauf = QPolygonF{vorher, pt};
                laufFarbe = c;
            } else {
                lauf << pt;
            }
            letzteSpalte = spalte;
            letztePhase = ph;
        }
        abschliessen();

        // Trigger threshold (mode 3) and the pressure reference line (modes 4, 5).
        const QPen schwelleStift(farbe::Schwelle, std::round(3 * sf), Qt::SolidLine, Qt::FlatCap,
                                 Qt::MiterJoin);
        if (p.art == Art::Einzel && mode == 3) {
            QPolygonF s;
            long long spalteS = 0;
            for (size_t i = i0; i < i1; ++i) {
                const double x = xVon(static_cast<double>(i));
                const long long spalte = std::llround(x);
                if (!s.isEmpty() && spalte == spalteS) {
                    continue;
                }
                s << QPointF(x, yVon(p, m.Werte[i].Schwelle));
                spalteS = spalte;
            }
            Canvas.setPen(schwelleStift);
            for (qsizetype a = 0; a + 1 < s.size(); a += kStueck) {
                Canvas.drawPolyline(s.mid(a, std::min(kStueck + 1, s.size() - a)));
            }
        }
        if (p.art == Art::Einzel && (mode == 4 || mode == 5) && !o.Echtzeit) {
            const double v = p.skala * (m.Werte[0].Schwelle - ax.DruckMin) / druckSpanne;
            const double y = yVon(p, v);
            Canvas.setPen(schwelleStift);
            Canvas.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
    }

    // Value labels left of the plot; the red current column right of it.
    Canvas.setClipRect(L.box);
    const double rechtsBuendig = plot.left() - L.links / 20 - kLabelLuecke * sf;
    const double stromLinks = plot.right() + L.rechts / 20 + kLabelLuecke * sf;
    const bool stromSpalte = StromSpalte(panels, o, ax);
    const auto merke = [&](const QRectF& r, const QString& text, Zeitlabel::Art art) {
        if (alleLabels) {
            alleLabels->push_back({r, text, art});
        }
    };
    // Drawn from the top down; a label that would overlap the one above it is left out, so
    // that small panels stay readable. Where two panels meet, a line across the label margin
    // keeps their scales apart: the upper panel's labels stay above it, the lower panel's top
    // label stands just below it, and the upper panel's bottom line is not labelled.
    double obenFrei = -1e300;
    for (size_t k = 0; k < panels.size(); ++k) {
        const Panel& p = panels[k];
        const bool untersterPanel = k + 1 == panels.size();
        std::vector<double> anteile = Gitteranteile(p, gy, fy, oy);
        std::reverse(anteile.begin(), anteile.end());
        for (const double a : anteile) {
            const double y = p.rect.bottom() - p.rect.height() * fy * (a - oy);
            if (y < p.rect.top() - 0.5 || y > p.rect.bottom() + 0.5 ||
                (!untersterPanel && y > p.rect.bottom() - 0.5)) {
                continue;
            }
            double oben = y - fm.height() / 2;
            if (k > 0 && std::abs(y - p.rect.top()) < 0.5) {
                oben = p.rect.top() + sf; // below the line between the panels
            }
            if ((!untersterPanel && oben + fm.height() > p.rect.bottom() - sf) || oben < obenFrei) {
                continue;
            }
            obenFrei = oben + fm.height();
            const QString text = Wertetext(p.labelBasis + p.labelSpanne * a, p.einheit);
            const double tw = fm.horizontalAdvance(text);
            const QRectF r(rechtsBuendig - tw, oben, tw, fm.height());
            Canvas.setPen(Qt::black);
            Canvas.drawText(r, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, text);
            merke(r, text, Zeitlabel::Art::Wert);
            if (stromSpalte) {
                const QString s = Wertetext(ax.Strom * a, QStringLiteral("mA"));
                const QRectF rs(stromLinks, y - fm.height() / 2, fm.horizontalAdvance(s), fm.height());
                Canvas.setPen(Qt::red);
                Canvas.drawText(rs, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, s);
                merke(rs, s, Zeitlabel::Art::Strom);
            }
        }
    }

    Canvas.setPen(QPen(QColor(0x80, 0x80, 0x80), std::round(sf)));
    for (size_t k = 1; k < panels.size(); ++k) {
        const double y = panels[k].rect.top();
        Canvas.drawLine(QPointF(L.box.left() + kLabelLuecke * sf, y), QPointF(plot.left(), y));
    }

    // The channel names, in the top right corner of their panels on a ground of the plot's colour.
    for (const Panel& p : panels) {
        if (p.kanal.isEmpty()) {
            continue;
        }
        const double tw = fm.horizontalAdvance(p.kanal);
        const QRectF r(p.rect.right() - tw - 2 * kLabelLuecke * sf, p.rect.top() + sf, tw + kLabelLuecke * sf,
                       fm.height());
        Canvas.fillRect(r, farbe::Hintergrund);
        Canvas.setPen(p.art == Art::Druck ? farbe::Druck : QColor(Qt::black));
        Canvas.drawText(r, Qt::AlignCenter | Qt::TextDontClip, p.kanal);
        merke(r, p.kanal, Zeitlabel::Art::Kanal);
    }

    // Time labels under every (GridLinesX / 2)-th grid line, counted from the recording's start.
    {
        Canvas.setPen(Qt::black);
        const double schritt = plot.width() / gx;
        const double teilung = N / (fx * gx); // samples per division
        const int jede = std::max(1, gx / 2);
        const double y = plot.bottom() + L.zeitAbstand;
        double rechtsVorher = -1e300;
        const long long k0 = std::max(1LL, static_cast<long long>(std::floor(offPx / schritt)));
        for (long long k = k0;; ++k) {
            const double x = plot.left() + static_cast<double>(k) * schritt - offPx;
            if (x > plot.right() + 0.5) {
                break;
            }
            if (x < plot.left() - 0.5 || k % jede != 0) {
                continue;
            }
            const long long i = std::llround(static_cast<double>(k) * teilung);
            const QString text = Zeitbeschriftung(i, teilung);
            const double tw = fm.horizontalAdvance(text);
            const QRectF r(x - tw / 2, y, tw, fm.height());
            if (r.left() <= rechtsVorher || r.left() < L.box.left() || r.right() > L.box.right()) {
                continue;
            }
            Canvas.drawText(r, Qt::AlignCenter | Qt::TextDontClip, text);
            labels.push_back({r, text});
            merke(r, text, Zeitlabel::Art::Zeit);
            rechtsVorher = r.right();
        }
    }

    // The remarks below the plot.
    {
        Canvas.setPen(Qt::black);
        const double abstand = std::lround(dpi * 5.0 / 96.0);
        double y = plot.bottom() + L.zeitAbstand + fm.height() + abstand;
        for (const QString& zeile : o.Bemerkungen) {
            Canvas.drawText(QPointF(plot.left(), y + fm.ascent()), zeile);
            y += fm.height() + abstand;
        }
    }
    Canvas.restore();
    return labels;
}

} // namespace zud
