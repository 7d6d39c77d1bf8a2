#include "MoveRecordingDialog.h"

#include "DialogButtons.h"
#include "SplashScreen.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zud::ui {

MoveRecordingDialog::MoveRecordingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MoveRecordingDialog"));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    FMessung = new QLabel(this);
    FVon = new QLabel(this);
    FZu = new QLabel(this);
    MessungValue = new QLabel(this);
    VonValue = new QLabel(this);
    ZuValue = new QLabel(this);
    QFont bold = font();
    bold.setBold(true);
    for (QLabel* l : {MessungValue, VonValue, ZuValue})
        l->setFont(bold);
    form->addRow(FMessung, MessungValue);
    form->addRow(FVon, VonValue);
    form->addRow(FZu, ZuValue);
    lay->addLayout(form);
    NichtMehrAnzeigen = new QCheckBox(this);
    lay->addWidget(NichtMehrAnzeigen);
    const DialogButtons buttons = AddDialogButtons(this, lay, ButtonOrder::RejectFirst);
    Abbrechen = buttons.reject;
    Verschieben = buttons.accept;
    setMinimumWidth(380);
    RetranslateUi();
}

void MoveRecordingDialog::SetValues(const QString& messung, const QString& von, const QString& zu) {
    MessungValue->setText(messung);
    VonValue->setText(von);
    ZuValue->setText(zu);
}

void MoveRecordingDialog::RetranslateUi() {
    setWindowTitle(tr("Verschieben"));
    FMessung->setText(tr("Verschieben von Messung:"));
    FVon->setText(tr("Von Patient:"));
    FZu->setText(tr("Zu Patient:"));
    NichtMehrAnzeigen->setText(tr("Nicht mehr anzeigen"));
    Verschieben->setText(tr("Verschieben"));
    Abbrechen->setText(tr("Abbrechen"));
}

void MoveRecordingDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

void MoveRecordingDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("move-dialog")); });
}

} // namespace zud::ui
