// The window: link choice, enabling around a connection, leaving pages, Save's checks.
#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using W = WindowControl;
using N = NetworkControl;

// USB only where a printer of the chosen type is attached, else the serial
// ports with a message.
TEST_F(ConnectedWindow, LinkChoiceFollowsThePrinterTypeAndConnectAndDisconnectSwitchIt) {
    const std::vector<std::string> com = {"COM1", "COM3"};
    model.openWindow(com);
    const std::vector<UsbEntry> usb = {{"USB001", "006D"}, {"USB002", "0042"}};
    // Still the other printer type: no USB printer is offered.
    auto notice = model.onUsbChosen(usb, com);
    EXPECT_EQ(notice ? notice->message : 0, kUsbUnavailable);
    EXPECT_EQ(model.portEntries(), com);

    EXPECT_FALSE(model.onPosChosen(usb, {"COM1"}));
    EXPECT_EQ(model.portEntries(), std::vector<std::string>{"USB001"});
    // The other type has no USB printer: its list is the serial ports.
    model.onOtherTypeChosen(com);
    EXPECT_EQ(model.portEntries(), com);
    EXPECT_TRUE(model.onPosChosen({{"USB002", "0042"}}, {"COM1"}));
    EXPECT_EQ(model.selectedPort(), "COM1");

    // Connect fixes the link choice; Wi-Fi Direct opens its lists and
    // infrastructure closes them; Disconnect gives the link choice back, closes
    // the pages and keeps the last printer's values.
    model.openWindow({"COM1", "COM3"});
    ASSERT_FALSE(model.onPosChosen({{"USB001", "006D"}}, {"COM1"}));
    const W choice[] = {W::PosRadio, W::OtherTypeRadio, W::SerialRadio, W::UsbRadio, W::PortList};
    std::vector<bool> before;
    for (auto c : choice) before.push_back(model.controls()[c].enabled);
    model.beginConnect();
    model.onConnected(SampleRecord(), SampleInfo(), link::ConfigLayout::Newer);
    for (auto c : choice) EXPECT_FALSE(model.controls()[c].enabled) << int(c);
    const N wifiDirect[] = {N::P2pChannel, N::P2pConnMode, N::PinCode};
    network().clickWifiDirect();
    for (auto c : wifiDirect) EXPECT_TRUE(network().controls()[c].enabled);
    network().chooseP2pChannel(2);
    EXPECT_EQ(network().p2pChannel(), "11");
    network().clickInfra();
    for (auto c : wifiDirect) EXPECT_FALSE(network().controls()[c].enabled);

    network().clickWifiDirect();
    model.Disconnect();
    for (std::size_t i = 0; i < std::size(choice); ++i)
        EXPECT_EQ(model.controls()[choice[i]].enabled, before[i]) << int(choice[i]);
    EXPECT_FALSE(model.controls()[W::Save].enabled);
    for (auto c : {N::P2pChannel, N::WifiDirectRadio, N::Ssid}) EXPECT_FALSE(network().controls()[c].enabled);
    EXPECT_TRUE(network().p2pPinCode().empty());
    EXPECT_EQ(system().printerName(), "Front counter");
}

using SC = SystemControl;
using S = SecurityControl;
constexpr int kPort = ControlNumber(SC::PrinterPort), kName = ControlNumber(SC::PrinterName);
constexpr int kPassword = ControlNumber(SC::UserPassword), kConfirm = ControlNumber(SC::ConfirmPassword);
constexpr int kSet = ControlNumber(ProtocolControl::SetCommunity), kGet = ControlNumber(ProtocolControl::GetCommunity);
constexpr int kTrap = ControlNumber(ProtocolControl::TrapCommunity);
constexpr int kTime = ControlNumber(N::InactivityTime), kChannel = ControlNumber(N::AdhocChannel);
constexpr int kSsid = ControlNumber(N::Ssid), kPin = ControlNumber(N::PinCode), kPsk = ControlNumber(S::PskKey);
constexpr int kAesTkip = ControlNumber(S::CipherAesTkip), kWpa2 = ControlNumber(S::Wpa2);

