#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/config_exchange.h"
#include "link/exchange/link_session.h"
#include "link/exchange/vendor_check.h"
#include "link/printer_config.h"

namespace corvane::link::testing {
namespace {

using namespace std::chrono_literals;

const Bytes kStatusOff{0x1D, 0x61, 0x00};
const Bytes kNameRequest{0x1D, 0x49, 0x42};
const Bytes kModeConfigCommand{0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03};

Bytes Name(std::string_view before, std::string_view name, bool terminated = true) {
    Bytes reply = ToBytes(before);
    reply.push_back(0x5F);
    reply.insert(reply.end(), name.begin(), name.end());
    if (terminated) {
        reply.push_back(0x00);
    }
    return reply;
}

PrinterSystemInfo SampleInfo() {
    return {"1.02", "2023-04-01", {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC}};
}

PrinterConfig SampleConfig(ConfigLayout layout) {
    PrinterConfig config;
    config.printerName = "Counter 2";
    config.ssid = "shop";
    config.ipAddress = 0xC0A8000A;
    config.printerPort = 9100;
    if (layout == ConfigLayout::Newer) {
        config.p2pPinCode = "12345678";
    }
    return config;
}

Bytes SysRspFrame() { return ReplyFrame(Tagged(tag::SysRsp, SerializeSystemInfo(SampleInfo()))); }
Bytes IfCurFrame(ConfigLayout layout) {
    return ReplyFrame(Tagged(tag::IfCur, SerializeConfig(SampleConfig(layout), layout)));
}

void ScriptConnect(ScriptedLinkPort& port, ConfigLayout layout) {
    port.reply(Name("", "ZEPHRAN"));
    port.reply(ModeAck());
    port.reply(SysRspFrame());
    port.reply(ModeAck());
    port.reply(IfCurFrame(layout));
}

TEST(Connect, SuccessfulConversationOnTheWire) {
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    ScriptConnect(port, ConfigLayout::Newer);
    LinkSession session(port, sleeps.fn());

    ASSERT_EQ(session.connect(), ConnectOutcome::Connected);
    EXPECT_EQ(SysRspFrame().size(), 152u);
    EXPECT_EQ(IfCurFrame(ConfigLayout::Newer).size(), 1276u);
    const std::vector<Bytes> expected{
        kStatusOff, kNameRequest, kModeConfigCommand,
        ToolFrame("5f5f5b495f465d5f5f5b5359535f5245515d-e/a"), kModeConfigCommand,
        ToolFrame("5f5f5b495f465d5f5f5b49465f5f4745545d.50d")};
    EXPECT_EQ(port.writes, expected);
    EXPECT_EQ(sleeps.waits, (std::vector<std::chrono::milliseconds>{200ms, 100ms}));
    EXPECT_TRUE(session.connected());
    EXPECT_EQ(port.closeCalls, 0);
    EXPECT_EQ(session.systemInfo(), SampleInfo());
    EXPECT_EQ(session.config(), SampleConfig(ConfigLayout::Newer));
    EXPECT_TRUE(session.extendedLayout());
    EXPECT_EQ(connectMessage(ConnectOutcome::Connected), kPrinterConnected);
}

TEST(Connect, LayoutFollowsEveryReplyLength) {
    ScriptedLinkPort port;
    LinkSession session(port, NoSleep());
    ScriptConnect(port, ConfigLayout::Newer);
    ASSERT_EQ(session.connect(), ConnectOutcome::Connected);
    session.disconnect();
    EXPECT_FALSE(port.open);

    ScriptConnect(port, ConfigLayout::Older);
    EXPECT_EQ(IfCurFrame(ConfigLayout::Older).size(), 1252u);
    ASSERT_EQ(session.connect(), ConnectOutcome::Connected);
    EXPECT_EQ(port.openCalls, 2);
    EXPECT_EQ(session.layout(), ConfigLayout::Older);
    EXPECT_EQ(session.config(), SampleConfig(ConfigLayout::Older));
}

struct VendorCase {
    const char* name;
    std::vector<std::optional<Bytes>> replies;
    VendorCheckResult result;
    std::size_t writes;
};

class VendorCheckCases : public ::testing::TestWithParam<VendorCase> {};

TEST_P(VendorCheckCases, JudgesTheNameReply) {
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    port.replies.assign(GetParam().replies.begin(), GetParam().replies.end());
    EXPECT_EQ(VendorCheck(port, sleeps.fn()), GetParam().result);
    EXPECT_EQ(port.writes.size(), GetParam().writes);
    for (std::size_t i = 2; i < port.writes.size(); ++i) {
        EXPECT_EQ(port.writes[i], kNameRequest);
    }
}

const std::optional<Bytes> kNone;
INSTANTIATE_TEST_SUITE_P(
    Replies, VendorCheckCases,
    ::testing::Values(
        VendorCase{"StatusByteFirst", {Name("\x12", "ZEPHRAN")}, VendorCheckResult::Ok, 2},
        VendorCase{"NameEndsWithTheRead", {Name("", "ZEPHRAN", false)}, VendorCheckResult::Ok, 2},
        VendorCase{"WrongMaker", {Name("", "ZEPHRAX")}, VendorCheckResult::MakerMismatch, 2},
        VendorCase{"LowerCase", {Name("", "zephran")}, VendorCheckResult::MakerMismatch, 2},
        VendorCase{"LongerName", {Name("", "ZEPHRANX")}, VendorCheckResult::MakerMismatch, 2},
        // Failed reads from the third on ask again.
        VendorCase{"AfterTwoFailures", {kNone, kNone, Name("", "ZEPHRAN")}, VendorCheckResult::Ok, 2},
        VendorCase{"AfterFourFailures",
                   {kNone, kNone, kNone, kNone, Name("", "ZEPHRAN")}, VendorCheckResult::Ok, 4},
        // Something without a marker was read: failures no longer ask again.
        VendorCase{"NoMarkerThenSilence", {ToBytes("\x12\x34"), kNone, kNone, kNone},
                   VendorCheckResult::MakerMismatch, 2}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(VendorCheck, SilentPrinterIsAskedAgainAndGivesUpAfter64Tries) {
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    EXPECT_EQ(VendorCheck(port, sleeps.fn()), VendorCheckResult::MakerMismatch);
    EXPECT_EQ(port.reads, 64);
    EXPECT_EQ(port.writes.size(), 2u + 62u);
    ASSERT_EQ(sleeps.waits.size(), 66u);
    EXPECT_EQ(sleeps.waits.front(), 200ms);
    EXPECT_EQ(sleeps.waits[1], 1ms);
    EXPECT_EQ(sleeps.waits.back(), 100ms);
}

TEST(Connect, FailuresCloseThePortAndNameTheirMessage) {
    Bytes badChecksum = SysRspFrame();
    badChecksum[64] = badChecksum[64] == '0' ? '1' : '0';  // a body byte
    struct Case {
        std::vector<Bytes> replies;
        ConnectOutcome outcome;
        std::size_t writes;
    };
    const Case cases[] = {
        {{Name("", "OTHERCO")}, ConnectOutcome::MakerMismatch, 2},
        {{Name("", "ZEPHRAN"), {0x1F, 0x57, 0x4D, 0x7E}}, ConnectOutcome::ReadFailed, 3},
        {{Name("", "ZEPHRAN"), ModeAck(), badChecksum}, ConnectOutcome::ReadFailed, 4},
        {{Name("", "ZEPHRAN"), ModeAck(), SysRspFrame(), ModeAck()}, ConnectOutcome::ReadFailed, 6},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        for (const Bytes& r : c.replies) port.reply(r);
        LinkSession session(port, NoSleep());
        EXPECT_EQ(session.connect(), c.outcome);
        EXPECT_FALSE(session.connected());
        EXPECT_EQ(port.closeCalls, 1);
        EXPECT_EQ(port.writes.size(), c.writes);
    }
    EXPECT_EQ(connectMessage(ConnectOutcome::MakerMismatch), kUnableToOpenPort);
    EXPECT_EQ(connectMessage(ConnectOutcome::ReadFailed), kConnectFailed);
}

TEST(Connect, PortThatDoesNotOpenSendsNothing) {
    ScriptedLinkPort port;
    port.opens = false;
    LinkSession session(port, NoSleep());
    EXPECT_EQ(session.connect(), ConnectOutcome::PortNotOpened);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_FALSE(connectMessage(ConnectOutcome::PortNotOpened));
}

TEST(SendConfig, WritesIfSetAndNeedsAVerifiedIfSuc) {
    const PrinterConfig config = SampleConfig(ConfigLayout::Newer);
    Bytes corrupted = ReplyFrame(Tagged(tag::IfSuc));
    corrupted[39] = corrupted[39] == '0' ? '1' : '0';  // the checksum
    struct Case {
        std::vector<Bytes> replies;
        std::optional<std::size_t> frameWrite;
        bool sent;
    };
    const Case cases[] = {
        {{ModeAck(), ReplyFrame(Tagged(tag::IfSuc))}, std::nullopt, true},
        {{ModeAck(), ReplyFrame(Tagged(tag::IfCur))}, std::nullopt, false},
        {{ModeAck(), corrupted}, std::nullopt, false},
        {{ModeAck(), ReplyFrame(Tagged(tag::IfSuc))}, 0, false},
        {{{0x1F, 0x57, 0x4D, 0x7E}}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        for (const Bytes& r : c.replies) port.reply(r);
        port.writeResults = {std::nullopt, c.frameWrite};
        EXPECT_EQ(SendConfig(port, config, ConfigLayout::Newer), c.sent);
    }

    ScriptedLinkPort port;
    port.reply(ModeAck());
    port.reply(ReplyFrame(Tagged(tag::IfSuc)));
    ASSERT_TRUE(SendConfig(port, config, ConfigLayout::Older));
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(port.writes[0], kModeConfigCommand);
    EXPECT_EQ(port.writes[1].size(), 2u * 624u + 4u);
    EXPECT_EQ(DecodeFrameText(port.writes[1]), BuildIfSetMessage(config, ConfigLayout::Older));
}

}  // namespace
}  // namespace corvane::link::testing
