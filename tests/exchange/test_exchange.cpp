// Data exchange against real Firebird, embedded and through a private server: patient archives
// (export, import and its merge rules), backups of the whole database and their restore, the
// take-over of the previous version's database, the cabinet files and the backup tool's
// failures; archives are cross-checked with cabextract.

#include "DbFixture.h"
#include "ZudctlRunner.h"

#include "Cab.h"
#include "ExchangeDatabase.h"
#include "Gbak.h"
#include "Paths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

using namespace zud;
using namespace zud::test;
using db::Row;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

QByteArray Noise(int size, quint32 seed) {
    QRandomGenerator g(seed);
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i) {
        // Half noise, half runs: compressible as real data, with blocks that do not compress.
        b[i] = static_cast<char>((i / 4096) % 2 ? g.bounded(256) : (i / 64) & 0xFF);
    }
    return b;
}

// cabextract's own test of every file in the archive.
::testing::AssertionResult CabextractOk(const QString& archive) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("cabextract"), {QStringLiteral("-t"), archive});
    if (!p.waitForFinished(120000)) {
        return ::testing::AssertionFailure() << "cabextract did not run";
    }
    const QString text = QString::fromLocal8Bit(p.readAll());
    if (p.exitCode() != 0 || !text.contains(QLatin1String("All done, no errors."))) {
        return ::testing::AssertionFailure() << text.toStdString();
    }
    return ::testing::AssertionSuccess() << text.toStdString();
}

// Everything the tables hold, as one comparable text: patients without their keys, recordings
// with their patient's name instead of its key and their device's name instead of its number.
QStringList Content(db::Connection& c) {
    QStringList out;
    for (const Row& r :
         c.Query(QStringLiteral("select NAME, VORNAME, GEBURTSTAG, NUMMER, KRANKENKASSE, VNUMMER, "
                                "WOHNORT, STRASSE, PLZ, GESCHLECHT, TELEFON, FAX, EMAIL, GROESSE, "
                                "GEWICHT, HAUSARZT, BEH_ARZT, N_TERMIN, BEMERKUNGEN, LETZTER_ZUGRIFF "
                                "from QALPatient"))) {
        QStringList f;
        for (int i = 0; i < r.Size(); ++i) {
            const QVariant v = r.At(i);
            f << (v.isValid()
                      ? (v.typeId() == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex())
                                                             : v.toString())
                      : QStringLiteral("NULL"));
        }
        out << QStringLiteral("P|") + f.join(QLatin1Char('|'));
    }
    for (const Row& r : c.Query(QStringLiteral(
             "select p.NAME, p.VORNAME, z.DATUM, z.UHRZEIT, z.BETRIEBSART, z.LETZTER_ZUGRIFF, g.GERAETENAME, "
             "g.SONSTIGES, z.TYP, z.DATEN, z.BEMERKUNGEN from ZUDData z left join QALPatient p on "
             "p.IDENTIFIKATION = z.PATIENT left join QALGeraete g on g.GERAETEID = z.TYP"))) {
        QStringList f;
        for (int i = 0; i < r.Size(); ++i) {
            const QVariant v = r.At(i);
            if (i == 8) { // the number itself differs between databases; set or not does not
                f << (v.isValid() ? QStringLiteral("typ") : QStringLiteral("NULL"));
                continue;
            }
            if (i == 3 && v.isValid()) {
                f << v.toDateTime().time().toString(QStringLiteral("HH:mm:ss.zzz"));
                continue;
            }
            f << (v.isValid() ? (v.typeId() == QMetaType::QByteArray
                                     ? QString::fromLatin1(QCryptographicHash::hash(
                                                               v.toByteArray(), QCryptographicHash::Sha256)
                                                               .toHex()) +
                                           QStringLiteral("/") + QString::number(v.toByteArray().size())
                                     : v.toString())
                              : QStringLiteral("NULL"));
        }
        out << QStringLiteral("R|") + f.join(QLatin1Char('|'));
    }
    out.sort();
    return out;
}

qint64 Count(db::Connection& c, const QString& table) {
    return c.Query(QStringLiteral("select count(*) from %1").arg(table)).front().At(0).toLongLong();
}

// A second database of the same kind beside the fixture's.
DbLocation Beside(const DbLocation& loc, const QTemporaryDir& dir, const QString& name) {
    DbLocation other = loc;
    other.dir = dir.filePath(name);
    QDir().mkpath(other.dir);
    return other;
}