// Leaving a page runs its checks in order; the first that fails keeps the page
// and focuses its control.
TEST_F(ConnectedWindow, LeavingAPageStopsAtItsFirstFailingRule) {
    struct {
        const char* name;
        Tab tab;
        std::vector<std::pair<int, const char*>> edits;  // control on the page and its text; none: a click
        StringId message;                                // none: the page is left
        int focus;
    } const cases[] = {
        {"PortZeroPasses", Tab::System, {{kPort, "0"}}, {}, 0},
        {"EmptiedPort", Tab::System, {{kPort, ""}}, kPortOutOfRange, kPort},
        // The last port of the reserved list.
        {"Port3318", Tab::System, {{kPort, "3318"}}, kPortNumberIncorrect, kPort},
        {"NameBeforePort", Tab::System, {{kPort, "80"}, {kName, ""}}, kSystemNameIncorrect, kName},
        {"PasswordCase", Tab::System, {{kConfirm, "Secret"}}, kPasswordIncorrect, kPassword},
        {"PasswordsBothEmpty", Tab::System, {{kPassword, ""}, {kConfirm, ""}}, kPasswordIncorrect, kPassword},
        {"BothCommunitiesEmpty", Tab::Protocol, {{kSet, ""}, {kGet, ""}}, kCommunityIncorrect, kSet},
        {"EmptyTrapCommunity", Tab::Protocol, {{kTrap, ""}}, kTrapCommunityIncorrect, kTrap},
        {"EmptySsidBeforeBadPin", Tab::Network, {{kSsid, ""}, {kPin, "123456"}}, kSsidIncorrect, kSsid},
        {"SsidOfThirtyFourBytes", Tab::Network, {{kSsid, "ééééééééééééééééé"}}, kTextTooLong, kSsid},
        {"PinOfSixInInfra", Tab::Network, {{kPin, "123456"}}, kIncorrectPin, kPin},
        // The PSK is the key under every WPA cipher, AES + TKIP too.
        {"PskEmptyUnderAesTkip", Tab::Security, {{kPsk, ""}, {kAesTkip, nullptr}}, kPskKeyIncorrect, kPsk},
        // "9100" deleted key by key last read as 9: an emptied number must not be sent.
        {"EmptiedInactivity", Tab::Network, {{kTime, "9"}, {kTime, ""}}, kTimeNotSet, kTime},
        {"PskOfFive", Tab::Security, {{kPsk, "short"}}, kPskKeyInvalid, kPsk},
        {"Wpa2WithoutId", Tab::Security, {{kWpa2, nullptr}}, kCertificateIdIncorrect, ControlNumber(S::AuthId)},
    };
    for (const auto& c : cases) {
        connect(SampleRecord());
        // Walk to the page through valid pages.
        ASSERT_FALSE(model.tabs.selectTab(static_cast<int>(c.tab))) << c.name;
        for (const auto& [control, text] : c.edits) {
            if (c.tab == Tab::System) system().editText(static_cast<SC>(control), text);
            else if (c.tab == Tab::Protocol) model.tabs.protocol.editText(static_cast<ProtocolControl>(control), text);
            else if (c.tab == Tab::Network) network().editText(static_cast<N>(control), text);
            else if (text) security().editText(static_cast<S>(control), text);
            else security().click(static_cast<S>(control));
        }
        const int target = c.tab == Tab::System ? 1 : 0;
        const auto notice = model.tabs.selectTab(target);
        EXPECT_EQ(notice ? notice->message : 0, c.message) << c.name;
        EXPECT_EQ(notice ? notice->focus : c.focus, c.focus) << c.name;
        const int page = static_cast<int>(c.tab);
        EXPECT_EQ(notice ? notice->scope : page, page) << c.name;
        EXPECT_EQ(model.tabs.currentTab(), notice ? page : target) << c.name;
        EXPECT_FALSE(model.tabs.returnPending());
    }
}

// An emptied ad hoc channel has no number to send: Save and leaving the page
// refuse it. Outside ad hoc mode the channel edit cannot be reached, and it is
// written as 0.
TEST_F(ConnectedWindow, SaveRefusesAnEmptiedAdhocChannelAndChecksTheShownPageAndAPinOfFourOrEight) {
    for (const int mode : {code::kAdhoc, code::kInfra}) {
        auto record = OpenRecord();
        record.networkMode = static_cast<std::uint8_t>(mode);
        connect(record);
        ASSERT_FALSE(model.tabs.selectTab(static_cast<int>(Tab::Network)));
        network().editText(N::AdhocChannel, "9");
        network().editText(N::AdhocChannel, "");
        const auto saved = model.prepareSave();
        const auto left = model.tabs.selectTab(static_cast<int>(Tab::Bss));
        const StringId expected = mode == code::kAdhoc ? kChannelNotSet : StringId{};
        for (const auto& notice : {saved, left}) {
            EXPECT_EQ(notice ? notice->message : 0, expected) << mode;
            EXPECT_EQ(notice ? notice->focus : kChannel, kChannel);
        }
        EXPECT_EQ(model.buildConfig().adhocChannel, 0);
    }

    // Save checks only the shown page, then on a newer printer a PIN of four or
    // eight digits from any page; an older printer's PIN is not looked at.
    connect(SampleRecord());
    model.tabs.selectTab(static_cast<int>(Tab::Security));
    system().editText(SC::UserId, "");
    const std::pair<const char*, bool> pins[] = {
        {"1234", true}, {"12345678", true}, {"12345", false}, {"1234567", false}, {"", false}};
    for (const auto& [pin, passes] : pins) {
        network().editText(N::PinCode, pin);
        auto notice = model.prepareSave();
        EXPECT_EQ(notice ? notice->message : 0, passes ? 0 : kIncorrectPin) << pin;
    }
    model.tabs.selectTab(static_cast<int>(Tab::System));
    auto notice = model.prepareSave();
    EXPECT_EQ(notice ? notice->message : 0, kUserIdIncorrect);

    // On the Network page a connection mode that uses the PIN asks for it there.
    system().editText(SC::UserId, "admin");
    model.tabs.selectTab(static_cast<int>(Tab::Network));
    network().setP2pConnMode(2);
    notice = model.prepareSave();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kIncorrectPin);
    EXPECT_EQ(notice->focus, kPin);

    // An older printer gets the default PIN and no Wi-Fi Direct; its Save
    // does not look at the PIN.
    connect(OlderRecord(), link::ConfigLayout::Older);
    EXPECT_EQ(network().p2pPinCode(), "7364");
    EXPECT_FALSE(network().controls()[N::WifiDirectRadio].enabled);
    model.tabs.selectTab(static_cast<int>(Tab::Network));
    EXPECT_FALSE(model.tabs.selectTab(0));
    network().editText(N::PinCode, "123");
    EXPECT_FALSE(model.checkPinForSave());
}

}  // namespace
}  // namespace corvane::rules::test
