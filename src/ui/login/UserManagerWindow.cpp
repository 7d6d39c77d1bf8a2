#include "UserManagerWindow.h"

#include "DatabaseCheck.h"
#include "MessageBox.h"
#include "SplashScreen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zud::ui {

UserManagerWindow::UserManagerWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("UserManagerWindow"));
    auto* lay = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    FModeBox = new QGroupBox(this);
    auto* modeLay = new QVBoxLayout(FModeBox);
    ModeAdd = new QRadioButton(FModeBox);
    ModeChange = new QRadioButton(FModeBox);
    ModeDelete = new QRadioButton(FModeBox);
    FModes = new QButtonGroup(this);
    FModes->addButton(ModeAdd, Add);
    FModes->addButton(ModeChange, Change);
    FModes->addButton(ModeDelete, Delete);
    modeLay->addWidget(ModeAdd);
    modeLay->addWidget(ModeChange);
    modeLay->addWidget(ModeDelete);
    left->addWidget(FModeBox);
    auto* form = new QFormLayout;
    FNameLabel = new QLabel(this);
    FPasswordLabel = new QLabel(this);
    NameEdit = new QLineEdit(this);
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setEchoMode(QLineEdit::Password);
    form->addRow(FNameLabel, NameEdit);
    form->addRow(FPasswordLabel, PasswordEdit);
    left->addLayout(form);
    ActionButton = new QPushButton(this);
    left->addWidget(ActionButton);
    left->addStretch();
    lay->addLayout(left);
    auto* right = new QVBoxLayout;
    FListLabel = new QLabel(this);
    List = new QListWidget(this);
    List->setSortingEnabled(true);
    right->addWidget(FListLabel);
    right->addWidget(List);
    lay->addLayout(right);
    auto* all = new QVBoxLayout;
    all->addLayout(lay, 1);
    CheckButton = new QPushButton(this);
    CheckButton->setObjectName(QStringLiteral("CheckButton"));
    CheckOutput = new QPlainTextEdit(this);
    CheckOutput->setObjectName(QStringLiteral("CheckOutput"));
    CheckOutput->setReadOnly(true);
    CheckOutput->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    CheckOutput->hide();
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(CheckButton);
    checkRow->addStretch();
    all->addLayout(checkRow);
    all->addWidget(CheckOutput, 1);
    setLayout(all);
    connect(CheckButton, &QPushButton::clicked, this, &UserManagerWindow::CheckDatabase);
    connect(FModes, &QButtonGroup::idClicked, this, [this](int id) { SetMode(Mode(id)); });
    connect(NameEdit, &QLineEdit::textChanged, this, &UserManagerWindow::UpdateButton);
    connect(PasswordEdit, &QLineEdit::textChanged, this, &UserManagerWindow::UpdateButton);
    connect(List, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (CurrentMode() != Add)
            NameEdit->setText(item->text());
    });
    connect(ActionButton, &QPushButton::clicked, this, [this] { RunAction(); });
    ModeAdd->setChecked(true);
    SetMode(Add);
    resize(620, 420);
    RetranslateUi();
}

void UserManagerWindow::SetLocation(const DbLocation& loc, const QString& adminPassword) {
    FLoc = loc;
    FAdminPassword = adminPassword;
}

void UserManagerWindow::RetranslateUi() {
    setWindowTitle(tr("Benutzer-Verwaltung"));
    FModeBox->setTitle(tr("Aktion"));
    ModeAdd->setText(tr("hinzufügen"));
    ModeChange->setText(tr("ändern"));
    ModeDelete->setText(tr("löschen"));
    FNameLabel->setText(tr("Benutzername:"));
    FPasswordLabel->setText(tr("Passwort:"));
    FListLabel->setText(tr("Benutzer:"));
    CheckButton->setText(tr("Datenbank prüfen"));
    CheckButton->setToolTip(
        tr("Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel "
           "und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten."));
    switch (CurrentMode()) {
    case Add:
        ActionButton->setText(tr("Benutzer hinzufügen"));
        break;
    case Change:
        ActionButton->setText(tr("Passwort ändern"));
        break;
    case Delete:
        ActionButton->setText(tr("Benutzer löschen"));
        break;
    }
}

