#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace zud {

QString DataFolder() {
    QString dir = qEnvironmentVariable("ZUD_DATA_DIR");
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/Brelk/ZUD-Software");
    }
    QDir().mkpath(dir);
    return QDir::cleanPath(dir) + QLatin1Char('/');
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

QString WorkFolder() {
    const QString dir = QDir::tempPath() + QStringLiteral("/Brelk-%1/").arg(::getuid());
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dir;
}

} // namespace zud
