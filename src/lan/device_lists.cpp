#include "lan/device_lists.h"

namespace corvane::lan {

link::DeviceList& ethernetDevices() {
    static link::DeviceList list;
    return list;
}

link::DeviceList& wlanDevices() {
    static link::DeviceList list;
    return list;
}

link::DeviceList& devicesFor(link::ListMode mode) {
    return mode == link::ListMode::Wlan ? wlanDevices() : ethernetDevices();
}

}  // namespace corvane::lan
