// The GDT exchange with the practice software against real Firebird: requests in both versions
// and character sets, the patient found by number, by name and birth date, or created; broken
// files put aside with nothing changed; results read back by a parser of this test's own, the
// report PDF they name; zudctl gdt.

#include "../reports/Aufnahmen.h"
#include "DbFixture.h"
#include "DemoRecordings.h"
#include "ZudctlRunner.h"

#include "GdtFormat.h"
#include "GdtExchange.h"
#include "GdtSettings.h"
#include "Paths.h"
#include "Reports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

using namespace zud;
using namespace zud::test;

namespace {

using Zeilen = std::vector<std::pair<int, QByteArray>>;

// A GDT file as this test builds it by hand: every line "LLLFFFF" + content + CR LF, and 8100 the
// file's size (a field 8100 with empty content is filled in).
QByteArray Datei(const Zeilen& zeilen) {
    int gesamt = 0;
    for (const auto& [k, c] : zeilen) {
        gesamt += k == 8100 && c.isEmpty() ? 14 : int(c.size()) + 9;
    }
    QByteArray out;
    for (const auto& [k, c] : zeilen) {
        const QByteArray inhalt =
            k == 8100 && c.isEmpty() ? QByteArray::number(gesamt).rightJustified(5, '0') : c;
        out += QByteArray::number(inhalt.size() + 9).rightJustified(3, '0') + QByteArray::number(k) + inhalt +
               "\r\n";
    }
    return out;
}

Zeilen Anfrage(int satzart, const QByteArray& charset, const QByteArray& version) {
    return {{8000, QByteArray::number(satzart)},
            {8100, {}},
            {8315, "ZUD12"},
            {8316, "PVS"},
            {9206, charset},
            {9218, version}};
}

// The fields of a written file, read by this test's own rules: each line's length, CR LF, 8100.
struct Gelesen {
    std::vector<std::pair<int, QByteArray>> felder;
    QString fehler;
    QByteArray Wert(int k) const {
        for (const auto& [f, c] : felder) {
            if (f == k) {
                return c;
            }
        }
        return "<fehlt>";
    }
    QList<QByteArray> Werte(int k) const {
        QList<QByteArray> w;
        for (const auto& [f, c] : felder) {
            if (f == k) {
                w << c;
            }
        }
        return w;
    }
};

Gelesen Zerlege(const QByteArray& b) {
    Gelesen g;
    qsizetype pos = 0;
    while (pos < b.size()) {
        const qsizetype ende = b.indexOf("\r\n", pos);
        if (ende < 0) {
            g.fehler = QStringLiteral("no CR LF at %1").arg(pos);
            return g;
        }
        const QByteArray z = b.mid(pos, ende - pos);
        if (z.left(3).toInt() != z.size() + 2) {
            g.fehler = QStringLiteral("length of line '%1'").arg(QString::fromLatin1(z));
            return g;
        }
        g.felder.emplace_back(z.mid(3, 4).toInt(), z.mid(7));
        pos = ende + 2;
    }
    if (g.Wert(8100).toLongLong() != b.size()) {
        g.fehler =
            QStringLiteral("8100 %1 but %2 bytes").arg(QString::fromLatin1(g.Wert(8100))).arg(b.size());
    }
    return g;
}

bool Schreibe(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

QByteArray Lies(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class GdtTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        folder = dir.filePath(QStringLiteral("gdt"));
        ASSERT_TRUE(QDir().mkpath(folder));
        g.Folder = folder;
        g.On = true;
    }

    QString Request(const QByteArray& bytes) {
        const QString p = QDir(folder).filePath(g.RequestFileName());
        EXPECT_TRUE(Schreibe(p, bytes));
        return p;
    }

    int Patienten() { return int(dm->AllPatients().size()); }

    QString folder;
    GdtSettings g;
};

} // namespace

