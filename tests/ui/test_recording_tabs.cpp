// The chart tabs of the main window: every tab keeps its own recording and remarks, stored
// tabs and unsaved live ones alike, against a real embedded Firebird database.

#include "ChartFrame.h"
#include "Demo.h"
#include "DemoRecordings.h"
#include "Emulator.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "RecordingTabs.h"
#include "RemarksDialog.h"
#include "UiTestEnv.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QtTest>

using namespace zud;
using namespace zud::ui;
using zud::test::DemoRecording;

namespace {

// Answers message boxes with Yes/OK and the remarks dialog through `remarks`.
class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(15, parent) {}
    QStringList boxes;
    std::function<bool(QWidget*)> handle;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            box->done((box->standardButtons() & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
            return;
        }
        if (handle)
            handle(w);
    }
};

} // namespace

class RecordingTabsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

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

private slots:
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-tabs-lock"))); }
    void init() {
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
    }

    // Two recordings of one patient with the same date and time share a caption. Opening the
    // second shows the first one's tab: what is displayed, and what "Bemerkung
    // hinzufügen/ändern" shows and writes, is the first recording, never the second.
    void SameCaptionShowsTheTabsOwnRecording() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        Patient p;
        p.Name = QStringLiteral("Kowalska");
        p.Vorname = QStringLiteral("Anna");
        p.Geburtstag = QDate(1968, 3, 4);
        const qint64 pat = dm.AddPatient(p);
        const qint64 first = dm.InsertRecording(pat, QDate(2026, 3, 1), QTime(9, 30), DemoRecording(1),
                                                QStringLiteral("ZUD12"));
        const qint64 other = dm.InsertRecording(pat, QDate(2026, 3, 2), QTime(9, 30), DemoRecording(2),
                                                QStringLiteral("ZUD12"));
        const qint64 twin = dm.InsertRecording(pat, QDate(2026, 3, 1), QTime(9, 30), DemoRecording(5),
                                               QStringLiteral("ZUD12"));
        dm.SetRemarks(first, QStringLiteral("erste Übung"));
        dm.SetRemarks(twin, QStringLiteral("zweite Übung, gleiche Zeit"));
        f->FillPatList();
        f->OpenPatient(pat);

        QVERIFY(f->OpenRecording(first));
        QVERIFY(f->OpenRecording(other));
        QCOMPARE(f->ActiveTab(), 1);
        QCOMPARE(f->DisplayedStream(), DemoRecording(2));
        QVERIFY(f->OpenRecording(twin));
        QCOMPARE(f->TabCount(), 2);
        QCOMPARE(f->ActiveTab(), 0);
        QCOMPARE(f->TabCounter(0), first);
        QCOMPARE(f->DisplayedStream(), DemoRecording(1));
        QCOMPARE(f->DisplayedRemarks(), QStringLiteral("erste Übung"));
        QCOMPARE(f->Frame(0)->Daten(), DemoRecording(1));

        // The remarks dialog shows and writes the first recording's remarks.
        QString shown;
        RemarksDialog& bem = *f->TheRemarksDialog();
        answer.handle = [&](QWidget* w) {
            if (w != &bem)
                return false;
            shown = bem.Text->toPlainText();
            bem.Text->setPlainText(QStringLiteral("erste Übung, ergänzt"));
            bem.Action(QStringLiteral("Hinzufuegen"))->trigger();
            return true;
        };
        f->EditRemarks();
        QCOMPARE(shown, QStringLiteral("erste Übung"));
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
        QCOMPARE(dm.GetRecording(first)->Bemerkungen, QStringLiteral("erste Übung, ergänzt"));
        QCOMPARE(dm.GetRecording(twin)->Bemerkungen, QStringLiteral("zweite Übung, gleiche Zeit"));
        QCOMPARE(f->DisplayedRemarks(), QStringLiteral("erste Übung, ergänzt"));

        // Back and forth: each tab shows its own recording and remarks again.
        f->ActivateTab(1);
        QCOMPARE(f->DisplayedStream(), DemoRecording(2));
        QVERIFY(f->DisplayedRemarks().isEmpty());
        f->ActivateTab(0);
        QCOMPARE(f->DisplayedStream(), DemoRecording(1));
        QCOMPARE(f->DisplayedRemarks(), QStringLiteral("erste Übung, ergänzt"));
    }

    // An unsaved live recording next to a stored one: its tab shows its own stream, a click on
    // the stored recording in the list leaves it alone, and saving stores exactly what the tab
    // shows.
    void LiveTabKeepsItsStream() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        Patient p;
        p.Name = QStringLiteral("Nowak");
        p.Vorname = QStringLiteral("Jan");
        p.Geburtstag = QDate(1959, 1, 2);
        const qint64 pat = dm.AddPatient(p);
        const qint64 stored = dm.InsertRecording(pat, QDate(2026, 3, 1), QTime(8, 0), DemoRecording(3),
                                                 QStringLiteral("ZUD12"));
        f->FillPatList();
        f->OpenPatient(pat);
        QVERIFY(f->OpenRecording(stored));
        const QByteArray live = DemoRecording(8);
        f->AddLiveRecording(live, QDateTime(QDate(2026, 3, 9), QTime(11, 12, 13)));
        QCOMPARE(f->TabCount(), 2);
        QCOMPARE(f->TabCaption(1), QStringLiteral("*Neu1"));
        QCOMPARE(f->DisplayedStream(), live);
        QVERIFY(f->Action(QStringLiteral("Speichern"))->isEnabled());
        QCOMPARE(f->Tabs()->Unsaved(), 1);
        // A click on the stored recording shows its own tab; the live tab stays as it was.
        QVERIFY(f->OpenRecording(stored, true));
        QCOMPARE(f->ActiveTab(), 0);
        f->ActivateTab(1);
        QCOMPARE(f->DisplayedStream(), live);
        // A recording of no more than the program header adds no tab.
        f->AddLiveRecording(live.left(89), QDateTime::currentDateTime());
        QCOMPARE(f->TabCount(), 2);

        // Saving stores the tab's stream and makes it a stored tab.
        f->ActivateTab(1);
        f->SaveLiveRecording();
        const qint64 saved = f->TabCounter(1);
        QVERIFY(saved > 0);
        QCOMPARE(dm.GetRecording(saved)->Daten, live);
        QCOMPARE(dm.GetRecording(saved)->Uhrzeit, QTime(11, 12, 13));
        QCOMPARE(f->Tabs()->Unsaved(), 0);
        QVERIFY(!f->TabCaption(1).startsWith(QLatin1String("*Neu")));
    }
};

QTEST_MAIN(RecordingTabsTest)
#include "test_recording_tabs.moc"
