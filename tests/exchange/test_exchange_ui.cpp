// The exchange windows in the main window on the offscreen platform, against the embedded
// database: export and import windows, backup and restore, the take-over at the first show.

#include "UiTestEnv.h"

#include "Cab.h"
#include "ExchangeDatabase.h"
#include "ExchangeProgress.h"
#include "ExchangeWindows.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "ProgressWindow.h"
#include "ReadoutWindow.h"
#include "Ribbon.h"
#include "Settings.h"
#include "WorkArea.h"
#include "ZudApplication.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>
#include <QtTest>

#include <functional>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace zud;
using namespace zud::ui;
using zud::test::WriteMachine;

namespace {

// Answers message boxes with their default button.
class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(20, parent) {}
    QStringList boxes;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            box->done(box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok);
        }
    }
};

// The user's answers, in order: each step waits until its window is the active modal one and
// then acts on it as the user would (typing, keys, clicks on real buttons). Message boxes are
// recorded; a box that no step expects is answered with its default button, as a hurried user
// pressing Enter would.
class Script : public zud::test::ModalWatcher {
public:
    struct Step {
        QString name;
        std::function<bool(QWidget*)> match;
        std::function<void(QWidget*)> act;
    };
    explicit Script(QObject* parent = nullptr) : ModalWatcher(20, parent) {}
    void Then(const QString& name, std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act) {
        FSteps.append({name, std::move(match), std::move(act)});
    }
    bool Done() const { return FSteps.isEmpty(); }
    QString Pending() const { return FSteps.isEmpty() ? QString() : FSteps.front().name; }
    QStringList boxes;

private:
    void Answer(QWidget* w) override {
        if (w == FLast)
            return;
        if (!FSteps.isEmpty() && FSteps.front().match(w)) {
            const Step step = FSteps.takeFirst();
            FLast = w;
            if (auto* box = qobject_cast<QMessageBox*>(w))
                boxes << box->text();
            // Outside this timer's slot, so that the windows the step opens are answered too.
            QTimer::singleShot(0, w, [w, act = step.act] { act(w); });
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            FLast = w;
            boxes << box->text();
            QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Return); });
        }
    }
    QList<Step> FSteps;
    QPointer<QWidget> FLast;
};

bool IsFileDialog(QWidget* w) {
    return qobject_cast<QFileDialog*>(w) != nullptr;
}

std::function<bool(QWidget*)> IsBox(const QString& containing) {
    return [containing](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        return box && box->text().contains(containing);
    };
}

// Types a path into the file dialog's name field and presses Enter.
void TypeFileName(QWidget* w, const QString& path) {
    auto* edit = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, path);
    QTest::keyClick(edit, Qt::Key_Return);
}

