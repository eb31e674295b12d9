// Runs an address plan over the printers of one search: row by row, a
// printer leaving an address before another row takes it (see
// rules::OrderPlanRows), one request at a time (a confirmation does not name
// its printer), then the searches that verify every confirmed row. The command line's lan-plan
// and the device list's "Assign addresses…" both run it; the caller decides
// what happens between rows (progress, cancel).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "lan/lan_change.h"
#include "lan/search_setup.h"
#include "link/cancel_token.h"
#include "link/discovered_device.h"
#include "rules/lan_plan.h"
#include "rules/lan_send_checks.h"

namespace corvane::lan {

enum class PlanResult {
    Pending,    // not run yet (a cancelled run leaves these)
    NotFound,   // no printer with the row's MAC in the list
    Unchanged,  // already as the row says: nothing sent
    Refused,    // the form's rules, the printer, or the checks said no
    WouldSend,  // a dry run: this would go out
    NotSent,    // the request could not leave
    Confirmed,  // the printer confirmed (before the verification)
    NotConfirmed,
    Verified,  // the search after it shows what was sent
    NotVerified,
};

struct PlanRowOutcome {
    rules::PlanRow row;
    PlanResult result = PlanResult::Pending;
    std::optional<link::DiscoveredDevice> before;  // the listed record, when found
    link::DiscoveredDevice after;                  // what is (or would be) sent
    std::vector<rules::SendWarning> warnings;
    std::optional<StringId> refusalMessageId;  // the form's message when its rules refused the row
    bool notOffered = false;                   // the printer does not take settings from the list
    QString sendError;                         // NotSent: why
    QString notRecorded;                       // the history could not be written: why
    QString verificationNotRecorded;           // the same for the verification's line
    // Refused: the printers (file order, this one among them) that take each
    // other's addresses in a circle, which would need a temporary address.
    std::vector<link::MacAddress> cycle;
    // NotSent: the printer whose row did not move it away from this row's
    // new address.
    std::optional<link::MacAddress> heldBy;
    std::optional<Verification> verification;
    bool verificationCancelled = false;  // NotVerified because the check was cancelled
};

class PlanRun {
public:
    // `devices` is the list of the search the plan runs over; `frontEnd`
    // names the front end in the history. With `force`, rows the checks
    // warn about are sent anyway, with `allowConflicts` rows that clash (see
    // rules::IsConflict); with `dryRun`, nothing is sent.
    PlanRun(SearchSetup setup, link::DeviceList& devices, std::vector<rules::PlanRow> rows, const char* frontEnd,
            bool force = false, bool dryRun = false, bool allowConflicts = false);

    // The row made ready without sending: what would go out and what the
    // checks say (the preview of a plan).
    PlanRowOutcome prepare(std::size_t index) const;

    // Runs the next row (waits for its confirmation); false when none is left.
    bool runNextRow();
    std::size_t rowsRun() const { return step_; }
    std::size_t rowCount() const { return outcomes_.size(); }
    // The row (in file order, as outcomes() holds them) that runs next, and
    // the one that ran last.
    std::size_t nextRow() const { return order_.order.at(step_); }
    std::size_t lastRow() const { return order_.order.at(step_ - 1); }

    // After the printers' restart pause: searches until every confirmed row
    // shows its change or the limit, then one history line per row. False
    // with `error` set when a search could not run or `cancel` ended the
    // searches (the rows not seen by then are not verified).
    bool verify(const VerifyTiming& timing, QString* error, const link::CancelToken* cancel = nullptr,
                const link::VerifyProgress& progress = {});

    const std::vector<PlanRowOutcome>& outcomes() const { return outcomes_; }

private:
    // The rows whose printers may still leave their addresses.
    std::vector<rules::PlanRow> moving() const;

    SearchSetup setup_;
    link::DeviceList& devices_;
    const char* frontEnd_;
    bool force_;
    bool dryRun_;
    bool allowConflicts_;
    std::vector<PlanRowOutcome> outcomes_;
    rules::PlanOrder order_;
    std::size_t step_ = 0;
};

// Puts what each confirmed row sent (verified or not) into `devices`, found
// by MAC: a window whose run worked on a copy of its list shows the
// printers as they now are.
void showConfirmedRows(link::DeviceList& devices, const std::vector<PlanRowOutcome>& outcomes);

// The row's settings in one line: "10.0.0.51/255.255.255.0 gw 10.0.0.1 port 9100".
QString settingsSummary(const link::DiscoveredDevice& device);

}  // namespace corvane::lan
