// What a therapist added is never lost in the windows: reading the device again keeps remarks,
// crops and moves; a question that deletes defaults to "Nein"; a change by key that finds no
// row says so in German. Offscreen, against the emulated demo device over a pseudo-terminal and
// a real embedded Firebird database.

#include "ChartFrame.h"
#include "Demo.h"
#include "Emulator.h"
#include "Handshake.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Paths.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "PatientSelectionWindow.h"
#include "ProgressWindow.h"
#include "Readout.h"
#include "ReadoutWindow.h"
#include "Recording.h"
#include "RemarksDialog.h"
#include "Settings.h"
#include "SignalWatcher.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <map>

#include <csignal>
#include <unistd.h>

using namespace zud;
using namespace zud::ui;

namespace {

// Answers the modal windows: message boxes by a key press (Enter unless told otherwise), the
// read-out window and the remarks dialog through the test's steps.
class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(10, parent) {}
    QStringList boxes;
    QList<QMessageBox::StandardButton> defaults; // the default button of each box
    std::function<void(ReadoutWindow*)> onReadout;
    std::function<void(QDialog*)> onDialog;
    QString yesTo; // boxes whose text starts so are answered with a click on "Ja"

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            QPushButton* def = box->defaultButton();
            defaults << (def ? box->standardButton(def) : QMessageBox::NoButton);
            if (!yesTo.isEmpty() && box->text().startsWith(yesTo)) {
                box->button(QMessageBox::Yes)->click();
                return;
            }
            // Enter, as a hurried user presses it.
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        if (auto* form = qobject_cast<ReadoutWindow*>(w)) {
            if (onReadout) {
                auto f = std::move(onReadout);
                onReadout = nullptr;
                QTimer::singleShot(0, form, [f, form] { f(form); });
            }
            return;
        }
        if (auto* d = qobject_cast<QDialog*>(w); d && onDialog) {
            auto f = std::move(onDialog);
            onDialog = nullptr;
            QTimer::singleShot(0, d, [f, d] { f(d); });
        }
    }
};

struct Row {
    qint64 patient = -1;
    QByteArray daten;
    QString bemerkungen;
    QDateTime zugriff;
    bool operator==(const Row&) const = default;
};

std::map<qint64, Row> Rows(PatientDatabase& dm) {
    std::map<qint64, Row> out;
    for (const auto& r : dm.Db().Query(QStringLiteral("select COUNTER from ZUDData"))) {
        const qint64 c = r.Int(QStringLiteral("COUNTER"));
        const auto rec = dm.GetRecording(c);
        out[c] = Row{rec->Patient, rec->Daten, rec->Bemerkungen, rec->LetzterZugriff};
    }
    return out;
}

} // namespace

class SafetyUiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<emu::Emulator> emu;

    std::unique_ptr<MainWindow> Open() {
        auto f = std::make_unique<MainWindow>();
        f->Create(QString::fromStdString(emu->SlavePath()));
        if (!f->OpenDatabase())
            return nullptr;
        f->SetLeftPanel(true);
        f->show();
        return f;
    }

