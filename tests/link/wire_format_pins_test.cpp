// The bytes on the wire, written down as numbers and hex from the printers'
// message descriptions: no expected value here comes from the code's own
// tables, so a wrong offset, width or byte order fails even where encoder,
// parser and simulator would agree with each other.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "link/bss.h"
#include "link/discovered_device.h"
#include "link/exchange/certificate_upload.h"
#include "link/framing.h"
#include "link/printer_config.h"

using namespace corvane;
using namespace corvane::link;

namespace {

std::string Hex(ByteSpan bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) text += {"0123456789abcdef"[b >> 4], "0123456789abcdef"[b & 0xF]};
    return text;
}

// Spaces in `hex` only separate the fields.
Bytes FromHex(std::string hex) {
    std::erase(hex, ' ');
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

constexpr int kAbsent = -1;

// Every field of the configuration record: offset in the newer (616-byte) and
// older (603-byte) layout, and width. The gaps are reserved bytes.
struct FieldPin {
    const char* name;
    int newer;
    int older;
    int width;
};
constexpr FieldPin kFieldPins[] = {
    {"printerName", 0, 0, 64},
    {"networkMode", 65, 65, 1},
    {"ipAssignment", 66, 66, 1},
    {"ipAddress", 67, 67, 4},
    {"subnetMask", 71, 71, 4},
    {"gateway", 75, 75, 4},
    {"ssid", 79, 79, 32},
    {"authentication", 111, 111, 1},
    {"cipher", 112, 112, 1},
    {"wepKey", 113, 113, 28},
    {"pskKey", 217, 217, 64},
    {"adhocChannel", 281, 281, 1},
    {"eapMode", 282, 282, 1},
    {"authId", 283, 283, 32},
    {"authPassword", 315, 315, 32},
    {"p2pConnMode", 347, kAbsent, 1},
    {"p2pPinCode", 348, kAbsent, 9},
    {"p2pChannel", 357, kAbsent, 3},
    {"userId", 360, 347, 32},
    {"userPassword", 392, 379, 32},
    {"printerPort", 424, 411, 2},
    {"httpsEnabled", 557, 544, 1},
    {"telnetEnabled", 558, 545, 1},
    {"ftpEnabled", 559, 546, 1},
    {"snmpEnabled", 560, 547, 1},
    {"setCommunity", 562, 549, 16},
    {"getCommunity", 578, 565, 16},
    {"trapCommunity", 594, 581, 16},
    {"trapAddress", 610, 597, 4},
    {"inactivityTime", 614, 601, 2},
};

}  // namespace

TEST(WireFormatPins, EveryConfigFieldSitsAtItsOffsetWithItsWidth) {
    for (const auto& [layout, size] : {std::pair{ConfigLayout::Newer, 616u}, std::pair{ConfigLayout::Older, 603u}}) {
        ASSERT_EQ(ConfigSize(layout), size);
        for (const FieldPin& pin : kFieldPins) {
            const int offset = layout == ConfigLayout::Newer ? pin.newer : pin.older;
            if (offset == kAbsent) continue;
            // Distinct bytes across the field (so a swapped or shifted read
            // shows), zero everywhere else: parsed and written back, exactly
            // these bytes must come back and nothing else.
            Bytes record(size, 0);
            for (int k = 0; k < pin.width; ++k)
                record[static_cast<std::size_t>(offset + k)] = static_cast<std::uint8_t>(0x41 + k % 26);
            EXPECT_EQ(SerializeConfig(ParseConfigRecord(record, layout), layout), record)
                << pin.name << (layout == ConfigLayout::Newer ? " newer" : " older");
        }
    }
}

TEST(WireFormatPins, NumbersAreBigEndianAtFixedOffsets) {
    PrinterConfig c;
    c.ipAddress = {192, 168, 0, 10};
    c.printerPort = 9100;
    c.inactivityTime = 3600;
    c.trapAddress = {10, 0, 0, 1};
    const struct {
        ConfigLayout layout;
        std::size_t port, trap, inactivity;
    } layouts[] = {{ConfigLayout::Newer, 424, 610, 614}, {ConfigLayout::Older, 411, 597, 601}};
    for (const auto& l : layouts) {
        const Bytes r = SerializeConfig(c, l.layout);
        EXPECT_EQ(Hex(ByteSpan(r).subspan(67, 4)), "c0a8000a");
        EXPECT_EQ(Hex(ByteSpan(r).subspan(l.port, 2)), "238c");
        EXPECT_EQ(Hex(ByteSpan(r).subspan(l.trap, 4)), "0a000001");
        EXPECT_EQ(Hex(ByteSpan(r).subspan(l.inactivity, 2)), "0e10");
    }
}

