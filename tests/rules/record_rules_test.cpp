// A record spread over the pages and built back, a record from a file put
// through the window's rules, and the summary of a written record.
#include <gtest/gtest.h>

#include <functional>

#include "rules/record_edit.h"
#include "rules/summary_rows.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;
using link::PrinterConfig;
using N = NetworkControl;

// Values the user could not enter and codes without a control come back as
// they were, in both layouts. A second printer's record replaces the first
// one's whole: a Wi-Fi Direct channel the list lacks is kept, and an older
// printer's record is written in its own layout.
TEST_F(ConnectedWindow, RecordComesBackIdenticalAndTheNextPrinterTakesItsOwnRecordAndLayout) {
    for (const auto layout : {ConfigLayout::Newer, ConfigLayout::Older}) {
        auto record = layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
        record.printerName = std::string(64, 'n');  // longer than the user may type
        record.eapMode = 5;                         // a code without a radio
        record.telnetEnabled = 2;                   // a code the list does not hold
        record.ipAssignment = 1;                    // DHCP
        connect(record, layout);
        EXPECT_EQ(model.buildConfig(), record);
        EXPECT_EQ(model.buildRecordBytes(), link::SerializeConfig(record, layout));
        EXPECT_EQ(model.buildRecordBytes().size(), link::ConfigSize(layout));
    }
    connect(SampleRecord());
    EXPECT_EQ(network().controls()[N::P2pChannel].selection, 1);  // "6"
    model.Disconnect();
    auto record = SampleRecord();
    record.p2pChannel = "13";
    model.onConnected(record, SampleInfo(), ConfigLayout::Newer);
    EXPECT_EQ(network().controls()[N::P2pChannel].selection, -1);
    EXPECT_EQ(model.buildConfig().p2pChannel, "13");

    model.Disconnect();
    model.onConnected(OlderRecord(), SampleInfo(), ConfigLayout::Older);
    EXPECT_EQ(model.buildRecordBytes().size(), link::kOlderConfigSize);
    EXPECT_TRUE(model.buildConfig().p2pChannel.empty());
}

void WifiDirect(PrinterConfig& c) { c.networkMode = code::kWifiDirect; }
void OpenAdhoc(PrinterConfig& c) {
    c.networkMode = code::kAdhoc;
    c.authentication = code::kOpenSystem;
    c.cipher = code::kNone;
}

// A record from a file goes through the window's own rules: what a user could
// not type, click or pick in the window is refused.
TEST(RecordEdit, TakesOnlyWhatTheWindowTakes) {
    using P = PrinterConfig&;
    struct Case {
        const char* name;
        std::function<void(PrinterConfig&)> edit;
        StringId message;  // none: accepted
        const char* field = "";
        ConfigLayout layout = ConfigLayout::Newer;
    };
    const Case cases[] = {
        {"PinWithLetters", [](P c) { WifiDirect(c), c.p2pPinCode = "12ab5678"; }, kIncorrectPin, "p2pPinCode"},
        {"PinOfEightDigits", [](P c) { WifiDirect(c), c.p2pPinCode = "87654321"; }, {}},
        // The PIN edit is open in Wi-Fi Direct mode only.
        {"PinOutsideWifiDirect", [](P c) { c.p2pPinCode = "87654321"; }, kSettingNotAvailable, "p2pPinCode"},
        {"ChannelNotListed", [](P c) { WifiDirect(c), c.p2pChannel = "13"; }, kSettingNotAvailable, "p2pChannel"},
        {"NameOfSixtySixBytes", [](P c) { c.printerName = "€€€€€€€€€€€€€€€€€€€€€€"; }, kTextTooLong, "printerName"},
        {"PortOutOfRange", [](P c) { c.printerPort = 40000; }, kPortOutOfRange, "printerPort"},
        {"AdhocUnderWpa", [](P c) { c.networkMode = code::kAdhoc; }, kAdhocNotAvailable, "networkMode"},
        {"AdhocWithOpenSystem", OpenAdhoc, {}},
        {"AdhocWithDhcp", [](P c) { OpenAdhoc(c), c.ipAssignment = 1; }, kAdhocNeedsManualIp, "ipAssignment"},
        {"WifiDirectOnAnOlderPrinter", WifiDirect, kSettingNotAvailable, "networkMode", ConfigLayout::Older},
        {"WepKeyWithoutWep", [](P c) { c.wepKey = "abcde"; }, kSettingNotAvailable, "wepKey"},
        {"EapNoneHasNoRadio", [](P c) { c.eapMode = 5; }, kSettingNotAvailable, "eapMode"},
        // A name longer than the edit takes, as the printer had it, goes back as it was.
        {"UnchangedLongName", [](P) {}, {}},
    };
    for (const Case& c : cases) {
        PrinterConfig printer = c.layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
        printer.printerName = std::string(40, 'n');
        PrinterConfig edited = printer;
        c.edit(edited);
        const RecordEditPlan plan = PlanRecordEdit(printer, edited, SampleInfo(), c.layout);
        EXPECT_EQ(plan.refusal ? plan.refusal->message : 0, c.message) << c.name;
        EXPECT_EQ(plan.refusal ? plan.field : "", c.field) << c.name;
        if (!plan.refusal) {
            EXPECT_EQ(plan.config, edited) << c.name;
        }
    }
}

