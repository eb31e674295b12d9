#include "summary_rows.h"

#include <string_view>

#include "link/vocabulary.h"

namespace corvane::rules {

namespace {
// A text as the record holds it: never more than its field's width.
std::string Clip(const std::string& text, std::size_t width) { return text.substr(0, width); }

std::string Label(Vocabulary table, int code) { return std::string(SettingVocabulary::label(table, code)); }
}  // namespace

std::array<SummaryRow, kSummaryRowCount> summaryRows(const link::PrinterConfig& c, link::ConfigLayout layout) {
    const bool eap = c.authentication == 4 || c.authentication == 5;
    const bool wep = c.cipher == 1 || c.cipher == 2;
    const bool psk = (c.cipher >= 3 && c.cipher <= 5) && (c.authentication == 2 || c.authentication == 3);
    const bool newer = layout == link::ConfigLayout::Newer;
    constexpr int kEapNone = 5;

    return {{
        {"Printer Name", Clip(c.printerName, 64)},
        {"Printer Port Num", std::to_string(c.printerPort)},
        {"User ID", Clip(c.userId, 32)},
        {"User Password", Clip(c.userPassword, 32)},
        {"Https", Label(Vocabulary::EnableSwitch, c.httpsEnabled)},
        {"Telnet", Label(Vocabulary::EnableSwitch, c.telnetEnabled)},
        {"Ftp", Label(Vocabulary::EnableSwitch, c.ftpEnabled)},
        {"Snmp", Label(Vocabulary::EnableSwitch, c.snmpEnabled)},
        {"Set Community", Clip(c.setCommunity, 16)},
        {"Get Community", Clip(c.getCommunity, 16)},
        {"Trap IP Address", link::FormatIpv4(c.trapAddress)},
        {"Trap Community", Clip(c.trapCommunity, 16)},
        {"Network Mode", Label(Vocabulary::NetworkMode, c.networkMode)},
        {"Adhoc Channel", c.adhocChannel == 0 ? std::string("-") : std::to_string(c.adhocChannel)},
        {"SSID", Clip(c.ssid, 32)},
        {"Inactivity Time", std::to_string(c.inactivityTime)},
        {"IP Assignment method", Label(Vocabulary::IpAssignment, c.ipAssignment)},
        {"IP Address", link::FormatIpv4(c.ipAddress)},
        {"Subnet Mask", link::FormatIpv4(c.subnetMask)},
        {"Gateway", link::FormatIpv4(c.gateway)},
        {"Authentication", Label(Vocabulary::Authentication, c.authentication)},
        {"Cryptograph", Label(Vocabulary::Cipher, c.cipher)},
        {"WEP Key", wep ? Clip(c.wepKey, 26) : std::string()},
        {"PSK Key", psk ? Clip(c.pskKey, 64) : std::string()},
        {"EAP Mode", Label(Vocabulary::EapMode, eap ? c.eapMode : kEapNone)},
        {"Auth ID", eap ? Clip(c.authId, 32) : std::string()},
        {"Auth Password/Certification Key(EAP-TLS)", eap ? Clip(c.authPassword, 32) : std::string()},
        {"P2P Conn Mode", newer ? std::to_string(c.p2pConnMode) : std::string()},
        {"P2P Channel", newer ? Clip(c.p2pChannel, 3) : std::string()},
        {"P2P Pin Code", newer ? Clip(c.p2pPinCode, 9) : std::string()},
    }};
}

}  // namespace corvane::rules
