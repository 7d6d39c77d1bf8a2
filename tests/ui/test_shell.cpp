// The windows of the shell on the offscreen platform, against real Firebird databases.

#include "FirebirdServer.h"
#include "UiTestEnv.h"
#if defined(ZUD_HAVE_I18N)
#include "Localizer.h"
#endif
#include "Login.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "MoveRecordingDialog.h"
#include "Paths.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "Ribbon.h"
#include "Settings.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "UserManagerWindow.h"
#include "ZudApplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <QtTest>

using namespace zud;
using namespace zud::ui;
using zud::test::WriteMachine;
using zud::test::WriteUser;

namespace {

// Answers every modal box and login dialog that opens: message boxes with their default
// button, the login dialog with `loginAnswer` (OK after filling `user`/`password`, or cancel).
class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(20, parent) {}
    QStringList boxes;
    int logins = 0;
    bool acceptLogin = false;
    int acceptAtMost = 1000; // later dialogs are cancelled
    QString user, password;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            box->done(box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok);
        } else if (auto* login = qobject_cast<LoginDialog*>(w)) {
            ++logins;
            if (acceptLogin && logins <= acceptAtMost) {
                login->UserEdit->setText(user);
                login->PasswordEdit->setText(password);
                login->accept();
            } else {
                login->reject();
            }
        }
    }
};

// The user's click on a ribbon button: its tab first, then the button.
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

// True when a row of the model shows `text` in some column.
bool Shows(const QAbstractItemModel* m, const QString& text) {
    for (int r = 0; r < m->rowCount(); ++r) {
        for (int c = 0; c < m->columnCount(); ++c) {
            if (m->index(r, c).data().toString() == text)
                return true;
        }
    }
    return false;
}

