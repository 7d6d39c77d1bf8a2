// The main window's part of the device programming and the application change: "Programmieren"
// loads the device's records with the progress window and opens the programming window;
// "Anwendung wechseln" checks the device, reads its application record and opens its window.

#include "ApplicationChangeWindow.h"
#include "MainWindow.h"
#include "PatientSelectionWindow.h"
#include "ProgrammingWindow.h"
#include "ProgressWindow.h"
#include "TZUD12.h"
#include "TherapistChangeDialog.h"

#include "AppChange.h"
#include "Programming.h"
#include "Share.h"

#if defined(ZUD_HAVE_I18N)
#include "Localizer.h"
#endif

#include <QLineEdit>
#include <QStatusBar>

namespace zud::ui {

void MainWindow::CreateProgrammingWindows() {
    FProgrammierung = new ProgrammingWindow(this);
    FChangeApp = new ApplicationChangeWindow(this);
    FProgrammierung->ChoosePatient = [this]() -> std::optional<qint64> {
        if (!FDM || !FDM->LoggedIn())
            return std::nullopt;
        return FPatAuswahl->Choose(*FDM, -1);
    };
    FProgrammierung->EditTherapist =
        [this](const QString& name, const QString& vorname) -> std::optional<std::pair<QString, QString>> {
        FTherapist->NameEdit->setText(name);
        FTherapist->VornameEdit->setText(vorname);
        if (FTherapist->exec() != QDialog::Accepted)
            return std::nullopt;
        return std::pair{FTherapist->NameEdit->text(), FTherapist->VornameEdit->text()};
    };
    FProgrammierung->AdminFlag = [this] { return FServiceFlag; };
    FProgrammierung->ClearAdminFlag = [this] { FServiceFlag = false; };
    connect(Action(QStringLiteral("Programmieren")), &QAction::triggered, this, &MainWindow::DoProgrammieren);
    connect(Action(QStringLiteral("ChangeApp")), &QAction::triggered, this, &MainWindow::DoChangeApp);
}

void MainWindow::UpdateProgrammingActions() {
    for (const char* name : {"Programmieren", "ChangeApp"})
        Action(QString::fromLatin1(name))->setEnabled(FDevice && FDM && FDM->LoggedIn() && !FLive);
}

QString MainWindow::ElectrodePictureFile() const {
    QString english = QStringLiteral("German");
#if defined(ZUD_HAVE_I18N)
    auto& loc = zud::i18n::Localizer::Instance();
    for (const auto& lang : loc.Languages())
        if (lang.code == loc.Current())
            english = lang.englishName;
#endif
    return ShareDir() + QStringLiteral("epos.") + english;
}

void MainWindow::DoProgrammieren() {
    if (!FDevice || FLive || FDevice->Pumping())
        return;
    // A Ctrl+Alt held at the start stays recorded for the system parameters until the window closes.
    FKeepServiceFlag = true;
    {
        DeviceWork work(*FDevice, DeviceCompetitors());
        FProgress->SetCloseEnabled(true);
        const wf::Callbacks pc = FProgress->Callbacks();
        wf::ProgrammCallbacks cb;
        cb.progress = pc.progress;
        cb.cancelRequested = pc.cancelRequested;
        QString failure;
        try {
            wf::LadeProgrammierung(*FDevice, cb);
        } catch (const wf::WorkflowError& e) {
            failure = e.Message();
        }
        FProgress->Finish();
        if (!failure.isEmpty()) {
            FKeepServiceFlag = false;
            Error(failure);
            return;
        }
    }
    FProgrammierung->Prepare(FDevice.get(), FDM.get(), FProgress);
    FProgrammierung->SetPictureFile(ElectrodePictureFile());
    FProgrammierung->SetLoading(true);
    {
        // The window's own commands take the device; the main window's wait.
        DeviceWork work(*FDevice, DeviceCompetitors());
        if (FProgrammierung->exec() == QDialog::Accepted)
            statusBar()->showMessage(tr("Übertragen: %n Dateien", nullptr,
                                        int(FProgrammierung->LastTransfer().geschrieben.size())));
    }
    FKeepServiceFlag = false;
    FServiceFlag = false;
}

void MainWindow::DoChangeApp() {
    // "Vorher auslesen" in the window's question: the read-out, then the window again.
    for (;;) {
        if (!FDevice || FLive || FDevice->Pumping())
            return;
        {
            DeviceWork work(*FDevice, DeviceCompetitors());
            try {
                wf::StarteAnwendungswechsel(*FDevice);
            } catch (const wf::WorkflowError& e) {
                Error(e.Message());
                return;
            }
            FChangeApp->Prepare(FDevice.get());
            FChangeApp->exec();
            FDevice->close();
        }
        if (!FChangeApp->ReadOutRequested() || FEnding)
            return;
        DoLeseMessungen();
    }
}

} // namespace zud::ui
