// The main window's patients and recordings: the two lists, the recent menus, the chart tabs,
// opening, saving, deleting, moving and annotating recordings.

#include "ChartFrame.h"
#include "Database.h"
#include "DeviceFiles.h"
#include "ListViews.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "MoveRecordingDialog.h"
#include "PatientDialog.h"
#include "PatientModels.h"
#include "PatientSelectionWindow.h"
#include "RecordingSelectionWindow.h"
#include "RecordingTabs.h"
#include "RemarksDialog.h"
#include "Reports.h"
#include "TZUD12.h"
#include "TherapistChangeDialog.h"
#include "Units.h"

#include "RawDataCsv.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zud::ui {

namespace {

// " %s %s [%s,%s]": first name, surname, date, time.
QString TabTitle(const Patient& p, const Recording& r) {
    return QStringLiteral(" %1 %2 [%3,%4]")
        .arg(p.Vorname, p.Name, FormatDate(r.Datum), r.Uhrzeit.toString(QStringLiteral("HH:mm:ss")));
}

QString DateTimeText(const Recording& r, const char* separator) {
    return FormatDate(r.Datum) + QLatin1String(separator) + r.Uhrzeit.toString(QStringLiteral("HH:mm:ss"));
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void MainWindow::BuildPatientPanel(QWidget* left) {
    auto* lay = qobject_cast<QVBoxLayout*>(left->layout());
    FPatientModel = new PatientModel(false, this);
    FPatientList = new PatientView(left);
    FPatientList->setObjectName(QStringLiteral("PatientList"));
    FPatientList->setModel(FPatientModel);
    FRecordingModel = new RecordingModel(RecordingModel::MainList, this);
    FRecordingList = new RecordingView(left);
    FRecordingList->setObjectName(QStringLiteral("RecordingList"));
    FRecordingList->setModel(FRecordingModel);
    FRecordingList->header()->setSectionsClickable(true);
    lay->addWidget(FPatientList, 3);
    lay->addWidget(FRecordingList, 2);
    FitColumns(FPatientList->header());
    // Every column keeps the width its caption and texts need; the program name, whose length
    // the therapist chose, comes last, so that a narrow panel never hides the operating mode.
    QHeaderView* columns = FRecordingList->header();
    columns->setResizeContentsPrecision(100);
    columns->setSectionResizeMode(QHeaderView::ResizeToContents);
    columns->moveSection(columns->visualIndex(RecordingModel::kProgramColumn), columns->count() - 1);

    FTabs = new RecordingTabs(FSplitter);

    connect(FPatientList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (FSelectingPatient || !now.isValid())
                    return;
                OpenPatient(FPatientModel->At(now.row()).Identifikation);
            });
    connect(FPatientList, &PatientView::RecordingDropped, this, [this](qint64 counter, int row) {
        MoveRecording(counter, FPatientModel->At(row).Identifikation);
    });
    connect(FRecordingList, &QTreeView::clicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            OpenRecording(FRecordingModel->At(i.row()).Counter, true);
    });
    connect(FRecordingList, &RecordingView::MovedByKey, this,
            [this](int row) { OpenRecording(FRecordingModel->At(row).Counter, true); });
    connect(FRecordingList->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        // Date and time sort together: a day's recordings stay in the order of the days.
        if (section != FRecordingModel->DateColumn() && section != FRecordingModel->TimeColumn())
            return;
        const QString dir =
            FSettings.SortDate() == QLatin1String("ASC") ? QStringLiteral("DESC") : QStringLiteral("ASC");
        FSettings.SetSortDate(dir);
        FSettings.SetSortTime(dir);
        FSettings.Sync();
        RefillRecordingList();
    });
    connect(FTabs, &RecordingTabs::Chosen, this, [this](int i) {
        if (!FCrop)
            ActivateTab(i);
    });
    connect(FTabs, &RecordingTabs::CloseWanted, this, [this](int i) {
        ActivateTab(i);
        CloseRecording();
    });
}

