#include "MainWindow.h"
#include "ExchangeDatabase.h"
#include "SignalWatcher.h"

#include "DeviceSettings.h"
#include "ListViews.h"
#include "LiveMeasurement.h"
#include "Login.h"
#include "LoginDialog.h"
#include "MessageBox.h"
#include "Paths.h"
#include "RecordingTabs.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "UpdateCheck.h"
#include "UserManagerWindow.h"

#if defined(ZUD_HAVE_I18N)
#include "Localizer.h"
#endif

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zud::ui {

namespace {

// <exe dir>/../share/zud-software/ unless ZUD_SHARE_DIR names another folder.
QString ShareFolder() {
    QString dir = qEnvironmentVariable("ZUD_SHARE_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zud-software");
    dir = QDir::cleanPath(dir);
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

constexpr int kCollapsedWidth = 30;

} // namespace

bool IsRemoteServer(const QString& server, const QString& hostName) {
    const QString s = server.trimmed().toUpper();
    if (s.isEmpty() || s == QLatin1String("NONE") || s == QLatin1String("LOCALHOST") ||
        s == QLatin1String("127.0.0.1") || s == QLatin1String("EMBEDDED"))
        return false;
    return s != hostName.trimmed().toUpper();
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("ZUD-Software"));
    auto* central = new QWidget(this);
    auto* lay = new QVBoxLayout(central);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    FRibbon = new Ribbon(central);
    lay->addWidget(FRibbon);
    FSplitter = new QSplitter(Qt::Horizontal, central);
    FLeftPanel = new QWidget(FSplitter);
    auto* left = new QVBoxLayout(FLeftPanel);
    left->setContentsMargins(2, 2, 2, 2);
    BuildPatientPanel(FLeftPanel);
    FSplitter->addWidget(FLeftPanel);
    FSplitter->addWidget(FTabs);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setCollapsible(0, false);
    connect(FSplitter, &QSplitter::splitterMoved, this, [this] {
        if (FLeftShown && !FLive) {
            FLeftWidth = FSplitter->sizes().value(0);
            FSettings.SetShowLeftPanelWidth(FLeftWidth);
        }
    });
    lay->addWidget(FSplitter, 1);
    setCentralWidget(central);
    FUserPanel = new QLabel(this);
    FUserPanel->setObjectName(QStringLiteral("UserPanel"));
    FUserPanel->setMinimumWidth(200);
    statusBar()->addWidget(FUserPanel);
    BuildRibbon();
    FLogin = new LoginDialog(this);
    FNewPW = new NewPasswordDialog(this);
    FUserMgr = new UserManagerWindow(this);
    FAbout = new SplashScreen(this);
    ConnectPatientActions();
    SetupGdt();
    CreateReadoutWindows();
    CreateLiveWindow();
    CreateProgrammingWindows();
    CreateReportWindows();
    CreateExchangeWindows();
    resize(1200, 760);
    RetranslateUi();
}

MainWindow::~MainWindow() {
    // The live measurement borrows the device object, which goes before the child objects.
    delete FLiveMeasurement;
}

QAction* MainWindow::Make(const QString& name, const QString& icon, bool enabled) {
    auto* a = new QAction(this);
    a->setObjectName(name);
    a->setIcon(ThemeIcon(icon, name));
    a->setEnabled(enabled);
    FActions.insert(name, a);
    return a;
}

void MainWindow::BuildRibbon() {
    MakeRibbonActions();
    GroupExclusiveActions();
    MakeRibbonMenus();
    BuildGeneralTab();
    BuildCommunicationTab();
    BuildPortTab();
    BuildPatientsTab();
    BuildRecordingsTab();
    BuildDataTab();
    BuildViewTab();
    BuildOtherSettingsTab();
    FRibbon->SetHelpAction(Action(QStringLiteral("Info")));
    ConnectRibbonActions();
    for (QAction* a : std::as_const(FActions))
        addAction(a); // shortcuts work on every tab
}

void MainWindow::MakeRibbonActions() {
    // Actions whose windows come later stay disabled; their handlers are connected there.
    Make(QStringLiteral("Info"), QStringLiteral("help-about"), true);
    Make(QStringLiteral("GBA"), QStringLiteral("help-contents"), true);
    Make(QStringLiteral("Update"), QStringLiteral("software-update-available"), true);
    Make(QStringLiteral("Beenden"), QStringLiteral("application-exit"), true);
    Make(QStringLiteral("Programmieren"), QStringLiteral("document-send"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Make(QStringLiteral("LeseMessungen"), QStringLiteral("document-save"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Make(QStringLiteral("EZStart"), QStringLiteral("media-playback-start"));
    Make(QStringLiteral("EZStop"), QStringLiteral("media-playback-stop"));
    Make(QStringLiteral("EZTon"), QStringLiteral("audio-volume-high"), true)->setCheckable(true);
    Make(QStringLiteral("ChangeApp"), QStringLiteral("system-switch-user"));
    Make(QStringLiteral("Aktualisieren"), QStringLiteral("view-refresh"), true);
    Make(QStringLiteral("PortMenu"), QStringLiteral("network-wired"), true);
    Make(QStringLiteral("BaudMenu"), QStringLiteral("preferences-system"), true);
    Make(QStringLiteral("Patienten"), QStringLiteral("system-users"));
    Make(QStringLiteral("PatNeu"), QStringLiteral("contact-new"));
    Make(QStringLiteral("PatLoeschen"), QStringLiteral("edit-delete"));
    Make(QStringLiteral("Statistik"), QStringLiteral("x-office-spreadsheet"));
    Make(QStringLiteral("Messung_Laden"), QStringLiteral("document-open"));
    Make(QStringLiteral("Messung_Schliessen"), QStringLiteral("window-close"));
    Make(QStringLiteral("Messung_loeschen"), QStringLiteral("edit-delete"));
    Make(QStringLiteral("Speichern"), QStringLiteral("document-save"));
    Make(QStringLiteral("AddBem"), QStringLiteral("accessories-text-editor"));
    // Ctrl+P belongs to "Programmieren"; the preview gets Ctrl+Shift+P so that neither
    // shortcut is ambiguous.
    Make(QStringLiteral("Print"), QStringLiteral("document-print-preview"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    Make(QStringLiteral("PDF_Export"), QStringLiteral("x-office-document"));
    Make(QStringLiteral("Export"), QStringLiteral("document-send"));
    Make(QStringLiteral("Import"), QStringLiteral("document-open"));
    Make(QStringLiteral("Backup"), QStringLiteral("drive-harddisk"));
    Make(QStringLiteral("Restore"), QStringLiteral("document-revert"));
    Make(QStringLiteral("Rohdaten"), QStringLiteral("text-x-generic"));
    // Shown only while logged in to a server (see DoLogin).
    Make(QStringLiteral("Verbinden"), QStringLiteral("network-connect"))->setVisible(false);
    Make(QStringLiteral("Login"), QStringLiteral("system-log-out"));
    Make(QStringLiteral("Logout"), QStringLiteral("system-lock-screen"));
    Make(QStringLiteral("ChangePW"), QStringLiteral("dialog-password"));
    Make(QStringLiteral("user"), QStringLiteral("system-users"));
    Make(QStringLiteral("LeftPanel"), QStringLiteral("sidebar-show"), true);
    Make(QStringLiteral("Comparsion"), QStringLiteral("view-grid"), true)->setCheckable(true);
    Make(QStringLiteral("Liniendiagramm"), QStringLiteral("applications-graphics"), true)->setCheckable(true);
    Make(QStringLiteral("Flaechendiagramm"), QStringLiteral("x-office-presentation"), true)
        ->setCheckable(true);
    Make(QStringLiteral("GridXPlus"), QStringLiteral("list-add"), true);
    Make(QStringLiteral("GridXMinus"), QStringLiteral("list-remove"), true);
    Make(QStringLiteral("GridYPlus"), QStringLiteral("list-add"), true);
    Make(QStringLiteral("GridYMinus"), QStringLiteral("list-remove"), true);
    Make(QStringLiteral("Zuschneiden"), QStringLiteral("edit-cut"));
    Make(QStringLiteral("Uebernehmen"), QStringLiteral("object-select"));
    Make(QStringLiteral("Verwerfen"), QStringLiteral("process-stop"));
    Make(QStringLiteral("mbar"), QStringLiteral("weather-overcast"), true)->setCheckable(true);
    Make(QStringLiteral("mmHg"), QStringLiteral("weather-overcast"), true)->setCheckable(true);
    Make(QStringLiteral("Sprache"), QStringLiteral("preferences-desktop-locale"), true);
    Make(QStringLiteral("Sprache2"), QStringLiteral("preferences-desktop-locale"), true);
}

// Line or area chart, mbar or mmHg: one of each pair is checked.
void MainWindow::GroupExclusiveActions() {
    auto* style = new QActionGroup(this);
    style->addAction(Action(QStringLiteral("Liniendiagramm")));
    style->addAction(Action(QStringLiteral("Flaechendiagramm")));
    auto* unit = new QActionGroup(this);
    unit->addAction(Action(QStringLiteral("mbar")));
    unit->addAction(Action(QStringLiteral("mmHg")));
}

void MainWindow::MakeRibbonMenus() {
    FLanguageMenu1 = new QMenu(this);
    FLanguageMenu2 = new QMenu(this);
    FPortMenu = new QMenu(this);
    FBaudMenu = new QMenu(this);
    FPatientMenu = new QMenu(this);
    FRecordingMenu = new QMenu(this);
}

void MainWindow::BuildGeneralTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupProgramm"), QString());
    g->AddLarge(Action(QStringLiteral("Info")));
    g->AddLarge(Action(QStringLiteral("GBA")));
    g->AddLarge(Action(QStringLiteral("Update")));
    g->AddLarge(Action(QStringLiteral("Verbinden")));
    g->AddLarge(Action(QStringLiteral("Beenden")));
    g = FRibbon->AddGroup(t, QStringLiteral("GroupSprache"), QString());
    g->AddDropDown(Action(QStringLiteral("Sprache")), FLanguageMenu1)
        ->setPopupMode(QToolButton::InstantPopup);
}

void MainWindow::BuildCommunicationTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabKommunikation"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupKommunikation"), QString());
    g->AddLarge(Action(QStringLiteral("Programmieren")));
    g->AddLarge(Action(QStringLiteral("LeseMessungen")));
    g->AddSeparator();
    g->AddLarge(Action(QStringLiteral("EZStart")));
    g->AddLarge(Action(QStringLiteral("EZStop")));
    g->AddSmall(Action(QStringLiteral("EZTon")));
    FToneVolumeLabel = new QLabel(g);
    FToneVolumeLabel->setObjectName(QStringLiteral("ToneVolumeLabel"));
    g->AddSmallWidget(FToneVolumeLabel);
    FToneVolume = new QSlider(Qt::Horizontal, g);
    FToneVolume->setObjectName(QStringLiteral("ToneVolume"));
    FToneVolume->setRange(0, 100);
    FToneVolume->setSingleStep(5);
    FToneVolume->setPageStep(10);
    FToneVolume->setMaximumWidth(120);
    g->AddSmallWidget(FToneVolume);
    g->AddSeparator();
    g->AddLarge(Action(QStringLiteral("ChangeApp")));
}

void MainWindow::BuildPortTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabAnschluss"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupAnschluss"), QString());
    g->AddLarge(Action(QStringLiteral("Aktualisieren")));
    g->AddDropDown(Action(QStringLiteral("PortMenu")), FPortMenu)->setPopupMode(QToolButton::InstantPopup);
    FPortBox = g->AddCombo(QStringLiteral("PortBox"));
    FPortBox->setMinimumWidth(260);
    // A port that discovery does not list (a link, a Bluetooth binding made later) can be typed.
    FPortBox->lineEdit()->setReadOnly(false);
    FPortBox->setInsertPolicy(QComboBox::NoInsert);
    connect(FPortBox, &QComboBox::activated, this, [this](int i) {
        const QString path = FPortBox->itemData(i).toString();
        if (!path.isEmpty()) {
            SelectPort(path);
        }
    });
    connect(FPortBox->lineEdit(), &QLineEdit::editingFinished, this, &MainWindow::TakeTypedPort);
    g->AddDropDown(Action(QStringLiteral("BaudMenu")), FBaudMenu)->setPopupMode(QToolButton::InstantPopup);
    FillBaudMenu();
}

