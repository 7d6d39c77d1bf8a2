#include "TMessAuswahl.h"

#include "Database.h"
#include "Msg.h"
#include "PatientModels.h"
#include "TSplash.h"

#include <QHeaderView>
#include <QTimer>
#include <QTreeView>

namespace zud::ui {

TMessAuswahl::TMessAuswahl(QWidget* parent) : RibbonDialog(QStringLiteral("TMessAuswahl"), parent) {
    connect(AddCommand(QStringLiteral("Auswaehlen"), QStringLiteral("object-select")), &QAction::triggered,
            this, [this] {
                FChosen = SelectedCounter();
                if (FChosen >= 0)
                    accept();
            });
    connect(AddCommand(QStringLiteral("Loeschen"), QStringLiteral("edit-delete")), &QAction::triggered, this,
            &TMessAuswahl::Loeschen);
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
            &TMessAuswahl::UpdateActions);
    connect(View, &QTreeView::doubleClicked, Action(QStringLiteral("Auswaehlen")), &QAction::trigger);
    resize(560, 480);
    RetranslateUi();
    UpdateActions();
}

void TMessAuswahl::RetranslateUi() {
    setWindowTitle(tr("Übung wählen"));
    Action(QStringLiteral("Auswaehlen"))->setText(tr("Auswählen"));
    Action(QStringLiteral("Loeschen"))->setText(tr("Löschen"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    RetranslateRibbon(tr("Übungen"));
    FModel->Retranslate();
}

void TMessAuswahl::Fill(TDM1& dm, qint64 patient) {
    FDM = &dm;
    FPatient = patient;
    FModel->SetRecordings(dm.ListRecordings(patient, QStringLiteral("DESC"), QStringLiteral("DESC")));
    View->header()->setResizeContentsPrecision(100); // the widths of the first rows do
    View->header()->resizeSections(QHeaderView::ResizeToContents);
    UpdateActions();
}

std::optional<qint64> TMessAuswahl::Choose(TDM1& dm, qint64 patient) {
    FChosen = -1;
    Fill(dm, patient);
    if (exec() != Accepted || FChosen < 0)
        return std::nullopt;
    return FChosen;
}

qint64 TMessAuswahl::SelectedCounter() const {
    const auto rows = View->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : FModel->At(rows.first().row()).Counter;
}

void TMessAuswahl::UpdateActions() {
    const bool one = SelectedCounter() >= 0;
    Action(QStringLiteral("Auswaehlen"))->setEnabled(one);
    Action(QStringLiteral("Loeschen"))->setEnabled(one);
}

bool TMessAuswahl::Loeschen() {
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

void TMessAuswahl::showEvent(QShowEvent* e) {
    RibbonDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("recording-selection")); });
}

} // namespace zud::ui
