// The one reading and writing of IPv4 and MAC addresses, and the one type
// every IPv4 address is stored and passed as. Every address a user types, a
// command line names or a file holds goes through
// ParseIpv4Address: four decimal parts 0-255 with dots between them, leading
// zeros allowed and still decimal ("192.168.000.010" is 192.168.0.10). No
// octal, no hexadecimal, no short forms ("10.1"), no host names: a value
// that is not plainly an address is refused, never looked up.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::link {

// An address's four bytes as the wire carries them, first part first.
using Ipv4Octets = std::array<std::uint8_t, 4>;
// A MAC address, first byte first.
using MacAddress = std::array<std::uint8_t, 6>;

class Ipv4Address {
public:
    constexpr Ipv4Address() = default;
    // `value` in host order: the first part in the top byte.
    constexpr explicit Ipv4Address(std::uint32_t value) : value_(value) {}
    constexpr Ipv4Address(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
        : Ipv4Address(Ipv4Octets{a, b, c, d}) {}
    constexpr explicit Ipv4Address(const Ipv4Octets& o)
        : value_((std::uint32_t{o[0]} << 24) | (std::uint32_t{o[1]} << 16) | (std::uint32_t{o[2]} << 8) | o[3]) {}

    constexpr std::uint32_t value() const { return value_; }
    constexpr Ipv4Octets octets() const {
        return {static_cast<std::uint8_t>(value_ >> 24), static_cast<std::uint8_t>(value_ >> 16),
                static_cast<std::uint8_t>(value_ >> 8), static_cast<std::uint8_t>(value_)};
    }
    // "a.b.c.d" without leading zeros.
    std::string text() const;
    // 0.x.x.x: what a printer without an address reports; nothing answers from there.
    constexpr bool isUnconfigured() const { return (value_ >> 24) == 0; }

    // As a mask: ones followed by zeros only (255.255.255.0 yes, 255.0.255.0
    // no; 0.0.0.0 and 255.255.255.255 are contiguous).
    bool isContiguousMask() const;
    // The network and broadcast addresses of this address's subnet under `mask`.
    Ipv4Address networkUnder(Ipv4Address mask) const { return Ipv4Address(value_ & mask.value_); }
    Ipv4Address broadcastUnder(Ipv4Address mask) const { return Ipv4Address(value_ | ~mask.value_); }
    bool sameSubnet(Ipv4Address other, Ipv4Address mask) const { return ((value_ ^ other.value_) & mask.value_) == 0; }

    friend constexpr auto operator<=>(const Ipv4Address&, const Ipv4Address&) = default;

private:
    std::uint32_t value_ = 0;
};

// Spaces and tabs around the text are ignored; anything else that is not
// four dotted decimal parts of one to three digits, each at most 255, gives
// nullopt.
std::optional<Ipv4Address> ParseIpv4Address(std::string_view text);

// "00:11:62:0a:00:01", "00-11-62-0A-00-01" or "0011620A0001" (one separator
// throughout, any letter case); spaces and tabs around it are ignored.
std::optional<MacAddress> ParseMacAddress(std::string_view text);

// "00:11:62:0a:00:01": the device list, plans and the LAN commands.
std::string FormatMacLower(const MacAddress& mac);
// "00-11-62-0A-00-01", or with `separator` between the bytes (':' for the
// windows' and test page's "00:11:62:0A:00:01").
std::string FormatMacUpper(const MacAddress& mac, char separator = '-');

}  // namespace corvane::link
