// The window: link choice, enabling around a connection, leaving pages, Save's checks.
#include <gtest/gtest.h>

#include <ostream>

#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using W = WindowControl;
using N = NetworkControl;

TEST(LinkChoice, OpensOnSerialAndFallsBackWhenNoUsbPrinterFits) {
    DirectConfigModel m;
    m.openWindow({"COM1", "COM3"});
    EXPECT_TRUE(m.controls()[W::SerialRadio].checked);
    EXPECT_FALSE(m.controls()[W::SerialRadio].enabled);
    EXPECT_TRUE(m.controls()[W::UsbRadio].enabled);
    EXPECT_EQ(m.selectedPort(), "COM1");
    for (auto c : {W::Save, W::Disconnect, W::TabControl}) EXPECT_FALSE(m.controls()[c].enabled) << int(c);

    const std::vector<UsbEntry> usb = {{"USB001", "006D"}, {"USB002", "0042"}};
    // Still the other printer type: no USB printer is offered.
    auto notice = m.onUsbChosen(usb, {"COM1", "COM3"});
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kUsbUnavailable);
    EXPECT_EQ(m.linkChoice(), DirectConfigModel::kSerialLink);
    EXPECT_TRUE(m.controls()[W::SerialRadio].enabled);
    EXPECT_EQ(m.portEntries(), (std::vector<std::string>{"COM1", "COM3"}));

    EXPECT_FALSE(m.onPosChosen(usb, {"COM1"}));
    EXPECT_EQ(m.linkChoice(), DirectConfigModel::kUsbLink);
    EXPECT_EQ(m.portEntries(), std::vector<std::string>{"USB001"});
    EXPECT_EQ(m.selectedPort(), "USB001");
    EXPECT_FALSE(m.controls()[W::SerialRadio].enabled);

    notice = m.onPosChosen({{"USB002", "0042"}}, {"COM1"});
    ASSERT_TRUE(notice);
    EXPECT_EQ(m.selectedPort(), "COM1");
}

TEST(LinkChoice, FollowsThePrinterTypeAndIsFixedWhileConnected) {
    DirectConfigModel m;
    const std::vector<std::string> com = {"COM1", "COM3"};
    m.openWindow(com);
    ASSERT_FALSE(m.onPosChosen({{"USB001", "006D"}}, com));
    // The other type has no USB printer: its list is the serial ports.
    m.onOtherTypeChosen(com);
    EXPECT_EQ(m.linkChoice(), DirectConfigModel::kSerialLink);
    EXPECT_EQ(m.portEntries(), com);
    EXPECT_EQ(m.selectedPort(), "COM1");

    const W choice[] = {W::PosRadio, W::OtherTypeRadio, W::SerialRadio, W::UsbRadio, W::PortList};
    std::vector<bool> before;
    for (auto c : choice) before.push_back(m.controls()[c].enabled);
    m.beginConnect();
    m.onConnected(SampleRecord(), SampleInfo(), link::ConfigLayout::Newer);
    for (auto c : choice) EXPECT_FALSE(m.controls()[c].enabled) << static_cast<int>(c);
    m.Disconnect();
    for (std::size_t i = 0; i < std::size(choice); ++i)
        EXPECT_EQ(m.controls()[choice[i]].enabled, before[i]) << static_cast<int>(choice[i]);
}

TEST_F(ConnectedWindow, ConnectAndDisconnectSwitchButtonsAndPages) {
    connect(SampleRecord());
    EXPECT_TRUE(model.context().connected);
    EXPECT_FALSE(model.controls()[W::Connect].enabled);
    for (auto c : {W::Disconnect, W::Save, W::TabControl}) EXPECT_TRUE(model.controls()[c].enabled);
    EXPECT_TRUE(system().controls()[SystemControl::PrinterName].enabled);
    EXPECT_TRUE(model.tabs.certificate.controls()[CertificateControl::UploadButton].enabled);

    network().clickWifiDirect();
    model.Disconnect();
    EXPECT_TRUE(model.controls()[W::Connect].enabled);
    EXPECT_FALSE(model.controls()[W::Save].enabled);
    for (auto c : {N::P2pChannel, N::P2pConnMode, N::PinCode, N::WifiDirectRadio, N::Ssid})
        EXPECT_FALSE(network().controls()[c].enabled);
    EXPECT_TRUE(network().p2pPinCode().empty());
    // The fields keep the last printer's values.
    EXPECT_EQ(system().printerName(), "Front counter");
}

struct LeaveCase {
    const char* name;
    Tab tab;
    void (*edit)(DirectConfigModel&);
    std::optional<StringId> message;
    int focus;
};

void SetPort(DirectConfigModel& m, const char* port) { m.tabs.system.editText(SystemControl::PrinterPort, port); }

