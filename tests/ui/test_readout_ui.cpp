// The exercise read-out in the program's windows, on the offscreen platform: the progress
// window, the read-out window and "Übungen auslesen" of the main window, against the emulated
// demo device over a pseudo-terminal and a real embedded Firebird database.

#include "Demo.h"
#include "DeviceFiles.h"
#include "Emulator.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "PatientDialog.h"
#include "PatientModels.h"
#include "PatientSelectionWindow.h"
#include "ProgressWindow.h"
#include "Readout.h"
#include "ReadoutWindow.h"
#include "ProtocolRecords.h"
#include "Ribbon.h"
#include "Settings.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <map>

using namespace zud;
using namespace zud::ui;

namespace {

// Answers the message boxes that open and runs the test's steps when a window of interest
// becomes the active modal one (the timer also fires while a device command pumps events).
class Answerer : public QObject {
public:
    explicit Answerer(QObject* parent = nullptr) : QObject(parent) {
        FTimer.setInterval(5);
        connect(&FTimer, &QTimer::timeout, this, &Answerer::Tick);
        FTimer.start();
    }
    QStringList boxes;
    std::vector<std::chrono::steady_clock::time_point> boxTimes; // when each box was seen
    // Once, when the read-out window is shown modally.
    std::function<void(ReadoutWindow*)> onReadout;
    // At every tick while a progress window is the active modal one.
    std::function<void(ProgressWindow*)> onProgress;
    // Once for any other modal window (the patient dialog, the selection window).
    std::function<void(QWidget*)> onOther;

private:
    void Tick() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            boxTimes.push_back(std::chrono::steady_clock::now());
            box->done(QMessageBox::Ok);
        } else if (auto* form = qobject_cast<ReadoutWindow*>(w)) {
            if (onReadout) {
                // Run after this tick: a timer does not fire again while its own slot runs, and
                // the steps may need it while the device pumps events.
                auto f = std::move(onReadout);
                onReadout = nullptr;
                QTimer::singleShot(0, form, [f, form] { f(form); });
            }
        } else if (auto* p = qobject_cast<ProgressWindow*>(w)) {
            if (onProgress) {
                onProgress(p);
            }
        } else if (onOther) {
            auto f = std::move(onOther);
            onOther = nullptr;
            QTimer::singleShot(0, w, [f, w] { f(w); });
        }
    }
    QTimer FTimer;
};

// Calls `onShow` whenever a widget is shown, at the moment it is shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(std::function<void(QWidget*)> onShow) : FOnShow(std::move(onShow)) {
        qApp->installEventFilter(this);
    }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            FOnShow(static_cast<QWidget*>(o));
        }
        return false;
    }

private:
    std::function<void(QWidget*)> FOnShow;
};

void WriteMachine(const QString& key, const QString& value) {
    QSettings s(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Brelk"),
                QStringLiteral("ZUD"));
    s.setValue(key, value);
    s.sync();
}

std::string DevicePath(int t, int p, const std::string& file) {
    return "0:\\Daten\\Th_" + std::to_string(t) + "\\Pat_" + std::to_string(p) + "\\" + file;
}

size_t Slot(int t, int p) {
    return size_t(t * 10 + p);
}

QByteArray ToQ(const std::vector<uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

} // namespace

class ReadoutUiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<emu::Emulator> emu;
    std::unique_ptr<TZUD12> dev;
    std::unique_ptr<PatientDatabase> dm;

    DbLocation Location() const { return DbLocation::FromSettings(Settings()); }

    // Therapist 1's patient file on the device with one birthday changed.
    void SetBirthday(int p, int64_t seconds) {
        auto pat = emu->GetFile(PatientenPfad(0));
        QVERIFY(pat);
        std::memcpy(pat->data() + size_t(p) * sizeof(Stammdaten) + offsetof(Stammdaten, Geburtsdatum),
                    &seconds, sizeof seconds);
        emu->PutFile(PatientenPfad(0), *pat, FatDate(2026, 11, 1), FatTime(8, 1, 0));
    }

    // The demo device and three more cases of therapist 1: patient 2 without a birthday (0),
    // patient 3 with the device's "not set" birthday and one recording, patient 8 (no names
    // on the device) with two recordings, one of them shorter than a minute.
    void PrepareDevice() {
        emu::LoadDemo(*emu);
        SetBirthday(1, 0);
        SetBirthday(2, kGeburtsdatumLeer);
        const auto bytes = *emu->GetFile(DevicePath(0, 0, "M0001.hdf"));
        emu->PutFile(DevicePath(0, 2, "N0001.hdf"), bytes, FatDate(2026, 12, 1), FatTime(10, 0, 0), 2);
        emu->PutFile(DevicePath(0, 7, "N0002.hdf"), bytes, FatDate(2026, 12, 2), FatTime(11, 0, 0), 2);
        emu->PutFile(DevicePath(0, 7, "N0003.hdf"), *emu->GetFile(DevicePath(0, 0, "M0007.hdf")),
                     FatDate(2026, 12, 2), FatTime(11, 30, 0), 0);
    }

    // How many recordings are ticked over all sixty lists.
    static int Checked(const TZUD12& d) {
        int n = 0;
        for (const auto& l : d.MessHeaders) {
            for (const auto& e : l) {
                n += e.Checked;
            }
        }
        return n;
    }

    // Device and database for the window without the main window.
    void Load() {
        dev = std::make_unique<TZUD12>(dir->filePath(QStringLiteral("Logfile.txt")));
        dev->ComPort = QString::fromStdString(emu->SlavePath());
        dm = std::make_unique<PatientDatabase>(Location());
        QVERIFY(dm->EnsureInstalled());
        dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        wf::LeseMessungen(*dev, *dm);
    }

    // The device's files as they were before a read-out that deletes them.
    std::map<std::string, std::vector<uint8_t>> files;
    void KeepFiles() {
        files.clear();
        for (const std::string& f : emu->ListFiles()) {
            files[emu::Emulator::Key(f)] = *emu->GetFile(f);
        }
    }

    static QColor Colour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

    // Every recording of matchable device patients is in the database, byte for byte.
    void VerifyStored(PatientDatabase& d, const TZUD12& device, int therapeut, int patient, int expected) {
        const Stammsatz& s = device.Patienten[Slot(therapeut, patient)];
        const auto id = d.FindPatient(wf::Name(s), wf::Vorname(s), wf::GeburtsdatumZuDatum(s.Geburtsdatum));
        QVERIFY(id);
        QCOMPARE(int(d.ListRecordings(*id).size()), expected);
        for (const auto& e : device.MessHeaders[Slot(therapeut, patient)]) {
            const auto counter = d.FindRecording(*id, e.Datum, e.Zeit);
            QVERIFY(counter);
            const auto rec = d.GetRecording(*counter);
            const std::string path = DevicePath(therapeut, patient, e.Filename.toStdString());
            const auto kept = files.find(emu::Emulator::Key(path));
            const auto file = kept != files.end() ? std::optional(kept->second) : emu->GetFile(path);
            QVERIFY(rec && file);
            QCOMPARE(rec->Daten, ToQ(*file));
            QCOMPARE(rec->Betriebsart, int((*file)[2]) + 1);
        }
    }

