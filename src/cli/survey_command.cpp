// corvane survey --ip ADDR: the access points a LAN printer sees, asked over
// TCP.
#include "cli/commands.h"
#include "cli/output.h"
#include "link/string_table.h"
#include "transport/endpoints.h"
#include "transport/survey_socket.h"

namespace corvane::cli {

int runSurvey(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(QStringLiteral("survey"), {"json", "ip", "survey-port"})) {
        return usageError(*bad);
    }
    if (!invocation.arguments().isEmpty()) return usageError(QStringLiteral("usage: corvane survey --ip ADDR"));
    if (!invocation.isSet("ip")) return usageError(QStringLiteral("survey needs --ip"));
    const auto parsed = link::ParseIpv4Address(invocation.value("ip").toStdString());
    if (!parsed)
        return usageError(QStringLiteral("--ip: \"%1\" is not an IPv4 address").arg(invocation.value("ip").trimmed()));
    // Surveyed as read: "192.168.000.010" is 192.168.0.10, never octal.
    const QString address = QString::fromStdString(parsed->text());
    QStringList errors;
    const auto endpoints = transport::LanEndpoints::fromParser(invocation.parser(), &errors);
    if (!errors.isEmpty()) return usageError(errors.join(QStringLiteral("; ")));

    if (transport::isUnconfiguredAddress(address)) {
        // What a printer without an address reports; never contacted.
        printFailure(kBssFailed);
        printError(QStringLiteral("%1 is not a configured printer address").arg(address));
        return kExitFailed;
    }

    transport::LanSurvey survey(address, endpoints.surveyPort);
    const auto accepted = survey.queryBssOverTcp();
    survey.closeSurveySocket();
    if (!accepted) {
        printFailure(kBssFailed);
        return kExitFailed;
    }
    printBssTable(survey.table(), invocation.json());
    return kExitOk;
}

}  // namespace corvane::cli