void MainWindow::ConnectPatientActions() {
    FPatDialog = new PatientDialog(this);
    FTherapist = new TherapistChangeDialog(this);
    FPatAuswahl = new PatientSelectionWindow(FPatDialog, this);
    FMessAuswahl = new RecordingSelectionWindow(this);
    FBemForm = new RemarksDialog(this);
    FMoveDialog = new MoveRecordingDialog(this);
    auto on = [this](const char* name, std::function<void()> f) {
        connect(Action(QString::fromLatin1(name)), &QAction::triggered, this, Guarded(std::move(f)));
    };
    on("Patienten", [this] { ChoosePatient(); });
    on("PatNeu", [this] { NewPatient(); });
    on("PatLoeschen", [this] { DeleteCurrentPatient(); });
    on("Messung_Laden", [this] { LoadRecording(); });
    on("Messung_Schliessen", [this] { CloseRecording(); });
    on("AddBem", [this] { EditRemarks(); });
    on("Speichern", [this] { SaveLiveRecording(); });
    on("Messung_loeschen", [this] { DeleteRecording(true); });
    connect(Action(QStringLiteral("Comparsion")), &QAction::toggled, this, [this] { ShowFrames(); });
    connect(Action(QStringLiteral("Zuschneiden")), &QAction::triggered, this, &MainWindow::BeginCrop);
    connect(Action(QStringLiteral("Uebernehmen")), &QAction::triggered, this, [this] { EndCrop(true); });
    connect(Action(QStringLiteral("Verwerfen")), &QAction::triggered, this, [this] { EndCrop(false); });
    connect(Action(QStringLiteral("Rohdaten")), &QAction::triggered, this, [this] { ExportRawData(); });
    for (const char* name : {"Liniendiagramm", "Flaechendiagramm", "mbar", "mmHg", "GridXPlus", "GridXMinus",
                             "GridYPlus", "GridYMinus"})
        connect(Action(QString::fromLatin1(name)), &QAction::triggered, this, [this] { ShowFrames(); });
}

void MainWindow::RetranslatePatientPanel() {
    FPatientModel->Retranslate();
    FRecordingModel->Retranslate();
    FitColumns(FPatientList->header());
    FTabs->SetHint(tr("Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie "
                      "unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen."));
    if (FDM && FDM->LoggedIn()) {
        try {
            FillPatList(true); // the menu's captions
        } catch (const std::exception&) {
        }
    }
}

std::function<void()> MainWindow::Guarded(std::function<void()> f) {
    return [this, f = std::move(f)] {
        try {
            f();
        } catch (const std::exception& e) {
            DbFailure(e);
        }
    };
}

bool MainWindow::DbFailure(const std::exception& e) {
    const QString text = Msg::Describe(e);
    if (FDevice)
        FDevice->AddLog(text);
    Error(text);
    // Whatever another workstation changed meanwhile is shown again.
    if (FDM && FDM->LoggedIn()) {
        try {
            FillPatList();
            RefillRecordingList();
        } catch (const std::exception&) {
        }
    }
    return false;
}

// ---------------------------------------------------------------- patients

void MainWindow::FillPatList(bool menuOnly) {
    if (!FDM || !FDM->LoggedIn())
        return;
    FPatientMenu->clear();
    const std::vector<Patient> recent = FDM->RecentPatients(10);
    if (!recent.empty()) {
        FPatientMenu->addSection(tr("Zuletzt verwendet"));
        for (const Patient& p : recent) {
            QAction* a = FPatientMenu->addAction(PatientCaption(p));
            a->setData(p.Identifikation);
            connect(a, &QAction::triggered, this,
                    Guarded([this, id = p.Identifikation] { OpenPatient(id); }));
        }
    }
    FPatientMenu->addSection(tr("Alle Patienten"));
    connect(FPatientMenu->addAction(tr("auswählen...")), &QAction::triggered,
            Action(QStringLiteral("Patienten")), &QAction::trigger);
    if (!menuOnly) {
        FPatientModel->SetPatients(FDM->AllPatients());
        FitColumns(FPatientList->header());
    }
    const int row = FPatientModel->RowOf(FCurrentPatient);
    FSelectingPatient = true;
    if (row >= 0) {
        const QModelIndex i = FPatientModel->index(row, 0);
        FPatientList->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
        FPatientList->scrollTo(i);
    } else {
        FPatientList->selectionModel()->clearSelection();
    }
    FSelectingPatient = false;
}

