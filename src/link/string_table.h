// The tool's numbered user-facing texts. Windows, message boxes and the
// command line all take their words from here by number, so a translation
// catalog can replace every text under the same number.
#pragma once

#include <string_view>

namespace corvane {

// Numbers of the texts the program shows. The numbers are stable: catalogs
// and tests refer to them.
enum StringId : int {
    kBssImported = 1,
    kBssFailed = 2,
    kConnectFailed = 4,
    kWepKeyInvalid = 5,
    kConfigCompletedReset = 7,
    kConfigFailed = 8,
    kUnableToOpenPort = 9,
    kUserIdIncorrect = 10,
    kPasswordIncorrect = 11,
    kSystemNameIncorrect = 12,
    kPortNumberIncorrect = 13,
    kCommunityIncorrect = 15,
    kTrapCommunityIncorrect = 16,
    kAdhocChannelIncorrect = 17,
    kSsidIncorrect = 18,
    kPskKeyIncorrect = 19,
    kCertificateIdIncorrect = 20,
    kCertificatePasswordIncorrect = 21,
    kPrinterConnected = 22,
    kCertificateUploaded = 23,
    kCertificateUploadFailed = 24,
    kCertificateTooLarge = 26,
    kCertificateSelected = 27,
    kCertificateInvalid = 28,
    kNoCertificateSelected = 29,
    kAdhocNotAvailable = 30,
    kCertificateReadFailed = 32,
    kSelectDevice = 33,
    kSearchAgain = 34,
    kListReadFailed = 35,
    kCheckIpOrPort = 36,
    kPortNotAvailable = 37,
    kIpNotUsable = 39,
    kLanConfigCompleted = 41,
    kWlanConfigCompleted = 43,
    kPortOutOfRange = 44,
    kSaveFailed = 45,
    kTimeNotSet = 47,
    kChannelNotSet = 48,
    kAdhocNeedsManualIp = 49,
    kUsbUnavailable = 51,
    kCaption = 52,
    kNowSearching = 53,
    kTabSystem = 54,
    kTabBss = 55,
    kTabAuthentication = 56,
    kTabProtocol = 57,
    kTabNetwork = 58,
    kTabCertification = 59,
    kLabelOpenSystem = 60,
    kLabelSharedKey = 61,
    kLabelNone = 62,
    kLabelInfraNetwork = 63,
    kLabelAdhoc = 64,
    kLabelManualAllocation = 65,
    kLabelAutomaticAllocation = 66,
    kLabelDisable = 67,
    kLabelEnable = 68,
    kLabelWpaPsk = 69,
    kLabelWpa2Psk = 70,
    kLabelWpa = 71,
    kLabelWpa2 = 72,
    kLabelWep64 = 73,
    kLabelWep128 = 74,
    kLabelTkip = 75,
    kLabelAes = 76,
    kLabelAesTkip = 77,
    kLabelEapPeap = 78,
    kLabelEapTtls = 79,
    kLabelEapTls = 80,
    kLabelEapLeap = 81,
    kLabelEapFast = 82,
    kAuthenticationPassword = 83,
    kCertificationPassword = 84,
    kIncorrectPin = 85,
    kNoNetworkConnection = 86,
    kTextTooLong = 120,
    kPskKeyInvalid = 121,
    kSettingNotAvailable = 122,
    // A fixed address's subnet mask with gaps (255.0.255.0).
    kSubnetMaskInvalid = 125,
    // LAN requests that cannot leave, and actions a printer cannot take.
    kSearchNotStarted = 130,
    kSettingsNotSent = 131,
    kLocalAddressUnusable = 132,
    kLocalPortUnusable = 133,
    kRequestNotSent = 134,
    kBrowserUnavailable = 135,
    kWebAddressUnconfigured = 136,
    kSettingNotOffered = 137,
    kPortInUse = 138,
    kInterfaceRefused = 139,
    // The direct window before edits not yet saved are dropped.
    kDiscardEdits = 140,
};

// The built-in (English) text of string `id`; empty for a number that has no
// text. Never fails.
std::string_view StringText(int id);

// The translation context under which the Qt layer looks these texts up.
inline constexpr const char* kStringTableContext = "StringTable";

// Every numbered string, in number order, for catalogs and tests.
struct StringEntry {
    int id;
    const char* text;
};
const StringEntry* StringTableBegin();
const StringEntry* StringTableEnd();

}  // namespace corvane