// The transfer rates of the serial port; a choice is stored and the next exchange uses it.
void MainWindow::FillBaudMenu() {
    auto* bauds = new QActionGroup(this);
    for (int baud : {115200, 230400, 460800}) {
        QAction* a = FBaudMenu->addAction(QStringLiteral("%1 Bd").arg(baud));
        a->setCheckable(true);
        a->setData(baud);
        bauds->addAction(a);
        connect(a, &QAction::triggered, this, [this, baud] {
            FSettings.SetBaudrate(baud);
            FSettings.Sync();
            if (FDevice) {
                FDevice->Baud_Rate = uint32_t(baud);
                FDevice->close(); // the next exchange opens the port at the new speed
            }
        });
    }
}

void MainWindow::BuildPatientsTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabPatienten"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupPatienten"), QString());
    g->AddDropDown(Action(QStringLiteral("Patienten")), FPatientMenu);
    g->AddLarge(Action(QStringLiteral("PatNeu")));
    g->AddLarge(Action(QStringLiteral("PatLoeschen")));
    g->AddLarge(Action(QStringLiteral("Statistik")));
    FPatientBox = g->AddEdit(QStringLiteral("PatientBox"));
}

void MainWindow::BuildRecordingsTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabUebungen"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupUebungen"), QString());
    g->AddDropDown(Action(QStringLiteral("Messung_Laden")), FRecordingMenu);
    g->AddSmall(Action(QStringLiteral("Messung_Schliessen")));
    g->AddSmall(Action(QStringLiteral("Messung_loeschen")));
    g->AddSmall(Action(QStringLiteral("Speichern")));
    g->AddSmall(Action(QStringLiteral("AddBem")));
    g->AddSmall(Action(QStringLiteral("Print")));
    g->AddSmall(Action(QStringLiteral("PDF_Export")));
    FRecordingBox = g->AddEdit(QStringLiteral("RecordingBox"));
}