// Umlauts and Polish letters come through both character sets and both versions; the patient
// is created with the dialog's fields, and a second request finds him by his number.
TEST_P(GdtTest, RequestsInBothCharsetsCreateThenFindThePatient) {
    struct Fall {
        QByteArray charset, version;
        QByteArray name, vorname; // in the file's character set
        QString erwartetName, erwartetVorname;
        QByteArray nummer;
    };
    const std::vector<Fall> faelle = {
        // CP 437: ü = 0x81, ö = 0x94, ß = 0xE1, ó = 0xA2
        {"2", "02.10", "M\x81ller-Gro\xE1", "J\x94rg W\xA2jcik", QStringLiteral("Müller-Groß"),
         QStringLiteral("Jörg Wójcik"), "A1000001"},
        // ISO 8859-15: Ä = 0xC4, ó = 0xF3, š = 0xA8, € place = Š 0xA6
        {"3", "03.00", "\xC4rzte-Ko\xF3", "\xA6tefan \xA8", QStringLiteral("Ärzte-Koó"),
         QStringLiteral("Štefan š"), "B2000002"},
        // 7 bit, German reference version: { = ä, ~ = ß
        {"1", "02.10", "Gr{~e", "Uwe", QStringLiteral("Gräße"), QStringLiteral("Uwe"), "C3000003"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.charset.toStdString());
        Zeilen z = Anfrage(gdt::kUntersuchungAnfordern, f.charset, f.version);
        z.insert(z.end(),
                 {{3000, f.nummer}, {3101, f.name}, {3102, f.vorname}, {3103, "24121961"}, {3110, "2"}});
        const int vorher = Patienten();
        const GdtRequestOutcome r = TakeGdtRequest(*dm, Request(Datei(z)), g);
        ASSERT_TRUE(r.Ok) << r.Message.toStdString();
        EXPECT_TRUE(r.Created);
        EXPECT_EQ(Patienten(), vorher + 1);
        EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath(g.RequestFileName())))
            << "taken files are deleted";
        const auto p = dm->GetPatient(r.Patient);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Name, f.erwartetName);
        EXPECT_EQ(p->Vorname, f.erwartetVorname);
        EXPECT_EQ(p->Geburtstag, QDate(1961, 12, 24));
        EXPECT_EQ(p->Nummer, QString::fromLatin1(f.nummer));
        EXPECT_EQ(p->Geschlecht, 0);

        // Found again by the number alone, whatever the names say now.
        Zeilen nur = Anfrage(gdt::kStammdatenAnfordern, f.charset, f.version);
        nur.push_back({3000, f.nummer});
        nur.push_back({3101, "Anders"});
        const GdtRequestOutcome again = TakeGdtRequest(*dm, Request(Datei(nur)), g);
        ASSERT_TRUE(again.Ok) << again.Message.toStdString();
        EXPECT_FALSE(again.Created);
        EXPECT_EQ(again.Patient, r.Patient);
        EXPECT_EQ(dm->GetPatient(r.Patient)->Name, f.erwartetName);
        EXPECT_EQ(Patienten(), vorher + 1);
    }
}

// A patient entered by hand is found by name and birth date and gets the practice's number; a
// new patient without a birth date is refused as the dialog refuses him.
TEST_P(GdtTest, FoundByNameAndBirthDateGetsTheNumberAndIncompleteIsRefused) {
    const qint64 id =
        dm->AddPatient(Person(QStringLiteral("Nowak"), QStringLiteral("Zofia"), QDate(1980, 5, 17)));
    Zeilen z = Anfrage(gdt::kUntersuchungAnfordern, "2", "02.10");
    z.insert(z.end(), {{3000, "P-77"}, {3101, "Nowak"}, {3102, "Zofia"}, {3103, "17051980"}});
    const GdtRequestOutcome r = TakeGdtRequest(*dm, Request(Datei(z)), g);
    ASSERT_TRUE(r.Ok) << r.Message.toStdString();
    EXPECT_FALSE(r.Created);
    EXPECT_EQ(r.Patient, id);
    EXPECT_EQ(dm->GetPatient(id)->Nummer, QStringLiteral("P-77"));

    Zeilen ohne = Anfrage(gdt::kUntersuchungAnfordern, "2", "02.10");
    ohne.insert(ohne.end(), {{3000, "P-78"}, {3101, "Neu"}, {3102, "Ohne"}});
    const QString pfad = Request(Datei(ohne));
    const GdtRequestOutcome n = TakeGdtRequest(*dm, pfad, g);
    EXPECT_FALSE(n.Ok);
    EXPECT_TRUE(n.Message.contains(QStringLiteral("Pflichtfelder"))) << n.Message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pfad));
    EXPECT_TRUE(QFileInfo::exists(n.MovedTo));
    EXPECT_EQ(Patienten(), 1);
}

