// The command line's own part of a LAN settings change: the search it runs
// over, --verify-delay and --verify-timeout. The steps themselves (send, pause, verify) are
// lan/lan_change.h, shared with the windows.
#pragma once

#include <optional>

#include "cli/invocation.h"
#include "cli/lan_search.h"
#include "lan/lan_change.h"

namespace corvane::cli {

// --verify-delay (milliseconds) and --verify-timeout (seconds) over the
// mode's defaults. nullopt with `error` set when one is not a number in range.
std::optional<lan::VerifyTiming> verifyTiming(const Invocation& invocation, link::ListMode mode, QString* error);

// What lan-set and lan-plan read before anything else: the search (one
// local address: a change leaves from the adapter that heard the printer)
// and the waits after the change. nullopt with `exitCode` set, the reason
// printed, when either cannot be used.
struct ChangeSetup {
    LanSearchSetup search;
    lan::VerifyTiming timing;
};
std::optional<ChangeSetup> readChangeSetup(const Invocation& invocation, const QString& modeWord, int* exitCode);

}  // namespace corvane::cli