void MainWindow::BuildDataTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabDaten"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupDaten"), QString());
    g->AddLarge(Action(QStringLiteral("Export")));
    g->AddLarge(Action(QStringLiteral("Import")));
    g->AddSeparator();
    g->AddLarge(Action(QStringLiteral("Backup")));
    g->AddLarge(Action(QStringLiteral("Restore")));
    g->AddSeparator();
    g->AddLarge(Action(QStringLiteral("Rohdaten")));
    g->AddSeparator();
    g->AddLarge(Action(QStringLiteral("Login")));
    g->AddLarge(Action(QStringLiteral("Logout")));
    g->AddLarge(Action(QStringLiteral("ChangePW")));
    g->AddLarge(Action(QStringLiteral("user")));
}

void MainWindow::BuildViewTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabAnsicht"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupAnsicht"), QString());
    g->AddLarge(Action(QStringLiteral("LeftPanel")));
    g->AddLarge(Action(QStringLiteral("Comparsion")));
    g->AddSmall(Action(QStringLiteral("Liniendiagramm")));
    g->AddSmall(Action(QStringLiteral("Flaechendiagramm")));
    g = FRibbon->AddGroup(t, QStringLiteral("GroupGitterlinien"), QString());
    g->AddSmall(Action(QStringLiteral("GridXPlus")));
    g->AddSmall(Action(QStringLiteral("GridXMinus")));
    g->NewColumn();
    g->AddSmall(Action(QStringLiteral("GridYPlus")));
    g->AddSmall(Action(QStringLiteral("GridYMinus")));
    g = FRibbon->AddGroup(t, QStringLiteral("GroupZuschneiden"), QString());
    g->AddLarge(Action(QStringLiteral("Zuschneiden")));
    g->AddSmall(Action(QStringLiteral("Uebernehmen")));
    g->AddSmall(Action(QStringLiteral("Verwerfen")));
    g = FRibbon->AddGroup(t, QStringLiteral("GroupEinheit"), QString());
    g->AddSmall(Action(QStringLiteral("mbar")));
    g->AddSmall(Action(QStringLiteral("mmHg")));
    FUnitBox = g->AddEdit(QStringLiteral("UnitBox"));
    FUnitBox->setMinimumWidth(70);
    FUnitBox->setMaximumWidth(90);
}

void MainWindow::BuildOtherSettingsTab() {
    QWidget* t = FRibbon->AddTab(QStringLiteral("TabSonstige"), QString());
    RibbonGroup* g = FRibbon->AddGroup(t, QStringLiteral("GroupSprache2"), QString());
    g->AddDropDown(Action(QStringLiteral("Sprache2")), FLanguageMenu2)
        ->setPopupMode(QToolButton::InstantPopup);
    FLanguageBox = g->AddCombo(QStringLiteral("LanguageBox"));
    connect(FLanguageBox, &QComboBox::activated, this,
            [this](int i) { SwitchLanguage(FLanguageBox->itemData(i).toString()); });
    FLanguageBox->lineEdit()->setReadOnly(true);
}

