#include "SystemParametersDialog.h"

#include "Handshake.h"
#include "MessageBox.h"
#include "ProgramFields.h"
#include "Readout.h"
#include "Ribbon.h"
#include "SplashScreen.h"
#include "TZUD12.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <cstddef>
#include <cstring>

namespace zud::ui {

const QColor SystemParametersDialog::kError(255, 185, 185);

namespace {

uint8_t& Byte(Systemparameter& s, size_t offset) {
    return reinterpret_cast<uint8_t*>(&s)[offset];
}

} // namespace

SystemParametersDialog::SystemParametersDialog(QWidget* parent) : GuardedDialog(parent) {
    setObjectName(QStringLiteral("SystemParametersDialog"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    BuildCommands();

    auto* body = new QGridLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->setHorizontalSpacing(10);
    body->addWidget(BuildSystemPanel(), 0, 0);
    body->addWidget(BuildEmgPanel(), 0, 1);
    body->addWidget(BuildTriggerPanel(), 1, 0);
    body->addWidget(BuildPressurePanel(), 1, 1);
    body->addWidget(BuildAdminPanel(), 0, 2, 2, 1);
    body->setColumnStretch(2, 1);
    lay->addLayout(body, 1);
    RetranslateUi();
}

void SystemParametersDialog::BuildCommands() {
    for (const auto& [name, icon] :
         {std::pair{"ParBack", "go-previous"}, std::pair{"ParUebernehmen", "object-select"}}) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setIcon(ThemeIcon(QString::fromLatin1(icon), QString::fromLatin1(name)));
        FActions.insert(a->objectName(), a);
        addAction(a);
    }
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString())
        ->AddLarge(Action(QStringLiteral("ParBack")));
    FRibbon->AddGroup(tab, QStringLiteral("GroupParameter"), QString())
        ->AddLarge(Action(QStringLiteral("ParUebernehmen")));
    connect(Action(QStringLiteral("ParBack")), &QAction::triggered, this, &GuardedDialog::CloseByUser);
    connect(Action(QStringLiteral("ParUebernehmen")), &QAction::triggered, this,
            &SystemParametersDialog::Uebernehmen);
}

QGroupBox* SystemParametersDialog::MakePanel(const QString& name) {
    auto* g = new QGroupBox(this);
    g->setObjectName(name);
    FPanels.insert(name, g);
    return g;
}

QGroupBox* SystemParametersDialog::BuildSystemPanel() {
    QGroupBox* system = MakePanel(QStringLiteral("System"));
    auto* sf = new QFormLayout(system);
    FCaptions[QStringLiteral("Helligkeit")] = new QLabel(system);
    FHelligkeit = new QSlider(Qt::Horizontal, system);
    FHelligkeit->setObjectName(QStringLiteral("Helligkeit"));
    FHelligkeit->setRange(28, 128);
    FHelligkeit->setTickInterval(4);
    FHelligkeit->setTickPosition(QSlider::TicksBelow);
    FHelligkeit->setMinimumWidth(160);
    connect(FHelligkeit, &QSlider::valueChanged, this, [this](int v) {
        if (!FFilling) {
            FKopie.Helligkeit = static_cast<uint8_t>(v);
        }
    });
    sf->addRow(FCaptions[QStringLiteral("Helligkeit")], FHelligkeit);
    sf->addRow(MakeBox(QStringLiteral("Codeabfrage"), offsetof(Systemparameter, Codeabfrage), system));
    sf->addRow(MakeBox(QStringLiteral("Patauswahl"), offsetof(Systemparameter, Patauswahl), system));
    sf->addRow(MakeBox(QStringLiteral("Tastenfeedback"), offsetof(Systemparameter, Tastenfeedback), system));
    sf->addRow(MakeBox(QStringLiteral("Anzeigeverriegelung"), offsetof(Systemparameter, Anzeigeverriegelung),
                       system));
    sf->addRow(MakeBox(QStringLiteral("Sprachausgabe"), offsetof(Systemparameter, Sprachausgabe), system));
    sf->addRow(MakeBox(QStringLiteral("Sensi"), offsetof(Systemparameter, Sensi), system));
    return system;
}

QGroupBox* SystemParametersDialog::BuildEmgPanel() {
    QGroupBox* emg = MakePanel(QStringLiteral("EMG"));
    auto* ef = new QFormLayout(emg);
    FCaptions[QStringLiteral("EMG_Einstellung")] = new QLabel(emg);
    ef->addRow(FCaptions[QStringLiteral("EMG_Einstellung")],
               MakeList(QStringLiteral("EMG_Einstellung"), offsetof(Systemparameter, EMG_Einstellung), emg));
    FCaptions[QStringLiteral("EMG_Maximum")] = new QLabel(emg);
    ef->addRow(FCaptions[QStringLiteral("EMG_Maximum")],
               MakeList(QStringLiteral("EMG_Maximum"), offsetof(Systemparameter, EMG_Maximum), emg));
    ef->addRow(MakeBox(QStringLiteral("Emg_Vertonung"), offsetof(Systemparameter, Emg_Vertonung), emg));
    ef->addRow(MakeBox(QStringLiteral("EMG_Anzeige"), offsetof(Systemparameter, EMG_Anzeige), emg));
    ef->addRow(
        MakeBox(QStringLiteral("Anzeige_nach_Strom"), offsetof(Systemparameter, Anzeige_nach_Strom), emg));
    return emg;
}

QGroupBox* SystemParametersDialog::BuildTriggerPanel() {
    QGroupBox* trigger = MakePanel(QStringLiteral("Triggerung"));
    auto* tf = new QFormLayout(trigger);
    FCaptions[QStringLiteral("Triggerzeitlimit")] = new QLabel(trigger);
    FTrigger = new ZahlFeld(trigger);
    FTrigger->setObjectName(QStringLiteral("Triggerzeitlimit"));
    FTrigger->setRange(1, 200);
    connect(FTrigger, &QSpinBox::valueChanged, this, [this](int v) {
        if (!FFilling) {
            FKopie.Triggerzeitlimit = static_cast<uint8_t>(v);
        }
    });
    tf->addRow(FCaptions[QStringLiteral("Triggerzeitlimit")], FTrigger);
    FTrigger->SetCaption(FCaptions[QStringLiteral("Triggerzeitlimit")]);
    FCaptions[QStringLiteral("UpdateRate")] = new QLabel(trigger);
    FUpdate = new ZehntelFeld(trigger);
    FUpdate->setObjectName(QStringLiteral("UpdateRate"));
    FUpdate->setRange(0.1, 5.0);
    connect(FUpdate, &QDoubleSpinBox::valueChanged, this, [this](double) {
        if (!FFilling) {
            FKopie.UpdateRate = static_cast<uint8_t>(FUpdate->Zehntel());
        }
    });
    tf->addRow(FCaptions[QStringLiteral("UpdateRate")], FUpdate);
    FUpdate->SetCaption(FCaptions[QStringLiteral("UpdateRate")]);
    tf->addRow(
        MakeBox(QStringLiteral("Triggerbegrenzung"), offsetof(Systemparameter, Triggerbegrenzung), trigger));
    tf->addRow(MakeBox(QStringLiteral("Triggerauto"), offsetof(Systemparameter, Triggerauto), trigger));
    return trigger;
}

QGroupBox* SystemParametersDialog::BuildPressurePanel() {
    QGroupBox* druck = MakePanel(QStringLiteral("Druck"));
    auto* df = new QFormLayout(druck);
    FCaptions[QStringLiteral("Druckanzeige")] = new QLabel(druck);
    df->addRow(FCaptions[QStringLiteral("Druckanzeige")],
               MakeList(QStringLiteral("Druckanzeige"), offsetof(Systemparameter, Druckanzeige), druck));
    return druck;
}

// The access code, the Bluetooth option and the two factory options; shown only with the
// Ctrl+Alt flag.
QGroupBox* SystemParametersDialog::BuildAdminPanel() {
    QGroupBox* admin = MakePanel(QStringLiteral("Admin"));
    auto* af = new QFormLayout(admin);
    FCodeCaption = new QLabel(admin);
    FCode = new QLineEdit(admin);
    FCode->setObjectName(QStringLiteral("Code"));
    FCode->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9]*")), FCode));
    FCode->setContextMenuPolicy(Qt::NoContextMenu);
    FCode->setMaximumWidth(80);
    FCode->installEventFilter(this);
    af->addRow(FCodeCaption, FCode);
    FBluetooth = new QCheckBox(admin);
    FBluetooth->setObjectName(QStringLiteral("Bluetooth"));
    FBluetooth->setLayoutDirection(Qt::RightToLeft);
    connect(FBluetooth, &QCheckBox::toggled, this, [this](bool on) {
        if (!FFilling) {
            FKopie.Bluetooth_vorhanden = on ? 3 : 1;
        }
    });
    af->addRow(FBluetooth);
    FAlsWerk = new QCheckBox(admin);
    FAlsWerk->setObjectName(QStringLiteral("AlsWerkseinstellungen"));
    FAlsWerk->setLayoutDirection(Qt::RightToLeft);
    FNote1 = new QLabel(admin);
    FNote1->setWordWrap(true);
    FWerk = new QCheckBox(admin);
    FWerk->setObjectName(QStringLiteral("Werkseinstellungen"));
    FWerk->setLayoutDirection(Qt::RightToLeft);
    FNote2 = new QLabel(admin);
    FNote2->setWordWrap(true);
    af->addRow(FAlsWerk);
    af->addRow(FNote1);
    af->addRow(FWerk);
    af->addRow(FNote2);
    connect(FAlsWerk, &QCheckBox::toggled, this, [this](bool on) {
        // Storing the factory settings means putting the device into its factory state.
        FWerk->setChecked(on);
        FWerk->setEnabled(!on);
    });
    return admin;
}

