// A direct configuration window model connected to a printer with a valid,
// fully filled record.
#pragma once

#include <gtest/gtest.h>

#include "rules/direct_config_model.h"

namespace corvane::rules::test {

inline link::PrinterConfig SampleRecord() {
    link::PrinterConfig c;
    c.printerName = "Front counter";
    c.networkMode = 0;
    c.ipAssignment = 0;
    c.ipAddress = 0xC0A8000A;
    c.subnetMask = 0xFFFFFF00;
    c.gateway = 0xC0A80001;
    c.ssid = "shop-wlan";
    c.authentication = 3;  // WPA2-PSK
    c.cipher = 4;          // AES
    c.wepKey = "";
    c.pskKey = std::string(64, 'k');
    c.adhocChannel = 11;
    c.eapMode = 2;
    c.authId = "";
    c.authPassword = "";
    c.p2pConnMode = 0;
    c.p2pPinCode = "12345678";
    c.p2pChannel = "6";
    c.userId = "admin";
    c.userPassword = "secret";
    c.printerPort = 9100;
    c.httpsEnabled = 1;
    c.telnetEnabled = 0;
    c.ftpEnabled = 1;
    c.snmpEnabled = 1;
    c.setCommunity = "private";
    c.getCommunity = "public";
    c.trapCommunity = "trap";
    c.trapAddress = 0x0A000001;
    c.inactivityTime = 3600;
    return c;
}

// The record as an older-layout printer holds it: no Wi-Fi Direct fields.
inline link::PrinterConfig OlderRecord(link::PrinterConfig c = SampleRecord()) {
    c.p2pConnMode = 0;
    c.p2pPinCode.clear();
    c.p2pChannel.clear();
    return c;
}

inline link::PrinterSystemInfo SampleInfo() {
    return {"1.02", "2021-03-04", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}};
}

class ConnectedWindow : public ::testing::Test {
protected:
    void connect(const link::PrinterConfig& record, link::ConfigLayout layout = link::ConfigLayout::Newer) {
        model.OnInitDialog({"COM1", "COM3"});
        model.beginConnect();
        model.onConnected(record, SampleInfo(), layout);
    }
    NetworkPage& network() { return model.tabs.network; }
    SecurityPage& security() { return model.tabs.security; }
    SystemPage& system() { return model.tabs.system; }

    DirectConfigModel model;
};

}  // namespace corvane::rules::test
