// The checks run over a LAN settings request before it is sent: values that
// would cut the printer off or clash with another printer. Each failed check
// is a warning in a plain sentence; the front ends decide whether it stops
// the request (the window asks, the command line needs --force). Pure C++ so
// the command line, the plan runner and the windows share one copy.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/discovered_device.h"

namespace corvane::rules {

using Ipv4 = std::array<std::uint8_t, 4>;

std::uint32_t Ipv4Value(const Ipv4& a);
Ipv4 Ipv4FromValue(std::uint32_t value);
std::string DottedIpv4(const Ipv4& a);

// Ones followed by zeros only (255.255.255.0 yes, 255.0.255.0 no; 0.0.0.0
// and 255.255.255.255 are contiguous).
bool IsContiguousMask(const Ipv4& mask);
Ipv4 NetworkAddressOf(const Ipv4& address, const Ipv4& mask);
Ipv4 BroadcastAddressOf(const Ipv4& address, const Ipv4& mask);
bool SameSubnet(const Ipv4& a, const Ipv4& b, const Ipv4& mask);

// Which check failed; the field the window moves the focus to follows from it.
enum class SendCheck {
    MaskNotContiguous,
    NetworkAddress,
    BroadcastAddress,
    ReservedAddress,
    GatewayOutsideSubnet,
    AddressInUse,
    OutsideLocalSubnet,
};

enum class CheckedField { IpAddress, SubnetMask, Gateway };

struct SendWarning {
    SendCheck check;
    // The values the sentence names, in its %1, %2 ... order.
    std::vector<std::string> arguments;
};

CheckedField FieldOf(SendCheck check);

// The sentence of a check with %1, %2 ... for its arguments, in English. The
// windows look the same text up in their catalog (context "LanSendChecks").
const char* WarningTemplate(SendCheck check);
// The English sentence with its arguments filled in.
std::string WarningText(const SendWarning& warning);

// The interface the search went out on: its address and mask.
struct LocalSubnet {
    Ipv4 address{};
    Ipv4 mask{};
};

// Runs every check over `toSend` (the record as it would be sent) against
// `listed`, the printers of the current list (the printer itself included:
// its own MAC never clashes), and `current`, its record before the edit.
// `local` is the search's interface, when it is known. DHCP on skips every
// address check: the printer takes its addresses from the server.
std::vector<SendWarning> CheckSettingsToSend(const lan::DiscoveredDevice& toSend,
                                             const std::vector<lan::DiscoveredDevice>& listed,
                                             const lan::DiscoveredDevice& current,
                                             const std::optional<LocalSubnet>& local);

}  // namespace corvane::rules