// Summary values: texts whole at their field's width, labels for codes, a
// label for an unknown code, nothing for what the older layout lacks; the
// secret rows shown follow the authentication and cipher.
TEST(SummaryRows, ValuesAndSecretRowsFollowCodesAndLayout) {
    auto c = SampleRecord();
    const auto rows = SummaryRows(c, ConfigLayout::Newer);
    EXPECT_EQ(rows[23].value, c.pskKey);  // 64 hexadecimal digits, the whole field, shown whole
    // Numbers and addresses whole, though their fields are two and four bytes wide.
    EXPECT_EQ(std::pair(rows[1].value, rows[17].value), std::pair(std::string("9100"), std::string("192.168.0.10")));
    // Labels carry their string-table number for translation; typed values do not.
    EXPECT_EQ(rows[24].valueTextId, 62);
    EXPECT_EQ(rows[14].valueTextId, 0);
    EXPECT_EQ(SummaryRows(c, ConfigLayout::Older)[29].value, "");  // no P2P PIN code
    // A dash stands for no ad hoc channel, not for channel 1.
    for (const auto& [channel, shown] : {std::pair{0, "-"}, std::pair{1, "1"}}) {
        c.adhocChannel = static_cast<std::uint8_t>(channel);
        EXPECT_EQ(SummaryRows(c, ConfigLayout::Newer)[13].value, shown);
    }
    c.networkMode = code::kWifiDirect;
    c.cipher = 9;
    const auto changed = SummaryRows(c, ConfigLayout::Newer);
    EXPECT_EQ(changed[12].value, "Wi-Fi Direct");
    EXPECT_EQ(changed[21].value, "Unknown (9)");
    EXPECT_EQ(changed[21].valueTextId, 0);

    // Which key and EAP rows a record shows follows its authentication and cipher.
    const std::string kWep26 = "0123456789abcdef0123456789";  // the longest key, shown whole
    // Rows 23 to 28: WEP key, PSK key, EAP mode, auth ID, auth password, P2P mode.
    using Rows = std::array<std::string, 6>;
    const std::tuple<int, int, int, ConfigLayout, Rows> cases[] = {
        {code::kOpenSystem, code::kNone, 2, ConfigLayout::Newer, {"", "", "NONE", "", "", "1"}},
        {code::kOpenSystem, code::kWep64, 2, ConfigLayout::Newer, {kWep26, "", "NONE", "", "", "1"}},
        {code::kSharedKey, code::kWep128, 0, ConfigLayout::Older, {kWep26, "", "NONE", "", "", ""}},
        {code::kWpaPsk, code::kTkip, 1, ConfigLayout::Newer, {"", "passphrase", "NONE", "", "", "1"}},
        {code::kWpa2Psk, code::kAesTkip, 0, ConfigLayout::Older, {"", "passphrase", "NONE", "", "", ""}},
        {code::kWpa2Psk, code::kWep64, 0, ConfigLayout::Newer, {kWep26, "", "NONE", "", "", "1"}},
        {code::kWpa, code::kAes, 2, ConfigLayout::Newer, {"", "", "EAP-TLS", "user", "pw", "1"}},
        {code::kWpa2, code::kTkip, 0, ConfigLayout::Older, {"", "", "EAP-PEAP", "user", "pw", ""}},
    };
    auto record = SampleRecord();
    record.wepKey = kWep26;
    record.pskKey = "passphrase";
    record.authId = "user";
    record.authPassword = "pw";
    record.p2pConnMode = 1;
    for (const auto& [authentication, cipher, eapMode, layout, expected] : cases) {
        record.authentication = static_cast<std::uint8_t>(authentication);
        record.cipher = static_cast<std::uint8_t>(cipher);
        record.eapMode = static_cast<std::uint8_t>(eapMode);
        const auto secretRows = SummaryRows(record, layout);
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(secretRows[22 + i].value, expected[i])
                << secretRows[22 + i].name << " with authentication " << authentication << ", cipher " << cipher;
    }
}

}  // namespace
}  // namespace corvane::rules::test
