#include "RecordingSelectionWindow.h"

#include "Database.h"
#include "MessageBox.h"
#include "PatientModels.h"
#include "SplashScreen.h"

#include <QHeaderView>
#include <QTimer>
#include <QTreeView>

namespace zud::ui {

RecordingSelectionWindow::RecordingSelectionWindow(QWidget* parent)
    : RibbonDialog(QStringLiteral("RecordingSelectionWindow"), parent) {
    connect(AddCommand(QStringLiteral("Auswaehlen"), QStringLiteral("object-select")), &QAction::triggered,
            this, [this] {
                FChosen = SelectedCounter();
                if (FChosen >= 0)
                    accept();
            });
    connect(AddCommand(QStringLiteral("Loeschen"), QStringLiteral("edit-delete")), &QAction::triggered, this,
            &RecordingSelectionWindow::Loeschen);
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    FModel = new RecordingModel(RecordingModel::Selection, this);
    View = new QTreeView(this);
    View->setObjectName(QStringLiteral("RecordingTable"));
    View->setRootIsDecorated(false);
    View->setModel(FModel);
    View->setSelectionBehavior(QAbstractItemView::SelectRows);
    View->setSelectionMode(QAbstractItemView::SingleSelection);
    View->setEditTriggers(QAbstractItemView::NoEditTriggers);
    View->setUniformRowHeights(true);
    Body()->addWidget(View);
    connect(View->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RecordingSelectionWindow::UpdateActions);
    connect(View, &QTreeView::doubleClicked, Action(QStringLiteral("Auswaehlen")), &QAction::trigger);
    resize(560, 480);
    RetranslateUi();
    UpdateActions();
}

void RecordingSelectionWindow::RetranslateUi() {
    setWindowTitle(tr("Übung wählen"));
    Action(QStringLiteral("Auswaehlen"))->setText(tr("Auswählen"));
    Action(QStringLiteral("Loeschen"))->setText(tr("Löschen"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    RetranslateRibbon(tr("Übungen"));
    FModel->Retranslate();
}

void RecordingSelectionWindow::Fill(PatientDatabase& dm, qint64 patient) {
    FDM = &dm;
    FPatient = patient;
    FModel->SetRecordings(dm.ListRecordings(patient, QStringLiteral("DESC"), QStringLiteral("DESC")));
    View->header()->setResizeContentsPrecision(100); // the widths of the first rows do
    View->header()->resizeSections(QHeaderView::ResizeToContents);
    UpdateActions();
}

std::optional<qint64> RecordingSelectionWindow::Choose(PatientDatabase& dm, qint64 patient) {
    FChosen = -1;
    Fill(dm, patient);
    if (exec() != Accepted || FChosen < 0)
        return std::nullopt;
    return FChosen;
}

qint64 RecordingSelectionWindow::SelectedCounter() const {
    const auto rows = View->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : FModel->At(rows.first().row()).Counter;
}

void RecordingSelectionWindow::UpdateActions() {
    const bool one = SelectedCounter() >= 0;
    Action(QStringLiteral("Auswaehlen"))->setEnabled(one);
    Action(QStringLiteral("Loeschen"))->setEnabled(one);
}

bool RecordingSelectionWindow::Loeschen() {
    const qint64 counter = SelectedCounter();
    if (!FDM || counter < 0)
        return false;
    const Recording& r = FModel->At(View->selectionModel()->selectedRows().first().row());
    if (!ConfirmDelete(tr("Übung vom %1 %2 wirklich löschen?")
                           .arg(FormatDate(r.Datum), r.Uhrzeit.toString(QStringLiteral("HH:mm:ss")))))
        return false;
    bool deleted = false;
    try {
        FDM->DeleteRecording(counter);
        deleted = true;
    } catch (const std::exception& e) {
        Error(Msg::Describe(e));
    }
    Fill(*FDM, FPatient);
    if (deleted && Deleted)
        Deleted(counter);
    return deleted;
}

void RecordingSelectionWindow::showEvent(QShowEvent* e) {
    RibbonDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("recording-selection")); });
}

} // namespace zud::ui
