// The steps of a LAN settings change, shared with the windows (lan/lan_change.h),
// and the command line's own --verify-delay.
#pragma once

#include <optional>

#include "cli/invocation.h"
#include "lan/lan_change.h"

namespace corvane::cli {

using lan::findByMac;
using lan::pauseMs;
using lan::SendOutcome;
using lan::sendSettings;
using lan::Verification;
using lan::verificationTarget;
using lan::verificationText;
using lan::verifyAfterChange;

// --verify-delay, or the pause the device list makes before it searches
// again. nullopt when the option is not a number.
std::optional<int> verifyDelayMs(const Invocation& invocation, lan::ListMode mode);

}  // namespace corvane::cli
