// The main window's part of the exercise read-out: "Übungen auslesen" loads the device's
// records and listings with the progress window and opens the read-out window.

#include "MainWindow.h"
#include "PatientDialog.h"
#include "PatientSelectionWindow.h"
#include "ProgressWindow.h"
#include "ReadoutWindow.h"
#include "TZUD12.h"

#include "GdtSettings.h"
#include "Readout.h"

namespace zud::ui {

void MainWindow::CreateReadoutWindows() {
    FProgress = new ProgressWindow(this);
    FAuslesen = new ReadoutWindow(this);
    // "Importieren": the patient dialog with the device's values; "Zuweisen": the selection.
    FAuslesen->ImportPatient = [this](const QString& vorname, const QString& name,
                                      const QDate& geburtstag) -> std::optional<qint64> {
        if (!FDM || FPatDialog->Ask(*FDM, PatientDialog::NewProposed, -1, vorname, name, geburtstag) !=
                        QDialog::Accepted)
            return std::nullopt;
        return FPatDialog->SavedId();
    };
    FAuslesen->ChoosePatient = [this](const QString& vorname, const QString& name,
                                      const QDate& geburtstag) -> std::optional<qint64> {
        if (!FDM)
            return std::nullopt;
        // Opens on the patient the device's names and birth date point to.
        const auto best = wf::BesterTreffer(*FDM, vorname, name, geburtstag);
        return FPatAuswahl->Choose(*FDM, best.value_or(-1));
    };
    // "An Praxissoftware senden" in the summary, unless the results go there on their own.
    FAuslesen->OfferSending = [this] {
        const GdtSettings s = GdtSettings::Read(FSettings);
        return s.On && !s.Auto;
    };
    FAuslesen->SendResults = [this](const QList<qint64>& counters) {
        SendResultsToPracticeSoftware(counters, false);
    };
    connect(Action(QStringLiteral("LeseMessungen")), &QAction::triggered, this, &MainWindow::DoLeseMessungen);
}

void MainWindow::UpdateReadoutAction() {
    Action(QStringLiteral("LeseMessungen"))->setEnabled(FDevice && FDM && FDM->LoggedIn() && !FLive);
    Action(QStringLiteral("EZStart"))->setEnabled(FDevice && FDM && FDM->LoggedIn() && !FLive);
    UpdateProgrammingActions();
}

QList<QAction*> MainWindow::DeviceCompetitors() const {
    QList<QAction*> out;
    for (const char* name : {"Programmieren", "LeseMessungen", "EZStart", "EZStop", "ChangeApp",
                             "Aktualisieren", "PortMenu", "BaudMenu", "Beenden", "Login", "Logout",
                             "ChangePW", "user", "Export", "Import", "Backup", "Restore"}) {
        out << Action(QString::fromLatin1(name));
    }
    return out;
}

void MainWindow::DoLeseMessungen() {
    if (!FDevice || !FDM || !FDM->LoggedIn() || FLive || FDevice->Pumping()) {
        return;
    }
    qint64 last = 0;
    {
        DeviceWork work(*FDevice, DeviceCompetitors(), FProgress);
        FProgress->SetCloseEnabled(false);
        QString failure;
        try {
            wf::LeseMessungen(*FDevice, *FDM, FProgress->Callbacks());
        } catch (...) {
            // The loading ended the conversation itself; whatever stopped it is told in German.
            failure = wf::FehlerText(std::current_exception());
        }
        FProgress->Finish();
        if (!failure.isEmpty()) {
            Error(failure);
            return;
        }
        if (FEnding)
            return; // the program is ending: no read-out window any more
        FAuslesen->Prepare(FDevice.get(), FDM.get(), FProgress);
        FAuslesen->Ask();
        // The patient of the last stored recording becomes the current one; without a transfer,
        // the patient just saved by "Importieren".
        last = FAuslesen->LastPatient() > 0 ? FAuslesen->LastPatient() : FAuslesen->ImportedPatient();
    }
    PatientListsChanged(last);
    SendNewResults(FAuslesen->Result().counters);
}

} // namespace zud::ui
