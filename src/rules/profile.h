// Profiles: the settings a shop shares between its printers (network mode,
// SSID, channels, security, protocol switches, SNMP, inactivity; the address
// and how it is assigned only when asked for), taken from one printer's record and spread onto another's through
// the same rules as a Connect shows a record and a Save checks it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/control_state.h"
#include "link/printer_config.h"
#include "rules/record_fields.h"

namespace corvane::rules {

struct Profile {
    // By field name; a field the profile does not name keeps the printer's value.
    std::map<std::string, FieldValue, std::less<>> values;

    bool operator==(const Profile&) const = default;
};

// What goes into a profile beyond the shared settings.
struct ProfileContent {
    bool secrets = false;  // keys, passwords and the PIN
    bool address = false;  // DHCP or the fixed IP address, mask and gateway
};

// The profile of a printer's record.
Profile MakeProfile(const link::PrinterConfig& config, link::ConfigLayout layout, ProfileContent content);

// The secrets the profile's security and network settings need, taken over
// `base`, that the profile does not hold, in record order. A secret is only
// asked for when the profile sets what it belongs to (the authentication or
// cipher for a key or password, the network mode for the PIN).
std::vector<std::string> MissingSecrets(const Profile& profile, const link::PrinterConfig& base,
                                        link::ConfigLayout layout);

// Why a profile cannot be spread: a value that is not a profile field or not
// of its field's kind, or a page rule that refuses the result.
struct ProfileRefusal {
    std::string field;
    ValueProblem problem = ValueProblem::None;
    std::uint32_t limit = 0;        // with TooLong and OutOfRange
    bool notInProfile = false;      // unknown, or a per-printer field
    bool needsNewerLayout = false;  // Wi-Fi Direct on a printer without it
    std::optional<Notice> notice;   // a page rule's message
    bool fixesDhcpAddress = false;  // would fix a DHCP printer at the address it holds now
};

struct SpreadResult {
    std::optional<ProfileRefusal> refusal;
    // Without a refusal: the record the pages show once the profile is
    // spread over `base`, as a Save would build it.
    link::PrinterConfig config;
    // Profile fields the printer's record layout does not have.
    std::vector<std::string> skipped;
};

// The profile over `base` (the record of a printer of `layout`), checked by
// the Protocol, Network and Security pages' rules and the checks of Save (WEP
// key, PIN). The System page is not the profile's and is not checked. A
// profile that would switch a DHCP printer to a fixed address without giving
// the address is refused: the printer would keep, fixed, whatever address
// DHCP had lent it.
SpreadResult SpreadProfile(const Profile& profile, const link::PrinterConfig& base, const link::PrinterSystemInfo& info,
                           link::ConfigLayout layout);

}  // namespace corvane::rules
