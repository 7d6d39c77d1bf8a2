#include "WorkArea.h"

#include "CheckedFile.h"
#include "ExchangeDatabase.h"
#include "Paths.h"
#include "PatientDatabase.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zud::exchange {

namespace {

const QString kJournal = QStringLiteral("journal");
// A folder that has no journal yet is being made; after this long its maker is gone.
constexpr qint64 kUnbornSeconds = 60;

// A folder of this user alone: made with mode 0700, or already such a folder (not a link).
bool OwnFolder(const QString& path, bool create) {
    const QByteArray p = QFile::encodeName(path);
    if (create && ::mkdir(p.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat st {};
    return ::lstat(p.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 07777) == 0700;
}

QStringList Candidates(const DbLocation& loc) {
    const QString name = QStringLiteral("zud-work-%1").arg(::geteuid());
    QStringList out;
    if (!loc.dir.isEmpty() && DatabaseIsLocal(loc)) {
        const QString db = QDir::cleanPath(QDir(loc.dir).absolutePath());
        out << QDir(QFileInfo(db).absolutePath()).filePath(name) << QDir(db).filePath(name);
    }
    out << QDir(DataFolder()).filePath(name);
    return out;
}

struct Entry {
    char kind = 'F'; // F: a file; D: a database (connection) and its file
    QString value;   // path or connection
    QString path;    // D: the database's file when it is local
};

QByteArray Encode(const QString& s) {
    return QUrl::toPercentEncoding(s);
}

QString Decode(const QByteArray& b) {
    return QUrl::fromPercentEncoding(b);
}

// The entries a journal still names, in the order they were noted.
QList<Entry> ReadJournal(int fd) {
    QByteArray all;
    char buf[4096];
    ::lseek(fd, 0, SEEK_SET);
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0) {
        all.append(buf, n);
    }
    QList<Entry> entries;
    for (const QByteArray& line : all.split('\n')) {
        const QList<QByteArray> f = line.split('\t');
        if (f.size() < 2 || f[0].size() != 1) {
            continue; // a line cut short by a kill
        }
        const QString value = Decode(f[1]);
        if (f[0] == "-") {
            entries.removeIf([&value](const Entry& e) { return e.value == value; });
        } else if (f[0] == "F") {
            entries.append({'F', value, {}});
        } else if (f[0] == "D") {
            entries.append({'D', value, f.size() > 2 ? Decode(f[2]) : QString()});
        }
    }
    return entries;
}

// Removes a database file that no engine holds: the embedded engine and a server lock the file
// while anybody is attached to it, so a file whose lock is free is nobody's. A database whose
// creation was killed half-way cannot be attached, so not dropped either: it is removed here.
// One that is in use (another run's copy under the same name) stays.
void RemoveUnusedDatabaseFile(const QString& path) {
    const QByteArray p = QFile::encodeName(path);
    const int fd = ::open(p.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        // A server's file that this user may not read: the server has dropped what it could.
        if (errno == EACCES || errno == EPERM) {
            ::unlink(p.constData());
        }
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::unlink(p.constData());
    }
    ::close(fd);
}

void RemoveEntries(const QList<Entry>& entries, const RunFolder::DropDatabase& drop) {
    for (const Entry& e : entries) {
        if (e.kind == 'D') {
            if (drop) {
                drop(e.value);
            }
            if (!e.path.isEmpty()) {
                RemoveUnusedDatabaseFile(e.path);
            }
        } else {
            QFile::remove(e.value);
        }
    }
}

} // namespace

QString ExchangeWorkFolder(const DbLocation& loc) {
    const QStringList candidates = Candidates(loc);
    for (const QString& c : candidates) {
        if (OwnFolder(c, true)) {
            return c;
        }
    }
    throw DataError(
        QCoreApplication::translate("Austausch", "Der Arbeitsordner kann nicht angelegt werden: %1")
            .arg(candidates.front()));
}

QStringList ExistingExchangeWorkFolders(const DbLocation& loc) {
    QStringList out;
    for (const QString& c : Candidates(loc)) {
        if (OwnFolder(c, false) && !out.contains(c)) {
            out << c;
        }
    }
    return out;
}

bool IsNoSpace(int err) {
    return err == ENOSPC || err == EDQUOT || err == EFBIG;
}

QString NoSpaceText(const QString& folder) {
    // A run's own folder means nothing to the user: its work folder is where space is missing.
    QString shown = QDir::cleanPath(folder);
    const QFileInfo f(shown);
    if (f.fileName().startsWith(QLatin1String("run-")) &&
        QFileInfo(f.absolutePath()).fileName().startsWith(QLatin1String("zud-work-"))) {
        shown = f.absolutePath();
    }
    return QCoreApplication::translate(
               "Austausch", "Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.")
        .arg(QDir::toNativeSeparators(shown));
}

// ---------------------------------------------------------------- run folder

struct RunFolder::Impl {
    QString path;
    int fd = -1;
    DropDatabase drop;

