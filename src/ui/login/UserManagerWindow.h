#pragma once

// "Benutzer-Verwaltung": add, change the password of and delete server accounts, and check the
// whole database ("Datenbank prüfen").

#include "PatientDatabase.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace zud::ui {

class UserManagerWindow : public QDialog {
    Q_OBJECT
public:
    enum Mode { Add = 0, Change = 1, Delete = 2 };
    explicit UserManagerWindow(QWidget* parent = nullptr);
    void SetLocation(const DbLocation& loc, const QString& adminPassword);
    void RetranslateUi();
    void SetMode(Mode m);
    Mode CurrentMode() const;
    // Reads the account list again.
    void Reload();
    // Runs the button's action; false when it failed (the box was shown).
    bool RunAction();

    QRadioButton* ModeAdd = nullptr;
    QRadioButton* ModeChange = nullptr;
    QRadioButton* ModeDelete = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QListWidget* List = nullptr;
    QPushButton* ActionButton = nullptr;
    // "Datenbank prüfen" and what it found: one line per problem, then the summary.
    QPushButton* CheckButton = nullptr;
    QPlainTextEdit* CheckOutput = nullptr;
    // The last message shown (tests read it).
    QString LastMessage;

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void UpdateButton();
    void CheckDatabase();
    void Fail(const QString& text);
    DbLocation FLoc;
    QString FAdminPassword;
    QButtonGroup* FModes = nullptr;
    QGroupBox* FModeBox = nullptr;
    QLabel* FNameLabel = nullptr;
    QLabel* FPasswordLabel = nullptr;
    QLabel* FListLabel = nullptr;
};

} // namespace zud::ui
