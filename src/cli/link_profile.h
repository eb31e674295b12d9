// corvane link export|apply: profiles on the direct link. Export writes the
// shared settings of the connected printer to a file; apply spreads a
// profile over the printer's record through the window's rules and writes
// only when a field differs, so configuration-management tools can run it
// on many printers again and again.
#pragma once

#include <optional>

#include <QString>

#include "cli/invocation.h"
#include "link/exchange/link_session.h"
#include "rules/profile.h"

namespace corvane::cli {

// The profile of `link apply` with the secrets of --secrets over it, read
// and checked before a printer is touched; nullopt with the exit code set
// (the reason printed) when a file is refused.
std::optional<rules::Profile> readProfileInput(const Invocation& invocation, int* exitCode);

int exportProfile(const link::LinkSession& session, const Invocation& invocation);
int applyProfile(link::LinkSession& session, const rules::Profile& profile, const QString& portName,
                 const Invocation& invocation);

}  // namespace corvane::cli
