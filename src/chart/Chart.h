#pragma once

// The recording chart: one drawing routine for screen, printer, PDF and pictures, on any
// QPainter. Pure QtGui; the chart widget, print and PDF callers give it a painter and a box.

#include "Recording.h"
#include "Units.h"
#include "Zoom.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace zud {

// The chart settings, filled by the caller from zud::Settings.
struct ChartOptionen {
    int GridLinesX = 20; // vertical divisions, 2..20
    int GridLinesY = 10; // horizontal divisions per panel, 2..10
    bool AreaChart = false;
    bool ShowRealCurrent = false;
    bool ShowAvgRealCurrent = true;
    int DruckEinheit = 0;     // 0 "mbar", 1 "mmHg"
    QStringList Bemerkungen;  // the remarks, one entry a line
    bool Verschieben = false; // a pan is in progress: no area fill
    bool Echtzeit = false;    // the real-time display runs
    // Real-time chart: the target pattern of one cycle, in seconds, drawn behind the curve.
    struct Zielphase {
        double Sekunden = 0;
        int Phase = 0; // kPhaseEntspannen, kPhaseAnspannen, kPhasePause, kPhaseStrom
    };
    std::vector<Zielphase> Zielmuster;
    // Real-time chart: the pressure range the running display has grown to (in the displayed
    // unit), in place of the one of the samples drawn, so that a full redraw and the segments
    // drawn after it share one scale.
    bool FesterDruckbereich = false;
    double DruckMin = 0;
    double DruckMax = 25;
};

// Axis maxima of a decoded recording.
struct Achsen {
    double EMG1 = 2.5; // µV
    double EMG2 = 2.5; // µV
    double Strom = 0;  // mA
    double DruckMax = 25;
    double DruckMin = 0;
};
Achsen Achsenmaxima(const Messung& m);
// The axes a chart is drawn with: those of the recording, the pressure range as the options fix it.
Achsen Achsenmaxima(const Messung& m, const ChartOptionen& o);

// Curve colour of a phase; black outside 0..7.
QColor Phasenfarbe(int phase);

namespace farbe {
inline const QColor Hintergrund{0xE8, 0xE8, 0xE8};
inline const QColor Gitter{0xC0, 0xC0, 0xC0};
inline const QColor Schwelle{0x80, 0x00, 0x00};
inline const QColor Druck{0x80, 0x80, 0x00};
inline const QColor Entspannband{0xC0, 0xDC, 0xC0};
inline const QColor Anspannband{0xFF, 0x91, 0x91};
} // namespace farbe

// The text of the time label under the grid line at sample `i` (10 samples per second) when
// one grid division spans `teilung` samples.
QString Zeitbeschriftung(long long i, double teilung);

// Pixel size of the chart font and the scale of pens for a resolution of `dpi` pixels per inch
// (96 is a screen): the font is dpi / 10 points of a 96-dpi screen.
int Schriftpixel(int dpi);
double Stiftfaktor(int dpi);

// Where things land, for the widget's gestures and for tests.
// The margins leave room for the widest value label on the left and the current column on the
// right (at least a tenth of the box each), for half a label above the plot and for the time
// labels below it.
struct ChartLayout {
    QRectF box;  // l, t, w, h
    QRectF plot; // the plot area, after the remarks took their lines
    std::vector<QRectF> panels;
    double zeilenHoehe = 0; // one text line
    double links = 0;       // left margin
    double rechts = 0;      // right margin
    double zeitAbstand = 0; // plot bottom to the top of the time labels
};
ChartLayout Layout(const Messung& m, const ChartOptionen& o, int w, int dpi, int l, int t, int h);

// One drawn label, for tests.
struct Zeitlabel {
    // Kanal: the name of a panel's channel ("EMG 1", "EMG 2", the pressure) where a recording
    // has more than one panel, in the top right corner of its panel.
    enum class Art { Zeit, Wert, Strom, Kanal };
    QRectF rect;
    QString text;
    Art art = Art::Zeit;
};

// Draws the recording `m` into the box (l, t, w, h) of `Canvas`. `Breite` = 0 draws a stored
// recording over the plot width; `Breite` > 0 is the real-time chart, whose plot width shows
// `Breite` samples with the target pattern behind the curve. `dpi` is the target's resolution
// (96 on a screen, 600 on a 600-dpi page). Returns the time labels drawn; `alleLabels`, when
// given, receives every label (values, current, time).
std::vector<Zeitlabel> DrawChart(QPainter& Canvas, const Messung& m, const ChartOptionen& o, int w,
                                 int Breite, int dpi, const Zoom& zoom, int l, int t, int h,
                                 std::vector<Zeitlabel>* alleLabels = nullptr);

} // namespace zud