class Exchange : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        dm2 = std::make_unique<ExchangeDatabase>(loc);
    }

    // Two patients with umlauts, remarks and recordings of two devices, one recording without
    // device, one with remarks in 8-bit text.
    void Fill(PatientDatabase& d) {
        Patient a = Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12));
        a.Strasse = QStringLiteral("Große Straße 5");
        a.Plz = QStringLiteral("80331");
        a.Geschlecht = 1;
        pa = d.AddPatient(a);
        pb = d.AddPatient(Person(QStringLiteral("Łukasiewicz"), QStringLiteral("Zofia"), QDate(1981, 1, 30)));
        ra1 = d.InsertRecording(pa, QDate(2026, 11, 4), QTime(10, 15, 30), Noise(12 * 1024, 1),
                                QStringLiteral("ZUD12 Pro"));
        ra2 = d.InsertRecording(pa, QDate(2026, 11, 4), QTime(10, 45, 0), Noise(40000, 2),
                                QStringLiteral("ZUD12 Pro"));
        rb1 = d.InsertRecording(pb, QDate(2026, 10, 1), QTime(8, 0, 1), Noise(89, 3),
                                QStringLiteral("ZUD12 Basic"));
        d.SetRemarks(ra1, QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen."));
        // Remarks as an older program wrote them: 8-bit bytes.
        d.Db().Exec(QStringLiteral("update ZUDData set BEMERKUNGEN = ? where COUNTER = %1").arg(rb1),
                    {QByteArray("Schmerzen im Kn\xE9"
                                "e",
                                17)});
        d.Db().Exec(
            QStringLiteral("update QALPatient set BEMERKUNGEN = ?, HAUSARZT = 7 where IDENTIFIKATION = %1")
                .arg(pa),
            {QByteArray("Allergie: Pflaster")});
        d.Db().Exec(QStringLiteral("update QALGeraete set SONSTIGES = ? where GERAETENAME = 'ZUD12 Pro'"),
                    {QByteArray("\x01\x02sonstiges", 11)});
        d.Db().CommitRetaining();
    }

    // A second database in another folder, logged in.
    std::unique_ptr<PatientDatabase> Target(const QString& name, DbLocation* where = nullptr) {
        const DbLocation other = Beside(loc, dir, name);
        auto t = std::make_unique<PatientDatabase>(other);
        EXPECT_TRUE(t->EnsureInstalled());
        t->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        if (where) {
            *where = other;
        }
        return t;
    }

    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    std::unique_ptr<ExchangeDatabase> dm2;
    qint64 pa = -1, pb = -1, ra1 = -1, ra2 = -1, rb1 = -1;
};

// ---------------------------------------------------------------- cabinet files

TEST(Cab, RoundTripIsByteExactAndCabextractAgrees) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const int size : {0, 1, 32768, 32769, 700001}) {
        SCOPED_TRACE(size);
        const QByteArray data = Noise(size, static_cast<quint32>(size));
        const QString src = dir.filePath(QStringLiteral("src.gbk"));
        const QString cab = dir.filePath(QStringLiteral("a.qvz"));
        ASSERT_TRUE(Write(src, data));
        qint64 lastDone = -1, lastTotal = -1;
        exchange::Feedback fb;
        fb.progress = [&](qint64 d, qint64 t) {
            lastDone = d;
            lastTotal = t;
            return true;
        };
        exchange::WriteCab(cab, QStringLiteral("ZUDData_exp.gbk"), src, fb);
        EXPECT_TRUE(exchange::IsCab(cab));
        EXPECT_EQ(exchange::CabMembers(cab), QStringList{QStringLiteral("ZUDData_exp.gbk")});
        EXPECT_TRUE(CabextractOk(cab));
        // The step ends at its total, the size of the packed file.
        EXPECT_EQ(lastDone, size);
        EXPECT_EQ(lastTotal, size);
        QTemporaryDir out;
        // Any letter case of the name finds the file; it lands under the name asked for.
        const QString got = exchange::ExtractCabMember(cab, QStringLiteral("zuddata_EXP.gbk"), out.path());
        EXPECT_EQ(got, out.filePath(QStringLiteral("zuddata_EXP.gbk")));
        EXPECT_EQ(ReadAll(got), data);
        // Compressed: the runs shrink.
        if (size > 32768) {
            EXPECT_LT(QFileInfo(cab).size(), size * 3 / 4);
        }
    }
}

TEST(Cab, NotACabTruncatedCorruptedAndWrongMemberFailCleanly) {
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src.gbk"));
    const QString cab = dir.filePath(QStringLiteral("a.qvz"));
    const QByteArray data = Noise(300000, 9);
    ASSERT_TRUE(Write(src, data));
    exchange::WriteCab(cab, QStringLiteral("ZUDData_exp.gbk"), src);
    const QByteArray whole = ReadAll(cab);

    auto extractFails = [&](const QString& path, const char* member, const QString& needle) {
        QTemporaryDir out;
        try {
            exchange::ExtractCabMember(path, QString::fromLatin1(member), out.path());
        } catch (const DataError& e) {
            EXPECT_TRUE(e.Message().contains(needle)) << e.Message().toStdString();
            // Nothing half-written stays behind.
            EXPECT_TRUE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
            return;
        }
        ADD_FAILURE() << "no error for " << path.toStdString();
    };

    const QString text = dir.filePath(QStringLiteral("text.qvz"));
    ASSERT_TRUE(Write(text, "This is no archive at all, only text.\n"));
    EXPECT_FALSE(exchange::IsCab(text));
    EXPECT_FALSE(exchange::IsCab(dir.filePath(QStringLiteral("missing.qvz"))));
    EXPECT_THROW(exchange::CabMembers(text), DataError);
    extractFails(text, "ZUDData_exp.gbk", QStringLiteral("kein gültiges Archiv"));

    const QString cut = dir.filePath(QStringLiteral("cut.qvz"));
    ASSERT_TRUE(Write(cut, whole.left(whole.size() / 2)));
    extractFails(cut, "ZUDData_exp.gbk", QStringLiteral("Archiv"));

    const QString bad = dir.filePath(QStringLiteral("bad.qvz"));
    QByteArray damaged = whole;
    for (qsizetype i = whole.size() / 3; i < whole.size() / 3 + 64; ++i) {
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    }
    ASSERT_TRUE(Write(bad, damaged));
    extractFails(bad, "ZUDData_exp.gbk", QStringLiteral("beschädigt"));

    extractFails(cab, "ZUDData3_exp.gbk", QStringLiteral("enthält die Datei „ZUDData3_exp.gbk“ nicht"));
}

