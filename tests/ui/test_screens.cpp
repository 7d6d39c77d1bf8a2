// What a therapist sees, in German, English and Polish: the main window at its first-start size
// and at 1280 x 800 with a patient's recordings, the stacked view of four recordings, a pressure
// recording in mmHg, the patient dialog and the read-out window. Every visible caption, label,
// check box and list header must show its whole text, and no label may run into its neighbour.
// Run on a real X server with a window manager (tests/ui/screens.sh) it also writes the
// screenshots, each window alone and the whole screen, to ZUD_SCREENSHOTS.

#include "Demo.h"
#include "DemoRecordings.h"
#include "Emulator.h"
#include "ExchangeWindows.h"
#include "FileDialogs.h"
#include "LiveMeasurement.h"
#include "LiveSessionPanel.h"
#include "Localizer.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "PatientDialog.h"
#include "PatientModels.h"
#include "PrintPreviewWindow.h"
#include "ProgrammingWindow.h"
#include "ProgressChartWindow.h"
#include "ReadoutWindow.h"
#include "Reports.h"
#include "Ribbon.h"
#include "SplashScreen.h"
#include "StatisticsWindow.h"
#include "SummaryWindow.h"
#include "SystemParametersDialog.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using namespace zud;
using namespace zud::ui;
using zud::test::ClickButtonOf;
using zud::test::DemoRecording;

namespace {

QString Describe(const QWidget* w, const QString& text) {
    QString name = w->objectName();
    for (const QWidget* p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
        name = p->objectName();
    return QStringLiteral("%1 \"%2\" (%3 of %4 px)")
        .arg(QString::fromLatin1(w->metaObject()->className()), text, name)
        .arg(w->width());
}

// Whether a widget is shown within its window (not on a hidden ribbon tab or page).
bool Shown(const QWidget* w) {
    return w->isVisible() && !w->visibleRegion().isEmpty();
}

// The texts of `root` that do not fit their widget, and labels that overlap a sibling.
QStringList CutTexts(QWidget* root) {
    QStringList cut;
    for (QLabel* l : root->findChildren<QLabel*>()) {
        const QString text = l->text();
        if (!Shown(l) || text.isEmpty() || l->wordWrap() || Qt::mightBeRichText(text))
            continue;
        const QSize need = l->fontMetrics().size(Qt::TextShowMnemonic, text);
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (need.width() > room.width() + 1 || need.height() > room.height() + 1)
            cut << Describe(l, text);
        // A label never runs into a neighbouring field of its layout.
        if (QWidget* parent = l->parentWidget()) {
            for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (sibling == l || !Shown(sibling) || sibling->isWindow())
                    continue;
                const QRect a = l->geometry();
                const QRect b = sibling->geometry();
                // The text's own extent, not the label's stretched box.
                const QRect ink(a.topLeft(), QSize(std::min(a.width(), need.width()), a.height()));
                if (ink.intersects(b) && !b.contains(a) && !a.contains(b))
                    cut << QStringLiteral("%1 overlaps %2")
                               .arg(Describe(l, text),
                                    QString::fromLatin1(sibling->metaObject()->className()) +
                                        QLatin1Char(' ') + sibling->objectName());
            }
        }
    }
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        if (!Shown(b) || b->text().isEmpty())
            continue;
        if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b) || qobject_cast<RibbonButton*>(b) ||
            b->inherits("QPushButton")) {
            if (b->width() < b->sizeHint().width())
                cut << Describe(b, b->text().remove(QLatin1Char('&')));
        }
    }
    // A choice shows its current entry whole (the arrow takes its own room).
    for (QComboBox* c : root->findChildren<QComboBox*>()) {
        if (!Shown(c) || c->currentText().isEmpty())
            continue;
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = c->isEditable();
        const QRect room =
            c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
        if (c->fontMetrics().horizontalAdvance(c->currentText()) > room.width() + 1)
            cut << Describe(c, c->currentText());
    }
    for (QGroupBox* g : root->findChildren<QGroupBox*>()) {
        if (Shown(g) && !g->title().isEmpty() &&
            g->width() < g->fontMetrics().horizontalAdvance(g->title()) + 16)
            cut << Describe(g, g->title());
    }
    for (QAbstractItemView* v : root->findChildren<QAbstractItemView*>()) {
        if (!Shown(v) || !v->model())
            continue;
        // A table's first header child may be its vertical one: ask the view for the columns'.
        QHeaderView* h = nullptr;
        if (auto* t = qobject_cast<QTableView*>(v))
            h = t->horizontalHeader();
        else if (auto* t = qobject_cast<QTreeView*>(v))
            h = t->header();
        if (!h || !Shown(h))
            continue;
        for (int c = 0; c < h->count(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            const QString caption = v->model()->headerData(c, Qt::Horizontal).toString();
            if (!caption.isEmpty() && h->sectionSize(c) < h->fontMetrics().horizontalAdvance(caption) + 4)
                cut << Describe(h, caption);
        }
    }
    return cut;
}

