#pragma once

// One chart frame of the main window's chart area: the decoded recording of a tab, drawn by
// the chart routine with the user's chart settings. Repaints are coalesced by a 100 ms timer.
// The left button zooms with a rubber band (dragging left zooms out), the middle button pans.
// Stacked, the frame has a title bar with a close button and a coloured strip at its left.

#include "Chart.h"
#include "Recording.h"

#include <QTimer>
#include <QWidget>

class QToolButton;

namespace zud::ui {

class ChartFrame : public QWidget {
    Q_OBJECT
public:
    explicit ChartFrame(QWidget* parent = nullptr);
    // Decodes `daten` (database BETRIEBSART `betriebsart`); the zoom goes back to level 1.
    void SetRecording(const QByteArray& daten, int betriebsart, const QString& title);
    void SetOptions(const ChartOptionen& o, int druckEinheit);
    void SetActive(bool active);
    void SetStacked(bool stacked);
    void SetCrop(bool crop);
    void SetDpi(int dpi);
    // Asks for a repaint; the chart is drawn once when the 100 ms timer runs out.
    void RequestRepaint();
    const QString& Title() const { return FTitle; }
    const QByteArray& Daten() const { return FDaten; }
    int DbBetriebsart() const { return FBetriebsart; }
    const Messung& Recording() const { return FMessung; }
    Zoom& ZoomState() { return FZoom; }
    bool Active() const { return FActive; }
    bool Stacked() const { return FStacked; }
    int Dpi() const { return FDpi; }
    // The box of the chart and its plot area in widget coordinates.
    QRect ChartBox() const;
    QRectF PlotRect() const;
    int Paints() const { return FPaints; }
    static constexpr int kTitleHeight = 20;
    static constexpr int kStripWidth = 4;

signals:
    void Activated();
    void CloseRequested();
    void ZoomChanged();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Decode();
    bool Reacts() const { return FActive || !FStacked; }
    QByteArray FDaten;
    int FBetriebsart = 0;
    QString FTitle;
    Messung FMessung;
    ChartOptionen FOptions;
    int FEinheit = 0;
    int FDpi = 96;
    Zoom FZoom;
    bool FActive = false;
    bool FStacked = false;
    bool FCrop = false;
    QTimer FRepaint;
    QToolButton* FClose = nullptr;
    // The gesture in progress.
    enum class Geste { Keine, Band, Pan } FGeste = Geste::Keine;
    QPointF FStart, FPos;
    double FStartOX = 0, FStartOY = 0;
    int FPaints = 0;
};

} // namespace zud::ui