TEST(Cab, NamesInTheArchiveNeverChooseThePlace) {
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src.gbk"));
    ASSERT_TRUE(Write(src, Noise(5000, 3)));
    const QString cab = dir.filePath(QStringLiteral("evil.qvz"));
    exchange::WriteCab(cab, QStringLiteral("..\\..\\tmp\\ZUDData_exp.gbk"), src);
    EXPECT_TRUE(CabextractOk(cab));
    QDir(dir.path()).mkpath(QStringLiteral("a/b/out"));
    const QString out = dir.filePath(QStringLiteral("a/b/out"));
    const QString got = exchange::ExtractCabMember(cab, QStringLiteral("ZUDData_exp.gbk"), out);
    EXPECT_EQ(got, QDir(out).filePath(QStringLiteral("ZUDData_exp.gbk")));
    EXPECT_EQ(ReadAll(got), Noise(5000, 3));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("ZUDData_exp.gbk")});
    EXPECT_EQ(
        QDir(dir.filePath(QStringLiteral("a"))).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("b")});
}

TEST(Cab, UnwritableDestinationLeavesNothing) {
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src.gbk"));
    ASSERT_TRUE(Write(src, Noise(1000, 1)));
    EXPECT_THROW(
        exchange::WriteCab(dir.filePath(QStringLiteral("no/such/dir/a.qvz")), QStringLiteral("x"), src),
        DataError);
    // An earlier archive of the same name stays whole when packing fails (the source is gone).
    const QString cab = dir.filePath(QStringLiteral("keep.qvz"));
    exchange::WriteCab(cab, QStringLiteral("x"), src);
    const QByteArray before = ReadAll(cab);
    EXPECT_THROW(exchange::WriteCab(cab, QStringLiteral("x"), dir.filePath(QStringLiteral("gone.gbk"))),
                 DataError);
    EXPECT_EQ(ReadAll(cab), before);
    // Cancelled while packing: no archive.
    ASSERT_TRUE(Write(src, Noise(400000, 2)));
    exchange::Feedback stop;
    stop.progress = [](qint64, qint64) { return false; };
    const QString cancelled = dir.filePath(QStringLiteral("cancelled.qvz"));
    EXPECT_THROW(exchange::WriteCab(cancelled, QStringLiteral("x"), src, stop), DataError);
    EXPECT_FALSE(QFile::exists(cancelled));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // src.gbk, keep.qvz
}

// ---------------------------------------------------------------- export and import

TEST_P(Exchange, ExportImportRoundTripKeepsEveryByte) {
    Fill(*dm);
    const QString archive = File("patients.qvz");
    // The throw-away export database does not wait for the disk at every page.
    int forcedWrites = -1;
    exchange::Feedback fb;
    fb.progress = [&](qint64, qint64) {
        if (forcedWrites < 0) {
            auto exp = db::Connection::Attach({dm2->ExportConnection(), QString::fromLatin1(kAdminUser),
                                               QString::fromLatin1(kAdminPassword), QString()});
            forcedWrites = exp->Query(QStringLiteral("select MON$FORCED_WRITES from MON$DATABASE"))
                               .front()
                               .At(0)
                               .toInt();
        }
        return true;
    };
    const ExportResult r = dm2->Export(dm->Db(), {pa, pb}, archive, fb);
    EXPECT_EQ(forcedWrites, 0);
    EXPECT_EQ(r.patients, 2);
    EXPECT_EQ(r.recordings, 3);
    EXPECT_EQ(r.devices, 2);
    EXPECT_TRUE(CabextractOk(archive));
    EXPECT_EQ(exchange::CabMembers(archive), QStringList{QStringLiteral("ZUDData_exp.gbk")});
    // The export database and the backup are not left lying around.
    EXPECT_FALSE(QFile::exists(QDir(loc.dir).filePath(QStringLiteral("ZUDData_exp.gdb"))));

    DbLocation where;
    auto target = Target(QStringLiteral("target"), &where);
    ExchangeDatabase other(where);
    const auto listed = other.OpenArchive(archive);
    ASSERT_EQ(listed.size(), 2u);
    // By surname: Ł sorts after M in UTF8's byte order.
    EXPECT_EQ(listed[0].Name, QStringLiteral("Müller"));
    EXPECT_EQ(listed[0].Vorname, QStringLiteral("Jürgen"));
    EXPECT_EQ(listed[0].Identifikation, pa);
    EXPECT_EQ(listed[1].Name, QStringLiteral("Łukasiewicz"));
    EXPECT_TRUE(listed[0].LetzterZugriff.isValid());
    const MergeResult m = other.Import(target->Db(), {listed[0].Identifikation, listed[1].Identifikation});
    other.CloseArchive();
    EXPECT_EQ(m.patientsNew, 2);
    EXPECT_EQ(m.recordingsInserted, 3);
    EXPECT_EQ(m.devicesAdded, 2);
    EXPECT_EQ(Content(target->Db()), Content(dm->Db()));
    // Every recording byte for byte, found where the program looks for it.
    const auto who =
        target->FindPatient(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12));
    ASSERT_TRUE(who);
    const auto c = target->FindRecording(*who, QDate(2026, 11, 4), QTime(10, 15, 30));
    ASSERT_TRUE(c);
    QString device;
    EXPECT_EQ(target->OpenRecording(*c, &device)->Daten, Noise(12 * 1024, 1));
    EXPECT_EQ(device, QStringLiteral("ZUD12 Pro"));
    EXPECT_EQ(*target->Remarks(*c), QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen."));
}

