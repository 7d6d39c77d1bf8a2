// The main window's part of the statistics and reports: "Statistik" (Ctrl+T) for the current
// patient, "Druckvorschau" and "Als PDF exportieren" for the shown recording.

#include "ChartFrame.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "PrintPreviewWindow.h"
#include "RecordingTabs.h"
#include "RemarksDialog.h"
#include "ReportOutput.h"
#include "StatisticsWindow.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabBar>

namespace zud::ui {

void MainWindow::CreateReportWindows() {
    FStatistik = new StatisticsWindow(this);
    FPreview = new PrintPreviewWindow(this);
    // "Bemerkungen" of the preview edits its lines in the remarks dialog.
    FPreview->EditRemarks = [this](const QStringList& zeilen) -> std::optional<QStringList> {
        FBemForm->Text->setPlainText(zeilen.join(QLatin1Char('\n')));
        if (FBemForm->exec() != QDialog::Accepted)
            return std::nullopt;
        const QString t = FBemForm->Text->toPlainText();
        return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
    };
    Action(QStringLiteral("Statistik"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(Action(QStringLiteral("Statistik")), &QAction::triggered, this,
            Guarded([this] { DoStatistik(); }));
    connect(Action(QStringLiteral("Print")), &QAction::triggered, this, Guarded([this] { DoPreview(); }));
    connect(Action(QStringLiteral("PDF_Export")), &QAction::triggered, this,
            Guarded([this] { DoPdfExport(); }));
}

void MainWindow::UpdateReportActions() {
    const bool db = FDM && FDM->LoggedIn();
    Action(QStringLiteral("Statistik"))->setEnabled(db && FCurrentPatient >= 0 && !FLive);
    const int active = ActiveTab();
    // A stored recording on display; a live one is printed once it is saved.
    const bool stored = FTabs->Counter(active) >= 0;
    Action(QStringLiteral("Print"))->setEnabled(db && stored && !FLive);
    Action(QStringLiteral("PDF_Export"))->setEnabled(db && stored && !FLive);
}

void MainWindow::DoStatistik() {
    if (!FDM || !FDM->LoggedIn() || FCurrentPatient < 0 || FLive)
        return;
    bool ok = false;
    {
        struct Busy {
            Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
            ~Busy() { QApplication::restoreOverrideCursor(); }
        } busy;
        FStatistik->AeltereGeraete = OtherModels;
        ok = FStatistik->Fill(*FDM, FCurrentPatient, FSettings);
    }
    if (!ok) {
        FillMessList(FCurrentPatient); // deleted elsewhere: the lists say so
        return;
    }
    FStatistik->exec();
}

std::optional<Berichtsaufnahme> MainWindow::ReportRecording(int index) {
    if (!FDM || FTabs->Counter(index) < 0)
        return std::nullopt;
    const RecordingTabs::Tab& t = FTabs->At(index);
    const auto r = FDM->GetRecording(t.counter);
    if (!r)
        return std::nullopt;
    Berichtsaufnahme a = LadeBerichtsaufnahme(*r, FSettings.DruckEinheit());
    a.Titel = t.caption;
    a.Ausschnitt = t.frame->ZoomState();
    return a;
}

void MainWindow::DoPreview() {
    const int active = ActiveTab();
    std::vector<Berichtsaufnahme> open;
    int current = 0;
    for (int i = 0; i < TabCount(); ++i) {
        if (auto a = ReportRecording(i)) {
            if (i == active)
                current = int(open.size());
            open.push_back(std::move(*a));
        }
    }
    if (open.empty())
        return;
    const auto patient = FDM->GetPatient(open[size_t(current)].Zeile.Patient);
    ChartOptionen o = ChartOptions();
    if (!DisplayedRemarks().isEmpty())
        o.Bemerkungen = DisplayedRemarks().split(QLatin1Char('\n'));
    FPreview->Prepare(patient.value_or(Patient{}), std::move(open), current, o);
    FPreview->exec();
}

bool MainWindow::DoPdfExport() {
    const auto a = ReportRecording(ActiveTab());
    if (!a)
        return false;
    const Patient patient = FDM->GetPatient(a->Zeile.Patient).value_or(Patient{});
    ChartOptionen o = ChartOptions();
    if (!DisplayedRemarks().isEmpty())
        o.Bemerkungen = DisplayedRemarks().split(QLatin1Char('\n'));
    return PdfAusgeben(
        this, tr("Übung als PDF speichern"),
        [&](Seitenziel& z) {
            DrawAufnahmeSeite(*z.Painter, z.Seite, z.Dpi, patient, *a, o);
            return true;
        },
        &LastMessage);
}

} // namespace zud::ui
