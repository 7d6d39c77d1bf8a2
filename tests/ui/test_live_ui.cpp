// The live measurement in the main window, against the emulated device over a pseudo-terminal
// and a real embedded Firebird database: the running and idle states, the live chart, the
// "*Neu" tab and its saving to the current patient, and the tone that follows the live value.

#include "Chart.h"
#include "ChartFrame.h"
#include "Emulator.h"
#include "LiveChart.h"
#include "LiveMeasurement.h"
#include "LiveSessionPanel.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "Recording.h"
#include "RecordingTabs.h"
#include "Ribbon.h"
#include "SmallDisk.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "ToneOutput.h"
#include "UiTestEnv.h"

#include <QAudioDevice>
#include <QComboBox>
#include <QLabel>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace zud;
using namespace zud::ui;

namespace {

class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(15, parent) {}
    QStringList boxes;
    QList<bool> answers; // Yes when used up

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            if (box->standardButtons() & QMessageBox::Yes)
                box->done(answers.isEmpty() || answers.takeFirst() ? QMessageBox::Yes : QMessageBox::No);
            else
                box->done(QMessageBox::Ok);
        }
    }
};

int Count(PatientDatabase& dm, const QString& sql) {
    const auto rows = dm.Db().Query(sql);
    return rows.empty() ? -1 : int(rows.front().Int(QStringLiteral("N"), -1));
}

// A program as the device sends it in its "P" packet.
std::vector<uint8_t> Programm(int mode, const char* name, int minuten) {
    ProgrammParameter p{};
    p.Nummer = 2;
    p.Aktiviert = 1;
    p.Betriebsart = uint8_t(mode);
    p.Anspannzeit = 5;
    p.Entspannzeit = 5;
    p.Pausenzeit = 10;
    p.Stromzeit = 20;
    p.Frequenz1 = 50;
    p.Impulslaenge1 = 20;
    p.Timeout = uint8_t(minuten);
    std::memcpy(p.Name, name, std::strlen(name));
    const auto* b = reinterpret_cast<const uint8_t*>(&p);
    return std::vector<uint8_t>(b, b + sizeof p);
}

QString Text(MainWindow& f, const char* label) {
    auto* l = f.LivePanel()->findChild<QLabel*>(QString::fromLatin1(label));
    return l && l->isVisible() ? l->text() : QStringLiteral("<hidden>");
}

bool ClickRibbon(MainWindow& f, const QString& action) {
    for (RibbonButton* b : f.findChildren<RibbonButton*>()) {
        if (b->defaultAction() != f.Action(action))
            continue;
        for (int t = 0; t < f.RibbonBar()->count(); ++t)
            if (f.RibbonBar()->widget(t)->isAncestorOf(b))
                f.RibbonBar()->setCurrentIndex(t);
        QCoreApplication::processEvents();
        if (!b->isVisible() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }
    return false;
}

} // namespace

class LiveUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<emu::Emulator> emu;

    std::unique_ptr<MainWindow> Open() {
        auto f = std::make_unique<MainWindow>();
        f->Create(QString::fromStdString(emu->SlavePath()));
        if (!f->OpenDatabase())
            return nullptr;
        f->SetLeftPanel(true);
        f->resize(1200, 800);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()))
            return nullptr;
        return f;
    }

    // The window's actions that rest while the feed runs.
    static QStringList Resting() {
        return {QStringLiteral("EZStart"),          QStringLiteral("Beenden"),
                QStringLiteral("Speichern"),        QStringLiteral("Messung_Schliessen"),
                QStringLiteral("Messung_loeschen"), QStringLiteral("Messung_Laden"),
                QStringLiteral("LeseMessungen"),    QStringLiteral("Patienten"),
                QStringLiteral("PatNeu"),           QStringLiteral("PatLoeschen"),
                QStringLiteral("Zuschneiden"),      QStringLiteral("Aktualisieren"),
                QStringLiteral("PortMenu"),         QStringLiteral("Backup"),
                QStringLiteral("Statistik"),        QStringLiteral("Programmieren"),
                QStringLiteral("ChangeApp")};
    }