TEST(WireFormatPins, WholeRequestsAsHex) {
    const struct {
        const char* what;
        Bytes built;
        std::string hex;
    } cases[] = {
        {"configuration mode", std::apply([](auto... b) { return Bytes{b...}; }, ModeCommand(kModeConfig)),
         "1f57437f1d1f03"},
        {"SYS_REQ", BuildTagOnlyMessage(tag::kSysReq), "5f5f5b495f465d5f5f5b5359535f5245515d defa"},
        {"IF__GET", BuildTagOnlyMessage(tag::kIfGet), "5f5f5b495f465d5f5f5b49465f5f4745545d e50d"},
        {"BSS_REQ", BuildBssRequest(), "5f5f5b495f465d5f5f5b4253535f5245515d f000"},
        // The frame carries the message as text; DE FA is written "-e/a".
        {"SYS_REQ frame", EncodeFrame(BuildTagOnlyMessage(tag::kSysReq)),
         "1f5743" + Hex(AsBytes("5f5f5b495f465d5f5f5b5359535f5245515d-e/a")) + "03"},
        {"FIND", link::BuildDiscoveryRequest(link::ListMode::Ethernet), "46494e44"},
        {"PRT_REG", link::BuildDiscoveryRequest(link::ListMode::Wlan), "5f5f5b495f465d5f5f5b5052545f5245475d"},
        // Certificate chunk: tag, offset and length little-endian, the data,
        // then the CRC-32 of all of it, high byte first.
        {"FW_CERT chunk", BuildCertificateChunk(AsBytes("AB"), 0x01020304, false),
         "5f5f5b495f465d5f5f5b46575f434552545d 04030201 02000000 4142 07283143"},
        {"CRC check value", AppendCrc32(AsBytes("123456789")), "313233343536373839 89a1897f"},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(c.built), Hex(FromHex(c.hex))) << c.what;
}

