// The command line's own part of a LAN settings change: --verify-delay. The
// steps themselves (send, pause, verify) are lan/lan_change.h, shared with
// the windows.
#pragma once

#include <optional>

#include "cli/invocation.h"
#include "lan/lan_change.h"

namespace corvane::cli {

// --verify-delay, or the pause the device list makes before it searches
// again. nullopt when the option is not a number.
std::optional<int> verifyDelayMs(const Invocation& invocation, lan::ListMode mode);

}  // namespace corvane::cli
