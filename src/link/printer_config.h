// The two records of the direct link: the printer's system facts (body of
// SYS_RSP) and its whole network configuration (body of IF__CUR / IF__SET) in
// the older 603-byte and newer 616-byte layouts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/bytes.h"
#include "link/ipv4_address.h"

namespace corvane::link {

struct PrinterSystemInfo {
    static constexpr std::size_t kSize = 54;
    std::string firmwareVersion;  // 16 bytes on the wire
    std::string updateDate;       // 32 bytes
    MacAddress macAddress{};

    bool operator==(const PrinterSystemInfo&) const = default;
};

enum class ConfigLayout { Older, Newer };

inline constexpr std::size_t kOlderConfigSize = 603;
inline constexpr std::size_t kNewerConfigSize = 616;
// An IF__CUR reply frame longer than this carries the newer layout.
inline constexpr std::size_t kOlderReplyFrameLength = 1252;

constexpr std::size_t ConfigSize(ConfigLayout layout) {
    return layout == ConfigLayout::Newer ? kNewerConfigSize : kOlderConfigSize;
}
ConfigLayout LayoutForReplyLength(std::size_t replyFrameLength);

// Text fields keep the bytes up to the first zero (at most the field width).
struct PrinterConfig {
    std::string printerName;        // 64
    std::uint8_t networkMode = 0;   // 0 infra, 1 ad hoc, 2 Wi-Fi Direct
    std::uint8_t ipAssignment = 0;  // 0 manual, 1 DHCP
    Ipv4Address ipAddress;
    Ipv4Address subnetMask;
    Ipv4Address gateway;
    std::string ssid;  // 32
    std::uint8_t authentication = 0;
    std::uint8_t cipher = 0;
    std::string wepKey;  // 28
    std::string pskKey;  // 64
    std::uint8_t adhocChannel = 0;
    std::uint8_t eapMode = 0;
    std::string authId;        // 32
    std::string authPassword;  // 32
    // Newer layout only.
    std::uint8_t p2pConnMode = 0;
    std::string p2pPinCode;  // 9
    std::string p2pChannel;  // 3
    // Both layouts.
    std::string userId;        // 32
    std::string userPassword;  // 32
    std::uint16_t printerPort = 0;
    std::uint8_t httpsEnabled = 0;
    std::uint8_t telnetEnabled = 0;
    std::uint8_t ftpEnabled = 0;
    std::uint8_t snmpEnabled = 0;
    std::string setCommunity;   // 16
    std::string getCommunity;   // 16
    std::string trapCommunity;  // 16
    Ipv4Address trapAddress;
    std::uint16_t inactivityTime = 0;

    bool operator==(const PrinterConfig&) const = default;
};

// The fields one by one, their offsets and widths: link/config_fields.h.

// Record bytes <-> value. Serialising writes reserved bytes as 0 and cuts texts
// to their field width; parsing a short record reads the missing bytes as 0.
Bytes SerializeConfig(const PrinterConfig& config, ConfigLayout layout);
PrinterConfig ParseConfigRecord(ByteSpan record, ConfigLayout layout);
Bytes SerializeSystemInfo(const PrinterSystemInfo& info);
PrinterSystemInfo ParseSystemInfoRecord(ByteSpan record);

// Decoded SYS_RSP message -> record: checksum 0, exact tag, at least 72 bytes.
std::optional<PrinterSystemInfo> ParseSystemInfo(ByteSpan message);
// Decoded IF__CUR message -> record: checksum 0, exact tag; a short message
// reads its missing bytes as 0.
std::optional<PrinterConfig> ParseConfig(ByteSpan message, ConfigLayout layout);

// The IF__SET IfMessage (636 bytes newer, 624 older); empty on failure.
Bytes BuildIfSetMessage(const PrinterConfig& config, ConfigLayout layout);

}  // namespace corvane::link
