#include "TherapistChangeDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace zud::ui {

TherapistChangeDialog::TherapistChangeDialog(QWidget* parent)
    : RibbonDialog(QStringLiteral("TherapistChangeDialog"), parent) {
    connect(AddCommand(QStringLiteral("TherapeutAendern"), QStringLiteral("document-save")),
            &QAction::triggered, this, &QDialog::accept);
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    auto* form = new QFormLayout;
    FVorname = new QLabel(this);
    FName = new QLabel(this);
    VornameEdit = new QLineEdit(this);
    NameEdit = new QLineEdit(this);
    form->addRow(FVorname, VornameEdit);
    form->addRow(FName, NameEdit);
    Body()->addLayout(form);
    setMinimumWidth(360);
    RetranslateUi();
}

void TherapistChangeDialog::RetranslateUi() {
    setWindowTitle(tr("Therapeut ändern"));
    Action(QStringLiteral("TherapeutAendern"))->setText(tr("Therapeut ändern"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    FVorname->setText(tr("Vorname:"));
    FName->setText(tr("Name:"));
    RetranslateRibbon(tr("Therapeut"));
}

} // namespace zud::ui
