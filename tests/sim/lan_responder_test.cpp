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
    const auto answers = mode == ListMode::Ethernet ? HandleEthernetDatagram(state, request) : HandleWlanDatagram(state, request);
    std::vector<lan::DiscoveredDevice> found;
    for (const auto& a : answers) {
        const auto c = ClassifyDiscoveryAnswer(mode, a.data);
        EXPECT_EQ(c.kind, DiscoveryAnswer::Kind::Device);
        found.push_back(c.device);
    }
    return found;
}

TEST(LanResponder, SettingsAreConfirmedAndShowInTheNextSearch) {
    for (const auto mode : {ListMode::Ethernet, ListMode::Wlan}) {
        SCOPED_TRACE(static_cast<int>(mode));
        auto state = BuiltinState();
        auto device = Discover(state, mode).at(1);
        device.setIpAddress({10, 0, 0, 7});
        device.setPort(9100);
        device.setInactivityTime(300);
        device.setDhcp(false);
        device.setBaudCode(0xBB);
        const auto request = lan::BuildSettingsRequest(device);
        const auto answers = mode == ListMode::Ethernet ? HandleEthernetDatagram(state, request) : HandleWlanDatagram(state, request);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_GE(answers[0].data.size(), mode == ListMode::Ethernet ? 5u : 19u);
        EXPECT_EQ(lan::ClassifySettingsAnswer(mode, answers[0].data), mode == ListMode::Ethernet ? 41 : 43);

        const auto again = Discover(state, mode).at(1);
        EXPECT_EQ(again.ipAddress(), (std::array<std::uint8_t, 4>{10, 0, 0, 7}));
        EXPECT_EQ(again.inactivityTime(), 300);
        EXPECT_EQ(again.baudCode(), 0xBB);
        EXPECT_FALSE(again.dhcp());
        EXPECT_EQ(again.raw, device.raw);  // firmware, https flag, feature code, reserved byte unchanged
    }
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

TEST(LanResponder, SurveyAnswerParsesIntoTheConfiguredAccessPoints) {
    auto state = BuiltinState();
    ASSERT_EQ(SurveyRequestLength(BuildBssRequest()), 20);
    EXPECT_EQ(SurveyRequestLength(ByteSpan(BuildBssRequest()).first(7)), 0);
    EXPECT_EQ(SurveyRequestLength(ToBytes("GET / HTTP/1.0")), -1);

    const auto answers = AnswerSurvey(state, 0);
    ASSERT_EQ(answers.size(), 1u);
    BssTable table;
    ASSERT_EQ(parseBssResponse(answers[0].data, table), 1);
    const auto& survey = state.wlan[0].survey;
    ASSERT_EQ(shownBssCount(table), survey.size());
    for (std::size_t i = 0; i < survey.size(); ++i) {
        EXPECT_EQ(std::string(table[i].ssid.data()), survey[i].ssid);
        EXPECT_EQ(table[i].bssid, survey[i].bssid);
        EXPECT_EQ(table[i].rssi, survey[i].rssi);
        EXPECT_EQ(table[i].security, survey[i].security);
    }
    // A connection to a printer's own address gets that printer's survey.
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