    void Append(const QByteArray& line) {
        // Written in one call: a kill cuts a line at most, and a cut line is ignored.
        const ssize_t n = ::write(fd, line.constData(), static_cast<size_t>(line.size()));
        if (n != line.size() || ::fdatasync(fd) != 0) {
            // A short write is a full disk as well.
            if (n >= 0 && n != line.size()) {
                errno = ENOSPC;
            }
            if (IsNoSpace(errno)) {
                throw DataError(NoSpaceText(path));
            }
            throw DataError(
                QCoreApplication::translate("Austausch", "Im Arbeitsordner kann nicht geschrieben werden: %1")
                    .arg(path));
        }
    }
};

RunFolder::RunFolder(const QString& workFolder, DropDatabase dropDatabase) : d(std::make_unique<Impl>()) {
    d->drop = std::move(dropDatabase);
    RemoveLeftovers(workFolder, d->drop);
    const auto cannot = [&workFolder](int err) {
        return DataError(IsNoSpace(err)
                             ? NoSpaceText(workFolder)
                             : QCoreApplication::translate(
                                   "Austausch", "Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)")
                                   .arg(workFolder, FileErrorReason(err)));
    };
    // Made under a name the cleanup leaves alone while it has no journal, locked, then renamed
    // to the name of a run: no moment exists at which another program takes it for a dead run.
    // The maker's process number is in the name: a folder whose maker is gone goes at once.
    QByteArray tmpl = QFile::encodeName(
        QDir(workFolder).filePath(QStringLiteral("new-%1-XXXXXX").arg(static_cast<qint64>(::getpid()))));
    if (::mkdtemp(tmpl.data()) == nullptr) {
        throw cannot(errno);
    }
    const QString made = QFile::decodeName(tmpl);
    d->fd = ::open(QFile::encodeName(QDir(made).filePath(kJournal)).constData(),
                   O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
    if (d->fd < 0 || ::flock(d->fd, LOCK_EX) != 0) {
        const int e = errno;
        QDir(made).removeRecursively();
        throw cannot(e);
    }
    d->path = QDir(workFolder)
                  .filePath(QStringLiteral("run-") + QFileInfo(made).fileName().section(QLatin1Char('-'), 2));
    if (::rename(tmpl.constData(), QFile::encodeName(d->path).constData()) != 0) {
        const int e = errno;
        QDir(made).removeRecursively();
        ::close(d->fd);
        d->fd = -1;
        throw cannot(e);
    }
}

RunFolder::~RunFolder() {
    Clean();
    QDir(d->path).removeRecursively();
    if (d->fd >= 0) {
        ::close(d->fd);
    }
}

QString RunFolder::Path() const {
    return d->path;
}

QString RunFolder::File(const QString& name) const {
    return QDir(d->path).filePath(name);
}

QString RunFolder::Tag() const {
    return QFileInfo(d->path).fileName().mid(4);
}

void RunFolder::Track(const QString& path) {
    d->Append("F\t" + Encode(path) + '\n');
}

void RunFolder::TrackDatabase(const QString& connection, const QString& path) {
    d->Append("D\t" + Encode(connection) + '\t' + Encode(path) + '\n');
}

void RunFolder::Forget(const QString& pathOrConnection) {
    d->Append("-\t" + Encode(pathOrConnection) + '\n');
}

void RunFolder::Clean() {
    if (d->fd < 0) {
        return;
    }
    RemoveEntries(ReadJournal(d->fd), d->drop);
    // Emptied: a later Clean or a cleanup after a kill has nothing more to do.
    if (::ftruncate(d->fd, 0) == 0) {
        ::fdatasync(d->fd);
    }
}

namespace {
std::atomic<int> gRestoreSwapFault{0};
}

void ArmFault(Fault fault, int err) {
    if (fault == Fault::RestoreSwap) {
        gRestoreSwapFault = err;
    }
}

int TakeFault(Fault fault) {
    return fault == Fault::RestoreSwap ? gRestoreSwapFault.exchange(0) : 0;
}

namespace {
// True while the folder `new-<pid>-…` may still be made by a living process.
bool MakerAlive(const QFileInfo& folder) {
    const QString name = folder.fileName();
    if (name.startsWith(QLatin1String("run-"))) {
        return false;
    }
    bool ok = false;
    const qint64 pid = name.section(QLatin1Char('-'), 1, 1).toLongLong(&ok);
    if (ok && pid > 0 && name.count(QLatin1Char('-')) >= 2) {
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    }
    return folder.lastModified().secsTo(QDateTime::currentDateTime()) <= kUnbornSeconds;
}
} // namespace

int RemoveLeftovers(const QString& workFolder, const RunFolder::DropDatabase& dropDatabase) {
    if (workFolder.isEmpty()) {
        return 0;
    }
    int removed = 0;
    const QDir work(workFolder);
    for (const QFileInfo& run : work.entryInfoList({QStringLiteral("run-*"), QStringLiteral("new-*")},
                                                   QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (run.isSymLink()) {
            continue;
        }
        const int fd = ::open(QFile::encodeName(QDir(run.filePath()).filePath(kJournal)).constData(),
                              O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            // No journal: a folder that is still being made, or whose maker was killed at that
            // very moment. A run's folder gets its name only with its journal, so one without
            // is nobody's; a new one is its maker's while that process lives (and, made by an
            // older version without its number, for a minute).
            if (errno == ENOENT && !MakerAlive(run)) {
                QDir(run.filePath()).removeRecursively();
                ++removed;
            }
            continue;
        }
        // The run's process holds the lock while it lives; a killed one released it.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            continue;
        }
        RemoveEntries(ReadJournal(fd), dropDatabase);
        QDir(run.filePath()).removeRecursively();
        ::close(fd);
        ++removed;
    }
    return removed;
}

} // namespace zud::exchange
