#include "link/vocabulary.h"

#include <array>
#include <string>

#include "link/string_table.h"

namespace corvane {

namespace {

using namespace std::string_view_literals;

// The array index is the code stored in the record: keep this order.
constexpr std::array kAuthentication{"Open System"sv, "Shared Key"sv, "WPA-PSK"sv, "WPA2-PSK"sv, "WPA"sv, "WPA2"sv};
constexpr std::array kCipher{"NONE"sv, "WEP64"sv, "WEP128"sv, "TKIP"sv, "AES"sv, "AES + TKIP"sv};
constexpr std::array kNetworkMode{"Infra Network"sv, "Adhoc"sv};
constexpr std::array kIpAssignment{"Manual allocation"sv, "Automatic Allocation(DHCP)"sv};
constexpr std::array kEapMode{"EAP-PEAP"sv, "EAP-TTLS"sv, "EAP-TLS"sv, "EAP-LEAP"sv, "EAP-FAST"sv, "NONE"sv};
constexpr std::array kEnableSwitch{"Disable"sv, "Enable"sv};

// The same labels in the string table, for translators.
constexpr std::array kAuthenticationIds{kLabelOpenSystem, kLabelSharedKey, kLabelWpaPsk,
                                        kLabelWpa2Psk,    kLabelWpa,       kLabelWpa2};
constexpr std::array kCipherIds{kLabelNone, kLabelWep64, kLabelWep128, kLabelTkip, kLabelAes, kLabelAesTkip};
constexpr std::array kNetworkModeIds{kLabelInfraNetwork, kLabelAdhoc};
constexpr std::array kIpAssignmentIds{kLabelManualAllocation, kLabelAutomaticAllocation};
constexpr std::array kEapModeIds{kLabelEapPeap, kLabelEapTtls, kLabelEapTls, kLabelEapLeap, kLabelEapFast, kLabelNone};
constexpr std::array kEnableSwitchIds{kLabelDisable, kLabelEnable};

// Network mode 2 is a valid record code without a row of its own.
constexpr std::string_view kWifiDirect = "Wi-Fi Direct";
constexpr int kWifiDirectCode = 2;

// Texts for codes without a row. Record codes are single bytes, so one text per
// byte value covers every code a printer can send; built once, never freed, so
// the views handed out stay valid.
const std::array<std::string, 256>& UnknownLabels() {
    static const std::array<std::string, 256> texts = [] {
        std::array<std::string, 256> t;
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = "Unknown (" + std::to_string(i) + ")";
        return t;
    }();
    return texts;
}

}  // namespace

namespace setting_vocabulary {

std::span<const std::string_view> Labels(Vocabulary table) {
    switch (table) {
    case Vocabulary::Authentication: return kAuthentication;
    case Vocabulary::Cipher: return kCipher;
    case Vocabulary::NetworkMode: return kNetworkMode;
    case Vocabulary::IpAssignment: return kIpAssignment;
    case Vocabulary::EapMode: return kEapMode;
    case Vocabulary::EnableSwitch: return kEnableSwitch;
    }
    return {};
}

std::span<const StringId> StringIds(Vocabulary table) {
    switch (table) {
    case Vocabulary::Authentication: return kAuthenticationIds;
    case Vocabulary::Cipher: return kCipherIds;
    case Vocabulary::NetworkMode: return kNetworkModeIds;
    case Vocabulary::IpAssignment: return kIpAssignmentIds;
    case Vocabulary::EapMode: return kEapModeIds;
    case Vocabulary::EnableSwitch: return kEnableSwitchIds;
    }
    return {};
}

bool Has(Vocabulary table, int code) { return code >= 0 && static_cast<std::size_t>(code) < Labels(table).size(); }

std::string_view Label(Vocabulary table, int code) {
    if (Has(table, code)) return Labels(table)[static_cast<std::size_t>(code)];
    if (table == Vocabulary::NetworkMode && code == kWifiDirectCode) return kWifiDirect;
    if (code >= 0 && code < 256) return UnknownLabels()[static_cast<std::size_t>(code)];
    return "Unknown";
}

}  // namespace setting_vocabulary

}  // namespace corvane
