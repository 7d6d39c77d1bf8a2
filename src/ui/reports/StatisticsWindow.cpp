#include "StatisticsWindow.h"

#include "MessageBox.h"
#include "ProgressChartWindow.h"
#include "RecordingCheck.h"
#include "ReportOutput.h"
#include "Settings.h"
#include "SummaryWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zud::ui {

namespace {

constexpr int kBreite = 100;
constexpr int kBreiteZweikanalig = 120;
constexpr int kBreiteMarkiert = 150;

// A value column's width: at least the list's usual width, and never narrower than its caption
// (with the chart symbol when it is the chosen one) in the language shown.
void FitColumn(QTableView* v, int spalte, int least) {
    v->setColumnWidth(spalte, std::max(least, v->horizontalHeader()->sectionSizeHint(spalte)));
}

} // namespace

// ---------------------------------------------------------------- model

StatModel::StatModel(int liste, QObject* parent)
    : QAbstractTableModel(parent), FListe(liste), FTitel(SpaltenTitel(liste)),
      FSymbol(ThemeIcon(QStringLiteral("office-chart-line"), QStringLiteral("V"))) {}

void StatModel::SetDaten(const StatListeDaten* daten) {
    beginResetModel();
    FDaten = daten;
    FMarkiert = -1;
    endResetModel();
}

void StatModel::SetMarkiert(int spalte) {
    const int alt = FMarkiert;
    FMarkiert = spalte;
    if (alt >= 0) {
        emit headerDataChanged(Qt::Horizontal, alt, alt);
    }
    if (spalte >= 0) {
        emit headerDataChanged(Qt::Horizontal, spalte, spalte);
    }
}

int StatModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !FDaten ? 0 : static_cast<int>(FDaten->Zeilen.size());
}

int StatModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FTitel.size());
}

QVariant StatModel::data(const QModelIndex& index, int role) const {
    if (!FDaten || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const StatZeile& z = FDaten->Zeilen[size_t(index.row())];
    if (role == Qt::DisplayRole) {
        if (index.column() == 4) {
            return BetriebsartName(z.Betriebsart); // follows a language change
        }
        return index.column() < z.Zellen.size() ? z.Zellen[index.column()] : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() >= kGemeinsameSpalten || index.column() == 0 || index.column() == 5
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant StatModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole && section < FTitel.size()) {
        return FTitel[section];
    }
    if (role == Qt::DecorationRole && section == FMarkiert) {
        return FSymbol;
    }
    return {};
}

void StatModel::Retranslate() {
    FTitel = SpaltenTitel(FListe);
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(FTitel.size()) - 1);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 4), index(rowCount() - 1, 4), {Qt::DisplayRole});
    }
}

// ---------------------------------------------------------------- window

