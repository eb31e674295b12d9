// The LAN printers answer only the requests a printer would: a settings
// request for another printer, or one cut short, or a request of the other
// mode, gets no answer. The tests of the tool's failures rely on that.
#include <gtest/gtest.h>

#include "lan_responder.h"
#include "link/discovered_device.h"

namespace corvane::sim {
namespace {

using link::ListMode;

TEST(LanResponder, RequestsForAnotherPrinterOrModeOrTooShortAreNotAnswered) {
    auto state = BuiltinState();
    const auto answers = HandleEthernetDatagram(state, link::BuildDiscoveryRequest(ListMode::Ethernet));
    ASSERT_FALSE(answers.empty());
    auto device = link::ClassifyDiscoveryAnswer(ListMode::Ethernet, answers[0].data).device;
    auto shortRequest = link::BuildSettingsRequest(device);
    shortRequest.pop_back();
    EXPECT_TRUE(HandleEthernetDatagram(state, shortRequest).empty());
    device.raw[5] ^= 0xFF;
    EXPECT_TRUE(HandleEthernetDatagram(state, link::BuildSettingsRequest(device)).empty());
    EXPECT_EQ(state.ethernet[0].settingsApplied, 0);
    EXPECT_TRUE(HandleEthernetDatagram(state, link::BuildDiscoveryRequest(ListMode::Wlan)).empty());
    EXPECT_TRUE(HandleWlanDatagram(state, link::BuildDiscoveryRequest(ListMode::Ethernet)).empty());
}

}  // namespace
}  // namespace corvane::sim
