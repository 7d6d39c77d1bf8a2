#include "TPreviewShortForm.h"

#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

TPreviewShortForm::TPreviewShortForm(QWidget* parent)
    : TAusgabeFenster(QStringLiteral("TPreviewShortForm"), QStringLiteral("TabAllgemein"), parent) {
    FPage = new Seitenansicht(this);
    FPage->setObjectName(QStringLiteral("Seite"));
    FPage->Zeichnen = [this](QPainter& p, const QSize& seite, int dpi) {
        DrawZusammenfassung(p, seite, dpi, FPatient, FSumme, FMax);
    };
    Body()->addWidget(FPage, 1);
    resize(1000, 760);
    RetranslateUi();
}

void TPreviewShortForm::Prepare(const Patient& patient, const Zusammenfassung& z, int maxProTag) {
    FPatient = patient;
    FSumme = z;
    FMax = maxProTag;
    FPage->update();
}

bool TPreviewShortForm::Zeichnen(Seitenziel& z) {
    DrawZusammenfassung(*z.Painter, z.Seite, z.Dpi, FPatient, FSumme, FMax);
    return true;
}

void TPreviewShortForm::RetranslateUi() {
    TAusgabeFenster::RetranslateUi();
    FPage->update();
}

} // namespace zud::ui
