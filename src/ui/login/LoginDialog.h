#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zud::ui {

// "Login": name, password, "Diesen Login immer benutzen".
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(QWidget* parent = nullptr);
    void RetranslateUi();
    // Shows the dialog with the password emptied and the focus on the name.
    int Ask();

    QLineEdit* UserEdit = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QCheckBox* AlwaysUse = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void changeEvent(QEvent* e) override;

private:
    QLabel* FUserLabel = nullptr;
    QLabel* FPasswordLabel = nullptr;
};

// "Passwort ändern": OK only while both texts are equal and not empty.
class NewPasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewPasswordDialog(QWidget* parent = nullptr);
    void RetranslateUi();
    QString Password() const;
    int Ask();

    QLineEdit* NewEdit = nullptr;
    QLineEdit* RepeatEdit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Check();
    QLabel* FNewLabel = nullptr;
    QLabel* FRepeatLabel = nullptr;
};

} // namespace zud::ui
