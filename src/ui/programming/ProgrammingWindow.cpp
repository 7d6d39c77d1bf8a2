#include "ProgrammingWindow.h"

#include "MessageBox.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "ProgramFields.h"
#include "ProgressWindow.h"
#include "ReadoutWindow.h"
#include "RecordingCheck.h"
#include "Ribbon.h"
#include "SplashScreen.h"
#include "SystemParametersDialog.h"
#include "TZUD12.h"
#include "TransferGuard.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScrollArea>
#include <QShowEvent>
#include <QSlider>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstddef>
#include <cstring>

namespace zud::ui {

namespace {

constexpr qsizetype kBildGroesse = 152154;

// Offsets of the program record's fields edited by the window's controls.
const QHash<QString, size_t>& FeldOffsets() {
    static const QHash<QString, size_t> k = {
        {QStringLiteral("Anspannzeit"), offsetof(ProgrammParameter, Anspannzeit)},
        {QStringLiteral("Entspannzeit"), offsetof(ProgrammParameter, Entspannzeit)},
        {QStringLiteral("Stromzeit"), offsetof(ProgrammParameter, Stromzeit)},
        {QStringLiteral("Pausenzeit"), offsetof(ProgrammParameter, Pausenzeit)},
        {QStringLiteral("Frequenz1"), offsetof(ProgrammParameter, Frequenz1)},
        {QStringLiteral("Frequenz2"), offsetof(ProgrammParameter, Frequenz2)},
        {QStringLiteral("Impulslaenge1"), offsetof(ProgrammParameter, Impulslaenge1)},
        {QStringLiteral("Impulslaenge2"), offsetof(ProgrammParameter, Impulslaenge2)},
        {QStringLiteral("Anschwellzeit"), offsetof(ProgrammParameter, Anschwellzeit)},
        {QStringLiteral("Abschwellzeit"), offsetof(ProgrammParameter, Abschwellzeit)},
        {QStringLiteral("Timeout"), offsetof(ProgrammParameter, Timeout)},
    };
    return k;
}

} // namespace

ProgrammingWindow::ProgrammingWindow(QWidget* parent) : GuardedDialog(parent) {
    setObjectName(QStringLiteral("ProgrammingWindow"));
    FSystem = new SystemParametersDialog(this);
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    MakeCommands();
    BuildRibbonTab();
    BuildCopyMenus();

    auto* body = new QHBoxLayout;
    body->setContentsMargins(6, 6, 6, 6);
    BuildSlotColumns(body);
    // The programs of the chosen patient.
    auto* right = new QVBoxLayout;
    BuildProgramHeader(right);
    right->addLayout(BuildProgramPanels(), 1);
    body->addLayout(right, 1);
    lay->addLayout(body, 1);

    ConnectFieldRules();
    ConnectSliderRules();
    ConnectProgramControls();
    ConnectProgramTabs();
    ConnectDeleteBox();
    ConnectCommands();
    resize(1180, 760);
    RetranslateUi();
}

void ProgrammingWindow::MakeCommands() {
    Make(QStringLiteral("Back6"), QStringLiteral("go-previous"));
    Make(QStringLiteral("ChangeThera"), QStringLiteral("document-edit"));
    Make(QStringLiteral("DelTheraAll"), QStringLiteral("edit-clear"));
    Make(QStringLiteral("PatZuweisen"), QStringLiteral("system-users"));
    Make(QStringLiteral("DelPat"), QStringLiteral("list-remove"));
    Make(QStringLiteral("DelPatAll"), QStringLiteral("edit-clear"));
    Make(QStringLiteral("ParSave"), QStringLiteral("document-save"));
    Make(QStringLiteral("ParLoad"), QStringLiteral("document-open"));
    Make(QStringLiteral("ParSys"), QStringLiteral("preferences-system"));
    Make(QStringLiteral("Transfer"), QStringLiteral("document-send"));
    Make(QStringLiteral("PatParaCopy"), QStringLiteral("edit-copy"));
    Make(QStringLiteral("PatParaPaste"), QStringLiteral("edit-paste"))->setEnabled(false);
    Make(QStringLiteral("TheraParaCopy"), QStringLiteral("edit-copy"));
    Make(QStringLiteral("TheraParaPaste"), QStringLiteral("edit-paste"))->setEnabled(false);
}

void ProgrammingWindow::BuildRibbonTab() {
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    RibbonGroup* g = FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString());
    g->AddLarge(Action(QStringLiteral("Back6")));
    g = FRibbon->AddGroup(tab, QStringLiteral("GroupTherapeut"), QString());
    g->AddLarge(Action(QStringLiteral("ChangeThera")));
    g->AddLarge(Action(QStringLiteral("DelTheraAll")));
    g = FRibbon->AddGroup(tab, QStringLiteral("GroupPatient"), QString());
    g->AddLarge(Action(QStringLiteral("PatZuweisen")));
    g->AddLarge(Action(QStringLiteral("DelPat")));
    g->AddLarge(Action(QStringLiteral("DelPatAll")));
    g = FRibbon->AddGroup(tab, QStringLiteral("GroupParameter"), QString());
    g->AddLarge(Action(QStringLiteral("ParSave")));
    g->AddLarge(Action(QStringLiteral("ParLoad")));
    g->AddLarge(Action(QStringLiteral("ParSys")));
    g->AddLarge(Action(QStringLiteral("Transfer")));
}

