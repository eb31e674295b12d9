#include "cli/lan_change.h"

#include "cli/output.h"

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

std::optional<ChangeSetup> readChangeSetup(const Invocation& invocation, const QString& modeWord, int* exitCode) {
    auto search = readLanSearchSetup(invocation, modeWord, exitCode);
    if (!search) return std::nullopt;
    if (!search->adapters.isEmpty()) {
        *exitCode = usageError(QStringLiteral("--local all is for discover; give the address the printer answered on"));
        return std::nullopt;
    }
    QString timingError;
    const auto timing = verifyTiming(invocation, search->mode, &timingError);
    if (!timing) {
        *exitCode = usageError(timingError);
        return std::nullopt;
    }
    return ChangeSetup{*search, *timing};
}

}  // namespace corvane::cli
