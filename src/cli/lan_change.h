// The command line's own part of a LAN settings change: --verify-delay and
// --verify-timeout. The steps themselves (send, pause, verify) are
// lan/lan_change.h, shared with the windows.
#pragma once

#include <optional>

#include "cli/invocation.h"
#include "lan/lan_change.h"

namespace corvane::cli {

// --verify-delay (milliseconds) and --verify-timeout (seconds) over the
// mode's defaults. nullopt with `error` set when one is not a number in range.
std::optional<lan::VerifyTiming> verifyTiming(const Invocation& invocation, link::ListMode mode, QString* error);

}  // namespace corvane::cli