// The window alone and, on a real X server, the whole screen with the window manager's frames.
void Shoot(QWidget* w, const QString& name) {
    QTest::qWait(150);
    DumpScreenshot(w, name);
    const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    if (QScreen* s = QGuiApplication::primaryScreen())
        s->grabWindow(0).save(QDir(dir).filePath(name + QStringLiteral("-screen.png")));
}

class Answerer : public zud::test::ModalWatcher {
public:
    Answerer() : ModalWatcher(10) {}
    std::function<void(ReadoutWindow*)> onReadout;
    // Any other modal window; true when it was dealt with.
    std::function<bool(QWidget*)> onWindow;
    QStringList boxes;

protected:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            box->done(QMessageBox::Ok);
        } else if (onWindow && onWindow(w)) {
            onWindow = nullptr;
        } else if (auto* form = qobject_cast<ReadoutWindow*>(w); form && onReadout) {
            auto f = std::move(onReadout);
            onReadout = nullptr;
            QTimer::singleShot(0, form, [f, form] { f(form); });
        }
    }
};

// Opens the modal window of class W that `open` brings up, lets `look` go through it (its tabs,
// its choices, collecting what is cut) and closes it with `close`.
template <class W>
QStringList InWindow(Answerer& answer, const std::function<void()>& open,
                     const std::function<void(W*, QStringList&)>& look,
                     const std::function<void(W*)>& close) {
    QStringList cut;
    bool shown = false;
    answer.onWindow = [&](QWidget* w) {
        auto* x = qobject_cast<W*>(w);
        if (!x)
            return false;
        shown = true;
        QTimer::singleShot(0, x, [&, x] {
            QTest::qWait(100);
            look(x, cut);
            close(x);
        });
        return true;
    };
    open();
    if (!QTest::qWaitFor([&] { return shown; }, 20000))
        cut << QStringLiteral("%1 did not open").arg(QString::fromLatin1(W::staticMetaObject.className()));
    return cut;
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-screens-lock"))); }

    void WholeTextsInEveryWindow_data() {
        QTest::addColumn<QString>("lang");
        for (const char* lang : {"de", "en", "pl"})
            QTest::newRow(lang) << QString::fromLatin1(lang);
    }

    void WholeTextsInEveryWindow() {
#if defined(ZUD_HAVE_I18N)
        QFETCH(QString, lang);
        auto dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        auto& loc = zud::i18n::Localizer::Instance();
        QVERIFY(loc.Switch(lang));
        // The pages the windows show (print preview, summary, progress chart): every text whole.
        QStringList pageCut;
        SetzeTextpruefung([&pageCut](const QString& t, double noetig, double platz) {
            pageCut << QStringLiteral("page text \"%1\" (%2 of %3 px)")
                           .arg(t)
                           .arg(noetig, 0, 'f', 0)
                           .arg(platz, 0, 'f', 0);
        });
        const struct EndCheck {
            ~EndCheck() { SetzeTextpruefung({}); }
        } endCheck;
        emu::Emulator device;
        emu::LoadDemo(device);
        QVERIFY(device.Start());
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(device.SlavePath()));
        QVERIFY(f.OpenDatabase());
        f.SetLeftPanel(true);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        PatientDatabase& dm = *f.DM();
        Patient p;
        p.Name = QStringLiteral("Zimmermann-Łukasiewicz");
        p.Vorname = QStringLiteral("Małgorzata");
        p.Geburtstag = QDate(1961, 9, 23);
        const qint64 pat = dm.AddPatient(p);
        f.OpenPatient(pat);

        // The first start's size, empty, then with a recording.
        QVERIFY2(CutTexts(&f).isEmpty(), qPrintable(CutTexts(&f).join(QLatin1Char('\n'))));
        Shoot(&f, QStringLiteral("%1-main-first-start").arg(lang));
        QList<qint64> counters;
        for (int k = 1; k <= 4; ++k)
            counters << dm.InsertRecording(pat, QDate(2026, 11, k), QTime(9, 15), DemoRecording(k),
                                           QStringLiteral("ZUD12"));
        // Mode 6: pressure.
        counters << dm.InsertRecording(pat, QDate(2026, 11, 7), QTime(10, 30), DemoRecording(7),
                                       QStringLiteral("ZUD12"));
        f.PatientListsChanged(pat);
        f.OpenPatient(pat);
        QVERIFY(f.OpenRecording(counters[0]));
        QVERIFY2(CutTexts(&f).isEmpty(), qPrintable(CutTexts(&f).join(QLatin1Char('\n'))));
        Shoot(&f, QStringLiteral("%1-main-default").arg(lang));

        f.showNormal();
        f.resize(1280, 800);
        QTest::qWait(100);
        for (int k = 1; k < 4; ++k)
            QVERIFY(f.OpenRecording(counters[k]));
        for (int t = 0; t < f.RibbonBar()->count(); ++t) {
            if (!f.RibbonBar()->isTabVisible(t))
                continue;
            f.RibbonBar()->setCurrentIndex(t);
            QTest::qWait(20);
            const QStringList cut = CutTexts(&f);
            QVERIFY2(cut.isEmpty(),
                     qPrintable(QStringLiteral("tab %1:\n").arg(t) + cut.join(QLatin1Char('\n'))));
        }
        f.RibbonBar()->setCurrentIndex(0);
        Shoot(&f, QStringLiteral("%1-main-1280x800").arg(lang));

        // Four recordings stacked.
        f.Action(QStringLiteral("Comparsion"))->setChecked(true);
        QTest::qWait(100);
        QVERIFY2(CutTexts(&f).isEmpty(), qPrintable(CutTexts(&f).join(QLatin1Char('\n'))));
        Shoot(&f, QStringLiteral("%1-stacked").arg(lang));
        f.Action(QStringLiteral("Comparsion"))->setChecked(false);

        // The pressure recording in mmHg.
        f.Action(QStringLiteral("mmHg"))->trigger();
        QVERIFY(f.OpenRecording(counters[4]));
        QTest::qWait(100);
        Shoot(&f, QStringLiteral("%1-pressure-mmhg").arg(lang));
        f.Action(QStringLiteral("mbar"))->trigger();

        // The patient dialog with a long name.
        PatientDialog* d = f.ThePatientDialog();
        QVERIFY(d->Prepare(dm, PatientDialog::Edit, pat));
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QVERIFY2(CutTexts(d).isEmpty(), qPrintable(CutTexts(d).join(QLatin1Char('\n'))));
        Shoot(d, QStringLiteral("%1-patient-dialog").arg(lang));
        d->reject();

        // The read-out window with the demo device.
        QStringList readoutCut;
        bool shown = false;
        answer.onReadout = [&](ReadoutWindow* w) {
            shown = true;
            QTest::qWait(100);
            readoutCut = CutTexts(w);
            // An unassigned device patient too.
            for (int t = 0; t < 6 && readoutCut.isEmpty(); ++t) {
                if (!w->TherapeutPanel(t)->isVisibleTo(w))
                    continue;
                w->TherapeutClick(t);
                QTest::qWait(20);
                readoutCut << CutTexts(w);
            }
            w->TherapeutClick(0);
            Shoot(w, QStringLiteral("%1-auslesen").arg(lang));
            w->reject();
        };
        f.Action(QStringLiteral("LeseMessungen"))->trigger();
        QTRY_VERIFY(shown);
        QVERIFY2(readoutCut.isEmpty(), qPrintable(readoutCut.join(QLatin1Char('\n'))));

        // The statistics window: every tab, and every value column chosen for the progress chart
        // by a click on its header.
        QStringList statCut;
        shown = false;
        answer.onWindow = [&](QWidget* w) {
            auto* st = qobject_cast<StatisticsWindow*>(w);
            if (!st)
                return false;
            shown = true;
            QTimer::singleShot(0, st, [&, st] {
                QTest::qWait(100);
                for (int t = 0; t < st->Tabs()->count(); ++t) {
                    if (!st->Tabs()->isTabVisible(t) || !st->Tabs()->isTabEnabled(t))
                        continue;
                    st->Tabs()->setCurrentIndex(t);
                    QTest::qWait(20);
                    statCut << CutTexts(st);
                    const int liste = st->CurrentList();
                    if (liste < 1)
                        continue;
                    QHeaderView* h = st->Table(liste)->horizontalHeader();
                    for (int c = 0; c < h->count(); ++c) {
                        if (h->isSectionHidden(c))
                            continue;
                        QTableView* v = st->Table(liste);
                        if (v->model()->rowCount() > 0)
                            v->scrollTo(v->model()->index(0, c));
                        QTest::mouseClick(
                            h->viewport(), Qt::LeftButton, {},
                            QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
                        QTest::qWait(10);
                        for (const QString& cut : CutTexts(st))
                            statCut << QStringLiteral("tab %1, column %2: %3").arg(t).arg(c).arg(cut);
                    }
                    Shoot(st, QStringLiteral("%1-statistik-tab%2").arg(lang).arg(t));
                }
                // The progress chart of the first list's first value column that draws one.
                st->Tabs()->setCurrentIndex(0);
                QTest::qWait(20);
                QHeaderView* h = st->Table(1)->horizontalHeader();
                for (int c = 0;
                     c < h->count() && !st->Action(QStringLiteral("StatistikVerlauf"))->isEnabled(); ++c) {
                    if (h->isSectionHidden(c))
                        continue;
                    st->Table(1)->scrollTo(st->Table(1)->model()->index(0, c));
                    QTest::mouseClick(
                        h->viewport(), Qt::LeftButton, {},
                        QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
                    QTest::qWait(10);
                }
                statCut << CutTexts(st);
                const auto output = [&](QWidget* w, QStringList& cut, const QString& name) {
                    cut << CutTexts(w);
                    Shoot(w, QStringLiteral("%1-%2").arg(lang, name));
                };
                statCut << InWindow<ProgressChartWindow>(
                    answer,
                    [&] {
                        if (!ClickButtonOf(st, st->Action(QStringLiteral("StatistikVerlauf"))))
                            statCut << QStringLiteral("no progress chart to click");
                    },
                    [&](ProgressChartWindow* v, QStringList& cut) {
                        output(v, cut, QStringLiteral("verlauf"));
                    },
                    [](ProgressChartWindow* v) { v->reject(); });
                statCut << InWindow<SummaryWindow>(
                    answer,
                    [&] {
                        if (!ClickButtonOf(st, st->Action(QStringLiteral("ShortStat"))))
                            statCut << QStringLiteral("no summary to click");
                    },
                    [&](SummaryWindow* z, QStringList& cut) {
                        output(z, cut, QStringLiteral("zusammenfassung"));
                    },
                    [](SummaryWindow* z) { z->reject(); });
                st->reject();
            });
            return true;
        };
        f.Action(QStringLiteral("Statistik"))->trigger();
        QTRY_VERIFY(shown);
        statCut.removeDuplicates();
        QVERIFY2(statCut.isEmpty(), qPrintable(statCut.join(QLatin1Char('\n'))));

        // The export window with the patients.
        QStringList exportCut;
        shown = false;
        answer.onWindow = [&](QWidget* w) {
            auto* e = qobject_cast<ExportWindow*>(w);
            if (!e)
                return false;
            shown = true;
            QTimer::singleShot(0, e, [&, e] {
                QTest::qWait(100);
                exportCut = CutTexts(e);
                Shoot(e, QStringLiteral("%1-export").arg(lang));
                e->reject();
            });
            return true;
        };
        f.Action(QStringLiteral("Export"))->trigger();
        QTRY_VERIFY(shown);
        QVERIFY2(exportCut.isEmpty(), qPrintable(exportCut.join(QLatin1Char('\n'))));

        // The import window, the print preview of the recording shown, the programming window
        // on every program tab and its system parameters.
        QStringList more = InWindow<ImportWindow>(
            answer, [&] { f.Action(QStringLiteral("Import"))->trigger(); },
            [&](ImportWindow* i, QStringList& cut) {
                cut << CutTexts(i);
                Shoot(i, QStringLiteral("%1-import").arg(lang));
            },
            [](ImportWindow* i) { i->reject(); });
        more << InWindow<PrintPreviewWindow>(
            answer, [&] { f.Action(QStringLiteral("Print"))->trigger(); },
            [&](PrintPreviewWindow* v, QStringList& cut) {
                cut << CutTexts(v);
                Shoot(v, QStringLiteral("%1-druckvorschau").arg(lang));
            },
            [](PrintPreviewWindow* v) { v->reject(); });
        more << InWindow<ProgrammingWindow>(
            answer, [&] { f.Action(QStringLiteral("Programmieren"))->trigger(); },
            [&](ProgrammingWindow* w, QStringList& cut) {
                for (int t = 0; t < w->Tabs()->count(); ++t) {
                    if (!w->Tabs()->isTabVisible(t) || !w->Tabs()->isTabEnabled(t))
                        continue;
                    w->Tabs()->setCurrentIndex(t);
                    QTest::qWait(20);
                    for (const QString& c : CutTexts(w))
                        cut << QStringLiteral("program tab %1: %2").arg(t).arg(c);
                }
                w->Tabs()->setCurrentIndex(0);
                Shoot(w, QStringLiteral("%1-programmierung").arg(lang));
                cut << InWindow<SystemParametersDialog>(
                    answer,
                    [&] {
                        if (!ClickButtonOf(w, w->Action(QStringLiteral("ParSys"))))
                            cut << QStringLiteral("no system parameters to click");
                    },
                    [&](SystemParametersDialog* sp, QStringList& c) {
                        c << CutTexts(sp);
                        Shoot(sp, QStringLiteral("%1-systemparameter").arg(lang));
                    },
                    [](SystemParametersDialog* sp) {
                        ClickButtonOf(sp, sp->Action(QStringLiteral("ParBack")));
                    });
            },
            [](ProgrammingWindow* w) { ClickButtonOf(w, w->Action(QStringLiteral("Back6"))); });
        more.removeDuplicates();
        QVERIFY2(more.isEmpty(), qPrintable(more.join(QLatin1Char('\n'))));
        pageCut.removeDuplicates();
        QVERIFY2(pageCut.isEmpty(), qPrintable(pageCut.join(QLatin1Char('\n'))));
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('\n'))));
        f.close();
        device.Stop();
        loc.Switch(QStringLiteral("de"));
