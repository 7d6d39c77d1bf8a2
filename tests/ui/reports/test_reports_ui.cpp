// The statistics window, the progress chart, the therapy summary and the print preview, and
// the main window's "Statistik", "Druckvorschau" and "Als PDF exportieren", on the offscreen
// platform against a real embedded Firebird database. With ZUD_SCREENSHOTS=DIR the windows are
// written there as pictures.

#include "Aufnahmen.h"
#include "ChartFrame.h"
#include "Localizer.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "PrintPreviewWindow.h"
#include "ProgressChartWindow.h"
#include "RecordingCheck.h"
#include "RemarksDialog.h"
#include "ReportOutput.h"
#include "Settings.h"
#include "StatisticsWindow.h"
#include "SummaryWindow.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace zud;
using namespace zud::ui;
using namespace zud::test;

namespace {

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfSeiten(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s*(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void Bild(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// Closes every modal report window after taking its picture.
class Schliesser : public ModalWatcher {
public:
    explicit Schliesser(QObject* parent = nullptr) : ModalWatcher(20, parent) {}
    QStringList gesehen;
    std::function<void(QWidget*)> vorher;
    QString bemerkung;           // typed into the remarks dialog, which is then confirmed
    bool nurBemerkungen = false; // answers the remarks dialog only

private:
    void Answer(QWidget* w) override {
        auto* d = qobject_cast<QDialog*>(w);
        if (!d || (nurBemerkungen && !qobject_cast<RemarksDialog*>(w)))
            return;
        gesehen << w->objectName();
        if (auto* bem = qobject_cast<RemarksDialog*>(w)) {
            bem->Text->setPlainText(bemerkung);
            bem->accept();
            return;
        }
        if (vorher)
            vorher(w);
        d->reject();
    }
};

} // namespace

class ReportsUiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString pdfZiel;
    QStringList geoeffnet;
    QStringList pdfTitel; // the save dialogs' titles

    std::unique_ptr<MainWindow> Open() {
        auto f = std::make_unique<MainWindow>();
        f->Create();
        if (!f->OpenDatabase())
            return nullptr;
        f->SetLeftPanel(true);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()))
            return nullptr;
        return f;
    }

    // A patient with recordings of modes 0, 1, 9 and 4 (no mode 5).
    qint64 Muster(PatientDatabase& dm) {
        Patient p;
        p.Name = QStringLiteral("Muster");
        p.Vorname = QStringLiteral("Erika");
        p.Geburtstag = QDate(1960, 5, 17);
        p.Nummer = QStringLiteral("AB1D1234");
        const qint64 id = dm.AddPatient(p);
        const QTime t(9, 0);
        const QString geraet = QStringLiteral("ZUD12 Typ 1");
        dm.InsertRecording(id, QDate(2026, 1, 5), t,
                           Aufnahme(0, EMGProbe(0, 11, 0, 600) + EMGProbe(1, 11, 40, 600), "Kraft", 5),
                           geraet);
        dm.InsertRecording(id, QDate(2026, 1, 7), t,
                           Aufnahme(1, EMGProbe(0, 11, 0, 600) + EMGProbe(1, 11, 90, 900), "Kraft", 5),
                           geraet);
        dm.InsertRecording(id, QDate(2026, 1, 9), t, Aufnahme(0, EMGProbe(0, 11, 0, 1000), "Locker", 5),
                           geraet);
        dm.InsertRecording(id, QDate(2026, 1, 12), t,
                           Aufnahme(0, EMGProbe(0, 11, 0, 600) + EMGProbe(1, 11, 70, 900), "Kraft", 5),
                           geraet);
        dm.InsertRecording(
            id, QDate(2026, 1, 8), t,
            Aufnahme(9, ZweiKanalProbe(100, 50, 0xAB, 0, 300) + ZweiKanalProbe(40, 60, 0xAB, 1, 300), "Zwei"),
            geraet);
        dm.InsertRecording(id, QDate(2026, 1, 10), t,
                           Aufnahme(4, DruckProbe(4, 1000, 7, 300) + DruckProbe(4, 2500, 7, 200), "Halten"),
                           geraet);
        return id;
    }

private slots:
    void initTestCase() {
        db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-reports-lock")));
        Berichtsausgabe::PdfPfad = [this](QWidget*, const QString& titel) {
            pdfTitel << titel;
            return pdfZiel;
        };
        Berichtsausgabe::Oeffnen = [this](const QString& p) { geoeffnet << p; };
        Berichtsausgabe::Druckdialog = [](QPrinter&, QWidget*) { return false; }; // cancelled
    }
    void init() {
        dir = FreshProgramFolders();
        QVERIFY(dir);
        geoeffnet.clear();
        pdfTitel.clear();
    }

