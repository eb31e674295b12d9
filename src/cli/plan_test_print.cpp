#include "cli/plan_test_print.h"

#include "link/printer_config.h"
#include "transport/test_print.h"

namespace corvane::cli {

PlanTestPrints sendPlanTestPrints(const std::vector<lan::PlanRowOutcome>& outcomes,
                                  const transport::LanEndpoints& endpoints, const link::CancelToken* cancel) {
    PlanTestPrints prints;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const lan::PlanRowOutcome& o = outcomes[i];
        if (o.result != lan::PlanResult::Verified && o.result != lan::PlanResult::Unchanged) continue;
        if (cancel != nullptr && cancel->cancelled()) break;
        // The page names the printer's own address; the connection may go
        // elsewhere (--printer-host).
        const QString reported = QString::fromStdString(o.after.ipAddress().text());
        const QString address = endpoints.printerAddressFor(reported);
        const int port = o.after.port() > 0 ? o.after.port() : transport::kDefaultDataPort;
        const QString mac = QString::fromStdString(link::FormatMacUpper(o.after.macAddress(), ':'));
        const QString target = transport::printTarget(address, port);
        const auto sent =
            transport::sendTestPrint(address, port, transport::testPage(reported, port, mac), {}, {cancel});
        if (sent) {
            prints.notes.insert(i, QStringLiteral("test page sent to %1").arg(target));
        } else {
            prints.anyFailed = true;
            prints.notes.insert(i, QStringLiteral("test print not sent to %1: %2")
                                       .arg(target, transport::testPrintFailureText(sent.error())));
        }
    }
    return prints;
}

}  // namespace corvane::cli
