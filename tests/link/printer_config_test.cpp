#include "link/printer_config.h"

#include <gtest/gtest.h>

#include "link/framing.h"

using namespace corvane;
using namespace corvane::link;

namespace {

PrinterConfig SampleConfig() {
    PrinterConfig c;
    c.printerName = std::string(64, 'N');  // fills the field, no terminator
    c.networkMode = 2;
    c.ipAssignment = 1;
    c.ipAddress = 0xC0A8000A;
    c.subnetMask = 0xFFFFFF00;
    c.gateway = 0xC0A80001;
    c.ssid = "shop-floor";
    c.authentication = 3;
    c.cipher = 4;
    c.wepKey = "0123456789abcdef0123456789";
    c.pskKey = std::string(64, 'k');
    c.adhocChannel = 14;
    c.eapMode = 5;
    c.authId = "alice";
    c.authPassword = "secret";
    c.p2pConnMode = 1;
    c.p2pPinCode = "12345678";
    c.p2pChannel = "11";
    c.userId = "admin";
    c.userPassword = "pass";
    c.printerPort = 9100;
    c.httpsEnabled = 1;
    c.telnetEnabled = 0;
    c.ftpEnabled = 1;
    c.snmpEnabled = 1;
    c.setCommunity = "private";
    c.getCommunity = "public";
    c.trapCommunity = std::string(16, 't');
    c.trapAddress = 0x0A000001;
    c.inactivityTime = 3600;
    return c;
}

Bytes Message(std::string_view tagText, const Bytes& body) {
    Bytes content = ToBytes(tagText);
    content.insert(content.end(), body.begin(), body.end());
    return BuildIfMessage(content);
}

std::size_t Offset(const char* name, ConfigLayout layout) {
    const ConfigField* f = FindConfigField(name);
    EXPECT_NE(f, nullptr) << name;
    return f ? f->offset(layout) : 0;
}

}  // namespace

TEST(PrinterConfigRecord, FieldOffsetsOfBothLayouts) {
    EXPECT_EQ(Offset("userId", ConfigLayout::Newer), 360u);
    EXPECT_EQ(Offset("userId", ConfigLayout::Older), 347u);
    EXPECT_EQ(Offset("p2pConnMode", ConfigLayout::Newer), 347u);
    EXPECT_FALSE(FindConfigField("p2pConnMode")->inLayout(ConfigLayout::Older));
    EXPECT_EQ(FindConfigField("nonsense"), nullptr);

    // No two fields overlap and all fit in their layout.
    for (const auto layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        std::vector<int> owner(ConfigSize(layout), 0);
        for (const ConfigField& f : ConfigFields()) {
            if (!f.inLayout(layout)) continue;
            ASSERT_LE(f.offset(layout) + f.width, ConfigSize(layout)) << f.name;
            for (std::size_t i = 0; i < f.width; ++i) EXPECT_EQ(owner[f.offset(layout) + i]++, 0) << f.name;
        }
    }
}

TEST(PrinterConfigRecord, NumbersAreBigEndianAtTheirOffsets) {
    const PrinterConfig c = SampleConfig();
    for (const auto layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        const Bytes r = SerializeConfig(c, layout);
        ASSERT_EQ(r.size(), ConfigSize(layout));
        const std::size_t port = Offset("printerPort", layout);
        EXPECT_EQ(r[port], 0x23);
        EXPECT_EQ(r[port + 1], 0x8C);
        EXPECT_EQ(Bytes(r.begin() + 67, r.begin() + 71), (Bytes{0xC0, 0xA8, 0x00, 0x0A}));
        const std::size_t inactivity = Offset("inactivityTime", layout);
        EXPECT_EQ(r[inactivity], 0x0E);
        EXPECT_EQ(r[inactivity + 1], 0x10);
        EXPECT_EQ(r[64], 0) << "reserved byte";
    }
    const Bytes older = SerializeConfig(c, ConfigLayout::Older);
    EXPECT_EQ(std::string(older.begin() + 347, older.begin() + 352), "admin");
}