StatisticsWindow::StatisticsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabStatistik"), QString());
    RibbonGroup* ausgabe = FRibbon->AddGroup(tab, QStringLiteral("GroupAusgabe"), QString());
    RibbonGroup* zurueck = FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString());

    QAction* drucken = Make(QStringLiteral("Drucken"), QStringLiteral("document-print"));
    QAction* pdf = Make(QStringLiteral("PDF"), QStringLiteral("x-office-document"));
    FDruckMenu = new QMenu(this);
    FDruckMenu->addAction(Make(QStringLiteral("GesamtDrucken"), QStringLiteral("document-print")));
    FDruckMenu->addAction(Make(QStringLiteral("ZusammenfassungDrucken"), QStringLiteral("document-print")));
    FPdfMenu = new QMenu(this);
    FPdfMenu->addAction(Make(QStringLiteral("GesamtPDF"), QStringLiteral("x-office-document")));
    FPdfMenu->addAction(Make(QStringLiteral("ZusammenfassungPDF"), QStringLiteral("x-office-document")));
    ausgabe->AddDropDown(drucken, FDruckMenu);
    ausgabe->AddDropDown(pdf, FPdfMenu);
    ausgabe->AddLarge(Make(QStringLiteral("StatistikVerlauf"), QStringLiteral("office-chart-line"),
                           QStringLiteral("Verlauf")));
    ausgabe->AddLarge(Make(QStringLiteral("ShortStat"), QStringLiteral("x-office-spreadsheet")));
    zurueck->AddLarge(Make(QStringLiteral("Zurueck"), QStringLiteral("go-previous")));
    Action(QStringLiteral("StatistikVerlauf"))->setEnabled(false);

    connect(drucken, &QAction::triggered, this, [this] { PrintTable(); });
    connect(Action(QStringLiteral("GesamtDrucken")), &QAction::triggered, this, [this] { PrintTable(); });
    connect(Action(QStringLiteral("ZusammenfassungDrucken")), &QAction::triggered, this,
            [this] { PrintSummary(); });
    connect(pdf, &QAction::triggered, this, [this] { PdfTable(); });
    connect(Action(QStringLiteral("GesamtPDF")), &QAction::triggered, this, [this] { PdfTable(); });
    connect(Action(QStringLiteral("ZusammenfassungPDF")), &QAction::triggered, this,
            [this] { PdfSummary(); });
    connect(Action(QStringLiteral("StatistikVerlauf")), &QAction::triggered, this,
            &StatisticsWindow::ShowVerlauf);
    connect(Action(QStringLiteral("ShortStat")), &QAction::triggered, this, &StatisticsWindow::ShowSummary);
    connect(Action(QStringLiteral("Zurueck")), &QAction::triggered, this, &QDialog::reject);

    FTabs = new QTabWidget(this);
    FTabs->setObjectName(QStringLiteral("StatistikTabs"));
    FTabs->tabBar()->setUsesScrollButtons(false);
    for (int l = 1; l <= kStatListen; ++l) {
        auto* view = new QTableView(FTabs);
        view->setObjectName(QStringLiteral("Liste%1").arg(l));
        auto* model = new StatModel(l, view);
        view->setModel(model);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setShowGrid(true);
        view->verticalHeader()->hide();
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->horizontalHeader()->setSectionsClickable(true);
        view->horizontalHeader()->setHighlightSections(false);
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, l](int spalte) { HeaderClicked(l, spalte); });
        FTables[size_t(l - 1)] = view;
        FModels[size_t(l - 1)] = model;
        FTabs->addTab(view, QString());
    }
    connect(FTabs, &QTabWidget::currentChanged, this, [this] {
        // Another tab: no column stays chosen.
        ResetColumns();
    });
    lay->addWidget(FTabs, 1);

    FVerlauf = new ProgressChartWindow(this);
    FShort = new SummaryWindow(this);
    resize(1280, 720);
    RetranslateUi();
}

QAction* StatisticsWindow::Make(const QString& name, const QString& icon, const QString& symbol) {
    auto* a = new QAction(this);
    a->setObjectName(name);
    a->setIcon(ThemeIcon(icon, symbol.isEmpty() ? name : symbol));
    FActions.insert(name, a);
    addAction(a);
    return a;
}

bool StatisticsWindow::Fill(PatientDatabase& dm, qint64 patient, const Settings& settings) {
    const auto p = dm.GetPatient(patient);
    if (!p) {
        return false;
    }
    FPatient = *p;
    FDruckEinheit = settings.DruckEinheit();
    FFlaeche = settings.AreaChart();
    FMaxProTag = settings.StatMaxExercisesPerDay();
    StatOptionen o;
    o.DruckEinheit = FDruckEinheit;
    o.Sprache = QLocale();
    o.AeltereGeraete = AeltereGeraete;
    for (StatModel* m : FModels) {
        m->SetDaten(nullptr);
    }
    FStat = BerechneStatistik(LadeStatQuellen(dm, patient), FPatient, o);
    FCaption = QStringLiteral("%1 %2").arg(FPatient.Vorname, FPatient.Name);
    for (int l = 1; l <= kStatListen; ++l) {
        FModels[size_t(l - 1)]->SetDaten(&FStat.Liste(l));
        FTabs->setTabVisible(l - 1, !FStat.Liste(l).Zeilen.empty());
        QTableView* v = Table(l);
        for (int c = 0; c < kGemeinsameSpalten; ++c) {
            v->resizeColumnToContents(c);
        }
    }
    const std::vector<int> sichtbar = FStat.SichtbareListen();
    FTabs->blockSignals(true);
    if (!sichtbar.empty()) {
        FTabs->setCurrentIndex(sichtbar.front() - 1);
    }
    FTabs->blockSignals(false);
    ResetColumns();
    RetranslateUi();
    return true;
}

int StatisticsWindow::CurrentList() const {
    const int i = FTabs->currentIndex();
    return i >= 0 && FTabs->isTabVisible(i) ? i + 1 : 0;
}

void StatisticsWindow::ResetColumns() {
    for (int l = 1; l <= kStatListen; ++l) {
        FModels[size_t(l - 1)]->SetMarkiert(-1);
        FitColumns(l);
    }
    FTag = -1;
    Action(QStringLiteral("StatistikVerlauf"))->setEnabled(false);
}

void StatisticsWindow::FitColumns(int liste) {
    QTableView* v = Table(liste);
    const int markiert = FModels[size_t(liste - 1)]->Markiert();
    for (int c = kGemeinsameSpalten; c < v->model()->columnCount(); ++c) {
        FitColumn(v, c,
                  c == markiert          ? kBreiteMarkiert
                  : liste == Zweikanalig ? kBreiteZweikanalig
                                         : kBreite);
    }
}

