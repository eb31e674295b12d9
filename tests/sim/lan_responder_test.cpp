// The LAN printers answer discovery, settings and survey requests with the
// bytes the tool's own parsers accept, and remember every change.
#include <gtest/gtest.h>

#include "bss.h"
#include "lan_responder.h"
#include "link/discovered_device.h"

namespace corvane::sim {
namespace {

using lan::ClassifyDiscoveryAnswer;
using lan::DiscoveryAnswer;
using lan::ListMode;

std::vector<lan::DiscoveredDevice> Discover(SimState& state, ListMode mode) {
    const auto request = lan::BuildDiscoveryRequest(mode);
    const auto answers =
        mode == ListMode::Ethernet ? HandleEthernetDatagram(state, request) : HandleWlanDatagram(state, request);
    std::vector<lan::DiscoveredDevice> found;
    for (const auto& a : answers) {
        const auto c = ClassifyDiscoveryAnswer(mode, a.data);
        EXPECT_EQ(c.kind, DiscoveryAnswer::Kind::Device);
        found.push_back(c.device);
    }
    return found;
}

TEST(LanResponder, SettingsForAnUnknownMacOrTooShortAreNotAnswered) {
    auto state = BuiltinState();
    auto device = Discover(state, ListMode::Ethernet).at(0);
    device.raw[5] ^= 0xFF;
    EXPECT_TRUE(HandleEthernetDatagram(state, lan::BuildSettingsRequest(device)).empty());
    auto shortRequest = lan::BuildSettingsRequest(Discover(state, ListMode::Ethernet).at(0));
    shortRequest.pop_back();
    EXPECT_TRUE(HandleEthernetDatagram(state, shortRequest).empty());
    EXPECT_EQ(state.ethernet[0].settingsApplied, 0);
    // Requests of one mode are not answered on the other mode's port.
    EXPECT_TRUE(HandleEthernetDatagram(state, lan::BuildDiscoveryRequest(ListMode::Wlan)).empty());
    EXPECT_TRUE(HandleWlanDatagram(state, lan::BuildDiscoveryRequest(ListMode::Ethernet)).empty());
}

// Discovery, settings and the survey's rows are proven end to end under
// tests/cli and tests/lan; here the requests only the simulator judges.
TEST(LanResponder, SurveyRequestsAreMeasuredAndAnsweredByThePrinterAddressed) {
    auto state = BuiltinState();
    EXPECT_EQ(SurveyRequestLength(BuildBssRequest()), 20);
    EXPECT_EQ(SurveyRequestLength(ByteSpan(BuildBssRequest()).first(7)), 0);
    EXPECT_EQ(SurveyRequestLength(ToBytes("GET / HTTP/1.0")), -1);
    EXPECT_EQ(SurveyPrinterFor(state, 0xC0A80070), 1u);
    EXPECT_EQ(SurveyPrinterFor(state, 0x7F000001), 0u);
}

TEST(LanResponder, ShortWlanAnswerEndsTheSearch) {
    auto state = BuiltinState();
    state.wlan[0].faults.shortWlanAnswer = true;
    const auto answers = HandleWlanDatagram(state, lan::BuildDiscoveryRequest(ListMode::Wlan));
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0].data.size(), 18u);
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Wlan, answers[0].data).kind, DiscoveryAnswer::Kind::EndSearch);
}

}  // namespace
}  // namespace corvane::sim
