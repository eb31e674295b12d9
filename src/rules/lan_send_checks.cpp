#include "lan_send_checks.h"

// lupdate collects the sentences below through this marker; the windows show
// them translated under the context "LanSendChecks".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::rules {

std::uint32_t Ipv4Value(const Ipv4& a) {
    return (std::uint32_t{a[0]} << 24) | (std::uint32_t{a[1]} << 16) | (std::uint32_t{a[2]} << 8) | a[3];
}

Ipv4 Ipv4FromValue(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v)};
}

std::string DottedIpv4(const Ipv4& a) {
    return std::to_string(a[0]) + '.' + std::to_string(a[1]) + '.' + std::to_string(a[2]) + '.' + std::to_string(a[3]);
}

bool IsContiguousMask(const Ipv4& mask) {
    const std::uint32_t inverted = ~Ipv4Value(mask);
    // The host part is a run of ones at the bottom: adding one gives a power of two.
    return (inverted & (inverted + 1)) == 0;
}

Ipv4 NetworkAddressOf(const Ipv4& address, const Ipv4& mask) {
    return Ipv4FromValue(Ipv4Value(address) & Ipv4Value(mask));
}

Ipv4 BroadcastAddressOf(const Ipv4& address, const Ipv4& mask) {
    return Ipv4FromValue(Ipv4Value(address) | ~Ipv4Value(mask));
}

bool SameSubnet(const Ipv4& a, const Ipv4& b, const Ipv4& mask) {
    return (Ipv4Value(a) & Ipv4Value(mask)) == (Ipv4Value(b) & Ipv4Value(mask));
}

CheckedField FieldOf(SendCheck check) {
    switch (check) {
    case SendCheck::MaskNotContiguous: return CheckedField::SubnetMask;
    case SendCheck::GatewayOutsideSubnet: return CheckedField::Gateway;
    default: return CheckedField::IpAddress;
    }
}

const char* WarningTemplate(SendCheck check) {
    switch (check) {
    case SendCheck::MaskNotContiguous:
        return QT_TRANSLATE_NOOP("LanSendChecks",
                                 "The subnet mask %1 is not contiguous: its ones must all come before its zeros.");
    case SendCheck::NetworkAddress:
        return QT_TRANSLATE_NOOP("LanSendChecks",
                                 "The IP address %1 is the network address of its subnet; no device can use it.");
    case SendCheck::BroadcastAddress:
        return QT_TRANSLATE_NOOP("LanSendChecks",
                                 "The IP address %1 is the broadcast address of its subnet; no device can use it.");
    case SendCheck::ReservedAddress:
        return QT_TRANSLATE_NOOP("LanSendChecks",
                                 "The IP address %1 is reserved (%2) and cannot be a printer's address.");
    case SendCheck::GatewayOutsideSubnet:
        return QT_TRANSLATE_NOOP("LanSendChecks",
                                 "The gateway %1 is outside the subnet %2 of the IP address; the printer could "
                                 "not reach it.");
    case SendCheck::AddressInUse:
        return QT_TRANSLATE_NOOP("LanSendChecks", "The IP address %1 is already used by the printer %2 in the list.");
    case SendCheck::OutsideLocalSubnet:
        return QT_TRANSLATE_NOOP("LanSendChecks",
                                 "The IP address %1 is outside the subnet %2 of this computer's address %3: this "
                                 "computer will no longer reach the printer without a route.");
    }
    return "";
}

std::string WarningText(const SendWarning& warning) {
    std::string text = WarningTemplate(warning.check);
    // Highest number first, so "%1" never eats the start of "%10".
    for (std::size_t i = warning.arguments.size(); i-- > 0;) {
        const std::string marker = '%' + std::to_string(i + 1);
        for (auto at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + warning.arguments[i].size())) {
            text.replace(at, marker.size(), warning.arguments[i]);
        }
    }
    return text;
}

namespace {

std::string SubnetText(const Ipv4& address, const Ipv4& mask) {
    return DottedIpv4(NetworkAddressOf(address, mask)) + '/' + DottedIpv4(mask);
}

// The reserved ranges a printer's own address may not lie in, with their names.
const char* ReservedRange(const Ipv4& a) {
    if (a[0] == 0) return "0.0.0.0/8";
    if (a[0] == 127) return "127.0.0.0/8, loopback";
    if (a == Ipv4{255, 255, 255, 255}) return "255.255.255.255, broadcast";
    if (a[0] >= 224) return a[0] < 240 ? "224.0.0.0/4, multicast" : nullptr;
    return nullptr;
}

}  // namespace

std::vector<SendWarning> CheckSettingsToSend(const lan::DiscoveredDevice& toSend,
                                             const std::vector<lan::DiscoveredDevice>& listed,
                                             const lan::DiscoveredDevice& current,
                                             const std::optional<LocalSubnet>& local) {
    std::vector<SendWarning> warnings;
    if (toSend.dhcp()) return warnings;
    const Ipv4 ip = toSend.ipAddress();
    const Ipv4 mask = toSend.subnetMask();
    const Ipv4 gateway = toSend.gateway();
    const bool contiguous = IsContiguousMask(mask);

    if (!contiguous) warnings.push_back({SendCheck::MaskNotContiguous, {DottedIpv4(mask)}});
    if (const char* range = ReservedRange(ip)) {
        warnings.push_back({SendCheck::ReservedAddress, {DottedIpv4(ip), range}});
    } else if (contiguous && Ipv4Value(mask) < 0xFFFFFFFEu) {
        // /31 and /32 have no network or broadcast address of their own.
        if (ip == NetworkAddressOf(ip, mask)) warnings.push_back({SendCheck::NetworkAddress, {DottedIpv4(ip)}});
        if (ip == BroadcastAddressOf(ip, mask)) warnings.push_back({SendCheck::BroadcastAddress, {DottedIpv4(ip)}});
    }
    // 0.0.0.0 means "no gateway".
    if (gateway != Ipv4{} && !SameSubnet(gateway, ip, mask)) {
        warnings.push_back({SendCheck::GatewayOutsideSubnet, {DottedIpv4(gateway), SubnetText(ip, mask)}});
    }
    for (const auto& other : listed) {
        if (other.macAddress() == toSend.macAddress() || other.ipAddress() != ip) continue;
        warnings.push_back({SendCheck::AddressInUse, {DottedIpv4(ip), lan::FormatMacLower(other.macAddress())}});
        break;
    }
    // A printer already outside the local subnet was reached some other way;
    // only moving it there is news.
    if (local && ip != current.ipAddress() && !SameSubnet(ip, local->address, local->mask)) {
        warnings.push_back({SendCheck::OutsideLocalSubnet,
                            {DottedIpv4(ip), SubnetText(local->address, local->mask), DottedIpv4(local->address)}});
    }
    return warnings;
}

}  // namespace corvane::rules
