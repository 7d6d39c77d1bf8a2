#include "ExchangeDatabase.h"

#include "Allocator.h"
#include "Cab.h"
#include "CheckedFile.h"
#include "Gbak.h"
#include "Paths.h"
#include "Settings.h"
#include "WorkArea.h"

#include <firebird/Interface.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace zud {

using db::Connection;
using db::DbError;
using db::Row;
using exchange::Feedback;

namespace {

// Delphi's time values carry this date; stored times keep it so other tools read them alike.
const QDate kZeitDatum(1899, 12, 30);

const QString kDeviceSelect =
    QStringLiteral("Select GERAETEID, GERAETENAME, SONSTIGES, ZAEHLER from QALGERAETE");
const QString kPatientColumns =
    QStringLiteral("BEH_ARZT, BEMERKUNGEN, EMAIL, FAX, GEBURTSTAG, GESCHLECHT, GEWICHT, GROESSE, HAUSARZT, "
                   "IDENTIFIKATION, KRANKENKASSE, LETZTER_ZUGRIFF, N_TERMIN, NAME, NUMMER, PLZ, STRASSE, "
                   "TELEFON, VNUMMER, VORNAME, WOHNORT");
const QString kRecordingColumns =
    QStringLiteral("BEMERKUNGEN, BETRIEBSART, COUNTER, DATEN, DATUM, LETZTER_ZUGRIFF, PATIENT, TYP, UHRZEIT");

// Inserts a row into `table` with the given columns and values.
void Insert(Connection& c, const QString& table, const QStringList& columns, const QVariantList& values) {
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    c.Exec(QStringLiteral("insert into %1 (%2) values (%3)")
               .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
           values);
}

// Copies a result row unchanged (every column of it) into `table` of `to`.
void CopyRow(Connection& to, const QString& table, const Row& r) {
    QVariantList values;
    for (int i = 0; i < r.Size(); ++i) {
        values << r.At(i);
    }
    Insert(to, table, *r.Names(), values);
}

// Attaches to the database with the user's name, password and `forceWrite` (-1: the database's
// own setting) and ends the attachment with `end` (drop or detach); errors are the caller's to
// ignore, whatever was opened is released.
void AttachAndEnd(const db::ConnectParams& p, int forceWrite,
                  void (*end)(Firebird::IAttachment*, Firebird::ThrowStatusWrapper*)) {
    using namespace Firebird;
    const db::ClientCall call;
    IMaster* master = fb_get_master_interface();
    ThrowStatusWrapper st(master->getStatus());
    IXpbBuilder* dpb = nullptr;
    IProvider* prov = nullptr;
    IAttachment* att = nullptr;
    try {
        dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, p.user.toUtf8().constData());
        dpb->insertString(&st, isc_dpb_password, p.password.toUtf8().constData());
        if (forceWrite >= 0) {
            dpb->insertInt(&st, isc_dpb_force_write, forceWrite);
        }
        prov = master->getDispatcher();
        att = prov->attachDatabase(&st, p.database.toUtf8().constData(), dpb->getBufferLength(&st),
                                   dpb->getBuffer(&st));
        end(att, &st); // releases the attachment on success
        att = nullptr;
    } catch (const FbException&) {
    }
    if (att) {
        att->release();
    }
    if (prov) {
        prov->release();
    }
    if (dpb) {
        dpb->dispose();
    }
    st.dispose();
}

// Drops a database; errors (above all: there is none) are the caller's to ignore.
void DropDatabase(const db::ConnectParams& p) {
    AttachAndEnd(p, -1,
                 [](Firebird::IAttachment* att, Firebird::ThrowStatusWrapper* st) { att->dropDatabase(st); });
}

// A throw-away database (the export's) writes without waiting for the disk at every page:
// it is backed up once and dropped, and a crash meanwhile only means exporting again (and
// without it, only slower).
void WriteAsync(const db::ConnectParams& p) {
    AttachAndEnd(p, 0, [](Firebird::IAttachment* att, Firebird::ThrowStatusWrapper* st) { att->detach(st); });
}

// The column names of a table in a database.
QStringList Columns(Connection& c, const QString& table) {
    QStringList out;
    for (const Row& r : c.Query(QStringLiteral("select RDB$FIELD_NAME from RDB$RELATION_FIELDS where "
                                               "RDB$RELATION_NAME = ? order by RDB$FIELD_POSITION"),
                                {table})) {
        out << r.At(0).toString().trimmed().toUpper();
    }
    return out;
}

