#include "summary_rows.h"

#include <string_view>

#include "link/config_fields.h"
#include "link/vocabulary.h"
#include "text_entry.h"

// lupdate collects the row names below through this marker; the windows show
// them translated under the context "SettingsSummaryDialog". The rules
// themselves do not depend on Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::rules {

namespace {
// A text as the record holds it: never more than its field's width in the
// record's field table.
std::string Clip(const std::string& text, std::string_view field) { return text.substr(0, FieldWidth(field)); }

SummaryRow LabelRow(const char* name, Vocabulary table, int code) {
    const StringId textId =
        setting_vocabulary::Has(table, code) ? setting_vocabulary::StringIds(table)[code] : StringId{};
    return {name, std::string(setting_vocabulary::Label(table, code)), textId};
}
// A row showing a record field's text; masked in the window and on terminals
// when the field's row in the table says it is a secret.
SummaryRow FieldRow(const char* name, std::string_view field, std::string value) {
    const link::ConfigField* f = link::FindConfigField(field);
    return {name, std::move(value), StringId{}, f != nullptr && f->secret};
}
}  // namespace

std::array<SummaryRow, kSummaryRowCount> SummaryRows(const link::PrinterConfig& c, link::ConfigLayout layout) {
    const bool eap = c.authentication == 4 || c.authentication == 5;
    const bool wep = c.cipher == 1 || c.cipher == 2;
    const bool psk = (c.cipher >= 3 && c.cipher <= 5) && (c.authentication == 2 || c.authentication == 3);
    const bool newer = layout == link::ConfigLayout::Newer;
    constexpr int kEapNone = 5;

    return {{
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Printer Name"), Clip(c.printerName, "printerName")},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Printer Port Num"), std::to_string(c.printerPort)},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "User ID"), Clip(c.userId, "userId")},
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "User Password"), "userPassword",
                 Clip(c.userPassword, "userPassword")),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Https"), Vocabulary::EnableSwitch, c.httpsEnabled),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Telnet"), Vocabulary::EnableSwitch, c.telnetEnabled),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Ftp"), Vocabulary::EnableSwitch, c.ftpEnabled),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Snmp"), Vocabulary::EnableSwitch, c.snmpEnabled),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Set Community"), "setCommunity",
                 Clip(c.setCommunity, "setCommunity")),
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Get Community"), Clip(c.getCommunity, "getCommunity")},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Trap IP Address"), link::FormatIpv4(c.trapAddress)},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Trap Community"), Clip(c.trapCommunity, "trapCommunity")},
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Network Mode"), Vocabulary::NetworkMode, c.networkMode),
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Adhoc Channel"),
         c.adhocChannel == 0 ? std::string("-") : std::to_string(c.adhocChannel)},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "SSID"), Clip(c.ssid, "ssid")},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Inactivity Time"), std::to_string(c.inactivityTime)},
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "IP Assignment method"), Vocabulary::IpAssignment,
                 c.ipAssignment),
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "IP Address"), link::FormatIpv4(c.ipAddress)},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Subnet Mask"), link::FormatIpv4(c.subnetMask)},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Gateway"), link::FormatIpv4(c.gateway)},
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Authentication"), Vocabulary::Authentication,
                 c.authentication),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Cryptograph"), Vocabulary::Cipher, c.cipher),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "WEP Key"), "wepKey",
                 wep ? Clip(c.wepKey, "wepKey") : std::string()),
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "PSK Key"), "pskKey",
                 psk ? Clip(c.pskKey, "pskKey") : std::string()),
        LabelRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "EAP Mode"), Vocabulary::EapMode,
                 eap ? c.eapMode : kEapNone),
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Auth ID"), eap ? Clip(c.authId, "authId") : std::string()},
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "Auth Password/Certification Key(EAP-TLS)"), "authPassword",
                 eap ? Clip(c.authPassword, "authPassword") : std::string()),
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "P2P Conn Mode"),
         newer ? std::to_string(c.p2pConnMode) : std::string()},
        {QT_TRANSLATE_NOOP("SettingsSummaryDialog", "P2P Channel"),
         newer ? Clip(c.p2pChannel, "p2pChannel") : std::string()},
        FieldRow(QT_TRANSLATE_NOOP("SettingsSummaryDialog", "P2P Pin Code"), "p2pPinCode",
                 newer ? Clip(c.p2pPinCode, "p2pPinCode") : std::string()),
    }};
}

}  // namespace corvane::rules
