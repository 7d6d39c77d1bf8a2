// Databases of this schema that an older installation created: no character set (8-bit text as
// Windows clients wrote it) or WIN1252. Rows are written as the older program wrote them (raw
// bytes) and everything we write is checked byte for byte, embedded and through a server.

#include "DbFixture.h"

#include <functional>

using namespace zud;
using namespace zud::test;
using db::DbError;

namespace {

QByteArray Header() {
    QByteArray b(300, '\0');
    for (int i = 0; i < b.size(); ++i) {
        b[i] = static_cast<char>((i * 13 + 5) & 0xFF);
    }
    b[2] = 0;
    return b;
}

QStringList Names(const std::vector<Patient>& list) {
    QStringList out;
    for (const Patient& p : list) {
        out << p.Name;
    }
    return out;
}

// The DbError a call throws, or an empty optional.
std::optional<DbError> ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const DbError& e) {
        return e;
    }
    return std::nullopt;
}

class OldDatabase : public DbTest {
protected:
    // A database made by the schema script with `charset` (empty: none) and what an older
    // installation adds, filled by the older program: raw 8-bit bytes.
    void Make(const QString& charset, const QString& codePage = QStringLiteral("WIN1252")) {
        old = loc;
        old.dir = dir.filePath(QStringLiteral("alt"));
        old.codePage = codePage;
        QDir().mkpath(old.dir);
        db::ConnectParams p{old.ConnectionString(), QString::fromLatin1(kAdminUser),
                            QString::fromLatin1(kAdminPassword), QString()};
        p.createCharset = charset;
        p.codePage = codePage;
        raw = db::Connection::Create(p);
        for (const QString& sql : PatientDatabase::SchemaScript()) {
            raw->Exec(sql);
            raw->Commit();
        }
        for (const char* sql : {"CREATE GENERATOR GEN_QALPATIENT_ID", "CREATE GENERATOR GEN_ZUDDATA_ID",
                                "CREATE GENERATOR GEN_GERAETE_ID", "SET GENERATOR GEN_QALPATIENT_ID TO 100",
                                "SET GENERATOR GEN_ZUDDATA_ID TO 100", "CREATE ROLE BENUTZER",
                                "GRANT ALL ON ZUDDATA TO BENUTZER", "GRANT ALL ON QALPATIENT TO BENUTZER",
                                "GRANT ALL ON QALGERAETE TO BENUTZER"}) {
            raw->Exec(QString::fromLatin1(sql));
            raw->Commit();
        }
    }

    void RawPatient(int id, const QByteArray& name, const QByteArray& vorname, QDate geburt) {
        raw->Exec(
            QStringLiteral("insert into QALPATIENT (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG, GESCHLECHT) "
                           "values (?, ?, ?, ?, '1')"),
            {id, name, vorname, QDateTime(geburt, QTime(0, 0))});
    }

    // A text column as the bytes the database holds.
    QByteArray Bytes(const char* column, const char* table, const char* key, qint64 id) {
        const auto rows = raw->Query(
            QStringLiteral("select CAST(%1 AS VARCHAR(50) CHARACTER SET OCTETS) from %2 where %3 = %4")
                .arg(QString::fromLatin1(column), QString::fromLatin1(table), QString::fromLatin1(key))
                .arg(id));
        return rows.empty() ? QByteArray("<no row>") : rows.front().At(0).toByteArray();
    }
    QByteArray Remarks(qint64 counter) {
        const auto rows =
            raw->Query(QStringLiteral("select BEMERKUNGEN from ZUDDATA where COUNTER = %1").arg(counter));
        return rows.empty() ? QByteArray("<no row>") : rows.front().At(0).toByteArray();
    }

