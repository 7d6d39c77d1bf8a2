#pragma once

// Where the long data-exchange runs keep their big files (database copies, backup files,
// extracted archives): on disk beside the database's own folder, never in the small runtime
// folder. Each run gets a folder of its own with a journal of everything it puts elsewhere
// (an archive written beside its destination, a database copy beside the database); the run
// holds a lock on its journal while it lives. A run that ended normally removes its folder and
// what the journal names; a run that was killed leaves them, and the next run or the next start
// of a program finds the journal unlocked and removes them.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace zud {
struct DbLocation;
}

namespace zud::exchange {

// The work folder of the exchange for this user and this database, created with mode 0700:
// "zud-work-<uid>" beside the database's folder when the database is on this computer and its
// parent folder takes it, else inside the database's folder, else in the data folder. Throws
// DataError when none can be made.
QString ExchangeWorkFolder(const DbLocation& loc);
// Every folder of those candidates that exists, without creating any (the cleanup at start).
QStringList ExistingExchangeWorkFolders(const DbLocation& loc);

// "Kein Platz auf <folder>. …": a full disk in German, naming the folder.
QString NoSpaceText(const QString& folder);
// True for the errno values of a full disk or an exhausted quota.
bool IsNoSpace(int err);

class RunFolder {
public:
    using DropDatabase = std::function<void(const QString& connection)>;
    // A fresh run folder below `workFolder`, after the leftovers of killed runs there are
    // removed; `dropDatabase` drops the databases the journal names. Throws DataError when the
    // folder cannot be made.
    explicit RunFolder(const QString& workFolder, DropDatabase dropDatabase = {});
    // Removes the folder and every file and database the journal still names.
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    QString Path() const;
    QString File(const QString& name) const;
    QString File(const char* name) const { return File(QString::fromLatin1(name)); }
    // A short name unique to this run, for files that must not meet another run's.
    QString Tag() const;

    // Notes a file outside the folder that is this run's until Forget: noted before it is made,
    // so that no moment exists at which a killed run leaves it unnamed.
    void Track(const QString& path);
    // Notes a database (connection string) that this run creates; it is dropped through the
    // cleaner's `dropDatabase`, and its file (`path`, when local; may be empty) removed.
    void TrackDatabase(const QString& connection, const QString& path);
    // The file (or database) is no longer this run's: it was put in place or is removed already.
    void Forget(const QString& pathOrConnection);

    // Removes what the journal names now (the destructor does it too).
    void Clean();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Removes the folders and files of runs below `workFolder` whose process is gone; their
// databases go through `dropDatabase`. Runs that are alive (this process's or another's) are
// left alone. Returns how many runs were cleaned up.
int RemoveLeftovers(const QString& workFolder, const RunFolder::DropDatabase& dropDatabase = {});

// Failures a test arms to reach paths a healthy machine rarely takes and that root cannot be
// denied by permissions: the next operation of that kind fails with the armed errno, once.
enum class Fault { RestoreSwap };
void ArmFault(Fault fault, int err);
// The armed errno for `fault`, disarming it; 0 when none is armed.
int TakeFault(Fault fault);

} // namespace zud::exchange
