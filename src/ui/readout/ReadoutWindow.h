#pragma once

// The read-out window: the device's therapists and patients as panels, the recordings of the
// chosen patient as a checkable list, assignment of device patients to database patients, and
// the transfer into the database ("Auslesen") with the progress window.

#include "CheckListModel.h"
#include "Readout.h"

#include <QDate>
#include <QDialog>
#include <QFrame>
#include <QHash>

#include <array>
#include <functional>
#include <optional>
#include <span>

class QBoxLayout;
class QLabel;
class QVBoxLayout;
class QTreeView;
class QAction;

namespace zud {
class TZUD12;
class PatientDatabase;
} // namespace zud

namespace zud::ui {

class Ribbon;
class ProgressWindow;

// The recordings of one device patient; the check marks are the entries' `Checked` flags.
class DeviceRecordingModel : public CheckListModel {
    Q_OBJECT
public:
    explicit DeviceRecordingModel(QObject* parent = nullptr) : CheckListModel(parent) {}
    // Shows `entries` (null: nothing); check boxes only when `checkable`.
    void SetEntries(QList<DateiInfo>* entries, bool checkable);
    bool Checkable() const override { return FCheckable; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The length as the list shows it: "%1 min", "< 1 min" for 0.
    static QString Laenge(uint16_t dauer);
    // The fourth column: "bereits gespeichert", with the patient's name when it is another one.
    static QString Hinweis(const DateiInfo& e);
    // The entry's index in the patient's list (the row's column-less item).
    static constexpr int kIndexRole = Qt::UserRole + 1;
    void Retranslate();

protected:
    bool IsChecked(int row) const override;
    void SetChecked(int row, bool on) override;

private:
    QList<DateiInfo>* FEntries = nullptr;
    bool FCheckable = false;
};

// A clickable panel with a caption and rows of caption/value labels.
class SlotPanel : public QFrame {
    Q_OBJECT
public:
    SlotPanel(int tag, int rows, QWidget* parent);
    int Tag() const { return FTag; }
    void SetCaption(const QString& text);
    QString Caption() const;
    QLabel* RowCaption(int row) const { return FCaptions.at(row); }
    QLabel* RowValue(int row) const { return FValues.at(row); }
    void SetSelected(bool on);
    bool Selected() const { return FSelected; }

signals:
    void Clicked(int tag);

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    int FTag;
    bool FSelected = false;
    QLabel* FCaption;
    QList<QLabel*> FCaptions;
    QList<QLabel*> FValues;
};

// A bold caption over a scrolling column of panels with `rows` lines each, one for every entry
// of `panels`, added to `body`; `setUp` connects each new panel. Returns the column's layout,
// for what goes below the panels.
QVBoxLayout* AddPanelColumn(QWidget* owner, QBoxLayout* body, QLabel*& caption, std::span<SlotPanel*> panels,
                            int rows, int minWidth, const std::function<void(SlotPanel*)>& setUp);

class ReadoutWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReadoutWindow(QWidget* parent = nullptr);

    // Patient dialog in mode 2 with the proposed values; the saved patient's key, or nothing on cancel.
    std::function<std::optional<qint64>(const QString& vorname, const QString& name, const QDate& geburtstag)>
        ImportPatient;
    // The patient selection window with the best match for the device patient preselected; the
    // chosen key, or nothing on cancel.
    std::function<std::optional<qint64>(const QString& vorname, const QString& name, const QDate& geburtstag)>
        ChoosePatient;
    // "An Praxissoftware senden" in the summary of a transfer: whether it is offered (the
    // connection is on and results are not sent on their own), and the sending of the stored
    // recordings, after the window has closed.
    std::function<bool()> OfferSending;
    std::function<void(const QList<qint64>& counters)> SendResults;

    // Before each showing: the loaded device image, the database and the progress window.
    void Prepare(TZUD12* dev, PatientDatabase* dm, ProgressWindow* progress);
    int Ask();

    // The database patient of the last stored recording (0 when none); the last transfer.
    qint64 LastPatient() const { return FLastPatient; }
    // The database patient saved by the last "Importieren" of this showing (0 when none).
    qint64 ImportedPatient() const { return FImported; }
    const wf::TransferResult& Result() const { return FResult; }

    QAction* Action(const QString& name) const { return FActions.value(name); }
    SlotPanel* TherapeutPanel(int t) const { return FTherapeuten.at(size_t(t)); }
    SlotPanel* PatientPanel(int p) const { return FPatienten.at(size_t(p)); }
    QTreeView* List() const { return FList; }
    DeviceRecordingModel* Model() const { return FModel; }
    int CurrentTherapeut() const { return FCurT; }
    int CurrentPatient() const { return FCurP; }

    // The window's operations, as their triggers run them.
    void FillTherapeutList();
    void FillPatientList();
    void TherapeutClick(int t);
    void PatientClick(int p);
    void TestForChecked();
    void ChooseAll();
    void ChooseNothing();
    void SaveReadExc();
    void SaveImportieren();
    void SaveZuweisen();
    void RetranslateUi();

    static const QColor kSelected;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QAction* Make(const QString& name, const QString& icon);
    Stammsatz& CurrentStammsatz();
    void Assign(qint64 id, bool touch);
    void UpdatePatientActions();
    void Error(const QString& text);

    TZUD12* FDev = nullptr;
    PatientDatabase* FDM = nullptr;
    ProgressWindow* FProgress = nullptr;
    Ribbon* FRibbon = nullptr;
    QHash<QString, QAction*> FActions;
    std::array<SlotPanel*, 6> FTherapeuten{};
    std::array<SlotPanel*, 10> FPatienten{};
    QLabel* FTherapeutenCaption = nullptr;
    QLabel* FPatientenCaption = nullptr;
    QTreeView* FList = nullptr;
    DeviceRecordingModel* FModel = nullptr;
    int FCurT = 0;
    int FCurP = 0;
    qint64 FLastPatient = 0;
    qint64 FImported = 0;
    wf::TransferResult FResult;
};

} // namespace zud::ui
