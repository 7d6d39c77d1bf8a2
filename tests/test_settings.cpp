// Settings: defaults, read rules, the remembered login.

#include "QtPrinters.h"

#include "Login.h"
#include "Paths.h"
#include "PatientDatabase.h"
#include "Settings.h"
#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace zud;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        test::IsolateProgramFolders(dir);
    }
    void Machine(const QString& key, const QString& value) {
        QSettings m(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Brelk"),
                    QStringLiteral("ZUD"));
        m.setValue(key, value);
    }
    void User(const QString& key, const QString& value) {
        QSettings m(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brelk"),
                    QStringLiteral("ZUD"));
        m.setValue(key, value);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SettingsTest, DefaultsAndReadRules) {
    {
        Settings s;
        EXPECT_EQ(s.SQLServer3(), QStringLiteral("EMBEDDED"));
        EXPECT_EQ(s.RemoteServicePort3(), QStringLiteral("3052"));
        EXPECT_EQ(s.RemoteServicePort(), QStringLiteral("3050"));
        EXPECT_EQ(s.SQLCodePage3(), QStringLiteral("WIN1252"));
        EXPECT_EQ(DbLocation::FromSettings(s).codePage, QStringLiteral("WIN1252"));
        EXPECT_TRUE(s.SQLDir3().endsWith(QStringLiteral("/DB/")));
        EXPECT_FALSE(s.UserControl());
        EXPECT_EQ(s.Baudrate(), 460800);
        EXPECT_EQ(s.GridLinesX(), 20);
        EXPECT_EQ(s.GridLinesY(), 10);
        EXPECT_EQ(s.ShowLeftPanelWidth(), 350);
        EXPECT_TRUE(s.ShowAvgRealCurrent());
        EXPECT_TRUE(s.MoveConfirm());
        EXPECT_TRUE(s.LogIn());
        EXPECT_EQ(s.SortDate(), QStringLiteral("DESC"));
        EXPECT_EQ(s.SortTime(), QStringLiteral("ASC"));
        EXPECT_EQ(s.StatMaxExercisesPerDay(), 2);
    }
    Machine(QStringLiteral("UserControl"), QStringLiteral("7")); // any non-zero number
    Machine(QStringLiteral("SQLServer3"), QStringLiteral("none"));
    Machine(QStringLiteral("SQLCodePage3"), QStringLiteral(" win1250 "));
    User(QStringLiteral("Baudrate"), QStringLiteral("schnell")); // unreadable: default
    User(QStringLiteral("GridLinesX"), QStringLiteral(" 12 "));
    User(QStringLiteral("MoveConfirm"), QStringLiteral("0"));
    User(QStringLiteral("SortDate"), QStringLiteral("asc"));
    User(QStringLiteral("SortTime"), QStringLiteral("abwärts"));
    Settings s;
    EXPECT_TRUE(s.UserControl());
    EXPECT_EQ(s.SQLCodePage3(), QStringLiteral("WIN1250"));
    EXPECT_EQ(DbLocation::FromSettings(s).codePage, QStringLiteral("WIN1250"));
    EXPECT_EQ(s.Baudrate(), 460800);
    EXPECT_EQ(s.GridLinesX(), 12);
    EXPECT_FALSE(s.MoveConfirm());
    EXPECT_EQ(s.SortDate(), QStringLiteral("ASC"));
    EXPECT_EQ(s.SortTime(), QStringLiteral("ASC"));
    EXPECT_EQ(DbLocation::FromSettings(s).ConnectionString(),
              QStringLiteral("127.0.0.1/3052:") + s.SQLDir3() + QStringLiteral("ZUDData3.gdb"));

    // Integers go as decimal strings, booleans as "0"/"1".
    s.SetGridLinesY(4);
    s.SetAreaChart(true);
    s.SetSortTime(QStringLiteral("desc"));
    s.Sync();
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brelk"),
                  QStringLiteral("ZUD"));
    EXPECT_EQ(raw.value(QStringLiteral("GridLinesY")).toString(), QStringLiteral("4"));
    EXPECT_EQ(raw.value(QStringLiteral("AreaChart")).toString(), QStringLiteral("1"));
    EXPECT_EQ(raw.value(QStringLiteral("SortTime")).toString(), QStringLiteral("DESC"));
}