// Merges patients of one database into another by the rules of the import: a patient is the
// same when surname, first name and birth date are exactly equal, a recording when its patient,
// date and time of day are; device numbers are translated through the device names.
class Merger {
public:
    Merger(Connection& source, Connection& target) : FSource(source), FTarget(target) {
        for (const Row& r : FSource.Query(kDeviceSelect + QStringLiteral(" order by ZAEHLER"))) {
            const QVariant id = r[QStringLiteral("GERAETEID")];
            if (id.isValid() && !FSourceDevices.contains(id.toLongLong())) {
                FSourceDevices.insert(id.toLongLong(), r);
            }
        }
        FPatientColumns = Columns(FTarget, QStringLiteral("QALPATIENT"));
        FRecordingColumns = Columns(FTarget, QStringLiteral("ZUDDATA"));
        if (FPatientColumns.isEmpty() || FRecordingColumns.isEmpty()) {
            throw DataError(QCoreApplication::translate(
                "Austausch", "Die Zieldatenbank enthält die Tabellen dieses Programms nicht."));
        }
    }

    // Merges one patient; the caller commits.
    void Patient(qint64 sourceId, MergeResult& result) {
        const auto rows =
            FSource.Query(QStringLiteral("Select * from QALPatient where Identifikation = %1").arg(sourceId));
        if (rows.empty()) {
            throw DataError(
                QCoreApplication::translate("Austausch", "Der Patient %1 ist im Archiv nicht enthalten.")
                    .arg(sourceId));
        }
        const Row& p = rows.front();
        const qint64 target = TargetPatient(p, result);
        const auto counters = FSource.Query(
            QStringLiteral("Select COUNTER from ZUDData where Patient = %1 order by COUNTER").arg(sourceId));
        for (const Row& c : counters) {
            const auto rec = FSource.Query(
                QStringLiteral("Select * from ZUDData where COUNTER = %1").arg(c.At(0).toLongLong()));
            if (!rec.empty()) {
                Recording(rec.front(), target, result);
            }
        }
    }

private:
    qint64 TargetPatient(const Row& p, MergeResult& result) {
        const QVariant name = p[QStringLiteral("NAME")];
        const QVariant vorname = p[QStringLiteral("VORNAME")];
        const QVariant geburtstag = p[QStringLiteral("GEBURTSTAG")];
        // Missing values count as equal to missing values, so that importing twice never
        // doubles a patient; the comparison itself is exact (letter case, blanks).
        const auto found = FTarget.Query(
            QStringLiteral("select IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG from QALPatient where "
                           "NAME is not distinct from ? and VORNAME is not distinct from ? and "
                           "GEBURTSTAG is not distinct from ? order by IDENTIFIKATION"),
            {name, vorname, geburtstag});
        for (const Row& r : found) {
            if (r[QStringLiteral("NAME")] == name && r[QStringLiteral("VORNAME")] == vorname &&
                r[QStringLiteral("GEBURTSTAG")] == geburtstag) {
                ++result.patientsExisting;
                return r.Int(QStringLiteral("IDENTIFIKATION"));
            }
        }
        const qint64 id = FTarget.NextId(QStringLiteral("GEN_QALPATIENT_ID"));
        QStringList columns{QStringLiteral("IDENTIFIKATION")};
        QVariantList values{id};
        for (int i = 0; i < p.Size(); ++i) {
            const QString& col = p.Names()->at(i);
            if (col != QLatin1String("IDENTIFIKATION") && FPatientColumns.contains(col)) {
                columns << col;
                values << p.At(i);
            }
        }
        Insert(FTarget, QStringLiteral("QALPATIENT"), columns, values);
        ++result.patientsNew;
        return id;
    }

