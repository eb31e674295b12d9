#include "lan/plan_run.h"

#include "history/change_entries.h"
#include "lan/device_list_buttons.h"
#include "lan/lan_settings_form.h"
#include "lan/send_checks.h"

namespace corvane::lan {

namespace {

// The settings window's form, started from the printer's record, with the
// row's cells typed in: the form's own rules judge the row.
LanSettingsEdits editsFor(const rules::PlanRow& row, const link::DiscoveredDevice& record) {
    LanSettingsEdits edits = rules::LanEditsFor(record);
    if (row.ip) edits.ipAddress = *row.ip;
    if (row.mask) edits.subnetMask = *row.mask;
    if (row.gateway) edits.gateway = *row.gateway;
    if (row.port) edits.portText = std::to_string(*row.port);
    if (row.inactivity) edits.inactivityText = std::to_string(*row.inactivity);
    if (row.dhcp) edits.dhcp = *row.dhcp;
    if (row.baudIndex) edits.baudIndex = *row.baudIndex;
    return edits;
}

// The row's printer has left (or, in a dry run, would leave) its address.
bool vacated(PlanResult result) { return result == PlanResult::Confirmed || result == PlanResult::WouldSend; }

bool stillMoving(PlanResult result) {
    return result == PlanResult::Pending || result == PlanResult::WouldSend || result == PlanResult::Confirmed ||
           result == PlanResult::Verified || result == PlanResult::NotVerified;
}

}  // namespace

QString settingsSummary(const link::DiscoveredDevice& d) {
    const auto dotted = [](link::Ipv4Address a) { return QString::fromStdString(a.text()); };
    QString text = QStringLiteral("%1/%2 gw %3 port %4")
                       .arg(dotted(d.ipAddress()), dotted(d.subnetMask()), dotted(d.gateway()))
                       .arg(d.port());
    if (d.dhcp()) text += QStringLiteral(" dhcp");
    return text;
}

void showConfirmedRows(link::DeviceList& devices, const std::vector<PlanRowOutcome>& outcomes) {
    for (const PlanRowOutcome& o : outcomes) {
        const bool confirmed = o.result == PlanResult::Confirmed || o.result == PlanResult::Verified ||
                               o.result == PlanResult::NotVerified;
        if (!confirmed) continue;
        if (link::DiscoveredDevice* record = findByMac(devices, o.row.mac)) *record = o.after;
    }
}

PlanRun::PlanRun(SearchSetup setup, link::DeviceList& devices, std::vector<rules::PlanRow> rows, const char* frontEnd,
                 bool force, bool dryRun, bool allowConflicts)
    : setup_(std::move(setup)),
      devices_(devices),
      frontEnd_(frontEnd),
      force_(force),
      dryRun_(dryRun),
      allowConflicts_(allowConflicts) {
    std::vector<link::DiscoveredDevice> listed;
    for (int n = 1; const link::DiscoveredDevice* d = devices_.deviceAt(n); ++n) listed.push_back(*d);
    order_ = rules::OrderPlanRows(listed, rows);
    for (auto& row : rows) outcomes_.emplace_back().row = row;
    for (std::size_t i = 0; i < outcomes_.size(); ++i) {
        for (std::size_t j : order_.cycle[i]) outcomes_[i].cycle.push_back(rows[j].mac);
    }
}

std::vector<rules::PlanRow> PlanRun::moving() const {
    std::vector<rules::PlanRow> rows;
    for (const auto& o : outcomes_) {
        if (stillMoving(o.result)) rows.push_back(o.row);
    }
    return rows;
}

PlanRowOutcome PlanRun::prepare(std::size_t index) const {
    PlanRowOutcome outcome = outcomes_.at(index);
    outcome.result = PlanResult::Pending;
    const link::DiscoveredDevice* record = findByMac(devices_, outcome.row.mac);
    if (!record) {
        outcome.result = PlanResult::NotFound;
        return outcome;
    }
    outcome.before = *record;
    outcome.after = *record;
    const SaveDecision decision = rules::SaveLanEdits(editsFor(outcome.row, *record), outcome.after);
    if (!settingOffered(setup_.mode, record->featureCode())) {
        outcome.result = PlanResult::Refused;
        outcome.notOffered = true;
    } else if (decision.action != SaveDecision::Action::Send) {
        outcome.result = PlanResult::Refused;
        outcome.refusalMessageId = decision.messageId;
    } else if (outcome.after.raw == record->raw) {
        outcome.result = PlanResult::Unchanged;
    } else if (!outcome.cycle.empty()) {
        outcome.result = PlanResult::Refused;
    } else {
        std::vector<link::DiscoveredDevice> listed;
        for (int n = 1; const link::DiscoveredDevice* d = devices_.deviceAt(n); ++n) listed.push_back(*d);
        outcome.warnings = rules::CheckSettingsToSend(outcome.after, rules::ListedAfterPlan(listed, moving()), *record,
                                                      localSubnetOf(QString::fromStdString(record->localAddress)));
        if (rules::StopsSending(outcome.warnings, {force_, allowConflicts_})) outcome.result = PlanResult::Refused;
    }
    return outcome;
}

bool PlanRun::runNextRow() {
    if (step_ >= outcomes_.size()) return false;
    const std::size_t index = nextRow();
    PlanRowOutcome outcome = prepare(index);
    // A row is not sent while a printer whose row failed still holds its new
    // address, not even with `force`: the network would have two printers on it.
    const bool checksOnly = outcome.result == PlanResult::Refused && !outcome.notOffered && !outcome.refusalMessageId &&
                            outcome.cycle.empty();
    if (outcome.result == PlanResult::Pending || checksOnly) {
        for (std::size_t j : order_.vacatedBy[index]) {
            if (!vacated(outcomes_[j].result)) {
                outcome.result = PlanResult::NotSent;
                outcome.heldBy = outcomes_[j].row.mac;
                break;
            }
        }
    }
    if (outcome.result == PlanResult::Pending) {
        if (dryRun_) {
            outcome.result = PlanResult::WouldSend;
        } else {
            const SendOutcome sent = sendSettings(setup_, *outcome.before, outcome.after);
            if (!sent.sent) {
                outcome.result = PlanResult::NotSent;
                outcome.sendError = sent.error;
            } else {
                outcome.result = sent.confirmed ? PlanResult::Confirmed : PlanResult::NotConfirmed;
                if (sent.confirmed) {
                    // The list shows the printer as it now is, for the rows after it.
                    if (link::DiscoveredDevice* record = findByMac(devices_, outcome.row.mac)) *record = outcome.after;
                }
                outcome.notRecorded = history::recordLanSettings(
                    frontEnd_, setup_.mode, QString::fromStdString(outcome.before->localAddress), *outcome.before,
                    outcome.after, sent.messageId, sent.confirmed);
            }
        }
    }
    outcomes_[index] = outcome;
    ++step_;
    return true;
}

bool PlanRun::verify(const VerifyTiming& timing, QString* error, const link::CancelToken* cancel,
                     const link::VerifyProgress& progress) {
    std::vector<ChangedPrinter> confirmed;
    for (const auto& o : outcomes_) {
        if (o.result == PlanResult::Confirmed) confirmed.push_back({*o.before, o.after});
    }
    if (confirmed.empty()) return true;
    std::vector<Verification> results;
    const bool searched = verifyAfterChange(setup_, confirmed, timing, results, error, cancel, progress);
    const bool cancelled = cancel && cancel->cancelled();
    if (cancelled && error) *error = QStringLiteral("cancelled before every printer was checked");
    std::size_t next = 0;
    for (auto& o : outcomes_) {
        if (o.result != PlanResult::Confirmed) continue;
        o.verification = results[next++];
        o.result = o.verification->verified() ? PlanResult::Verified : PlanResult::NotVerified;
        o.verificationCancelled = o.verification->cancelled;
        // A search that could not leave checked nothing: no verdict to record.
        if (searched) {
            o.verificationNotRecorded = recordVerification(
                frontEnd_, setup_.mode, QString::fromStdString(o.before->localAddress), o.after, *o.verification);
        }
    }
    return searched && !cancelled;
}

}  // namespace corvane::lan
