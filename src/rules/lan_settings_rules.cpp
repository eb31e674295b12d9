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

}  // namespace corvane::rules
