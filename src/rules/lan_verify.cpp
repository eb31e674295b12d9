#include "rules/lan_verify.h"

#include "rules/lan_send_checks.h"

namespace corvane::rules {

std::vector<SettingDifference> CompareWithSent(const link::DiscoveredDevice& sent,
                                               const link::DiscoveredDevice& found) {
    std::vector<SettingDifference> out;
    const auto address = [&](const char* field, link::Ipv4Address a, link::Ipv4Address b) {
        if (a != b) out.push_back({field, a.text(), b.text()});
    };
    const auto number = [&](const char* field, long a, long b) {
        if (a != b) out.push_back({field, std::to_string(a), std::to_string(b)});
    };
    if (sent.dhcp() != found.dhcp()) {
        out.push_back({"dhcp", sent.dhcp() ? "on" : "off", found.dhcp() ? "on" : "off"});
    }
    if (!sent.dhcp()) {
        address("ip", sent.ipAddress(), found.ipAddress());
        address("mask", sent.subnetMask(), found.subnetMask());
        address("gateway", sent.gateway(), found.gateway());
    }
    number("port", sent.port(), found.port());
    number("inactivity", sent.inactivityTime(), found.inactivityTime());
    number("baudCode", sent.baudCode(), found.baudCode());
    return out;
}

bool NoAddressYet(const link::DiscoveredDevice& sent, const link::DiscoveredDevice& found) {
    return sent.dhcp() && found.ipAddress().isUnconfigured();
}

bool ShowsChange(const link::DiscoveredDevice& sent, const link::DiscoveredDevice& found) {
    return CompareWithSent(sent, found).empty() && !NoAddressYet(sent, found);
}

std::string DifferencesText(const std::vector<SettingDifference>& differences) {
    std::string text;
    for (const auto& d : differences) {
        if (!text.empty()) text += "; ";
        text += std::string(d.field) + " sent " + d.sent + ", reported " + d.found;
    }
    return text;
}

}  // namespace corvane::rules
