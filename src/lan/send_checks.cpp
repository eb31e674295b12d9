#include "lan/send_checks.h"

#include <QCoreApplication>

#include "link/ipv4_address.h"
#include "transport/local_addresses.h"

namespace corvane::lan {

std::vector<rules::SendWarning> checkBeforeSending(const link::DiscoveredDevice& toSend, const link::DeviceList& listed,
                                                   const link::DiscoveredDevice& current, const QString& localAddress) {
    std::vector<link::DiscoveredDevice> records;
    for (int n = 1; const link::DiscoveredDevice* d = listed.deviceAt(n); ++n) records.push_back(*d);
    return rules::CheckSettingsToSend(toSend, records, current, localSubnetOf(localAddress));
}

std::optional<rules::LocalSubnet> localSubnetOf(const QString& localAddress) {
    const auto address = link::ParseIpv4Address(localAddress.toStdString());
    const auto mask = link::ParseIpv4Address(transport::netmaskOf(localAddress).toStdString());
    if (!address || !mask) return std::nullopt;
    return rules::LocalSubnet{*address, *mask};
}

QStringList warningSentences(const std::vector<rules::SendWarning>& warnings) {
    QStringList out;
    for (const auto& w : warnings) out << QString::fromStdString(rules::WarningText(w));
    return out;
}

QStringList translatedWarningSentences(const std::vector<rules::SendWarning>& warnings) {
    QStringList out;
    for (const auto& w : warnings) {
        QString text = QCoreApplication::translate("LanSendChecks", rules::WarningTemplate(w.check));
        for (const auto& argument : w.arguments) text = text.arg(QString::fromStdString(argument));
        out << text;
    }
    return out;
}

}  // namespace corvane::lan
