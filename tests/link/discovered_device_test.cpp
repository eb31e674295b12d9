#include "link/discovered_device.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::lan;
using Kind = DiscoveryAnswer::Kind;

namespace {

Bytes Datagram(std::string_view tagText, std::size_t recordBytes, std::uint8_t fill = 0) {
    Bytes d = ToBytes(tagText);
    for (std::size_t i = 0; i < recordBytes; ++i) d.push_back(static_cast<std::uint8_t>(fill ? fill : i + 1));
    return d;
}

}  // namespace

TEST(DiscoveryAnswer, AcceptanceByModeAndLength) {
    struct Case {
        ListMode mode;
        Bytes datagram;
        Kind kind;
    };
    const Case cases[] = {
        {ListMode::Ethernet, ToBytes("IMIN"), Kind::Ignore},
        {ListMode::Ethernet, Datagram("IMIX", 27), Kind::Ignore},
        {ListMode::Ethernet, Bytes{}, Kind::Ignore},
        {ListMode::Ethernet, Datagram(kRegisterAnswer, 29), Kind::Ignore},
        {ListMode::Wlan, ToBytes(kRegisterAnswer), Kind::EndSearch},
        {ListMode::Wlan, Bytes(3, 0), Kind::EndSearch},
        {ListMode::Wlan, Datagram("__[I_F]__[SET_RSP]", 1), Kind::Ignore},
        {ListMode::Wlan, Datagram("IMIN", 40), Kind::Ignore},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyDiscoveryAnswer(c.mode, c.datagram).kind, c.kind) << c.datagram.size();

    // Exactly five bytes: only the first MAC byte is set.
    const auto five = ClassifyDiscoveryAnswer(ListMode::Ethernet, Datagram("IMIN", 1, 0xAB));
    ASSERT_EQ(five.kind, Kind::Device);
    EXPECT_EQ(five.device.macAddress(), (std::array<std::uint8_t, 6>{0xAB, 0, 0, 0, 0, 0}));
    EXPECT_EQ(five.device.port(), 0);

    const auto wlan = ClassifyDiscoveryAnswer(ListMode::Wlan, Datagram(kRegisterAnswer, 29));
    ASSERT_EQ(wlan.kind, Kind::Device);
    EXPECT_EQ(wlan.device.featureCode(), 28);
    EXPECT_EQ(wlan.device.reservedByte(), 29);
}

TEST(DiscoveryAnswer, EthernetRecordFieldsAndRowTexts) {
    Bytes d = ToBytes("IMIN");
    const Bytes record{0x00, 0x1A, 0xFF, 0x01, 0x02, 0x03,  // MAC
                       10,   0,    0,    0,                 // IP
                       255,  255,  255,  0,                 // mask
                       0,    5,    6,    7,                 // gateway (not configured)
                       0x23, 0x8C, 0xBB, 0,    0,    1,    0x01, 0x2C, 1};
    d.insert(d.end(), record.begin(), record.end());
    d.resize(600, 0x77);  // oversized: the tail must not reach the record
    const auto a = ClassifyDiscoveryAnswer(ListMode::Ethernet, d);
    ASSERT_EQ(a.kind, Kind::Device);
    const DiscoveredDevice& dev = a.device;
    EXPECT_EQ(dev.port(), 9100);
    EXPECT_EQ(dev.baudCode(), 0xBB);
    EXPECT_TRUE(dev.dhcp());
    EXPECT_EQ(dev.inactivityTime(), 300);
    EXPECT_TRUE(dev.httpsEnabled());
    EXPECT_EQ(dev.raw[27], 0) << "Ethernet records have 27 bytes";
    EXPECT_EQ(DeviceRowTexts(1, dev), (std::array<std::string, 7>{"1", "00:1a:ff:01:02:03", "10.0.0.0", "255.255.255.0",
                                                                  "Not Configuration", "9100", "N/A"}));
}

TEST(DiscoveryRequests, SettingsRequestsCarryTheRecord) {
    DiscoveredDevice edited = ClassifyDiscoveryAnswer(ListMode::Ethernet, Datagram("IMIN", 27, 0x11)).device;
    edited.setPort(9100);
    edited.setInactivityTime(300);
    const Bytes request = BuildSettingsRequest(edited);
    ASSERT_EQ(request.size(), 30u);
    EXPECT_EQ(std::string(request.begin(), request.begin() + 4), "SETT");
    EXPECT_EQ(Bytes(request.begin() + 22, request.begin() + 24), (Bytes{0x23, 0x8C}));
    EXPECT_EQ(Bytes(request.begin() + 28, request.end()), (Bytes{0x01, 0x2C}));

    const Bytes wlanRequest =
        BuildSettingsRequest(ClassifyDiscoveryAnswer(ListMode::Wlan, Datagram(kRegisterAnswer, 29)).device);
    ASSERT_EQ(wlanRequest.size(), 47u);
    EXPECT_EQ(wlanRequest.back(), 29) << "the reserved byte goes back unchanged";

    EXPECT_EQ(IndexForBaudCode(0xBB), 8);
    EXPECT_EQ(IndexForBaudCode(0x00), -1);
    EXPECT_EQ(BaudCodeForIndex(9), 0x00);
    EXPECT_EQ(BuildDiscoveryRequest(ListMode::Ethernet), ToBytes("FIND"));
    EXPECT_EQ(BuildDiscoveryRequest(ListMode::Wlan), ToBytes("__[I_F]__[PRT_REG]"));
}

TEST(SettingsAnswer, Confirmations) {
    struct Case {
        ListMode mode;
        const char* answer;
        std::optional<int> message;
    };
    const Case cases[] = {
        {ListMode::Ethernet, "SETC!", 41},
        {ListMode::Ethernet, "SETC", std::nullopt},
        {ListMode::Ethernet, "__[I_F]__[SET_RSP]!", std::nullopt},
        {ListMode::Wlan, "__[I_F]__[SET_RSP]!", 43},
        {ListMode::Wlan, "__[I_F]__[SET_RSP]", std::nullopt},
        {ListMode::Wlan, "SETC______________xx", 41},
        {ListMode::Wlan, "SETC!", std::nullopt},  // below 19 bytes
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifySettingsAnswer(c.mode, ToBytes(c.answer)), c.message) << c.answer;
}

TEST(DeviceList, NumberedFromOne) {
    DeviceList list;
    list.appendDevice(DiscoveredDevice{});
    list.appendDevice(DiscoveredDevice{});
    EXPECT_EQ(list.deviceAt(0), nullptr);
    EXPECT_EQ(list.deviceAt(3), nullptr);
    list.deviceAt(2)->setPort(9100);
    EXPECT_EQ(list.deviceAt(2)->port(), 9100);
}
