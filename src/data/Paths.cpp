#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace zud {

namespace {

// A folder only this user can enter: created with mode 0700, or already such a folder.
bool PrivateFolder(const QByteArray& path) {
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat st {};
    // lstat: a link in its place is not ours, whatever it points to.
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 07777) == 0700;
}

// The executable's folder also without a QCoreApplication (early start-up, tools).
QString ExecutableDir() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) {
        return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QString();
    }
    return QFileInfo(QString::fromLocal8Bit(buf, static_cast<qsizetype>(n))).absolutePath();
}

// Files that the program and the database engine make in the shared folder must stay
// readable and writable for the other accounts of the group: no group bits masked, none for
// others.
void ShareWithGroup() {
    const mode_t mask = ::umask(0);
    ::umask((mask & 0700) | 0007);
}

} // namespace

QString MachineDataFolder() {
    if (!qEnvironmentVariableIsEmpty("ZUD_DATA_DIR")) {
        return {};
    }
    // The installation names the folder beside its other data files; the build tree has no such
    // file. Looked up beside the executable only: $ZUD_SHARE_DIR (tests) does not change it.
    const QString exeDir = ExecutableDir();
    if (exeDir.isEmpty()) {
        return {};
    }
    QFile f(exeDir + QStringLiteral("/../share/zud-software/datadir"));
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString dir = QString::fromUtf8(f.readLine()).trimmed();
    if (dir.isEmpty() || !QDir::isAbsolutePath(dir)) {
        return {};
    }
    return QDir::cleanPath(dir);
}

QString DataFolder() {
    const QString machine = MachineDataFolder();
    if (!machine.isEmpty()) {
        static const bool shared = [] {
            ShareWithGroup();
            return true;
        }();
        (void)shared;
        // The package makes the folder (group zud, mode 2770); a missing one is made here as far as
        // this account may, and a database that cannot be made there says so when it is opened.
        if (!QFileInfo::exists(machine)) {
            QDir().mkpath(machine);
        }
        return machine + QLatin1Char('/');
    }
    QString dir = qEnvironmentVariable("ZUD_DATA_DIR");
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/Brelk/ZUD-Software");
    }
    dir = QDir::cleanPath(dir);
    if (!QFileInfo::exists(dir)) {
        // The folder holds the database and the protocol log: its owner's alone.
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return dir + QLatin1Char('/');
}

QString LogFilePath() {
    return DataFolder() + QStringLiteral("Logfile.txt");
}

QString DefaultDatabaseFolder() {
    return DataFolder() + QStringLiteral("DB/");
}

QString LockFolder() {
    return DataFolder() + QStringLiteral("lock/");
}

QString MakeWorkFolder(const QString& base) {
    // The usual name when it is safe to use; otherwise (somebody else's, a link, too open) a
    // fresh one that nobody could have prepared.
    const QString usual = QStringLiteral("%1/Brelk-%2").arg(base).arg(::geteuid());
    if (PrivateFolder(QFile::encodeName(usual))) {
        return usual + QLatin1Char('/');
    }
    QByteArray tmpl = QFile::encodeName(usual + QStringLiteral("-XXXXXX"));
    if (::mkdtemp(tmpl.data()) == nullptr) {
        return {};
    }
    return QFile::decodeName(tmpl) + QLatin1Char('/');
}

QString WorkFolder() {
    static QString folder;
    if (!folder.isEmpty() && PrivateFolder(QFile::encodeName(folder.chopped(1)))) {
        return folder;
    }
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        base = QDir::tempPath();
    }
    folder = MakeWorkFolder(base);
    return folder;
}

void EmptyWorkFolder() {
    const QString dir = WorkFolder();
    if (dir.isEmpty()) {
        return;
    }
    for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile::remove(f.filePath());
    }
}

} // namespace zud
