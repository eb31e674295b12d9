// What the simulator knows about its printers: the LAN printers' discovery
// records, the wireless printers' site surveys, and the record, survey and
// certificates of the printer on the direct link. Every change the tool makes
// lands here, so a later search or read shows it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "link/bytes.h"
#include "link/discovered_device.h"
#include "link/printer_config.h"
#include "sim_faults.h"

namespace corvane::sim {

// One access point of a survey. The name is kept as given so a configuration
// can describe a malformed survey (a name longer than 30 bytes).
struct AccessPoint {
    std::string ssid;
    std::array<std::uint8_t, 6> bssid{};
    std::uint8_t mode = 0;  // 0 infrastructure, other ad hoc
    std::int16_t rssi = 0;
    std::uint8_t security = 0;

    bool operator==(const AccessPoint&) const = default;
};

struct EthernetPrinter {
    link::DiscoveredDevice record;  // mode Ethernet, 27 bytes
    Faults faults;
    int settingsApplied = 0;
    std::string answerFrom;         // loopback address its answers leave from (empty: the listener's)
    std::int64_t quietUntilMs = 0;  // restarting after new settings until then
};

struct WlanPrinter {
    link::DiscoveredDevice record;  // mode Wlan, 29 bytes
    std::vector<AccessPoint> survey;
    Faults faults;
    int settingsApplied = 0;
    std::string answerFrom;
    std::int64_t quietUntilMs = 0;
};

struct LinkPrinter {
    bool present = true;
    link::ConfigLayout layout = link::ConfigLayout::Newer;
    std::string makerName = "ZEPHRAN";
    bool makerMissing = false;  // name answer without the 0x5F marker
    int statusByte = -1;        // -1: GS a 0 is answered with nothing
    link::PrinterSystemInfo system;
    link::PrinterConfig config;
    std::vector<AccessPoint> survey;
    std::map<int, Bytes> certificates;  // by certificate type 1..3
    int configWrites = 0;
    Faults faults;
};

// What one connection to the data port carried.
struct PrintJob {
    int port = 0;
    Bytes data;
};

struct SimState {
    std::vector<EthernetPrinter> ethernet;
    std::vector<WlanPrinter> wlan;
    LinkPrinter link;
    std::vector<PrintJob> printed;
    // Direct-link printers plugged in while the simulator runs, by the name
    // of their device node; an unplugged printer keeps its record.
    std::map<std::string, LinkPrinter> plugged;
};

// Two Ethernet printers, three wireless ones (feature codes 25, 31, 1) and a
// direct-link printer in the newer layout with a survey of several access points.
SimState BuiltinState();

// A record with the given fields; `mode` picks the 27- or 29-byte form.
link::DiscoveredDevice MakeRecord(link::ListMode mode, const std::array<std::uint8_t, 6>& mac,
                                  const std::array<std::uint8_t, 4>& ip, std::uint16_t port);

}  // namespace corvane::sim
