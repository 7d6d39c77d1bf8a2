#pragma once

#include <QString>

namespace zud {

// The data folder (protocol log, default database folder): $ZUD_DATA_DIR, else
// ~/.local/share/Brelk/ZUD-Software. Created when missing.
QString DataFolder();
QString LogFilePath();
QString DefaultDatabaseFolder();
// The embedded engine's lock folder, private to this user.
QString LockFolder();
// A private (0700) work folder below the temporary folder, one per user.
QString WorkFolder();

} // namespace zud
