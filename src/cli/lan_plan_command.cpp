// corvane lan-plan ethernet|wlan PLAN.csv: sets many printers from an address
// plan. The plan is read whole first (a bad row stops everything), then one
// search, then each row, one request at a time (a printer leaves an address
// before another row takes it), and one verification search for every
// confirmed row. Ctrl-C stops before the next row or ends the pause before
// the verification; what was done is still reported.
#include <unistd.h>

#include <algorithm>

#include <QJsonArray>
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/history_record.h"
#include "cli/interrupt.h"
#include "cli/lan_change.h"
#include "cli/lan_search.h"
#include "cli/output.h"
#include "cli/plan_test_print.h"
#include "history/change_entries.h"
#include "lan/device_list_buttons.h"
#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "lan/plan_run.h"
#include "lan/send_checks.h"
#include "link/string_table.h"
#include "profile/input_file.h"
#include "rules/lan_plan.h"
#include "rules/lan_send_checks.h"

namespace corvane::cli {

namespace {

QString resultWord(lan::PlanResult result) {
    switch (result) {
    case lan::PlanResult::Pending: return QStringLiteral("not run");
    case lan::PlanResult::NotFound: return QStringLiteral("not found");
    case lan::PlanResult::Unchanged: return QStringLiteral("unchanged");
    case lan::PlanResult::Refused: return QStringLiteral("refused");
    case lan::PlanResult::WouldSend: return QStringLiteral("would send");
    case lan::PlanResult::NotSent: return QStringLiteral("not sent");
    case lan::PlanResult::Confirmed: return QStringLiteral("confirmed");
    case lan::PlanResult::NotConfirmed: return QStringLiteral("not confirmed");
    case lan::PlanResult::Verified: return QStringLiteral("verified");
    case lan::PlanResult::NotVerified: return QStringLiteral("not verified");
    }
    return {};
}

QString macText(const link::MacAddress& mac) { return QString::fromStdString(link::FormatMacLower(mac)); }

// Warnings, refusals, differences: what the row's result does not say.
QStringList notesOf(const lan::PlanRowOutcome& o) {
    QStringList notes;
    if (!o.cycle.empty()) {
        QStringList macs;
        for (const auto& mac : o.cycle) macs << macText(mac);
        notes << QStringLiteral(
                     "%1 take each other's addresses in a circle, which would need a temporary address; "
                     "nothing is sent to them (give one of them an unused address first)")
                     .arg(macs.join(QStringLiteral(", ")));
    }
    if (o.heldBy) {
        notes << QStringLiteral("%1 still holds %2: its own row did not move it away, so this row was not sent")
                     .arg(macText(*o.heldBy), QString::fromStdString(o.row.ip->text()));
    }
    if (o.notOffered) notes << lan::numberedText(kSettingNotOffered, QString::number(o.before->featureCode()));
    if (o.refusalMessageId) notes << messageText(*o.refusalMessageId).replace(QLatin1Char('\n'), QLatin1Char(' '));
    notes << lan::warningSentences(o.warnings);
    if (!o.sendError.isEmpty()) notes << o.sendError;
    if (o.verificationCancelled) {
        notes << QStringLiteral("Not verified: the check was cancelled.");
    } else if (o.verification && !o.verification->verified()) {
        notes << lan::verificationText(*o.verification);
    }
    return notes;
}

void printOutcomes(const std::vector<lan::PlanRowOutcome>& outcomes, bool json, const PlanTestPrints& prints) {
    const auto mac = [](const lan::PlanRowOutcome& o) {
        return QString::fromStdString(link::FormatMacLower(o.row.mac));
    };
    const auto before = [](const lan::PlanRowOutcome& o) {
        return o.before ? lan::settingsSummary(*o.before) : QString();
    };
    const auto after = [](const lan::PlanRowOutcome& o) {
        return o.before ? lan::settingsSummary(o.after) : QString();
    };
    if (json) {
        QJsonArray rows;
        for (std::size_t i = 0; i < outcomes.size(); ++i) {
            const auto& o = outcomes[i];
            QJsonObject row{{QStringLiteral("mac"), mac(o)},
                            {QStringLiteral("before"), before(o)},
                            {QStringLiteral("after"), after(o)},
                            {QStringLiteral("result"), resultWord(o.result)},
                            {QStringLiteral("notes"), QJsonArray::fromStringList(notesOf(o))}};
            if (prints.notes.contains(i)) row.insert(QStringLiteral("testPrint"), prints.notes.value(i));
            rows.append(row);
        }
        printJson(rows);
        return;
    }
    QList<QStringList> rows;
    for (const auto& o : outcomes) rows.append({mac(o), before(o), after(o), resultWord(o.result)});
    printTable({QStringLiteral("MAC"), QStringLiteral("before"), QStringLiteral("after"), QStringLiteral("result")},
               rows);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const auto& o = outcomes[i];
        QStringList notes = notesOf(o);
        if (prints.notes.contains(i)) notes << prints.notes.value(i);
        for (const QString& note : notes) printText(QStringLiteral("%1: %2\n").arg(mac(o), note));
    }
}

}  // namespace

