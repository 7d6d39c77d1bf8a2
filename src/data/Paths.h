#pragma once

#include <QString>

namespace zud {

// The data folder (protocol log, default database folder): $ZUD_DATA_DIR, else
// ~/.local/share/Brelk/ZUD-Software. Created with mode 0700 when missing.
QString DataFolder();
QString LogFilePath();
QString DefaultDatabaseFolder();
// The embedded engine's lock folder, private to this user.
QString LockFolder();
// The private work folder below $XDG_RUNTIME_DIR (else the temporary folder): "Brelk-<uid>"
// when that is a directory of this user with mode 0700 and not a link, else a fresh one made
// like mkdtemp. Created when missing; empty when no folder can be made.
QString WorkFolder();
// The work folder below `base` by the rule above (WorkFolder keeps the one it made for the run).
QString MakeWorkFolder(const QString& base);
// Deletes every file in the work folder, silently.
void EmptyWorkFolder();

} // namespace zud