    void Recording(const Row& m, qint64 patient, MergeResult& result) {
        const QVariant datum = m[QStringLiteral("DATUM")];
        const QVariant uhrzeit = m[QStringLiteral("UHRZEIT")];
        std::optional<qint64> existing;
        // The time counts by its time of day, whatever date part a program stored with it.
        for (const Row& r :
             FTarget.Query(QStringLiteral("select COUNTER, UHRZEIT from ZUDData where Patient = %1 "
                                          "and DATUM is not distinct from ? order by COUNTER")
                               .arg(patient),
                           {datum})) {
            const QVariant t = r[QStringLiteral("UHRZEIT")];
            if (t.isValid() == uhrzeit.isValid() &&
                (!t.isValid() || t.toDateTime().time() == uhrzeit.toDateTime().time())) {
                existing = r.Int(QStringLiteral("COUNTER"));
                break;
            }
        }
        QStringList columns;
        QVariantList values;
        for (int i = 0; i < m.Size(); ++i) {
            const QString& col = m.Names()->at(i);
            if (col == QLatin1String("COUNTER") || !FRecordingColumns.contains(col)) {
                continue;
            }
            if (col == QLatin1String("PATIENT")) {
                columns << col;
                values << patient;
            } else if (col == QLatin1String("TYP")) {
                const std::optional<QVariant> typ = Typ(m.At(i), result);
                if (typ) {
                    columns << col;
                    values << *typ;
                }
            } else {
                columns << col;
                values << m.At(i);
            }
        }
        if (existing) {
            QStringList sets;
            for (const QString& c : columns) {
                sets << c + QStringLiteral(" = ?");
            }
            FTarget.Exec(QStringLiteral("update ZUDData set %1 where COUNTER = %2")
                             .arg(sets.join(QStringLiteral(", ")))
                             .arg(*existing),
                         values);
            ++result.recordingsOverwritten;
        } else {
            columns.prepend(QStringLiteral("COUNTER"));
            values.prepend(FTarget.NextId(QStringLiteral("GEN_ZUDDATA_ID")));
            Insert(FTarget, QStringLiteral("ZUDDATA"), columns, values);
            ++result.recordingsInserted;
        }
    }

    // The target's device number for the source's; nullopt: left unset (the source has no
    // device row of that number).
    std::optional<QVariant> Typ(const QVariant& typ, MergeResult& result) {
        if (!typ.isValid()) {
            return QVariant();
        }
        const auto src = FSourceDevices.constFind(typ.toLongLong());
        if (src == FSourceDevices.constEnd()) {
            return std::nullopt;
        }
        const QVariant name = (*src)[QStringLiteral("GERAETENAME")];
        const QString key = name.isValid() ? QStringLiteral("=") + name.toString() : QStringLiteral("NULL");
        if (const auto known = FTargetDevices.constFind(key); known != FTargetDevices.constEnd()) {
            return *known;
        }
        for (const Row& r :
             FTarget.Query(QStringLiteral("select GERAETEID, GERAETENAME from QALGeraete where "
                                          "GERAETENAME is not distinct from ? order by ZAEHLER"),
                           {name})) {
            if (r[QStringLiteral("GERAETENAME")] == name) {
                const QVariant id = r[QStringLiteral("GERAETEID")];
                FTargetDevices.insert(key, id);
                return id;
            }
        }
        const auto max = FTarget.Query(QStringLiteral("select max(GeraeteID) from QALGeraete"));
        const qint64 next =
            max.empty() || !max.front().At(0).isValid() ? 1 : max.front().At(0).toLongLong() + 1;
        Insert(FTarget, QStringLiteral("QALGERAETE"),
               {QStringLiteral("ZAEHLER"), QStringLiteral("GERAETEID"), QStringLiteral("GERAETENAME"),
                QStringLiteral("SONSTIGES")},
               {FTarget.NextId(QStringLiteral("GEN_GERAETE_ID")), next, name,
                (*src)[QStringLiteral("SONSTIGES")]});
        ++result.devicesAdded;
        FTargetDevices.insert(key, next);
        return QVariant(next);
    }

    Connection& FSource;
    Connection& FTarget;
    QHash<qint64, Row> FSourceDevices;
    QHash<QString, QVariant> FTargetDevices;
    QStringList FPatientColumns, FRecordingColumns;
};

// The tables and generators of this program's main database are there.
bool IsMainDatabase(Connection& c) {
    const auto tables = c.Query(QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME "
                                               "in ('QALPATIENT', 'ZUDDATA', 'QALGERAETE')"));
    const auto gens = c.Query(QStringLiteral(
        "select count(*) from RDB$GENERATORS where RDB$GENERATOR_NAME in ('GEN_QALPATIENT_ID', "
        "'GEN_ZUDDATA_ID', 'GEN_GERAETE_ID')"));
    return !tables.empty() && tables.front().At(0).toLongLong() == 3 && !gens.empty() &&
           gens.front().At(0).toLongLong() == 3;
}