// The handlers of the actions whose work is done here, in the main window itself.
void MainWindow::ConnectRibbonActions() {
    connect(Action(QStringLiteral("Info")), &QAction::triggered, this, [this] {
        FAbout->setModal(true);
        FAbout->exec();
    });
    connect(Action(QStringLiteral("GBA")), &QAction::triggered, this, [] {
        const QString file = ShareFolder() + QStringLiteral("pdf/") + tr("Gebrauchsanweisung") +
                             QStringLiteral(" ZUD-Software.pdf");
        if (QFile::exists(file))
            QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    });
    connect(Action(QStringLiteral("Update")), &QAction::triggered, this, [this] { CheckForUpdate(false); });
    connect(Action(QStringLiteral("Beenden")), &QAction::triggered, this, &QWidget::close);
    connect(Action(QStringLiteral("Login")), &QAction::triggered, this, [this] { DoLogin(); });
    connect(Action(QStringLiteral("Verbinden")), &QAction::triggered, this, [this] { ConnectAgain(); });
    connect(Action(QStringLiteral("Logout")), &QAction::triggered, this, [this] {
        if (ConfirmDiscardLive())
            DoLogout();
    });
    // Both end with a logout: unsaved live recordings would go.
    connect(Action(QStringLiteral("ChangePW")), &QAction::triggered, this, [this] {
        if (ConfirmDiscardLive())
            DoChangePassword();
    });
    connect(Action(QStringLiteral("user")), &QAction::triggered, this, [this] {
        if (ConfirmDiscardLive())
            DoUserManager();
    });
    connect(Action(QStringLiteral("LeftPanel")), &QAction::triggered, this,
            [this] { SetLeftPanel(!FLeftShown); });
    connect(Action(QStringLiteral("Aktualisieren")), &QAction::triggered, this, &MainWindow::RefreshPorts);
    connect(Action(QStringLiteral("Comparsion")), &QAction::toggled, this,
            [this](bool on) { FSettings.SetComparsion(on); });
    connect(Action(QStringLiteral("Liniendiagramm")), &QAction::triggered, this,
            [this] { FSettings.SetAreaChart(false); });
    connect(Action(QStringLiteral("Flaechendiagramm")), &QAction::triggered, this,
            [this] { FSettings.SetAreaChart(true); });
    connect(Action(QStringLiteral("mbar")), &QAction::triggered, this, [this] {
        FSettings.SetDruckEinheit(0);
        FUnitBox->setText(QStringLiteral("mbar"));
    });
    connect(Action(QStringLiteral("mmHg")), &QAction::triggered, this, [this] {
        FSettings.SetDruckEinheit(1);
        FUnitBox->setText(QStringLiteral("mmHg"));
    });
    auto grid = [this](bool x, int step) {
        if (x)
            FSettings.SetGridLinesX(qBound(2, FSettings.GridLinesX() + step, 20));
        else
            FSettings.SetGridLinesY(qBound(2, FSettings.GridLinesY() + step, 10));
        UpdateGridActions();
    };
    connect(Action(QStringLiteral("GridXPlus")), &QAction::triggered, this, [grid] { grid(true, 2); });
    connect(Action(QStringLiteral("GridXMinus")), &QAction::triggered, this, [grid] { grid(true, -2); });
    connect(Action(QStringLiteral("GridYPlus")), &QAction::triggered, this, [grid] { grid(false, 1); });
    connect(Action(QStringLiteral("GridYMinus")), &QAction::triggered, this, [grid] { grid(false, -1); });
}

void MainWindow::RetranslateUi() {
    RetranslateActions();
    RetranslateRibbonCaptions();
    RetranslatePatientPanel();
    RetranslateGdt();
    RetranslateTone();
    SetDisabledHeader(tr("Dieser Befehl ist deaktiviert."));
    FRibbon->UpdateTips();
    if (FDM && FDM->LoggedIn())
        FUserPanel->setText(StatusUserText());
}

// The texts of the actions; the tool tip is the text without its accelerator unless it has one
// of its own.
void MainWindow::RetranslateActions() {
    auto set = [this](const char* name, const QString& text, const QString& tip = QString()) {
        QAction* a = Action(QString::fromLatin1(name));
        SetCommandText(a, text);
        if (!tip.isEmpty())
            a->setToolTip(tip);
    };
    set("Info", tr("Info"));
    set("GBA", tr("Gebrauchsanweisung"));
    set("Update", tr("Software-Update"));
    set("Beenden", tr("Beenden"));
    set("Programmieren", tr("Programmieren"));
    set("LeseMessungen", tr("Übungen auslesen"));
    set("EZStart", tr("Echtzeit Start"));
    set("EZStop", tr("Echtzeit Stop"));
    set("EZTon", tr("Ton"),
        tr("Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in "
           "Entspannphasen unter der Schwelle liegt."));
    set("ChangeApp", tr("Anwendung wechseln"));
    set("Aktualisieren", tr("Aktualisieren"));
    set("PortMenu", tr("Anschluss"));
    set("BaudMenu", tr("Baudrate"));
    set("Patienten", tr("Patienten"));
    set("PatNeu", tr("Patient hinzufügen"));
    set("PatLoeschen", tr("Patient löschen"));
    set("Statistik", tr("Statistik"));
    set("Messung_Laden", tr("Übung laden"));
    set("Messung_Schliessen", tr("Übung schließen"));
    set("Messung_loeschen", tr("Übung löschen"));
    set("Speichern", tr("Übung speichern"));
    set("AddBem", tr("Bemerkung hinzufügen/ändern"));
    set("Print", tr("Druckvorschau"));
    set("PDF_Export", tr("Als PDF exportieren"));
    set("Export", tr("Daten Exportieren"));
    set("Import", tr("Daten Importieren"));
    set("Backup", tr("Datenbank sichern"));
    set("Restore", tr("Datenbank wiederherstellen"));
    set("Rohdaten", tr("Rohdaten exportieren"),
        tr("Rohdaten der angezeigten Datei in eine CSV-Datei exportieren."));
    set("Verbinden", tr("Erneut verbinden"),
        tr("Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde."));
    set("Login", tr("Login"));
    set("Logout", tr("Logout"));
    set("ChangePW", tr("Passwort ändern"));
    set("user", tr("DB-Manager"));
    set("LeftPanel", FLeftShown ? tr("Patienten/Übungen verbergen") : tr("Patienten/Übungen anzeigen"));
    set("Comparsion", tr("Alle Übungen anordnen"));
    set("Liniendiagramm", tr("Liniendiagramm"));
    set("Flaechendiagramm", tr("Flächendiagramm"));
    set("GridXPlus", tr("Gitterlinien X-Achse +"));
    set("GridXMinus", tr("Gitterlinien X-Achse -"));
    set("GridYPlus", tr("Gitterlinien Y-Achse +"));
    set("GridYMinus", tr("Gitterlinien Y-Achse -"));
    set("Zuschneiden", tr("Zuschneiden"));
    set("Uebernehmen", tr("Übernehmen"));
    set("Verwerfen", tr("Verwerfen"));
    set("mbar", QStringLiteral("mbar"));
    set("mmHg", QStringLiteral("mmHg"));
    set("Sprache", tr("Sprache"));
    set("Sprache2", tr("Sprache"));
}