#else
        QSKIP("built without the localizer");
#endif
    }

    // The live measurement with the panel beside the chart at 1280 x 800, in all five languages:
    // a long patient's name, a two-channel program and a stimulation program, in a threshold
    // phase and in the current phase; every text whole.
    void LivePanelWholeInEveryLanguage_data() {
        QTest::addColumn<QString>("lang");
        for (const char* lang : {"de", "en", "fr", "it", "pl"})
            QTest::newRow(lang) << QString::fromLatin1(lang);
    }

    void LivePanelWholeInEveryLanguage() {
#if defined(ZUD_HAVE_I18N)
        QFETCH(QString, lang);
        auto dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        auto& loc = zud::i18n::Localizer::Instance();
        QVERIFY(loc.Switch(lang));
        emu::Emulator device;
        QVERIFY(device.Start());
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(device.SlavePath()));
        QVERIFY(f.OpenDatabase());
        f.SetLeftPanel(true);
        f.show();
        f.showNormal();
        f.resize(1280, 800);
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Patient p;
        p.Name = QStringLiteral("Zimmermann-Łukasiewicz");
        p.Vorname = QStringLiteral("Małgorzata");
        p.Geburtstag = QDate(1961, 9, 23);
        const qint64 pat = f.DM()->AddPatient(p);
        f.FillPatList();
        f.OpenPatient(pat);
        struct Lauf {
            int mode, samples;
            const char* name;
            int minuten;
        };
        // Mode 2 at 270 samples: contract phase of the first cycle is over, the pause ran,
        // the current flows; mode 0 at 30: relax with a threshold; mode 9: two channels;
        // mode 7: pressure with two EMG channels.
        for (const Lauf& l : {Lauf{2, 270, "Beckenboden Kräftigung", 30}, Lauf{0, 30, "Entspannung", 61},
                              Lauf{9, 60, "Zwei Kanäle", 10}, Lauf {
                                  7,
                                  40,
                                  "Druck + EMG",
                                  12
                              }}) {
            ProgrammParameter pp{};
            pp.Nummer = 1;
            pp.Aktiviert = 1;
            pp.Betriebsart = uint8_t(l.mode);
            pp.Anspannzeit = 5;
            pp.Entspannzeit = 5;
            pp.Pausenzeit = 10;
            pp.Stromzeit = 20;
            pp.Frequenz1 = 50;
            pp.Impulslaenge1 = 20;
            pp.Timeout = uint8_t(l.minuten);
            // The device's character set: Latin-1 for these names.
            const QByteArray name = QString::fromUtf8(l.name).toLatin1();
            std::memcpy(pp.Name, name.constData(), std::min(size_t(name.size()), sizeof pp.Name));
            emu::LiveOptions o;
            o.programm.assign(reinterpret_cast<const uint8_t*>(&pp),
                              reinterpret_cast<const uint8_t*>(&pp) + sizeof pp);
            o.intervalMs = 0;
            o.samples = l.samples;
            o.endWithPhase14 = false;
            device.SetLive(o);
            f.Action(QStringLiteral("EZStart"))->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(f.Live() ? f.Live()->Samples() : 0, l.samples, 10000);
            QTest::qWait(50);
            QVERIFY(f.LivePanel()->isVisible());
            const QStringList cut = CutTexts(&f);
            QVERIFY2(cut.isEmpty(),
                     qPrintable(QStringLiteral("mode %1:\n").arg(l.mode) + cut.join(QLatin1Char('\n'))));
            // Nothing of the panel lies outside the window.
            QVERIFY(f.rect().contains(QRect(f.LivePanel()->mapTo(&f, QPoint(0, 0)), f.LivePanel()->size())));
            Shoot(&f, QStringLiteral("%1-live-mode%2").arg(lang).arg(l.mode));
            f.Action(QStringLiteral("EZStop"))->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!f.LiveMode(), 5000);
            QVERIFY(device.WaitIdle());
        }
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('\n'))));
        f.close();
        device.Stop();
        loc.Switch(QStringLiteral("de"));
