#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/bss_exchange.h"

namespace corvane::link::testing {
namespace {

// The survey over the link: the mode acknowledged, then BSS_REQ as a frame
// and a verified BSS_RSP; every other answer refuses, with its progress.
TEST(BssOverLink, SurveyNeedsTheModeAndAVerifiedAnswer) {
    const Bytes survey = ReplyFrame(SurveyAnswer());
    struct Case {
        std::vector<std::optional<Bytes>> replies;
        std::optional<std::size_t> modeWrite;
        std::vector<int> progress;
        std::size_t writes;
        bool ok;
    };
    const Case cases[] = {
        {{ModeAck(), survey}, std::nullopt, {25, 100}, 2, true},
        {{ModeAck(0x7E)}, std::nullopt, {}, 1, false},                            // not acknowledged
        {{ModeAck()}, 6, {}, 1, false},                                           // mode command cut short
        {{ModeAck(), std::nullopt}, std::nullopt, {25}, 2, false},                // survey never comes
        {{ModeAck(), Corrupted(survey, 50)}, std::nullopt, {25, 100}, 2, false},  // a body digit
        {{ModeAck(), ReplyFrame(Tagged(tag::kIfCur))}, std::nullopt, {25, 100}, 2, false},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        port.replies.assign(c.replies.begin(), c.replies.end());
        port.writeResults = {c.modeWrite};
        BssTable table{};
        std::vector<int> progress;
        EXPECT_EQ(static_cast<bool>(QueryBssOverLink(port, table, [&](int p) { progress.push_back(p); })), c.ok);
        EXPECT_EQ(progress, c.progress);
        ASSERT_EQ(port.writes.size(), c.writes);
        EXPECT_TRUE(c.writes < 2 || port.writes[1] == EncodeFrame(BuildBssRequest()));
        EXPECT_EQ(table[0].rssi, c.ok ? -60 : 0);
    }
}

}  // namespace
}  // namespace corvane::link::testing