// The context menus of the patient and therapist panels: copy and paste a program set.
void ProgrammingWindow::BuildCopyMenus() {
    FPatientMenu = new QMenu(this);
    FPatientMenu->addAction(Action(QStringLiteral("PatParaCopy")));
    FPatientMenu->addAction(Action(QStringLiteral("PatParaPaste")));
    FTherapistMenu = new QMenu(this);
    FTherapistMenu->addAction(Action(QStringLiteral("TheraParaCopy")));
    FTherapistMenu->addAction(Action(QStringLiteral("TheraParaPaste")));
}

// Therapists and patients.
void ProgrammingWindow::BuildSlotColumns(QHBoxLayout* body) {
    auto column = [this, body](QLabel*& caption, auto& panels, int rows, auto onClick, QMenu* menu) {
        return AddPanelColumn(this, body, caption, panels, rows, 220, [this, onClick, menu](SlotPanel* p) {
            // Another therapist or patient: what was typed for the current one counts first.
            connect(p, &SlotPanel::Clicked, this, [this, onClick](int tag) {
                if (TakeTypedValues()) {
                    onClick(tag);
                }
            });
            p->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(p, &QWidget::customContextMenuRequested, this,
                    [this, p, onClick, menu](const QPoint& at) {
                        // A right-button press selects the panel and opens its menu.
                        if (!TakeTypedValues()) {
                            return;
                        }
                        FMenuTag = p->Tag();
                        onClick(p->Tag());
                        menu->popup(p->mapToGlobal(at));
                    });
        });
    };
    column(
        FTherapeutenCaption, FTherapeuten, 2, [this](int t) { TherapeutClick(t); }, FTherapistMenu);
    QVBoxLayout* patBox = column(
        FPatientenCaption, FPatienten, 3, [this](int p) { PatientClick(p); }, FPatientMenu);
    FLoeschen = new QCheckBox(this);
    FLoeschen->setObjectName(QStringLiteral("Loeschen"));
    patBox->addWidget(FLoeschen);
}

// The program tabs, the program's name, whether it is active, and its mode.
void ProgrammingWindow::BuildProgramHeader(QVBoxLayout* right) {
    FTabs = new QTabBar(this);
    FTabs->setObjectName(QStringLiteral("ProgrammTabs"));
    for (int k = 0; k < 6; ++k) {
        FTabs->addTab(QString());
    }
    right->addWidget(FTabs);
    auto* top = new QGridLayout;
    FCaptions.insert(QStringLiteral("Name"), new QLabel(this));
    FName = new QLineEdit(this);
    FName->setObjectName(QStringLiteral("Name"));
    FName->setMaxLength(25);
    FAktiviert = new QCheckBox(this);
    FAktiviert->setObjectName(QStringLiteral("Aktiviert"));
    FCaptions.insert(QStringLiteral("Betriebsart"), new QLabel(this));
    FModus = new QComboBox(this);
    FModus->setObjectName(QStringLiteral("Betriebsart"));
    FModus->setMinimumWidth(240);
    top->addWidget(FCaptions[QStringLiteral("Name")], 0, 0);
    top->addWidget(FName, 0, 1);
    top->addWidget(FAktiviert, 0, 2);
    top->addWidget(FCaptions[QStringLiteral("Betriebsart")], 1, 0);
    top->addWidget(FModus, 1, 1);
    top->setColumnStretch(1, 1);
    right->addLayout(top);
}

// Times and stimulation on the left, the electrode picture and the sequence on the right.
QHBoxLayout* ProgrammingWindow::BuildProgramPanels() {
    auto* panels = new QHBoxLayout;
    auto* leftPanels = new QVBoxLayout;
    leftPanels->addWidget(BuildTimesPanel());
    leftPanels->addWidget(BuildStimulationPanel());
    leftPanels->addStretch(1);
    panels->addLayout(leftPanels, 1);

    auto* rightPanels = new QVBoxLayout;
    rightPanels->addWidget(BuildPicturePanel());
    rightPanels->addWidget(BuildSequencePanel());
    rightPanels->addStretch(1);
    panels->addLayout(rightPanels);
    return panels;
}

void ProgrammingWindow::AddFieldRow(QGridLayout* grid, int& row, const QString& name, int min, int max) {
    grid->addWidget(FCaptions[name] = new QLabel(this), row, 0);
    grid->addWidget(MakeField(name, min, max), row, 1);
    FFields[name]->SetCaption(FCaptions[name]);
    FEntries << FFields[name];
    ++row;
}

void ProgrammingWindow::AddSliderRow(QGridLayout* grid, int& row, const QString& name, int min, int max) {
    grid->addWidget(FCaptions[name] = new QLabel(this), row, 0);
    grid->addWidget(MakeSlider(name, min, max), row, 1);
    grid->addWidget(FSliderTexts[name] = new QLabel(this), row, 2);
    FSliderTexts[name]->setObjectName(name + QStringLiteral("Text"));
    FSliderTexts[name]->setMinimumWidth(90);
    ++row;
}

// "Zeiten"
QGroupBox* ProgrammingWindow::BuildTimesPanel() {
    QGroupBox* zeiten = MakePanel(QStringLiteral("Zeiten"));
    auto* zg = new QGridLayout(FPanelBodies[QStringLiteral("Zeiten")]);
    int row = 0;
    AddFieldRow(zg, row, QStringLiteral("Anspannzeit"), 0, 255);
    AddFieldRow(zg, row, QStringLiteral("Entspannzeit"), 1, 255);
    AddFieldRow(zg, row, QStringLiteral("Stromzeit"), 2, 255);
    AddFieldRow(zg, row, QStringLiteral("Pausenzeit"), 0, 255);
    AddSliderRow(zg, row, QStringLiteral("Timeout"), 1, 61);
    return zeiten;
}

