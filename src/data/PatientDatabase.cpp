#include "PatientDatabase.h"

#include "Paths.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QSysInfo>

#include <algorithm>

namespace zud {

using db::Connection;
using db::DbError;
using db::Row;

namespace {

const QString kPatientColumns = QStringLiteral("IDENTIFIKATION, NUMMER, NAME, KRANKENKASSE, VNUMMER, "
                                               "VORNAME, GEBURTSTAG, WOHNORT, STRASSE, PLZ, GESCHLECHT, "
                                               "TELEFON, FAX, EMAIL, GROESSE, GEWICHT, LETZTER_ZUGRIFF");

// Delphi's time values carry this date; stored times keep it so other tools read them alike.
const QDate kZeitDatum(1899, 12, 30);

QVariant Text(const QString& s) {
    return s.isEmpty() ? QVariant() : QVariant(s);
}

// Columns of a patient row, found once per result set: 10,000 rows need no name look-ups.
enum PatientColumn {
    kIdentifikation,
    kNummer,
    kName,
    kKrankenkasse,
    kVNummer,
    kVorname,
    kGeburtstag,
    kWohnort,
    kStrasse,
    kPlz,
    kGeschlecht,
    kTelefon,
    kFax,
    kEmail,
    kGroesse,
    kGewicht,
    kLetzterZugriff,
    kPatientColumnCount
};

Patient ToPatient(const Row& r) {
    static const QStringList kNamen = kPatientColumns.split(QStringLiteral(", "));
    thread_local std::shared_ptr<const QStringList> names;
    thread_local int at[kPatientColumnCount];
    if (names != r.Names()) {
        names = r.Names();
        for (int k = 0; k < kPatientColumnCount; ++k) {
            at[k] = names ? static_cast<int>(names->indexOf(kNamen[k])) : -1;
        }
    }
    auto v = [&](PatientColumn k) { return at[k] < 0 ? QVariant() : r.At(at[k]); };
    Patient p;
    const QVariant id = v(kIdentifikation);
    p.Identifikation = id.isValid() ? id.toLongLong() : -1;
    p.Nummer = v(kNummer).toString();
    p.Name = v(kName).toString();
    p.Krankenkasse = v(kKrankenkasse).toString();
    p.VNummer = v(kVNummer).toString();
    p.Vorname = v(kVorname).toString();
    p.Geburtstag = v(kGeburtstag).toDateTime().date();
    p.Wohnort = v(kWohnort).toString();
    p.Strasse = v(kStrasse).toString();
    p.Plz = v(kPlz).toString();
    p.Telefon = v(kTelefon).toString();
    p.Fax = v(kFax).toString();
    p.Email = v(kEmail).toString();
    p.Groesse = v(kGroesse).toString();
    p.Gewicht = v(kGewicht).toString();
    // NULL or below 0: not given; 2 and above read as "männlich".
    const QVariant g = v(kGeschlecht);
    bool ok = false;
    const int n = g.toString().trimmed().toInt(&ok);
    p.Geschlecht = !g.isValid() || !ok || n < 0 ? -1 : std::min(n, 1);
    p.LetzterZugriff = v(kLetzterZugriff).toDateTime();
    p.Geladen = PatientFields(p);
    return p;
}

Recording ToRecording(const Row& r, const Connection& c) {
    Recording m;
    m.Counter = r.Int(QStringLiteral("COUNTER"), -1);
    m.Typ = r.Int(QStringLiteral("TYP"), 0);
    m.Patient = r.Int(QStringLiteral("PATIENT"), -1);
    m.Datum = r[QStringLiteral("DATUM")].toDateTime().date();
    m.Uhrzeit = r[QStringLiteral("UHRZEIT")].toDateTime().time();
    m.Betriebsart = static_cast<int>(r.Int(QStringLiteral("BETRIEBSART"), 0));
    m.Daten = r[QStringLiteral("DATEN")].toByteArray();
    if (m.Daten.isEmpty()) {
        m.Daten = r[QStringLiteral("KOPF")].toByteArray();
    }
    m.Bemerkungen = RemarksText(r[QStringLiteral("BEMERKUNGEN")].toByteArray(), c);
    m.LetzterZugriff = r[QStringLiteral("LETZTER_ZUGRIFF")].toDateTime();
    m.Groesse = r.Int(QStringLiteral("GROESSE"), m.Daten.size());
    return m;
}

// A database without a character set: its UPPER changes only the letters a to z.
bool EightBitWithoutCharset(const Connection& c) {
    return c.DatabaseCharset() == QLatin1String("NONE") || c.DatabaseCharset() == QLatin1String("OCTETS");
}

// A sort direction; anything but ASC or DESC (any case) gives the fallback.
QString Dir(const QString& s, const char* fallback) {
    const QString u = s.trimmed().toUpper();
    return u == QLatin1String("ASC") || u == QLatin1String("DESC") ? u : QString::fromLatin1(fallback);
}

} // namespace

QStringList PatientFields(const Patient& p) {
    return {p.Nummer,  p.Name,    p.Krankenkasse,
            p.VNummer, p.Vorname, p.Geburtstag.toString(Qt::ISODate),
            p.Wohnort, p.Strasse, p.Plz,
            p.Telefon, p.Fax,     p.Email,
            p.Groesse, p.Gewicht, QString::number(p.Geschlecht)};
}

QString RemarksText(const QByteArray& stored, const Connection& c) {
    QString text = db::IsUtf8(stored) ? QString::fromUtf8(stored) : c.DecodeEightBit(stored);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// ---------------------------------------------------------------- location

DbLocation DbLocation::FromSettings(const Settings& s) {
    return {.server = s.SQLServer3(),
            .port = s.RemoteServicePort3(),
            .dir = s.SQLDir3(),
            .codePage = s.SQLCodePage3()};
}

bool DbLocation::Embedded() const {
    return server.trimmed().compare(QLatin1String("EMBEDDED"), Qt::CaseInsensitive) == 0;
}

QString DbLocation::Server() const {
    const QString s = server.trimmed();
    if (s.isEmpty() || s.compare(QLatin1String("NONE"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("127.0.0.1");
    }
    return s;
}

QString DbLocation::FilePath() const {
    QString d = dir;
    if (!d.isEmpty() && !d.endsWith(QLatin1Char('/'))) {
        d += QLatin1Char('/');
    }
    return d + QLatin1String(kDatabaseFile);
}

QString DbLocation::ConnectionString() const {
    if (Embedded()) {
        return FilePath();
    }
    return QStringLiteral("%1/%2:%3").arg(Server(), port, FilePath());
}

// ---------------------------------------------------------------- installation

PatientDatabase::PatientDatabase(DbLocation location) : FLocation(std::move(location)) {
    if (FLocation.Embedded() && qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
        db::SetLockFolder(LockFolder());
    }
}

PatientDatabase::~PatientDatabase() = default;

bool PatientDatabase::DatabaseExists(const QString& adminPassword) const {
    if (FLocation.Embedded()) {
        return QFile::exists(FLocation.FilePath());
    }
    try {
        Connection::Attach(
            {FLocation.ConnectionString(), QString::fromLatin1(kAdminUser), adminPassword, QString()});
        return true;
    } catch (const DbError& e) {
        // Only a missing file means "not installed"; a server that is down or refuses the
        // password must not lead to an attempt to create the database.
        constexpr long kIoError = 335544344L;
        if (e.GdsCode() == kIoError) {
            return false;
        }
        throw;
    }
}

QStringList PatientDatabase::SchemaScript() {
    return {
        QStringLiteral("CREATE DOMAIN ALPHA_LONG AS VARCHAR(50)"),
        QStringLiteral("CREATE DOMAIN ALPHA_MIDDLE AS VARCHAR(25)"),
        QStringLiteral("CREATE DOMAIN ALPHA_SHORT AS VARCHAR(10)"),
        QStringLiteral(
            "CREATE TABLE ZUDDATA (COUNTER INTEGER NOT NULL, TYP INTEGER, PATIENT INTEGER, DATUM TIMESTAMP, "
            "UHRZEIT TIMESTAMP, BETRIEBSART INTEGER, DATEN BLOB SUB_TYPE 0 SEGMENT SIZE 80, "
            "BEMERKUNGEN BLOB SUB_TYPE 0 SEGMENT SIZE 80, LETZTER_ZUGRIFF TIMESTAMP)"),
        QStringLiteral("ALTER TABLE ZUDDATA ADD CONSTRAINT PK_ZUDDATA PRIMARY KEY (COUNTER)"),
        QStringLiteral(
            "CREATE TABLE QALPATIENT (IDENTIFIKATION INTEGER NOT NULL, NUMMER VARCHAR(20), NAME ALPHA_LONG, "
            "KRANKENKASSE ALPHA_LONG, VNUMMER ALPHA_LONG, VORNAME ALPHA_LONG, GEBURTSTAG TIMESTAMP, "
            "WOHNORT ALPHA_LONG, STRASSE ALPHA_LONG, PLZ ALPHA_SHORT, GESCHLECHT ALPHA_SHORT, "
            "TELEFON ALPHA_MIDDLE, FAX ALPHA_MIDDLE, EMAIL ALPHA_LONG, HAUSARZT INTEGER, BEH_ARZT INTEGER, "
            "N_TERMIN TIMESTAMP, GROESSE ALPHA_SHORT, GEWICHT ALPHA_SHORT, "
            "BEMERKUNGEN BLOB SUB_TYPE 0 SEGMENT SIZE 80, LETZTER_ZUGRIFF TIMESTAMP)"),
        QStringLiteral("ALTER TABLE QALPATIENT ADD CONSTRAINT PK_QALPATIENT PRIMARY KEY (IDENTIFIKATION)"),
        QStringLiteral("CREATE INDEX QALPATIENT_IDX1 ON QALPATIENT (NAME)"),
        QStringLiteral(
            "CREATE TABLE QALGERAETE (ZAEHLER INTEGER NOT NULL, GERAETEID INTEGER, GERAETENAME ALPHA_LONG, "
            "SONSTIGES BLOB SUB_TYPE 0 SEGMENT SIZE 80)"),
        QStringLiteral("ALTER TABLE QALGERAETE ADD CONSTRAINT PK_QALGERAETE PRIMARY KEY (ZAEHLER)"),
    };
}

void PatientDatabase::Install(const QString& adminPassword) {
    // A server on this machine finds its folder here; a remote one has its own file system.
    const QString host = FLocation.Server().toLower();
    if (FLocation.Embedded() || host == QLatin1String("127.0.0.1") || host == QLatin1String("localhost") ||
        host == QSysInfo::machineHostName().toLower()) {
        QDir().mkpath(FLocation.dir);
    }
    auto c = Connection::Create(
        {FLocation.ConnectionString(), QString::fromLatin1(kAdminUser), adminPassword, QString()});
    for (const QString& sql : SchemaScript()) {
        c->Exec(sql);
        c->Commit();
    }
    const QStringList rest = {
        QStringLiteral("CREATE GENERATOR GEN_QALPATIENT_ID"),
        QStringLiteral("CREATE GENERATOR GEN_ZUDDATA_ID"),
        QStringLiteral("CREATE GENERATOR GEN_GERAETE_ID"),
        // The lists of one patient's recordings need no full scan.
        QStringLiteral("CREATE INDEX ZUDDATA_IDX1 ON ZUDDATA (PATIENT)"),
        QStringLiteral("CREATE ROLE BENUTZER"),
        QStringLiteral("GRANT ALL ON ZUDDATA TO BENUTZER"),
        QStringLiteral("GRANT ALL ON QALPATIENT TO BENUTZER"),
        QStringLiteral("GRANT ALL ON QALGERAETE TO BENUTZER"),
        QStringLiteral("GRANT USAGE ON GENERATOR GEN_QALPATIENT_ID TO BENUTZER"),
        QStringLiteral("GRANT USAGE ON GENERATOR GEN_ZUDDATA_ID TO BENUTZER"),
        QStringLiteral("GRANT USAGE ON GENERATOR GEN_GERAETE_ID TO BENUTZER"),
    };
    for (const QString& sql : rest) {
        c->Exec(sql);
        c->Commit();
    }
}

bool PatientDatabase::EnsureInstalled(const QString& adminPassword) {
    if (DatabaseExists(adminPassword)) {
        return false;
    }
    Install(adminPassword);
    return true;
}

// ---------------------------------------------------------------- login

QString PatientDatabase::OpenErrorText(const QString& className) {
    return QCoreApplication::translate("Datenbank", "Fehler beim Öffnen der Datenbank. (%1)").arg(className);
}

QString PatientDatabase::DescribeLoginError(const db::DbError& e) const {
    if (!FLocation.Embedded() && e.IsNetworkError()) {
        return QCoreApplication::translate(
                   "Datenbank",
                   "Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server "
                   "läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port "
                   "(SQLServer3, RemoteServicePort3) stimmen.\n(%3)")
            .arg(FLocation.Server(), FLocation.port, e.Message());
    }
    return db::DescribeError(e);
}

void PatientDatabase::Connect(const QString& user, const QString& password, const QString& role) {
    db::ConnectParams p{FLocation.ConnectionString(), user, password, role};
    p.codePage = FLocation.codePage;
    FDb = Connection::Attach(p);
}

QString PatientDatabase::DatabaseCharset() {
    return Db().DatabaseCharset();
}

QString PatientDatabase::ConnectionCharset() {
    return Db().ConnectionCharset();
}

template <typename F> auto PatientDatabase::Change(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (...) {
        // Undo what this change did so far; the connection goes on with a new transaction.
        if (FDb && FDb->IsOpen() && !FDb->Lost()) {
            try {
                FDb->Rollback();
            } catch (const DbError&) {
            }
        }
        throw;
    }
}

void PatientDatabase::Touch(const QString& sql) {
    try {
        Db().Exec(sql, {QDateTime::currentDateTime()});
        Db().CommitRetaining();
    } catch (const DbError& e) {
        // Another workstation is changing the row right now: it is read all the same, only
        // its access time stays.
        if (!e.IsUpdateConflict()) {
            throw;
        }
        Db().Rollback();
    }
}

db::Connection& PatientDatabase::Db() {
    // A server restarted while this workstation was idle leaves a dead connection behind that
    // only the next call would notice, and fail: after a pause the server is asked first.
    constexpr qint64 kAskAfterMs = 2000;
    if (FDb && !FLocation.Embedded() && !FDb->Lost() && FLastUse.isValid() &&
        FLastUse.elapsed() > kAskAfterMs) {
        FDb->Ping();
    }
    if (FDb && FDb->Lost()) {
        // Broken off: the dead attachment goes; what it had not committed is undone by the server.
        // Work begun on it and not committed is gone: its caller hears so instead of going on
        // with half of it on a new connection (the access after that attaches anew).
        const std::unique_ptr<Connection> dead = std::move(FDb);
        if (dead->Dirty()) {
            dead->FailLost();
        }
    }
    if (!FDb && !FUser.isEmpty()) {
        Reconnect();
    }
    if (!FDb) {
        throw DataError(QCoreApplication::translate("Datenbank", "Keine Verbindung zur Datenbank."));
    }
    FLastUse.restart();
    return *FDb;
}

void PatientDatabase::Reconnect() {
    if (FUser.isEmpty()) {
        throw DataError(QCoreApplication::translate("Datenbank", "Keine Verbindung zur Datenbank."));
    }
    FDb.reset();
    Connect(FUser, FPassword, QString::fromLatin1(kRole));
    try {
        OpenDataSets();
    } catch (...) {
        FDb.reset();
        throw;
    }
    FLastUse.restart();
}

void PatientDatabase::OpenDataSets() {
    // The first access to each table: without the role this is where the server refuses.
    FDb->Query(QStringLiteral("select first 1 IDENTIFIKATION from QALPatient"));
    FDb->Query(QStringLiteral("select first 1 COUNTER from ZUDData"));
    FDb->Query(QStringLiteral("select first 1 ZAEHLER from QALGeraete"));
}

void PatientDatabase::Login(const QString& user, const QString& password, const QString& adminPassword) {
    Logout();
    const QString upper = user.toUpper();
    Connect(upper, password, QString::fromLatin1(kRole));
    for (int attempt = 0;; ++attempt) {
        try {
            DelBadRecords();
            OpenDataSets();
            break;
        } catch (const DbError& e) {
            if (!e.IsRoleError() || attempt > 0) {
                FDb.reset();
                throw;
            }
            // The account lacks the role: grant it once as administrator, then reconnect.
            FDb.reset();
            const QString name = CheckUserName(user);
            {
                auto admin =
                    Connection::Attach({FLocation.ConnectionString(), QString::fromLatin1(kAdminUser),
                                        adminPassword, QStringLiteral("RDB$ADMIN")});
                admin->Exec(QStringLiteral("GRANT Benutzer to %1").arg(name));
                admin->Commit();
            }
            Connect(upper, password, QString::fromLatin1(kRole));
        }
    }
    FUser = upper;
    FPassword = password;
    FLastUse.restart();
}

void PatientDatabase::Logout() {
    FDb.reset();
    FUser.clear();
    FPassword.clear();
}

int PatientDatabase::DelBadRecords() {
    auto& c = Db();
    const auto rows = c.Query(QStringLiteral("Select COUNTER from ZUDData where Betriebsart = -100"));
    for (const Row& r : rows) {
        c.Exec(
            QStringLiteral("DELETE FROM ZUDDATA WHERE COUNTER = %1").arg(r.Int(QStringLiteral("COUNTER"))));
    }
    return static_cast<int>(rows.size());
}

// ---------------------------------------------------------------- users

QString PatientDatabase::CheckUserName(const QString& name) {
    static const QRegularExpression kIdent(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,30}$"));
    if (!kIdent.match(name).hasMatch()) {
        throw DataError(QCoreApplication::translate(
            "Datenbank", "Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, "
                         "zuerst ein Buchstabe)."));
    }
    return name;
}

QString PatientDatabase::QuoteString(const QString& s) {
    QString q = s;
    q.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

namespace {

std::unique_ptr<Connection> AdminConnection(const DbLocation& loc, const QString& adminPassword) {
    if (loc.Embedded()) {
        throw DataError(QCoreApplication::translate(
            "Datenbank", "Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); "
                         "das eingebettete Datenbanksystem prüft keine Passwörter."));
    }
    return Connection::Attach({loc.ConnectionString(), QString::fromLatin1(kAdminUser), adminPassword,
                               QStringLiteral("RDB$ADMIN")});
}

// Account statements on the server as its administrator, each committed before the next.
void AsAdministrator(const DbLocation& loc, const QString& adminPassword, const QStringList& statements) {
    auto c = AdminConnection(loc, adminPassword);
    for (const QString& sql : statements) {
        c->Exec(sql);
        c->Commit();
    }
}

void CheckPassword(const QString& password) {
    if (password.isEmpty() || password.contains(QLatin1Char('\0'))) {
        throw DataError(QCoreApplication::translate("Datenbank", "Das Passwort darf nicht leer sein."));
    }
}

} // namespace

void PatientDatabase::ChangePassword(const QString& newPassword) {
    CheckPassword(newPassword);
    const QString name = CheckUserName(FUser);
    Db().Exec(QStringLiteral("ALTER USER %1 password %2").arg(name, QuoteString(newPassword)));
    Db().Commit();
}

QStringList PatientDatabase::Users(const DbLocation& loc, const QString& adminPassword) {
    auto c = AdminConnection(loc, adminPassword);
    QStringList out;
    for (const Row& r : c->Query(QStringLiteral("SELECT SEC$USER_NAME FROM SEC$USERS"))) {
        const QString name = r.At(0).toString().trimmed();
        const QString up = name.toUpper();
        if (up != QLatin1String("SYSDBA") && up != QLatin1String("SUPERUSER")) {
            out << name;
        }
    }
    out.sort();
    return out;
}

void PatientDatabase::CreateUser(const DbLocation& loc, const QString& adminPassword, const QString& name,
                                 const QString& password) {
    CheckUserName(name);
    CheckPassword(password);
    AsAdministrator(loc, adminPassword,
                    {QStringLiteral("CREATE USER %1 password %2").arg(name, QuoteString(password)),
                     QStringLiteral("GRANT Benutzer to %1").arg(name)});
}

void PatientDatabase::AlterUser(const DbLocation& loc, const QString& adminPassword, const QString& name,
                                const QString& password) {
    CheckUserName(name);
    CheckPassword(password);
    AsAdministrator(loc, adminPassword,
                    {QStringLiteral("ALTER USER %1 password %2").arg(name, QuoteString(password))});
}

void PatientDatabase::DropUser(const DbLocation& loc, const QString& adminPassword, const QString& name) {
    CheckUserName(name);
    AsAdministrator(loc, adminPassword, {QStringLiteral("DROP USER %1").arg(name)});
}

// ---------------------------------------------------------------- patients

namespace {

// Surname, first name and birth date must be given; a birth date of today counts as not given,
// one before 1900 or in the future is no birth date. Every text must fit its column: the
// server would refuse it without naming the field.
void CheckMandatory(const Patient& p) {
    if (p.Name.isEmpty() || p.Vorname.isEmpty() || !p.Geburtstag.isValid() ||
        p.Geburtstag == QDate::currentDate()) {
        throw DataError(QCoreApplication::translate("Datenbank",
                                                    "Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));
    }
    if (p.Geburtstag < QDate(1900, 1, 1) || p.Geburtstag > QDate::currentDate()) {
        throw DataError(QCoreApplication::translate(
            "Datenbank", "Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!"));
    }
    const struct {
        const QString& text;
        const char* field;
        int width;
    } fields[] = {
        {p.Name, QT_TRANSLATE_NOOP("Datenbank", "Name"), 50},
        {p.Vorname, QT_TRANSLATE_NOOP("Datenbank", "Vorname"), 50},
        {p.Nummer, QT_TRANSLATE_NOOP("Datenbank", "Patienten-ID"), 20},
        {p.Krankenkasse, QT_TRANSLATE_NOOP("Datenbank", "Krankenkasse"), 50},
        {p.VNummer, QT_TRANSLATE_NOOP("Datenbank", "Versicherten-Nr."), 50},
        {p.Wohnort, QT_TRANSLATE_NOOP("Datenbank", "Wohnort"), 50},
        {p.Strasse, QT_TRANSLATE_NOOP("Datenbank", "Straße"), 50},
        {p.Plz, QT_TRANSLATE_NOOP("Datenbank", "PLZ"), 10},
        {p.Telefon, QT_TRANSLATE_NOOP("Datenbank", "Telefon"), 25},
        {p.Fax, QT_TRANSLATE_NOOP("Datenbank", "Fax"), 25},
        {p.Email, QT_TRANSLATE_NOOP("Datenbank", "E-Mail"), 50},
        {p.Groesse, QT_TRANSLATE_NOOP("Datenbank", "Größe"), 10},
        {p.Gewicht, QT_TRANSLATE_NOOP("Datenbank", "Gewicht"), 10},
    };
    for (const auto& f : fields) {
        if (f.text.size() > f.width) {
            throw DataError(QCoreApplication::translate(
                                "Datenbank", "Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.")
                                .arg(QCoreApplication::translate("Datenbank", f.field))
                                .arg(f.width));
        }
    }
}

} // namespace

qint64 PatientDatabase::AddPatient(Patient p) {
    auto& c = Db();
    CheckMandatory(p);
    return Change([&] {
        const auto same = c.Query(
            QStringLiteral(
                "select IDENTIFIKATION from QALPatient where NAME = ? and VORNAME = ? and GEBURTSTAG = ?"),
            {p.Name, p.Vorname, QDateTime(p.Geburtstag, QTime(0, 0))});
        if (!same.empty()) {
            throw DataError(QCoreApplication::translate("Datenbank", "Fehler: Patient bereits vorhanden!"));
        }
        p.Identifikation = c.NextId(QStringLiteral("GEN_QALPATIENT_ID"));
        c.Exec(QStringLiteral(
                   "insert into QALPatient (%1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                   .arg(kPatientColumns),
               {p.Identifikation, Text(p.Nummer), p.Name, Text(p.Krankenkasse), Text(p.VNummer), p.Vorname,
                QDateTime(p.Geburtstag, QTime(0, 0)), Text(p.Wohnort), Text(p.Strasse), Text(p.Plz),
                QString::number(p.Geschlecht), Text(p.Telefon), Text(p.Fax), Text(p.Email), Text(p.Groesse),
                Text(p.Gewicht), QDateTime::currentDateTime()});
        c.CommitRetaining();
        return p.Identifikation;
    });
}

namespace {

DataError PatientGone() {
    return DataError(QCoreApplication::translate(
        "Datenbank", "Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden "
                     "Sie die Liste neu."));
}

} // namespace

void PatientDatabase::UpdatePatient(const Patient& p) {
    auto& c = Db();
    CheckMandatory(p);
    Change([&] {
        if (!p.Geladen.isEmpty()) {
            // The row is locked from here to the commit: nobody changes it between the
            // comparison and the update.
            const auto now =
                c.Query(QStringLiteral("select %1 from QALPatient where IDENTIFIKATION = %2 with lock")
                            .arg(kPatientColumns)
                            .arg(p.Identifikation));
            if (now.empty()) {
                throw PatientGone();
            }
            if (PatientFields(ToPatient(now.front())) != p.Geladen) {
                throw db::ChangedElsewhere(
                    QStringLiteral("patient %1 was changed after it was read").arg(p.Identifikation));
            }
        }
        const qint64 n = c.Exec(
            QStringLiteral(
                "update QALPatient set NUMMER = ?, NAME = ?, KRANKENKASSE = ?, VNUMMER = ?, VORNAME = ?, "
                "GEBURTSTAG = ?, WOHNORT = ?, STRASSE = ?, PLZ = ?, GESCHLECHT = ?, TELEFON = ?, FAX = ?, "
                "EMAIL = ?, GROESSE = ?, GEWICHT = ?, LETZTER_ZUGRIFF = ? where IDENTIFIKATION = %1")
                .arg(p.Identifikation),
            {Text(p.Nummer), p.Name, Text(p.Krankenkasse), Text(p.VNummer), p.Vorname,
             QDateTime(p.Geburtstag, QTime(0, 0)), Text(p.Wohnort), Text(p.Strasse), Text(p.Plz),
             QString::number(p.Geschlecht), Text(p.Telefon), Text(p.Fax), Text(p.Email), Text(p.Groesse),
             Text(p.Gewicht), QDateTime::currentDateTime()});
        if (n == 0) {
            throw PatientGone();
        }
        c.CommitRetaining();
    });
}

void PatientDatabase::DeletePatient(qint64 id, bool withRecordings) {
    auto& c = Db();
    Change([&] {
        if (c.Exec(QStringLiteral("delete from QALPatient where Identifikation = %1").arg(id)) == 0) {
            throw PatientGone();
        }
        if (withRecordings) {
            c.Exec(QStringLiteral("delete from ZUDData where Patient = %1").arg(id));
        }
        c.CommitRetaining();
    });
}

int PatientDatabase::RecordingCount(qint64 patient) {
    const auto rows =
        Db().Query(QStringLiteral("select count(*) from ZUDData where Patient = %1").arg(patient));
    return rows.empty() ? 0 : static_cast<int>(rows.front().At(0).toLongLong());
}

std::optional<Patient> PatientDatabase::GetPatient(qint64 id) {
    const auto rows =
        Db().Query(QStringLiteral("Select * from QALPatient where Identifikation = %1").arg(id));
    if (rows.size() != 1) {
        return std::nullopt;
    }
    return ToPatient(rows.front());
}

bool PatientDatabase::SelectPatient(qint64 id) {
    if (!GetPatient(id)) {
        return false;
    }
    Touch(QStringLiteral("update QALPatient set LETZTER_ZUGRIFF = ? where Identifikation = %1").arg(id));
    return true;
}

std::vector<Patient> PatientDatabase::AllPatients() {
    std::vector<Patient> out;
    for (const Row& r : Db().Query(QStringLiteral("Select * from QALPatient\nOrder by Name"))) {
        out.push_back(ToPatient(r));
    }
    return out;
}

std::vector<Patient> PatientDatabase::SearchPatients(const QString& text) {
    if (text.isEmpty()) {
        return AllPatients();
    }
    std::vector<Patient> out;
    if (!Db().Utf8()) {
        // No name in this database can hold a letter its character set lacks.
        try {
            Db().EncodeText(text);
        } catch (const DbError& e) {
            if (e.IsTransliterationError()) {
                return out;
            }
            throw;
        }
    }
    if (EightBitWithoutCharset(Db())) {
        // The server cannot know which letters 8-bit text without a character set holds, so its
        // UPPER leaves ä, ö, ü, ł alone: the program compares, in any case, as in UTF8.
        for (Patient& p : AllPatients()) {
            if (p.Name.contains(text, Qt::CaseInsensitive)) {
                out.push_back(std::move(p));
            }
        }
        return out;
    }
    // Any part of the surname in any case; the user's text is a value, its % and _ are letters.
    QString pattern = text;
    pattern.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    pattern.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    pattern.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    for (const Row& r : Db().Query(
             QStringLiteral(
                 "Select * from QALPatient\nwhere UPPER(name) like UPPER(?) escape '\\'\nOrder by Name"),
             {QLatin1Char('%') + pattern + QLatin1Char('%')})) {
        out.push_back(ToPatient(r));
    }
    return out;
}

std::vector<Patient> PatientDatabase::RecentPatients(int limit) {
    std::vector<Patient> out;
    for (const Row& r :
         Db().Query(QStringLiteral("Select first %1 * from QALPatient where\nLetzter_zugriff is not NULL\n"
                                   "Order by letzter_zugriff desc")
                        .arg(limit))) {
        out.push_back(ToPatient(r));
    }
    return out;
}

// ---------------------------------------------------------------- recordings

std::vector<Recording> PatientDatabase::ListRecordings(qint64 patient, const QString& sortDate,
                                                       const QString& sortTime) {
    std::vector<Recording> out;
    const auto rows = Db().Query(
        // The header comes in the row itself, not as a blob of its own to open and read.
        QStringLiteral("Select COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, LETZTER_ZUGRIFF, "
                       "CAST(SUBSTRING(DATEN FROM 1 FOR 89) AS VARCHAR(89) CHARACTER SET OCTETS) AS KOPF, "
                       "OCTET_LENGTH(DATEN) AS GROESSE from ZUDData "
                       "where\nPatient = %1\nOrder by datum %2, uhrzeit %3")
            .arg(patient)
            .arg(Dir(sortDate, "DESC"), Dir(sortTime, "ASC")));
    for (const Row& r : rows) {
        out.push_back(ToRecording(r, Db()));
    }
    return out;
}

std::vector<Recording> PatientDatabase::RecentRecordings(qint64 patient, int limit) {
    std::vector<Recording> out;
    const auto rows =
        Db().Query(QStringLiteral("Select first %1 COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, "
                                  "LETZTER_ZUGRIFF from ZUDData where\nPatient = %2\nand Letzter_zugriff is "
                                  "not NULL\nOrder by letzter_zugriff desc, datum desc")
                       .arg(limit)
                       .arg(patient));
    for (const Row& r : rows) {
        out.push_back(ToRecording(r, Db()));
    }
    return out;
}

std::optional<Recording> PatientDatabase::GetRecording(qint64 counter) {
    const auto rows = Db().Query(QStringLiteral("Select * from ZUDData where\nCounter = %1").arg(counter));
    if (rows.size() != 1) {
        return std::nullopt;
    }
    return ToRecording(rows.front(), Db());
}

std::optional<Recording> PatientDatabase::OpenRecording(qint64 counter, QString* deviceName) {
    auto m = GetRecording(counter);
    if (!m) {
        return std::nullopt;
    }
    Touch(QStringLiteral("update ZUDData set LETZTER_ZUGRIFF = ? where COUNTER = %1").arg(counter));
    if (deviceName) {
        const auto dev =
            Db().Query(QStringLiteral("select GERAETENAME from QALGeraete where GeraeteID = %1").arg(m->Typ));
        *deviceName = dev.empty() ? QString() : dev.front().At(0).toString();
    }
    return m;
}

qint64 PatientDatabase::DeviceId(const QString& deviceName, int step) {
    auto& c = Db();
    const auto found =
        c.Query(QStringLiteral("select GERAETEID from QALGeraete\nwhere GeraeteName = ?"), {deviceName});
    if (!found.empty()) {
        return found.front().Int(QStringLiteral("GERAETEID"));
    }
    const auto max = c.Query(QStringLiteral("select max(GeraeteID) from QALGeraete"));
    const qint64 next =
        (max.empty() || !max.front().At(0).isValid()) ? step : max.front().At(0).toLongLong() + step;
    const qint64 key = c.NextId(QStringLiteral("GEN_GERAETE_ID"));
    c.Exec(QStringLiteral("insert into QALGeraete (ZAEHLER, GERAETEID, GERAETENAME) values (?, ?, ?)"),
           {key, next, deviceName});
    return next;
}

std::optional<qint64> PatientDatabase::FindPatient(const QString& name, const QString& vorname,
                                                   const QDate& geburtstag) {
    const auto rows =
        geburtstag.isValid()
            ? Db().Query(
                  QStringLiteral("select IDENTIFIKATION from QALPatient where NAME = ? and VORNAME = ? "
                                 "and GEBURTSTAG = ?"),
                  {name, vorname, QDateTime(geburtstag, QTime(0, 0))})
            : Db().Query(
                  QStringLiteral("select IDENTIFIKATION from QALPatient where NAME = ? and VORNAME = ? "
                                 "and GEBURTSTAG is null"),
                  {name, vorname});
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front().Int(QStringLiteral("IDENTIFIKATION"));
}

qint64 PatientDatabase::AddDevicePatient(const QString& name, const QString& vorname,
                                         const QDate& geburtstag) {
    Patient p;
    p.Name = name;
    p.Vorname = vorname;
    // The dialog's rules for the names and the column widths; the birth date is the device's
    // and is kept only when it can be one.
    p.Geburtstag = QDate(1950, 1, 1);
    CheckMandatory(p);
    const bool valid =
        geburtstag.isValid() && geburtstag >= QDate(1900, 1, 1) && geburtstag < QDate::currentDate();
    if (FindPatient(name, vorname, valid ? geburtstag : QDate())) {
        throw DataError(QCoreApplication::translate("Datenbank", "Fehler: Patient bereits vorhanden!"));
    }
    auto& c = Db();
    return Change([&] {
        const qint64 id = c.NextId(QStringLiteral("GEN_QALPATIENT_ID"));
        c.Exec(
            QStringLiteral("insert into QALPatient (IDENTIFIKATION, NAME, VORNAME, GEBURTSTAG, GESCHLECHT, "
                           "LETZTER_ZUGRIFF) values (?, ?, ?, ?, ?, ?)"),
            {id, name, vorname, valid ? QVariant(QDateTime(geburtstag, QTime(0, 0))) : QVariant(),
             QStringLiteral("-1"), QDateTime::currentDateTime()});
        c.CommitRetaining();
        return id;
    });
}

void PatientDatabase::CheckRoom(qint64 bytes) const {
    // Only a database on this computer: a server elsewhere watches its own disk.
    const QString host = FLocation.Server().toUpper();
    if (!FLocation.Embedded() && host != QLatin1String("127.0.0.1") && host != QLatin1String("LOCALHOST") &&
        host != QSysInfo::machineHostName().toUpper()) {
        return;
    }
    const QStorageInfo disk(FLocation.dir);
    if (!disk.isValid() || !disk.isReady()) {
        return;
    }
    // The pages hold a little more than the bytes; the engine needs room for its own pages too.
    constexpr qint64 kReserve = 2 * 1024 * 1024;
    if (disk.bytesAvailable() < bytes + bytes / 4 + kReserve) {
        throw DataError(QCoreApplication::translate(
                            "Datenbank", "Kein Platz auf %1: Der Datenträger der Datenbank ist voll. "
                                         "Schaffen Sie dort Platz und versuchen Sie es erneut.")
                            .arg(QDir::toNativeSeparators(QDir::cleanPath(FLocation.dir))));
    }
}

qint64 PatientDatabase::InsertRecording(qint64 patient, const QDate& datum, const QTime& uhrzeit,
                                        const QByteArray& daten, const QString& deviceName, int deviceStep) {
    if (daten.size() < 89) {
        throw DataError(QCoreApplication::translate(
            "Datenbank", "Die Aufzeichnung ist unvollständig (kein Programmkopf)."));
    }
    // A disk that fills while the engine writes ends the change with nothing stored, but can leave
    // the engine's page bookkeeping with a warning behind: the room is checked first.
    auto& c = Db();
    // The same recording of the same patient at the same time is stored once: a save that is
    // repeated because the program ended before it could say it was done (killed, the power
    // gone) finds the row it stored and stores nothing more.
    if (const auto same = SameRecording(patient, datum, uhrzeit, daten)) {
        return *same;
    }
    CheckRoom(daten.size());
    return Change([&] {
        const qint64 typ = DeviceId(deviceName, deviceStep);
        const qint64 counter = c.NextId(QStringLiteral("GEN_ZUDDATA_ID"));
        const int betriebsart = static_cast<uint8_t>(daten[2]) + 1;
        c.Exec(
            QStringLiteral("insert into ZUDData (COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART, DATEN, "
                           "LETZTER_ZUGRIFF) values (?, ?, ?, ?, ?, ?, ?, ?)"),
            {counter, typ, patient, QDateTime(datum, QTime(0, 0)), QDateTime(kZeitDatum, uhrzeit),
             betriebsart, daten, QDateTime::currentDateTime()});
        c.CommitRetaining();
        return counter;
    });
}

std::optional<qint64> PatientDatabase::SameRecording(qint64 patient, const QDate& datum, const QTime& uhrzeit,
                                                     const QByteArray& daten) {
    const auto rows =
        Db().Query(QStringLiteral("select COUNTER, UHRZEIT from ZUDData where Patient = %1 and DATUM = ? and "
                                  "octet_length(DATEN) = ? order by COUNTER")
                       .arg(patient),
                   {QDateTime(datum, QTime(0, 0)), static_cast<qint64>(daten.size())});
    for (const Row& r : rows) {
        if (r[QStringLiteral("UHRZEIT")].toDateTime().time() != uhrzeit) {
            continue;
        }
        const qint64 counter = r.Int(QStringLiteral("COUNTER"));
        const auto blob =
            Db().Query(QStringLiteral("select DATEN from ZUDData where COUNTER = %1").arg(counter));
        if (!blob.empty() && blob.front().At(0).toByteArray() == daten) {
            return counter;
        }
    }
    return std::nullopt;
}

std::optional<qint64> PatientDatabase::FindRecording(qint64 patient, const QDate& datum,
                                                     const QTime& uhrzeit) {
    // The time is compared by its time of day, whatever date part another program stored.
    const auto rows = Db().Query(
        QStringLiteral("select COUNTER, UHRZEIT from ZUDData where Patient = %1 and DATUM = ?").arg(patient),
        {QDateTime(datum, QTime(0, 0))});
    for (const Row& r : rows) {
        if (r[QStringLiteral("UHRZEIT")].toDateTime().time() == uhrzeit) {
            return r.Int(QStringLiteral("COUNTER"));
        }
    }
    return std::nullopt;
}

QString PatientDatabase::RecordingGoneText() {
    return QCoreApplication::translate("Datenbank",
                                       "Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht "
                                       "(auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es "
                                       "wurde nichts geändert.");
}

std::vector<PatientDatabase::StoredAt> PatientDatabase::RecordingsAt(const QDate& datum,
                                                                     const QTime& uhrzeit) {
    std::vector<StoredAt> out;
    // The time is compared by its time of day, whatever date part another program stored.
    const auto rows = Db().Query(
        QStringLiteral("select COUNTER, PATIENT, UHRZEIT from ZUDData where DATUM = ? order by COUNTER"),
        {QDateTime(datum, QTime(0, 0))});
    for (const Row& r : rows) {
        if (r[QStringLiteral("UHRZEIT")].toDateTime().time() == uhrzeit) {
            out.push_back({r.Int(QStringLiteral("COUNTER")), r.Int(QStringLiteral("PATIENT"))});
        }
    }
    return out;
}

void PatientDatabase::ReplaceRecordingData(qint64 counter, const QByteArray& daten) {
    if (daten.size() < 89) {
        throw DataError(QCoreApplication::translate(
            "Datenbank", "Die Aufzeichnung ist unvollständig (kein Programmkopf)."));
    }
    auto& c = Db();
    Change([&] {
        if (c.Exec(QStringLiteral("update ZUDData set DATEN = ?, LETZTER_ZUGRIFF = ? where COUNTER = %1")
                       .arg(counter),
                   {daten, QDateTime::currentDateTime()}) == 0) {
            throw DataError(RecordingGoneText());
        }
        c.CommitRetaining();
    });
}

void PatientDatabase::DeleteRecording(qint64 counter) {
    auto& c = Db();
    Change([&] {
        if (c.Exec(QStringLiteral("delete from ZUDData where COUNTER = %1").arg(counter)) == 0) {
            throw DataError(RecordingGoneText());
        }
        c.CommitRetaining();
    });
}

void PatientDatabase::MoveRecording(qint64 counter, qint64 patient) {
    auto& c = Db();
    Change([&] {
        // A recording is never filed under a patient who is gone.
        if (c.Query(QStringLiteral("select IDENTIFIKATION from QALPatient where IDENTIFIKATION = %1")
                        .arg(patient))
                .empty()) {
            throw PatientGone();
        }
        if (c.Exec(QStringLiteral("update ZUDData set PATIENT = %1 where COUNTER = %2")
                       .arg(patient)
                       .arg(counter)) == 0) {
            throw DataError(RecordingGoneText());
        }
        c.CommitRetaining();
    });
}

std::optional<QString> PatientDatabase::Remarks(qint64 counter) {
    const auto rows =
        Db().Query(QStringLiteral("select BEMERKUNGEN from ZUDData where COUNTER = %1").arg(counter));
    if (rows.empty()) {
        return std::nullopt;
    }
    return RemarksText(rows.front().At(0).toByteArray(), Db());
}

void PatientDatabase::SetRemarks(qint64 counter, const QString& text, const std::optional<QString>& loaded) {
    auto& c = Db();
    // The database's own encoding, so that older programs read the same text; a character it
    // cannot hold is refused rather than lost.
    const QVariant stored =
        text.isEmpty() ? QVariant() : QVariant(c.Utf8() ? text.toUtf8() : c.EncodeText(text));
    Change([&] {
        if (loaded) {
            const auto now = c.Query(
                QStringLiteral("select BEMERKUNGEN from ZUDData where COUNTER = %1 with lock").arg(counter));
            if (now.empty()) {
                throw DataError(RecordingGoneText());
            }
            if (RemarksText(now.front().At(0).toByteArray(), c) != *loaded) {
                throw db::ChangedElsewhere(
                    QStringLiteral("the remarks of recording %1 were changed after they were read")
                        .arg(counter));
            }
        }
        if (c.Exec(QStringLiteral("update ZUDData set BEMERKUNGEN = ? where COUNTER = %1").arg(counter),
                   {stored}) == 0) {
            throw DataError(RecordingGoneText());
        }
        c.CommitRetaining();
    });
}

int DisplayedMode(int b) {
    if (b > 0) {
        return b;
    }
    int m = -b;
    if (m > 100) {
        m -= 100;
    }
    switch (m) {
    case 9:
        return 5;
    case 10:
        return 7;
    case 11:
        return 8;
    case 12:
        return 6;
    default:
        return m;
    }
}

// ---------------------------------------------------------------- server root

QString PrepareServerRoot(const QString& dirIn, int port, const QString& sysdbaPassword) {
    const QString dir = QDir(dirIn).absolutePath();
    const QString system = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
    QDir().mkpath(dir + QStringLiteral("/intl"));
    QDir().mkpath(dir + QStringLiteral("/lock"));
    auto copy = [](const QString& from, const QString& to) {
        QFile::remove(to);
        if (!QFile::copy(from, to)) {
            throw DataError(
                QCoreApplication::translate("Datenbank", "Datei kann nicht kopiert werden: %1").arg(from));
        }
    };
    // A link to the character-set library is refused; a copy works.
    copy(system + QStringLiteral("/intl/libfbintl.so"), dir + QStringLiteral("/intl/libfbintl.so"));
    copy(QFileInfo(system + QStringLiteral("/intl/fbintl.conf")).canonicalFilePath(),
         dir + QStringLiteral("/intl/fbintl.conf"));
    copy(system + QStringLiteral("/firebird.msg"), dir + QStringLiteral("/firebird.msg"));
    QFile::remove(dir + QStringLiteral("/plugins"));
    QFile::link(system + QStringLiteral("/plugins"), dir + QStringLiteral("/plugins"));
    QFile plugins(dir + QStringLiteral("/plugins.conf"));
    plugins.open(QIODevice::WriteOnly);
    plugins.close();
    QFile databases(dir + QStringLiteral("/databases.conf"));
    databases.open(QIODevice::WriteOnly);
    databases.close();
    const QString security = dir + QStringLiteral("/security3.fdb");
    QFile conf(dir + QStringLiteral("/firebird.conf"));
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw DataError(QCoreApplication::translate("Datenbank", "Datei kann nicht geschrieben werden: %1")
                            .arg(conf.fileName()));
    }
    conf.write(QStringLiteral("# Private Firebird server of ZUD-Software\n"
                              "RemoteServicePort = %1\n"
                              "RemoteBindAddress = 127.0.0.1\n"
                              "SecurityDatabase = %2\n"
                              "AuthServer = Srp\n"
                              "WireCrypt = Required\n"
                              "UserManager = Srp\n"
                              "ServerMode = Super\n")
                   .arg(port)
                   .arg(security)
                   .toUtf8());
    conf.close();
    // The security database: an empty database becomes one on first use. This process reads
    // the private configuration: it must not have touched the database library before.
    qputenv("FIREBIRD", dir.toLocal8Bit());
    db::SetLockFolder(dir + QStringLiteral("/lock"));
    if (!QFile::exists(security)) {
        Connection::Create({security, QString::fromLatin1(kAdminUser), QString(), QString()});
    }
    {
        auto c = Connection::Attach({security, QString::fromLatin1(kAdminUser), QString(), QString()});
        c->Exec(QStringLiteral("CREATE OR ALTER USER SYSDBA PASSWORD %1")
                    .arg(PatientDatabase::QuoteString(sysdbaPassword)));
        c->Commit();
    }
    return QStringLiteral("FIREBIRD=%1 FIREBIRD_LOCK=%1/lock /usr/sbin/firebird").arg(dir);
}

} // namespace zud
