// Writing a printer's record from a set of edits made elsewhere (the command
// line's `link write --from FILE`): every value the edits change is entered
// on a connected window model the way a user enters it — typed into its
// edit, clicked, picked from its list, each only while the window offers
// it — so every rule of the window applies through the window's own code.
// Then the checks of every page run, as if each had been left, and Save's
// own checks. Values the edits leave as the printer has them are not
// touched, as in the window.
#pragma once

#include <string>

#include "rules/control_state.h"
#include "link/printer_config.h"

namespace corvane::rules {

struct RecordEditPlan {
    // The message the window would show; when set, nothing may be sent.
    MaybeNotice refusal;
    // The record field the refusal is about, when it names one.
    std::string field;
    // The record Save would send, when there is no refusal.
    link::PrinterConfig config;
};

// `printer`: the record read from the printer; `edited`: the same record
// with the edits applied.
RecordEditPlan PlanRecordEdit(const link::PrinterConfig& printer, const link::PrinterConfig& edited,
                              const link::PrinterSystemInfo& info, link::ConfigLayout layout);

}  // namespace corvane::rules
