// The practice software in the main window: a request file dropped into the exchange folder
// while the program runs opens its patient (and, asked for, the recording); a broken one is
// named in the status bar; "An Praxissoftware senden" on the ribbon writes the result; the
// settings dialog stores what is typed into it.

#include "DemoRecordings.h"
#include "GdtSettings.h"
#include "GdtSettingsDialog.h"
#include "GdtWatcher.h"
#include "Ribbon.h"
#include "TDM1.h"
#include "TForm1.h"
#include "UiTestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace zud;
using namespace zud::ui;
using zud::test::DemoRecording;

namespace {

// A request as the practice software writes it (CP 437), every length counted here.
QByteArray Request(int satzart, const std::vector<std::pair<int, QByteArray>>& patient) {
    std::vector<std::pair<int, QByteArray>> z = {{8000, QByteArray::number(satzart)},
                                                 {8100, {}},
                                                 {8315, "ZUD12"},
                                                 {8316, "PVS"},
                                                 {9206, "2"},
                                                 {9218, "02.10"}};
    z.insert(z.end(), patient.begin(), patient.end());
    int n = 0;
    for (const auto& [k, c] : z)
        n += k == 8100 ? 14 : int(c.size()) + 9;
    QByteArray out;
    for (const auto& [k, c] : z) {
        const QByteArray v = k == 8100 ? QByteArray::number(n).rightJustified(5, '0') : c;
        out += QByteArray::number(v.size() + 9).rightJustified(3, '0') + QByteArray::number(k) + v + "\r\n";
    }
    return out;
}

RibbonButton* ButtonOf(TForm1& f, const char* action) {
    for (RibbonButton* b : f.RibbonBar()->findChildren<RibbonButton*>())
        if (b->defaultAction() == f.Action(QString::fromLatin1(action)))
            return b;
    return nullptr;
}

class Answerer : public zud::test::ModalWatcher {
public:
    explicit Answerer(QObject* parent = nullptr) : ModalWatcher(15, parent) {}
    QStringList boxes;
    std::function<void(QWidget*)> handle;

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->text();
            // Questions (the take-over offer of an empty database) are declined.
            box->done((box->standardButtons() & QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok);
            return;
        }
        if (handle)
            handle(w);
    }
};

} // namespace

class GdtUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;

    std::unique_ptr<TForm1> Open() {
        auto f = std::make_unique<TForm1>();
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
    void initTestCase() { db::SetLockFolder(QDir::temp().filePath(QStringLiteral("zud-ui-gdt-lock"))); }
    void init() {
        dir = zud::test::FreshProgramFolders();
        QVERIFY(dir);
        folder = dir->filePath(QStringLiteral("gdt"));
        QVERIFY(QDir().mkpath(folder));
        zud::test::WriteMachine(QStringLiteral("GdtOn"), QStringLiteral("1"));
        zud::test::WriteMachine(QStringLiteral("GdtFolder"), folder);
    }

    // A request written in two parts (as a practice software may write it) is taken once it is
    // whole: the patient becomes current; a request to show an examination opens it; a broken
    // file is named in the status bar and put aside.
    void DroppedRequestOpensThePatient() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        QVERIFY(f->GdtFolderWatcher()->Watching());
        Patient p;
        p.Name = QStringLiteral("Wiśniewska");
        p.Vorname = QStringLiteral("Maria");
        p.Geburtstag = QDate(1959, 9, 9);
        p.Nummer = QStringLiteral("W-59");
        const qint64 id = f->DM()->AddPatient(p);
        const qint64 counter = f->DM()->InsertRecording(id, QDate(2026, 4, 5), QTime(14, 30, 0),
                                                        DemoRecording(2), QStringLiteral("ZUD12"));

        const QString path = QDir(folder).filePath(QStringLiteral("ZUD12PVS.GDT"));
        const QByteArray bytes = Request(6311, {{3000, "W-59"}, {6200, "05042026"}, {6201, "143000"}});
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes.left(40));
            file.flush();
            QTest::qWait(700); // half a file is not taken, though the folder was looked at
            QVERIFY(file.exists());
            QCOMPARE(f->CurrentPatient(), qint64(-1));
            file.write(bytes.mid(40));
        }
        QTRY_COMPARE_WITH_TIMEOUT(f->CurrentPatient(), id, 5000);
        QVERIFY(!QFile::exists(path));
        QVERIFY(f->PatientBox()->text().contains(QStringLiteral("Wiśniewska")));
        QCOMPARE(f->TabCount(), 1);
        QCOMPARE(f->TabCounter(f->ActiveTab()), counter);

        // A new patient from the practice software: created and current.
        QFile neu(path);
        QVERIFY(neu.open(QIODevice::WriteOnly));
        neu.write(Request(6302, {{3000, "N-1"}, {3101, "M\x81ller"}, {3102, "Ute"}, {3103, "02031944"}}));
        neu.close();
        QTRY_VERIFY_WITH_TIMEOUT(f->CurrentPatient() != id, 5000);
        const auto created = f->DM()->GetPatient(f->CurrentPatient());
        QVERIFY(created);
        QCOMPARE(created->Name, QStringLiteral("Müller"));
        QCOMPARE(created->Nummer, QStringLiteral("N-1"));

        // A broken one: its line in the status bar, the file in "fehler".
        QByteArray broken = Request(6302, {{3000, "X"}});
        broken.replace("0148315", "0138315");
        QFile bad(path);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(broken);
        bad.close();
        QTRY_VERIFY_WITH_TIMEOUT(f->statusBar()->currentMessage().contains(QStringLiteral("Zeile 3")), 5000);
        QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("fehler/ZUD12PVS.GDT"))));
        QCOMPARE(f->DM()->AllPatients().size(), size_t(2));
        QVERIFY(f->close());
        qInfo() << "message boxes:" << answer.boxes;
    }

    // "An Praxissoftware senden" on the ribbon writes the shown recording's result.
    void SendButtonWritesTheResult() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        Patient p;
        p.Name = QStringLiteral("Nowak");
        p.Vorname = QStringLiteral("Jan");
        p.Geburtstag = QDate(1970, 1, 1);
        const qint64 id = f->DM()->AddPatient(p);
        const qint64 counter = f->DM()->InsertRecording(id, QDate(2026, 4, 6), QTime(8, 0), DemoRecording(5),
                                                        QStringLiteral("ZUD12"));
        f->FillPatList();
        f->OpenPatient(id);
        QVERIFY(f->OpenRecording(counter));
        RibbonButton* send = ButtonOf(*f, "GdtSenden");
        QVERIFY(send);
        f->RibbonBar()->setCurrentWidget(f->RibbonBar()->findChild<QWidget*>(QStringLiteral("TabDaten")));
        QTRY_VERIFY(send->isVisible() && send->isEnabled());
        QTest::mouseClick(send, Qt::LeftButton);
        QVERIFY2(answer.boxes.isEmpty(), qPrintable(answer.boxes.join(QLatin1Char('|'))));
        QFile result(QDir(folder).filePath(QStringLiteral("PVSZUD12.GDT")));
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray b = result.readAll();
        QVERIFY(b.startsWith("01380006310\r\n"));
        QVERIFY(b.contains("0143101Nowak\r\n"));
        QVERIFY(b.contains("017620006042026\r\n"));
        QVERIFY(f->statusBar()->currentMessage().contains(QStringLiteral("PVSZUD12.GDT")));
        QVERIFY(f->close());
    }

    // The settings dialog: typed values are stored per user; a missing folder is refused.
    void SettingsDialogStoresTheValues() {
        // The refusal's message box opens while `answer` is busy with the dialog: another
        // watcher closes it.
        Answerer boxes;
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        const QString other = dir->filePath(QStringLiteral("praxis"));
        bool refusedOnce = false;
        answer.handle = [&](QWidget* w) {
            auto* d = qobject_cast<GdtSettingsDialog*>(w);
            if (!d)
                return;
            auto* folderEdit = d->findChild<QLineEdit*>(QStringLiteral("GdtFolder"));
            auto* pvs = d->findChild<QLineEdit*>(QStringLiteral("GdtPvsId"));
            auto* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            folderEdit->selectAll();
            QTest::keyClicks(folderEdit, other);
            pvs->selectAll();
            QTest::keyClicks(pvs, QStringLiteral("MEDISTAR9")); // nine: the field keeps eight
            auto* charset = d->findChild<QComboBox*>(QStringLiteral("GdtCharset"));
            charset->setFocus();
            QTest::keyClick(charset, Qt::Key_Down);
            QTest::mouseClick(d->findChild<QCheckBox*>(QStringLiteral("GdtPdf")), Qt::LeftButton,
                              Qt::NoModifier, QPoint(5, 5));
            if (!refusedOnce) {
                refusedOnce = true;
                QTest::mouseClick(ok, Qt::LeftButton); // the folder does not exist yet
                QVERIFY(d->isVisible());
                QVERIFY(d->LastMessage.contains(QStringLiteral("nicht vorhanden")));
                QVERIFY(boxes.boxes.join(QString()).contains(QStringLiteral("nicht vorhanden")));
                QDir().mkpath(other);
            }
            QTest::mouseClick(ok, Qt::LeftButton);
        };
        f->RibbonBar()->setCurrentWidget(f->RibbonBar()->findChild<QWidget*>(QStringLiteral("TabDaten")));
        RibbonButton* b = ButtonOf(*f, "GdtEinstellungen");
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(refusedOnce);
        const GdtSettings s = GdtSettings::Read(Settings());
        QCOMPARE(s.Folder, other);
        QCOMPARE(s.PvsId, QStringLiteral("MEDISTAR"));
        QCOMPARE(s.Charset, gdt::Zeichensatz::Iso8859_15);
        QVERIFY(s.Pdf);
        QVERIFY(s.On);
        QVERIFY(f->close());
    }
};

QTEST_MAIN(GdtUiTest)
#include "test_gdt_ui.moc"
