// The main window's part of the data exchange: "Daten Exportieren" and "Daten Importieren" open
// their windows, "Datenbank sichern" and "Datenbank wiederherstellen" take the database
// connection down and bring it back in every case, and at the first show the data of the
// previous version is offered for take-over into an empty database.

#include "ExchangeDatabase.h"
#include "ExchangeProgress.h"
#include "ExchangeWindows.h"
#include "FileDialogs.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "ProgressWindow.h"
#include "SplashScreen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace zud::ui {

namespace {

// Keeps the window painting while a step runs; clicks wait until it is over.
exchange::Feedback Pumping(const std::function<void(const QString&)>& step) {
    exchange::Feedback fb;
    fb.step = [step](const QString& text) {
        if (step)
            step(text);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    fb.progress = [](qint64, qint64) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    return fb;
}

} // namespace

void MainWindow::CreateExchangeWindows() {
    FExpForm = new ExportWindow(this);
    FImpForm = new ImportWindow(this);
    FImpForm->Imported = [this] { PatientListsChanged(FCurrentPatient); };
    FTakeOverProgress = new ProgressWindow(this);
    FTakeOverProgress->setObjectName(QStringLiteral("TakeOverProgress"));
    connect(Action(QStringLiteral("Export")), &QAction::triggered, this, [this] { DoExport(); });
    connect(Action(QStringLiteral("Import")), &QAction::triggered, this, [this] { DoImport(); });
    connect(Action(QStringLiteral("Backup")), &QAction::triggered, this, [this] { DoBackup(); });
    connect(Action(QStringLiteral("Restore")), &QAction::triggered, this, [this] { DoRestore(); });
    Action(QStringLiteral("Export"))->setEnabled(true);
    Action(QStringLiteral("Import"))->setEnabled(true);
    // What a killed export, import, backup or restore left goes at the start.
    try {
        ExchangeDatabase(DbLocation::FromSettings(FSettings), FSettings.AdminPassword()).RemoveLeftovers();
    } catch (const std::exception&) {
        // No work folder yet, or none to be made: nothing was left there.
    }
}

ExchangeDatabase& MainWindow::Exchange() {
    if (!FDM2)
        FDM2 = std::make_unique<ExchangeDatabase>(DbLocation::FromSettings(FSettings),
                                                  FSettings.AdminPassword());
    return *FDM2;
}

void MainWindow::DoExport() {
    if (!FDM || !FDM->LoggedIn())
        return;
    try {
        FExpForm->Ask(*FDM, Exchange());
    } catch (const std::exception& e) {
        DbFailure(e);
    }
}

void MainWindow::DoImport() {
    if (!FDM || !FDM->LoggedIn())
        return;
    FImpForm->Ask(*FDM, Exchange());
}

bool MainWindow::Reconnect() {
    try {
        FDM->Login(FUserControl ? FLoginUser : QStringLiteral("sysdba"),
                   FUserControl ? FLoginPassword : FSettings.AdminPassword(), FSettings.AdminPassword());
        return true;
    } catch (const std::exception& e) {
        const QString msg = Msg::Describe(e);
        FDevice->AddLog(msg);
        Error(PatientDatabase::OpenErrorText(msg));
        return false;
    }
}

bool MainWindow::DoBackup(const QString& fileIn) {
    if (!FDM || !FDM->LoggedIn() || FRemote || FLive)
        return false;
    QString file = fileIn;
    if (file.isEmpty()) {
        file = AskSaveFileName(this, tr("Datenbank sichern"), tr("Backups (*.bak3)"), QStringLiteral("bak3"));
        if (file.isEmpty())
            return false;
    }
    ExchangeProgress progress(this);
    const exchange::Feedback fb = progress.Start(tr("Datenbank sichern"));
    const qint64 current = FCurrentPatient;
    // The embedded engine lets the backup tool have the file only while nobody holds it.
    return WithDatabaseReleased(
        progress, current, [&] { Exchange().Backup(file, fb); },
        tr("Die Datenbank wurde gesichert in die Datei:\n%1").arg(QDir::toNativeSeparators(file)));
}

bool MainWindow::DoRestore(const QString& fileIn) {
    if (!FDM || !FDM->LoggedIn() || FRemote || FLive)
        return false;
    QString file = fileIn;
    if (file.isEmpty()) {
        file = QFileDialog::getOpenFileName(this, tr("Datenbank wiederherstellen"), QString(),
                                            tr("Backups (*.bak3)"));
        if (file.isEmpty())
            return false;
    }
    // It replaces every patient and recording: "Nein" is the default.
    if (!ConfirmDelete(tr("Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie "
                          "fortfahren?")))
        return false;
    if (!ConfirmDiscardLive())
        return false;
    ExchangeProgress progress(this);
    const exchange::Feedback fb = progress.Start(tr("Datenbank wiederherstellen"));
    ClearPatientPanel();
    return WithDatabaseReleased(
        progress, -1, [&] { Exchange().Restore(file, fb); },
        tr("Die Datenbank wurde wiederhergestellt aus der Datei:\n%1").arg(QDir::toNativeSeparators(file)));
}

// A step that needs the database file to itself (backup, restore): logged out meanwhile and
// logged in again after, `patient` chosen again; a failure is said (a cancel as information),
// success with `done`. True when the step worked and the login is back.
bool MainWindow::WithDatabaseReleased(ExchangeProgress& progress, qint64 patient,
                                      const std::function<void()>& step, const QString& done) {
    QString failure;
    FDM->Logout();
    try {
        step();
    } catch (const std::exception& e) {
        failure = Msg::Describe(e);
    }
    const bool back = Reconnect();
    progress.Finish();
    if (back)
        PatientListsChanged(patient);
    else
        DoLogout();
    if (!failure.isEmpty()) {
        if (progress.Cancelled())
            Info(failure);
        else
            Error(failure);
        return false;
    }
    Info(done);
    return back;
}

void MainWindow::OfferTakeOver() {
    if (!FDM || !FDM->LoggedIn())
        return;
    const DbLocation old = OldLocationFromSettings(FSettings);
    try {
        if (!ExchangeDatabase::TakeOverWanted(FDM->Db(), old))
            return;
    } catch (const std::exception&) {
        return; // no answer, nothing to offer
    }
    CloseSplash();
    if (!Question(tr("Möchten Sie die Daten aus der Vorgängerversion übernehmen?")))
        return;
    FTakeOverProgress->setWindowTitle(tr("Importieren"));
    FTakeOverProgress->SetMaximum(0);
    FTakeOverProgress->SetPosition(0);
    FTakeOverProgress->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    exchange::Feedback fb = Pumping([this](const QString& text) {
        FTakeOverProgress->SetText(text);
        TakeOverSteps << text;
        if (TakeOverSteps.size() == 3)
            DumpScreenshot(FTakeOverProgress, QStringLiteral("takeover"));
    });
    fb.progress = [this](qint64 done, qint64 total) {
        if (total > 0 && total < (1 << 30)) {
            FTakeOverProgress->SetMaximum(static_cast<int>(total));
            FTakeOverProgress->SetPosition(static_cast<int>(done));
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    QString failure;
    try {
        Exchange().TakeOver(FDM->Db(), old, fb);
    } catch (const std::exception& e) {
        failure = Msg::Describe(e);
    }
    QApplication::restoreOverrideCursor();
    FTakeOverProgress->Finish();
    PatientListsChanged(-1);
    if (!failure.isEmpty())
        Error(failure);
}

void MainWindow::UpdateExchangeForRemote() {
    Action(QStringLiteral("Backup"))->setEnabled(!FRemote);
    Action(QStringLiteral("Restore"))->setEnabled(!FRemote);
}

} // namespace zud::ui
