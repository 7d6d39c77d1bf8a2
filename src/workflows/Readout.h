#pragma once

// The exercise read-out: from the device's patient folders into the patient database, without
// windows. The read-out window and `zudctl readout` both run it; progress and cancel reach them
// through callbacks. Every recording arrives in the database exactly once and byte for byte,
// and a patient's exercises are deleted on the device only after all of that patient's stored
// recordings were committed and read back equal.

#include "PatientDatabase.h"
#include "TZUD12.h"

#include <QDate>
#include <QString>

#include <array>
#include <exception>
#include <functional>
#include <optional>
#include <stdexcept>

namespace zud::wf {

// A read-out ends with one of these; its message is the German text for the error dialog.
class WorkflowError : public std::runtime_error {
public:
    enum Kind { ENoDev, EComErr, ENotSup, ENoExercises };
    WorkflowError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString()), FKind(kind), FMessage(message) {}
    Kind kind() const { return FKind; }
    const QString& Message() const { return FMessage; }

private:
    Kind FKind;
    QString FMessage;
};

struct Callbacks {
    // The progress window: a text line, a position and a maximum.
    std::function<void(const QString& text, int position, int maximum)> progress;
    // The user closed the progress window; asked between recordings.
    std::function<bool()> cancelRequested;
    // A second, short-lived progress window for long listings and deletions; may give nullptr.
    std::function<TProgressBar*(const QString& text, int maximum)> openSecond;
    std::function<void()> closeSecond;
    // A slot's stored recordings were committed and read back; its deletion on the device comes
    // next. (A crash from here on loses nothing: the device still holds what the database holds.)
    std::function<void(int therapeut, int patient)> slotCommitted;
    // The recording the last progress call announced has moved `done` of its `total` bytes, so
    // that a bar can move within a long recording.
    std::function<void(qint64 done, qint64 total)> fileBytes;
};

// Device birthdays: seconds since 1900-01-01; 1950-01-01 marks "not set".
QDate GeburtsdatumZuDatum(int64_t sekunden);
int64_t DatumZuGeburtsdatum(const QDate& datum);
QString Name(const Stammsatz& s);
QString Vorname(const Stammsatz& s);
// Shown without remark: names given and a birthday other than 0.
bool IstVollstaendig(const Stammsatz& s);
// May be looked up and read out: names given and a birthday other than "not set".
bool IstZuordenbar(const Stammsatz& s);

// The birth date a device patient has in the database: the device's date when it is a valid
// date before today, else none (an invalid date: the patient is stored without one).
QDate DatenbankGeburtstag(const Stammsatz& s);

// Loading: handshake, system, therapist and patient records, the sixty listings, the
// pre-selection. Ends the conversation (normal screen, close) in every case; throws
// WorkflowError.
void LeseMessungen(TZUD12& dev, PatientDatabase& dm, const Callbacks& cb = {});
// Pre-selects the recordings of one slot that are not yet in the database: a recording of this
// date and time of day under the device's patient is marked stored and not ticked; one under
// another patient stays ticked and names that patient (GespeichertBei): the transfer decides by
// the bytes whether it is that recording (moved or cropped there) or another one.
void CheckMessungen(TZUD12& dev, PatientDatabase& dm, int therapeut, int patient);
// The database patient a device patient most likely is, to preselect in the selection window:
// the same name, first name and birth date; else the same names (letter case aside) with the
// birth date nearest; else none.
std::optional<qint64> BesterTreffer(PatientDatabase& dm, const QString& vorname, const QString& name,
                                    const QDate& geburtstag);
// Writes a database patient into a device patient record (assignment; the device is not touched).
void Zuweisen(TZUD12& dev, int therapeut, int patient, const Patient& p);

struct SlotResult {
    QString name;    // the device patient, "first name surname"
    int stored = 0;  // new rows
    int deleted = 0; // files deleted on the device
    int skipped = 0; // not a recording, or without a valid date: reported, never stored
    // Already in the database: under this patient (the row stays untouched), or under another
    // patient with the same bytes or as a crop of them (moved there).
    int already = 0;
    int elsewhere = 0;
    QStringList elsewhereNames;
    // Stored under this patient, date and time but neither equal nor a crop: the device copy
    // is not deleted.
    int kept = 0;
    bool newPatient = false;
    // The device's birthday when it was no valid past date (the patient has none); else null.
    QDate impossibleBirthday;
};

struct TransferResult {
    std::array<SlotResult, TZUD12::kSlots> perSlot{};
    qint64 lastPatient = 0; // the database patient of the last stored recording; 0 when none
    QList<qint64> counters; // the rows stored by this transfer, in the order they were stored
    QStringList problems;   // recordings that were skipped, and why
    bool failed = false;
    QString error; // the German message when the transfer stopped (communication, cancel)
    int Stored() const;
    int Skipped() const; // already stored, here or elsewhere
};

// The transfer of every checked recording ("Auslesen"), optionally deleting them on the device
// afterwards. A recording that is in the database already is never stored again nor replaced;
// its device copy may go when the stored row holds the same bytes or a crop of them. Never
// throws: what was stored stays stored, and the result says where it stopped. Ends the
// conversation in every case.
TransferResult Uebertrage(TZUD12& dev, PatientDatabase& dm, bool loeschen, const Callbacks& cb = {});

// The German summary of a transfer: per device patient what was stored, skipped and deleted;
// the reason of a stop first.
QString Zusammenfassung(const TransferResult& r);

// The German text of whatever ended a workflow (device, database, data rules, anything else).
QString FehlerText(std::exception_ptr e);

// The device's model name as the database names devices ("ZUD12 Typ 5"); stays German.
QString GeraeteName(const TZUD12& dev);
// The model name as window titles show it, in the program's language.
QString GeraeteAnzeigename(int typ);

} // namespace zud::wf
