#include "LiveChart.h"

#include "Recording.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zud::ui {

namespace {

// The target pattern of one cycle of a program, in seconds.
std::vector<ChartOptionen::Zielphase> Zielmuster(const ProgrammParameter& p) {
    std::vector<ChartOptionen::Zielphase> z;
    auto add = [&z](double s, int phase) {
        if (s > 0)
            z.push_back({s, phase});
    };
    switch (p.Betriebsart) {
    case 1:
        add(p.Pausenzeit, kPhasePause);
        add(p.Stromzeit, kPhaseStrom);
        break;
    case 2:
        add(p.Anspannzeit, kPhaseAnspannen);
        add(p.Entspannzeit, kPhaseEntspannen);
        add(p.Pausenzeit, kPhasePause);
        add(p.Stromzeit, kPhaseStrom);
        break;
    case 0:
    case 5:
    case 9:
        add(p.Entspannzeit, kPhaseEntspannen);
        add(p.Anspannzeit, kPhaseAnspannen);
        break;
    default:
        break; // modes 3, 4, 6, 7: no fixed pattern within the minute
    }
    return z;
}

} // namespace

LiveChart::LiveChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LiveChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
}

void LiveChart::SetOptions(const ChartOptionen& o) {
    FOptions = o;
    FOptions.Bemerkungen.clear();
    FOptions.Echtzeit = true;
    if (FHatKopf)
        FOptions.Zielmuster = Zielmuster(FKopf);
}

int LiveChart::Breite() const {
    return std::max(1, FZyklus * 10);
}

void LiveChart::Start(const ProgrammParameter& programm) {
    if (FHatKopf && FHatWert && programm.Betriebsart == FKopf.Betriebsart) {
        FKopf = programm;
        FOptions.Zielmuster = Zielmuster(programm);
        return;
    }
    FKopf = programm;
    FHatKopf = true;
    FZyklus = EZZykluslaenge(programm, 0);
    FOptions.Zielmuster = Zielmuster(programm);
    FHatWert = false;
    FLaufend.clear();
    Redraw({});
}

void LiveChart::Clear() {
    FHatKopf = false;
    FHatWert = false;
    FLaufend.clear();
    FBild = QPixmap();
    update();
}

void LiveChart::Redraw(const QByteArray& laufend) {
    ++FVoll;
    FSegmente = 0;
    const QSize s = size() * devicePixelRatioF();
    if (s.isEmpty())
        return;
    FBild = QPixmap(s);
    FBild.setDevicePixelRatio(devicePixelRatioF());
    // The samples of the current cycle behind a fresh header, with an empty trailer.
    const int mode = FKopf.Betriebsart;
    const int bytes = Probenbytes(mode);
    QByteArray strom(reinterpret_cast<const char*>(&FKopf), sizeof FKopf);
    if (bytes > 0 && laufend.size() > qsizetype(kKopfBytes)) {
        const qsizetype proben = (laufend.size() - qsizetype(kKopfBytes)) / bytes;
        const qsizetype zeigen = FHatWert ? std::min<qsizetype>(proben, FLetzte.Counter + 1) : 0;
        strom += laufend.right(zeigen * bytes);
    }
    strom += QByteArray(qsizetype(kFussBytes), '\0');
    const Messung m =
        FillArray(reinterpret_cast<const uint8_t*>(strom.constData()), size_t(strom.size()),
                  Einheitenfaktor(FOptions.DruckEinheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar));
    // The pressure on the range the display has grown to, as the segments draw it.
    const double faktor =
        Einheitenfaktor(FOptions.DruckEinheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar);
    FOptions.FesterDruckbereich = FHatWert && mode >= 4 && mode <= 7;
    FOptions.DruckMin = FDruckMin * faktor;
    FOptions.DruckMax = FDruckMax * faktor;
    QPainter p(&FBild);
    const ChartLayout L =
        Layout(m.Betriebsart < 0 ? Messung{mode, false, {}} : m, FOptions, width(), 96, 0, 0, height());
    FPlot = L.plot;
    FPanels = L.panels;
    Messung gezeichnet = m;
    gezeichnet.Betriebsart = mode;
    DrawChart(p, gezeichnet, FOptions, width(), Breite(), 96, Zoom{}, 0, 0, height());
    update();
}