// "Stimulations-Parameter"
QGroupBox* ProgrammingWindow::BuildStimulationPanel() {
    QGroupBox* stim = MakePanel(QStringLiteral("Stimulation"));
    auto* sg = new QGridLayout(FPanelBodies[QStringLiteral("Stimulation")]);
    int row = 0;
    AddFieldRow(sg, row, QStringLiteral("Frequenz1"), 2, 200);
    AddFieldRow(sg, row, QStringLiteral("Frequenz2"), 2, 200);
    AddSliderRow(sg, row, QStringLiteral("Impulslaenge1"), 8, 100);
    AddSliderRow(sg, row, QStringLiteral("Impulslaenge2"), 8, 100);
    AddSliderRow(sg, row, QStringLiteral("Anschwellzeit"), 1, 13);
    AddSliderRow(sg, row, QStringLiteral("Abschwellzeit"), 1, 13);
    FMittelfrequenz = new QCheckBox(this);
    FMittelfrequenz->setObjectName(QStringLiteral("Mittelfrequenz"));
    FMittelfrequenz->setLayoutDirection(Qt::RightToLeft);
    sg->addWidget(FMittelfrequenz, row, 0, 1, 2, Qt::AlignLeft);
    FSliders[QStringLiteral("Impulslaenge1")]->setTickInterval(4);
    FSliders[QStringLiteral("Impulslaenge2")]->setTickInterval(4);
    return stim;
}

// The electrode picture with its two arrows.
QGroupBox* ProgrammingWindow::BuildPicturePanel() {
    QGroupBox* elektroden = MakePanel(QStringLiteral("Elektroden"));
    auto* eg = new QVBoxLayout(FPanelBodies[QStringLiteral("Elektroden")]);
    FBild = new QLabel(this);
    FBild->setObjectName(QStringLiteral("Elektrodenbild"));
    FBild->setFixedSize(260, 195);
    FBild->setFrameShape(QFrame::StyledPanel);
    FBild->setAlignment(Qt::AlignCenter);
    eg->addWidget(FBild, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    FZurueck = new QToolButton(this);
    FZurueck->setObjectName(QStringLiteral("BildZurueck"));
    FZurueck->setArrowType(Qt::LeftArrow);
    FVor = new QToolButton(this);
    FVor->setObjectName(QStringLiteral("BildVor"));
    FVor->setArrowType(Qt::RightArrow);
    buttons->addStretch(1);
    buttons->addWidget(FZurueck);
    buttons->addWidget(FVor);
    buttons->addStretch(1);
    eg->addLayout(buttons);
    return elektroden;
}

// The program sequence: six steps, each a choice of program.
QGroupBox* ProgrammingWindow::BuildSequencePanel() {
    QGroupBox* folge = MakePanel(QStringLiteral("Folge"));
    auto* fg = new QGridLayout(FPanelBodies[QStringLiteral("Folge")]);
    for (int i = 0; i < 6; ++i) {
        auto* l = new QLabel(QStringLiteral("%1.").arg(i + 1), this);
        FFolge[size_t(i)] = new QComboBox(this);
        FFolge[size_t(i)]->setObjectName(QStringLiteral("Schritt%1").arg(i + 1));
        fg->addWidget(l, i, 0);
        fg->addWidget(FFolge[size_t(i)], i, 1);
        connect(FFolge[size_t(i)], &QComboBox::currentIndexChanged, this, [this, i](int entry) {
            if (Quiet() || !FModel || entry < 0) {
                return;
            }
            FModel->SetFolgeSchritt(i + 1, entry);
            Changed();
            ShowSequence();
        });
    }
    return folge;
}

// The rules of the fields.
void ProgrammingWindow::ConnectFieldRules() {
    for (auto it = FFields.cbegin(); it != FFields.cend(); ++it) {
        const QString name = it.key();
        connect(it.value(), &QSpinBox::valueChanged, this, [this, name](int v) {
            if (Quiet() || !FModel) {
                return;
            }
            Changed();
            int r = v;
            if (name == QLatin1String("Anspannzeit")) {
                r = FModel->SetAnspannzeit(v);
            } else if (name == QLatin1String("Entspannzeit")) {
                r = FModel->SetEntspannzeit(v);
            } else if (name == QLatin1String("Pausenzeit")) {
                r = FModel->SetPausenzeit(v);
            } else if (name == QLatin1String("Stromzeit")) {
                r = FModel->SetStromzeit(v);
                UpdateRampRanges();
            } else if (name == QLatin1String("Frequenz1")) {
                r = FModel->SetFrequenz(1, v);
            } else if (name == QLatin1String("Frequenz2")) {
                r = FModel->SetFrequenz(2, v);
            }
            if (r != v) {
                FFilling = true;
                FFields[name]->setValue(r);
                FFilling = false;
            }
        });
    }
}

void ProgrammingWindow::ConnectSliderRules() {
    for (auto it = FSliders.cbegin(); it != FSliders.cend(); ++it) {
        const QString name = it.key();
        connect(it.value(), &QSlider::valueChanged, this, [this, name](int v) {
            if (!Quiet() && FModel) {
                Changed();
                if (name == QLatin1String("Impulslaenge1")) {
                    FModel->SetImpulslaenge(1, v);
                } else if (name == QLatin1String("Impulslaenge2")) {
                    FModel->SetImpulslaenge(2, v);
                } else if (name == QLatin1String("Anschwellzeit")) {
                    FModel->SetAnschwellzeit(v);
                } else if (name == QLatin1String("Abschwellzeit")) {
                    FModel->SetAbschwellzeit(v);
                } else if (name == QLatin1String("Timeout")) {
                    FModel->SetTimeout(v);
                }
                if (name == QLatin1String("Anschwellzeit") || name == QLatin1String("Abschwellzeit")) {
                    UpdateRampRanges();
                }
            }
            UpdateSliderTexts();
        });
    }
}

// Name, active, medium frequency, mode and picture: each writes the shown program.
void ProgrammingWindow::ConnectProgramControls() {
    connect(FName, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!Quiet() && FModel) {
            FModel->SetName(text);
            Changed();
        }
    });
    connect(FAktiviert, &QCheckBox::toggled, this, [this](bool on) {
        if (!Quiet() && FModel) {
            FModel->SetAktiviert(on);
            Changed();
        }
    });
    connect(FMittelfrequenz, &QCheckBox::toggled, this, [this](bool on) {
        if (!Quiet() && FModel) {
            FModel->SetMittelfrequenz(on);
            Changed();
        }
    });
    connect(FModus, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (Quiet() || !FModel || i < 0) {
            return;
        }
        FModel->SetBetriebsart(FModus->itemData(i).toInt());
        Changed();
        ApplyModeRules();
    });
    connect(FZurueck, &QToolButton::clicked, this, [this] {
        if (FModel && FModel->BildZurueck()) {
            Changed();
            ShowPicture();
        }
    });
    connect(FVor, &QToolButton::clicked, this, [this] {
        if (FModel && FModel->BildVor()) {
            Changed();
            ShowPicture();
        }
    });
}

