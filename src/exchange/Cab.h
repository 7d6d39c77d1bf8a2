#pragma once

// Cabinet archives (MSZIP) holding exactly one file: the wrapping of patient archives and
// database backups.

#include "Feedback.h"

#include <QString>
#include <QStringList>

namespace zud::exchange {

// True when the file opens as a cabinet archive (only the header and the directory are read).
bool IsCab(const QString& path);
// The names of the files in the archive; throws DataError when it is no readable archive.
QStringList CabMembers(const QString& path);

class RunFolder;

// Packs `source` as the only file `member` of a new archive at `archive`. The archive appears
// only when it is complete; a failure leaves whatever was at `archive` before, a full disk is
// "Kein Platz auf …". Throws DataError. The archive is written beside its destination under a
// temporary name, which `run` (when given) notes, so that a killed run leaves nothing behind.
void WriteCab(const QString& archive, const QString& member, const QString& source, const Feedback& fb = {},
              RunFolder* run = nullptr);

// Extracts the file `member` (any letter case) of `archive` into the folder `dest` under the
// name `member` and returns its path. Only that file is written; a damaged or truncated archive
// is an error (DataError), and the partial file is removed.
QString ExtractCabMember(const QString& archive, const QString& member, const QString& dest,
                         const Feedback& fb = {});

} // namespace zud::exchange