void MainWindow::OpenPatient(qint64 id) {
    FillMessList(id);
    ShowRecordingList();
}

void MainWindow::ShowRecordingList() {
    // A chosen patient's recordings are what the therapist wants next: the list is shown, wide
    // enough for its columns where the window has room for that.
    if (FCurrentPatient < 0 || FLeftShown)
        return;
    const QHeaderView* h = FRecordingList->header();
    int need = 2 * FRecordingList->frameWidth() + FRecordingList->verticalScrollBar()->sizeHint().width() + 8;
    for (int c = 0; c < h->count(); ++c)
        need += std::max(static_cast<const QAbstractItemView*>(FRecordingList)->sizeHintForColumn(c),
                         h->sectionSizeHint(c));
    FLeftWidth = std::clamp(need, FLeftWidth, std::max(FLeftWidth, width() * 2 / 5));
    SetLeftPanel(true);
}

void MainWindow::FillMessList(qint64 patient, bool opening) {
    if (patient == -1 || !FDM || !FDM->LoggedIn())
        return;
    WaitCursor wait;
    const auto p = FDM->GetPatient(patient);
    if (!p) {
        // Deleted at another workstation meanwhile.
        FCurrentPatient = -1;
        FPatientBox->clear();
        FRecordingModel->SetRecordings({});
        FRecordingMenu->clear();
        FillPatList();
        Action(QStringLiteral("PatLoeschen"))->setEnabled(false);
        Action(QStringLiteral("Messung_Laden"))->setEnabled(false);
        UpdateRecordingActions();
        return;
    }
    FDM->SelectPatient(patient);
    FCurrentPatient = patient;
    FillPatList(true);
    // The whole caption where it fits, else its start: a read-only line shows its end otherwise.
    const QString caption = PatientCaption(*p);
    FPatientBox->setMinimumWidth(
        std::clamp(FPatientBox->fontMetrics().horizontalAdvance(caption) + 16, 200, 420));
    FPatientBox->setText(caption);
    FPatientBox->setCursorPosition(0);
    FPatientBox->setToolTip(caption);
    FRecordingMenu->clear();
    const std::vector<Recording> recent = FDM->RecentRecordings(patient, 10);
    if (!recent.empty()) {
        FRecordingMenu->addSection(tr("Zuletzt verwendet"));
        for (const Recording& r : recent) {
            QAction* a = FRecordingMenu->addAction(DateTimeText(r, " "));
            a->setData(r.Counter);
            connect(a, &QAction::triggered, this, Guarded([this, c = r.Counter] { OpenRecording(c); }));
        }
    }
    FRecordingMenu->addSection(tr("Alle Übungen"));
    FRecordingMenu->addAction(Action(QStringLiteral("Messung_Laden")));
    Action(QStringLiteral("PatLoeschen"))->setEnabled(true);
    Action(QStringLiteral("Messung_Laden"))->setEnabled(true);
    UpdateRecordingActions();
    if (!opening)
        RefillRecordingList();
}

void MainWindow::RefillRecordingList() {
    // One direction for date and time, newest first unless the therapist turned it round; the
    // date's stored direction decides (an older version kept a separate one for the time).
    const QString dir = FSettings.SortDate();
    FRecordingModel->SetSortDirections(dir, dir);
    if (!FDM || !FDM->LoggedIn() || FCurrentPatient < 0) {
        FRecordingModel->SetRecordings({});
        return;
    }
    FRecordingModel->SetRecordings(FDM->ListRecordings(FCurrentPatient, dir, dir));
}