void MainWindow::RetranslateRibbonCaptions() {
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Allgemein"));
    FRibbon->SetTabCaption(QStringLiteral("TabKommunikation"), tr("Kommunikation"));
    FRibbon->SetTabCaption(QStringLiteral("TabAnschluss"), tr("Anschluss"));
    FRibbon->SetTabCaption(QStringLiteral("TabPatienten"), tr("Patienten"));
    FRibbon->SetTabCaption(QStringLiteral("TabUebungen"), tr("Übungen"));
    FRibbon->SetTabCaption(QStringLiteral("TabDaten"), tr("Daten"));
    FRibbon->SetTabCaption(QStringLiteral("TabAnsicht"), tr("Ansicht"));
    FRibbon->SetTabCaption(QStringLiteral("TabSonstige"), tr("Sonstige Einstellungen"));
    FRibbon->Group(QStringLiteral("GroupProgramm"))->SetCaption(tr("Programm"));
    FRibbon->Group(QStringLiteral("GroupSprache"))->SetCaption(tr("Sprache"));
    FRibbon->Group(QStringLiteral("GroupKommunikation"))->SetCaption(tr("Kommunikation"));
    FRibbon->Group(QStringLiteral("GroupAnschluss"))->SetCaption(tr("Anschluss"));
    FRibbon->Group(QStringLiteral("GroupPatienten"))->SetCaption(tr("Patienten"));
    FRibbon->Group(QStringLiteral("GroupUebungen"))->SetCaption(tr("Übungen"));
    FRibbon->Group(QStringLiteral("GroupDaten"))->SetCaption(tr("Daten"));
    FRibbon->Group(QStringLiteral("GroupAnsicht"))->SetCaption(tr("Ansicht"));
    FRibbon->Group(QStringLiteral("GroupGitterlinien"))->SetCaption(tr("Gitterlinien"));
    FRibbon->Group(QStringLiteral("GroupZuschneiden"))->SetCaption(tr("Zuschneiden"));
    FRibbon->Group(QStringLiteral("GroupEinheit"))->SetCaption(tr("Druck-Einheit"));
    FRibbon->Group(QStringLiteral("GroupSprache2"))->SetCaption(tr("Sprache"));
}

void MainWindow::Create(const QString& portOverride) {
    DataFolder();
    FDevice = std::make_unique<TZUD12>(LogFilePath());
    FUserControl = FSettings.UserControl();
    FRemote = IsRemoteServer(FSettings.SQLServer3(), QHostInfo::localHostName());
    // A program on a network drive has no business updating itself unless told so.
    bool updateDefault = !FRemote;
    const QString exe = QCoreApplication::applicationFilePath();
    if (exe.startsWith(QLatin1String("/net/")) || exe.startsWith(QLatin1String("/mnt/")) ||
        exe.startsWith(QLatin1String("/media/")))
        updateDefault = false;
    FCheckUpdate = FSettings.CheckUpdate(updateDefault);
    Action(QStringLiteral("Update"))->setEnabled(FCheckUpdate);
    UpdateExchangeForRemote();
    FPortOverride = portOverride;
    FDevice->ComPort = portOverride.isEmpty() ? FSettings.Port() : portOverride;
    FDevice->Baud_Rate = uint32_t(FSettings.Baudrate());
    wf::ApplyDeviceSettings(*FDevice, FSettings);
    for (QAction* a : FBaudMenu->actions())
        a->setChecked(a->data().toInt() == FSettings.Baudrate());
    FLeftWidth = FSettings.ShowLeftPanelWidth();
    SetLeftPanel(FSettings.ShowLeftPanel());
    ApplyChartSettings();
    ApplyToneSettings();
    SetDisabledHeader(tr("Dieser Befehl ist deaktiviert."));
    FRibbon->UpdateTips();
    SetLoggedInGroups(false);
    // Size, place and maximised state as the window was left.
    const QByteArray g = QByteArray::fromBase64(
        FSettings.ReadString(QStringLiteral("MainWindowGeometry"), QString()).toLatin1());
    if (!g.isEmpty())
        restoreGeometry(g);
}

void MainWindow::ApplyChartSettings() {
    Action(FSettings.AreaChart() ? QStringLiteral("Flaechendiagramm") : QStringLiteral("Liniendiagramm"))
        ->setChecked(true);
    Action(QStringLiteral("Comparsion"))->setChecked(FSettings.Comparsion());
    const bool mmHg = FSettings.DruckEinheit() == 1;
    Action(mmHg ? QStringLiteral("mmHg") : QStringLiteral("mbar"))->setChecked(true);
    FUnitBox->setText(mmHg ? QStringLiteral("mmHg") : QStringLiteral("mbar"));
    UpdateGridActions();
}

void MainWindow::UpdateGridActions() {
    const bool on = FDM && FDM->LoggedIn();
    Action(QStringLiteral("GridXPlus"))->setEnabled(on && FSettings.GridLinesX() < 20);
    Action(QStringLiteral("GridXMinus"))->setEnabled(on && FSettings.GridLinesX() > 2);
    Action(QStringLiteral("GridYPlus"))->setEnabled(on && FSettings.GridLinesY() < 10);
    Action(QStringLiteral("GridYMinus"))->setEnabled(on && FSettings.GridLinesY() > 2);
}

void MainWindow::SetLeftPanel(bool shown) {
    FLeftShown = shown;
    const int total = qMax(FSplitter->width(), width());
    if (shown) {
        FLeftPanel->setMinimumWidth(0);
        FLeftPanel->setMaximumWidth(QWIDGETSIZE_MAX);
        FSplitter->setSizes({FLeftWidth, qMax(100, total - FLeftWidth)});
    } else {
        FLeftPanel->setMinimumWidth(kCollapsedWidth);
        FLeftPanel->setMaximumWidth(kCollapsedWidth);
        FSplitter->setSizes({kCollapsedWidth, qMax(100, total - kCollapsedWidth)});
    }
    FPatientList->setVisible(shown);
    FRecordingList->setVisible(shown);
    QAction* a = Action(QStringLiteral("LeftPanel"));
    SetCommandText(a, shown ? tr("Patienten/Übungen verbergen") : tr("Patienten/Übungen anzeigen"));
}

