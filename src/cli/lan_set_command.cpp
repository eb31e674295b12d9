// corvane lan-set ethernet|wlan --mac MAC [edits]: searches, picks the
// printer by MAC address, applies the edits with the settings window's rules,
// sends the request and waits for the confirmation or the time-out.
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
#include "lan/lan_settings_exchange.h"
#include "lan/lan_settings_form.h"
#include "lan/request_failure.h"
#include "lan/send_checks.h"
#include "link/string_table.h"

namespace corvane::cli {

namespace {

// The command line's edits over the controls' starting values. A value that
// is not of its kind is a usage error; values of the right kind but refused
// by the window's rules are left to those rules.
std::optional<QString> readEdits(const Invocation& invocation, lan::LanSettingsEdits& edits) {
    const std::pair<const char*, link::Ipv4Address*> addresses[] = {
        {"ip", &edits.ipAddress}, {"mask", &edits.subnetMask}, {"gateway", &edits.gateway}};
    for (const auto& [option, field] : addresses) {
        if (!invocation.isSet(option)) continue;
        const auto value = link::ParseIpv4Address(invocation.value(option).toStdString());
        if (!value) return QStringLiteral("--%1: \"%2\" is not an IPv4 address").arg(option, invocation.value(option));
        *field = *value;
    }
    const std::pair<const char*, std::string*> numbers[] = {{"port", &edits.portText},
                                                            {"inactivity", &edits.inactivityText}};
    for (const auto& [option, field] : numbers) {
        if (!invocation.isSet(option)) continue;
        const QString text = invocation.value(option).trimmed();
        if (!lan::LanSettingsForm::parseNumber(text)) {
            return QStringLiteral("--%1: \"%2\" is not a number").arg(option, invocation.value(option));
        }
        *field = text.toStdString();
    }
    if (invocation.isSet("dhcp")) {
        const QString value = invocation.value("dhcp");
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            return QStringLiteral("--dhcp: expected \"on\" or \"off\", not \"%1\"").arg(value);
        }
        edits.dhcp = value == QLatin1String("on");
    }
    if (invocation.isSet("baud")) {
        const QString value = invocation.value("baud");
        edits.baudIndex = -1;
        for (std::size_t i = 0; i < link::kBaudEntries.size(); ++i) {
            if (value == QLatin1String(link::kBaudEntries[i].data())) edits.baudIndex = static_cast<int>(i);
        }
        if (edits.baudIndex < 0) {
            return QStringLiteral(
                       "--baud: \"%1\" is not one of 1200, 2400, 4800, 9600, 19200, 38400, 57600, "
                       "115200, 230400")
                .arg(value);
        }
    }
    return std::nullopt;
}

// What the window's live checks would refuse while typing, as a message.
std::optional<StringId> liveCheck(const lan::LanSettingsEdits& edits) {
    if (const auto fix = rules::CheckLanPort(edits.portText)) return fix->messageId;
    if (const auto fix = rules::CheckLanInactivity(edits.inactivityText)) return fix->messageId;
    return std::nullopt;
}

// Searches, and finds the printer with `mac` in what answered; nullptr,
// with the reason printed and `exitCode` set, when it cannot be changed.
link::DiscoveredDevice* searchForPrinter(const lan::SearchSetup& setup, link::DeviceList& devices,
                                         const link::MacAddress& mac, int* exitCode) {
    *exitCode = kExitFailed;
    QString error;
    if (!runLanSearch(setup, devices, &error)) {
        printErrorLine(error);
        return nullptr;
    }
    link::DiscoveredDevice* record = lan::findByMac(devices, mac);
    if (record == nullptr) {
        // The list was read: what is missing is this printer in it.
        printError(QStringLiteral("no printer with MAC address %1 answered the search")
                       .arg(QString::fromStdString(link::FormatMacLower(mac))));
        return nullptr;
    }
    // The window greys out Setting for such a printer.
    if (!lan::settingOffered(setup.mode, record->featureCode())) {
        printErrorLine(lan::numberedText(kSettingNotOffered, QString::number(record->featureCode())));
        *exitCode = kExitUsage;
        return nullptr;
    }
    return record;
}

// The edits asked for, written into the found record as the window's Save
// writes them; the exit code when they are refused.
std::optional<int> writeEdits(const Invocation& invocation, link::DiscoveredDevice& record) {
    // The window starts from the record and the user changes what was asked.
    lan::LanSettingsEdits changed = rules::LanEditsFor(record);
    readEdits(invocation, changed);  // its form was checked before the search
    if (const auto message = liveCheck(changed)) {
        printFailure(*message);
        return kExitUsage;
    }
    const lan::SaveDecision decision = rules::SaveLanEdits(changed, record);
    if (decision.action == lan::SaveDecision::Action::Refused) {
        printFailure(decision.messageId);
        return kExitUsage;
    }
    if (decision.action == lan::SaveDecision::Action::Nothing) {
        return usageError(QStringLiteral("the port and inactivity time must not be empty"));
    }
    return std::nullopt;
}

int reportUnchanged(const Invocation& invocation) {
    const QString line = QStringLiteral("Unchanged: the printer already has these settings; nothing was sent.");
    if (invocation.json()) {
        printJson(QJsonObject{{QStringLiteral("unchanged"), true}, {QStringLiteral("message"), line}});
    } else {
        printText(line + QLatin1Char('\n'));
    }
    return kExitOk;
}

// The checks over what would be sent; the record goes back as it was when
// they stop the request. --force lets warnings through, only
// --allow-conflicts a clash.
bool stoppedByChecks(const Invocation& invocation, const lan::SearchSetup& setup, const link::DeviceList& devices,
                     const link::DiscoveredDevice& before, link::DiscoveredDevice& record) {
    const auto warnings = lan::checkBeforeSending(record, devices, before, setup.localAddress);
    const rules::SendOverrides overrides{invocation.isSet("force"), invocation.isSet("allow-conflicts")};
    if (!rules::StopsSending(warnings, overrides)) return false;
    record = before;
    bool conflict = false;
    for (const auto& warning : warnings) {
        printWarning(QString::fromStdString(rules::WarningText(warning)));
        conflict = conflict || (rules::IsConflict(warning.check) && !overrides.conflicts);
    }
    printError(conflict ? QStringLiteral("nothing was sent; --allow-conflicts sends a conflicting value anyway")
                        : QStringLiteral("nothing was sent; --force sends it anyway"));
    return true;
}

// The printer restarts its network with the new settings first; the
// searches go on until it shows them or the time is up. A search that could
// not leave counts as not verified.
lan::Verification verifyLanSet(const lan::SearchSetup& setup, const lan::VerifyTiming& timing,
                               const link::DiscoveredDevice& before, const link::DiscoveredDevice& sent) {
    std::vector<lan::Verification> results;
    QString error;
    if (!lan::verifyAfterChange(setup, {{before, sent}}, timing, results, &error, &interrupted)) {
        printErrorLine(error);
        return lan::Verification{};
    }
    reportNotRecorded(
        lan::recordVerification(history::kCommandLine, setup.mode, setup.localAddress, sent, results.front()));
    return results.front();
}

// The confirmation and the verification, as text or JSON; the exit code.
int reportLanSet(const Invocation& invocation, const lan::SendOutcome& outcome,
                 const std::optional<lan::Verification>& verification) {
    const auto verificationLine = [&] { return lan::verificationText(*verification); };
    const bool checkCancelled = verification && verification->cancelled;

    if (invocation.json()) {
        QJsonObject out{{QStringLiteral("message"), messageText(outcome.messageId)},
                        {QStringLiteral("messageId"), static_cast<int>(outcome.messageId)}};
        if (verification) {
            out.insert(QStringLiteral("verified"), verification->verified());
            out.insert(QStringLiteral("verification"), verificationLine());
        }
        printJson(out);
    } else {
        printMessage(outcome.messageId);
        if (verification && verification->verified())
            printText(lan::verificationText(*verification) + QLatin1Char('\n'));
    }
    if (verification && !verification->verified()) {
        printErrorLine(verificationLine());
        return checkCancelled ? cancelled() : kExitNotVerified;
    }
    return kExitOk;
}

}  // namespace