private slots:
    void initTestCase() {
        db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-safety-lock")));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init() {
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        emu = std::make_unique<emu::Emulator>();
        QVERIFY(emu->Start());
        emu::LoadDemo(*emu);
    }
    void cleanup() {
        emu->Stop();
        emu.reset();
        dir.reset();
    }

    // Read out, add a remark, crop one recording and move another to a second patient, then
    // read out again with "Alle auswählen" everywhere: the list marks them, nothing changes.
    void ReadingAgainKeepsRemarksCropsAndMoves() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        answer.onReadout = [](ReadoutWindow* w) { w->SaveReadExc(); };
        f->Action(QStringLiteral("LeseMessungen"))->trigger();
        QCOMPARE(answer.boxes.size(), 1);
        PatientDatabase& dm = *f->DM();
        const TZUD12& dev = *f->Device();
        const Stammsatz s = dev.Patienten[0];
        const auto id = dm.FindPatient(wf::Name(s), wf::Vorname(s), wf::GeburtsdatumZuDatum(s.Geburtsdatum));
        QVERIFY(id);
        const auto list = dev.MessHeaders[0];
        QVERIFY(list.size() >= 3);
        std::vector<qint64> key;
        for (const auto& e : list)
            key.push_back(*dm.FindRecording(*id, e.Datum, e.Zeit));

        // The therapist's work: a remark on an open tab, a crop, a move.
        QVERIFY(f->OpenRecording(key[0]));
        answer.onDialog = [f = f.get()](QDialog* d) {
            f->TheRemarksDialog()->Text->setPlainText(QStringLiteral("Gut mitgearbeitet."));
            d->accept();
        };
        f->EditRemarks();
        QCOMPARE(dm.Remarks(key[0]), QStringLiteral("Gut mitgearbeitet."));
        const QByteArray whole = dm.GetRecording(key[1])->Daten;
        const QByteArray cropped = ToQ(
            CutStream(reinterpret_cast<const uint8_t*>(whole.constData()), size_t(whole.size()), 2.0, 0.5));
        dm.ReplaceRecordingData(key[1], cropped);
        Patient zweite;
        zweite.Name = QStringLiteral("Zweite");
        zweite.Vorname = QStringLiteral("Erika");
        zweite.Geburtstag = QDate(1960, 5, 6);
        const qint64 b = dm.AddPatient(zweite);
        dm.MoveRecording(key[2], b);
        const auto before = Rows(dm);
        answer.boxes.clear();

        QStringList marks;
        int checkedAtStart = -1;
        answer.onReadout = [&](ReadoutWindow* w) {
            checkedAtStart = 0;
            for (const auto& l : f->Device()->MessHeaders)
                for (const auto& e : l)
                    checkedAtStart += e.Checked;
            w->TherapeutClick(0);
            w->PatientClick(0);
            for (int r = 0; r < 3; ++r)
                marks << w->Model()->index(r, 3).data().toString();
            QCOMPARE(w->Model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QStringLiteral("Datenbank"));
            DumpScreenshot(w, QStringLiteral("auslesen-bereits-gespeichert"));
            // "Alle auswählen" on every patient with recordings.
            for (int t = 0; t < 6; ++t) {
                if (!w->TherapeutPanel(t)->isVisibleTo(w))
                    continue;
                w->TherapeutClick(t);
                for (int p = 0; p < 10; ++p) {
                    if (!w->PatientPanel(p)->isVisibleTo(w))
                        continue;
                    w->PatientClick(p);
                    if (w->Action(QStringLiteral("ChooseAll"))->isEnabled())
                        w->Action(QStringLiteral("ChooseAll"))->trigger();
                }
            }
            QVERIFY(w->Action(QStringLiteral("SaveReadExc"))->isEnabled());
            w->Action(QStringLiteral("SaveReadExc"))->trigger();
        };
        f->Action(QStringLiteral("LeseMessungen"))->trigger();
        // The one moved to Erika Zweite stays ticked: its bytes decide during the transfer.
        QCOMPARE(checkedAtStart, 1);
        QCOMPARE(marks,
                 (QStringList{QStringLiteral("bereits gespeichert"), QStringLiteral("bereits gespeichert"),
                              QStringLiteral("gleiche Uhrzeit bei Erika Zweite")}));
        // Keys, remarks, crop, access times and the moved row as they were; no second copy.
        QVERIFY(Rows(dm) == before);
        QCOMPARE(f->AuslesenForm()->Result().Stored(), 0);
        QCOMPARE(answer.boxes.size(), 1);
        const QString summary = answer.boxes[0];
        QVERIFY2(
            summary.startsWith(QStringLiteral("%1 %2 (Therapeut 1, Patient 1):\n"
                                              "  bereits gespeichert, übersprungen: %3\n"
                                              "  bereits bei Erika Zweite gespeichert, übersprungen: 1\n")
                                   .arg(wf::Vorname(s), wf::Name(s))
                                   .arg(list.size() - 1)),
            qPrintable(summary));
        // The open tab still shows its recording with its remark.
        QCOMPARE(f->TabCounter(f->ActiveTab()), key[0]);
        QCOMPARE(f->DisplayedRemarks(), QStringLiteral("Gut mitgearbeitet."));
        QCOMPARE(emu->Screen(), 0);
    }

    // Every question that deletes defaults to "Nein" and names what goes: Enter twice on
    // "Patient löschen" deletes nothing.
    void EnterNeverDeletes() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        Patient p;
        p.Name = QStringLiteral("Lang");
        p.Vorname = QStringLiteral("Ida");
        p.Geburtstag = QDate(1950, 7, 8);
        const qint64 id = dm.AddPatient(p);
        const QByteArray rec = ToQ(*emu->GetFile("0:\\Daten\\Th_0\\Pat_0\\M0001.hdf"));
        for (int i = 0; i < 3; ++i)
            dm.InsertRecording(id, QDate(2026, 4, 1 + i), QTime(9, 0), rec, QStringLiteral("ZUD12"));
        f->OpenPatient(id);
        f->DeleteCurrentPatient();
        QCOMPARE(answer.boxes, QStringList{QStringLiteral("Patient „Ida Lang“ wirklich löschen?")});
        QCOMPARE(answer.defaults, QList<QMessageBox::StandardButton>{QMessageBox::No});
        QVERIFY(dm.GetPatient(id));
        QCOMPARE(dm.RecordingCount(id), 3);

        // Answered "Ja" to the first, Enter on the second: the recordings stay.
        answer.boxes.clear();
        answer.defaults.clear();
        answer.yesTo = QStringLiteral("Patient „");
        f->DeleteCurrentPatient();
        answer.yesTo.clear();
        QCOMPARE(answer.boxes.size(), 2);
        QVERIFY2(answer.boxes[1].startsWith(
                     QStringLiteral("Zum Patienten „Ida Lang“ sind Übungen gespeichert (Anzahl: 3).")),
                 qPrintable(answer.boxes[1]));
        QCOMPARE(answer.defaults, (QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::No}));
        QVERIFY(!dm.GetPatient(id));
        QCOMPARE(dm.RecordingCount(id), 3);

        // "Übung löschen": Enter keeps the recording.
        const qint64 other = dm.AddPatient(zweitePatient());
        const qint64 c =
            dm.InsertRecording(other, QDate(2026, 4, 9), QTime(9, 30), rec, QStringLiteral("ZUD12"));
        QVERIFY(f->OpenRecording(c));
        answer.boxes.clear();
        answer.defaults.clear();
        f->DeleteRecording();
        QCOMPARE(answer.boxes, QStringList{QStringLiteral("Übung vom %1 09:30:00 wirklich löschen?")
                                               .arg(FormatDate(QDate(2026, 4, 9)))});
        QCOMPARE(answer.defaults, QList<QMessageBox::StandardButton>{QMessageBox::No});
        QVERIFY(dm.GetRecording(c));
        QCOMPARE(f->TabCount(), 1);
    }

    // The tab of a recording whose patient was deleted with his recordings: a crop, remarks and
    // a delete each fail with the German message; nothing is reported as done.
    void ChangesByKeyThatFindNothingSaySo() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 id = dm.AddPatient(zweitePatient());
        const QByteArray rec = ToQ(*emu->GetFile("0:\\Daten\\Th_0\\Pat_0\\M0002.hdf"));
        const qint64 c =
            dm.InsertRecording(id, QDate(2026, 4, 2), QTime(10, 0), rec, QStringLiteral("ZUD12"));
        QVERIFY(f->OpenRecording(c));
        // The patient goes with his recordings (as at another workstation).
        dm.DeletePatient(id, true);

        f->Action(QStringLiteral("Zuschneiden"))->trigger();
        QVERIFY(f->Cropping());
        Zoom& z = f->Frame(f->ActiveTab())->ZoomState();
        z.Enabled = true;
        z.Level = 2;
        z.Faktor_X[2] = 2.0;
        z.Offset_X[2] = 0.25;
        answer.boxes.clear();
        f->Action(QStringLiteral("Uebernehmen"))->trigger();
        QCOMPARE(answer.boxes, QStringList{PatientDatabase::RecordingGoneText()});
        QVERIFY(!dm.GetRecording(c));
        // The tab keeps the uncropped recording: nothing pretends the crop was stored.
        QCOMPARE(f->Frame(f->ActiveTab())->Daten(), rec);

        answer.boxes.clear();
        answer.onDialog = [f = f.get()](QDialog* d) {
            f->TheRemarksDialog()->Text->setPlainText(QStringLiteral("verloren?"));
            d->accept();
        };
        f->Action(QStringLiteral("AddBem"))->trigger();
        QCOMPARE(answer.boxes, QStringList{PatientDatabase::RecordingGoneText()});
        QVERIFY(f->DisplayedRemarks().isEmpty());

        answer.boxes.clear();
        f->DeleteRecording(false);
        QCOMPARE(answer.boxes, QStringList{PatientDatabase::RecordingGoneText()});
        QCOMPARE(f->TabCount(), 0);
    }

    // SIGTERM while a question is open, the device is in a conversation and a live recording is
    // unsaved: the program ends in order with 0, and the recording comes back at the next start.
    void SigtermEndsInOrderAndKeepsTheLiveRecording() {
        const QByteArray stream = ToQ(*emu->GetFile("0:\\Daten\\Th_0\\Pat_0\\M0003.hdf"));
        const QDateTime start(QDate(2026, 12, 9), QTime(10, 11, 12));
        {
            auto f = Open();
            QVERIFY(f);
            SignalWatcher& watcher = SignalWatcher::Instance();
            QVERIFY(watcher.Install());
            SignalWatcher::Reset();
            auto c = connect(&watcher, &SignalWatcher::Signalled, f.get(), [&f] { f->EndInOrder(); });
            bool stopped = false;
            f->StopLiveFeed = [&stopped] { stopped = true; };
            f->AddLiveRecording(stream, start);
            QCOMPARE(f->TabCaption(0), QStringLiteral("*Neu1"));
            // A name of this test's own: other programs share the work folder meanwhile.
            const QString junkPath =
                QDir(WorkFolder())
                    .filePath(QStringLiteral("junk-%1.ini").arg(QCoreApplication::applicationPid()));
            QFile junk(junkPath);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("x");
            junk.close();
            // The device is in the middle of a conversation.
            TZUD12& dev = *f->Device();
            dev.open();
            QVERIFY(dev.SetDownloadScreen(199));
            QCOMPARE(emu->Screen(), 199);
            bool returned = false, yes = true;
            QTimer::singleShot(0, f.get(), [&] {
                yes = Msg::ConfirmDelete(f.get(), QStringLiteral("Wirklich?"));
                returned = true;
            });
            QTimer::singleShot(150, [] { ::kill(::getpid(), SIGTERM); });
            // The program's own loop: the orderly end leaves it with exit(0).
            QTimer guard;
            guard.setSingleShot(true);
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
            guard.start(20000);
            const int rc = QApplication::exec();
            disconnect(c);
            QCOMPARE(rc, 0);
            QVERIFY(returned);
            QVERIFY(!yes);
            QVERIFY(stopped);
            QCOMPARE(SignalWatcher::Last(), int(SIGTERM));
            QVERIFY(!dev.ComOpen);
            QCOMPARE(emu->Screen(), 0);
            QVERIFY(!f->DM()->LoggedIn());
            QVERIFY(!QFile::exists(junkPath));
            const QStringList kept = MainWindow::KeptLiveRecordings();
            QCOMPARE(kept, QStringList{MainWindow::KeptLiveRecordingPath(start, 1)});
            QFile file(kept.first());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), stream);
            SignalWatcher::Reset();
        }
        // The next start offers it as "*Neu1"; saved, its file goes.
        QCOMPARE(MainWindow::KeptLiveRecordings().size(), 1);
        Answerer answer;
        auto g = Open();
        QVERIFY(g);
        QTRY_COMPARE(answer.boxes.size(), 1);
        QVERIFY2(answer.boxes[0].startsWith(QStringLiteral(
                     "Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: 1).")),
                 qPrintable(answer.boxes[0]));
        QCOMPARE(g->TabCount(), 1);
        QCOMPARE(g->TabCaption(0), QStringLiteral("*Neu1"));
        QCOMPARE(g->DisplayedStream(), stream);
        // Shown like any other tab: its caption on the tab bar, its chart drawn, no hint over it.
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        QCoreApplication::processEvents();
        auto* bar = g->findChild<QTabBar*>(QStringLiteral("ChartTabs"));
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->tabText(0), QStringLiteral("*Neu1"));
        QCOMPARE(bar->currentIndex(), 0);
        QVERIFY(g->Frame(0)->isVisible());
        QVERIFY(g->Frame(0)->width() > 200 && g->Frame(0)->height() > 100);
        QVERIFY(!g->findChild<QLabel*>(QStringLiteral("ChartHint"))->isVisible());
        QVERIFY(g->Action(QStringLiteral("Messung_Schliessen"))->isEnabled());
        const qint64 id = g->DM()->AddPatient(zweitePatient());
        g->OpenPatient(id);
        g->ActivateTab(0);
        g->SaveLiveRecording();
        QVERIFY(g->TabCounter(0) > 0);
        QCOMPARE(g->DM()->GetRecording(g->TabCounter(0))->Daten, stream);
        QVERIFY(MainWindow::KeptLiveRecordings().isEmpty());
    }

    // The real program in a child process: SIGTERM and SIGINT each end it within seconds with
    // exit status 0, the work folder emptied.
    void TheProgramEndsOnSigtermAndSigint() {
        for (int sig : {SIGTERM, SIGINT}) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("user")));
            env.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir->filePath(QStringLiteral("system")));
            env.insert(QStringLiteral("ZUD_DATA_DIR"), dir->filePath(QStringLiteral("data")));
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir->filePath(QStringLiteral("run")));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            QDir().mkpath(dir->filePath(QStringLiteral("run")));
            QFile::setPermissions(dir->filePath(QStringLiteral("run")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(ZUD_BIN_DIR "/zud-software"),
                    {QStringLiteral("--port"), QString::fromStdString(emu->SlavePath())});
            QVERIFY(p.waitForStarted());
            // Shown: the work folder exists and the database was created.
            const QString work = dir->filePath(QStringLiteral("run/Brelk-%1").arg(::geteuid()));
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(work).isDir() &&
                                         QFileInfo::exists(dir->filePath(QStringLiteral("db/ZUDData3.gdb"))),
                                     60000);
            QFile junk(work + QStringLiteral("/zud.ini"));
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.close();
            ::kill(pid_t(p.processId()), sig);
            QVERIFY2(p.waitForFinished(15000), qPrintable(QString::fromUtf8(p.readAllStandardError())));
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(QDir(work).entryList(QDir::Files | QDir::Hidden).isEmpty());
            QFile log(dir->filePath(QStringLiteral("data/Logfile.txt")));
            QVERIFY(log.open(QIODevice::ReadOnly));
            QVERIFY(log.readAll().contains(QStringLiteral("Program ends on signal %1").arg(sig).toUtf8()));
            QVERIFY(QDir().rmdir(work)); // the next run shows itself by making it again
        }
    }

private:
    static Patient zweitePatient() {
        Patient p;
        p.Name = QStringLiteral("Zweite");
        p.Vorname = QStringLiteral("Erika");
        p.Geburtstag = QDate(1960, 5, 6);
        return p;
    }
    static QByteArray ToQ(const std::vector<uint8_t>& v) {
        return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    SafetyUiTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_safety_ui.moc"
