#pragma once

// The raw-data export of one recording: a semicolon-separated text file with a title line, the
// remarks, a legend of the phase numbers and one line per sample. The text is UTF-8 with a
// byte-order mark (the code page of this platform; spreadsheet programs take the mark as their cue
// to read national letters such as "ź" correctly), lines ending in CR LF.

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
// The whole file: the byte-order mark, then the lines in UTF-8, each ended by CR LF.
QByteArray RohdatenCsv(const Messung& m, const RohdatenOptionen& o);

// Writes the file complete or not at all; false with the German reason in *error.
bool FillFile(const QString& path, const Messung& m, const RohdatenOptionen& o, QString* error = nullptr);

} // namespace zud
