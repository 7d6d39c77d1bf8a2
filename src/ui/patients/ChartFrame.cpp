#include "ChartFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace zud::ui {

ChartFrame::ChartFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(80);
}

void ChartFrame::SetRecording(const QByteArray& daten, int betriebsart, const QString& title) {
    FDaten = daten;
    FBetriebsart = betriebsart;
    FTitle = title;
    FZoom = Zoom{};
    Decode();
    update();
}

void ChartFrame::SetOptions(const ChartOptionen& o, int druckEinheit) {
    const bool redecode = druckEinheit != FEinheit;
    FOptions = o;
    FEinheit = druckEinheit;
    if (redecode)
        Decode();
    update();
}

void ChartFrame::SetActive(bool active) {
    FActive = active;
    update();
}

void ChartFrame::Decode() {
    FMessung =
        Dekodiere(reinterpret_cast<const uint8_t*>(FDaten.constData()), size_t(FDaten.size()), FBetriebsart,
                  Einheitenfaktor(FEinheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar));
}

void ChartFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int titleHeight = fontMetrics().height() + 6;
    QRect title(0, 0, width(), titleHeight);
    p.fillRect(title, FActive ? QColor(0xD8, 0xE6, 0xF5) : QColor(0xF0, 0xF0, 0xF0));
    p.setPen(Qt::black);
    p.drawText(title.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, FTitle);
    const int h = height() - titleHeight;
    if (h <= 10 || width() <= 10)
        return;
    if (FMessung.Werte.empty()) {
        p.drawText(QRect(0, titleHeight, width(), h), Qt::AlignCenter,
                   tr("Diese Übung enthält keine darstellbaren Messwerte."));
        return;
    }
    DrawChart(p, FMessung, FOptions, width(), 0, 96, FZoom, 0, titleHeight, h);
}

} // namespace zud::ui