    // Everything a practice does with patients and remarks, on a database of `charset`.
    void WorksAsOurOwn(const QString& charset) {
        Make(charset == QLatin1String("NONE") ? QString() : charset);
        EXPECT_EQ(raw->DatabaseCharset(), charset);
        EXPECT_EQ(raw->ConnectionCharset(), QStringLiteral("WIN1252"));
        RawPatient(1, "M\xfcller", "J\xfcrgen", QDate(1970, 4, 12));
        RawPatient(2,
                   "Schr\xf6"
                   "der",
                   "Ren\xe9", QDate(1965, 2, 3));
        RawPatient(3, "\xd6zt\xfcrk",
                   "Ay\xe7"
                   "a",
                   QDate(1980, 7, 8));
        RawPatient(4, "Wei\xdf", "Bj\xf6rn", QDate(1955, 1, 1));
        RawPatient(5, "Bauer", "Anna", QDate(1990, 12, 24));
        const QByteArray daten = Header();
        raw->Exec(
            QStringLiteral("insert into ZUDDATA (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN, "
                           "BEMERKUNGEN) values (1, 1, 1, ?, ?, 1, ?, ?)"),
            {QDateTime(QDate(2020, 3, 4), QTime(0, 0)), QDateTime(QDate(1899, 12, 30), QTime(9, 30)), daten,
             QByteArray("\xdc"
                        "bung gut.\r\nN\xe4"
                        "chstes Mal: St\xe4rke 5 \x80")});
        raw->Commit();

        PatientDatabase alt(old);
        alt.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
        EXPECT_EQ(alt.DatabaseCharset(), charset);
        EXPECT_EQ(alt.ConnectionCharset(), QStringLiteral("WIN1252"));

        // The older program's names and remarks read as it wrote them.
        ASSERT_TRUE(alt.GetPatient(1));
        EXPECT_EQ(alt.GetPatient(1)->Name, QStringLiteral("Müller"));
        EXPECT_EQ(alt.GetPatient(1)->Vorname, QStringLiteral("Jürgen"));
        EXPECT_EQ(alt.GetPatient(3)->Name, QStringLiteral("Öztürk"));
        EXPECT_EQ(alt.GetPatient(3)->Vorname, QStringLiteral("Ayça"));
        EXPECT_EQ(alt.GetPatient(4)->Name, QStringLiteral("Weiß"));
        EXPECT_EQ(alt.AllPatients().size(), 5u);
        const QString remarks = QStringLiteral("Übung gut.\nNächstes Mal: Stärke 5 €");
        EXPECT_EQ(alt.Remarks(1), remarks);
        EXPECT_EQ(alt.GetRecording(1)->Bemerkungen, remarks);
        const auto list = alt.ListRecordings(1);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list.front().Daten, daten.left(89));
        EXPECT_EQ(list.front().Groesse, daten.size());

        // The server's UPPER knows the letters of WIN1252 but, without a character set, only a to z:
        // that is why the program compares names itself there.
        const auto upperCase =
            raw->Query(QStringLiteral("select UPPER(NAME) from QALPATIENT where IDENTIFIKATION = 1"));
        EXPECT_EQ(upperCase.front().At(0).toString(),
                  charset == QLatin1String("NONE") ? QStringLiteral("MüLLER") : QStringLiteral("MÜLLER"));
        // Search: any part of the surname in any case, umlauts included.
        auto found = [&](const QString& text) { return Names(alt.SearchPatients(text)); };
        const QStringList er = {QStringLiteral("Bauer"), QStringLiteral("Müller"),
                                QStringLiteral("Schröder")};
        EXPECT_EQ(found(QStringLiteral("er")), er);
        EXPECT_EQ(found(QStringLiteral("ER")), er);
        EXPECT_EQ(found(QStringLiteral("mül")), QStringList{QStringLiteral("Müller")});
        EXPECT_EQ(found(QStringLiteral("MÜL")), QStringList{QStringLiteral("Müller")});
        EXPECT_EQ(found(QStringLiteral("özt")), QStringList{QStringLiteral("Öztürk")});
        EXPECT_EQ(found(QStringLiteral("ÖZTÜ")), QStringList{QStringLiteral("Öztürk")});
        EXPECT_EQ(found(QStringLiteral("eiß")), QStringList{QStringLiteral("Weiß")});
        EXPECT_TRUE(found(QStringLiteral("ü%")).isEmpty());
        EXPECT_EQ(found(QString()).size(), 5);