int runLanPlan(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(
            QStringLiteral("lan-plan"),
            {"json", "dry-run", "force", "allow-conflicts", "verify-delay", "verify-timeout", "local", "local-address",
             "target", "remote-port", "local-port", "survey-port", "test-print", "printer-host", "rate"})) {
        return usageError(*bad);
    }
    const QStringList arguments = invocation.arguments();
    if (arguments.size() != 2) return usageError(QStringLiteral("usage: corvane lan-plan ethernet|wlan PLAN.csv"));

    int exitCode = kExitOk;
    const auto change = readChangeSetup(invocation, arguments[0], &exitCode);
    if (!change) return exitCode;
    const LanSearchSetup& setup = change->search;
    const lan::VerifyTiming& timing = change->timing;

    // The whole plan is read and checked before anything goes out.
    QString readError;
    const auto text = profile::readInputFile(arguments[1], profile::kPlanLimit, &readError);
    if (!text) {
        printError(readError);
        return kExitUsage;
    }
    const rules::Plan plan = rules::ParsePlan(text->toStdString());
    if (!plan.errors.empty()) {
        // A file of a hundred thousand bad rows is named by its first errors and a count.
        constexpr std::size_t kErrorsShown = 20;
        for (std::size_t i = 0; i < plan.errors.size() && i < kErrorsShown; ++i) {
            const auto& e = plan.errors[i];
            printErrorLine(printable(
                QStringLiteral("%1:%2: %3").arg(arguments[1]).arg(e.line).arg(QString::fromStdString(e.message))));
        }
        if (plan.errors.size() > kErrorsShown) {
            printErrorLine(QStringLiteral("... and %1 more errors").arg(plan.errors.size() - kErrorsShown));
        }
        printError(QStringLiteral("the plan has errors; nothing was sent"));
        return kExitUsage;
    }

    link::DeviceList& devices = lan::devicesFor(setup.mode);
    QString error;
    if (!runLanSearch(setup, devices, &error)) {
        printErrorLine(error);
        return kExitFailed;
    }

    const bool dryRun = invocation.isSet("dry-run");
    const InterruptCancels interruptCancels;
    lan::PlanRun run(setup, devices, plan.rows, history::kCommandLine, invocation.isSet("force"), dryRun,
                     invocation.isSet("allow-conflicts"));
    while (!interrupted.cancelled() && run.runNextRow()) {
        const auto& done = run.outcomes()[run.lastRow()];
        if (!done.notRecorded.isEmpty()) reportNotRecorded(done.notRecorded);
    }
    const bool anyConfirmed = std::any_of(run.outcomes().begin(), run.outcomes().end(),
                                          [](const auto& o) { return o.result == lan::PlanResult::Confirmed; });
    if (anyConfirmed && !interrupted.cancelled() && timing.limitMs > 0 && isatty(STDERR_FILENO)) {
        printError(QStringLiteral("checking the printers for up to %1 s while they restart (Ctrl-C cancels)")
                       .arg((std::max(timing.limitMs, timing.pauseMs) + 999) / 1000));
    }
    if (!run.verify(timing, &error, &interrupted) && !interrupted.cancelled()) printErrorLine(error);
    for (const auto& o : run.outcomes()) {
        if (!o.verificationNotRecorded.isEmpty()) reportNotRecorded(o.verificationNotRecorded);
    }
    const auto& outcomes = run.outcomes();

    const PlanTestPrints prints = invocation.isSet("test-print") && !dryRun && !interrupted.cancelled()
                                      ? sendPlanTestPrints(outcomes, setup.endpoints, &interrupted)
                                      : PlanTestPrints{};
    printOutcomes(outcomes, invocation.json(), prints);
    if (interrupted.cancelled()) return cancelled();
    if (prints.anyFailed) return kExitFailed;
    // As lan-set: a row that failed on the network outweighs one confirmed
    // but not shown by the search after it (3), and that one a row refused
    // before sending (2, in a dry run too). A row held back because a refused
    // row's printer keeps its address was refused before sending as well.
    bool refused = false;
    bool notVerified = false;
    for (const auto& o : outcomes) {
        if (o.result == lan::PlanResult::Refused || (o.result == lan::PlanResult::NotSent && o.heldBy)) {
            refused = true;
            continue;
        }
        if (o.result == lan::PlanResult::NotVerified) {
            notVerified = true;
            continue;
        }
        const bool fine = o.result == lan::PlanResult::Unchanged || o.result == lan::PlanResult::Verified ||
                          (dryRun && o.result == lan::PlanResult::WouldSend);
        if (!fine) return kExitFailed;
    }
    if (notVerified) return kExitNotVerified;
    return refused ? kExitUsage : kExitOk;
}

}  // namespace corvane::cli
