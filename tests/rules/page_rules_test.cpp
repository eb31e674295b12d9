// Handlers of the Network and Security pages and the numeric entries.
#include <gtest/gtest.h>

#include "rules/text_entry.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using N = NetworkControl;
using S = SecurityControl;

// Digits only; a number over its field's maximum (however long) is replaced
// once the message is shown; the maximum itself is taken.
TEST_F(ConnectedWindow, NumberOverItsMaximumIsReplacedAfterTheMessage) {
    connect(SampleRecord());
    constexpr int kPort = ControlNumber(SystemControl::PrinterPort);
    constexpr int kChannel = ControlNumber(N::AdhocChannel), kTime = ControlNumber(N::InactivityTime);
    // control (System page for the port, else Network page), typed, shown, message
    const std::tuple<int, const char*, const char*, StringId> cases[] = {
        {kPort, "12a", "9100", {}},
        {kPort, "99999999999999999999", "9100", kPortOutOfRange},
        {kPort, "32768", "9100", kPortOutOfRange},
        {kPort, "32767", "32767", {}},
        {kChannel, "15", "14", kChannelNotSet},
        {kChannel, "14", "14", {}},
        {kTime, "3601", "3600", kTimeNotSet},
        {kTime, "3600", "3600", {}},
    };
    for (const auto& [control, typed, shown, message] : cases) {
        const auto onPort = static_cast<SystemControl>(control);
        const auto notice =
            control == kPort ? system().editText(onPort, typed) : network().editText(static_cast<N>(control), typed);
        EXPECT_EQ(control == kPort ? system().text(onPort) : network().text(static_cast<N>(control)), shown);
        EXPECT_EQ(notice ? notice->message : 0, message) << typed;
    }
}

// Record texts are UTF-8 in fixed byte widths: "é" takes 2 bytes, "€" 3.
std::string Times(int n, std::string_view piece) {
    std::string text;
    for (int i = 0; i < n; ++i) text += piece;
    return text;
}

// A typed text is measured in its field's bytes and characters, digits and lists.
TEST(TextEntry, EditsAreLimitedByTheEncodedLengthOfTheirFieldAndPskKeysByTheirForm) {
    // The widest texts that fit are typed in the window's own test.
    const std::tuple<const char*, std::string, EntryFault> cases[] = {
        {"ssid", Times(17, "é"), EntryFault::TooManyBytes},
        {"printerName", Times(22, "€"), EntryFault::TooManyBytes},  // 66 of 64 bytes
        {"printerName", std::string(33, 'n'), EntryFault::TooManyCharacters},
        {"trapCommunity", Times(9, "é"), EntryFault::TooManyBytes},
        {"wepKey", std::string(27, 'k'), EntryFault::TooManyCharacters},
        {"p2pPinCode", "123456789", EntryFault::TooManyCharacters},
        {"p2pPinCode", "12a4", EntryFault::NotDigits},
        {"p2pChannel", "13", EntryFault::NotListed},
        {"userId", std::string("ad\0min", 6), EntryFault::ZeroCharacter},
        {"userId", "ad\xffmin", EntryFault::NotUtf8},
    };
    for (const auto& [field, text, fault] : cases)
        EXPECT_EQ(CheckTypedText(field, text), fault) << field << " " << text;

    // A longer name the printer had can be cut down, never grown or changed.
    const std::string printerHad(40, 'n');
    EXPECT_TRUE(AcceptsEdit("printerName", printerHad, std::string(39, 'n')));
    EXPECT_FALSE(AcceptsEdit("printerName", printerHad, std::string(39, 'n') + "x"));
    EXPECT_FALSE(AcceptsEdit("printerName", printerHad, "x" + std::string(38, 'n')));
    EXPECT_FALSE(AcceptsEdit("p2pPinCode", "12345678", "12ab"));

    // Both ends of the passphrase length, the 64-digit key, and what a passphrase may hold.
    const std::pair<std::string, bool> keys[] = {
        {std::string(7, 'p'), false}, {std::string(8, 'p'), true},   {std::string(63, '~'), true},
        {std::string(64, 'F'), true}, {std::string(64, 'g'), false}, {std::string(65, 'a'), false},
        {"pass word", true},          {"pass\tword", false},         {Times(8, "é"), false},
    };
    for (const auto& [key, valid] : keys) EXPECT_EQ(ValidPskKey(key), valid) << key;
}