// Every broken file is moved to "fehler" with the line named; no patient appears or changes.
TEST_P(GdtTest, BrokenFilesArePutAsideAndChangeNothing) {
    const qint64 id =
        dm->AddPatient(Person(QStringLiteral("Kowalski"), QStringLiteral("Jan"), QDate(1970, 2, 1)));
    const auto vorher = dm->GetPatient(id)->Geladen;
    Zeilen gut = Anfrage(gdt::kUntersuchungAnfordern, "2", "02.10");
    gut.insert(gut.end(), {{3101, "Kowalski"}, {3102, "Jan"}, {3103, "01021970"}, {3000, "K1"}});
    const QByteArray ok = Datei(gut);

    std::map<std::string, std::pair<QByteArray, QString>> faelle; // bytes, expected part of the message
    {
        QByteArray b = ok;
        b.replace("0148315ZUD12", "0158315ZUD12"); // line 3 claims a byte more
        faelle["line length"] = {b, QStringLiteral("Zeile 3:")};
    }
    {
        Zeilen z = gut;
        z[1].second = "00999";
        faelle["record length"] = {Datei(z), QStringLiteral("Zeile 2:")};
    }
    {
        Zeilen z(gut.begin() + 1, gut.end());
        faelle["no 8000"] = {Datei(z), QStringLiteral("Zeile 1:")};
    }
    {
        Zeilen z = gut;
        z[0].second = "6310";
        faelle["record type"] = {Datei(z), QStringLiteral("6310")};
    }
    {
        Zeilen z = gut;
        z[2].second = "EKG01";
        faelle["receiver"] = {Datei(z), QStringLiteral("EKG01")};
    }
    faelle["truncated"] = {ok.left(ok.size() - 5), QStringLiteral("Zeile")};
    {
        Zeilen z = gut;
        z.push_back({6305, "../../etc/passwd"});
        faelle["6305 outside"] = {Datei(z), QStringLiteral("Zeile 11:")};
        Zeilen a = gut;
        a.push_back({6305, "/etc/passwd"});
        faelle["6305 absolute"] = {Datei(a), QStringLiteral("/etc/passwd")};
    }
    {
        Zeilen z = gut;
        z[5].second = "01.00";
        faelle["version"] = {Datei(z), QStringLiteral("Zeile 6:")};
    }
    {
        Zeilen z = gut;
        z[8].second = "31021970";
        faelle["birth date"] = {Datei(z), QStringLiteral("Zeile 9:")};
    }
    for (const auto& [name, fall] : faelle) {
        SCOPED_TRACE(name);
        const QString pfad = Request(fall.first);
        const GdtRequestOutcome r = TakeGdtRequest(*dm, pfad, g);
        EXPECT_FALSE(r.Ok);
        EXPECT_TRUE(r.Message.contains(fall.second)) << r.Message.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pfad));
        ASSERT_FALSE(r.MovedTo.isEmpty());
        EXPECT_TRUE(r.MovedTo.startsWith(QDir(folder).filePath(QStringLiteral("fehler/"))));
        EXPECT_EQ(Lies(r.MovedTo), fall.first);
        EXPECT_EQ(Patienten(), 1);
        EXPECT_EQ(dm->GetPatient(id)->Geladen, vorher);
    }
    // The good file itself is taken, so the cases above failed for their fault alone.
    const GdtRequestOutcome r = TakeGdtRequest(*dm, Request(ok), g);
    EXPECT_TRUE(r.Ok) << r.Message.toStdString();
    EXPECT_EQ(r.Patient, id);
    // And the refusals are in the log.
    const QString log = QString::fromUtf8(Lies(LogFilePath()));
    EXPECT_GE(log.count(QStringLiteral("abgelehnt")), int(faelle.size()));
}

