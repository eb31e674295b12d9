#include "lan/lan_settings_form.h"

#include <algorithm>
#include <limits>

#include "link/string_table.h"

namespace corvane::lan {

bool LanSettingsForm::isReservedPort(long long port) { return rules::IsReservedPort(port); }

// Non-ASCII characters become bytes that are not digits, so they are refused as before.
std::optional<long long> LanSettingsForm::parseNumber(const QString& text) {
    return rules::ParseDigits(text.toStdString());
}

std::optional<RangeFix> LanSettingsForm::checkPortEdit(const QString& text) {
    return rules::CheckLanPort(text.toStdString());
}

std::optional<RangeFix> LanSettingsForm::checkInactivityEdit(const QString& text) {
    return rules::CheckLanInactivity(text.toStdString());
}

LanSettingsEdits LanSettingsForm::editsFor(const link::DiscoveredDevice& record) {
    LanSettingsEdits edits;
    edits.ipAddress = record.ipAddress();
    edits.subnetMask = record.subnetMask();
    edits.gateway = record.gateway();
    edits.portText = QString::number(record.port());
    edits.inactivityText = QString::number(record.inactivityTime());
    edits.baudIndex = link::IndexForBaudCode(record.baudCode());
    edits.dhcp = record.dhcp();
    return edits;
}

QString LanSettingsForm::versionText(const link::DiscoveredDevice& record) {
    return QString::fromStdString(link::FormatVersion(record.firmwareMajor(), record.firmwareMinor()));
}

bool LanSettingsForm::needsAddressWarning(int filledAddressFields, int port) {
    return filledAddressFields == 0 || port == 0;
}

SaveDecision LanSettingsForm::save(const LanSettingsEdits& edits, link::DiscoveredDevice& record) {
    SaveDecision decision;
    const auto port = parseNumber(edits.portText);
    const auto inactivity = parseNumber(edits.inactivityText);
    if (!port || !inactivity) return decision;

    decision.action = SaveDecision::Action::Refused;
    if (isReservedPort(*port)) {
        decision.messageId = kPortNotAvailable;
        decision.focus = FormField::Port;
        decision.portReplacement = kReplacementPort;
        return decision;
    }
    // The live checks keep these in range; a value that slipped past them
    // must not be cut down to 16 bits and sent.
    if (*port > kMaximumPort) {
        decision.messageId = kPortOutOfRange;
        decision.focus = FormField::Port;
        decision.portReplacement = kReplacementPort;
        return decision;
    }
    if (*inactivity > kMaximumInactivity) {
        decision.messageId = kTimeNotSet;
        decision.focus = FormField::Inactivity;
        decision.inactivityReplacement = 0;
        return decision;
    }

    record.setDhcp(edits.dhcp);
    record.setIpAddress(edits.ipAddress);
    record.setSubnetMask(edits.subnetMask);
    record.setGateway(edits.gateway);
    record.setPort(static_cast<std::uint16_t>(*port));
    record.setInactivityTime(static_cast<std::uint16_t>(*inactivity));
    record.setBaudCode(link::BaudCodeForIndex(edits.baudIndex));

    if (edits.ipAddress == std::array<std::uint8_t, 4>{}) {
        decision.messageId = kIpNotUsable;
        decision.focus = FormField::IpAddress;
        return decision;
    }
    decision.action = SaveDecision::Action::Send;
    return decision;
}

}  // namespace corvane::lan
