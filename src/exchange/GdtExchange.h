#pragma once

// The GDT exchange with the practice software over its folder: taking a request (the patient
// found by number, else by name and birth date, else created with the patient dialog's checks)
// and writing the result of a stored recording (record 6310, with the report page as PDF).
// No widgets: the program and zudctl share it.

#include "Chart.h"
#include "GdtFormat.h"
#include "GdtSettings.h"
#include "PatientDatabase.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zud {

struct Berichtsaufnahme;

struct GdtRequestOutcome {
    bool Ok = false;
    // German: on success what was done, on failure what went wrong (with the line) and that the
    // file was put aside.
    QString Message;
    gdt::Anfrage Request;
    qint64 Patient = -1;
    bool Created = false;
    // Request 6311: the recording it names, when it is stored.
    std::optional<qint64> Recording;
    QString MovedTo; // where a refused file now lies
};

// Takes the request file `path`: on success the file is deleted; a file that breaks the format
// or names a patient that cannot be stored is moved into the subfolder "fehler" of its folder,
// with a line in the program's log, and nothing in the database changes.
GdtRequestOutcome TakeGdtRequest(PatientDatabase& dm, const QString& path, const GdtSettings& s);

// A request file from outside the exchange folder (named on the command line, handed over by a
// second start) as a file of that folder: a copy under a name the folder watcher does not take,
// which TakeGdtRequest then deletes or moves aside; the original is left as it is. A file that
// lies in the folder already is returned as it is, and so is a request while no exchange folder
// is set up. Empty, with the German reason in `error`, when the file is missing, does not begin
// like a GDT record or the copy cannot be made.
QString GdtRequestInFolder(const QString& path, const GdtSettings& s, QString* error);

// The request files waiting in the exchange folder (our ID, the practice software's, ".GDT" or
// a number as extension), oldest first.
QStringList PendingGdtRequests(const GdtSettings& s);

// The result lines of a recording: operating mode, duration, and per phase group minimum,
// maximum and mean with their units (the statistics row of the recording).
std::vector<gdt::Testwert> GdtTestValues(const Berichtsaufnahme& a, int druckEinheit);

struct GdtResultOptions {
    bool Pdf = false;
    int DruckEinheit = 0;
    // With one file name for every result: a result the practice software has not collected yet
    // stays, and the new one is refused, instead of replacing it.
    bool KeepUncollected = false;
    ChartOptionen Chart;
};

// Writes the result of recording `counter` into the exchange folder and returns the file's
// path: the report PDF first (when asked), then the GDT file under a temporary name, renamed
// when it is complete. Throws DataError (German) and leaves nothing behind when it fails.
QString WriteGdtResult(PatientDatabase& dm, qint64 counter, const GdtSettings& s, const GdtResultOptions& o);

} // namespace zud