QString PatientText(Connection& c, qint64 id) {
    try {
        const auto r =
            c.Query(QStringLiteral("select NAME, VORNAME from QALPatient where IDENTIFIKATION = %1").arg(id));
        if (!r.empty()) {
            return QStringLiteral("%1 %2").arg(r.front().Text(QStringLiteral("VORNAME")),
                                               r.front().Text(QStringLiteral("NAME")));
        }
    } catch (const DbError&) {
    }
    return QString::number(id);
}

// The database file locked against every engine. The embedded engine and a server hold a lock
// on a database file while anybody is attached to it: taking it fails then, and while it is held
// nobody can attach. Throws DataError when the database is in use. Where this user may not open
// the server's file, the server is asked for the attachments instead.
class LiveDatabaseLock {
public:
    LiveDatabaseLock(const DbLocation& loc, const db::ConnectParams& admin) {
        const QString path = loc.FilePath();
        if (!QFileInfo::exists(path)) {
            return; // after a disk failure there may be no database: nobody can be using it
        }
        FFd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (FFd >= 0) {
            if (::flock(FFd, LOCK_EX | LOCK_NB) != 0) {
                Release();
                throw DataError(QCoreApplication::translate(
                    "Austausch", "Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem "
                                 "Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut."));
            }
            return;
        }
        auto c = Connection::Attach(admin);
        const auto others = c->Query(QStringLiteral(
            "select count(*) from MON$ATTACHMENTS where MON$ATTACHMENT_ID <> CURRENT_CONNECTION and "
            "MON$SYSTEM_FLAG = 0"));
        if (!others.empty() && others.front().At(0).toLongLong() > 0) {
            throw DataError(
                QCoreApplication::translate(
                    "Austausch",
                    "Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem "
                    "Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.")
                    .arg(others.front().At(0).toLongLong()));
        }
    }
    ~LiveDatabaseLock() { Release(); }
    LiveDatabaseLock(const LiveDatabaseLock&) = delete;
    LiveDatabaseLock& operator=(const LiveDatabaseLock&) = delete;
    void Release() {
        if (FFd >= 0) {
            ::close(FFd);
            FFd = -1;
        }
    }

private:
    int FFd = -1;
};

} // namespace

// ---------------------------------------------------------------- locations

QString DatabaseString(const DbLocation& loc, const QString& file) {
    QString d = loc.dir;
    if (!d.isEmpty() && !d.endsWith(QLatin1Char('/'))) {
        d += QLatin1Char('/');
    }
    if (loc.Embedded()) {
        return d + file;
    }
    return QStringLiteral("%1/%2:%3%4").arg(loc.Server(), loc.port, d, file);
}

bool DatabaseIsLocal(const DbLocation& loc) {
    if (loc.Embedded()) {
        return true;
    }
    const QString s = loc.Server().toUpper();
    return s == QLatin1String("127.0.0.1") || s == QLatin1String("LOCALHOST") ||
           s == QSysInfo::machineHostName().toUpper();
}

DbLocation OldLocationFromSettings(const Settings& s) {
    return {.server = s.SQLServer(),
            .port = s.RemoteServicePort(),
            .dir = s.SQLDir(),
            .codePage = s.SQLCodePage3()};
}

// ---------------------------------------------------------------- module

ExchangeDatabase::ExchangeDatabase(DbLocation main, QString adminPassword)
    : FMain(std::move(main)), FAdminPassword(std::move(adminPassword)) {
    if (FMain.Embedded() && qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
        db::SetLockFolder(LockFolder());
    }
}

ExchangeDatabase::~ExchangeDatabase() {
    // An archive still open goes with the module: no copy of its patients stays behind.
    if (FArchive || FArchiveRun) {
        CloseArchive();
    }
}

QString ExchangeDatabase::ExportConnection() const {
    return DatabaseString(FMain, QString::fromLatin1(kExportDatabase));
}

QString ExchangeDatabase::TakeOverConnection() const {
    return DatabaseString(FMain, QString::fromLatin1(kTakeOverDatabase));
}

QString ExchangeDatabase::OldConnection(const DbLocation& old) {
    return DatabaseString(old, QString::fromLatin1(kOldDatabase));
}

