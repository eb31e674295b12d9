#include "lan/device_lists.h"

namespace corvane::lan {

DeviceList& ethernetDevices() {
    static DeviceList list;
    return list;
}

DeviceList& wlanDevices() {
    static DeviceList list;
    return list;
}

DeviceList& devicesFor(ListMode mode) { return mode == ListMode::Wlan ? wlanDevices() : ethernetDevices(); }

}  // namespace corvane::lan
