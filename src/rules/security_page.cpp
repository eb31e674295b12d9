#include "rules/security_page.h"

#include <algorithm>
#include <cctype>
#include <tuple>

#include "rules/text_entry.h"

namespace corvane::rules {

namespace {
using C = SecurityControl;

constexpr C kAuthRadios[] = {C::OpenSystem, C::SharedKey, C::WpaPsk, C::Wpa2Psk, C::Wpa, C::Wpa2};
constexpr C kCipherRadios[] = {C::CipherNone, C::CipherWep, C::CipherTkip, C::CipherAes, C::CipherAesTkip};
constexpr C kEapRadios[] = {C::EapPeap, C::EapTtls, C::EapTls, C::EapLeap, C::EapFast};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }
bool IsWep(int cipher) { return cipher == code::kWep64 || cipher == code::kWep128; }
bool IsTkipOrAes(int cipher) { return cipher == code::kTkip || cipher == code::kAes; }

// The radio that shows `cipher` (WEP64 and WEP128 share one).
C CipherRadio(int cipher) {
    static constexpr C kByCode[] = {C::CipherNone, C::CipherWep, C::CipherWep,
                                    C::CipherTkip, C::CipherAes, C::CipherAesTkip};
    return kByCode[cipher];
}

Notice SecurityNotice(StringId message, C focus) { return PageNotice(Tab::Security, message, static_cast<int>(focus)); }
}  // namespace

int CipherAfterAuthentication(int authentication, int cipher) {
    using namespace code;
    switch (authentication) {
    case kOpenSystem: return cipher == kTkip || cipher == kAes ? kNone : cipher;
    case kSharedKey: return cipher == kNone || cipher == kTkip || cipher == kAes ? kWep128 : cipher;
    case kWpaPsk:
    case kWpa2Psk: return cipher == kNone || IsWep(cipher) ? kTkip : cipher;
    case kWpa: return cipher == kNone || IsWep(cipher) || cipher == kAes ? kTkip : cipher;
    case kWpa2: return cipher == kNone || IsWep(cipher) || cipher == kTkip ? kAes : cipher;
    default: return cipher;
    }
}

SecurityPage::SecurityPage(WindowContext& context) : context_(context) {
    controls_[C::WepKey].field = "wepKey";
    controls_[C::PskKey].field = "pskKey";
    controls_[C::AuthId].field = "authId";
    controls_[C::AuthPassword].field = "authPassword";
    for (auto c : {C::PskKeyLabel, C::PskKey, C::AuthIdLabel, C::AuthId, C::AuthPasswordLabel, C::AuthPassword})
        controls_.show(c, false);
    controls_[C::AuthPasswordLabel].labelId = kAuthenticationPassword;
    // Labels and the group box are never disabled.
    for (auto c : {C::WepKeyLabel, C::PskKeyLabel, C::AuthIdLabel, C::AuthPasswordLabel, C::EapGroup})
        controls_.enable(c, true);
}

std::optional<SecurityControl> SecurityPage::takeFocusRequest() {
    auto request = focusRequest_;
    focusRequest_.reset();
    return request;
}

void SecurityPage::enableControls(bool on) {
    for (auto c : kAuthRadios) controls_.enable(c, on);
    for (auto c : kCipherRadios) controls_.enable(c, on);
    for (auto c : kEapRadios) controls_.enable(c, on);
    for (auto c : {C::PskKey, C::WepKey, C::AuthId, C::AuthPassword}) controls_.enable(c, on);
}

