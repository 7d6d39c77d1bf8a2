#pragma once

// The data module: the one database connection of a login and everything that reads or
// writes patients, recordings and device rows. No widgets: the windows and zudctl use it alike.

#include "Database.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace zud {

class Settings;

constexpr const char* kDatabaseFile = "ZUDData3.gdb";
// The server administrator's fixed password.
constexpr const char* kAdminPassword = "7q3K9w2R";
constexpr const char* kAdminUser = "SYSDBA";
constexpr const char* kRole = "Benutzer";

// Where the database lives.
struct DbLocation {
    QString server = QStringLiteral("EMBEDDED"); // "EMBEDDED": the embedded engine on the file
    QString port = QStringLiteral("3052");
    QString dir; // folder of the database file, with or without a trailing slash
    // The code page of 8-bit text in a database without a character set (setting SQLCodePage3).
    QString codePage = QStringLiteral("WIN1252");

    static DbLocation FromSettings(const Settings& s);
    bool Embedded() const;
    // "NONE" (any case) or empty become 127.0.0.1.
    QString Server() const;
    QString FilePath() const;
    // "%s/%s:%s%s" for a server; the file's path for the embedded engine.
    QString ConnectionString() const;
};

// A failure the user is told about in German (mandatory fields, duplicates, bad names).
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message)
        : std::runtime_error(message.toStdString()), FMessage(message) {}
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

struct Patient {
    qint64 Identifikation = -1;
    QString Nummer, Name, Krankenkasse, VNummer, Vorname, Wohnort, Strasse, Plz, Telefon, Fax, Email, Groesse,
        Gewicht;
    QDate Geburtstag;
    int Geschlecht = -1; // 0 weiblich, 1 männlich, -1 not given
    QDateTime LetzterZugriff;
    // The data fields as they were read (empty for a patient not read from the database): an
    // update of this patient fails when another workstation changed them in the meantime.
    QStringList Geladen;
};

// The data fields of a patient (all but the key and the access time), for comparisons.
QStringList PatientFields(const Patient& p);

struct Recording {
    qint64 Counter = -1;
    qint64 Typ = 0;
    qint64 Patient = -1;
    QDate Datum;
    QTime Uhrzeit;
    int Betriebsart = 0; // mode + 1; 0 and below: older variant
    QByteArray Daten;
    QString Bemerkungen; // lines separated by "\n"
    QDateTime LetzterZugriff;
    qint64 Groesse = 0; // bytes of DATEN (lists)
};

// Remarks as stored: UTF-8 when the bytes are valid UTF-8, else 8-bit text in the database's
// code page (in a UTF8 database: the location's code page, SQLCodePage3); line
// breaks of Windows ("\r\n") read as "\n".
QString RemarksText(const QByteArray& stored, const db::Connection& c);

class PatientDatabase {
public:
    explicit PatientDatabase(DbLocation location);
    ~PatientDatabase();

    const DbLocation& Location() const { return FLocation; }

    // --- installation ---
    bool DatabaseExists(const QString& adminPassword = QString::fromLatin1(kAdminPassword)) const;
    // Creates the database with its schema, generators and role (administrator account).
    void Install(const QString& adminPassword = QString::fromLatin1(kAdminPassword));
    // Creates it when it is missing; true when it was created.
    bool EnsureInstalled(const QString& adminPassword = QString::fromLatin1(kAdminPassword));
    // The schema script of export files (no generators).
    static QStringList SchemaScript();

