// corvane lan-plan ethernet|wlan PLAN.csv: sets many printers from an address
// plan. The plan is read whole first (a bad row stops everything), then one
// search, then each row in file order, one request at a time, and one
// verification search for every confirmed row.
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/history_record.h"
#include "cli/lan_change.h"
#include "cli/lan_search.h"
#include "cli/output.h"
#include "history/change_entries.h"
#include "lan/device_list_buttons.h"
#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "lan/lan_settings_form.h"
#include "lan/send_checks.h"
#include "link/string_table.h"
#include "rules/lan_plan.h"
#include "rules/lan_send_checks.h"

namespace corvane::cli {

namespace {

struct RowOutcome {
    QString mac;
    QString before;  // empty when the printer was not found
    QString after;
    QString result;  // "not found", "unchanged", "refused", "would send", "not sent", "confirmed", ...
    QStringList notes;  // warnings, refusals, differences
    std::optional<lan::DiscoveredDevice> sent;
    lan::DiscoveredDevice found;
};

QString summary(const lan::DiscoveredDevice& d) {
    const auto dotted = [](const auto& a) { return QString::fromStdString(rules::dottedIpv4(a)); };
    QString text = QStringLiteral("%1/%2 gw %3 port %4")
                       .arg(dotted(d.ipAddress()), dotted(d.subnetMask()), dotted(d.gateway()))
                       .arg(d.port());
    if (d.dhcp()) text += QStringLiteral(" dhcp");
    return text;
}

// The window's form, started from the printer's record, with the row's cells typed in.
lan::LanSettingsEdits editsFor(const rules::PlanRow& row, const lan::DiscoveredDevice& record) {
    lan::LanSettingsEdits edits = lan::LanSettingsForm::editsFor(record);
    if (row.ip) edits.ipAddress = *row.ip;
    if (row.mask) edits.subnetMask = *row.mask;
    if (row.gateway) edits.gateway = *row.gateway;
    if (row.port) edits.portText = QString::number(*row.port);
    if (row.inactivity) edits.inactivityText = QString::number(*row.inactivity);
    if (row.dhcp) edits.dhcp = *row.dhcp;
    if (row.baudIndex) edits.baudIndex = *row.baudIndex;
    return edits;
}

void printOutcomes(const QList<RowOutcome>& outcomes, bool json) {
    if (json) {
        QJsonArray rows;
        for (const RowOutcome& o : outcomes) {
            rows.append(QJsonObject{{QStringLiteral("mac"), o.mac},
                                    {QStringLiteral("before"), o.before},
                                    {QStringLiteral("after"), o.after},
                                    {QStringLiteral("result"), o.result},
                                    {QStringLiteral("notes"), QJsonArray::fromStringList(o.notes)}});
        }
        printJson(rows);
        return;
    }
    QList<QStringList> rows;
    for (const RowOutcome& o : outcomes) rows.append({o.mac, o.before, o.after, o.result});
    printTable({QStringLiteral("MAC"), QStringLiteral("before"), QStringLiteral("after"), QStringLiteral("result")},
               rows);
    for (const RowOutcome& o : outcomes) {
        for (const QString& note : o.notes) printText(QStringLiteral("%1: %2\n").arg(o.mac, note));
    }
}

}  // namespace

int runLanPlan(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(
            QStringLiteral("lan-plan"), {"json", "dry-run", "force", "verify-delay", "local", "local-address", "target",
                                         "remote-port", "local-port", "survey-port"})) {
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
    const auto verifyDelay = verifyDelayMs(invocation, setup->mode);
    if (!verifyDelay) return usageError(QStringLiteral("--verify-delay: expected milliseconds (0-600000)"));

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
    const rules::Plan plan = rules::parsePlan(text.toStdString());
    if (!plan.errors.empty()) {
        for (const auto& e : plan.errors) {
            printErrorLine(printable(QStringLiteral("%1:%2: %3").arg(arguments[1]).arg(e.line).arg(
                QString::fromStdString(e.message))));
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
    QList<RowOutcome> outcomes;
    QStringList verifyTargets;
    bool unicastFound = false;
    for (const rules::PlanRow& row : plan.rows) {
        RowOutcome outcome;
        outcome.mac = QString::fromStdString(lan::FormatMacLower(row.mac));
        lan::DiscoveredDevice* record = findByMac(devices, row.mac);
        if (!record) {
            outcome.result = QStringLiteral("not found");
            outcomes.append(outcome);
            continue;
        }
        const lan::DiscoveredDevice before = *record;
        outcome.before = summary(before);
        lan::DiscoveredDevice toSend = before;
        const lan::SaveDecision decision = lan::LanSettingsForm::save(editsFor(row, before), toSend);
        outcome.after = summary(toSend);
        if (!lan::settingOffered(setup->mode, before.featureCode())) {
            outcome.result = QStringLiteral("refused");
            outcome.notes << lan::numberedText(kSettingNotOffered, QString::number(before.featureCode()));
        } else if (decision.action != lan::SaveDecision::Action::Send) {
            outcome.result = QStringLiteral("refused");
            outcome.notes << messageText(decision.messageId).replace(QLatin1Char('\n'), QLatin1Char(' '));
        } else if (toSend.raw == before.raw) {
            outcome.result = QStringLiteral("unchanged");
        } else {
            const auto warnings = lan::checkBeforeSending(toSend, devices, before, setup->localAddress);
            outcome.notes << lan::warningSentences(warnings);
            if (!warnings.empty() && !invocation.isSet("force")) {
                outcome.result = QStringLiteral("refused");
            } else if (dryRun) {
                outcome.result = QStringLiteral("would send");
            } else {
                const SendOutcome sent = sendSettings(*setup, toSend);
                if (!sent.sent) {
                    outcome.result = QStringLiteral("not sent");
                    outcome.notes << sent.error;
                } else {
                    outcome.result = sent.confirmed ? QStringLiteral("confirmed") : QStringLiteral("not confirmed");
                    if (sent.confirmed) {
                        *record = toSend;
                        outcome.sent = toSend;
                        const QString target = verificationTarget(before, toSend);
                        if (!target.isEmpty() && !verifyTargets.contains(target)) verifyTargets << target;
                        unicastFound = unicastFound || before.unicast;
                    }
                    reportNotRecorded(history::recordLanSettings(history::kCommandLine, setup->mode,
                                                                 setup->localAddress, before, toSend, sent.messageId,
                                                                 sent.confirmed));
                }
            }
        }
        outcomes.append(outcome);
    }

    // One verification search for every confirmed row.
    std::vector<lan::DiscoveredDevice> confirmed;
    for (const RowOutcome& o : outcomes) {
        if (o.sent) confirmed.push_back(*o.sent);
    }
    if (!confirmed.empty()) {
        pauseMs(*verifyDelay);
        std::vector<Verification> results;
        if (!verifyAfterChange(*setup, confirmed, results, &error, unicastFound ? verifyTargets : QStringList())) {
            printErrorLine(error);
            results.assign(confirmed.size(), Verification{});
        }
        std::size_t next = 0;
        for (RowOutcome& o : outcomes) {
            if (!o.sent) continue;
            const Verification& v = results[next++];
            o.result = v.verified() ? QStringLiteral("verified") : QStringLiteral("not verified");
            if (!v.verified()) o.notes << verificationText(v);
        }
    }

    printOutcomes(outcomes, invocation.json());
    for (const RowOutcome& o : outcomes) {
        const bool fine = o.result == QLatin1String("unchanged") || o.result == QLatin1String("verified") ||
                          (dryRun && o.result == QLatin1String("would send") && o.notes.isEmpty());
        if (!fine) return kExitFailed;
    }
    return kExitOk;
}

}  // namespace corvane::cli
