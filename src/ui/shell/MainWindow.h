#pragma once

// The main window: ribbon, patient/recording panel, chart area and status bar; owns the
// device object and the data module for the whole run.

#include "PatientDatabase.h"
#include "Ribbon.h"
#include "Settings.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QSlider;
class QComboBox;
class QSplitter;
class QMenu;
class QActionGroup;
class QTabBar;
class QVBoxLayout;

namespace zud {
class TZUD12;
class ExchangeDatabase;
class GdtWatcher;
} // namespace zud

#include "Chart.h"
#include "Ports.h"
#include "Reports.h"

#include <QDateTime>
#include <vector>

namespace zud::ui {

class LoginDialog;
class NewPasswordDialog;
class UserManagerWindow;
class SplashScreen;
class PatientDialog;
class TherapistChangeDialog;
class PatientSelectionWindow;
class RecordingSelectionWindow;
class RemarksDialog;
class MoveRecordingDialog;
class PatientModel;
class RecordingModel;
class PatientView;
class RecordingView;
class ChartFrame;
class RecordingTabs;
class LiveMeasurement;
class LiveChart;
class LiveSessionPanel;
class ToneOutput;
class ProgressWindow;
class ExchangeProgress;
class ReadoutWindow;
class ProgrammingWindow;
class ApplicationChangeWindow;
class StatisticsWindow;
class PrintPreviewWindow;
class ExportWindow;
class ImportWindow;
class GdtSettingsDialog;
class GdtHandoverServer;

// True when `server` names another computer (not NONE, LOCALHOST, 127.0.0.1, EMBEDDED or
// this computer's name, all in any case).
bool IsRemoteServer(const QString& server, const QString& hostName);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Creation step: data folder, device object, settings.
    void Create(const QString& portOverride = QString());
    // Login at start; false ends the program (the message was shown and logged).
    bool OpenDatabase();
    void SetSplash(SplashScreen* splash) { FSplash = splash; }

    // --- login (actions Login, Logout, ChangePW, user) ---
    bool DoLogin();
    void DoLogout();
    void DoChangePassword();
    void DoUserManager();

    // --- live measurement ---
    void BeginLiveMode();
    void EndLiveMode();
    // From "Echtzeit Start" until the feed has ended every command that needs the port or the
    // session is off (read-out, programming, application change, port choice, login, exchange).
    void ReservePortForLive();
    void ReleasePortFromLive();
    bool LiveMode() const { return FLive; }
    // "Echtzeit Start": the handshake, then the feed; "Echtzeit Stop" ends it.
    void StartLive();
    void StopLive();
    // For the end of the session during a live measurement: the feed stops (the device leaves
    // real-time mode) and what was recorded becomes a "*Neu" tab before this returns. True when
    // no live measurement runs any more.
    bool StopLiveAndKeep(int ms = 3000);
    LiveMeasurement* Live() const { return FLiveMeasurement; }
    LiveChart* LiveChartView() const { return FLiveChart; }
    LiveSessionPanel* LivePanel() const { return FLivePanel; }
    // The tone of the live measurement ("Ton" and its volume in the ribbon, both stored).
    ToneOutput* Tone() const { return FTone; }
    QSlider* ToneVolumeControl() const { return FToneVolume; }

    // Ctrl and Alt went down together in this window (kept while the programming window is
    // open, which reads it for its Admin page).
    bool ServiceFlag() const { return FServiceFlag; }
    // The flag, and the two keys are still held now: asked when "Aktualisieren" runs, so that a
    // release another window received (a shortcut moved the focus) cannot store AllPorts.
    bool ServiceKeysHeld() const;
    void ClearServiceFlag() { FServiceFlag = false; }
    bool RemoteDatabase() const { return FRemote; }
    bool CheckUpdateOn() const { return FCheckUpdate; }
    bool LeftPanelShown() const { return FLeftShown; }
    void SetLeftPanel(bool shown);

