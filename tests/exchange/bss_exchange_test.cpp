#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/bss_exchange.h"

namespace corvane::link::testing {
namespace {

Bytes SurveyFrame() { return ReplyFrame(SurveyAnswer()); }

struct SurveyRun {
    int result;
    std::vector<int> progress;
};

SurveyRun Survey(ScriptedLinkPort& port, BssTable& table) {
    SurveyRun run{};
    run.result = QueryBssOverLink(port, table, [&run](int p) { run.progress.push_back(p); }) ? 1 : 0;
    return run;
}

TEST(BssOverLink, AcceptedSurveyFillsTheTable) {
    ScriptedLinkPort port;
    port.reply(ModeAck());
    port.reply(SurveyFrame());
    BssTable table{};
    const SurveyRun run = Survey(port, table);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.progress, (std::vector<int>{25, 100}));
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(port.writes[1], EncodeFrame(BuildBssRequest()));
    EXPECT_EQ(port.writes[1].size(), 44u);
    EXPECT_STREQ(table[0].ssid.data(), "Shop");
    EXPECT_EQ(table[0].rssi, -60);
}

TEST(BssOverLink, RefusedExchanges) {
    const Bytes badChecksum = Corrupted(SurveyFrame(), 50);  // a body digit
    struct Case {
        std::vector<std::optional<Bytes>> replies;
        std::optional<std::size_t> modeWrite;
        std::vector<int> progress;
        std::size_t writes;
    };
    const Case cases[] = {
        {{ModeAck(0x7E)}, std::nullopt, {}, 1},              // not acknowledged
        {{ModeAck()}, 6, {}, 1},                             // mode command cut short
        {{ModeAck(), std::nullopt}, std::nullopt, {25}, 2},  // survey never comes
        {{ModeAck(), badChecksum}, std::nullopt, {25, 100}, 2},
        {{ModeAck(), ReplyFrame(Tagged(tag::kIfCur))}, std::nullopt, {25, 100}, 2},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        port.replies.assign(c.replies.begin(), c.replies.end());
        port.writeResults = {c.modeWrite};
        BssTable table{};
        const SurveyRun run = Survey(port, table);
        EXPECT_EQ(run.result, 0);
        EXPECT_EQ(run.progress, c.progress);
        EXPECT_EQ(port.writes.size(), c.writes);
    }
}

}  // namespace
}  // namespace corvane::link::testing
