// The practice software in the main window: a request file dropped into the exchange folder
// while the program runs opens its patient (and, asked for, the recording); a broken one is
// named in the status bar; "An Praxissoftware senden" on the ribbon and in the read-out's
// summary writes the results, and with automatic sending a read-out and a saved live recording
// do so on their own; the settings dialog stores what is typed into it.

#include "Demo.h"
#include "DemoRecordings.h"
#include "Emulator.h"
#include "GdtHandover.h"
#include "GdtSettings.h"
#include "GdtSettingsDialog.h"
#include "GdtWatcher.h"
#include "LiveMeasurement.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "ReadoutWindow.h"
#include "Ribbon.h"
#include "UiTestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
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

RibbonButton* ButtonOf(MainWindow& f, const char* action) {
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
    // A message box the test answers itself (true when it did).
    std::function<bool(QMessageBox*)> onBox;
    bool yes = false; // questions are answered with "Ja" instead of "Nein"

private:
    void Answer(QWidget* w) override {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            if (FSeen.contains(box))
                return; // answered already; it closes when its own loop runs again
            FSeen << box;
            boxes << box->text();
            if (onBox && onBox(box))
                return;
            // Questions (the take-over offer of an empty database) are declined.
            if (box->standardButtons() & QMessageBox::No)
                box->done(yes ? QMessageBox::Yes : QMessageBox::No);
            else
                box->done(QMessageBox::Ok);
            return;
        }
        if (handle)
            handle(w);
    }
    QList<QPointer<QMessageBox>> FSeen;
};

// A record read back as the practice software reads it, with nothing of the program's own GDT
// code: every line's length, the record length in 8100, the fields in their order.
struct GdtRecord {
    std::vector<std::pair<int, QByteArray>> fields;
    QString error; // the first thing that breaks the format; empty when none
    QByteArray Value(int field) const {
        for (const auto& [k, v] : fields)
            if (k == field)
                return v;
        return {};
    }
    int Count(int field) const {
        return int(
            std::count_if(fields.begin(), fields.end(), [&](const auto& f) { return f.first == field; }));
    }
};

GdtRecord ParseGdt(const QByteArray& b) {
    GdtRecord r;
    qsizetype pos = 0;
    int line = 0;
    while (pos < b.size()) {
        ++line;
        const qsizetype end = b.indexOf("\r\n", pos);
        if (end < 0) {
            r.error = QStringLiteral("line %1 without CR LF").arg(line);
            return r;
        }
        const QByteArray l = b.mid(pos, end - pos);
        bool ok1 = false, ok2 = false;
        const int length = l.left(3).toInt(&ok1);
        const int field = l.mid(3, 4).toInt(&ok2);
        if (!ok1 || !ok2 || l.size() < 7 || length != l.size() + 2) {
            r.error =
                QStringLiteral("line %1: length %2 for %3 bytes").arg(line).arg(length).arg(l.size() + 2);
            return r;
        }
        r.fields.emplace_back(field, l.mid(7));
        pos = end + 2;
    }
    if (r.fields.empty() || r.fields.front().first != 8000)
        r.error = QStringLiteral("no 8000 first");
    else if (r.Value(8100).size() != 5 || r.Value(8100).toInt() != b.size())
        r.error =
            QStringLiteral("8100 is %1 for %2 bytes").arg(QString::fromLatin1(r.Value(8100))).arg(b.size());
    return r;
}

// The German letters of the demo names as IBM CP 437 writes them, byte by byte.
QByteArray Cp437(const QString& s) {
    static const QHash<QChar, char> table = {{QChar(0xE4), char(0x84)}, {QChar(0xF6), char(0x94)},
                                             {QChar(0xFC), char(0x81)}, {QChar(0xC4), char(0x8E)},
                                             {QChar(0xD6), char(0x99)}, {QChar(0xDC), char(0x9A)},
                                             {QChar(0xDF), char(0xE1)}};
    QByteArray out;
    for (const QChar c : s)
        out += c.unicode() < 0x80 ? char(c.unicode()) : table.value(c, '?');
    return out;
}

// Clicks the ribbon button of `action` on whichever ribbon tab shows it.
bool ClickRibbon(MainWindow& f, const char* action) {
    for (int i = 0; i < f.RibbonBar()->count(); ++i) {
        f.RibbonBar()->setCurrentIndex(i);
        if (zud::test::ClickButtonOf(&f, f.Action(QString::fromLatin1(action))))
            return true;
    }
    return false;
}

} // namespace

class GdtUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;

    std::unique_ptr<MainWindow> Open(const QString& port = QString()) {
        auto f = std::make_unique<MainWindow>();
        f->Create(port);
        if (!f->OpenDatabase())
            return nullptr;
        f->SetLeftPanel(true);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()))
            return nullptr;
        return f;
    }

    // The result of recording `counter` in `path`, read back field by field: the patient and the
    // exercise it belongs to, its values and, with `pdf`, the report in the exchange folder.
    void VerifyResult(PatientDatabase& dm, const QString& path, qint64 counter, bool pdf) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const GdtRecord r = ParseGdt(file.readAll());
        QVERIFY2(r.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + r.error));
        const auto rec = dm.GetRecording(counter);
        QVERIFY(rec);
        const auto p = dm.GetPatient(rec->Patient);
        QVERIFY(p);
        QCOMPARE(r.Value(8000), QByteArray("6310"));
        QCOMPARE(r.Value(8315), QByteArray("PVS"));
        QCOMPARE(r.Value(8316), QByteArray("ZUD12"));
        QCOMPARE(r.Value(9206), QByteArray("2"));
        QCOMPARE(r.Value(3101), Cp437(p->Name));
        QCOMPARE(r.Value(3102), Cp437(p->Vorname));
        if (p->Geburtstag.isValid())
            QCOMPARE(r.Value(3103), p->Geburtstag.toString(QStringLiteral("ddMMyyyy")).toLatin1());
        QCOMPARE(r.Value(6200), rec->Datum.toString(QStringLiteral("ddMMyyyy")).toLatin1());
        QCOMPARE(r.Value(6201), rec->Uhrzeit.toString(QStringLiteral("HHmmss")).toLatin1());
        QVERIFY(r.Count(8410) > 0);
        QCOMPARE(r.Count(8420), r.Count(8410));
        if (!pdf) {
            QCOMPARE(r.Count(6305), 0);
            return;
        }
        QCOMPARE(r.Value(6303), QByteArray("PDF"));
        const QFileInfo report(QString::fromLatin1(r.Value(6305)));
        QCOMPARE(report.absolutePath(), QFileInfo(folder).absoluteFilePath());
        QFile pdfFile(report.absoluteFilePath());
        QVERIFY2(pdfFile.open(QIODevice::ReadOnly), qPrintable(report.absoluteFilePath()));
        QCOMPARE(pdfFile.read(5), QByteArray("%PDF-"));
    }

    // "Übungen auslesen" on the emulated demo device, "Auslesen" in the read-out window, and
    // the summary's message box handed to `onSummary`. The recordings stored.
    QList<qint64> ReadOut(MainWindow& f, Answerer& answer,
                          const std::function<void(QMessageBox*)>& onSummary) {
        bool clicked = false;
        bool summary = false;
        answer.handle = [&](QWidget* w) {
            auto* form = qobject_cast<ReadoutWindow*>(w);
            if (!form || answer.handle == nullptr)
                return;
            answer.handle = nullptr;
            QTimer::singleShot(0, form, [&clicked, form] {
                clicked = zud::test::ClickButtonOf(form, form->Action(QStringLiteral("SaveReadExc")));
            });
        };
        answer.onBox = [&](QMessageBox* box) {
            if (!box->text().contains(QStringLiteral("gespeichert: ")))
                return false;
            summary = true;
            onSummary(box);
            return true;
        };
        const bool started = ClickRibbon(f, "LeseMessungen");
        answer.onBox = nullptr;
        if (!started || !clicked || !summary)
            return {};
        return f.AuslesenForm()->Result().counters;
    }

    // A live recording of mode 2 run with "Echtzeit Start" and "Echtzeit Stop" and stored with
    // "Übung speichern"; its row, or -1.
    qint64 RecordLive(MainWindow& f, emu::Emulator& emu, Answerer& answer) {
        emu::LiveOptions o;
        o.mode = 2;
        o.intervalMs = 5;
        o.samples = -1;
        emu.SetLive(o);
        if (!ClickRibbon(f, "EZStart"))
            return -1;
        if (!QTest::qWaitFor([&] { return f.Live() && f.Live()->Samples() >= 60; }, 10000))
            return -1;
        if (!ClickRibbon(f, "EZStop") || !QTest::qWaitFor([&] { return !f.LiveMode(); }, 5000))
            return -1;
        answer.yes = true;
        const bool saved = ClickRibbon(f, "Speichern");
        answer.yes = false;
        const int tab = f.ActiveTab();
        return saved && tab >= 0 && f.TabCounter(tab) > 0 ? f.TabCounter(tab) : -1;
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
        result.close();

        // Sent again before the practice software collected the file: refused, the file kept.
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(answer.boxes.size(), 1);
        QVERIFY2(answer.boxes[0].contains(QStringLiteral("noch nicht abgeholt")),
                 qPrintable(answer.boxes[0]));
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), b);
        QVERIFY(f->close());
    }

    // The read-out's summary offers "An Praxissoftware senden": nothing goes before the click,
    // then every stored recording's result with its report, one numbered file each.
    void ReadoutSummarySendsTheResults() {
        zud::test::WriteMachine(QStringLiteral("GdtPdf"), QStringLiteral("1"));
        zud::test::WriteMachine(QStringLiteral("GdtNumbered"), QStringLiteral("1"));
        emu::Emulator emu;
        QVERIFY(emu.Start());
        emu::LoadDemo(emu);
        Answerer answer;
        auto f = Open(QString::fromStdString(emu.SlavePath()));
        QVERIFY(f);
        QStringList beforeClick{QStringLiteral("not seen")};
        const QList<qint64> counters = ReadOut(*f, answer, [&](QMessageBox* box) {
            beforeClick = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            auto* send = box->findChild<QPushButton*>(QStringLiteral("GdtSenden"));
            if (!send) {
                box->done(QMessageBox::Ok);
                return;
            }
            QCOMPARE(send->text(), QStringLiteral("An Praxissoftware senden"));
            QTimer::singleShot(0, send, [send] { QTest::mouseClick(send, Qt::LeftButton); });
        });
        QCOMPARE(counters.size(), 14);
        QVERIFY2(beforeClick.isEmpty(), qPrintable(beforeClick.join(QLatin1Char(' '))));
        QCOMPARE(answer.boxes.size(), 1); // the summary, no failure after it
        for (int k = 0; k < counters.size(); ++k) {
            VerifyResult(
                *f->DM(),
                QDir(folder).filePath(QStringLiteral("PVSZUD12.%1").arg(k + 1, 3, 10, QLatin1Char('0'))),
                counters[k], true);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 14);
        QVERIFY(!QFile::exists(QDir(folder).filePath(QStringLiteral("PVSZUD12.015"))));
        QVERIFY2(f->statusBar()->currentMessage().contains(QStringLiteral("14 Ergebnisse")),
                 qPrintable(f->statusBar()->currentMessage()));
        QVERIFY(f->close());
    }

    // With automatic sending the summary offers nothing and the results go after it on their own.
    void ReadoutSendsTheResultsAutomatically() {
        zud::test::WriteMachine(QStringLiteral("GdtAuto"), QStringLiteral("1"));
        zud::test::WriteMachine(QStringLiteral("GdtNumbered"), QStringLiteral("1"));
        emu::Emulator emu;
        QVERIFY(emu.Start());
        emu::LoadDemo(emu);
        Answerer answer;
        auto f = Open(QString::fromStdString(emu.SlavePath()));
        QVERIFY(f);
        bool offered = true;
        QStringList atSummary{QStringLiteral("not seen")};
        const QList<qint64> counters = ReadOut(*f, answer, [&](QMessageBox* box) {
            offered = box->findChild<QPushButton*>(QStringLiteral("GdtSenden")) != nullptr;
            atSummary = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            box->done(QMessageBox::Ok);
        });
        QCOMPARE(counters.size(), 14);
        QVERIFY(!offered);
        QVERIFY(atSummary.isEmpty());
        for (int k = 0; k < counters.size(); ++k) {
            VerifyResult(
                *f->DM(),
                QDir(folder).filePath(QStringLiteral("PVSZUD12.%1").arg(k + 1, 3, 10, QLatin1Char('0'))),
                counters[k], false);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 14);
        QVERIFY(f->close());
    }

    // A saved live recording sends its result with the report on its own; the next one waits
    // while the practice software has not collected the file: the status bar says so and the
    // uncollected result stays as it was.
    void SavedLiveRecordingSendsItsResult() {
        zud::test::WriteMachine(QStringLiteral("GdtAuto"), QStringLiteral("1"));
        zud::test::WriteMachine(QStringLiteral("GdtPdf"), QStringLiteral("1"));
        emu::Emulator emu;
        QVERIFY(emu.Start());
        Answerer answer;
        auto f = Open(QString::fromStdString(emu.SlavePath()));
        QVERIFY(f);
        f->resize(1200, 800);
        Patient p;
        p.Name = QStringLiteral("Größer");
        p.Vorname = QStringLiteral("Änne");
        p.Geburtstag = QDate(1948, 3, 7);
        p.Nummer = QStringLiteral("G-48");
        const qint64 pat = f->DM()->AddPatient(p);
        f->FillPatList();
        f->OpenPatient(pat);

        const qint64 first = RecordLive(*f, emu, answer);
        QVERIFY(first > 0);
        const QString result = QDir(folder).filePath(QStringLiteral("PVSZUD12.GDT"));
        VerifyResult(*f->DM(), result, first, true);
        if (QTest::currentTestFailed())
            return;
        QFile file(result);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray sent = file.readAll();
        file.close();
        QCOMPARE(ParseGdt(sent).Value(3000), QByteArray("G-48"));

        const qint64 second = RecordLive(*f, emu, answer);
        QVERIFY(second > first);
        QVERIFY2(f->statusBar()->currentMessage().contains(QStringLiteral("noch nicht abgeholt")),
                 qPrintable(f->statusBar()->currentMessage()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), sent);
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 1);
        QVERIFY(f->close());
    }

    // "zud-software --gdt FILE" while the program runs: the real binary hands the file over and
    // ends with 0; the running window takes it like a file of its folder (a copy there, the
    // original left alone) and becomes current on the patient; a broken file is put aside in
    // "fehler" and changes nothing; a client that says something else is refused.
    void SecondStartHandsTheRequestOver() {
        Answerer answer;
        auto f = Open();
        QVERIFY(f);
        QVERIFY(f->GdtHandover()->Listening());
        const QString outside = dir->filePath(QStringLiteral("pvs-export"));
        QVERIFY(QDir().mkpath(outside));
        const QString path = QDir(outside).filePath(QStringLiteral("ZUD12PVS.GDT"));
        const auto write = [&](const QByteArray& bytes) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        const auto secondStart = [&](int& exitCode) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("user")));
            env.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir->filePath(QStringLiteral("system")));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::ForwardedChannels);
            p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zud-software"),
                    {QStringLiteral("--gdt"), path});
            // The window answers while this waits: the event loop runs.
            const bool ended = QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 30000);
            if (!ended)
                p.kill();
            p.waitForFinished(5000);
            exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
            return ended;
        };

        const QByteArray request =
            Request(6302, {{3000, "H-1"}, {3101, "K\x81hn"}, {3102, "Eva"}, {3103, "12031966"}, {3110, "2"}});
        QVERIFY(write(request));
        int exitCode = -2;
        QVERIFY(secondStart(exitCode));
        QCOMPARE(exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(f->CurrentPatient() > 0, 5000);
        const auto p = f->DM()->GetPatient(f->CurrentPatient());
        QVERIFY(p);
        QCOMPARE(p->Name, QStringLiteral("Kühn"));
        QCOMPARE(p->Nummer, QStringLiteral("H-1"));
        QCOMPARE(p->Geburtstag, QDate(1966, 3, 12));
        QVERIFY(f->PatientBox()->text().contains(QStringLiteral("Kühn")));
        {
            QFile original(path);
            QVERIFY(original.open(QIODevice::ReadOnly));
            QCOMPARE(original.readAll(), request); // nothing written outside the exchange folder
        }
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());

        // A broken request: the line in the status bar, the copy in "fehler", no patient more.
        QByteArray broken = Request(6302, {{3000, "X-2"}, {3101, "Neu"}, {3102, "Nina"}, {3103, "01011990"}});
        broken.replace("0148315", "0138315");
        QVERIFY(write(broken));
        QVERIFY(secondStart(exitCode));
        QCOMPARE(exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(f->statusBar()->currentMessage().contains(QStringLiteral("Zeile 3")), 5000);
        const QStringList aside =
            QDir(QDir(folder).filePath(QStringLiteral("fehler"))).entryList(QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY2(aside[0].endsWith(QStringLiteral("ZUD12PVS.GDT")), qPrintable(aside[0]));
        QCOMPARE(f->DM()->AllPatients().size(), size_t(1));
        QCOMPARE(f->CurrentPatient(), p->Identifikation);
        QVERIFY(QFile::exists(path));

        // Not a request line: refused, nothing taken.
        QLocalSocket s;
        s.connectToServer(GdtHandoverName());
        QVERIFY(s.waitForConnected(2000));
        s.write("DEL /etc/passwd\n");
        QTRY_VERIFY_WITH_TIMEOUT(s.canReadLine(), 5000);
        QCOMPARE(s.readLine().trimmed(), QByteArray("ERR"));
        s.abort();
        // Another file of the user named in a well-formed line: not copied into the shared folder.
        QLocalSocket t;
        t.connectToServer(GdtHandoverName());
        QVERIFY(t.waitForConnected(2000));
        t.write("GDT /etc/passwd\n");
        QTRY_VERIFY_WITH_TIMEOUT(t.canReadLine(), 5000);
        QCOMPARE(t.readLine().trimmed(), QByteArray("OK"));
        QTRY_VERIFY_WITH_TIMEOUT(f->statusBar()->currentMessage().contains(QStringLiteral("keine GDT-Datei")),
                                 5000);
        QCOMPARE(QDir(QDir(folder).filePath(QStringLiteral("fehler"))).entryList(QDir::Files).size(), 1);
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QCOMPARE(f->DM()->AllPatients().size(), size_t(1));
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
