#pragma once

// "Statistik": every stored recording of the current patient with the minimum, maximum and
// mean of its phase groups, one tab per family of operating modes. A click on a value
// column's header chooses it for the progress chart ("Verlauf"); "Zusammenfassung" shows the
// therapy summary; the shown list and the summary are printed or saved as PDF.

#include "Reports.h"
#include "Ribbon.h"
#include "Statistics.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QHash>
#include <QIcon>

#include <array>

class QTabWidget;
class QTableView;

namespace zud {
class Settings;
}

namespace zud::ui {

class ProgressChartWindow;
class SummaryWindow;

// One statistics list as a read-only table.
class StatModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StatModel(int liste, QObject* parent = nullptr);
    void SetDaten(const StatListeDaten* daten);
    // The column marked with the chart symbol; -1 for none.
    void SetMarkiert(int spalte);
    int Markiert() const { return FMarkiert; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void Retranslate();

private:
    int FListe;
    const StatListeDaten* FDaten = nullptr;
    QStringList FTitel;
    int FMarkiert = -1;
    QIcon FSymbol;
};

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Fills the lists for the patient; false when the patient no longer exists. Throws the
    // database's errors.
    bool Fill(PatientDatabase& dm, qint64 patient, const Settings& settings);

    QAction* Action(const QString& name) const { return FActions.value(name); }
    Ribbon* RibbonBar() const { return FRibbon; }
    QTabWidget* Tabs() const { return FTabs; }
    QTableView* Table(int liste) const { return FTables[size_t(liste - 1)]; }
    const Statistik& Daten() const { return FStat; }
    // The list of the shown tab; 0 when none is shown.
    int CurrentList() const;
    // The chosen column's tag; -1 while none is chosen.
    int ChosenTag() const { return FTag; }
    // "%s %s": first name and name.
    QString Caption() const { return FCaption; }
    // A click on the header of `spalte` of list `liste`.
    void HeaderClicked(int liste, int spalte);
    ProgressChartWindow* VerlaufForm() const { return FVerlauf; }
    SummaryWindow* SummaryForm() const { return FShort; }
    // The output of the commands; the last message box text for tests.
    bool PrintTable();
    bool PdfTable();
    bool PrintSummary();
    bool PdfSummary();
    void ShowVerlauf();
    void ShowSummary();
    QString LastMessage;
    // Device names of older generations: their recordings are listed with dashes.
    QStringList AeltereGeraete;

protected:
    void changeEvent(QEvent* e) override;

private:
    void RetranslateUi();
    void ResetColumns();
    void FitColumns(int liste);
    QAction* Make(const QString& name, const QString& icon, const QString& symbol = QString());
    bool TabelleZeichnen(Seitenziel& z);

    Ribbon* FRibbon = nullptr;
    QTabWidget* FTabs = nullptr;
    std::array<QTableView*, kStatListen> FTables{};
    std::array<StatModel*, kStatListen> FModels{};
    QHash<QString, QAction*> FActions;
    QMenu* FDruckMenu = nullptr;
    QMenu* FPdfMenu = nullptr;
    Statistik FStat;
    Patient FPatient;
    QString FCaption;
    int FTag = -1;
    int FDruckEinheit = 0;
    bool FFlaeche = false;
    int FMaxProTag = 2;
    ProgressChartWindow* FVerlauf = nullptr;
    SummaryWindow* FShort = nullptr;
};

} // namespace zud::ui
