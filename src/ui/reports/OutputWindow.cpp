#include "OutputWindow.h"

#include <QEvent>
#include <QVBoxLayout>

namespace zud::ui {

OutputWindow::OutputWindow(const QString& objectName, const QString& tab, QWidget* parent)
    : QDialog(parent), FTab(tab) {
    setObjectName(objectName);
    FRibbon = PutRibbonOnTop(this, &FBody);
    QWidget* t = FRibbon->AddTab(tab, QString());
    RibbonGroup* ausgabe = FRibbon->AddGroup(t, QStringLiteral("GroupAusgabe"), QString());
    RibbonGroup* zurueck = FRibbon->AddGroup(t, QStringLiteral("GroupZurueck"), QString());
    auto make = [this](const QString& name, const QString& icon, RibbonGroup* g) {
        return AddRibbonCommand(this, FActions, name, icon, g);
    };
    connect(make(QStringLiteral("Drucken"), QStringLiteral("document-print"), ausgabe), &QAction::triggered,
            this, [this] { Print(); });
    connect(make(QStringLiteral("PDF"), QStringLiteral("x-office-document"), ausgabe), &QAction::triggered,
            this, [this] { Pdf(); });
    connect(make(QStringLiteral("Zurueck"), QStringLiteral("go-previous"), zurueck), &QAction::triggered,
            this, &QDialog::reject);
}

bool OutputWindow::Print() {
    return Drucken(
        this, [this](Seitenziel& z) { return Seite(z); }, &LastMessage);
}

bool OutputWindow::Pdf() {
    return PdfAusgeben(
        this, PdfTitel(), [this](Seitenziel& z) { return Seite(z); }, &LastMessage);
}

void OutputWindow::RetranslateUi() {
    setWindowTitle(Titel());
    FRibbon->SetTabCaption(FTab, TabTitel());
    FRibbon->Group(QStringLiteral("GroupAusgabe"))->SetCaption(tr("Ausgabe"));
    FRibbon->Group(QStringLiteral("GroupZurueck"))->SetCaption(tr("Fenster"));
    Action(QStringLiteral("Drucken"))->setText(tr("Drucken"));
    Action(QStringLiteral("PDF"))->setText(tr("PDF"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    TipsFromCaptions(FActions);
    FRibbon->UpdateTips();
}

void OutputWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

} // namespace zud::ui