TEST_P(Exchange, ImportRulesTwiceCaseAndDevices) {
    Fill(*dm);
    // One patient of the archive exists in the target with another letter case, a recording
    // of a device type the target does not know, and a recording that the target already has
    // with other bytes.
    const qint64 nodev = dm->InsertRecording(pb, QDate(2026, 10, 2), QTime(9, 0, 0), Noise(200, 5),
                                             QStringLiteral("ZUD12 Neu"));
    const qint64 nodev2 = dm->InsertRecording(pa, QDate(2026, 10, 3), QTime(9, 0, 0), Noise(300, 6),
                                              QStringLiteral("ZUD12 Neu"));
    const QString archive = File("a.qvz");
    dm2->Export(dm->Db(), {pa, pb}, archive);

    DbLocation where;
    auto target = Target(QStringLiteral("target"), &where);
    const qint64 lower =
        target->AddPatient(Person(QStringLiteral("müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
    const qint64 sameB = target->AddPatient(
        Person(QStringLiteral("Łukasiewicz"), QStringLiteral("Zofia"), QDate(1981, 1, 30)));
    const qint64 old = target->InsertRecording(sameB, QDate(2026, 10, 1), QTime(8, 0, 1), Noise(120, 77),
                                               QStringLiteral("ZUD12 Basic"));
    // The target already numbers its devices differently.
    target->Db().Exec(QStringLiteral("update QALGeraete set GERAETEID = 40"));
    target->Db().CommitRetaining();

    ExchangeDatabase other(where);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        QList<qint64> ids;
        for (const auto& p : other.OpenArchive(archive)) {
            ids << p.Identifikation;
        }
        const MergeResult m = other.Import(target->Db(), ids);
        EXPECT_EQ(m.patientsNew, round == 0 ? 1 : 0);
        EXPECT_EQ(m.patientsExisting, round == 0 ? 1 : 2);
        EXPECT_EQ(m.recordingsInserted, round == 0 ? 4 : 0);
        EXPECT_EQ(m.recordingsOverwritten, round == 0 ? 1 : 5);
        EXPECT_EQ(m.devicesAdded, round == 0 ? 2 : 0);
    }
    other.CloseArchive();
    auto& t = target->Db();
    // Letter case counts: "müller" stays alone and "Müller" came in as a second patient.
    EXPECT_EQ(Count(t, QStringLiteral("QALPatient")), 3);
    EXPECT_EQ(target->RecordingCount(lower), 0);
    const auto upper =
        target->FindPatient(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12));
    ASSERT_TRUE(upper);
    EXPECT_NE(*upper, lower);
    EXPECT_EQ(target->RecordingCount(*upper), 3);
    // The same patient: his recording of the same date and time was overwritten, not doubled.
    EXPECT_EQ(target->RecordingCount(sameB), 2);
    EXPECT_EQ(target->GetRecording(old)->Daten, Noise(89, 3));
    EXPECT_EQ(Count(t, QStringLiteral("ZUDData")), 5);
    // Devices: "ZUD12 Basic" was known (40), "ZUD12 Pro" and "ZUD12 Neu" were added once each
    // with max + 1, and the archive's SONSTIGES came along.
    const auto devs = t.Query(
        QStringLiteral("select GERAETENAME, GERAETEID, SONSTIGES from QALGeraete order by GERAETEID"));
    ASSERT_EQ(devs.size(), 3u);
    EXPECT_EQ(devs[0].Text(QStringLiteral("GERAETENAME")), QStringLiteral("ZUD12 Basic"));
    EXPECT_EQ(devs[0].Int(QStringLiteral("GERAETEID")), 40);
    EXPECT_EQ(devs[1].Int(QStringLiteral("GERAETEID")), 41);
    EXPECT_EQ(devs[2].Int(QStringLiteral("GERAETEID")), 42);
    QStringList added{devs[1].Text(QStringLiteral("GERAETENAME")),
                      devs[2].Text(QStringLiteral("GERAETENAME"))};
    added.sort();
    EXPECT_EQ(added, (QStringList{QStringLiteral("ZUD12 Neu"), QStringLiteral("ZUD12 Pro")}));
    const Row& pro =
        devs[1].Text(QStringLiteral("GERAETENAME")) == QLatin1String("ZUD12 Pro") ? devs[1] : devs[2];
    EXPECT_EQ(pro[QStringLiteral("SONSTIGES")].toByteArray(), QByteArray("\x01\x02sonstiges", 11));
    const qint64 neuId = (&pro == &devs[1] ? devs[2] : devs[1]).Int(QStringLiteral("GERAETEID"));
    // Both recordings of the new type point at the one new row.
    const auto neu = t.Query(QStringLiteral("select count(*) from ZUDData where TYP = %1").arg(neuId));
    EXPECT_EQ(neu.front().At(0).toLongLong(), 2);
    (void)nodev;
    (void)nodev2;
}

// Two workstations on one server share the folder of the archive database: while one has an
// archive open, the other's export fails instead of replacing it underneath.
TEST_P(Exchange, AnOpenArchiveIsNotReplacedByAnotherExport) {
    Fill(*dm);
    const QString first = File("erster.qvz");
    dm2->Export(dm->Db(), {pa}, first);
    ExchangeDatabase reader(loc);
    const auto listed = reader.OpenArchive(first);
    ASSERT_EQ(listed.size(), 1u);
    ExchangeDatabase other(loc);
    EXPECT_THROW(other.Export(dm->Db(), {pb}, File("zweiter.qvz")), db::DbError);
    EXPECT_FALSE(QFile::exists(File("zweiter.qvz")));
    DbLocation where;
    auto target = Target(QStringLiteral("t"), &where);
    const MergeResult m = reader.Import(target->Db(), {pa});
    reader.CloseArchive();
    EXPECT_EQ(m.patientsNew, 1);
    EXPECT_EQ(m.recordingsInserted, 2);
    EXPECT_TRUE(target->FindPatient(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
    // Closed: the next export works again.
    other.Export(dm->Db(), {pb}, File("zweiter.qvz"));
    EXPECT_TRUE(QFile::exists(File("zweiter.qvz")));
    EXPECT_THROW(reader.Import(target->Db(), {pa}), DataError);
}

TEST_P(Exchange, DeviceNumbersWithoutRowAndSelectedPatientsOnly) {
    Fill(*dm);
    // A recording whose device number has no row, and one without any.
    dm->Db().Exec(QStringLiteral("update ZUDData set TYP = 999 where COUNTER = %1").arg(ra2));
    dm->Db().Exec(QStringLiteral("update ZUDData set TYP = NULL where COUNTER = %1").arg(ra1));
    dm->Db().CommitRetaining();
    const QString archive = File("a.qvz");
    const ExportResult r = dm2->Export(dm->Db(), {pa}, archive);
    EXPECT_EQ(r.patients, 1);
    EXPECT_EQ(r.recordings, 2);
    DbLocation where;
    auto target = Target(QStringLiteral("t"), &where);
    ExchangeDatabase other(where);
    const auto listed = other.OpenArchive(archive);
    ASSERT_EQ(listed.size(), 1u);
    other.Import(target->Db(), {pa});
    const auto rows = target->Db().Query(QStringLiteral("select TYP from ZUDData"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[0].At(0).isValid());
    EXPECT_FALSE(rows[1].At(0).isValid());
    EXPECT_EQ(Count(target->Db(), QStringLiteral("QALGeraete")), 0);
    // A key the archive does not hold is an error, and nothing of it lands.
    EXPECT_THROW(other.Import(target->Db(), {pb}), DataError);
    other.CloseArchive();
    EXPECT_EQ(Count(target->Db(), QStringLiteral("QALPatient")), 1);
    EXPECT_THROW(dm2->Export(dm->Db(), {pb + 1000}, File("x.qvz")), DataError);
    EXPECT_FALSE(QFile::exists(File("x.qvz")));
    EXPECT_THROW(dm2->Export(dm->Db(), {}, File("x.qvz")), DataError);
}

TEST_P(Exchange, BadArchivesChangeNothing) {
    Fill(*dm);
    const QString archive = File("a.qvz");
    dm2->Export(dm->Db(), {pa, pb}, archive);
    const QByteArray whole = ReadAll(archive);
    DbLocation where;
    auto target = Target(QStringLiteral("t"), &where);
    target->AddPatient(Person(QStringLiteral("Bleibt"), QStringLiteral("Da"), QDate(1960, 1, 1)));
    const QStringList before = Content(target->Db());
    ExchangeDatabase other(where);

    const QString text = File("text.qvz");
    ASSERT_TRUE(Write(text, "kein Archiv"));
    const QString cut = File("cut.qvz");
    ASSERT_TRUE(Write(cut, whole.left(whole.size() * 2 / 3)));
    const QString bad = File("bad.qvz");
    QByteArray damaged = whole;
    for (qsizetype i = whole.size() / 2; i < whole.size() / 2 + 40; ++i) {
        damaged[i] = static_cast<char>(~damaged[i]);
    }
    ASSERT_TRUE(Write(bad, damaged));
    // A backup of the whole database is no patient archive.
    dm.reset();
    dm2->Backup(File("db.bak3"));
    dm = std::make_unique<PatientDatabase>(loc);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));

    const struct {
        QString path;
        const char* needle;
    } cases[] = {{text, "kein Archiv von ZUD-Software"},
                 {cut, "Archiv"},
                 {bad, "beschädigt"},
                 {File("db.bak3"), "enthält die Datei „ZUDData_exp.gbk“ nicht"},
                 {File("missing.qvz"), "gibt es nicht"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            other.OpenArchive(c.path);
            ADD_FAILURE() << "opened";
        } catch (const DataError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.needle))) << e.Message().toStdString();
        }
        EXPECT_EQ(Content(target->Db()), before);
    }
}

