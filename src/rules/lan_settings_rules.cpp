#include "rules/lan_settings_rules.h"

#include <algorithm>
#include <limits>

namespace corvane::rules {

bool IsReservedPort(long long port) {
    return std::any_of(kReservedPorts.begin(), kReservedPorts.end(),
                       [port](std::uint32_t reserved) { return port == static_cast<long long>(reserved); });
}

std::optional<long long> ParseDigits(std::string_view text) {
    if (text.empty()) return std::nullopt;
    constexpr long long kTooLarge = std::numeric_limits<long long>::max();
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value > (kTooLarge - (c - '0')) / 10) value = kTooLarge;
        if (value != kTooLarge) value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<RangeFix> CheckLanPort(std::string_view text) {
    const auto value = ParseDigits(text);
    if (value && *value > kLanMaximumPort) return RangeFix{kPortOutOfRange, kLanReplacementPort};
    return std::nullopt;
}

std::optional<RangeFix> CheckLanInactivity(std::string_view text) {
    const auto value = ParseDigits(text);
    if (value && *value > kLanMaximumInactivity) return RangeFix{kTimeNotSet, 0};
    return std::nullopt;
}

LanSettingsEdits LanEditsFor(const link::DiscoveredDevice& record) {
    LanSettingsEdits edits;
    edits.ipAddress = record.ipAddress();
    edits.subnetMask = record.subnetMask();
    edits.gateway = record.gateway();
    edits.portText = std::to_string(record.port());
    edits.inactivityText = std::to_string(record.inactivityTime());
    edits.baudIndex = link::IndexForBaudCode(record.baudCode());
    edits.dhcp = record.dhcp();
    return edits;
}

bool NeedsAddressWarning(int filledAddressFields, int port) { return filledAddressFields == 0 || port == 0; }

SaveDecision SaveLanEdits(const LanSettingsEdits& edits, link::DiscoveredDevice& record) {
    SaveDecision decision;
    const auto port = ParseDigits(edits.portText);
    const auto inactivity = ParseDigits(edits.inactivityText);
    if (!port || !inactivity) return decision;

    decision.action = SaveDecision::Action::Refused;
    if (IsReservedPort(*port)) {
        decision.messageId = kPortNotAvailable;
        decision.focus = FormField::Port;
        decision.portReplacement = kLanReplacementPort;
        return decision;
    }
    // The live checks keep these in range; a value that slipped past them
    // must not be cut down to 16 bits and sent.
    if (*port > kLanMaximumPort) {
        decision.messageId = kPortOutOfRange;
        decision.focus = FormField::Port;
        decision.portReplacement = kLanReplacementPort;
        return decision;
    }
    if (*inactivity > kLanMaximumInactivity) {
        decision.messageId = kTimeNotSet;
        decision.focus = FormField::Inactivity;
        decision.inactivityReplacement = 0;
        return decision;
    }

    record.setDhcp(edits.dhcp);
    record.setIpAddress(edits.ipAddress);
    record.setSubnetMask(edits.subnetMask);
    record.setGateway(edits.gateway);
    record.setPort(static_cast<std::uint16_t>(*port));
    record.setInactivityTime(static_cast<std::uint16_t>(*inactivity));
    record.setBaudCode(link::BaudCodeForIndex(edits.baudIndex));

    if (edits.ipAddress == link::Ipv4Address()) {
        decision.messageId = kIpNotUsable;
        decision.focus = FormField::IpAddress;
        return decision;
    }
    decision.action = SaveDecision::Action::Send;
    return decision;
}

}  // namespace corvane::rules
