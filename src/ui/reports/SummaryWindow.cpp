#include "SummaryWindow.h"

#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

SummaryWindow::SummaryWindow(QWidget* parent)
    : OutputWindow(QStringLiteral("SummaryWindow"), QStringLiteral("TabAllgemein"), parent) {
    FPage = new PageView(this);
    FPage->setObjectName(QStringLiteral("Seite"));
    FPage->Zeichnen = [this](QPainter& p, const QSize& seite, int dpi) {
        DrawZusammenfassung(p, seite, dpi, FPatient, FSumme, FMax);
    };
    Body()->addWidget(FPage, 1);
    resize(1000, 760);
    RetranslateUi();
}

void SummaryWindow::Prepare(const Patient& patient, const Zusammenfassung& z, int maxProTag) {
    FPatient = patient;
    FSumme = z;
    FMax = maxProTag;
    FPage->update();
}

bool SummaryWindow::Zeichnen(Seitenziel& z) {
    DrawZusammenfassung(*z.Painter, z.Seite, z.Dpi, FPatient, FSumme, FMax);
    return true;
}

void SummaryWindow::RetranslateUi() {
    OutputWindow::RetranslateUi();
    FPage->update();
}

} // namespace zud::ui
