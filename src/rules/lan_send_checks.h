// The checks run over a LAN settings request before it is sent: values that
// would cut the printer off or clash with another printer. Each failed check
// is a warning in a plain sentence; the front ends decide whether it stops
// the request (the window asks, the command line needs --force). Pure C++ so
// the command line, the plan runner and the windows share one copy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/discovered_device.h"
#include "link/ipv4_address.h"

namespace corvane::rules {

// Which check failed; the field the window moves the focus to follows from it.
// The first five are conflicts (the printer would be unusable or clash with
// another one), the last two warnings (it may still be right on purpose).
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

// What a front end lets through: warnings with --force ("Send rows with
// warnings too"), conflicts only with their own --allow-conflicts ("Send
// rows with conflicts too"). Neither releases the other.
struct SendOverrides {
    bool warnings = false;
    bool conflicts = false;
};
bool IsConflict(SendCheck check);
// Whether the findings stop the request under `overrides`.
bool StopsSending(const std::vector<SendWarning>& findings, SendOverrides overrides);

// The sentence of a check with %1, %2 ... for its arguments, in English. The
// windows look the same text up in their catalog (context "LanSendChecks").
const char* WarningTemplate(SendCheck check);
// The English sentence with its arguments filled in.
std::string WarningText(const SendWarning& warning);

// The interface the search went out on: its address and mask.
struct LocalSubnet {
    link::Ipv4Address address;
    link::Ipv4Address mask;
};

// Runs every check over `toSend` (the record as it would be sent) against
// `listed`, the printers of the current list (the printer itself included:
// its own MAC never clashes), and `current`, its record before the edit.
// `local` is the search's interface, when it is known: moving the printer
// outside it is news only when the new address also leaves the subnet the
// printer is reached in now (a bench printer already outside stays quiet).
// DHCP on skips every address check: the printer takes its addresses from
// the server.
std::vector<SendWarning> CheckSettingsToSend(const link::DiscoveredDevice& toSend,
                                             const std::vector<link::DiscoveredDevice>& listed,
                                             const link::DiscoveredDevice& current,
                                             const std::optional<LocalSubnet>& local);

}  // namespace corvane::rules
