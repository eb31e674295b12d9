#include "lan/lan_settings_form.h"

namespace corvane::lan {

std::optional<long long> LanSettingsForm::parseNumber(const QString& text) {
    return rules::ParseDigits(text.toStdString());
}

std::optional<RangeFix> LanSettingsForm::checkPortEdit(const QString& text) {
    return rules::CheckLanPort(text.toStdString());
}

std::optional<RangeFix> LanSettingsForm::checkInactivityEdit(const QString& text) {
    return rules::CheckLanInactivity(text.toStdString());
}

QString LanSettingsForm::versionText(const link::DiscoveredDevice& record) {
    return QString::fromStdString(link::FormatVersion(record.firmwareMajor(), record.firmwareMinor()));
}

}  // namespace corvane::lan