// A result: every field read back by this test's parser, the figures those of the report page,
// the PDF it names present; names in CP 437 by their bytes.
TEST_P(GdtTest, ResultIsCompleteAndNamesItsReport) {
    Patient p = Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1955, 7, 3));
    p.Nummer = QStringLiteral("M-4711");
    const qint64 pid = dm->AddPatient(p);
    const QByteArray daten = DemoRecording(1); // mode 0: EMG biofeedback
    ASSERT_FALSE(daten.isEmpty());
    const qint64 counter =
        dm->InsertRecording(pid, QDate(2026, 11, 30), QTime(9, 5, 7), daten, QStringLiteral("ZUD12"));
    dm->SetRemarks(counter, QStringLiteral("Gut mitgearbeitet.\nNächstes Mal länger üben."));

    GdtResultOptions o;
    o.Pdf = true;
    const QString pfad = WriteGdtResult(*dm, counter, g, o);
    EXPECT_EQ(QFileInfo(pfad).fileName(), QStringLiteral("PVSZUD12.GDT"));
    const QByteArray b = Lies(pfad);
    const Gelesen r = Zerlege(b);
    ASSERT_TRUE(r.fehler.isEmpty()) << r.fehler.toStdString();
    EXPECT_EQ(r.felder.front().first, 8000);
    EXPECT_EQ(r.Wert(8000), "6310");
    EXPECT_EQ(r.Wert(8315), "PVS");
    EXPECT_EQ(r.Wert(8316), "ZUD12");
    EXPECT_EQ(r.Wert(9206), "2");
    EXPECT_EQ(r.Wert(9218), "02.10");
    EXPECT_EQ(r.Wert(3000), "M-4711");
    EXPECT_EQ(r.Wert(3101), "M\x81ller");
    EXPECT_EQ(r.Wert(3102), "J\x81rgen");
    EXPECT_EQ(r.Wert(3103), "03071955");
    EXPECT_EQ(r.Wert(6200), "30112026");
    EXPECT_EQ(r.Wert(6201), "090507");
    EXPECT_EQ(r.Wert(8402), "ZUD12");
    EXPECT_EQ(r.Werte(6227), (QList<QByteArray>{"Gut mitgearbeitet.", "N\x84"
                                                                      "chstes Mal l\x84nger \x81"
                                                                      "ben."}));

    // Each test: ident, name, value, unit in this order; the figures those of the report header.
    std::map<QByteArray, QByteArray> werte, einheiten;
    for (size_t i = 0; i < r.felder.size(); ++i) {
        if (r.felder[i].first != 8410) {
            continue;
        }
        ASSERT_LT(i + 2, r.felder.size());
        EXPECT_EQ(r.felder[i + 1].first, 8411);
        EXPECT_EQ(r.felder[i + 2].first, 8420);
        werte[r.felder[i].second] = r.felder[i + 2].second;
        if (i + 3 < r.felder.size() && r.felder[i + 3].first == 8421) {
            einheiten[r.felder[i].second] = r.felder[i + 3].second;
        }
    }
    const Berichtsaufnahme a = LadeBerichtsaufnahme(*dm->GetRecording(counter), 0);
    const std::vector<Kopfzeile> kopf = KopfStatistik(a, 0);
    ASSERT_GE(kopf.size(), 2u);
    // The header's rows: Entspannen, Anspannen, … with min, max, mean.
    // (The header rounds values from 100 on to whole numbers.)
    const auto nahe = [](const QByteArray& wert, const QString& kopfText) {
        const double k = kopfText.toDouble();
        return std::abs(wert.toDouble() - k) <= (k >= 100 ? 0.5 : 0.051);
    };
    EXPECT_TRUE(nahe(werte["ENTSP_MIN"], kopf[0].Min)) << werte["ENTSP_MIN"].constData();
    EXPECT_TRUE(nahe(werte["ENTSP_MAX"], kopf[0].Max)) << werte["ENTSP_MAX"].constData();
    EXPECT_TRUE(nahe(werte["ANSP_MW"], kopf[1].Mittel)) << werte["ANSP_MW"].constData();
    EXPECT_TRUE(nahe(werte["ANSP_MAX"], kopf[1].Max)) << werte["ANSP_MAX"].constData();
    EXPECT_EQ(einheiten["ANSP_MW"], "\xE6V"); // µ in CP 437
    EXPECT_EQ(werte["BA"], "EMG-Biofeedback");
    EXPECT_EQ(werte["DAUER"].toDouble(), double(a.Werte.Werte.size()) / 10.0);
    EXPECT_EQ(werte.count("STROM_MW"), 0u) << "a mode without current sends no current";

    EXPECT_EQ(r.Wert(6303), "PDF");
    const QString pdf = QString::fromLatin1(r.Wert(6305));
    EXPECT_TRUE(pdf.startsWith(QDir(folder).absolutePath()));
    EXPECT_TRUE(Lies(pdf).startsWith("%PDF"));
    QProcess t;
    t.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(t.waitForFinished(60000));
    EXPECT_TRUE(QString::fromUtf8(t.readAllStandardOutput()).contains(QStringLiteral("Jürgen")));

    // Our own reader takes the file as well (as a record; it is no request).
    EXPECT_TRUE(gdt::LeseSatz(b, QStringLiteral("PVS")).Ok());

    // Numbered files when the practice software wants them.
    g.Numbered = true;
    o.Pdf = false;
    EXPECT_TRUE(WriteGdtResult(*dm, counter, g, o).endsWith(QStringLiteral("PVSZUD12.001")));
    EXPECT_TRUE(WriteGdtResult(*dm, counter, g, o).endsWith(QStringLiteral("PVSZUD12.002")));
}

