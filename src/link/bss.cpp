#include "link/bss.h"

#include <algorithm>

#include "link/framing.h"
#include "link/visible_text.h"

namespace corvane {

namespace {

constexpr std::uint8_t kSsidElement = 0x00;
constexpr std::uint8_t kBssidElement = 0x01;
constexpr std::size_t kMaxSsid = 30;
// Bodies this short carry no record; the answer is still accepted.
constexpr std::size_t kMinRecordMessage = 25;

struct SecurityFlag {
    std::uint8_t bit;
    const char* text;
};
constexpr SecurityFlag kSecurityFlags[] = {{0x01, "WEP64"}, {0x02, "WEP128"}, {0x04, "WPA"},
                                           {0x08, "WPA2"},  {0x10, "RSN1"},   {0x20, "RSN2"}};

enum class Step { Stored, Stop };

// Reads one survey record at message offset `at`. Every read is checked
// against the end of the message: a record cut short is not stored and ends
// the parse, whatever its length bytes claim.
Step ParseRecord(ByteSpan m, std::size_t& at, BssEntry& entry) {
    BssEntry e;
    std::size_t p = at;
    if (p < m.size() && m[p] == kSsidElement) {
        if (p + 1 >= m.size()) return Step::Stop;
        const std::size_t length = m[p + 1];
        if (length > kMaxSsid) return Step::Stop;
        if (p + 2 + length > m.size()) return Step::Stop;
        std::copy_n(m.begin() + static_cast<std::ptrdiff_t>(p + 2), length, e.ssid.begin());
        p += 2 + length;
    }
    if (p < m.size() && m[p] == kBssidElement) {
        if (p + 1 >= m.size()) return Step::Stop;
        const std::size_t length = m[p + 1];
        // A length byte other than 6 is followed by its stated count, but only
        // six bytes fit the address.
        if (p + 2 + length > m.size()) return Step::Stop;
        std::copy_n(m.begin() + static_cast<std::ptrdiff_t>(p + 2), std::min(length, e.bssid.size()), e.bssid.begin());
        p += 2 + length;
    }
    if (p + 4 > m.size()) return Step::Stop;
    e.mode = m[p];
    e.rssi = static_cast<std::int16_t>(static_cast<std::uint16_t>((m[p + 1] << 8) | m[p + 2]));
    e.security = m[p + 3];
    at = p + 4;
    entry = e;
    return Step::Stored;
}

}  // namespace

Bytes BuildBssRequest() { return link::BuildTagOnlyMessage(link::tag::kBssReq); }

bool ParseBssResponse(ByteSpan message, BssTable& table) {
    // Cleared first, so a rejected answer never leaves an earlier survey behind.
    table.fill(BssEntry{});
    if (!link::VerifyIfMessage(message, link::tag::kBssRsp)) return false;
    const std::size_t length = message.size();
    if (length <= kMinRecordMessage) return true;

    // Records start right behind the tag; another one is read while the body
    // position is below length - 25. Records past the table's end are dropped.
    // The two checksum bytes at the end are never record data.
    const ByteSpan records = message.first(length - 2);
    std::size_t at = link::kTagLength;
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (ParseRecord(records, at, table[k]) == Step::Stop) break;
        if (at - link::kTagLength >= length - kMinRecordMessage) break;
    }
    return true;
}

std::size_t ShownBssCount(const BssTable& table) {
    const auto ends = [](const BssEntry& e) {
        return std::all_of(e.bssid.begin(), e.bssid.end(), [](std::uint8_t b) { return b == 0; });
    };
    return static_cast<std::size_t>(std::find_if(table.begin(), table.end(), ends) - table.begin());
}

std::string BssSecurityText(const BssEntry& entry) {
    std::string text;
    for (const SecurityFlag& flag : kSecurityFlags) {
        if ((entry.security & flag.bit) == 0) continue;
        if (!text.empty()) text += '/';
        text += flag.text;
    }
    return text.empty() ? "No" : text;
}

std::string BssSsid(const BssEntry& entry) {
    const auto nameEnd = std::find(entry.ssid.begin(), entry.ssid.end(), '\0');
    return {entry.ssid.begin(), nameEnd};
}

std::array<std::string, 6> BssRowTexts(std::size_t k, const BssEntry& entry) {
    return {std::to_string(k + 1),
            link::VisibleText(BssSsid(entry)),
            link::FormatMacUpper(entry.bssid),
            entry.mode != 0 ? "Ad hoc" : "Infrastructure",
            std::to_string(entry.rssi),
            BssSecurityText(entry)};
}

}  // namespace corvane
