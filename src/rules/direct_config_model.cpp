#include "rules/direct_config_model.h"

#include <algorithm>
#include <cctype>

namespace corvane::rules {

namespace {
using W = WindowControl;

bool SameHexId(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

DirectConfigModel::DirectConfigModel() {
    controls_.enable(W::Connect, true);
    controls_.enable(W::PortList, true);
    controls_.enable(W::PosRadio, true);
    controls_.enable(W::OtherTypeRadio, true);
    syncRadios();
}

std::optional<WindowControl> DirectConfigModel::takeFocusRequest() {
    auto request = focusRequest_;
    focusRequest_.reset();
    return request;
}

void DirectConfigModel::syncRadios() {
    controls_.check(W::SerialRadio, linkChoice_ == kSerialLink);
    controls_.check(W::UsbRadio, linkChoice_ == kUsbLink);
    controls_.check(W::PosRadio, printerType == kPosPrinter);
    controls_.check(W::OtherTypeRadio, printerType == kOtherPrinter);
}

void DirectConfigModel::selectFirstPort() { controls_[W::PortList].selection = portEntries_.empty() ? -1 : 0; }

void DirectConfigModel::fillComPorts(const std::vector<std::string>& comPorts) {
    portEntries_ = comPorts;
    selectFirstPort();
}

void DirectConfigModel::openWindow(const std::vector<std::string>& comPorts) {
    fillComPorts(comPorts);
    focusRequest_ = W::PosRadio;
    controls_.enable(W::SerialRadio, false);
    controls_.enable(W::UsbRadio, true);
    controls_.enable(W::PortList, true);
    setConnectedButtons(false);
    context_.connected = false;
    context_.extendedLayout = false;
    syncRadios();
}

void DirectConfigModel::onSerialChosen(const std::vector<std::string>& comPorts) {
    linkChoice_ = kSerialLink;
    fillComPorts(comPorts);
    syncRadios();
}

MaybeNotice DirectConfigModel::onUsbChosen(const std::vector<UsbEntry>& usbDevices,
                                           const std::vector<std::string>& comPorts) {
    linkChoice_ = kUsbLink;
    portEntries_.clear();
    if (printerType == kPosPrinter) {
        for (const auto& device : usbDevices)
            if (SameHexId(device.productId, kUsbProductId)) portEntries_.push_back(device.displayName);
    }
    if (!portEntries_.empty()) {
        selectFirstPort();
        syncRadios();
        return std::nullopt;
    }
    // No usable USB printer: back to the serial ports.
    controls_.enable(W::SerialRadio, true);
    linkChoice_ = kSerialLink;
    fillComPorts(comPorts);
    syncRadios();
    return Notice{kUsbUnavailable, kWindowScope, static_cast<int>(W::OtherTypeRadio)};
}

MaybeNotice DirectConfigModel::onPosChosen(const std::vector<UsbEntry>& usbDevices,
                                           const std::vector<std::string>& comPorts) {
    printerType = kPosPrinter;
    selectFirstPort();
    controls_.enable(W::SerialRadio, false);
    controls_.enable(W::UsbRadio, true);
    controls_.enable(W::PortList, true);
    syncRadios();
    return onUsbChosen(usbDevices, comPorts);
}

void DirectConfigModel::onOtherTypeChosen(const std::vector<std::string>& comPorts) {
    printerType = kOtherPrinter;
    if (linkChoice_ == kUsbLink) {
        linkChoice_ = kSerialLink;
        fillComPorts(comPorts);
    }
    selectFirstPort();
    controls_.enable(W::SerialRadio, true);
    controls_.enable(W::UsbRadio, true);
    controls_.enable(W::PortList, true);
    syncRadios();
}

void DirectConfigModel::choosePort(int index) {
    if (index >= 0 && index < static_cast<int>(portEntries_.size())) controls_[W::PortList].selection = index;
}

std::optional<std::string> DirectConfigModel::selectedPort() const {
    int index = controls_[W::PortList].selection;
    if (index < 0 || index >= static_cast<int>(portEntries_.size())) return std::nullopt;
    return portEntries_[static_cast<std::size_t>(index)];
}

void DirectConfigModel::setConnectedButtons(bool connected) {
    constexpr W kLinkChoice[] = {W::PosRadio, W::OtherTypeRadio, W::SerialRadio, W::UsbRadio, W::PortList};
    if (connected && !linkChoiceBeforeConnect_) {
        linkChoiceBeforeConnect_.emplace();
        for (auto c : kLinkChoice) {
            (*linkChoiceBeforeConnect_)[c] = controls_[c].enabled;
            controls_.enable(c, false);
        }
    } else if (!connected && linkChoiceBeforeConnect_) {
        for (const auto& [c, enabled] : *linkChoiceBeforeConnect_) controls_.enable(c, enabled);
        linkChoiceBeforeConnect_.reset();
    }
    controls_.enable(W::Connect, !connected);
    controls_.enable(W::Disconnect, connected);
    controls_.enable(W::Save, connected);
    controls_.enable(W::TabControl, connected);
}

void DirectConfigModel::applyRecord(const link::PrinterConfig& config, const link::PrinterSystemInfo& info,
                                    link::ConfigLayout layout) {
    context_.extendedLayout = layout == link::ConfigLayout::Newer;
    lastConfig_ = config;
    lastSystemInfo_ = info;
    auto& w = context_.working;
    auto& net = tabs.network;

    tabs.system.loadRecord(config);

    w.networkMode = config.networkMode;
    w.ipAssignmentChoice = config.ipAssignment == 0 ? code::kManual : code::kDhcp;
    net.setAddress(NetworkControl::IpAddress, config.ipAddress);
    net.setAddress(NetworkControl::SubnetMask, config.subnetMask);
    net.setAddress(NetworkControl::Gateway, config.gateway);
    net.inactivityTime_.setValue(config.inactivityTime);
    net.adhocChannel_.setValue(config.adhocChannel);
    net.showSsid(config.ssid);

    tabs.security.loadRecord(config);

    if (context_.extendedLayout) {
        net.setP2pChannel(config.p2pChannel);
        net.setP2pConnMode(config.p2pConnMode);
        net.setP2pPinCode(config.p2pPinCode);
    } else {
        // The older record stores no PIN; the page shows its default one.
        net.setDefaultPin();
    }

    tabs.protocol.loadRecord(config);
    tabs.system.showSystemInfo(info);

    switch (config.networkMode) {
    case code::kInfra: net.focus(NetworkControl::InfraRadio); break;
    case code::kAdhoc:
        // Ad hoc mode takes no DHCP: the page and the record written back
        // both use manual addressing.
        net.focus(NetworkControl::AdhocRadio);
        w.ipAssignmentChoice = code::kManual;
        break;
    case code::kWifiDirect:
        net.focus(NetworkControl::WifiDirectRadio);
        net.controls_.enable(NetworkControl::P2pChannel, true);
        net.controls_.enable(NetworkControl::P2pConnMode, true);
        break;
    default: break;
    }
    net.syncRadios();
}

void DirectConfigModel::enablePages(bool on) {
    tabs.system.enableControls(on);
    tabs.protocol.enableControls(on);
    tabs.bss.enableControls(on);
    tabs.network.enableControls(on);
    tabs.security.enableControls(on);
    tabs.certificate.enableControls(on);
}

void DirectConfigModel::finishConnect() {
    setConnectedButtons(true);
    enablePages(true);
    tabs.security.refreshControls();
    context_.connected = true;
    tabs.security.syncControls();
    shownAtConnect_ = buildRecordBytes();
}

void DirectConfigModel::Disconnect() {
    context_.connected = false;
    setConnectedButtons(false);
    enablePages(false);
    tabs.network.resetWifiDirect();
}

void DirectConfigModel::showRecord(const link::PrinterConfig& config) {
    const link::PrinterConfig printerHolds = lastConfig_;
    // The Wi-Fi Direct lists follow the new mode, as after a reconnect.
    tabs.network.resetWifiDirect();
    applyRecord(config, lastSystemInfo_, context_.layout());
    lastConfig_ = printerHolds;
    // The pages are enabled again over the new values; the BSS survey and the
    // certificate stay as they were.
    tabs.system.enableControls(true);
    tabs.protocol.enableControls(true);
    tabs.network.enableControls(true);
    tabs.security.enableControls(true);
    tabs.security.refreshControls();
    tabs.security.syncControls();
}

void DirectConfigModel::recordSaved(const link::PrinterConfig& written) {
    lastConfig_ = written;
    shownAtConnect_ = link::SerializeConfig(written, context_.layout());
}

bool DirectConfigModel::hasUnsavedEdits() const { return context_.connected && buildRecordBytes() != shownAtConnect_; }

MaybeNotice DirectConfigModel::checkWepKeyForSave() {
    auto& w = context_.working;
    if (w.cipher != code::kWep64 && w.cipher != code::kWep128) return std::nullopt;
    const std::string& key = tabs.security.wepKeyText();
    const auto n = key.size();
    if (n == 5 || n == 10) w.cipher = code::kWep64;
    else if (n == 13 || n == 26) w.cipher = code::kWep128;
    else return Notice{kWepKeyInvalid, kWindowScope, 0};
    w.wepKey = key;
    return std::nullopt;
}

MaybeNotice DirectConfigModel::checkPinForSave() const {
    if (context_.extendedLayout && !tabs.network.pinLengthAcceptable()) return Notice{kIncorrectPin, kWindowScope, 0};
    return std::nullopt;
}

MaybeNotice DirectConfigModel::prepareSave() {
    if (auto notice = tabs.validateCurrentPage()) return notice;
    if (auto notice = checkWepKeyForSave()) return notice;
    if (auto notice = checkPinForSave()) return notice;
    auto& w = context_.working;
    w.pskKey = tabs.security.text(SecurityControl::PskKey);
    w.authId = tabs.security.text(SecurityControl::AuthId);
    w.authPassword = tabs.security.text(SecurityControl::AuthPassword);
    return std::nullopt;
}

link::PrinterConfig DirectConfigModel::buildConfig() const {
    // Each page writes the fields it shows; the newer layout's Wi-Fi Direct
    // fields stay empty for an older printer.
    link::PrinterConfig c;
    tabs.system.writeRecord(c);
    tabs.protocol.writeRecord(c);
    tabs.network.writeRecord(c, context_.extendedLayout);
    tabs.security.writeRecord(c);
    return c;
}

Bytes DirectConfigModel::buildRecordBytes() const { return link::SerializeConfig(buildConfig(), context_.layout()); }

}  // namespace corvane::rules
