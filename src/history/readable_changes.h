// A change as people read it in the History window and `corvane history`'s
// table: codes of the record's lists by the names the pages show them with
// ("authentication: WPA2-PSK → Open System"). The file, --json and --csv keep
// the codes.
#pragma once

#include <QString>

#include "history/history_log.h"

namespace corvane::history {

QString readableChangesText(const Entry& entry);

}  // namespace corvane::history
