// The programming windows on the offscreen platform against the emulated demo device over a
// pseudo-terminal: "Programmieren" from the main window, the programming window's fields and
// rules, parameter files, the system parameters and the application change. The tests do what
// the user does: they click the ribbon's buttons, the panels and tabs, type into the fields, and
// read the effect from the emulated device's files, the saved file or the widget.

#include "AppChange.h"
#include "ApplicationChangeWindow.h"
#include "Crc.h"
#include "Demo.h"
#include "DeviceFiles.h"
#include "Emulator.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "ProgramFields.h"
#include "Programming.h"
#include "ProgrammingWindow.h"
#include "ProgressWindow.h"
#include "ReadoutWindow.h"
#include "Settings.h"
#include "SystemParametersDialog.h"
#include "TZUD12.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <cstring>

using namespace zud;
using namespace zud::ui;

namespace {

// Answers message boxes (Yes or No as told) and runs a step once when a window of interest is
// the active modal one.
class Answerer : public test::ModalWatcher {
public:
    Answerer() : ModalWatcher(5) {}
    QStringList boxes;
    // The default button of each box.
    QList<QMessageBox::StandardButton> defaults;
    bool yes = true;
    // The answers of the next questions in order (Yes = true); `yes` once they are used up.
    QList<bool> replies;
    // A button of the next question to click by its text instead of Yes/No.
    QString button;
    std::function<void(ProgrammingWindow*)> onProgramming;
    std::function<void(ApplicationChangeWindow*)> onChangeApp;
    // Once for any other modal window (the system parameters, the read-out, the progress window):
    // true when it was the one wanted.
    std::function<bool(QWidget*)> onOther;
    int maxProgress = 0;

protected:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            if (!box->isVisible()) {
                return;
            }
            boxes << box->text();
            const bool question = box->standardButtons() & QMessageBox::Yes;
            defaults << box->standardButton(box->defaultButton());
            if (!button.isEmpty()) {
                for (QAbstractButton* b : box->buttons()) {
                    if (b->text() == button) {
                        button.clear();
                        QTest::mouseClick(b, Qt::LeftButton);
                        return;
                    }
                }
            }
            const bool reply = question && !replies.isEmpty() ? replies.takeFirst() : yes;
            QAbstractButton* b =
                box->button(question ? (reply ? QMessageBox::Yes : QMessageBox::No) : QMessageBox::Ok);
            QTest::mouseClick(b, Qt::LeftButton);
        } else if (onOther && !qobject_cast<ProgrammingWindow*>(w) &&
                   !qobject_cast<ApplicationChangeWindow*>(w) && onOther(w)) {
            onOther = nullptr;
        } else if (auto* p = qobject_cast<ProgrammingWindow*>(w)) {
            if (onProgramming) {
                auto f = std::move(onProgramming);
                onProgramming = nullptr;
                QTimer::singleShot(0, p, [f, p] { f(p); });
            }
        } else if (auto* c = qobject_cast<ApplicationChangeWindow*>(w)) {
            if (onChangeApp) {
                auto f = std::move(onChangeApp);
                onChangeApp = nullptr;
                QTimer::singleShot(0, c, [f, c] { f(c); });
            }
        } else if (auto* pr = qobject_cast<ProgressWindow*>(w)) {
            maxProgress = std::max(maxProgress, pr->Position());
        }
    }
};

std::string Lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

uint8_t Byte(const Programmeintrag& e, size_t offset) {
    return e.Kopf[offset];
}

// The ribbon button of a window's command, as the user sees it.
QToolButton* ButtonOf(QWidget* w, const QString& action) {
    for (QToolButton* b : w->findChildren<QToolButton*>()) {
        if (b->defaultAction() && b->defaultAction()->objectName() == action && b->isVisible()) {
            return b;
        }
    }
    return nullptr;
}

// A left click on the ribbon button of `action`; false when the window shows no such button.
bool Click(QWidget* w, const QString& action) {
    QToolButton* b = ButtonOf(w, action);
    if (!b) {
        return false;
    }
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

// Clicks into a number field, deletes what it shows and types `text`; the cursor stays there.
void TypeInto(QAbstractSpinBox* field, const QString& text) {
    QTest::mouseClick(field->findChild<QLineEdit*>(), Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_End);
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClicks(field, text);
}

void ClickTab(QTabBar* tabs, int k) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(k).center());
}

void ClickPanel(QWidget* panel) {
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(4, 4));
}

// A right click on a panel opens its menu; a click on the entry of `action`.
void ContextMenu(QWidget* panel, QMenu* menu, QAction* action) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(4, 4), panel->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(panel, &e);
    if (!menu->isVisible()) {
        return;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

// The window system's show event of a window restored from the task bar.
void Restore(QWidget* w) {
    QShowEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(w, &e); // as the window system delivers it (sendEvent would make it our own)
}

// Byte `offset` of program k of record (t, p) in a parameter file.
uint8_t FileByte(const QByteArray& file, int t, int p, int k, size_t offset) {
    const qsizetype at = (t * 6 + p) * qsizetype(sizeof(Programmsatz)) + 2 +
                         k * qsizetype(sizeof(Programmeintrag)) + qsizetype(offset);
    return at < file.size() ? uint8_t(file[at]) : 0;
}

} // namespace

class ProgrammingUiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<emu::Emulator> emu;
    std::unique_ptr<TZUD12> dev;

    void Start(uint8_t typeCode, const std::string& sn = "ZE1234567") {
        emu::Identity id;
        id.Typ = typeCode;
        id.SN = sn;
        emu->SetIdentity(id);
    }

    void Load() {
        dev = std::make_unique<TZUD12>(dir->filePath(QStringLiteral("Logfile.txt")));
        dev->ComPort = QString::fromStdString(emu->SlavePath());
        wf::LadeProgrammierung(*dev);
        QVERIFY(emu->WaitIdle());
        emu->ClearLog();
    }

    std::vector<std::string> Written() {
        std::vector<std::string> out;
        if (!emu->WaitIdle()) {
            return out;
        }
        const auto cmds = emu->Commands();
        for (size_t i = 0; i + 1 < cmds.size(); ++i) {
            if (cmds[i].code == 'f' && cmds[i + 1].code == 'W') {
                out.push_back(Lower(FieldText(reinterpret_cast<const char*>(cmds[i].bytes.data() + 1), 50)));
            }
        }
        return out;
    }

    // A window on the loaded device, shown as the main window shows it.
    std::unique_ptr<ProgrammingWindow> Window() {
        auto w = std::make_unique<ProgrammingWindow>();
        w->Prepare(dev.get(), nullptr, nullptr);
        w->SetPictureFile(ShareDir() + QStringLiteral("epos.German"));
        w->SetLoading(true);
        Show(w.get());
        return w;
    }

    // Shown and active, as a window the user works in.
    static void Show(QWidget* w) {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    static QString ShareDir() {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zud-software/");
    }

private slots:
    void initTestCase() {
        db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-programming-lock")));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void init() {
        dir = test::FreshProgramFolders();
        QVERIFY(dir);
        emu = std::make_unique<emu::Emulator>();
        QVERIFY(emu->Start());
        emu::LoadDemo(*emu);
    }

    void cleanup() {
        dev.reset();
        emu->Stop();
        emu.reset();
    }

    void ProgrammingThroughTheMainWindow() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QAction* prog = f.Action(QStringLiteral("Programmieren"));
        QVERIFY(!prog->isEnabled());
        QVERIFY(f.OpenDatabase());
        QVERIFY(prog->isEnabled());
        QVERIFY(f.Action(QStringLiteral("ChangeApp"))->isEnabled());
        QString caption;
        bool pictureShown = false, adminShown = true, leseDuring = true, allEnabled = false;
        QStringList modes1, modes6;
        answer.onProgramming = [&](ProgrammingWindow* w) {
            caption = w->windowTitle();
            allEnabled = w->Action(QStringLiteral("Back6"))->isEnabled() &&
                         w->Action(QStringLiteral("Transfer"))->isEnabled() &&
                         w->Action(QStringLiteral("PatZuweisen"))->isEnabled();
            leseDuring = f.Action(QStringLiteral("LeseMessungen"))->isEnabled();
            pictureShown = w->Picture()->pixmap().width() == 260;
            ClickTab(w->Tabs(), 0);
            for (int i = 0; i < w->ModeList()->count(); ++i) {
                modes1 << w->ModeList()->itemText(i);
            }
            ClickTab(w->Tabs(), 5);
            for (int i = 0; i < w->ModeList()->count(); ++i) {
                modes6 << w->ModeList()->itemText(i);
            }
            // Therapist 2, patient 3, program 2: a typed contraction time above the range, left
            // with Tab, becomes the maximum.
            ClickPanel(w->TherapeutPanel(1));
            ClickPanel(w->PatientPanel(2));
            ClickTab(w->Tabs(), 1);
            ZahlFeld* an = w->Field(QStringLiteral("Anspannzeit"));
            TypeInto(an, QStringLiteral("500"));
            QTest::keyClick(an, Qt::Key_Tab);
            QCOMPARE(an->text(), QStringLiteral("255"));
            // Without Ctrl+Alt at the start the Admin panel stays hidden.
            answer.onOther = [&adminShown](QWidget* m) {
                auto* s = qobject_cast<SystemParametersDialog*>(m);
                if (!s) {
                    return false;
                }
                adminShown = s->Panel(QStringLiteral("Admin"))->isVisible();
                QTimer::singleShot(0, s, [s] { Click(s, QStringLiteral("ParBack")); });
                return true;
            };
            Click(w, QStringLiteral("ParSys"));
            Click(w, QStringLiteral("Transfer"));
        };
        prog->trigger();
        QCOMPARE(caption, QStringLiteral("Programmierung [ZUD12 Typ 1 S/N: ZE1234567]"));
        QVERIFY(pictureShown);
        QVERIFY(allEnabled);
        QVERIFY(!adminShown);
        QVERIFY(!leseDuring);
        QCOMPARE(modes1, QStringList{QStringLiteral("EMG-Biofeedback")});
        QCOMPARE(modes6, (QStringList{QStringLiteral("EMG-Biofeedback"), QStringLiteral("Programmfolge")}));
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
        QVERIFY(!f.ProgrammingForm()->isVisible());
        QVERIFY(prog->isEnabled());
        QCOMPARE(f.statusBar()->currentMessage(), QStringLiteral("Übertragen: 2 Dateien"));
        QCOMPARE(Written(),
                 (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\th_1\\pat_2\\prog.dat"}));
        Programmdatei d{};
        std::memcpy(&d, emu->GetFile(ProgrammPfad(1, 2))->data(), sizeof d);
        QVERIFY(ProgrammdateiCrcOk(d));
        QCOMPARE(int(d.Programme[1].Anspannzeit), 255);
        QCOMPARE(emu->Screen(), 0);

        // A device that does not answer: the error dialog, no window.
        emu->InjectFault({'?', emu::FaultKind::Silence, 0, 0, -1});
        answer.boxes.clear();
        prog->trigger();
        QCOMPARE(answer.boxes, QStringList{QStringLiteral("Kein Gerät erkannt!")});
        QVERIFY(!f.ProgrammingForm()->isVisible());
    }

    void CtrlAltHeldAtTheStartShowsTheAdminPanel() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        QTest::keyPress(&f, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(f.ServiceFlag());
        bool admin = false, flagDuring = false;
        answer.onProgramming = [&](ProgrammingWindow* w) {
            // The keys were let go while the device was read: the flag stays for this window.
            QTest::keyRelease(&f, Qt::Key_Alt, Qt::ControlModifier);
            flagDuring = f.ServiceFlag();
            answer.onOther = [&admin](QWidget* m) {
                auto* s = qobject_cast<SystemParametersDialog*>(m);
                if (!s) {
                    return false;
                }
                admin = s->Panel(QStringLiteral("Admin"))->isVisible();
                QTimer::singleShot(0, s, [s] { Click(s, QStringLiteral("ParBack")); });
                return true;
            };
            Click(w, QStringLiteral("ParSys"));
            Click(w, QStringLiteral("Back6"));
        };
        f.Action(QStringLiteral("Programmieren"))->trigger();
        QVERIFY(flagDuring);
        QVERIFY(admin);
        QVERIFY(!f.ServiceFlag()); // closing the window ends it
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->Screen(), 0);
    }

    void FieldsModesAndPicturesPerDeviceType() {
        Answerer answer;                                  // closing with changes asks; yes
        for (uint8_t code : {uint8_t(30), uint8_t(50)}) { // models 5 and 7
            Start(code);
            Load();
            // A stored current time of 1 and ramps that do not fit.
            Programmeintrag& e = dev->Programme[0].Programme[0];
            e.Kopf[offsetof(ProgrammParameter, Betriebsart)] = 1;
            e.Kopf[offsetof(ProgrammParameter, Stromzeit)] = 1;
            e.Kopf[offsetof(ProgrammParameter, Anschwellzeit)] = 15;
            e.Kopf[offsetof(ProgrammParameter, Abschwellzeit)] = 15;
            auto w = Window();
            QVERIFY(!w->Loading());
            QCOMPARE(w->Model()->Programm(), 0);
            QCOMPARE(w->Field(QStringLiteral("Stromzeit"))->value(), 2);
            QCOMPARE(int(Byte(e, offsetof(ProgrammParameter, Stromzeit))), 2);
            QCOMPARE(w->Slider(QStringLiteral("Anschwellzeit"))->value(), 15);
            QCOMPARE(w->Slider(QStringLiteral("Abschwellzeit"))->value(), 5);
            QCOMPARE(w->Slider(QStringLiteral("Abschwellzeit"))->maximum(), 5);
            QCOMPARE(w->SliderText(QStringLiteral("Anschwellzeit"))->text(), QStringLiteral("1,5"));
            // Mode 2 shows the stimulation panel and the current and pause times.
            QVERIFY(w->Panel(QStringLiteral("Stimulation"))->isVisible());
            QVERIFY(w->Field(QStringLiteral("Stromzeit"))->isVisible());
            const int typ = dev->Typ;
            QCOMPARE(w->ModeList()->count(), typ == 7 ? 9 : 4);
            // Electrode pictures: four for both models.
            e.ElektrodenPosition = 0;
            w->ShowProgram(0);
            QVERIFY(!w->PreviousPicture()->isEnabled());
            QVERIFY(w->NextPicture()->isEnabled());
            w->NextPicture()->click();
            w->NextPicture()->click();
            w->NextPicture()->click();
            QVERIFY(!w->NextPicture()->isEnabled());
            QCOMPARE(int(e.ElektrodenPosition), 3);
            QCOMPARE(w->Picture()->pixmap().width(), 260);
            // Timeout 61: continuous operation.
            w->Slider(QStringLiteral("Timeout"))->setValue(61);
            QCOMPARE(w->SliderText(QStringLiteral("Timeout"))->text(), QStringLiteral("Dauerbetrieb"));
            QCOMPARE(int(Byte(e, offsetof(ProgrammParameter, Timeout))), 61);
            // The sixth tab offers the program sequence; choosing it hides the picture.
            w->Tabs()->setCurrentIndex(5);
            const int folge = w->ModeList()->findData(9);
            QVERIFY(folge >= 0);
            w->ModeList()->setCurrentIndex(folge);
            QCOMPARE(int(Byte(dev->Programme[0].Programme[5], offsetof(ProgrammParameter, Betriebsart))), 8);
            QVERIFY(!w->Panel(QStringLiteral("Elektroden"))->isVisible());
            QVERIFY(w->Panel(QStringLiteral("Folge"))->isVisible());
            // Clearing step 3 of five.
            const uint8_t fuenf[6] = {1, 2, 3, 4, 5, 0};
            std::memcpy(dev->Programme[0].Folge, fuenf, 6);
            w->ShowProgram(5);
            QVERIFY(w->StepList(5)->isEnabled());
            w->StepList(2)->setCurrentIndex(0);
            QCOMPARE(int(dev->Programme[0].FolgeLaenge), 2);
            QCOMPARE(int(dev->Programme[0].Folge[3]), 0);
            QVERIFY(!w->StepList(3)->isEnabled());
            QVERIFY(w->StepList(2)->isEnabled());
            // A 25-character name leaves the electrode position.
            w->Tabs()->setCurrentIndex(0);
            QTest::keyClicks(w->NameEdit(), QStringLiteral("Rueckenstrecker-Uebung-lang"));
            QCOMPARE(w->NameEdit()->text().size(), 25);
            QCOMPARE(int(e.ElektrodenPosition), 3);
            QCOMPARE(w->Model()->Name().size(), 25);
            QTest::qWait(30); // the screenshot of this model
            w->close();
            dev.reset();
        }
    }

    void FieldKeysAndTypedValues() {
        Load();
        auto w = Window();
        ZahlFeld* ent = w->Field(QStringLiteral("Entspannzeit"));
        TypeInto(ent, QStringLiteral("a-0"));
        QCOMPARE(ent->Edit()->text(), QStringLiteral("0")); // only digits arrive
        QTest::keyClick(ent, Qt::Key_Tab);                  // leaving clamps into 1..255
        QCOMPARE(ent->text(), QStringLiteral("1"));
        QCOMPARE(int(Byte(w->Model()->Eintrag(), offsetof(ProgrammParameter, Entspannzeit))), 1);
        TypeInto(ent, QString());
        QTest::keyClick(ent, Qt::Key_Tab); // not a number: the cursor stays, the record keeps its value
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ent));
        QCOMPARE(int(Byte(w->Model()->Eintrag(), offsetof(ProgrammParameter, Entspannzeit))), 1);
        QCOMPARE(ent->Edit()->contextMenuPolicy(), Qt::NoContextMenu);
    }

    // Both kinds of field leave by one rule: a focus that goes to another window and comes back
    // leaves the typed text as it is; a text that is no number keeps the cursor in the field;
    // a number is taken into the range.
    void FieldsLeaveByOneRule() {
        QWidget host;
        auto* lay = new QVBoxLayout(&host);
        auto* zahl = new ZahlFeld(&host);
        zahl->setRange(1, 255);
        zahl->setValue(10);
        auto* zehntel = new ZehntelFeld(&host);
        zehntel->setRange(0.5, 5.0);
        zehntel->setValue(2.0);
        auto* after = new QLineEdit(&host);
        lay->addWidget(zahl);
        lay->addWidget(zehntel);
        lay->addWidget(after);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        struct Case {
            QAbstractSpinBox* box;
            TypedEntry* field;
            QLineEdit* edit;
            QString typed;
            QString taken;
        };
        const Case cases[] = {
            {zahl, zahl, zahl->Edit(), QStringLiteral("300"), QStringLiteral("255")},
            {zehntel, zehntel, zehntel->Edit(), QStringLiteral("3,46"), QStringLiteral("3,5")}};
        for (const Case& c : cases) {
            const QString before = c.box->text();
            QCOMPARE(c.field->Box(), c.box);
            TypeInto(c.box, c.typed);
            QVERIFY(c.field->Pending());
            // A message takes the focus for a moment: nothing is corrected or taken meanwhile.
            QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(c.box, &away);
            QCOMPARE(c.edit->text(), c.typed);
            QVERIFY(c.field->Pending());
            QCOMPARE(c.box->text(), c.typed);
            // No number: the cursor comes back and the value stays.
            TypeInto(c.box, QString());
            QTest::keyClick(c.box, Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c.box));
            QVERIFY(c.field->Pending());
            // A number leaves the field and is taken.
            TypeInto(c.box, c.typed);
            QTest::keyClick(c.box, Qt::Key_Tab);
            QTest::qWait(20);
            QVERIFY(QApplication::focusWidget() != c.box);
            QCOMPARE(c.box->text(), c.taken);
            QVERIFY(!c.field->Pending());
            QVERIFY(before != c.taken);
        }
        QCOMPARE(zahl->value(), 255);
        QCOMPARE(zehntel->Zehntel(), 35);
    }

    void PatientsDeletionAndCopies() {
        Load();
        auto w = Window();
        Answerer answer;
        // Patient 1 of therapist 1 has exercises: the box is shown; No keeps it unticked.
        ClickPanel(w->TherapeutPanel(0));
        ClickPanel(w->PatientPanel(0));
        QVERIFY(w->DeleteBox()->isVisible());
        answer.yes = false;
        w->DeleteBox()->click();
        QTRY_COMPARE(answer.boxes.size(), 1);
        QCOMPARE(answer.boxes[0],
                 QStringLiteral("Alle Übungen des Patienten werden gelöscht!\nSind Sie sicher?"));
        QVERIFY(!w->DeleteBox()->isChecked());
        QCOMPARE(int(dev->Patienten[0].Loeschen), 0);
        answer.yes = true;
        w->DeleteBox()->click();
        QTRY_COMPARE(answer.boxes.size(), 2);
        QCOMPARE(int(dev->Patienten[0].Loeschen), 1);
        // A slot without exercises has no box.
        ClickPanel(w->PatientPanel(5));
        QVERIFY(!w->DeleteBox()->isVisible());
        // Removing shows "Keine Patientendaten".
        ClickPanel(w->PatientPanel(1));
        QVERIFY(Click(w.get(), QStringLiteral("DelPat")));
        QCOMPARE(w->PatientPanel(1)->RowCaption(0)->text(), QStringLiteral("Keine Patientendaten"));
        QVERIFY(!w->PatientPanel(1)->RowValue(0)->isVisible());
        // Copy a patient's set and paste it onto another.
        QVERIFY(!w->Action(QStringLiteral("PatParaPaste"))->isEnabled());
        // A value typed and not yet left counts for the copy.
        ClickPanel(w->PatientPanel(0));
        const int k = w->Tabs()->currentIndex();
        TypeInto(w->Field(QStringLiteral("Anspannzeit")), QStringLiteral("77"));
        ContextMenu(w->PatientPanel(0), w->PatientMenu(), w->Action(QStringLiteral("PatParaCopy")));
        QVERIFY(w->Action(QStringLiteral("PatParaPaste"))->isEnabled());
        QVERIFY(!w->Action(QStringLiteral("TheraParaPaste"))->isEnabled());
        ContextMenu(w->PatientPanel(3), w->PatientMenu(), w->Action(QStringLiteral("PatParaPaste")));
        QCOMPARE(w->Model()->Patient(), 3);
        QCOMPARE(std::memcmp(&dev->Programme[3], &dev->Programme[0], sizeof(Programmsatz)), 0);
        // The transfer deletes the ticked slot's exercises and writes what changed.
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->LastTransfer().failed);
        QCOMPARE(w->LastTransfer().geloescht, QList<int>{0});
        const auto written = Written();
        QVERIFY(std::find(written.begin(), written.end(), "0:\\daten\\th_0\\pat_3\\prog.dat") !=
                written.end());
        Programmdatei d{};
        std::memcpy(&d, emu->GetFile(ProgrammPfad(0, 3))->data(), sizeof d);
        QCOMPARE(int(d.Programme[k].Anspannzeit), 77);
        QVERIFY(std::find(written.begin(), written.end(), "0:\\daten\\th_0\\pat.dat") != written.end());
    }

    void AssignTherapistAndConversionMessage() {
        Load();
        // A patient of the real database goes into slot 5 of therapist 3.
        PatientDatabase dm(DbLocation::FromSettings(Settings()));
        QVERIFY(dm.EnsureInstalled());
        dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        Patient p;
        p.Name = QStringLiteral("Żelazna-Wiśniewska-Przybyszewska");
        p.Vorname = QStringLiteral("Agnieszka");
        p.Geburtstag = QDate(1961, 7, 3);
        const qint64 id = dm.AddPatient(p);
        auto w = std::make_unique<ProgrammingWindow>();
        w->Prepare(dev.get(), &dm, nullptr);
        w->ChoosePatient = [id]() -> std::optional<qint64> { return id; };
        w->EditTherapist = [](const QString& name,
                              const QString& vorname) -> std::optional<std::pair<QString, QString>> {
            return std::pair{name + QStringLiteral("-Neu"), vorname};
        };
        w->SetLoading(true);
        Show(w.get());
        QVERIFY(w->Action(QStringLiteral("PatZuweisen"))->isEnabled());
        ClickPanel(w->TherapeutPanel(2));
        ClickPanel(w->PatientPanel(4));
        QVERIFY(Click(w.get(), QStringLiteral("PatZuweisen")));
        const Stammsatz& s = dev->Patienten[24];
        QCOMPARE(wf::Name(s), p.Name.left(30));
        QCOMPARE(wf::Vorname(s), QStringLiteral("Agnieszka"));
        QCOMPARE(wf::GeburtsdatumZuDatum(s.Geburtsdatum), QDate(1961, 7, 3));
        QCOMPARE(w->PatientPanel(4)->RowValue(0)->text(), p.Name.left(30));
        QVERIFY(Click(w.get(), QStringLiteral("ChangeThera")));
        QCOMPARE(w->TherapeutPanel(2)->RowValue(0)->text(), QStringLiteral("Köhler-Neu"));
        // The Polish letters have no code in the German device set: the transfer says so.
        Answerer answer;
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(answer.boxes, QStringList{wf::KonvertierungsMeldung()});
        const auto written = Written();
        QCOMPARE(written, (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\thera.dat",
                                                    "0:\\daten\\th_2\\pat.dat"}));
    }

    void WithoutPatientSelectionOnlyPatientOneShows() {
        Load();
        dev->SystemParameter.Patauswahl = 0;
        dev->SystemParameter.AktTherapeut = 3;
        auto w = Window();
        QCOMPARE(w->Model()->Therapeut(), 0);
        QCOMPARE(w->Model()->Patient(), 0);
        QCOMPARE(int(dev->SystemParameter.AktTherapeut), 0);
        QVERIFY(!w->TherapeutPanel(0)->isVisible());
        QVERIFY(w->PatientPanel(0)->isVisible());
        QVERIFY(!w->PatientPanel(1)->isVisible());
        QVERIFY(!w->Action(QStringLiteral("ChangeThera"))->isEnabled());
        QVERIFY(!w->Action(QStringLiteral("DelPatAll"))->isEnabled());
    }

    void ParameterFileInTheWindow() {
        Load();
        auto w = Window();
        QString file = dir->filePath(QStringLiteral("satz"));
        w->AskFile = [&file](bool) { return file; };
        QVERIFY(Click(w.get(), QStringLiteral("ParSave")));
        QFile f(file + QStringLiteral(".zud"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray saved = f.readAll();
        f.close();
        QCOMPARE(saved.size(), qsizetype(25059));
        QCOMPARE(saved, wf::ParameterDatei(*dev));
        // A file whose system parameters switch the patient selection off.
        saved[25020 + offsetof(Systemparameter, Patauswahl)] = 0;
        QFile g(dir->filePath(QStringLiteral("ohne.zud")));
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write(saved);
        g.close();
        file = g.fileName();
        QVERIFY(Click(w.get(), QStringLiteral("ParLoad")));
        QVERIFY(!w->PatientPanel(1)->isVisible());
        QVERIFY(!w->TherapeutPanel(0)->isVisible());
        // A short file: a message says how much was taken.
        Answerer answer;
        QFile k(dir->filePath(QStringLiteral("kurz.zud")));
        QVERIFY(k.open(QIODevice::WriteOnly));
        k.write(saved.left(700));
        k.close();
        file = k.fileName();
        QVERIFY(Click(w.get(), QStringLiteral("ParLoad")));
        QTRY_COMPARE(answer.boxes.size(), 1);
        QVERIFY(answer.boxes[0].contains(QStringLiteral("1 von 36")));
    }

    void SystemParametersWithAndWithoutAdmin() {
        Start(50, "ZE1P34567"); // model 7, fourth character of the serial number P
        Load();
        dev->SystemParameter.Bluetooth_vorhanden = 0;
        dev->SystemParameter.UpdateRate = 20;
        std::strcpy(dev->GVersion.FWVersion, "ZUD12 V00610");
        dev->FWVersion = QStringLiteral("ZUD12 V00610");
        SystemParametersDialog w;
        w.Prepare(dev.get());
        w.SetAdmin(false);
        Show(&w);
        QVERIFY(!w.Panel(QStringLiteral("Admin"))->isVisible());
        QVERIFY(w.Panel(QStringLiteral("Druck"))->isVisible());
        QVERIFY(w.Panel(QStringLiteral("Triggerung"))->isVisible());
        QVERIFY(!w.Box(QStringLiteral("Sensi"))->isVisible());
        QCOMPARE(w.UpdateRateField()->text(), QStringLiteral("2,0"));
        QTest::qWait(30);
        w.close();

        w.SetAdmin(true);
        Show(&w);
        QVERIFY(w.Panel(QStringLiteral("Admin"))->isVisible());
        QVERIFY(w.CodeField()->isVisible());
        QCOMPARE(w.CodeField()->text(), QStringLiteral("7148"));
        QCheckBox* bt = w.findChild<QCheckBox*>(QStringLiteral("Bluetooth"));
        QVERIFY(bt->isVisible());
        QVERIFY(!bt->isChecked());
        // Decimal comma: 3,46 is 35 tenths; 7 is at most 50.
        TypeInto(w.UpdateRateField(), QStringLiteral("3,46"));
        QTest::keyClick(w.UpdateRateField(), Qt::Key_Tab);
        QCOMPARE(int(w.WorkingCopy().UpdateRate), 35);
        QCOMPARE(w.UpdateRateField()->text(), QStringLiteral("3,5"));
        TypeInto(w.UpdateRateField(), QStringLiteral("7"));
        QTest::keyClick(w.UpdateRateField(), Qt::Key_Tab);
        QCOMPARE(int(w.WorkingCopy().UpdateRate), 50);
        QCOMPARE(w.UpdateRateField()->text(), QStringLiteral("5,0"));
        TypeInto(w.TriggerField(), QStringLiteral("500"));
        QTest::keyClick(w.TriggerField(), Qt::Key_Tab);
        QCOMPARE(int(w.WorkingCopy().Triggerzeitlimit), 200);
        w.Brightness()->setValue(64);
        w.List(QStringLiteral("EMG_Maximum"))->setCurrentIndex(3);
        // Storing the factory settings ticks and locks the factory state.
        QCheckBox* als = w.findChild<QCheckBox*>(QStringLiteral("AlsWerkseinstellungen"));
        QCheckBox* werk = w.findChild<QCheckBox*>(QStringLiteral("Werkseinstellungen"));
        als->setChecked(true);
        QVERIFY(werk->isChecked());
        QVERIFY(!werk->isEnabled());
        als->setChecked(false);
        QVERIFY(!werk->isChecked());
        QVERIFY(werk->isEnabled());
        QTest::qWait(30);
        // A three-digit code is refused; the rest is applied all the same.
        QTest::mouseClick(w.CodeField(), Qt::LeftButton);
        QTest::keyClick(w.CodeField(), Qt::Key_End);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(w.CodeField(), Qt::Key_Backspace);
        }
        QTest::keyClicks(w.CodeField(), QStringLiteral("123"));
        QVERIFY(Click(&w, QStringLiteral("ParUebernehmen")));
        QVERIFY(w.isVisible());
        QVERIFY(w.CodeError());
        QCOMPARE(w.CodeField()->palette().color(QPalette::Base), SystemParametersDialog::kError);
        QCOMPARE(w.CodeField()->text(), QStringLiteral("7148"));
        QCOMPARE(int(dev->SystemParameter.Helligkeit), 64);
        QCOMPARE(int(dev->SystemParameter.EMG_Maximum), 3);
        QCOMPARE(int(dev->SystemParameter.Bluetooth_vorhanden), 1);
        QCOMPARE(GetCrc(dev->SystemParameter.crc), SystemCrc(dev->SystemParameter));
        QTest::mouseClick(w.CodeField(), Qt::LeftButton);
        QTest::keyClick(w.CodeField(), Qt::Key_End);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(w.CodeField(), Qt::Key_Backspace);
        }
        QTest::keyClicks(w.CodeField(), QStringLiteral("4321"));
        QVERIFY(Click(&w, QStringLiteral("ParUebernehmen")));
        QVERIFY(!w.isVisible());
        QCOMPARE(int(dev->Codes_ZUD12.Code[2]), 4321);
    }

    void FactoryStateFromTheWindow() {
        Load();
        auto w = Window();
        // As ticked in the Admin panel of the system parameters.
        w->SystemForm()->findChild<QCheckBox*>(QStringLiteral("Werkseinstellungen"))->setChecked(true);
        QVERIFY(w->SystemForm()->FactoryState());
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QVERIFY(!w->isVisible());
        QVERIFY(w->LastTransfer().werkszustand);
        QCOMPARE(w->LastTransfer().geloescht.size(), 36);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->FactoryResets(), 1);
        QCOMPARE(emu->Resets(), 1);
        // Closing the window cleared the factory options.
        QVERIFY(!w->SystemForm()->FactoryState());
    }

    void ApplicationsAreMarkedNamedAndAskedAbout() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        int buttons = 0;
        bool activeChecked = false;
        QString info;
        int screenDuring = -1;
        answer.onChangeApp = [&](ApplicationChangeWindow* w) {
            for (QToolButton* b : w->findChildren<QToolButton*>()) {
                buttons += b->defaultAction() &&
                           b->defaultAction()->objectName().startsWith(QLatin1String("App")) &&
                           b->isVisible();
            }
            activeChecked = w->AppAction(1)->isChecked() && !w->AppAction(2)->isChecked();
            info = w->InfoPane()->toPlainText();
            screenDuring = emu->Screen();
            answer.yes = false;
            QTest::mouseClick(ButtonOf(w, QStringLiteral("App5")), Qt::LeftButton);
            QCOMPARE(w->NameField()->text(), wf::AnwendungsName(5));
            Click(w, QStringLiteral("ChangeApp"));
            QVERIFY(w->isVisible());
            QTest::qWait(20);
            Click(w, QStringLiteral("Zurueck"));
        };
        f.Action(QStringLiteral("ChangeApp"))->trigger();
        QCOMPARE(buttons, 12);
        QVERIFY(activeChecked);
        QVERIFY(info.contains(QStringLiteral("ZUD12: ZE1234567")));
        QVERIFY(info.contains(QStringLiteral("Firmware-Version: ZUD12 V00540")));
        QVERIFY(info.contains(QStringLiteral("Firmware-Datum: 15.03.2024")));
        QCOMPARE(screenDuring, 199);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->Screen(), 0); // closing gave the screen back
        QCOMPARE(emu->FactoryResets(), 0);

        // Yes: the switch, with all sixty slots deleted and a reset.
        answer.onChangeApp = [&](ApplicationChangeWindow* w) {
            answer.yes = true;
            QTest::mouseClick(ButtonOf(w, QStringLiteral("App9")), Qt::LeftButton);
            Click(w, QStringLiteral("ChangeApp"));
        };
        emu->ClearLog();
        f.Action(QStringLiteral("ChangeApp"))->trigger();
        QVERIFY(emu->WaitIdle());
        QCOMPARE(int(emu->Infoblock()[16]), 9);
        QCOMPARE(emu->FactoryResets(), 1);
        QCOMPARE(emu->Resets(), 1);
        QCOMPARE(f.ChangeAppForm()->Result().geloescht, 60);
        QCOMPARE(f.ChangeAppForm()->Bar()->value(), 60);
        QVERIFY(f.ChangeAppForm()->InfoPane()->toPlainText().contains(QStringLiteral("Werkszustand...")));
    }

    // A value typed into a field counts for what follows, however the user goes on: another
    // program tab, another patient, "Speichern", "Übertragen" and the closing question.
    void TypedValuesCountForEveryFollowingCommand() {
        Load();
        auto w = Window();
        const QString file = dir->filePath(QStringLiteral("getippt.zud"));
        w->AskFile = [file](bool) { return file; };
        constexpr size_t an = offsetof(ProgrammParameter, Anspannzeit);
        constexpr size_t ent = offsetof(ProgrammParameter, Entspannzeit);
        QVERIFY(Byte(dev->Programme[0].Programme[0], an) != 41);
        QVERIFY(Byte(dev->Programme[0].Programme[1], ent) != 42);
        // Therapist 1, patient 1: program 1 typed, then the tab of program 2.
        ClickPanel(w->PatientPanel(0));
        ClickTab(w->Tabs(), 0);
        TypeInto(w->Field(QStringLiteral("Anspannzeit")), QStringLiteral("41"));
        ClickTab(w->Tabs(), 1);
        QCOMPARE(w->Tabs()->currentIndex(), 1);
        TypeInto(w->Field(QStringLiteral("Entspannzeit")), QStringLiteral("42"));
        // Another patient: program 2 of patient 1 keeps what was typed.
        ClickPanel(w->PatientPanel(1));
        QCOMPARE(w->Model()->Patient(), 1);
        const int k = w->Tabs()->currentIndex();
        TypeInto(w->Field(QStringLiteral("Anspannzeit")), QStringLiteral("43"));
        // "Speichern" with the cursor still in the field.
        QVERIFY(Click(w.get(), QStringLiteral("ParSave")));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray saved = f.readAll();
        QCOMPARE(int(FileByte(saved, 0, 0, 0, an)), 41);
        QCOMPARE(int(FileByte(saved, 0, 0, 1, ent)), 42);
        QCOMPARE(int(FileByte(saved, 0, 1, k, an)), 43);
        // Going back shows what was typed.
        ClickPanel(w->PatientPanel(0));
        ClickTab(w->Tabs(), 0);
        QCOMPARE(w->Field(QStringLiteral("Anspannzeit"))->text(), QStringLiteral("41"));
        // "Übertragen" with the cursor still in the field: the device gets the typed value.
        TypeInto(w->Field(QStringLiteral("Anspannzeit")), QStringLiteral("44"));
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(emu->WaitIdle());
        Programmdatei d{};
        std::memcpy(&d, emu->GetFile(ProgrammPfad(0, 0))->data(), sizeof d);
        QCOMPARE(int(d.Programme[0].Anspannzeit), 44);
        QCOMPARE(int(d.Programme[1].Entspannzeit), 42);
        std::memcpy(&d, emu->GetFile(ProgrammPfad(0, 1))->data(), sizeof d);
        QCOMPARE(int(d.Programme[k].Anspannzeit), 43);
    }

    // A typed value out of range or no number at all stops the command with the field's message
    // and the cursor in the field; nothing is sent, saved or switched.
    void RefusedEntryStopsTheCommand() {
        Load();
        auto w = Window();
        Answerer answer;
        const QString file = dir->filePath(QStringLiteral("nie.zud"));
        w->AskFile = [file](bool) { return file; };
        ClickPanel(w->PatientPanel(0));
        ZahlFeld* field = w->Field(QStringLiteral("Anspannzeit"));
        const int before = field->value();
        TypeInto(field, QStringLiteral("300"));
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QTRY_COMPARE(answer.boxes.size(), 1);
        const QString refusal = QStringLiteral(
            "Der Wert im Feld „Anspannzeit[s]“ ist ungültig. Bitte eine ganze Zahl von 0 bis 255 eingeben.");
        QCOMPARE(answer.boxes[0], refusal);
        QVERIFY(w->isVisible());
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(field));
        QCOMPARE(field->text(), QStringLiteral("300"));
        QCOMPARE(field->value(), before);
        QVERIFY(emu->WaitIdle());
        QVERIFY(emu->Commands().empty()); // not even the transfer screen
        // Another tab: refused the same way, the tab stays.
        ClickTab(w->Tabs(), 2);
        QTRY_COMPARE(answer.boxes.size(), 2);
        QCOMPARE(w->Tabs()->currentIndex(), w->Model()->Programm());
        QCOMPARE(field->text(), QStringLiteral("300"));
        // An empty field is no number: "Speichern" writes nothing.
        TypeInto(field, QString());
        QVERIFY(Click(w.get(), QStringLiteral("ParSave")));
        QTRY_COMPARE(answer.boxes.size(), 3);
        QCOMPARE(answer.boxes[2], refusal);
        QVERIFY(!QFile::exists(file));
        // Corrected, the command runs.
        TypeInto(field, QStringLiteral("255"));
        QVERIFY(Click(w.get(), QStringLiteral("ParSave")));
        QVERIFY(QFile::exists(file));
        QCOMPARE(int(Byte(w->Model()->Eintrag(), offsetof(ProgrammParameter, Anspannzeit))), 255);
    }

    // "Zurück", Escape and the close box ask "Änderungen verwerfen?" (default "Nein") when there
    // are changes not transferred, a typed value included; a window without changes just closes.
    void ClosingWithUntransferredChangesAsks() {
        Load();
        Answerer answer;
        {
            auto w = Window();
            QVERIFY(Click(w.get(), QStringLiteral("Back6")));
            QVERIFY(!w->isVisible());
            QVERIFY(answer.boxes.isEmpty());
        }
        auto w = Window();
        TypeInto(w->Field(QStringLiteral("Entspannzeit")), QStringLiteral("9"));
        answer.yes = false;
        QTest::keyClick(w->Field(QStringLiteral("Entspannzeit")), Qt::Key_Escape); // the cursor still there
        QTRY_COMPARE(answer.boxes.size(), 1);
        QCOMPARE(answer.boxes[0], QStringLiteral("Änderungen verwerfen?"));
        QCOMPARE(answer.defaults[0], QMessageBox::No);
        QVERIFY(w->isVisible());
        QVERIFY(Click(w.get(), QStringLiteral("Back6")));
        QTRY_COMPARE(answer.boxes.size(), 2);
        QVERIFY(w->isVisible());
        w->close(); // the close box
        QTRY_COMPARE(answer.boxes.size(), 3);
        QVERIFY(w->isVisible());
        answer.yes = true;
        QVERIFY(Click(w.get(), QStringLiteral("Back6")));
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(answer.boxes.size(), 4);
        QVERIFY(emu->WaitIdle());
        QVERIFY(emu->Commands().empty());
    }

    // "Übernehmen" of the system parameters takes the typed trigger time, or refuses it with the
    // field's message and applies nothing; Escape with changes asks before it discards them.
    void SystemParameterEntriesCountOrStop() {
        Start(30); // model 5: the trigger panel is shown
        Load();
        auto w = Window();
        Answerer answer;
        const int before = dev->SystemParameter.Triggerzeitlimit;
        QVERIFY(before != 150);
        bool openAfterRefusal = false;
        int storedAfterRefusal = -1;
        answer.onOther = [&](QWidget* m) {
            auto* s = qobject_cast<SystemParametersDialog*>(m);
            if (!s) {
                return false;
            }
            QTimer::singleShot(0, s, [&, s] {
                TypeInto(s->TriggerField(), QStringLiteral("500"));
                Click(s, QStringLiteral("ParUebernehmen"));
                openAfterRefusal = s->isVisible();
                storedAfterRefusal = dev->SystemParameter.Triggerzeitlimit;
                TypeInto(s->TriggerField(), QStringLiteral("150"));
                Click(s, QStringLiteral("ParUebernehmen"));
            });
            return true;
        };
        QVERIFY(Click(w.get(), QStringLiteral("ParSys")));
        QTRY_VERIFY(!w->SystemForm()->isVisible());
        QCOMPARE(answer.boxes, QStringList{QStringLiteral(
                                   "Der Wert im Feld „Triggerzeitlimit [s]“ ist ungültig. Bitte eine "
                                   "ganze Zahl von 1 bis 200 eingeben.")});
        QVERIFY(openAfterRefusal);
        QCOMPARE(storedAfterRefusal, before);
        QCOMPARE(int(dev->SystemParameter.Triggerzeitlimit), 150);

        // A typed value not applied: Escape asks; "Nein" keeps the window, "Ja" discards.
        answer.boxes.clear();
        answer.replies = {false, true};
        bool openAfterNo = false;
        answer.onOther = [&](QWidget* m) {
            auto* s = qobject_cast<SystemParametersDialog*>(m);
            if (!s) {
                return false;
            }
            QTimer::singleShot(0, s, [&, s] {
                TypeInto(s->TriggerField(), QStringLiteral("99"));
                QTest::keyClick(s, Qt::Key_Escape);
                openAfterNo = s->isVisible();
                QTest::keyClick(s, Qt::Key_Escape);
            });
            return true;
        };
        QVERIFY(Click(w.get(), QStringLiteral("ParSys")));
        QTRY_VERIFY(!w->SystemForm()->isVisible());
        QCOMPARE(answer.boxes, (QStringList{QStringLiteral("Änderungen verwerfen?"),
                                            QStringLiteral("Änderungen verwerfen?")}));
        QCOMPARE(answer.defaults.last(), QMessageBox::No);
        QVERIFY(openAfterNo);
        QCOMPARE(int(dev->SystemParameter.Triggerzeitlimit), 150);

        // The applied value goes to the device with "Übertragen".
        answer.boxes.clear();
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(emu->WaitIdle());
        Systemparameter sp{};
        std::memcpy(&sp, emu->GetFile(kSystemPfad)->data(), sizeof sp);
        QCOMPARE(int(sp.Triggerzeitlimit), 150);
    }

    // While "Übertragen" writes, the window takes no input: keys and clicks do not reach it, and
    // Escape stops the transfer (the progress window's cancel) instead of closing the window.
    void TransferOwnsTheWindow() {
        Load();
        ProgressWindow progress;
        auto w = std::make_unique<ProgrammingWindow>();
        w->Prepare(dev.get(), nullptr, &progress);
        w->SetLoading(true);
        Show(w.get());
        Answerer answer;
        // Changes for the last slot and for the first two.
        ClickPanel(w->TherapeutPanel(5));
        ClickPanel(w->PatientPanel(5));
        ZahlFeld* field = w->Field(QStringLiteral("Anspannzeit"));
        TypeInto(field, QStringLiteral("61"));
        const int lastTab = w->Tabs()->currentIndex();
        ClickPanel(w->TherapeutPanel(0));
        ClickPanel(w->PatientPanel(1));
        TypeInto(field, QStringLiteral("52"));
        const int secondTab = w->Tabs()->currentIndex();
        ClickPanel(w->PatientPanel(0));
        TypeInto(field, QStringLiteral("50"));
        const int tab = w->Tabs()->currentIndex();
        // Every file command of the device answers late: the user has time to act.
        emu->InjectFault({'f', emu::FaultKind::Late, 40, 0, -1});
        bool acted = false, openAfterEscape = false;
        answer.onOther = [&](QWidget* m) {
            // Once the first slot is written.
            auto* pr = qobject_cast<ProgressWindow*>(m);
            if (!pr || pr->Position() < 1) {
                return false;
            }
            acted = true;
            QTest::keyClicks(field, QStringLiteral("7"));
            ClickTab(w->Tabs(), (tab + 2) % 6);
            ClickPanel(w->PatientPanel(3));
            QTest::keyClick(w.get(), Qt::Key_Escape);
            openAfterEscape = w->isVisible();
            return true;
        };
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QVERIFY(acted);
        QVERIFY(openAfterEscape);
        QVERIFY(w->isVisible());
        QVERIFY(w->LastTransfer().cancelled);
        QTRY_COMPARE(answer.boxes.size(), 1);
        QVERIFY(answer.boxes[0].startsWith(QStringLiteral("Übertragen abgebrochen")));
        // Nothing typed or clicked during the transfer arrived.
        QCOMPARE(field->text(), QStringLiteral("50"));
        QCOMPARE(w->Tabs()->currentIndex(), tab);
        QCOMPARE(w->Model()->Patient(), 0);
        QCOMPARE(int(Byte(dev->Programme[0].Programme[tab], offsetof(ProgrammParameter, Anspannzeit))), 50);
        // What was written stays written; the last slot was not reached.
        QVERIFY(emu->WaitIdle());
        Programmdatei d{};
        std::memcpy(&d, emu->GetFile(ProgrammPfad(0, 0))->data(), sizeof d);
        QCOMPARE(int(d.Programme[tab].Anspannzeit), 50);
        std::memcpy(&d, emu->GetFile(ProgrammPfad(0, 1))->data(), sizeof d);
        QCOMPARE(int(d.Programme[secondTab].Anspannzeit), 52);
        std::memcpy(&d, emu->GetFile(ProgrammPfad(5, 5))->data(), sizeof d);
        QVERIFY(int(d.Programme[lastTab].Anspannzeit) != 61);
        QCOMPARE(emu->Screen(), 0);
        // The next "Übertragen" brings the rest.
        emu->ClearFaults();
        answer.boxes.clear();
        QVERIFY(Click(w.get(), QStringLiteral("Transfer")));
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(emu->WaitIdle());
        std::memcpy(&d, emu->GetFile(ProgrammPfad(5, 5))->data(), sizeof d);
        QCOMPARE(int(d.Programme[lastTab].Anspannzeit), 61);
    }

    // Windows restored from the task bar are as they were left: no set-up runs again.
    void RestoredWindowsKeepTheirState() {
        Start(30);
        Load();
        auto w = Window();
        ClickPanel(w->TherapeutPanel(2));
        ClickPanel(w->PatientPanel(3));
        ClickTab(w->Tabs(), 4);
        Restore(w.get());
        QCOMPARE(w->Model()->Therapeut(), 2);
        QCOMPARE(w->Model()->Patient(), 3);
        QCOMPARE(w->Tabs()->currentIndex(), 4);
        QVERIFY(w->PatientPanel(3)->Selected());

        SystemParametersDialog s;
        s.Prepare(dev.get());
        Show(&s);
        TypeInto(s.TriggerField(), QStringLiteral("77"));
        QTest::keyClick(s.TriggerField(), Qt::Key_Tab);
        QCOMPARE(int(s.WorkingCopy().Triggerzeitlimit), 77);
        Restore(&s);
        QCOMPARE(s.TriggerField()->text(), QStringLiteral("77"));
        QCOMPARE(int(s.WorkingCopy().Triggerzeitlimit), 77);

        dev->ComPort = QString::fromStdString(emu->SlavePath());
        wf::StarteAnwendungswechsel(*dev);
        ApplicationChangeWindow c;
        c.Prepare(dev.get());
        Show(&c);
        QTest::mouseClick(ButtonOf(&c, QStringLiteral("App4")), Qt::LeftButton);
        Restore(&c);
        QCOMPARE(c.NameField()->text(), wf::AnwendungsName(4));
        QVERIFY(c.AppAction(4)->isChecked());
        c.reject();
    }

    // The application buttons say which one is active and which ones the device reports as
    // unlocked; machine-wide names replace the neutral ones; the question names the target and
    // the device's exercises, and a switch to an application not unlocked is asked twice.
    void ApplicationsATherapistCanTellApart() {
        emu::Identity id;
        id.Freigeschaltet = 0x0013; // applications 1, 2 and 5
        id.Aktiv = 2;
        emu->SetIdentity(id);
        test::WriteMachine(QStringLiteral("Anwendung5"), QStringLiteral("Rücken-Therapie"));
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        QStringList captions;
        bool activeBold = false, otherBold = true, openAfterNo = false, wholeCaptions = true;
        QString info, chosen;
        answer.onChangeApp = [&](ApplicationChangeWindow* w) {
            for (int n = 1; n <= 12; ++n) {
                QToolButton* b = ButtonOf(w, QStringLiteral("App%1").arg(n));
                captions << (b ? b->text() : QString());
                // The whole caption, not cut short.
                wholeCaptions = wholeCaptions && b && b->width() >= b->sizeHint().width();
            }
            activeBold = ButtonOf(w, QStringLiteral("App2"))->font().bold();
            otherBold = ButtonOf(w, QStringLiteral("App1"))->font().bold();
            info = w->InfoPane()->toPlainText();
            // Application 3 is not unlocked: Yes to the first question, No to the second.
            QTest::mouseClick(ButtonOf(w, QStringLiteral("App3")), Qt::LeftButton);
            answer.replies = {true, false};
            Click(w, QStringLiteral("ChangeApp"));
            openAfterNo = w->isVisible();
            // Application 5, unlocked: one question.
            QTest::mouseClick(ButtonOf(w, QStringLiteral("App5")), Qt::LeftButton);
            chosen = w->NameField()->text();
            answer.replies = {true};
            Click(w, QStringLiteral("ChangeApp"));
        };
        f.Action(QStringLiteral("ChangeApp"))->trigger();
        QCOMPARE(captions[0], QStringLiteral("Anwendung 1"));
        QCOMPARE(captions[1], QStringLiteral("Anwendung 2 (aktiv)"));
        QCOMPARE(captions[2], QStringLiteral("Anwendung 3 (nicht freigeschaltet)"));
        QCOMPARE(captions[4], QStringLiteral("Rücken-Therapie"));
        QCOMPARE(captions[11], QStringLiteral("Anwendung 12 (nicht freigeschaltet)"));
        QVERIFY(activeBold);
        QVERIFY(!otherBold);
        QVERIFY(wholeCaptions);
        QVERIFY2(info.contains(QStringLiteral("Aktive Anwendung: Anwendung 2")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Freigeschaltet: Anwendung 1, Anwendung 2, Rücken-Therapie")),
                 qPrintable(info));
        QCOMPARE(chosen, QStringLiteral("Rücken-Therapie"));
        QVERIFY(openAfterNo);
        QCOMPARE(answer.boxes.size(), 3);
        for (int i : {0, 2}) {
            QVERIFY(answer.boxes[i].contains(QStringLiteral("alle Übungen und Patienten auf dem Gerät")));
            QVERIFY(!answer.boxes[i].contains(QStringLiteral("Hierduch")));
        }
        QVERIFY(answer.boxes[0].contains(QStringLiteral("„Anwendung 3“")));
        QVERIFY(answer.boxes[1].contains(QStringLiteral("„Anwendung 3“ nicht als freigeschaltet")));
        QVERIFY(answer.boxes[2].contains(QStringLiteral("„Rücken-Therapie“")));
        QCOMPARE(answer.defaults,
                 (QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::No, QMessageBox::No}));
        QVERIFY(emu->WaitIdle());
        QCOMPARE(int(emu->Infoblock()[16]), 5);
        QCOMPARE(emu->FactoryResets(), 1);
    }

    // "Vorher auslesen": the window closes, the read-out runs, then the window opens again.
    void ReadOutBeforeTheSwitch() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        int opened = 0;
        bool readout = false;
        std::function<void(ApplicationChangeWindow*)> first = [&](ApplicationChangeWindow* w) {
            ++opened;
            answer.onChangeApp = [&](ApplicationChangeWindow* again) {
                ++opened;
                Click(again, QStringLiteral("Zurueck"));
            };
            answer.onOther = [&](QWidget* m) {
                if (!qobject_cast<ReadoutWindow*>(m)) {
                    return false;
                }
                readout = true;
                QTimer::singleShot(0, m, [m] { Click(m, QStringLiteral("Back10")); });
                return true;
            };
            answer.button = QStringLiteral("Vorher auslesen");
            Click(w, QStringLiteral("ChangeApp"));
        };
        answer.onChangeApp = first;
        f.Action(QStringLiteral("ChangeApp"))->trigger();
        QVERIFY(readout);
        QCOMPARE(opened, 2);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->FactoryResets(), 0);
        QCOMPARE(emu->Screen(), 0);
    }

    // The switch runs to its end: Escape and the close box do not close the window under it.
    void ApplicationSwitchOwnsTheWindow() {
        Answerer answer;
        MainWindow f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        bool tried = false, openDuring = false;
        QTimer poke;
        answer.onChangeApp = [&](ApplicationChangeWindow* w) {
            poke.setInterval(5);
            QObject::connect(&poke, &QTimer::timeout, w, [&, w] {
                if (tried || w->Bar()->value() < 5) {
                    return;
                }
                tried = true;
                QTest::keyClick(w, Qt::Key_Escape);
                w->close();
                openDuring = w->isVisible();
            });
            poke.start();
            answer.yes = true;
            QTest::mouseClick(ButtonOf(w, QStringLiteral("App1")), Qt::LeftButton);
            Click(w, QStringLiteral("ChangeApp"));
        };
        f.Action(QStringLiteral("ChangeApp"))->trigger();
        QVERIFY(tried);
        QVERIFY(openDuring);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(f.ChangeAppForm()->Result().geloescht, 60);
        QCOMPARE(emu->FactoryResets(), 1);
        QCOMPARE(emu->Resets(), 1);
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    ProgrammingUiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_programming_ui.moc"
