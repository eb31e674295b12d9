// Tab 3, "Network": network mode, ad hoc channel, Wi-Fi Direct channel,
// connection mode and PIN, IP assignment, SSID, inactivity time, addresses.
// Ad hoc mode is refused under WPA authentication and takes no DHCP.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/control_state.h"
#include "link/config_fields.h"
#include "link/printer_config.h"
#include "rules/numeric_text.h"
#include "rules/working_values.h"

namespace corvane::rules {

enum class NetworkControl : int {
    IpAddress = 1035,
    SubnetMask = 1036,
    Gateway = 1037,
    Ssid = 1038,
    InactivityTime = 1039,
    DhcpRadio = 1040,
    ManualRadio = 1041,
    InfraRadio = 1042,
    AdhocRadio = 1043,
    AdhocChannel = 1044,
    WifiDirectRadio = 1076,
    P2pChannel = 1077,
    P2pConnMode = 1078,
    PinCode = 1079,
};

class NetworkPage {
public:
    static constexpr std::uint32_t kMaxAdhocChannel = link::ConfigFieldNamed("adhocChannel").maximum;
    static constexpr std::uint32_t kMaxInactivity = link::ConfigFieldNamed("inactivityTime").maximum;
    static constexpr std::size_t kPinLimit = link::ConfigFieldNamed("p2pPinCode").typedCharacters;
    // The PIN an older-layout printer, which stores none, is shown with.
    static constexpr std::string_view kDefaultPin = "7364";
    static constexpr std::array<std::string_view, 3> kChannelEntries = {"1", "6", "11"};
    static constexpr std::array<std::string_view, 1> kConnModeEntries = {"PIN&PBC"};

    explicit NetworkPage(WindowContext& context);

    void enableControls(bool on);

    // Radio clicks.
    void clickInfra();
    MaybeNotice clickAdhoc();
    void clickWifiDirect();
    MaybeNotice clickDhcp();
    void clickManual();

    // Text edits: SSID, ad hoc channel, inactivity time, PIN code.
    MaybeNotice editText(NetworkControl control, std::string_view text);
    // Address controls 1035 to 1037.
    void setAddress(NetworkControl control, link::Ipv4Address address);
    // The Wi-Fi Direct lists; an index outside the list is ignored.
    void chooseP2pChannel(int index);
    void chooseP2pConnMode(int index);

    // Spreading a record over the page.
    void setP2pChannel(std::string_view recordChannel);
    void setP2pConnMode(int code);
    void setP2pPinCode(std::string_view pin);
    void setDefaultPin();
    void showSsid(std::string_view text);
    // The page's fields into a record: mode, addressing, SSID, channels,
    // inactivity and, with `wifiDirect` (the newer layout), Wi-Fi Direct.
    void writeRecord(link::PrinterConfig& config, bool wifiDirect) const;

    // Disconnect: the Wi-Fi Direct lists and the PIN edit are disabled, the PIN emptied.
    void resetWifiDirect();

    // The checks run when the page is left.
    MaybeNotice leaveCheck() const;
    // The checks run before a save while the page is shown.
    MaybeNotice saveCheck() const;
    // The PIN code field holds 4, or 8 or more, characters.
    bool pinLengthAcceptable() const;

    std::string text(NetworkControl control) const;
    const ControlStates<NetworkControl>& controls() const { return controls_; }
    std::optional<NetworkControl> takeFocusRequest();

    // Mode, addressing and SSID live with the working values, the Wi-Fi
    // Direct settings, channel and inactivity time only here.
    link::Ipv4Address ipAddress() const { return context_.working.ipAddress; }
    link::Ipv4Address subnetMask() const { return context_.working.subnetMask; }
    link::Ipv4Address gateway() const { return context_.working.gateway; }
    int networkMode() const { return context_.working.networkMode; }
    int ipAssignmentChoice() const { return context_.working.ipAssignmentChoice; }
    const std::string& ssid() const { return context_.working.ssid; }
    int p2pConnMode() const { return p2pConnMode_; }
    const std::string& p2pPinCode() const { return p2pPinCode_; }
    const std::string& p2pChannel() const { return p2pChannel_; }
    const NumericText& adhocChannel() const { return adhocChannel_; }
    const NumericText& inactivityTime() const { return inactivityTime_; }

private:
    friend class DirectConfigModel;  // spreads a record and sets the focus by mode

    // The parts of the checks that leaving and saving share.
    MaybeNotice adhocChannelCheck() const;
    MaybeNotice ssidAndTimeCheck() const;
    // Reflects the radio fields in the radio states.
    void syncRadios();
    void enableAddresses(bool on);
    void focus(NetworkControl control) { focusRequest_ = control; }

    WindowContext& context_;
    ControlStates<NetworkControl> controls_;
    int p2pConnMode_ = 0;
    std::string p2pPinCode_;
    std::string p2pChannel_;
    NumericText adhocChannel_{0};
    NumericText inactivityTime_{0};
    std::optional<NetworkControl> focusRequest_;
};

}  // namespace corvane::rules