void MainWindow::SetLoggedInGroups(bool on) {
    for (const char* name : {"GroupPatienten", "GroupUebungen", "GroupKommunikation"})
        FRibbon->Group(QString::fromLatin1(name))->setEnabled(on);
    FRibbon->Group(QStringLiteral("GroupZuschneiden"))->setEnabled(on);
    FRibbon->Group(QStringLiteral("GroupGitterlinien"))->setEnabled(on);
    UpdateGridActions();
    UpdateReadoutAction();
}

void MainWindow::Error(const QString& text) {
    LastMessage = text;
    CloseSplash();
    Msg::Error(this, text);
}

void MainWindow::Info(const QString& text) {
    LastMessage = text;
    Msg::Info(this, text);
}

bool MainWindow::Question(const QString& text) {
    LastMessage = text;
    CloseSplash();
    return Msg::Question(this, text);
}

bool MainWindow::ConfirmDelete(const QString& text) {
    LastMessage = text;
    CloseSplash();
    return Msg::ConfirmDelete(this, text);
}

void MainWindow::CloseSplash() {
    if (FSplash)
        FSplash->close();
}

QString MainWindow::StatusUserText() const {
    return FDM && FDM->LoggedIn() ? StatusText(FLoginUser, FUserControl) : QString();
}

bool MainWindow::OpenDatabase() {
    const DbLocation loc = DbLocation::FromSettings(FSettings);
    FDM = std::make_unique<PatientDatabase>(loc);
    try {
        const SignalWatcher::Hold hold; // the database client's first attach
        if (loc.Embedded())
            FDM->EnsureInstalled();
    } catch (const std::exception& e) {
        FDevice->AddLog(QString::fromUtf8(e.what()));
        Error(PatientDatabase::OpenErrorText(QString::fromUtf8(e.what())));
        return false;
    }
    FUserMgr->SetLocation(loc, FSettings.AdminPassword());
    if (FUserControl && loc.Embedded())
        Info(tr("Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten "
                "Datenbank wird jeder Name ohne Passwortprüfung angenommen."));
    return DoLogin();
}

bool MainWindow::DoLogin() {
    QTimer::singleShot(2000, this, &MainWindow::CloseSplash);
    LoginStart start = PrepareLogin(FSettings, FUserControl);
    FLogin->UserEdit->setText(start.user);
    FLogin->PasswordEdit->setText(start.password);
    FLogin->AlwaysUse->setChecked(start.alwaysUse);
    bool showDialog = FUserControl && start.showDialog;
    for (;;) {
        if (showDialog) {
            CloseSplash();
            if (FLogin->Ask() != QDialog::Accepted)
                return false;
        }
        const QString user = FUserControl ? FLogin->UserEdit->text() : QStringLiteral("sysdba");
        const QString pw = FUserControl ? FLogin->PasswordEdit->text() : FSettings.AdminPassword();
        try {
            // A signal during the attach would reach the database client's handlers.
            const SignalWatcher::Hold hold;
            FDM->Login(user, pw, FSettings.AdminPassword());
            FLoginUser = user;
            FLoginPassword = pw;
            break;
        } catch (const std::exception& e) {
            // What happened and what to do, with the server's own text.
            const auto* dbe = dynamic_cast<const db::DbError*>(&e);
            const QString msg = dbe ? FDM->DescribeLoginError(*dbe) : QString::fromUtf8(e.what());
            FDevice->AddLog(msg);
            Error(PatientDatabase::OpenErrorText(msg));
            FLogin->AlwaysUse->setChecked(false);
            if (!FUserControl)
                return false;
            showDialog = true;
        }
    }
    FUserPanel->setText(StatusUserText());
    Action(QStringLiteral("user"))->setEnabled(FUserControl && IsSuperUser(FLoginUser));
    Action(QStringLiteral("Login"))->setEnabled(false);
    Action(QStringLiteral("Logout"))->setEnabled(FUserControl);
    Action(QStringLiteral("ChangePW"))->setEnabled(FUserControl);
    SetLoggedInGroups(true);
    // The data-exchange actions that were enabled at the last logout are enabled again.
    for (auto it = FRememberedExchange.cbegin(); it != FRememberedExchange.cend(); ++it)
        Action(it.key())->setEnabled(it.value());
    FRememberedExchange.clear();
    if (FUserControl)
        RememberLogin(FSettings, FLoginUser, FLoginPassword.left(50), FLogin->AlwaysUse->isChecked());
    for (const char* name : {"Login", "Logout", "ChangePW", "user"})
        Action(QString::fromLatin1(name))->setVisible(FUserControl);
    Action(QStringLiteral("Patienten"))->setEnabled(true);
    Action(QStringLiteral("PatNeu"))->setEnabled(true);
    // Only a server connection can break off and be made again.
    Action(QStringLiteral("Verbinden"))->setVisible(!FDM->Location().Embedded());
    Action(QStringLiteral("Verbinden"))->setEnabled(!FDM->Location().Embedded());
    GdtLoggedIn();
    // Live recordings that an earlier end by signal kept come back as "*Neu" tabs.
    if (const int kept = RestoreKeptLiveRecordings(); kept > 0)
        QTimer::singleShot(0, this, [this, kept] {
            Info(
                tr("Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie "
                   "wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern "
                   "Sie sie.")
                    .arg(kept));
        });
    try {
        FillPatList();
    } catch (const std::exception& e) {
        DbFailure(e);
    }
    if (!FUserControl && !FLoginEntriesRemoved) {
        RibbonGroup* g = FRibbon->Group(QStringLiteral("GroupDaten"));
        g->RemoveFrom(g->Count() - 5);
        FLoginEntriesRemoved = true;
    }
    return true;
}

void MainWindow::DoLogout() {
    ForgetLogin(FSettings);
    Action(QStringLiteral("Logout"))->setEnabled(false);
    Action(QStringLiteral("Login"))->setEnabled(true);
    // The exchange actions' states as they were before the tabs close.
    FRememberedExchange.clear();
    for (const char* name : {"Export", "Import", "Rohdaten", "Backup", "Restore"})
        FRememberedExchange.insert(QString::fromLatin1(name), Action(QString::fromLatin1(name))->isEnabled());
    ClearPatientPanel();
    if (FDM)
        FDM->Logout();
    SetLoggedInGroups(false);
    FUserPanel->clear();
    for (const char* name : {"Export", "Import", "Rohdaten", "Backup", "Restore"})
        Action(QString::fromLatin1(name))->setEnabled(false);
    Action(QStringLiteral("ChangePW"))->setEnabled(false);
    Action(QStringLiteral("user"))->setEnabled(false);
    Action(QStringLiteral("Verbinden"))->setEnabled(false);
    Action(QStringLiteral("Verbinden"))->setVisible(false);
}

