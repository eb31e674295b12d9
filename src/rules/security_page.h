// Tab 4, "Authentication": authentication method, cipher, EAP method, WEP and
// pre-shared keys and EAP credentials, kept consistent with one another and
// with the network mode (WPA only in infrastructure mode).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/control_state.h"
#include "link/printer_config.h"
#include "rules/working_values.h"

namespace corvane::rules {

enum class SecurityControl : int {
    OpenSystem = 1043,
    SharedKey = 1044,
    WpaPsk = 1045,
    Wpa2Psk = 1046,
    Wpa = 1047,
    Wpa2 = 1048,
    CipherNone = 1049,
    CipherWep = 1050,
    CipherTkip = 1051,
    CipherAes = 1052,
    CipherAesTkip = 1053,
    AuthPassword = 1054,
    EapPeap = 1055,
    EapTtls = 1056,
    EapTls = 1057,
    EapLeap = 1058,
    EapFast = 1059,
    WepKey = 1060,
    WepKeyLabel = 1061,
    EapGroup = 1062,
    AuthIdLabel = 1063,
    AuthPasswordLabel = 1064,
    PskKeyLabel = 1065,
    PskKey = 1041,
    AuthId = 1042,
};

class SecurityPage {
public:
    explicit SecurityPage(WindowContext& context);

    void enableControls(bool on);
    // Applies the layout rules: WPA availability by network mode, the controls
    // each authentication method needs, the checked cipher and EAP radios and
    // the password label.
    void refreshControls();

    // Radio clicks, by code: authentication 0-5, cipher radio 0-4 (NONE,
    // WEP64/128, TKIP, AES, AES + TKIP), EAP 0-4. Other codes are ignored.
    void clickAuthentication(int code);
    void clickCipherRadio(int radio);
    void clickEap(int code);
    // Or by control number.
    void click(SecurityControl radio);

    // Edits 1060, 1041, 1042, 1054.
    MaybeNotice editText(SecurityControl control, std::string_view text);

    // The checks run when the page is left and before a save while it is shown.
    MaybeNotice checkValues() const;

    // Spreading a record over the page; fields into controls.
    void loadRecord(const link::PrinterConfig& config);
    // The page's fields into a record: security, keys and credentials.
    void writeRecord(link::PrinterConfig& config) const;
    void syncControls();

    // Text shown by the WEP key edit; differs from `wepKey` when typed while
    // the cipher is not WEP.
    const std::string& wepKeyText() const { return wepKeyText_; }
    std::string text(SecurityControl control) const;
    const ControlStates<SecurityControl>& controls() const { return controls_; }
    std::optional<SecurityControl> takeFocusRequest();

    // The values a record takes live with the working values; the EAP
    // method only here.
    int authentication() const { return context_.working.authentication; }
    int cipher() const { return context_.working.cipher; }
    const std::string& wepKey() const { return context_.working.wepKey; }
    const std::string& pskKey() const { return context_.working.pskKey; }
    const std::string& authId() const { return context_.working.authId; }
    const std::string& authPassword() const { return context_.working.authPassword; }
    int eapMode() const { return eapMode_; }

private:
    int eapMode_ = -1;
    void setCipher(int value);
    void checkOnlyCipherRadio(SecurityControl radio);
    void checkOnlyEapRadio(SecurityControl radio);

    WindowContext& context_;
    ControlStates<SecurityControl> controls_;
    std::string wepKeyText_;
    std::optional<SecurityControl> focusRequest_;
};

// A WPA pre-shared key: a passphrase of 8 to 63 printable ASCII characters,
// or the key itself as 64 hexadecimal digits (IEEE 802.11i).
bool ValidPskKey(std::string_view key);

// The cipher an authentication change moves `cipher` to, or `cipher` itself.
int CipherAfterAuthentication(int authentication, int cipher);

// The authentication an access point's survey flags name, where they name
// exactly one: none (an open network) gives Open System, WPA alone WPA-PSK,
// WPA2 alone WPA2-PSK. WEP (open or shared key?), the RSN flags and any mix
// leave the choice to the user.
std::optional<int> AuthenticationForSurvey(std::uint8_t securityFlags);

}  // namespace corvane::rules
