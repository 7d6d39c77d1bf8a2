#include "DeviceSettings.h"

namespace zud::wf {

void ApplyDeviceSettings(TZUD12& dev, const Settings& settings) {
    dev.LenientWriteAck = settings.LenientWriteAck();
}

} // namespace zud::wf