void MainWindow::ConnectAgain() {
    if (!FDM || !FDM->LoggedIn())
        return;
    const qint64 current = FCurrentPatient;
    try {
        // A signal during the attach would reach the database client's handlers.
        const SignalWatcher::Hold hold;
        FDM->Reconnect();
    } catch (const std::exception& e) {
        // Still logged in: the next action or another click tries again.
        const QString text = Msg::Describe(e);
        FDevice->AddLog(text);
        Error(text);
        return;
    }
    try {
        PatientListsChanged(current);
    } catch (const std::exception& e) {
        DbFailure(e);
        return;
    }
    Info(tr("Die Verbindung zum Datenbankserver steht wieder."));
}

void MainWindow::DoChangePassword() {
    if (FNewPW->Ask() != QDialog::Accepted)
        return;
    try {
        FDM->ChangePassword(FNewPW->Password());
    } catch (const db::DbError& e) {
        Error(tr("Passwort ändern fehlgeschlagen (%1)").arg(e.Message()));
        return;
    } catch (const DataError& e) {
        Error(tr("Passwort ändern fehlgeschlagen (%1)").arg(e.Message()));
        return;
    }
    DoLogout();
}

void MainWindow::DoUserManager() {
    DoLogout();
    FUserMgr->Reload();
    FUserMgr->exec();
    DoLogin();
}

void MainWindow::BeginLiveMode() {
    FLive = true;
    FSplitter->widget(0)->hide();
    for (const char* name : {"EZStart", "Beenden", "Speichern", "Print", "PDF_Export", "Messung_Schliessen",
                             "Messung_loeschen", "Messung_Laden", "Programmieren", "LeseMessungen",
                             "Patienten", "PatNeu", "PatLoeschen", "Statistik"})
        Action(QString::fromLatin1(name))->setEnabled(false);
    FRibbon->Group(QStringLiteral("GroupUebungen"))->setEnabled(false);
    FRibbon->Group(QStringLiteral("GroupPatienten"))->setEnabled(false);
    Action(QStringLiteral("EZStop"))->setEnabled(true);
}

void MainWindow::EndLiveMode() {
    FLive = false;
    Action(QStringLiteral("EZStop"))->setEnabled(false);
    Action(QStringLiteral("Beenden"))->setEnabled(true);
    FRibbon->Group(QStringLiteral("GroupUebungen"))->setEnabled(true);
    FRibbon->Group(QStringLiteral("GroupPatienten"))->setEnabled(true);
    // Programming, read-out and live start come back with their windows.
    Action(QStringLiteral("Patienten"))->setEnabled(true);
    Action(QStringLiteral("PatNeu"))->setEnabled(true);
    Action(QStringLiteral("PatLoeschen"))->setEnabled(FCurrentPatient >= 0);
    Action(QStringLiteral("Messung_Laden"))->setEnabled(FCurrentPatient >= 0);
    UpdateRecordingActions();
    FSplitter->widget(0)->show();
    SetLeftPanel(FLeftShown);
    UpdateReadoutAction();
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    if ((e->modifiers() & Qt::ControlModifier) && (e->modifiers() & Qt::AltModifier))
        FServiceFlag = true;
    QMainWindow::keyPressEvent(e);
}

bool MainWindow::ServiceKeysHeld() const {
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    return FServiceFlag && (held & Qt::ControlModifier) && (held & Qt::AltModifier);
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
    if (!FKeepServiceFlag)
        FServiceFlag = false;
    QMainWindow::keyReleaseEvent(e);
}

void MainWindow::BuildLanguageMenus() {
    FLanguageMenu1->clear();
    FLanguageMenu2->clear();
    FLanguageBox->clear();
#if defined(ZUD_HAVE_I18N)
    auto& loc = zud::i18n::Localizer::Instance();
    for (const auto& lang : loc.Languages()) {
        for (QMenu* m : {FLanguageMenu1, FLanguageMenu2}) {
            QAction* a = m->addAction(lang.nativeName);
            a->setCheckable(true);
            a->setChecked(lang.code == loc.Current());
            a->setData(lang.code);
            connect(a, &QAction::triggered, this, [this, code = lang.code] { SwitchLanguage(code); });
        }
        FLanguageBox->addItem(lang.nativeName, lang.code);
        if (lang.code == loc.Current())
            FLanguageBox->setCurrentIndex(FLanguageBox->count() - 1);
    }
#else
    for (QMenu* m : {FLanguageMenu1, FLanguageMenu2}) {
        QAction* a = m->addAction(QStringLiteral("Deutsch"));
        a->setCheckable(true);
        a->setChecked(true);
    }
    FLanguageBox->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
#endif
}

void MainWindow::SwitchLanguage(const QString& code) {
#if defined(ZUD_HAVE_I18N)
    zud::i18n::Localizer::Instance().Switch(code);
    BuildLanguageMenus();
    LoadElectrodePictures(false);
#else
    Q_UNUSED(code);
#endif
    SetDisabledHeader(tr("Dieser Befehl ist deaktiviert."));
    FRibbon->UpdateTips();
}

void MainWindow::LoadElectrodePictures(bool reportErrors) {
#if defined(ZUD_HAVE_I18N)
    QString english = QStringLiteral("German");
    auto& loc = zud::i18n::Localizer::Instance();
    for (const auto& lang : loc.Languages())
        if (lang.code == loc.Current())
            english = lang.englishName;
    const QString file = ShareFolder() + QStringLiteral("epos.") + english;
    if (!QFile::exists(file) && reportErrors)
        throw std::runtime_error(
            QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(file).toStdString());
        // The programming window reads the pictures from this file when it is built.
#else
    Q_UNUSED(reportErrors);
#endif
}

