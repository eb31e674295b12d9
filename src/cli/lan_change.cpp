#include "cli/lan_change.h"

namespace corvane::cli {

std::optional<lan::VerifyTiming> verifyTiming(const Invocation& invocation, link::ListMode mode, QString* error) {
    lan::VerifyTiming timing = lan::defaultVerifyTiming(mode);
    if (invocation.isSet("verify-delay")) {
        const auto value = parseInteger(invocation.value("verify-delay"), 0, lan::kLongestVerifyDelayMs);
        if (!value) {
            *error = QStringLiteral("--verify-delay: expected milliseconds (0-600000)");
            return std::nullopt;
        }
        timing.pauseMs = static_cast<int>(*value);
    }
    if (invocation.isSet("verify-timeout")) {
        const auto value = parseInteger(invocation.value("verify-timeout"), 0, lan::kLongestVerifyTimeoutS);
        if (!value) {
            *error = QStringLiteral("--verify-timeout: expected seconds (0-3600)");
            return std::nullopt;
        }
        timing.limitMs = static_cast<int>(*value) * 1000;
    }
    return timing;
}

}  // namespace corvane::cli