#else
        QSKIP("built without the localizer");
#endif
    }

    // The file dialogs (Qt's own on this desktop) show every column's caption and its dates whole.
    void FileDialogColumnsFit_data() {
        WholeTextsInEveryWindow_data();
    }

    void FileDialogColumnsFit() {
#if defined(ZUD_HAVE_I18N)
        QFETCH(QString, lang);
        auto& loc = zud::i18n::Localizer::Instance();
        QVERIFY(loc.Switch(lang));
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const char* name :
             {"Łukasiewicz_Małgorzata_2026-11-07_1030.csv", "Parameter Praxis Nord.zud", "a.bak3"}) {
            QFile file(folder.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(123456, 'x'));
            QVERIFY(file.setFileTime(QDateTime(QDate(2026, 11, 7), QTime(10, 30)),
                                     QFileDevice::FileModificationTime));
        }
        QWidget owner;
        owner.resize(800, 600);
        QFileDialog d(&owner, QStringLiteral("ZUD"), folder.path());
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setViewMode(QFileDialog::Detail);
        auto* model = d.findChild<QFileSystemModel*>();
        QVERIFY(model);
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTRY_VERIFY(loaded.count() > 0);
        QTest::qWait(100);
        auto* view = d.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(view && view->isVisible());
        QHeaderView* h = view->header();
        QVERIFY(h->count() >= 4);
        for (int c = 1; c < h->count(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            const QString caption = view->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(h->sectionSize(c) >= h->fontMetrics().horizontalAdvance(caption) + 4,
                     qPrintable(caption));
            QVERIFY2(h->sectionSize(c) >= static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c),
                     qPrintable(caption));
        }
        // The name column keeps room for the long file name and nothing runs off to the right.
        QVERIFY(h->sectionSize(0) >=
                h->fontMetrics().horizontalAdvance(QStringLiteral("Łukasiewicz_Małgorzata")));
        QVERIFY(h->length() <= view->viewport()->width() + 1);
        // The dates in the program's language, as its lists write them: not the machine's
        // C locale beside captions in German or Polish.
        QAbstractItemModel* shown = view->model();
        QString datum;
        for (int r = 0; r < shown->rowCount(view->rootIndex()); ++r) {
            if (shown->index(r, 0, view->rootIndex()).data().toString() == QLatin1String("a.bak3"))
                datum = shown->index(r, 3, view->rootIndex()).data().toString();
        }
        QCOMPARE(datum, FileDialogDate(QDateTime(QDate(2026, 11, 7), QTime(10, 30))));
        if (QLocale().language() == QLocale::German || QLocale().language() == QLocale::Polish)
            QCOMPARE(datum, QStringLiteral("07.11.2026 10:30"));
        Shoot(&d, QStringLiteral("%1-file-dialog").arg(lang));
        d.reject();
        loc.Switch(QStringLiteral("de"));
#else
        QSKIP("built without the localizer");
#endif
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    ScreensTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_screens.moc"
