// Adding the changes the command line sends to the history of changes. A
// history that cannot be written never stops a change; the command says so.
#pragma once

#include "history/history_log.h"

namespace corvane::cli {

// The warning for a line of `outcome` that could not be appended (nothing
// when `problem` is empty).
void reportNotRecorded(const QString& problem, const QString& outcome = {});

}  // namespace corvane::cli