void SecurityPage::refreshControls() {
    const auto& w = context_.working;
    const bool infra = w.networkMode == code::kInfra;
    for (auto c : {C::WpaPsk, C::Wpa2Psk, C::Wpa, C::Wpa2}) controls_.enable(c, infra);

    if (InRange(w.authentication, code::kOpenSystem, code::kWpa2)) {
        focusRequest_ = kAuthRadios[w.authentication];
        const bool wep = w.authentication <= code::kSharedKey;
        const bool psk = w.authentication == code::kWpaPsk || w.authentication == code::kWpa2Psk;
        const bool eap = w.authentication >= code::kWpa;
        controls_.enable(C::CipherNone, w.authentication == code::kOpenSystem);
        controls_.enable(C::CipherWep, wep);
        for (auto c : {C::CipherTkip, C::CipherAes, C::CipherAesTkip}) controls_.enable(c, !wep);
        for (auto c : kEapRadios) {
            controls_.show(c, eap);
            if (eap) controls_.enable(c, true);
        }
        controls_.show(C::EapGroup, eap);
        controls_.show(C::WepKeyLabel, wep);
        controls_.show(C::WepKey, wep);
        controls_.show(C::PskKeyLabel, psk);
        controls_.show(C::PskKey, psk);
        controls_.enable(C::PskKey, !wep);
        for (auto c : {C::AuthIdLabel, C::AuthId, C::AuthPasswordLabel, C::AuthPassword}) controls_.show(c, eap);
    }

    if (InRange(w.cipher, code::kNone, code::kAesTkip)) {
        checkOnlyCipherRadio(CipherRadio(w.cipher));
        if (w.cipher == code::kNone) {
            controls_.show(C::WepKeyLabel, false);
            controls_.show(C::WepKey, false);
        } else if (IsWep(w.cipher)) {
            controls_.show(C::WepKeyLabel, true);
            controls_.show(C::WepKey, true);
            controls_.enable(C::WepKey, true);
        }
    }

    if (InRange(eapMode_, 0, 4)) checkOnlyEapRadio(kEapRadios[eapMode_]);

    controls_[C::AuthPasswordLabel].labelId =
        controls_[C::EapTls].checked ? kCertificationPassword : kAuthenticationPassword;
}

void SecurityPage::checkOnlyCipherRadio(SecurityControl radio) {
    for (auto c : kCipherRadios) controls_.check(c, c == radio);
}

void SecurityPage::checkOnlyEapRadio(SecurityControl radio) {
    for (auto c : kEapRadios) controls_.check(c, c == radio);
}

void SecurityPage::setCipher(int value) { context_.working.cipher = value; }

void SecurityPage::clickAuthentication(int value) {
    if (!InRange(value, code::kOpenSystem, code::kWpa2)) return;
    context_.working.authentication = value;
    for (auto c : kAuthRadios) controls_.check(c, c == kAuthRadios[value]);
    const int moved = CipherAfterAuthentication(value, context_.working.cipher);
    if (moved != context_.working.cipher) setCipher(moved);
    refreshControls();
}

void SecurityPage::clickCipherRadio(int radio) {
    if (!InRange(radio, 0, 4)) return;
    checkOnlyCipherRadio(kCipherRadios[radio]);
    switch (radio) {
    case 0:
        setCipher(code::kNone);
        controls_.enable(C::PskKey, false);
        controls_.enable(C::WepKey, false);
        refreshControls();
        break;
    case 1:
        // WEP128 until the key's length says otherwise.
        setCipher(code::kWep128);
        controls_.enable(C::WepKey, true);
        refreshControls();
        break;
    case 2:
        setCipher(code::kTkip);
        controls_.enable(C::WepKey, false);
        break;
    case 3:
        setCipher(code::kAes);
        controls_.enable(C::WepKey, false);
        break;
    case 4:
        setCipher(code::kAesTkip);
        refreshControls();
        break;
    }
}

void SecurityPage::clickEap(int value) {
    if (!InRange(value, 0, 4)) return;
    checkOnlyEapRadio(kEapRadios[value]);
    eapMode_ = value;
    refreshControls();
}

void SecurityPage::click(SecurityControl radio) {
    for (int i = 0; i < 6; ++i)
        if (kAuthRadios[i] == radio) return clickAuthentication(i);
    for (int i = 0; i < 5; ++i)
        if (kCipherRadios[i] == radio) return clickCipherRadio(i);
    for (int i = 0; i < 5; ++i)
        if (kEapRadios[i] == radio) return clickEap(i);
}

std::optional<int> AuthenticationForSurvey(std::uint8_t securityFlags) {
    switch (securityFlags) {
    case 0x00: return code::kOpenSystem;
    case 0x04: return code::kWpaPsk;
    case 0x08: return code::kWpa2Psk;
    default: return std::nullopt;
    }
}