void ClickBoxButton(QWidget* w, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(w);
    QVERIFY(box && box->button(which));
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

// Clicks the ribbon button of `action` in `window`, bringing its tab to the front first.
void ClickRibbon(QWidget* window, QAction* action) {
    RibbonButton* button = nullptr;
    for (RibbonButton* b : window->findChildren<RibbonButton*>())
        if (b->defaultAction() == action)
            button = b;
    QVERIFY2(button, qPrintable(action->objectName()));
    if (auto* ribbon = window->findChild<Ribbon*>()) {
        for (int i = 0; i < ribbon->count(); ++i) {
            if (ribbon->widget(i)->isAncestorOf(button) && ribbon->currentIndex() != i) {
                auto* bar = ribbon->findChild<QTabBar*>();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            }
        }
    }
    QVERIFY2(button->isVisible(), qPrintable(action->objectName()));
    QVERIFY2(button->isEnabled(), qPrintable(action->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList Hidden(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

Patient Person(const QString& name, const QString& vorname, QDate geburt) {
    Patient p;
    p.Name = name;
    p.Vorname = vorname;
    p.Geburtstag = geburt;
    return p;
}

QByteArray Stream(int size, int seed) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = static_cast<char>((i * 13 + seed) & 0xFF);
    b[2] = 3;
    return b;
}

void Shot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

class ExchangeUiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

private slots:
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-exchange-ui-lock"))); }
    void init() {
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        // No previous version unless a test makes one.
        WriteMachine(QStringLiteral("SQLServer"), QStringLiteral("EMBEDDED"));
        WriteMachine(QStringLiteral("SQLDir"), dir->filePath(QStringLiteral("alt")));
    }

    // A backup killed midway left its backup file and a half-written archive: the program's
    // start removes both. (First of the tests: the child is forked before any thread runs.)
    // The check lists of the export/import and of the read-out take a tick only in the first
    // column of a row they hold, and only while their rows show boxes; each tick is announced.
    void CheckListsTakeTicksWhereTheyShowBoxes() {
        CheckPatientModel patients;
        patients.SetEntries(
            {{1, QStringLiteral("Anna A"), {}, false, {}}, {2, QStringLiteral("Bernd B"), {}, false, {}}});
        QList<DateiInfo> recordings(2);
        DeviceRecordingModel device;
        device.SetEntries(&recordings, false);
        QVERIFY(!(device.flags(device.index(0, 0)) & Qt::ItemIsUserCheckable));
        QVERIFY(!device.data(device.index(0, 0), Qt::CheckStateRole).isValid());
        QVERIFY(!device.setData(device.index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(!recordings[0].Checked);
        device.SetEntries(&recordings, true);
        CheckPatientModel other;
        other.SetEntries(
            {{7, QStringLiteral("Carla C"), {}, false, {}}, {8, QStringLiteral("Dora D"), {}, false, {}}});
        for (CheckListModel* m :
             {static_cast<CheckListModel*>(&patients), static_cast<CheckListModel*>(&device)}) {
            QSignalSpy ticks(m, &CheckListModel::CheckedChanged);
            QVERIFY(m->flags(m->index(1, 0)) & Qt::ItemIsUserCheckable);
            QVERIFY(!(m->flags(m->index(1, 1)) & Qt::ItemIsUserCheckable));
            QVERIFY(!m->data(m->index(1, 1), Qt::CheckStateRole).isValid());
            QVERIFY(!m->setData(m->index(1, 1), Qt::Checked, Qt::CheckStateRole));
            QVERIFY(!m->setData(m->index(1, 0), Qt::Checked, Qt::DisplayRole));
            QVERIFY(!m->setData(other.index(1, 0), Qt::Checked, Qt::CheckStateRole));
            QCOMPARE(ticks.size(), 0);
            QVERIFY(m->setData(m->index(1, 0), Qt::Checked, Qt::CheckStateRole));
            QCOMPARE(ticks.size(), 1);
            QCOMPARE(m->data(m->index(1, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
            QCOMPARE(m->data(m->index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        }
        QCOMPARE(patients.Checked(), QList<qint64>{2});
        QVERIFY(other.Checked().isEmpty());
        QVERIFY(recordings[1].Checked && !recordings[0].Checked);
        // An index kept from before the list was emptied: the tick is refused, nothing is written.
        const QModelIndex stale = patients.index(1, 0);
        patients.SetEntries({});
        QVERIFY(!patients.setData(stale, Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(patients.rowCount(), 0);
    }

    void LeftoversOfAKilledBackupGoAtTheStart() {
        const QString work = exchange::ExchangeWorkFolder(DbLocation::FromSettings(Settings()));
        const QString half = dir->filePath(QStringLiteral(".abend.bak3.x1"));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            auto* run = new exchange::RunFolder(work);
            QFile(run->File("ZUDData3_exp.gbk")).open(QIODevice::WriteOnly);
            run->Track(half);
            QFile(half).open(QIODevice::WriteOnly);
            ::raise(SIGKILL);
            ::_exit(1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(QFile::exists(half));
        QCOMPARE(QDir(work).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        MainWindow f;
        f.Create();
        QVERIFY(!QFile::exists(half));
        QVERIFY(QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }

    // Export and import the user's way: the ribbon's buttons, Ctrl+A, the file dialogs typed into;
    // each says where the file is. Escape while the export runs cancels it and leaves no archive.
    void ExportAndImportWindows() {
        Script script;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const qint64 a = f.DM()->AddPatient(
            Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
        const qint64 b =
            f.DM()->AddPatient(Person(QStringLiteral("Weiß"), QStringLiteral("Anna"), QDate(1960, 6, 6)));
        f.DM()->InsertRecording(a, QDate(2026, 11, 4), QTime(10, 15, 30), Stream(12288, 1),
                                QStringLiteral("ZUD12"));
        f.FillPatList();
        const QString archive = dir->filePath(QStringLiteral("zwei.qvz"));
        script.Then(
            QStringLiteral("export window"), [](QWidget* w) { return qobject_cast<ExportWindow*>(w); },
            [](QWidget* w) {
                auto* e = qobject_cast<ExportWindow*>(w);
                QCOMPARE(e->windowTitle(), QStringLiteral("Daten exportieren"));
                QCOMPARE(e->Model()->rowCount(), 2);
                // Namesakes are told apart by the birth date beside the name.
                QCOMPARE(e->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                         QStringLiteral("Geburtsdatum"));
                QVERIFY(!e->Action(QStringLiteral("Exportieren"))->isEnabled());
                QVERIFY(!e->CancelButton()->isVisible());
                QTest::keyClick(e->List(), Qt::Key_A, Qt::ControlModifier);
                QCOMPARE(e->Model()->CheckedCount(), 2);
                // Ctrl+N with the focus elsewhere in the window, then all again.
                QTest::keyClick(e->RibbonBar(), Qt::Key_N, Qt::ControlModifier);
                QVERIFY(!e->Action(QStringLiteral("Exportieren"))->isEnabled());
                QTest::keyClick(e->List(), Qt::Key_A, Qt::ControlModifier);
                Shot(e, QStringLiteral("exchange-export"));
                ClickRibbon(e, e->Action(QStringLiteral("Exportieren")));
            });
        // The name without its extension.
        script.Then(QStringLiteral("save dialog"), IsFileDialog,
                    [this](QWidget* w) { TypeFileName(w, dir->filePath(QStringLiteral("zwei"))); });
        script.Then(QStringLiteral("done"), IsBox(QStringLiteral("exportiert")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Export")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QCOMPARE(script.boxes,
                 QStringList{QStringLiteral("Die Daten wurden exportiert (Patienten: 2) in die Datei:\n") +
                             QDir::toNativeSeparators(archive)});
        QCOMPARE(exchange::CabMembers(archive), QStringList{QStringLiteral("ZUDData_exp.gbk")});

        // Escape while the export runs: it stops, says so, leaves no archive and no work file.
        script.boxes.clear();
        const QString stopped = dir->filePath(QStringLiteral("halt.qvz"));
        for (int i = 0; i < 12; ++i)
            f.DM()->InsertRecording(b, QDate(2026, 10, 1 + i), QTime(8, 0, 0), Stream(1 << 20, i),
                                    QStringLiteral("ZUD12"));
        bool sawRunning = false;
        script.Then(
            QStringLiteral("export window"), [](QWidget* w) { return qobject_cast<ExportWindow*>(w); },
            [](QWidget* w) {
                auto* e = qobject_cast<ExportWindow*>(w);
                QTest::keyClick(e->List(), Qt::Key_A, Qt::ControlModifier);
                ClickRibbon(e, e->Action(QStringLiteral("Exportieren")));
            });
        script.Then(QStringLiteral("save dialog"), IsFileDialog,
                    [this](QWidget* w) { TypeFileName(w, dir->filePath(QStringLiteral("halt"))); });
        script.Then(
            QStringLiteral("running"),
            [](QWidget* w) {
                auto* e = qobject_cast<ExportWindow*>(w);
                return e && e->CancelButton()->isVisible();
            },
            [&sawRunning](QWidget* w) {
                sawRunning = true;
                // The list and the ribbon take nothing while the run owns the window.
                QVERIFY(!qobject_cast<ExportWindow*>(w)->RibbonBar()->isEnabled());
                QTest::keyClick(w, Qt::Key_Escape);
            });
        script.Then(QStringLiteral("cancelled"), IsBox(QStringLiteral("abgebrochen")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Export")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QVERIFY(sawRunning);
        QVERIFY(!QFile::exists(stopped));
        QVERIFY2(!Hidden(dir->path()).join(QLatin1Char(' ')).contains(QStringLiteral("halt")),
                 qPrintable(Hidden(dir->path()).join(QLatin1Char(' '))));

        // Both gone from the database, then one of them back from the archive.
        f.DM()->DeletePatient(a, true);
        f.DM()->DeletePatient(b, true);
        f.FillPatList();
        QCOMPARE(f.PatientListModel()->rowCount(), 0);
        script.boxes.clear();
        script.Then(
            QStringLiteral("import window"), [](QWidget* w) { return qobject_cast<ImportWindow*>(w); },
            [](QWidget* w) {
                auto* i = qobject_cast<ImportWindow*>(w);
                QCOMPARE(i->windowTitle(), QStringLiteral("Daten importieren"));
                QVERIFY(!i->Action(QStringLiteral("Importieren"))->isEnabled());
                ClickRibbon(i, i->Action(QStringLiteral("ArchivOeffnen")));
                QCOMPARE(i->Model()->rowCount(), 2);
                QCOMPARE(i->Model()->index(0, 0).data().toString(), QStringLiteral("Jürgen Müller"));
                QVERIFY(!i->Action(QStringLiteral("Importieren"))->isEnabled());
                QTest::keyClick(i->List(), Qt::Key_Down);
                QTest::keyClick(i->List(), Qt::Key_Space);
                QCOMPARE(i->Model()->CheckedCount(), 1);
                Shot(i, QStringLiteral("exchange-import"));
                ClickRibbon(i, i->Action(QStringLiteral("Importieren")));
                QTest::keyClick(i, Qt::Key_Escape);
            });
        script.Then(QStringLiteral("open dialog"), IsFileDialog,
                    [&archive](QWidget* w) { TypeFileName(w, archive); });
        script.Then(QStringLiteral("done"), IsBox(QStringLiteral("importiert")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Import")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QCOMPARE(script.boxes,
                 QStringList{QStringLiteral("Die Daten wurden importiert (Patienten: 1) aus der Datei:\n") +
                             QDir::toNativeSeparators(archive)});
        // The main window's list shows the imported patient with his recording.
        QCOMPARE(f.PatientListModel()->rowCount(), 1);
        const auto back =
            f.DM()->FindPatient(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12));
        QVERIFY(back);
        QCOMPARE(f.DM()->RecordingCount(*back), 1);
        // The archive database is gone with the window.
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("db/ZUDData_exp.gdb"))));
    }

    // "Datenbank sichern": a name typed without ".bak3" where that file exists asks before it is
    // replaced; "Nein" keeps it. The progress window's "Abbrechen" stops a running backup. The
    // done message names the file.
    void BackupSaveDialogAndCancel() {
        Script script;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const qint64 p = f.DM()->AddPatient(
            Person(QStringLiteral("Gesichert"), QStringLiteral("Gerd"), QDate(1955, 5, 5)));
        for (int i = 0; i < 16; ++i)
            f.DM()->InsertRecording(p, QDate(2026, 9, 1 + i), QTime(9, 0, 0), Stream(1 << 20, i),
                                    QStringLiteral("ZUD12"));
        f.FillPatList();
        const QString praxis = dir->filePath(QStringLiteral("Praxis.bak3"));
        {
            QFile old(praxis);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("die Sicherung von gestern");
        }
        script.Then(QStringLiteral("save dialog"), IsFileDialog,
                    [this](QWidget* w) { TypeFileName(w, dir->filePath(QStringLiteral("Praxis"))); });
        script.Then(QStringLiteral("replace?"), IsBox(QStringLiteral("Praxis.bak3")),
                    [](QWidget* w) { ClickBoxButton(w, QMessageBox::No); });
        script.Then(QStringLiteral("save dialog again"), IsFileDialog,
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        ClickRibbon(&f, f.Action(QStringLiteral("Backup")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QCOMPARE(script.boxes.size(), 1);
        QFile kept(praxis);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("die Sicherung von gestern"));
        kept.close();

        // "Abbrechen" while it runs: no archive, nothing beside it, the database connected again.
        script.boxes.clear();
        bool sawProgress = false;
        script.Then(QStringLiteral("save dialog"), IsFileDialog,
                    [this](QWidget* w) { TypeFileName(w, dir->filePath(QStringLiteral("abbruch"))); });
        script.Then(
            QStringLiteral("progress"), [](QWidget* w) { return qobject_cast<ExchangeProgress*>(w); },
            [&sawProgress](QWidget* w) {
                sawProgress = true;
                QTest::mouseClick(qobject_cast<ExchangeProgress*>(w)->CancelButton(), Qt::LeftButton);
            });
        script.Then(QStringLiteral("cancelled"), IsBox(QStringLiteral("abgebrochen")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Backup")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QVERIFY(sawProgress);
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("abbruch.bak3"))));
        QVERIFY2(!Hidden(dir->path()).join(QLatin1Char(' ')).contains(QStringLiteral("abbruch")),
                 qPrintable(Hidden(dir->path()).join(QLatin1Char(' '))));
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(f.PatientListModel()->rowCount(), 1);

        // "Ja" replaces it with a complete backup, and the message says where it is.
        script.boxes.clear();
        script.Then(QStringLiteral("save dialog"), IsFileDialog,
                    [this](QWidget* w) { TypeFileName(w, dir->filePath(QStringLiteral("Praxis"))); });
        script.Then(QStringLiteral("replace?"), IsBox(QStringLiteral("Praxis.bak3")),
                    [](QWidget* w) { ClickBoxButton(w, QMessageBox::Yes); });
        script.Then(QStringLiteral("done"), IsBox(QStringLiteral("gesichert")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Backup")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QCOMPARE(script.boxes.last(), QStringLiteral("Die Datenbank wurde gesichert in die Datei:\n") +
                                          QDir::toNativeSeparators(praxis));
        QCOMPARE(exchange::CabMembers(praxis), QStringList{QStringLiteral("ZUDData3_exp.gbk")});
        QVERIFY(f.DM()->LoggedIn());
    }

    // "Datenbank wiederherstellen" asks first, with "Nein" as the default: Enter keeps the data.
    // "Ja" restores and says from which file; a file that is no backup changes nothing.
    void RestoreAsksWithNoAsDefault() {
        Script script;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.DM()->AddPatient(Person(QStringLiteral("Gesichert"), QStringLiteral("Gerd"), QDate(1955, 5, 5)));
        f.FillPatList();
        const QString file = dir->filePath(QStringLiteral("abend.bak3"));
        script.Then(QStringLiteral("save dialog"), IsFileDialog,
                    [&file](QWidget* w) { TypeFileName(w, file); });
        script.Then(QStringLiteral("done"), IsBox(QStringLiteral("gesichert")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Backup")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        f.DM()->AddPatient(Person(QStringLiteral("Später"), QStringLiteral("Paul"), QDate(1966, 6, 6)));
        f.FillPatList();
        QCOMPARE(f.PatientListModel()->rowCount(), 2);
        const QString question = QStringLiteral(
            "Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?");

        // Enter on the question: "Nein".
        script.boxes.clear();
        bool defaultNo = false;
        script.Then(QStringLiteral("open dialog"), IsFileDialog,
                    [&file](QWidget* w) { TypeFileName(w, file); });
        script.Then(QStringLiteral("question"), IsBox(question), [&defaultNo](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            defaultNo = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(w, Qt::Key_Return);
        });
        ClickRibbon(&f, f.Action(QStringLiteral("Restore")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QVERIFY(defaultNo);
        QCOMPARE(script.boxes, QStringList{question});
        QCOMPARE(f.DM()->AllPatients().size(), size_t(2));

        // "Ja": restored, and said from where.
        script.boxes.clear();
        script.Then(QStringLiteral("open dialog"), IsFileDialog,
                    [&file](QWidget* w) { TypeFileName(w, file); });
        script.Then(QStringLiteral("question"), IsBox(question),
                    [](QWidget* w) { ClickBoxButton(w, QMessageBox::Yes); });
        script.Then(QStringLiteral("done"), IsBox(QStringLiteral("wiederhergestellt")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Restore")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QCOMPARE(script.boxes.last(),
                 QStringLiteral("Die Datenbank wurde wiederhergestellt aus der Datei:\n") +
                     QDir::toNativeSeparators(file));
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(f.DM()->AllPatients().size(), size_t(1));
        QCOMPARE(f.PatientListModel()->rowCount(), 1);

        // A file that is no backup: the message, and the database as it was, still connected.
        const QString text = dir->filePath(QStringLiteral("text.bak3"));
        {
            QFile t(text);
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write("keine Sicherung");
        }
        script.boxes.clear();
        script.Then(QStringLiteral("open dialog"), IsFileDialog,
                    [&text](QWidget* w) { TypeFileName(w, text); });
        script.Then(QStringLiteral("question"), IsBox(question),
                    [](QWidget* w) { ClickBoxButton(w, QMessageBox::Yes); });
        script.Then(QStringLiteral("failure"), IsBox(QStringLiteral("keine Datensicherung")),
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        ClickRibbon(&f, f.Action(QStringLiteral("Restore")));
        QVERIFY2(script.Done(), qPrintable(script.Pending()));
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(f.DM()->AllPatients().size(), size_t(1));
    }

    void BackupAndRestoreDisabledForARemoteServer() {
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("praxisserver.example"));
        MainWindow f;
        f.Create();
        QVERIFY(!f.Action(QStringLiteral("Backup"))->isEnabled());
        QVERIFY(!f.Action(QStringLiteral("Restore"))->isEnabled());
        QVERIFY(f.Action(QStringLiteral("Export"))->isEnabled());
        QVERIFY(!f.DoBackup(dir->filePath(QStringLiteral("x.bak3"))));
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("x.bak3"))));
    }

    void TakeOverAtTheFirstShow() {
        // The previous version's database, 8-bit text, embedded.
        DbLocation old = OldLocationFromSettings(Settings());
        QDir().mkpath(old.dir);
        {
            db::ConnectParams p{ExchangeDatabase::OldConnection(old), QStringLiteral("SYSDBA"),
                                QString::fromLatin1(kOldPassword), QString()};
            p.createCharset.clear();
            auto c = db::Connection::Create(p);
            for (const QString& sql : PatientDatabase::SchemaScript())
                c->Exec(sql);
            c->Commit();
            c->Exec(
                QStringLiteral(
                    "insert into QALPatient (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG) values (1, ?, ?, ?)"),
                {QStringLiteral("Größer"), QStringLiteral("Jürgen"),
                 QDateTime(QDate(1950, 3, 3), QTime(0, 0))});
            c->Commit();
        }
        Answerer answer;
        MainWindow f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(answer.boxes,
                 QStringList{QStringLiteral("Möchten Sie die Daten aus der Vorgängerversion übernehmen?")});
        QCOMPARE(f.TakeOverSteps, (QStringList{QStringLiteral("Konvertiere alte Datei-Struktur"),
                                               QStringLiteral("Erzeuge neue Datei-Struktur"),
                                               QStringLiteral("Importieren...")}));
        QVERIFY(!f.TakeOverProgress()->isVisible());
        QCOMPARE(f.TakeOverProgress()->windowTitle(), QStringLiteral("Importieren"));
        QVERIFY(f.DM()->FindPatient(QStringLiteral("Größer"), QStringLiteral("Jürgen"), QDate(1950, 3, 3)));
        QCOMPARE(f.PatientListModel()->rowCount(), 1);
        // The next start finds patients: no question.
        answer.boxes.clear();
        MainWindow g;
        g.Create();
        QVERIFY(g.OpenDatabase());
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    ExchangeUiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_exchange_ui.moc"
