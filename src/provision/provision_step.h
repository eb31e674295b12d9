// One printer of a provisioning run, start to end, as `link apply` does it:
// Connect, the profile spread over the printer's record through the pages'
// rules, the printer's own values from the sheet put in, every page's checks,
// a write only when a field differs, the record read back and compared, and
// a history line for what was sent. Blocking; runs on a worker thread, one
// per printer, and stops at its next wait once `cancel` is set.
#pragma once

#include <QString>

#include "link/cancel_token.h"
#include "provision/printer_sheet.h"
#include "rules/profile.h"

namespace corvane::provision {

enum class Outcome {
    Configured,  // written and read back the same (or confirmed where it could not be read back)
    Unchanged,   // no field differed; nothing was written
    Failed,      // see `reason`
};

struct PrinterReport {
    QString node;  // the device node it came on
    QString mac;   // "00:11:62:0A:00:01"; empty when it was never read
    QString name;  // the printer's name once done
    Outcome outcome = Outcome::Failed;
    int fieldsChanged = 0;
    double seconds = 0;
    QString reason;            // why it failed, or a note on a success
    bool inSheet = false;      // the sheet had a row for its MAC
    bool profileOnly = false;  // a sheet was given, without a row for its MAC
    bool permission = false;   // the node could not be opened for lack of permission
    QString historyProblem;    // why the history line could not be written, worded for the user
};

struct ProvisionJob {
    rules::Profile profile;
    PrinterSheet sheet;
    QString frontEnd;  // history::kCommandLine or history::kWindow
};

// The history's name for a printer provisioned.
inline constexpr char kProvisionAction[] = "link provision";

PrinterReport provisionPrinter(const QString& node, bool serial, const ProvisionJob& job,
                               const link::CancelToken* cancel);

// "configured", "unchanged", "failed".
QString outcomeName(Outcome outcome);

}  // namespace corvane::provision
