#include "ReadoutWindow.h"

#include "MessageBox.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "ProgressWindow.h"
#include "Ribbon.h"
#include "SplashScreen.h"
#include "TZUD12.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace zud::ui {

namespace {

size_t Slot(int t, int p) {
    return static_cast<size_t>(t * TZUD12::kPatienten + p);
}

void Colour(QLabel* l, bool red) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, red ? QColor(Qt::red) : QColor(Qt::black));
    l->setPalette(pal);
}

} // namespace

const QColor ReadoutWindow::kSelected(166, 202, 240);

// --- DeviceRecordingModel ---

void DeviceRecordingModel::SetEntries(QList<DateiInfo>* entries, bool checkable) {
    beginResetModel();
    FEntries = entries;
    FCheckable = checkable;
    endResetModel();
}

int DeviceRecordingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !FEntries ? 0 : int(FEntries->size());
}

int DeviceRecordingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QString DeviceRecordingModel::Laenge(uint16_t dauer) {
    return dauer == 0 ? tr("< 1 min") : tr("%1 min").arg(dauer);
}

QVariant DeviceRecordingModel::data(const QModelIndex& index, int role) const {
    if (!FEntries || !index.isValid() || index.row() >= FEntries->size()) {
        return {};
    }
    const DateiInfo& e = FEntries->at(index.row());
    if (role == kIndexRole) {
        return index.row();
    }
    if (role == Qt::CheckStateRole) {
        return CheckState(index);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case 0:
        return FormatDate(e.Datum);
    case 1:
        return e.Zeit.toString(QStringLiteral("HH:mm:ss"));
    case 2:
        return Laenge(e.Dauer);
    case 3:
        return Hinweis(e);
    default:
        return {};
    }
}

QString DeviceRecordingModel::Hinweis(const DateiInfo& e) {
    if (e.Gespeichert) {
        return tr("bereits gespeichert");
    }
    // Decided by the bytes during "Auslesen": the same recording is not stored twice.
    return e.GespeichertBei.isEmpty() ? QString() : tr("gleiche Uhrzeit bei %1").arg(e.GespeichertBei);
}

bool DeviceRecordingModel::IsChecked(int row) const {
    return FEntries->at(row).Checked;
}

void DeviceRecordingModel::SetChecked(int row, bool on) {
    (*FEntries)[row].Checked = on;
}

QVariant DeviceRecordingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case 0:
        return tr("Datum");
    case 1:
        return tr("Uhrzeit");
    case 2:
        return tr("Übungslänge");
    case 3:
        return tr("Datenbank");
    default:
        return {};
    }
}

void DeviceRecordingModel::Retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, 3);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 2), index(rowCount() - 1, 3), {Qt::DisplayRole});
    }
}

// --- SlotPanel ---

QVBoxLayout* AddPanelColumn(QWidget* owner, QBoxLayout* body, QLabel*& caption, std::span<SlotPanel*> panels,
                            int rows, int minWidth, const std::function<void(SlotPanel*)>& setUp) {
    auto* box = new QVBoxLayout;
    caption = new QLabel(owner);
    QFont f = caption->font();
    f.setBold(true);
    caption->setFont(f);
    box->addWidget(caption);
    auto* area = new QScrollArea(owner);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inner = new QWidget(area);
    auto* v = new QVBoxLayout(inner);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(4);
    for (size_t i = 0; i < panels.size(); ++i) {
        auto* p = new SlotPanel(int(i), rows, inner);
        setUp(p);
        v->addWidget(p);
        panels[i] = p;
    }
    v->addStretch(1);
    area->setWidget(inner);
    area->setMinimumWidth(minWidth);
    box->addWidget(area, 1);
    body->addLayout(box);
    return box;
}

SlotPanel::SlotPanel(int tag, int rows, QWidget* parent) : QFrame(parent), FTag(tag) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(8, 4, 8, 6);
    lay->setSpacing(3);
    FCaption = new QLabel(this);
    QFont bold = FCaption->font();
    bold.setBold(true);
    FCaption->setFont(bold);
    lay->addWidget(FCaption);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    for (int r = 0; r < rows; ++r) {
        auto* c = new QLabel(this);
        auto* v = new QLabel(this);
        c->setObjectName(QStringLiteral("Caption%1").arg(r));
        v->setObjectName(QStringLiteral("Value%1").arg(r));
        grid->addWidget(c, r, 0);
        grid->addWidget(v, r, 1);
        FCaptions << c;
        FValues << v;
    }
    lay->addLayout(grid);
    // Clicks on the labels are clicks on the panel.
    for (QLabel* l : findChildren<QLabel*>()) {
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    SetSelected(false);
}

