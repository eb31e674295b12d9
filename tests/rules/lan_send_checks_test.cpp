// The checks over a LAN settings request before it goes out, and the
// comparison after the printer comes back.
#include <gtest/gtest.h>

#include "rules/lan_send_checks.h"
#include "rules/lan_verify.h"

namespace {

using namespace corvane::rules;
using corvane::lan::DiscoveredDevice;
using corvane::lan::ListMode;

DiscoveredDevice Printer(std::uint8_t macLast, Ipv4 ip, Ipv4 mask = {255, 255, 255, 0}, Ipv4 gateway = {}) {
    DiscoveredDevice d;
    d.mode = ListMode::Ethernet;
    d.raw[5] = macLast;
    d.setIpAddress(ip);
    d.setSubnetMask(mask);
    d.setGateway(gateway);
    d.setPort(9100);
    return d;
}

std::vector<SendCheck> Checks(const std::vector<SendWarning>& warnings) {
    std::vector<SendCheck> out;
    for (const auto& w : warnings) out.push_back(w.check);
    return out;
}

TEST(LanSendChecks, EachCheckFiresOnItsCaseOnly) {
    const LocalSubnet local{{10, 0, 0, 5}, {255, 255, 255, 0}};
    const DiscoveredDevice current = Printer(1, {10, 0, 0, 50});
    const std::vector<DiscoveredDevice> listed{current, Printer(2, {10, 0, 0, 60})};
    using C = SendCheck;
    struct Case {
        const char* name;
        DiscoveredDevice toSend;
        std::vector<SendCheck> expected;
    };
    auto dhcp = Printer(1, {10, 0, 0, 60}, {255, 0, 255, 0}, {1, 2, 3, 4});
    dhcp.setDhcp(true);
    const Case cases[] = {
        {"unchanged", current, {}},
        {"gateway in subnet", Printer(1, {10, 0, 0, 51}, {255, 255, 255, 0}, {10, 0, 0, 1}), {}},
        {"/31 has no network address", Printer(1, {10, 0, 0, 50}, {255, 255, 255, 254}), {}},
        {"mask with a hole", Printer(1, {10, 0, 0, 51}, {255, 0, 255, 0}), {C::MaskNotContiguous}},
        {"network address", Printer(1, {10, 0, 0, 0}), {C::NetworkAddress}},
        {"broadcast address", Printer(1, {10, 0, 0, 255}), {C::BroadcastAddress}},
        {"/16 broadcast",
         Printer(1, {10, 0, 255, 255}, {255, 255, 0, 0}),
         {C::BroadcastAddress, C::OutsideLocalSubnet}},
        {"0.x", Printer(1, {0, 0, 0, 7}, {255, 255, 255, 0}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"loopback", Printer(1, {127, 0, 0, 9}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"multicast, first", Printer(1, {224, 0, 0, 1}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"multicast, last", Printer(1, {239, 255, 255, 254}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"limited broadcast",
         Printer(1, {255, 255, 255, 255}, {255, 255, 255, 255}),
         {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"gateway elsewhere", Printer(1, {10, 0, 0, 50}, {255, 255, 255, 0}, {10, 0, 1, 1}), {C::GatewayOutsideSubnet}},
        {"address of another MAC", Printer(1, {10, 0, 0, 60}), {C::AddressInUse}},
        {"moved off this computer's subnet", Printer(1, {10, 0, 1, 50}), {C::OutsideLocalSubnet}},
        {"DHCP skips address checks", dhcp, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Checks(CheckSettingsToSend(c.toSend, listed, current, local)), c.expected) << c.name;
    }
    // Without a known local interface the last check has nothing to go on.
    EXPECT_TRUE(CheckSettingsToSend(Printer(1, {10, 0, 1, 50}), listed, current, std::nullopt).empty());
}

TEST(LanSendChecks, SentencesNameTheValues) {
    EXPECT_EQ(WarningText({SendCheck::GatewayOutsideSubnet, {"10.0.1.1", "10.0.0.0/255.255.255.0"}}),
              "The gateway 10.0.1.1 is outside the subnet 10.0.0.0/255.255.255.0 of the IP address; the printer "
              "could not reach it.");
    EXPECT_EQ(FieldOf(SendCheck::MaskNotContiguous), CheckedField::SubnetMask);
}

TEST(LanVerify, ReportsWhatDiffersFromTheRequest) {
    DiscoveredDevice sent = Printer(1, {10, 0, 0, 51});
    DiscoveredDevice found = sent;
    EXPECT_TRUE(CompareWithSent(sent, found).empty());
    found.setPort(9101);
    found.setIpAddress({10, 0, 0, 50});
    EXPECT_EQ(DifferencesText(CompareWithSent(sent, found)),
              "ip sent 10.0.0.51, reported 10.0.0.50; port sent 9100, reported 9101");
    // With DHCP the server picks the addresses.
    sent.setDhcp(true);
    found.setDhcp(true);
    EXPECT_EQ(DifferencesText(CompareWithSent(sent, found)), "port sent 9100, reported 9101");
}

}  // namespace
