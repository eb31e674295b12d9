// The access-point survey shared by the LAN query and the direct-link page:
// one entry per access point, the 100-entry table, the BSS_RSP parser and the
// texts of a list row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "link/bytes.h"
#include "link/ipv4_address.h"

namespace corvane {

struct BssEntry {
    std::array<char, 33> ssid{};  // zero-terminated, at most 30 name bytes
    link::MacAddress bssid{};
    std::uint8_t mode = 0;  // 0 infrastructure, other ad hoc
    std::int16_t rssi = 0;
    std::uint8_t security = 0;  // flag set
};

inline constexpr std::size_t kBssTableSize = 100;
using BssTable = std::array<BssEntry, kBssTableSize>;

// The 20-byte "__[I_F]__[BSS_REQ]" IfMessage.
Bytes BuildBssRequest();

// Checks and parses one BSS_RSP message. True when accepted (also with no
// records), false when rejected. Never reads past `message`.
bool ParseBssResponse(ByteSpan message, BssTable& table);

// The entries shown: those before the first all-zero BSSID.
std::size_t ShownBssCount(const BssTable& table);

// The SSID's bytes as received.
std::string BssSsid(const BssEntry& entry);

// "WEP64/WPA", ..., or "No".
std::string BssSecurityText(const BssEntry& entry);

// No, SSID, BSSID, Mode, RSSI, Security texts of row k (from 0), as a list or
// a terminal shows them: the SSID, chosen by whoever runs the access point,
// comes made visible (link::VisibleText).
std::array<std::string, 6> BssRowTexts(std::size_t k, const BssEntry& entry);

}  // namespace corvane
