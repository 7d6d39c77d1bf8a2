#include "PatientSelectionWindow.h"

#include "ListViews.h"

#include "Database.h"
#include "MessageBox.h"
#include "PatientDialog.h"
#include "PatientModels.h"
#include "Settings.h"
#include "SplashScreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QTableView>
#include <QTimer>

namespace zud::ui {

namespace {
const QString kGeometryKey = QStringLiteral("PatientSelectionGeometry");
}

bool AskAndDeletePatient(PatientDatabase& dm, qint64 id, const std::function<bool(const QString&)>& confirm) {
    const auto p = dm.GetPatient(id);
    if (!p) {
        dm.DeletePatient(id); // gone meanwhile: says so
        return false;
    }
    const QString name = QStringLiteral("%1 %2").arg(p->Vorname, p->Name);
    if (!confirm(PatientSelectionWindow::tr("Patient „%1“ wirklich löschen?").arg(name)))
        return false;
    const int count = dm.RecordingCount(id);
    bool withRecordings = false;
    if (count > 0) {
        // Without their patient the recordings could no longer be opened from the lists.
        withRecordings =
            confirm(PatientSelectionWindow::tr("Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). "
                                               "Sollen sie ebenfalls gelöscht werden?\n\nBei „Nein“ bleiben "
                                               "sie in der Datenbank, sind aber keinem Patienten mehr "
                                               "zugeordnet.")
                        .arg(name)
                        .arg(count));
    }
    // Patient and recordings go in one transaction.
    dm.DeletePatient(id, withRecordings);
    return true;
}

PatientSelectionWindow::PatientSelectionWindow(PatientDialog* patientDialog, QWidget* parent)
    : RibbonDialog(QStringLiteral("PatientSelectionWindow"), parent), FDialog(patientDialog) {
    connect(AddCommand(QStringLiteral("Auswaehlen"), QStringLiteral("object-select")), &QAction::triggered,
            this, [this] {
                FChosen = SelectedId();
                if (FChosen >= 0)
                    accept();
            });
    connect(AddCommand(QStringLiteral("Neu"), QStringLiteral("contact-new")), &QAction::triggered, this,
            &PatientSelectionWindow::Neu);
    connect(AddCommand(QStringLiteral("Bearbeiten"), QStringLiteral("document-edit")), &QAction::triggered,
            this, &PatientSelectionWindow::Bearbeiten);
    QAction* search = AddCommand(QStringLiteral("Suchen"), QStringLiteral("edit-find"));
    search->setCheckable(true);
    connect(search, &QAction::triggered, this, [this](bool on) {
        if (on) {
            const auto text = AskSearch(SearchText);
            if (text)
                SearchText = *text;
        }
        Fill();
    });
    connect(AddCommand(QStringLiteral("Loeschen"), QStringLiteral("edit-delete")), &QAction::triggered, this,
            &PatientSelectionWindow::Loeschen);
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    Action(QStringLiteral("Auswaehlen"))->setShortcut(QKeySequence(Qt::Key_Return));
    AskSearch = [this](const QString& preset) -> std::optional<QString> {
        bool ok = false;
        const QString t = QInputDialog::getText(this, tr("Patientensuche"), tr("Bitte Suchtext eingeben:"),
                                                QLineEdit::Normal, preset, &ok);
        return ok ? std::optional<QString>(t) : std::nullopt;
    };
    FModel = new PatientModel(true, this);
    View = new QTableView(this);
    View->setObjectName(QStringLiteral("PatientTable"));
    View->setModel(FModel);
    View->setShowGrid(true);
    View->setSelectionBehavior(QAbstractItemView::SelectRows);
    View->setSelectionMode(QAbstractItemView::SingleSelection);
    View->setEditTriggers(QAbstractItemView::NoEditTriggers);
    View->verticalHeader()->hide();
    View->verticalHeader()->setDefaultSectionSize(View->fontMetrics().height() + 6);
    View->horizontalHeader()->setStretchLastSection(true);
    View->horizontalHeader()->setDefaultSectionSize(120);
    View->setWordWrap(false);
    Body()->addWidget(View);
    connect(View->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PatientSelectionWindow::UpdateActions);
    connect(View, &QTableView::doubleClicked, this, [this] {
        if (View->selectionModel()->selectedRows().size() == 1)
            Bearbeiten();
    });
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1100, 640);
    RetranslateUi();
    UpdateActions();
}

