// What `corvane link write` sends: the edited record goes through the same
// rules as the window's Save — every page's checks (not only the shown one,
// since a file edits them all at once), the WEP key length that picks the
// cipher, the Wi-Fi Direct PIN — and comes out as the record the window would
// build from its pages.
#pragma once

#include <optional>

#include <QString>

#include "link/printer_config.h"
#include "rules/control_state.h"

namespace corvane::cli {

struct ConfigWritePlan {
    // The message the window would show; when set, nothing may be sent.
    std::optional<rules::Notice> refusal;
    // The configuration field the refusal is about, when it names one.
    QString field;
    // The record to send when there is no refusal.
    link::PrinterConfig config;
};

ConfigWritePlan planConfigWrite(const link::PrinterConfig& edited, const link::PrinterSystemInfo& info,
                                link::ConfigLayout layout);

}  // namespace corvane::cli
