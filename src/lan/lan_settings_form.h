// The rules of the LAN settings window, free of widgets: the live range
// checks of the number edits, what Save accepts, and how the edits are
// written into the stored record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QString>

#include "link/discovered_device.h"
#include "link/string_table.h"
#include "rules/lan_settings_rules.h"

namespace corvane::lan {

// The window's controls as read in one step.
struct LanSettingsEdits {
    std::array<std::uint8_t, 4> ipAddress{};
    std::array<std::uint8_t, 4> subnetMask{};
    std::array<std::uint8_t, 4> gateway{};
    QString portText;
    QString inactivityText;
    int baudIndex = -1;  // -1: nothing selected
    bool dhcp = false;
};

using RangeFix = rules::RangeFix;

enum class FormField { None, IpAddress, Port, Inactivity };

struct SaveDecision {
    enum class Action {
        Nothing,  // an empty number edit: nothing is written or sent
        Refused,  // show `messageId`, move the focus to `focus`
        Send,     // the record was written; send it
    };
    Action action = Action::Nothing;
    StringId messageId{};
    FormField focus = FormField::None;
    std::optional<int> portReplacement;
    std::optional<int> inactivityReplacement;
};

class LanSettingsForm {
public:
    static constexpr int kReplacementPort = rules::kLanReplacementPort;
    static constexpr int kMaximumPort = rules::kLanMaximumPort;
    static constexpr int kMaximumInactivity = rules::kLanMaximumInactivity;

    // Ports the printer keeps for its own services.
    static bool isReservedPort(long long port);

    // A digits-only edit as a number: nullopt when empty or not a number;
    // numbers too long for the type read as out of every range.
    static std::optional<long long> parseNumber(const QString& text);

    // Live checks after every change of the port / inactivity edit.
    static std::optional<RangeFix> checkPortEdit(const QString& text);
    static std::optional<RangeFix> checkInactivityEdit(const QString& text);

    // The controls' starting values from a stored record.
    static LanSettingsEdits editsFor(const link::DiscoveredDevice& record);
    static QString versionText(const link::DiscoveredDevice& record);

    // Whether the window warns at start: no filled address field, or port 0.
    static bool needsAddressWarning(int filledAddressFields, int port);

    // Save: checks the edits, writes them into `record` and says what follows.
    // The record is written before the address check, so a refused all-zero
    // address stays in the record, as the window always behaved.
    static SaveDecision save(const LanSettingsEdits& edits, link::DiscoveredDevice& record);
};

}  // namespace corvane::lan
