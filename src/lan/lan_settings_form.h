// The LAN settings form as the widgets and the command line hold it: the
// rules of rules/lan_settings_rules.h, read from and shown as QStrings.
#pragma once

#include <optional>

#include <QString>

#include "link/discovered_device.h"
#include "rules/lan_settings_rules.h"

namespace corvane::lan {

using rules::FormField;
using rules::LanSettingsEdits;
using rules::RangeFix;
using rules::SaveDecision;

struct LanSettingsForm {
    // A digits-only entry as a number; non-ASCII characters are not digits.
    static std::optional<long long> parseNumber(const QString& text);
    // Live checks after every change of the port / inactivity edit.
    static std::optional<RangeFix> checkPortEdit(const QString& text);
    static std::optional<RangeFix> checkInactivityEdit(const QString& text);
    // The firmware version as the form shows it.
    static QString versionText(const link::DiscoveredDevice& record);
};

}  // namespace corvane::lan
