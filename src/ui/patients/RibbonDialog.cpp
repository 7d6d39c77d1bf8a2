#include "RibbonDialog.h"

#include "MessageBox.h"

#include <QEvent>
#include <QVBoxLayout>

namespace zud::ui {

RibbonDialog::RibbonDialog(const QString& objectName, QWidget* parent) : QDialog(parent) {
    setObjectName(objectName);
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    FGroup = FRibbon->AddGroup(tab, QStringLiteral("GroupAllgemein"), QString());
    FBody = new QVBoxLayout;
    FBody->setContentsMargins(8, 8, 8, 8);
    lay->addLayout(FBody, 1);
}

QAction* RibbonDialog::AddCommand(const QString& name, const QString& icon, bool large) {
    return AddRibbonCommand(this, FActions, name, icon, FGroup, large); // shortcuts work in the dialog
}

void RibbonDialog::RetranslateRibbon(const QString& groupCaption) {
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Allgemein"));
    FGroup->SetCaption(groupCaption);
    TipsFromCaptions(FActions);
    FRibbon->UpdateTips();
}

void RibbonDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

void RibbonDialog::Error(const QString& text) {
    LastMessage = text;
    Msg::Error(this, text);
}

bool RibbonDialog::Question(const QString& text) {
    LastMessage = text;
    return Msg::Question(this, text);
}

bool RibbonDialog::ConfirmDelete(const QString& text) {
    LastMessage = text;
    return Msg::ConfirmDelete(this, text);
}

} // namespace zud::ui
