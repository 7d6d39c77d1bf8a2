#include "ProgressChartWindow.h"

#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

void VerlaufWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    DrawVerlauf(p, QRectF(rect()), dpi / 96.0, Daten);
}

ProgressChartWindow::ProgressChartWindow(QWidget* parent)
    : OutputWindow(QStringLiteral("ProgressChartWindow"), QStringLiteral("TabVerlauf"), parent) {
    FChart = new VerlaufWidget(this);
    FChart->setObjectName(QStringLiteral("Verlauf"));
    Body()->addWidget(FChart, 1);
    resize(1000, 700);
    RetranslateUi();
}

void ProgressChartWindow::Prepare(const QString& caption, const Patient& patient, const Verlaufsdaten& v) {
    FCaption = caption;
    FPatient = patient;
    FChart->Daten = v;
    FChart->update();
    RetranslateUi();
}

bool ProgressChartWindow::Seite(Seitenziel& z) {
    DrawVerlaufSeite(*z.Painter, z.Seite, z.Dpi, FPatient, FChart->Daten);
    return true;
}

} // namespace zud::ui
