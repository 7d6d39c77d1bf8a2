#include "TVerlaufForm.h"

#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

void VerlaufWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    DrawVerlauf(p, QRectF(rect()), dpi / 96.0, Daten);
}

TVerlaufForm::TVerlaufForm(QWidget* parent)
    : TAusgabeFenster(QStringLiteral("TVerlaufForm"), QStringLiteral("TabVerlauf"), parent) {
    FChart = new VerlaufWidget(this);
    FChart->setObjectName(QStringLiteral("Verlauf"));
    Body()->addWidget(FChart, 1);
    resize(1000, 700);
    RetranslateUi();
}

void TVerlaufForm::Prepare(const QString& caption, const Verlaufsdaten& v) {
    FCaption = caption;
    FChart->Daten = v;
    FChart->update();
    RetranslateUi();
}

bool TVerlaufForm::Seite(Seitenziel& z) {
    z.Painter->fillRect(QRect(QPoint(0, 0), z.Seite), Qt::white);
    DrawVerlauf(*z.Painter, QRectF(QPointF(0, 0), QSizeF(z.Seite)), z.Dpi / 96.0, FChart->Daten);
    return true;
}

} // namespace zud::ui