QStringList ExchangeDatabase::SchemaScript() {
    return PatientDatabase::SchemaScript();
}

db::ConnectParams ExchangeDatabase::Admin(const QString& database) const {
    db::ConnectParams p{database, QString::fromLatin1(kAdminUser), FAdminPassword, QString()};
    p.codePage = FMain.codePage;
    return p;
}

QString ExchangeDatabase::LocalFile(const char* name) const {
    return DatabaseIsLocal(FMain) && !FMain.dir.isEmpty()
               ? QDir(FMain.dir).filePath(QString::fromLatin1(name))
               : QString();
}

std::unique_ptr<exchange::RunFolder> ExchangeDatabase::NewRun() {
    return std::make_unique<exchange::RunFolder>(exchange::ExchangeWorkFolder(FMain),
                                                 [this](const QString& c) { DropDatabase(Admin(c)); });
}

int ExchangeDatabase::RemoveLeftovers() {
    int removed = 0;
    for (const QString& folder : exchange::ExistingExchangeWorkFolders(FMain)) {
        removed += exchange::RemoveLeftovers(folder, [this](const QString& c) { DropDatabase(Admin(c)); });
    }
    return removed;
}

MergeResult ExchangeDatabase::Merge(Connection& source, Connection& main, const QList<qint64>& patients,
                                    const Feedback& fb) {
    MergeResult result;
    Merger merger(source, main);
    qint64 done = 0;
    for (const qint64 id : patients) {
        exchange::CheckCancel(fb, done, patients.size());
        try {
            merger.Patient(id, result);
            main.CommitRetaining();
        } catch (...) {
            // What this patient had done so far is undone; the ones before stay.
            try {
                main.Rollback();
            } catch (const DbError&) {
            }
            try {
                throw;
            } catch (const DbError& e) {
                throw DataError(QCoreApplication::translate(
                                    "Austausch",
                                    "Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor "
                                    "wurden übernommen.\n%3")
                                    .arg(PatientText(source, id))
                                    .arg(done)
                                    .arg(db::DescribeError(e)));
            }
        }
        ++done;
    }
    exchange::CheckCancel(fb, done, patients.size());
    return result;
}

// ---------------------------------------------------------------- export

ExportResult ExchangeDatabase::Export(Connection& main, const QList<qint64>& patients, const QString& archive,
                                      const Feedback& fb) {
    const FreePagesBackAtEnd pagesBack; // a copy of the database and every recording pass through
    if (patients.isEmpty()) {
        throw DataError(QCoreApplication::translate("Austausch", "Es ist kein Patient ausgewählt."));
    }
    QString why;
    if (!CheckDestination(archive, &why)) {
        throw DataError(why);
    }
    fb.Step(QCoreApplication::translate("Austausch", "Exportieren"));
    ExportResult result;
    const auto run = NewRun();
    const QString gbk = run->File(kExportBackup);
    // A copy of patients' data: dropped at the end, and after a kill by the next cleanup.
    run->TrackDatabase(ExportConnection(), LocalFile(kExportDatabase));
    struct DropAtEnd {
        ExchangeDatabase* self;
        ~DropAtEnd() { DropDatabase(self->Admin(self->ExportConnection())); }
    } dropAtEnd{this};
    CloseArchive(); // an archive opened through this module is given up
    DropDatabase(Admin(ExportConnection()));
    Connection::Create(Admin(ExportConnection()));
    WriteAsync(Admin(ExportConnection()));
    {
        auto exp = Connection::Attach(Admin(ExportConnection()));
        for (const QString& sql : SchemaScript()) {
            exp->Exec(sql);
        }
        exp->Commit();
        for (const Row& r : main.Query(kDeviceSelect)) {
            CopyRow(*exp, QStringLiteral("QALGERAETE"), r);
            ++result.devices;
        }
        // Every recording of every patient, each read alone: a patient with many long
        // recordings never needs them all in memory at once.
        std::vector<std::pair<qint64, qint64>> recordings; // patient, counter
        for (const qint64 id : patients) {
            const auto rows = main.Query(QStringLiteral("select %1 from QALPatient Where Identifikation = %2")
                                             .arg(kPatientColumns)
                                             .arg(id));
            if (rows.empty()) {
                throw DataError(QCoreApplication::translate(
                                    "Austausch", "Den Patienten %1 gibt es in der Datenbank nicht (mehr).")
                                    .arg(id));
            }
            CopyRow(*exp, QStringLiteral("QALPATIENT"), rows.front());
            ++result.patients;
            for (const Row& c :
                 main.Query(QStringLiteral("select COUNTER from ZUDData Where Patient = %1 order by COUNTER")
                                .arg(id))) {
                recordings.emplace_back(id, c.At(0).toLongLong());
            }
        }
        qint64 done = 0;
        const auto total = static_cast<qint64>(recordings.size());
        for (const auto& [patient, counter] : recordings) {
            exchange::CheckCancel(fb, done, total);
            const auto rows = main.Query(QStringLiteral("select %1 from ZUDData Where COUNTER = %2")
                                             .arg(kRecordingColumns)
                                             .arg(counter));
            // Deleted at another workstation since it was listed: it is not part of the export.
            if (!rows.empty()) {
                CopyRow(*exp, QStringLiteral("ZUDDATA"), rows.front());
                ++result.recordings;
            }
            ++done;
        }
        exchange::CheckCancel(fb, done, total);
        exp->Commit();
        // Closed here: the backup tool needs the file to itself.
    }
    GbakBackup(ExportConnection(), gbk, QString::fromLatin1(kAdminUser), FAdminPassword, fb);
    fb.Step(QCoreApplication::translate("Austausch", "Datenbank Packen"));
    exchange::WriteCab(archive, QString::fromLatin1(kExportBackup), gbk, fb, run.get());
    result.archiveBytes = QFileInfo(archive).size();
    return result;
}