private slots:
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-live-lock"))); }
    void init() {
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        emu = std::make_unique<emu::Emulator>();
        QVERIFY(emu->Start());
    }
    void cleanup() { emu.reset(); }

    // The database on a small disk that is full when the live recording is saved: the message
    // says so and where, the tab keeps the recording, and once space is freed it is stored.
    void ASaveOnAFullDiskKeepsTheTabAndStoresOnceThereIsSpace() {
        const QString small = dir->filePath(QStringLiteral("klein"));
        zud::test::RamDisk disk(small, 24 * 1024 * 1024);
        if (!disk.Mounted())
            QSKIP("a small file system of its own (tmpfs) can only be mounted as root");
        const QString dbDir = QDir(small).filePath(QStringLiteral("db"));
        QDir().mkpath(dbDir);
        zud::test::WriteMachine(QStringLiteral("SQLDir3"), dbDir);
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        Patient p;
        p.Name = QStringLiteral("Voll");
        p.Vorname = QStringLiteral("Vera");
        p.Geburtstag = QDate(1966, 6, 6);
        const qint64 pat = dm.AddPatient(p);
        f->FillPatList();
        f->OpenPatient(pat);
        emu::LiveOptions o;
        o.mode = 0;
        o.intervalMs = 5;
        o.samples = -1;
        emu->SetLive(o);
        QVERIFY(ClickRibbon(*f, QStringLiteral("EZStart")));
        QTRY_VERIFY_WITH_TIMEOUT(f->Live()->Samples() >= 60, 10000);
        QVERIFY(ClickRibbon(*f, QStringLiteral("EZStop")));
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        QCOMPARE(f->TabCount(), 1);
        const QByteArray neu = f->DisplayedStream();

        QFile filler(QDir(small).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        QVERIFY(zud::test::LeaveFree(filler, 64 * 1024));
        const int boxes = answer.boxes.size();
        answer.answers = {true};
        QVERIFY(ClickRibbon(*f, QStringLiteral("Speichern")));
        QTRY_COMPARE(answer.boxes.size(), boxes + 2); // the question, then the failure
        QVERIFY2(answer.boxes.last().startsWith(QStringLiteral("Kein Platz auf ") + dbDir),
                 qPrintable(answer.boxes.last()));
        QVERIFY(f->TabCounter(0) <= 0);
        QCOMPARE(f->TabCaption(0), QStringLiteral("*Neu1"));
        QVERIFY(f->Action(QStringLiteral("Speichern"))->isEnabled());
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from ZUDData")), 0);

        filler.close();
        QVERIFY(filler.remove());
        answer.answers = {true};
        QVERIFY(ClickRibbon(*f, QStringLiteral("Speichern")));
        QTRY_VERIFY(f->TabCounter(0) > 0);
        const auto rec = dm.GetRecording(f->TabCounter(0));
        QVERIFY(rec);
        QCOMPARE(rec->Daten, neu);
        QCOMPARE(rec->Patient, pat);
    }

    // Start, running state, stop, idle state restored, the "*Neu" tab, saving it.
    void RunStopKeepAndSave() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        Patient p;
        p.Name = QStringLiteral("Wiśniewska");
        p.Vorname = QStringLiteral("Zofia");
        p.Geburtstag = QDate(1980, 5, 6);
        const qint64 pat = dm.AddPatient(p);
        f->FillPatList();
        f->OpenPatient(pat);
        QAction* start = f->Action(QStringLiteral("EZStart"));
        QAction* stop = f->Action(QStringLiteral("EZStop"));
        QVERIFY(start->isEnabled());
        QVERIFY(!stop->isEnabled());
        QMap<QString, bool> before;
        for (const QString& n : Resting())
            before[n] = f->Action(n)->isEnabled();
        // With a patient open these are all enabled before the run, so the comparison after it
        // says that they come back.
        for (const char* n : {"Statistik", "Programmieren", "ChangeApp", "LeseMessungen", "EZStart"})
            QVERIFY2(before[QString::fromLatin1(n)], n);

        emu::LiveOptions o;
        o.mode = 0;
        o.intervalMs = 5;
        o.samples = -1;
        emu->SetLive(o);
        start->trigger();
        QVERIFY(f->LiveMode()); // from the click on
        QTRY_VERIFY_WITH_TIMEOUT(f->LiveChartView()->isVisible(), 5000);
        QVERIFY(stop->isEnabled());
        for (const QString& n : Resting())
            QVERIFY2(!f->Action(n)->isEnabled(), qPrintable(n));
        QVERIFY(!f->RibbonBar()->Group(QStringLiteral("GroupPatienten"))->isEnabled());
        QVERIFY(f->LiveChartView()->isVisible());
        QVERIFY(!f->Tabs()->isVisible());
        // Closing is refused while the feed runs.
        QVERIFY(!f->close());
        QTRY_VERIFY_WITH_TIMEOUT(f->Live()->Samples() >= 60, 10000);
        QVERIFY(f->LiveChartView()->FullRedraws() >= 1);
        DumpScreenshot(f.get(), QStringLiteral("live-running-mode0"));
        stop->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->LiveEnd(), 1); // told to leave real-time mode
        QCOMPARE(emu->Screen(), 0);  // the normal screen again
        QVERIFY(!f->Device()->ComOpen);
        // The idle state exactly as before, and the new tab.
        QVERIFY(!stop->isEnabled());
        for (const QString& n : Resting()) {
            if (n == QLatin1String("Speichern") || n == QLatin1String("Messung_Schliessen") ||
                n == QLatin1String("Zuschneiden"))
                continue; // these follow the new tab
            QCOMPARE(f->Action(n)->isEnabled(), before[n]);
        }
        QVERIFY(f->Tabs()->isVisible());
        QVERIFY(!f->LiveChartView()->isVisible());
        QCOMPARE(f->TabCount(), 1);
        QCOMPARE(f->TabCaption(0), QStringLiteral("*Neu1"));
        QVERIFY(f->Action(QStringLiteral("Speichern"))->isEnabled());
        QVERIFY(f->Action(QStringLiteral("Messung_Schliessen"))->isEnabled());
        const QByteArray neu = f->DisplayedStream();
        const Messung m = FillArray(reinterpret_cast<const uint8_t*>(neu.constData()), size_t(neu.size()));
        QCOMPARE(int(m.Werte.size()), f->Live()->Samples());
        // Every value as the device reported it.
        const auto fed = emu->LivePackets();
        QVERIFY(fed.size() >= m.Werte.size());
        for (size_t i = 0; i < m.Werte.size(); ++i) {
            QCOMPARE(m.Werte[i].Phase, fed[i].phase);
            if (fed[i].phase != 3)
                QCOMPARE(m.Werte[i].EMG1_RAW, fed[i].b[0] * EMGBereich(fed[i].b[1] & 0x0F) / 200);
        }

        // Logout, "Passwort ändern" and "DB-Manager" (with user control, on a server) and
        // closing the window ask before the unsaved recording goes; "No" keeps everything.
        int fragen = 0;
        for (const char* name : {"Logout", "ChangePW", "user"}) {
            f->Action(QString::fromLatin1(name))->setEnabled(true);
            answer.answers = {false};
            f->Action(QString::fromLatin1(name))->trigger();
            QCOMPARE(answer.boxes.size(), ++fragen);
            QVERIFY(answer.boxes.last().contains(QStringLiteral("nicht gespeichert")));
            QVERIFY(f->DM()->LoggedIn());
        }
        answer.answers = {false};
        QVERIFY(!f->close());
        QCOMPARE(answer.boxes.size(), ++fragen);
        QCOMPARE(f->TabCount(), 1);

        // Saving first names the patient it stores for; "Nein" stores nothing.
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from QALGeraete")), 0);
        answer.answers = {false};
        f->Action(QStringLiteral("Speichern"))->trigger();
        QCOMPARE(answer.boxes.size(), ++fragen);
        QVERIFY2(answer.boxes.last().contains(QStringLiteral("Zofia, Wiśniewska")),
                 qPrintable(answer.boxes.last()));
        QVERIFY(f->TabCounter(0) <= 0);
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from ZUDData")), 0);
        // "Ja" stores it for the current patient with its device row.
        answer.answers = {true};
        f->Action(QStringLiteral("Speichern"))->trigger();
        QCOMPARE(answer.boxes.size(), ++fragen);
        QVERIFY(f->TabCounter(0) > 0);
        QVERIFY(!f->Action(QStringLiteral("Speichern"))->isEnabled());
        const auto rec = dm.GetRecording(f->TabCounter(0));
        QVERIFY(rec);
        QCOMPARE(rec->Daten, neu);
        QCOMPARE(rec->Patient, pat);
        QCOMPARE(rec->Betriebsart, 1);
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from QALGeraete")), 1);
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from ZUDData z join QALGeraete g on "
                                          "g.GeraeteID = z.Typ where z.Counter = %1")
                               .arg(f->TabCounter(0))),
                 1);
        QCOMPARE(f->RecordingListModel()->rowCount(), 1);
        QVERIFY(!f->TabCaption(0).startsWith(QLatin1String("*Neu")));
        QCOMPARE(f->Tabs()->Unsaved(), 0);
    }

    // The device ends the run with phase 14; a second run gives "*Neu2"; a stop before the
    // device sends anything leaves no tab.
    void DeviceEndsAndShortRuns() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        Patient p;
        p.Name = QStringLiteral("Novák");
        p.Vorname = QStringLiteral("Jan");
        p.Geburtstag = QDate(1975, 2, 3);
        const qint64 pat = f->DM()->AddPatient(p);
        f->FillPatList();
        f->OpenPatient(pat);
        QVERIFY(f->Action(QStringLiteral("Statistik"))->isEnabled());
        emu::LiveOptions o;
        o.mode = 7;
        o.intervalMs = 0;
        o.samples = 40;
        emu->SetLive(o);
        f->Action(QStringLiteral("EZStart"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(f->TabCount() == 1, 10000);
        QVERIFY(!f->LiveMode());
        QCOMPARE(emu->LiveEnd(), 2);
        QCOMPARE(f->TabCaption(0), QStringLiteral("*Neu1"));
        QCOMPARE(f->Frame(0)->Recording().Werte.size(), size_t(40));
        // After the device's end the commands are back by their own rules.
        for (const char* n :
             {"Statistik", "Programmieren", "ChangeApp", "LeseMessungen", "EZStart", "Patienten"})
            QVERIFY2(f->Action(QString::fromLatin1(n))->isEnabled(), n);
        QVERIFY(!f->Action(QStringLiteral("EZStop"))->isEnabled());
        o.mode = 9;
        emu->SetLive(o);
        f->Action(QStringLiteral("EZStart"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(f->TabCount() == 2, 10000);
        QCOMPARE(f->TabCaption(1), QStringLiteral("*Neu2"));
        QCOMPARE(f->ActiveTab(), 1);
        o.startDelayMs = 10000;
        emu->SetLive(o);
        f->Action(QStringLiteral("EZStart"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(f->LiveMode(), 5000);
        f->Action(QStringLiteral("EZStop"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        QCOMPARE(f->TabCount(), 2);
        QCOMPARE(f->ActiveTab(), 1);
        QVERIFY(f->Action(QStringLiteral("EZStart"))->isEnabled());
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
    }

    // The panel beside the live chart during runs of known programs: who (or that nobody is
    // chosen), program and mode, elapsed of total time, cycle n of N, the current value with its
    // unit (the current in mA in a stimulation phase), and in threshold phases the share of the
    // run on the asked side, the same samples the tone sounded for.
    void PanelFollowsTheRun() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        f->resize(1280, 800);
        QVERIFY(!f->LivePanel()->isVisible());
        // Mode 2, cycle 5 + 5 + 10 + 20 s, 4 minutes: 6 cycles. 650 samples are 65 s, in the
        // second cycle's stimulation phase. Then the device falls silent (no phase 14), so the
        // panel stays as it was until the stop.
        emu::LiveOptions o;
        o.programm = Programm(2, "Beckenboden 1", 4);
        o.intervalMs = 0;
        o.samples = 650;
        o.endWithPhase14 = false;
        emu->SetLive(o);
        QVERIFY(ClickRibbon(*f, QStringLiteral("EZStart")));
        QTRY_VERIFY_WITH_TIMEOUT(f->LiveMode(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(f->Live()->Samples(), 650, 10000);
        QVERIFY(f->LivePanel()->isVisible());
        QVERIFY(f->LiveChartView()->isVisible());
        // Beside the chart, not over it, and wide enough for its texts.
        QCoreApplication::processEvents();
        QVERIFY(!f->LivePanel()->geometry().intersects(f->LiveChartView()->geometry()));
        QVERIFY(f->LivePanel()->width() >= f->LivePanel()->minimumSizeHint().width());
        QVERIFY(f->LiveChartView()->width() >= f->width() / 2);
        QCOMPARE(Text(*f, "LivePatient"), QStringLiteral("kein Patient gewählt"));
        QCOMPARE(Text(*f, "LiveProgram"), QStringLiteral("Beckenboden 1"));
        QCOMPARE(Text(*f, "LiveMode"), QStringLiteral("Biofeedback+Elektrostim."));
        QCOMPARE(Text(*f, "LiveTime"), QStringLiteral("01:05"));
        QCOMPARE(Text(*f, "LiveTotal"), QStringLiteral("Gesamtdauer: 04:00"));
        QCOMPARE(Text(*f, "LiveCycle"), QStringLiteral("2 von 6"));
        const auto fed = emu->LivePackets();
        QCOMPARE(fed.size(), size_t(650));
        QCOMPARE(fed.back().phase, 3);
        QCOMPARE(Text(*f, "LiveValueCaption"), QStringLiteral("Strom"));
        QCOMPARE(Text(*f, "LiveValue"), QLocale().toString(fed.back().b[0] / 10.0, 'f', 1));
        QCOMPARE(Text(*f, "LiveUnit"), QStringLiteral("mA"));
        QCOMPARE(Text(*f, "LiveShare"), QStringLiteral("<hidden>")); // no threshold while the current flows
        // Large digits: the value is at least three times as tall as the window's text.
        const QLabel* wert = f->LivePanel()->findChild<QLabel*>(QStringLiteral("LiveValue"));
        QVERIFY(wert->fontMetrics().height() >= 3 * f->fontMetrics().height());
        DumpScreenshot(f.get(), QStringLiteral("live-panel-mode2"));
        QVERIFY(ClickRibbon(*f, QStringLiteral("EZStop")));
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        QVERIFY(!f->LivePanel()->isVisible());
        QVERIFY(emu->WaitIdle());

        // Mode 0 without an end ("Dauerbetrieb") for a chosen patient: 125 samples are 12 s of
        // the second 10-s cycle, in its relax phase.
        Patient p;
        p.Name = QStringLiteral("Wiśniewska");
        p.Vorname = QStringLiteral("Zofia");
        p.Geburtstag = QDate(1980, 5, 6);
        const qint64 pat = f->DM()->AddPatient(p);
        f->FillPatList();
        f->OpenPatient(pat);
        o.programm = Programm(0, "Ruhe", 61);
        o.samples = 125;
        emu->SetLive(o);
        QVERIFY(ClickRibbon(*f, QStringLiteral("EZStart")));
        QTRY_VERIFY_WITH_TIMEOUT(f->LiveMode(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(f->Live()->Samples(), 125, 10000);
        QCOMPARE(Text(*f, "LivePatient"), QStringLiteral("Zofia Wiśniewska\n*") + FormatDate(p.Geburtstag));
        QCOMPARE(Text(*f, "LiveProgram"), QStringLiteral("Ruhe"));
        QCOMPARE(Text(*f, "LiveMode"), QStringLiteral("EMG-Biofeedback"));
        QCOMPARE(Text(*f, "LiveTime"), QStringLiteral("00:12"));
        QCOMPARE(Text(*f, "LiveTotal"), QStringLiteral("Dauerbetrieb"));
        QCOMPARE(Text(*f, "LiveCycle"), QStringLiteral("2"));
        const auto emg = emu->LivePackets();
        QCOMPARE(emg.size(), size_t(125)); // this run's packets
        const auto& last = emg.back();
        QCOMPARE(last.phase, 0);
        // The smoothed value (mean of the last three bytes) on the sample's range, in µV.
        const int mittel =
            int(std::lround((emg[emg.size() - 3].b[0] + emg[emg.size() - 2].b[0] + last.b[0]) / 3.0));
        QCOMPARE(Text(*f, "LiveValueCaption"), QStringLiteral("EMG"));
        QCOMPARE(Text(*f, "LiveValue"),
                 QLocale().toString(mittel * EMGBereich(last.b[1] & 0x0F) / 200.0, 'f', 1));
        QCOMPARE(Text(*f, "LiveUnit"), QStringLiteral("µV"));
        // Every sample of this program has a threshold: the share is that of the sounding ones.
        QVERIFY(f->Live()->ToneSamples() > 0 && f->Live()->ToneSamples() < 125);
        QCOMPARE(Text(*f, "LiveShare"),
                 QStringLiteral("%1 %").arg(std::lround(100.0 * f->Live()->ToneSamples() / 125)));
        QCOMPARE(Text(*f, "LiveTarget"), QStringLiteral("Ziel: unter der Schwelle"));
        DumpScreenshot(f.get(), QStringLiteral("live-panel-mode0"));
        QVERIFY(ClickRibbon(*f, QStringLiteral("EZStop")));
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
    }

    // The end of the session during a run: the feed stops and the recording is a tab at once.
    void SessionEndKeepsTheRecording() {
        auto f = Open();
        QVERIFY(f);
        emu::LiveOptions o;
        o.mode = 5;
        o.intervalMs = 5;
        o.samples = -1;
        emu->SetLive(o);
        f->Action(QStringLiteral("EZStart"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(f->Live()->Samples() >= 20, 10000);
        QVERIFY(f->StopLiveAndKeep(3000));
        QVERIFY(!f->LiveMode());
        QCOMPARE(f->TabCount(), 1);
        QCOMPARE(f->Tabs()->Unsaved(), 1);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->LiveEnd(), 1);
    }

    // "Ton" is off and the volume at 50 % in a new installation; both are stored as they are
    // changed and come back in the next main window.
    void ToneSwitchAndVolumeAreStored() {
        {
            auto f = Open();
            QVERIFY(f);
            QAction* ton = f->Action(QStringLiteral("EZTon"));
            QVERIFY(ton->isCheckable());
            QVERIFY(!ton->isChecked());
            QVERIFY(!f->Tone()->Enabled());
            QCOMPARE(f->ToneVolumeControl()->value(), 50);
            QCOMPARE(f->Tone()->Volume(), 50);
            // In the live group of the communication tab, with a tip.
            RibbonGroup* g = f->RibbonBar()->Group(QStringLiteral("GroupKommunikation"));
            bool found = false;
            for (RibbonButton* b : g->Buttons())
                found |= b->defaultAction() == ton;
            QVERIFY(found);
            QCOMPARE(f->ToneVolumeControl()->parentWidget()->parentWidget(), g);
            QVERIFY(ScreenTip(ton).contains(QStringLiteral("Schwelle")));
            QVERIFY(f->ToneVolumeControl()->toolTip().contains(QStringLiteral("50")));
            ton->trigger();
            f->ToneVolumeControl()->setValue(30);
            QVERIFY(f->Tone()->Enabled());
            QCOMPARE(f->Tone()->Volume(), 30);
            QVERIFY(f->ToneVolumeControl()->toolTip().contains(QStringLiteral("30")));
            QVERIFY(f->close());
        }
        QVERIFY(Settings().LiveTone());
        QCOMPARE(Settings().LiveToneVolume(), 30);
        {
            auto f = Open();
            QVERIFY(f);
            QVERIFY(f->Action(QStringLiteral("EZTon"))->isChecked());
            QVERIFY(f->Tone()->Enabled());
            QCOMPARE(f->ToneVolumeControl()->value(), 30);
            QCOMPARE(f->Tone()->Volume(), 30);
            f->Action(QStringLiteral("EZTon"))->trigger();
            f->ToneVolumeControl()->setValue(0);
            QVERIFY(f->close());
        }
        {
            auto f = Open();
            QVERIFY(f);
            QVERIFY(!f->Action(QStringLiteral("EZTon"))->isChecked());
            QVERIFY(!f->Tone()->Enabled());
            QCOMPARE(f->ToneVolumeControl()->value(), 0);
        }
    }

    // Live runs with the tone on. Every value is decided (the EMG run crosses its threshold both
    // ways) and every value is acknowledged as without the tone. Without an audio output (as on
    // the test machines) the tone stays silent and the status bar says so once for the whole run
    // of the program, not once per measurement.
    void ToneDuringLiveRuns() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        const QString kein = QStringLiteral("Kein Audioausgabegerät");
        int meldungen = 0;
        connect(f->statusBar(), &QStatusBar::messageChanged, this,
                [&](const QString& m) { meldungen += m.contains(kein); });
        f->Action(QStringLiteral("EZTon"))->trigger();
        QVERIFY(f->Tone()->Enabled());
        QCOMPARE(meldungen, 0); // nothing to play yet
        const bool stumm = QMediaDevices::defaultAudioOutput().isNull();
        for (int mode : {0, 5}) {
            emu::LiveOptions o;
            o.mode = mode;
            o.intervalMs = 2;
            o.samples = 200;
            o.seed = 5;
            emu->SetLive(o);
            bool offen = false, gespielt = false;
            f->Action(QStringLiteral("EZStart"))->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(f->LiveMode(), 5000);
            const QDeadlineTimer frist(20000);
            while (f->LiveMode() && !frist.hasExpired()) {
                offen |= f->Tone()->Open();
                gespielt |= f->Tone()->Playing();
                QTest::qWait(5);
            }
            QTRY_COMPARE_WITH_TIMEOUT(f->TabCount(), mode == 0 ? 1 : 2, 5000);
            QCOMPARE(f->Live()->Samples(), 200);
            QCOMPARE(emu->LiveAcks(), 200);
            QVERIFY(f->Live()->ToneSamples() > 0);
            QVERIFY(f->Live()->ToneSamples() < 200);
            QCOMPARE(offen, !stumm);
            if (stumm)
                QVERIFY(!gespielt);
            QVERIFY(!f->Tone()->Open()); // closed at the end of the run
            QVERIFY(!f->Tone()->Playing());
            f->statusBar()->clearMessage(); // a repeated message would show again
        }
        QCOMPARE(meldungen, stumm ? 1 : 0);
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
    }

    // The generator behind the tone: silence while off, a sine of the set pitch and level while
    // on, faded in and out within a few milliseconds; the same value in every channel.
    void ToneGenerator() {
        QAudioFormat format;
        format.setSampleRate(8000);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        SineSource sine(format);
        QVERIFY(sine.isReadable());
        auto lies = [&sine](int frames) {
            const QByteArray b = sine.read(frames * sine.Format().bytesPerFrame());
            std::vector<qint16> v(size_t(b.size()) / sizeof(qint16));
            std::memcpy(v.data(), b.constData(), v.size() * sizeof(qint16));
            return v;
        };
        auto spitze = [](const std::vector<qint16>& v, size_t from, size_t to = SIZE_MAX) {
            int m = 0;
            for (size_t i = from; i < std::min(to, v.size()); ++i)
                m = std::max(m, std::abs(int(v[i])));
            return m;
        };
        sine.SetAmplitude(0.5);
        sine.SetFrequency(1000);
        std::vector<qint16> v = lies(800);
        QCOMPARE(v.size(), size_t(800));
        QCOMPARE(spitze(v, 0), 0);
        sine.SetOn(true);
        v = lies(8000); // one second
        const int fade = int(std::ceil(8000 * SineSource::kFadeMs / 1000));
        // Faded in: the first samples stay well below the level.
        QVERIFY(spitze(v, 0, 10) > 0);
        QVERIFY(spitze(v, 0, 10) <= int(32767 * 0.5 * 0.6));
        QVERIFY(spitze(v, size_t(fade)) >= int(32767 * 0.5 * 0.95));
        QVERIFY(spitze(v, size_t(fade)) <= int(32767 * 0.5) + 1);
        int wechsel = 0; // sign changes: two per period
        for (size_t i = size_t(fade) + 1; i < v.size(); ++i)
            wechsel += (v[i - 1] < 0) != (v[i] < 0);
        QVERIFY2(std::abs(wechsel - 2 * 1000 * (8000 - fade - 1) / 8000) <= 3,
                 qPrintable(QString::number(wechsel)));
        // Half the volume in percent is much less than half the amplitude: the scale sounds even.
        QCOMPARE(ToneOutput::Amplitude(0), 0.0);
        QCOMPARE(ToneOutput::Amplitude(100), 1.0);
        QVERIFY(ToneOutput::Amplitude(50) < 0.5);
        QVERIFY(ToneOutput::Amplitude(50) > ToneOutput::Amplitude(30));
        sine.SetAmplitude(0);
        v = lies(800);
        QCOMPARE(spitze(v, size_t(fade)), 0);
        sine.SetAmplitude(0.25);
        v = lies(800);
        QVERIFY(spitze(v, size_t(fade)) >= int(32767 * 0.25 * 0.95));
        sine.SetOn(false);
        v = lies(800);
        QVERIFY(spitze(v, 0) > 0); // fading out
        QCOMPARE(spitze(v, size_t(fade)), 0);

        // Two float channels carry the same value.
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Float);
        SineSource stereo(format);
        stereo.SetAmplitude(0.8);
        stereo.SetFrequency(440);
        stereo.SetOn(true);
        const QByteArray b = stereo.read(400 * format.bytesPerFrame());
        std::vector<float> f(size_t(b.size()) / sizeof(float));
        std::memcpy(f.data(), b.constData(), f.size() * sizeof(float));
        QCOMPARE(f.size(), size_t(800));
        float peak = 0;
        for (size_t i = 0; i < f.size(); i += 2) {
            QCOMPARE(f[i], f[i + 1]);
            peak = std::max(peak, std::abs(f[i]));
        }
        QVERIFY(peak > 0.75f && peak <= 0.8f);
    }

    // The device cannot be reached: the German message, and the window stays idle.
    void NoDevice() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        emu.reset(); // nobody answers on the port any more
        f->Action(QStringLiteral("EZStart"))->trigger();
        QVERIFY(!f->LiveMode());
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY(f->Action(QStringLiteral("EZStart"))->isEnabled());
        QVERIFY(!f->Action(QStringLiteral("EZStop"))->isEnabled());
    }

    // From the click on "Echtzeit Start" until the feed has ended, nothing that needs the port
    // can be started: the device says nothing for a while after "E" 1, and in that time (before
    // the feed's first word reaches the window) read-out, programming, application change and
    // the port choice are already off. A start that fails gives them back.
    void PortCommandsRestFromTheClick() {
        auto f = Open();
        QVERIFY(f);
        const QStringList port{QStringLiteral("LeseMessungen"), QStringLiteral("Programmieren"),
                               QStringLiteral("ChangeApp"), QStringLiteral("Aktualisieren"),
                               QStringLiteral("EZStart")};
        for (const QString& n : port)
            QVERIFY2(f->Action(n)->isEnabled(), qPrintable(n));
        QVERIFY(f->PortBox()->isEnabled());
        emu::LiveOptions o;
        o.mode = 0;
        o.intervalMs = 20;
        o.samples = -1;
        o.startDelayMs = 1500;
        emu->SetLive(o);
        f->Action(QStringLiteral("EZStart"))->trigger(); // as its shortcut
        // No event has been processed since the click: the feed's signals are still queued.
        for (const QString& n : port)
            QVERIFY2(!f->Action(n)->isEnabled(), qPrintable(n));
        QVERIFY(!f->PortBox()->isEnabled());
        QVERIFY(f->Action(QStringLiteral("EZStop"))->isEnabled());
        QTest::qWait(300);
        for (const QString& n : port)
            QVERIFY2(!f->Action(n)->isEnabled(), qPrintable(n));
        QTRY_VERIFY_WITH_TIMEOUT(f->Live()->Samples() >= 5, 10000);
        f->Action(QStringLiteral("EZStop"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        for (const QString& n : port)
            QVERIFY2(f->Action(n)->isEnabled(), qPrintable(n));
        QVERIFY(f->PortBox()->isEnabled());

        // Nobody answers: everything is back after the message.
        Answerer answer;
        emu.reset();
        f->Action(QStringLiteral("EZStart"))->trigger();
        QCOMPARE(answer.boxes.size(), 1);
        for (const QString& n : port)
            QVERIFY2(f->Action(n)->isEnabled(), qPrintable(n));
        QVERIFY(f->PortBox()->isEnabled());
        QVERIFY(!f->LiveMode());
    }

    // A cycle with more values than the plot has pixel columns: the curve the therapist sees is
    // one line without gaps (each segment starts where the last drawn one ended).
    void LongCycleDrawsWithoutGaps() {
        auto f = Open();
        QVERIFY(f);
        ProgrammParameter k{};
        const auto bytes = emu::LiveProgram(0);
        std::memcpy(&k, bytes.data(), sizeof k);
        k.Entspannzeit = 250; // 500 s a cycle: about six values a pixel column
        k.Anspannzeit = 250;
        emu::LiveOptions o;
        o.programm.assign(reinterpret_cast<const uint8_t*>(&k),
                          reinterpret_cast<const uint8_t*>(&k) + sizeof k);
        o.mode = 0;
        o.intervalMs = 15;
        o.samples = -1;
        emu->SetLive(o);
        f->Action(QStringLiteral("EZStart"))->trigger();
        // Fewer than 100 values: the device's ranges change at the 100th (a full redraw).
        QTRY_VERIFY_WITH_TIMEOUT(f->Live()->Samples() >= 70, 10000);
        QVERIFY(f->Live()->Samples() < 100);
        QVERIFY(f->LiveChartView()->width() * 4 < 5000);
        const QImage image = f->LiveChartView()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        f->Action(QStringLiteral("EZStop"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        image.save(QDir::temp().filePath(QStringLiteral("zud-live-long-cycle.png")));
        // The curve's pixels (relax green, contract blue), and their 8-connected pieces.
        const QRgb relax = Phasenfarbe(0).rgb(), contract = Phasenfarbe(1).rgb();
        const int w = image.width(), h = image.height();
        std::vector<int> piece(size_t(w) * size_t(h), -1);
        auto curve = [&](int x, int y) {
            const QRgb c = image.pixel(x, y);
            return c == relax || c == contract;
        };
        std::vector<std::pair<int, int>> columns; // per piece: first and last column
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (!curve(x, y) || piece[size_t(y) * size_t(w) + size_t(x)] >= 0)
                    continue;
                const int id = int(columns.size());
                columns.push_back({x, x});
                std::vector<QPoint> stack{QPoint(x, y)};
                piece[size_t(y) * size_t(w) + size_t(x)] = id;
                while (!stack.empty()) {
                    const QPoint q = stack.back();
                    stack.pop_back();
                    columns[size_t(id)].first = std::min(columns[size_t(id)].first, q.x());
                    columns[size_t(id)].second = std::max(columns[size_t(id)].second, q.x());
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int nx = q.x() + dx, ny = q.y() + dy;
                            if (nx < 0 || ny < 0 || nx >= w || ny >= h || !curve(nx, ny))
                                continue;
                            int& p = piece[size_t(ny) * size_t(w) + size_t(nx)];
                            if (p < 0) {
                                p = id;
                                stack.push_back(QPoint(nx, ny));
                            }
                        }
                }
            }
        }
        QVERIFY(!columns.empty());
        const auto widest = *std::max_element(columns.begin(), columns.end(), [](auto a, auto b) {
            return a.second - a.first < b.second - b.first;
        });
        // About one column per six values: the line spans them all in one piece.
        const int expected =
            f->Live()->Samples() * f->LiveChartView()->width() / f->LiveChartView()->Breite();
        QVERIFY2(widest.second - widest.first + 1 >= expected * 8 / 10,
                 qPrintable(QStringLiteral("widest piece %1 columns, %2 pieces, about %3 columns drawn")
                                .arg(widest.second - widest.first + 1)
                                .arg(columns.size())
                                .arg(expected)));
    }

    // The device sends the running program's packet again now and then: the pressure range and
    // the base pressure of the run stay (the chart does not start again, the tone's threshold
    // does not move).
    void RepeatedProgramPacketKeepsTheBasePressure() {
        auto f = Open();
        QVERIFY(f);
        emu::LiveOptions o;
        o.mode = 5;
        o.intervalMs = 0;
        o.samples = 90;
        o.programEvery = 20;
        emu->SetLive(o);
        std::vector<double> basis, minimum, maximum;
        f->Action(QStringLiteral("EZStart"))->trigger();
        // The feed's values are queued for the window until the test waits.
        QVERIFY(f->Live());
        connect(f->Live(), &LiveMeasurement::SampleShown, this, [&](const EZProbe&) {
            if (f->Live()->Tone().Basisdruck())
                basis.push_back(*f->Live()->Tone().Basisdruck());
            minimum.push_back(f->LiveChartView()->DruckMin());
            maximum.push_back(f->LiveChartView()->DruckMax());
        });
        QTRY_VERIFY_WITH_TIMEOUT(f->TabCount() == 1, 10000);
        QCOMPARE(int(minimum.size()), 90);
        QVERIFY(!basis.empty());
        for (double b : basis)
            QCOMPARE(b, basis.front());
        // The range only ever widens.
        for (size_t i = 1; i < minimum.size(); ++i) {
            QVERIFY2(minimum[i] <= minimum[i - 1], qPrintable(QString::number(i)));
            QVERIFY2(maximum[i] >= maximum[i - 1], qPrintable(QString::number(i)));
        }
    }

    // The live chart's ranges: pressure from the first value (mode 5: first .. first + 10, else
    // 0 .. max(first, 25)), widened by every new value with a full redraw; a new EMG range and
    // the start of a cycle redraw too; any other value is one more segment.
    void ChartRangesAndRedraws() {
        LiveChart chart;
        chart.resize(800, 500);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        for (int mode : {4, 5}) {
            ProgrammParameter k{};
            k.Betriebsart = uint8_t(mode);
            k.Anspannzeit = 5;
            k.Entspannzeit = 5;
            chart.Start(k);
            const int start = chart.FullRedraws();
            QByteArray laufend(reinterpret_cast<const char*>(&k), sizeof k);
            auto add = [&](int counter, double druck) {
                EZProbe p;
                p.Werte.BA = uint8_t(mode);
                p.Werte.Phase = mode == 5 ? 5 : 7;
                p.Werte.Druck = druck;
                p.Counter = counter;
                p.Zykluslaenge = mode == 5 ? 10 : 60;
                laufend += QByteArray(3, '\0');
                chart.Add(p, laufend);
            };
            add(0, 12.3);
            QCOMPARE(chart.DruckMin(), mode == 5 ? 12.0 : 0.0); // already widened to whole mbar
            QCOMPARE(chart.DruckMax(), mode == 5 ? 22.3 : 25.0);
            QCOMPARE(chart.FullRedraws(), start + 1); // the first value
            add(1, 14.0);
            add(2, 15.5);
            QCOMPARE(chart.FullRedraws(), start + 1);
            QCOMPARE(chart.Segments(), 2);
            add(3, 40.2); // widens the maximum to 41
            QCOMPARE(chart.DruckMax(), 41.0);
            QCOMPARE(chart.FullRedraws(), start + 2);
            add(4, 2.7); // mode 5: the minimum goes to 2; mode 4 starts at 0 anyway
            QCOMPARE(chart.DruckMin(), mode == 5 ? 2.0 : 0.0);
            const int widened = mode == 5 ? 1 : 0;
            QCOMPARE(chart.FullRedraws(), start + 2 + widened);
            add(0, 20); // a new cycle
            QCOMPARE(chart.FullRedraws(), start + 3 + widened);
        }
        ProgrammParameter k{};
        k.Betriebsart = 9;
        k.Anspannzeit = 5;
        k.Entspannzeit = 5;
        chart.Start(k);
        const int start = chart.FullRedraws();
        QByteArray laufend(reinterpret_cast<const char*>(&k), sizeof k);
        auto add = [&](int counter, uint8_t b1, uint8_t b2) {
            EZProbe p;
            p.Werte.BA = 9;
            p.Werte.EMG1 = 50;
            p.Werte.Bereich1 = b1;
            p.Werte.Bereich2 = b2;
            p.Counter = counter;
            p.Zykluslaenge = 10;
            laufend += QByteArray(4, '\0');
            chart.Add(p, laufend);
        };
        add(0, 11, 10);
        add(1, 11, 10);
        QCOMPARE(chart.FullRedraws(), start + 1);
        add(2, 11, 9); // channel 2 changed its range
        QCOMPARE(chart.FullRedraws(), start + 2);
        QCOMPARE(chart.Breite(), 100);
    }

    // The live chart of modes 0, 3, 5, 7 and 9 in the middle of a cycle.
    void Screenshots() {
        auto f = Open();
        QVERIFY(f);
        for (int mode : {0, 3, 5, 7, 9}) {
            emu::LiveOptions o;
            o.mode = mode;
            o.intervalMs = 2;
            o.samples = -1;
            o.seed = uint32_t(mode + 3);
            emu->SetLive(o);
            f->Action(QStringLiteral("EZStart"))->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(f->Live()->Samples() >= 70, 10000);
            const int segmente = f->LiveChartView()->Segments();
            QTRY_VERIFY_WITH_TIMEOUT(f->LiveChartView()->Segments() > segmente || f->Live()->Samples() > 80,
                                     5000);
            DumpScreenshot(f.get(), QStringLiteral("live-mode%1").arg(mode));
            f->Action(QStringLiteral("EZStop"))->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!f->LiveMode(), 5000);
        }
        QCOMPARE(f->TabCount(), 5);
    }
};

QTEST_MAIN(LiveUiTest)
#include "test_live_ui.moc"
