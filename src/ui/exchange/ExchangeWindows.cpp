#include "ExchangeWindows.h"

#include "ExchangeDatabase.h"
#include "ExchangeProgress.h"
#include "FileDialogs.h"
#include "MessageBox.h"
#include "PatientDatabase.h"
#include "PatientModels.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace zud::ui {

// ---------------------------------------------------------------- list model

void CheckPatientModel::SetEntries(std::vector<Entry> entries) {
    beginResetModel();
    FEntries = std::move(entries);
    endResetModel();
    emit CheckedChanged();
}

void CheckPatientModel::CheckAll(bool on) {
    for (Entry& e : FEntries)
        e.checked = on;
    if (!FEntries.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    emit CheckedChanged();
}

QList<qint64> CheckPatientModel::Checked() const {
    QList<qint64> out;
    for (const Entry& e : FEntries)
        if (e.checked)
            out << e.id;
    return out;
}

int CheckPatientModel::CheckedCount() const {
    return static_cast<int>(Checked().size());
}

int CheckPatientModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FEntries.size());
}

int CheckPatientModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant CheckPatientModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Entry& e = FEntries[static_cast<size_t>(index.row())];
    if (role == kIdRole)
        return e.id;
    if (role == Qt::CheckStateRole)
        return CheckState(index);
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return e.caption;
        if (index.column() == 1)
            return FormatDate(e.geburtstag);
        return e.letzterZugriff.isValid() ? e.letzterZugriff.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
                                          : QString();
    }
    return {};
}

bool CheckPatientModel::IsChecked(int row) const {
    return FEntries[static_cast<size_t>(row)].checked;
}

void CheckPatientModel::SetChecked(int row, bool on) {
    FEntries[static_cast<size_t>(row)].checked = on;
}

QVariant CheckPatientModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Name") : section == 1 ? tr("Geburtsdatum") : tr("Letzter Zugriff");
}

void CheckPatientModel::Retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, 2);
    // Dates follow the language as well.
    if (!FEntries.empty())
        emit dataChanged(index(0, 1), index(rowCount() - 1, 2), {Qt::DisplayRole});
}

// ---------------------------------------------------------------- common window

ExchangeForm::ExchangeForm(const QString& objectName, QWidget* parent) : RibbonDialog(objectName, parent) {
    FModel = new CheckPatientModel(this);
    FList = new QTreeView(this);
    FList->setObjectName(QStringLiteral("List"));
    FList->setModel(FModel);
    FList->setRootIsDecorated(false);
    FList->setUniformRowHeights(true);
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    FList->header()->setStretchLastSection(false);
    FList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    FList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    FList->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    Body()->addWidget(FList, 1);
    FLabel = new QLabel(this);
    FLabel->setObjectName(QStringLiteral("Label"));
    FBar = new QProgressBar(this);
    FBar->setObjectName(QStringLiteral("Progress"));
    FCancel = new QPushButton(this);
    FCancel->setObjectName(QStringLiteral("Abbrechen"));
    FCancel->setAutoDefault(false);
    FRun = CancellableRun(FCancel);
    connect(FCancel, &QPushButton::clicked, this, [this] { reject(); });
    Body()->addWidget(FLabel);
    auto* row = new QHBoxLayout;
    row->addWidget(FBar, 1);
    row->addWidget(FCancel);
    Body()->addLayout(row);
    ShowProgress(false);
    // The list would take Ctrl+A for selecting its rows: here the keys check and uncheck.
    FList->installEventFilter(this);
    connect(FModel, &CheckPatientModel::CheckedChanged, this, [this] { UpdateActions(); });
    resize(560, 480);
}

bool ExchangeForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == FList && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool ctrl = (k->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
        if (ctrl && (k->key() == Qt::Key_A || k->key() == Qt::Key_N)) {
            e->accept();
            if (e->type() == QEvent::KeyPress && !FRun.Running())
                FModel->CheckAll(k->key() == Qt::Key_A);
            return true;
        }
    }
    return RibbonDialog::eventFilter(watched, e);
}

