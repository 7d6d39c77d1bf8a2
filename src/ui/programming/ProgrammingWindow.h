#pragma once

// The programming window "Programmierung": the device's therapists and patient slots as panels,
// the six programs of the chosen patient as tabs with every field of a program, the program
// sequence and the electrode picture; patients and therapists are edited here, program sets
// copied, parameter files saved and loaded, and everything is transferred to the device.

#include "GuardedDialog.h"
#include "Programming.h"

#include <QHash>
#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QTabBar;
class QToolButton;
class QVBoxLayout;

namespace zud {
class TZUD12;
class PatientDatabase;
} // namespace zud

namespace zud::ui {

class Ribbon;
class SystemParametersDialog;
class ProgressWindow;
class SlotPanel;
class TypedEntry;
class ZahlFeld;

class ProgrammingWindow : public GuardedDialog {
    Q_OBJECT
public:
    explicit ProgrammingWindow(QWidget* parent = nullptr);
    ~ProgrammingWindow() override;

    // "Zuweisen": the patient selection; the chosen key, or nothing on cancel.
    std::function<std::optional<qint64>()> ChoosePatient;
    // "Therapeut ändern": the dialog pre-filled with both names; the new ones, or nothing on cancel.
    std::function<std::optional<std::pair<QString, QString>>(const QString& name, const QString& vorname)>
        EditTherapist;
    // The Ctrl+Alt flag of the main window (the system parameters' "Admin" panel), and its end.
    std::function<bool()> AdminFlag;
    std::function<void()> ClearAdminFlag;
    // Asks for a parameter file to save or open; empty on cancel (tests answer without a dialog).
    std::function<QString(bool save)> AskFile;

    // Before each showing: the loaded device image, the database (may be null), the progress window.
    void Prepare(TZUD12* dev, PatientDatabase* dm, ProgressWindow* progress);
    // The loading flag: set by the main window just before the window opens.
    void SetLoading(bool on) { FLoading = on; }
    bool Loading() const { return FLoading; }
    // The picture file ("epos." + the language's English name); read when the window is shown.
    void SetPictureFile(const QString& path);

    wf::Programmierung* Model() const { return FModel.get(); }
    SystemParametersDialog* SystemForm() const { return FSystem; }
    QAction* Action(const QString& name) const { return FActions.value(name); }
    SlotPanel* TherapeutPanel(int t) const { return FTherapeuten.at(size_t(t)); }
    SlotPanel* PatientPanel(int p) const { return FPatienten.at(size_t(p)); }
    QTabBar* Tabs() const { return FTabs; }
    QComboBox* ModeList() const { return FModus; }
    QComboBox* StepList(int i) const { return FFolge.at(size_t(i)); }
    ZahlFeld* Field(const QString& name) const;
    QSlider* Slider(const QString& name) const;
    QLabel* SliderText(const QString& name) const;
    QLineEdit* NameEdit() const { return FName; }
    QCheckBox* ActiveBox() const { return FAktiviert; }
    QCheckBox* MediumBox() const { return FMittelfrequenz; }
    QCheckBox* DeleteBox() const { return FLoeschen; }
    QLabel* Picture() const { return FBild; }
    QToolButton* PreviousPicture() const { return FZurueck; }
    QToolButton* NextPicture() const { return FVor; }
    QGroupBox* Panel(const QString& name) const;
    QMenu* PatientMenu() const { return FPatientMenu; }
    QMenu* TherapistMenu() const { return FTherapistMenu; }
    // The result of the last transfer; the last message box text (tests read them).
    const wf::Uebertragung& LastTransfer() const { return FLast; }
    // Whether the window holds edits (typed entries included) that were not transferred.
    bool HasChanges() const;
    QString LastMessage;

