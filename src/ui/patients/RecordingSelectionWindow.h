#pragma once

// "Übung wählen": the recordings of the current patient, newest first.

#include "PatientDatabase.h"
#include "RibbonDialog.h"

#include <functional>
#include <optional>

class QTreeView;

namespace zud::ui {

class RecordingModel;

class RecordingSelectionWindow : public RibbonDialog {
    Q_OBJECT
public:
    explicit RecordingSelectionWindow(QWidget* parent = nullptr);
    // Shows the window modally; the chosen COUNTER on "Auswählen".
    std::optional<qint64> Choose(PatientDatabase& dm, qint64 patient);
    void Fill(PatientDatabase& dm, qint64 patient);
    // "Löschen" of the selected row after the question; false when nothing was deleted.
    bool Loeschen();
    qint64 SelectedCounter() const;
    QTreeView* View = nullptr;
    RecordingModel* Model() const { return FModel; }
    // Called after a recording was deleted here.
    std::function<void(qint64 counter)> Deleted;

protected:
    void RetranslateUi() override;
    void showEvent(QShowEvent* e) override;

private:
    void UpdateActions();
    PatientDatabase* FDM = nullptr;
    qint64 FPatient = -1;
    qint64 FChosen = -1;
    RecordingModel* FModel = nullptr;
};

} // namespace zud::ui