void SlotPanel::SetCaption(const QString& text) {
    FCaption->setText(text);
}

QString SlotPanel::Caption() const {
    return FCaption->text();
}

void SlotPanel::SetSelected(bool on) {
    FSelected = on;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, on ? ReadoutWindow::kSelected : pal.color(QPalette::Button));
    setPalette(pal);
}

void SlotPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit Clicked(FTag);
    }
    QFrame::mousePressEvent(e);
}

// --- ReadoutWindow ---

QAction* ReadoutWindow::Make(const QString& name, const QString& icon) {
    return AddRibbonCommand(this, FActions, name, icon);
}

ReadoutWindow::ReadoutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReadoutWindow"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);

    Make(QStringLiteral("Back10"), QStringLiteral("go-previous"));
    Make(QStringLiteral("SaveReadExc"), QStringLiteral("document-save"));
    Make(QStringLiteral("ChooseAll"), QStringLiteral("edit-select-all"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    Make(QStringLiteral("ChooseNothing"), QStringLiteral("edit-clear"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Make(QStringLiteral("DelUeb"), QStringLiteral("edit-delete"))->setCheckable(true);
    Make(QStringLiteral("SaveZuweisen"), QStringLiteral("system-users"));
    Make(QStringLiteral("SaveImportieren"), QStringLiteral("contact-new"));
    for (QAction* a : std::as_const(FActions)) {
        a->setShortcutContext(Qt::WindowShortcut);
    }

    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    RibbonGroup* g = FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString());
    g->AddLarge(Action(QStringLiteral("Back10")));
    g = FRibbon->AddGroup(tab, QStringLiteral("GroupUebungen"), QString());
    g->AddLarge(Action(QStringLiteral("SaveReadExc")));
    g->AddSmall(Action(QStringLiteral("ChooseAll")));
    g->AddSmall(Action(QStringLiteral("ChooseNothing")));
    g->AddSmall(Action(QStringLiteral("DelUeb")));
    g = FRibbon->AddGroup(tab, QStringLiteral("GroupPatient"), QString());
    g->AddLarge(Action(QStringLiteral("SaveZuweisen")));
    g->AddLarge(Action(QStringLiteral("SaveImportieren")));

    auto* body = new QHBoxLayout;
    body->setContentsMargins(6, 6, 6, 6);
    AddPanelColumn(this, body, FTherapeutenCaption, FTherapeuten, 2, 250, [this](SlotPanel* p) {
        connect(p, &SlotPanel::Clicked, this, [this](int t) { TherapeutClick(t); });
    });
    AddPanelColumn(this, body, FPatientenCaption, FPatienten, 3, 250, [this](SlotPanel* p) {
        connect(p, &SlotPanel::Clicked, this, [this](int t) { PatientClick(t); });
    });
    FTherapeutenCaption->setObjectName(QStringLiteral("TherapeutenCaption"));
    FPatientenCaption->setObjectName(QStringLiteral("PatientenCaption"));

    FModel = new DeviceRecordingModel(this);
    FList = new QTreeView(this);
    FList->setObjectName(QStringLiteral("ListView1"));
    FList->setModel(FModel);
    FList->setRootIsDecorated(false);
    FList->setSelectionBehavior(QAbstractItemView::SelectRows);
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FList->setAllColumnsShowFocus(true);
    FList->setUniformRowHeights(true);
    FList->header()->setStretchLastSection(true);
    FList->header()->setSectionsMovable(false);
    FList->setMinimumWidth(360);
    connect(FModel, &DeviceRecordingModel::CheckedChanged, this, &ReadoutWindow::TestForChecked);
    body->addWidget(FList, 1);
    lay->addLayout(body, 1);

    connect(Action(QStringLiteral("Back10")), &QAction::triggered, this, &QDialog::reject);
    connect(Action(QStringLiteral("SaveReadExc")), &QAction::triggered, this, &ReadoutWindow::SaveReadExc);
    connect(Action(QStringLiteral("ChooseAll")), &QAction::triggered, this, &ReadoutWindow::ChooseAll);
    connect(Action(QStringLiteral("ChooseNothing")), &QAction::triggered, this,
            &ReadoutWindow::ChooseNothing);
    connect(Action(QStringLiteral("SaveZuweisen")), &QAction::triggered, this, &ReadoutWindow::SaveZuweisen);
    connect(Action(QStringLiteral("SaveImportieren")), &QAction::triggered, this,
            &ReadoutWindow::SaveImportieren);
    resize(1080, 680);
    RetranslateUi();
}

void ReadoutWindow::RetranslateUi() {
    SetCommandTexts(FActions, {{"Back10", tr("Zurück")},
                               {"SaveReadExc", tr("Auslesen")},
                               {"ChooseAll", tr("Alle auswählen")},
                               {"ChooseNothing", tr("Keine auswählen")},
                               {"DelUeb", tr("Übungen nach dem Auslesen löschen")},
                               {"SaveZuweisen", tr("Zuweisen")},
                               {"SaveImportieren", tr("Importieren")}});
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Allgemein"));
    FRibbon->Group(QStringLiteral("GroupUebungen"))->SetCaption(tr("Übungen"));
    FRibbon->Group(QStringLiteral("GroupPatient"))->SetCaption(tr("Patient"));
    FRibbon->UpdateTips();
    FTherapeutenCaption->setText(tr("Therapeuten"));
    FPatientenCaption->setText(tr("Patienten"));
    FModel->Retranslate();
    if (FDev) {
        setWindowTitle(QStringLiteral("%1 [%2 S/N: %3]")
                           .arg(tr("Übungsdaten auslesen"), wf::GeraeteAnzeigename(FDev->Typ), FDev->SN));
        // The panels in the new language; the chosen therapist and patient stay chosen.
        const int t = FCurT;
        const int p = FCurP;
        FillTherapeutList();
        if (FTherapeuten[size_t(t)]->isVisibleTo(this)) {
            FCurP = p;
            TherapeutClick(t);
        }
    } else {
        setWindowTitle(tr("Übungsdaten auslesen"));
    }
}

void ReadoutWindow::Prepare(TZUD12* dev, PatientDatabase* dm, ProgressWindow* progress) {
    FDev = dev;
    FDM = dm;
    FProgress = progress;
    FCurT = 0;
    FCurP = 0;
    FLastPatient = 0;
    FImported = 0;
    FResult = {};
    Action(QStringLiteral("DelUeb"))->setChecked(false);
    RetranslateUi(); // title with model and serial number, the panels
}

int ReadoutWindow::Ask() {
    return exec();
}

void ReadoutWindow::showEvent(QShowEvent* e) {
    Action(QStringLiteral("DelUeb"))->setChecked(false);
    QDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("auslesen")); });
}

void ReadoutWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

Stammsatz& ReadoutWindow::CurrentStammsatz() {
    return FDev->Patienten[Slot(FCurT, FCurP)];
}

void ReadoutWindow::FillTherapeutList() {
    if (!FDev) {
        return;
    }
    int first = -1;
    for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
        SlotPanel* panel = FTherapeuten[size_t(t)];
        bool any = false;
        for (int p = 0; p < TZUD12::kPatienten; ++p) {
            any = any || !FDev->MessHeaders[Slot(t, p)].isEmpty();
        }
        panel->setVisible(any);
        panel->SetCaption(tr("Therapeut %1").arg(t + 1));
        panel->RowCaption(0)->setText(tr("Name:"));
        panel->RowCaption(1)->setText(tr("Vorname:"));
        panel->RowValue(0)->setText(wf::Name(FDev->Therapeuten[size_t(t)]));
        panel->RowValue(1)->setText(wf::Vorname(FDev->Therapeuten[size_t(t)]));
        if (any && first < 0) {
            first = t;
        }
    }
    if (first >= 0) {
        TherapeutClick(first);
    } else {
        FModel->SetEntries(nullptr, false);
        TestForChecked();
    }
}

void ReadoutWindow::TherapeutClick(int t) {
    for (SlotPanel* p : FTherapeuten) {
        p->SetSelected(p->Tag() == t);
    }
    FCurT = t;
    FillPatientList();
}

