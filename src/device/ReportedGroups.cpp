#include "ReportedGroups.h"

#include <QCoreApplication>

namespace zud {

std::vector<ReportedGroup> ReportedGroups(int betriebsart) {
    using P = Phasengruppe;
    using U = GroupUnit;
    switch (betriebsart) {
    case 0:
    case 1:
    case 2:
    case 3:
        return {{"ENTSP", QT_TRANSLATE_NOOP("Phasengruppen", "Entspannen"), P::Entspannen, U::Emg},
                {"ANSP", QT_TRANSLATE_NOOP("Phasengruppen", "Anspannen"), P::Anspannen, U::Emg},
                {"PAUSE", QT_TRANSLATE_NOOP("Phasengruppen", "Pause"), P::Pause, U::Emg},
                {"STROM", QT_TRANSLATE_NOOP("Phasengruppen", "Strom"), P::Strom, U::Current}};
    case 4:
        return {{"DRUCK", QT_TRANSLATE_NOOP("Phasengruppen", "Druck"), P::Strom, U::Pressure}};
    case 5:
        return {{"ENTSP", QT_TRANSLATE_NOOP("Phasengruppen", "Entspannen"), P::Entspannen, U::Pressure},
                {"ANSP", QT_TRANSLATE_NOOP("Phasengruppen", "Anspannen"), P::Anspannen, U::Pressure}};
    case 6:
        return {{"DRUCK", QT_TRANSLATE_NOOP("Phasengruppen", "Druck"), P::Strom, U::Pressure},
                {"EMG1", QT_TRANSLATE_NOOP("Phasengruppen", "EMG CH1"), P::Entspannen, U::Emg}};
    case 7:
        return {{"DRUCK", QT_TRANSLATE_NOOP("Phasengruppen", "Druck"), P::Strom, U::Pressure},
                {"EMG1", QT_TRANSLATE_NOOP("Phasengruppen", "EMG CH1"), P::Entspannen, U::Emg},
                {"EMG2", QT_TRANSLATE_NOOP("Phasengruppen", "EMG CH2"), P::Anspannen, U::Emg}};
    case 9:
        return {{"ENTSP1", QT_TRANSLATE_NOOP("Phasengruppen", "Entspannen CH1"), P::Entspannen, U::Emg},
                {"ANSP1", QT_TRANSLATE_NOOP("Phasengruppen", "Anspannen CH1"), P::Anspannen, U::Emg},
                {"ENTSP2", QT_TRANSLATE_NOOP("Phasengruppen", "Entspannen CH2"), P::Pause, U::Emg},
                {"ANSP2", QT_TRANSLATE_NOOP("Phasengruppen", "Anspannen CH2"), P::Strom, U::Emg}};
    default:
        return {};
    }
}

QString ReportedGroupCaption(const ReportedGroup& g) {
    return QCoreApplication::translate("Phasengruppen", g.Caption);
}

} // namespace zud