// What the character set cannot hold is refused with the character named, and nothing is written.
TEST_P(GdtTest, ResultRefusesWhatTheCharsetCannotHold) {
    const qint64 pid =
        dm->AddPatient(Person(QStringLiteral("Łukasiewicz"), QStringLiteral("Zoë"), QDate(1990, 1, 2)));
    const qint64 counter =
        dm->InsertRecording(pid, QDate(2026, 1, 2), QTime(8, 0), DemoRecording(3), QStringLiteral("ZUD12"));
    GdtResultOptions o;
    o.Pdf = true;
    for (const gdt::Zeichensatz zs :
         {gdt::Zeichensatz::Cp437, gdt::Zeichensatz::Iso8859_15, gdt::Zeichensatz::Bit7}) {
        g.Charset = zs;
        try {
            WriteGdtResult(*dm, counter, g, o);
            ADD_FAILURE() << "written in " << int(zs);
        } catch (const DataError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("„Ł“"))) << e.Message().toStdString();
        }
        EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

// zudctl: a request is taken and the patient's key printed; a broken one gives exit 1 with its
// line; a result's path is printed.
TEST_P(GdtTest, ZudctlReadsRequestsAndWritesResults) {
    Settings s;
    g.Version = QStringLiteral("03.00");
    g.Write(s);
    s.Sync();
    const QStringList db{QStringLiteral("--db-server"),   loc.server,
                         QStringLiteral("--db-port"),     loc.port,
                         QStringLiteral("--db-dir"),      loc.dir,
                         QStringLiteral("--db-password"), QString::fromLatin1(kAdminPassword)};
    Zeilen z = Anfrage(gdt::kUntersuchungAnfordern, "2", "03.00");
    z.insert(z.end(), {{3000, "Z9"}, {3101, "Zimmer"}, {3102, "Eva"}, {3103, "01011950"}});
    QString out, err;
    const QString pfad = Request(Datei(z));
    ASSERT_EQ(RunCtl(db + QStringList{QStringLiteral("gdt"), QStringLiteral("read"), pfad}, out, err), 0)
        << err.toStdString();
    const auto found = dm->FindPatient(QStringLiteral("Zimmer"), QStringLiteral("Eva"), QDate(1950, 1, 1));
    ASSERT_TRUE(found);
    EXPECT_TRUE(out.contains(QStringLiteral("patient=%1\n").arg(*found))) << out.toStdString();

    QByteArray kaputt = Datei(z);
    kaputt[1] = '9';
    const QString k = Request(kaputt);
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("gdt"), QStringLiteral("read"), k}, out, err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Zeile 1:"))) << err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("fehler/") + g.RequestFileName())));

    const qint64 counter = dm->InsertRecording(*found, QDate(2026, 2, 3), QTime(7, 8, 9), DemoRecording(5),
                                               QStringLiteral("ZUD12"));
    ASSERT_EQ(RunCtl(db + QStringList{QStringLiteral("gdt"), QStringLiteral("result"),
                                      QString::number(counter), QStringLiteral("--pdf")},
                     out, err),
              0)
        << err.toStdString();
    const QString ergebnis = out.trimmed();
    EXPECT_EQ(QFileInfo(ergebnis).fileName(), QStringLiteral("PVSZUD12.GDT"));
    const Gelesen r = Zerlege(Lies(ergebnis));
    EXPECT_TRUE(r.fehler.isEmpty()) << r.fehler.toStdString();
    EXPECT_EQ(r.Wert(9218), "03.00");
    EXPECT_EQ(r.Wert(3000), "Z9");
    EXPECT_TRUE(QFileInfo::exists(QString::fromLatin1(r.Wert(6305))));
}

