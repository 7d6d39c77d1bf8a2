#include "Share.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace zud {

namespace {

QString WithSlash(QString path) {
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path;
}

// The executable's folder also without a QCoreApplication (tests, early start-up).
QString ExecutableDir() {
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath();
    }
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) {
        return QDir::currentPath();
    }
    return QFileInfo(QString::fromLocal8Bit(buf, static_cast<qsizetype>(n))).absolutePath();
}

} // namespace

QString ShareDir() {
    const QString env = qEnvironmentVariable("ZUD_SHARE_DIR");
    if (!env.isEmpty()) {
        return WithSlash(env);
    }
    return WithSlash(QDir::cleanPath(ExecutableDir() + QStringLiteral("/../share/zud-software")));
}

} // namespace zud
