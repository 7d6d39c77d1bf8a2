#include "RemarksDialog.h"

#include "SplashScreen.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace zud::ui {

RemarksDialog::RemarksDialog(QWidget* parent) : RibbonDialog(QStringLiteral("RemarksDialog"), parent) {
    connect(AddCommand(QStringLiteral("Hinzufuegen"), QStringLiteral("document-save")), &QAction::triggered,
            this, &QDialog::accept);
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    Text = new QPlainTextEdit(this);
    Text->setObjectName(QStringLiteral("Bemerkungen"));
    Body()->addWidget(Text);
    resize(520, 340);
    RetranslateUi();
}

void RemarksDialog::RetranslateUi() {
    setWindowTitle(tr("Bemerkungen hinzufügen/ändern"));
    Action(QStringLiteral("Hinzufuegen"))->setText(tr("Hinzufügen/Ändern"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    RetranslateRibbon(tr("Bemerkungen"));
}

void RemarksDialog::showEvent(QShowEvent* e) {
    RibbonDialog::showEvent(e);
    Text->setFocus();
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("remarks")); });
}

} // namespace zud::ui