// ---------------------------------------------------------------- backup and restore

TEST_P(Exchange, BackupDeleteEverythingRestore) {
    Fill(*dm);
    const QStringList before = Content(dm->Db());
    const QString archive = File("sicherung.bak3");
    dm.reset(); // the embedded engine needs the file to itself
    const qint64 bytes = dm2->Backup(archive);
    EXPECT_EQ(bytes, QFileInfo(archive).size());
    EXPECT_TRUE(CabextractOk(archive));
    EXPECT_EQ(exchange::CabMembers(archive), QStringList{QStringLiteral("ZUDData3_exp.gbk")});

    dm = std::make_unique<PatientDatabase>(loc);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    dm->Db().Exec(QStringLiteral("delete from ZUDData"));
    dm->Db().Exec(QStringLiteral("delete from QALPatient"));
    dm->Db().Exec(QStringLiteral("delete from QALGeraete"));
    dm->Db().CommitRetaining();
    const qint64 next = dm->Db().NextId(QStringLiteral("GEN_QALPATIENT_ID"));
    dm->Db().CommitRetaining();
    ASSERT_TRUE(dm->AllPatients().empty());
    dm.reset();

    dm2->Restore(archive);
    EXPECT_TRUE(QDir(loc.dir).entryList({QStringLiteral("ZUDData3_neu*")}, QDir::Files).isEmpty());
    dm = std::make_unique<PatientDatabase>(loc);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    EXPECT_EQ(Content(dm->Db()), before);
    EXPECT_EQ(dm->GetRecording(ra2)->Daten, Noise(40000, 2));
    // The generators came back with the data: a new patient gets a fresh key.
    const qint64 fresh =
        dm->AddPatient(Person(QStringLiteral("Neu"), QStringLiteral("Nach"), QDate(1990, 2, 2)));
    EXPECT_GT(fresh, pb);
    EXPECT_LT(fresh, next + 1);

    // After a disk failure: no database file, not even its folder.
    dm.reset();
    ASSERT_TRUE(QDir(loc.dir).removeRecursively());
    dm2->Restore(archive);
    dm = std::make_unique<PatientDatabase>(loc);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    EXPECT_EQ(Content(dm->Db()), before);
}