    // Every action by its name (tests, later windows).
    QAction* Action(const QString& name) const { return FActions.value(name); }
    Ribbon* RibbonBar() const { return FRibbon; }
    PatientDatabase* DM() const { return FDM.get(); }
    TZUD12* Device() const { return FDevice.get(); }
    Settings& Config() { return FSettings; }
    LoginDialog* TheLoginDialog() const { return FLogin; }
    NewPasswordDialog* NewPWDialog() const { return FNewPW; }
    UserManagerWindow* UserMgr() const { return FUserMgr; }
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

    // --- patients and recordings ---
    // Refills the patient menu and, unless `menuOnly`, the patient list.
    void FillPatList(bool menuOnly = false);
    // Makes a patient current (menu, list, selection window): touch, menu, recordings.
    void OpenPatient(qint64 id);
    // The recording list and the recent-recordings menu of a patient, who becomes current;
    // -1 fills nothing. While a recording is being opened the list is not refilled.
    void FillMessList(qint64 patient, bool opening = false);
    qint64 CurrentPatient() const { return FCurrentPatient; }
    // Opens a recording into a tab; `singleClick` when picked by a click in the list.
    bool OpenRecording(qint64 counter, bool singleClick = false);
    void CloseRecording();                 // "Übung schließen"
    void DeleteRecording(bool ask = true); // "Übung löschen"
    void EditRemarks();                    // "Bemerkung hinzufügen/ändern"
    void SaveLiveRecording();              // "Übung speichern" of a "*Neu" tab
    void ChoosePatient();                  // "Patienten"
    void NewPatient();                     // "Patient hinzufügen"
    void DeleteCurrentPatient();           // "Patient löschen"
    void LoadRecording();                  // "Übung laden"
    // Moves a recording to the patient of the patient list's row (drag and drop).
    void MoveRecording(qint64 counter, qint64 targetPatient);
    // A finished live measurement: a complete recording stream and the time it started.
    void AddLiveRecording(const QByteArray& stream, const QDateTime& start);
    // "Zuschneiden", and its end with "Übernehmen" (apply) or "Verwerfen".
    void BeginCrop();
    void EndCrop(bool apply);
    bool Cropping() const { return FCrop; }
    // "Rohdaten exportieren" of the active tab; asks for the file when `file` is empty.
    void ExportRawData(const QString& file = QString());
    // The file name the save dialog proposes for the raw data of tab `index`.
    QString RawDataFileName(int index);
    // After a read-out: both lists show the last patient.
    void PatientListsChanged(qint64 lastPatient);
    // "Erneut verbinden": the connection to the database server is dropped and made anew with
    // the login's account, the lists read again; a message when the server cannot be reached.
    void ConnectAgain();
    void ActivateTab(int index);
    int TabCount() const;
    int ActiveTab() const;
    QString TabCaption(int index) const;
    qint64 TabCounter(int index) const;
    ChartFrame* Frame(int index) const;
    // The recording and remarks of the tab that is shown.
    QByteArray DisplayedStream() const;
    QString DisplayedRemarks() const;
    RecordingTabs* Tabs() const { return FTabs; }
    PatientView* PatientListView() const { return FPatientList; }
    RecordingView* RecordingListView() const { return FRecordingList; }
    PatientModel* PatientListModel() const { return FPatientModel; }
    RecordingModel* RecordingListModel() const { return FRecordingModel; }
    QMenu* PatientMenu() const { return FPatientMenu; }
    QMenu* RecordingMenu() const { return FRecordingMenu; }
    QLineEdit* PatientBox() const { return FPatientBox; }
    QLineEdit* RecordingBox() const { return FRecordingBox; }
    PatientDialog* ThePatientDialog() const { return FPatDialog; }
    PatientSelectionWindow* PatientSelection() const { return FPatAuswahl; }
    RecordingSelectionWindow* RecordingSelection() const { return FMessAuswahl; }
    RemarksDialog* TheRemarksDialog() const { return FBemForm; }
    MoveRecordingDialog* MoveDialog() const { return FMoveDialog; }
    TherapistChangeDialog* TherapistDialog() const { return FTherapist; }
    // Device type names whose recordings are listed but not shown (none are known to us).
    QStringList OtherModels;
    // --- orderly end (SIGTERM, SIGINT, SIGHUP through SignalWatcher) ---
    // Ends the program in order, whatever it is doing: modal windows are closed, a running
    // transfer is cancelled as by the progress window's close box and finishes its recording,
    // unsaved live recordings are kept as complete files in the data folder, the device gets its
    // normal screen with the port closed, the database unit is committed and the login ended,
    // the settings are written and the work folder emptied; then the event loop ends with 0.
    void EndInOrder();
    bool Ending() const { return FEnding; }
    // Runs first at an orderly end: a running live measurement stops its feed here (so that its
    // recording becomes a "*Neu" tab and is kept with the others). Empty while there is none.
    std::function<void()> StopLiveFeed;
    // Unsaved live recordings kept at an earlier end ("Neu-<start>.hdf" in the data folder).
    static QString KeptLiveRecordingPath(const QDateTime& start, int number);
    static QStringList KeptLiveRecordings();
    // After the login: every kept live recording becomes a "*Neu" tab again (its file stays until
    // the recording is saved or the user discards it); the number of them.
    int RestoreKeptLiveRecordings();
    // --- exercise read-out ("Übungen auslesen") ---
    // Loading with the progress window, then the read-out window; afterwards the lists.
    void DoLeseMessungen();
    ProgressWindow* ProgressForm() const { return FProgress; }
    ReadoutWindow* AuslesenForm() const { return FAuslesen; }
    // --- device programming ("Programmieren") and application change ("Anwendung wechseln") ---
    void DoProgrammieren();
    void DoChangeApp();
    ProgrammingWindow* ProgrammingForm() const { return FProgrammierung; }
    ApplicationChangeWindow* ChangeAppForm() const { return FChangeApp; }
    // The electrode picture file of the current language.
    QString ElectrodePictureFile() const;
    // --- statistics and reports ---
    void DoStatistik(); // "Statistik" for the current patient
    void DoPreview();   // "Druckvorschau"
    bool DoPdfExport(); // "Als PDF exportieren": the page of the shown recording
    StatisticsWindow* StatistikForm() const { return FStatistik; }
    PrintPreviewWindow* PreviewForm() const { return FPreview; }
    // --- data exchange ---
    void DoExport();
    void DoImport();
    // "Datenbank sichern" / "Datenbank wiederherstellen"; ask for the file when it is empty.
    bool DoBackup(const QString& file = QString());
    bool DoRestore(const QString& file = QString());
    // The take-over of the previous version's data, offered at the first show.
    void OfferTakeOver();
    // --- practice software (GDT) and EDF+ ---
    // Takes a request file of the practice software: its patient becomes current (a request to
    // show an examination opens that recording) and the window comes to the front. False when the
    // file was refused (the status bar says why) or must wait for a login.
    bool TakeGdtRequest(const QString& path);
    // A request file given on the command line, taken after the login.
    void SetGdtStartFile(const QString& path) { FGdtStartFile = path; }
    // A request file from outside (the command line, a second start): taken as a file of the
    // exchange folder, once logged in and no live measurement runs.
    void TakeOutsideGdtRequest(const QString& path);
    // The socket on which a second start hands its request file over.
    GdtHandoverServer* GdtHandover() const { return FGdtHandover; }
    // "An Praxissoftware senden": the result of a stored recording; a failure in a message box
    // or, when `quiet`, in the status bar.
    bool SendToPracticeSoftware(qint64 counter, bool quiet = false);
    // The results of several recordings, one file each, in their order; stops at the first that
    // cannot be sent and says how many went. Returns the number sent.
    int SendResultsToPracticeSoftware(const QList<qint64>& counters, bool quiet);
    // "Als EDF+ exportieren": one file (asked for when `target` is empty) or, for several
    // recordings, one file each in a folder.
    void ExportEdf(const QList<qint64>& counters, const QString& target = QString());
    void DoGdtSettings(); // "GDT-Einstellungen"
    GdtSettingsDialog* GdtDialog() const { return FGdtDialog; }
    GdtWatcher* GdtFolderWatcher() const { return FGdtWatcher; }
    ExportWindow* ExportForm() const { return FExpForm; }
    ImportWindow* ImportForm() const { return FImpForm; }
    ProgressWindow* TakeOverProgress() const { return FTakeOverProgress; }
    QStringList TakeOverSteps; // the steps the last take-over showed (tests)

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    QAction* Make(const QString& name, const QString& icon, bool enabled = false);
    void BuildRibbon();
    // The ribbon's parts, in the order BuildRibbon makes them.
    void MakeRibbonActions();
    void GroupExclusiveActions();
    void MakeRibbonMenus();
    void BuildGeneralTab();
    void BuildCommunicationTab();
    void BuildPortTab();
    void FillBaudMenu();
    void BuildPatientsTab();
    void BuildRecordingsTab();
    void BuildDataTab();
    void BuildViewTab();
    void BuildOtherSettingsTab();
    void ConnectRibbonActions();
    void RetranslateActions();
    void RetranslateRibbonCaptions();
    void BuildLanguageMenus();
    void SwitchLanguage(const QString& code);
    void LoadElectrodePictures(bool reportErrors);
    void SetLoggedInGroups(bool on);
    void ApplyChartSettings();
    void UpdateGridActions();
    void Error(const QString& text);
    void Info(const QString& text);
    bool Question(const QString& text);
    bool ConfirmDelete(const QString& text); // a question whose "Ja" deletes: "Nein" is the default
    void CloseSplash();
    void BuildPatientPanel(QWidget* left);
    void ConnectPatientActions();
    void RetranslatePatientPanel();
    void ClearPatientPanel();
    bool WithDatabaseReleased(ExchangeProgress& progress, qint64 patient, const std::function<void()>& step,
                              const QString& done);
    // Shows the patient and recording lists once a patient is current.
    void ShowRecordingList();
    // The panel beside the live chart, as a run starts.
    void ShowLivePanel();
    void UpdateRecordingActions();
    void RefillRecordingList();
    void ShowFrames();
    // True when no live recording is unsaved, or the user agrees to lose them; offers to keep
    // them otherwise.
    bool ConfirmDiscardLive();
    ChartOptionen ChartOptions() const;
    bool DbFailure(const std::exception& e);
    // A command whose database failure is shown in German (and the lists reloaded).
    std::function<void()> Guarded(std::function<void()> f);
    void CreateReadoutWindows();
    void CreateProgrammingWindows();
    // "Programmieren" and "Anwendung wechseln" are enabled while logged in and no live measurement runs.
    void UpdateProgrammingActions();
    void CreateReportWindows();
    // "Statistik" with a patient and no live measurement; the print commands with a stored
    // recording on display.
    void UpdateReportActions();
    // The recording of tab `index` as the report pages draw it; nullopt for a live one.
    std::optional<Berichtsaufnahme> ReportRecording(int index);
    // "Übungen auslesen" is enabled while logged in and no live measurement runs.
    void UpdateReadoutAction();
    // What must not start while a device workflow runs.
    QList<QAction*> DeviceCompetitors() const;
    void CreateExchangeWindows();
    ExchangeDatabase& Exchange();
    // Logs in again as before a backup or restore; false (and the message shown) when that fails.
    bool Reconnect();
    void UpdateExchangeForRemote();
    void SetupGdt();
    void RetranslateGdt();
    void GdtLoggedIn();
    bool AutoSendOn() const;
    // With automatic sending on: the results of the recordings just stored.
    void SendNewResults(const QList<qint64>& counters);
    QString FGdtStartFile;
    GdtWatcher* FGdtWatcher = nullptr;
    GdtHandoverServer* FGdtHandover = nullptr;
    QStringList FGdtOutside; // outside request files waiting for the login or the live end
    QTimer* FGdtOutsideTimer = nullptr;
    void TakeWaitingOutsideRequests();
    GdtSettingsDialog* FGdtDialog = nullptr;
    std::unique_ptr<ExchangeDatabase> FDM2;
    ExportWindow* FExpForm = nullptr;
    ImportWindow* FImpForm = nullptr;
    ProgressWindow* FTakeOverProgress = nullptr;