// ---------------------------------------------------------------- import

std::vector<ArchivePatient> ExchangeDatabase::OpenArchive(const QString& archive, const Feedback& fb) {
    if (!QFileInfo(archive).isFile()) {
        throw DataError(QCoreApplication::translate("Austausch", "Die Datei gibt es nicht: %1").arg(archive));
    }
    if (!exchange::IsCab(archive)) {
        throw DataError(
            QCoreApplication::translate("Austausch", "Die Datei ist kein Archiv von ZUD-Software: %1")
                .arg(archive));
    }
    fb.Step(QCoreApplication::translate("Austausch", "Datenbank Entpacken"));
    CloseArchive(); // the restore replaces the file
    // The run lasts while the archive is open: the restored copy of its patients is noted in its
    // journal, so that a program killed meanwhile leaves no copy behind after the next start.
    FArchiveRun = NewRun();
    FArchiveRun->TrackDatabase(ExportConnection(), LocalFile(kExportDatabase));
    const QString gbk =
        exchange::ExtractCabMember(archive, QString::fromLatin1(kExportBackup), FArchiveRun->Path(), fb);
    try {
        GbakRestore(gbk, ExportConnection(), QString::fromLatin1(kAdminUser), FAdminPassword, fb);
    } catch (const DataError&) {
        // What the failed restore wrote is no database to keep.
        CloseArchive();
        throw;
    }
    QFile::remove(gbk); // restored: the extracted backup is not needed while the archive is open
    std::vector<ArchivePatient> out;
    try {
        FArchive = Connection::Attach(Admin(ExportConnection()));
        auto& exp = FArchive;
        for (const Row& r : exp->Query(QStringLiteral("Select * from QALPatient\norder by name"))) {
            ArchivePatient p;
            p.Identifikation = r.Int(QStringLiteral("IDENTIFIKATION"), -1);
            p.Name = r.Text(QStringLiteral("NAME"));
            p.Vorname = r.Text(QStringLiteral("VORNAME"));
            p.Geburtstag = r[QStringLiteral("GEBURTSTAG")].toDateTime().date();
            p.LetzterZugriff = r[QStringLiteral("LETZTER_ZUGRIFF")].toDateTime();
            out.push_back(p);
        }
        exp->Query(QStringLiteral("select first 1 COUNTER, DATEN, DATUM, UHRZEIT, TYP from ZUDData"));
        exp->Query(QStringLiteral("select first 1 GERAETEID, GERAETENAME from QALGeraete"));
    } catch (const DbError& e) {
        CloseArchive();
        throw DataError(QCoreApplication::translate(
                            "Austausch", "Das Archiv enthält keine Patientendaten von ZUD-Software: %1\n%2")
                            .arg(archive, db::DescribeError(e)));
    }
    return out;
}