void ProgrammingWindow::ConnectProgramTabs() {
    connect(FTabs, &QTabBar::currentChanged, this, [this](int k) {
        if (FFilling || !FModel || k < 0) {
            return;
        }
        // What was typed belongs to the program shown so far; a refused entry keeps its tab.
        if (!TakeTypedValues()) {
            FFilling = true;
            FTabs->setCurrentIndex(FModel->Programm());
            FFilling = false;
            return;
        }
        ShowProgram(k);
    });
}

void ProgrammingWindow::ConnectDeleteBox() {
    connect(FLoeschen, &QCheckBox::clicked, this, [this](bool on) {
        if (!FModel) {
            return;
        }
        if (on && !Question(tr("Alle Übungen des Patienten werden gelöscht!\nSind Sie sicher?"))) {
            FLoeschen->setChecked(false);
            on = false;
        }
        FModel->SetLoeschen(on);
        Changed();
    });
}

void ProgrammingWindow::ConnectCommands() {
    connect(Action(QStringLiteral("Back6")), &QAction::triggered, this, &GuardedDialog::CloseByUser);
    OnCommand(QStringLiteral("ChangeThera"), [this] { TherapeutAendern(); });
    OnCommand(QStringLiteral("DelTheraAll"), [this] { AlleTherapeutenEntfernen(); });
    OnCommand(QStringLiteral("PatZuweisen"), [this] { Zuweisen(); });
    OnCommand(QStringLiteral("DelPat"), [this] { Entfernen(); });
    OnCommand(QStringLiteral("DelPatAll"), [this] { AlleEntfernen(); });
    OnCommand(QStringLiteral("ParSave"), [this] { Speichern(); });
    OnCommand(QStringLiteral("ParLoad"), [this] { Oeffnen(); });
    OnCommand(QStringLiteral("ParSys"), [this] { Systemparameter(); });
    OnCommand(QStringLiteral("Transfer"), [this] { Uebertragen(); });
    OnCommand(QStringLiteral("PatParaCopy"), [this] {
        FModel->KopierePatient();
        Action(QStringLiteral("PatParaPaste"))->setEnabled(true);
        Action(QStringLiteral("TheraParaPaste"))->setEnabled(false);
    });
    OnCommand(QStringLiteral("PatParaPaste"), [this] {
        if (FModel->FuegePatientEin()) {
            Changed();
            PatientClick(FMenuTag);
        }
    });
    OnCommand(QStringLiteral("TheraParaCopy"), [this] {
        FModel->KopiereTherapeut();
        Action(QStringLiteral("TheraParaPaste"))->setEnabled(true);
        Action(QStringLiteral("PatParaPaste"))->setEnabled(false);
    });
    OnCommand(QStringLiteral("TheraParaPaste"), [this] {
        if (FModel->FuegeTherapeutEin()) {
            Changed();
            TherapeutClick(FMenuTag);
        }
    });
}

ProgrammingWindow::~ProgrammingWindow() {
    // Hiding the window on its way out takes the focus from a field: whatever that would commit
    // no longer has a record to go to.
    for (ZahlFeld* f : std::as_const(FFields)) {
        f->blockSignals(true);
    }
    FModel.reset();
}

void ProgrammingWindow::OnCommand(const QString& name, const std::function<void()>& run) {
    connect(Action(name), &QAction::triggered, this, [this, run] {
        if (FModel && TakeTypedValues()) {
            run();
        }
    });
}

bool ProgrammingWindow::TakeTypedValues() {
    TypedEntry* refused = TakeTypedEntries(FEntries);
    if (!refused) {
        return true;
    }
    Error(refused->Refusal());
    return false;
}

bool ProgrammingWindow::HasChanges() const {
    return FChanged || AnyPending(FEntries) || FSystem->SaveAsFactory() || FSystem->FactoryState();
}

bool ProgrammingWindow::MayClose() {
    if (!HasChanges()) {
        return true;
    }
    LastMessage = tr("Änderungen verwerfen?");
    return Msg::ConfirmDelete(this, LastMessage);
}