UserManagerWindow::Mode UserManagerWindow::CurrentMode() const {
    const int id = FModes->checkedId();
    return id < 0 ? Add : Mode(id);
}

void UserManagerWindow::SetMode(Mode m) {
    FModes->button(m)->setChecked(true);
    NameEdit->clear();
    PasswordEdit->clear();
    NameEdit->setEnabled(m == Add);
    PasswordEdit->setEnabled(m != Delete);
    List->setEnabled(m != Add);
    RetranslateUi();
    UpdateButton();
    ActionButton->setEnabled(false);
}

void UserManagerWindow::UpdateButton() {
    const bool name = !NameEdit->text().isEmpty();
    const bool pw = !PasswordEdit->text().isEmpty();
    ActionButton->setEnabled(CurrentMode() == Delete ? name : name && pw);
}

void UserManagerWindow::Reload() {
    List->clear();
    try {
        List->addItems(PatientDatabase::Users(FLoc, FAdminPassword));
    } catch (const std::exception&) {
        Fail(tr("Datenbank-Login fehlgeschlagen"));
    }
}

void UserManagerWindow::Fail(const QString& text) {
    LastMessage = text;
    Msg::Error(this, text);
}

bool UserManagerWindow::RunAction() {
    LastMessage.clear();
    bool ok = true;
    const QString name = NameEdit->text();
    const QString pw = PasswordEdit->text();
    bool connected = false;
    try {
        PatientDatabase::Users(FLoc, FAdminPassword); // the connection itself
        connected = true;
        switch (CurrentMode()) {
        case Add:
            PatientDatabase::CreateUser(FLoc, FAdminPassword, name, pw);
            break;
        case Change:
            PatientDatabase::AlterUser(FLoc, FAdminPassword, name, pw);
            break;
        case Delete:
            PatientDatabase::DropUser(FLoc, FAdminPassword, name);
            break;
        }
    } catch (const DataError& e) {
        ok = false;
        Fail(tr("Aktion fehlgeschlagen (%1)").arg(e.Message()));
    } catch (const db::DbError& e) {
        ok = false;
        Fail(connected ? tr("Aktion fehlgeschlagen (%1)").arg(e.Message())
                       : tr("Datenbank-Login fehlgeschlagen"));
    }
    // Without a connection the list cannot be read either; one message is enough.
    if (connected)
        Reload();
    NameEdit->clear();
    PasswordEdit->clear();
    UpdateButton();
    return ok;
}

void UserManagerWindow::CheckDatabase() {
    LastMessage.clear();
    CheckButton->setEnabled(false);
    CheckOutput->clear();
    CheckOutput->show();
    CheckOutput->setPlainText(tr("Die Datenbank wird geprüft …"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList lines;
    QString failure;
    try {
        // Repaints between the steps; the window's buttons wait until the check is done.
        const auto result = wf::CheckDatabase(FLoc, QString::fromLatin1(kAdminUser), FAdminPassword, [] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        });
        lines = result.problems;
        lines << result.Summary();
    } catch (const db::DbError& e) {
        failure = tr("Die Datenbank konnte nicht geprüft werden.") + QLatin1Char('\n') + db::DescribeError(e);
    } catch (const DataError& e) {
        failure = tr("Die Datenbank konnte nicht geprüft werden.") + QLatin1Char('\n') + e.Message();
    }
    QApplication::restoreOverrideCursor();
    CheckButton->setEnabled(true);
    if (!failure.isEmpty()) {
        CheckOutput->setPlainText(failure);
        Fail(failure);
        return;
    }
    CheckOutput->setPlainText(lines.join(QLatin1Char('\n')));
}

void UserManagerWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("usermgr")); });
}

void UserManagerWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

} // namespace zud::ui