void MainWindow::ChoosePatient() {
    if (!FDM || !FDM->LoggedIn())
        return;
    FPatAuswahl->Changed = [this] {
        FillPatList();
        if (FCurrentPatient >= 0 && !FDM->GetPatient(FCurrentPatient))
            FillMessList(FCurrentPatient); // the current patient was deleted: none is current
    };
    // A patient added or edited there becomes the current one, as from "Patient hinzufügen".
    FPatAuswahl->Saved = [this](qint64 id) { OpenPatient(id); };
    const auto id = FPatAuswahl->Choose(*FDM, FCurrentPatient);
    if (id) {
        FDM->SelectPatient(*id);
        FCurrentPatient = *id;
        FillPatList();
        FillMessList(*id);
        ShowRecordingList();
    }
}

void MainWindow::NewPatient() {
    if (!FDM || !FDM->LoggedIn())
        return;
    if (FPatDialog->Ask(*FDM, PatientDialog::New) == QDialog::Accepted) {
        FCurrentPatient = FPatDialog->SavedId();
        FillPatList();
        FillMessList(FCurrentPatient);
        ShowRecordingList();
    }
}

void MainWindow::DeleteCurrentPatient() {
    if (!FDM || FCurrentPatient < 0)
        return;
    const qint64 id = FCurrentPatient;
    if (!AskAndDeletePatient(*FDM, id, [this](const QString& q) { return ConfirmDelete(q); }))
        return;
    // Tabs of the deleted patient's recordings that are gone now are closed.
    for (int i = TabCount() - 1; i >= 0; --i) {
        if (FTabs->Counter(i) >= 0 && !FDM->GetRecording(FTabs->Counter(i))) {
            ActivateTab(i);
            CloseRecording();
        }
    }
    FillMessList(id); // not found: no patient is current
}

// ---------------------------------------------------------------- tabs

int MainWindow::TabCount() const {
    return FTabs->Count();
}

int MainWindow::ActiveTab() const {
    return FTabs->Active();
}

QString MainWindow::TabCaption(int index) const {
    return FTabs->Caption(index);
}

qint64 MainWindow::TabCounter(int index) const {
    return FTabs->Counter(index);
}

ChartFrame* MainWindow::Frame(int index) const {
    return FTabs->Frame(index);
}

QByteArray MainWindow::DisplayedStream() const {
    return FTabs->Stream();
}

QString MainWindow::DisplayedRemarks() const {
    return FTabs->Remarks();
}

ChartOptionen MainWindow::ChartOptions() const {
    return ChartOptionsFromSettings(FSettings);
}

void MainWindow::ShowFrames() {
    FTabs->Arrange(ChartOptions(), Action(QStringLiteral("Comparsion"))->isChecked(), FCrop,
                   logicalDpiX() > 0 ? logicalDpiX() : 96);
}

// ---------------------------------------------------------------- crop

void MainWindow::BeginCrop() {
    const int index = ActiveTab();
    if (index < 0 || FCrop)
        return;
    FCrop = true;
    Action(QStringLiteral("Uebernehmen"))->setEnabled(true);
    Action(QStringLiteral("Verwerfen"))->setEnabled(true);
    Action(QStringLiteral("Zuschneiden"))->setEnabled(false);
    for (const char* tab :
         {"TabSonstige", "TabAnschluss", "TabDaten", "TabKommunikation", "TabUebungen", "TabPatienten"})
        FRibbon->SetTabEnabled(QString::fromLatin1(tab), false);
    // The crop commands live on the view tab; its other groups rest meanwhile.
    for (const char* g : {"GroupAnsicht", "GroupGitterlinien", "GroupEinheit"})
        FRibbon->Group(QString::fromLatin1(g))->setEnabled(false);
    FLeftPanel->setEnabled(false);
    ZoomReset(FTabs->Frame(index)->ZoomState());
    ShowFrames();
}