TEST_P(Exchange, RestoreOfWrongFilesChangesNothing) {
    Fill(*dm);
    const QString qvz = File("a.qvz");
    dm2->Export(dm->Db(), {pa}, qvz);
    const QStringList before = Content(dm->Db());
    dm.reset();
    const QString text = File("text.bak3");
    ASSERT_TRUE(Write(text, "no backup"));
    dm2->Backup(File("ok.bak3"));
    const QByteArray whole = ReadAll(File("ok.bak3"));
    ASSERT_TRUE(Write(File("cut.bak3"), whole.left(whole.size() - 500)));
    // A cabinet holding a backup under the right name that is no database of this program.
    ASSERT_TRUE(Write(File("ZUDData3_exp.gbk"), "gbak? no."));
    exchange::WriteCab(File("junk.bak3"), QStringLiteral("ZUDData3_exp.gbk"), File("ZUDData3_exp.gbk"));
    const struct {
        QString path;
        const char* needle;
    } cases[] = {{text, "keine Datensicherung von ZUD-Software"},
                 {File("cut.bak3"), "Archiv"},
                 {qvz, "enthält die Datei „ZUDData3_exp.gbk“ nicht"},
                 {File("junk.bak3"), "Die Wiederherstellung der Datenbank ist fehlgeschlagen.\n(gbak"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            dm2->Restore(c.path);
            ADD_FAILURE() << "restored";
        } catch (const DataError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.needle))) << e.Message().toStdString();
        }
        EXPECT_TRUE(QDir(loc.dir).entryList({QStringLiteral("ZUDData3_neu*")}, QDir::Files).isEmpty());
        auto c2 = std::make_unique<PatientDatabase>(loc);
        c2->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        EXPECT_EQ(Content(c2->Db()), before);
    }
    // A restore while the database is open elsewhere is refused; the database stays.
    dm = std::make_unique<PatientDatabase>(loc);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    EXPECT_THROW(dm2->Restore(File("ok.bak3")), DataError);
    EXPECT_EQ(Content(dm->Db()), before);
}

TEST_P(Exchange, GbakFailuresAreReported) {
    // A database that is not there.
    try {
        exchange::GbakBackup(DatabaseString(loc, QStringLiteral("fehlt.gdb")), File("x.gbk"),
                             QString::fromLatin1(kAdminUser), QString::fromLatin1(kAdminPassword));
        ADD_FAILURE() << "backed up";
    } catch (const DataError& e) {
        EXPECT_TRUE(
            e.Message().startsWith(QStringLiteral("Die Datensicherung der Datenbank ist fehlgeschlagen.\n(")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QLatin1String("fehlt.gdb"))) << e.Message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(File("x.gbk")));
    if (Server()) {
        dm.reset();
        ExchangeDatabase wrong(loc, QStringLiteral("falsch"));
        try {
            wrong.Backup(File("x.bak3"));
            ADD_FAILURE() << "backed up with a wrong password";
        } catch (const DataError& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String("password"))) << e.Message().toStdString();
        }
        EXPECT_FALSE(QFile::exists(File("x.bak3")));
    }
}

// Every instance shares the work folder and empties its files when it closes: a backup that is
// running meanwhile keeps the password file that the database tool reads.
TEST_P(Exchange, ABackupOutlivesAnotherInstanceEmptyingTheWorkFolder) {
    int ticks = 0;
    exchange::Feedback fb;
    fb.progress = [&ticks](qint64, qint64) {
        ++ticks;
        EXPECT_TRUE(QDir(WorkFolder()).entryList({QStringLiteral("pw.*")}, QDir::Files).isEmpty());
        EmptyWorkFolder();
        return true;
    };
    ASSERT_TRUE(QDir(WorkFolder()).exists());
    EmptyWorkFolder();
    dm.reset(); // the embedded engine needs the file to itself
    EXPECT_GT(dm2->Backup(File("leer.bak3"), fb), 0);
    EXPECT_GT(ticks, 0);
}

// ---------------------------------------------------------------- take-over

