// The programming windows on the offscreen platform against the emulated demo device over a
// pseudo-terminal: "Programmieren" from the main window, the programming window's fields and
// rules, parameter files, the system parameters and the application change.

#include "AppChange.h"
#include "Crc.h"
#include "Demo.h"
#include "DeviceRecords.h"
#include "Emulator.h"
#include "ProgFields.h"
#include "Programming.h"
#include "Settings.h"
#include "TAuslesenForm.h"
#include "TChangeAppForm.h"
#include "TDM1.h"
#include "TForm1.h"
#include "TForm4.h"
#include "TForm6.h"
#include "TForm9.h"
#include "TZUD12.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QSlider>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
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
    bool yes = true;
    std::function<void(TForm4*)> onProgramming;
    std::function<void(TChangeAppForm*)> onChangeApp;
    int maxProgress = 0;

protected:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            box->done(box->standardButtons() & QMessageBox::Yes ? (yes ? QMessageBox::Yes : QMessageBox::No)
                                                                : QMessageBox::Ok);
        } else if (auto* p = qobject_cast<TForm4*>(w)) {
            if (onProgramming) {
                auto f = std::move(onProgramming);
                onProgramming = nullptr;
                QTimer::singleShot(0, p, [f, p] { f(p); });
            }
        } else if (auto* c = qobject_cast<TChangeAppForm*>(w)) {
            if (onChangeApp) {
                auto f = std::move(onChangeApp);
                onChangeApp = nullptr;
                QTimer::singleShot(0, c, [f, c] { f(c); });
            }
        } else if (auto* pr = qobject_cast<TForm9*>(w)) {
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
    std::unique_ptr<TForm4> Window() {
        auto w = std::make_unique<TForm4>();
        w->Prepare(dev.get(), nullptr, nullptr);
        w->SetPictureFile(ShareDir() + QStringLiteral("epos.German"));
        w->SetLoading(true);
        w->show();
        return w;
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
        TForm1 f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QAction* prog = f.Action(QStringLiteral("Programmieren"));
        QVERIFY(!prog->isEnabled());
        QVERIFY(f.OpenDatabase());
        QVERIFY(prog->isEnabled());
        QVERIFY(f.Action(QStringLiteral("ChangeApp"))->isEnabled());
        QString caption;
        bool pictureShown = false, adminShown = true, leseDuring = true, allEnabled = false;
        QStringList modes1, modes6;
        answer.onProgramming = [&](TForm4* w) {
            caption = w->windowTitle();
            allEnabled = w->Action(QStringLiteral("Back6"))->isEnabled() &&
                         w->Action(QStringLiteral("Transfer"))->isEnabled() &&
                         w->Action(QStringLiteral("PatZuweisen"))->isEnabled();
            leseDuring = f.Action(QStringLiteral("LeseMessungen"))->isEnabled();
            pictureShown = w->Picture()->pixmap().width() == 260;
            w->ShowProgram(0);
            for (int i = 0; i < w->ModeList()->count(); ++i) {
                modes1 << w->ModeList()->itemText(i);
            }
            w->Tabs()->setCurrentIndex(5);
            for (int i = 0; i < w->ModeList()->count(); ++i) {
                modes6 << w->ModeList()->itemText(i);
            }
            // Therapist 2, patient 3, program 2: a typed contraction time above the range.
            w->TherapeutClick(1);
            w->PatientClick(2);
            w->Tabs()->setCurrentIndex(1);
            ZahlFeld* an = w->Field(QStringLiteral("Anspannzeit"));
            an->Edit()->setText(QStringLiteral("500"));
            QVERIFY(an->Pruefe());
            QCOMPARE(an->value(), 255);
            // Without Ctrl+Alt at the start the Admin panel stays hidden.
            QTimer::singleShot(50, w->SystemForm(), [&adminShown, w] {
                adminShown = w->SystemForm()->Panel(QStringLiteral("Admin"))->isVisible();
                w->SystemForm()->reject();
            });
            w->Systemparameter();
            w->Action(QStringLiteral("Transfer"))->trigger();
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
        TForm1 f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        QTest::keyPress(&f, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(f.ServiceFlag());
        bool admin = false, flagDuring = false;
        answer.onProgramming = [&](TForm4* w) {
            // The keys were let go while the device was read: the flag stays for this window.
            QTest::keyRelease(&f, Qt::Key_Alt, Qt::ControlModifier);
            flagDuring = f.ServiceFlag();
            QTimer::singleShot(50, w->SystemForm(), [&admin, w] {
                admin = w->SystemForm()->Panel(QStringLiteral("Admin"))->isVisible();
                w->SystemForm()->reject();
            });
            w->Systemparameter();
            w->reject();
        };
        f.Action(QStringLiteral("Programmieren"))->trigger();
        QVERIFY(flagDuring);
        QVERIFY(admin);
        QVERIFY(!f.ServiceFlag()); // closing the window ends it
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->Screen(), 0);
    }

    void FieldsModesAndPicturesPerDeviceType() {
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
        ent->setFocus();
        ent->Edit()->selectAll();
        QTest::keyClicks(ent, QStringLiteral("a-0"));
        QCOMPARE(ent->Edit()->text(), QStringLiteral("0")); // only digits arrive
        QVERIFY(ent->Pruefe());
        QCOMPARE(ent->value(), 1);
        QCOMPARE(int(Byte(w->Model()->Eintrag(), offsetof(ProgrammParameter, Entspannzeit))), 1);
        ent->Edit()->clear();
        QVERIFY(!ent->Pruefe()); // not a number: the record keeps its value
        QCOMPARE(int(Byte(w->Model()->Eintrag(), offsetof(ProgrammParameter, Entspannzeit))), 1);
        QCOMPARE(ent->Edit()->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void PatientsDeletionAndCopies() {
        Load();
        auto w = Window();
        Answerer answer;
        // Patient 1 of therapist 1 has exercises: the box is shown; No keeps it unticked.
        w->TherapeutClick(0);
        w->PatientClick(0);
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
        w->PatientClick(5);
        QVERIFY(!w->DeleteBox()->isVisible());
        // Removing shows "Keine Patientendaten".
        w->PatientClick(1);
        w->Action(QStringLiteral("DelPat"))->trigger();
        QCOMPARE(w->PatientPanel(1)->RowCaption(0)->text(), QStringLiteral("Keine Patientendaten"));
        QVERIFY(!w->PatientPanel(1)->RowValue(0)->isVisible());
        // Copy a patient's set and paste it onto another.
        QVERIFY(!w->Action(QStringLiteral("PatParaPaste"))->isEnabled());
        w->PatientClick(0);
        w->Model()->SetAnspannzeit(77);
        w->Action(QStringLiteral("PatParaCopy"))->trigger();
        QVERIFY(w->Action(QStringLiteral("PatParaPaste"))->isEnabled());
        QVERIFY(!w->Action(QStringLiteral("TheraParaPaste"))->isEnabled());
        w->PatientClick(3);
        w->Action(QStringLiteral("PatParaPaste"))->trigger();
        QCOMPARE(std::memcmp(&dev->Programme[3], &dev->Programme[0], sizeof(Programmsatz)), 0);
        // The transfer deletes the ticked slot's exercises and writes what changed.
        w->Action(QStringLiteral("Transfer"))->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(!w->LastTransfer().failed);
        QCOMPARE(w->LastTransfer().geloescht, QList<int>{0});
        const auto written = Written();
        QVERIFY(std::find(written.begin(), written.end(), "0:\\daten\\th_0\\pat_3\\prog.dat") !=
                written.end());
        QVERIFY(std::find(written.begin(), written.end(), "0:\\daten\\th_0\\pat.dat") != written.end());
    }

    void AssignTherapistAndConversionMessage() {
        Load();
        // A patient of the real database goes into slot 5 of therapist 3.
        TDM1 dm(DbLocation::FromSettings(Settings()));
        QVERIFY(dm.EnsureInstalled());
        dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        Patient p;
        p.Name = QStringLiteral("Żelazna-Wiśniewska-Przybyszewska");
        p.Vorname = QStringLiteral("Agnieszka");
        p.Geburtstag = QDate(1961, 7, 3);
        const qint64 id = dm.AddPatient(p);
        auto w = std::make_unique<TForm4>();
        w->Prepare(dev.get(), &dm, nullptr);
        w->ChoosePatient = [id]() -> std::optional<qint64> { return id; };
        w->EditTherapist = [](const QString& name,
                              const QString& vorname) -> std::optional<std::pair<QString, QString>> {
            return std::pair{name + QStringLiteral("-Neu"), vorname};
        };
        w->SetLoading(true);
        w->show();
        QVERIFY(w->Action(QStringLiteral("PatZuweisen"))->isEnabled());
        w->TherapeutClick(2);
        w->PatientClick(4);
        w->Action(QStringLiteral("PatZuweisen"))->trigger();
        const Stammsatz& s = dev->Patienten[24];
        QCOMPARE(wf::Name(s), p.Name.left(30));
        QCOMPARE(wf::Vorname(s), QStringLiteral("Agnieszka"));
        QCOMPARE(wf::GeburtsdatumZuDatum(s.Geburtsdatum), QDate(1961, 7, 3));
        QCOMPARE(w->PatientPanel(4)->RowValue(0)->text(), p.Name.left(30));
        w->Action(QStringLiteral("ChangeThera"))->trigger();
        QCOMPARE(w->TherapeutPanel(2)->RowValue(0)->text(), QStringLiteral("Köhler-Neu"));
        // The Polish letters have no code in the German device set: the transfer says so.
        Answerer answer;
        w->Action(QStringLiteral("Transfer"))->trigger();
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
        const QString file = dir->filePath(QStringLiteral("satz"));
        w->Speichern(file);
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
        w->Oeffnen(g.fileName());
        QVERIFY(!w->PatientPanel(1)->isVisible());
        QVERIFY(!w->TherapeutPanel(0)->isVisible());
        // A short file: a message says how much was taken.
        Answerer answer;
        QFile k(dir->filePath(QStringLiteral("kurz.zud")));
        QVERIFY(k.open(QIODevice::WriteOnly));
        k.write(saved.left(700));
        k.close();
        w->Oeffnen(k.fileName());
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
        TForm6 w;
        w.Prepare(dev.get());
        w.SetAdmin(false);
        w.show();
        QVERIFY(!w.Panel(QStringLiteral("Admin"))->isVisible());
        QVERIFY(w.Panel(QStringLiteral("Druck"))->isVisible());
        QVERIFY(w.Panel(QStringLiteral("Triggerung"))->isVisible());
        QVERIFY(!w.Box(QStringLiteral("Sensi"))->isVisible());
        QCOMPARE(w.UpdateRateField()->text(), QStringLiteral("2,0"));
        QTest::qWait(30);
        w.close();

        w.SetAdmin(true);
        w.show();
        QVERIFY(w.Panel(QStringLiteral("Admin"))->isVisible());
        QVERIFY(w.CodeField()->isVisible());
        QCOMPARE(w.CodeField()->text(), QStringLiteral("7148"));
        QCheckBox* bt = w.findChild<QCheckBox*>(QStringLiteral("Bluetooth"));
        QVERIFY(bt->isVisible());
        QVERIFY(!bt->isChecked());
        // Decimal comma: 3,46 is 35 tenths; 7 is at most 50.
        w.UpdateRateField()->Edit()->setText(QStringLiteral("3,46"));
        QVERIFY(w.UpdateRateField()->Pruefe());
        QCOMPARE(int(w.WorkingCopy().UpdateRate), 35);
        QCOMPARE(w.UpdateRateField()->text(), QStringLiteral("3,5"));
        w.UpdateRateField()->Edit()->setText(QStringLiteral("7"));
        QVERIFY(w.UpdateRateField()->Pruefe());
        QCOMPARE(int(w.WorkingCopy().UpdateRate), 50);
        QCOMPARE(w.UpdateRateField()->text(), QStringLiteral("5,0"));
        w.TriggerField()->Edit()->setText(QStringLiteral("500"));
        QVERIFY(w.TriggerField()->Pruefe());
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
        w.CodeField()->setText(QStringLiteral("123"));
        w.Uebernehmen();
        QVERIFY(w.isVisible());
        QVERIFY(w.CodeError());
        QCOMPARE(w.CodeField()->palette().color(QPalette::Base), TForm6::kError);
        QCOMPARE(w.CodeField()->text(), QStringLiteral("7148"));
        QCOMPARE(int(dev->SystemParameter.Helligkeit), 64);
        QCOMPARE(int(dev->SystemParameter.EMG_Maximum), 3);
        QCOMPARE(int(dev->SystemParameter.Bluetooth_vorhanden), 1);
        QCOMPARE(GetCrc(dev->SystemParameter.crc), SystemCrc(dev->SystemParameter));
        w.CodeField()->setText(QStringLiteral("4321"));
        w.Uebernehmen();
        QVERIFY(!w.isVisible());
        QCOMPARE(int(dev->Codes_ZUD12.Code[2]), 4321);
    }

    void FactoryStateFromTheWindow() {
        Load();
        auto w = Window();
        // As ticked in the Admin panel of the system parameters.
        w->SystemForm()->findChild<QCheckBox*>(QStringLiteral("Werkseinstellungen"))->setChecked(true);
        QVERIFY(w->SystemForm()->FactoryState());
        w->Action(QStringLiteral("Transfer"))->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(w->LastTransfer().werkszustand);
        QCOMPARE(w->LastTransfer().geloescht.size(), 36);
        QVERIFY(emu->WaitIdle());
        QCOMPARE(emu->FactoryResets(), 1);
        QCOMPARE(emu->Resets(), 1);
        // Closing the window cleared the factory options.
        QVERIFY(!w->SystemForm()->FactoryState());
    }

    void ApplicationChangeWindow() {
        Answerer answer;
        TForm1 f;
        f.Create(QString::fromStdString(emu->SlavePath()));
        QVERIFY(f.OpenDatabase());
        int buttons = 0;
        bool activeChecked = false;
        QString info;
        int screenDuring = -1;
        answer.onChangeApp = [&](TChangeAppForm* w) {
            for (QToolButton* b : w->findChildren<QToolButton*>()) {
                buttons += b->defaultAction() &&
                           b->defaultAction()->objectName().startsWith(QLatin1String("App")) &&
                           b->isVisible();
            }
            activeChecked = w->AppAction(1)->isChecked() && !w->AppAction(2)->isChecked();
            info = w->InfoPane()->toPlainText();
            screenDuring = emu->Screen();
            answer.yes = false;
            w->AppAction(5)->trigger();
            QCOMPARE(w->NameField()->text(), wf::AnwendungsName(5));
            QVERIFY(!w->Wechseln());
            QTest::qWait(20);
            w->reject();
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
        answer.onChangeApp = [&](TChangeAppForm* w) {
            answer.yes = true;
            w->AppAction(9)->trigger();
            QVERIFY(w->Wechseln());
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
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    ProgrammingUiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_programming_ui.moc"
