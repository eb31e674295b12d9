#include "rules/summary_rows.h"

#include <string_view>

#include "link/config_fields.h"
#include "link/vocabulary.h"

// lupdate collects the row names below through this marker; the windows show
// them translated under the context "SettingsSummaryDialog". The rules
// themselves do not depend on Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::rules {

namespace {

SummaryRow LabelRow(const char* name, Vocabulary table, int code) {
    const StringId textId =
        setting_vocabulary::Has(table, code) ? setting_vocabulary::StringIds(table)[code] : StringId{};
    return {name, std::string(setting_vocabulary::Label(table, code)), textId};
}

// A row showing one record field as people read it (a text never longer than
// its field), or nothing when `shown` is false; masked in the window and on
// terminals when the field's row in the table says it is a secret.
SummaryRow FieldRow(const char* name, const link::PrinterConfig& c, std::string_view field, bool shown = true) {
    const link::ConfigField* f = link::FindConfigField(field);
    if (f == nullptr) return {name, {}};
    std::string value = shown ? f->text(c) : std::string();
    if (f->kind == link::FieldKind::Text) value = value.substr(0, f->width);
    return {name, std::move(value), StringId{}, f->secret};
}

}  // namespace

std::array<SummaryRow, kSummaryRowCount> SummaryRows(const link::PrinterConfig& c, link::ConfigLayout layout) {
    const bool eap = c.authentication == 4 || c.authentication == 5;
    const bool wep = c.cipher == 1 || c.cipher == 2;
    const bool psk = (c.cipher >= 3 && c.cipher <= 5) && (c.authentication == 2 || c.authentication == 3);
    const bool newer = layout == link::ConfigLayout::Newer;
    constexpr int kEapNone = 5;

    return {{
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Printer Name"), c, "printerName"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Printer Port Num"), c, "printerPort"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "User ID"), c, "userId"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "User Password"), c, "userPassword"),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Https"), Vocabulary::EnableSwitch, c.httpsEnabled),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Telnet"), Vocabulary::EnableSwitch, c.telnetEnabled),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Ftp"), Vocabulary::EnableSwitch, c.ftpEnabled),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Snmp"), Vocabulary::EnableSwitch, c.snmpEnabled),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Set Community"), c, "setCommunity"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Get Community"), c, "getCommunity"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Trap IP Address"), c, "trapAddress"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Trap Community"), c, "trapCommunity"),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Network Mode"), Vocabulary::NetworkMode, c.networkMode),
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Adhoc Channel"),
         c.adhocChannel == 0 ? std::string("-") : std::to_string(c.adhocChannel)},
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "SSID"), c, "ssid"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Inactivity Time"), c, "inactivityTime"),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "IP Assignment method"), Vocabulary::IpAssignment,
                 c.ipAssignment),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "IP Address"), c, "ipAddress"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Subnet Mask"), c, "subnetMask"),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Gateway"), c, "gateway"),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Authentication"), Vocabulary::Authentication,
                 c.authentication),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Cryptograph"), Vocabulary::Cipher, c.cipher),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "WEP Key"), c, "wepKey", wep),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "PSK Key"), c, "pskKey", psk),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "EAP Mode"), Vocabulary::EapMode,
                 eap ? c.eapMode : kEapNone),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Auth ID"), c, "authId", eap),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Auth Password/Certification Key(EAP-TLS)"), c,
                 "authPassword", eap),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "P2P Conn Mode"), c, "p2pConnMode", newer),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "P2P Channel"), c, "p2pChannel", newer),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "P2P Pin Code"), c, "p2pPinCode", newer),
    }};
}

}  // namespace corvane::rules
