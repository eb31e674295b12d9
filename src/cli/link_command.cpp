// corvane link info|read|write|survey|cert|export|apply: one printer on the direct link,
// over a serial port (--serial) or a device node in raw mode (--usb,
// --device). Every subcommand connects first as the window's Connect does:
// open, maker check, system record, configuration record.
#include <chrono>
#include <optional>

#include <QJsonArray>
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/config_json.h"
#include "cli/config_write.h"
#include "cli/interrupt.h"
#include "cli/link_outcome.h"
#include "cli/link_profile.h"
#include "cli/output.h"
#include "history/change_entries.h"
#include "history/link_save.h"
#include "link/exchange/bss_exchange.h"
#include "link/exchange/certificate_file.h"
#include "link/exchange/certificate_upload.h"
#include "link/exchange/link_session.h"
#include "link/exchange/vendor_check.h"
#include "link/string_table.h"
#include "profile/input_file.h"
#include "rules/summary_rows.h"
#include "transport/link_read_rule.h"
#include "transport/open_failure.h"
#include "transport/direct_link.h"
#include "transport/usb_printer_port.h"

namespace corvane::cli {

namespace {

constexpr long long kMaxLinkTimeoutMs = 24LL * 3600 * 1000;

// The longest wait for the first byte of a reply, as polls of at most 100 ms.
transport::LinkTimeouts timeoutsFor(long long ms) {
    transport::LinkTimeouts timeouts;
    const long long poll = std::min<long long>(ms, timeouts.pollInterval.count());
    timeouts.pollInterval = std::chrono::milliseconds(poll);
    timeouts.pollsPerAttempt = static_cast<int>((ms + poll - 1) / poll);
    timeouts.attempts = 1;
    return timeouts;
}

// Sets the port up from --serial, --usb or --device, --link-timeout-ms and
// --link-read (or CORVANE_LINK_READ).
// The exit code on failure (the reason printed), nullopt when ready.
std::optional<int> configurePort(const Invocation& invocation, transport::DirectLink& port) {
    const int chosen = int{invocation.isSet("serial")} + int{invocation.isSet("usb")} + int{invocation.isSet("device")};
    if (chosen != 1) return usageError(QStringLiteral("link needs exactly one of --serial, --usb, --device"));
    if (invocation.isSet("serial")) {
        port.setUsbMode(false);
        port.setPortName(invocation.value("serial"));
    } else if (invocation.isSet("device")) {
        port.setUsbMode(true);
        port.setPortName(invocation.value("device"));
    } else {
        transport::UsbPrinterPort usb;
        usb.refresh();
        const transport::UsbDeviceEntry* entry = usb.findByName(invocation.value("usb"));
        if (entry == nullptr) {
            printFailure(kUsbUnavailable);
            printError(QStringLiteral("no USB printer named \"%1\" (see corvane ports)").arg(invocation.value("usb")));
            return kExitFailed;
        }
        port.setUsbMode(true);
        port.setPortName(entry->devicePath);
    }
    if (invocation.isSet("link-timeout-ms")) {
        const auto ms = parseInteger(invocation.value("link-timeout-ms"), 1, kMaxLinkTimeoutMs);
        if (!ms) {
            return usageError(QStringLiteral("--link-timeout-ms: \"%1\" is not a number of milliseconds (1 or more)")
                                  .arg(invocation.value("link-timeout-ms")));
        }
        port.setTimeouts(timeoutsFor(*ms));
    }
    const bool named = invocation.isSet("link-read");
    const QString rule = named ? invocation.value("link-read") : qEnvironmentVariable(transport::kLinkReadVariable);
    if (named || !rule.isEmpty()) {
        const auto readRule = transport::linkReadRuleNamed(rule);
        if (!readRule) {
            const QString source =
                named ? QStringLiteral("--link-read") : QString::fromLatin1(transport::kLinkReadVariable);
            return usageError(
                QStringLiteral("%1: \"%2\" is no link read rule (complete or silence)").arg(source, rule));
        }
        port.setReadRule(*readRule);
    }
    return std::nullopt;
}

// Connect as the window does; the exit code on failure with the window's
// messages printed.
std::optional<int> connect(link::LinkSession& session) {
    const link::ConnectOutcome outcome = session.connect();
    if (outcome == link::ConnectOutcome::Connected) return std::nullopt;
    if (outcome == link::ConnectOutcome::Cancelled) return cancelled();
    if (outcome == link::ConnectOutcome::MakerMismatch) {
        // The window's warning box, its caption first.
        printErrorLine(QStringLiteral("%1: %2").arg(QLatin1String(link::kMakerMismatchCaption.data()),
                                                    QLatin1String(link::kMakerMismatchText.data())));
    }
    if (outcome == link::ConnectOutcome::PortNotOpened) {
        printErrorLine(transport::openFailureText(session.openError()));
    } else if (const auto message = link::ConnectMessage(outcome)) {
        printFailure(*message);
    }
    return kExitFailed;
}

int info(const link::LinkSession& session, bool json) {
    if (json) {
        printJson(QJsonObject{{QStringLiteral("layout"), layoutName(session.layout())},
                              {QStringLiteral("system"), systemInfoJson(session.systemInfo())}});
        return kExitOk;
    }
    const auto& info = session.systemInfo();
    printTable({QStringLiteral("Name"), QStringLiteral("Value")},
               {{QStringLiteral("Firmware Version"), visibleText(info.firmwareVersion)},
                {QStringLiteral("Update Date"), visibleText(info.updateDate)},
                {QStringLiteral("MAC Address"), QString::fromStdString(link::FormatMacUpper(info.macAddress))},
                {QStringLiteral("Record Layout"), layoutName(session.layout())}});
    return kExitOk;
}

int read(const link::LinkSession& session, bool json, bool showSecrets) {
    if (json) {
        printJson(printerJson(session.systemInfo(), session.config(), session.layout(), showSecrets));
        return kExitOk;
    }
    info(session, false);
    printText(QStringLiteral("\n"));
    printTable({QStringLiteral("Field"), QStringLiteral("Value")},
               configRows(session.config(), session.layout(), showSecrets));
    return kExitOk;
}

int write(link::LinkSession& session, const ConfigEdits& edits, bool json, bool showSecrets, const QString& portName) {
    link::PrinterConfig edited = session.config();
    QString error;
    if (!applyConfigEdits(edits, session.layout(), edited, &error)) {
        printError(error);
        return kExitUsage;
    }
    const ConfigWritePlan plan = planConfigWrite(session.config(), edited, session.systemInfo(), session.layout());
    if (plan.refusal) {
        printFailure(plan.refusal->message);
        if (!plan.field.isEmpty()) printError(QStringLiteral("refused value: \"%1\"").arg(plan.field));
        return kExitUsage;
    }
    const history::LinkSave save = history::saveAndRecord(
        session, session.config(), plan.config,
        history::linkEntry(history::kCommandLine, history::kLinkSave, portName, session.systemInfo().macAddress));
    if (const auto failed = reportLinkChange(save, kConfigFailed)) return *failed;
    const auto rows = rules::SummaryRows(plan.config, session.layout());
    // A secret that is set is masked, as in the window's summary.
    const auto hidden = [showSecrets](const rules::SummaryRow& row) {
        return row.secret && !row.value.empty() && !showSecrets;
    };
    if (json) {
        QJsonArray summary;
        int number = 1;
        for (const auto& row : rows) {
            QJsonObject summaryRow{{QStringLiteral("no"), number++},
                                   {QStringLiteral("name"), QString::fromStdString(row.name)}};
            if (hidden(row)) summaryRow.insert(QStringLiteral("hidden"), true);
            else insertText(summaryRow, QStringLiteral("value"), row.value);
            summary.append(summaryRow);
        }
        printJson(QJsonObject{{QStringLiteral("message"), messageText(kConfigCompletedReset)},
                              {QStringLiteral("layout"), layoutName(session.layout())},
                              {QStringLiteral("summary"), summary}});
        return confirmedChangeExit(save);
    }
    printMessage(kConfigCompletedReset);
    QList<QStringList> table;
    int number = 1;
    for (const auto& row : rows) {
        table.append({QString::number(number++), QString::fromStdString(row.name),
                      hidden(row) ? QLatin1String(kSecretMask) : visibleText(row.value)});
    }
    printTable({QStringLiteral("No"), QStringLiteral("Name"), QStringLiteral("Value")}, table);
    return confirmedChangeExit(save);
}

int survey(link::LinkSession& session, bool json) {
    BssTable table{};
    if (const auto surveyed = link::QueryBssOverLink(session.port(), table, {}, session.waits()); !surveyed) {
        if (session.waits().cancelled()) return cancelled();
        printFailure(kBssFailed);
        return kExitFailed;
    }
    printBssTable(table, json);
    return kExitOk;
}

int upload(link::LinkSession& session, const Bytes& data, int type, bool json, const QString& portName,
           const QString& typeName) {
    bool lastSent = false;
    const auto uploaded = link::UploadCertificate(session.port(), data, type, {}, session.waits(), session.limits(),
                                                  [&lastSent] { lastSent = true; });
    history::Entry entry = history::linkEntry(history::kCommandLine, history::kCertificateUpload, portName,
                                              session.systemInfo().macAddress);
    entry.changes = {history::certificateChange(typeName, data.size())};
    const history::LinkSave recorded = history::recordCertificateUpload(
        entry, link::DeliveryOf(uploaded, lastSent),
        uploaded ? QString() : QString::fromStdString(uploaded.error().text), session.waits().cancelled());
    if (const auto failed = reportLinkChange(recorded, kCertificateUploadFailed)) return *failed;
    if (json) {
        printJson(QJsonObject{{QStringLiteral("message"), messageText(kCertificateUploaded)},
                              {QStringLiteral("bytes"), static_cast<qint64>(data.size())}});
    } else {
        printMessage(kCertificateUploaded);
    }
    return kExitOk;
}

std::optional<int> certificateTypeNamed(const QString& name) {
    if (name == QLatin1String("ca")) return link::kCertificateCa;
    if (name == QLatin1String("client-key")) return link::kCertificateClientKey;
    if (name == QLatin1String("client-pem")) return link::kCertificateClientPem;
    return std::nullopt;
}

// An option the link subcommand `sub` does not take, as a usage message.
std::optional<QString> unexpectedLinkOption(const Invocation& invocation, const QString& sub) {
    const QString command = QStringLiteral("link ") + sub;
    if (sub == QLatin1String("read"))
        return invocation.unexpectedOption(
            command, {"serial", "usb", "device", "link-timeout-ms", "link-read", "json", "show-secrets"});
    if (sub == QLatin1String("write"))
        return invocation.unexpectedOption(
            command, {"serial", "usb", "device", "link-timeout-ms", "link-read", "json", "from", "show-secrets"});
    if (sub == QLatin1String("cert"))
        return invocation.unexpectedOption(command,
                                           {"serial", "usb", "device", "link-timeout-ms", "link-read", "json", "type"});
    if (sub == QLatin1String("export"))
        return invocation.unexpectedOption(command, {"serial", "usb", "device", "link-timeout-ms", "link-read", "json",
                                                     "profile", "include-secrets", "include-address"});
    if (sub == QLatin1String("apply"))
        return invocation.unexpectedOption(command, {"serial", "usb", "device", "link-timeout-ms", "link-read", "json",
                                                     "profile", "secrets", "check"});
    return invocation.unexpectedOption(command, {"serial", "usb", "device", "link-timeout-ms", "link-read", "json"});
}

// The certificate file and its --type, checked before the printer is
// touched; the exit code when either is refused.
std::optional<int> readCertificateInput(const Invocation& invocation, Bytes& certificate, int& certificateType) {
    const auto type = certificateTypeNamed(invocation.value("type"));
    if (!type) return usageError(QStringLiteral("link cert needs --type ca, client-key or client-pem"));
    certificateType = *type;
    const link::CertificateFile file = link::OpenCertificateFile(invocation.arguments()[1].toStdString());
    if (file.outcome != link::CertificateFileOutcome::Accepted) {
        printFailure(link::CertificateFileMessage(file.outcome));
        return kExitUsage;
    }
    certificate = file.data;
    return std::nullopt;
}

}  // namespace

int runLink(const Invocation& invocation) {
    const QStringList arguments = invocation.arguments();
    const QString sub = arguments.value(0);
    if (sub == QLatin1String("provision")) return runLinkProvision(invocation);
    const QStringList subcommands{QStringLiteral("info"),   QStringLiteral("read"), QStringLiteral("write"),
                                  QStringLiteral("survey"), QStringLiteral("cert"), QStringLiteral("export"),
                                  QStringLiteral("apply")};
    if (!subcommands.contains(sub)) {
        return usageError(
            QStringLiteral("usage: corvane link info|read|write|survey|cert|export|apply (--serial "
                           "NAME | --usb USBnnn | --device PATH)"));
    }
    const QString command = QStringLiteral("link ") + sub;
    const bool takesFile = sub == QLatin1String("cert");
    if (arguments.size() != (takesFile ? 2 : 1)) {
        return usageError(takesFile ? QStringLiteral("usage: corvane link cert --type ca|client-key|client-pem FILE")
                                    : QStringLiteral("%1 takes no further arguments").arg(command));
    }
    const auto bad = unexpectedLinkOption(invocation, sub);
    if (bad) return usageError(*bad);
    if (sub == QLatin1String("export") && !invocation.isSet("profile")) {
        return usageError(QStringLiteral("link export needs --profile FILE"));
    }
    std::optional<rules::Profile> profile;
    if (sub == QLatin1String("apply")) {
        int exitCode = kExitOk;
        profile = readProfileInput(invocation, &exitCode);
        if (!profile) return exitCode;
    }

    // Input is checked before the printer is touched.
    std::optional<ConfigEdits> edits;
    if (sub == QLatin1String("write")) {
        if (!invocation.isSet("from")) return usageError(QStringLiteral("link write needs --from FILE.json"));
        const QString from = invocation.value("from");
        QString error;
        const auto contents = profile::readInputFile(from, profile::kProfileLimit, &error);
        if (!contents) return usageError(error);
        edits = parseConfigEdits(*contents, &error);
        if (!edits) return usageError(QStringLiteral("%1: %2").arg(from, error));
    }
    Bytes certificate;
    int certificateType = 0;
    if (takesFile) {
        if (const auto refused = readCertificateInput(invocation, certificate, certificateType)) return *refused;
    }

    const InterruptCancels interruptCancels;
    transport::DirectLink port;
    if (const auto failed = configurePort(invocation, port)) return *failed;
    port.setCancelToken(&interrupted);
    link::LinkSession session(port, link::LinkWaits(link::BlockingSleep(), &interrupted));
    if (const auto failed = connect(session)) return *failed;

    const bool json = invocation.json();
    if (sub == QLatin1String("info")) return info(session, json);
    const bool showSecrets = invocation.isSet("show-secrets");
    if (sub == QLatin1String("read")) return read(session, json, showSecrets);
    if (sub == QLatin1String("write")) return write(session, *edits, json, showSecrets, port.portName());
    if (sub == QLatin1String("survey")) return survey(session, json);
    if (sub == QLatin1String("export")) return exportProfile(session, invocation);
    if (sub == QLatin1String("apply")) return applyProfile(session, *profile, port.portName(), invocation);
    return upload(session, certificate, certificateType, json, port.portName(), invocation.value("type"));
}

}  // namespace corvane::cli
