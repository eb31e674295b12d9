#include "rules/config_tab_ctrl.h"

namespace corvane::rules {

ConfigTabCtrl::ConfigTabCtrl(WindowContext& context) : system(context), network(context), security(context) {}

MaybeNotice ConfigTabCtrl::selectionChanging() {
    leavingPage_ = currentTab_;
    auto notice = leaveCheck(leavingPage_);
    returnPending_ = notice.has_value();
    return notice;
}

bool ConfigTabCtrl::selectionChanged(int index) {
    if (returnPending_) {
        // The page being left stays shown, with the focus on the failed control.
        currentTab_ = leavingPage_;
        returnPending_ = false;
        return false;
    }
    if (index < 0 || index >= kTabCount) return false;
    currentTab_ = index;
    showCurrentPage();
    return true;
}

MaybeNotice ConfigTabCtrl::selectTab(int index) {
    auto notice = selectionChanging();
    selectionChanged(index);
    return notice;
}

MaybeNotice ConfigTabCtrl::useSurveyedNetwork(std::string_view ssid, std::uint8_t securityFlags) {
    if (auto refused = selectTab(static_cast<int>(Tab::Network))) return refused;
    MaybeNotice notice;
    if (!ssid.empty() && network.controls()[NetworkControl::Ssid].enabled)
        notice = network.editText(NetworkControl::Ssid, ssid);
    if (const auto authentication = AuthenticationForSurvey(securityFlags)) {
        constexpr SecurityControl kRadios[] = {SecurityControl::OpenSystem, SecurityControl::SharedKey,
                                               SecurityControl::WpaPsk,     SecurityControl::Wpa2Psk,
                                               SecurityControl::Wpa,        SecurityControl::Wpa2};
        if (security.controls()[kRadios[*authentication]].enabled) security.clickAuthentication(*authentication);
    }
    return notice;
}

void ConfigTabCtrl::showCurrentPage() {
    if (currentTab_ == static_cast<int>(Tab::Security)) security.refreshControls();
}

MaybeNotice ConfigTabCtrl::leaveCheck(int tab) const {
    switch (static_cast<Tab>(tab)) {
    case Tab::System: return system.checkValues();
    case Tab::Protocol: return protocol.checkValues();
    case Tab::Network: return network.leaveCheck();
    case Tab::Security: return security.checkValues();
    default: return std::nullopt;
    }
}

MaybeNotice ConfigTabCtrl::validateCurrentPage() const {
    if (currentTab_ == static_cast<int>(Tab::Network)) return network.saveCheck();
    return leaveCheck(currentTab_);
}

}  // namespace corvane::rules