// The previous version's database: no character set (8-bit text), the same tables.
void MakeOldDatabase(const DbLocation& old, const QString& password) {
    db::ConnectParams p{ExchangeDatabase::OldConnection(old), QStringLiteral("SYSDBA"), password, QString()};
    p.createCharset.clear();
    auto c = db::Connection::Create(p);
    for (const QString& sql : PatientDatabase::SchemaScript()) {
        c->Exec(sql);
    }
    c->Exec(QStringLiteral("CREATE GENERATOR GEN_QALPATIENT_ID"));
    c->Commit();
    EXPECT_EQ(c->DatabaseCharset(), QStringLiteral("NONE"));
    c->Exec(QStringLiteral("insert into QALPatient (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG, STRASSE) "
                           "values (5, ?, ?, ?, ?)"),
            {QStringLiteral("Größer"), QStringLiteral("Jürgen"), QDateTime(QDate(1950, 3, 3), QTime(0, 0)),
             QStringLiteral("Bahnhofstraße 1")});
    c->Exec(QStringLiteral(
                "insert into QALPatient (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG) values (9, ?, ?, ?)"),
            {QStringLiteral("Weiß"), QStringLiteral("Anna"), QDateTime(QDate(1960, 6, 6), QTime(0, 0))});
    c->Exec(
        QStringLiteral("insert into QALGeraete (ZAEHLER, GERAETEID, GERAETENAME) values (1, 100, 'ZUD12')"));
    c->Exec(
        QStringLiteral(
            "insert into ZUDData (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN, BEMERKUNGEN) "
            "values (3, 100, 5, ?, ?, 4, ?, ?)"),
        {QDateTime(QDate(2010, 5, 5), QTime(0, 0)), QDateTime(QDate(1899, 12, 30), QTime(11, 12, 13)),
         Noise(5000, 4),
         QByteArray("M\xFC"
                    "de",
                    4)});
    c->Commit();
}

TEST_P(Exchange, TakeOverOnlyIntoEmptyDatabaseFromAnAnsweringOne) {
    DbLocation old = Beside(loc, dir, QStringLiteral("alt"));
    FirebirdServer oldServer;
    if (Server()) {
        // The previous version's server with its own default password.
        const QString failed =
            oldServer.Start(dir.filePath(QStringLiteral("oldserver")), QStringLiteral(ZUD_BIN_DIR "/zudctl"),
                            QString::fromLatin1(kOldPassword));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
        old.port = QString::number(oldServer.Port());
    }
    // Nothing there yet: not offered.
    EXPECT_FALSE(ExchangeDatabase::OldDatabaseAnswers(old));
    EXPECT_FALSE(ExchangeDatabase::TakeOverWanted(dm->Db(), old));
    MakeOldDatabase(old, QString::fromLatin1(kOldPassword));
    EXPECT_TRUE(ExchangeDatabase::OldDatabaseAnswers(old));
    EXPECT_TRUE(ExchangeDatabase::TakeOverWanted(dm->Db(), old));

    QStringList steps;
    exchange::Feedback fb;
    fb.step = [&](const QString& s) { steps << s; };
    const MergeResult m = dm2->TakeOver(dm->Db(), old, fb);
    EXPECT_EQ(steps,
              (QStringList{QStringLiteral("Konvertiere alte Datei-Struktur"),
                           QStringLiteral("Erzeuge neue Datei-Struktur"), QStringLiteral("Importieren...")}));
    EXPECT_EQ(m.patientsNew, 2);
    EXPECT_EQ(m.recordingsInserted, 1);
    EXPECT_EQ(m.devicesAdded, 1);
    // 8-bit names came across as the letters they were.
    const auto p = dm->FindPatient(QStringLiteral("Größer"), QStringLiteral("Jürgen"), QDate(1950, 3, 3));
    ASSERT_TRUE(p);
    EXPECT_EQ(dm->GetPatient(*p)->Strasse, QStringLiteral("Bahnhofstraße 1"));
    ASSERT_TRUE(dm->FindPatient(QStringLiteral("Weiß"), QStringLiteral("Anna"), QDate(1960, 6, 6)));
    const auto recs = dm->ListRecordings(*p);
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(dm->GetRecording(recs[0].Counter)->Daten, Noise(5000, 4));
    EXPECT_EQ(recs[0].Uhrzeit, QTime(11, 12, 13));
    EXPECT_EQ(*dm->Remarks(recs[0].Counter), QStringLiteral("Müde"));
    QString device;
    dm->OpenRecording(recs[0].Counter, &device);
    EXPECT_EQ(device, QStringLiteral("ZUD12"));
    // The copy is gone again, the old database untouched.
    EXPECT_FALSE(QFile::exists(QDir(loc.dir).filePath(QStringLiteral("ZUDData_imp.gdb"))));
    EXPECT_TRUE(ExchangeDatabase::OldDatabaseAnswers(old));
    // Now the database has patients: neither offered nor done again.
    EXPECT_FALSE(ExchangeDatabase::TakeOverWanted(dm->Db(), old));
    EXPECT_THROW(dm2->TakeOver(dm->Db(), old), DataError);
    EXPECT_EQ(dm->AllPatients().size(), 2u);
}

// An archive that an older installation wrote: its export database has no character set, its
// names are 8-bit text.
TEST_P(Exchange, ArchiveWithEightBitTextFromAnOlderInstallation) {
    DbLocation old = Beside(loc, dir, QStringLiteral("altexport"));
    if (Server()) {
        old.server = loc.server;
        old.port = loc.port;
    }
    MakeOldDatabase(old, QString::fromLatin1(kAdminPassword));
    const QString gbk = File("ZUDData_exp.gbk");
    exchange::GbakBackup(ExchangeDatabase::OldConnection(old), gbk, QString::fromLatin1(kAdminUser),
                         QString::fromLatin1(kAdminPassword));
    const QString archive = File("alt.qvz");
    exchange::WriteCab(archive, QStringLiteral("ZUDData_exp.gbk"), gbk);
    const auto listed = dm2->OpenArchive(archive);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].Name, QStringLiteral("Größer"));
    EXPECT_EQ(listed[0].Vorname, QStringLiteral("Jürgen"));
    EXPECT_EQ(listed[1].Name, QStringLiteral("Weiß"));
    dm2->Import(dm->Db(), {listed[0].Identifikation, listed[1].Identifikation});
    dm2->CloseArchive();
    const auto p = dm->FindPatient(QStringLiteral("Größer"), QStringLiteral("Jürgen"), QDate(1950, 3, 3));
    ASSERT_TRUE(p);
    EXPECT_EQ(dm->GetPatient(*p)->Strasse, QStringLiteral("Bahnhofstraße 1"));
    const auto recs = dm->ListRecordings(*p);
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(*dm->Remarks(recs[0].Counter), QStringLiteral("Müde"));
    EXPECT_EQ(dm->GetRecording(recs[0].Counter)->Daten, Noise(5000, 4));
}

