#pragma once

// The progress chart of one statistics column over the recordings, on screen, printed or as PDF.

#include "OutputWindow.h"
#include "Reports.h"

namespace zud::ui {

class VerlaufWidget : public QWidget {
    Q_OBJECT
public:
    explicit VerlaufWidget(QWidget* parent = nullptr) : QWidget(parent) {}
    Verlaufsdaten Daten;
    QSize sizeHint() const override { return {900, 560}; }

protected:
    void paintEvent(QPaintEvent* e) override;
};

class ProgressChartWindow : public OutputWindow {
    Q_OBJECT
public:
    explicit ProgressChartWindow(QWidget* parent = nullptr);
    // Shows the chart with the statistics window's caption; the printed page names `patient`.
    void Prepare(const QString& caption, const Patient& patient, const Verlaufsdaten& v);
    VerlaufWidget* Chart() const { return FChart; }

protected:
    bool Seite(Seitenziel& z) override;
    QString Titel() const override { return tr("Verlauf"); }
    QString TabTitel() const override { return FCaption.isEmpty() ? tr("Verlauf") : FCaption; }
    QString PdfTitel() const override { return tr("Verlauf als PDF speichern"); }

private:
    VerlaufWidget* FChart = nullptr;
    QString FCaption;
    Patient FPatient;
};

} // namespace zud::ui
