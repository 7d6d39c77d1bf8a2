#pragma once

// The raw-data export of one recording: a semicolon-separated text file with a title line, the
// remarks, a legend of the phase numbers and one line per sample; 8-bit text (Windows-1252),
// lines ending in CR LF.

#include "Recording.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

namespace zud {

struct RohdatenOptionen {
    QString Einheit = QStringLiteral("mbar"); // pressure unit name, "mbar" or "mmHg"
    QChar Dezimaltrenner = QLatin1Char('.');  // the user's decimal separator
    QStringList Bemerkungen;                  // the recording's remarks, one entry a line
    QString Datum;                            // today, short format
    QString Uhrzeit;                          // now, short format
};

// The lines of the file, without line ends.
QStringList RohdatenZeilen(const Messung& m, const RohdatenOptionen& o);
// The whole file: the lines in Windows-1252, each ended by CR LF.
QByteArray RohdatenCsv(const Messung& m, const RohdatenOptionen& o);
// Text as Windows-1252; characters it cannot hold become "?".
QByteArray Windows1252(const QString& s);

// Writes the file complete or not at all; false with the German reason in *error.
bool FillFile(const QString& path, const Messung& m, const RohdatenOptionen& o, QString* error = nullptr);

} // namespace zud
