#include "link/printer_config.h"

#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "support/sample_records.h"

using namespace corvane;
using namespace corvane::link;
using corvane::link::testing::Tagged;

namespace {

// The shared sample with every text at its full width, no terminator.
PrinterConfig FullWidthConfig() {
    PrinterConfig c = test::SampleRecord();
    c.printerName = std::string(64, 'N');
    c.wepKey = "0123456789abcdef0123456789";
    c.trapCommunity = std::string(16, 't');
    c.p2pConnMode = 1;
    c.p2pChannel = "11";
    return c;
}

}  // namespace

// Sample bytes at their offsets in both layouts (newer, older), and the way
// through both layouts and back.
TEST(PrinterConfigRecord, BytesAtTheirOffsetsAndRoundTripInBothLayouts) {
    const PrinterConfig c = FullWidthConfig();
    struct At {
        std::size_t newer, older;
        Bytes bytes;
    };
    const At fields[] = {
        {64, 64, {0x00}},                    // reserved
        {67, 67, {0xC0, 0xA8, 0x00, 0x0A}},  // ipAddress, first octet first
        {217, 217, Bytes(64, 'a')},          // a 64-character key kept whole
        {360, 347, ToBytes("admin")},        // userId, 13 bytes earlier in the older layout
        {424, 411, {0x23, 0x8C}},            // printerPort 9100, high byte first
        {614, 601, {0x0E, 0x10}},            // inactivityTime 3600
    };
    for (const auto layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        const Bytes r = SerializeConfig(c, layout);
        ASSERT_EQ(r.size(), ConfigSize(layout));
        for (const At& f : fields) {
            const std::size_t at = layout == ConfigLayout::Newer ? f.newer : f.older;
            EXPECT_EQ(Bytes(r.begin() + long(at), r.begin() + long(at + f.bytes.size())), f.bytes) << at;
        }
        EXPECT_EQ(ParseConfigRecord(r, layout), layout == ConfigLayout::Newer ? c : test::OlderRecord(c));
        EXPECT_TRUE(VerifyIfMessage(BuildIfSetMessage(c, layout), tag::kIfSet));
    }
    EXPECT_EQ(SerializeConfig(c, ConfigLayout::Newer)[347], 1) << "p2pConnMode";
    EXPECT_FALSE(FindConfigField("p2pConnMode")->inLayout(ConfigLayout::Older));
    EXPECT_EQ(FindConfigField("nonsense"), nullptr);
}

TEST(PrinterConfigRecord, TextsAreCutToTheirWidth) {
    PrinterConfig c;
    c.ssid = std::string(40, 's');
    c.p2pChannel = "1234";
    c.userId = "u";
    const Bytes r = SerializeConfig(c, ConfigLayout::Newer);
    const PrinterConfig back = ParseConfigRecord(r, ConfigLayout::Newer);
    EXPECT_EQ(back.ssid, std::string(32, 's'));
    EXPECT_EQ(back.p2pChannel, "123");
    EXPECT_EQ(back.userId, "u") << "an over-long text must not spill into the next field";
    EXPECT_EQ(r[111], 0) << "authentication after the cut SSID";
}

TEST(PrinterConfigMessage, ParseChecksTagAndChecksumAndReadsAnyLengthSafely) {
    const PrinterConfig c = FullWidthConfig();
    const Bytes good = Tagged(tag::kIfCur, SerializeConfig(c, ConfigLayout::Newer));
    EXPECT_EQ(ParseConfig(good, ConfigLayout::Newer), c);

    Bytes corrupted = good;
    corrupted[100] ^= 0x01;
    EXPECT_FALSE(ParseConfig(corrupted, ConfigLayout::Newer));
    EXPECT_FALSE(ParseConfig(Tagged(tag::kIfSet, SerializeConfig(c, ConfigLayout::Newer)), ConfigLayout::Newer));
    EXPECT_FALSE(ParseConfig(Bytes{}, ConfigLayout::Newer));
    EXPECT_FALSE(ParseConfig(ToBytes("__[I_F]__"), ConfigLayout::Newer));

    // Only the printer name arrives: everything after reads as 0.
    const auto parsed = ParseConfig(Tagged(tag::kIfCur, ToBytes("Counter-1")), ConfigLayout::Newer);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->printerName, "Counter-1");
    EXPECT_EQ(parsed->inactivityTime, 0);

    // An oversized record read with the older layout takes only its first 603 bytes.
    Bytes longBody = SerializeConfig(c, ConfigLayout::Newer);
    longBody.resize(2000, 0xFF);
    const auto older = ParseConfig(Tagged(tag::kIfCur, longBody), ConfigLayout::Older);
    ASSERT_TRUE(older);
    EXPECT_EQ(older->printerName, c.printerName);
}

TEST(PrinterConfigMessage, ReplyLengthSelectsLayout) {
    EXPECT_EQ(LayoutForReplyLength(1252), ConfigLayout::Older);
    EXPECT_EQ(LayoutForReplyLength(1253), ConfigLayout::Newer);
    EXPECT_EQ(LayoutForReplyLength(0), ConfigLayout::Older);
    // The frame of each real IF__CUR answer has the length that selects it.
    for (const auto layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        const Bytes frame = EncodeFrame(Tagged(tag::kIfCur, SerializeConfig(FullWidthConfig(), layout)));
        EXPECT_EQ(LayoutForReplyLength(frame.size()), layout);
    }
}

TEST(PrinterSystemInfoMessage, ParsesOnlyCompleteVerifiedReplies) {
    PrinterSystemInfo info = test::SampleInfo();
    info.updateDate = std::string(32, 'd');
    const Bytes good = Tagged(tag::kSysRsp, SerializeSystemInfo(info));
    ASSERT_EQ(good.size(), 74u);
    const auto parsed = ParseSystemInfo(good);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, info);
    EXPECT_EQ(FormatMacUpper(parsed->macAddress), "00-1A-2B-3C-4D-5E");

    Bytes shortBody = SerializeSystemInfo(info);
    shortBody.resize(50);  // a 70-byte message: below tag plus record
    EXPECT_FALSE(ParseSystemInfo(Tagged(tag::kSysRsp, shortBody)));
    EXPECT_FALSE(ParseSystemInfo(Tagged(tag::kSysReq, SerializeSystemInfo(info))));
    Bytes corrupted = good;
    corrupted[20] ^= 0x40;
    EXPECT_FALSE(ParseSystemInfo(corrupted));
}