private slots:
    void initTestCase() {
        db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-readout-lock")));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        Settings::RedirectForTests(dir->filePath(QStringLiteral("user")),
                                   dir->filePath(QStringLiteral("system")));
        qputenv("ZUD_DATA_DIR", dir->filePath(QStringLiteral("data")).toLocal8Bit());
        WriteMachine(QStringLiteral("SQLDir3"), dir->filePath(QStringLiteral("db")));
        QDir().mkpath(dir->filePath(QStringLiteral("db")));
        // Paced as on the cable, so that the windows see the transfer while it runs.
        emu::Options options;
        options.baud = 460800;
        options.turnaroundUs = 500;
        emu = std::make_unique<emu::Emulator>(options);
        QVERIFY(emu->Start());
        PrepareDevice();
    }

    void cleanup() {
        files.clear();
        dm.reset();
        dev.reset();
        emu->Stop();
        emu.reset();
    }

    void ProgressWindowFlagsAndSecondWindow() {
        QWidget owner;
        ProgressWindow first(&owner);
        QVERIFY(first.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!first.CloseEnabled());
        QVERIFY(!(first.windowFlags() & Qt::WindowCloseButtonHint));
        first.move(200, 150);
        first.SetText(QStringLiteral("Übertrage Übungen 3 von 14 ..."));
        first.SetMaximum(14);
        first.SetPosition(3);
        first.show();
        QVERIFY(first.isVisible());
        // Without its close box the window cannot be closed.
        first.close();
        QVERIFY(first.isVisible());
        QVERIFY(!first.Cancel());
        // With it, closing sets the cancel flag; showing again clears it.
        first.SetCloseEnabled(true);
        QVERIFY(first.isVisible());
        QVERIFY(first.windowFlags() & Qt::WindowCloseButtonHint);
        first.close();
        QVERIFY(!first.isVisible());
        QVERIFY(first.Cancel());
        first.show();
        QVERIFY(!first.Cancel());
        first.close();
        QVERIFY(first.Cancel());
        // The progress callback does not bring back a window the user closed.
        wf::Callbacks cb = first.Callbacks();
        QVERIFY(cb.cancelRequested());
        cb.progress(QStringLiteral("Übertrage Übungen 4 von 14 ..."), 4, 14);
        QVERIFY(!first.isVisible());
        QVERIFY(cb.cancelRequested());
        first.Finish();
        QVERIFY(!first.CloseEnabled());

        // The progress callback shows a fresh window with text, position and maximum.
        first.show();
        cb.progress(QStringLiteral("Lade Kopfdaten ..."), 12, 69);
        QCOMPARE(first.Text(), QStringLiteral("Lade Kopfdaten ..."));
        QCOMPARE(first.Position(), 12);
        QCOMPARE(first.Maximum(), 69);
        // The transfer counts recordings in progress: the bar stands at the end of the one
        // before and moves through the current one by its bytes.
        QProgressBar* firstBar = first.findChild<QProgressBar*>(QStringLiteral("Bar"));
        first.SetItemsInProgress(true);
        cb.progress(QStringLiteral("Übertrage Übungen 3 von 14 ..."), 3, 14);
        QCOMPARE(first.Position(), 3);
        QCOMPARE(first.Maximum(), 14);
        const double atStart = double(firstBar->value()) / firstBar->maximum();
        QCOMPARE(atStart, 2.0 / 14);
        cb.fileBytes(250, 1000);
        QCOMPARE(double(firstBar->value()) / firstBar->maximum(), 2.25 / 14);
        cb.fileBytes(1000, 1000);
        QCOMPARE(double(firstBar->value()) / firstBar->maximum(), 3.0 / 14);
        QCOMPARE(first.Position(), 3);
        first.SetItemsInProgress(false);
        QCOMPARE(first.Maximum(), 14);
        QCOMPARE(firstBar->maximum(), 14);
        cb.fileBytes(500, 1000); // outside the transfer: no effect
        QCOMPARE(firstBar->maximum(), 14);
        cb.progress(QStringLiteral("Lade Kopfdaten ..."), 12, 69);

        // A second window at the first one's left edge, 20 px below its bottom edge; the device
        // layer's bar moves its Qt bar.
        TProgressBar* bar = cb.openSecond(QStringLiteral("Lade Kopfdaten (Therapeut 2, Patient 3) ..."), 30);
        ProgressWindow* second = first.Second();
        QVERIFY(second && bar == second->DeviceBar());
        QVERIFY(second->isVisible());
        QVERIFY(second->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(second->frameGeometry().left(), first.frameGeometry().left());
        QCOMPARE(second->frameGeometry().top(),
                 first.frameGeometry().top() + first.frameGeometry().height() + 20);
        QCOMPARE(second->Text(), QStringLiteral("Lade Kopfdaten (Therapeut 2, Patient 3) ..."));
        QCOMPARE(second->Maximum(), 30);
        bar->SetPosition(17);
        QCOMPARE(second->findChild<QProgressBar*>()->value(), 17);
        bar->SetPosition(99); // clamped as the device layer's bar clamps
        QCOMPARE(second->Position(), 30);
        bar->SetMax(40);
        QCOMPARE(second->Maximum(), 40);
        // Its close box is off: it cannot be closed by the user.
        second->close();
        QVERIFY(second->isVisible());

        // Both windows as the user sees them, in their places.
        if (!qEnvironmentVariableIsEmpty("ZUD_SCREENSHOTS")) {
            const QRect all =
                first.frameGeometry().united(second->frameGeometry()).adjusted(-20, -20, 20, 20);
            QPixmap canvas(all.size());
            canvas.fill(QColor(90, 90, 90));
            QPainter painter(&canvas);
            painter.drawPixmap(first.frameGeometry().topLeft() - all.topLeft(), first.grab());
            painter.drawPixmap(second->frameGeometry().topLeft() - all.topLeft(), second->grab());
            painter.end();
            canvas.save(
                QDir(qEnvironmentVariable("ZUD_SCREENSHOTS")).filePath(QStringLiteral("progress-both.png")));
        }
        cb.closeSecond();
        QVERIFY(!first.Second());
        first.Finish();
        QVERIFY(!first.isVisible());
    }

    void PanelsOfCompleteIncompleteAndUnassignedPatients() {
        Load();
        ProgressWindow progress;
        ReadoutWindow form;
        form.Prepare(dev.get(), dm.get(), &progress);
        form.show();
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("Übungsdaten auslesen [%1 S/N: ZE1234567]").arg(wf::GeraeteName(*dev)));
        // Therapists with recordings: 1, 2, 3 and 6; the first is chosen, sky blue.
        const bool visible[6] = {true, true, true, false, false, true};
        for (int t = 0; t < 6; ++t) {
            QCOMPARE(form.TherapeutPanel(t)->isVisibleTo(&form), visible[t]);
            QCOMPARE(form.TherapeutPanel(t)->Caption(), QStringLiteral("Therapeut %1").arg(t + 1));
        }
        QCOMPARE(form.CurrentTherapeut(), 0);
        QVERIFY(form.TherapeutPanel(0)->Selected());
        QCOMPARE(form.TherapeutPanel(0)->palette().color(QPalette::Window), QColor(166, 202, 240));
        QVERIFY(form.TherapeutPanel(1)->palette().color(QPalette::Window) != QColor(166, 202, 240));
        QCOMPARE(form.TherapeutPanel(0)->RowValue(0)->text(), QStringLiteral("Müller"));
        QCOMPARE(form.TherapeutPanel(0)->RowValue(1)->text(), QStringLiteral("Jürgen"));

        // Patients with recordings: 1, 2, 3 and 8.
        for (int p = 0; p < 10; ++p) {
            QCOMPARE(form.PatientPanel(p)->isVisibleTo(&form), p == 0 || p == 1 || p == 2 || p == 7);
        }
        // Complete: plain caption, all black, everything pre-selected.
        SlotPanel* complete = form.PatientPanel(0);
        QVERIFY(complete->Selected());
        QCOMPARE(complete->Caption(), QStringLiteral("Patient 1"));
        QCOMPARE(complete->RowValue(0)->text(), QStringLiteral("Bäcker"));
        QCOMPARE(complete->RowValue(1)->text(), QStringLiteral("Hans-Jürgen"));
        QCOMPARE(complete->RowValue(2)->text(), QStringLiteral("14.02.1951"));
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(Colour(complete->RowCaption(r)), QColor(Qt::black));
        }
        QCOMPARE(form.Model()->rowCount(), 9);
        QVERIFY(form.Model()->Checkable());
        QCOMPARE(form.Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Datum"));
        QCOMPARE(form.Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Uhrzeit"));
        QCOMPARE(form.Model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Übungslänge"));
        const DateiInfo& first = dev->MessHeaders[0][0];
        QCOMPARE(form.Model()->index(0, 0).data().toString(), FormatDate(first.Datum));
        QCOMPARE(form.Model()->index(0, 1).data().toString(),
                 first.Zeit.toString(QStringLiteral("HH:mm:ss")));
        // The demo recording M0001 is 120 s long: the listing says 2 minutes.
        QCOMPARE(form.Model()->index(0, 2).data().toString(), QStringLiteral("%1 min").arg(first.Dauer));
        QCOMPARE(first.Dauer, uint16_t(2));
        QCOMPARE(form.Model()->index(3, 0).data(DeviceRecordingModel::kIndexRole).toInt(), 3);
        QCOMPARE(form.Model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(form.Action(QStringLiteral("ChooseAll"))->isEnabled());
        QVERIFY(!form.Action(QStringLiteral("SaveImportieren"))->isEnabled());
        QVERIFY(form.Action(QStringLiteral("SaveReadExc"))->isEnabled());
        // Four therapists and four patients fit without scrolling.
        QTest::qWait(50);
        for (QScrollArea* area : form.findChildren<QScrollArea*>()) {
            QVERIFY(!area->verticalScrollBar()->isVisible());
        }
        QCOMPARE(form.TherapeutPanel(5)->RowValue(0)->text(), QStringLiteral("Öztürk"));
        QCOMPARE(form.TherapeutPanel(5)->RowValue(1)->text(), QStringLiteral("Ülkü"));
        DumpScreenshot(&form, QStringLiteral("auslesen-vollstaendig"));

        // Birthday 0: "unvollständig" with the birthday in red, but matchable and ticked.
        form.PatientClick(1);
        SlotPanel* incomplete = form.PatientPanel(1);
        QVERIFY(incomplete->Selected() && !complete->Selected());
        QCOMPARE(incomplete->Caption(), QStringLiteral("Patient 2 (unvollständig)"));
        QCOMPARE(incomplete->RowValue(2)->text(), QString());
        QCOMPARE(Colour(incomplete->RowCaption(2)), QColor(Qt::red));
        QCOMPARE(Colour(incomplete->RowValue(2)), QColor(Qt::red));
        QCOMPARE(Colour(incomplete->RowCaption(0)), QColor(Qt::black));
        QCOMPARE(Colour(incomplete->RowCaption(1)), QColor(Qt::black));
        QVERIFY(form.Model()->Checkable());
        QCOMPARE(form.Model()->rowCount(), 2);
        QCOMPARE(form.Model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        DumpScreenshot(&form, QStringLiteral("auslesen-unvollstaendig"));

        // The "not set" birthday: shown complete, yet nothing can be ticked; import is offered
        // (once the main window has set the hook).
        form.PatientClick(2);
        QCOMPARE(form.PatientPanel(2)->Caption(), QStringLiteral("Patient 3"));
        QCOMPARE(form.PatientPanel(2)->RowValue(2)->text(), QStringLiteral("01.01.1950"));
        QVERIFY(!form.Model()->Checkable());
        QCOMPARE(form.Model()->rowCount(), 1);
        QVERIFY(!form.Model()->index(0, 0).data(Qt::CheckStateRole).isValid());
        QVERIFY(!(form.Model()->flags(form.Model()->index(0, 0)) & Qt::ItemIsUserCheckable));
        QVERIFY(!form.Model()->setData(form.Model()->index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(!dev->MessHeaders[2][0].Checked);
        QVERIFY(!form.Action(QStringLiteral("ChooseAll"))->isEnabled());
        QVERIFY(!form.Action(QStringLiteral("ChooseNothing"))->isEnabled());
        QVERIFY(!form.Action(QStringLiteral("SaveImportieren"))->isEnabled()); // no hook
        form.ImportPatient = [](const QString&, const QString&, const QDate&) {
            return std::optional<qint64>();
        };
        form.PatientClick(2);
        QVERIFY(form.Action(QStringLiteral("SaveImportieren"))->isEnabled());

        // No names on the device: "nicht zugewiesen", "Keine Patientendaten" in red.
        form.PatientClick(7);
        SlotPanel* none = form.PatientPanel(7);
        QCOMPARE(none->Caption(), QStringLiteral("Patient 8 (nicht zugewiesen)"));
        QCOMPARE(none->RowCaption(0)->text(), QStringLiteral("Keine Patientendaten"));
        QCOMPARE(Colour(none->RowCaption(0)), QColor(Qt::red));
        QVERIFY(!none->RowCaption(1)->isVisibleTo(none));
        QVERIFY(!none->RowCaption(2)->isVisibleTo(none));
        for (int r = 0; r < 3; ++r) {
            QVERIFY(!none->RowValue(r)->isVisibleTo(none));
        }
        QVERIFY(!form.Model()->Checkable());
        QCOMPARE(form.Model()->rowCount(), 2);
        QCOMPARE(form.Model()->index(1, 2).data().toString(), QStringLiteral("< 1 min"));
        // Nothing to import from a slot without any data; the button's tip says why and what instead.
        QVERIFY(!form.Action(QStringLiteral("SaveImportieren"))->isEnabled());
        auto tipOf = [&form](const char* name) {
            for (RibbonButton* b : form.findChildren<RibbonButton*>()) {
                if (b->defaultAction() == form.Action(QString::fromLatin1(name))) {
                    return b->toolTip();
                }
            }
            return QString();
        };
        QString tip = tipOf("SaveImportieren");
        QVERIFY2(tip.startsWith(DisabledHeader() + QStringLiteral("\nImportieren")), qPrintable(tip));
        QVERIFY2(tip.simplified().contains(QStringLiteral("keine Daten, die übernommen werden könnten")),
                 qPrintable(tip));
        QVERIFY2(tip.simplified().contains(QStringLiteral("„Zuweisen“")), qPrintable(tip));
        // A complete device patient needs no import: found or created by the read-out itself.
        form.PatientClick(0);
        QVERIFY(!form.Action(QStringLiteral("SaveImportieren"))->isEnabled());
        tip = tipOf("SaveImportieren");
        QVERIFY2(tip.simplified().contains(QStringLiteral("in der Datenbank gefunden oder neu angelegt")),
                 qPrintable(tip));
        // An enabled command shows no reason.
        QVERIFY(form.Action(QStringLiteral("ChooseAll"))->isEnabled());
        QVERIFY(!tipOf("ChooseAll").contains(QLatin1Char('\n')));
        form.PatientClick(7);
        DumpScreenshot(&form, QStringLiteral("auslesen-nicht-zugewiesen"));

        // Another therapist: the current patient has no recordings there, the first one that has is chosen.
        form.TherapeutClick(2);
        QVERIFY(form.TherapeutPanel(2)->Selected() && !form.TherapeutPanel(0)->Selected());
        QCOMPARE(form.CurrentPatient(), 3);
        QVERIFY(form.PatientPanel(3)->Selected());
        QCOMPARE(form.Model()->rowCount(), 1);
        // A click on a panel's label is a click on the panel.
        form.TherapeutClick(0);
        QTest::mouseClick(form.PatientPanel(1)->RowValue(0), Qt::LeftButton);
        QCOMPARE(form.CurrentPatient(), 1);
        QVERIFY(form.PatientPanel(1)->Selected());
    }

    void SelectAllNoneAndTestForChecked() {
        Load();
        ProgressWindow progress;
        ReadoutWindow form;
        form.Prepare(dev.get(), dm.get(), &progress);
        form.show();
        const int all = Checked(*dev);
        QCOMPARE(all, 9 + 2 + 1 + 1 + 1); // slots 1,1 1,2 and therapists 2, 3 and 6; not 1,3 nor 1,8
        QAction* read = form.Action(QStringLiteral("SaveReadExc"));
        QVERIFY(read->isEnabled());
        // "Keine auswählen" (Ctrl+N) clears the current patient only.
        QCOMPARE(form.Action(QStringLiteral("ChooseNothing"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(form.Action(QStringLiteral("ChooseAll"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Checked(*dev), all - 9);
        QCOMPARE(form.Model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Checked(*dev), all);
        // Every list cleared: "Auslesen" goes off; one check box in the list brings it back.
        for (int t : {0, 1, 2, 5}) {
            form.TherapeutClick(t);
            for (int p = 0; p < 10; ++p) {
                if (form.PatientPanel(p)->isVisibleTo(&form) &&
                    wf::IstZuordenbar(dev->Patienten[Slot(t, p)])) {
                    form.PatientClick(p);
                    form.ChooseNothing();
                }
            }
        }
        QCOMPARE(Checked(*dev), 0);
        QVERIFY(!read->isEnabled());
        form.TherapeutClick(0);
        form.PatientClick(1);
        QVERIFY(form.Model()->setData(form.Model()->index(1, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(dev->MessHeaders[1][1].Checked);
        QVERIFY(!dev->MessHeaders[1][0].Checked);
        QVERIFY(read->isEnabled());
        // The check box of the view itself toggles the entry.
        QTreeView* view = form.List();
        const QRect cell = view->visualRect(form.Model()->index(0, 0));
        QVERIFY(cell.isValid());
        QStyleOptionViewItem opt;
        opt.initFrom(view);
        opt.rect = cell;
        opt.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
        QVERIFY(dev->MessHeaders[1][0].Checked);
        QVERIFY(form.Model()->setData(form.Model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(form.Model()->setData(form.Model()->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!read->isEnabled());
        // A recording of the seventh to tenth patient enables it as well (after an assignment).
        dev->MessHeaders[Slot(0, 7)][0].Checked = true;
        form.TestForChecked();
        QVERIFY(read->isEnabled());
        // A language change keeps the chosen therapist and patient.
        form.TherapeutClick(2);
        form.PatientClick(3);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&form, &change);
        QCOMPARE(form.CurrentTherapeut(), 2);
        QCOMPARE(form.CurrentPatient(), 3);
        QVERIFY(form.TherapeutPanel(2)->Selected() && form.PatientPanel(3)->Selected());
        QVERIFY(!form.TherapeutPanel(0)->Selected());
        // The delete mark is cleared at each showing.
        form.Action(QStringLiteral("DelUeb"))->setChecked(true);
        form.hide();
        form.show();
        QVERIFY(!form.Action(QStringLiteral("DelUeb"))->isChecked());
    }

    void ImportAndAssignThroughTheHooks() {
        Answerer answer; // the transfer's summary
        Load();
        ProgressWindow progress;
        ReadoutWindow form;
        QString gotVorname, gotName;
        QDate gotBirthday;
        form.ImportPatient = [&](const QString& vorname, const QString& name, const QDate& geburtstag) {
            gotVorname = vorname;
            gotName = name;
            gotBirthday = geburtstag;
            Patient p;
            p.Vorname = vorname;
            p.Name = name;
            p.Geburtstag = QDate(1962, 6, 1); // the user enters the real birthday
            return std::optional<qint64>(dm->AddPatient(p));
        };
        Patient anna;
        anna.Name = QStringLiteral("Zimmermann-Łukasiewicz");
        anna.Vorname = QStringLiteral("Anna");
        anna.Geburtstag = QDate(1975, 3, 9);
        const qint64 annaId = dm->AddPatient(anna);
        bool chooseCancels = true;
        QStringList proposed; // what the selection window is asked to preselect
        form.ChoosePatient = [&](const QString& vorname, const QString& name, const QDate& geburtstag) {
            proposed << QStringLiteral("%1|%2|%3").arg(vorname, name, geburtstag.toString(Qt::ISODate));
            return chooseCancels ? std::optional<qint64>() : std::optional<qint64>(annaId);
        };
        form.Prepare(dev.get(), dm.get(), &progress);
        form.show();

        // Import of the patient with the "not set" birthday: proposed with today's date.
        form.PatientClick(2);
        QVERIFY(form.Action(QStringLiteral("SaveImportieren"))->isEnabled());
        form.Action(QStringLiteral("SaveImportieren"))->trigger();
        QCOMPARE(gotVorname, QStringLiteral("Maria"));
        QCOMPARE(gotName, QStringLiteral("Hölzl"));
        QCOMPARE(gotBirthday, QDate::currentDate());
        // The device patient now carries the database patient and its recording is ticked.
        QCOMPARE(wf::GeburtsdatumZuDatum(dev->Patienten[2].Geburtsdatum), QDate(1962, 6, 1));
        QCOMPARE(form.CurrentPatient(), 2);
        QCOMPARE(form.PatientPanel(2)->RowValue(2)->text(), QStringLiteral("01.06.1962"));
        QVERIFY(form.Model()->Checkable());
        QVERIFY(dev->MessHeaders[2][0].Checked);
        QVERIFY(!form.Action(QStringLiteral("SaveImportieren"))->isEnabled());

        // Assignment: cancelled changes nothing; chosen, slot 8 carries that patient.
        form.PatientClick(7);
        QVERIFY(form.Action(QStringLiteral("SaveZuweisen"))->isEnabled());
        form.Action(QStringLiteral("SaveZuweisen"))->trigger();
        QCOMPARE(form.PatientPanel(7)->Caption(), QStringLiteral("Patient 8 (nicht zugewiesen)"));
        QCOMPARE(proposed, QStringList{QStringLiteral("||")}); // an empty device patient: no hint
        chooseCancels = false;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        form.Action(QStringLiteral("SaveZuweisen"))->trigger();
        QCOMPARE(form.PatientPanel(7)->Caption(), QStringLiteral("Patient 8"));
        QCOMPARE(form.PatientPanel(7)->RowValue(0)->text(), QStringLiteral("Zimmermann-Łukasiewicz"));
        QCOMPARE(form.PatientPanel(7)->RowValue(1)->text(), QStringLiteral("Anna"));
        QVERIFY(dev->MessHeaders[Slot(0, 7)][0].Checked && dev->MessHeaders[Slot(0, 7)][1].Checked);
        QVERIFY(dm->GetPatient(annaId)->LetzterZugriff >= before);

        // The transfer stores them under those patients and then deletes them on the device.
        QSignalSpy closed(&form, &QDialog::accepted);
        form.Action(QStringLiteral("DelUeb"))->setChecked(true);
        KeepFiles();
        form.SaveReadExc();
        QCOMPARE(closed.count(), 1);
        QVERIFY2(!form.Result().failed, qPrintable(form.Result().error));
        QCOMPARE(form.Result().perSlot[Slot(0, 7)].stored, 2);
        QCOMPARE(form.Result().perSlot[Slot(0, 2)].stored, 1);
        QCOMPARE(int(dm->ListRecordings(annaId).size()), 2);
        VerifyStored(*dm, *dev, 0, 7, 2);
        VerifyStored(*dm, *dev, 0, 2, 1);
        QCOMPARE(form.Result().perSlot[Slot(0, 7)].deleted, 2);
        QCOMPARE(form.Result().perSlot[Slot(0, 0)].deleted, 9);
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY2(
            answer.boxes[0].contains(QStringLiteral("Anna Zimmermann-Łukasiewicz (Therapeut 1, Patient 8):\n"
                                                    "  gespeichert: 2\n  am Gerät gelöscht: 2\n")),
            qPrintable(answer.boxes[0]));
        for (const std::string& f : emu->ListFiles()) {
            QVERIFY2(!QString::fromStdString(f).endsWith(QStringLiteral(".hdf"), Qt::CaseInsensitive),
                     f.c_str());
        }
        // Slot 8 has no names on the device: its assignment lives in this read-out only.
        QCOMPARE(form.LastPatient() > 0, true);
        QCOMPARE(emu->Screen(), 0);
        QVERIFY(!dev->ComOpen);
    }

    void FullReadoutThroughTheMainWindow() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QAction* lese = f.Action(QStringLiteral("LeseMessungen"));
        QVERIFY(!lese->isEnabled()); // not logged in yet
        QVERIFY(f.OpenDatabase());
        QVERIFY(lese->isEnabled());
        QCOMPARE(lese->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        bool shown = false, beendenDuring = true, leseDuring = true;
        int checked = 0;
        bool secondSeen = false;
        answer.onReadout = [&](ReadoutWindow* w) {
            shown = true;
            beendenDuring = f.Action(QStringLiteral("Beenden"))->isEnabled();
            leseDuring = lese->isEnabled();
            checked = Checked(*f.Device());
            w->Action(QStringLiteral("SaveReadExc"))->trigger();
        };
        answer.onProgress = [&](ProgressWindow* p) { secondSeen = secondSeen || p->Second(); };
        lese->trigger();
        QVERIFY(shown);
        QVERIFY(!beendenDuring);
        QVERIFY(!leseDuring);
        QVERIFY(lese->isEnabled());
        QVERIFY(f.Action(QStringLiteral("Beenden"))->isEnabled());
        // One summary, per device patient.
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY2(
            answer.boxes[0].startsWith(QStringLiteral("Hans-Jürgen Bäcker (Therapeut 1, Patient 1):\n"
                                                      "  gespeichert: 9\n  als neuer Patient angelegt\n")),
            qPrintable(answer.boxes[0]));
        answer.boxes.clear();
        QCOMPARE(checked, 14);
        ReadoutWindow* w = f.AuslesenForm();
        QVERIFY(!w->isVisible());
        QVERIFY(!f.ProgressForm()->isVisible());
        QCOMPARE(w->Result().Stored(), 14);
        QVERIFY(w->LastPatient() > 0);
        const TZUD12& d = *f.Device();
        VerifyStored(*f.DM(), d, 0, 0, 9);
        VerifyStored(*f.DM(), d, 0, 1, 2);
        VerifyStored(*f.DM(), d, 1, 0, 1);
        VerifyStored(*f.DM(), d, 2, 3, 1);
        VerifyStored(*f.DM(), d, 5, 2, 1);
        QCOMPARE(emu->Screen(), 0);
        QVERIFY(!d.ComOpen);

        // Again: nothing is pre-selected, the window opens with "Auslesen" off.
        bool readEnabled = true;
        answer.onReadout = [&](ReadoutWindow* form) {
            readEnabled = form->Action(QStringLiteral("SaveReadExc"))->isEnabled();
            form->reject();
        };
        lese->trigger();
        QVERIFY(!readEnabled);
        QCOMPARE(Checked(*f.Device()), 0);
        QCOMPARE(f.AuslesenForm()->LastPatient(), 0);
    }

    // Through the main window's own dialogs: "Zuweisen" opens the selection window on the
    // patient the device's names point to, and a patient saved by "Importieren" becomes the
    // current patient even when nothing is read out.
    void AssignPreselectsAndImportMakesCurrent() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        // Slot 3 of therapist 1 is "Maria Hölzl" with the device's "not set" birthday: of a
        // "Marianne Hölzl" and a "Maria HÖLZL", the same names (letter case aside) are proposed.
        Patient other;
        other.Vorname = QStringLiteral("Marianne");
        other.Name = QStringLiteral("Hölzl");
        other.Geburtstag = QDate(1960, 1, 1);
        f.DM()->AddPatient(other);
        Patient maria;
        maria.Vorname = QStringLiteral("Maria");
        maria.Name = QStringLiteral("HÖLZL");
        maria.Geburtstag = QDate(1962, 6, 1);
        const qint64 mariaId = f.DM()->AddPatient(maria);
        qint64 preselected = -2;
        qint64 imported = -1;
        answer.onReadout = [&](ReadoutWindow* w) {
            w->TherapeutClick(0);
            w->PatientClick(2);
            answer.onOther = [&](QWidget* sel) {
                if (auto* a = qobject_cast<PatientSelectionWindow*>(sel)) {
                    preselected = a->SelectedId();
                }
                qobject_cast<QDialog*>(sel)->reject();
            };
            w->Action(QStringLiteral("SaveZuweisen"))->trigger();
            // Import with a real birth date typed in by the therapist.
            answer.onOther = [&](QWidget* dlg) {
                auto* d = qobject_cast<PatientDialog*>(dlg);
                if (!d) {
                    qobject_cast<QDialog*>(dlg)->reject();
                    return;
                }
                d->GeburtsdatumEdit->setText(QStringLiteral("02.07.1963"));
                d->Action(QStringLiteral("Speichern"))->trigger();
            };
            w->Action(QStringLiteral("SaveImportieren"))->trigger();
            imported = w->ImportedPatient();
            w->reject(); // nothing read out
        };
        f.Action(QStringLiteral("LeseMessungen"))->trigger();
        QCOMPARE(preselected, mariaId);
        QVERIFY(imported > 0);
        QVERIFY(imported != mariaId);
        QCOMPARE(f.DM()->GetPatient(imported)->Geburtstag, QDate(1963, 7, 2));
        QCOMPARE(f.CurrentPatient(), imported);
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
    }

    void LoadingShowsTheSecondWindowAndRefusesTheCloseBox() {
        // 21 recordings in therapist 2's second patient: its listing gets a second window.
        const auto bytes = *emu->GetFile(DevicePath(0, 0, "M0001.hdf"));
        for (int i = 0; i < 21; ++i) {
            emu->PutFile(DevicePath(1, 1, "L" + std::to_string(100 + i) + ".hdf"), bytes,
                         FatDate(2026, 10, 1 + i), FatTime(9, 0, 0), 2);
        }
        auto pat = *emu->GetFile(PatientenPfad(1));
        uint16_t anzahl = 21;
        std::memcpy(pat.data() + sizeof(Stammdaten), &anzahl, sizeof anzahl);
        emu->PutFile(PatientenPfad(1), pat, FatDate(2026, 11, 1), FatTime(8, 1, 0));

        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        QString secondText;
        QRect firstGeometry, secondGeometry;
        bool closeRefused = false, closeTried = false;
        ShowWatcher watcher([&](QWidget* w) {
            if (w->objectName() == QLatin1String("ProgressWindowSecond") && secondText.isEmpty()) {
                secondText = static_cast<ProgressWindow*>(w)->Text();
                firstGeometry = f.ProgressForm()->frameGeometry();
                secondGeometry = w->frameGeometry();
            }
        });
        answer.onProgress = [&](ProgressWindow* p) {
            if (!closeTried && p == f.ProgressForm() &&
                p->Text() == QStringLiteral("Lade Patientendaten ...")) {
                closeTried = true;
                p->close(); // the close box is off while loading
                closeRefused = p->isVisible() && !p->Cancel();
            }
        };
        answer.onReadout = [](ReadoutWindow* w) { w->reject(); };
        f.Action(QStringLiteral("LeseMessungen"))->trigger();
        QVERIFY(closeTried);
        QVERIFY(closeRefused);
        QCOMPARE(secondText, QStringLiteral("Lade Kopfdaten (Therapeut 2, Patient 2) ..."));
        QCOMPARE(secondGeometry.left(), firstGeometry.left());
        QCOMPARE(secondGeometry.top(), firstGeometry.top() + firstGeometry.height() + 20);
        QVERIFY(!f.ProgressForm()->Second());
        QCOMPARE(f.Device()->MessHeaders[Slot(1, 1)].size(), 21);
    }

    // The transfer owns the windows while it runs: Escape on the progress window, Escape on the
    // read-out window underneath and the read-out window's close box are each the cancel, at
    // 57,600 baud in the middle of a long recording. The transfer ends within the block under
    // way (the summary is there within 2 s), nothing of the half-read recording is stored, the
    // device has its normal screen, and the read-out window was not closed by the key.
    void CancelWithinARecordingByEscapeOrTheCloseBox() {
        for (int way = 0; way < 3; ++way) {
            // A slow line; therapist 1's first patient holds one long recording and nothing else.
            emu->Stop();
            emu::Options options;
            options.baud = 57600;
            options.turnaroundUs = 2000;
            emu = std::make_unique<emu::Emulator>(options);
            QVERIFY(emu->Start());
            PrepareDevice();
            for (const std::string& f : emu->ListFiles()) {
                if (f.find("Th_0\\Pat_0\\") != std::string::npos)
                    if (f.size() > 4 && f.substr(f.size() - 4) == ".hdf")
                        emu->RemoveFile(f);
            }
            const auto lang = emu::DemoExercise(0, 60 * 60, 5);
            emu->PutFile(DevicePath(0, 0, "M0050.hdf"), lang, FatDate(2026, 12, 9), FatTime(10, 0, 0), 20);

            Answerer answer;
            MainWindow f;
            f.Create(QString::fromStdString(emu->SlavePath()));
            QVERIFY(f.OpenDatabase());
            std::chrono::steady_clock::time_point pressed{};
            bool visibleAfter = false;
            answer.onProgress = [&](ProgressWindow* p) {
                // Six recordings; the bar stands a seventh into the first one (the long one, about
                // seventy blocks): ten blocks are read.
                if (pressed == std::chrono::steady_clock::time_point{} &&
                    p->Text() == QStringLiteral("Übertrage Übungen 1 von 6 ...") &&
                    p->Position() * 7 >= p->Maximum() / 6) {
                    pressed = std::chrono::steady_clock::now();
                    ReadoutWindow* w = f.AuslesenForm();
                    if (way == 0)
                        QTest::keyClick(p, Qt::Key_Escape);
                    else if (way == 1)
                        QTest::keyClick(w, Qt::Key_Escape);
                    else
                        w->close(); // as the window manager's close box
                    visibleAfter = w->isVisible();
                }
            };
            bool clicked = false;
            answer.onReadout = [&clicked](ReadoutWindow* w) {
                clicked = zud::test::ClickButtonOf(w, w->Action(QStringLiteral("SaveReadExc")));
                if (!clicked)
                    w->reject();
            };
            f.Action(QStringLiteral("LeseMessungen"))->trigger(); // as Ctrl+R
            QVERIFY(clicked);
            QVERIFY2(pressed != std::chrono::steady_clock::time_point{},
                     "the transfer never reached block 10");
            QVERIFY(visibleAfter);
            QCOMPARE(answer.boxes.size(), 1);
            QVERIFY2(answer.boxes[0].startsWith(QStringLiteral("Übertragung abgebrochen.\n")),
                     qPrintable(answer.boxes[0]));
            const auto took = answer.boxTimes[0] - pressed;
            QVERIFY2(took < std::chrono::milliseconds(2000),
                     qPrintable(QString::number(
                         std::chrono::duration_cast<std::chrono::milliseconds>(took).count())));
            QVERIFY(emu->HasFile(DevicePath(0, 0, "M0050.hdf")));
            const auto& r = f.AuslesenForm()->Result();
            QVERIFY(r.failed);
            QCOMPARE(r.Stored(), 0);
            const auto rows = f.DM()->Db().Query(QStringLiteral("select count(*) as N from ZUDData"));
            QCOMPARE(rows.front().Int(QStringLiteral("N")), qint64(0));
            QVERIFY(!f.ProgressForm()->isVisible());
            QVERIFY(!f.ProgressForm()->CloseEnabled());
            QCOMPARE(emu->Screen(), 0);
            QVERIFY(!f.Device()->ComOpen);
            // The long recording stays on the device.
            QVERIFY(emu->HasFile(DevicePath(0, 0, "M0050.hdf")));
        }
    }

    void SecondDeviceCommandRefusedDuringTransfer() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        bool tried = false, versionOk = true, leseEnabled = true, pumping = false;
        size_t questionsBefore = 0, questionsAfter = 0;
        auto questions = [this] {
            size_t n = 0;
            for (const auto& c : emu->Commands()) {
                n += c.code == '?';
            }
            return n;
        };
        answer.onProgress = [&](ProgressWindow* p) {
            if (!tried && p->Text().startsWith(QStringLiteral("Übertrage Übungen 2 von"))) {
                tried = true;
                pumping = f.Device()->Pumping();
                leseEnabled = f.Action(QStringLiteral("LeseMessungen"))->isEnabled();
                f.Action(QStringLiteral("LeseMessungen"))->trigger();
                f.DoLeseMessungen();
                versionOk = f.Device()->GetVersion();
            }
        };
        // The device's commands so far (it waits for the next one while the window is shown).
        answer.onReadout = [&](ReadoutWindow* w) {
            questionsBefore = questions();
            w->SaveReadExc();
        };
        f.Action(QStringLiteral("LeseMessungen"))->trigger();
        QVERIFY(tried);
        QVERIFY(pumping);
        QVERIFY(!leseEnabled);
        QVERIFY(!versionOk);
        questionsAfter = questions();
        QVERIFY(questionsBefore >= 1);
        QCOMPARE(questionsAfter, questionsBefore); // no "?" reached the line during the transfer
        // The transfer itself went on to the end: its summary is the only message.
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY2(!answer.boxes[0].contains(QStringLiteral("Fehler")), qPrintable(answer.boxes[0]));
        QCOMPARE(f.AuslesenForm()->Result().Stored(), 14);
        QFile log(dir->filePath(QStringLiteral("data/Logfile.txt")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("GetVersion (busy)"));
    }

    void LoadingErrorsInTheErrorDialog() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        bool opened = false;
        answer.onReadout = [&](ReadoutWindow* w) {
            opened = true;
            w->reject();
        };
        // No device on the line.
        emu->InjectFault({'?', emu::FaultKind::Silence, 0, 0, 2});
        f.Action(QStringLiteral("LeseMessungen"))->trigger();
        QCOMPARE(answer.boxes, QStringList{QStringLiteral("Kein Gerät erkannt!")});
        QCOMPARE(f.LastMessage, QStringLiteral("Kein Gerät erkannt!"));
        QVERIFY(!opened);
        QVERIFY(f.Action(QStringLiteral("LeseMessungen"))->isEnabled());
        QVERIFY(!f.Device()->ComOpen);
        QVERIFY(emu->WaitIdle());
        answer.boxes.clear();

        // No exercises: the device is back on its normal screen, the window does not open.
        TZUD12 cleaner;
        cleaner.ComPort = QString::fromStdString(emu->SlavePath());
        cleaner.open();
        for (const std::string& path : emu->ListFiles()) {
            if (QString::fromStdString(path).endsWith(QStringLiteral(".hdf"), Qt::CaseInsensitive)) {
                QVERIFY(cleaner.DeleteFileByName(QString::fromStdString(path)));
            }
        }
        cleaner.close();
        f.Action(QStringLiteral("LeseMessungen"))->trigger();
        QCOMPARE(answer.boxes, QStringList{QStringLiteral("Es sind keine Übungen gespeichert")});
        QVERIFY(!opened);
        QCOMPARE(emu->Screen(), 0);
        QVERIFY(!f.Device()->ComOpen);
        QVERIFY(!f.ProgressForm()->isVisible());
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    ReadoutUiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_readout_ui.moc"
