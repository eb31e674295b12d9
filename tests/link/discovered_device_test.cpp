// Discovery and settings answers beyond the pinned offsets: which datagrams
// list a printer, short and oversized records, the row texts and the
// settings request built from an edited record; and the addresses typed for
// a printer.
#include "link/discovered_device.h"

#include <gtest/gtest.h>

#include "link/address_plausibility.h"

using namespace corvane;
using namespace corvane::link;
using Kind = link::DiscoveryAnswer::Kind;

namespace {

Bytes Datagram(std::string_view tagText, std::size_t recordBytes, std::uint8_t fill = 0) {
    Bytes d = ToBytes(tagText);
    for (std::size_t i = 0; i < recordBytes; ++i) d.push_back(static_cast<std::uint8_t>(fill ? fill : i + 1));
    return d;
}

constexpr std::uint32_t ip(unsigned a, unsigned b, unsigned c, unsigned d) { return a << 24 | b << 16 | c << 8 | d; }

}  // namespace

// The other mode's tag or nothing is ignored; a short WLAN datagram, even
// three zero bytes, ends the search. (A tag alone, another tag and a
// five-byte record through a search: tests/lan.) Confirmations too short or
// of the other mode are not confirmations.
TEST(DiscoveryAnswer, AcceptanceByModeAndLengthAndEthernetRowTexts) {
    const struct {
        link::ListMode mode;
        Bytes datagram;
        Kind kind;
    } cases[] = {
        {link::ListMode::Ethernet, Bytes{}, Kind::Ignore},
        {link::ListMode::Ethernet, Datagram(link::kRegisterAnswer, 29), Kind::Ignore},
        {link::ListMode::Wlan, ToBytes(link::kRegisterAnswer), Kind::EndSearch},
        {link::ListMode::Wlan, Bytes(3, 0), Kind::EndSearch},
        {link::ListMode::Wlan, Datagram("IMIN", 40), Kind::Ignore},
    };
    for (const auto& c : cases)
        EXPECT_EQ(link::ClassifyDiscoveryAnswer(c.mode, c.datagram).kind, c.kind) << c.datagram.size();
    for (const auto& [mode, answer] : {std::pair{link::ListMode::Ethernet, "SETC"},
                                       {link::ListMode::Ethernet, "__[I_F]__[SET_RSP]!"},
                                       {link::ListMode::Wlan, "__[I_F]__[SET_RSP]"},
                                       {link::ListMode::Wlan, "SETC!"}})
        EXPECT_EQ(link::ClassifySettingsAnswer(mode, ToBytes(answer)), std::nullopt) << answer;

    // An oversized answer keeps its 27-byte record; the row shows it formatted,
    // a gateway starting with 0 as not configured.
    Bytes d = ToBytes("IMIN");
    const Bytes record{0x00, 0x1A, 0xFF, 0x01, 0x02, 0x03, 10,   0, 0, 0, 255,  255,  255, 0,
                       0,    5,    6,    7,    0x23, 0x8C, 0xBB, 0, 0, 1, 0x01, 0x2C, 1};
    d.insert(d.end(), record.begin(), record.end());
    d.resize(600, 0x77);
    const link::DiscoveredDevice dev = link::ClassifyDiscoveryAnswer(link::ListMode::Ethernet, d).device;
    EXPECT_TRUE(dev.httpsEnabled());
    EXPECT_EQ(dev.raw[27], 0) << "Ethernet records have 27 bytes";
    EXPECT_EQ(link::DeviceRowTexts(1, dev),
              (std::array<std::string, 7>{"1", "00:1a:ff:01:02:03", "10.0.0.0", "255.255.255.0", "Not Configuration",
                                          "9100", "N/A"}));
}

// One row per printer and adapter, in order of first arrival; a repeated
// answer (same MAC, same adapter) replaces the row's record.
TEST(DeviceList, OneRowPerPrinterAndAdapterTheLaterAnswerWins) {
    struct Answer {
        std::uint8_t macLast;
        std::string adapter;
        std::uint8_t ipLast;
    };
    const Answer answers[] = {{1, "", 10}, {2, "", 20}, {1, "", 11}, {1, "10.0.0.5 eth0", 12},
                              {2, "", 21}, {3, "", 30}, {1, "", 13}, {1, "10.0.0.5 eth0", 14}};
    link::DeviceList list;
    for (const Answer& a : answers) {
        link::DiscoveredDevice d;
        d.raw[5] = a.macLast;
        d.raw[9] = a.ipLast;
        d.adapter = a.adapter;
        list.addOrUpdate(d);
    }
    std::vector<std::string> rows;
    for (int n = 1; const link::DiscoveredDevice* d = list.deviceAt(n); ++n) {
        rows.push_back(link::FormatMacLower(d->macAddress()) + " " + d->adapter + " ." + std::to_string(d->raw[9]));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"00:00:00:00:00:01  .13", "00:00:00:00:00:02  .21",
                                              "00:00:00:00:00:01 10.0.0.5 eth0 .14", "00:00:00:00:00:03  .30"}));
}

// Edits reach the request, high byte first; unknown baud codes have no index.
TEST(DiscoveryRequests, SettingsRequestCarriesTheEditedRecord) {
    link::DiscoveredDevice edited =
        link::ClassifyDiscoveryAnswer(link::ListMode::Ethernet, Datagram("IMIN", 27, 0x11)).device;
    edited.setPort(9100);
    edited.setInactivityTime(300);
    const Bytes request = link::BuildSettingsRequest(edited);
    ASSERT_EQ(request.size(), 30u);
    EXPECT_EQ(Bytes(request.begin() + 22, request.begin() + 24), (Bytes{0x23, 0x8C}));
    EXPECT_EQ(Bytes(request.begin() + 28, request.end()), (Bytes{0x01, 0x2C}));
    EXPECT_EQ(link::IndexForBaudCode(0x00), -1);
    EXPECT_EQ(link::BaudCodeForIndex(9), 0x00);
}

// Addresses that cannot serve where they are typed: the edges (the common
// cases are checked through the LAN send checks in tests/rules).
TEST(AddressPlausibility, MarksBadMasksAndSubnetEdges) {
    using enum link::AddressRole;
    using enum link::AddressProblem;
    struct Case {
        link::AddressRole role;
        std::uint32_t address, mask;
        link::AddressProblem expected;
    };
    const Case cases[] = {
        {Mask, ip(255, 255, 255, 255), 0, None},
        {Mask, 0, 0, None},  // blank
        {Mask, ip(255, 255, 255, 1), 0, MaskNotContiguous},
        {Gateway, ip(192, 168, 0, 255), ip(255, 255, 255, 0), BroadcastAddress},
        {Host, ip(10, 1, 0, 255), ip(255, 255, 0, 0), None},    // inside a /16
        {Host, ip(10, 0, 0, 0), ip(255, 255, 255, 254), None},  // a /31 has no edges
        {Host, ip(192, 168, 0, 0), ip(255, 0, 255, 0), None},   // no subnet known
        {Gateway, 0, ip(255, 255, 255, 0), None},               // no gateway
    };
    for (const auto& c : cases)
        EXPECT_EQ(link::ClassifyAddress(c.role, link::Ipv4Address(c.address), link::Ipv4Address(c.mask)), c.expected)
            << std::hex << c.address << " / " << c.mask;
}