INSTANTIATE_TEST_SUITE_P(Firebird, GdtTest, ::testing::Values(Mode::Embedded), ModeName);

// The reader's limits on its own, without a database.
// The practice software receives the groups of the report page's header, in its order, with the
// header's units, in every mode that has groups, and nothing for a group without figures.
TEST(GdtResult, GroupsAndUnitsAreThoseOfTheReportHeaderInEveryMode) {
    using namespace zud::test;
    const auto aus = [](const QByteArray& daten) {
        Recording r;
        r.Datum = QDate(2026, 3, 4);
        r.Uhrzeit = QTime(10, 11, 12);
        r.Daten = daten;
        r.Betriebsart = static_cast<uint8_t>(daten.at(2)) + 1;
        return LadeBerichtsaufnahme(r, 1);
    };
    const std::vector<std::pair<int, QByteArray>> aufnahmen = {
        {0, Aufnahme(0, EMGProbe(0, 11, 150, 4) + EMGProbe(1, 11, 20, 4) + EMGProbe(3, 0, 55, 2))},
        {4, Aufnahme(4, DruckProbe(4, 1000, 7, 10))},
        {5, Aufnahme(5, DruckProbe(5, 1000, 5, 3) + DruckProbe(5, 3000, 6, 3))},
        {7, Aufnahme(7, DruckProbe(7, 500, 7, 3, 0xBB, 60, 120))},
        {9, Aufnahme(9, ZweiKanalProbe(100, 50, 0xAB, 0, 3) + ZweiKanalProbe(90, 40, 0xAB, 1, 3))}};
    for (const auto& [mode, daten] : aufnahmen) {
        SCOPED_TRACE(mode);
        const Berichtsaufnahme a = aus(daten);
        ASSERT_EQ(a.Werte.Betriebsart, mode);
        QStringList kopf;
        for (const Kopfzeile& z : KopfStatistik(a, 1)) {
            if (z.Mittel != QStringLiteral("-")) {
                kopf << z.Titel;
            }
        }
        QStringList gesendet;
        for (const gdt::Testwert& w : GdtTestValues(a, 1)) {
            if (w.Ident.endsWith(QStringLiteral("_MW"))) {
                gesendet << QStringLiteral("%1 [%2]").arg(
                    w.Name.chopped(QStringLiteral(" Mittelwert").size()), w.Einheit);
            }
        }
        EXPECT_FALSE(kopf.isEmpty());
        EXPECT_EQ(gesendet, kopf);
    }
}

