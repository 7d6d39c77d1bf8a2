#include "Login.h"

#include "PatientDatabase.h"
#include "Settings.h"

#include <QCoreApplication>

namespace zud {

LoginStart PrepareLogin(const Settings& s, bool userControl) {
    LoginStart l;
    if (!userControl) {
        l.user = QStringLiteral("sysdba");
        l.password = s.AdminPassword();
        l.showDialog = false;
        return l;
    }
    const bool logIn = s.LogIn();
    l.alwaysUse = !logIn;
    l.user = logIn ? QString() : s.User();
    if (!logIn) {
        l.password = s.Password();
    }
    l.showDialog = logIn;
    return l;
}

void RememberLogin(Settings& s, const QString& typedUser, const QString& password, bool alwaysUse) {
    s.SetUser(typedUser);
    s.SetLogIn(!alwaysUse);
    s.SetPassword(password.left(50));
    s.Sync();
}

void ForgetLogin(Settings& s) {
    s.SetUser(QString());
    s.SetLogIn(true);
    s.SetPassword(QString());
    s.Sync();
}

bool IsSuperUser(const QString& user) {
    return user.toUpper() == QLatin1String("SUPERUSER");
}

QString StatusText(const QString& user, bool userControl) {
    return userControl ? QStringLiteral("%1: %2").arg(QCoreApplication::translate("Login", "Benutzer"),
                                                      user.toUpper())
                       : QString();
}

} // namespace zud
