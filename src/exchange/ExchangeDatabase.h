#pragma once

// The exchange data module: its own connections for the export database, the take-over copy
// and the previous version's database, and everything that moves whole patients between
// databases (patient archives, database backups, the take-over of the previous version).
// No widgets: the windows and zudctl use it alike.

#include "Database.h"
#include "Feedback.h"
#include "PatientDatabase.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace zud::exchange {
class RunFolder;
}

namespace zud {

constexpr const char* kExportDatabase = "ZUDData_exp.gdb";
constexpr const char* kExportBackup = "ZUDData_exp.gbk";
constexpr const char* kTakeOverDatabase = "ZUDData_imp.gdb";
constexpr const char* kTakeOverBackup = "ZUDData_imp.gbk";
constexpr const char* kDatabaseBackup = "ZUDData3_exp.gbk";
// A restore lands in "ZUDData3_neu-<run>.gdb" first and replaces the database only when it is
// complete and checked.
constexpr const char* kRestoreDatabase = "ZUDData3_neu";
// The previous version's database and its server's default account.
constexpr const char* kOldDatabase = "ZUDData.gdb";
constexpr const char* kOldUser = "sysdba";
constexpr const char* kOldPassword = "gravelkit";

// A patient as an opened archive lists it.
struct ArchivePatient {
    qint64 Identifikation = -1;
    QString Name, Vorname;
    QDate Geburtstag;
    QDateTime LetzterZugriff;
};

// What a merge did.
struct MergeResult {
    int patientsNew = 0;      // inserted as new patients
    int patientsExisting = 0; // found by surname, first name and birth date
    int recordingsInserted = 0;
    int recordingsOverwritten = 0;
    int devicesAdded = 0;
};

struct ExportResult {
    int patients = 0;
    int recordings = 0;
    int devices = 0;
    qint64 archiveBytes = 0;
};

// A file in the database folder of `loc`, addressed as the main database is: on a server
// "server/port:folder/file", embedded the file's path.
QString DatabaseString(const DbLocation& loc, const QString& file);
// True when the database file is on this computer (embedded, or a server on this computer).
bool DatabaseIsLocal(const DbLocation& loc);
// The previous version's database as the machine's settings name it (SQLServer, SQLDir,
// RemoteServicePort; 8-bit text in SQLCodePage3).
DbLocation OldLocationFromSettings(const Settings& s);

class ExchangeDatabase {
public:
    explicit ExchangeDatabase(DbLocation main, QString adminPassword = QString::fromLatin1(kAdminPassword));
    ~ExchangeDatabase();

    const DbLocation& Location() const { return FMain; }
    QString ExportConnection() const;
    QString TakeOverConnection() const;
    static QString OldConnection(const DbLocation& old);
    // The schema of export databases.
    static QStringList SchemaScript();

    // --- export ---
    // Copies the device rows, the patients and all their recordings (keys unchanged) into a
    // fresh export database, backs it up and packs the backup as the only file of the archive.
    // Every copy is checked: a failure is an error, never an archive with gaps. The archive
    // appears only when it is complete.
    ExportResult Export(db::Connection& main, const QList<qint64>& patients, const QString& archive,
                        const exchange::Feedback& fb = {});

    // --- import ---
    // Extracts the archive into a fresh folder, restores its database and lists its patients
    // by surname. A file that is no archive, or a damaged one, is an error that changes nothing.
    std::vector<ArchivePatient> OpenArchive(const QString& archive, const exchange::Feedback& fb = {});
    // Merges the given patients of the opened archive into `main`, committing after each.
    MergeResult Import(db::Connection& main, const QList<qint64>& patients,
                       const exchange::Feedback& fb = {});
    // Throws the restored archive database away.
    void CloseArchive();

    // --- backup and restore of the main database ---
    // The main database must not be open in this process (the embedded engine holds its file
    // alone); the callers disconnect before and connect again afterwards.
    qint64 Backup(const QString& archive, const exchange::Feedback& fb = {});
    // Restores into a new file next to the database and replaces the database only when that
    // restore is complete and holds this program's tables; a failure leaves it as it was.
    void Restore(const QString& archive, const exchange::Feedback& fb = {});

    // --- take-over of the previous version ---
    // The previous version's database answers to its default account.
    static bool OldDatabaseAnswers(const DbLocation& old);
    // The take-over is offered while the main database has no patient and the old one answers.
    static bool TakeOverWanted(db::Connection& main, const DbLocation& old);
    // Backs the old database up, restores the backup as the take-over copy and merges every
    // patient of it into `main`. Refused when `main` already holds patients.
    MergeResult TakeOver(db::Connection& main, const DbLocation& old, const exchange::Feedback& fb = {});

    // Removes what runs of this database's exchange left when they were killed (work files,
    // half-written archives, database copies); runs that are alive stay. Returns their number.
    int RemoveLeftovers();

private:
    db::ConnectParams Admin(const QString& database) const;
    std::unique_ptr<exchange::RunFolder> NewRun();
    // The file of a database of this name beside the main one when it is on this computer (a
    // run's journal names it, so that a cleanup after a kill removes what could not be
    // dropped); empty for a server elsewhere.
    QString LocalFile(const char* name) const;
    // Throws "Kein Platz auf …" when the database's disk has no room for the archive's
    // recordings of these patients.
    void CheckRoomFor(const QList<qint64>& patients);
    MergeResult Merge(db::Connection& source, db::Connection& main, const QList<qint64>& patients,
                      const exchange::Feedback& fb);

    DbLocation FMain;
    QString FAdminPassword;
    // The opened archive's database, held from opening to closing: on a shared server nobody
    // else's export can drop or replace it in between.
    std::unique_ptr<db::Connection> FArchive;
    // The run of the opened archive (its work files and its restored database).
    std::unique_ptr<exchange::RunFolder> FArchiveRun;
};

} // namespace zud
