// Profiles: what a profile takes from a record, the secrets an import needs,
// and spreading a profile over another printer's record through the rules.
#include <gtest/gtest.h>

#include "rules/profile.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;

Profile Of(std::initializer_list<std::pair<const std::string, FieldValue>> values) { return Profile{values}; }

TEST(Profile, HoldsTheSharedSettingsAndOnlyAskedForSecretsAndAddresses) {
    const auto record = SampleRecord();
    const Profile plain = MakeProfile(record, ConfigLayout::Newer, {});
    EXPECT_EQ(plain.values.size(), 19u);
    EXPECT_EQ(plain.values.at("ssid"), FieldValue{std::string("shop-wlan")});
    for (const char* absent : {"printerName", "userId", "userPassword", "printerPort", "ipAddress", "pskKey", "wepKey",
                               "authPassword", "p2pPinCode"})
        EXPECT_EQ(plain.values.count(absent), 0u) << absent;

    const Profile full = MakeProfile(record, ConfigLayout::Newer, {true, true});
    EXPECT_EQ(full.values.size(), 26u);
    EXPECT_EQ(full.values.at("ipAddress"), FieldValue{std::uint32_t{0xC0A8000A}});
    EXPECT_EQ(full.values.at("pskKey"), FieldValue{record.pskKey});
    // The older record has no Wi-Fi Direct fields to share.
    EXPECT_EQ(MakeProfile(OlderRecord(), ConfigLayout::Older, {true, false}).values.size(), 20u);
}

TEST(Profile, MissingSecretsFollowWhatTheProfileSets) {
    struct Case {
        Profile profile;
        ConfigLayout layout;
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        // The sample printer runs WPA2-PSK: a profile that sets the security needs its key.
        {Of({{"authentication", 3u}, {"cipher", 4u}}), ConfigLayout::Newer, {"pskKey"}},
        {Of({{"authentication", 3u}, {"cipher", 4u}, {"pskKey", std::string("k")}}), ConfigLayout::Newer, {}},
        // A profile that leaves the security alone leaves its key alone.
        {Of({{"ssid", std::string("x")}}), ConfigLayout::Newer, {}},
        {Of({{"authentication", 0u}, {"cipher", 1u}}), ConfigLayout::Newer, {"wepKey"}},
        {Of({{"authentication", 0u}, {"cipher", 0u}}), ConfigLayout::Newer, {}},
        {Of({{"authentication", 5u}, {"cipher", 4u}}), ConfigLayout::Newer, {"authPassword"}},
        {Of({{"networkMode", 2u}}), ConfigLayout::Newer, {"p2pPinCode"}},
        {Of({{"networkMode", 0u}}), ConfigLayout::Newer, {}},
    };
    for (const Case& c : cases) {
        const auto base = c.layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
        EXPECT_EQ(MissingSecrets(c.profile, base, c.layout), c.missing) << ::testing::PrintToString(c.missing);
    }
}