        // Duplicates: exact, case-sensitive, umlauts included.
        try {
            alt.AddPatient(Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
            ADD_FAILURE() << "duplicate accepted";
        } catch (const DataError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Fehler: Patient bereits vorhanden!"));
        }
        const qint64 upper =
            alt.AddPatient(Person(QStringLiteral("MÜLLER"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
        EXPECT_EQ(upper, 101);
        EXPECT_EQ(Bytes("NAME", "QALPATIENT", "IDENTIFIKATION", upper), QByteArray("M\xdcLLER"));
        EXPECT_EQ(alt.FindPatient(QStringLiteral("Schröder"), QStringLiteral("René"), QDate(1965, 2, 3)), 2);

        // New rows in the older program's encoding, byte for byte.
        Patient neu = Person(QStringLiteral("Weißgerber"), QStringLiteral("Zoë"), QDate(1980, 5, 6));
        neu.Strasse = QStringLiteral("Hauptstraße 5");
        neu.Wohnort = QStringLiteral("Köln");
        const qint64 id = alt.AddPatient(neu);
        EXPECT_EQ(Bytes("NAME", "QALPATIENT", "IDENTIFIKATION", id), QByteArray("Wei\xdfgerber"));
        EXPECT_EQ(Bytes("VORNAME", "QALPATIENT", "IDENTIFIKATION", id), QByteArray("Zo\xeb"));
        EXPECT_EQ(Bytes("STRASSE", "QALPATIENT", "IDENTIFIKATION", id), QByteArray("Hauptstra\xdf"
                                                                                   "e 5"));
        EXPECT_EQ(Bytes("WOHNORT", "QALPATIENT", "IDENTIFIKATION", id), QByteArray("K\xf6ln"));
        EXPECT_EQ(found(QStringLiteral("ER")),
                  (QStringList{QStringLiteral("Bauer"), QStringLiteral("MÜLLER"), QStringLiteral("Müller"),
                               QStringLiteral("Schröder"), QStringLiteral("Weißgerber")}));
        // Fifty umlauts fit a column of fifty: one byte each.
        const qint64 lang =
            alt.AddPatient(Person(QString(50, QChar(0xE4)), QStringLiteral("A"), QDate(1990, 1, 1)));
        EXPECT_EQ(Bytes("NAME", "QALPATIENT", "IDENTIFIKATION", lang), QByteArray(50, '\xe4'));

        // An edit writes the same encoding and is read back equal.
        Patient edit = *alt.GetPatient(1);
        edit.Wohnort = QStringLiteral("Düsseldorf");
        alt.UpdatePatient(edit);
        EXPECT_EQ(Bytes("WOHNORT", "QALPATIENT", "IDENTIFIKATION", 1), QByteArray("D\xfcsseldorf"));
        EXPECT_EQ(Bytes("NAME", "QALPATIENT", "IDENTIFIKATION", 1), QByteArray("M\xfcller"));
        EXPECT_EQ(alt.GetPatient(1)->Wohnort, QStringLiteral("Düsseldorf"));
        EXPECT_EQ(alt.GetPatient(1)->Geschlecht, 1);

        // Remarks in the database's encoding.
        const QString text = QStringLiteral("Straße – 5 € „gut“\nZweite Zeile");
        ASSERT_NO_THROW(alt.SetRemarks(1, text, remarks));
        EXPECT_EQ(Remarks(1), QByteArray("Stra\xdf"
                                         "e \x96 5 \x80 \x84gut\x93\nZweite Zeile"));
        EXPECT_EQ(alt.Remarks(1), text);
        // Remarks another program stored as UTF-8 read as UTF-8.
        raw->Exec(QStringLiteral("update ZUDDATA set BEMERKUNGEN = ? where COUNTER = 1"),
                  {QByteArray("Gr\xc3\xbc\xc3\x9f"
                              "e")});
        raw->Commit();
        EXPECT_EQ(alt.Remarks(1), QStringLiteral("Grüße"));

        // A letter the code page lacks is refused with a German message; nothing is stored and
        // the connection goes on.
        const auto before = alt.AllPatients().size();
        const auto e = ErrorOf([&] {
            alt.AddPatient(Person(QStringLiteral("Łukasz"), QStringLiteral("Jan"), QDate(1970, 1, 1)));
        });
        ASSERT_TRUE(e);
        EXPECT_TRUE(e->IsTransliterationError());
        EXPECT_TRUE(db::DescribeError(*e).startsWith(QStringLiteral(
            "Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern "
            "kann.")))
            << db::DescribeError(*e).toStdString();
        EXPECT_EQ(alt.AllPatients().size(), before);
        EXPECT_TRUE(ErrorOf([&] { alt.SetRemarks(1, QStringLiteral("besser → gut")); }));
        EXPECT_EQ(alt.Remarks(1), QStringLiteral("Grüße"));
        // No name here can hold a letter the code page lacks: the search finds nobody.
        EXPECT_TRUE(alt.SearchPatients(QStringLiteral("ł")).empty());
        EXPECT_EQ(alt.GetPatient(4)->Name, QStringLiteral("Weiß"));

        // Recordings stored by us: their rows and remarks as the older program reads them.
        const qint64 r =
            alt.InsertRecording(5, QDate(2026, 1, 2), QTime(8, 0), daten, QStringLiteral("ZUD12"));
        ASSERT_NO_THROW(alt.SetRemarks(r, QStringLiteral("Ärger über Übung")));
        EXPECT_EQ(Remarks(r), QByteArray("\xc4rger \xfc"
                                         "ber \xdc"
                                         "bung"));
        EXPECT_EQ(alt.GetRecording(r)->Daten, daten);
        EXPECT_EQ(Bytes("GERAETENAME", "QALGERAETE", "GERAETEID", 1), QByteArray("ZUD12"));
    }

    DbLocation old;
    std::unique_ptr<db::Connection> raw;
};

} // namespace

TEST_P(OldDatabase, WithoutCharacterSet) {
    WorksAsOurOwn(QStringLiteral("NONE"));
}

TEST_P(OldDatabase, Win1252) {
    WorksAsOurOwn(QStringLiteral("WIN1252"));
}

// A Polish practice: 8-bit text in WIN1250 (setting SQLCodePage3).
TEST_P(OldDatabase, WithoutCharacterSetInWin1250) {
    Make(QString(), QStringLiteral("WIN1250"));
    EXPECT_EQ(raw->ConnectionCharset(), QStringLiteral("WIN1250"));
    RawPatient(1,
               "Ma\xb3"
               "ecki",
               "Wojciech", QDate(1960, 6, 1));
    RawPatient(2, "\xa3ukaszewska",
               "El\xbf"
               "bieta",
               QDate(1975, 3, 3));
    raw->Commit();
    PatientDatabase alt(old);
    alt.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    EXPECT_EQ(alt.ConnectionCharset(), QStringLiteral("WIN1250"));
    EXPECT_EQ(alt.GetPatient(1)->Name, QStringLiteral("Małecki"));
    EXPECT_EQ(alt.GetPatient(2)->Name, QStringLiteral("Łukaszewska"));
    EXPECT_EQ(alt.GetPatient(2)->Vorname, QStringLiteral("Elżbieta"));
    EXPECT_EQ(Names(alt.SearchPatients(QStringLiteral("ŁEC"))), QStringList{QStringLiteral("Małecki")});
    EXPECT_EQ(Names(alt.SearchPatients(QStringLiteral("łuk"))), QStringList{QStringLiteral("Łukaszewska")});
    const qint64 id =
        alt.AddPatient(Person(QStringLiteral("Żółć"), QStringLiteral("Łucja"), QDate(1999, 9, 9)));
    EXPECT_EQ(Bytes("NAME", "QALPATIENT", "IDENTIFIKATION", id), QByteArray("\xaf\xf3\xb3\xe6"));
    EXPECT_EQ(Bytes("VORNAME", "QALPATIENT", "IDENTIFIKATION", id), QByteArray("\xa3ucja"));
    alt.Logout();

    // The same bytes under the default code page are other letters: the setting decides.
    DbLocation western = old;
    western.codePage = QStringLiteral("WIN1252");
    PatientDatabase falsch(western);
    falsch.Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    EXPECT_EQ(falsch.GetPatient(1)->Name, QStringLiteral("Ma³ecki"));
    falsch.Logout();

    // A code page that is no 8-bit character set is refused at login, in German.
    DbLocation unknown = old;
    unknown.codePage = QStringLiteral("KLINGONISCH");
    const auto e = ErrorOf([&] {
        PatientDatabase(unknown).Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    });
    ASSERT_TRUE(e);
    EXPECT_TRUE(db::DescribeError(*e).startsWith(QStringLiteral(
        "Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.")))
        << db::DescribeError(*e).toStdString();
}

// Our own databases are UTF8 whatever the code page; 8-bit remarks taken over from an older
// database still read in the code page.
TEST_P(OldDatabase, OurOwnIsUtf8) {
    EXPECT_EQ(dm->DatabaseCharset(), QStringLiteral("UTF8"));
    EXPECT_EQ(dm->ConnectionCharset(), QStringLiteral("UTF8"));
    const qint64 a =
        dm->AddPatient(Person(QStringLiteral("Łukasz"), QStringLiteral("Zoë"), QDate(1970, 1, 1)));
    const qint64 r =
        dm->InsertRecording(a, QDate(2026, 1, 1), QTime(8, 0), Header(), QStringLiteral("ZUD12"));
    auto c = Second();
    c->Exec(QStringLiteral("update ZUDDATA set BEMERKUNGEN = ? where COUNTER = ?"),
            {QByteArray("St\xe4rke 5\r\nGut"), r});
    c->Commit();
    EXPECT_EQ(dm->Remarks(r), QStringLiteral("Stärke 5\nGut"));
    ASSERT_NO_THROW(dm->SetRemarks(r, QStringLiteral("Ł → ok")));
    const auto rows = c->Query(QStringLiteral("select BEMERKUNGEN from ZUDDATA where COUNTER = ?"), {r});
    EXPECT_EQ(rows.front().At(0).toByteArray(), QStringLiteral("Ł → ok").toUtf8());
    EXPECT_EQ(dm->Remarks(424242), std::nullopt);
    EXPECT_EQ(Names(dm->SearchPatients(QStringLiteral("łuk"))), QStringList{QStringLiteral("Łukasz")});
}

INSTANTIATE_TEST_SUITE_P(Firebird, OldDatabase, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

// ---------------------------------------------------------------- code pages, without a database

TEST(CodePage, EveryByteBackExactly) {
    for (const char* name : {"WIN1252", "WIN1250", "win1251", "ISO8859_1", "ISO8859_2", "DOS850", "DOS437"}) {
        const db::CodePage cp{QString::fromLatin1(name)};
        ASSERT_TRUE(cp.IsValid()) << name;
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b) {
            all[b] = static_cast<char>(b);
        }
        const QString text = cp.Decode(all);
        ASSERT_EQ(text.size(), 256) << name;
        QByteArray back;
        ASSERT_TRUE(cp.Encode(text, &back)) << name;
        EXPECT_EQ(back, all) << name;
    }
    const db::CodePage w(QStringLiteral("WIN1252"));
    EXPECT_EQ(w.Decode("\x80\x96\xe4\xdf"), QStringLiteral("€–äß"));
    // Bytes the code page leaves undefined read as the control characters of their number.
    EXPECT_EQ(w.Decode("\x81\x8d").toStdU16String(), std::u16string(u"\u0081\u008d"));
    QByteArray out;
    QChar bad;
    EXPECT_FALSE(w.Encode(QStringLiteral("Łódź"), &out, &bad));
    EXPECT_EQ(bad, QChar(0x0141));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(w.Encode(QStringLiteral("a😀"), &out));
    const db::CodePage pl(QStringLiteral("WIN1250"));
    EXPECT_EQ(pl.Decode("\xa3\xb3\xb9\xaf"), QStringLiteral("ŁłąŻ"));
    EXPECT_TRUE(pl.Encode(QStringLiteral("Łódź"), &out));
    EXPECT_EQ(out, QByteArray("\xa3\xf3"
                              "d\x9f"));
    for (const char* name : {"UTF8", "NONE", "SJIS_0208", "WIN9999", "", "ISO8859_16"}) {
        EXPECT_FALSE(db::CodePage(QString::fromLatin1(name)).IsValid()) << name;
    }
}

TEST(CodePage, Utf8IsRecognised) {
    EXPECT_TRUE(db::IsUtf8(QByteArray()));
    EXPECT_TRUE(db::IsUtf8("plain ASCII\r\n"));
    EXPECT_TRUE(db::IsUtf8(QStringLiteral("Grüße Łódź € 😀").toUtf8()));
    EXPECT_FALSE(db::IsUtf8("Gr\xfc\xdf"
                            "e"));                // Windows-1252
    EXPECT_FALSE(db::IsUtf8("\xc3"));             // cut off
    EXPECT_FALSE(db::IsUtf8("\xc0\x80"));         // overlong
    EXPECT_FALSE(db::IsUtf8("\xe0\x80\xaf"));     // overlong
    EXPECT_FALSE(db::IsUtf8("\xed\xa0\x80"));     // surrogate
    EXPECT_FALSE(db::IsUtf8("\xf4\x90\x80\x80")); // beyond Unicode
    EXPECT_FALSE(db::IsUtf8("\xf5\x80\x80\x80"));
    EXPECT_FALSE(db::IsUtf8("a\x80"));           // a lone continuation byte
    EXPECT_TRUE(db::IsUtf8("\xf4\x8f\xbf\xbf")); // the last code point
}