QAction* ProgrammingWindow::Make(const QString& name, const QString& icon) {
    QAction* a = AddRibbonCommand(this, FActions, name, icon);
    a->setShortcutContext(Qt::WindowShortcut);
    return a;
}

QGroupBox* ProgrammingWindow::MakePanel(const QString& name) {
    auto* box = new QGroupBox(this);
    box->setObjectName(name);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(6, 4, 6, 6);
    auto* inner = new QWidget(box);
    v->addWidget(inner);
    FPanels.insert(name, box);
    FPanelBodies.insert(name, inner);
    return box;
}

ZahlFeld* ProgrammingWindow::MakeField(const QString& name, int min, int max) {
    auto* f = new ZahlFeld(this);
    f->setObjectName(name);
    f->setRange(min, max);
    FFields.insert(name, f);
    return f;
}

QSlider* ProgrammingWindow::MakeSlider(const QString& name, int min, int max) {
    auto* s = new QSlider(Qt::Horizontal, this);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setTickPosition(QSlider::TicksBelow);
    s->setMinimumWidth(160);
    FSliders.insert(name, s);
    return s;
}

ZahlFeld* ProgrammingWindow::Field(const QString& name) const {
    return FFields.value(name);
}

QSlider* ProgrammingWindow::Slider(const QString& name) const {
    return FSliders.value(name);
}

QLabel* ProgrammingWindow::SliderText(const QString& name) const {
    return FSliderTexts.value(name);
}

QGroupBox* ProgrammingWindow::Panel(const QString& name) const {
    return FPanels.value(name);
}

void ProgrammingWindow::RetranslateUi() {
    SetCommandTexts(FActions, {{"Back6", tr("Zurück")},
                               {"ChangeThera", tr("Therapeut ändern")},
                               {"DelTheraAll", tr("Alle entfernen")},
                               {"PatZuweisen", tr("Zuweisen")},
                               {"DelPat", tr("Entfernen")},
                               {"DelPatAll", tr("Alle entfernen")},
                               {"ParSave", tr("Speichern")},
                               {"ParLoad", tr("Öffnen")},
                               {"ParSys", tr("Systemparameter")},
                               {"Transfer", tr("Übertragen")},
                               {"PatParaCopy", tr("Parameter kopieren")},
                               {"PatParaPaste", tr("Parameter einfügen")},
                               {"TheraParaCopy", tr("Parameter kopieren")},
                               {"TheraParaPaste", tr("Parameter einfügen")}});
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Allgemein"));
    FRibbon->Group(QStringLiteral("GroupTherapeut"))->SetCaption(tr("Therapeut"));
    FRibbon->Group(QStringLiteral("GroupPatient"))->SetCaption(tr("Patient"));
    FRibbon->Group(QStringLiteral("GroupParameter"))->SetCaption(tr("Parameter"));
    FRibbon->UpdateTips();
    FTherapeutenCaption->setText(tr("Therapeuten"));
    FPatientenCaption->setText(tr("Patienten"));
    FLoeschen->setText(tr("Alle Übungen des Patienten löschen"));
    for (int k = 0; k < 6; ++k) {
        FTabs->setTabText(k, tr("Programm %1").arg(k + 1));
    }
    FCaptions[QStringLiteral("Name")]->setText(tr("Anzeigename (max. 25 Zeichen):"));
    FCaptions[QStringLiteral("Betriebsart")]->setText(tr("Betriebsart:"));
    FAktiviert->setText(tr("Aktiviert"));
    FMittelfrequenz->setText(tr("Mittelfrequenz:"));
    FCaptions[QStringLiteral("Anspannzeit")]->setText(tr("Anspannzeit[s]:"));
    FCaptions[QStringLiteral("Entspannzeit")]->setText(tr("Entspannzeit[s]:"));
    FCaptions[QStringLiteral("Stromzeit")]->setText(tr("Stromzeit[s]:"));
    FCaptions[QStringLiteral("Pausenzeit")]->setText(tr("Pausenzeit[s]:"));
    FCaptions[QStringLiteral("Timeout")]->setText(tr("Übungsdauer[1-60min,Dauer]:"));
    FCaptions[QStringLiteral("Frequenz1")]->setText(tr("Frequenz1[Hz]:"));
    FCaptions[QStringLiteral("Frequenz2")]->setText(tr("Frequenz2[Hz]:"));
    FCaptions[QStringLiteral("Impulslaenge1")]->setText(tr("Impulsbreite1 [40-500µs]:"));
    FCaptions[QStringLiteral("Impulslaenge2")]->setText(tr("Impulsbreite2 [40-500µs]:"));
    FCaptions[QStringLiteral("Anschwellzeit")]->setText(tr("Anschwellzeit [s]:"));
    FCaptions[QStringLiteral("Abschwellzeit")]->setText(tr("Abschwellzeit [s]:"));
    FPanels[QStringLiteral("Zeiten")]->setTitle(tr("Zeiten"));
    FPanels[QStringLiteral("Stimulation")]->setTitle(tr("Stimulations-Parameter"));
    FPanels[QStringLiteral("Elektroden")]->setTitle(tr("Elektrodenposition"));
    FPanels[QStringLiteral("Folge")]->setTitle(tr("Programmfolge"));
    for (int i = 0; i < 6; ++i) {
        QComboBox* c = FFolge[size_t(i)];
        const bool quiet = FFilling;
        FFilling = true;
        const int cur = c->currentIndex();
        c->clear();
        if (i > 0) {
            c->addItem(QString());
        }
        for (int n = 1; n <= 5; ++n) {
            c->addItem(tr("Programm %1").arg(n));
        }
        c->setCurrentIndex(cur);
        FFilling = quiet;
    }
    UpdateSliderTexts();
    if (FDev && FModel) {
        setWindowTitle(FModel->Titel(tr("Programmierung")));
        FillTherapeuten();
        FillPatienten();
        ShowProgram(FModel->Programm());
    } else {
        setWindowTitle(tr("Programmierung"));
    }
}

void ProgrammingWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

void ProgrammingWindow::Prepare(TZUD12* dev, PatientDatabase* dm, ProgressWindow* progress) {
    FDev = dev;
    FDM = dm;
    FProgress = progress;
    FModel = std::make_unique<wf::Programmierung>(*dev);
    FLast = {};
    FChanged = false;
    FSystem->Prepare(dev);
}

void ProgrammingWindow::SetPictureFile(const QString& path) {
    FPictureFile = path;
}

void ProgrammingWindow::showEvent(QShowEvent* e) {
    if (e->spontaneous()) {
        // Restored from the task bar: the window is as it was left.
        QDialog::showEvent(e);
        return;
    }
    // Window show: the record's values in the controls, the patient-selection setting.
    FLoading = false;
    FPictures.clear();
    QFile f(FPictureFile);
    if (!FPictureFile.isEmpty() && f.open(QIODevice::ReadOnly)) {
        FPictures = f.readAll();
    }
    if (FModel) {
        FModel->WaehleTherapeut(FDev->SystemParameter.AktTherapeut);
        setWindowTitle(FModel->Titel(tr("Programmierung")));
        FillTherapeuten();
        ApplyPatientSelection();
    }
    QDialog::showEvent(e);
    if (FDev) {
        QTimer::singleShot(
            0, this, [this] { DumpScreenshot(this, QStringLiteral("programmierung-typ%1").arg(FDev->Typ)); });
    }
}

void ProgrammingWindow::done(int r) {
    // Closing by any way: the factory options and the Ctrl+Alt flag end with the window.
    FSystem->ClearFactoryBoxes();
    if (ClearAdminFlag) {
        ClearAdminFlag();
    }
    QDialog::done(r);
}

void ProgrammingWindow::FillTherapeuten() {
    for (int t = 0; t < 6; ++t) {
        SlotPanel* panel = FTherapeuten[size_t(t)];
        const Stammsatz& s = FDev->Therapeuten[size_t(t)];
        panel->SetCaption(tr("Therapeut %1").arg(t + 1));
        panel->RowCaption(0)->setText(tr("Name:"));
        panel->RowCaption(1)->setText(tr("Vorname:"));
        panel->RowValue(0)->setText(wf::Name(s));
        panel->RowValue(1)->setText(wf::Vorname(s));
    }
}

void ProgrammingWindow::FillPatienten() {
    const int t = FModel->Therapeut();
    for (int p = 0; p < 6; ++p) {
        SlotPanel* panel = FPatienten[size_t(p)];
        const Stammsatz& s = FDev->Patienten[wf::SlotIndex(t, p)];
        const bool belegt = FModel->Belegt(t, p);
        panel->SetCaption(tr("Patient %1").arg(p + 1));
        panel->RowCaption(0)->setText(belegt ? tr("Name:") : tr("Keine Patientendaten"));
        panel->RowCaption(1)->setText(tr("Vorname:"));
        panel->RowCaption(2)->setText(tr("Geburtsdatum:"));
        panel->RowValue(0)->setText(wf::Name(s));
        panel->RowValue(1)->setText(wf::Vorname(s));
        panel->RowValue(2)->setText(FormatDate(wf::GeburtsdatumZuDatum(s.Geburtsdatum)));
        for (int r = 0; r < 3; ++r) {
            panel->RowValue(r)->setVisible(belegt);
            if (r > 0) {
                panel->RowCaption(r)->setVisible(belegt);
            }
        }
    }
}

void ProgrammingWindow::Highlight() {
    for (int t = 0; t < 6; ++t) {
        FTherapeuten[size_t(t)]->SetSelected(t == FModel->Therapeut());
    }
    for (int p = 0; p < 6; ++p) {
        FPatienten[size_t(p)]->SetSelected(p == FModel->Patient());
    }
}

void ProgrammingWindow::TherapeutClick(int t) {
    if (!FModel) {
        return;
    }
    FModel->WaehleTherapeut(t);
    FillPatienten();
    PatientClick(FModel->Patient());
}

void ProgrammingWindow::PatientClick(int p) {
    if (!FModel) {
        return;
    }
    FModel->WaehlePatient(p);
    Highlight();
    const Stammsatz& s = FDev->Patienten[wf::SlotIndex(FModel->Therapeut(), FModel->Patient())];
    FLoeschen->setVisible(s.Anzahl != 0);
    FLoeschen->setChecked(s.Loeschen == 1);
    ShowProgram(FModel->Programm());
}

