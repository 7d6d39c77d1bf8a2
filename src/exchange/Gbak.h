#pragma once

// The database server's backup tool gbak: backups ("-b -t") and restores ("-rep") of whole
// databases. The tool's exit status decides: anything but a clean exit with 0 is a failure,
// reported in German with the tool's own words. The tool gets no input to wait on, so a full
// disk ends it with "Kein Platz auf …" naming the folder; a failed backup leaves no file; a signal
// that asks the program to end (and the feedback's cancel) stops it; it dies with the program.

#include "Feedback.h"

#include <QString>

namespace zud::exchange {

// The tool (Debian's /usr/bin/gbak).
QString GbakPath();

// Backs `database` (a connection string) up into the file `backup`.
void GbakBackup(const QString& database, const QString& backup, const QString& user, const QString& password,
                const Feedback& fb = {});
// Restores `backup` into `database` (a connection string), replacing a database of that name.
void GbakRestore(const QString& backup, const QString& database, const QString& user, const QString& password,
                 const Feedback& fb = {});

} // namespace zud::exchange
