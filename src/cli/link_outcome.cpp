#include "cli/link_outcome.h"

#include "cli/interrupt.h"
#include "cli/invocation.h"
#include "cli/output.h"

namespace corvane::cli {

std::optional<int> reportLinkChange(const history::LinkSave& change, StringId failure) {
    printWarning(change.notRecorded);
    if (change.succeeded()) return std::nullopt;
    if (change.cancelled) return cancelled();
    switch (change.delivery) {
    case link::Delivery::Confirmed:  // read back with other values
        printError(change.entry.message);
        break;
    case link::Delivery::Unconfirmed:
        printFailure(failure);
        printError(QStringLiteral("not confirmed: %1; the printer may have taken the change (read it back before "
                                  "trying again)")
                       .arg(change.cause));
        break;
    case link::Delivery::Refused:
    case link::Delivery::NotSent: printFailure(failure); break;
    }
    return kExitFailed;
}

int confirmedChangeExit(const history::LinkSave& change) {
    if (!change.cancelled) return kExitOk;
    if (!change.entry.message.isEmpty()) printWarning(change.entry.message);
    return cancelled();
}

}  // namespace corvane::cli