void MainWindow::EndCrop(bool apply) {
    if (!FCrop)
        return;
    const int index = ActiveTab();
    ChartFrame* frame = FTabs->Frame(index);
    const Zoom zoom = frame ? frame->ZoomState() : Zoom{};
    FCrop = false;
    for (const char* tab :
         {"TabSonstige", "TabAnschluss", "TabDaten", "TabKommunikation", "TabUebungen", "TabPatienten"})
        FRibbon->SetTabEnabled(QString::fromLatin1(tab), true);
    for (const char* g : {"GroupAnsicht", "GroupGitterlinien", "GroupEinheit"})
        FRibbon->Group(QString::fromLatin1(g))->setEnabled(true);
    UpdateGridActions();
    FLeftPanel->setEnabled(true);
    Action(QStringLiteral("Uebernehmen"))->setEnabled(false);
    Action(QStringLiteral("Verwerfen"))->setEnabled(false);
    if (frame)
        ZoomReset(frame->ZoomState());
    if (apply && frame && zoom.Enabled && zoom.Level > 1) {
        const QByteArray& daten = frame->Daten();
        const std::vector<uint8_t> cut = CutStream(reinterpret_cast<const uint8_t*>(daten.constData()),
                                                   size_t(daten.size()), zoom.FX(), zoom.OX());
        const QByteArray neu(reinterpret_cast<const char*>(cut.data()), qsizetype(cut.size()));
        if (FTabs->Counter(index) >= 0) {
            try {
                FDM->ReplaceRecordingData(FTabs->Counter(index), neu); // committed at once
            } catch (const std::exception& e) {
                DbFailure(e);
                ShowFrames();
                UpdateRecordingActions();
                return;
            }
        }
        FTabs->Replace(index, neu); // an unsaved live recording keeps the cropped stream
    }
    ShowFrames();
    UpdateRecordingActions();
}

// ---------------------------------------------------------------- raw data

void MainWindow::ExportRawData(const QString& file) {
    const int index = ActiveTab();
    if (index < 0)
        return;
    QString path = file;
    if (path.isEmpty()) {
        QFileDialog d(this, QStringLiteral("ZUD"));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setNameFilter(tr("CSV-Dateien (*.csv)"));
        d.setDefaultSuffix(QStringLiteral("csv"));
        d.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        d.selectFile(RawDataFileName(index));
        d.resize(900, 560); // room for the name, size, type and date columns
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return;
        path = d.selectedFiles().first();
    }
    const ChartFrame* frame = FTabs->Frame(index);
    RohdatenOptionen o;
    o.Einheit = PressureUnit(FSettings.DruckEinheit());
    o.Dezimaltrenner = QLocale().decimalPoint().at(0);
    if (!DisplayedRemarks().isEmpty())
        o.Bemerkungen = DisplayedRemarks().split(QLatin1Char('\n'));
    o.Datum = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    o.Uhrzeit = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    QString error;
    if (!FillFile(path, frame->Recording(), o, &error)) {
        Error(error);
        return;
    }
    statusBar()->showMessage(tr("Rohdaten gespeichert: %1").arg(QDir::toNativeSeparators(path)), 10000);
}

