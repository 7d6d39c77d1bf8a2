#pragma once

// The system parameter window "Systemparameter": a working copy of the device's system
// parameters, the menu access code and the two factory options that the transfer acts on.
// Nothing is sent to the device from here.

#include "DeviceFiles.h"
#include "GuardedDialog.h"

#include <QHash>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace zud {
class TZUD12;
}

namespace zud::ui {

class Ribbon;
class TypedEntry;
class ZahlFeld;
class ZehntelFeld;

class SystemParametersDialog : public GuardedDialog {
    Q_OBJECT
public:
    explicit SystemParametersDialog(QWidget* parent = nullptr);
    ~SystemParametersDialog() override;

    void Prepare(TZUD12* dev) { FDev = dev; }
    // The Ctrl+Alt flag: reveals the "Admin" panel at the next showing.
    void SetAdmin(bool on) { FAdmin = on; }
    bool SaveAsFactory() const;
    bool FactoryState() const;
    void ClearFactoryBoxes();

    const Systemparameter& WorkingCopy() const { return FKopie; }
    QAction* Action(const QString& name) const { return FActions.value(name); }
    QCheckBox* Box(const QString& name) const { return FBoxes.value(name); }
    QComboBox* List(const QString& name) const { return FLists.value(name); }
    QGroupBox* Panel(const QString& name) const { return FPanels.value(name); }
    QSlider* Brightness() const { return FHelligkeit; }
    ZahlFeld* TriggerField() const { return FTrigger; }
    ZehntelFeld* UpdateRateField() const { return FUpdate; }
    QLineEdit* CodeField() const { return FCode; }
    QLabel* CodeCaption() const { return FCodeCaption; }
    // The light red of a refused code.
    static const QColor kError;
    bool CodeError() const { return FCodeError; }

    // The code field's check as on leaving it; false when refused.
    bool CheckCode();
    void Uebernehmen();
    // Whether the window holds edits (typed entries included) that were not applied.
    bool HasChanges() const;
    void RetranslateUi();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Closing by the user: true when it may close, after "Änderungen verwerfen?" when there are
    // changes; the access code typed since the showing goes back to the stored one then.
    bool MayClose() override;
    // The window's parts, in the order the constructor builds them.
    void BuildCommands();
    QGroupBox* BuildSystemPanel();
    QGroupBox* BuildEmgPanel();
    QGroupBox* BuildTriggerPanel();
    QGroupBox* BuildPressurePanel();
    QGroupBox* BuildAdminPanel();
    QGroupBox* MakePanel(const QString& name);
    QCheckBox* MakeBox(const QString& name, size_t offset, QWidget* parent);
    QComboBox* MakeList(const QString& name, size_t offset, QWidget* parent);
    void SetCodeColour(bool error);

    TZUD12* FDev = nullptr;
    bool FAdmin = false;
    bool FFilling = false;
    bool FCodeError = false;
    Systemparameter FKopie{};
    Systemparameter FStart{}; // the working copy as shown
    uint16_t FStartCode = 0;
    Ribbon* FRibbon = nullptr;
    QHash<QString, QAction*> FActions;
    QHash<QString, QCheckBox*> FBoxes;
    QHash<QString, size_t> FBoxOffsets;
    QHash<QString, QComboBox*> FLists;
    QHash<QString, size_t> FListOffsets;
    QHash<QString, QGroupBox*> FPanels;
    QHash<QString, QLabel*> FCaptions;
    QSlider* FHelligkeit = nullptr;
    ZahlFeld* FTrigger = nullptr;
    ZehntelFeld* FUpdate = nullptr;
    QLineEdit* FCode = nullptr;
    QLabel* FCodeCaption = nullptr;
    QCheckBox* FBluetooth = nullptr;
    QCheckBox* FAlsWerk = nullptr;
    QCheckBox* FWerk = nullptr;
    QLabel* FNote1 = nullptr;
    QLabel* FNote2 = nullptr;
};

} // namespace zud::ui
