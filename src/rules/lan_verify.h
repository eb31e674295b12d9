// After a confirmed settings request and the printer's restart, a search
// looks for the printer again: what it reports now is compared with what was
// sent. Pure C++, shared by the command line, the plan runner and the windows.
#pragma once

#include <string>
#include <vector>

#include "link/discovered_device.h"

namespace corvane::rules {

// One setting the printer reports differently from the request.
struct SettingDifference {
    const char* field;  // "ip", "mask", "gateway", "port", "inactivity", "dhcp", "baudCode"
    std::string sent;
    std::string found;
};

// The settings the request carried that the printer does not report back.
// With DHCP on the addresses are the server's choice and are not compared.
std::vector<SettingDifference> CompareWithSent(const link::DiscoveredDevice& sent, const link::DiscoveredDevice& found);

// A printer with DHCP on that reports 0.x.x.x: the server has not given it
// an address yet, so nobody can reach it there.
bool NoAddressYet(const link::DiscoveredDevice& sent, const link::DiscoveredDevice& found);

// What it reports shows the change: nothing differs and it has an address.
bool ShowsChange(const link::DiscoveredDevice& sent, const link::DiscoveredDevice& found);

// "ip sent 10.0.0.51, reported 10.0.0.50; port sent 9100, reported 9101".
std::string DifferencesText(const std::vector<SettingDifference>& differences);

}  // namespace corvane::rules