TEST_F(SettingsTest, RememberedLogin) {
    // The scrambled value: 51 bytes, not the text, and back again.
    const QByteArray stored = ScramblePassword(QStringLiteral("geheim"));
    EXPECT_EQ(stored.size(), 51);
    EXPECT_FALSE(stored.contains("geheim"));
    EXPECT_EQ(UnscramblePassword(stored), QStringLiteral("geheim"));
    EXPECT_EQ(UnscramblePassword(ScramblePassword(QString())), QString());
    EXPECT_EQ(UnscramblePassword(ScramblePassword(QString(60, QLatin1Char('x')))),
              QString(50, QLatin1Char('x')));
    EXPECT_EQ(UnscramblePassword(QByteArray("kaputt")), QString());

    Settings s;
    LoginStart l = PrepareLogin(s, false);
    EXPECT_FALSE(l.showDialog);
    EXPECT_EQ(l.password, QString::fromLatin1(kAdminPassword));

    l = PrepareLogin(s, true);
    EXPECT_TRUE(l.showDialog);
    EXPECT_TRUE(l.user.isEmpty());

    RememberLogin(s, QStringLiteral("anna"), QStringLiteral("it's"), true);
    {
        Settings again;
        l = PrepareLogin(again, true);
        EXPECT_FALSE(l.showDialog); // the remembered account is used without the dialog
        EXPECT_TRUE(l.alwaysUse);
        EXPECT_EQ(l.user, QStringLiteral("anna"));
        EXPECT_EQ(l.password, QStringLiteral("it's"));
    }
    // Only its owner may read the file with the remembered password.
    const auto perms = QFile::permissions(dir.filePath(QStringLiteral("user/Brelk/ZUD.conf")));
    EXPECT_TRUE(perms & QFileDevice::ReadOwner);
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));

    RememberLogin(s, QStringLiteral("anna"), QStringLiteral("pw"), false);
    l = PrepareLogin(Settings(), true);
    EXPECT_TRUE(l.showDialog);
    EXPECT_TRUE(l.user.isEmpty()); // the name is dropped when the dialog shows
    ForgetLogin(s);
    EXPECT_TRUE(Settings().Password().isEmpty());
    EXPECT_TRUE(Settings().LogIn());

    EXPECT_TRUE(IsSuperUser(QStringLiteral("superuser")));
    EXPECT_FALSE(IsSuperUser(QStringLiteral("sysdba")));
    EXPECT_EQ(StatusText(QStringLiteral("anna"), true), QStringLiteral("Benutzer: ANNA"));
    EXPECT_TRUE(StatusText(QStringLiteral("anna"), false).isEmpty());
}

TEST_F(SettingsTest, PasswordsAndAdministrator) {
    // Letters beyond Latin-1 survive the remembered login.
    const QString polish = QStringLiteral("Łódź-żółć");
    EXPECT_EQ(UnscramblePassword(ScramblePassword(polish)), polish);
    // Never more than 50 bytes, and never half a letter.
    const QString longPolish(40, QChar(0x0142)); // 80 bytes as UTF-8
    EXPECT_EQ(UnscramblePassword(ScramblePassword(longPolish)), QString(25, QChar(0x0142)));
    // What an earlier version stored as Latin-1 still reads.
    EXPECT_EQ(UnscramblePassword(ScramblePasswordBytes(QStringLiteral("Müller").toLatin1())),
              QStringLiteral("Müller"));
    Settings s;
    RememberLogin(s, QStringLiteral("anna"), polish, true);
    EXPECT_EQ(PrepareLogin(Settings(), true).password, polish);

    EXPECT_EQ(Settings().AdminPassword(), QString::fromLatin1(kAdminPassword));
    Machine(QStringLiteral("AdminPassword"), QStringLiteral("Praxis-Geheim"));
    EXPECT_EQ(Settings().AdminPassword(), QStringLiteral("Praxis-Geheim"));
}

TEST_F(SettingsTest, PrivateFolders) {
    const QString data = DataFolder();
    EXPECT_EQ(QFileInfo(data).permissions() & 0x0077, 0) << "group and others have no access";

    QTemporaryDir base;
    const QString usual = base.filePath(QStringLiteral("Brelk-%1").arg(::geteuid()));
    const QString first = MakeWorkFolder(base.path());
    EXPECT_EQ(first, usual + QLatin1Char('/'));
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(usual).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(MakeWorkFolder(base.path()), first); // a safe folder is used again

    // Too open: a fresh one instead.
    ::chmod(QFile::encodeName(usual).constData(), 0777);
    QString other = MakeWorkFolder(base.path());
    EXPECT_TRUE(other.startsWith(usual + QLatin1Char('-'))) << other.toStdString();
    ASSERT_EQ(::lstat(QFile::encodeName(other.chopped(1)).constData(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0700u);

    // A link in its place is never followed, even to a private folder.
    QDir(usual).removeRecursively();
    ASSERT_TRUE(QFile::link(other.chopped(1), usual));
    const QString third = MakeWorkFolder(base.path());
    EXPECT_NE(third, usual + QLatin1Char('/'));
    EXPECT_NE(third, other);

    // The program's own work folder empties silently.
    const QString work = WorkFolder();
    ASSERT_FALSE(work.isEmpty());
    // Names of this test's own: other programs share the work folder meanwhile.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QString junk = work + QStringLiteral("junk-%1.ini").arg(pid);
    const QString hidden = work + QStringLiteral(".junk-%1").arg(pid);
    for (const QString& name : {junk, hidden}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
    }
    EmptyWorkFolder();
    EXPECT_FALSE(QFile::exists(junk));
    EXPECT_FALSE(QFile::exists(hidden));
}