TEST(GdtFormat, WrittenRecordsReadBackAndLimitsHold) {
    gdt::Ergebnis e;
    e.EigeneId = QStringLiteral("ZUD12");
    e.PvsId = QStringLiteral("PVS");
    e.Name = QStringLiteral("Weiß");
    e.Vorname = QStringLiteral("Ünal");
    e.Datum = QDate(2026, 5, 6);
    e.Uhrzeit = QTime(1, 2, 3);
    e.Bemerkungen = {QString(150, QLatin1Char('x'))};
    for (const gdt::Zeichensatz zs :
         {gdt::Zeichensatz::Bit7, gdt::Zeichensatz::Cp437, gdt::Zeichensatz::Iso8859_15}) {
        QByteArray b;
        QString why;
        ASSERT_TRUE(gdt::SchreibeSatz(gdt::ErgebnisSatz(e, zs), zs, &b, &why)) << why.toStdString();
        const gdt::Leseergebnis r = gdt::LeseSatz(b, QStringLiteral("PVS"));
        ASSERT_TRUE(r.Ok()) << gdt::FehlerText(r.Fehler).toStdString();
        EXPECT_EQ(r.Zs, zs);
        EXPECT_EQ(r.Record->Wert(3101), QStringLiteral("Weiß"));
        EXPECT_EQ(r.Record->Wert(3102), QStringLiteral("Ünal"));
        // A long remark goes on in lines of 60 characters.
        int teile = 0;
        for (const gdt::Feld& f : r.Record->Felder) {
            teile += f.Kennung == 6227 ? 1 : 0;
        }
        EXPECT_EQ(teile, 3);
    }
    EXPECT_FALSE(gdt::LeseSatz(QByteArray()).Ok());
    EXPECT_FALSE(gdt::LeseSatz(QByteArray(gdt::kMaxDateigroesse + 1, '0')).Ok());
    // The DOS end-of-file mark after the record is allowed.
    QByteArray b;
    ASSERT_TRUE(gdt::SchreibeSatz(gdt::ErgebnisSatz(e, gdt::Zeichensatz::Cp437), gdt::Zeichensatz::Cp437, &b,
                                  nullptr));
    EXPECT_TRUE(gdt::LeseSatz(b + '\x1A').Ok());
    EXPECT_FALSE(gdt::LeseSatz(b + b).Ok()) << "two records in one file";
    EXPECT_FALSE(gdt::LeseSatz(QByteArray(b).replace("\r\n", "\n")).Ok()) << "lines without CR";
}

// A request file from outside the exchange folder is taken as a copy in the folder, under a name
// the folder watcher does not take; the original is neither changed nor removed. One inside the
// folder, or any while no folder is set up, is taken where it lies; a missing one is named.
TEST(GdtOutsideRequest, CopiedIntoTheFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    GdtSettings g;
    g.On = true;
    g.Folder = dir.filePath(QStringLiteral("gdt"));
    ASSERT_TRUE(QDir().mkpath(g.Folder));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("export"))));
    const QString outside = dir.filePath(QStringLiteral("export/ZUD12PVS.GDT"));
    Zeilen z = Anfrage(gdt::kStammdatenAnfordern, "2", "02.10");
    z.insert(z.end(), {{3000, "A1"}, {3101, "M\x81ller"}});
    const QByteArray bytes = Datei(z);
    {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString error;
    const QString copy = GdtRequestInFolder(outside, g, &error);
    ASSERT_FALSE(copy.isEmpty()) << error.toStdString();
    EXPECT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(g.Folder).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(copy).fileName().endsWith(QStringLiteral("-ZUD12PVS.GDT")));
    EXPECT_TRUE(PendingGdtRequests(g).isEmpty()); // the watcher leaves it to the one who made it
    EXPECT_EQ(Lies(copy), bytes);
    EXPECT_EQ(Lies(outside), bytes);

    const QString inside = QDir(g.Folder).filePath(g.RequestFileName());
    ASSERT_TRUE(QFile::copy(outside, inside));
    EXPECT_EQ(GdtRequestInFolder(inside, g, &error), inside);
    GdtSettings off = g;
    off.On = false;
    EXPECT_EQ(GdtRequestInFolder(outside, off, &error), outside);

    EXPECT_TRUE(GdtRequestInFolder(dir.filePath(QStringLiteral("export/fehlt.gdt")), g, &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("nicht vorhanden"))) << error.toStdString();

    // Any other file of the user is not copied into the shared folder, not even into "fehler".
    const QString other = dir.filePath(QStringLiteral("export/notizen.txt"));
    {
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Kontonummer 1234\n");
    }
    error.clear();
    EXPECT_TRUE(GdtRequestInFolder(other, g, &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("keine GDT-Datei"))) << error.toStdString();
    error.clear();
    EXPECT_TRUE(GdtRequestInFolder(other, off, &error).isEmpty()); // nor taken where it lies
    EXPECT_TRUE(error.contains(QStringLiteral("keine GDT-Datei"))) << error.toStdString();
    EXPECT_EQ(QDir(g.Folder).entryList(QDir::Files | QDir::Hidden).size(), 2); // the copy and `inside`
    EXPECT_FALSE(QFileInfo::exists(QDir(g.Folder).filePath(QStringLiteral("fehler"))));
}

