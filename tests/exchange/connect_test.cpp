#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/config_exchange.h"
#include "link/exchange/link_session.h"
#include "link/exchange/vendor_check.h"
#include "support/sample_records.h"

namespace corvane::link::testing {
namespace {

using namespace std::chrono_literals;

const Bytes kNameRequest{0x1D, 0x49, 0x42};
const Bytes kModeConfigCommand{0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03};
const Bytes kModeRefused = ModeAck(0x7E);

const PrinterSystemInfo kInfo = corvane::test::SampleInfo();
const PrinterConfig kOlder = corvane::test::OlderRecord();

// The whole connect sequence with its pauses; an older printer's 1252-byte
// reply picks the older layout.
TEST(Connect, SuccessfulConversationOnTheWire) {
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    for (const Bytes& r : ConnectReplies(kInfo, kOlder, ConfigLayout::Older)) port.reply(r);
    LinkSession session(port, sleeps.fn());
    ASSERT_EQ(session.connect(), ConnectOutcome::Connected);
    EXPECT_EQ(port.writes, (std::vector<Bytes>{{0x1D, 0x61, 0x00},
                                               kNameRequest,
                                               kModeConfigCommand,
                                               ToolFrame("5f5f5b495f465d5f5f5b5359535f5245515d-e/a"),
                                               kModeConfigCommand,
                                               ToolFrame("5f5f5b495f465d5f5f5b49465f5f4745545d.50d")}));
    EXPECT_EQ(sleeps.waits, (std::vector<std::chrono::milliseconds>{200ms, 100ms}));
    EXPECT_TRUE(session.connected());
    EXPECT_EQ(session.systemInfo(), kInfo);
    EXPECT_EQ(session.config(), kOlder);
    EXPECT_EQ(session.layout(), ConfigLayout::Older);
    EXPECT_EQ(ConfigReply(kOlder, ConfigLayout::Older).size(), 1252u);
}

// The name must be exactly "ZEPHRAN" behind the marker; from the third failed
// read on, the request is sent again.
TEST(VendorCheck, NameReplies) {
    const std::optional<Bytes> none;
    struct Case {
        std::vector<std::optional<Bytes>> replies;
        VendorCheckResult result;
        std::size_t nameRequests;
    };
    const Case cases[] = {
        {{MakerName("\x12")}, VendorCheckResult::Ok, 1},                // status byte first
        {{MakerName("", "ZEPHRAN", false)}, VendorCheckResult::Ok, 1},  // ends with the read
        {{MakerName("", "ZEPHRAX")}, VendorCheckResult::MakerMismatch, 1},
        {{MakerName("", "zephran")}, VendorCheckResult::MakerMismatch, 1},
        {{MakerName("", "ZEPHRANX")}, VendorCheckResult::MakerMismatch, 1},
        {{none, none, MakerName()}, VendorCheckResult::Ok, 1},              // asked again from
        {{none, none, none, none, MakerName()}, VendorCheckResult::Ok, 3},  // the 3rd failure
        {{ToBytes("\x12\x34"), none, none, none}, VendorCheckResult::MakerMismatch, 1},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        port.replies.assign(c.replies.begin(), c.replies.end());
        EXPECT_EQ(VendorCheck(port, NoSleep()), c.result);
        EXPECT_EQ(std::count(port.writes.begin(), port.writes.end(), kNameRequest), c.nameRequests);
    }
}

// A silent printer: 64 reads, a re-sent request after each failure from the
// third, 1 ms pauses between tries and 100 ms at the end.
TEST(VendorCheck, SilentPrinterIsAskedAgainAndGivesUpAfter64Tries) {
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    EXPECT_EQ(VendorCheck(port, sleeps.fn()), VendorCheckResult::MakerMismatch);
    EXPECT_EQ(port.reads, 64);
    EXPECT_EQ(port.writes.size(), 2u + 62u);
    ASSERT_EQ(sleeps.waits.size(), 66u);
    EXPECT_EQ(sleeps.waits[1], 1ms);
    EXPECT_EQ(sleeps.waits.back(), 100ms);
}

// Each failing step closes the port, sends nothing more, and has its message.
TEST(Connect, FailuresCloseThePortAndNameTheirMessage) {
    struct Case {
        bool opens;
        std::vector<Bytes> replies;
        ConnectOutcome outcome;
        std::size_t writes;
    };
    const Case cases[] = {
        {false, {}, ConnectOutcome::PortNotOpened, 0},
        {true, {MakerName("", "OTHERCO")}, ConnectOutcome::MakerMismatch, 2},
        {true, {MakerName(), kModeRefused}, ConnectOutcome::ReadFailed, 3},
        {true, {MakerName(), ModeAck(), Corrupted(SystemReply(kInfo), 64)}, ConnectOutcome::ReadFailed, 4},
        {true, {MakerName(), ModeAck(), SystemReply(kInfo), ModeAck()}, ConnectOutcome::ReadFailed, 6},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        port.opens = c.opens;
        for (const Bytes& r : c.replies) port.reply(r);
        LinkSession session(port, NoSleep());
        EXPECT_EQ(session.connect(), c.outcome);
        EXPECT_FALSE(session.connected() || port.open);
        EXPECT_EQ(port.closeCalls, c.opens ? 1 : 0);
        EXPECT_EQ(port.writes.size(), c.writes);
    }
    EXPECT_EQ(ConnectMessage(ConnectOutcome::PortNotOpened), kUnableToOpenPort);
    EXPECT_EQ(ConnectMessage(ConnectOutcome::MakerMismatch), kUnableToOpenPort);
    EXPECT_EQ(ConnectMessage(ConnectOutcome::ReadFailed), kConnectFailed);
}

// Saving sends IF__SET in a frame and succeeds only on a verified IF__SUC.
TEST(SendConfig, WritesIfSetAndNeedsAVerifiedIfSuc) {
    const Bytes success = ReplyFrame(Tagged(tag::kIfSuc));
    struct Case {
        std::vector<Bytes> replies;
        std::optional<std::size_t> frameWrite;
        bool sent;
    };
    const Case cases[] = {
        {{ModeAck(), success}, std::nullopt, true},
        {{ModeAck(), ReplyFrame(Tagged(tag::kIfCur))}, std::nullopt, false},
        {{ModeAck(), Corrupted(success, 39)}, std::nullopt, false},  // checksum digit
        {{ModeAck(), success}, 0, false},
        {{kModeRefused}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        for (const Bytes& r : c.replies) port.reply(r);
        port.writeResults = {std::nullopt, c.frameWrite};
        EXPECT_EQ(static_cast<bool>(SendConfig(port, kOlder, ConfigLayout::Older)), c.sent);
        if (c.sent) {
            ASSERT_EQ(port.writes.size(), 2u);
            EXPECT_EQ(port.writes[1].size(), 2u * 624u + 4u);
            EXPECT_EQ(DecodeFrameText(port.writes[1]), BuildIfSetMessage(kOlder, ConfigLayout::Older));
        }
    }
}

}  // namespace
}  // namespace corvane::link::testing