    // The window's operations, as their triggers run them.
    void TherapeutClick(int t);
    void PatientClick(int p);
    void ShowProgram(int k);
    void ApplyPatientSelection();
    void Zuweisen();
    void Entfernen();
    void AlleEntfernen();
    void TherapeutAendern();
    void AlleTherapeutenEntfernen();
    void Speichern(const QString& file = QString());
    void Oeffnen(const QString& file = QString());
    void Systemparameter();
    void Uebertragen();
    void RetranslateUi();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void done(int r) override;

private:
    // The typed entries of the fields for a command; false (message shown, cursor in the field)
    // when one is no number within its range: the command does not run.
    bool TakeTypedValues();
    // Connects a ribbon command that runs only with the typed entries taken.
    void OnCommand(const QString& name, const std::function<void()>& run);
    // Closing by the user ("Zurück", Escape, close box): true when it may close, after
    // "Änderungen verwerfen?" when there are untransferred changes.
    bool MayClose() override;
    void Changed() { FChanged = true; }
    QAction* Make(const QString& name, const QString& icon);
    QGroupBox* MakePanel(const QString& name);
    ZahlFeld* MakeField(const QString& name, int min, int max);
    QSlider* MakeSlider(const QString& name, int min, int max);
    // The window's parts, in the order the constructor builds and connects them.
    void MakeCommands();
    void BuildRibbonTab();
    void BuildCopyMenus();
    void BuildSlotColumns(QHBoxLayout* body);
    void BuildProgramHeader(QVBoxLayout* right);
    QHBoxLayout* BuildProgramPanels();
    QGroupBox* BuildTimesPanel();
    QGroupBox* BuildStimulationPanel();
    QGroupBox* BuildPicturePanel();
    QGroupBox* BuildSequencePanel();
    // A caption and an up-down field, or a caption, a slider and its value text, in `row` of
    // `grid`; `row` moves on.
    void AddFieldRow(QGridLayout* grid, int& row, const QString& name, int min, int max);
    void AddSliderRow(QGridLayout* grid, int& row, const QString& name, int min, int max);
    void ConnectFieldRules();
    void ConnectSliderRules();
    void ConnectProgramControls();
    void ConnectProgramTabs();
    void ConnectDeleteBox();
    void ConnectCommands();
    void FillTherapeuten();
    void FillPatienten();
    void Highlight();
    void ShowPicture();
    void ApplyModeRules();
    void ShowSequence();
    void UpdateSliderTexts();
    void UpdateRampRanges();
    void Error(const QString& text);
    void Info(const QString& text);
    bool Question(const QString& text);
    // True while the controls are set from the record: their changes are not written back.
    bool Quiet() const { return FLoading || FFilling; }

    TZUD12* FDev = nullptr;
    PatientDatabase* FDM = nullptr;
    ProgressWindow* FProgress = nullptr;
    SystemParametersDialog* FSystem = nullptr;
    std::unique_ptr<wf::Programmierung> FModel;
    bool FLoading = false;
    bool FFilling = false;
    bool FPatauswahl = true;
    QString FPictureFile;
    QByteArray FPictures;
    Ribbon* FRibbon = nullptr;
    QHash<QString, QAction*> FActions;
    QHash<QString, ZahlFeld*> FFields;
    QList<TypedEntry*> FEntries; // the up-down fields in the order of the window
    QHash<QString, QSlider*> FSliders;
    QHash<QString, QLabel*> FSliderTexts;
    QHash<QString, QLabel*> FCaptions;
    QHash<QString, QGroupBox*> FPanels;
    QHash<QString, QWidget*> FPanelBodies;
    std::array<SlotPanel*, 6> FTherapeuten{};
    std::array<SlotPanel*, 6> FPatienten{};
    std::array<QComboBox*, 6> FFolge{};
    QLabel* FTherapeutenCaption = nullptr;
    QLabel* FPatientenCaption = nullptr;
    QTabBar* FTabs = nullptr;
    QComboBox* FModus = nullptr;
    QLineEdit* FName = nullptr;
    QCheckBox* FAktiviert = nullptr;
    QCheckBox* FMittelfrequenz = nullptr;
    QCheckBox* FLoeschen = nullptr;
    QLabel* FBild = nullptr;
    QToolButton* FZurueck = nullptr;
    QToolButton* FVor = nullptr;
    QMenu* FPatientMenu = nullptr;
    QMenu* FTherapistMenu = nullptr;
    int FMenuTag = 0;
    bool FChanged = false;
    wf::Uebertragung FLast;
};

} // namespace zud::ui