TEST(WireFormatPins, ChecksumOfOddLengthsAndDoubleCarry) {
    const struct {
        std::string hex;
        std::uint16_t sum;
    } cases[] = {
        {"01", 0xFEFF},            // a lone byte is the high half of a word
        {"123456", 0x97CB},        // 0x1234 + 0x5600
        {"ffffffff01", 0xFEFF},    // odd, with carries
        {"ffffffff0001", 0xFFFE},  // 0x1FFFF: the first fold carries again
        {"", 0xFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(InternetChecksum(FromHex(c.hex)), c.sum) << c.hex;
}

TEST(WireFormatPins, DiscoveryAnswerFieldsAtTheirOffsets) {
    // Answers whose byte n holds the value n: each field then reads as the
    // offsets it was taken from.
    const auto answer = [](std::string_view tagText, std::size_t total) {
        Bytes d = ToBytes(tagText);
        while (d.size() < total) d.push_back(static_cast<std::uint8_t>(d.size()));
        return d;
    };
    const struct {
        link::ListMode mode;
        Bytes datagram;
        int mac, ip, mask, gateway, port, baud, version, dhcp, inactivity, https, feature, reserved;
    } cases[] = {
        {link::ListMode::Ethernet, answer("IMIN", 31), 4, 10, 14, 18, 22, 24, 25, 27, 28, 30, 0, 0},
        {link::ListMode::Wlan, answer(link::kRegisterAnswer, 47), 18, 24, 28, 32, 36, 38, 39, 41, 42, 44, 45, 46},
    };
    // True when `field` holds from, from + 1, ...: the bytes at offsets from on.
    const auto runFrom = [](const auto& field, int from) {
        for (std::size_t i = 0; i < field.size(); ++i)
            if (field[i] != from + static_cast<int>(i)) return false;
        return true;
    };
    for (const auto& c : cases) {
        const auto a = link::ClassifyDiscoveryAnswer(c.mode, c.datagram);
        ASSERT_EQ(a.kind, link::DiscoveryAnswer::Kind::Device);
        const link::DiscoveredDevice& d = a.device;
        EXPECT_TRUE(runFrom(d.macAddress(), c.mac) && runFrom(d.ipAddress().octets(), c.ip) &&
                    runFrom(d.subnetMask().octets(), c.mask) && runFrom(d.gateway().octets(), c.gateway) && d.dhcp());
        // Words high byte first: the byte at n, then n + 1.
        EXPECT_EQ((std::vector<int>{d.port(), d.baudCode(), d.firmwareMajor(), d.firmwareMinor(), d.inactivityTime(),
                                    d.featureCode(), d.reservedByte()}),
                  (std::vector<int>{c.port * 256 + c.port + 1, c.baud, c.version, c.version + 1,
                                    c.inactivity * 256 + c.inactivity + 1, c.feature, c.reserved}));
        // The settings request sends the record back: 26 bytes behind "SETT"
        // (no HTTPS flag), all 29 behind the WLAN tag.
        const Bytes request = link::BuildSettingsRequest(d);
        const bool wlan = c.mode == link::ListMode::Wlan;
        EXPECT_EQ(request.size(), wlan ? 47u : 30u);
        EXPECT_EQ(request.back(), wlan ? 46 : 29);
    }
}

TEST(WireFormatPins, SurveyAnswerAsHex) {
    // One record: SSID "ab", BSSID 00-1A-2B-3C-4D-5E, ad hoc, RSSI FF C4,
    // security WEP64 + WPA2.
    // Tag | SSID element | BSSID element | mode | RSSI | security | checksum.
    const Bytes message = FromHex("5f5f5b495f465d5f5f5b4253535f5253505d 00026162 0106001a2b3c4d5e 01 ffc4 09 4fcb");
    BssTable table;
    ASSERT_TRUE(ParseBssResponse(message, table));
    ASSERT_EQ(ShownBssCount(table), 1u);
    EXPECT_EQ(BssRowTexts(0, table[0]),
              (std::array<std::string, 6>{"1", "ab", "00-1A-2B-3C-4D-5E", "Ad hoc", "-60", "WEP64/WPA2"}));
}

TEST(WireFormatPins, EachValidEndIsAccepted) {
    using link::ListMode;
    using Kind = link::DiscoveryAnswer::Kind;
    // Shortest answers still taken.
    EXPECT_EQ(link::ClassifyDiscoveryAnswer(ListMode::Wlan, ToBytes(std::string(link::kRegisterAnswer) + "x")).kind,
              Kind::Device);
    EXPECT_EQ(link::ClassifySettingsAnswer(ListMode::Ethernet, ToBytes("SETCx")), 41);
    EXPECT_EQ(link::ClassifySettingsAnswer(ListMode::Wlan, ToBytes("SETC" + std::string(15, 'x'))), 41);
    EXPECT_EQ(link::ClassifySettingsAnswer(ListMode::Wlan, ToBytes(std::string(link::kWlanSetConfirm) + "x")), 43);
    // The longest reply frame of the older layout, and one byte more.
    EXPECT_EQ(LayoutForReplyLength(1252), ConfigLayout::Older);
    EXPECT_EQ(LayoutForReplyLength(1253), ConfigLayout::Newer);
    // A system answer of exactly 72 bytes, tag and checksum included.
    Bytes content = ToBytes(tag::kSysRsp);
    content.resize(70, 0x31);
    EXPECT_TRUE(ParseSystemInfo(BuildIfMessage(content)).has_value());
    content.resize(68);
    EXPECT_FALSE(ParseSystemInfo(BuildIfMessage(content)).has_value());
    // A network name of 30 bytes, the longest a survey record may carry.
    Bytes survey = ToBytes(tag::kBssRsp);
    const Bytes record = FromHex("001e" + std::string(60, '6') + " 0106 010203040506 00 0000 00");
    survey.insert(survey.end(), record.begin(), record.end());
    BssTable table;
    ASSERT_TRUE(ParseBssResponse(BuildIfMessage(survey), table));
    EXPECT_EQ(BssSsid(table[0]), std::string(30, 'f'));
}

TEST(WireFormatPins, BaudCodesAndVersionTexts) {
    const std::uint8_t codes[] = {0xA0, 0xD0, 0xE8, 0xF4, 0xFA, 0xFD, 0xFE, 0xFF, 0xBB};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(link::BaudCodeForIndex(i), codes[i]) << i;
        EXPECT_EQ(link::IndexForBaudCode(codes[i]), i) << i;
    }
    // Only 0.0 stands for a version the printer did not report.
    const std::pair<std::array<std::uint8_t, 2>, const char*> versions[] = {
        {{0, 0}, "N/A"}, {{0, 5}, "0.5"}, {{1, 0}, "1.0"}, {{2, 13}, "2.13"}};
    for (const auto& [v, text] : versions) EXPECT_EQ(link::FormatVersion(v[0], v[1]), text);
}
