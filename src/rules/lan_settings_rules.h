// The LAN settings rules, in plain C++: the ranges of the port and the
// inactivity time, the values that replace an out-of-range entry, the ports
// a printer keeps for its own services, and the settings form itself (its
// starting values, what Save accepts and how the edits are written into the
// record). The window, the command line, address plans and the System page
// of the direct window all use these.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/discovered_device.h"
#include "link/ipv4_address.h"
#include "link/string_table.h"

namespace corvane::rules {

inline constexpr int kLanReplacementPort = 9100;
inline constexpr int kLanMaximumPort = 32767;
inline constexpr int kLanMaximumInactivity = 3600;

// Ports the printer keeps for its own services: never its printing port.
inline constexpr std::array<std::uint32_t, 6> kReservedPorts{80, 443, 23, 21, 25, 3318};
bool IsReservedPort(long long port);

// A digits-only entry as a number: nullopt when empty or not all digits;
// numbers too long for the type read as out of every range.
std::optional<long long> ParseDigits(std::string_view text);

// A value refused while typing: the message to show and the value that
// replaces it.
struct RangeFix {
    StringId messageId;
    int replacement;
};
std::optional<RangeFix> CheckLanPort(std::string_view text);
std::optional<RangeFix> CheckLanInactivity(std::string_view text);

// The settings form's controls as read in one step.
struct LanSettingsEdits {
    link::Ipv4Address ipAddress;
    link::Ipv4Address subnetMask;
    link::Ipv4Address gateway;
    std::string portText;
    std::string inactivityText;
    int baudIndex = -1;  // -1: nothing selected
    bool dhcp = false;
};

enum class FormField { None, IpAddress, Port, Inactivity };

struct SaveDecision {
    enum class Action {
        Nothing,  // an empty number edit: nothing is written or sent
        Refused,  // show `messageId`, move the focus to `focus`
        Send,     // the record was written; send it
    };
    Action action = Action::Nothing;
    StringId messageId{};
    FormField focus = FormField::None;
    std::optional<int> portReplacement;
    std::optional<int> inactivityReplacement;
};

// The form's starting values from a stored record.
LanSettingsEdits LanEditsFor(const link::DiscoveredDevice& record);

// Whether the form warns at start: no filled address field, or port 0.
bool NeedsAddressWarning(int filledAddressFields, int port);

// Save: checks the edits, writes them into `record` and says what follows.
// The record is written before the address check, so a refused all-zero
// address stays in the record, as the window always behaved.
SaveDecision SaveLanEdits(const LanSettingsEdits& edits, link::DiscoveredDevice& record);

}  // namespace corvane::rules