void ExchangeForm::keyPressEvent(QKeyEvent* e) {
    // Ctrl+A checks every row, Ctrl+N none, wherever the focus is in the window.
    if ((e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier &&
        (e->key() == Qt::Key_A || e->key() == Qt::Key_N)) {
        if (!FRun.Running())
            FModel->CheckAll(e->key() == Qt::Key_A);
        return;
    }
    RibbonDialog::keyPressEvent(e);
}

void ExchangeForm::ShowProgress(bool on) {
    FLabel->setVisible(on);
    FBar->setVisible(on);
    FCancel->setVisible(on);
    FCancel->setText(tr("Abbrechen"));
    if (!on) {
        FLabel->clear();
        FBar->reset();
    }
    layout()->activate();
}

exchange::Feedback ExchangeForm::Progress() {
    return FRun.Feedback(FLabel, FBar, Steps);
}

void ExchangeForm::BeginRun() {
    FRun.Begin();
    Steps.clear();
    // Nothing but the cancel: no button, no shortcut, no check box.
    FHeld.clear();
    for (QAction* a : findChildren<QAction*>()) {
        FHeld.append({a, a->isEnabled()});
        a->setEnabled(false);
    }
    RibbonBar()->setEnabled(false);
    FList->setEnabled(false);
    ShowProgress(true);
    FCancel->setFocus();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void ExchangeForm::EndRun() {
    QApplication::restoreOverrideCursor();
    FRun.End();
    for (const auto& [a, on] : FHeld)
        if (a)
            a->setEnabled(on);
    FHeld.clear();
    RibbonBar()->setEnabled(true);
    FList->setEnabled(true);
    ShowProgress(false);
    UpdateActions();
}

void ExchangeForm::reject() {
    if (FRun.Stop())
        return;
    RibbonDialog::reject();
}

void ExchangeForm::Report(const QString& failure, const QString& done) {
    if (failure.isEmpty()) {
        LastMessage = done;
        Msg::Info(this, done);
    } else if (FRun.Cancelled()) {
        LastMessage = failure;
        Msg::Info(this, failure);
    } else {
        Error(failure);
    }
}

void ExchangeForm::Dump(const QString& name) {
    const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
    if (!dir.isEmpty() && isVisible())
        grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// ---------------------------------------------------------------- export

ExportWindow::ExportWindow(QWidget* parent) : ExchangeForm(QStringLiteral("ExportWindow"), parent) {
    connect(AddCommand(QStringLiteral("Exportieren"), QStringLiteral("document-send")), &QAction::triggered,
            this, [this] { Export(); });
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    RetranslateUi();
    UpdateActions();
}

void ExportWindow::RetranslateUi() {
    setWindowTitle(tr("Daten exportieren"));
    Action(QStringLiteral("Exportieren"))->setText(tr("Exportieren"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    RetranslateRibbon(tr("Export"));
    Model()->Retranslate();
}

void ExportWindow::UpdateActions() {
    Action(QStringLiteral("Exportieren"))->setEnabled(FDM && Model()->CheckedCount() > 0);
}

void ExportWindow::Fill(PatientDatabase& dm, ExchangeDatabase& dm2) {
    FDM = &dm;
    FDM2 = &dm2;
    Model()->SetPatients(dm.AllPatients());
    ShowProgress(false);
    UpdateActions();
}

int ExportWindow::Ask(PatientDatabase& dm, ExchangeDatabase& dm2) {
    Fill(dm, dm2);
    QTimer::singleShot(0, this, [this] { Dump(QStringLiteral("export")); });
    return exec();
}

bool ExportWindow::Export() {
    if (!FDM || !FDM2 || Model()->CheckedCount() == 0)
        return false;
    const QString file = AskSaveFileName(this, tr("Daten exportieren"),
                                         tr("Archive") + QStringLiteral(" (*.qvz)"), QStringLiteral("qvz"));
    if (file.isEmpty())
        return false;
    BeginRun();
    QString failure;
    int patients = 0;
    try {
        patients = FDM2->Export(FDM->Db(), Model()->Checked(), file, Progress()).patients;
    } catch (const std::exception& e) {
        failure = Msg::Describe(e);
    }
    EndRun();
    Report(failure, tr("Die Daten wurden exportiert (Patienten: %1) in die Datei:\n%2")
                        .arg(patients)
                        .arg(QDir::toNativeSeparators(file)));
    // The window closes at the end either way.
    accept();
    return failure.isEmpty();
}

// ---------------------------------------------------------------- import

ImportWindow::ImportWindow(QWidget* parent) : ExchangeForm(QStringLiteral("ImportWindow"), parent) {
    connect(AddCommand(QStringLiteral("ArchivOeffnen"), QStringLiteral("document-open")), &QAction::triggered,
            this, [this] { OpenArchive(); });
    connect(AddCommand(QStringLiteral("Importieren"), QStringLiteral("document-save")), &QAction::triggered,
            this, [this] { Import(); });
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    RetranslateUi();
    UpdateActions();
}

void ImportWindow::RetranslateUi() {
    setWindowTitle(tr("Daten importieren"));
    Action(QStringLiteral("ArchivOeffnen"))->setText(tr("Archiv öffnen"));
    Action(QStringLiteral("Importieren"))->setText(tr("Importieren"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    RetranslateRibbon(tr("Import"));
    Model()->Retranslate();
}

void ImportWindow::UpdateActions() {
    Action(QStringLiteral("Importieren"))->setEnabled(FDM && FOpen && Model()->CheckedCount() > 0);
}

void ImportWindow::Prepare(PatientDatabase& dm, ExchangeDatabase& dm2) {
    FDM = &dm;
    FDM2 = &dm2;
    FOpen = false;
    Model()->SetEntries({});
    ShowProgress(false);
    UpdateActions();
}

int ImportWindow::Ask(PatientDatabase& dm, ExchangeDatabase& dm2) {
    Prepare(dm, dm2);
    QTimer::singleShot(0, this, [this] { Dump(QStringLiteral("import")); });
    return exec();
}

void ImportWindow::done(int r) {
    // The restored archive database is not kept beyond the window.
    if (FDM2 && FOpen)
        FDM2->CloseArchive();
    FOpen = false;
    RibbonDialog::done(r);
}

bool ImportWindow::OpenArchive() {
    if (!FDM2)
        return false;
    const QString file = QFileDialog::getOpenFileName(this, tr("Archiv öffnen"), QString(),
                                                      tr("Archive") + QStringLiteral(" (*.qvz)"));
    if (file.isEmpty())
        return false;
    if (FOpen)
        FDM2->CloseArchive();
    FOpen = false;
    Model()->SetEntries({});
    BeginRun();
    std::vector<ArchivePatient> listed;
    QString failure;
    try {
        listed = FDM2->OpenArchive(file, Progress());
    } catch (const std::exception& e) {
        failure = Msg::Describe(e);
    }
    EndRun();
    if (!failure.isEmpty()) {
        Report(failure, QString());
        return false;
    }
    FOpen = true;
    FArchive = file;
    Model()->SetPatients(listed);
    UpdateActions();
    Dump(QStringLiteral("import-list"));
    return true;
}

bool ImportWindow::Import() {
    if (!FDM || !FDM2 || !FOpen || Model()->CheckedCount() == 0)
        return false;
    BeginRun();
    QString failure;
    MergeResult merged;
    try {
        merged = FDM2->Import(FDM->Db(), Model()->Checked(), Progress());
    } catch (const std::exception& e) {
        failure = Msg::Describe(e);
    }
    EndRun();
    // Patients merged before a failure or a cancel stay: the lists show them either way.
    if (Imported)
        Imported();
    Report(failure, tr("Die Daten wurden importiert (Patienten: %1) aus der Datei:\n%2")
                        .arg(merged.patientsNew + merged.patientsExisting)
                        .arg(QDir::toNativeSeparators(FArchive)));
    return failure.isEmpty();
}

} // namespace zud::ui
