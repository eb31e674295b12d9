#include "cli/lan_change.h"

namespace corvane::cli {

std::optional<int> verifyDelayMs(const Invocation& invocation, lan::ListMode mode) {
    if (!invocation.isSet("verify-delay")) return lan::defaultVerifyDelayMs(mode);
    const auto value = parseInteger(invocation.value("verify-delay"), 0, lan::kLongestVerifyDelayMs);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace corvane::cli
