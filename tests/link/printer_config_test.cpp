// The records as values: round trips in both layouts, texts cut to their
// fields, and what a received message must be to be read at all. Offsets and
// widths are pinned in wire_format_pins_test.cpp.
#include "link/printer_config.h"

#include <gtest/gtest.h>

#include "link/config_fields.h"

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

// Full-width texts survive both layouts, the older one drops Wi-Fi Direct; an
// over-long text is cut at its width and never spills into the next field.
TEST(PrinterConfigRecord, RoundTripInBothLayoutsTextsCutToTheirWidthAndSecretRanges) {
    const PrinterConfig c = FullWidthConfig();
    for (const auto layout : {ConfigLayout::Older, ConfigLayout::Newer})
        EXPECT_EQ(ParseConfigRecord(SerializeConfig(c, layout), layout),
                  layout == ConfigLayout::Newer ? c : test::OlderRecord(c));

    PrinterConfig longer;
    longer.ssid = std::string(40, 's');
    longer.p2pChannel = "1234";
    longer.userId = "u";
    const Bytes r = SerializeConfig(longer, ConfigLayout::Newer);
    const PrinterConfig back = ParseConfigRecord(r, ConfigLayout::Newer);
    EXPECT_EQ(back.ssid, std::string(32, 's'));
    EXPECT_EQ(back.p2pChannel, "123");
    EXPECT_EQ(back.userId, "u");
    EXPECT_EQ(r[111], 0) << "authentication after the cut SSID";

    // The secrets' bytes, for masking a wire trace: keys, passwords, the PIN
    // and the SNMP write community, where each layout puts them.
    const std::vector<ByteRange> newer{{113, 28}, {217, 64}, {315, 32}, {348, 9}, {392, 32}, {562, 16}};
    const std::vector<ByteRange> older{{113, 28}, {217, 64}, {315, 32}, {379, 32}, {549, 16}};
    EXPECT_EQ(SecretByteRanges(ConfigLayout::Newer), newer);
    EXPECT_EQ(SecretByteRanges(ConfigLayout::Older), older);
}

// IF__CUR needs its tag (its checksum: tests/robustness); any length reads
// without overrun. SYS_RSP likewise.
TEST(PrinterConfigMessage, ParseChecksTagAndChecksumAndReadsAnyLengthSafely) {
    const PrinterConfig c = FullWidthConfig();
    const Bytes good = Tagged(tag::kIfCur, SerializeConfig(c, ConfigLayout::Newer));
    EXPECT_EQ(ParseConfig(good, ConfigLayout::Newer), c);
    for (const Bytes& bad :
         {Tagged(tag::kIfSet, SerializeConfig(c, ConfigLayout::Newer)), Bytes{}, ToBytes("__[I_F]__")})
        EXPECT_FALSE(ParseConfig(bad, ConfigLayout::Newer));

    // Only the printer name arrives: everything after reads as 0.
    const auto parsed = ParseConfig(Tagged(tag::kIfCur, ToBytes("Counter-1")), ConfigLayout::Newer);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->printerName, "Counter-1");
    EXPECT_EQ(parsed->inactivityTime, 0);

    // SYS_RSP: full-width texts round-trip; a wrong tag is refused (a broken
    // checksum: tests/cli).
    PrinterSystemInfo info = test::SampleInfo();
    info.updateDate = std::string(32, 'd');
    EXPECT_EQ(ParseSystemInfo(Tagged(tag::kSysRsp, SerializeSystemInfo(info))), info);
    EXPECT_EQ(FormatMacUpper(info.macAddress), "00-1A-2B-3C-4D-5E");
    EXPECT_FALSE(ParseSystemInfo(Tagged(tag::kSysReq, SerializeSystemInfo(info))));
}
