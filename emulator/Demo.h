#pragma once

#include "Emulator.h"

namespace zud::emu {

// Fills the emulator with a realistic device: six therapists and their patients (names with
// national letters), a program file per slot, system parameters, access codes, the model's
// default files, and recordings of every operating mode made by the live recording writer
// from synthetic exercises. Deterministic: the same content every time.
void LoadDemo(Emulator& emu);

// One synthetic exercise as the demo's recordings are made: `seconds` long in the given mode.
std::vector<uint8_t> DemoExercise(int mode, int seconds, uint32_t seed);

} // namespace zud::emu
