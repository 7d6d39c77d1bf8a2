#pragma once

// "Patienten": every patient in a table, searched by surname, with new, edit, delete and the
// choice of the current patient.

#include "PatientDatabase.h"
#include "RibbonDialog.h"

#include <functional>
#include <optional>

class QTableView;

namespace zud::ui {

class PatientModel;
class PatientDialog;

// Asks whether the patient (by name) is to be deleted and, when he has recordings, whether they
// go too (else they stay in the database without a patient); `confirm` asks a question whose
// default is "Nein". True when the patient was deleted. Database failures, and a patient who is
// gone, are thrown.
bool AskAndDeletePatient(PatientDatabase& dm, qint64 id, const std::function<bool(const QString&)>& confirm);

class PatientSelectionWindow : public RibbonDialog {
    Q_OBJECT
public:
    explicit PatientSelectionWindow(PatientDialog* patientDialog, QWidget* parent = nullptr);

    // Shows the window modally with `current` selected; the chosen key on "Auswählen".
    std::optional<qint64> Choose(PatientDatabase& dm, qint64 current);
    // Refills the list (filter while "Suchen" is checked), selecting `current`.
    void Fill();
    void SetDM(PatientDatabase& dm, qint64 current) {
        FDM = &dm;
        FCurrent = current;
    }
    // The commands (tests call them directly).
    void Neu();
    void Bearbeiten();
    void Loeschen();
    void SetSearch(bool on, const QString& text);
    qint64 SelectedId() const;
    bool SelectRow(int row);

    QTableView* View = nullptr;
    PatientModel* Model() const { return FModel; }
    QString SearchText;
    // Asks for the search text; tests replace it. Empty optional on cancel.
    std::function<std::optional<QString>(const QString& preset)> AskSearch;
    // Called when the list's contents may have changed (a patient was added, edited, deleted).
    std::function<void()> Changed;
    // A patient was added ("Neu") or edited ("Bearbeiten") and saved.
    std::function<void(qint64)> Saved;

protected:
    void done(int r) override;
    void RetranslateUi() override;
    void showEvent(QShowEvent* e) override;

private:
    void UpdateActions();
    // A patient was saved by the dialog: it becomes the list's current one, and both callbacks
    // hear of it.
    void TakeSaved(qint64 id);
    void DbFailure(const std::exception& e);
    PatientDialog* FDialog;
    PatientDatabase* FDM = nullptr;
    PatientModel* FModel = nullptr;
    qint64 FCurrent = -1;
    qint64 FChosen = -1;
    bool FFilling = false;
};

} // namespace zud::ui