MergeResult ExchangeDatabase::Import(Connection& main, const QList<qint64>& patients, const Feedback& fb) {
    const FreePagesBackAtEnd pagesBack; // every recording of the patients passes through
    if (patients.isEmpty()) {
        throw DataError(QCoreApplication::translate("Austausch", "Es ist kein Patient ausgewählt."));
    }
    fb.Step(QCoreApplication::translate("Austausch", "Importieren"));
    if (!FArchive) {
        throw DataError(QCoreApplication::translate("Austausch", "Es ist kein Archiv geöffnet."));
    }
    CheckRoomFor(patients);
    return Merge(*FArchive, main, patients, fb);
}

void ExchangeDatabase::CheckRoomFor(const QList<qint64>& patients) {
    // A disk that fills while the engine writes a patient's recordings ends the import with that
    // patient undone, but can leave the engine's page bookkeeping with a warning behind; a
    // database on this computer is therefore checked for room first. (A server elsewhere watches
    // its own disk.)
    if (!DatabaseIsLocal(FMain)) {
        return;
    }
    const QStorageInfo disk(FMain.dir);
    if (!disk.isValid() || !disk.isReady()) {
        return;
    }
    qint64 bytes = 0;
    for (const qint64 id : patients) {
        const auto rows = FArchive->Query(
            QStringLiteral("select sum(octet_length(DATEN)) from ZUDDATA where PATIENT = ?"), {id});
        if (!rows.empty()) {
            bytes += rows.front().At(0).toLongLong();
        }
    }
    // The pages hold a little more than the bytes, and the engine grows the file in steps.
    constexpr qint64 kReserve = 2 * 1024 * 1024;
    if (disk.bytesAvailable() < bytes + bytes / 4 + kReserve) {
        throw DataError(exchange::NoSpaceText(FMain.dir));
    }
}

void ExchangeDatabase::CloseArchive() {
    FArchive.reset();
    DropDatabase(Admin(ExportConnection()));
    FArchiveRun.reset();
}

// ---------------------------------------------------------------- backup and restore

qint64 ExchangeDatabase::Backup(const QString& archive, const Feedback& fb) {
    QString why;
    if (!CheckDestination(archive, &why)) {
        throw DataError(why);
    }
    fb.Step(QCoreApplication::translate("Austausch", "Datenbank sichern"));
    const auto run = NewRun();
    const QString gbk = run->File(kDatabaseBackup);
    GbakBackup(FMain.ConnectionString(), gbk, QString::fromLatin1(kAdminUser), FAdminPassword, fb);
    fb.Step(QCoreApplication::translate("Austausch", "Datenbank Packen"));
    exchange::WriteCab(archive, QString::fromLatin1(kDatabaseBackup), gbk, fb, run.get());
    return QFileInfo(archive).size();
}

