// The direct link's session: connect, the maker check, save, and a cancel
// arriving in any of its waits.
#include <gtest/gtest.h>

#include <functional>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/certificate_upload.h"
#include "link/exchange/config_exchange.h"
#include "link/exchange/delivery.h"
#include "link/exchange/link_session.h"
#include "link/exchange/vendor_check.h"
#include "support/sample_records.h"

namespace corvane::link::testing {
namespace {

using namespace std::chrono_literals;

const Bytes kNameRequest{0x1D, 0x49, 0x42};
const Bytes kModeConfigCommand{0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03};

const PrinterSystemInfo kInfo = corvane::test::SampleInfo();
const PrinterConfig kOlder = corvane::test::OlderRecord();

// The whole connect sequence with its pauses; an older printer's 1252-byte
// reply picks the older layout.
TEST(Connect, SuccessfulConversationOnTheWireAndSaveNeedsAWholeFrameAndIfSuc) {
    // Saving sends IF__SET in a frame, the older record padded to 624 bytes; a
    // frame cut short or an answer other than IF__SUC fails. What the history
    // makes of each: a frame not written is not sent, a tagged answer under a
    // good checksum is the printer's no, bytes that cannot be read leave the
    // change unconfirmed. (A connect that fails closes the port: tests/ui and
    // Cancel below; which answers fail it, and the answers a save needs:
    // tests/cli.)
    const Bytes confirmation = ReplyFrame(Tagged(tag::kIfSuc));
    const Bytes unreadable(confirmation.begin(), confirmation.begin() + 30);
    for (const auto& [cut, reply, delivery] : {std::tuple{false, confirmation, Delivery::Confirmed},
                                               {true, confirmation, Delivery::NotSent},
                                               {false, ReplyFrame(Tagged(tag::kIfCur)), Delivery::Refused},
                                               {false, unreadable, Delivery::Unconfirmed}}) {
        ScriptedLinkPort port;
        port.replies = {ModeAck(), reply};
        port.writeResults = {std::nullopt, cut ? std::optional<std::size_t>(0) : std::nullopt};
        bool sent = false;
        const auto result = SendConfig(port, kOlder, ConfigLayout::Older, [&sent] { sent = true; });
        EXPECT_EQ(DeliveryOf(result, sent), delivery) << static_cast<int>(delivery);
        ASSERT_EQ(port.writes.size(), 2u);
        EXPECT_EQ(port.writes[1].size(), 2u * 624u + 4u);
        EXPECT_EQ(DecodeFrameText(port.writes[1]), BuildIfSetMessage(kOlder, ConfigLayout::Older));
    }

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
    EXPECT_EQ(session.systemInfo(), kInfo);
    EXPECT_EQ(session.config(), kOlder);
    EXPECT_EQ(session.layout(), ConfigLayout::Older);
    EXPECT_EQ(ConfigReply(kOlder, ConfigLayout::Older).size(), 1252u);
}

// The name must be exactly "ZEPHRAN" behind the marker; from the third failed
// read on, the request is sent again. (A status byte first and another maker:
// tests/cli.) A silent printer: 64 reads, a re-sent request after each
// failure from the third, 1 ms pauses between tries and 100 ms at the end.
TEST(VendorCheck, NameRepliesAndASilentPrinterAskedAgainUntil64Tries) {
    const std::optional<Bytes> none;
    struct Case {
        std::vector<std::optional<Bytes>> replies;
        VendorCheckResult result;
        std::size_t nameRequests;
    };
    const Case cases[] = {
        {{MakerName("", "ZEPHRAN", false)}, VendorCheckResult::Ok, 1},  // ends with the read
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
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    EXPECT_EQ(VendorCheck(port, sleeps.fn()), VendorCheckResult::MakerMismatch);
    EXPECT_EQ(port.reads, 64);
    EXPECT_EQ(port.writes.size(), 2u + 62u);
    ASSERT_EQ(sleeps.waits.size(), 66u);
    EXPECT_EQ(sleeps.waits[1], 1ms);
    EXPECT_EQ(sleeps.waits.back(), 100ms);
}

using Step = LinkStep;

// A cancel arriving while an exchange waits on a silent printer: every
// exchange stops at that wait, sends nothing more, and the connect sequence
// closes the port. What each step reports for the window is checked on the
// way. (A cancel in the maker check or the survey is pressed in the window:
// tests/ui.)
TEST(Cancel, EveryExchangeStopsAtTheWaitItArrivesIn) {
    // An exchange after a whole connect; true when it reported success.
    using Exchange = std::function<bool(ScriptedLinkPort&, LinkSession&, LinkWaits)>;
    struct Case {
        const char* name;
        int cancelAtRead;                      // counted over the whole case, connect included
        Exchange run;                          // none: the cancel lands in the connect itself
        std::size_t writes;                    // all that went out
        std::vector<LinkActivity> activities;  // the last ones reported
    };
    const Exchange save = [](ScriptedLinkPort&, LinkSession& session, LinkWaits) {
        return bool(session.save(session.config()));
    };
    const Exchange upload = [](ScriptedLinkPort& port, LinkSession&, LinkWaits waits) {
        return bool(UploadCertificate(port, Bytes(1200, 'Q'), kCertificateCa, {}, waits));
    };
    const Case cases[] = {
        {"system record", 3, nullptr, 4, {{Step::CheckingPrinter, 1, 64}, {Step::Reading}}},
        {"second mode command", 4, nullptr, 5, {{Step::Reading}}},
        {"save", 7, save, 8, {{Step::Reading}, {Step::Saving}}},
        {"certificate upload", 7, upload, 8, {{Step::Uploading, 1, 3}}},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        CancelToken cancel;
        std::vector<LinkActivity> activities;
        const LinkWaits waits(NoSleep(), &cancel, [&activities](const LinkActivity& a) { activities.push_back(a); });
        port.cancelAtRead(cancel, c.cancelAtRead);
        LinkSession session(port, waits);
        for (const Bytes& r : ConnectReplies(kInfo, corvane::test::SampleRecord())) port.reply(r);
        if (c.run) {
            ASSERT_EQ(session.connect(), ConnectOutcome::Connected) << c.name;
            port.reply(c.activities.back().step == Step::Uploading ? Reply("STRT") : ModeAck());
            EXPECT_FALSE(c.run(port, session, waits)) << c.name;
        } else {
            EXPECT_EQ(session.connect(), ConnectOutcome::Cancelled) << c.name;
            EXPECT_FALSE(port.open) << c.name;
        }
        EXPECT_EQ(port.reads, c.cancelAtRead) << c.name;  // no read after the cancel
        EXPECT_EQ(port.writes.size(), c.writes) << c.name;
        ASSERT_GE(activities.size(), c.activities.size()) << c.name;
        EXPECT_TRUE(std::equal(c.activities.rbegin(), c.activities.rend(), activities.rbegin())) << c.name;
    }
}

}  // namespace
}  // namespace corvane::link::testing
