// The exchange windows in the main window on the offscreen platform, against the embedded
// database: export and import windows, backup and restore, the take-over at the first show.

#include "UiTestEnv.h"

#include "Cab.h"
#include "ExchangeForms.h"
#include "PatientModels.h"
#include "Settings.h"
#include "TDM1.h"
#include "TForm1.h"
#include "TForm9.h"
#include "Tdm2.h"
#include "ZudApplication.h"

#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include <functional>

using namespace zud;
using namespace zud::ui;
using zud::test::WriteMachine;

namespace {

// Answers message boxes with their default button and hands the exchange windows to the test.
class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(20, parent) {}
    QStringList boxes;
    bool sayNo = false;
    std::function<void(TExpForm*)> onExport;
    std::function<void(TImpForm*)> onImport;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            if (sayNo && box->standardButtons().testFlag(QMessageBox::No))
                box->done(QMessageBox::No);
            else
                box->done(box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok);
        } else if (auto* e = qobject_cast<TExpForm*>(w)) {
            if (onExport) {
                // Run outside this timer's slot, so that the boxes the window opens are answered.
                QTimer::singleShot(0, e, [e, f = std::move(onExport)] {
                    f(e);
                    e->reject(); // also after a failed check
                });
                onExport = nullptr;
            }
        } else if (auto* i = qobject_cast<TImpForm*>(w)) {
            if (onImport) {
                QTimer::singleShot(0, i, [i, f = std::move(onImport)] {
                    f(i);
                    i->reject();
                });
                onImport = nullptr;
            }
        }
    }
};

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

    void ExportAndImportWindows() {
        Answerer answer;
        TForm1 f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        for (const char* n : {"Export", "Import", "Backup", "Restore"})
            QVERIFY2(f.Action(QString::fromLatin1(n))->isEnabled(), n);
        const qint64 a = f.DM()->AddPatient(
            Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
        const qint64 b =
            f.DM()->AddPatient(Person(QStringLiteral("Weiß"), QStringLiteral("Anna"), QDate(1960, 6, 6)));
        f.DM()->InsertRecording(a, QDate(2026, 11, 4), QTime(10, 15, 30), Stream(12288, 1),
                                QStringLiteral("ZUD12"));
        const QString archive = dir->filePath(QStringLiteral("zwei.qvz"));
        bool seen = false;
        answer.onExport = [&](TExpForm* w) {
            seen = true;
            QCOMPARE(w->windowTitle(), QStringLiteral("Daten exportieren"));
            QCOMPARE(w->Model()->rowCount(), 2);
            QCOMPARE(w->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QStringLiteral("Name"));
            QCOMPARE(w->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QStringLiteral("Geburtsdatum"));
            QCOMPARE(w->Model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QStringLiteral("Letzter Zugriff"));
            QCOMPARE(w->Model()->index(0, 0).data().toString(), QStringLiteral("Jürgen Müller"));
            QVERIFY(!w->Action(QStringLiteral("Exportieren"))->isEnabled());
            QTest::keyClick(w->List(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(w->Model()->CheckedCount(), 2);
            QVERIFY(w->Action(QStringLiteral("Exportieren"))->isEnabled());
            // Ctrl+N with the focus elsewhere in the window.
            QTest::keyClick(w->RibbonBar(), Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(w->Model()->CheckedCount(), 0);
            QVERIFY(!w->Action(QStringLiteral("Exportieren"))->isEnabled());
            w->Model()->setData(w->Model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
            w->Model()->setData(w->Model()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
            Shot(w, QStringLiteral("exchange-export"));
            QVERIFY(w->Export(archive));
            QCOMPARE(w->Steps,
                     (QStringList{QStringLiteral("Exportieren"), QStringLiteral("Datenbank Packen")}));
            QVERIFY(!w->isVisible());
        };
        f.Action(QStringLiteral("Export"))->trigger();
        QVERIFY(seen);
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
        QCOMPARE(exchange::CabMembers(archive), QStringList{QStringLiteral("ZUDData_exp.gbk")});
        // Into a folder that does not exist: the message with the reason, no archive, the window
        // closes as after a success.
        seen = false;
        const QString nowhere = dir->filePath(QStringLiteral("nix/zwei.qvz"));
        answer.onExport = [&](TExpForm* w) {
            seen = true;
            QTest::keyClick(w->List(), Qt::Key_A, Qt::ControlModifier);
            QVERIFY(!w->Export(nowhere));
            QVERIFY2(w->LastMessage.contains(QStringLiteral("nix")), qPrintable(w->LastMessage));
            QVERIFY(!w->isVisible());
        };
        f.Action(QStringLiteral("Export"))->trigger();
        QVERIFY(seen);
        QVERIFY(!QFile::exists(nowhere));
        answer.boxes.clear();

        // Both gone from the database, then one of them back from the archive.
        f.DM()->DeletePatient(a, true);
        f.DM()->DeletePatient(b, true);
        f.FillPatList();
        QCOMPARE(f.PatientListModel()->rowCount(), 0);
        const QString text = dir->filePath(QStringLiteral("text.qvz"));
        QFile t(text);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("kein Archiv");
        t.close();
        seen = false;
        answer.onImport = [&](TImpForm* w) {
            seen = true;
            QCOMPARE(w->windowTitle(), QStringLiteral("Daten importieren"));
            QVERIFY(!w->Action(QStringLiteral("Importieren"))->isEnabled());
            QVERIFY(!w->OpenArchive(text));
            QVERIFY2(w->LastMessage.contains(QStringLiteral("kein Archiv von ZUD-Software")),
                     qPrintable(w->LastMessage));
            QCOMPARE(w->Model()->rowCount(), 0);
            QVERIFY(w->OpenArchive(archive));
            QCOMPARE(w->Steps, QStringList{QStringLiteral("Datenbank Entpacken")});
            QCOMPARE(w->Model()->rowCount(), 2);
            QVERIFY(!w->Action(QStringLiteral("Importieren"))->isEnabled());
            w->Model()->setData(w->Model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
            QVERIFY(w->Action(QStringLiteral("Importieren"))->isEnabled());
            Shot(w, QStringLiteral("exchange-import"));
            QVERIFY(w->Import());
            QCOMPARE(w->Steps, QStringList{QStringLiteral("Importieren")});
            w->reject();
        };
        f.Action(QStringLiteral("Import"))->trigger();
        QVERIFY(seen);
        // The main window's list shows the imported patient with his recording.
        QCOMPARE(f.PatientListModel()->rowCount(), 1);
        const auto back =
            f.DM()->FindPatient(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12));
        QVERIFY(back);
        QCOMPARE(f.DM()->RecordingCount(*back), 1);
        // The archive database is gone with the window.
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("db/ZUDData_exp.gdb"))));
    }

    // Two patients of the same name are told apart by their birth dates in the export list and,
    // after the export, in the import list of the archive; the column is whole.
    void NamesakesShowTheirBirthDates() {
        Answerer answer;
        TForm1 f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.resize(1280, 800);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.DM()->AddPatient(Person(QStringLiteral("Weiß"), QStringLiteral("Anna"), QDate(1960, 6, 6)));
        f.DM()->AddPatient(Person(QStringLiteral("Weiß"), QStringLiteral("Anna"), QDate(1985, 2, 3)));
        QStringList expected = {QStringLiteral("Anna Weiß | ") + FormatDate(QDate(1960, 6, 6)),
                                QStringLiteral("Anna Weiß | ") + FormatDate(QDate(1985, 2, 3))};
        expected.sort();
        const auto listed = [](QTreeView* v) {
            QStringList out;
            QAbstractItemModel* m = v->model();
            for (int r = 0; r < m->rowCount(); ++r)
                out << m->index(r, 0).data().toString() + QStringLiteral(" | ") +
                           m->index(r, 1).data().toString();
            out.sort();
            return out;
        };
        const auto whole = [](QTreeView* v) {
            QHeaderView* h = v->header();
            int need =
                h->fontMetrics().horizontalAdvance(v->model()->headerData(1, Qt::Horizontal).toString());
            for (int r = 0; r < v->model()->rowCount(); ++r)
                need = std::max(
                    need, v->fontMetrics().horizontalAdvance(v->model()->index(r, 1).data().toString()));
            return h->sectionSize(1) >= need;
        };
        const QString archive = dir->filePath(QStringLiteral("namensvettern.qvz"));
        bool seen = false;
        answer.onExport = [&](TExpForm* w) {
            seen = true;
            QCoreApplication::processEvents();
            QCOMPARE(listed(w->List()), expected);
            QVERIFY(whole(w->List()));
            Shot(w, QStringLiteral("exchange-export-namesakes"));
            QTest::keyClick(w->List(), Qt::Key_A, Qt::ControlModifier);
            QVERIFY(w->Export(archive));
        };
        f.Action(QStringLiteral("Export"))->trigger();
        QVERIFY(seen);
        seen = false;
        answer.onImport = [&](TImpForm* w) {
            seen = true;
            QVERIFY(w->OpenArchive(archive));
            QCoreApplication::processEvents();
            QCOMPARE(listed(w->List()), expected);
            QVERIFY(whole(w->List()));
            Shot(w, QStringLiteral("exchange-import-namesakes"));
        };
        f.Action(QStringLiteral("Import"))->trigger();
        QVERIFY(seen);
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
    }

    void BackupAndRestore() {
        Answerer answer;
        TForm1 f;
        f.Create();
        QVERIFY(f.OpenDatabase());
        f.DM()->AddPatient(Person(QStringLiteral("Gesichert"), QStringLiteral("Gerd"), QDate(1955, 5, 5)));
        f.FillPatList();
        const QString file = dir->filePath(QStringLiteral("abend.bak3"));
        QVERIFY(f.DoBackup(file));
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(exchange::CabMembers(file), QStringList{QStringLiteral("ZUDData3_exp.gbk")});
        f.DM()->AddPatient(Person(QStringLiteral("Später"), QStringLiteral("Paul"), QDate(1966, 6, 6)));
        f.FillPatList();
        QCOMPARE(f.PatientListModel()->rowCount(), 2);
        // No: nothing happens.
        answer.sayNo = true;
        QVERIFY(!f.DoRestore(file));
        QCOMPARE(f.DM()->AllPatients().size(), size_t(2));
        answer.sayNo = false;
        answer.boxes.clear();
        QVERIFY(f.DoRestore(file));
        QCOMPARE(answer.boxes,
                 QStringList{QStringLiteral(
                     "Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie "
                     "fortfahren?")});
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(f.DM()->AllPatients().size(), size_t(1));
        QCOMPARE(f.PatientListModel()->rowCount(), 1);
        // A file that is no backup: the message, and the database as it was, still connected.
        answer.boxes.clear();
        QVERIFY(!f.DoRestore(dir->filePath(QStringLiteral("fehlt.bak3"))));
        QCOMPARE(answer.boxes.size(), 2);
        QVERIFY2(answer.boxes[1].contains(QStringLiteral("gibt es nicht")), qPrintable(answer.boxes[1]));
        QVERIFY(f.DM()->LoggedIn());
        QCOMPARE(f.DM()->AllPatients().size(), size_t(1));
        // A backup into a folder that does not exist fails with its reason and reconnects.
        answer.boxes.clear();
        QVERIFY(!f.DoBackup(dir->filePath(QStringLiteral("nix/abend.bak3"))));
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY(f.DM()->LoggedIn());
    }

    void BackupAndRestoreDisabledForARemoteServer() {
        WriteMachine(QStringLiteral("SQLServer3"), QStringLiteral("praxisserver.example"));
        TForm1 f;
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
            db::ConnectParams p{Tdm2::OldConnection(old), QStringLiteral("SYSDBA"),
                                QString::fromLatin1(kOldPassword), QString()};
            p.createCharset.clear();
            auto c = db::Connection::Create(p);
            for (const QString& sql : TDM1::SchemaScript())
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
        TForm1 f;
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
        TForm1 g;
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