    // --- login ---
    // Connects as `user` (upper case) with role Benutzer, starts the transaction, removes
    // the bad recordings and opens the data; a missing role grant is repaired once with the
    // administrator account. Throws DbError.
    void Login(const QString& user, const QString& password,
               const QString& adminPassword = QString::fromLatin1(kAdminPassword));
    void Logout();
    // Logged in: also while the connection to a server is broken off (it is attached anew on the
    // next access, see Db()).
    bool LoggedIn() const { return FDb != nullptr || !FUser.isEmpty(); }
    // Drops the connection and attaches anew with the login's account ("Erneut verbinden").
    // Throws DbError when the database cannot be reached; the next access tries again.
    void Reconnect();
    // The connection of the login broke off and is not attached again yet.
    bool ConnectionLost() const { return !FUser.isEmpty() && (!FDb || FDb->Lost()); }
    const QString& UserName() const { return FUser; }
    // German text for a failed login or open, as the error box shows it.
    static QString OpenErrorText(const QString& className);
    // What happened and what to do, in German: a server that cannot be reached is named with its
    // host and port; everything else as db::DescribeError says it.
    QString DescribeLoginError(const db::DbError& e) const;
    // The login's connection. One that broke off (the server stopped or restarted) is dropped
    // and attached anew here, so that the next action carries on; a server connection unused for
    // a while is asked first whether it still stands. Throws DataError when nobody is logged in,
    // DbError when the database cannot be reached.
    db::Connection& Db();

    int DelBadRecords();

    // --- users (server only) ---
    void ChangePassword(const QString& newPassword);
    // Every account but SYSDBA and SUPERUSER, sorted. Needs the administrator.
    static QStringList Users(const DbLocation& loc, const QString& adminPassword);
    static void CreateUser(const DbLocation& loc, const QString& adminPassword, const QString& name,
                           const QString& password);
    static void AlterUser(const DbLocation& loc, const QString& adminPassword, const QString& name,
                          const QString& password);
    static void DropUser(const DbLocation& loc, const QString& adminPassword, const QString& name);
    // A user name must be a plain identifier; throws DataError otherwise.
    static QString CheckUserName(const QString& name);
    static QString QuoteString(const QString& s);

    // The database's character set ("UTF8", "WIN1252", "NONE": 8-bit text in the code page of
    // the location) and the connection's.
    QString DatabaseCharset();
    QString ConnectionCharset();

    // Every change below is committed at once. A change that fails (a conflict with another
    // workstation, a text the database cannot hold) is rolled back whole, and the connection
    // stays usable: reading again shows what the others committed. A row that another
    // workstation is changing at this moment, or changed after it was read here, fails at once
    // with a db::DbError for which IsUpdateConflict() holds (db::DescribeError says what to do).

    // --- patients ---
    // New patient: mandatory fields, exact duplicate check; the key is taken before the post.
    qint64 AddPatient(Patient p);
    // The same checks as AddPatient but the duplicate test. A patient read from the database
    // (Geladen set) is saved only when nobody changed it since; a DataError when it is gone.
    void UpdatePatient(const Patient& p);
    // Deletes the patient; his recordings stay in the table unless `withRecordings`, then they
    // go in the same transaction. A DataError when there is no such patient (nothing is deleted).
    void DeletePatient(qint64 id, bool withRecordings = false);
    // The number of recordings of a patient (also of one that no longer exists).
    int RecordingCount(qint64 patient);
    std::optional<Patient> GetPatient(qint64 id);
    // Sets LETZTER_ZUGRIFF to now; false when there is no such patient.
    bool SelectPatient(qint64 id);
    std::vector<Patient> AllPatients();
    std::vector<Patient> SearchPatients(const QString& text);
    std::vector<Patient> RecentPatients(int limit = 10);