TEST(Profile, SpreadRefusesWithTheFieldOrGivesTheRecordTheRulesBuild) {
    struct Case {
        const char* label;
        Profile profile;
        ConfigLayout layout;
        std::string field;  // empty: accepted
        ValueProblem problem = ValueProblem::None;
        std::optional<StringId> message = std::nullopt;
    };
    const std::string longSsid(33, 's');
    const Case cases[] = {
        {"unknown field", Of({{"colour", 1u}}), ConfigLayout::Newer, "colour"},
        {"per-printer field", Of({{"printerName", std::string("x")}}), ConfigLayout::Newer, "printerName"},
        {"number for a text", Of({{"ssid", 7u}}), ConfigLayout::Newer, "ssid", ValueProblem::WrongType},
        {"text too long", Of({{"ssid", longSsid}}), ConfigLayout::Newer, "ssid", ValueProblem::TooLong},
        {"code out of range", Of({{"cipher", 9u}}), ConfigLayout::Newer, "cipher", ValueProblem::OutOfRange},
        {"time out of range", Of({{"inactivityTime", 3601u}}), ConfigLayout::Newer, "inactivityTime",
         ValueProblem::OutOfRange},
        {"empty SSID", Of({{"ssid", std::string()}}), ConfigLayout::Newer, "ssid", ValueProblem::None, kSsidIncorrect},
        {"empty community", Of({{"setCommunity", std::string()}}), ConfigLayout::Newer, "setCommunity",
         ValueProblem::None, kCommunityIncorrect},
        {"empty PSK", Of({{"authentication", 2u}, {"cipher", 4u}, {"pskKey", std::string()}}), ConfigLayout::Newer,
         "pskKey", ValueProblem::None, kPskKeyIncorrect},
        {"short WEP key", Of({{"authentication", 0u}, {"cipher", 1u}, {"wepKey", std::string("abc")}}),
         ConfigLayout::Newer, "wepKey", ValueProblem::None, kWepKeyInvalid},
        {"ad hoc without channel", Of({{"networkMode", 1u}, {"authentication", 0u}, {"adhocChannel", 0u}}),
         ConfigLayout::Newer, "adhocChannel", ValueProblem::None, kAdhocChannelIncorrect},
        {"ad hoc under WPA", Of({{"networkMode", 1u}}), ConfigLayout::Newer, "networkMode", ValueProblem::None,
         kAdhocNotAvailable},
        {"Wi-Fi Direct on an older printer", Of({{"networkMode", 2u}}), ConfigLayout::Older, "networkMode"},
        {"accepted", Of({{"authentication", 0u}, {"cipher", 1u}, {"wepKey", std::string("ABCDEFGHIJKLM")}}),
         ConfigLayout::Newer, ""},
    };
    for (const Case& c : cases) {
        const auto base = c.layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
        const SpreadResult result = SpreadProfile(c.profile, base, SampleInfo(), c.layout);
        if (c.field.empty()) {
            EXPECT_FALSE(result.refusal) << c.label << ": " << result.refusal->field;
            continue;
        }
        ASSERT_TRUE(result.refusal) << c.label;
        EXPECT_EQ(result.refusal->field, c.field) << c.label;
        EXPECT_EQ(result.refusal->problem, c.problem) << c.label;
        EXPECT_EQ(result.refusal->notice ? std::optional(result.refusal->notice->message) : std::nullopt, c.message)
            << c.label;
    }

    // The WEP key's length settles the cipher, as Save does; the Wi-Fi Direct
    // fields an older printer lacks are named, not refused.
    auto accepted =
        SpreadProfile(cases[std::size(cases) - 1].profile, SampleRecord(), SampleInfo(), ConfigLayout::Newer);
    EXPECT_EQ(accepted.config.cipher, code::kWep128);
    EXPECT_EQ(accepted.config.printerName, SampleRecord().printerName);
    const auto older = SpreadProfile(Of({{"p2pChannel", std::string("11")}, {"ssid", std::string("b")}}), OlderRecord(),
                                     SampleInfo(), ConfigLayout::Older);
    EXPECT_EQ(older.skipped, std::vector<std::string>{"p2pChannel"});
    EXPECT_EQ(older.config.ssid, "b");
}

TEST(Profile, DifferencesNameSecretsWithoutTheirValues) {
    auto after = SampleRecord();
    after.ssid = "other";
    after.pskKey = "changed-key";
    after.ipAddress = 0xC0A8000B;
    after.p2pChannel = "11";
    EXPECT_EQ(DiffRecords(SampleRecord(), after, ConfigLayout::Newer),
              (std::vector<FieldChange>{{"ipAddress", "192.168.0.10", "192.168.0.11", false},
                                        {"ssid", "shop-wlan", "other", false},
                                        {"pskKey", "", "", true},
                                        {"p2pChannel", "6", "11", false}}));
    EXPECT_EQ(DiffRecords(SampleRecord(), after, ConfigLayout::Older).size(), 3u);
}

TEST_F(ConnectedWindow, ShownProfileIsAnUnsavedEditUntilSaved) {
    connect(SampleRecord());
    EXPECT_FALSE(model.hasUnsavedEdits());
    auto imported = SampleRecord();
    imported.ssid = "imported";
    model.showRecord(imported);
    EXPECT_EQ(network().text(NetworkControl::Ssid), "imported");
    EXPECT_EQ(model.lastConfig(), SampleRecord());
    EXPECT_TRUE(model.hasUnsavedEdits());
    model.recordSaved(model.buildConfig());
    EXPECT_FALSE(model.hasUnsavedEdits());
}

// Edits are what the pages show beyond what they showed after Connect or the
// last Save: an ad hoc printer on DHCP, which the pages show with manual
// addressing, has none until the user changes something.
TEST_F(ConnectedWindow, UnsavedEditsCompareValuesWithWhatConnectShowed) {
    auto adhocDhcp = SampleRecord();
    adhocDhcp.networkMode = code::kAdhoc;
    adhocDhcp.ipAssignment = 1;
    const std::pair<link::PrinterConfig, link::ConfigLayout> printers[] = {
        {SampleRecord(), link::ConfigLayout::Newer},
        {adhocDhcp, link::ConfigLayout::Newer},
        {OlderRecord(), link::ConfigLayout::Older},
    };
    for (const auto& [record, layout] : printers) {
        connect(record, layout);
        EXPECT_FALSE(model.hasUnsavedEdits()) << record.networkMode;
        system().editText(SystemControl::PrinterName, "Back office");
        EXPECT_TRUE(model.hasUnsavedEdits());
        system().editText(SystemControl::PrinterName, record.printerName);
        EXPECT_FALSE(model.hasUnsavedEdits());
        system().editText(SystemControl::PrinterName, "Back office");
        model.recordSaved(model.buildConfig());
        EXPECT_FALSE(model.hasUnsavedEdits());
        system().editText(SystemControl::PrinterName, "Front");
        model.Disconnect();
        EXPECT_FALSE(model.hasUnsavedEdits());
    }
}

}  // namespace
}  // namespace corvane::rules::test
