#pragma once

// The main window: ribbon, patient/recording panel, chart area and status bar; owns the
// device object and the data module for the whole run.

#include "Ribbon.h"
#include "Settings.h"
#include "TDM1.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class QLabel;
class QLineEdit;
class QComboBox;
class QSplitter;
class QTreeWidget;
class QMenu;
class QActionGroup;

namespace zud {
class TZUD12;
}

#include "Ports.h"

namespace zud::ui {

class TDBLogin;
class TNewPW;
class TUserMgr;
class TSplash;
class TForm9;
class TAuslesenForm;

// True when `server` names another computer (not NONE, LOCALHOST, 127.0.0.1, EMBEDDED or
// this computer's name, all in any case).
bool IsRemoteServer(const QString& server, const QString& hostName);

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Creation step: data folder, device object, settings.
    void Create(const QString& portOverride = QString());
    // Login at start; false ends the program (the message was shown and logged).
    bool OpenDatabase();
    void SetSplash(TSplash* splash) { FSplash = splash; }

    // --- login (actions Login, Logout, ChangePW, user) ---
    bool DoLogin();
    void DoLogout();
    void DoChangePassword();
    void DoUserManager();

    // --- live measurement ---
    void BeginLiveMode();
    void EndLiveMode();
    bool LiveMode() const { return FLive; }

    bool ServiceFlag() const { return FServiceFlag; }
    void ClearServiceFlag() { FServiceFlag = false; }
    bool RemoteDatabase() const { return FRemote; }
    bool CheckUpdateOn() const { return FCheckUpdate; }
    bool LeftPanelShown() const { return FLeftShown; }
    void SetLeftPanel(bool shown);

    // Every action by its name (tests, later windows).
    QAction* Action(const QString& name) const { return FActions.value(name); }
    Ribbon* RibbonBar() const { return FRibbon; }
    TDM1* DM() const { return FDM.get(); }
    TZUD12* Device() const { return FDevice.get(); }
    Settings& Config() { return FSettings; }
    TDBLogin* LoginDialog() const { return FLogin; }
    TNewPW* NewPWDialog() const { return FNewPW; }
    TUserMgr* UserMgr() const { return FUserMgr; }
    QString StatusUserText() const;
    // "Aktualisieren": the port list from the port discovery.
    void RefreshPorts();
    QMenu* PortMenu() const { return FPortMenu; }
    QComboBox* PortBox() const { return FPortBox; }
    // Update check; silent at start.
    void CheckForUpdate(bool silent);
    void RetranslateUi();
    // The last message box text (tests read it).
    QString LastMessage;

    // --- exercise read-out ("Übungen auslesen") ---
    // Loading with the progress window, then the read-out window; afterwards the lists.
    void DoLeseMessungen();
    // The patient list and the recording list of `lastPatient` after the read-out (0: none stored).
    void PatientListsChanged(qint64 lastPatient);
    TForm9* ProgressForm() const { return FProgress; }
    TAuslesenForm* AuslesenForm() const { return FAuslesen; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    QAction* Make(const QString& name, const QString& icon, bool enabled = false);
    void BuildRibbon();
    void BuildLanguageMenus();
    void SwitchLanguage(const QString& code);
    void LoadElectrodePictures(bool reportErrors);
    void OfferTakeOver(); // take-over of the previous version's data
    void SetLoggedInGroups(bool on);
    void ApplyChartSettings();
    void UpdateGridActions();
    void Error(const QString& text);
    void Info(const QString& text);
    bool Question(const QString& text);
    void EmptyWorkFolder();
    void CloseSplash();
    void CreateReadoutWindows();
    // "Übungen auslesen" is enabled while logged in and no live measurement runs.
    void UpdateReadoutAction();
    // What must not start while a device workflow runs.
    QList<QAction*> DeviceCompetitors() const;

    Settings FSettings;
    std::unique_ptr<TZUD12> FDevice;
    std::unique_ptr<TDM1> FDM;
    Ribbon* FRibbon = nullptr;
    QHash<QString, QAction*> FActions;
    QHash<QString, bool> FRememberedExchange; // enabled state at the last logout
    QSplitter* FSplitter = nullptr;
    QWidget* FLeftPanel = nullptr;
    QTreeWidget* FPatientList = nullptr;
    QTreeWidget* FRecordingList = nullptr;
    QWidget* FChartArea = nullptr;
    QLabel* FUserPanel = nullptr;
    QLineEdit* FPatientBox = nullptr;
    QLineEdit* FRecordingBox = nullptr;
    QLineEdit* FUnitBox = nullptr;
    QComboBox* FPortBox = nullptr;
    QComboBox* FLanguageBox = nullptr;
    QMenu* FLanguageMenu1 = nullptr;
    QMenu* FLanguageMenu2 = nullptr;
    QMenu* FPortMenu = nullptr;
    QMenu* FBaudMenu = nullptr;
    QMenu* FPatientMenu = nullptr;
    QMenu* FRecordingMenu = nullptr;
    TDBLogin* FLogin = nullptr;
    TNewPW* FNewPW = nullptr;
    TUserMgr* FUserMgr = nullptr;
    TSplash* FSplash = nullptr;
    TSplash* FAbout = nullptr;
    TForm9* FProgress = nullptr;
    TAuslesenForm* FAuslesen = nullptr;
    bool FRemote = false;
    bool FCheckUpdate = false;
    bool FUserControl = false;
    bool FLoginEntriesRemoved = false;
    bool FLive = false;
    bool FServiceFlag = false;
    bool FLeftShown = false;
    bool FShownOnce = false;
    int FLeftWidth = 350;
    QString FLoginUser, FLoginPassword;
    QString FPortOverride;     // --port of this run: listed, never stored unless chosen
    bool FAllPortsRun = false; // every port for this run (no labelled port was found)
    QString FPortCaption;      // what the port box shows when its text is cleared
    std::unique_ptr<PortDiscovery> FDiscovery;

public:
    // Tests feed their own ports.
    void SetPortDiscovery(std::unique_ptr<PortDiscovery> d) { FDiscovery = std::move(d); }
    void SelectPort(const QString& path);
};

} // namespace zud::ui
