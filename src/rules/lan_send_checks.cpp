#include "rules/lan_send_checks.h"

// lupdate collects the sentences below through this marker; the windows show
// them translated under the context "LanSendChecks".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::rules {

CheckedField FieldOf(SendCheck check) {
    switch (check) {
    case SendCheck::MaskNotContiguous: return CheckedField::SubnetMask;
    case SendCheck::GatewayOutsideSubnet: return CheckedField::Gateway;
    default: return CheckedField::IpAddress;
    }
}

bool IsConflict(SendCheck check) {
    return check != SendCheck::GatewayOutsideSubnet && check != SendCheck::OutsideLocalSubnet;
}

bool StopsSending(const std::vector<SendWarning>& findings, SendOverrides overrides) {
    for (const SendWarning& finding : findings) {
        if (!(IsConflict(finding.check) ? overrides.conflicts : overrides.warnings)) return true;
    }
    return false;
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

using link::Ipv4Address;

std::string SubnetText(Ipv4Address address, Ipv4Address mask) {
    return address.networkUnder(mask).text() + '/' + mask.text();
}

// The reserved ranges a printer's own address may not lie in, with their names.
const char* ReservedRange(Ipv4Address address) {
    const std::uint8_t first = address.octets()[0];
    if (first == 0) return "0.0.0.0/8";
    if (first == 127) return "127.0.0.0/8, loopback";
    if (address == Ipv4Address(255, 255, 255, 255)) return "255.255.255.255, broadcast";
    if (first >= 224) return first < 240 ? "224.0.0.0/4, multicast" : nullptr;
    return nullptr;
}

}  // namespace

std::vector<SendWarning> CheckSettingsToSend(const link::DiscoveredDevice& toSend,
                                             const std::vector<link::DiscoveredDevice>& listed,
                                             const link::DiscoveredDevice& current,
                                             const std::optional<LocalSubnet>& local) {
    std::vector<SendWarning> warnings;
    if (toSend.dhcp()) return warnings;
    const Ipv4Address ip = toSend.ipAddress();
    const Ipv4Address mask = toSend.subnetMask();
    const Ipv4Address gateway = toSend.gateway();
    const bool contiguous = mask.isContiguousMask();

    if (!contiguous) warnings.push_back({SendCheck::MaskNotContiguous, {mask.text()}});
    if (const char* range = ReservedRange(ip)) {
        warnings.push_back({SendCheck::ReservedAddress, {ip.text(), range}});
    } else if (contiguous && mask.value() < 0xFFFFFFFEu) {
        // /31 and /32 have no network or broadcast address of their own.
        if (ip == ip.networkUnder(mask)) warnings.push_back({SendCheck::NetworkAddress, {ip.text()}});
        if (ip == ip.broadcastUnder(mask)) warnings.push_back({SendCheck::BroadcastAddress, {ip.text()}});
    }
    // 0.0.0.0 means "no gateway".
    if (gateway != Ipv4Address() && !gateway.sameSubnet(ip, mask)) {
        warnings.push_back({SendCheck::GatewayOutsideSubnet, {gateway.text(), SubnetText(ip, mask)}});
    }
    for (const auto& other : listed) {
        if (other.macAddress() == toSend.macAddress() || other.ipAddress() != ip) continue;
        warnings.push_back({SendCheck::AddressInUse, {ip.text(), link::FormatMacLower(other.macAddress())}});
        break;
    }
    // This computer reaches the printer in its current subnet (its own, or
    // another one through a route). Only a move out of that subnet, to an
    // address this computer's subnet does not hold either, is news.
    const Ipv4Address now = current.ipAddress();
    const Ipv4Address nowMask = current.subnetMask();
    const Ipv4Address localAddress = local ? local->address : Ipv4Address();
    const Ipv4Address localMask = local ? local->mask : Ipv4Address();
    const Ipv4Address reachedUnder = nowMask.isContiguousMask() && nowMask != Ipv4Address() ? nowMask : localMask;
    if (local && ip != now && !ip.sameSubnet(localAddress, localMask) && !ip.sameSubnet(now, reachedUnder)) {
        warnings.push_back(
            {SendCheck::OutsideLocalSubnet, {ip.text(), SubnetText(localAddress, localMask), localAddress.text()}});
    }
    return warnings;
}

}  // namespace corvane::rules
