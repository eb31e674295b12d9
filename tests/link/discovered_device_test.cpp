#include "link/discovered_device.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::lan;

namespace {

Bytes Datagram(std::string_view tagText, std::size_t recordBytes, std::uint8_t fill = 0) {
    Bytes d = ToBytes(tagText);
    for (std::size_t i = 0; i < recordBytes; ++i) d.push_back(static_cast<std::uint8_t>(fill ? fill : i + 1));
    return d;
}

}  // namespace

TEST(DiscoveryAnswer, EthernetAcceptance) {
    // Exactly five bytes: only the first MAC byte is set.
    const auto five = ClassifyDiscoveryAnswer(ListMode::Ethernet, Datagram("IMIN", 1, 0xAB));
    ASSERT_EQ(five.kind, DiscoveryAnswer::Kind::Device);
    EXPECT_EQ(five.device.macAddress(), (std::array<std::uint8_t, 6>{0xAB, 0, 0, 0, 0, 0}));
    EXPECT_EQ(five.device.port(), 0);

    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Ethernet, ToBytes("IMIN")).kind, DiscoveryAnswer::Kind::Ignore);
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Ethernet, Datagram("IMIX", 27)).kind,
              DiscoveryAnswer::Kind::Ignore);
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Ethernet, Bytes{}).kind, DiscoveryAnswer::Kind::Ignore);
}

TEST(DiscoveryAnswer, EthernetRecordFields) {
    Bytes d = ToBytes("IMIN");
    const Bytes record{0x00, 0x1A, 0xFF, 0x01, 0x02, 0x03,  // MAC
                       10,   0,    0,    0,                 // IP
                       255,  255,  255,  0,                 // mask
                       0,    5,    6,    7,                 // gateway (not configured)
                       0x23, 0x8C, 0xBB, 1,    0,    1,    0x01, 0x2C, 1};
    d.insert(d.end(), record.begin(), record.end());
    d.resize(600, 0x77);  // oversized: the tail must not reach the record
    const auto a = ClassifyDiscoveryAnswer(ListMode::Ethernet, d);
    ASSERT_EQ(a.kind, DiscoveryAnswer::Kind::Device);
    const DiscoveredDevice& dev = a.device;
    EXPECT_EQ(dev.port(), 9100);
    EXPECT_EQ(dev.baudCode(), 0xBB);
    EXPECT_TRUE(dev.dhcp());
    EXPECT_EQ(dev.inactivityTime(), 300);
    EXPECT_TRUE(dev.httpsEnabled());
    EXPECT_EQ(dev.featureCode(), 0);
    EXPECT_EQ(dev.raw[27], 0) << "Ethernet records have 27 bytes";

    const auto row = DeviceRowTexts(1, dev);
    EXPECT_EQ(row, (std::array<std::string, 7>{"1", "00:1a:ff:01:02:03", "10.0.0.0", "255.255.255.0",
                                               "Not Configuration", "9100", "1.0"}));
}

TEST(DiscoveryAnswer, WlanAcceptance) {
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Wlan, ToBytes(kRegisterAnswer)).kind,
              DiscoveryAnswer::Kind::EndSearch);
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Wlan, Bytes(3, 0)).kind, DiscoveryAnswer::Kind::EndSearch);
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Wlan, Datagram("__[I_F]__[SET_RSP]", 1)).kind,
              DiscoveryAnswer::Kind::Ignore);

    const auto a = ClassifyDiscoveryAnswer(ListMode::Wlan, Datagram(kRegisterAnswer, 29));
    ASSERT_EQ(a.kind, DiscoveryAnswer::Kind::Device);
    EXPECT_EQ(a.device.featureCode(), 28);
    EXPECT_EQ(a.device.reservedByte(), 29);
    // An Ethernet tag does not count in WLAN mode, nor the other way round.
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Wlan, Datagram("IMIN", 40)).kind, DiscoveryAnswer::Kind::Ignore);
    EXPECT_EQ(ClassifyDiscoveryAnswer(ListMode::Ethernet, Datagram(kRegisterAnswer, 29)).kind,
              DiscoveryAnswer::Kind::Ignore);
}

TEST(DiscoveryRequests, SettingsRequestsCarryTheRecord) {
    const auto eth = ClassifyDiscoveryAnswer(ListMode::Ethernet, Datagram("IMIN", 27, 0x11)).device;
    DiscoveredDevice edited = eth;
    edited.setPort(9100);
    edited.setInactivityTime(300);
    const Bytes request = BuildSettingsRequest(edited);
    ASSERT_EQ(request.size(), 30u);
    EXPECT_EQ(std::string(request.begin(), request.begin() + 4), "SETT");
    EXPECT_EQ(request[22], 0x23);
    EXPECT_EQ(request[23], 0x8C);
    EXPECT_EQ(request[28], 0x01);
    EXPECT_EQ(request[29], 0x2C);

    const auto wlan = ClassifyDiscoveryAnswer(ListMode::Wlan, Datagram(kRegisterAnswer, 29)).device;
    const Bytes wlanRequest = BuildSettingsRequest(wlan);
    ASSERT_EQ(wlanRequest.size(), 47u);
    EXPECT_EQ(wlanRequest.back(), 29) << "the reserved byte goes back unchanged";

    EXPECT_EQ(indexForBaudCode(0xBB), 8);
    EXPECT_EQ(indexForBaudCode(0x00), -1);
    EXPECT_EQ(baudCodeForIndex(9), 0x00);

    EXPECT_EQ(BuildDiscoveryRequest(ListMode::Ethernet), ToBytes("FIND"));
    EXPECT_EQ(BuildDiscoveryRequest(ListMode::Wlan), ToBytes("__[I_F]__[PRT_REG]"));
}

TEST(SettingsAnswer, Confirmations) {
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Ethernet, ToBytes("SETC!")), 41);
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Ethernet, ToBytes("SETC")), std::nullopt);
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Ethernet, ToBytes("__[I_F]__[SET_RSP]!")), std::nullopt);
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Wlan, ToBytes("__[I_F]__[SET_RSP]!")), 43);
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Wlan, ToBytes("__[I_F]__[SET_RSP]")), std::nullopt);
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Wlan, ToBytes("SETC______________xx")), 41);
    EXPECT_EQ(ClassifySettingsAnswer(ListMode::Wlan, ToBytes("SETC!")), std::nullopt) << "below 19 bytes";
}

TEST(DeviceList, NumberedFromOne) {
    DeviceList list;
    appendDevice(list, DiscoveredDevice{});
    appendDevice(list, DiscoveredDevice{});
    EXPECT_EQ(list.deviceAt(0), nullptr);
    EXPECT_EQ(list.deviceAt(3), nullptr);
    deviceAt(list, 2)->setPort(9100);
    EXPECT_EQ(list.deviceAt(2)->port(), 9100);
}