    Settings FSettings;
    std::unique_ptr<TZUD12> FDevice;
    std::unique_ptr<PatientDatabase> FDM;
    Ribbon* FRibbon = nullptr;
    QHash<QString, QAction*> FActions;
    QHash<QString, bool> FRememberedExchange; // enabled state at the last logout
    QSplitter* FSplitter = nullptr;
    QWidget* FLeftPanel = nullptr;
    PatientView* FPatientList = nullptr;
    RecordingView* FRecordingList = nullptr;
    PatientModel* FPatientModel = nullptr;
    RecordingModel* FRecordingModel = nullptr;
    RecordingTabs* FTabs = nullptr; // the chart tabs of stored and live recordings
    LiveMeasurement* FLiveMeasurement = nullptr;
    LiveChart* FLiveChart = nullptr;        // in place of the tabs while a live measurement runs
    LiveSessionPanel* FLivePanel = nullptr; // beside the live chart: who, what, how long
    ToneOutput* FTone = nullptr;
    QSlider* FToneVolume = nullptr;
    QLabel* FToneVolumeLabel = nullptr;
    void CreateLiveWindow();
    void MakeLiveMeasurement();
    // The stored switch and volume of the tone onto the ribbon.
    void ApplyToneSettings();
    void RetranslateTone();
    // Actions that rest while the feed runs, with their state before it.
    QList<QPair<QAction*, bool>> FLiveRested;
    bool FPortBoxRested = true;
    // Writes every unsaved live recording that has no file yet into the data folder.
    void KeepLiveRecordings();
    void DiscardLiveFile(int live);
    void FinishEnd();
    bool FEnding = false;
    bool FEnded = false;
    qint64 FCurrentPatient = -1;
    qint64 FOtherModelCounter = -1; // a recording of another model: listed, not shown, deletable
    bool FSelectingPatient = false;
    bool FCrop = false;
    PatientDialog* FPatDialog = nullptr;
    TherapistChangeDialog* FTherapist = nullptr;
    PatientSelectionWindow* FPatAuswahl = nullptr;
    RecordingSelectionWindow* FMessAuswahl = nullptr;
    RemarksDialog* FBemForm = nullptr;
    MoveRecordingDialog* FMoveDialog = nullptr;
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
    LoginDialog* FLogin = nullptr;
    NewPasswordDialog* FNewPW = nullptr;
    UserManagerWindow* FUserMgr = nullptr;
    SplashScreen* FSplash = nullptr;
    SplashScreen* FAbout = nullptr;
    ProgressWindow* FProgress = nullptr;
    ReadoutWindow* FAuslesen = nullptr;
    ProgrammingWindow* FProgrammierung = nullptr;
    ApplicationChangeWindow* FChangeApp = nullptr;
    bool FKeepServiceFlag = false; // key releases do not clear the Ctrl+Alt flag while programming
    StatisticsWindow* FStatistik = nullptr;
    PrintPreviewWindow* FPreview = nullptr;
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
    // The caption of a port that discovery did not list: its path, marked when it is not there.
    QString UnlistedPortCaption(const QString& path) const;
    // A port typed into the port box (a listed caption, a path or a name below /dev).
    void TakeTypedPort();

public:
    // Tests feed their own ports.
    void SetPortDiscovery(std::unique_ptr<PortDiscovery> d) { FDiscovery = std::move(d); }
    void SelectPort(const QString& path);
};

} // namespace zud::ui
