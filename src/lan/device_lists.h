// The two program-wide device lists. They outlive every window: a search
// empties the list of its mode and fills it again, and the settings window
// edits the chosen record in place.
#pragma once

#include "link/discovered_device.h"

namespace corvane::lan {

link::DeviceList& ethernetDevices();
link::DeviceList& wlanDevices();

// The list a window of `mode` works on.
link::DeviceList& devicesFor(link::ListMode mode);

}  // namespace corvane::lan