const LeaveCase kLeaveCases[] = {
    {"PortZeroPasses", Tab::System, [](DirectConfigModel& m) { SetPort(m, "0"); }, std::nullopt, 0},
    {"Port80", Tab::System, [](DirectConfigModel& m) { SetPort(m, "80"); }, kPortNumberIncorrect,
     ControlNumber(SystemControl::PrinterPort)},
    {"Port3318", Tab::System, [](DirectConfigModel& m) { SetPort(m, "3318"); }, kPortNumberIncorrect,
     ControlNumber(SystemControl::PrinterPort)},
    {"NameBeforePort", Tab::System,
     [](DirectConfigModel& m) {
         SetPort(m, "80");
         m.tabs.system.editText(SystemControl::PrinterName, "");
     },
     kSystemNameIncorrect, ControlNumber(SystemControl::PrinterName)},
    {"PasswordCase", Tab::System,
     [](DirectConfigModel& m) { m.tabs.system.editText(SystemControl::ConfirmPassword, "Secret"); }, kPasswordIncorrect,
     ControlNumber(SystemControl::UserPassword)},
    {"PasswordsBothEmpty", Tab::System,
     [](DirectConfigModel& m) {
         m.tabs.system.editText(SystemControl::UserPassword, "");
         m.tabs.system.editText(SystemControl::ConfirmPassword, "");
     },
     kPasswordIncorrect, ControlNumber(SystemControl::UserPassword)},
    {"BothCommunitiesEmpty", Tab::Protocol,
     [](DirectConfigModel& m) {
         m.tabs.protocol.editText(ProtocolControl::SetCommunity, "");
         m.tabs.protocol.editText(ProtocolControl::GetCommunity, "");
     },
     kCommunityIncorrect, ControlNumber(ProtocolControl::SetCommunity)},
    {"EmptyTrapCommunity", Tab::Protocol,
     [](DirectConfigModel& m) { m.tabs.protocol.editText(ProtocolControl::TrapCommunity, ""); },
     kTrapCommunityIncorrect, ControlNumber(ProtocolControl::TrapCommunity)},
    {"EmptySsidBeforeBadPin", Tab::Network,
     [](DirectConfigModel& m) {
         m.tabs.network.editText(N::Ssid, "");
         m.tabs.network.editText(N::PinCode, "123456");
     },
     kSsidIncorrect, ControlNumber(N::Ssid)},
    {"PinOfSixInInfra", Tab::Network, [](DirectConfigModel& m) { m.tabs.network.editText(N::PinCode, "123456"); },
     kIncorrectPin, ControlNumber(N::PinCode)},
    {"PinOfFour", Tab::Network, [](DirectConfigModel& m) { m.tabs.network.editText(N::PinCode, "1234"); }, std::nullopt,
     0},
    {"PskEmptyUnderAes", Tab::Security,
     [](DirectConfigModel& m) { m.tabs.security.editText(SecurityControl::PskKey, ""); }, kPskKeyIncorrect,
     ControlNumber(SecurityControl::PskKey)},
    // The PSK is the key under every WPA cipher, AES + TKIP too.
    {"PskEmptyUnderAesTkip", Tab::Security,
     [](DirectConfigModel& m) {
         m.tabs.security.editText(SecurityControl::PskKey, "");
         m.tabs.security.click(SecurityControl::CipherAesTkip);
     },
     kPskKeyIncorrect, ControlNumber(SecurityControl::PskKey)},
    {"PskOfFive", Tab::Security,
     [](DirectConfigModel& m) { m.tabs.security.editText(SecurityControl::PskKey, "short"); }, kPskKeyInvalid,
     ControlNumber(SecurityControl::PskKey)},
    {"SsidOverItsBytes", Tab::Network,
     [](DirectConfigModel& m) {
         std::string ssid;
         for (int i = 0; i < 17; ++i) ssid += "é";  // 34 bytes
         m.tabs.network.editText(N::Ssid, ssid);
     },
     kTextTooLong, ControlNumber(N::Ssid)},
    {"Wpa2WithoutId", Tab::Security, [](DirectConfigModel& m) { m.tabs.security.click(SecurityControl::Wpa2); },
     kCertificateIdIncorrect, ControlNumber(SecurityControl::AuthId)},
    {"BssNeverFails", Tab::Bss, [](DirectConfigModel& m) { m.tabs.system.editText(SystemControl::UserId, ""); },
     std::nullopt, 0},
};

void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

class LeavePage : public ConnectedWindow, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavePage, FirstFailingRuleKeepsThePage) {
    const auto& p = GetParam();
    connect(SampleRecord());
    // Walk to the page through valid pages.
    ASSERT_FALSE(model.tabs.selectTab(static_cast<int>(p.tab)));
    p.edit(model);
    const int target = p.tab == Tab::System ? 1 : 0;
    auto notice = model.tabs.selectTab(target);
    ASSERT_EQ(notice.has_value(), p.message.has_value());
    if (notice) {
        EXPECT_EQ(notice->message, *p.message);
        EXPECT_EQ(notice->focus, p.focus);
        EXPECT_EQ(notice->scope, static_cast<int>(p.tab));
        EXPECT_EQ(model.tabs.currentTab(), static_cast<int>(p.tab));
    } else {
        EXPECT_EQ(model.tabs.currentTab(), target);
    }
    EXPECT_FALSE(model.tabs.returnPending());
}