void ReadoutWindow::FillPatientList() {
    if (!FDev) {
        return;
    }
    int first = -1;
    for (int p = 0; p < TZUD12::kPatienten; ++p) {
        SlotPanel* panel = FPatienten[size_t(p)];
        const Stammsatz& s = FDev->Patienten[Slot(FCurT, p)];
        const bool listed = !FDev->MessHeaders[Slot(FCurT, p)].isEmpty();
        panel->setVisible(listed);
        if (listed && first < 0) {
            first = p;
        }
        const QString name = wf::Name(s);
        const QString vorname = wf::Vorname(s);
        QLabel* nameCaption = panel->RowCaption(0);
        if (name.isEmpty() && vorname.isEmpty()) {
            for (int r = 0; r < 3; ++r) {
                panel->RowValue(r)->hide();
            }
            panel->RowCaption(1)->hide();
            panel->RowCaption(2)->hide();
            nameCaption->setText(tr("Keine Patientendaten"));
            Colour(nameCaption, true);
            panel->SetCaption(tr("Patient %1 (%2)").arg(p + 1).arg(tr("nicht zugewiesen")));
            continue;
        }
        for (int r = 0; r < 3; ++r) {
            panel->RowCaption(r)->show();
            panel->RowValue(r)->show();
        }
        nameCaption->setText(tr("Name:"));
        panel->RowCaption(1)->setText(tr("Vorname:"));
        panel->RowCaption(2)->setText(tr("geb. am:"));
        panel->RowValue(0)->setText(name);
        panel->RowValue(1)->setText(vorname);
        panel->RowValue(2)->setText(
            s.Geburtsdatum == 0 ? QString() : FormatDate(wf::GeburtsdatumZuDatum(s.Geburtsdatum)));
        const bool missing[3] = {name.isEmpty(), vorname.isEmpty(), s.Geburtsdatum == 0};
        for (int r = 0; r < 3; ++r) {
            Colour(panel->RowCaption(r), missing[r]);
            Colour(panel->RowValue(r), missing[r]);
        }
        panel->SetCaption(wf::IstVollstaendig(s) ? tr("Patient %1").arg(p + 1)
                                                 : tr("Patient %1 (%2)").arg(p + 1).arg(tr("unvollständig")));
    }
    // The current patient stays chosen when it has recordings here, else the first one that has.
    if (!FDev->MessHeaders[Slot(FCurT, FCurP)].isEmpty()) {
        PatientClick(FCurP);
    } else if (first >= 0) {
        PatientClick(first);
    } else {
        FModel->SetEntries(nullptr, false);
        TestForChecked();
    }
}

void ReadoutWindow::PatientClick(int p) {
    for (SlotPanel* panel : FPatienten) {
        panel->SetSelected(panel->Tag() == p);
    }
    FCurP = p;
    const bool matchable = wf::IstZuordenbar(CurrentStammsatz());
    FModel->SetEntries(&FDev->MessHeaders[Slot(FCurT, FCurP)], matchable);
    FList->resizeColumnToContents(0);
    FList->resizeColumnToContents(1);
    FList->resizeColumnToContents(2);
    UpdatePatientActions();
    TestForChecked();
}

void ReadoutWindow::UpdatePatientActions() {
    const Stammsatz& s = CurrentStammsatz();
    const bool matchable = wf::IstZuordenbar(s);
    Action(QStringLiteral("ChooseAll"))->setEnabled(matchable);
    Action(QStringLiteral("ChooseNothing"))->setEnabled(matchable);
    const bool something = !wf::Name(s).isEmpty() || !wf::Vorname(s).isEmpty() ||
                           (s.Geburtsdatum != kGeburtsdatumLeer && s.Geburtsdatum != 0);
    // A disabled command says in its screen tip why, and what to do instead.
    QAction* import = Action(QStringLiteral("SaveImportieren"));
    if (!ImportPatient || !FDM) {
        SetDisabledReason(import, tr("Ohne angemeldete Datenbank kann kein Patient angelegt werden."));
    } else if (matchable) {
        SetDisabledReason(import,
                          tr("Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: "
                             "beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. "
                             "Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu."));
    } else if (!something) {
        SetDisabledReason(import, tr("Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. "
                                     "Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank."));
    }
    import->setEnabled(bool(ImportPatient) && FDM && !matchable && something);
    QAction* assign = Action(QStringLiteral("SaveZuweisen"));
    SetDisabledReason(assign, tr("Ohne angemeldete Datenbank kann kein Patient zugewiesen werden."));
    assign->setEnabled(bool(ChoosePatient) && FDM);
    FRibbon->UpdateTips();
}

