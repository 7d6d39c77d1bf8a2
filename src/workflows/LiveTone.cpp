#include "LiveTone.h"

#include "Recording.h"

#include <algorithm>

namespace zud {

namespace {

constexpr int kPhaseDruckEntspannen = 5;
constexpr int kPhaseDruckAnspannen = 6;

bool EMGModus(int mode) {
    return mode >= 0 && mode <= 3;
}

bool DruckModus(int mode) {
    return mode >= 4 && mode <= 7;
}

} // namespace

Tonziel ZielDerPhase(int phase) {
    switch (phase) {
    case kPhaseAnspannen:
    case kPhaseDruckAnspannen:
        return Tonziel::Ueber;
    case kPhaseEntspannen:
    case kPhaseDruckEntspannen:
        return Tonziel::Unter;
    default:
        return Tonziel::Keins;
    }
}

bool TonAn(Tonziel ziel, double wert, double schwelle) {
    switch (ziel) {
    case Tonziel::Ueber:
        return wert > schwelle;
    case Tonziel::Unter:
        return wert < schwelle;
    case Tonziel::Keins:
        break;
    }
    return false;
}

void LiveTone::Programm(const ProgrammParameter& p) {
    // The same mode's program again (the device repeats its packet): the run and its base
    // pressure go on, as the chart's do.
    if (!FHatKopf || p.Betriebsart != FMode) {
        FBasis.reset();
    }
    FHatKopf = true;
    FMode = p.Betriebsart;
    FAn = false;
}

bool LiveTone::Probe(const EZProbe& p) {
    FAn = false;
    FBewertet = false;
    if (!FHatKopf) {
        return false;
    }
    const EZWerte& w = p.Werte;
    // The base pressure is the first pressure value of the run, as the chart takes it.
    if (DruckModus(FMode) && w.Phase >= kPhaseDruckEntspannen && w.Phase <= 7 && !FBasis) {
        FBasis = w.Druck;
    }
    const Tonziel ziel = ZielDerPhase(w.Phase);
    if (ziel == Tonziel::Keins) {
        return false;
    }
    double wert = 0, schwelle = 0;
    if (EMGModus(FMode) && w.Phase <= kPhaseAnspannen) {
        if (w.Schwelle == 0) {
            return false; // no threshold sent
        }
        wert = p.EMGFilter1;
        schwelle = 2.0 * w.Schwelle;
    } else if (DruckModus(FMode) && w.Phase >= kPhaseDruckEntspannen && FBasis) {
        wert = w.Druck;
        schwelle = *FBasis;
    } else {
        return false; // mode 9, or a phase that does not belong to the mode
    }
    FBewertet = true;
    FAn = TonAn(ziel, wert, schwelle);
    if (FAn) {
        const double verhaeltnis = schwelle > 0 ? wert / schwelle : (wert > 0 ? 2.0 : 0.5);
        FFrequenz = kGrundfrequenz * std::clamp(verhaeltnis, 0.5, 2.0);
    }
    return FAn;
}

void LiveTone::Ende() {
    FHatKopf = false;
    FAn = false;
    FBewertet = false;
}

} // namespace zud
