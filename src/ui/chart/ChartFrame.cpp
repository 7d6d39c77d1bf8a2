#include "ChartFrame.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace zud::ui {

ChartFrame::ChartFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(60);
    FRepaint.setSingleShot(true);
    FRepaint.setInterval(100);
    connect(&FRepaint, &QTimer::timeout, this, [this] { update(); });
    FClose = new QToolButton(this);
    FClose->setObjectName(QStringLiteral("CloseFrame"));
    FClose->setAutoRaise(true);
    FClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    FClose->setFixedSize(kTitleHeight - 2, kTitleHeight - 2);
    FClose->hide();
    connect(FClose, &QToolButton::clicked, this, &ChartFrame::CloseRequested);
}

void ChartFrame::SetRecording(const QByteArray& daten, int betriebsart, const QString& title) {
    FDaten = daten;
    FBetriebsart = betriebsart;
    FTitle = title;
    FZoom = Zoom{};
    Decode();
    RequestRepaint();
}

void ChartFrame::SetOptions(const ChartOptionen& o, int druckEinheit) {
    const bool redecode = druckEinheit != FEinheit;
    FOptions = o;
    FEinheit = druckEinheit;
    if (redecode)
        Decode(); // the unit factor is applied while decoding
    RequestRepaint();
}

void ChartFrame::SetActive(bool active) {
    if (FActive != active) {
        FActive = active;
        RequestRepaint();
    }
    setCursor(Reacts() ? Qt::CrossCursor : Qt::ArrowCursor);
}

void ChartFrame::SetStacked(bool stacked) {
    FStacked = stacked;
    FClose->setVisible(stacked);
    setCursor(Reacts() ? Qt::CrossCursor : Qt::ArrowCursor);
    RequestRepaint();
}

void ChartFrame::SetCrop(bool crop) {
    FCrop = crop;
    FGeste = Geste::Keine;
    RequestRepaint();
}

void ChartFrame::SetDpi(int dpi) {
    if (dpi > 0 && dpi != FDpi) {
        FDpi = dpi;
        RequestRepaint();
    }
}

void ChartFrame::RequestRepaint() {
    FRepaint.start();
}

void ChartFrame::Decode() {
    FMessung =
        Dekodiere(reinterpret_cast<const uint8_t*>(FDaten.constData()), size_t(FDaten.size()), FBetriebsart,
                  Einheitenfaktor(FEinheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar));
}

QRect ChartFrame::ChartBox() const {
    return FStacked ? QRect(kStripWidth, kTitleHeight, width() - kStripWidth, height() - kTitleHeight)
                    : rect();
}

QRectF ChartFrame::PlotRect() const {
    const QRect b = ChartBox();
    if (FMessung.Werte.empty() || b.width() <= 10 || b.height() <= 10)
        return {};
    return Layout(FMessung, FOptions, b.width(), FDpi, b.left(), b.top(), b.height()).plot;
}

void ChartFrame::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FClose->move(width() - FClose->width() - 1, 1);
    RequestRepaint();
}

void ChartFrame::paintEvent(QPaintEvent*) {
    ++FPaints;
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (FStacked) {
        const QColor strip = FActive ? QColor(0x33, 0x66, 0xCC) : QColor(0xF0, 0xF0, 0xF0);
        p.fillRect(QRect(0, 0, kStripWidth, height()), strip);
        const QRect title(kStripWidth, 0, width() - kStripWidth, kTitleHeight);
        p.fillRect(title, FActive ? QColor(0xD8, 0xE6, 0xF5) : QColor(0xF0, 0xF0, 0xF0));
        p.setPen(Qt::black);
        p.drawText(title.adjusted(6, 0, -kTitleHeight - 4, 0), Qt::AlignVCenter | Qt::AlignLeft, FTitle);
    }
    const QRect box = ChartBox();
    if (box.height() <= 10 || box.width() <= 10)
        return;
    if (FMessung.Werte.empty()) {
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, tr("Diese Übung enthält keine darstellbaren Messwerte."));
        return;
    }
    ChartOptionen o = FOptions;
    o.Verschieben = FGeste == Geste::Pan;
    p.save();
    p.setClipRect(box);
    DrawChart(p, FMessung, o, box.width(), 0, FDpi, FZoom, box.left(), box.top(), box.height());
    p.restore();
    if (FGeste == Geste::Band) {
        const QRectF band = Gummiband(FStart, FPos, PlotRect(), FMessung.Betriebsart, FCrop);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(band);
    }
}

void ChartFrame::mousePressEvent(QMouseEvent* e) {
    emit Activated();
    if (!Reacts() || FMessung.Werte.empty() || !ChartBox().contains(e->position().toPoint()))
        return;
    FStart = FPos = e->position();
    if (e->button() == Qt::LeftButton) {
        FGeste = Geste::Band;
    } else if (e->button() == Qt::MiddleButton && !FCrop) {
        FGeste = Geste::Pan;
        FStartOX = FZoom.OX();
        FStartOY = FZoom.OY();
    }
}

void ChartFrame::mouseMoveEvent(QMouseEvent* e) {
    if (FGeste == Geste::Keine)
        return;
    FPos = e->position();
    if (FGeste == Geste::Pan)
        Pan(FZoom, FStartOX, FStartOY, FStart, FPos, PlotRect(), FMessung.Betriebsart);
    update(); // the band and the pan follow the mouse at once
}

void ChartFrame::mouseDoubleClickEvent(QMouseEvent* e) {
    // A double-click shows the whole recording again (level 1), the first thing one tries.
    emit Activated();
    if (!Reacts() || e->button() != Qt::LeftButton || FZoom.Level == 1)
        return;
    FGeste = Geste::Keine;
    ZoomReset(FZoom);
    emit ZoomChanged();
    update();
}

void ChartFrame::mouseReleaseEvent(QMouseEvent* e) {
    const Geste g = FGeste;
    FGeste = Geste::Keine;
    FPos = e->position();
    if (g == Geste::Band) {
        if (ZoomLoslassen(FZoom, FStart, FPos, PlotRect(), FMessung.Betriebsart, FCrop))
            emit ZoomChanged();
    } else if (g == Geste::Pan) {
        Pan(FZoom, FStartOX, FStartOY, FStart, FPos, PlotRect(), FMessung.Betriebsart);
        emit ZoomChanged();
    }
    update();
}

} // namespace zud::ui