// An authentication click moves only a cipher it forbids, and shows the key
// edit of the cipher it leaves. EAP-TLS asks for a certification password and
// sends the focus back to the method.
TEST_F(ConnectedWindow, AuthenticationMovesOnlyTheCiphersItForbidsShowsTheKeyAndNamesThePassword) {
    // A method moves the cipher only off the ciphers it cannot use.
    const int cases[][3] = {
        // authentication, cipher before, cipher after
        {1, 0, 2}, {1, 1, 1}, {0, 3, 0}, {0, 4, 0}, {0, 5, 5}, {0, 2, 2}, {2, 0, 3}, {3, 2, 3},
        {3, 4, 4}, {4, 4, 3}, {4, 5, 5}, {5, 3, 4}, {5, 1, 4}, {5, 4, 4}, {2, 5, 5},
    };
    for (const auto& [authentication, before, after] : cases)
        EXPECT_EQ(CipherAfterAuthentication(authentication, before), after)
            << "authentication " << authentication << " cipher " << before;

    connect(OpenRecord());
    EXPECT_FALSE(security().controls()[S::WepKey].visible);
    security().click(S::SharedKey);
    EXPECT_EQ(model.context().working.cipher, code::kWep128);
    EXPECT_TRUE(security().controls()[S::WepKey].visible);
    EXPECT_FALSE(security().controls()[S::CipherNone].enabled);

    auto record = SampleRecord();
    record.authentication = code::kWpaPsk;
    record.cipher = code::kAesTkip;
    connect(record);
    security().click(S::OpenSystem);
    EXPECT_EQ(model.context().working.cipher, code::kAesTkip);
    EXPECT_TRUE(security().controls()[S::CipherAesTkip].checked);
    EXPECT_FALSE(security().controls()[S::CipherAesTkip].enabled);
    EXPECT_TRUE(security().controls()[S::WepKey].visible);

    record.authentication = code::kWpa2;
    record.eapMode = 0;
    connect(record);
    security().takeFocusRequest();
    security().click(S::EapTls);
    EXPECT_EQ(security().controls()[S::AuthPasswordLabel].labelId, kCertificationPassword);
    EXPECT_EQ(security().takeFocusRequest(), S::Wpa2);
    security().click(S::EapFast);
    EXPECT_EQ(security().controls()[S::AuthPasswordLabel].labelId, kAuthenticationPassword);
    EXPECT_EQ(security().eapMode(), 4);
}

// A key of 5 or 10 characters sets WEP64, of 13 or 26 WEP128; other lengths
// keep the cipher and are refused by the page and by Save.
TEST_F(ConnectedWindow, WepKeyOfFiveTenThirteenOrTwentySixOnly) {
    auto record = SampleRecord();
    record.authentication = code::kSharedKey;
    record.cipher = code::kWep128;
    record.wepKey = "abcde";
    connect(record);
    const std::string digits = "0123456789abcdef0123456789ab";
    int cipher = code::kWep128;
    for (std::size_t n = 1; n <= 27; ++n) {
        const std::string key = digits.substr(0, n);
        security().editText(S::WepKey, key);
        const bool taken = n == 5 || n == 10 || n == 13 || n == 26;
        if (taken) cipher = n < 13 ? code::kWep64 : code::kWep128;
        EXPECT_EQ(model.context().working.cipher, cipher) << n << " characters";
        EXPECT_EQ(!security().checkValues(), taken) << n << " characters";
        // The page check runs first on Save; bypass it to reach the key check.
        const auto notice = model.checkWepKeyForSave();
        EXPECT_EQ(notice ? notice->message : 0, taken ? 0 : kWepKeyInvalid) << n << " characters";
        EXPECT_EQ(model.buildConfig().wepKey, key);
    }
    security().editText(S::WepKey, "abcde");
    EXPECT_EQ(model.buildConfig().cipher, code::kWep64);
    // Outside WEP the typed key is shown but not taken.
    security().click(S::OpenSystem);
    security().click(S::CipherAesTkip);
    security().editText(S::WepKey, "zzzzz");
    EXPECT_EQ(security().wepKeyText(), "zzzzz");
    EXPECT_EQ(model.context().working.wepKey, "abcde");
}

// Ad hoc mode is refused under WPA; it takes manual addressing, refuses DHCP
// and leaves no WPA method. An ad hoc record on DHCP that still names
// WPA2-PSK is shown with manual addressing and keeps its method.
TEST_F(ConnectedWindow, AdhocNeedsOpenSecurityAndManualAddressing) {
    connect(SampleRecord());  // WPA2-PSK, infrastructure
    auto notice = network().clickAdhoc();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kAdhocNotAvailable);
    EXPECT_EQ(notice->focus, static_cast<int>(N::InfraRadio));
    EXPECT_EQ(model.context().working.networkMode, code::kInfra);
    EXPECT_TRUE(network().controls()[N::AdhocChannel].enabled);

    auto record = OpenRecord();
    record.ipAssignment = 1;  // DHCP
    connect(record);
    EXPECT_FALSE(network().clickAdhoc());
    EXPECT_EQ(model.context().working.ipAssignmentChoice, code::kManual);
    EXPECT_FALSE(network().controls()[N::DhcpRadio].enabled);
    EXPECT_TRUE(network().controls()[N::IpAddress].enabled);
    notice = network().clickDhcp();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message, kAdhocNeedsManualIp);
    EXPECT_TRUE(network().controls()[N::ManualRadio].checked);
    model.tabs.selectTab(static_cast<int>(Tab::Security));
    for (auto radio : {S::WpaPsk, S::Wpa2Psk, S::Wpa, S::Wpa2}) EXPECT_FALSE(security().controls()[radio].enabled);
    EXPECT_TRUE(security().controls()[S::OpenSystem].enabled);

    record = SampleRecord();
    record.networkMode = code::kAdhoc;
    record.ipAssignment = 1;
    connect(record);
    EXPECT_TRUE(network().controls()[N::ManualRadio].checked);
    EXPECT_EQ(model.buildConfig().ipAssignment, 0);
    model.tabs.selectTab(static_cast<int>(Tab::Security));
    EXPECT_FALSE(security().controls()[S::Wpa2Psk].enabled);
    EXPECT_TRUE(security().controls()[S::Wpa2Psk].checked);
}

}  // namespace
}  // namespace corvane::rules::test
