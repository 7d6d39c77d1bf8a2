#pragma once

// The real-time chart: one cycle of the running program across the plot width, the target
// pattern behind the curve, and each live value drawn as a segment the moment it arrives.
// The whole window is drawn again (from the live stream, by the chart routine) at the start of
// each cycle, after a resize, and when the pressure range or an EMG range changes.

#include "Chart.h"
#include "DeviceFiles.h"
#include "TZUD12Thread.h"

#include <QPixmap>
#include <QWidget>

namespace zud::ui {

class LiveChart : public QWidget {
    Q_OBJECT
public:
    explicit LiveChart(QWidget* parent = nullptr);

    void SetOptions(const ChartOptionen& o);
    // A new run with its program: the chart is empty until the first value. The same mode's
    // program again (the device repeats its packet) goes on with the values, the base pressure
    // and the pressure range the run has.
    void Start(const ProgrammParameter& programm);
    // One displayed value; `laufend` is the live stream so far (header and samples).
    void Add(const EZProbe& p, const QByteArray& laufend);
    void Clear();

    // Full redraws so far and segments drawn since the last one (tests and the benchmark).
    int FullRedraws() const { return FVoll; }
    int Segments() const { return FSegmente; }
    double DruckMin() const { return FDruckMin; }
    double DruckMax() const { return FDruckMax; }
    // The cycle length in samples that spans the plot width.
    int Breite() const;
    // Draws the whole window again from `laufend`.
    void Redraw(const QByteArray& laufend);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Segment(const EZProbe& p);
    ProgrammParameter FKopf{};
    bool FHatKopf = false;
    ChartOptionen FOptions;
    QPixmap FBild;
    QRectF FPlot;
    std::vector<QRectF> FPanels;
    QByteArray FLaufend;
    bool FHatWert = false;
    EZProbe FLetzte;
    // The value the curve ends at: the next segment starts there (more values than pixel
    // columns draw one segment per column, from the last point drawn).
    EZProbe FGezeichnet;
    double FDruckMin = 0, FDruckMax = 25, FBasis = 0;
    int FZyklus = 0;
    int FVoll = 0;
    int FSegmente = 0;
};

} // namespace zud::ui
