// The values of the direct configuration window from which the record is
// written. They live here only: the pages read and change them through one
// shared WindowContext, so what a page shows is what a save writes.
#pragma once

#include <string>

#include "link/printer_config.h"

namespace corvane::rules {

struct WorkingValues {
    std::string printerName;
    std::string ssid;
    std::string wepKey;
    std::string pskKey;
    std::string authId;
    std::string authPassword;
    int networkMode = 0;
    int ipAssignmentChoice = 0;  // 0 DHCP, 1 manual: the inverse of the record byte
    int authentication = -1;     // none until a record is shown
    int cipher = -1;
    link::Ipv4Address ipAddress;
    link::Ipv4Address subnetMask;
    link::Ipv4Address gateway;

    bool operator==(const WorkingValues&) const = default;
};

struct WindowContext {
    WorkingValues working;
    bool connected = false;
    bool extendedLayout = false;  // the connected printer uses the 616-byte record

    link::ConfigLayout layout() const { return extendedLayout ? link::ConfigLayout::Newer : link::ConfigLayout::Older; }
};

// Codes shared by the pages.
namespace code {
inline constexpr int kInfra = 0, kAdhoc = 1, kWifiDirect = 2;
inline constexpr int kDhcp = 0, kManual = 1;
inline constexpr int kOpenSystem = 0, kSharedKey = 1, kWpaPsk = 2, kWpa2Psk = 3, kWpa = 4, kWpa2 = 5;
inline constexpr int kNone = 0, kWep64 = 1, kWep128 = 2, kTkip = 3, kAes = 4, kAesTkip = 5;
inline constexpr int kEapTls = 2;
}  // namespace code

}  // namespace corvane::rules