// ---------------------------------------------------------------- zudctl

TEST_P(Exchange, ZudctlCommands) {
    Fill(*dm);
    dm.reset();
    QStringList db{QStringLiteral("--db-dir"), loc.dir};
    if (Server()) {
        db << QStringLiteral("--db-server") << QStringLiteral("127.0.0.1") << QStringLiteral("--db-port")
           << loc.port;
    }
    QString out, err;
    const QString qvz = File("z.qvz");
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("export"), QStringLiteral("--patients"),
                                      QStringLiteral("%1,%2").arg(pa).arg(pb), qvz},
                     out, err),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("patients 2;recordings 3;devices 2;bytes ")))
        << out.toStdString();
    EXPECT_TRUE(CabextractOk(qvz));
    // Usage errors: exit 2, nothing done.
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("export"), qvz}, out, err), 2);
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("export"), QStringLiteral("--patients"),
                                      QStringLiteral("x"), qvz},
                     out, err),
              2);
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("restore"), File("b.bak3")}, out, err), 2);
    // Failures: exit 1 with the reason.
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("export"), QStringLiteral("--patients"),
                                      QStringLiteral("4711"), qvz},
                     out, err),
              1);
    EXPECT_TRUE(err.contains(QLatin1String("4711"))) << err.toStdString();
    ASSERT_TRUE(Write(File("t.qvz"), "text"));
    EXPECT_EQ(RunCtl(db + QStringList{QStringLiteral("import"), File("t.qvz")}, out, err), 1);
    EXPECT_TRUE(err.contains(QLatin1String("kein Archiv"))) << err.toStdString();

    // Into a second database: one patient, then all; the second import finds everything.
    DbLocation where = Beside(loc, dir, QStringLiteral("ziel"));
    {
        PatientDatabase t(where);
        t.EnsureInstalled();
    }
    QStringList db2{QStringLiteral("--db-dir"), where.dir};
    if (Server()) {
        db2 << QStringLiteral("--db-server") << QStringLiteral("127.0.0.1") << QStringLiteral("--db-port")
            << loc.port;
    }
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("import"), qvz, QStringLiteral("--patients"),
                                       QString::number(pb)},
                     out, err),
              0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral(
                       "patients new 1;patients existing 0;recordings inserted 1;recordings overwritten 0;"
                       "devices added 1\n"));
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("import"), qvz, QStringLiteral("--patients"),
                                       QStringLiteral("4711")},
                     out, err),
              1);
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("import"), qvz}, out, err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral(
                       "patients new 1;patients existing 1;recordings inserted 2;recordings overwritten 1;"
                       "devices added 1\n"));

    // Backup, delete, restore through zudctl.
    const QString bak = File("z.bak3");
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("backup"), bak}, out, err), 0) << err.toStdString();
    EXPECT_TRUE(CabextractOk(bak));
    QStringList before;
    {
        PatientDatabase t(where);
        t.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        before = Content(t.Db());
        EXPECT_EQ(before.size(), 5);
        t.Db().Exec(QStringLiteral("delete from ZUDData"));
        t.Db().Exec(QStringLiteral("delete from QALPatient"));
        t.Db().CommitRetaining();
    }
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("restore"), bak, QStringLiteral("--yes")}, out, err), 0)
        << err.toStdString();
    {
        PatientDatabase t(where);
        t.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        EXPECT_EQ(Content(t.Db()), before);
    }
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("restore"), qvz, QStringLiteral("--yes")}, out, err),
              1);
    EXPECT_TRUE(err.contains(QLatin1String("ZUDData3_exp.gbk"))) << err.toStdString();
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("backup"), File("no/dir/x.bak3")}, out, err), 1);

    // Take-over: the old database answers, but the target is not empty; then into an empty one.
    DbLocation old = Beside(loc, dir, QStringLiteral("alt"));
    old.server = QStringLiteral("EMBEDDED");
    if (!Server()) {
        MakeOldDatabase(old, QString::fromLatin1(kOldPassword));
        EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("takeover"), QStringLiteral("--old-dir"), old.dir},
                         out, err),
                  1);
        EXPECT_TRUE(err.contains(QLatin1String("ohne Patienten"))) << err.toStdString();
        DbLocation empty = Beside(loc, dir, QStringLiteral("leer"));
        {
            PatientDatabase t(empty);
            t.EnsureInstalled();
        }
        EXPECT_EQ(RunCtl(QStringList{QStringLiteral("--db-dir"), empty.dir, QStringLiteral("takeover"),
                                     QStringLiteral("--old-dir"), old.dir},
                         out, err),
                  0)
            << err.toStdString();
        EXPECT_EQ(out,
                  QStringLiteral(
                      "patients new 2;patients existing 0;recordings inserted 1;recordings overwritten 0;"
                      "devices added 1\n"));
    }
    EXPECT_EQ(RunCtl(db2 + QStringList{QStringLiteral("takeover"), QStringLiteral("--old-dir"),
                                       dir.filePath(QStringLiteral("nix"))},
                     out, err),
              1);
    EXPECT_TRUE(err.contains(QLatin1String("antwortet nicht"))) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Firebird, Exchange, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

} // namespace
