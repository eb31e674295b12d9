// The LAN settings window's rules on its numbers, in plain C++: the ranges
// of the port and the inactivity time, the values that replace an
// out-of-range entry, and the ports a printer keeps for its own services.
// The window's form, the command line, address plans and the System page
// of the direct window all use these.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

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

}  // namespace corvane::rules
