#pragma once

// The groups of a recording's figures as the report pages and the practice software's results
// list them, per operating mode.

#include "Recording.h"

#include <QString>

#include <vector>

namespace zud {

// What the figures of a reported group are measured in.
enum class GroupUnit { Emg, Current, Pressure };

// One group of a recording as the report pages and the practice software's results list it. A
// mode reuses the trailer's four groups for its own measures (mode 4 keeps the pressure in the
// current's group, mode 9 the second channel in the pause and current groups).
struct ReportedGroup {
    const char* Ident;   // the result's test identifier stem: "ENTSP", "DRUCK", "EMG1", …
    const char* Caption; // untranslated; ReportedGroupCaption gives it in the reader's language
    Phasengruppe Source; // the trailer group that holds its figures
    GroupUnit Unit;
};
// The groups a recording of mode `betriebsart` reports, in the order they are shown and sent;
// none for a mode without groups.
std::vector<ReportedGroup> ReportedGroups(int betriebsart);
QString ReportedGroupCaption(const ReportedGroup& g);

} // namespace zud
