#pragma once

// Switching the device to another of its twelve applications, without windows: the start checks,
// the application record, and the switch (application record, flash reload, deletion of the
// exercises of all sixty slots, factory state, reset). The window "Anwendung wechseln" and
// `zudctl change-app` both run it.

#include "Programming.h"
#include "TZUD12.h"

#include <QString>

namespace zud::wf {

constexpr int kAnwendungen = 12;

// The display name of application n (1..12): the machine-wide setting "Anwendung<n>" where the
// practice's device carries named applications, else the neutral "Anwendung <n>"; and the
// device model it makes of the device.
QString AnwendungsName(int n);
QString AnwendungsModell(int n);
// Whether the device reports application n (1..12) as unlocked: bit n-1 of `Freigeschaltet`.
bool Freigeschaltet(const ANWENDUNGEN& a, int n);

// Handshake and the application record. On success the link stays open and the device shows
// its transfer screen until EndeAnwendungswechsel or WechsleAnwendung. Throws WorkflowError
// (the conversation is ended then).
void StarteAnwendungswechsel(TZUD12& dev);
// Gives the device its normal screen back and closes the link (the window closed without a switch).
void EndeAnwendungswechsel(TZUD12& dev);

struct Anwendungswechsel {
    int geaendert = -1; // SchreibeAnwendungsdaten: 1 new device type, 0 same type
    int geloescht = 0;  // slots whose exercises were deleted
    bool werkszustand = false;
    bool failed = false;
    QString error; // the German message when something failed
};

// The switch to application `aktiv`. When the application record cannot be written nothing is
// deleted; afterwards a failing step does not stop the following ones, but is reported. Ends with
// the device reset and the link closed (the device's screen is not set back).
Anwendungswechsel WechsleAnwendung(TZUD12& dev, int aktiv, const ProgrammCallbacks& cb = {});

} // namespace zud::wf
