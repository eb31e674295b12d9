// The LAN settings request and the searches after a change, over a scripted
// datagram port: which answers confirm a request, and how long the searches
// go on for a printer that is slow to come back.
#include <gtest/gtest.h>

#include "exchange/scripted_datagram_port.h"
#include "link/exchange/discovery_exchange.h"
#include "link/exchange/lan_exchanges.h"

namespace corvane::link::testing {
namespace {

using link::DiscoveredDevice;
using link::ListMode;
using std::chrono::milliseconds;

DiscoveredDevice Printer(ListMode mode, std::uint8_t last, std::uint16_t port = 9100) {
    DiscoveredDevice d;
    d.mode = mode;
    d.raw[0] = 0x00, d.raw[1] = 0x11, d.raw[5] = last;
    d.setIpAddress({10, 0, 0, last});
    d.setSubnetMask({255, 255, 255, 0});
    d.setPort(port);
    d.answeredFrom = "10.0.0." + std::to_string(last);
    return d;
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Answer(std::string_view tag, const DiscoveredDevice& d) {
    Bytes out = Text(tag);
    out.insert(out.end(), d.raw.begin(), d.raw.begin() + static_cast<long>(d.size()));
    return out;
}

struct Arrival {
    int atMs;
    const char* sender;
    const char* text;
};

TEST(LanSettingsExchange, CountsOnlyTheAskedPrintersConfirmationAndSaysWhenNothingLeftOrWasCancelled) {
    struct Case {
        const char* name;
        ListMode mode;
        std::vector<Arrival> arrivals;
        bool confirmed;
        StringId message;
    };
    const Case cases[] = {
        {"from its address", ListMode::Ethernet, {{100, "10.0.0.50", "SETC!"}}, true, kLanConfigCompleted},
        {"from its new address", ListMode::Ethernet, {{100, "10.0.0.51", "SETC!"}}, true, kLanConfigCompleted},
        {"another printer's late answer", ListMode::Ethernet, {{100, "10.0.0.60", "SETC!"}}, false, kSaveFailed},
        {"another's, then its own",
         ListMode::Ethernet,
         {{50, "10.0.0.60", "SETC!"}, {300, "10.0.0.50", "SETC!"}},
         true,
         kLanConfigCompleted},
        {"left from an earlier request", ListMode::Ethernet, {{0, "10.0.0.50", "SETC!"}}, false, kSaveFailed},
        {"after the wait", ListMode::Ethernet, {{10001, "10.0.0.50", "SETC!"}}, false, kSaveFailed},
        {"slow, within the wait", ListMode::Ethernet, {{5000, "10.0.0.50", "SETC!"}}, true, kLanConfigCompleted},
        {"wireless, after its wait", ListMode::Wlan, {{1001, "10.0.0.50", "__[I_F]__[SET_RSP]!"}}, false, kSaveFailed},
        {"too short", ListMode::Ethernet, {{100, "10.0.0.50", "SETC"}}, false, kSaveFailed},
        {"wireless", ListMode::Wlan, {{900, "10.0.0.50", "__[I_F]__[SET_RSP]!"}}, true, kWlanConfigCompleted},
        {"wireless, another printer", ListMode::Wlan, {{900, "10.0.0.9", "__[I_F]__[SET_RSP]!"}}, false, kSaveFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDatagramPort port;
        for (const auto& a : c.arrivals) port.arrive(milliseconds(a.atMs), a.sender, Text(a.text));
        const DiscoveredDevice before = Printer(c.mode, 50);
        SettingsRequest request{Printer(c.mode, 50), "255.255.255.255", 48781, {}, ConfirmWait(c.mode)};
        request.record.setIpAddress({10, 0, 0, 51});
        request.printerAddresses = PrinterAddresses(before, request.record);
        const auto reply = ExchangeSettings(port, request);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->confirmed, c.confirmed);
        EXPECT_EQ(reply->messageId, c.message);
        ASSERT_EQ(port.sent.size(), 1u);
        EXPECT_EQ(port.sent[0].host, "255.255.255.255");
        EXPECT_EQ(port.sent[0].bytes.size(), c.mode == ListMode::Wlan ? 47u : 30u);
    }

    // Nothing leaves, or the wait is cancelled.
    ScriptedDatagramPort refused;
    refused.sendFails = true;
    EXPECT_FALSE(ExchangeSettings(refused, {Printer(ListMode::Ethernet, 50), "10.0.0.50", 48781, {}}));

    ScriptedDatagramPort waiting;
    CancelToken cancel;
    waiting.cancel = &cancel, waiting.cancelAt = milliseconds(2000);
    const auto reply = ExchangeSettings(waiting, {Printer(ListMode::Ethernet, 50), "10.0.0.50", 48781, {}}, &cancel);
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->cancelled);
    EXPECT_FALSE(reply->confirmed);
}

// A list of four addresses at 20 per second: one request every 50 ms, the
// search open 1.1 s after the last; a printer asked at every address is one
// printer (its latest answer, with its sender); datagrams too short or of the
// other kind are passed over, and an answer after the end is not heard.
TEST(LanDiscovery, PacesAListAndListensAfterTheLastRequest) {
    ScriptedDatagramPort port;
    const DiscoveredDevice a = Printer(ListMode::Ethernet, 50), b = Printer(ListMode::Ethernet, 60);
    port.onSend = [&](const ScriptedDatagramPort::Sent& s) {
        port.arrive(s.at + milliseconds(5), s.host, Answer("IMIN", a));
    };
    port.arrive(milliseconds(20), "10.0.0.9", Text("IMIN"));
    port.arrive(milliseconds(30), "10.0.0.9", Answer("SETC", b));
    port.arrive(milliseconds(1240), "10.0.0.60", Answer("IMIN", b));
    port.arrive(milliseconds(1260), "10.0.0.70", Answer("IMIN", Printer(ListMode::Ethernet, 70)));
    const DiscoveryPlan plan{
        ListMode::Ethernet, {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4"}, 48781, RequestInterval(20)};
    std::vector<std::pair<int, int>> progress;
    const auto found =
        RunDiscovery(port, plan, nullptr, [&](int sent, int total) { progress.emplace_back(sent, total); });
    ASSERT_TRUE(found);
    std::vector<long> at;
    for (const auto& s : port.sent) at.push_back(static_cast<long>(s.at.count()));
    EXPECT_EQ(at, (std::vector<long>{0, 50, 100, 150}));
    EXPECT_EQ(port.sent[1].host, "10.0.0.2");
    EXPECT_EQ(port.sent[1].bytes, Text("FIND"));
    EXPECT_EQ(port.elapsed(), milliseconds(1250));
    ASSERT_EQ(found->size(), 2u);
    EXPECT_EQ((*found)[0].answeredFrom, "10.0.0.4");
    EXPECT_EQ((*found)[1].answeredFrom, "10.0.0.60");
    EXPECT_EQ(progress.back(), (std::pair{4, 4}));
    EXPECT_EQ(RequestInterval(3), milliseconds(334));
}

// A search ends early on a short WLAN answer or a cancel, keeping what came
// before; one whose first request cannot leave does not run at all.
TEST(LanDiscovery, EndsEarlyOnAShortWlanAnswerOrCancel) {
    const DiscoveredDevice w = Printer(ListMode::Wlan, 50);
    struct Case {
        const char* name;
        int cancelAtMs;  // -1: no cancel
        std::vector<Arrival> arrivals;
        int endsAtMs;
    };
    const Case cases[] = {
        {"short answer", -1, {{100, "10.0.0.50", "__[I_F]__[REG_RSP]"}}, 100},
        {"other tag is no end", -1, {{100, "10.0.0.50", "__[I_F]__[SET_RSP]!"}}, 1100},
        {"cancel", 300, {}, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDatagramPort port;
        CancelToken cancel;
        port.cancel = &cancel, port.cancelAt = milliseconds(c.cancelAtMs);
        port.arrive(milliseconds(10), "10.0.0.50", Answer("__[I_F]__[REG_RSP]", w));
        for (const auto& a : c.arrivals) port.arrive(milliseconds(a.atMs), a.sender, Text(a.text));
        const auto found = RunDiscovery(port, {ListMode::Wlan, {"10.0.0.255"}, 48781}, &cancel);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->size(), 1u);
        EXPECT_EQ(port.elapsed(), milliseconds(c.endsAtMs));
    }
    ScriptedDatagramPort refused;
    refused.sendFails = true;
    EXPECT_FALSE(RunDiscovery(refused, {ListMode::Ethernet, {"10.0.0.1", "10.0.0.2"}, 48781}));
    EXPECT_TRUE(refused.sent.empty());
}

// A printer that answers searches only from `backAtMs` on, with what it
// holds then.
void PlayPrinter(ScriptedDatagramPort& port, DiscoveredDevice holds, int backAtMs) {
    port.onSend = [&port, holds, backAtMs](const ScriptedDatagramPort::Sent& s) {
        if (backAtMs >= 0 && s.at.count() >= backAtMs && s.bytes == Text("FIND"))
            port.arrive(s.at + milliseconds(40), holds.answeredFrom, Answer("IMIN", holds));
    };
}

TEST(LanVerification, SearchesAgainUntilEveryPrinterShowsItsChangeAndStopsOnCancel) {
    struct Case {
        const char* name;
        int backAtMs;         // -1: never
        std::uint16_t holds;  // the port it reports once back
        bool shown;
        bool seen;
        int minElapsedMs, maxElapsedMs;
        int searches;
    };
    // Pause 3 s, a search every 2 s, limit 30 s; the change sets port 9101.
    const Case cases[] = {
        {"back after 12 s", 12000, 9101, true, true, 13000, 13100, 6},
        {"back at once", 0, 9101, true, true, 3000, 3100, 1},
        {"never back", -1, 9101, false, false, 30000, 32000, 14},
        {"back with other values", 4000, 9100, false, true, 30000, 32000, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDatagramPort port;
        DiscoveredDevice sent = Printer(ListMode::Ethernet, 50, 9101);
        DiscoveredDevice holds = Printer(ListMode::Ethernet, 50, c.holds);
        PlayPrinter(port, holds, c.backAtMs);
        // An answer during the pause comes from before the restart: never a verdict.
        port.arrive(milliseconds(1000), holds.answeredFrom, Answer("IMIN", Printer(ListMode::Ethernet, 50, 9101)));
        VerifyRequest request{ListMode::Ethernet, {"255.255.255.255", "10.0.0.50"}, 48781};
        std::vector<milliseconds> progress;
        const auto outcome = VerifyChanges(
            port, request, {sent}, [](const auto& s, const auto& f) { return s.port() == f.port(); }, nullptr,
            [&](milliseconds elapsed, milliseconds) { progress.push_back(elapsed); });
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->shown[0], c.shown);
        EXPECT_EQ(outcome->latest[0].has_value(), c.seen);
        if (c.seen) {
            EXPECT_EQ(outcome->latest[0]->port(), c.holds);
        }
        EXPECT_GE(port.elapsed().count(), c.minElapsedMs);
        EXPECT_LE(port.elapsed().count(), c.maxElapsedMs);
        EXPECT_EQ(outcome->searches, c.searches);
        EXPECT_EQ(port.sent.size(), 2u * static_cast<std::size_t>(c.searches));  // both hosts every time
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.front(), milliseconds(3000));
    }

    ScriptedDatagramPort port;
    const DiscoveredDevice a = Printer(ListMode::Wlan, 50), b = Printer(ListMode::Wlan, 60);
    port.onSend = [&](const ScriptedDatagramPort::Sent& s) {
        if (s.at >= milliseconds(5000))
            port.arrive(s.at + milliseconds(10), a.answeredFrom, Answer("__[I_F]__[REG_RSP]", a));
        if (s.at >= milliseconds(9000))
            port.arrive(s.at + milliseconds(10), b.answeredFrom, Answer("__[I_F]__[REG_RSP]", b));
    };
    const VerifyRequest request{
        ListMode::Wlan, {"10.0.0.255"}, 3337, RestartPause(ListMode::Wlan), VerifyLimit(ListMode::Wlan)};
    const auto any = [](const auto&, const auto&) { return true; };
    const auto both = VerifyChanges(port, request, {a, b}, any);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->shown, (std::vector<bool>{true, true}));
    EXPECT_LT(port.elapsed(), milliseconds(10000));

    ScriptedDatagramPort pausing;
    CancelToken cancel;
    pausing.cancel = &cancel, pausing.cancelAt = milliseconds(500);
    const auto cancelled = VerifyChanges(pausing, request, {a}, any, &cancel);
    ASSERT_TRUE(cancelled);
    EXPECT_TRUE(cancelled->cancelled);
    EXPECT_TRUE(pausing.sent.empty());

    ScriptedDatagramPort refusing;
    refusing.sendFails = true;
    EXPECT_FALSE(VerifyChanges(refusing, request, {a}, any));
}

}  // namespace
}  // namespace corvane::link::testing