void ReadoutWindow::TestForChecked() {
    bool any = false;
    if (FDev) {
        for (const auto& list : FDev->MessHeaders) {
            for (const auto& e : list) {
                any = any || e.Checked;
            }
        }
    }
    Action(QStringLiteral("SaveReadExc"))->setEnabled(any);
}

void ReadoutWindow::ChooseAll() {
    if (!FDev || !wf::IstZuordenbar(CurrentStammsatz())) {
        return;
    }
    for (auto& e : FDev->MessHeaders[Slot(FCurT, FCurP)]) {
        e.Checked = true;
    }
    FillPatientList();
}

void ReadoutWindow::ChooseNothing() {
    if (!FDev || !wf::IstZuordenbar(CurrentStammsatz())) {
        return;
    }
    for (auto& e : FDev->MessHeaders[Slot(FCurT, FCurP)]) {
        e.Checked = false;
    }
    FillPatientList();
}

void ReadoutWindow::Error(const QString& text) {
    Msg::Error(this, text);
}

void ReadoutWindow::Assign(qint64 id, bool touch) {
    try {
        const auto patient = FDM->GetPatient(id);
        if (!patient) {
            return;
        }
        if (touch) {
            FDM->SelectPatient(id);
        }
        wf::Zuweisen(*FDev, FCurT, FCurP, *patient);
        wf::CheckMessungen(*FDev, *FDM, FCurT, FCurP);
    } catch (const db::DbError& e) {
        Error(db::DescribeError(e));
    } catch (const DataError& e) {
        Error(e.Message());
    }
    FillPatientList();
}

void ReadoutWindow::SaveImportieren() {
    if (!FDev || !FDM || !ImportPatient) {
        return;
    }
    const Stammsatz& s = CurrentStammsatz();
    // A device patient without a birthday (0, or the device's "not set") is proposed with today.
    const QDate geburt = s.Geburtsdatum == 0 || s.Geburtsdatum == kGeburtsdatumLeer
                             ? QDate::currentDate()
                             : wf::GeburtsdatumZuDatum(s.Geburtsdatum);
    const auto id = ImportPatient(wf::Vorname(s), wf::Name(s), geburt);
    if (id) {
        FImported = *id;
        Assign(*id, false);
    }
}

void ReadoutWindow::SaveZuweisen() {
    if (!FDev || !FDM || !ChoosePatient) {
        return;
    }
    const Stammsatz& s = CurrentStammsatz();
    const bool noBirthday = s.Geburtsdatum == 0 || s.Geburtsdatum == kGeburtsdatumLeer;
    const auto id =
        ChoosePatient(wf::Vorname(s), wf::Name(s), noBirthday ? QDate() : wf::DatenbankGeburtstag(s));
    if (id) {
        Assign(*id, true);
    }
}

void ReadoutWindow::SaveReadExc() {
    if (!FDev || !FDM || !FProgress || FDev->Pumping()) {
        return;
    }
    int total = 0;
    for (const auto& list : FDev->MessHeaders) {
        for (const auto& e : list) {
            total += e.Checked;
        }
    }
    if (total == 0) {
        return;
    }
    {
        DeviceWork work(*FDev, FActions.values(), FProgress);
        FProgress->SetText(QString());
        FProgress->SetItemsInProgress(true); // the bar moves through each recording by its bytes
        FProgress->SetMaximum(total);
        FProgress->SetPosition(0);
        FProgress->SetCloseEnabled(true);
        FProgress->show();
        FResult = wf::Uebertrage(*FDev, *FDM, Action(QStringLiteral("DelUeb"))->isChecked(),
                                 FProgress->Callbacks());
        FProgress->Finish();
    }
    FLastPatient = FResult.lastPatient;
    // One message: what was stored, skipped and deleted per patient, a failure first; with the
    // practice software connected, the stored recordings' results can go there from here.
    const bool trouble = FResult.failed || !FResult.problems.isEmpty();
    QMessageBox box(trouble ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("ZUD-Software"), wf::Zusammenfassung(FResult), QMessageBox::Ok, this);
    QPushButton* send = nullptr;
    if (!FResult.counters.isEmpty() && SendResults && OfferSending && OfferSending()) {
        send = box.addButton(tr("An Praxissoftware senden"), QMessageBox::ActionRole);
        send->setObjectName(QStringLiteral("GdtSenden"));
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    const bool sendNow = send && box.clickedButton() == send;
    accept();
    if (sendNow) {
        SendResults(FResult.counters);
    }
}

} // namespace zud::ui
