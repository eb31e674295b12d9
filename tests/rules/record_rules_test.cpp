// A record spread over the pages and built back; the summary of a written record.
#include <gtest/gtest.h>

#include <ostream>

#include "rules/summary_rows.h"
#include "rules_fixture.h"

namespace corvane::link {
// Readable layout names in test output.
static void PrintTo(ConfigLayout layout, std::ostream* os) {
    *os << (layout == ConfigLayout::Newer ? "Newer" : "Older");
}
}  // namespace corvane::link

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;
using N = NetworkControl;

class RoundTrip : public ConnectedWindow, public ::testing::WithParamInterface<ConfigLayout> {};

TEST_P(RoundTrip, RecordComesBackIdentical) {
    const auto layout = GetParam();
    auto record = layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
    record.printerName = std::string(64, 'n');  // longer than the user may type
    record.eapMode = 5;                         // a code without a radio
    record.telnetEnabled = 2;                   // a code the list does not hold
    connect(record, layout);
    EXPECT_EQ(model.buildConfig(), record);
    EXPECT_EQ(model.buildRecordBytes(), link::SerializeConfig(record, layout));
    EXPECT_EQ(model.buildRecordBytes().size(), link::ConfigSize(layout));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, RoundTrip, ::testing::Values(ConfigLayout::Newer, ConfigLayout::Older),
                         [](const auto& test) { return test.param == ConfigLayout::Newer ? "Newer" : "Older"; });

TEST_F(ConnectedWindow, PagesShowTheRecord) {
    auto record = SampleRecord();
    record.ipAssignment = 1;
    connect(record);
    EXPECT_EQ(network().ipAssignmentChoice(), code::kDhcp);
    EXPECT_TRUE(network().controls()[N::DhcpRadio].checked);
    EXPECT_EQ(network().controls()[N::P2pChannel].selection, 1);
    EXPECT_EQ(system().macAddress(), "00-1A-2B-3C-4D-5E");
    EXPECT_EQ(system().confirmPassword(), "secret");
    EXPECT_EQ(model.tabs.protocol.controls()[ProtocolControl::Https].selection, 1);
    EXPECT_EQ(model.buildConfig().ipAssignment, 1);
}

TEST_F(ConnectedWindow, UnmatchedWifiDirectChannelLosesNothing) {
    auto first = SampleRecord();
    connect(first);  // channel "6"
    auto record = SampleRecord();
    record.p2pChannel = "13";
    record.ssid = "other";
    record.inactivityTime = 120;
    model.Disconnect();
    model.onConnected(record, SampleInfo(), ConfigLayout::Newer);
    EXPECT_EQ(network().text(N::Ssid), "other");
    EXPECT_EQ(network().text(N::InactivityTime), "120");
    EXPECT_EQ(network().text(N::P2pChannel), "13");
    EXPECT_EQ(network().controls()[N::P2pChannel].selection, -1);
    EXPECT_EQ(model.buildConfig().p2pChannel, "13");
}

TEST_F(ConnectedWindow, AdhocRecordIsShownAndWrittenWithManualAddressing) {
    auto record = SampleRecord();
    record.networkMode = code::kAdhoc;
    record.authentication = code::kOpenSystem;
    record.cipher = code::kNone;
    record.ipAssignment = 1;
    connect(record);
    EXPECT_TRUE(network().controls()[N::ManualRadio].checked);
    EXPECT_FALSE(network().controls()[N::DhcpRadio].enabled);
    EXPECT_TRUE(network().controls()[N::AdhocChannel].enabled);
    EXPECT_EQ(model.buildConfig().ipAssignment, 0);
}

TEST_F(ConnectedWindow, OlderPrinterAfterNewerUsesTheOlderLayout) {
    connect(SampleRecord());
    model.Disconnect();
    model.onConnected(OlderRecord(), SampleInfo(), ConfigLayout::Older);
    EXPECT_FALSE(model.context().extendedLayout);
    EXPECT_EQ(model.buildRecordBytes().size(), link::kOlderConfigSize);
    EXPECT_TRUE(model.buildConfig().p2pChannel.empty());
}

std::string Row(const link::PrinterConfig& c, ConfigLayout layout, std::size_t number) {
    return SummaryRows(c, layout)[number - 1].value;
}

TEST(SummaryRows, ValuesFollowCodesAndLayout) {
    auto c = SampleRecord();
    auto rows = SummaryRows(c, ConfigLayout::Newer);
    EXPECT_EQ(rows[0].name, "Printer Name");
    EXPECT_EQ(rows[26].name, "Auth Password/Certification Key(EAP-TLS)");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 2), "9100");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 16), "3600");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 14), "11");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 11), "10.0.0.1");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 24), c.pskKey);  // WPA2-PSK with AES
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 23), "");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 25), "NONE");
    // Labels carry their string-table number for translation; typed values do not.
    EXPECT_EQ(rows[24].valueTextId, 62);
    EXPECT_EQ(rows[14].valueTextId, 0);
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 29), "6");
    EXPECT_EQ(Row(c, ConfigLayout::Older, 28), "");
    EXPECT_EQ(Row(c, ConfigLayout::Older, 30), "");
    EXPECT_EQ(SummaryRows(c, ConfigLayout::Older)[29].name, "P2P Pin Code");

    c.adhocChannel = 0;
    c.authentication = code::kWpa2;
    c.authId = "user";
    c.authPassword = "pw";
    c.networkMode = code::kWifiDirect;
    c.cipher = 9;
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 14), "-");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 25), "EAP-TLS");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 26), "user");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 27), "pw");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 13), "Wi-Fi Direct");
    EXPECT_EQ(Row(c, ConfigLayout::Newer, 22), "Unknown (9)");
    EXPECT_EQ(SummaryRows(c, ConfigLayout::Newer)[21].valueTextId, 0);

    c.authentication = code::kOpenSystem;
    c.cipher = code::kNone;
    for (std::size_t n : {23u, 24u, 26u, 27u}) EXPECT_EQ(Row(c, ConfigLayout::Newer, n), "") << n;
}

}  // namespace
}  // namespace corvane::rules::test
