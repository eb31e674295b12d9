// Profiles: the secrets an import needs, spreading a profile over another
// printer's record through the rules, and what counts as an unsaved edit.
#include <gtest/gtest.h>

#include "rules/profile.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;

Profile Of(std::initializer_list<std::pair<const std::string, FieldValue>> values) { return Profile{values}; }
FieldValue T(const char* text) { return std::string(text); }

// An import asks only for the secrets of the security the profile sets.
TEST(Profile, MissingSecretsFollowWhatTheProfileSetsAndSpreadRefusesWithTheField) {
    const std::pair<Profile, std::vector<std::string>> cases[] = {
        // The sample printer runs WPA2-PSK: a profile that sets the security needs its key.
        {Of({{"authentication", 3u}, {"cipher", 4u}}), {"pskKey"}},
        {Of({{"authentication", 3u}, {"cipher", 4u}, {"pskKey", T("k")}}), {}},
        // A profile that leaves the security alone leaves its key alone.
        {Of({{"ssid", T("x")}}), {}},
        {Of({{"authentication", 0u}, {"cipher", 1u}}), {"wepKey"}},
        {Of({{"authentication", 0u}, {"cipher", 0u}}), {}},
        {Of({{"authentication", 5u}, {"cipher", 4u}}), {"authPassword"}},
        {Of({{"networkMode", 2u}}), {"p2pPinCode"}},
    };
    for (const auto& [profile, missing] : cases)
        EXPECT_EQ(MissingSecrets(profile, SampleRecord(), ConfigLayout::Newer), missing)
            << ::testing::PrintToString(missing);

    // A profile goes onto a record through the page rules: a refusal names its
    // field and its cause.
    struct Case {
        const char* label;
        Profile profile;
        std::string field;   // empty: accepted
        StringId message{};  // 0: refused before the page rules
        ValueProblem problem = ValueProblem::None;
        ConfigLayout layout = ConfigLayout::Newer;
    };
    const Case spreads[] = {
        {"per-printer field", Of({{"printerName", T("x")}}), "printerName"},
        {"unknown field", Of({{"colour", T("x")}}), "colour"},
        {"time out of range", Of({{"inactivityTime", 3601u}}), "inactivityTime", {}, ValueProblem::OutOfRange},
        {"empty community", Of({{"setCommunity", T("")}}), "setCommunity", kCommunityIncorrect},
        {"empty PSK", Of({{"authentication", 2u}, {"cipher", 4u}, {"pskKey", T("")}}), "pskKey", kPskKeyIncorrect},
        {"short WEP key", Of({{"authentication", 0u}, {"cipher", 1u}, {"wepKey", T("abc")}}), "wepKey", kWepKeyInvalid},
        {"ad hoc without channel", Of({{"networkMode", 1u}, {"authentication", 0u}, {"adhocChannel", 0u}}),
         "adhocChannel", kAdhocChannelIncorrect},
        {"ad hoc under WPA", Of({{"networkMode", 1u}}), "networkMode", kAdhocNotAvailable},
        {"Wi-Fi Direct on an older printer",
         Of({{"networkMode", 2u}}),
         "networkMode",
         {},
         ValueProblem::None,
         ConfigLayout::Older},
        {"accepted", Of({{"authentication", 0u}, {"cipher", 1u}, {"wepKey", T("ABCDEFGHIJKLM")}}), ""},
    };
    for (const Case& c : spreads) {
        const auto base = c.layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
        const SpreadResult result = SpreadProfile(c.profile, base, SampleInfo(), c.layout);
        ASSERT_EQ(result.refusal.has_value(), !c.field.empty()) << c.label;
        if (!result.refusal) continue;
        EXPECT_EQ(result.refusal->field, c.field) << c.label;
        EXPECT_EQ(result.refusal->problem, c.problem) << c.label;
        EXPECT_EQ(result.refusal->notice ? result.refusal->notice->message : 0, c.message) << c.label;
    }

    // A DHCP printer is fixed only at an address the profile gives (ad hoc
    // mode takes no DHCP).
    const std::pair<Profile, bool> fixing[] = {
        {Of({{"ipAssignment", 0u}}), true},
        {Of({{"networkMode", 1u}, {"authentication", 0u}, {"cipher", 0u}}), true},
        {Of({{"ipAssignment", 0u}, {"ipAddress", corvane::link::Ipv4Address(192, 168, 0, 20)}}), false},
        {Of({{"ssid", T("x")}}), false},
    };
    auto dhcp = SampleRecord();
    dhcp.ipAssignment = 1;
    for (const auto& [profile, refused] : fixing) {
        const auto result = SpreadProfile(profile, dhcp, SampleInfo(), ConfigLayout::Newer);
        EXPECT_EQ(result.refusal && result.refusal->fixesDhcpAddress, refused)
            << ::testing::PrintToString(profile.values);
    }

    // The WEP key's length settles the cipher, as Save does; the Wi-Fi Direct
    // fields an older printer lacks are named, not refused.
    auto accepted = SpreadProfile(std::rbegin(spreads)->profile, SampleRecord(), SampleInfo(), ConfigLayout::Newer);
    EXPECT_EQ(accepted.config.cipher, code::kWep128);
    const auto older = SpreadProfile(Of({{"p2pChannel", T("11")}, {"ssid", T("b")}}), OlderRecord(), SampleInfo(),
                                     ConfigLayout::Older);
    EXPECT_EQ(older.skipped, std::vector<std::string>{"p2pChannel"});
    // Nor does a profile of an older printer hold them.
    EXPECT_EQ(MakeProfile(OlderRecord(), ConfigLayout::Older, {true, true}).values.count("p2pChannel"), 0u);
    // The address assignment goes with the addresses, the write community
    // with the secrets.
    for (const bool included : {false, true}) {
        const Profile exported = MakeProfile(SampleRecord(), ConfigLayout::Newer, {included, included});
        EXPECT_EQ(exported.values.count("ipAssignment"), included ? 1u : 0u);
        EXPECT_EQ(exported.values.count("setCommunity"), included ? 1u : 0u);
    }
    EXPECT_EQ(older.config.ssid, "b");
}

// Edits are what the pages show beyond what they showed after Connect or the
// last Save: an ad hoc printer on DHCP, which the pages show with manual
// addressing, has none. (A shown profile is one until saved: the window's
// profile test.)
TEST_F(ConnectedWindow, UnsavedEditsCompareValuesWithWhatConnectShowed) {
    auto adhocDhcp = SampleRecord();
    adhocDhcp.networkMode = code::kAdhoc;
    adhocDhcp.ipAssignment = 1;
    connect(adhocDhcp);
    EXPECT_FALSE(model.hasUnsavedEdits());
    connect(OlderRecord(), link::ConfigLayout::Older);
    EXPECT_FALSE(model.hasUnsavedEdits());
    system().editText(SystemControl::PrinterName, "Back office");
    EXPECT_TRUE(model.hasUnsavedEdits());
    system().editText(SystemControl::PrinterName, OlderRecord().printerName);
    EXPECT_FALSE(model.hasUnsavedEdits());
    system().editText(SystemControl::PrinterName, "Back office");

    model.recordSaved(model.buildConfig());
    EXPECT_FALSE(model.hasUnsavedEdits());
    system().editText(SystemControl::PrinterName, "Front");
    model.Disconnect();
    EXPECT_FALSE(model.hasUnsavedEdits());
}

}  // namespace
}  // namespace corvane::rules::test