TEST(PrinterConfigRecord, RoundTripsInBothLayouts) {
    const PrinterConfig c = SampleConfig();
    EXPECT_EQ(ParseConfigRecord(SerializeConfig(c, ConfigLayout::Newer), ConfigLayout::Newer), c);

    PrinterConfig withoutDirect = c;
    withoutDirect.p2pConnMode = 0;
    withoutDirect.p2pPinCode.clear();
    withoutDirect.p2pChannel.clear();
    EXPECT_EQ(ParseConfigRecord(SerializeConfig(c, ConfigLayout::Older), ConfigLayout::Older), withoutDirect);
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

TEST(PrinterConfigMessage, IfSetLengthsAndTag) {
    const Bytes newer = BuildIfSetMessage(SampleConfig(), ConfigLayout::Newer);
    const Bytes older = BuildIfSetMessage(SampleConfig(), ConfigLayout::Older);
    EXPECT_EQ(newer.size(), 636u);
    EXPECT_EQ(older.size(), 624u);
    EXPECT_TRUE(VerifyIfMessage(newer, tag::IfSet));
    EXPECT_TRUE(VerifyIfMessage(older, tag::IfSet));
}

TEST(PrinterConfigMessage, ParseConfigChecksTagAndChecksum) {
    const PrinterConfig c = SampleConfig();
    const Bytes good = Message(tag::IfCur, SerializeConfig(c, ConfigLayout::Newer));
    ASSERT_TRUE(ParseConfig(good, ConfigLayout::Newer).has_value());
    EXPECT_EQ(*ParseConfig(good, ConfigLayout::Newer), c);

    Bytes corrupted = good;
    corrupted[100] ^= 0x01;
    EXPECT_FALSE(ParseConfig(corrupted, ConfigLayout::Newer));
    EXPECT_FALSE(ParseConfig(Message(tag::IfSet, SerializeConfig(c, ConfigLayout::Newer)), ConfigLayout::Newer));
    EXPECT_FALSE(ParseConfig(Bytes{}, ConfigLayout::Newer));
    EXPECT_FALSE(ParseConfig(ToBytes("__[I_F]__"), ConfigLayout::Newer));
}

TEST(PrinterConfigMessage, ShortAndLongRepliesAreReadSafely) {
    // Only the printer name arrives: everything after reads as 0.
    const Bytes shortReply = Message(tag::IfCur, ToBytes("Counter-1"));
    const auto parsed = ParseConfig(shortReply, ConfigLayout::Newer);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->printerName, "Counter-1");
    EXPECT_EQ(parsed->inactivityTime, 0);

    // A newer record read with the older layout takes only its first 603 bytes.
    Bytes longBody = SerializeConfig(SampleConfig(), ConfigLayout::Newer);
    longBody.resize(2000, 0xFF);
    const auto older = ParseConfig(Message(tag::IfCur, longBody), ConfigLayout::Older);
    ASSERT_TRUE(older);
    EXPECT_EQ(older->printerName, SampleConfig().printerName);
}

TEST(PrinterConfigMessage, ReplyLengthSelectsLayout) {
    EXPECT_EQ(LayoutForReplyLength(1252), ConfigLayout::Older);
    EXPECT_EQ(LayoutForReplyLength(1253), ConfigLayout::Newer);
    EXPECT_EQ(LayoutForReplyLength(1276), ConfigLayout::Newer);
    EXPECT_EQ(LayoutForReplyLength(0), ConfigLayout::Older);
    // The frame of each real IF__CUR answer has the length that selects it.
    for (const auto layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        const Bytes frame = EncodeFrame(Message(tag::IfCur, SerializeConfig(SampleConfig(), layout)));
        EXPECT_EQ(LayoutForReplyLength(frame.size()), layout);
    }
}

TEST(PrinterSystemInfoMessage, ParsesOnlyCompleteVerifiedReplies) {
    PrinterSystemInfo info;
    info.firmwareVersion = "1.02.7";
    info.updateDate = std::string(32, 'd');
    info.macAddress = {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC};
    const Bytes good = Message(tag::SysRsp, SerializeSystemInfo(info));
    ASSERT_EQ(good.size(), 74u);
    const auto parsed = ParseSystemInfo(good);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, info);
    EXPECT_EQ(FormatMacUpper(parsed->macAddress), "00-11-22-AA-BB-CC");

    Bytes shortBody = SerializeSystemInfo(info);
    shortBody.resize(50);  // a 70-byte message: below tag plus record
    EXPECT_FALSE(ParseSystemInfo(Message(tag::SysRsp, shortBody)));
    EXPECT_FALSE(ParseSystemInfo(Message(tag::SysReq, SerializeSystemInfo(info))));
    Bytes corrupted = good;
    corrupted[20] ^= 0x40;
    EXPECT_FALSE(ParseSystemInfo(corrupted));
}
