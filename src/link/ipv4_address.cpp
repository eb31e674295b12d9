#include "link/ipv4_address.h"

#include <cstdio>

namespace corvane::link {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string Ipv4Address::text() const {
    const Ipv4Octets o = octets();
    return std::to_string(o[0]) + '.' + std::to_string(o[1]) + '.' + std::to_string(o[2]) + '.' + std::to_string(o[3]);
}

bool Ipv4Address::isContiguousMask() const {
    // The host part is a run of ones at the bottom: adding one gives a power of two.
    const std::uint32_t hosts = ~value_;
    return (hosts & (hosts + 1)) == 0;
}

std::optional<Ipv4Address> ParseIpv4Address(std::string_view text) {
    text = TrimBlanks(text);
    std::uint32_t value = 0;
    std::size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at >= text.size() || text[at] != '.') return std::nullopt;
            ++at;
        }
        unsigned number = 0;
        std::size_t digits = 0;
        // Each digit counts ten times the one before, whatever the first digit is.
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 4) {
            number = number * 10 + static_cast<unsigned>(text[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0 || digits > 3 || number > 255) return std::nullopt;
        value = (value << 8) | number;
    }
    if (at != text.size()) return std::nullopt;
    return Ipv4Address(value);
}

std::optional<MacAddress> ParseMacAddress(std::string_view text) {
    text = TrimBlanks(text);
    const bool separated = text.size() == 17;
    if (!separated && text.size() != 12) return std::nullopt;
    MacAddress mac{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < mac.size(); ++i) {
        if (separated && i > 0) {
            if ((text[at] != ':' && text[at] != '-') || text[at] != text[2]) return std::nullopt;
            ++at;
        }
        const int high = HexDigit(text[at]);
        const int low = HexDigit(text[at + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        mac[i] = static_cast<std::uint8_t>(high * 16 + low);
        at += 2;
    }
    return mac;
}

std::string FormatMacLower(const MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

std::string FormatMacUpper(const MacAddress& mac, char separator) {
    const char s = separator;
    char text[18];
    std::snprintf(text, sizeof text, "%02X%c%02X%c%02X%c%02X%c%02X%c%02X", mac[0], s, mac[1], s, mac[2], s, mac[3], s,
                  mac[4], s, mac[5]);
    return text;
}

}  // namespace corvane::link
