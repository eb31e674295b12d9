// corvane print-test --ip A [--port N] [--mac MAC]: a test page to the
// printer's data port, so a technician sees the printer print over the
// network where it stands.
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "link/printer_config.h"
#include "transport/test_print.h"

namespace corvane::cli {

int runPrintTest(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(QStringLiteral("print-test"), {"json", "ip", "port", "mac"}))
        return usageError(*bad);
    if (!invocation.arguments().isEmpty())
        return usageError(QStringLiteral("usage: corvane print-test --ip A [--port N] [--mac MAC]"));
    if (!invocation.isSet("ip")) return usageError(QStringLiteral("print-test needs --ip"));
    const auto parsed = link::ParseIpv4Address(invocation.value("ip").toStdString());
    if (!parsed)
        return usageError(QStringLiteral("--ip: \"%1\" is not an IPv4 address").arg(invocation.value("ip").trimmed()));
    // Sent and printed as read: "192.168.000.010" is 192.168.0.10, never octal.
    const QString address = QString::fromStdString(parsed->text());
    int port = transport::kDefaultDataPort;
    if (invocation.isSet("port")) {
        const auto number = parseInteger(invocation.value("port"), 1, 65535);
        if (!number)
            return usageError(QStringLiteral("--port: \"%1\" is not a port (1-65535)").arg(invocation.value("port")));
        port = static_cast<int>(*number);
    }
    QString mac;
    if (invocation.isSet("mac")) {
        const auto macAddress = link::ParseMacAddress(invocation.value("mac").toStdString());
        if (!macAddress)
            return usageError(QStringLiteral("--mac: \"%1\" is not a MAC address").arg(invocation.value("mac")));
        mac = QString::fromStdString(link::FormatMacUpper(*macAddress, ':'));
    }

    const InterruptCancels interruptCancels;
    const QString target = transport::printTarget(address, port);
    const auto sent =
        transport::sendTestPrint(address, port, transport::testPage(address, port, mac), {}, {&interrupted});
    if (!sent && sent.error().kind == link::Failure::Cancelled) return cancelled();
    if (invocation.json()) {
        QJsonObject result{{QStringLiteral("target"), target}, {QStringLiteral("sent"), static_cast<bool>(sent)}};
        if (!sent) result.insert(QStringLiteral("error"), transport::testPrintFailureText(sent.error()));
        printJson(result);
    } else if (sent) {
        printText(QStringLiteral("sent to %1\n").arg(target));
    }
    if (sent) return kExitOk;
    if (!invocation.json())
        printError(
            QStringLiteral("test print not sent to %1: %2").arg(target, transport::testPrintFailureText(sent.error())));
    return kExitFailed;
}

}  // namespace corvane::cli