QStringList ExchangeNames() {
    return {QStringLiteral("Export"), QStringLiteral("Import"), QStringLiteral("Rohdaten"),
            QStringLiteral("Backup"), QStringLiteral("Restore")};
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    zud::test::FirebirdServer server;

    void Fresh() {
        server.Stop();
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
    }

    // A private server on a free loopback port, named in the machine settings.
    void StartServer() {
        const QString failed =
            server.Start(dir->filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("127.0.0.1"));
        WriteMachine(QStringLiteral("RemoteServicePort3"), QString::number(server.Port()));
        DbLocation loc = DbLocation::FromSettings(Settings());
        PatientDatabase dm(loc);
        QVERIFY(dm.EnsureInstalled());
    }

    DbLocation Location() const { return DbLocation::FromSettings(Settings()); }

private slots:
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-tests-lock"))); }
    void init() { Fresh(); }
    void cleanup() { server.Stop(); }

    void RibbonTipCarriesDisabledHeader() {
        SetDisabledHeader(QStringLiteral("Dieser Befehl ist deaktiviert."));
        Ribbon r;
        QWidget* tab = r.AddTab(QStringLiteral("T"), QStringLiteral("Allgemein"));
        RibbonGroup* g = r.AddGroup(tab, QStringLiteral("G"), QStringLiteral("Gruppe"));
        QAction a(QStringLiteral("&Programmieren"));
        a.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
        RibbonButton* b = g->AddLarge(&a);
        QVERIFY(!b->toolTip().startsWith(QStringLiteral("Dieser Befehl")));
        QVERIFY(b->toolTip().startsWith(QStringLiteral("Programmieren")));
        QVERIFY(b->toolTip().contains(QStringLiteral("Ctrl+P")));
        a.setEnabled(false);
        QVERIFY(b->toolTip().startsWith(QStringLiteral("Dieser Befehl ist deaktiviert.\nProgrammieren")));
        a.setEnabled(true);
        QVERIFY(!b->toolTip().contains(QStringLiteral("deaktiviert")));
        // A new header reaches the tips at the next update.
        SetDisabledHeader(QStringLiteral("This command is disabled."));
        a.setEnabled(false);
        r.UpdateTips();
        QVERIFY(b->toolTip().startsWith(QStringLiteral("This command is disabled.")));
        SetDisabledHeader(QStringLiteral("Dieser Befehl ist deaktiviert."));
    }

    void RibbonGroupsTabsAndCheckables() {
        Ribbon r;
        QWidget* t1 = r.AddTab(QStringLiteral("T1"), QStringLiteral("Allgemein"));
        QWidget* t2 = r.AddTab(QStringLiteral("T2"), QStringLiteral("Daten"));
        RibbonGroup* g = r.AddGroup(t1, QStringLiteral("G1"), QStringLiteral("Eins"));
        r.AddGroup(t2, QStringLiteral("G2"), QStringLiteral("Zwei"));
        QAction a1(QStringLiteral("A")), a2(QStringLiteral("B")), a3(QStringLiteral("C"));
        a2.setCheckable(true);
        g->AddLarge(&a1);
        RibbonButton* b2 = g->AddSmall(&a2);
        g->AddSeparator();
        g->AddSmall(&a3);
        QCOMPARE(g->Count(), 4);
        QVERIFY(b2->isCheckable());
        b2->click();
        QVERIFY(a2.isChecked());
        b2->click();
        QVERIFY(!a2.isChecked());
        g->SetActionsEnabled(false);
        QVERIFY(!a1.isEnabled() && !a2.isEnabled() && !a3.isEnabled());
        g->RemoveFrom(2);
        QCOMPARE(g->Count(), 2);
        QCOMPARE(g->Buttons().size(), 2);
        r.SetTabVisible(QStringLiteral("T2"), false);
        QVERIFY(!r.isTabVisible(1));
        r.SetTabEnabled(QStringLiteral("T1"), false);
        QVERIFY(!r.isTabEnabled(0));
        QCOMPARE(r.Group(QStringLiteral("G1")), g);
        QCOMPARE(r.Tab(QStringLiteral("T2")), t2);
    }

    void VersionLabelHasItsWidths() {
        QCOMPARE(VersionLabel(1, 0, 1), QStringLiteral("1.00.001"));
        QCOMPARE(VersionLabel(2, 13, 120), QStringLiteral("2.13.120"));
    }

    void RemoteFlag() {
        const QString host = QStringLiteral("Praxis-PC");
        QVERIFY(!IsRemoteServer(QStringLiteral("praxis-pc"), host));
        QVERIFY(!IsRemoteServer(QStringLiteral("localhost"), host));
        QVERIFY(!IsRemoteServer(QStringLiteral("none"), host));
        QVERIFY(!IsRemoteServer(QStringLiteral(""), host));
        QVERIFY(!IsRemoteServer(QStringLiteral("127.0.0.1"), host));
        QVERIFY(!IsRemoteServer(QStringLiteral("EMBEDDED"), host));
        QVERIFY(IsRemoteServer(QStringLiteral("server"), host));
        QVERIFY(IsRemoteServer(QStringLiteral("192.168.1.5"), host));
    }

    void CheckUpdateDefaultFollowsRemoteFlag() {
        WriteMachine(QStringLiteral("SQLServer3"), QHostInfo::localHostName().toLower());
        {
            MainWindow f;
            f.Create();
            QVERIFY(!f.RemoteDatabase());
            QVERIFY(f.CheckUpdateOn());
            QVERIFY(f.Action(QStringLiteral("Update"))->isEnabled());
        }
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("fileserver"));
        {
            MainWindow f;
            f.Create();
            QVERIFY(f.RemoteDatabase());
            QVERIFY(!f.CheckUpdateOn());
            QVERIFY(!f.Action(QStringLiteral("Update"))->isEnabled());
            QVERIFY(!f.Action(QStringLiteral("Backup"))->isEnabled());
        }
        // An explicit value wins over the default, in both directions.
        WriteUser(QStringLiteral("CheckUpdate"), QStringLiteral("1"));
        {
            MainWindow f;
            f.Create();
            QVERIFY(f.CheckUpdateOn());
            QVERIFY(f.Action(QStringLiteral("Update"))->isEnabled());
        }
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("EMBEDDED"));
        WriteUser(QStringLiteral("CheckUpdate"), QStringLiteral("0"));
        {
            MainWindow f;
            f.Create();
            QVERIFY(!f.CheckUpdateOn());
        }
    }

    void PortOptionDoesNotChangeStoredPort() {
        WriteUser(QStringLiteral("Port"), QStringLiteral("/dev/ttyUSB0"));
        MainWindow f;
        f.Create(QStringLiteral("/tmp/link"));
        QCOMPARE(f.Device()->ComPort, QStringLiteral("/tmp/link"));
        QCOMPARE(f.Config().Port(), QStringLiteral("/dev/ttyUSB0"));
    }

    void PortListLabelsFiltersAndRemembers() {
        struct Fed : PortDiscovery {
            QList<PortInfo> Ports() override {
                return {{QStringLiteral("/dev/ttyS10"), QString(), false},
                        {QStringLiteral("/dev/ttyUSB0"), QString::fromLatin1(kKabelBeschreibung), false},
                        {QStringLiteral("/dev/ttyS9"), QString(), false}};
            }
            QList<BluetoothDevice> Bluetooth(std::chrono::milliseconds) override { return {}; }
        };
        auto captions = [](MainWindow& f) {
            QStringList out;
            for (QAction* a : f.PortMenu()->actions())
                out << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
            return out;
        };
        WriteUser(QStringLiteral("Port"), QStringLiteral("0")); // a number stored by an older version
        {
            MainWindow f;
            f.Create(QStringLiteral("/tmp/zud-link"));
            f.SetPortDiscovery(std::make_unique<Fed>());
            f.RefreshPorts();
            // Only the cable and the port of this run are listed.
            QCOMPARE(captions(f), (QStringList{QStringLiteral("QAL-USB Kabel - /dev/ttyUSB0"),
                                               QStringLiteral("/tmp/zud-link *")}));
            QCOMPARE(f.PortBox()->currentText(), QStringLiteral("/tmp/zud-link"));
            // Choosing a port stores it and closes the link; the next exchange opens the new one.
            f.Device()->ComOpen = true;
            f.PortMenu()->actions().at(0)->trigger();
            QVERIFY(!f.Device()->ComOpen);
            QCOMPARE(f.Device()->ComPort, QStringLiteral("/dev/ttyUSB0"));
            QCOMPARE(f.Config().Port(), QStringLiteral("/dev/ttyUSB0"));
            QCOMPARE(captions(f).at(0), QStringLiteral("QAL-USB Kabel - /dev/ttyUSB0 *"));
            // Ctrl and Alt held while refreshing: all ports, in numeric order, from now on.
            QTest::keyPress(&f, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
            QVERIFY(f.ServiceFlag());
            f.RefreshPorts();
            QCOMPARE(
                captions(f),
                (QStringList{QStringLiteral("/dev/ttyUSB0 *").prepend(QStringLiteral("QAL-USB Kabel - ")),
                             QStringLiteral("/dev/ttyS9"), QStringLiteral("/dev/ttyS10"),
                             QStringLiteral("/tmp/zud-link")}));
        }
        MainWindow again;
        again.Create();
        again.SetPortDiscovery(std::make_unique<Fed>());
        again.RefreshPorts();
        QVERIFY(again.Config().AllPorts());
        QCOMPARE(again.PortMenu()->actions().size(), 3);
    }

    // The port box shows the configured port although discovery does not list it, marked as not
    // found, and takes a path or a device name typed into it.
    void PortBoxShowsTheConfiguredPortAndTakesATypedOne() {
        struct Fed : PortDiscovery {
            QList<PortInfo> Ports() override {
                return {{QStringLiteral("/dev/ttyUSB0"), QString::fromLatin1(kKabelBeschreibung), false}};
            }
            QList<BluetoothDevice> Bluetooth(std::chrono::milliseconds) override { return {}; }
        };
        Answerer answer;
        WriteUser(QStringLiteral("Port"), QStringLiteral("/dev/rfcomm7")); // bound later, or unplugged
        MainWindow f;
        f.Create();
        f.SetPortDiscovery(std::make_unique<Fed>());
        f.resize(1280, 800);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QComboBox* box = f.PortBox();
        QCOMPARE(f.Device()->ComPort, QStringLiteral("/dev/rfcomm7"));
        QCOMPARE(box->currentText(), QStringLiteral("/dev/rfcomm7 (nicht gefunden)"));
        // The cable stays in the menu; the configured port is not stored anew by being shown.
        QCOMPARE(f.PortMenu()->actions().size(), 1);
        QCOMPARE(f.Config().Port(), QStringLiteral("/dev/rfcomm7"));

        for (int t = 0; t < f.RibbonBar()->count(); ++t)
            if (f.RibbonBar()->widget(t)->objectName() == QLatin1String("TabAnschluss"))
                f.RibbonBar()->setCurrentIndex(t);
        QCoreApplication::processEvents();
        QVERIFY(box->isVisible());
        const auto type = [box](const QString& text) {
            QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
            QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
            QTest::keyClicks(box->lineEdit(), text);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        };
        // A path that is there: used and stored as it is.
        QTemporaryDir there;
        const QString link = there.filePath(QStringLiteral("zud-link"));
        QFile l(link);
        QVERIFY(l.open(QIODevice::WriteOnly));
        l.close();
        f.Device()->ComOpen = true;
        type(link);
        QCOMPARE(f.Device()->ComPort, link);
        QCOMPARE(f.Config().Port(), link);
        QVERIFY(!f.Device()->ComOpen); // the next exchange opens the new port
        QCOMPARE(box->currentText(), link);
        // A bare device name lies below /dev; not there, it is marked so.
        type(QStringLiteral("rfcomm3"));
        QCOMPARE(f.Config().Port(), QStringLiteral("/dev/rfcomm3"));
        QCOMPARE(box->currentText(), QStringLiteral("/dev/rfcomm3 (nicht gefunden)"));
        // The cable's caption typed chooses the cable; an emptied box shows the port in use again.
        type(QStringLiteral("QAL-USB Kabel - /dev/ttyUSB0"));
        QCOMPARE(f.Config().Port(), QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(f.PortMenu()->actions().at(0)->isChecked());
        type(QString());
        QCOMPARE(box->currentText(), QStringLiteral("QAL-USB Kabel - /dev/ttyUSB0"));
        QCOMPARE(f.Config().Port(), QStringLiteral("/dev/ttyUSB0"));
        // Nothing typed went into the list as an entry of its own twice.
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items.count(QStringLiteral("/dev/rfcomm3 (nicht gefunden)")), 1);
        QCOMPARE(items.count(QStringLiteral("QAL-USB Kabel - /dev/ttyUSB0")), 1);
    }

    void SilentLoginWithoutUserControlEmbedded() {
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(answer.logins, 0);
        QVERIFY(answer.boxes.isEmpty());
        QCOMPARE(f.StatusUserText(), QString());
        // The separator and the four login commands are gone from "Daten".
        RibbonGroup* g = f.RibbonBar()->Group(QStringLiteral("GroupDaten"));
        QCOMPARE(g->Count(), 7);
        for (RibbonButton* b : g->Buttons())
            QVERIFY(b->defaultAction()->objectName() != QStringLiteral("Login"));
        QVERIFY(f.RibbonBar()->Group(QStringLiteral("GroupPatienten"))->isEnabled());
        QVERIFY(QFile::exists(Location().FilePath()));
    }

    // The splash stands while the program starts and goes as soon as the main window is shown
    // and has drawn itself, not seconds later on top of a usable window.
    void SplashGoesWhenTheWindowIsUsable() {
        Answerer answer;
        SplashScreen splash;
        splash.show();
        MainWindow f;
        f.SetSplash(&splash);
        f.Create();
        QVERIFY(f.OpenDatabase());
        QVERIFY(splash.isVisible()); // still starting
        f.show();
        // Well before the login's two-second fallback.
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 400);
    }

    // A workstation pointing at a server that cannot be reached says so at start, with the
    // server's name and port, and does not start.
    void AnUnreachableServerIsNamedAtStart() {
        quint16 closed = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            closed = probe.serverPort();
        }
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("localhost"));
        WriteMachine(QStringLiteral("RemoteServicePort3"), QString::number(closed));
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(!f.OpenDatabase());
        QCOMPARE(answer.boxes.size(), 1);
        const QString want =
            QStringLiteral("Fehler beim Öffnen der Datenbank. (Der Datenbankserver „localhost“ "
                           "(Port %1) ist nicht erreichbar.")
                .arg(closed);
        QVERIFY2(answer.boxes.front().startsWith(want), qPrintable(answer.boxes.front()));
    }

    void LogoutLoginRestoresExactlyTheEnabledExchangeActions() {
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.Action(QStringLiteral("Export"))->setEnabled(true);
        f.Action(QStringLiteral("Import"))->setEnabled(false);
        f.Action(QStringLiteral("Rohdaten"))->setEnabled(true);
        f.Action(QStringLiteral("Backup"))->setEnabled(false);
        f.Action(QStringLiteral("Restore"))->setEnabled(true);
        f.DoLogout();
        QVERIFY(!f.DM()->LoggedIn());
        for (const QString& n : ExchangeNames())
            QVERIFY2(!f.Action(n)->isEnabled(), qPrintable(n));
        // Without user control the login commands are not there at all.
        QVERIFY(!f.Action(QStringLiteral("Login"))->isVisible());
        QVERIFY(!f.RibbonBar()->Group(QStringLiteral("GroupPatienten"))->isEnabled());
        QVERIFY(!f.RibbonBar()->Group(QStringLiteral("GroupKommunikation"))->isEnabled());
        QVERIFY(f.DoLogin());
        QVERIFY(f.Action(QStringLiteral("Export"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("Import"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("Rohdaten"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("Backup"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("Restore"))->isEnabled());
        // A second round trip does not resurrect what was restored the first time.
        f.Action(QStringLiteral("Export"))->setEnabled(false);
        f.DoLogout();
        QVERIFY(f.DoLogin());
        QVERIFY(!f.Action(QStringLiteral("Export"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("Rohdaten"))->isEnabled());
    }

    void UserControlOnServerRemembersAndRepairsRole() {
        StartServer();
        WriteMachine(QStringLiteral("UserControl"), QStringLiteral("1"));
        // An account without the role: the login grants it once with the administrator.
        {
            auto c =
                db::Connection::Attach({Location().ConnectionString(), QStringLiteral("SYSDBA"),
                                        QString::fromLatin1(kAdminPassword), QStringLiteral("RDB$ADMIN")});
            c->Exec(QStringLiteral("CREATE USER anna password 'geheim1'"));
            c->Commit();
        }
        Answerer answer;
        answer.acceptLogin = true;
        answer.user = QStringLiteral("anna"); // typed in lower case
        answer.password = QStringLiteral("geheim1");
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        QCOMPARE(answer.logins, 1);
        QCOMPARE(f.StatusUserText(), QStringLiteral("Benutzer: ANNA"));
        QVERIFY(f.Action(QStringLiteral("Logout"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("ChangePW"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("user"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("Login"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("Login"))->isVisible());
        QCOMPARE(f.RibbonBar()->Group(QStringLiteral("GroupDaten"))->Count(), 12);
        QVERIFY(answer.boxes.isEmpty());
    }

    void RememberedLoginNeedsNoDialogAndSuperUserGetsManager() {
        StartServer();
        WriteMachine(QStringLiteral("UserControl"), QStringLiteral("1"));
        PatientDatabase::CreateUser(Location(), QString::fromLatin1(kAdminPassword),
                                    QStringLiteral("SUPERUSER"), QStringLiteral("chef"));
        Settings s;
        RememberLogin(s, QStringLiteral("superuser"), QStringLiteral("chef"), true);
        s.Sync();
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        QCOMPARE(answer.logins, 0);
        QVERIFY(f.Action(QStringLiteral("user"))->isEnabled());
        QCOMPARE(f.StatusUserText(), QStringLiteral("Benutzer: SUPERUSER"));
        // Logout forgets the remembered account: the next start asks.
        f.DoLogout();
        QVERIFY(!f.Action(QStringLiteral("user"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("ChangePW"))->isEnabled());
        QVERIFY(PrepareLogin(Settings(), true).showDialog);
    }

    void WrongPasswordShowsErrorAndAsksAgain() {
        StartServer();
        WriteMachine(QStringLiteral("UserControl"), QStringLiteral("1"));
        PatientDatabase::CreateUser(Location(), QString::fromLatin1(kAdminPassword), QStringLiteral("BERT"),
                                    QStringLiteral("richtig"));
        Answerer answer;
        answer.acceptLogin = true;
        answer.user = QStringLiteral("bert");
        answer.password = QStringLiteral("falsch");
        MainWindow f;
        f.Create();
        // First attempt fails; the dialog comes back, this time it is cancelled.
        answer.acceptAtMost = 1;
        QVERIFY(!f.OpenDatabase());
        QCOMPARE(answer.logins, 2);
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY(answer.boxes.first().startsWith(QStringLiteral("Fehler beim Öffnen der Datenbank. (")));
        QVERIFY(!f.DM()->LoggedIn());
        QFile log(LogFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(!log.readAll().isEmpty());
    }

    // The practice server was killed and started again: the same window carries on after
    // "Erneut verbinden", without a restart, and shows what another workstation stored meanwhile.
    void AServerThatWentAwayIsConnectedAgainWithoutARestart() {
        StartServer();
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString named = QStringLiteral("„127.0.0.1“ (Port %1)").arg(server.Port());

        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
        server.Kill();
        ClickRibbon(f, QStringLiteral("TabAllgemein"), QStringLiteral("Verbinden"));
        QTRY_VERIFY(!answer.boxes.isEmpty());
        QVERIFY2(answer.boxes.size() == 1, qPrintable(answer.boxes.join(QLatin1Char('|'))));
        QVERIFY2(answer.boxes.last().startsWith(QStringLiteral("Der Datenbankserver ") + named +
                                                QStringLiteral(" ist nicht erreichbar.")),
                 qPrintable(answer.boxes.last()));
        QVERIFY(f.DM()->LoggedIn());

        const QString failed = server.Restart();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        {
            PatientDatabase other(Location());
            other.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
            Patient p;
            p.Name = QStringLiteral("Zurück");
            p.Vorname = QStringLiteral("Zora");
            p.Geburtstag = QDate(1977, 7, 7);
            other.AddPatient(p);
        }
        QVERIFY(!Shows(f.PatientListModel(), QStringLiteral("Zurück")));
        ClickRibbon(f, QStringLiteral("TabAllgemein"), QStringLiteral("Verbinden"));
        QTRY_COMPARE(answer.boxes.size(), 2);
        QCOMPARE(answer.boxes.last(), QStringLiteral("Die Verbindung zum Datenbankserver steht wieder."));
        QVERIFY(Shows(f.PatientListModel(), QStringLiteral("Zurück")));
    }

    void UnreachableServerEndsStartWithMessageAndLogLine() {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close(); // nobody listens there now
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("127.0.0.1"));
        WriteMachine(QStringLiteral("RemoteServicePort3"), QString::number(port));
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(!f.OpenDatabase());
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY(answer.boxes.first().startsWith(QStringLiteral("Fehler beim Öffnen der Datenbank. (")));
        QFile log(LogFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(!text.trimmed().isEmpty());
        // The logged message is the one in the box.
        const QString inner =
            answer.boxes.first().mid(QStringLiteral("Fehler beim Öffnen der Datenbank. (").size());
        QVERIFY(text.contains(inner.left(20)));
    }

    void EmbeddedWithUserControlSaysServerIsNeeded() {
        WriteMachine(QStringLiteral("UserControl"), QStringLiteral("1"));
        Answerer answer;
        answer.acceptLogin = true;
        answer.user = QStringLiteral("sysdba");
        answer.password = QStringLiteral("x");
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        QVERIFY(!answer.boxes.isEmpty());
        QVERIFY(answer.boxes.first().contains(QStringLiteral("Datenbankserver")));
    }

    void NewPasswordOkRule() {
        NewPasswordDialog d;
        d.show();
        QVERIFY(!d.OkButton->isEnabled());
        d.NewEdit->setText(QStringLiteral("abc"));
        QVERIFY(!d.OkButton->isEnabled());
        d.RepeatEdit->setText(QStringLiteral("ab"));
        QVERIFY(!d.OkButton->isEnabled());
        d.RepeatEdit->setText(QStringLiteral("abc"));
        QVERIFY(d.OkButton->isEnabled());
        d.NewEdit->setText(QStringLiteral("abcd"));
        QVERIFY(!d.OkButton->isEnabled());
        d.NewEdit->clear();
        d.RepeatEdit->clear();
        QVERIFY(!d.OkButton->isEnabled()); // equal but empty
        d.hide();
        d.NewEdit->setText(QStringLiteral("x"));
        d.RepeatEdit->setText(QStringLiteral("x"));
        d.show();
        QVERIFY(d.NewEdit->text().isEmpty() && d.RepeatEdit->text().isEmpty());
        QVERIFY(!d.OkButton->isEnabled());
    }

    // The button rows of the small dialogs: both buttons at the right edge in the dialog's order,
    // which is also the tab order; the accept button is the default and accepts, the other rejects.
    void DialogButtonRows() {
        LoginDialog login;
        NewPasswordDialog password;
        MoveRecordingDialog move;
        struct Row {
            QDialog* dialog;
            QPushButton* first;
            QPushButton* second;
            QPushButton* accept;
            QWidget* before; // the widget the tab comes from onto the first button
        };
        const Row rows[] = {
            {&login, login.OkButton, login.CancelButton, login.OkButton, login.AlwaysUse},
            {&password, password.OkButton, password.CancelButton, password.OkButton, password.RepeatEdit},
            {&move, move.Abbrechen, move.Verschieben, move.Verschieben, move.NichtMehrAnzeigen}};
        for (const Row& r : rows) {
            QPushButton* reject = r.accept == r.first ? r.second : r.first;
            r.dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(r.dialog));
            QVERIFY(r.accept->isDefault());
            QVERIFY(!reject->isDefault());
            QCOMPARE(r.before->nextInFocusChain(), r.first);
            QCOMPARE(r.first->nextInFocusChain(), r.second);
            QVERIFY(r.first->geometry().right() < r.second->geometry().left());
            // Right-aligned: nothing but the layout's margins and spacing beside the two buttons.
            QVERIFY(r.dialog->width() - r.second->geometry().right() < 30);
            QVERIFY(r.first->geometry().left() >
                    r.dialog->width() - r.first->width() - r.second->width() - 60);
            QVERIFY(r.first->parentWidget() == r.dialog && r.second->parentWidget() == r.dialog);
            reject->click();
            QCOMPARE(r.dialog->result(), int(QDialog::Rejected));
            QVERIFY(!r.dialog->isVisible());
            r.dialog->show();
            if (r.dialog == &password) {
                password.NewEdit->setText(QStringLiteral("abc"));
                password.RepeatEdit->setText(QStringLiteral("abc"));
            }
            r.accept->click();
            QCOMPARE(r.dialog->result(), int(QDialog::Accepted));
            QVERIFY(!r.dialog->isVisible());
        }
        QCOMPARE(login.OkButton->text(), QStringLiteral("OK"));
        QCOMPARE(login.CancelButton->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(move.Verschieben->text(), QStringLiteral("Verschieben"));
    }

    void ChangePasswordLogsOutAndNewPasswordWorks() {
        StartServer();
        WriteMachine(QStringLiteral("UserControl"), QStringLiteral("1"));
        PatientDatabase::CreateUser(Location(), QString::fromLatin1(kAdminPassword), QStringLiteral("CARLA"),
                                    QStringLiteral("alt123"));
        Answerer answer;
        answer.acceptLogin = true;
        answer.user = QStringLiteral("carla");
        answer.password = QStringLiteral("alt123");
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        QTimer::singleShot(100, &f, [&] {
            f.NewPWDialog()->NewEdit->setText(QStringLiteral("neu456"));
            f.NewPWDialog()->RepeatEdit->setText(QStringLiteral("neu456"));
            f.NewPWDialog()->OkButton->click();
        });
        f.DoChangePassword();
        QVERIFY(!f.DM()->LoggedIn());
        QVERIFY(answer.boxes.isEmpty());
        PatientDatabase dm(Location());
        QVERIFY_THROWS_EXCEPTION(db::DbError, dm.Login(QStringLiteral("carla"), QStringLiteral("alt123")));
        dm.Login(QStringLiteral("carla"), QStringLiteral("neu456"));
        QVERIFY(dm.LoggedIn());
    }

    void UserManagerModes() {
        UserManagerWindow m;
        QVERIFY(m.ModeAdd->isChecked());
        QVERIFY(!m.ActionButton->isEnabled());
        QVERIFY(!m.List->isEnabled());
        QCOMPARE(m.ActionButton->text(), QStringLiteral("Benutzer hinzufügen"));
        m.NameEdit->setText(QStringLiteral("dora"));
        QVERIFY(!m.ActionButton->isEnabled());
        m.PasswordEdit->setText(QStringLiteral("pw"));
        QVERIFY(m.ActionButton->isEnabled());
        m.ModeChange->click();
        QCOMPARE(m.ActionButton->text(), QStringLiteral("Passwort ändern"));
        QVERIFY(m.NameEdit->text().isEmpty() && m.PasswordEdit->text().isEmpty());
        QVERIFY(!m.ActionButton->isEnabled());
        QVERIFY(!m.NameEdit->isEnabled());
        QVERIFY(m.List->isEnabled());
        m.ModeDelete->click();
        QCOMPARE(m.ActionButton->text(), QStringLiteral("Benutzer löschen"));
        QVERIFY(!m.PasswordEdit->isEnabled());
        m.NameEdit->setText(QStringLiteral("dora"));
        QVERIFY(m.ActionButton->isEnabled());
    }

    void UserManagerAgainstServer() {
        StartServer();
        Answerer answer;
        UserManagerWindow m;
        m.SetLocation(Location(), QString::fromLatin1(kAdminPassword));
        m.Reload();
        QVERIFY(m.List->count() == 0);
        m.NameEdit->setText(QStringLiteral("EMIL"));
        m.PasswordEdit->setText(QStringLiteral("pw1"));
        QVERIFY(m.RunAction());
        QCOMPARE(m.List->count(), 1);
        QCOMPARE(m.List->item(0)->text(), QStringLiteral("EMIL"));
        m.show();
        QTest::qWait(50);
        QVERIFY(m.NameEdit->text().isEmpty());
        // The new account can log in with the role.
        {
            PatientDatabase dm(Location());
            dm.Login(QStringLiteral("emil"), QStringLiteral("pw1"));
        }
        // Adding it again fails with the server's reason.
        m.NameEdit->setText(QStringLiteral("EMIL"));
        m.PasswordEdit->setText(QStringLiteral("pw1"));
        QVERIFY(!m.RunAction());
        QVERIFY(m.LastMessage.startsWith(QStringLiteral("Aktion fehlgeschlagen (")));
        m.ModeDelete->click();
        m.NameEdit->setText(QStringLiteral("EMIL"));
        QVERIFY(m.RunAction());
        QCOMPARE(m.List->count(), 0);
        // A wrong administrator password: the login fails.
        m.SetLocation(Location(), QStringLiteral("wrong"));
        m.ModeAdd->click();
        m.NameEdit->setText(QStringLiteral("FRIDA"));
        m.PasswordEdit->setText(QStringLiteral("pw"));
        answer.boxes.clear();
        QVERIFY(!m.RunAction());
        QCOMPARE(m.LastMessage, QStringLiteral("Datenbank-Login fehlgeschlagen"));
        // Said once, not again by the list that cannot be read either.
        QCOMPARE(answer.boxes, QStringList{QStringLiteral("Datenbank-Login fehlgeschlagen")});
    }

    void ClosingRefusedDuringLiveMode() {
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        f.BeginLiveMode();
        QVERIFY(!f.Action(QStringLiteral("Beenden"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("EZStop"))->isEnabled());
        QVERIFY(!f.RibbonBar()->Group(QStringLiteral("GroupPatienten"))->isEnabled());
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        f.EndLiveMode();
        QVERIFY(f.Action(QStringLiteral("Beenden"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("EZStop"))->isEnabled());
        QVERIFY(f.close());
    }

    void CloseWritesPanelStateAndEmptiesWorkFolder() {
        Answerer answer;
        // A name of this test's own: other programs share the work folder meanwhile.
        const QString junkPath =
            WorkFolder() + QStringLiteral("junk-%1.ini").arg(QCoreApplication::applicationPid());
        QFile junk(junkPath);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("x");
        junk.close();
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        QVERIFY(!f.LeftPanelShown());
        f.Action(QStringLiteral("LeftPanel"))->trigger();
        QVERIFY(f.LeftPanelShown());
        QCOMPARE(f.Action(QStringLiteral("LeftPanel"))->text(),
                 QStringLiteral("Patienten/Übungen verbergen"));
        QVERIFY(f.close());
        QVERIFY(Settings().ShowLeftPanel());
        QVERIFY(!QFile::exists(junkPath));
    }

    void ServiceFlagFollowsCtrlAlt() {
        MainWindow f;
        f.Create();
        f.show();
        QTest::keyPress(&f, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(f.ServiceFlag());
        QTest::keyRelease(&f, Qt::Key_Alt, Qt::ControlModifier);
        QVERIFY(!f.ServiceFlag());
        QTest::keyPress(&f, Qt::Key_Control, Qt::ControlModifier);
        QVERIFY(!f.ServiceFlag());

        // A shortcut moved the focus to another window, which got the release: the keys are up,
        // so the next "Aktualisieren" must not store AllPorts.
        QWidget other;
        other.show();
        QTest::keyPress(&f, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(f.ServiceFlag());
        QTest::keyRelease(&other, Qt::Key_Alt, Qt::NoModifier);
        QVERIFY(!f.ServiceKeysHeld());
        f.Action(QStringLiteral("Aktualisieren"))->trigger();
        QVERIFY(!Settings().AllPorts());
    }

    void ScreenTipsFollowTheSetting() {
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 2000);
        QWidget w;
        w.setToolTip(QStringLiteral("Hilfe"));
        w.resize(100, 40);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto ask = [&w] {
            QToolTip::hideText(); // hides after a short fade-out
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
                return QStringLiteral("still shown");
            QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), w.mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(&w, &e);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(ask(), QStringLiteral("Hilfe"));
        WriteUser(QStringLiteral("ShowScreenTips"), QStringLiteral("0"));
        QCOMPARE(ask(), QString());
        WriteUser(QStringLiteral("ShowScreenTips"), QStringLiteral("1"));
        QCOMPARE(ask(), QStringLiteral("Hilfe"));
        QToolTip::hideText();
    }

    // Every ribbon caption and list header stands whole in every language at 1280 × 800: no
    // button squeezed below the width its caption needs, no header narrower than its caption.
    // The user's settings file as the previous version wrote it (its window classes had other
    // names; the keys did not change): a program of today reads every value of it.
    void SettingsOfThePreviousVersionStillLoad() {
        QWidget sized;
        sized.resize(1300, 900);
        const QString userDir = dir->filePath(QStringLiteral("user/Brelk"));
        QVERIFY(QDir().mkpath(userDir));
        QFile file(userDir + QStringLiteral("/ZUD.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\n"
                   "Port=/dev/rfcomm3\n"
                   "Baudrate=57600\n"
                   "ShowLeftPanel=1\n"
                   "ShowLeftPanelWidth=420\n"
                   "Druck-Einheit=1\n"
                   "AreaChart=1\n"
                   "GridLinesX=20\n"
                   "MainWindowGeometry=" +
                   sized.saveGeometry().toBase64() + "\n");
        file.close();
        Answerer answer;
        MainWindow f;
        f.Create();
        QCOMPARE(f.size(), QSize(1300, 900));
        QCOMPARE(f.Device()->ComPort, QStringLiteral("/dev/rfcomm3"));
        QCOMPARE(f.Device()->Baud_Rate, 57600u);
        QVERIFY(f.LeftPanelShown());
        QVERIFY(f.Action(QStringLiteral("mmHg"))->isChecked());
        QVERIFY(f.Action(QStringLiteral("Flaechendiagramm"))->isChecked());
        QCOMPARE(f.Config().GridLinesX(), 20);
        // Closing writes the same file back under the same keys.
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.close());
        QSettings back(userDir + QStringLiteral("/ZUD.conf"), QSettings::IniFormat);
        QCOMPARE(back.value(QStringLiteral("Port")).toString(), QStringLiteral("/dev/rfcomm3"));
        QCOMPARE(back.value(QStringLiteral("ShowLeftPanel")).toString(), QStringLiteral("1"));
        QCOMPARE(back.value(QStringLiteral("ShowLeftPanelWidth")).toString(), QStringLiteral("420"));
        QVERIFY(!back.value(QStringLiteral("MainWindowGeometry")).toString().isEmpty());
    }

    void WindowComesBackAsItWasLeft() {
        {
            MainWindow f;
            f.Create();
            f.show();
            f.resize(1300, 900);
            QCoreApplication::processEvents();
            QVERIFY(f.close());
        }
        MainWindow g;
        g.Create();
        QCOMPARE(g.size(), QSize(1300, 900));
        // The empty chart area says what to do until a recording is open.
        g.show();
        QCoreApplication::processEvents();
        auto* hint = g.findChild<QLabel*>(QStringLiteral("ChartHint"));
        QVERIFY(hint);
        QVERIFY(hint->isVisible());
        QVERIFY(hint->text().contains(QStringLiteral("Übungen auslesen")));
        QVERIFY(g.close());
    }

    void NothingIsCutInAnyLanguage() {
#if defined(ZUD_HAVE_I18N)
        auto& loc = zud::i18n::Localizer::Instance();
        for (const QString& lang : {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr"),
                                    QStringLiteral("it"), QStringLiteral("pl")}) {
            QVERIFY(loc.Switch(lang));
            MainWindow f;
            f.Create();
            f.resize(1280, 800);
            f.show();
            QCoreApplication::processEvents();
            QVERIFY2(f.width() <= 1280, qPrintable(lang + QString::number(f.width())));
            Ribbon* r = f.RibbonBar();
            for (int t = 0; t < r->count(); ++t) {
                if (!r->isTabVisible(t))
                    continue;
                r->setCurrentIndex(t);
                QCoreApplication::processEvents();
                for (auto* b : r->widget(t)->findChildren<RibbonButton*>()) {
                    if (!b->isVisible())
                        continue;
                    const QString text = b->text().remove(QLatin1Char('&'));
                    QVERIFY2(b->width() >= b->sizeHint().width(),
                             qPrintable(lang + QStringLiteral(": ") + text));
                    QVERIFY2(b->width() >= b->fontMetrics().size(0, text).width(),
                             qPrintable(lang + QStringLiteral(": ") + text));
                }
            }
            for (const char* name : {"PatientList", "RecordingList"}) {
                auto* view = f.findChild<QTreeView*>(QString::fromLatin1(name));
                QVERIFY(view);
                QHeaderView* h = view->header();
                for (int c = 0; c < h->count(); ++c) {
                    const QString caption = view->model()->headerData(c, Qt::Horizontal).toString();
                    QVERIFY2(h->sectionSize(c) >= h->fontMetrics().horizontalAdvance(caption) + 4,
                             qPrintable(lang + QStringLiteral(": ") + caption));
                }
            }
        }
        loc.Switch(QStringLiteral("de"));
        QCoreApplication::processEvents();
#else
        QSKIP("built without the localizer");
#endif
    }

    void LanguageSwitchRetranslatesAndPersists() {
#if defined(ZUD_HAVE_I18N)
        auto& loc = zud::i18n::Localizer::Instance();
        loc.Switch(QStringLiteral("de"));
        {
            MainWindow f;
            f.Create();
            f.show();
            QCoreApplication::processEvents();
            QCOMPARE(f.RibbonBar()->tabText(0), QStringLiteral("Allgemein"));
            QAction* english = nullptr;
            for (QAction* a : f.findChildren<QAction*>())
                if (a->data().toString() == QStringLiteral("en"))
                    english = a;
            QVERIFY(english);
            english->trigger();
            QCoreApplication::processEvents(); // the language change is posted, not sent
            QCOMPARE(f.RibbonBar()->tabText(0), QStringLiteral("General"));
            QCOMPARE(f.Action(QStringLiteral("Aktualisieren"))->text(), QStringLiteral("Refresh"));
            for (QAction* a : f.findChildren<QAction*>())
                if (a->data().toString() == QStringLiteral("en"))
                    QVERIFY(a->isChecked());
        }
        // The next start comes up in English.
        zud::i18n::Localizer restarted;
        restarted.LoadSaved();
        QCOMPARE(restarted.Current(), QStringLiteral("en"));
        loc.Switch(QStringLiteral("de"));
        QCoreApplication::processEvents();
#else
        QSKIP("built without the localizer");
#endif
    }

    void UnhandledExceptionsAreLoggedAndShown() {
        struct Throwing : QObject {
            bool event(QEvent* e) override {
                if (e->type() == QEvent::User)
                    throw std::runtime_error("Ausgelöst beim Test");
                return QObject::event(e);
            }
        };
        auto* app = qobject_cast<zud::ui::ZudApplication*>(QCoreApplication::instance());
        QVERIFY(app);
        QStringList logged;
        app->SetLogger([&logged](const QString& m) { logged << m; });
        Answerer answer;
        Throwing t;
        QEvent e(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&t, &e)); // the program goes on
        QCOMPARE(logged, QStringList{QStringLiteral("Ausgelöst beim Test")});
        QTRY_COMPARE(answer.boxes, QStringList{QStringLiteral("Ausgelöst beim Test")});
        app->SetLogger({});
    }

    void ShortcutsAreUnique() {
        MainWindow f;
        QHash<QString, QString> seen;
        for (QAction* a : f.findChildren<QAction*>()) {
            if (a->shortcut().isEmpty())
                continue;
            const QString k = a->shortcut().toString();
            QVERIFY2(!seen.contains(k), qPrintable(k + QStringLiteral(" twice: ") + seen.value(k) +
                                                   QStringLiteral(", ") + a->objectName()));
            seen.insert(k, a->objectName());
        }
        QCOMPARE(f.Action(QStringLiteral("Programmieren"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(f.Action(QStringLiteral("LeseMessungen"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    }

    // The port menu with a cable, a Bluetooth device and the emulator's link, opened under its
    // button; with ZUD_SCREENSHOTS=DIR written to DIR/port-menu.png (the window with the menu
    // over it) and DIR/port-menu-only.png.
    void PortMenuWithCableBluetoothAndEmulator() {
        struct Fed : PortDiscovery {
            QList<PortInfo> Ports() override {
                return {{QStringLiteral("/dev/ttyS0"), QString(), false},
                        {QStringLiteral("/dev/ttyUSB0"), QString::fromLatin1(kKabelBeschreibung), false},
                        {QStringLiteral("/dev/rfcomm0"), QString(), true},
                        {QStringLiteral("/dev/ttyUSB1"), QStringLiteral("FT232R USB UART"), false}};
            }
            QList<BluetoothDevice> Bluetooth(std::chrono::milliseconds) override {
                return {{QStringLiteral("ZUD12-4711 Praxis Raum 2"), QStringLiteral("00:11:22:33:44:55"),
                         QStringLiteral("/dev/rfcomm0")}};
            }
        };
        Answerer answer; // a missing data file of the start-up is reported in a box
        const QString link = QStringLiteral("/run/user/1000/zud12-demo.Xk3f9Q");
        MainWindow f;
        f.Create(link);
        f.SetPortDiscovery(std::make_unique<Fed>());
        f.resize(1100, 700);
        f.show(); // the port list is built when the window is shown
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QStringList captions;
        for (QAction* a : f.PortMenu()->actions())
            captions << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("ZUD12-4711 Praxis Raum 2 (Bluetooth) - /dev/rfcomm0 "),
                              QStringLiteral("QAL-USB Kabel - /dev/ttyUSB0"), link + QStringLiteral(" *")}));
        QCOMPARE(f.PortBox()->currentText(), link);
        QCOMPARE(f.PortBox()->count(), 3);

        // The tab "Anschluss" and the menu under its button.
        for (int i = 0; i < f.RibbonBar()->count(); ++i)
            if (f.RibbonBar()->widget(i)->objectName() == QLatin1String("TabAnschluss"))
                f.RibbonBar()->setCurrentIndex(i);
        QToolButton* button = nullptr;
        for (QToolButton* b : f.findChildren<QToolButton*>())
            if (b->defaultAction() == f.Action(QStringLiteral("PortMenu")))
                button = b;
        QVERIFY(button);
        QCoreApplication::processEvents();
        QVERIFY(button->isVisible());
        QMenu* menu = f.PortMenu();
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        // Every caption fits: the menu is as wide as its longest entry needs.
        const QFontMetrics fm(menu->font());
        for (QAction* a : menu->actions())
            QVERIFY2(menu->actionGeometry(a).width() > fm.horizontalAdvance(a->text()),
                     qPrintable(a->text()));
        const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QPixmap shot = f.grab();
            QPainter painter(&shot);
            painter.drawPixmap(f.mapFromGlobal(menu->pos()), menu->grab());
            painter.end();
            QVERIFY(shot.save(QDir(dir).filePath(QStringLiteral("port-menu.png"))));
            QVERIFY(menu->grab().save(QDir(dir).filePath(QStringLiteral("port-menu-only.png"))));
        }
        // Choosing the Bluetooth device from the menu selects it everywhere.
        menu->actions().at(0)->trigger();
        menu->hide();
        QCOMPARE(f.PortBox()->currentText(),
                 QStringLiteral("ZUD12-4711 Praxis Raum 2 (Bluetooth) - /dev/rfcomm0 "));
        QCOMPARE(f.Config().Port(), QStringLiteral("/dev/rfcomm0"));
        QVERIFY(menu->actions().at(0)->isChecked());
        QVERIFY(!menu->actions().at(2)->isChecked());
        // The combo shows the whole caption.
        QCoreApplication::processEvents();
        QVERIFY2(f.PortBox()->width() >
                     f.PortBox()->fontMetrics().horizontalAdvance(f.PortBox()->currentText()),
                 qPrintable(QString::number(f.PortBox()->width())));
        if (!dir.isEmpty())
            QVERIFY(f.RibbonBar()->grab().save(QDir(dir).filePath(QStringLiteral("port-box-bluetooth.png"))));
    }

    // What scripts/run --demo does: the demo device on its link, the program pointed at it. The
    // link is listed and selected with the machine's own port discovery, and a device command
    // goes through it.
    void DemoDevicePortIsListedSelectedAndWorks() {
        Answerer answer;
        QProcess emulator;
        const QString link = dir->filePath(QStringLiteral("zud12-demo"));
        emulator.start(QStringLiteral(ZUD_BIN_DIR "/zud12-emulator"),
                       {QStringLiteral("--demo"), QStringLiteral("--link"), link});
        QVERIFY(emulator.waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(link), 5000);
        {
            MainWindow f;
            f.Create(link);
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            QAction* checked = nullptr;
            for (QAction* a : f.PortMenu()->actions())
                if (a->isChecked())
                    checked = a;
            QVERIFY(checked);
            QCOMPARE(checked->text(), link);
            QCOMPARE(checked->data().toString(), link);
            QCOMPARE(f.PortBox()->currentText(), link);
            QCOMPARE(f.Device()->ComPort, link);
            f.Device()->open();
            QVERIFY(f.Device()->ComOpen);
            QVERIFY(f.Device()->GetVersion());
            QVERIFY(!f.Device()->FWVersion.isEmpty());
            f.Device()->close();
            // "Aktualisieren" keeps the choice.
            f.Action(QStringLiteral("Aktualisieren"))->trigger();
            QCOMPARE(f.PortBox()->currentText(), link);
            f.Device()->open();
            QVERIFY(f.Device()->GetVersion());
            f.Device()->close();
            // The port given for the run is not stored.
            QVERIFY(f.Config().Port() != link);
        }
        emulator.kill();
        emulator.waitForFinished(5000);
    }
};

// The tests run inside the program's own application object, so that its exception handling
// is the one under test.
int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_shell.moc"