void ExchangeDatabase::Restore(const QString& archive, const Feedback& fb) {
    if (!DatabaseIsLocal(FMain)) {
        throw DataError(QCoreApplication::translate(
            "Austausch",
            "Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden."));
    }
    if (!QFileInfo(archive).isFile()) {
        throw DataError(QCoreApplication::translate("Austausch", "Die Datei gibt es nicht: %1").arg(archive));
    }
    if (!exchange::IsCab(archive)) {
        throw DataError(QCoreApplication::translate("Austausch",
                                                    "Die Datei ist keine Datensicherung von ZUD-Software: %1")
                            .arg(archive));
    }
    // Refused before any work when the database is in use (checked again before the swap).
    LiveDatabaseLock(FMain, Admin(FMain.ConnectionString())).Release();
    fb.Step(QCoreApplication::translate("Austausch", "Datenbank Entpacken"));
    const auto run = NewRun();
    const QString gbk =
        exchange::ExtractCabMember(archive, QString::fromLatin1(kDatabaseBackup), run->Path(), fb);
    fb.Step(QCoreApplication::translate("Austausch", "Datenbank wiederherstellen"));
    // The new copy gets a name of this run's: a killed restore's copy is never taken for another's.
    const QString freshName =
        QStringLiteral("%1-%2.gdb").arg(QString::fromLatin1(kRestoreDatabase), run->Tag());
    const QString fresh = DatabaseString(FMain, freshName);
    const QString freshPath = QDir(FMain.dir).filePath(freshName);
    QDir().mkpath(FMain.dir);
    // Until it has taken the database's place, the copy is this run's to remove: after any
    // failure, and first of all, so that a disk that is short of space gets it back at once.
    run->TrackDatabase(fresh, freshPath);
    GbakRestore(gbk, fresh, QString::fromLatin1(kAdminUser), FAdminPassword, fb);
    {
        auto c = Connection::Attach(Admin(fresh));
        if (!IsMainDatabase(*c)) {
            throw DataError(
                QCoreApplication::translate(
                    "Austausch", "Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1")
                    .arg(archive));
        }
    }
    // Nobody may be working in the database that is about to be replaced: not another
    // workstation on the server, and not a connection of this very process (the embedded
    // engine lets those share the file). Held until the copy has taken its place, so that
    // nobody can attach meanwhile; the database itself is not opened, not one byte of it changes.
    LiveDatabaseLock held(FMain, Admin(FMain.ConnectionString()));
    // The one step that touches the database: the complete, checked copy takes its place at
    // once. Where that is not possible (a folder this user may not change), the database stays
    // exactly as it is: restoring over it would destroy it before the new one is complete.
    const QByteArray from = QFile::encodeName(freshPath);
    const QByteArray to = QFile::encodeName(FMain.FilePath());
    int err = exchange::TakeFault(exchange::Fault::RestoreSwap);
    if (err == 0 && std::rename(from.constData(), to.constData()) != 0) {
        err = errno;
    }
    if (err != 0) {
        run->Clean(); // the copy goes before anything else
        throw DataError(
            QCoreApplication::translate(
                "Austausch",
                "Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die "
                "Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in "
                "diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).")
                .arg(QDir::toNativeSeparators(FMain.FilePath()), FileErrorReason(err)));
    }
    run->Forget(fresh);
}

// ---------------------------------------------------------------- take-over

bool ExchangeDatabase::OldDatabaseAnswers(const DbLocation& old) {
    if (old.Embedded() && !QFileInfo::exists(DatabaseString(old, QString::fromLatin1(kOldDatabase)))) {
        return false;
    }
    try {
        db::ConnectParams p{OldConnection(old), QString::fromLatin1(kOldUser),
                            QString::fromLatin1(kOldPassword), QString()};
        p.codePage = old.codePage;
        Connection::Attach(p);
        return true;
    } catch (const DbError&) {
        return false;
    }
}

bool ExchangeDatabase::TakeOverWanted(Connection& main, const DbLocation& old) {
    if (!main.Query(QStringLiteral("select first 1 IDENTIFIKATION from QALPatient")).empty()) {
        return false;
    }
    return OldDatabaseAnswers(old);
}

MergeResult ExchangeDatabase::TakeOver(Connection& main, const DbLocation& old, const Feedback& fb) {
    if (!main.Query(QStringLiteral("select first 1 IDENTIFIKATION from QALPatient")).empty()) {
        throw DataError(QCoreApplication::translate(
            "Austausch",
            "Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen."));
    }
    const auto run = NewRun();
    const QString gbk = run->File(kTakeOverBackup);
    run->TrackDatabase(TakeOverConnection(), LocalFile(kTakeOverDatabase));
    fb.Step(QCoreApplication::translate("Austausch", "Konvertiere alte Datei-Struktur"));
    GbakBackup(OldConnection(old), gbk, QString::fromLatin1(kOldUser), QString::fromLatin1(kOldPassword), fb);
    fb.Step(QCoreApplication::translate("Austausch", "Erzeuge neue Datei-Struktur"));
    struct DropAtEnd {
        ExchangeDatabase* self;
        ~DropAtEnd() { DropDatabase(self->Admin(self->TakeOverConnection())); }
    } dropAtEnd{this};
    GbakRestore(gbk, TakeOverConnection(), QString::fromLatin1(kAdminUser), FAdminPassword, fb);
    fb.Step(QCoreApplication::translate("Austausch", "Importieren..."));
    db::ConnectParams p = Admin(TakeOverConnection());
    p.codePage = old.codePage;
    auto copy = Connection::Attach(p);
    QList<qint64> ids;
    for (const Row& r :
         copy->Query(QStringLiteral("select IDENTIFIKATION from QALPatient order by IDENTIFIKATION"))) {
        ids << r.At(0).toLongLong();
    }
    return Merge(*copy, main, ids, fb);
}

} // namespace zud