    // --- recordings ---
    // Without the whole DATEN: Daten holds its first 89 bytes (the program header, with the
    // program name), Groesse its length; sort directions "ASC" or "DESC".
    std::vector<Recording> ListRecordings(qint64 patient, const QString& sortDate = QStringLiteral("DESC"),
                                          const QString& sortTime = QStringLiteral("ASC"));
    std::vector<Recording> RecentRecordings(qint64 patient, int limit = 10);
    // Sets LETZTER_ZUGRIFF to now and returns the row with its device name.
    std::optional<Recording> OpenRecording(qint64 counter, QString* deviceName = nullptr);
    std::optional<Recording> GetRecording(qint64 counter);
    // The recording of the patient at that date and time (time of day) with exactly these bytes.
    std::optional<qint64> SameRecording(qint64 patient, const QDate& datum, const QTime& uhrzeit,
                                        const QByteArray& daten);
    // The device row for a device type name: found, or inserted with max + 1 (1 when empty).
    // `step` is the distance of a new number from the largest one: 1 for live recordings,
    // 100 for the device read-out (whose first device gets 100).
    qint64 DeviceId(const QString& deviceName, int step = 1);
    // Inserts a recording; BETRIEBSART from byte 2 of the stream + 1. The same bytes already
    // stored for the patient at that date and time are not stored again: their key is returned.
    qint64 InsertRecording(qint64 patient, const QDate& datum, const QTime& uhrzeit, const QByteArray& daten,
                           const QString& deviceName, int deviceStep = 1);
    // The patient with exactly this surname, first name and birth date (case-sensitive), if any;
    // an invalid date finds the patient without a birth date.
    std::optional<qint64> FindPatient(const QString& name, const QString& vorname, const QDate& geburtstag);
    // A patient as the device knows him: names given, the birth date stored only when it is a
    // valid date before today (else none). No other mandatory field; a patient with the same
    // names and birth date is refused as in AddPatient.
    qint64 AddDevicePatient(const QString& name, const QString& vorname, const QDate& geburtstag);
    // A recording of the same patient, date and time, if any.
    std::optional<qint64> FindRecording(qint64 patient, const QDate& datum, const QTime& uhrzeit);
    // Every recording of this date and time of day, whichever patient it is filed under.
    struct StoredAt {
        qint64 counter = -1;
        qint64 patient = -1;
    };
    std::vector<StoredAt> RecordingsAt(const QDate& datum, const QTime& uhrzeit);
    // The changes by key below fail with a DataError (German, "not there any more") when the
    // recording does not exist: nothing is done, and nothing is reported as done.
    void ReplaceRecordingData(qint64 counter, const QByteArray& daten);
    void DeleteRecording(qint64 counter);
    void MoveRecording(qint64 counter, qint64 patient);
    // The remarks of one recording; nullopt when it does not exist.
    std::optional<QString> Remarks(qint64 counter);
    // Writes the remarks (empty: none) in the database's encoding. With `loaded`, the remarks as
    // they were read, they are written only when nobody changed them since. A DataError when the
    // recording does not exist.
    void SetRemarks(qint64 counter, const QString& text, const std::optional<QString>& loaded = std::nullopt);
    // The German message of a change by key whose recording is gone.
    static QString RecordingGoneText();

private:
    void Connect(const QString& user, const QString& password, const QString& role);
    void OpenDataSets();
    // Runs a change; when it throws, everything since the last commit is rolled back.
    template <typename F> auto Change(F&& f) -> decltype(f());
    // The access time of a row, where nobody else is changing it right now.
    void Touch(const QString& sql);
    // A DataError "Kein Platz auf …" when the disk of a database on this computer has no room
    // for `bytes` more.
    void CheckRoom(qint64 bytes) const;

    DbLocation FLocation;
    std::unique_ptr<db::Connection> FDb;
    QString FUser;
    QString FPassword;
    QElapsedTimer FLastUse; // of the connection: a longer pause asks the server first
};

// Prepares a private Firebird server root in `dir`: configuration (port, loopback only,
// private security database), the security database with the SYSDBA password, the lock
// folder. Must run before any other database call of the process. Returns the command that
// starts the server.
QString PrepareServerRoot(const QString& dir, int port, const QString& sysdbaPassword);

// Mode names of a stored BETRIEBSART (1-based; older rows mapped as the lists show them).
int DisplayedMode(int betriebsart);

} // namespace zud
