#pragma once

// The remembered login of user control: what the login dialog starts with, and what a
// successful login or a logout leaves in the per-user settings.

#include <QString>

namespace zud {

class Settings;

struct LoginStart {
    QString user;
    QString password;
    bool alwaysUse = false; // the check box "Diesen Login immer benutzen"
    bool showDialog = true; // false: log in silently with the values above
};

// Without user control: the administrator, silently. With user control: the remembered
// account when it is to be used always, else an empty name and the dialog.
LoginStart PrepareLogin(const Settings& s, bool userControl);
// After a successful login with user control.
void RememberLogin(Settings& s, const QString& typedUser, const QString& password, bool alwaysUse);
// At logout: nothing is remembered any more.
void ForgetLogin(Settings& s);
// Only this account may manage the others.
bool IsSuperUser(const QString& user);
// The status bar's first panel.
QString StatusText(const QString& user, bool userControl);

} // namespace zud
