// "Datenbank prüfen" the user's way: on a practice server with personal logins the
// administrator opens the ribbon's "DB-Manager", presses the check button in it and reads the
// lines the window shows; the main window carries on afterwards.

#include "DemoRecordings.h"
#include "FirebirdServer.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "Ribbon.h"
#include "UiTestEnv.h"
#include "UserManagerWindow.h"
#include "ZudApplication.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using namespace zud;
using namespace zud::ui;

namespace {

// Logs in as the practice's administrator account, answers message boxes; in the database manager presses
// "Datenbank prüfen" once, keeps what the window then shows and closes it.
class Checker : public zud::test::ModalWatcher {
public:
    Checker() : ModalWatcher(20) {}
    QStringList boxes;
    QString output;
    bool pressed = false;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            box->done(QMessageBox::Ok);
        } else if (auto* login = qobject_cast<LoginDialog*>(w)) {
            login->UserEdit->setText(QStringLiteral("superuser"));
            login->PasswordEdit->setText(QStringLiteral("chef"));
            login->accept();
        } else if (auto* m = qobject_cast<UserManagerWindow*>(w); m && !pressed) {
            pressed = true;
            QTest::mouseClick(m->CheckButton, Qt::LeftButton);
            output = m->CheckOutput->isVisible() ? m->CheckOutput->toPlainText() : QString();
            m->reject();
        }
    }
};

void ClickRibbon(MainWindow& f, const QString& tab, const QString& action) {
    Ribbon* r = f.RibbonBar();
    const int index = r->indexOf(r->Tab(tab));
    QTest::mouseClick(r->tabBar(), Qt::LeftButton, {}, r->tabBar()->tabRect(index).center());
    for (RibbonButton* b : r->Tab(tab)->findChildren<RibbonButton*>()) {
        if (b->defaultAction() == f.Action(action)) {
            QVERIFY(b->isVisible() && b->isEnabled());
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    }
    QFAIL("no such button");
}

} // namespace

class DbCheckUiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-tests-lock"))); }

    void CheckFromTheDatabaseManagerNamesTheDamagedRecording() {
        const auto dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        zud::test::FirebirdServer server;
        const QString failed =
            server.Start(dir->filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        zud::test::WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("127.0.0.1"));
        zud::test::WriteMachine(QStringLiteral("RemoteServicePort3"), QString::number(server.Port()));
        zud::test::WriteMachine(QStringLiteral("UserControl"), QStringLiteral("1"));
        QVERIFY(PatientDatabase(DbLocation::FromSettings(Settings())).EnsureInstalled());
        PatientDatabase::CreateUser(DbLocation::FromSettings(Settings()), QString::fromLatin1(kAdminPassword),
                                    QStringLiteral("SUPERUSER"), QStringLiteral("chef"));
        Checker checker;
        MainWindow f;
        f.Create();
        f.show();
        QVERIFY(f.OpenDatabase());
        const qint64 patient = f.DM()->AddPatient([] {
            Patient p;
            p.Name = QStringLiteral("Groß");
            p.Vorname = QStringLiteral("Zofia");
            p.Geburtstag = QDate(1961, 5, 3);
            return p;
        }());
        const QByteArray sound = test::DemoRecording(1);
        QVERIFY(sound.size() > 300);
        f.DM()->InsertRecording(patient, QDate(2026, 2, 1), QTime(9, 0), sound, QStringLiteral("ZUD12"));
        // A recording cut short, as a crash in the middle of writing it could leave it.
        const qint64 cut = f.DM()->InsertRecording(patient, QDate(2026, 2, 2), QTime(9, 0),
                                                   sound.left(sound.size() - 50), QStringLiteral("ZUD12"));

        ClickRibbon(f, QStringLiteral("TabDaten"), QStringLiteral("user"));
        QTRY_VERIFY_WITH_TIMEOUT(checker.pressed, 10000);
        const QStringList lines = checker.output.split(QLatin1Char('\n'));
        QVERIFY2(lines.size() == 2, qPrintable(checker.output));
        QVERIFY2(lines[0].startsWith(QStringLiteral("Übung %1: ").arg(cut)), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains(QStringLiteral("abgeschnitten")), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QStringLiteral("Datenbank geprüft (Übungen: 2, Patienten: 1, ")),
                 qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(QStringLiteral("Probleme: 1.")), qPrintable(lines[1]));
        // The window logged in again and works on.
        QTRY_VERIFY(f.DM() && f.DM()->LoggedIn());
        QCOMPARE(f.DM()->ListRecordings(patient).size(), size_t(2));
        QVERIFY2(!checker.boxes.contains(QStringLiteral("Die Datenbank konnte nicht geprüft werden.")),
                 qPrintable(checker.boxes.join(QLatin1Char('|'))));
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    DbCheckUiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_dbcheck_ui.moc"
