// Handlers of the Network and Security pages and the numeric entries.
#include <gtest/gtest.h>

#include <ostream>

#include "rules/text_entry.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using N = NetworkControl;
using S = SecurityControl;

TEST(NumericText, DigitsOnlyEmptyKeepsNumberHugeSaturates) {
    NumericText n(9100);
    EXPECT_FALSE(n.setText("12a"));
    EXPECT_EQ(n.text(), "9100");
    EXPECT_TRUE(n.setText(""));
    EXPECT_TRUE(n.empty());
    EXPECT_EQ(n.value(), 9100u);
    EXPECT_TRUE(n.setText("99999999999999999999"));
    EXPECT_EQ(n.value(), UINT32_MAX);
}

struct RangeCase {
    const char* name;
    Tab page;  // System or Network
    int control;
    const char* typed;
    const char* shown;
    std::optional<StringId> message;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class RangeEntry : public ConnectedWindow, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeEntry, OutOfRangeIsReplacedAfterTheMessage) {
    connect(SampleRecord());
    const auto& p = GetParam();
    MaybeNotice notice;
    std::string shown;
    if (p.page == Tab::System) {
        notice = system().editText(static_cast<SystemControl>(p.control), p.typed);
        shown = system().text(static_cast<SystemControl>(p.control));
    } else {
        notice = network().editText(static_cast<NetworkControl>(p.control), p.typed);
        shown = network().text(static_cast<NetworkControl>(p.control));
    }
    EXPECT_EQ(shown, p.shown);
    ASSERT_EQ(notice.has_value(), p.message.has_value());
    if (notice) {
        EXPECT_EQ(notice->message, *p.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RangeEntry,
    ::testing::Values(
        RangeCase{"Port40000", Tab::System, ControlNumber(SystemControl::PrinterPort), "40000", "9100",
                  kPortOutOfRange},
        RangeCase{"Port32767", Tab::System, ControlNumber(SystemControl::PrinterPort), "32767", "32767", std::nullopt},
        RangeCase{"PortEmpty", Tab::System, ControlNumber(SystemControl::PrinterPort), "", "", std::nullopt},
        RangeCase{"Channel15", Tab::Network, ControlNumber(N::AdhocChannel), "15", "14", kChannelNotSet},
        RangeCase{"Channel14", Tab::Network, ControlNumber(N::AdhocChannel), "14", "14", std::nullopt},
        RangeCase{"Channel300", Tab::Network, ControlNumber(N::AdhocChannel), "300", "14", kChannelNotSet},
        RangeCase{"Inactivity3601", Tab::Network, ControlNumber(N::InactivityTime), "3601", "3600", kTimeNotSet},
        RangeCase{"Inactivity3600", Tab::Network, ControlNumber(N::InactivityTime), "3600", "3600", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

// Record texts are UTF-8 in fixed byte widths: "é" takes 2 bytes, "€" 3.
std::string Times(int n, std::string_view piece) {
    std::string text;
    for (int i = 0; i < n; ++i) text += piece;
    return text;
}

TEST(TextEntry, EditsAreLimitedByTheEncodedLengthOfTheirField) {
    struct Case {
        const char* field;
        std::string text;
        EntryFault fault;
    };
    const Case cases[] = {
        {"ssid", Times(16, "é"), EntryFault::None},
        {"ssid", Times(32, "é"), EntryFault::TooManyBytes},
        {"printerName", Times(21, "€"), EntryFault::None},  // 63 of 64 bytes
        {"printerName", Times(22, "€"), EntryFault::TooManyBytes},
        {"printerName", std::string(33, 'n'), EntryFault::TooManyCharacters},
        {"setCommunity", Times(8, "é"), EntryFault::None},
        {"trapCommunity", Times(9, "é"), EntryFault::TooManyBytes},
        {"wepKey", std::string(27, 'k'), EntryFault::TooManyCharacters},
        {"p2pPinCode", "12345678", EntryFault::None},
        {"p2pPinCode", "123456789", EntryFault::TooManyCharacters},
        {"p2pPinCode", "12a4", EntryFault::NotDigits},
        {"p2pChannel", "11", EntryFault::None},
        {"p2pChannel", "13", EntryFault::NotListed},
        {"userId", std::string("ad\0min", 6), EntryFault::ZeroCharacter},
        {"userId", "ad\xffmin", EntryFault::NotUtf8},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckTypedText(c.field, c.text), c.fault) << c.field << " " << c.text;

    // A longer name the printer had can be cut down, never grown or changed.
    const std::string printerHad(40, 'n');
    EXPECT_TRUE(AcceptsEdit("printerName", printerHad, std::string(39, 'n')));
    EXPECT_FALSE(AcceptsEdit("printerName", printerHad, std::string(39, 'n') + "x"));
    EXPECT_FALSE(AcceptsEdit("printerName", printerHad, "x" + std::string(38, 'n')));
    EXPECT_FALSE(AcceptsEdit("ssid", Times(16, "é"), Times(16, "é") + "e"));
    EXPECT_FALSE(AcceptsEdit("p2pPinCode", "12345678", "12ab"));
}

TEST(PskKey, PassphraseOfEightToSixtyThreeOrSixtyFourHexDigits) {
    const std::pair<std::string, bool> keys[] = {
        {std::string(7, 'p'), false}, {std::string(8, 'p'), true},   {std::string(63, '~'), true},
        {std::string(64, 'F'), true}, {std::string(64, 'g'), false}, {std::string(65, 'a'), false},
        {"pass word", true},          {"pass\tword", false},         {Times(8, "é"), false},
    };
    for (const auto& [key, valid] : keys) EXPECT_EQ(ValidPskKey(key), valid) << key;
}

struct CipherCase {
    int authentication;
    int cipherBefore;
    int cipherAfter;
};

TEST(CipherAfterAuthentication, MovesOnlyTheCiphersTheMethodForbids) {
    const CipherCase cases[] = {
        {1, 0, 2}, {1, 1, 1}, {0, 3, 0}, {0, 4, 0}, {0, 5, 5}, {0, 2, 2}, {2, 0, 3}, {3, 2, 3},
        {3, 4, 4}, {4, 4, 3}, {4, 5, 5}, {5, 3, 4}, {5, 1, 4}, {5, 4, 4}, {2, 5, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CipherAfterAuthentication(c.authentication, c.cipherBefore), c.cipherAfter)
            << "authentication " << c.authentication << " cipher " << c.cipherBefore;
}

TEST_F(ConnectedWindow, SharedKeyOverNoneShowsWep128) {
    auto record = SampleRecord();
    record.authentication = code::kOpenSystem;
    record.cipher = code::kNone;
    connect(record);
    EXPECT_FALSE(security().controls()[S::WepKey].visible);
    security().click(S::SharedKey);
    EXPECT_EQ(model.context().working.cipher, code::kWep128);
    EXPECT_TRUE(security().controls()[S::WepKey].visible);
    EXPECT_TRUE(security().controls()[S::CipherWep].checked);
    EXPECT_FALSE(security().controls()[S::CipherNone].enabled);
}

TEST_F(ConnectedWindow, OpenSystemKeepsAesTkipCheckedButDisabled) {
    auto record = SampleRecord();
    record.authentication = code::kWpaPsk;
    record.cipher = code::kAesTkip;
    connect(record);
    security().click(S::OpenSystem);
    EXPECT_EQ(security().cipher(), code::kAesTkip);
    EXPECT_EQ(model.context().working.cipher, code::kAesTkip);
    const auto& aesTkip = security().controls()[S::CipherAesTkip];
    EXPECT_TRUE(aesTkip.checked);
    EXPECT_FALSE(aesTkip.enabled);
    EXPECT_TRUE(security().controls()[S::WepKey].visible);
    EXPECT_FALSE(security().controls()[S::PskKey].visible);
}

// Typing sets the cipher a key length names and keeps it for other lengths;
// Save takes only those lengths.
TEST_F(ConnectedWindow, WepKeyLengthPicksWep64OrWep128AndSaveRefusesOtherLengths) {
    auto record = SampleRecord();
    record.authentication = code::kSharedKey;
    record.cipher = code::kWep128;
    record.wepKey = "abcde";
    connect(record);
    const std::string key26 = "0123456789abcdef0123456789";
    const std::tuple<std::string, int, bool> steps[] = {{"0123456789", 1, true},    {"0123456789a", 1, false},
                                                        {"0123456789ab", 1, false}, {"0123456789abc", 2, true},
                                                        {key26, 2, true},           {"abcde", 1, true}};
    for (const auto& [key, cipher, saved] : steps) {
        security().editText(S::WepKey, key);
        EXPECT_EQ(model.context().working.cipher, cipher) << key;
        EXPECT_EQ(model.context().working.wepKey, key);
        // The page check runs first on the field; bypass it to reach the key check.
        const auto notice = model.checkWepKeyForSave();
        EXPECT_EQ(notice ? notice->message : 0, saved ? 0 : kWepKeyInvalid) << key;
        if (saved) {
            EXPECT_EQ(model.buildConfig().cipher, cipher) << key;
            EXPECT_EQ(model.buildConfig().wepKey, key);
        }
    }
    // Outside WEP the typed key is shown but not taken.
    security().click(S::OpenSystem);
    security().click(S::CipherAesTkip);
    security().editText(S::WepKey, "zzzzz");
    EXPECT_EQ(security().wepKeyText(), "zzzzz");
    EXPECT_EQ(model.context().working.wepKey, "abcde");
}

TEST_F(ConnectedWindow, EapTlsRenamesThePasswordAndFocusGoesToTheMethod) {
    auto record = SampleRecord();
    record.authentication = code::kWpa2;
    record.eapMode = 0;
    connect(record);
    security().takeFocusRequest();
    security().click(S::EapTls);
    EXPECT_EQ(security().controls()[S::AuthPasswordLabel].labelId, kCertificationPassword);
    EXPECT_EQ(security().takeFocusRequest(), S::Wpa2);
    security().click(S::EapFast);
    EXPECT_EQ(security().controls()[S::AuthPasswordLabel].labelId, kAuthenticationPassword);
    EXPECT_FALSE(security().controls()[S::EapTls].checked);
    EXPECT_EQ(security().eapMode(), 4);
}

TEST_F(ConnectedWindow, AdhocIsRefusedUnderWpaButItsChannelEditOpens) {
    connect(SampleRecord());  // WPA2-PSK, infrastructure
    auto notice = network().clickAdhoc();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kAdhocNotAvailable);
    EXPECT_EQ(notice->focus, static_cast<int>(N::InfraRadio));
    EXPECT_EQ(network().networkMode(), code::kInfra);
    EXPECT_EQ(model.context().working.networkMode, code::kInfra);
    EXPECT_TRUE(network().controls()[N::InfraRadio].checked);
    EXPECT_TRUE(network().controls()[N::AdhocChannel].enabled);
}

TEST_F(ConnectedWindow, AdhocTakesManualAddressingAndRefusesDhcp) {
    auto record = SampleRecord();
    record.authentication = code::kOpenSystem;
    record.cipher = code::kNone;
    record.ipAssignment = 1;  // DHCP
    connect(record);
    EXPECT_FALSE(network().controls()[N::IpAddress].enabled);
    EXPECT_FALSE(network().clickAdhoc());
    EXPECT_EQ(model.context().working.networkMode, code::kAdhoc);
    EXPECT_EQ(model.context().working.ipAssignmentChoice, code::kManual);
    EXPECT_FALSE(network().controls()[N::DhcpRadio].enabled);
    EXPECT_TRUE(network().controls()[N::IpAddress].enabled);
    auto notice = network().clickDhcp();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kAdhocNeedsManualIp);
    EXPECT_EQ(model.context().working.ipAssignmentChoice, code::kManual);
    EXPECT_TRUE(network().controls()[N::ManualRadio].checked);

    // Showing the Security tab now offers no WPA method.
    model.tabs.selectTab(static_cast<int>(Tab::Security));
    for (auto radio : {S::WpaPsk, S::Wpa2Psk, S::Wpa, S::Wpa2}) EXPECT_FALSE(security().controls()[radio].enabled);
    EXPECT_TRUE(security().controls()[S::OpenSystem].enabled);
}

TEST_F(ConnectedWindow, SecurityTabKeepsAWpaMethodChosenBeforeAdhoc) {
    auto record = SampleRecord();
    record.networkMode = code::kAdhoc;  // ad hoc printer whose record still says WPA2-PSK
    connect(record);
    model.tabs.selectTab(static_cast<int>(Tab::Security));
    EXPECT_FALSE(security().controls()[S::Wpa2Psk].enabled);
    EXPECT_TRUE(security().controls()[S::Wpa2Psk].checked);
    EXPECT_EQ(security().authentication(), code::kWpa2Psk);
}

TEST_F(ConnectedWindow, WifiDirectOpensItsListsAndInfraClosesThem) {
    connect(SampleRecord());
    EXPECT_TRUE(network().controls()[N::WifiDirectRadio].enabled);
    EXPECT_FALSE(network().controls()[N::PinCode].enabled);
    network().clickWifiDirect();
    for (auto c : {N::P2pChannel, N::P2pConnMode, N::PinCode, N::IpAddress})
        EXPECT_TRUE(network().controls()[c].enabled);
    network().chooseP2pChannel(2);
    EXPECT_EQ(network().p2pChannel(), "11");
    network().clickInfra();
    for (auto c : {N::P2pChannel, N::P2pConnMode, N::PinCode, N::AdhocChannel})
        EXPECT_FALSE(network().controls()[c].enabled);
    EXPECT_EQ(model.context().working.networkMode, code::kInfra);
}

}  // namespace
}  // namespace corvane::rules::test
