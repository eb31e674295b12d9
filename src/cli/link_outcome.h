// What the command line says once a change went to the printer over the
// direct link and its history line was written (history/link_save.h): a
// warning when the line could not be written, the failure or cancel with its
// exit code, or nothing after a success.
#pragma once

#include <optional>

#include "history/link_save.h"
#include "link/string_table.h"

namespace corvane::cli {

// nullopt after a success; else the exit code, the reason printed. `failure`
// is the numbered message of a change that did not happen.
std::optional<int> reportLinkChange(const history::LinkSave& change, StringId failure);

// The exit code once a confirmed change has been reported: 0, or the
// signal's code when Ctrl-C, SIGTERM or SIGHUP stopped the read-back after
// the confirmation (saying what was left undone).
int confirmedChangeExit(const history::LinkSave& change);

}  // namespace corvane::cli
