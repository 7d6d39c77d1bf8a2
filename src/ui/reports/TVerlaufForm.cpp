#include "TVerlaufForm.h"

#include "Ausgabe.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

void VerlaufWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    DrawVerlauf(p, QRectF(rect()), dpi / 96.0, Daten);
}

TVerlaufForm::TVerlaufForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TVerlaufForm"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabVerlauf"), QString());
    RibbonGroup* ausgabe = FRibbon->AddGroup(tab, QStringLiteral("GroupAusgabe"), QString());
    RibbonGroup* zurueck = FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString());
    auto make = [this](const QString& name, const QString& icon, RibbonGroup* g) {
        return AddRibbonCommand(this, FActions, name, icon, g);
    };
    connect(make(QStringLiteral("Drucken"), QStringLiteral("document-print"), ausgabe), &QAction::triggered,
            this, [this] { Print(); });
    connect(make(QStringLiteral("PDF"), QStringLiteral("x-office-document"), ausgabe), &QAction::triggered,
            this, [this] { Pdf(); });
    connect(make(QStringLiteral("Zurueck"), QStringLiteral("go-previous"), zurueck), &QAction::triggered,
            this, &QDialog::reject);
    FChart = new VerlaufWidget(this);
    FChart->setObjectName(QStringLiteral("Verlauf"));
    lay->addWidget(FChart, 1);
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

bool TVerlaufForm::Print() {
    return Drucken(
        this, [this](Seitenziel& z) { return Seite(z); }, &LastMessage);
}

bool TVerlaufForm::Pdf() {
    return PdfAusgeben(
        this, [this](Seitenziel& z) { return Seite(z); }, &LastMessage);
}

void TVerlaufForm::RetranslateUi() {
    setWindowTitle(tr("Verlauf"));
    FRibbon->SetTabCaption(QStringLiteral("TabVerlauf"), FCaption.isEmpty() ? tr("Verlauf") : FCaption);
    FRibbon->Group(QStringLiteral("GroupAusgabe"))->SetCaption(tr("Ausgabe"));
    FRibbon->Group(QStringLiteral("GroupZurueck"))->SetCaption(tr("Fenster"));
    Action(QStringLiteral("Drucken"))->setText(tr("Drucken"));
    Action(QStringLiteral("PDF"))->setText(tr("PDF"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    for (QAction* a : std::as_const(FActions)) {
        a->setToolTip(QString(a->text()).remove(QLatin1Char('&')));
    }
    FRibbon->UpdateTips();
}

void TVerlaufForm::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

} // namespace zud::ui
