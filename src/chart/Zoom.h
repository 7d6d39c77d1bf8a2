#pragma once

// The zoom state of one chart tab and the gestures on it, as pure functions of positions: the
// chart widget only forwards its mouse positions here and repaints.

#include <QPointF>
#include <QRectF>

#include <array>

namespace zud {

constexpr int kZoomStufen = 5;

// Level 1 is the whole recording. The arrays are indexed by level 1..5 (index 0 unused).
// Faktor_X is the horizontal magnification, Offset_X the left edge of the visible part as a
// fraction 0..1 of the recording; Faktor_Y and Offset_Y likewise vertically (the offset counts
// from the bottom of the value range).
struct Zoom {
    bool Enabled = false;
    int Level = 1;
    std::array<QRectF, kZoomStufen + 1> Rect{};
    std::array<double, kZoomStufen + 1> Faktor_X{1, 1, 1, 1, 1, 1};
    std::array<double, kZoomStufen + 1> Faktor_Y{1, 1, 1, 1, 1, 1};
    std::array<double, kZoomStufen + 1> Offset_X{};
    std::array<double, kZoomStufen + 1> Offset_Y{};

    double FX() const { return Faktor_X[Level]; }
    double FY() const { return Faktor_Y[Level]; }
    double OX() const { return Offset_X[Level]; }
    double OY() const { return Offset_Y[Level]; }
};

// Back to level 1 with factors 1 and offsets 0 (crop start, "Verwerfen").
void ZoomReset(Zoom& z);

// Modes whose rubber band spans the whole plot height (several panels): 6, 7, 9.
bool NurHorizontal(int betriebsart);

// The rubber band from the press position to the current one, in widget coordinates; in the
// modes with several panels and in crop mode it spans the plot's own height (remarks below the
// plot make it shorter than four fifths of the box), so a zoom keeps the vertical scale.
QRectF Gummiband(QPointF start, QPointF pos, const QRectF& plot, int betriebsart, bool zuschneiden);

// Zooms into `rect` (widget coordinates) of the plot `plot`. Ignored at level 5 and for an
// empty rectangle. True when the level changed.
bool ZoomIn(Zoom& z, const QRectF& rect, const QRectF& plot);
// One level back (not below 1); level 1 has offsets 0 again.
void ZoomOut(Zoom& z);

// Release of the left button: dragged right and down zooms into the band, dragged left zooms
// out; anything else does nothing. True when the zoom changed.
bool ZoomLoslassen(Zoom& z, QPointF start, QPointF end, const QRectF& plot, int betriebsart,
                   bool zuschneiden);

// Middle-button pan: the offsets of the current level at the press are `startOX`/`startOY`;
// moves them by the distance from `start` to `pos`. Modes 6, 7 and 9 pan horizontally only.
void Pan(Zoom& z, double startOX, double startOY, QPointF start, QPointF pos, const QRectF& plot,
         int betriebsart);

} // namespace zud