INSTANTIATE_TEST_SUITE_P(Rules, LeavePage, ::testing::ValuesIn(kLeaveCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ConnectedWindow, OlderPrinterGetsTheDefaultPinAndNoWifiDirect) {
    connect(OlderRecord(), link::ConfigLayout::Older);
    EXPECT_EQ(network().p2pPinCode(), "7364");
    EXPECT_FALSE(network().controls()[N::WifiDirectRadio].enabled);
    model.tabs.selectTab(static_cast<int>(Tab::Network));
    EXPECT_FALSE(model.tabs.selectTab(0));
    // Save on an older printer does not look at the PIN.
    network().editText(N::PinCode, "123");
    EXPECT_FALSE(model.checkPinForSave());
}

TEST_F(ConnectedWindow, SaveChecksOnlyTheShownPage) {
    connect(SampleRecord());
    model.tabs.selectTab(static_cast<int>(Tab::Security));
    system().editText(SystemControl::UserId, "");
    EXPECT_FALSE(model.prepareSave());
    model.tabs.selectTab(static_cast<int>(Tab::System));
    auto notice = model.prepareSave();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kUserIdIncorrect);
}

struct EmptyNumberCase {
    const char* name;
    Tab tab;
    int control;
    int networkMode;
    std::optional<StringId> message;  // none: saved, the field written as 0
};
void PrintTo(const EmptyNumberCase& c, std::ostream* os) { *os << c.name; }

class EmptyNumber : public ConnectedWindow, public ::testing::WithParamInterface<EmptyNumberCase> {};

// "9100" deleted key by key last read as 9: an emptied field must not send it.
TEST_P(EmptyNumber, RefusesLeaveAndSaveWithItsRangeMessage) {
    const auto& p = GetParam();
    auto record = SampleRecord();
    record.authentication = code::kOpenSystem;  // ad hoc mode needs Open System
    record.cipher = code::kNone;
    record.networkMode = static_cast<std::uint8_t>(p.networkMode);
    connect(record);
    ASSERT_FALSE(model.tabs.selectTab(static_cast<int>(p.tab)));
    for (const char* typed : {"9", ""}) {
        if (p.tab == Tab::System) system().editText(static_cast<SystemControl>(p.control), typed);
        else network().editText(static_cast<N>(p.control), typed);
    }
    const auto saved = model.prepareSave();
    const auto left = model.tabs.selectTab(static_cast<int>(Tab::Bss));
    ASSERT_EQ(saved.has_value(), p.message.has_value());
    ASSERT_EQ(left.has_value(), p.message.has_value());
    if (!p.message) {
        EXPECT_EQ(model.buildConfig().adhocChannel, 0);
        return;
    }
    for (const auto& notice : {*saved, *left}) {
        EXPECT_EQ(notice.message, *p.message);
        EXPECT_EQ(notice.focus, p.control);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EmptyNumber,
    ::testing::Values(
        EmptyNumberCase{"Port", Tab::System, ControlNumber(SystemControl::PrinterPort), 0, kPortOutOfRange},
        EmptyNumberCase{"Inactivity", Tab::Network, ControlNumber(N::InactivityTime), 0, kTimeNotSet},
        EmptyNumberCase{"AdhocChannel", Tab::Network, ControlNumber(N::AdhocChannel), 1, kChannelNotSet},
        // Outside ad hoc mode the channel edit cannot be reached.
        EmptyNumberCase{"AdhocChannelUnused", Tab::Network, ControlNumber(N::AdhocChannel), 0, std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ConnectedWindow, SaveOnTheNetworkPageHasItsOwnRules) {
    connect(SampleRecord());
    model.tabs.selectTab(static_cast<int>(Tab::Network));
    network().setP2pConnMode(2);
    network().editText(N::PinCode, "");
    const auto notice = model.prepareSave();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kIncorrectPin);
    EXPECT_EQ(notice->focus, ControlNumber(N::PinCode));
}

TEST_F(ConnectedWindow, NewerPrinterSaveNeedsPinOfFourOrEight) {
    connect(SampleRecord());
    const std::pair<const char*, bool> pins[] = {
        {"1234", true}, {"12345678", true}, {"12345", false}, {"1234567", false}, {"", false}};
    for (const auto& [pin, passes] : pins) {
        network().editText(N::PinCode, pin);
        auto notice = model.prepareSave();
        EXPECT_EQ(!notice.has_value(), passes) << pin;
        if (notice) {
            EXPECT_EQ(notice->message, kIncorrectPin);
        }
    }
}

}  // namespace
}  // namespace corvane::rules::test