QString MainWindow::RawDataFileName(int index) {
    // "<Name>_<Vorname>_<JJJJ-MM-TT>_<hhmm>.csv" of the recording's patient; a live recording
    // not yet saved belongs to the current patient and starts when the measurement started.
    QDateTime wann;
    std::optional<Patient> p;
    if (const RecordingTabs::LiveRecording* live = FTabs->Live(index)) {
        wann = live->start;
        if (FDM && FDM->LoggedIn() && FCurrentPatient >= 0)
            p = FDM->GetPatient(FCurrentPatient);
    } else if (FDM && FDM->LoggedIn()) {
        if (const auto rec = FDM->GetRecording(FTabs->Counter(index))) {
            wann = QDateTime(rec->Datum, rec->Uhrzeit);
            p = FDM->GetPatient(rec->Patient);
        }
    }
    QStringList teile;
    if (p)
        teile << p->Name << p->Vorname;
    if (wann.isValid())
        teile << wann.toString(QStringLiteral("yyyy-MM-dd")) << wann.toString(QStringLiteral("HHmm"));
    QString name = teile.join(QLatin1Char('_'));
    // Characters no file name should carry.
    static const QRegularExpression verboten(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(verboten, QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("Rohdaten");
    return name + QStringLiteral(".csv");
}

bool MainWindow::OpenRecording(qint64 counter, bool singleClick) {
    if (!FDM || !FDM->LoggedIn())
        return false;
    WaitCursor wait;
    QString deviceName;
    const auto rec = FDM->OpenRecording(counter, &deviceName);
    if (!rec)
        return false; // deleted elsewhere: nothing happens
    if (OtherModels.contains(deviceName)) {
        // Listed, but this program cannot show it; it can be deleted.
        FOtherModelCounter = counter;
        Action(QStringLiteral("Messung_loeschen"))->setEnabled(true);
        for (const char* n :
             {"Messung_Schliessen", "Print", "PDF_Export", "AddBem", "Rohdaten", "Zuschneiden"})
            Action(QString::fromLatin1(n))->setEnabled(false);
        return false;
    }
    FOtherModelCounter = -1;
    const auto owner = FDM->GetPatient(rec->Patient);
    const QString caption = TabTitle(owner.value_or(Patient{}), *rec);
    FillMessList(rec->Patient, true);
    int index = FTabs->Find(caption);
    if (index >= 0) {
        // Another recording with this caption is open already: its tab is shown, with its own
        // recording and remarks.
        ActivateTab(index);
        return true;
    }
    const int active = ActiveTab();
    // A single click lets the active tab show the clicked recording instead, unless it holds
    // an unsaved live recording.
    const int reuse = singleClick && active >= 0 && FTabs->Counter(active) >= 0 ? active : -1;
    index = FTabs->ShowStored(reuse, counter, caption, rec->Daten, rec->Betriebsart, rec->Bemerkungen);
    FTabs->SetCurrent(index);
    FRecordingBox->setText(DateTimeText(*rec, " "));
    ShowFrames();
    UpdateRecordingActions();
    return true;
}

void MainWindow::ActivateTab(int index) {
    if (index < 0 || index >= TabCount())
        return;
    FTabs->SetCurrent(index);
    if (const RecordingTabs::LiveRecording* live = FTabs->Live(index)) {
        FRecordingBox->setText(FormatDate(live->start.date()) + QLatin1Char(' ') +
                               live->start.time().toString(QStringLiteral("HH:mm:ss")));
    } else if (FDM && FDM->LoggedIn()) {
        const auto rec = FDM->GetRecording(FTabs->Counter(index));
        FTabs->Reload(index, rec ? rec->Daten : QByteArray(), rec ? rec->Bemerkungen : QString());
        if (rec)
            FRecordingBox->setText(DateTimeText(*rec, " "));
    }
    ShowFrames();
    UpdateRecordingActions();
}

void MainWindow::UpdateRecordingActions() {
    const int active = ActiveTab();
    const bool any = active >= 0 && active < TabCount();
    const bool live = any && FTabs->Counter(active) < 0;
    Action(QStringLiteral("Speichern"))->setEnabled(live && FCurrentPatient >= 0 && !FLive);
    Action(QStringLiteral("Messung_Schliessen"))->setEnabled(any && !FLive);
    Action(QStringLiteral("Messung_loeschen"))
        ->setEnabled((any && !live && !FLive) || FOtherModelCounter >= 0);
    Action(QStringLiteral("AddBem"))->setEnabled(any && !live && !FLive);
    Action(QStringLiteral("Zuschneiden"))->setEnabled(any && !FLive && !FCrop);
    Action(QStringLiteral("Rohdaten"))->setEnabled(any && !live && !FLive);
    UpdateReportActions();
}

bool MainWindow::ConfirmDiscardLive() {
    const int unsaved = FTabs->Unsaved();
    return unsaved == 0 ||
           ConfirmDelete(
               tr("Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen "
                  "verloren. Trotzdem fortfahren?")
                   .arg(unsaved));
}

void MainWindow::CloseRecording() {
    const int index = ActiveTab();
    if (index < 0 || index >= TabCount())
        return;
    if (FTabs->Counter(index) < 0 &&
        !ConfirmDelete(
            tr("Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem "
               "schließen?")
                .arg(FTabs->Caption(index))))
        return;
    if (FTabs->Counter(index) < 0)
        DiscardLiveFile(FTabs->At(index).live);
    FTabs->Remove(index);
    if (TabCount() == 0) {
        FRecordingBox->clear();
        ShowFrames();
        UpdateRecordingActions();
        return;
    }
    ActivateTab(qMin(index, TabCount() - 1));
}

void MainWindow::DeleteRecording(bool ask) {
    if (!FDM || !FDM->LoggedIn())
        return;
    const int index = ActiveTab();
    const qint64 counter = FOtherModelCounter >= 0 ? FOtherModelCounter : TabCounter(index);
    if (counter < 0)
        return;
    if (ask) {
        const auto rec = FDM->GetRecording(counter);
        const QString what = rec ? DateTimeText(*rec, " ") : TabCaption(index).trimmed();
        if (!ConfirmDelete(tr("Übung vom %1 wirklich löschen?").arg(what)))
            return;
    }
    try {
        FDM->DeleteRecording(counter);
    } catch (const DataError& e) {
        // Gone already (elsewhere, or with its patient): said so; its tab closes all the same.
        Error(e.Message());
    }
    RefillRecordingList();
    if (FOtherModelCounter >= 0) {
        FOtherModelCounter = -1;
        UpdateRecordingActions();
        return;
    }
    CloseRecording();
    FRecordingBox->clear();
    FillMessList(FCurrentPatient, true); // the recent menu loses the entry
}

void MainWindow::EditRemarks() {
    const int index = ActiveTab();
    if (!FDM || TabCounter(index) < 0)
        return;
    const QString before = DisplayedRemarks();
    FBemForm->Text->setPlainText(before);
    if (FBemForm->exec() != QDialog::Accepted)
        return;
    const QString text = FBemForm->Text->toPlainText();
    // Written only when nobody changed them meanwhile at another workstation; a recording that
    // is gone fails with its German message.
    FDM->SetRemarks(TabCounter(index), text, before);
    FTabs->SetRemarks(index, text);
    ShowFrames();
}

void MainWindow::LoadRecording() {
    if (!FDM || FCurrentPatient < 0)
        return;
    FMessAuswahl->Deleted = [this](qint64 counter) {
        for (int i = TabCount() - 1; i >= 0; --i) {
            if (FTabs->Counter(i) == counter) {
                ActivateTab(i);
                CloseRecording();
            }
        }
        RefillRecordingList();
    };
    const auto counter = FMessAuswahl->Choose(*FDM, FCurrentPatient);
    if (!counter)
        return;
    OpenRecording(*counter);
    RefillRecordingList();
}

void MainWindow::MoveRecording(qint64 counter, qint64 target) {
    if (!FDM || !FDM->LoggedIn() || target == FCurrentPatient)
        return;
    try {
        const auto rec = FDM->GetRecording(counter);
        const auto from = FDM->GetPatient(FCurrentPatient);
        const auto to = FDM->GetPatient(target);
        if (!rec || !to) {
            RefillRecordingList();
            return;
        }
        if (FSettings.MoveConfirm()) {
            auto name = [](const std::optional<Patient>& p) {
                return p ? QStringLiteral("%1 %2").arg(p->Vorname, p->Name) : QString();
            };
            FMoveDialog->SetValues(DateTimeText(*rec, " - "), name(from), name(to));
            FMoveDialog->NichtMehrAnzeigen->setChecked(false);
            if (FMoveDialog->exec() != QDialog::Accepted)
                return;
            if (FMoveDialog->NichtMehrAnzeigen->isChecked()) {
                FSettings.SetMoveConfirm(false);
                FSettings.Sync();
            }
        }
        FDM->MoveRecording(counter, target); // a recording or patient that is gone: its message
        // An open tab of the recording names its new patient.
        for (int i = 0; i < TabCount(); ++i)
            if (FTabs->Counter(i) == counter)
                FTabs->Rename(i, TabTitle(*to, *rec), rec->Daten, rec->Betriebsart);
        FillMessList(FCurrentPatient); // the list and the recent-recordings menu lose it
    } catch (const std::exception& e) {
        DbFailure(e);
    }
}

void MainWindow::AddLiveRecording(const QByteArray& stream, const QDateTime& start) {
    const int index = FTabs->AddLive(stream, start);
    if (index < 0) {
        ShowFrames();
        return;
    }
    ActivateTab(index);
}

void MainWindow::SaveLiveRecording() {
    const int index = ActiveTab();
    const RecordingTabs::LiveRecording* live = FTabs->Live(index);
    if (!FDM || !FDM->LoggedIn() || !live || FCurrentPatient < 0)
        return;
    // The recording is filed under the patient chosen now, which need not be the one who
    // exercised: the question names him before anything is stored.
    const auto patient = FDM->GetPatient(FCurrentPatient);
    if (!patient || !Question(tr("Die Echtzeit-Aufnahme für %1 speichern?").arg(PatientCaption(*patient))))
        return;
    std::string model = FDevice ? ModellName(FDevice->Typ) : std::string();
    const QString deviceName = model.empty() ? QStringLiteral("ZUD12") : QString::fromStdString(model);
    qint64 counter = -1;
    try {
        counter = FDM->InsertRecording(FCurrentPatient, live->start.date(), live->start.time(),
                                       FTabs->At(index).stream, deviceName, 1);
    } catch (const std::exception& e) {
        // Not stored (a full disk, a server gone): the tab keeps the recording for another try.
        DbFailure(e);
        return;
    }
    DiscardLiveFile(FTabs->At(index).live); // stored: a file kept at an earlier end is no longer needed
    const auto rec = FDM->GetRecording(counter);
    const auto p = FDM->GetPatient(FCurrentPatient);
    FTabs->MarkSaved(index, counter, rec && p ? TabTitle(*p, *rec) : FTabs->Caption(index),
                     rec ? rec->Betriebsart : 0);
    RefillRecordingList();
    ActivateTab(index);
    SendNewResults({counter});
}

void MainWindow::PatientListsChanged(qint64 lastPatient) {
    if (!FDM || !FDM->LoggedIn())
        return;
    FillPatList();
    if (lastPatient > 0)
        FillMessList(lastPatient);
}

void MainWindow::ClearPatientPanel() {
    FPatientModel->SetPatients({});
    FRecordingModel->SetRecordings({});
    FPatientMenu->clear();
    FRecordingMenu->clear();
    FPatientBox->clear();
    FRecordingBox->clear();
    FTabs->Clear();
    FCurrentPatient = -1;
    FOtherModelCounter = -1;
    for (const char* n : {"PatLoeschen", "Messung_Laden"})
        Action(QString::fromLatin1(n))->setEnabled(false);
    UpdateRecordingActions();
    ShowFrames();
}

} // namespace zud::ui
