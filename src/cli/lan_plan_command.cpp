// corvane lan-plan ethernet|wlan PLAN.csv: sets many printers from an address
// plan. The plan is read whole first (a bad row stops everything), then one
// search, then each row, one request at a time (a printer leaves an address
// before another row takes it), and one verification search for every
// confirmed row. Ctrl-C stops before the next row or ends the pause before
// the verification; what was done is still reported.
#include <unistd.h>

#include <algorithm>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/history_record.h"
#include "cli/interrupt.h"
#include "cli/lan_change.h"
#include "cli/lan_search.h"
#include "cli/output.h"
#include "history/change_entries.h"
#include "lan/device_list_buttons.h"
#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "lan/plan_run.h"
#include "lan/send_checks.h"
#include "link/string_table.h"
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

QString macText(const std::array<std::uint8_t, 6>& mac) { return QString::fromStdString(lan::FormatMacLower(mac)); }

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
                     .arg(macText(*o.heldBy), QString::fromStdString(rules::DottedIpv4(*o.row.ip)));
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

void printOutcomes(const std::vector<lan::PlanRowOutcome>& outcomes, bool json) {
    const auto mac = [](const lan::PlanRowOutcome& o) {
        return QString::fromStdString(lan::FormatMacLower(o.row.mac));
    };
    const auto before = [](const lan::PlanRowOutcome& o) {
        return o.before ? lan::settingsSummary(*o.before) : QString();
    };
    const auto after = [](const lan::PlanRowOutcome& o) {
        return o.before ? lan::settingsSummary(o.after) : QString();
    };
    if (json) {
        QJsonArray rows;
        for (const auto& o : outcomes) {
            rows.append(QJsonObject{{QStringLiteral("mac"), mac(o)},
                                    {QStringLiteral("before"), before(o)},
                                    {QStringLiteral("after"), after(o)},
                                    {QStringLiteral("result"), resultWord(o.result)},
                                    {QStringLiteral("notes"), QJsonArray::fromStringList(notesOf(o))}});
        }
        printJson(rows);
        return;
    }
    QList<QStringList> rows;
    for (const auto& o : outcomes) rows.append({mac(o), before(o), after(o), resultWord(o.result)});
    printTable({QStringLiteral("MAC"), QStringLiteral("before"), QStringLiteral("after"), QStringLiteral("result")},
               rows);
    for (const auto& o : outcomes) {
        for (const QString& note : notesOf(o)) printText(QStringLiteral("%1: %2\n").arg(mac(o), note));
    }
}

}  // namespace

int runLanPlan(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(
            QStringLiteral("lan-plan"), {"json", "dry-run", "force", "verify-delay", "verify-timeout", "local",
                                         "local-address", "target", "remote-port", "local-port", "survey-port"})) {
        return usageError(*bad);
    }
    const QStringList arguments = invocation.arguments();
    if (arguments.size() != 2) return usageError(QStringLiteral("usage: corvane lan-plan ethernet|wlan PLAN.csv"));

    int exitCode = kExitOk;
    const auto setup = readLanSearchSetup(invocation, arguments[0], &exitCode);
    if (!setup) return exitCode;
    if (!setup->adapters.isEmpty()) {
        return usageError(QStringLiteral("--local all is for discover; give the address the printer answered on"));
    }
    QString timingError;
    const auto timing = verifyTiming(invocation, setup->mode, &timingError);
    if (!timing) return usageError(timingError);

    // The whole plan is read and checked before anything goes out.
    QFile file(arguments[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1: %2").arg(arguments[1], file.errorString()));
        return kExitUsage;
    }
    constexpr qint64 kLargestPlan = 4 * 1024 * 1024;
    const QByteArray text = file.read(kLargestPlan + 1);
    if (text.size() > kLargestPlan) {
        printError(QStringLiteral("%1 is larger than 4 MiB; not a plan").arg(arguments[1]));
        return kExitUsage;
    }
    const rules::Plan plan = rules::ParsePlan(text.toStdString());
    if (!plan.errors.empty()) {
        for (const auto& e : plan.errors) {
            printErrorLine(printable(
                QStringLiteral("%1:%2: %3").arg(arguments[1]).arg(e.line).arg(QString::fromStdString(e.message))));
        }
        printError(QStringLiteral("the plan has errors; nothing was sent"));
        return kExitUsage;
    }

    lan::DeviceList& devices = lan::devicesFor(setup->mode);
    QString error;
    if (!runLanSearch(*setup, devices, &error)) {
        printErrorLine(error);
        return kExitFailed;
    }

    const bool dryRun = invocation.isSet("dry-run");
    const InterruptCancels interruptCancels;
    lan::PlanRun run(*setup, devices, plan.rows, history::kCommandLine, invocation.isSet("force"), dryRun);
    while (!interrupted.cancelled() && run.runNextRow()) {
        const auto& done = run.outcomes()[run.lastRow()];
        if (!done.notRecorded.isEmpty()) reportNotRecorded(done.notRecorded);
    }
    const bool anyConfirmed = std::any_of(run.outcomes().begin(), run.outcomes().end(),
                                          [](const auto& o) { return o.result == lan::PlanResult::Confirmed; });
    if (anyConfirmed && !interrupted.cancelled() && timing->limitMs > 0 && isatty(STDERR_FILENO)) {
        printError(QStringLiteral("checking the printers for up to %1 s while they restart (Ctrl-C cancels)")
                       .arg((std::max(timing->limitMs, timing->pauseMs) + 999) / 1000));
    }
    if (!run.verify(*timing, &error, &interrupted) && !interrupted.cancelled()) printErrorLine(error);
    for (const auto& o : run.outcomes()) {
        if (!o.verificationNotRecorded.isEmpty()) reportNotRecorded(o.verificationNotRecorded);
    }
    const auto& outcomes = run.outcomes();

    printOutcomes(outcomes, invocation.json());
    if (interrupted.cancelled()) return cancelled();
    for (const auto& o : outcomes) {
        const bool fine = o.result == lan::PlanResult::Unchanged || o.result == lan::PlanResult::Verified ||
                          (dryRun && o.result == lan::PlanResult::WouldSend && o.warnings.empty());
        if (!fine) return kExitFailed;
    }
    return kExitOk;
}

}  // namespace corvane::cli
