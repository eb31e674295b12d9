#include "sim_state.h"

namespace corvane::sim {

link::DiscoveredDevice MakeRecord(link::ListMode mode, const std::array<std::uint8_t, 6>& mac,
                                  const std::array<std::uint8_t, 4>& ip, std::uint16_t port) {
    link::DiscoveredDevice d;
    d.mode = mode;
    std::copy(mac.begin(), mac.end(), d.raw.begin());
    d.setIpAddress(link::Ipv4Address(ip));
    d.setSubnetMask({255, 255, 255, 0});
    d.setGateway({ip[0], ip[1], ip[2], 1});
    d.setPort(port);
    d.setBaudCode(0xFF);  // 115200
    d.raw[21] = 2;        // firmware 2.4
    d.raw[22] = 4;
    return d;
}

namespace {

AccessPoint Ap(std::string ssid, std::array<std::uint8_t, 6> bssid, std::uint8_t mode, std::int16_t rssi,
               std::uint8_t security) {
    return {std::move(ssid), bssid, mode, rssi, security};
}

std::vector<AccessPoint> OfficeSurvey() {
    return {
        Ap("Corvane-Office", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, 0, -42, 0x08 | 0x20),
        Ap("Warehouse", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F}, 0, -67, 0x04 | 0x08),
        Ap("", {0x02, 0x24, 0x6C, 0x11, 0x22, 0x33}, 0, -71, 0x08),  // hidden network
        Ap("GuestNet", {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}, 0, -80, 0x00),
        Ap("OldTill", {0x00, 0x0C, 0x29, 0xAA, 0xBB, 0xCC}, 0, -88, 0x01),
        Ap("POS-Adhoc", {0x02, 0x00, 0x00, 0x12, 0x34, 0x56}, 1, -55, 0x02),
    };
}

link::PrinterConfig RealisticConfig() {
    link::PrinterConfig c;
    c.printerName = "ZEPHRAN-TP80W";
    c.networkMode = 0;
    c.ipAssignment = 0;
    c.ipAddress = {192, 168, 0, 10};
    c.subnetMask = {255, 255, 255, 0};
    c.gateway = {192, 168, 0, 1};
    c.ssid = "Corvane-Office";
    c.authentication = 3;  // WPA2-PSK
    c.cipher = 4;          // AES
    c.pskKey = "receipts-all-day";
    c.adhocChannel = 6;
    c.eapMode = 5;  // NONE
    c.p2pConnMode = 0;
    c.p2pPinCode = "12345670";
    c.p2pChannel = "6";
    c.userId = "admin";
    c.userPassword = "zephran";
    c.printerPort = 9100;
    c.httpsEnabled = 1;
    c.telnetEnabled = 0;
    c.ftpEnabled = 0;
    c.snmpEnabled = 1;
    c.setCommunity = "private";
    c.getCommunity = "public";
    c.trapCommunity = "public";
    c.trapAddress = {192, 168, 0, 100};
    c.inactivityTime = 300;
    return c;
}

}  // namespace

SimState BuiltinState() {
    using link::ListMode;
    SimState s;
    s.ethernet.push_back(
        {MakeRecord(ListMode::Ethernet, {0x00, 0x11, 0x62, 0x0A, 0x00, 0x01}, {192, 168, 0, 101}, 9100), {}, 0, {}, 0});
    auto second = MakeRecord(ListMode::Ethernet, {0x00, 0x11, 0x62, 0x0A, 0x00, 0x02}, {192, 168, 0, 102}, 9100);
    second.setDhcp(true);
    second.setInactivityTime(300);
    second.setBaudCode(0xF4);  // 9600
    second.raw[26] = 1;        // web page over https
    s.ethernet.push_back({second, {}, 0, {}, 0});

    const std::array<std::uint8_t, 3> codes{25, 31, 1};
    for (std::uint8_t i = 0; i < codes.size(); ++i) {
        auto rec = MakeRecord(ListMode::Wlan, {0x00, 0x11, 0x62, 0x0B, 0x00, static_cast<std::uint8_t>(i + 1)},
                              {192, 168, 0, static_cast<std::uint8_t>(111 + i)}, 9100);
        rec.raw[27] = codes[i];
        rec.raw[28] = static_cast<std::uint8_t>(0xA0 + i);  // reserved: must come back unchanged
        auto survey = OfficeSurvey();
        if (i == 1) survey.resize(2);
        s.wlan.push_back({rec, std::move(survey), {}, 0, {}, 0});
    }

    s.link.layout = link::ConfigLayout::Newer;
    s.link.system.firmwareVersion = "WL2.07.3";
    s.link.system.updateDate = "2023-11-14 09:30";
    s.link.system.macAddress = {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC};
    s.link.config = RealisticConfig();
    s.link.survey = OfficeSurvey();
    return s;
}

}  // namespace corvane::sim