// The reader names the first fault it meets, in a fixed order (line frame, record type, record
// length, character set, version, addressee; for a request then its type, file references, the
// patient and the examination time), with its line where the fault has one.
TEST(GdtFormat, EachFaultIsNamedWithItsLineAndTheFirstOneWins) {
    // Lines: 1 8000, 2 8100, 3 8315, 4 8316, 5 9206, 6 9218, 7 3000, 8 6200, 9 6201.
    Zeilen gut = Anfrage(gdt::kUntersuchungZeigen, "2", "03.00");
    gut.insert(gut.end(), {{3000, "A1"}, {6200, "03022026"}, {6201, "070809"}});
    const QString ordner = QStringLiteral("/tmp/gdt-austausch");
    {
        const gdt::Anfrageergebnis r = gdt::LeseAnfrage(Datei(gut), QStringLiteral("ZUD12"), ordner);
        ASSERT_TRUE(r.Ok()) << gdt::FehlerText(r.Fehler).toStdString();
        EXPECT_EQ(r.Request->Nummer, QStringLiteral("A1"));
        EXPECT_EQ(r.Request->Datum, QDate(2026, 2, 3));
        EXPECT_EQ(r.Request->Uhrzeit, QTime(7, 8, 9));
    }
    const auto ohne = [&](int kennung) {
        Zeilen z;
        for (const auto& zeile : gut) {
            if (zeile.first != kennung) {
                z.push_back(zeile);
            }
        }
        return z;
    };
    struct Fall {
        const char* name;
        Zeilen zeilen;
        int zeile;
        QString teil; // expected part of the message
    };
    std::vector<Fall> faelle;
    {
        Zeilen z = gut;
        z[6].second = "A\r1";
        faelle.push_back({"CR in a content", z, 7, QStringLiteral("CR")});
    }
    {
        Zeilen z = gut;
        z[0].second = "631";
        faelle.push_back({"record type of three digits", z, 1, QStringLiteral("vierstellige")});
    }
    faelle.push_back({"no record length", ohne(8100), 0, QStringLiteral("8100")});
    {
        Zeilen z = gut;
        z[4].second = "7";
        faelle.push_back({"unknown character set", z, 5, QStringLiteral("„7“")});
        z[5].second = "01.00";
        faelle.push_back({"character set before version", z, 5, QStringLiteral("„7“")});
        z[1].second = "00999";
        faelle.push_back({"record length before character set", z, 2, QStringLiteral("00999")});
    }
    faelle.push_back({"no version", ohne(9218), 0, QStringLiteral("9218")});
    {
        Zeilen z = gut;
        z[2].second = "EKG01";
        z[5].second = "01.00";
        faelle.push_back({"version before addressee", z, 6, QStringLiteral("01.00")});
        z[5].second = "03.00";
        faelle.push_back({"addressee", z, 3, QStringLiteral("EKG01")});
    }
    {
        Zeilen z = gut;
        z[0].second = "6310";
        z.push_back({6305, "../x.pdf"});
        faelle.push_back({"request type before file reference", z, 1, QStringLiteral("6310")});
        z[0].second = QByteArray::number(gdt::kUntersuchungZeigen);
        faelle.push_back({"file reference", z, 10, QStringLiteral("../x.pdf")});
    }
    {
        Zeilen z = ohne(3000);
        faelle.push_back({"no patient", z, 0, QStringLiteral("3000")});
        z.pop_back(); // and no 6201
        faelle.push_back({"patient before examination time", z, 0, QStringLiteral("3000")});
    }
    faelle.push_back({"no examination time", ohne(6201), 0, QStringLiteral("6201")});
    {
        Zeilen z = ohne(6200);
        faelle.push_back({"no examination date", z, 0, QStringLiteral("6200")});
    }
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const gdt::Anfrageergebnis r = gdt::LeseAnfrage(Datei(f.zeilen), QStringLiteral("ZUD12"), ordner);
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.Fehler.Zeile, f.zeile) << r.Fehler.Text.toStdString();
        EXPECT_TRUE(r.Fehler.Text.contains(f.teil)) << r.Fehler.Text.toStdString();
    }
}
