#pragma once

#include "Emulator.h"

namespace zud::emu {

// Fills the emulator with a realistic device: six therapists and their patients (names with
// national letters), a program file per slot, system parameters, access codes, the model's
// default files, and recordings of every operating mode made by the live recording writer
// from synthetic exercises. Deterministic: the same content every time.
void LoadDemo(Emulator& emu);

} // namespace zud::emu
