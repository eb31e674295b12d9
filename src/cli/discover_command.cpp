// corvane discover ethernet|wlan: the search, and the rows of the device list.
#include <unistd.h>

#include <cstdio>

#include <QJsonArray>
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/lan_search.h"
#include "cli/output.h"
#include "lan/device_export.h"
#include "lan/device_lists.h"
#include "lan/every_adapter_search.h"
#include "lan/request_failure.h"
#include "link/ipv4_address.h"
#include "link/printer_config.h"
#include "link/string_table.h"
#include "transport/local_addresses.h"

namespace corvane::cli {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

void printDevices(const link::DeviceList& devices, link::ListMode mode, bool json) {
    const int count = static_cast<int>(devices.size());
    if (json) {
        QJsonArray rows;
        for (int n = 1; n <= count; ++n) rows.append(lan::deviceJson(n, *devices.deviceAt(n)));
        printJson(rows);
        return;
    }
    QStringList headers{QStringLiteral("No"),     QStringLiteral("Mac Address"), QStringLiteral("IP Address"),
                        QStringLiteral("Subnet"), QStringLiteral("Gateway"),     QStringLiteral("Port"),
                        QStringLiteral("Version")};
    if (mode == link::ListMode::Wlan) headers << QStringLiteral("Feature");
    const bool adapters = count > 0 && !devices.deviceAt(1)->adapter.empty();
    if (adapters) headers << QStringLiteral("Adapter");
    QList<QStringList> rows;
    for (int n = 1; n <= count; ++n) {
        const auto& device = *devices.deviceAt(n);
        QStringList row;
        for (const auto& cell : link::DeviceRowTexts(n, device)) row << text(cell);
        if (mode == link::ListMode::Wlan) row << QString::number(device.featureCode());
        if (adapters) row << text(device.adapter);
        rows.append(row);
    }
    printTable(headers, rows);
}

}  // namespace

std::optional<LanSearchSetup> readLanSearchSetup(const Invocation& invocation, const QString& modeWord, int* exitCode) {
    LanSearchSetup setup;
    if (modeWord == QLatin1String("ethernet")) {
        setup.mode = link::ListMode::Ethernet;
    } else if (modeWord == QLatin1String("wlan")) {
        setup.mode = link::ListMode::Wlan;
    } else {
        *exitCode = usageError(QStringLiteral("expected \"ethernet\" or \"wlan\", not \"%1\"").arg(modeWord));
        return std::nullopt;
    }

    QStringList errors;
    setup.endpoints = transport::LanEndpoints::fromParser(invocation.parser(), &errors);
    if (!errors.isEmpty()) {
        *exitCode = usageError(errors.join(QStringLiteral("; ")));
        return std::nullopt;
    }
    setup.localAddress = invocation.isSet("local") ? invocation.value("local") : setup.endpoints.localAddress;
    if (setup.localAddress == QLatin1String("all")) {
        // Every address the local address window offers, each searched from
        // on its own interface.
        setup.adapters = lan::everyLocalAdapter();
        if (setup.adapters.isEmpty()) {
            printFailure(kNoNetworkConnection);
            *exitCode = kExitFailed;
            return std::nullopt;
        }
        setup.localAddress.clear();
        return setup;
    }
    if (!setup.localAddress.isEmpty()) {
        const auto local = link::ParseIpv4Address(setup.localAddress.toStdString());
        if (!local) {
            *exitCode = usageError(QStringLiteral("--local: \"%1\" is not an IPv4 address").arg(setup.localAddress));
            return std::nullopt;
        }
        setup.localAddress = QString::fromStdString(local->text());  // "010.0.0.5" binds 10.0.0.5
    }

    // The WLAN request goes to the local interface's ".255" address; without
    // a choice, take the one the local address window offers first.
    if (setup.localAddress.isEmpty() && setup.mode == link::ListMode::Wlan && setup.endpoints.target.isEmpty()) {
        transport::LocalAddressModel addresses;
        if (!addresses.load()) {
            printFailure(kNoNetworkConnection);
            *exitCode = kExitFailed;
            return std::nullopt;
        }
        setup.localAddress = addresses.localAddress();
    }
    if (!setup.localAddress.isEmpty()) setup.broadcastAddress = transport::broadcastAddressFor(setup.localAddress);
    // A paced list of addresses takes a while: a person watching sees it move.
    if (isatty(STDERR_FILENO)) {
        setup.onRequestsSent = [](int sent, int total) {
            const QString line = QStringLiteral("\rcorvane: asked %1 of %2 addresses").arg(sent).arg(total);
            std::fputs(line.toLocal8Bit().constData(), stderr);
            if (sent == total) std::fputc('\n', stderr);
            std::fflush(stderr);
        };
    }
    return setup;
}

bool runLanSearch(const LanSearchSetup& setup, link::DeviceList& devices, QString* error) {
    QStringList adapterFailures;
    if (!lan::runSearch(setup, devices, error, &adapterFailures)) return false;
    for (const QString& failure : adapterFailures) printErrorLine(failure);
    return true;
}

int runDiscover(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(
            QStringLiteral("discover"),
            {"json", "csv", "local", "local-address", "target", "remote-port", "local-port", "survey-port", "rate"})) {
        return usageError(*bad);
    }
    const QStringList arguments = invocation.arguments();
    if (arguments.size() != 1) return usageError(QStringLiteral("usage: corvane discover ethernet|wlan"));
    if (invocation.json() && invocation.isSet("csv"))
        return usageError(QStringLiteral("give --json or --csv, not both"));

    int exitCode = kExitOk;
    const auto setup = readLanSearchSetup(invocation, arguments.first(), &exitCode);
    if (!setup) return exitCode;

    link::DeviceList& devices = lan::devicesFor(setup->mode);
    QString error;
    if (!runLanSearch(*setup, devices, &error)) {
        printErrorLine(error);
        return kExitFailed;
    }
    if (invocation.isSet("csv")) {
        printText(QString::fromUtf8(lan::devicesCsv(devices, lan::allNumbers(devices))));
    } else {
        printDevices(devices, setup->mode, invocation.json());
    }
    return kExitOk;
}

}  // namespace corvane::cli