void ProgrammingWindow::ShowProgram(int k) {
    if (!FModel) {
        return;
    }
    FModel->WaehleProgramm(k);
    FFilling = true;
    FTabs->setCurrentIndex(FModel->Programm());
    // The mode list of the model; "Programmfolge" on the sixth program only.
    FModus->clear();
    const int code = FModel->Betriebsart();
    for (int c : wf::AngeboteneBetriebsarten(FModel->Typ(), FModel->Programm())) {
        FModus->addItem(BetriebsartName(c - 1), c);
        if (c == code) {
            FModus->setCurrentIndex(FModus->count() - 1);
        }
    }
    if (FModus->itemData(FModus->currentIndex()).toInt() != code) {
        FModus->setCurrentIndex(-1); // a stored mode this tab does not offer is kept, not shown
    }
    for (auto it = FFields.cbegin(); it != FFields.cend(); ++it) {
        it.value()->setValue(FModel->Wert(FeldOffsets().value(it.key())));
    }
    UpdateRampRanges();
    for (auto it = FSliders.cbegin(); it != FSliders.cend(); ++it) {
        it.value()->setValue(FModel->Wert(FeldOffsets().value(it.key())));
    }
    FName->setText(FModel->Name());
    FAktiviert->setChecked(FModel->Wert(offsetof(ProgrammParameter, Aktiviert)) == 1);
    FMittelfrequenz->setChecked(FModel->Wert(offsetof(ProgrammParameter, Stromform)) == 1);
    FFilling = false;
    UpdateSliderTexts();
    ShowPicture();
    ApplyModeRules();
    ShowSequence();
}

void ProgrammingWindow::UpdateRampRanges() {
    const bool quiet = FFilling;
    FFilling = true;
    FSliders[QStringLiteral("Anschwellzeit")]->setMaximum(FModel->AnschwellMax());
    FSliders[QStringLiteral("Abschwellzeit")]->setMaximum(FModel->AbschwellMax());
    FSliders[QStringLiteral("Anschwellzeit")]->setValue(
        FModel->Wert(offsetof(ProgrammParameter, Anschwellzeit)));
    FSliders[QStringLiteral("Abschwellzeit")]->setValue(
        FModel->Wert(offsetof(ProgrammParameter, Abschwellzeit)));
    FFilling = quiet;
}

void ProgrammingWindow::UpdateSliderTexts() {
    auto text = [this](const QString& name) { return FSliders.value(name)->value(); };
    FSliderTexts[QStringLiteral("Impulslaenge1")]->setText(
        QStringLiteral("%1 µs").arg(text(QStringLiteral("Impulslaenge1")) * 5));
    FSliderTexts[QStringLiteral("Impulslaenge2")]->setText(
        QStringLiteral("%1 µs").arg(text(QStringLiteral("Impulslaenge2")) * 5));
    FSliderTexts[QStringLiteral("Anschwellzeit")]->setText(
        QLocale().toString(text(QStringLiteral("Anschwellzeit")) / 10.0, 'f', 1));
    FSliderTexts[QStringLiteral("Abschwellzeit")]->setText(
        QLocale().toString(text(QStringLiteral("Abschwellzeit")) / 10.0, 'f', 1));
    FSliderTexts[QStringLiteral("Timeout")]->setText(wf::UebungsdauerText(text(QStringLiteral("Timeout"))));
}

void ProgrammingWindow::ShowPicture() {
    const int n = FModel->Bildnummer();
    QImage image;
    if (n > 0 && FPictures.size() >= n * kBildGroesse) {
        image.loadFromData(FPictures.mid((n - 1) * kBildGroesse, kBildGroesse), "BMP");
    }
    if (image.isNull()) {
        FBild->setPixmap(QPixmap());
        FBild->setText(n > 0 ? tr("Position %1").arg(FModel->Bildposition()) : QString());
    } else {
        FBild->setPixmap(QPixmap::fromImage(image));
    }
    FVor->setEnabled(FModel->KannVor());
    FZurueck->setEnabled(FModel->KannZurueck());
}

void ProgrammingWindow::ApplyModeRules() {
    const wf::ModusRegeln r = wf::RegelnFuer(FModel->Betriebsart());
    FPanelBodies[QStringLiteral("Zeiten")]->setVisible(r.zeitenOffen);
    FPanelBodies[QStringLiteral("Stimulation")]->setVisible(r.stimulationOffen);
    FPanels[QStringLiteral("Folge")]->setVisible(r.folgeSichtbar);
    FPanels[QStringLiteral("Elektroden")]->setVisible(r.elektrodenSichtbar);
    for (const char* name : {"Stromzeit", "Pausenzeit"}) {
        FFields[QString::fromLatin1(name)]->setVisible(r.stromzeitSichtbar);
        FCaptions[QString::fromLatin1(name)]->setVisible(r.stromzeitSichtbar);
    }
}

void ProgrammingWindow::ShowSequence() {
    const auto lists = FModel->Folge();
    const bool quiet = FFilling;
    FFilling = true;
    for (size_t i = 0; i < 6; ++i) {
        FFolge[i]->setEnabled(lists[i].enabled);
        FFolge[i]->setCurrentIndex(lists[i].entry);
    }
    FFilling = quiet;
}

void ProgrammingWindow::ApplyPatientSelection() {
    FPatauswahl = FModel->Patientenauswahl();
    for (SlotPanel* t : FTherapeuten) {
        t->setVisible(FPatauswahl);
    }
    FTherapeutenCaption->setVisible(FPatauswahl);
    for (int p = 1; p < 6; ++p) {
        FPatienten[size_t(p)]->setVisible(FPatauswahl);
    }
    FRibbon->Group(QStringLiteral("GroupTherapeut"))->setVisible(FPatauswahl);
    for (const char* name : {"ChangeThera", "DelPatAll", "DelTheraAll"}) {
        Action(QString::fromLatin1(name))->setEnabled(FPatauswahl);
    }
    Action(QStringLiteral("PatZuweisen"))->setEnabled(FDM && ChoosePatient);
    FillPatienten();
    if (FPatauswahl) {
        TherapeutClick(FModel->Therapeut());
    } else {
        PatientClick(0);
    }
}