void PatientSelectionWindow::RetranslateUi() {
    setWindowTitle(tr("Patienten"));
    Action(QStringLiteral("Auswaehlen"))->setText(tr("Auswählen"));
    Action(QStringLiteral("Neu"))->setText(tr("Neu"));
    Action(QStringLiteral("Bearbeiten"))->setText(tr("Bearbeiten"));
    Action(QStringLiteral("Suchen"))->setText(tr("Suchen"));
    Action(QStringLiteral("Loeschen"))->setText(tr("Löschen"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    RetranslateRibbon(tr("Patienten"));
    FModel->Retranslate();
    FitColumns(View->horizontalHeader());
}

std::optional<qint64> PatientSelectionWindow::Choose(PatientDatabase& dm, qint64 current) {
    SetDM(dm, current);
    FChosen = -1;
    Fill();
    // As the therapist left it last time; maximised the first time.
    const QByteArray g = QByteArray::fromBase64(Settings().ReadString(kGeometryKey, QString()).toLatin1());
    if (g.isEmpty() || !restoreGeometry(g))
        setWindowState(windowState() | Qt::WindowMaximized);
    if (exec() != Accepted || FChosen < 0)
        return std::nullopt;
    return FChosen;
}

void PatientSelectionWindow::done(int r) {
    Settings settings;
    settings.WriteString(kGeometryKey, QString::fromLatin1(saveGeometry().toBase64()));
    settings.Sync();
    RibbonDialog::done(r);
}

void PatientSelectionWindow::showEvent(QShowEvent* e) {
    RibbonDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("patient-selection")); });
}

void PatientSelectionWindow::Fill() {
    if (!FDM)
        return;
    for (const char* n : {"Auswaehlen", "Loeschen", "Bearbeiten"})
        Action(QString::fromLatin1(n))->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<Patient> rows;
    try {
        rows = Action(QStringLiteral("Suchen"))->isChecked() && !SearchText.isEmpty()
                   ? FDM->SearchPatients(SearchText)
                   : FDM->AllPatients();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        DbFailure(e);
        return;
    }
    FFilling = true;
    FModel->SetPatients(std::move(rows));
    FFilling = false;
    FitColumns(View->horizontalHeader());
    const int row = FModel->RowOf(FCurrent);
    if (row >= 0)
        SelectRow(row);
    QApplication::restoreOverrideCursor();
    UpdateActions();
}

bool PatientSelectionWindow::SelectRow(int row) {
    if (row < 0 || row >= FModel->rowCount())
        return false;
    View->selectRow(row);
    View->scrollTo(FModel->index(row, 0), QAbstractItemView::PositionAtCenter);
    return true;
}

qint64 PatientSelectionWindow::SelectedId() const {
    const auto rows = View->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : FModel->At(rows.first().row()).Identifikation;
}

void PatientSelectionWindow::UpdateActions() {
    const bool one = SelectedId() >= 0;
    for (const char* n : {"Auswaehlen", "Loeschen", "Bearbeiten"})
        Action(QString::fromLatin1(n))->setEnabled(one);
    if (!FFilling && one)
        FCurrent = SelectedId();
}

void PatientSelectionWindow::SetSearch(bool on, const QString& text) {
    SearchText = text;
    Action(QStringLiteral("Suchen"))->setChecked(on);
    Fill();
}

void PatientSelectionWindow::Neu() {
    if (!FDM)
        return;
    if (FDialog->Ask(*FDM, PatientDialog::New) == Accepted)
        TakeSaved(FDialog->SavedId());
    Fill();
}

void PatientSelectionWindow::TakeSaved(qint64 id) {
    FCurrent = id;
    if (Changed)
        Changed();
    if (Saved)
        Saved(id);
}

void PatientSelectionWindow::Bearbeiten() {
    const qint64 id = SelectedId();
    if (!FDM || id < 0)
        return;
    try {
        if (FDialog->Ask(*FDM, PatientDialog::Edit, id) == Accepted) {
            TakeSaved(id);
        } else if (!FDM->GetPatient(id)) {
            Error(tr("Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht."));
        }
    } catch (const std::exception& e) {
        DbFailure(e);
    }
    Fill();
}

void PatientSelectionWindow::Loeschen() {
    const qint64 id = SelectedId();
    if (!FDM || id < 0)
        return;
    try {
        if (!FDM->GetPatient(id)) {
            Fill();
            return;
        }
        if (!AskAndDeletePatient(*FDM, id, [this](const QString& q) { return ConfirmDelete(q); }))
            return;
        if (Changed)
            Changed();
    } catch (const std::exception& e) {
        DbFailure(e);
    }
    Fill();
}

void PatientSelectionWindow::DbFailure(const std::exception& e) {
    Error(Msg::Describe(e));
}

} // namespace zud::ui
