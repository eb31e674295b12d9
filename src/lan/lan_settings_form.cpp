#include "lan/lan_settings_form.h"

#include <algorithm>
#include <limits>

#include "link/string_table.h"

namespace corvane::lan {

namespace {
constexpr long long kTooLarge = std::numeric_limits<long long>::max();
}  // namespace

bool LanSettingsForm::isReservedPort(long long port) {
    constexpr std::array<long long, 6> kReserved{80, 443, 23, 21, 25, 3318};
    return std::find(kReserved.begin(), kReserved.end(), port) != kReserved.end();
}

std::optional<long long> LanSettingsForm::parseNumber(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok ? value : kTooLarge;
}

std::optional<RangeFix> LanSettingsForm::checkPortEdit(const QString& text) {
    const auto value = parseNumber(text);
    if (value && *value > kMaximumPort) return RangeFix{kPortOutOfRange, kReplacementPort};
    return std::nullopt;
}

std::optional<RangeFix> LanSettingsForm::checkInactivityEdit(const QString& text) {
    const auto value = parseNumber(text);
    if (value && *value > kMaximumInactivity) return RangeFix{kTimeNotSet, 0};
    return std::nullopt;
}

LanSettingsEdits LanSettingsForm::editsFor(const DiscoveredDevice& record) {
    LanSettingsEdits edits;
    edits.ipAddress = record.ipAddress();
    edits.subnetMask = record.subnetMask();
    edits.gateway = record.gateway();
    edits.portText = QString::number(record.port());
    edits.inactivityText = QString::number(record.inactivityTime());
    edits.baudIndex = IndexForBaudCode(record.baudCode());
    edits.dhcp = record.dhcp();
    return edits;
}

QString LanSettingsForm::versionText(const DiscoveredDevice& record) {
    return QString::fromStdString(FormatVersion(record.firmwareMajor(), record.firmwareMinor()));
}

bool LanSettingsForm::needsAddressWarning(int filledAddressFields, int port) {
    return filledAddressFields == 0 || port == 0;
}

SaveDecision LanSettingsForm::save(const LanSettingsEdits& edits, DiscoveredDevice& record) {
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
    record.setBaudCode(BaudCodeForIndex(edits.baudIndex));

    if (edits.ipAddress == std::array<std::uint8_t, 4>{}) {
        decision.messageId = kIpNotUsable;
        decision.focus = FormField::IpAddress;
        return decision;
    }
    decision.action = SaveDecision::Action::Send;
    return decision;
}

}  // namespace corvane::lan
