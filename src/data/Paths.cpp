#include "Paths.h"

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

} // namespace

QString DataFolder() {
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
