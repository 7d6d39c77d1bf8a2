// Patients and recordings in the main window and their dialogs, on the offscreen platform,
// against a real embedded Firebird database (and a private server for two workstations).

#include "ChartFrame.h"
#include "Demo.h"
#include "DemoRecordings.h"
#include "Emulator.h"
#include "FirebirdServer.h"
#include "ListViews.h"
#include "MainWindow.h"
#include "MoveRecordingDialog.h"
#include "PatientDatabase.h"
#include "PatientDialog.h"
#include "PatientModels.h"
#include "PatientSelectionWindow.h"
#include "Recording.h"
#include "RecordingSelectionWindow.h"
#include "RemarksDialog.h"
#include "Ribbon.h"
#include "Settings.h"
#include "SplashScreen.h"
#include "UiTestEnv.h"
#include "ZudApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>

#include <functional>

using namespace zud;
using namespace zud::ui;
using zud::test::DemoRecording;
using zud::test::WriteMachine;
using zud::test::WriteUser;

namespace {

// Answers every modal window that opens: message boxes with `yes` (Yes/OK) or No, other
// windows through `handle`, which returns true when it dealt with the window.
class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(15, parent) {}
    QStringList boxes;
    QList<bool> answers; // answers to questions in order; Yes when the list is used up
    std::function<bool(QWidget*)> handle;
    int windows = 0;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            if (box->standardButtons() & QMessageBox::Yes) {
                const bool yes = answers.isEmpty() || answers.takeFirst();
                box->done(yes ? QMessageBox::Yes : QMessageBox::No);
            } else {
                box->done(QMessageBox::Ok);
            }
            return;
        }
        if (handle && handle(w))
            ++windows;
    }
};

Patient P(const QString& name, const QString& vorname, const QDate& geburtstag) {
    Patient p;
    p.Name = name;
    p.Vorname = vorname;
    p.Geburtstag = geburtstag;
    return p;
}

int Count(PatientDatabase& dm, const QString& sql) {
    const auto rows = dm.Db().Query(sql);
    return rows.empty() ? -1 : int(rows.front().Int(QStringLiteral("N"), -1));
}

QStringList MenuTexts(QMenu* m) {
    QStringList out;
    for (QAction* a : m->actions())
        out << (a->isSeparator() ? QStringLiteral("--") + a->text() : a->text());
    return out;
}

// A mouse gesture on a widget: press at `from`, moves, release at `to`.
void Drag(QWidget* w, Qt::MouseButton button, QPoint from, QPoint to) {
    auto send = [w](QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), b, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, from, button, button);
    for (int k = 1; k <= 4; ++k)
        send(QEvent::MouseMove, from + (to - from) * k / 4, Qt::NoButton, button);
    send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

// Clicks the ribbon button of an action, on its tab, as a user does.
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

class PatientsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    zud::test::FirebirdServer server;

    void Fresh() {
        server.Stop();
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
    }

    // The main window, logged in to a fresh embedded database.
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
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-patients-lock"))); }
    void init() { Fresh(); }
    void cleanup() { server.Stop(); }

    void PatientDialogSavesByTheRules() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 anna =
            dm.AddPatient(P(QStringLiteral("Müller"), QStringLiteral("Anna"), QDate(1960, 3, 4)));
        PatientDialog& d = *f->ThePatientDialog();

        // A new patient equal in surname, first name and birth date is refused first.
        QVERIFY(d.Prepare(dm, PatientDialog::New));
        QCOMPARE(d.windowTitle(), QStringLiteral("Patient hinzufügen"));
        QCOMPARE(d.Action(QStringLiteral("Speichern"))->text(), QStringLiteral("Hinzufügen"));
        QCOMPARE(d.GeburtsdatumEdit->text(), FormatDate(QDate::currentDate()));
        QCOMPARE(d.GeschlechtBox->currentIndex(), -1);
        d.VornameEdit->setText(QStringLiteral("Anna"));
        d.NameEdit->setText(QStringLiteral("Müller"));
        d.GeburtsdatumEdit->setText(FormatDate(QDate(1960, 3, 4)));
        QVERIFY(!d.Save());
        QCOMPARE(d.LastMessage, QStringLiteral("Fehler: Patient bereits vorhanden!"));
        // The same person in another letter case is somebody else.
        d.NameEdit->setText(QStringLiteral("MÜLLER"));
        d.GeschlechtBox->setCurrentIndex(1);
        d.GroesseEdit->setText(QStringLiteral("172"));
        QVERIFY(d.Save());
        const auto second = dm.GetPatient(d.SavedId());
        QVERIFY(second);
        QCOMPARE(second->Name, QStringLiteral("MÜLLER"));
        QCOMPARE(second->Geschlecht, 1);
        QCOMPARE(second->Groesse, QStringLiteral("172"));

        // Missing mandatory data, and a birth date of today, count as not given.
        QVERIFY(d.Prepare(dm, PatientDialog::New));
        d.VornameEdit->setText(QStringLiteral("Bernd"));
        d.NameEdit->setText(QStringLiteral("Schmidt"));
        QVERIFY(!d.Save());
        QCOMPARE(d.LastMessage,
                 QStringLiteral("Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht "
                                "angegeben. Bitte das Geburtsdatum des Patienten eingeben."));
        // A wrong birth date is named as such, not as a missing field.
        d.GeburtsdatumEdit->setText(QStringLiteral("31.02.1970"));
        QVERIFY(!d.Save());
        QCOMPARE(d.LastMessage,
                 QStringLiteral("Fehler: „31.02.1970“ ist kein gültiges Geburtsdatum. Bitte das "
                                "Datum so eingeben: 31.01.1970."));
        d.GeburtsdatumEdit->setText(FormatDate(QDate::currentDate().addDays(1)));
        QVERIFY(!d.Save());
        QCOMPARE(d.LastMessage,
                 QStringLiteral("Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem "
                                "01.01.1900 und heute liegen.")
                     .arg(FormatDate(QDate::currentDate().addDays(1))));
        d.GeburtsdatumEdit->setText(QStringLiteral("31.12.1899"));
        QVERIFY(!d.Save());
        QVERIFY(d.LastMessage.contains(QStringLiteral("31.12.1899 ist nicht möglich")));
        d.GeburtsdatumEdit->clear();
        QVERIFY(!d.Save());
        QCOMPARE(d.LastMessage, QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));
        d.GeburtsdatumEdit->setText(FormatDate(QDate(1970, 1, 2)));
        d.NameEdit->clear();
        QVERIFY(!d.Save());
        QCOMPARE(d.LastMessage, QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));

        // Editing a patient into an equal of another one is saved without complaint.
        QVERIFY(d.Prepare(dm, PatientDialog::Edit, second->Identifikation));
        QCOMPARE(d.windowTitle(), QStringLiteral("Patient ändern"));
        QCOMPARE(d.Action(QStringLiteral("Speichern"))->text(), QStringLiteral("Ändern"));
        QCOMPARE(d.GroesseEdit->text(), QStringLiteral("172"));
        QCOMPARE(d.GeschlechtBox->currentIndex(), 1);
        d.NameEdit->setText(QStringLiteral("Müller"));
        QVERIFY(d.Save());
        QCOMPARE(dm.GetPatient(second->Identifikation)->Name, QStringLiteral("Müller"));
        QCOMPARE(dm.GetPatient(anna)->Name, QStringLiteral("Müller"));
        QVERIFY(!d.Prepare(dm, PatientDialog::Edit, 987654));

        // Mode 2 proposes the device's values; a proposed birth date of today is today.
        QVERIFY(d.Prepare(dm, PatientDialog::NewProposed, -1, QStringLiteral("Łucja"), QStringLiteral("Wąs"),
                          QDate(1988, 12, 31)));
        QCOMPARE(d.VornameEdit->text(), QStringLiteral("Łucja"));
        QCOMPARE(d.NameEdit->text(), QStringLiteral("Wąs"));
        QCOMPARE(d.GeburtsdatumEdit->text(), FormatDate(QDate(1988, 12, 31)));
        QVERIFY(d.Save());
        QCOMPARE(dm.GetPatient(d.SavedId())->Geburtstag, QDate(1988, 12, 31));

        // Through the window: the save action closes it with OK.
        answer.handle = [&](QWidget* w) {
            if (w != &d)
                return false;
            d.VornameEdit->setText(QStringLiteral("Carl"));
            d.NameEdit->setText(QStringLiteral("Ohm"));
            d.GeburtsdatumEdit->setText(FormatDate(QDate(1950, 6, 7)));
            d.Action(QStringLiteral("Speichern"))->trigger();
            return true;
        };
        QCOMPARE(d.Ask(dm, PatientDialog::New), int(QDialog::Accepted));
        QVERIFY(dm.FindPatient(QStringLiteral("Ohm"), QStringLiteral("Carl"), QDate(1950, 6, 7)));
    }

    void BirthDateEditFiltersAndNormalises() {
        QWidget host;
        DateEdit e(&host);
        QLineEdit other(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        e.setFocus();
        QTest::keyClicks(&e, QStringLiteral("1a.2b.19x60"));
        const QString sep = ShortDateFormat().contains(QLatin1Char('.')) ? QStringLiteral(".") : QString();
        if (!sep.isEmpty())
            QCOMPARE(e.text(), QStringLiteral("1.2.1960")); // letters were dropped
        QVERIFY(e.Normalise());
        QCOMPARE(e.text(), FormatDate(QDate(1960, 2, 1)));
        QCOMPARE(e.palette().color(QPalette::Base), QColor(Qt::white));
        e.setText(QStringLiteral("31.02.1960"));
        QVERIFY(!e.Normalise());
        QVERIFY(e.text().isEmpty());
        QCOMPARE(e.palette().color(QPalette::Base), QColor(255, 185, 185));
    }

    void SelectionWindowListsSearchesAndDeletes() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const QStringList names{QStringLiteral("Berger"),  QStringLiteral("Meier"),
                                QStringLiteral("Schäfer"), QStringLiteral("Ernst"),
                                QStringLiteral("Wolf"),    QStringLiteral("Kowalski")};
        for (int i = 0; i < 50; ++i) {
            Patient p =
                P(names[i % names.size()], QStringLiteral("Vorname%1").arg(i, 2, 10, QLatin1Char('0')),
                  QDate(1940 + i, 1 + i % 12, 1 + i % 28));
            p.Wohnort = QStringLiteral("Ort %1").arg(i);
            p.Geschlecht = i % 3 - 1;
            p.Gewicht = i % 2 ? QStringLiteral("70") : QString();
            dm.AddPatient(p);
        }
        PatientSelectionWindow& s = *f->PatientSelection();
        s.SetDM(dm, -1);
        s.Fill();
        QCOMPARE(s.Model()->rowCount(), 50);
        QCOMPARE(s.Model()->columnCount(), 15);
        QCOMPARE(s.Model()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Patientennummer"));
        QCOMPARE(s.Model()->headerData(14, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Geschlecht"));
        // Sorted by surname; an empty sex cell for "not given"; units after weight.
        QCOMPARE(s.Model()->At(0).Name, QStringLiteral("Berger"));
        for (int r = 0; r < 50; ++r) {
            const Patient& p = s.Model()->At(r);
            const QString sex =
                s.Model()->data(s.Model()->index(r, PatientModel::Geschlecht), Qt::DisplayRole).toString();
            QCOMPARE(sex, p.Geschlecht == 0   ? QStringLiteral("weiblich")
                          : p.Geschlecht == 1 ? QStringLiteral("männlich")
                                              : QString());
            if (!p.Gewicht.isEmpty())
                QCOMPARE(
                    s.Model()->data(s.Model()->index(r, PatientModel::Gewicht), Qt::DisplayRole).toString(),
                    QStringLiteral("70 kg"));
        }
        QVERIFY(!s.Action(QStringLiteral("Auswaehlen"))->isEnabled());
        QVERIFY(s.SelectRow(3));
        QVERIFY(s.Action(QStringLiteral("Auswaehlen"))->isEnabled());
        QVERIFY(s.Action(QStringLiteral("Loeschen"))->isEnabled());

        // "er" in any part of the surname, in any case: Berger, Meier, Schäfer, Ernst.
        s.SetSearch(true, QStringLiteral("er"));
        int expected = 0;
        for (int i = 0; i < 50; ++i)
            expected += names[i % names.size()].contains(QStringLiteral("er"), Qt::CaseInsensitive);
        QCOMPARE(s.Model()->rowCount(), expected);
        s.SetSearch(true, QString());
        QCOMPARE(s.Model()->rowCount(), 50);
        // The toggle asks for the text, preset with the previous one.
        QString preset;
        s.AskSearch = [&](const QString& p) -> std::optional<QString> {
            preset = p;
            return QStringLiteral("WOLF");
        };
        s.SearchText = QStringLiteral("alt");
        s.Action(QStringLiteral("Suchen"))->setChecked(false);
        s.Action(QStringLiteral("Suchen"))->trigger();
        QCOMPARE(preset, QStringLiteral("alt"));
        QCOMPARE(s.Model()->rowCount(), 8);
        s.Action(QStringLiteral("Suchen"))->trigger(); // unchecked: everybody again
        QCOMPARE(s.Model()->rowCount(), 50);

        // Deleting a patient with recordings: "No" keeps them in the table without patient.
        const qint64 id = s.Model()->At(0).Identifikation;
        const QString victim = s.Model()->At(0).Vorname + QLatin1Char(' ') + s.Model()->At(0).Name;
        const QByteArray rec = DemoRecording(1);
        dm.InsertRecording(id, QDate(2026, 5, 1), QTime(10, 0), rec, QStringLiteral("ZUD12"));
        dm.InsertRecording(id, QDate(2026, 5, 2), QTime(10, 0), rec, QStringLiteral("ZUD12"));
        QVERIFY(s.SelectRow(0));
        answer.answers = {true, false};
        s.Loeschen();
        QCOMPARE(answer.boxes.value(0), QStringLiteral("Patient „%1“ wirklich löschen?").arg(victim));
        QVERIFY(answer.boxes.value(1).startsWith(
            QStringLiteral("Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: 2).").arg(victim)));
        QVERIFY(!dm.GetPatient(id));
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from ZUDData where PATIENT = %1").arg(id)),
                 2);
        QCOMPARE(s.Model()->rowCount(), 49);
        // "Yes" takes them along.
        const qint64 id2 = s.Model()->At(0).Identifikation;
        dm.InsertRecording(id2, QDate(2026, 5, 3), QTime(10, 0), rec, QStringLiteral("ZUD12"));
        QVERIFY(s.SelectRow(0));
        answer.boxes.clear();
        answer.answers = {true, true};
        s.Loeschen();
        QCOMPARE(answer.boxes.size(), 2);
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from ZUDData where PATIENT = %1").arg(id2)),
                 0);
        // Declining the first question deletes nothing.
        QVERIFY(s.SelectRow(0));
        answer.answers = {false};
        s.Loeschen();
        QCOMPARE(s.Model()->rowCount(), 48);

        // The window itself, maximised, with its rows (screenshot for review).
        answer.handle = [&](QWidget* w) {
            if (w != &s)
                return false;
            DumpScreenshot(&s, QStringLiteral("patient-selection-50"));
            if (!s.SelectRow(5))
                s.reject();
            s.Action(QStringLiteral("Auswaehlen"))->trigger();
            return true;
        };
        const auto chosen = s.Choose(dm, -1);
        QVERIFY(chosen);
        QVERIFY(s.isMaximized() || s.windowState() & Qt::WindowMaximized);
        QCOMPARE(*chosen, s.Model()->At(5).Identifikation);
    }

    void MainWindowListsAndRecentMenus() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        std::vector<qint64> ids;
        for (int i = 0; i < 12; ++i)
            ids.push_back(dm.AddPatient(P(QStringLiteral("Name%1").arg(i, 2, 10, QLatin1Char('0')),
                                          QStringLiteral("Vor%1").arg(i), QDate(1950 + i, 1, 1))));
        f->FillPatList();
        for (qint64 id : ids) {
            f->OpenPatient(id);
            QTest::qWait(2); // distinct access times
        }
        // At most ten, the newest first, then "Alle Patienten" with "auswählen...".
        const QStringList menu = MenuTexts(f->PatientMenu());
        QCOMPARE(menu.size(), 1 + 10 + 2);
        QCOMPARE(menu.at(0), QStringLiteral("--Zuletzt verwendet"));
        QCOMPARE(menu.at(1), QStringLiteral("Vor11, Name11, *%1").arg(FormatDate(QDate(1961, 1, 1))));
        QCOMPARE(menu.at(11), QStringLiteral("--Alle Patienten"));
        QCOMPARE(menu.at(12), QStringLiteral("auswählen..."));
        QCOMPARE(f->PatientListModel()->rowCount(), 12);
        QCOMPARE(f->CurrentPatient(), ids.back());
        QCOMPARE(f->PatientBox()->text(),
                 QStringLiteral("Vor11, Name11, *%1").arg(FormatDate(QDate(1961, 1, 1))));
        QVERIFY(f->Action(QStringLiteral("PatLoeschen"))->isEnabled());
        QVERIFY(f->Action(QStringLiteral("Messung_Laden"))->isEnabled());
        // The selected row of the list is the current patient; clicking another row opens it.
        QCOMPARE(f->PatientListView()->currentIndex().row(), f->PatientListModel()->RowOf(ids.back()));
        const QModelIndex third = f->PatientListModel()->index(2, 0);
        QTest::mouseClick(f->PatientListView()->viewport(), Qt::LeftButton, {},
                          f->PatientListView()->visualRect(third).center());
        QCOMPARE(f->CurrentPatient(), f->PatientListModel()->At(2).Identifikation);
        // A menu entry opens its patient.
        f->PatientMenu()->actions().at(5)->trigger();
        QCOMPARE(f->CurrentPatient(), f->PatientMenu()->actions().at(1)->data().toLongLong());

        // The recording list: running number, date, time, program name, short mode name; an
        // older row of -11 names its mapped mode in both columns.
        const qint64 pat = ids.front();
        const qint64 c1 = dm.InsertRecording(pat, QDate(2026, 1, 5), QTime(9, 0), DemoRecording(1),
                                             QStringLiteral("ZUD12"));
        dm.InsertRecording(pat, QDate(2026, 1, 6), QTime(8, 0), DemoRecording(5), QStringLiteral("ZUD12"));
        dm.InsertRecording(pat, QDate(2026, 1, 6), QTime(7, 0), DemoRecording(2), QStringLiteral("ZUD12"));
        const qint64 old = dm.InsertRecording(pat, QDate(2025, 1, 1), QTime(7, 0), DemoRecording(2),
                                              QStringLiteral("ZUD12"));
        dm.Db().Exec(QStringLiteral("update ZUDData set BETRIEBSART = -11 where COUNTER = %1").arg(old));
        f->OpenPatient(pat);
        RecordingModel* m = f->RecordingListModel();
        QCOMPARE(m->rowCount(), 4);
        auto cell = [m](int r, int c) { return m->data(m->index(r, c), Qt::DisplayRole).toString(); };
        // Default order: newest first, by date and time together.
        QCOMPARE(cell(0, 0), QStringLiteral("1"));
        QCOMPARE(cell(0, 1), FormatDate(QDate(2026, 1, 6)));
        QCOMPARE(cell(0, 2), QStringLiteral("08:00:00"));
        QCOMPARE(cell(1, 2), QStringLiteral("07:00:00"));
        QCOMPARE(cell(3, 3), QStringLiteral("EMG(2)+Druck"));
        QCOMPARE(cell(3, 4), QStringLiteral("EMG(2)+Druck"));
        QCOMPARE(cell(2, 4), QStringLiteral("EMG"));
        QVERIFY(!cell(2, 3).isEmpty());
        QCOMPARE(cell(2, 3), ProgramName(DemoRecording(1)));
        QCOMPARE(cell(2, 3), QStringLiteral("Übung")); // a national letter of the device set
        QVERIFY(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString().endsWith(QChar(0x25BC)));
        // A click on "Datum" or "Uhrzeit" turns the one order of both round and stores it.
        QHeaderView* h = f->RecordingListView()->header();
        const auto clickHeader = [h](int section) {
            QTest::mouseClick(
                h->viewport(), Qt::LeftButton, {},
                QPoint(h->sectionViewportPosition(section) + h->sectionSize(section) / 2, h->height() / 2));
        };
        clickHeader(1);
        QCOMPARE(cell(0, 1), FormatDate(QDate(2025, 1, 1)));
        QCOMPARE(cell(2, 2), QStringLiteral("07:00:00"));
        QCOMPARE(cell(3, 2), QStringLiteral("08:00:00"));
        QCOMPARE(Settings().SortDate(), QStringLiteral("ASC"));
        QCOMPARE(Settings().SortTime(), QStringLiteral("ASC"));
        QVERIFY(m->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString().endsWith(QChar(0x25B2)));
        clickHeader(2);
        QCOMPARE(cell(0, 2), QStringLiteral("08:00:00"));
        QCOMPARE(cell(3, 1), FormatDate(QDate(2025, 1, 1)));
        QCOMPARE(Settings().SortDate(), QStringLiteral("DESC"));
        QCOMPARE(Settings().SortTime(), QStringLiteral("DESC"));
        QVERIFY(m->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString().endsWith(QChar(0x25BC)));
        // The recent-recordings menu fills as recordings are opened.
        QVERIFY(f->OpenRecording(c1));
        const QStringList rmenu = MenuTexts(f->RecordingMenu());
        QCOMPARE(rmenu.first(), QStringLiteral("--Zuletzt verwendet"));
        QCOMPARE(rmenu.at(1), FormatDate(QDate(2026, 1, 5)) + QStringLiteral(" 09:00:00"));
        QCOMPARE(rmenu.at(rmenu.size() - 2), QStringLiteral("--Alle Übungen"));
        QCOMPARE(f->RecordingMenu()->actions().last(), f->Action(QStringLiteral("Messung_Laden")));

        // Deleting the current patient ("Patient löschen") keeps the recordings on "No".
        answer.answers = {true, false};
        f->DeleteCurrentPatient();
        QCOMPARE(f->CurrentPatient(), qint64(-1));
        QVERIFY(f->PatientBox()->text().isEmpty());
        QCOMPARE(f->RecordingListModel()->rowCount(), 0);
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from ZUDData where PATIENT = %1").arg(pat)),
                 4);
        QCOMPARE(f->TabCount(), 1); // its tab still shows a stored recording
        QVERIFY(!f->Action(QStringLiteral("PatLoeschen"))->isEnabled());
    }

    // With the lists hidden (as on a first start), choosing a patient by keyboard in "Patienten"
    // shows his recordings at once, newest first by date and time together (also when an older
    // version stored the time ascending), every column whole.
    void ChosenPatientsRecordingsAreShownNewestFirst() {
        WriteUser(QStringLiteral("SortTime"), QStringLiteral("ASC"));
        Answerer answer;
        auto f = std::make_unique<MainWindow>();
        f->Create();
        QVERIFY(f->OpenDatabase());
        f->resize(1280, 800);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QVERIFY(!f->RecordingListView()->isVisible());
        PatientDatabase& dm = *f->DM();
        dm.AddPatient(P(QStringLiteral("Adamczyk"), QStringLiteral("Ola"), QDate(1990, 1, 1)));
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Zieliński"), QStringLiteral("Ewa"), QDate(1971, 7, 7)));
        // A day's later recordings come first; a day with one at 23:59 goes after the next day.
        struct R {
            QDate d;
            QTime t;
            int demo;
        };
        const std::vector<R> rows = {{QDate(2026, 3, 2), QTime(8, 5), 1},
                                     {QDate(2026, 3, 2), QTime(16, 40), 7},
                                     {QDate(2026, 3, 1), QTime(23, 59), 5},
                                     {QDate(2026, 3, 2), QTime(11, 0), 2},
                                     {QDate(2026, 2, 27), QTime(9, 0), 3}};
        for (const R& r : rows)
            dm.InsertRecording(pat, r.d, r.t, DemoRecording(r.demo), QStringLiteral("ZUD12"));
        f->FillPatList();

        bool typed = false;
        answer.handle = [&typed](QWidget* w) {
            auto* d = qobject_cast<PatientSelectionWindow*>(w);
            if (!d || !d->isVisible() || typed)
                return false;
            typed = true;
            QApplication::setActiveWindow(d);
            d->View->setFocus();
            QTest::keyClicks(d->View, QStringLiteral("Zie"));
            QTest::keyClick(d->View, Qt::Key_Return);
            return true;
        };
        QVERIFY(ClickRibbon(*f, QStringLiteral("Patienten")));
        QTRY_COMPARE(answer.windows, 1);
        QTRY_COMPARE(f->CurrentPatient(), pat);
        QCoreApplication::processEvents();

        QTreeView* list = f->RecordingListView();
        QVERIFY(list->isVisible());
        QVERIFY(list->width() > 100);
        QAbstractItemModel* m = list->model();
        QCOMPARE(m->rowCount(), 5);
        QStringList order;
        for (int r = 0; r < m->rowCount(); ++r)
            order << m->index(r, 1).data().toString() + QLatin1Char(' ') + m->index(r, 2).data().toString();
        const auto at = [](int y, int mo, int d, const char* t) {
            return FormatDate(QDate(y, mo, d)) + QLatin1Char(' ') + QLatin1String(t);
        };
        QCOMPARE(order, (QStringList{at(2026, 3, 2, "16:40:00"), at(2026, 3, 2, "11:00:00"),
                                     at(2026, 3, 2, "08:05:00"), at(2026, 3, 1, "23:59:00"),
                                     at(2026, 2, 27, "09:00:00")}));
        // Every column, the operating mode too, is whole within the list.
        QHeaderView* h = list->header();
        for (int c = 0; c < h->count(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            int need = h->fontMetrics().horizontalAdvance(m->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < m->rowCount(); ++r)
                need =
                    std::max(need, list->fontMetrics().horizontalAdvance(m->index(r, c).data().toString()));
            // The program name alone may be shortened in a narrow panel; its tip holds it whole.
            if (c == RecordingModel::kProgramColumn)
                for (int r = 0; r < m->rowCount(); ++r)
                    QCOMPARE(m->index(r, c).data(Qt::ToolTipRole).toString(),
                             m->index(r, c).data().toString());
            QVERIFY2(h->sectionSize(c) >= need, qPrintable(m->headerData(c, Qt::Horizontal).toString()));
            QVERIFY2(h->sectionViewportPosition(c) >= 0 &&
                         h->sectionViewportPosition(c) + h->sectionSize(c) <= list->viewport()->width(),
                     qPrintable(m->headerData(c, Qt::Horizontal).toString()));
        }
        DumpScreenshot(f.get(), QStringLiteral("main-chosen-patient"));
    }

    void TabsOpenSwitchCloseAndDelete() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Zieliński"), QStringLiteral("Ewa"), QDate(1971, 7, 7)));
        std::vector<qint64> c;
        for (int k = 1; k <= 4; ++k)
            c.push_back(dm.InsertRecording(pat, QDate(2026, 2, k), QTime(10, k), DemoRecording(k),
                                           QStringLiteral("ZUD12")));
        // Same date and time as the first: the same caption.
        const qint64 twin = dm.InsertRecording(pat, QDate(2026, 2, 1), QTime(10, 1), DemoRecording(7),
                                               QStringLiteral("ZUD12"));
        f->FillPatList();
        f->OpenPatient(pat);
        QCOMPARE(f->TabCount(), 0);
        QVERIFY(!f->Action(QStringLiteral("Messung_Schliessen"))->isEnabled());

        QVERIFY(f->OpenRecording(c[0]));
        QVERIFY(f->OpenRecording(c[1]));
        QVERIFY(f->OpenRecording(c[2]));
        QCOMPARE(f->TabCount(), 3);
        QCOMPARE(f->TabCaption(0),
                 QStringLiteral(" Ewa Zieliński [%1,10:01:00]").arg(FormatDate(QDate(2026, 2, 1))));
        QCOMPARE(f->ActiveTab(), 2);
        QCOMPARE(f->Frame(2)->objectName(), QStringLiteral("DiagFrame2"));
        QCOMPARE(f->DisplayedStream(), DemoRecording(3));
        QCOMPARE(f->RecordingBox()->text(), FormatDate(QDate(2026, 2, 3)) + QStringLiteral(" 10:03:00"));
        for (const char* n : {"Messung_Schliessen", "Messung_loeschen", "AddBem"})
            QVERIFY2(f->Action(QString::fromLatin1(n))->isEnabled(), n);
        QVERIFY(!f->Action(QStringLiteral("Speichern"))->isEnabled());
        // Only the active chart is shown unless all are stacked.
        QVERIFY(f->Frame(2)->isVisible() && !f->Frame(0)->isVisible());
        f->Action(QStringLiteral("Comparsion"))->setChecked(true);
        QVERIFY(f->Frame(0)->isVisible() && f->Frame(1)->isVisible() && f->Frame(2)->isVisible());
        QTest::qWait(50);
        QVERIFY(qAbs(f->Frame(0)->height() - f->Frame(2)->height()) <= 2);
        DumpScreenshot(f.get(), QStringLiteral("main-window-three-tabs"));
        f->Action(QStringLiteral("Comparsion"))->setChecked(false);

        // The twin switches to the first one's tab instead of opening another.
        QVERIFY(f->OpenRecording(twin));
        QCOMPARE(f->TabCount(), 3);
        QCOMPARE(f->ActiveTab(), 0);
        // A single click in the list reuses the active tab.
        const int row = f->RecordingListModel()->RowOf(c[3]);
        QVERIFY(row >= 0);
        const QModelIndex i = f->RecordingListModel()->index(row, 1);
        QTest::mouseClick(f->RecordingListView()->viewport(), Qt::LeftButton, {},
                          f->RecordingListView()->visualRect(i).center());
        QCOMPARE(f->TabCount(), 3);
        QCOMPARE(f->TabCounter(0), c[3]);
        QCOMPARE(f->DisplayedStream(), DemoRecording(4));
        // Arrow keys open the newly selected row at once.
        f->RecordingListView()->setFocus();
        QTest::keyClick(f->RecordingListView(), Qt::Key_Down);
        const int now = f->RecordingListView()->currentIndex().row();
        QCOMPARE(f->TabCounter(f->ActiveTab()), f->RecordingListModel()->At(now).Counter);
        // Switching tabs reads the tab's recording again.
        f->ActivateTab(1);
        QCOMPARE(f->DisplayedStream(), DemoRecording(2));

        // Closing renumbers the frames after it and activates the same position.
        f->ActivateTab(0);
        f->CloseRecording();
        QCOMPARE(f->TabCount(), 2);
        QCOMPARE(f->ActiveTab(), 0);
        QCOMPARE(f->Frame(0)->objectName(), QStringLiteral("DiagFrame0"));
        QCOMPARE(f->Frame(1)->objectName(), QStringLiteral("DiagFrame1"));
        QCOMPARE(f->TabCounter(0), c[1]);

        // Deleting asks, deletes the row and closes its tab; "No" keeps everything.
        answer.answers = {false};
        f->DeleteRecording();
        QCOMPARE(f->TabCount(), 2);
        answer.answers = {true};
        answer.boxes.clear();
        const auto doomed = dm.GetRecording(c[1]);
        f->DeleteRecording();
        QCOMPARE(answer.boxes.value(0),
                 QStringLiteral("Übung vom %1 %2 wirklich löschen?")
                     .arg(FormatDate(doomed->Datum), doomed->Uhrzeit.toString(QStringLiteral("HH:mm:ss"))));
        QVERIFY(!dm.GetRecording(c[1]));
        QCOMPARE(f->TabCount(), 1);
        // A recording deleted elsewhere: the delete says so in German and still closes the tab.
        dm.DeleteRecording(f->TabCounter(0));
        answer.boxes.clear();
        f->DeleteRecording(false);
        QCOMPARE(answer.boxes, QStringList{PatientDatabase::RecordingGoneText()});
        QCOMPARE(f->TabCount(), 0);
        QVERIFY(f->RecordingBox()->text().isEmpty());
        for (const char* n : {"Messung_Schliessen", "Messung_loeschen", "AddBem"})
            QVERIFY2(!f->Action(QString::fromLatin1(n))->isEnabled(), n);
        QVERIFY(!f->OpenRecording(c[1])); // gone: nothing happens
        QCOMPARE(f->TabCount(), 0);

        // A recording of another model is listed but not shown; it can be deleted.
        const qint64 other = dm.InsertRecording(pat, QDate(2026, 3, 1), QTime(8, 0), DemoRecording(1),
                                                QStringLiteral("Anderes Modell"));
        f->OtherModels = {QStringLiteral("Anderes Modell")};
        f->FillMessList(pat);
        QVERIFY(f->RecordingListModel()->RowOf(other) >= 0);
        QVERIFY(!f->OpenRecording(other));
        QCOMPARE(f->TabCount(), 0);
        QVERIFY(f->Action(QStringLiteral("Messung_loeschen"))->isEnabled());
        QVERIFY(!f->Action(QStringLiteral("AddBem"))->isEnabled());
        answer.answers = {true};
        f->DeleteRecording();
        QVERIFY(!dm.GetRecording(other));
        QCOMPARE(f->RecordingListModel()->RowOf(other), -1);
    }

    void RemarksAndTheRecordingSelection() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Rossi"), QStringLiteral("Giulia"), QDate(1980, 5, 5)));
        const qint64 a = dm.InsertRecording(pat, QDate(2026, 4, 1), QTime(9, 0), DemoRecording(1),
                                            QStringLiteral("ZUD12"));
        const qint64 b = dm.InsertRecording(pat, QDate(2026, 4, 2), QTime(9, 0), DemoRecording(3),
                                            QStringLiteral("ZUD12"));
        dm.Db().Exec(QStringLiteral("update ZUDData set BETRIEBSART = 0 where COUNTER = %1").arg(b));
        f->OpenPatient(pat);
        // "Übung wählen": newest first, long mode names, an empty cell outside 1..10.
        RecordingSelectionWindow& s = *f->RecordingSelection();
        answer.handle = [&](QWidget* w) {
            if (w != &s)
                return false;
            RecordingModel* m = s.Model();
            if (m->rowCount() != 2 || m->At(0).Counter != b ||
                m->data(m->index(1, 2), Qt::DisplayRole).toString() != QStringLiteral("EMG-Biofeedback") ||
                !m->data(m->index(0, 2), Qt::DisplayRole).toString().isEmpty()) {
                s.reject();
                return true;
            }
            s.View->setCurrentIndex(m->index(1, 0));
            s.Action(QStringLiteral("Auswaehlen"))->trigger();
            return true;
        };
        f->LoadRecording();
        QCOMPARE(answer.windows, 1);
        QCOMPARE(f->TabCount(), 1);
        QCOMPARE(f->TabCounter(0), a);

        // Remarks: the dialog shows the stored text; OK writes it.
        RemarksDialog& bem = *f->TheRemarksDialog();
        QString shown;
        answer.handle = [&](QWidget* w) {
            if (w != &bem)
                return false;
            shown = bem.Text->toPlainText();
            bem.Text->setPlainText(QStringLiteral("Gute Mitarbeit\nÜbung abgebrochen: Krämpfe"));
            bem.Action(QStringLiteral("Hinzufuegen"))->trigger();
            return true;
        };
        f->EditRemarks();
        QVERIFY(shown.isEmpty());
        QCOMPARE(dm.GetRecording(a)->Bemerkungen,
                 QStringLiteral("Gute Mitarbeit\nÜbung abgebrochen: Krämpfe"));
        QCOMPARE(f->DisplayedRemarks(), dm.GetRecording(a)->Bemerkungen);
        answer.handle = [&](QWidget* w) {
            if (w != &bem)
                return false;
            shown = bem.Text->toPlainText();
            bem.Text->setPlainText(QStringLiteral("verworfen"));
            bem.Action(QStringLiteral("Zurueck"))->trigger();
            return true;
        };
        f->EditRemarks();
        QCOMPARE(shown, QStringLiteral("Gute Mitarbeit\nÜbung abgebrochen: Krämpfe"));
        QCOMPARE(dm.GetRecording(a)->Bemerkungen,
                 QStringLiteral("Gute Mitarbeit\nÜbung abgebrochen: Krämpfe"));
        // "Löschen" in the selection window asks, deletes and closes the recording's open tab.
        answer.answers = {true};
        answer.handle = [&](QWidget* w) {
            if (w != &s)
                return false;
            s.View->setCurrentIndex(s.Model()->index(s.Model()->RowOf(a), 0));
            // Its question box is answered by the next tick, so the delete runs outside this one.
            QTimer::singleShot(0, &s, [&] {
                s.Loeschen();
                s.reject();
            });
            return true;
        };
        f->LoadRecording();
        QVERIFY(!dm.GetRecording(a));
        QCOMPARE(f->TabCount(), 0);
        QCOMPARE(f->RecordingListModel()->rowCount(), 1);

        // "Patient hinzufügen" in the main window: the saved patient is current and listed.
        PatientDialog& d = *f->ThePatientDialog();
        answer.handle = [&](QWidget* w) {
            if (w != &d)
                return false;
            d.VornameEdit->setText(QStringLiteral("Marco"));
            d.NameEdit->setText(QStringLiteral("Bianchi"));
            d.GeburtsdatumEdit->setText(FormatDate(QDate(1977, 3, 3)));
            d.Action(QStringLiteral("Speichern"))->trigger();
            return true;
        };
        f->Action(QStringLiteral("PatNeu"))->trigger();
        const auto marco =
            dm.FindPatient(QStringLiteral("Bianchi"), QStringLiteral("Marco"), QDate(1977, 3, 3));
        QVERIFY(marco);
        QCOMPARE(f->CurrentPatient(), *marco);
        QVERIFY(f->PatientListModel()->RowOf(*marco) >= 0);
        QCOMPARE(f->PatientBox()->text(), QStringLiteral("Marco, Bianchi, *03.03.1977"));
    }

    void PatientSavedInTheSelectionWindowBecomesCurrent() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 alt =
            dm.AddPatient(P(QStringLiteral("Vorher"), QStringLiteral("Vera"), QDate(1961, 2, 3)));
        f->FillPatList();
        f->OpenPatient(alt);
        PatientSelectionWindow* sel = f->PatientSelection();
        bool added = false;
        answer.handle = [&](QWidget* w) {
            if (w == sel && !added) {
                added = true;
                // Opens the patient dialog, after the watcher's turn (its timer does not run
                // inside its own handler).
                QTimer::singleShot(0, sel, [sel] { sel->Action(QStringLiteral("Neu"))->trigger(); });
                return true;
            }
            if (auto* d = qobject_cast<PatientDialog*>(w)) {
                d->VornameEdit->setText(QStringLiteral("Nina"));
                d->NameEdit->setText(QStringLiteral("Neuer"));
                d->GeburtsdatumEdit->setText(FormatDate(QDate(1977, 7, 7)));
                d->Action(QStringLiteral("Speichern"))->trigger();
                return true;
            }
            if (w == sel && added) {
                sel->reject(); // "Zurück" without choosing
                return true;
            }
            return false;
        };
        f->Action(QStringLiteral("Patienten"))->trigger();
        const auto neu = dm.FindPatient(QStringLiteral("Neuer"), QStringLiteral("Nina"), QDate(1977, 7, 7));
        QVERIFY(neu);
        QCOMPARE(f->CurrentPatient(), *neu);

        // The ribbon's patient box shows a long Polish name from its start, whole.
        const qint64 lang = dm.AddPatient(
            P(QStringLiteral("Wąsowicz-Żółkiewska"), QStringLiteral("Małgorzata Łucja"), QDate(1988, 3, 12)));
        f->OpenPatient(lang);
        auto* box = f->findChild<QLineEdit*>(QStringLiteral("PatientBox"));
        QVERIFY(box);
        QVERIFY(box->text().contains(QStringLiteral("Wąsowicz-Żółkiewska")));
        QCOMPARE(box->cursorPosition(), 0);
        QVERIFY(box->minimumWidth() >= box->fontMetrics().horizontalAdvance(box->text()));
    }

    // Editing in the selection window saves like adding does: the edited patient stays the
    // list's current one, and the list's owner hears of the change and of the saved patient.
    void PatientEditedInTheSelectionWindowIsAnnounced() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        dm.AddPatient(P(QStringLiteral("Anders"), QStringLiteral("Anna"), QDate(1950, 1, 1)));
        const qint64 id =
            dm.AddPatient(P(QStringLiteral("Berg"), QStringLiteral("Bruno"), QDate(1960, 6, 6)));
        dm.AddPatient(P(QStringLiteral("Czerny"), QStringLiteral("Carl"), QDate(1970, 7, 7)));
        PatientSelectionWindow& s = *f->PatientSelection();
        s.SetDM(dm, -1);
        s.Fill();
        int changed = 0;
        QList<qint64> saved;
        s.Changed = [&] { ++changed; };
        s.Saved = [&](qint64 x) { saved << x; };
        answer.handle = [&](QWidget* w) {
            if (auto* d = qobject_cast<PatientDialog*>(w)) {
                d->TelefonEdit->setText(QStringLiteral("0711 123456"));
                d->Action(QStringLiteral("Speichern"))->trigger();
                return true;
            }
            return false;
        };
        QVERIFY(s.SelectRow(1));
        QCOMPARE(s.SelectedId(), id);
        s.Bearbeiten();
        QCOMPARE(dm.GetPatient(id)->Telefon, QStringLiteral("0711 123456"));
        QCOMPARE(changed, 1);
        QCOMPARE(saved, QList<qint64>{id});
        QCOMPARE(s.SelectedId(), id);
    }

    void DragAndDropMovesARecording() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 from =
            dm.AddPatient(P(QStringLiteral("Alt"), QStringLiteral("Anton"), QDate(1960, 1, 1)));
        const qint64 to = dm.AddPatient(P(QStringLiteral("Neu"), QStringLiteral("Nora"), QDate(1970, 1, 1)));
        const qint64 r1 = dm.InsertRecording(from, QDate(2026, 6, 1), QTime(11, 0), DemoRecording(1),
                                             QStringLiteral("ZUD12"));
        const qint64 r2 = dm.InsertRecording(from, QDate(2026, 6, 2), QTime(11, 0), DemoRecording(2),
                                             QStringLiteral("ZUD12"));
        f->FillPatList();
        f->OpenPatient(from);
        QVERIFY(f->OpenRecording(r1));
        f->OpenPatient(from); // the menu now lists the recording just opened
        bool listed = false;
        for (QAction* a : f->RecordingMenu()->actions())
            listed = listed || a->data().toLongLong() == r1;
        QVERIFY(listed);

        // The drag carries the COUNTER; the drop is accepted only over a patient row.
        PatientView* pv = f->PatientListView();
        auto drop = [&](qint64 counter, const QPoint& at) {
            QMimeData mime;
            mime.setData(QString::fromLatin1(kRecordingMime), QByteArray::number(counter));
            QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(pv->viewport(), &enter);
            QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(pv->viewport(), &move);
            const bool accepted = move.isAccepted();
            if (accepted) {
                QDropEvent d(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, {});
                QCoreApplication::sendEvent(pv->viewport(), &d);
            }
            return accepted;
        };
        const QModelIndex target = f->PatientListModel()->index(f->PatientListModel()->RowOf(to), 0);
        const QPoint over = pv->visualRect(target).center();
        const QPoint below(over.x(), pv->viewport()->height() - 3);
        QVERIFY(!drop(r1, below)); // empty space takes nothing
        QMimeData* dragged = f->RecordingListModel()->mimeData({f->RecordingListModel()->index(0, 0)});
        QVERIFY(dragged && dragged->hasFormat(QString::fromLatin1(kRecordingMime)));
        delete dragged;

        // With confirmation: the dialog names recording and both patients; "Abbrechen" keeps it.
        MoveRecordingDialog& d = *f->MoveDialog();
        QStringList values;
        bool confirm = false, dontAskAgain = false;
        answer.handle = [&](QWidget* w) {
            if (w != &d)
                return false;
            values = {d.MessungValue->text(), d.VonValue->text(), d.ZuValue->text()};
            d.NichtMehrAnzeigen->setChecked(dontAskAgain);
            (confirm ? d.Verschieben : d.Abbrechen)->click();
            return true;
        };
        QVERIFY(drop(r1, over));
        QCOMPARE(values, QStringList({FormatDate(QDate(2026, 6, 1)) + QStringLiteral(" - 11:00:00"),
                                      QStringLiteral("Anton Alt"), QStringLiteral("Nora Neu")}));
        QCOMPARE(dm.GetRecording(r1)->Patient, from);
        confirm = true;
        dontAskAgain = true;
        QVERIFY(drop(r1, over));
        QCOMPARE(dm.GetRecording(r1)->Patient, to);
        QCOMPARE(f->RecordingListModel()->RowOf(r1), -1); // it left the current patient's list
        // ... and the recent-recordings menu of the current patient.
        for (QAction* a : f->RecordingMenu()->actions())
            QVERIFY(a->data().toLongLong() != r1);
        QVERIFY(f->TabCaption(0).contains(QStringLiteral("Nora Neu")));
        QVERIFY(!Settings().MoveConfirm());
        // Without confirmation the move happens at once on drop.
        answer.windows = 0;
        QVERIFY(drop(r2, over));
        QCOMPARE(answer.windows, 0);
        QCOMPARE(dm.GetRecording(r2)->Patient, to);
    }

    void LiveRecordingTabIsSaved() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Live"), QStringLiteral("Lena"), QDate(1990, 9, 9)));
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from QALGERAETE")), 0);
        const QByteArray stream = DemoRecording(8);
        // 89 bytes or fewer is no recording: no tab.
        f->AddLiveRecording(stream.left(89), QDateTime::currentDateTime());
        QCOMPARE(f->TabCount(), 0);
        const QDateTime start(QDate(2026, 12, 1), QTime(14, 30, 5));
        f->AddLiveRecording(stream, start);
        QCOMPARE(f->TabCount(), 1);
        QCOMPARE(f->TabCaption(0), QStringLiteral("*Neu1"));
        QCOMPARE(f->DisplayedStream(), stream);
        QVERIFY(!f->Action(QStringLiteral("Speichern"))->isEnabled()); // no patient yet
        QVERIFY(!f->Action(QStringLiteral("Messung_loeschen"))->isEnabled());
        f->OpenPatient(pat);
        QVERIFY(f->Action(QStringLiteral("Speichern"))->isEnabled());
        f->Action(QStringLiteral("Speichern"))->trigger();
        QVERIFY(f->TabCounter(0) > 0);
        const auto rec = dm.GetRecording(f->TabCounter(0));
        QVERIFY(rec);
        QCOMPARE(rec->Daten, stream);
        QCOMPARE(rec->Patient, pat);
        QCOMPARE(rec->Datum, start.date());
        QCOMPARE(rec->Uhrzeit, start.time());
        QCOMPARE(rec->Betriebsart, int(uint8_t(stream.at(2))) + 1);
        // The first recording of a new device type adds device row 1.
        QCOMPARE(rec->Typ, qint64(1));
        QCOMPARE(Count(dm, QStringLiteral("select count(*) as N from QALGERAETE")), 1);
        QCOMPARE(f->TabCaption(0), QStringLiteral(" Lena Live [%1,14:30:05]").arg(FormatDate(start.date())));
        QVERIFY(!f->Action(QStringLiteral("Speichern"))->isEnabled());
        QCOMPARE(f->RecordingListModel()->rowCount(), 1);
        f->PatientListsChanged(pat);
        QCOMPARE(f->CurrentPatient(), pat);

        // An unsaved live recording is not thrown away without asking.
        f->AddLiveRecording(stream, start.addSecs(600));
        QCOMPARE(f->TabCount(), 2);
        answer.boxes.clear();
        answer.answers = {false};
        f->CloseRecording();
        QCOMPARE(f->TabCount(), 2);
        QVERIFY(answer.boxes.value(0).contains(QStringLiteral("noch nicht gespeichert")));
        answer.answers = {false};
        QVERIFY(!f->close());
        QVERIFY(f->isVisible());
        answer.answers = {true};
        f->CloseRecording();
        QCOMPARE(f->TabCount(), 1);
        QVERIFY(f->close()); // nothing unsaved is left
    }

    void ChartFramesZoomPanAndRepaintOnce() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Chart"), QStringLiteral("Clara"), QDate(1975, 1, 1)));
        const qint64 emg = dm.InsertRecording(pat, QDate(2026, 7, 1), QTime(9, 0), DemoRecording(1),
                                              QStringLiteral("ZUD12"));
        f->OpenPatient(pat);
        QVERIFY(f->OpenRecording(emg));
        ChartFrame* frame = f->Frame(0);
        QTest::qWait(250);
        // Requests within 100 ms are drawn once.
        const int before = frame->Paints();
        frame->RequestRepaint();
        frame->RequestRepaint();
        QTest::qWait(30);
        frame->RequestRepaint();
        QCOMPARE(frame->Paints(), before);
        QTest::qWait(250);
        QCOMPARE(frame->Paints(), before + 1);

        const QRectF plot = frame->PlotRect();
        QVERIFY(plot.width() > 100);
        const QPoint a = plot.topLeft().toPoint() + QPoint(plot.width() * 0.25, plot.height() * 0.2);
        const QPoint b = plot.topLeft().toPoint() + QPoint(plot.width() * 0.5, plot.height() * 0.8);
        Drag(frame, Qt::LeftButton, a, b);
        Zoom& z = frame->ZoomState();
        QCOMPARE(z.Level, 2);
        QVERIFY(z.Enabled);
        QVERIFY(qAbs(z.FX() - 4.0) < 0.05);
        QVERIFY(qAbs(z.OX() - 0.25) < 0.01);
        for (int k = 0; k < 5; ++k)
            Drag(frame, Qt::LeftButton, a, b);
        QCOMPARE(z.Level, 5); // a sixth step is ignored
        // The middle button pans the current level.
        const double ox = z.OX();
        Drag(frame, Qt::MiddleButton, b, a);
        QVERIFY(z.OX() > ox);
        QCOMPARE(z.Level, 5);
        // Dragging left goes back one level; at level 1 the offsets are 0.
        for (int k = 0; k < 6; ++k)
            Drag(frame, Qt::LeftButton, b, a);
        QCOMPARE(z.Level, 1);
        QCOMPARE(z.OX(), 0.0);

        // Mode 6 chooses the horizontal range only.
        const qint64 druck = dm.InsertRecording(pat, QDate(2026, 7, 2), QTime(9, 0), DemoRecording(7),
                                                QStringLiteral("ZUD12"));
        QVERIFY(f->OpenRecording(druck));
        ChartFrame* second = f->Frame(f->ActiveTab());
        QCOMPARE(second->Recording().Betriebsart, 6);
        QTest::qWait(20);
        const QRectF plot2 = second->PlotRect();
        Drag(second, Qt::LeftButton,
             plot2.topLeft().toPoint() + QPoint(plot2.width() * 0.1, plot2.height() * 0.4),
             plot2.topLeft().toPoint() + QPoint(plot2.width() * 0.6, plot2.height() * 0.6));
        QCOMPARE(second->ZoomState().Level, 2);
        QVERIFY(qAbs(second->ZoomState().FY() - 1.0) < 0.02);
        // A double-click shows the whole recording again.
        QTest::mouseDClick(second, Qt::LeftButton, Qt::NoModifier, plot2.center().toPoint());
        QCOMPARE(second->ZoomState().Level, 1);
        QCOMPARE(second->ZoomState().OX(), 0.0);
        Drag(second, Qt::LeftButton,
             plot2.topLeft().toPoint() + QPoint(plot2.width() * 0.1, plot2.height() * 0.4),
             plot2.topLeft().toPoint() + QPoint(plot2.width() * 0.6, plot2.height() * 0.6));
        QCOMPARE(second->ZoomState().Level, 2);

        // Grid commands stop at their limits, are saved and reach every frame.
        QCOMPARE(Settings().GridLinesX(), 20);
        QVERIFY(!f->Action(QStringLiteral("GridXPlus"))->isEnabled());
        f->Action(QStringLiteral("GridXMinus"))->trigger();
        QCOMPARE(Settings().GridLinesX(), 18);
        QVERIFY(f->Action(QStringLiteral("GridXPlus"))->isEnabled());
        QTest::qWait(200);
        DumpScreenshot(f.get(), QStringLiteral("chart-zoomed-mode6"));
        // The pressure unit decodes again.
        const double mbar = second->Recording().Werte.at(50).Druck;
        f->Action(QStringLiteral("mmHg"))->trigger();
        QVERIFY(second->Recording().Werte.at(50).Druck < mbar);
        f->Action(QStringLiteral("mbar"))->trigger();
        QCOMPARE(second->Recording().Werte.at(50).Druck, mbar);
    }

    void StackedFramesActivateCloseAndShrink() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Stapel"), QStringLiteral("Stefan"), QDate(1966, 6, 6)));
        for (int k = 1; k <= 4; ++k)
            QVERIFY(f->OpenRecording(dm.InsertRecording(pat, QDate(2026, 8, k), QTime(9, 0), DemoRecording(k),
                                                        QStringLiteral("ZUD12"))));
        f->Action(QStringLiteral("Comparsion"))->setChecked(true);
        QTest::qWait(50);
        const int screen = f->logicalDpiX();
        for (int i = 0; i < 4; ++i) {
            QVERIFY(f->Frame(i)->isVisible());
            QVERIFY(f->Frame(i)->Stacked());
            QCOMPARE(f->Frame(i)->Dpi(), int(std::lround(screen / std::sqrt(2.0))));
        }
        QVERIFY(f->Frame(3)->Active() && !f->Frame(0)->Active());
        QTest::qWait(200);
        DumpScreenshot(f.get(), QStringLiteral("chart-stacked"));
        // A click on a frame's title bar makes its recording the active tab.
        QTest::mouseClick(f->Frame(1), Qt::LeftButton, {}, QPoint(40, ChartFrame::kTitleHeight / 2));
        QCOMPARE(f->ActiveTab(), 1);
        QVERIFY(f->Frame(1)->Active());
        QCOMPARE(f->DisplayedStream(), DemoRecording(2));
        // Only the active frame zooms.
        const QRectF plot = f->Frame(2)->PlotRect();
        Drag(f->Frame(2), Qt::RightButton, plot.center().toPoint(), plot.center().toPoint());
        QCOMPARE(f->ActiveTab(), 2); // pressing activates it first
        // The close button removes the frame and its tab and renumbers the others.
        auto* close = f->Frame(0)->findChild<QToolButton*>(QStringLiteral("CloseFrame"));
        QVERIFY(close && close->isVisible());
        close->click();
        QCOMPARE(f->TabCount(), 3);
        QCOMPARE(f->Frame(0)->objectName(), QStringLiteral("DiagFrame0"));
        QCOMPARE(f->Frame(2)->objectName(), QStringLiteral("DiagFrame2"));
        QCOMPARE(f->Frame(0)->Dpi(), screen); // three tabs: 3 div 2 = 1
        f->Action(QStringLiteral("Comparsion"))->setChecked(false);
        QCOMPARE(Settings().Comparsion(), false);
        QVERIFY(!f->Frame(1)->Stacked());
    }

    void CropReplacesTheBlobOrLeavesIt() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Schnitt"), QStringLiteral("Sara"), QDate(1981, 8, 8)));
        const QByteArray original = DemoRecording(1);
        const qint64 c =
            dm.InsertRecording(pat, QDate(2026, 9, 1), QTime(9, 0), original, QStringLiteral("ZUD12"));
        f->OpenPatient(pat);
        QVERIFY(f->OpenRecording(c));
        QVERIFY(f->Action(QStringLiteral("Zuschneiden"))->isEnabled());
        QVERIFY(!f->Action(QStringLiteral("Uebernehmen"))->isEnabled());
        ChartFrame* frame = f->Frame(0);
        auto zoomIn = [&] {
            QTest::qWait(20);
            const QRectF plot = frame->PlotRect();
            Drag(frame, Qt::LeftButton,
                 plot.topLeft().toPoint() + QPoint(plot.width() * 0.2, plot.height() * 0.5),
                 plot.topLeft().toPoint() + QPoint(plot.width() * 0.6, plot.height() * 0.55));
        };
        zoomIn(); // a zoom from before is reset by the crop
        f->Action(QStringLiteral("Zuschneiden"))->trigger();
        QVERIFY(f->Cropping());
        QCOMPARE(frame->ZoomState().Level, 1);
        QVERIFY(!f->Action(QStringLiteral("Zuschneiden"))->isEnabled());
        QVERIFY(f->Action(QStringLiteral("Uebernehmen"))->isEnabled());
        QVERIFY(!f->RibbonBar()->isTabEnabled(
            f->RibbonBar()->indexOf(f->RibbonBar()->Tab(QStringLiteral("TabPatienten")))));
        QVERIFY(!f->findChild<QTabBar*>(QStringLiteral("ChartTabs"))->isVisible());
        zoomIn();
        QCOMPARE(frame->ZoomState().Level, 2);
        QVERIFY(qAbs(frame->ZoomState().FY() - 1.0) < 0.02); // full height in crop mode
        DumpScreenshot(f.get(), QStringLiteral("chart-crop"));
        f->Action(QStringLiteral("Verwerfen"))->trigger();
        QVERIFY(!f->Cropping());
        QCOMPARE(dm.GetRecording(c)->Daten, original);
        QCOMPARE(frame->ZoomState().Level, 1);
        QVERIFY(f->RibbonBar()->isTabEnabled(
            f->RibbonBar()->indexOf(f->RibbonBar()->Tab(QStringLiteral("TabPatienten")))));
        QVERIFY(f->findChild<QTabBar*>(QStringLiteral("ChartTabs"))->isVisible());

        f->Action(QStringLiteral("Zuschneiden"))->trigger();
        zoomIn();
        const Zoom z = frame->ZoomState();
        f->Action(QStringLiteral("Uebernehmen"))->trigger();
        const auto cut = CutStream(reinterpret_cast<const uint8_t*>(original.constData()),
                                   size_t(original.size()), z.FX(), z.OX());
        const QByteArray expected(reinterpret_cast<const char*>(cut.data()), qsizetype(cut.size()));
        QVERIFY(expected.size() < original.size());
        QCOMPARE(dm.GetRecording(c)->Daten, expected);
        QCOMPARE(f->DisplayedStream(), expected);
        QVERIFY(frame->Recording().Werte.size() <
                FillArray(reinterpret_cast<const uint8_t*>(original.constData()), size_t(original.size()))
                    .Werte.size());
        QCOMPARE(frame->ZoomState().Level, 1);

        // Raw-data export of the displayed recording.
        const QString csv = dir->filePath(QStringLiteral("roh.csv"));
        f->ExportRawData(csv);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("\xEF\xBB\xBF"
                                "Exportiert aus ZUD-Software am "));
        QCOMPARE(text.count("\r\n"), text.count('\n'));
        // The save dialog proposes patient, date and time; the status bar names the file.
        QCOMPARE(f->RawDataFileName(f->ActiveTab()), QStringLiteral("Schnitt_Sara_2026-09-01_0900.csv"));
        QVERIFY(f->statusBar()->currentMessage().contains(QStringLiteral("roh.csv")));
        QVERIFY(text.count("\r\n") > qsizetype(frame->Recording().Werte.size()));
        // A folder that cannot take the file: the German reason, no file.
        answer.boxes.clear();
        f->ExportRawData(dir->filePath(QStringLiteral("fehlt/roh.csv")));
        QVERIFY(!answer.boxes.isEmpty());
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("fehlt/roh.csv"))));
    }

    // The practice server is killed while a patient is edited: saving says so naming the server,
    // nothing is stored; started again, the same dialog saves without a restart of the program.
    void AServerThatWentAwayDuringAnEditIsNamedAndTheSameWindowSavesWhenItIsBack() {
        const QString failed =
            server.Start(dir->filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("127.0.0.1"));
        WriteMachine(QStringLiteral("RemoteServicePort3"), QString::number(server.Port()));
        {
            PatientDatabase install(DbLocation::FromSettings(Settings()));
            QVERIFY(install.EnsureInstalled());
        }
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Weg"), QStringLiteral("Wanda"), QDate(1958, 8, 8)));
        PatientDialog& d = *f->ThePatientDialog();
        QVERIFY(d.Prepare(dm, PatientDialog::Edit, pat));
        QTest::keyClicks(d.WohnortEdit, QStringLiteral("Dort"));
        server.Kill();
        QVERIFY(!d.Save());
        QVERIFY2(d.LastMessage.contains(
                     QStringLiteral("Datenbankserver „127.0.0.1“ (Port %1)").arg(server.Port())),
                 qPrintable(d.LastMessage));
        QVERIFY(dm.LoggedIn());
        QVERIFY2(server.Restart().isEmpty(), "the server does not start again");
        QVERIFY(d.Save());
        PatientDatabase other(DbLocation::FromSettings(Settings()));
        other.Login(QStringLiteral("sysdba"), Settings().AdminPassword(), Settings().AdminPassword());
        QCOMPARE(other.GetPatient(pat)->Wohnort, QStringLiteral("Dort"));
        other.Logout();
        f->close();
    }

    void TwoWorkstationsConflictFailsAtOnce() {
        const QString failed =
            server.Start(dir->filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("127.0.0.1"));
        WriteMachine(QStringLiteral("RemoteServicePort3"), QString::number(server.Port()));
        {
            PatientDatabase install(DbLocation::FromSettings(Settings()));
            QVERIFY(install.EnsureInstalled());
        }
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        PatientDatabase& dm = *f->DM();
        const qint64 pat =
            dm.AddPatient(P(QStringLiteral("Konflikt"), QStringLiteral("Karl"), QDate(1955, 5, 5)));
        dm.Db().Commit();
        // The other workstation changes the patient and has not committed yet.
        PatientDatabase other(DbLocation::FromSettings(Settings()));
        other.Login(QStringLiteral("sysdba"), Settings().AdminPassword(), Settings().AdminPassword());
        other.Db().Exec(
            QStringLiteral("update QALPatient set TELEFON = '0815' where IDENTIFIKATION = %1").arg(pat));
        PatientDialog& d = *f->ThePatientDialog();
        QVERIFY(d.Prepare(dm, PatientDialog::Edit, pat));
        d.WohnortEdit->setText(QStringLiteral("Hier"));
        QElapsedTimer t;
        t.start();
        QVERIFY(!d.Save());
        QVERIFY2(t.elapsed() < 3000, "the save waited for the other workstation");
        QVERIFY(!d.LastMessage.isEmpty());
        other.Db().Commit();
        // Nothing the other committed is lost; after a reload our change goes through.
        QVERIFY(d.Prepare(dm, PatientDialog::Edit, pat));
        QCOMPARE(d.TelefonEdit->text(), QStringLiteral("0815"));
        d.WohnortEdit->setText(QStringLiteral("Hier"));
        QVERIFY(d.Save());
        const auto both = dm.GetPatient(pat);
        QCOMPARE(both->Telefon, QStringLiteral("0815"));
        QCOMPARE(both->Wohnort, QStringLiteral("Hier"));
        other.Logout();
        f->close();
    }
};

int main(int argc, char** argv) {
    zud::ui::ZudApplication app(argc, argv);
    // A German practice's date format ("08.12.2026").
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    PatientsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_patients.moc"
