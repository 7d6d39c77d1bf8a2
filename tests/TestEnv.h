#pragma once

#include "Settings.h"

#include <QTemporaryDir>

namespace zud::test {

// Settings of both scopes and the data folder below a test's own folder.
inline void IsolateProgramFolders(const QTemporaryDir& dir) {
    Settings::RedirectForTests(dir.filePath(QStringLiteral("user")), dir.filePath(QStringLiteral("system")));
    qputenv("ZUD_DATA_DIR", dir.filePath(QStringLiteral("data")).toLocal8Bit());
}

} // namespace zud::test
