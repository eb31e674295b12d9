// Adding the changes the command line sends to the history of changes. A
// history that cannot be written never stops a change; the command says so.
#pragma once

#include "history/history_log.h"

namespace corvane::cli {

// Appends `entry`; a warning on stderr when that fails.
void recordInHistory(const history::Entry& entry);
// The warning for a line that could not be appended (nothing when `problem`
// is empty).
void reportNotRecorded(const QString& problem);

}  // namespace corvane::cli
