#pragma once

#include <QString>

namespace zud {

// The data folder (protocol log, default database folder, lock folder):
// - $ZUD_DATA_DIR when set (created with mode 0700 when missing);
// - installed: the machine-wide folder named in the installation's "datadir" file
//   (share/zud-software/datadir, normally /var/lib/zud-software), shared by every account of the
//   workstation through the group that owns it; files made there are group-writable;
// - run from the build tree: ~/.local/share/Brelk/ZUD-Software (mode 0700).
QString DataFolder();
// The machine-wide folder of an installed program, without a trailing slash; empty when the
// program runs from the build tree or $ZUD_DATA_DIR is set.
QString MachineDataFolder();
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