void StatisticsWindow::HeaderClicked(int liste, int spalte) {
    if (liste < 1 || liste > kStatListen) {
        return;
    }
    const StatListeDaten& l = FStat.Liste(liste);
    StatModel* m = FModels[size_t(liste - 1)];
    if (m->Markiert() == spalte) {
        m->SetMarkiert(-1);
        FitColumns(liste);
        Action(QStringLiteral("StatistikVerlauf"))->setEnabled(false);
        FTag = -1;
        return;
    }
    if (!SpalteWaehlbar(l, spalte)) {
        return; // a common column, a list of one row, or nothing to draw
    }
    const int tag = SpaltenTag(liste, spalte);
    ResetColumns();
    m->SetMarkiert(spalte);
    FitColumns(liste);
    Action(QStringLiteral("StatistikVerlauf"))->setEnabled(true);
    FTag = tag;
}

bool StatisticsWindow::TabelleZeichnen(Seitenziel& z) {
    const int l = CurrentList();
    return l > 0 && DrawStatistikTabelle(z, FStat.Liste(l), FCaption, QDate::currentDate());
}

bool StatisticsWindow::PrintTable() {
    if (CurrentList() == 0) {
        return false;
    }
    return Drucken(
        this, [this](Seitenziel& z) { return TabelleZeichnen(z); }, &LastMessage);
}

bool StatisticsWindow::PdfTable() {
    if (CurrentList() == 0) {
        return false;
    }
    return PdfAusgeben(
        this, tr("Statistik als PDF speichern"), [this](Seitenziel& z) { return TabelleZeichnen(z); },
        &LastMessage);
}

bool StatisticsWindow::PrintSummary() {
    FShort->Prepare(FPatient, FStat.Summe, FMaxProTag);
    return Drucken(
        this, [this](Seitenziel& z) { return FShort->Zeichnen(z); }, &LastMessage);
}

bool StatisticsWindow::PdfSummary() {
    FShort->Prepare(FPatient, FStat.Summe, FMaxProTag);
    return PdfAusgeben(
        this, tr("Therapie-Zusammenfassung als PDF speichern"),
        [this](Seitenziel& z) { return FShort->Zeichnen(z); }, &LastMessage);
}

void StatisticsWindow::ShowVerlauf() {
    const int l = CurrentList();
    const StatModel* m = l > 0 ? FModels[size_t(l - 1)] : nullptr;
    if (!m || m->Markiert() < 0) {
        return;
    }
    FVerlauf->Prepare(FCaption, FPatient,
                      BerechneVerlauf(FStat.Liste(l), m->Markiert(), FDruckEinheit, FFlaeche));
    FVerlauf->exec();
}

void StatisticsWindow::ShowSummary() {
    FShort->Prepare(FPatient, FStat.Summe, FMaxProTag);
    FShort->exec();
}

void StatisticsWindow::RetranslateUi() {
    setWindowTitle(tr("Statistik"));
    FRibbon->SetTabCaption(QStringLiteral("TabStatistik"), FCaption.isEmpty() ? tr("Statistik") : FCaption);
    FRibbon->Group(QStringLiteral("GroupAusgabe"))->SetCaption(tr("Ausgabe"));
    FRibbon->Group(QStringLiteral("GroupZurueck"))->SetCaption(tr("Fenster"));
    SetCommandTexts(FActions, {{"Drucken", tr("Drucken")},
                               {"PDF", tr("PDF")},
                               {"GesamtDrucken", tr("Gesamte Statistik drucken")},
                               {"ZusammenfassungDrucken", tr("Zusammenfassung drucken")},
                               {"GesamtPDF", tr("Gesamte Statistik als PDF")},
                               {"ZusammenfassungPDF", tr("Zusammenfassung als PDF")},
                               {"StatistikVerlauf", tr("Verlauf")},
                               {"ShortStat", tr("Zusammenfassung")},
                               {"Zurueck", tr("Zurück")}});
    for (int l = 1; l <= kStatListen; ++l) {
        FTabs->setTabText(l - 1, ListenTitel(l));
        FModels[size_t(l - 1)]->Retranslate();
        for (int c = 0; c < kGemeinsameSpalten; ++c) {
            Table(l)->resizeColumnToContents(c);
        }
        FitColumns(l);
    }
    // The tab bar takes the width of the new captions.
    FTabs->tabBar()->adjustSize();
    QEvent relayout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(FTabs, &relayout);
    FRibbon->UpdateTips();
}

void StatisticsWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

} // namespace zud::ui
