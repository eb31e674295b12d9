#include "rules/network_page.h"

#include <algorithm>

#include "link/ipv4_address.h"
#include "rules/text_entry.h"

namespace corvane::rules {

namespace {
constexpr NetworkControl kAddressControls[] = {NetworkControl::IpAddress, NetworkControl::SubnetMask,
                                               NetworkControl::Gateway};

Notice NetworkNotice(StringId message, NetworkControl focus, bool focusFirst = false) {
    return PageNotice(Tab::Network, message, static_cast<int>(focus), focusFirst);
}

bool IsWpa(int authentication) { return authentication >= code::kWpaPsk && authentication <= code::kWpa2; }

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

NetworkPage::NetworkPage(WindowContext& context) : context_(context) {
    controls_[NetworkControl::P2pConnMode].selection = 0;
    controls_[NetworkControl::P2pChannel].selection = 0;
    controls_[NetworkControl::PinCode].field = "p2pPinCode";
    controls_[NetworkControl::Ssid].field = "ssid";
    syncRadios();
}

void NetworkPage::syncRadios() {
    controls_.check(NetworkControl::InfraRadio, context_.working.networkMode == code::kInfra);
    controls_.check(NetworkControl::AdhocRadio, context_.working.networkMode == code::kAdhoc);
    controls_.check(NetworkControl::WifiDirectRadio, context_.working.networkMode == code::kWifiDirect);
    controls_.check(NetworkControl::DhcpRadio, context_.working.ipAssignmentChoice == code::kDhcp);
    controls_.check(NetworkControl::ManualRadio, context_.working.ipAssignmentChoice == code::kManual);
}

void NetworkPage::enableAddresses(bool on) {
    for (auto c : kAddressControls) controls_.enable(c, on);
}

std::optional<NetworkControl> NetworkPage::takeFocusRequest() {
    auto request = focusRequest_;
    focusRequest_.reset();
    return request;
}

void NetworkPage::enableControls(bool on) {
    controls_.enable(NetworkControl::InfraRadio, on);
    controls_.enable(NetworkControl::AdhocRadio, on);
    // The Wi-Fi Direct radio exists only for printers with the newer record.
    if (!on) controls_.enable(NetworkControl::WifiDirectRadio, false);
    else if (context_.extendedLayout) controls_.enable(NetworkControl::WifiDirectRadio, true);
    for (auto c : {NetworkControl::AdhocChannel, NetworkControl::DhcpRadio, NetworkControl::ManualRadio,
                   NetworkControl::Ssid, NetworkControl::InactivityTime})
        controls_.enable(c, on);
    if (context_.working.networkMode != code::kAdhoc) {
        controls_.enable(NetworkControl::AdhocChannel, false);
    } else {
        syncRadios();
        focus(NetworkControl::ManualRadio);
        controls_.enable(NetworkControl::DhcpRadio, false);  // ad hoc mode takes no DHCP
    }
    if (context_.working.networkMode != code::kWifiDirect) controls_.enable(NetworkControl::PinCode, false);
    if (context_.working.ipAssignmentChoice == code::kDhcp) enableAddresses(false);
    else if (context_.working.ipAssignmentChoice == code::kManual) enableAddresses(on);
    syncRadios();
}

void NetworkPage::clickInfra() {
    context_.working.networkMode = code::kInfra;
    syncRadios();
    controls_.enable(NetworkControl::DhcpRadio, true);
    controls_.enable(NetworkControl::ManualRadio, true);
    for (auto c : {NetworkControl::AdhocChannel, NetworkControl::P2pChannel, NetworkControl::P2pConnMode,
                   NetworkControl::PinCode})
        controls_.enable(c, false);
}

MaybeNotice NetworkPage::clickAdhoc() {
    // The channel edit is enabled even when the mode change is refused below.
    controls_.enable(NetworkControl::AdhocChannel, true);
    if (IsWpa(context_.working.authentication)) {
        syncRadios();  // the mode radios return to the stored mode
        return NetworkNotice(kAdhocNotAvailable, NetworkControl::InfraRadio, true);
    }
    for (auto c : {NetworkControl::P2pChannel, NetworkControl::P2pConnMode, NetworkControl::PinCode})
        controls_.enable(c, false);
    context_.working.networkMode = code::kAdhoc;
    context_.working.ipAssignmentChoice = code::kManual;
    controls_.enable(NetworkControl::DhcpRadio, false);
    controls_.enable(NetworkControl::ManualRadio, true);
    syncRadios();
    focus(NetworkControl::ManualRadio);
    enableAddresses(true);
    return std::nullopt;
}

void NetworkPage::clickWifiDirect() {
    context_.working.networkMode = code::kWifiDirect;
    syncRadios();
    controls_.enable(NetworkControl::DhcpRadio, true);
    controls_.enable(NetworkControl::ManualRadio, true);
    controls_.enable(NetworkControl::AdhocChannel, false);
    for (auto c : {NetworkControl::P2pChannel, NetworkControl::P2pConnMode, NetworkControl::PinCode})
        controls_.enable(c, true);
    enableAddresses(true);
}

MaybeNotice NetworkPage::clickDhcp() {
    if (context_.working.networkMode != code::kAdhoc) {
        context_.working.ipAssignmentChoice = code::kDhcp;
        // The addresses stay in the controls and in the working values.
        enableAddresses(false);
        syncRadios();
        return std::nullopt;
    }
    context_.working.ipAssignmentChoice = code::kManual;
    syncRadios();
    return NetworkNotice(kAdhocNeedsManualIp, NetworkControl::ManualRadio);
}

void NetworkPage::clickManual() {
    context_.working.ipAssignmentChoice = code::kManual;
    syncRadios();
    enableAddresses(true);
}

MaybeNotice NetworkPage::editText(NetworkControl control, std::string_view text) {
    switch (control) {
    case NetworkControl::Ssid: context_.working.ssid = text; break;
    case NetworkControl::AdhocChannel:
        if (adhocChannel_.setText(text) && adhocChannel_.value() > kMaxAdhocChannel) {
            adhocChannel_.setValue(kMaxAdhocChannel);
            return PageNotice(Tab::Network, kChannelNotSet, 0);
        }
        break;
    case NetworkControl::InactivityTime:
        if (inactivityTime_.setText(text) && inactivityTime_.value() > kMaxInactivity) {
            inactivityTime_.setValue(kMaxInactivity);
            return PageNotice(Tab::Network, kTimeNotSet, 0);
        }
        break;
    case NetworkControl::PinCode:
        if (AllDigits(text)) p2pPinCode_ = text;
        break;
    default: break;
    }
    return std::nullopt;
}

void NetworkPage::setAddress(NetworkControl control, link::Ipv4Address address) {
    switch (control) {
    case NetworkControl::IpAddress: context_.working.ipAddress = address; break;
    case NetworkControl::SubnetMask: context_.working.subnetMask = address; break;
    case NetworkControl::Gateway: context_.working.gateway = address; break;
    default: break;
    }
}

void NetworkPage::chooseP2pChannel(int index) {
    if (index < 0 || index >= static_cast<int>(kChannelEntries.size())) return;
    p2pChannel_ = kChannelEntries[static_cast<std::size_t>(index)];
    controls_[NetworkControl::P2pChannel].selection = index;
}

void NetworkPage::chooseP2pConnMode(int index) {
    if (index < 0 || index >= static_cast<int>(kConnModeEntries.size())) return;
    p2pConnMode_ = index;
    controls_[NetworkControl::P2pConnMode].selection = index;
}

void NetworkPage::writeRecord(link::PrinterConfig& config, bool wifiDirect) const {
    const auto& w = context_.working;
    config.networkMode = static_cast<std::uint8_t>(w.networkMode & 0xFF);
    // The record says 1 for DHCP; the page's choice 0 is DHCP.
    config.ipAssignment = w.ipAssignmentChoice != 0 ? 0 : 1;
    config.ipAddress = w.ipAddress;
    config.subnetMask = w.subnetMask;
    config.gateway = w.gateway;
    config.ssid = w.ssid;
    config.inactivityTime = static_cast<std::uint16_t>(inactivityTime_.shownValue() & 0xFFFFu);
    config.adhocChannel = static_cast<std::uint8_t>(adhocChannel_.shownValue() & 0xFFu);
    if (wifiDirect) {
        config.p2pConnMode = static_cast<std::uint8_t>(p2pConnMode_ & 0xFF);
        config.p2pChannel = p2pChannel_;
        config.p2pPinCode = p2pPinCode_;
    }
}

void NetworkPage::setP2pChannel(std::string_view recordChannel) {
    for (std::size_t i = 0; i < kChannelEntries.size(); ++i) {
        if (recordChannel == kChannelEntries[i]) {
            p2pChannel_ = kChannelEntries[i];
            controls_[NetworkControl::P2pChannel].selection = static_cast<int>(i);
            return;
        }
    }
    // A channel the list does not offer is kept as the printer has it and
    // shown in the list's edit field, so a save writes it back unchanged.
    p2pChannel_ = recordChannel.substr(0, 3);
    controls_[NetworkControl::P2pChannel].selection = -1;
}

void NetworkPage::setP2pConnMode(int code) {
    const bool listed = code >= 0 && code < static_cast<int>(kConnModeEntries.size());
    controls_[NetworkControl::P2pConnMode].selection = listed ? code : -1;
    p2pConnMode_ = code;
    controls_.enable(NetworkControl::PinCode, true);
}

void NetworkPage::setP2pPinCode(std::string_view pin) { p2pPinCode_ = pin; }

void NetworkPage::setDefaultPin() { p2pPinCode_ = kDefaultPin; }

void NetworkPage::showSsid(std::string_view text) {
    syncRadios();
    context_.working.ssid = text;
}

void NetworkPage::resetWifiDirect() {
    for (auto c : {NetworkControl::P2pChannel, NetworkControl::P2pConnMode, NetworkControl::PinCode})
        controls_.enable(c, false);
    p2pPinCode_.clear();
}

bool NetworkPage::pinLengthAcceptable() const { return p2pPinCode_.size() == 4 || p2pPinCode_.size() >= 8; }

MaybeNotice NetworkPage::adhocChannelCheck() const {
    if (context_.working.networkMode != code::kAdhoc) return std::nullopt;
    // An emptied channel has no number to send (the one it last read as is
    // not on screen).
    if (adhocChannel_.empty())
        return PageNotice(Tab::Network, kChannelNotSet, static_cast<int>(NetworkControl::AdhocChannel));
    if (adhocChannel_.value() == 0) return NetworkNotice(kAdhocChannelIncorrect, NetworkControl::AdhocChannel);
    return std::nullopt;
}

MaybeNotice NetworkPage::ssidAndTimeCheck() const {
    if (context_.working.ssid.empty()) return NetworkNotice(kSsidIncorrect, NetworkControl::Ssid);
    if (!FitsField("ssid", context_.working.ssid)) return NetworkNotice(kTextTooLong, NetworkControl::Ssid);
    if (inactivityTime_.empty()) return NetworkNotice(kTimeNotSet, NetworkControl::InactivityTime);
    return std::nullopt;
}

namespace {

// A fixed address's mask must be ones then zeros (255.0.255.0 is not one).
// Only a fixed address uses the mask; with DHCP the server gives one.
MaybeNotice MaskCheck(const WorkingValues& working) {
    if (working.ipAssignmentChoice != code::kManual) return std::nullopt;
    if (working.subnetMask.isContiguousMask()) return std::nullopt;
    return NetworkNotice(kSubnetMaskInvalid, NetworkControl::SubnetMask);
}

}  // namespace

MaybeNotice NetworkPage::leaveCheck() const {
    if (auto notice = adhocChannelCheck()) return notice;
    if (auto notice = MaskCheck(context_.working)) return notice;
    if (auto notice = ssidAndTimeCheck()) return notice;
    // Whatever the mode: the PIN is kept by the printer in every mode.
    if (!pinLengthAcceptable()) return NetworkNotice(kIncorrectPin, NetworkControl::PinCode, true);
    return std::nullopt;
}

MaybeNotice NetworkPage::saveCheck() const {
    if (auto notice = adhocChannelCheck()) return notice;
    if (auto notice = MaskCheck(context_.working)) return notice;
    if (context_.extendedLayout && (p2pConnMode_ == 2 || p2pConnMode_ == 3) && p2pPinCode_.empty())
        return NetworkNotice(kIncorrectPin, NetworkControl::PinCode);
    return ssidAndTimeCheck();
}

std::string NetworkPage::text(NetworkControl control) const {
    switch (control) {
    case NetworkControl::Ssid: return context_.working.ssid;
    case NetworkControl::InactivityTime: return inactivityTime_.text();
    case NetworkControl::AdhocChannel: return adhocChannel_.text();
    case NetworkControl::PinCode: return p2pPinCode_;
    case NetworkControl::P2pChannel: return p2pChannel_;
    case NetworkControl::P2pConnMode: {
        int sel = controls_[NetworkControl::P2pConnMode].selection;
        return sel >= 0 ? std::string(kConnModeEntries[static_cast<std::size_t>(sel)]) : std::string();
    }
    case NetworkControl::IpAddress: return context_.working.ipAddress.text();
    case NetworkControl::SubnetMask: return context_.working.subnetMask.text();
    case NetworkControl::Gateway: return context_.working.gateway.text();
    default: return {};
    }
}

}  // namespace corvane::rules
