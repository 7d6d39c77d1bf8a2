#pragma once

// The audio cue of the live measurement, decided per sample: a tone sounds while the live value
// lies on the side of its threshold that the phase asks for, above it in the contract phases and
// below it in the relax phases. Value and threshold are the ones the live chart draws:
// - EMG modes 0..3: the smoothed EMG value (mean of the last three bytes, on the chart's scale of
//   200) against the threshold byte the device sends with every EMG sample of these modes (the
//   trigger line the chart draws in mode 3, on a scale of 100: the value is above it when it
//   exceeds twice the byte). A threshold byte of 0 means the device sent none: no tone.
// - Pressure modes 4..7: the pressure against the base pressure, the first pressure of the run
//   (the chart's reference line); it is taken again after each program packet, as the chart
//   starts again there.
// Phases without a target stay silent: pause, current, the pressure modes' combined phase 7,
// the hidden phase 15 and anything else the device may send; so does the two-channel mode 9,
// whose samples carry no threshold, and every sample before the first program packet.
// No widgets and no sound here: the window plays what this decides.

#include "TZUD12Thread.h"

#include <optional>

namespace zud {

// What a phase asks of the live value.
enum class Tonziel {
    Keins, // no target: silent
    Ueber, // contract: the tone sounds while the value is above the threshold
    Unter, // relax: the tone sounds while the value is below the threshold
};

Tonziel ZielDerPhase(int phase);

// The decision for one value: true while `wert` lies strictly on the side of `schwelle` that
// `ziel` asks for.
bool TonAn(Tonziel ziel, double wert, double schwelle);

class LiveTone {
public:
    // The pitch at the threshold; it follows the value's ratio to the threshold between half
    // and double of it (an octave below and above).
    static constexpr double kGrundfrequenz = 440.0;
    static constexpr double kTiefste = kGrundfrequenz / 2;
    static constexpr double kHoechste = kGrundfrequenz * 2;

    // A program packet: its mode applies from now on. The base pressure is taken again from the
    // next pressure value, unless the packet repeats the running mode's program.
    void Programm(const ProgrammParameter& p);
    // One displayed sample: true while the tone sounds.
    bool Probe(const EZProbe& p);
    // The run ended: silent until the next program packet.
    void Ende();

    bool An() const { return FAn; }
    // The last sample was judged by the rule: its phase asks for a side and the threshold was
    // known (An() then says whether the value lay on that side).
    bool Bewertet() const { return FBewertet; }
    // The pitch for the last sample (Hz); meaningful while An().
    double Frequenz() const { return FFrequenz; }
    // The base pressure of the pressure modes, once a pressure value came.
    std::optional<double> Basisdruck() const { return FBasis; }

private:
    bool FHatKopf = false;
    int FMode = 0;
    std::optional<double> FBasis;
    bool FAn = false;
    bool FBewertet = false;
    double FFrequenz = kGrundfrequenz;
};

} // namespace zud