void LiveChart::Add(const EZProbe& probe, const QByteArray& laufend) {
    FLaufend = laufend;
    const EZWerte& w = probe.Werte;
    const int mode = FKopf.Betriebsart;
    bool neu = !FHatWert || probe.Counter == 0 || probe.Zykluslaenge != FZyklus;
    FZyklus = probe.Zykluslaenge;
    if (mode >= 4 && mode <= 7 && (w.Phase >= 5 && w.Phase <= 7)) {
        const double d = w.Druck;
        if (!FHatWert) {
            // The pressure range starts at the first value and widens with every new one.
            FBasis = d;
            if (mode == 5) {
                FDruckMin = d;
                FDruckMax = d + 10;
            } else {
                FDruckMin = 0;
                FDruckMax = std::max(d, 25.0);
            }
        }
        const double max = std::max(FDruckMax, std::floor(d) + 1);
        const double min = std::min(FDruckMin, std::floor(d));
        neu = neu || max != FDruckMax || min != FDruckMin;
        FDruckMax = max;
        FDruckMin = min;
    }
    if (FHatWert && (w.Bereich1 != FLetzte.Werte.Bereich1 || w.Bereich2 != FLetzte.Werte.Bereich2) &&
        w.Phase != kPhaseStrom)
        neu = true; // the EMG scale changed
    if (neu) {
        FLetzte = probe;
        FGezeichnet = probe;
        FHatWert = true;
        Redraw(laufend);
        return;
    }
    Segment(probe); // from the last point drawn to this one
    FLetzte = probe;
}

void LiveChart::Segment(const EZProbe& probe) {
    if (FBild.isNull() || FPanels.empty())
        return;
    ++FSegmente;
    const int mode = FKopf.Betriebsart;
    const EZWerte& w = probe.Werte;
    const EZWerte& v = FGezeichnet.Werte;
    const double n = Breite();
    const auto xVon = [&](int counter) { return FPlot.left() + (counter + 1) * FPlot.width() / n; };
    const double x0 = xVon(FGezeichnet.Counter), x1 = xVon(probe.Counter);
    if (std::lround(x0) == std::lround(x1))
        return; // at most one segment per pixel column; the next one starts at the last drawn
    const EZProbe von = FGezeichnet;
    FGezeichnet = probe;
    QPainter p(&FBild);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double spanne = std::max(FDruckMax - FDruckMin, 1e-9);
    // Value of a sample on the 200-unit scale of panel k.
    const auto einheiten = [&](const EZWerte& e, uint8_t filter, size_t k) -> double {
        switch (mode) {
        case 6:
            return k == 0 ? std::trunc(e.Druck / FDruckMax * 200) : e.EMG1 & 0xFF;
        case 7:
            return k == 0 ? std::trunc(e.Druck / FDruckMax * 200) : k == 1 ? e.EMG1 & 0xFF : e.EMG2 & 0xFF;
        case 9:
            return k == 0 ? e.EMG1 & 0xFF : e.EMG2 & 0xFF;
        case 4:
        case 5:
            return std::trunc((e.Druck - FDruckMin) / spanne * 200);
        default:
            if (e.Phase == kPhaseStrom)
                return 200;
            if (e.Phase <= 2 || e.Phase == 4)
                return filter;
            return 0;
        }
    };
    for (size_t k = 0; k < FPanels.size(); ++k) {
        const QRectF& r = FPanels[k];
        p.setClipRect(r);
        const auto yVon = [&](double u) {
            return r.bottom() - r.height() * std::clamp(u, 0.0, 200.0) / 200.0;
        };
        const double y0 = yVon(einheiten(v, von.EMGFilter1, k));
        const double y1 = yVon(einheiten(w, probe.EMGFilter1, k));
        QColor farbe = Phasenfarbe(w.Phase);
        if ((mode == 6 || mode == 7) && k == 0)
            farbe = farbe::Druck;
        else if (mode == 6 || mode == 7)
            farbe = Phasenfarbe(0);
        if (FOptions.AreaChart) {
            QPolygonF flaeche;
            flaeche << QPointF(x0, y0) << QPointF(x1, y1) << QPointF(x1, r.bottom())
                    << QPointF(x0, r.bottom());
            p.setPen(Qt::NoPen);
            p.setBrush(farbe);
            p.drawPolygon(flaeche);
        }
        p.setPen(QPen(farbe, 1));
        p.drawLine(QPointF(x0, y0), QPointF(x1, y1));
        // The threshold (mode 3, on a scale of 100) and the base pressure.
        double linie = -1;
        if (mode == 3)
            linie = r.bottom() - r.height() * std::clamp(w.Schwelle / 100.0, 0.0, 1.0);
        else if (mode == 4 || mode == 5)
            linie = yVon(std::trunc((FBasis - FDruckMin) / spanne * 200));
        else if ((mode == 6 || mode == 7) && k == 0)
            linie = yVon(std::trunc(FBasis / FDruckMax * 200));
        if (linie >= 0) {
            p.setPen(QPen(farbe::Schwelle, 3));
            p.drawLine(QPointF(x0, linie), QPointF(x1, linie));
        }
    }
    update();
}

void LiveChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (FBild.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    p.drawPixmap(0, 0, FBild);
}

void LiveChart::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (FHatKopf)
        Redraw(FLaufend);
}

} // namespace zud::ui
