#include "LoginDialog.h"

#include "DialogButtons.h"
#include "SplashScreen.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zud::ui {

LoginDialog::LoginDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LoginDialog"));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    FUserLabel = new QLabel(this);
    FPasswordLabel = new QLabel(this);
    UserEdit = new QLineEdit(this);
    UserEdit->setObjectName(QStringLiteral("User"));
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("Password"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setMaxLength(50);
    form->addRow(FUserLabel, UserEdit);
    form->addRow(FPasswordLabel, PasswordEdit);
    lay->addLayout(form);
    AlwaysUse = new QCheckBox(this);
    lay->addWidget(AlwaysUse);
    const DialogButtons buttons = AddDialogButtons(this, lay, ButtonOrder::AcceptFirst);
    OkButton = buttons.accept;
    CancelButton = buttons.reject;
    setMinimumWidth(340);
    RetranslateUi();
}

void LoginDialog::RetranslateUi() {
    setWindowTitle(tr("Login"));
    FUserLabel->setText(tr("Benutzer:"));
    FPasswordLabel->setText(tr("Passwort:"));
    AlwaysUse->setText(tr("Diesen Login immer benutzen"));
    OkButton->setText(tr("OK"));
    CancelButton->setText(tr("Abbrechen"));
}

int LoginDialog::Ask() {
    PasswordEdit->clear();
    UserEdit->setFocus();
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("login")); });
    return exec();
}

void LoginDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

NewPasswordDialog::NewPasswordDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NewPasswordDialog"));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    FNewLabel = new QLabel(this);
    FRepeatLabel = new QLabel(this);
    NewEdit = new QLineEdit(this);
    NewEdit->setEchoMode(QLineEdit::Password);
    RepeatEdit = new QLineEdit(this);
    RepeatEdit->setEchoMode(QLineEdit::Password);
    form->addRow(FNewLabel, NewEdit);
    form->addRow(FRepeatLabel, RepeatEdit);
    lay->addLayout(form);
    const DialogButtons buttons = AddDialogButtons(this, lay, ButtonOrder::AcceptFirst);
    OkButton = buttons.accept;
    OkButton->setEnabled(false);
    CancelButton = buttons.reject;
    // The rule is re-evaluated on the repeat field and, so that a later change of the first
    // field cannot leave OK enabled for two different texts, on the first field too.
    connect(RepeatEdit, &QLineEdit::textChanged, this, &NewPasswordDialog::Check);
    connect(NewEdit, &QLineEdit::textChanged, this, &NewPasswordDialog::Check);
    setMinimumWidth(380);
    RetranslateUi();
}

void NewPasswordDialog::RetranslateUi() {
    setWindowTitle(tr("Passwort ändern"));
    FNewLabel->setText(tr("Neues Passwort:"));
    FRepeatLabel->setText(tr("Neues Passwort wiederholen:"));
    OkButton->setText(tr("OK"));
    CancelButton->setText(tr("Abbrechen"));
}

void NewPasswordDialog::Check() {
    OkButton->setEnabled(!NewEdit->text().isEmpty() && NewEdit->text() == RepeatEdit->text());
}

QString NewPasswordDialog::Password() const {
    return NewEdit->text();
}

int NewPasswordDialog::Ask() {
    return exec();
}

void NewPasswordDialog::showEvent(QShowEvent* e) {
    NewEdit->clear();
    RepeatEdit->clear();
    Check();
    NewEdit->setFocus();
    QDialog::showEvent(e);
}

void NewPasswordDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

} // namespace zud::ui
