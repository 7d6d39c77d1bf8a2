#include "TPreviewShortForm.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

TPreviewShortForm::TPreviewShortForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPreviewShortForm"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
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
    FPage = new Seitenansicht(this);
    FPage->setObjectName(QStringLiteral("Seite"));
    FPage->Zeichnen = [this](QPainter& p, const QSize& seite, int dpi) {
        DrawZusammenfassung(p, seite, dpi, FPatient, FSumme, FMax);
    };
    lay->addWidget(FPage, 1);
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

bool TPreviewShortForm::Print() {
    return Drucken(
        this, [this](Seitenziel& z) { return Zeichnen(z); }, &LastMessage);
}

bool TPreviewShortForm::Pdf() {
    return PdfAusgeben(
        this, [this](Seitenziel& z) { return Zeichnen(z); }, &LastMessage);
}

void TPreviewShortForm::RetranslateUi() {
    setWindowTitle(tr("Therapie-Zusammenfassung"));
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Therapie-Zusammenfassung"));
    FRibbon->Group(QStringLiteral("GroupAusgabe"))->SetCaption(tr("Ausgabe"));
    FRibbon->Group(QStringLiteral("GroupZurueck"))->SetCaption(tr("Fenster"));
    Action(QStringLiteral("Drucken"))->setText(tr("Drucken"));
    Action(QStringLiteral("PDF"))->setText(tr("PDF"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    for (QAction* a : std::as_const(FActions)) {
        a->setToolTip(QString(a->text()).remove(QLatin1Char('&')));
    }
    FRibbon->UpdateTips();
    FPage->update();
}

void TPreviewShortForm::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

} // namespace zud::ui
