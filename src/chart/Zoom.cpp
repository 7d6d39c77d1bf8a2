#include "Zoom.h"

#include <algorithm>

namespace zud {

void ZoomReset(Zoom& z) {
    z = Zoom{};
}

bool NurHorizontal(int betriebsart) {
    return betriebsart == 6 || betriebsart == 7 || betriebsart == 9;
}

QRectF Gummiband(QPointF start, QPointF pos, const QRectF& plot, int betriebsart, bool zuschneiden) {
    QRectF r = QRectF(start, pos).normalized();
    if (zuschneiden || NurHorizontal(betriebsart)) {
        r.setTop(plot.top());
        r.setBottom(plot.bottom());
    }
    return r;
}

bool ZoomIn(Zoom& z, const QRectF& rect, const QRectF& plot) {
    if (z.Level >= kZoomStufen || rect.width() <= 0 || rect.height() <= 0 || plot.width() <= 0 ||
        plot.height() <= 0) {
        return false;
    }
    const int alt = z.Level;
    const int neu = alt + 1;
    z.Faktor_X[neu] = plot.width() / rect.width() * z.Faktor_X[alt];
    z.Faktor_Y[neu] = plot.height() / rect.height() * z.Faktor_Y[alt];
    z.Offset_X[neu] =
        (plot.width() * z.Offset_X[alt] + (rect.left() - plot.left()) / z.Faktor_X[alt]) / plot.width();
    z.Offset_Y[neu] =
        (plot.height() * z.Offset_Y[alt] + (plot.bottom() - rect.bottom()) / z.Faktor_Y[alt]) / plot.height();
    z.Rect[neu] = rect;
    z.Level = neu;
    z.Enabled = true;
    return true;
}

void ZoomOut(Zoom& z) {
    if (z.Level > 1) {
        --z.Level;
    }
    if (z.Level == 1) {
        z.Offset_X[1] = 0;
        z.Offset_Y[1] = 0;
        z.Faktor_X[1] = 1;
        z.Faktor_Y[1] = 1;
        z.Enabled = false;
    }
}

bool ZoomLoslassen(Zoom& z, QPointF start, QPointF end, const QRectF& plot, int betriebsart,
                   bool zuschneiden) {
    if (end.x() < start.x()) {
        const int vorher = z.Level;
        ZoomOut(z);
        return vorher != z.Level;
    }
    const bool voll = zuschneiden || NurHorizontal(betriebsart);
    if (end.x() > start.x() && (voll || end.y() > start.y())) {
        return ZoomIn(z, Gummiband(start, end, plot, betriebsart, zuschneiden), plot);
    }
    return false;
}

void Pan(Zoom& z, double startOX, double startOY, QPointF start, QPointF pos, const QRectF& plot,
         int betriebsart) {
    if (plot.width() <= 0 || plot.height() <= 0) {
        return;
    }
    const int l = z.Level;
    z.Offset_X[l] = (plot.width() * startOX + (start.x() - pos.x()) / z.Faktor_X[l]) / plot.width();
    if (!NurHorizontal(betriebsart)) {
        // The curve follows the mouse; the vertical offset counts from the bottom of the range.
        z.Offset_Y[l] = (plot.height() * startOY + (pos.y() - start.y()) / z.Faktor_Y[l]) / plot.height();
    }
}

} // namespace zud