    void StatistikFensterListenUndSpaltenwahl() {
        auto f = Open();
        QVERIFY(f);
        QAction* stat = f->Action(QStringLiteral("Statistik"));
        QCOMPARE(stat->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        QVERIFY(!stat->isEnabled()); // no patient yet
        const qint64 id = Muster(*f->DM());
        f->FillPatList();
        f->OpenPatient(id);
        QVERIFY(stat->isEnabled());
        QVERIFY(!f->Action(QStringLiteral("Print"))->isEnabled());
        QVERIFY(!f->Action(QStringLiteral("PDF_Export"))->isEnabled());

        // Through the action: the window opens modally and is filled.
        Schliesser zu;
        zu.vorher = [](QWidget* w) { Bild(w, QStringLiteral("statistik")); };
        stat->trigger();
        QCOMPARE(zu.gesehen, QStringList{QStringLiteral("StatisticsWindow")});
        StatisticsWindow& s = *f->StatistikForm();
        QCOMPARE(s.Caption(), QStringLiteral("Erika Muster"));
        QCOMPARE(s.RibbonBar()->tabText(0), QStringLiteral("Erika Muster"));
        QTabWidget* tabs = s.Tabs();
        QVERIFY(tabs->isTabVisible(0));
        QVERIFY(tabs->isTabVisible(1));
        QVERIFY(!tabs->isTabVisible(2)); // no mode 3
        QVERIFY(tabs->isTabVisible(3));
        QVERIFY(!tabs->isTabVisible(4)); // no "Training Druck"
        QCOMPARE(tabs->tabText(4), QStringLiteral("Training Druck"));
        QCOMPARE(s.CurrentList(), 1);
        QTableView* t = s.Table(1);
        QCOMPARE(t->model()->rowCount(), 4);
        QCOMPARE(t->model()->index(1, 1).data().toString(), QStringLiteral("07.01.2026"));
        QCOMPARE(t->model()->index(1, 4).data().toString(), QStringLiteral("ES-Elektrostimulation"));
        // 2 min 30 s and 1 min 40 s, not rounded to "2 min" both; numbers with the German comma.
        QCOMPARE(t->model()->index(1, 5).data().toString(), QStringLiteral("2 min 30 s"));
        QCOMPARE(t->model()->index(2, 5).data().toString(), QStringLiteral("1 min 40 s"));
        QCOMPARE(t->model()->index(0, 10).data().toString(), QStringLiteral("40,0 µV"));
        QCOMPARE(t->model()->index(2, 9).data().toString(), QStringLiteral("-"));
        QCOMPARE(t->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Anspannen Ø"));

        QAction* verlauf = s.Action(QStringLiteral("StatistikVerlauf"));
        QVERIFY(!verlauf->isEnabled());
        // The common columns and an all-zero column do nothing.
        for (int c = 0; c < kGemeinsameSpalten; ++c) {
            t->horizontalHeader()->sectionClicked(c);
            QCOMPARE(s.ChosenTag(), -1);
        }
        t->horizontalHeader()->sectionClicked(6); // relax min: 0 everywhere
        QCOMPARE(s.ChosenTag(), -1);
        QVERIFY(!verlauf->isEnabled());
        // A value column has the list's width, or its caption's where that is wider.
        const auto breite = [](QTableView* v, int c, int least) {
            return std::max(least, v->horizontalHeader()->sectionSizeHint(c));
        };
        QCOMPARE(t->columnWidth(6), breite(t, 6, 100));
        QVERIFY(t->columnWidth(6) >=
                t->fontMetrics().horizontalAdvance(t->model()->headerData(6, Qt::Horizontal).toString()));
        // "Anspannen max" is chosen: marked and wider.
        t->horizontalHeader()->sectionClicked(10);
        QCOMPARE(s.ChosenTag(), 8);
        QVERIFY(verlauf->isEnabled());
        QCOMPARE(t->columnWidth(10), breite(t, 10, 150));
        QVERIFY(!t->model()->headerData(10, Qt::Horizontal, Qt::DecorationRole).isNull());
        // Another column moves the mark, the same column again unmarks it.
        t->horizontalHeader()->sectionClicked(11);
        QCOMPARE(s.ChosenTag(), 9);
        QCOMPARE(t->columnWidth(10), breite(t, 10, 100));
        t->horizontalHeader()->sectionClicked(11);
        QCOMPARE(s.ChosenTag(), -1);
        QVERIFY(!verlauf->isEnabled());
        QCOMPARE(t->columnWidth(11), breite(t, 11, 100));
        // A tab change forgets the choice; the two-channel list is wider.
        t->horizontalHeader()->sectionClicked(10);
        QVERIFY(verlauf->isEnabled());
        tabs->setCurrentIndex(1);
        QCOMPARE(s.ChosenTag(), -1);
        QVERIFY(!verlauf->isEnabled());
        QCOMPARE(s.Table(2)->columnWidth(8), breite(s.Table(2), 8, 120));
        QCOMPARE(t->columnWidth(10), breite(t, 10, 100));
        // One row: nothing to draw.
        s.Table(2)->horizontalHeader()->sectionClicked(8);
        QCOMPARE(s.ChosenTag(), -1);

        // The progress chart of "Anspannen max", chosen by a click on the column's header: the
        // third recording has none and gets no point.
        tabs->setCurrentIndex(0);
        QTest::mouseClick(t->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(t->horizontalHeader()->sectionViewportPosition(10) + 20,
                                 t->horizontalHeader()->height() / 2));
        QCOMPARE(s.ChosenTag(), 8);
        zu.gesehen.clear();
        zu.vorher = [](QWidget* w) {
            w->resize(1000, 700);
            Bild(w, QStringLiteral("verlauf"));
        };
        verlauf->trigger();
        QCOMPARE(zu.gesehen, QStringList{QStringLiteral("ProgressChartWindow")});
        const Verlaufsdaten& v = s.VerlaufForm()->Chart()->Daten;
        QCOMPARE(v.Werte, (std::vector<std::optional<double>>{40.0, 90.0, std::nullopt, 70.0}));
        QCOMPARE(v.Einheit, QStringLiteral("µV"));
        QCOMPARE(v.Spaltentitel, QStringLiteral("Anspannen max"));
        // Its page names what it shows, for whom and over which days; the dialog says what is saved.
        pdfZiel = dir->filePath(QStringLiteral("verlauf.pdf"));
        QVERIFY(s.VerlaufForm()->Pdf());
        QCOMPARE(pdfTitel.last(), QStringLiteral("Verlauf als PDF speichern"));
        const QString verlaufText = PdfText(pdfZiel);
        for (const char* w : {"Verlauf: Anspannen max [µV]", "Muster, Erika, geb. 17.05.1960",
                              "Zeitraum: 05.01.2026 – 12.01.2026", "90,0 µV"})
            QVERIFY2(verlaufText.contains(QString::fromUtf8(w)), qPrintable(verlaufText));

        // The summary preview.
        zu.gesehen.clear();
        zu.vorher = [](QWidget* w) { Bild(w, QStringLiteral("zusammenfassung")); };
        s.Action(QStringLiteral("ShortStat"))->trigger();
        QCOMPARE(zu.gesehen, QStringList{QStringLiteral("SummaryWindow")});
        zu.vorher = nullptr;

        // PDF of the shown list: written, then opened; cancelled: nothing.
        pdfZiel = dir->filePath(QStringLiteral("statistik.pdf"));
        QVERIFY(s.PdfTable());
        QCOMPARE(geoeffnet.last(), pdfZiel);
        QCOMPARE(pdfTitel.last(), QStringLiteral("Statistik als PDF speichern"));
        QCOMPARE(PdfSeiten(pdfZiel), 1);
        QString text = PdfText(pdfZiel);
        QVERIFY2(text.contains(QStringLiteral("1 min 40 s")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("40,0 µV")) && !text.contains(QStringLiteral("40.0 µV")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Statistik Erika Muster")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Seite 1/1")));
        QVERIFY(text.contains(QStringLiteral("12.01.2026")));
        pdfZiel = dir->filePath(QStringLiteral("summe.pdf"));
        QVERIFY(s.PdfSummary());
        QCOMPARE(pdfTitel.last(), QStringLiteral("Therapie-Zusammenfassung als PDF speichern"));
        QVERIFY(PdfText(pdfZiel).contains(QStringLiteral("Therapie-Zusammenfassung")));
        pdfZiel.clear();
        QVERIFY(!s.PdfTable());
        QCOMPARE(geoeffnet.size(), 3);
        // A cancelled print dialog prints nothing.
        QVERIFY(!s.PrintTable());
        QVERIFY(s.LastMessage.isEmpty());
        // A file that cannot be written is reported, and nothing is opened.
        pdfZiel = QStringLiteral("/nonexistent/x.pdf");
        zu.gesehen.clear();
        QVERIFY(!s.PdfTable());
        QCOMPARE(zu.gesehen.size(), 1); // the error box
        QVERIFY2(s.LastMessage.contains(QStringLiteral("/nonexistent/x.pdf")), qPrintable(s.LastMessage));
        QCOMPARE(geoeffnet.size(), 3);
        // The printer path draws the same pages (here into a PDF file).
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir->filePath(QStringLiteral("drucker.pdf")));
        QVERIFY(AufDrucker(printer, [&](Seitenziel& z) {
            return DrawStatistikTabelle(z, s.Daten().Liste(1), s.Caption(), QDate::currentDate());
        }));
        QVERIFY(PdfText(dir->filePath(QStringLiteral("drucker.pdf"))).contains(QStringLiteral("Seite 1/1")));

        // In English: tabs, column captions, mode names and the summary page follow at once.
        auto& sprache = zud::i18n::Localizer::Instance();
        QVERIFY(sprache.Switch(QStringLiteral("en")));
        QCoreApplication::processEvents();
        QCOMPARE(tabs->tabText(0), QStringLiteral("Single channel"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("Pressure"));
        QCOMPARE(t->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Contract Ø"));
        QCOMPARE(s.Action(QStringLiteral("StatistikVerlauf"))->text(), QStringLiteral("Progress"));
        QCOMPARE(t->model()->index(1, 4).data().toString(), BetriebsartName(1));
        QVERIFY(BetriebsartName(1) != QStringLiteral("ES-Elektrostimulation"));
        s.resize(1280, 720);
        QCoreApplication::processEvents();
        Bild(&s, QStringLiteral("statistik-en"));
        pdfZiel = dir->filePath(QStringLiteral("summary-en.pdf"));
        QVERIFY(s.PdfSummary());
        text = PdfText(pdfZiel);
        for (const char* w : {"Therapy summary", "Patient data", "Adherence", "Number of treatments"})
            QVERIFY2(text.contains(QString::fromUtf8(w)), qPrintable(text));
        // The statistics' own commands: caption and tip in the new language.
        QCOMPARE(s.Action(QStringLiteral("GesamtPDF"))->text(),
                 s.Action(QStringLiteral("GesamtPDF"))->toolTip());
        QVERIFY(s.Action(QStringLiteral("GesamtPDF"))->toolTip() !=
                QStringLiteral("Gesamte Statistik als PDF"));
        QCOMPARE(s.Action(QStringLiteral("Zurueck"))->toolTip(), QStringLiteral("Back"));
        // Both output windows follow too; the progress chart keeps the column's caption as its tab.
        for (OutputWindow* w :
             {static_cast<OutputWindow*>(s.VerlaufForm()), static_cast<OutputWindow*>(s.SummaryForm())}) {
            QCOMPARE(w->Action(QStringLiteral("Drucken"))->text(), QStringLiteral("Print"));
            QCOMPARE(w->Action(QStringLiteral("Zurueck"))->toolTip(), QStringLiteral("Back"));
        }
        QCOMPARE(s.VerlaufForm()->windowTitle(), QStringLiteral("Progress"));
        QCOMPARE(s.SummaryForm()->windowTitle(), QStringLiteral("Therapy summary"));
        QCOMPARE(s.VerlaufForm()->findChild<Ribbon*>()->tabText(0), QStringLiteral("Erika Muster"));
        QVERIFY(sprache.Switch(QStringLiteral("de")));
        QCoreApplication::processEvents();
        QCOMPARE(tabs->tabText(0), QStringLiteral("Einkanalig"));

        // No statistics while a live measurement runs.
        f->BeginLiveMode();
        QVERIFY(!stat->isEnabled());
        f->EndLiveMode();
        QVERIFY(stat->isEnabled());
        f->close();
    }

    void VorschauUndPdfExportDerUebung() {
        auto f = Open();
        QVERIFY(f);
        const qint64 id = Muster(*f->DM());
        f->OpenPatient(id);
        const auto rec = f->DM()->ListRecordings(id, QStringLiteral("ASC"), QStringLiteral("ASC"));
        QCOMPARE(rec.size(), size_t(6));
        QAction* print = f->Action(QStringLiteral("Print"));
        QAction* pdf = f->Action(QStringLiteral("PDF_Export"));
        QVERIFY(f->OpenRecording(rec[0].Counter));
        QVERIFY(print->isEnabled());
        QVERIFY(pdf->isEnabled());

        // One recording: "Zwei Übungen" is not offered.
        Schliesser zu;
        PrintPreviewWindow& v = *f->PreviewForm();
        zu.vorher = [&](QWidget* w) {
            QVERIFY(!v.Action(QStringLiteral("ZweiUebungen"))->isEnabled());
            QVERIFY(v.Action(QStringLiteral("EineUebung"))->isChecked());
            Bild(w, QStringLiteral("vorschau-eine"));
        };
        print->trigger();
        QCOMPARE(zu.gesehen, QStringList{QStringLiteral("PrintPreviewWindow")});
        QCOMPARE(v.Uebung1()->count(), 1);

        // Three recordings, the third current: Übung1 is it, Übung2 the one before.
        QVERIFY(f->OpenRecording(rec[5].Counter));
        QVERIFY(f->OpenRecording(rec[1].Counter));
        QCOMPARE(f->TabCount(), 3);
        zu.gesehen.clear();
        zu.vorher = [&](QWidget* w) {
            QVERIFY(v.Action(QStringLiteral("ZweiUebungen"))->isEnabled());
            QCOMPARE(v.Uebung1()->currentIndex(), 2);
            QCOMPARE(v.Uebung2()->currentIndex(), 1);
            QVERIFY(!v.Uebung1()->currentText().contains(QLatin1Char('&')));
            QVERIFY(v.Remarks().isEmpty());
            v.Action(QStringLiteral("ZweiUebungen"))->setChecked(true);
            QVERIFY(v.Zwei());
            Bild(w, QStringLiteral("vorschau-zwei"));
            v.SetRemarks(
                {QStringLiteral("Gut mitgearbeitet."), QStringLiteral("Nächster Termin in einer Woche.")});
            Bild(w, QStringLiteral("vorschau-zwei-bemerkungen"));
            pdfZiel = dir->filePath(QStringLiteral("vorschau.pdf"));
            QVERIFY(v.Pdf());
        };
        print->trigger();
        const QString text = PdfText(dir->filePath(QStringLiteral("vorschau.pdf")));
        QVERIFY2(text.contains(QStringLiteral("Gut mitgearbeitet.")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Nächster Termin")));
        // "Bemerkungen" edits the lines in the remarks dialog and takes them back on OK.
        // (A watcher's timer does not fire again while it waits in the preview: a second one
        // answers the remarks dialog.)
        Schliesser bemZu;
        bemZu.nurBemerkungen = true;
        bemZu.bemerkung = QStringLiteral("Zeile eins\nZeile zwei");
        zu.gesehen.clear();
        zu.vorher = [&](QWidget* w) {
            if (w != &v)
                return;
            v.Action(QStringLiteral("Bemerkungen"))->trigger();
            QCOMPARE(v.Remarks(), (QStringList{QStringLiteral("Zeile eins"), QStringLiteral("Zeile zwei")}));
        };
        print->trigger();
        QCOMPARE(bemZu.gesehen, QStringList{QStringLiteral("RemarksDialog")});
        QCOMPARE(zu.gesehen, QStringList{QStringLiteral("PrintPreviewWindow")});
        // The remarks are cleared when the preview opens again; the first recording is Übung2
        // when the current one is the first.
        f->ActivateTab(0);
        zu.gesehen.clear();
        zu.vorher = [&](QWidget*) {
            QVERIFY(v.Remarks().isEmpty());
            QCOMPARE(v.Uebung1()->currentIndex(), 0);
            QCOMPARE(v.Uebung2()->currentIndex(), 1);
            QVERIFY(!v.Zwei());
        };
        print->trigger();
        QCOMPARE(zu.gesehen.size(), 1);

        // "Als PDF exportieren": the page of the shown recording.
        pdfZiel = dir->filePath(QStringLiteral("uebung.pdf"));
        QVERIFY(f->DoPdfExport());
        QCOMPARE(pdfTitel.last(), QStringLiteral("Übung als PDF speichern"));
        QCOMPARE(geoeffnet.last(), pdfZiel);
        QCOMPARE(PdfSeiten(pdfZiel), 1);
        const QString seite = PdfText(pdfZiel);
        QVERIFY2(seite.contains(QStringLiteral("Muster")), qPrintable(seite));
        QVERIFY(seite.contains(QStringLiteral("05.01.2026")));
        QVERIFY(seite.contains(QStringLiteral("Anspannen [µV]")));
        QVERIFY2(seite.contains(QStringLiteral("40,0")) && !seite.contains(QStringLiteral("40.0")),
                 qPrintable(seite));
        // The recording of 1 min 40 s has that length on its page as in the statistics list.
        QVERIFY(f->OpenRecording(rec[3].Counter));
        pdfZiel = dir->filePath(QStringLiteral("locker.pdf"));
        QVERIFY(f->DoPdfExport());
        QVERIFY2(PdfText(pdfZiel).contains(QStringLiteral("1 min 40 s")), qPrintable(PdfText(pdfZiel)));

        // Closing every recording disables both.
        while (f->TabCount() > 0)
            f->CloseRecording();
        QVERIFY(!print->isEnabled());
        QVERIFY(!pdf->isEnabled());
        f->close();
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ReportsUiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_reports_ui.moc"
