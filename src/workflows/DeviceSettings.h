#pragma once

// The machine's settings that change how the device object talks to the device.

#include "Settings.h"
#include "TZUD12.h"

namespace zud::wf {

// Applies them to a device object (the program at start, the command line per run).
void ApplyDeviceSettings(TZUD12& dev, const Settings& settings);

} // namespace zud::wf
