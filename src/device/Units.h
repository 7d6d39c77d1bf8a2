#pragma once

// The units a person reads beside a value, in one place for the chart, the statistics, the
// report pages, the live panel and the exchange formats.

#include "ReportedGroups.h"

#include <QString>

namespace zud {

inline QString EmgUnit() {
    return QStringLiteral("µV");
}
inline QString CurrentUnit() {
    return QStringLiteral("mA");
}
// The pressure unit the program is set to: `druckEinheit` as stored (1 mmHg, else mbar).
inline QString PressureUnit(int druckEinheit) {
    return druckEinheit == 1 ? QStringLiteral("mmHg") : QStringLiteral("mbar");
}

// The unit of a reported group's figures.
inline QString UnitOf(GroupUnit u, int druckEinheit) {
    switch (u) {
    case GroupUnit::Emg:
        return EmgUnit();
    case GroupUnit::Current:
        return CurrentUnit();
    case GroupUnit::Pressure:
        break;
    }
    return PressureUnit(druckEinheit);
}

} // namespace zud
