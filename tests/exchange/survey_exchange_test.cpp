// The access-point survey, over the LAN and over the direct link. On the LAN
// a scripted byte stream plays the printer: each read of the query takes the
// next step of the script, a piece of the answer or an attempt that stays
// silent.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/bss_exchange.h"
#include "link/exchange/survey_exchange.h"

namespace corvane::link::testing {
namespace {

class ScriptedStream final : public ByteStream {
public:
    bool connects = true;
    std::deque<std::optional<Bytes>> reads;  // nullopt: a silent attempt
    std::vector<Bytes> writes;
    std::chrono::milliseconds connectWait{0};
    std::vector<std::chrono::milliseconds> readWaits;

    Result<void> Connect(std::chrono::milliseconds wait) override {
        connectWait = wait;
        return connects ? Result<void>() : Error{Failure::Refused, "refused"};
    }
    bool Write(ByteSpan data, std::chrono::milliseconds) override {
        writes.emplace_back(data.begin(), data.end());
        return true;
    }
    bool Read(Bytes& into, std::size_t room, std::chrono::milliseconds wait) override {
        readWaits.push_back(wait);
        const std::optional<Bytes> piece = reads.empty() ? std::nullopt : reads.front();
        if (!reads.empty()) reads.pop_front();
        if (piece)
            into.insert(into.end(), piece->begin(), piece->begin() + static_cast<long>(std::min(room, piece->size())));
        return piece.has_value();
    }
};

// Seven silent attempts at most, progress by attempt, an answer in pieces
// taken once whole; a cancel before the request sends nothing. (Cut or
// foreign answers: tests/robustness, tests/cli.)
TEST(Survey, OverTheLanAttemptsAndReassemblesAndOverTheLinkNeedsTheModeAndAVerifiedAnswer) {
    const Bytes answer = SurveyAnswer();
    const auto part = [&answer](long from, long to) { return Bytes(answer.begin() + from, answer.begin() + to); };
    std::vector<std::optional<Bytes>> lateAnswer(6, std::nullopt);
    lateAnswer.push_back(answer);
    // No further read waits out the last piece.
    const std::vector<std::optional<Bytes>> pieces{part(0, 10), part(10, 25), part(25, long(answer.size())),
                                                   Bytes{0x00}};
    struct Case {
        const char* name;
        bool connects;
        bool cancelled;  // before the request goes out
        std::vector<std::optional<Bytes>> reads;
        bool ok;
        std::vector<int> progress;
        std::size_t readCount;
    };
    const Case cases[] = {
        {"no connection", false, false, {}, false, {}, 0},
        {"cancelled while connecting", true, true, {}, false, {}, 0},
        {"silent printer: seven attempts", true, false, {}, false, {0, 12, 24, 36, 48, 60, 72, 84, 96, 100}, 7},
        {"answer on the seventh attempt", true, false, lateAnswer, true, {0, 12, 24, 36, 48, 60, 72, 84, 100}, 7},
        {"answer in three pieces, whole after the third", true, false, pieces, true, {0, 12, 100}, 3},
    };
    for (const Case& c : cases) {
        ScriptedStream stream;
        stream.connects = c.connects;
        stream.reads.assign(c.reads.begin(), c.reads.end());
        CancelToken cancel;
        if (c.cancelled) cancel.cancel();
        std::vector<int> progress;
        BssTable table{};
        EXPECT_EQ(static_cast<bool>(QuerySurvey(stream, table, SurveyTimings{},
                                                {[&progress](int value) { progress.push_back(value); }, &cancel})),
                  c.ok)
            << c.name;
        EXPECT_EQ(progress, c.progress) << c.name;
        EXPECT_EQ(stream.writes,
                  c.connects && !c.cancelled ? std::vector<Bytes>{BuildBssRequest()} : std::vector<Bytes>{})
            << c.name;
        // Three seconds to connect, an attempt starts with one and a half to read.
        EXPECT_EQ(stream.connectWait, std::chrono::milliseconds(3000)) << c.name;
        ASSERT_EQ(stream.readWaits.size(), c.readCount) << c.name;
        EXPECT_TRUE(c.readCount == 0 || stream.readWaits.front() == std::chrono::milliseconds(1500)) << c.name;
        EXPECT_EQ(BssSsid(table[0]), c.ok ? "Shop" : "") << c.name;
    }

    // The survey over the link: the mode acknowledged, then BSS_REQ as a frame
    // and a BSS_RSP; every other answer refuses, with its progress. (A broken
    // checksum: tests/cli.)
    const Bytes survey = ReplyFrame(SurveyAnswer());
    struct LinkCase {
        std::vector<std::optional<Bytes>> replies;
        std::optional<std::size_t> modeWrite;
        std::vector<int> progress;
        std::size_t writes;
        bool ok;
    };
    const LinkCase linkCases[] = {
        {{ModeAck(), survey}, std::nullopt, {25, 100}, 2, true},
        {{ModeAck(0x7E)}, std::nullopt, {}, 1, false},              // not acknowledged
        {{ModeAck()}, 6, {}, 1, false},                             // mode command cut short
        {{ModeAck(), std::nullopt}, std::nullopt, {25}, 2, false},  // survey never comes
        {{ModeAck(), ReplyFrame(Tagged(tag::kIfCur))}, std::nullopt, {25, 100}, 2, false},
    };
    for (const LinkCase& c : linkCases) {
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
