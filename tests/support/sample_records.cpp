#include "support/sample_records.h"

namespace corvane::test {

link::PrinterConfig SampleRecord() {
    link::PrinterConfig c;
    c.printerName = "Front counter";
    c.ipAddress = {192, 168, 0, 10};
    c.subnetMask = {255, 255, 255, 0};
    c.gateway = {192, 168, 0, 1};
    c.ssid = "shop-wlan";
    c.authentication = 3;             // WPA2-PSK
    c.cipher = 4;                     // AES
    c.pskKey = std::string(64, 'a');  // a key given as 64 hexadecimal digits
    c.adhocChannel = 11;
    c.eapMode = 2;
    c.p2pPinCode = "12345678";
    c.p2pChannel = "6";
    c.userId = "admin";
    c.userPassword = "secret";
    c.printerPort = 9100;
    c.httpsEnabled = 1;
    c.ftpEnabled = 1;
    c.snmpEnabled = 1;
    c.setCommunity = "private";
    c.getCommunity = "public";
    c.trapCommunity = "trap";
    c.trapAddress = {10, 0, 0, 1};
    c.inactivityTime = 3600;
    return c;
}

link::PrinterConfig OlderRecord(link::PrinterConfig c) {
    c.p2pConnMode = 0;
    c.p2pPinCode.clear();
    c.p2pChannel.clear();
    return c;
}

link::PrinterSystemInfo SampleInfo() { return {"1.02", "2021-03-04", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}}; }

}  // namespace corvane::test
