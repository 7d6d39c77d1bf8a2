#pragma once

// The windows of the data exchange: "Daten exportieren" (patients of the database into an
// archive) and "Daten importieren" (patients of an archive into the database). Both show a
// checkable patient list, a label with the current step, a progress bar and, while a step runs,
// "Abbrechen" (Escape and the close box cancel the same way); each says when it is done and
// where the file is.

#include "CheckListModel.h"
#include "ExchangeProgress.h"
#include "Feedback.h"
#include "RibbonDialog.h"

#include <QAction>
#include <QDateTime>
#include <QPointer>

#include <functional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace zud {
class PatientDatabase;
class ExchangeDatabase;
} // namespace zud

namespace zud::ui {

// Patients with check boxes: "Name" ("first name surname"), "Geburtsdatum" (two patients of the
// same name told apart) and "Letzter Zugriff".
class CheckPatientModel : public CheckListModel {
    Q_OBJECT
public:
    struct Entry {
        qint64 id = -1;
        QString caption;
        QDateTime letzterZugriff;
        bool checked = false;
        QDate geburtstag;
    };
    explicit CheckPatientModel(QObject* parent = nullptr) : CheckListModel(parent) {}
    void SetEntries(std::vector<Entry> entries);
    // The patients of the database or of an archive, none checked.
    template <class Patients> void SetPatients(const Patients& patients) {
        std::vector<Entry> rows;
        for (const auto& p : patients)
            rows.push_back({p.Identifikation, QStringLiteral("%1 %2").arg(p.Vorname, p.Name),
                            p.LetzterZugriff, false, p.Geburtstag});
        SetEntries(std::move(rows));
    }
    void CheckAll(bool on);
    QList<qint64> Checked() const;
    int CheckedCount() const;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Retranslate();
    static constexpr int kIdRole = Qt::UserRole + 1;

protected:
    bool IsChecked(int row) const override;
    void SetChecked(int row, bool on) override;

private:
    std::vector<Entry> FEntries;
};

// What both windows share: list, label, progress bar, Ctrl+A and Ctrl+N.
class ExchangeForm : public RibbonDialog {
    Q_OBJECT
public:
    ExchangeForm(const QString& objectName, QWidget* parent);
    CheckPatientModel* Model() const { return FModel; }
    QTreeView* List() const { return FList; }
    QLabel* StepLabel() const { return FLabel; }
    QProgressBar* Bar() const { return FBar; }
    QPushButton* CancelButton() const { return FCancel; }
    // The steps seen by the last run (tests).
    QStringList Steps;
    // While a step runs: stops it (Escape, the close box, "Abbrechen"); else closes the window.
    void reject() override;

protected:
    // Feedback that moves label and bar, keeps the window painting and reports the cancel.
    exchange::Feedback Progress();
    void ShowProgress(bool on);
    // A run owns the window: list and ribbon take no input, "Abbrechen" shows.
    void BeginRun();
    void EndRun();
    bool Cancelled() const { return FRun.Cancelled(); }
    // After a run: the failure (a cancel as information, else as error), or `done`.
    void Report(const QString& failure, const QString& done);
    virtual void UpdateActions() = 0;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void Dump(const QString& name);

private:
    CheckPatientModel* FModel = nullptr;
    QTreeView* FList = nullptr;
    QLabel* FLabel = nullptr;
    QProgressBar* FBar = nullptr;
    QPushButton* FCancel = nullptr;
    CancellableRun FRun;
    QList<QPair<QPointer<QAction>, bool>> FHeld;
};

class ExportWindow : public ExchangeForm {
    Q_OBJECT
public:
    explicit ExportWindow(QWidget* parent = nullptr);
    // Fills the list with the database's patients and shows the window modally.
    int Ask(PatientDatabase& dm, ExchangeDatabase& dm2);
    void Fill(PatientDatabase& dm, ExchangeDatabase& dm2);
    // "Exportieren": asks for the archive's name. True on success.
    bool Export();

protected:
    void RetranslateUi() override;
    void UpdateActions() override;

private:
    PatientDatabase* FDM = nullptr;
    ExchangeDatabase* FDM2 = nullptr;
};

class ImportWindow : public ExchangeForm {
    Q_OBJECT
public:
    explicit ImportWindow(QWidget* parent = nullptr);
    int Ask(PatientDatabase& dm, ExchangeDatabase& dm2);
    void Prepare(PatientDatabase& dm, ExchangeDatabase& dm2);
    // "Archiv öffnen": asks for the file. True when the list is filled.
    bool OpenArchive();
    // "Importieren": the checked patients into the database. True on success.
    bool Import();
    // Run after an import changed the database (the main window refills its lists).
    std::function<void()> Imported;

protected:
    void RetranslateUi() override;
    void UpdateActions() override;
    void done(int r) override;

private:
    PatientDatabase* FDM = nullptr;
    ExchangeDatabase* FDM2 = nullptr;
    bool FOpen = false;
    QString FArchive;
};

} // namespace zud::ui