SystemParametersDialog::~SystemParametersDialog() {
    // Hiding the window on its way out takes the focus from a field: nothing is taken any more.
    FTrigger->blockSignals(true);
    FUpdate->blockSignals(true);
    FCode->removeEventFilter(this);
}

QCheckBox* SystemParametersDialog::MakeBox(const QString& name, size_t offset, QWidget* parent) {
    auto* b = new QCheckBox(parent);
    b->setObjectName(name);
    b->setLayoutDirection(Qt::RightToLeft);
    FBoxes.insert(name, b);
    FBoxOffsets.insert(name, offset);
    connect(b, &QCheckBox::toggled, this, [this, offset](bool on) {
        if (!FFilling) {
            Byte(FKopie, offset) = on ? 1 : 0;
        }
    });
    return b;
}

QComboBox* SystemParametersDialog::MakeList(const QString& name, size_t offset, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    FLists.insert(name, c);
    FListOffsets.insert(name, offset);
    connect(c, &QComboBox::currentIndexChanged, this, [this, offset](int i) {
        if (!FFilling && i >= 0) {
            Byte(FKopie, offset) = static_cast<uint8_t>(i);
        }
    });
    return c;
}

void SystemParametersDialog::RetranslateUi() {
    setWindowTitle(tr("Systemparameter"));
    Action(QStringLiteral("ParBack"))->setText(tr("Zurück"));
    Action(QStringLiteral("ParUebernehmen"))->setText(tr("Übernehmen"));
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Allgemein"));
    FRibbon->Group(QStringLiteral("GroupParameter"))->SetCaption(tr("Parameter"));
    FRibbon->UpdateTips();
    FPanels[QStringLiteral("System")]->setTitle(tr("System"));
    FPanels[QStringLiteral("EMG")]->setTitle(tr("EMG"));
    FPanels[QStringLiteral("Triggerung")]->setTitle(tr("Triggerung"));
    FPanels[QStringLiteral("Druck")]->setTitle(wf::GeraeteAnzeigename(7));
    FPanels[QStringLiteral("Admin")]->setTitle(tr("Admin"));
    FCaptions[QStringLiteral("Helligkeit")]->setText(tr("Helligkeit:"));
    FBoxes[QStringLiteral("Codeabfrage")]->setText(tr("Codeabfrage:"));
    FBoxes[QStringLiteral("Patauswahl")]->setText(tr("Patientenauswahl:"));
    FBoxes[QStringLiteral("Tastenfeedback")]->setText(tr("Tastentöne:"));
    FBoxes[QStringLiteral("Anzeigeverriegelung")]->setText(tr("Anzeige verriegeln:"));
    FBoxes[QStringLiteral("Sprachausgabe")]->setText(tr("Sprachausgabe:"));
    FBoxes[QStringLiteral("Sensi")]->setText(tr("CCIP-Test:"));
    FCaptions[QStringLiteral("EMG_Einstellung")]->setText(tr("EMG-Einstellung:"));
    FCaptions[QStringLiteral("EMG_Maximum")]->setText(tr("EMG-Begrenzung:"));
    FBoxes[QStringLiteral("Emg_Vertonung")]->setText(tr("EMG-Vertonung:"));
    FBoxes[QStringLiteral("EMG_Anzeige")]->setText(tr("EMG-Wert numerisch anzeigen:"));
    FBoxes[QStringLiteral("Anzeige_nach_Strom")]->setText(tr("EMG-Anzeige nach Strom:"));
    FCaptions[QStringLiteral("Triggerzeitlimit")]->setText(tr("Triggerzeitlimit [s]:"));
    FCaptions[QStringLiteral("UpdateRate")]->setText(tr("Updaterate [s]:"));
    FBoxes[QStringLiteral("Triggerbegrenzung")]->setText(tr("Triggerbegrenzung:"));
    FBoxes[QStringLiteral("Triggerauto")]->setText(tr("Triggerautomatik:"));
    FCaptions[QStringLiteral("Druckanzeige")]->setText(tr("Einheit Druck:"));
    FCodeCaption->setText(tr("Code am Gerät (4-stellig,1..9):"));
    FBluetooth->setText(tr("Bluetooth"));
    FAlsWerk->setText(tr("Als Werkseinstellungen speichern:"));
    FWerk->setText(tr("Werkseinstellungen:"));
    FNote1->setText(
        tr("Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die "
           "Werkseinstellungen gespeichert."));
    FNote2->setText(
        tr("Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden "
           "überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht."));
    const bool quiet = FFilling;
    FFilling = true;
    auto fill = [this](const QString& name, const QStringList& items) {
        QComboBox* c = FLists[name];
        const int i = c->currentIndex();
        c->clear();
        c->addItems(items);
        c->setCurrentIndex(i);
    };
    fill(QStringLiteral("EMG_Einstellung"), {tr("Manuell"), tr("Halbautomatisch"), tr("Automatisch")});
    fill(QStringLiteral("EMG_Maximum"),
         {QStringLiteral("2,5 µV"), QStringLiteral("5 µV"), QStringLiteral("7,5 µV"), QStringLiteral("10 µV"),
          QStringLiteral("15 µV"), QStringLiteral("20 µV"), QStringLiteral("25 µV"), QStringLiteral("30 µV"),
          QStringLiteral("50 µV"), QStringLiteral("75 µV"), QStringLiteral("100 µV"),
          QStringLiteral("200 µV"), QStringLiteral("300 µV")});
    fill(QStringLiteral("Druckanzeige"), {QStringLiteral("mBar"), QStringLiteral("mmHg")});
    FFilling = quiet;
}

void SystemParametersDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

bool SystemParametersDialog::SaveAsFactory() const {
    return FAlsWerk->isChecked();
}

bool SystemParametersDialog::FactoryState() const {
    return FWerk->isChecked();
}

void SystemParametersDialog::ClearFactoryBoxes() {
    FAlsWerk->setChecked(false);
    FWerk->setChecked(false);
    FWerk->setEnabled(true);
}

void SystemParametersDialog::showEvent(QShowEvent* e) {
    if (e->spontaneous()) {
        // Restored from the task bar: the window is as it was left.
        QDialog::showEvent(e);
        return;
    }
    if (FDev) {
        const int typ = FDev->Typ;
        FPanels[QStringLiteral("Admin")]->setVisible(FAdmin);
        FPanels[QStringLiteral("Druck")]->setVisible(typ == 7);
        FPanels[QStringLiteral("Triggerung")]->setVisible(typ >= 5 && typ <= 10);
        FKopie = FDev->SystemParameter;
        // A module the device does not report, but its serial number says is there.
        if (FKopie.Bluetooth_vorhanden == 0 && FDev->SN.size() >= 4 && FDev->SN[3] >= QLatin1Char('N')) {
            FKopie.Bluetooth_vorhanden = 1;
        }
        FFilling = true;
        FHelligkeit->setValue(FKopie.Helligkeit);
        for (auto it = FBoxOffsets.cbegin(); it != FBoxOffsets.cend(); ++it) {
            FBoxes[it.key()]->setChecked(Byte(FKopie, it.value()) == 1);
        }
        for (auto it = FListOffsets.cbegin(); it != FListOffsets.cend(); ++it) {
            const int v = Byte(FKopie, it.value());
            FLists[it.key()]->setCurrentIndex(v < FLists[it.key()]->count() ? v : -1);
        }
        FTrigger->setValue(FKopie.Triggerzeitlimit);
        FUpdate->setValue(FKopie.UpdateRate / 10.0);
        // "CCIP-Test:" belongs to some models only.
        FBoxes[QStringLiteral("Sensi")]->setVisible(typ == 8 || typ == 12 || typ == 22);
        FCode->setText(QString::number(FDev->Codes_ZUD12.Code[2]));
        SetCodeColour(false);
        FBluetooth->setVisible(FKopie.Bluetooth_vorhanden != 0);
        FBluetooth->setChecked(FKopie.Bluetooth_vorhanden > 2);
        int firmware = 0;
        QString error;
        const bool neu = FirmwareNumber(FDev->FWVersion, firmware, error) && firmware >= 600;
        FCodeCaption->setVisible(neu);
        FCode->setVisible(neu);
        FBoxes[QStringLiteral("Anzeige_nach_Strom")]->setVisible(neu);
        FFilling = false;
        FStart = FKopie;
        FStartCode = FDev->Codes_ZUD12.Code[2];
    }
    ClearFactoryBoxes();
    QDialog::showEvent(e);
    adjustSize();
    QTimer::singleShot(0, this, [this] {
        DumpScreenshot(this,
                       FAdmin ? QStringLiteral("systemparameter-admin") : QStringLiteral("systemparameter"));
    });
}

