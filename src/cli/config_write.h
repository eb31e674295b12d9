// What `corvane link write` sends: the values the file changes are entered as
// a user enters them in the window, through the window's own rules, and the
// record comes out as the window's Save would build it (rules/record_edit.h).
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

// `printer`: the record read from the printer; `edited`: the same with the
// file's values applied.
ConfigWritePlan planConfigWrite(const link::PrinterConfig& printer, const link::PrinterConfig& edited,
                                const link::PrinterSystemInfo& info, link::ConfigLayout layout);

}  // namespace corvane::cli