void MainWindow::RefreshPorts() {
    if (!FDevice) {
        return;
    }
    if (!FDiscovery) {
        FDiscovery = SystemPortDiscovery();
    }
    const QList<PortInfo> ports = FDiscovery->Ports();
    const QString cable = TestKabel(ports);
    const QList<BluetoothDevice> bluetooth = FDiscovery->Bluetooth(std::chrono::seconds(20));
    FPortMenu->clear();
    FPortBox->clear();
    // Ctrl and Alt held: every port from now on, also after a restart.
    if (ServiceKeysHeld()) {
        FSettings.SetAllPorts(true);
        FSettings.Sync();
    }
    const bool all = FSettings.AllPorts() || FAllPortsRun;
    const PortList list = BuildPortList(ports, cable, bluetooth, all,
                                        FPortOverride.isEmpty() ? QStringList() : QStringList{FPortOverride});
    FAllPortsRun = FAllPortsRun || list.secondPass;
    FDevice->ComPort = ResolveStoredPort(FDevice->ComPort, list.items);
    FPortCaption.clear();
    for (const PortItem& item : list.items) {
        QAction* a = FPortMenu->addAction(item.caption);
        a->setCheckable(true);
        a->setData(item.path);
        a->setChecked(item.path == FDevice->ComPort);
        const QString path = item.path;
        connect(a, &QAction::triggered, this, [this, path] { SelectPort(path); });
        FPortBox->addItem(item.caption, item.path);
        if (item.path == FDevice->ComPort) {
            FPortCaption = item.caption;
        }
    }
    // The port in use is shown even when discovery does not list it.
    if (!FDevice->ComPort.isEmpty() && FPortBox->findData(FDevice->ComPort) < 0) {
        FPortCaption = UnlistedPortCaption(FDevice->ComPort);
        FPortBox->addItem(FPortCaption, FDevice->ComPort);
    }
    FPortBox->setCurrentIndex(FPortBox->findData(FDevice->ComPort));
    // Wide enough for the longest caption (a Bluetooth device's name can be long).
    FPortBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void MainWindow::SelectPort(const QString& path) {
    for (QAction* a : FPortMenu->actions()) {
        a->setChecked(a->data().toString() == path);
    }
    int i = FPortBox->findData(path);
    if (i < 0) {
        FPortBox->addItem(UnlistedPortCaption(path), path);
        i = FPortBox->count() - 1;
    }
    FPortBox->setCurrentIndex(i);
    FPortCaption = FPortBox->itemText(i);
    FDevice->ComPort = path;
    FSettings.SetPort(path);
    FSettings.Sync();
    // The next device exchange opens the new port.
    FDevice->close();
}

QString MainWindow::UnlistedPortCaption(const QString& path) const {
    return QFileInfo::exists(path) ? path : tr("%1 (nicht gefunden)").arg(path);
}

void MainWindow::TakeTypedPort() {
    if (!FDevice)
        return;
    const QString text = FPortBox->currentText().trimmed();
    if (text.isEmpty()) {
        FPortBox->setEditText(FPortCaption); // nothing typed: the port in use stays
        return;
    }
    if (text == FPortCaption)
        return;
    // A listed caption, else a path; a bare device name lies below /dev.
    const int listed = FPortBox->findText(text);
    QString path = listed >= 0 ? FPortBox->itemData(listed).toString() : text;
    if (listed < 0 && !path.startsWith(QLatin1Char('/')))
        path = QStringLiteral("/dev/") + path;
    SelectPort(path);
}

void MainWindow::CheckForUpdate(bool silent) {
    const QString server = FSettings.ReadString(QStringLiteral("UpdateServer"), QString());
    if (server.isEmpty()) {
        if (!silent)
            Info(tr("Es ist kein Update-Server eingerichtet."));
        return;
    }
    const UpdateResult r = zud::CheckForUpdate(server, WorkFolder(), ProgramVersionLabel());
    if (!r.available) {
        if (!silent)
            Error(tr("Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die "
                     "Internetverbindung."));
        return;
    }
    if (r.newer) {
        if (Question(tr("Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese "
                        "herunterladen?")
                         .arg(r.remoteVersion))) {
            QDesktopServices::openUrl(QUrl(r.downloadUrl));
            FLive = false;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return;
    }
    if (!silent)
        Info(tr("Die Anwendung ist bereits auf dem neuesten Stand."));
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (FShownOnce)
        return;
    FShownOnce = true;
    FRibbon->setCurrentIndex(0);
    BuildLanguageMenus();
    try {
        LoadElectrodePictures(true);
    } catch (const std::exception& ex) {
        if (FDevice)
            FDevice->AddLog(QString::fromUtf8(ex.what()));
        QTimer::singleShot(0, this, [this, m = QString::fromUtf8(ex.what())] { Error(m); });
    }
    RefreshPorts();
    WorkFolder();
    if (FCheckUpdate)
        QTimer::singleShot(0, this, [this] { CheckForUpdate(true); });
    OfferTakeOver();
    SetLeftPanel(FLeftShown);
    // The window is usable once it has drawn itself: the splash must not cover it any longer.
    QTimer::singleShot(0, this, &MainWindow::CloseSplash);
    QTimer::singleShot(0, this, [this] {
        if (qEnvironmentVariableIsEmpty("ZUD_SCREENSHOTS"))
            return;
        for (int i = FRibbon->count() - 1; i >= 0; --i) {
            FRibbon->setCurrentIndex(i);
            DumpScreenshot(this, i == 0 ? QStringLiteral("main") : QStringLiteral("main-tab%1").arg(i));
        }
    });
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // An orderly end by signal kept the live recordings as files: nothing to ask.
    if (!FEnded && (FLive || !ConfirmDiscardLive())) {
        e->ignore();
        return;
    }
    if (!FEnded) {
        for (int i = 0; i < TabCount(); ++i)
            if (FTabs->Counter(i) < 0)
                DiscardLiveFile(FTabs->At(i).live); // the user agreed to lose them
    }
    FSettings.SetShowLeftPanel(FLeftShown);
    FSettings.WriteString(QStringLiteral("MainWindowGeometry"),
                          QString::fromLatin1(saveGeometry().toBase64()));
    FSettings.Sync();
    zud::EmptyWorkFolder();
    e->accept();
}

void MainWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QMainWindow::changeEvent(e);
}

} // namespace zud::ui