void SystemParametersDialog::SetCodeColour(bool error) {
    FCodeError = error;
    QPalette pal = FCode->palette();
    pal.setColor(QPalette::Base, error ? kError : palette().color(QPalette::Base));
    FCode->setPalette(pal);
}

bool SystemParametersDialog::CheckCode() {
    if (!FDev || !FCode->isVisible()) {
        return true;
    }
    const QString text = FCode->text();
    bool ok = false;
    const int v = text.toInt(&ok);
    if (text.size() == 4 && ok && !text.contains(QLatin1Char('0'))) {
        FDev->Codes_ZUD12.Code[2] = static_cast<uint16_t>(v);
        SetCodeColour(false);
        return true;
    }
    SetCodeColour(true);
    FCode->setText(QString::number(FDev->Codes_ZUD12.Code[2]));
    QTimer::singleShot(0, FCode, [this] { FCode->setFocus(Qt::OtherFocusReason); });
    return false;
}

bool SystemParametersDialog::eventFilter(QObject* o, QEvent* e) {
    if (o == FCode && e->type() == QEvent::FocusOut) {
        CheckCode();
    }
    return QDialog::eventFilter(o, e);
}

void SystemParametersDialog::Uebernehmen() {
    if (!FDev) {
        return;
    }
    // The typed values of the fields count, also when the focus is still in one of them; one
    // that is no number within its range stops here, nothing applied.
    if (TypedEntry* refused = TakeTypedEntries({FTrigger, FUpdate})) {
        Msg::Error(this, refused->Refusal());
        return;
    }
    FDev->SystemParameter = FKopie;
    FDev->GenerateSysCRC();
    FStart = FKopie; // applied: no longer a change to discard
    if (CheckCode()) {
        accept();
    }
}

bool SystemParametersDialog::HasChanges() const {
    if (!FDev) {
        return false;
    }
    return std::memcmp(&FKopie, &FStart, sizeof FKopie) != 0 || AnyPending({FTrigger, FUpdate}) ||
           FDev->Codes_ZUD12.Code[2] != FStartCode ||
           (FCode->isVisible() && FCode->text() != QString::number(FStartCode));
}

bool SystemParametersDialog::MayClose() {
    if (!HasChanges()) {
        return true;
    }
    if (!Msg::ConfirmDelete(this, tr("Änderungen verwerfen?"))) {
        return false;
    }
    // The code is edited in the device image itself: discarding puts the stored one back.
    FDev->Codes_ZUD12.Code[2] = FStartCode;
    FCode->setText(QString::number(FStartCode));
    return true;
}

} // namespace zud::ui