void ProgrammingWindow::Zuweisen() {
    if (!FDM || !ChoosePatient) {
        return;
    }
    const std::optional<qint64> id = ChoosePatient();
    if (!id) {
        return;
    }
    try {
        const std::optional<Patient> p = FDM->GetPatient(*id);
        if (!p) {
            return;
        }
        FModel->Zuweisen(p->Name, p->Vorname, p->Geburtstag);
        Changed();
    } catch (const std::exception& e) {
        Error(Msg::Describe(e));
        return;
    }
    FillPatienten();
    Highlight();
}

void ProgrammingWindow::Entfernen() {
    FModel->Entfernen();
    Changed();
    FillPatienten();
}

void ProgrammingWindow::AlleEntfernen() {
    FModel->AlleEntfernen();
    Changed();
    FillPatienten();
}

void ProgrammingWindow::TherapeutAendern() {
    if (!EditTherapist) {
        return;
    }
    const Stammsatz& s = FDev->Therapeuten[size_t(FModel->Therapeut())];
    const auto names = EditTherapist(wf::Name(s), wf::Vorname(s));
    if (!names) {
        return;
    }
    FModel->TherapeutAendern(names->first, names->second);
    Changed();
    FillTherapeuten();
}

void ProgrammingWindow::AlleTherapeutenEntfernen() {
    FModel->AlleTherapeutenEntfernen();
    Changed();
    FillTherapeuten();
}

void ProgrammingWindow::Speichern(const QString& file) {
    const QString path = !file.isEmpty() ? file
                         : AskFile       ? AskFile(true)
                                         : QFileDialog::getSaveFileName(this, tr("Speichern"), QString(),
                                                                        tr("Parameter-Dateien (*.zud)"));
    if (path.isEmpty()) {
        return;
    }
    // The default extension when none is given.
    const QString target = QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".zud") : path;
    QString error;
    if (!wf::SpeichereParameterDatei(*FDev, target, &error)) {
        Error(error);
    }
}

void ProgrammingWindow::Oeffnen(const QString& file) {
    const QString path = !file.isEmpty() ? file
                         : AskFile       ? AskFile(false)
                                         : QFileDialog::getOpenFileName(this, tr("Öffnen"), QString(),
                                                                        tr("Parameter-Dateien (*.zud)"));
    if (path.isEmpty()) {
        return;
    }
    wf::ParameterGeladen g;
    QString error;
    if (!wf::OeffneParameterDatei(*FDev, path, g, &error)) {
        Error(error);
        return;
    }
    Changed();
    // The window as on opening: a changed patient selection or therapist takes effect.
    FModel->WaehleTherapeut(FDev->SystemParameter.AktTherapeut);
    FillTherapeuten();
    ApplyPatientSelection();
    if (g.saetze < wf::kProgSaetze) {
        Info(tr("Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden "
                "übernommen, "
                "die Systemparameter nicht.")
                 .arg(g.saetze));
    }
}

void ProgrammingWindow::Systemparameter() {
    FSystem->SetAdmin(AdminFlag && AdminFlag());
    const zud::Systemparameter vorher = FDev->SystemParameter;
    const auto codes = FDev->Codes_ZUD12;
    FSystem->exec();
    if (std::memcmp(&vorher, &FDev->SystemParameter, sizeof vorher) != 0 ||
        std::memcmp(&codes, &FDev->Codes_ZUD12, sizeof codes) != 0) {
        Changed();
    }
    ApplyPatientSelection();
}

void ProgrammingWindow::Uebertragen() {
    wf::UebertragungsOptionen o;
    o.werkseinstellungenSpeichern = FSystem->SaveAsFactory();
    o.werkszustand = FSystem->FactoryState();
    wf::ProgrammCallbacks cb;
    if (FProgress) {
        const wf::Callbacks pc = FProgress->Callbacks();
        cb.progress = pc.progress;
        cb.cancelRequested = pc.cancelRequested;
        cb.bar = [this] { return FProgress->DeviceBar(); };
        cb.hide = [this] { FProgress->Finish(); };
        // Shown from the first command on (a new showing is a new start: no cancel left over).
        FProgress->SetCloseEnabled(true);
        FProgress->SetText(tr("Übertragen"));
        FProgress->SetMaximum(wf::kProgSaetze);
        FProgress->SetPosition(0);
        FProgress->show();
    }
    {
        // The transfer owns the window: no edit reaches a record it has already written, and
        // Escape or the close box stop it as the progress window's close box does.
        DeviceWork work(*FDev, FActions.values());
        TransferGuard guard({this}, FProgress, [this] {
            if (FProgress) {
                FProgress->RequestCancel();
            }
        });
        FLast = wf::Uebertrage(*FDev, o, cb);
    }
    if (FProgress) {
        FProgress->Finish();
    }
    if (FLast.failed) {
        // The edits stay: "Übertragen" can be tried again.
        if (FLast.cancelled) {
            Info(FLast.error);
        } else {
            Error(FLast.error);
        }
        return;
    }
    if (FLast.convertError) {
        Info(wf::KonvertierungsMeldung());
    }
    FChanged = false;
    accept();
}

void ProgrammingWindow::Error(const QString& text) {
    LastMessage = text;
    Msg::Error(this, text);
}

void ProgrammingWindow::Info(const QString& text) {
    LastMessage = text;
    Msg::Info(this, text);
}

bool ProgrammingWindow::Question(const QString& text) {
    LastMessage = text;
    return Msg::Question(this, text);
}

} // namespace zud::ui