MaybeNotice SecurityPage::editText(SecurityControl control, std::string_view text) {
    switch (control) {
    case C::PskKey: context_.working.pskKey = text; break;
    case C::WepKey:
        wepKeyText_ = text;
        // Outside WEP the typed key is not taken.
        if (!IsWep(context_.working.cipher)) break;
        if (text.size() == 5 || text.size() == 10) setCipher(code::kWep64);
        else if (text.size() == 13 || text.size() == 26) setCipher(code::kWep128);
        context_.working.wepKey = text;
        break;
    case C::AuthId: context_.working.authId = text; break;
    case C::AuthPassword: context_.working.authPassword = text; break;
    default: break;
    }
    return std::nullopt;
}

MaybeNotice SecurityPage::checkValues() const {
    const auto& w = context_.working;
    const bool wepAuth = w.authentication == code::kOpenSystem || w.authentication == code::kSharedKey;
    const bool pskAuth = w.authentication == code::kWpaPsk || w.authentication == code::kWpa2Psk;
    const bool eapAuth = w.authentication == code::kWpa || w.authentication == code::kWpa2;
    if (wepAuth && IsWep(w.cipher)) {
        const auto n = w.wepKey.size();
        if (n != 5 && n != 10 && n != 13 && n != 26) return SecurityNotice(kWepKeyInvalid, C::WepKey);
    }
    // The printer derives its key from the PSK under every WPA cipher, AES +
    // TKIP included: a key the standard does not allow leaves it off the air.
    if (pskAuth && (IsTkipOrAes(w.cipher) || w.cipher == code::kAesTkip)) {
        if (w.pskKey.empty()) return SecurityNotice(kPskKeyIncorrect, C::PskKey);
        if (!ValidPskKey(w.pskKey)) return SecurityNotice(kPskKeyInvalid, C::PskKey);
    }
    if (eapAuth && IsTkipOrAes(w.cipher)) {
        if (w.authId.empty()) return SecurityNotice(kCertificateIdIncorrect, C::AuthId);
        if (w.authPassword.empty()) return SecurityNotice(kCertificatePasswordIncorrect, C::AuthPassword);
    }
    for (const auto& [field, text, control] :
         {std::tuple{"wepKey", &w.wepKey, C::WepKey}, std::tuple{"pskKey", &w.pskKey, C::PskKey},
          std::tuple{"authId", &w.authId, C::AuthId}, std::tuple{"authPassword", &w.authPassword, C::AuthPassword}})
        if (!FitsField(field, *text)) return SecurityNotice(kTextTooLong, control);
    return std::nullopt;
}

bool ValidPskKey(std::string_view key) {
    const auto all = [key](auto predicate) { return std::all_of(key.begin(), key.end(), predicate); };
    if (key.size() == 64) return all([](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
    return key.size() >= 8 && key.size() <= 63 && all([](char c) { return c >= 0x20 && c <= 0x7E; });
}

void SecurityPage::loadRecord(const link::PrinterConfig& config) {
    auto& w = context_.working;
    w.authentication = config.authentication;
    w.cipher = config.cipher;
    w.wepKey = config.wepKey;
    w.pskKey = config.pskKey;
    w.authId = config.authId;
    w.authPassword = config.authPassword;
    eapMode_ = config.eapMode;
    syncControls();
}

void SecurityPage::writeRecord(link::PrinterConfig& config) const {
    const auto& w = context_.working;
    config.authentication = static_cast<std::uint8_t>(w.authentication & 0xFF);
    config.cipher = static_cast<std::uint8_t>(w.cipher & 0xFF);
    config.wepKey = w.wepKey;
    config.pskKey = w.pskKey;
    config.eapMode = static_cast<std::uint8_t>(eapMode_ & 0xFF);
    config.authId = w.authId;
    config.authPassword = w.authPassword;
}

void SecurityPage::syncControls() {
    wepKeyText_ = context_.working.wepKey;
    for (int i = 0; i < 6; ++i) controls_.check(kAuthRadios[i], context_.working.authentication == i);
    controls_.check(C::CipherNone, context_.working.cipher == code::kNone);
    controls_.check(C::EapPeap, eapMode_ == 0);
}

std::string SecurityPage::text(SecurityControl control) const {
    switch (control) {
    case C::WepKey: return wepKeyText_;
    case C::PskKey: return context_.working.pskKey;
    case C::AuthId: return context_.working.authId;
    case C::AuthPassword: return context_.working.authPassword;
    default: return {};
    }
}

}  // namespace corvane::rules