int runLanSet(const Invocation& invocation) {
    // clang-format off
    if (auto bad = invocation.unexpectedOption(
            QStringLiteral("lan-set"),
            {"json",         "mac",           "ip",          "mask",  "gateway",         "port",
             "inactivity",   "dhcp",          "baud",        "local", "local-address",   "target",
             "remote-port",  "local-port",    "survey-port", "force", "allow-conflicts", "no-verify",
             "verify-delay", "verify-timeout", "rate"})) {
        // clang-format on
        return usageError(*bad);
    }
    const QStringList arguments = invocation.arguments();
    if (arguments.size() != 1) return usageError(QStringLiteral("usage: corvane lan-set ethernet|wlan --mac MAC ..."));
    if (!invocation.isSet("mac")) return usageError(QStringLiteral("lan-set needs --mac"));
    const auto mac = link::ParseMacAddress(invocation.value("mac").toStdString());
    if (!mac) return usageError(QStringLiteral("--mac: \"%1\" is not a MAC address").arg(invocation.value("mac")));

    int exitCode = kExitOk;
    const auto change = readChangeSetup(invocation, arguments.first(), &exitCode);
    if (!change) return exitCode;
    const LanSearchSetup& setup = change->search;
    const lan::VerifyTiming& timing = change->timing;

    // Check the edits' form before anything goes on the network.
    lan::LanSettingsEdits checked;
    if (const auto error = readEdits(invocation, checked)) return usageError(*error);

    link::DeviceList& devices = lan::devicesFor(setup.mode);
    link::DiscoveredDevice* record = searchForPrinter(setup, devices, *mac, &exitCode);
    if (record == nullptr) return exitCode;

    const link::DiscoveredDevice before = *record;
    if (const auto refused = writeEdits(invocation, *record)) return *refused;
    // Nothing to change: the request would only restart the printer's
    // network. A plan skips such rows the same way.
    if (record->raw == before.raw) return reportUnchanged(invocation);

    if (stoppedByChecks(invocation, setup, devices, before, *record)) return kExitUsage;

    // From the interface the search used: the printer answered there. Ctrl-C,
    // SIGTERM and SIGHUP from here on let the request's outcome reach the
    // history before the command ends.
    const InterruptCancels interruptCancels;
    const lan::SendOutcome outcome = lan::sendSettings(setup, before, *record);
    if (!outcome.sent) {
        printErrorLine(outcome.error);
        return kExitFailed;
    }
    reportNotRecorded(history::recordLanSettings(history::kCommandLine, setup.mode, setup.localAddress, before, *record,
                                                 outcome.messageId, outcome.confirmed),
                      QString::fromLatin1(outcome.confirmed ? history::kConfirmed : history::kNotConfirmed));
    if (interrupted.cancelled()) return cancelled();
    if (!outcome.confirmed) {
        printFailure(outcome.messageId);
        return kExitFailed;
    }

    std::optional<lan::Verification> verification;
    if (!invocation.isSet("no-verify")) verification = verifyLanSet(setup, timing, before, *record);
    return reportLanSet(invocation, outcome, verification);
}

}  // namespace corvane::cli
