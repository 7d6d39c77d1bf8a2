#pragma once

// One chart frame of the main window's chart area: the decoded recording of a tab, drawn by
// the chart routine with the user's chart settings.

#include "Chart.h"
#include "Recording.h"

#include <QWidget>

namespace zud::ui {

class ChartFrame : public QWidget {
    Q_OBJECT
public:
    explicit ChartFrame(QWidget* parent = nullptr);
    // Decodes `daten` (database BETRIEBSART `betriebsart`); an undecodable stream shows a note.
    void SetRecording(const QByteArray& daten, int betriebsart, const QString& title);
    void SetOptions(const ChartOptionen& o, int druckEinheit);
    void SetActive(bool active);
    const QString& Title() const { return FTitle; }
    const Messung& Recording() const { return FMessung; }
    Zoom& ZoomState() { return FZoom; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Decode();
    QByteArray FDaten;
    int FBetriebsart = 0;
    QString FTitle;
    Messung FMessung;
    ChartOptionen FOptions;
    int FEinheit = 0;
    Zoom FZoom;
    bool FActive = false;
};

} // namespace zud::ui
