#include "link/test_page.h"

#include <array>
#include <utility>

namespace corvane::link {

namespace {

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::uint8_t kGs = 0x1D;
constexpr std::uint8_t kFeedLines = 4;

// Latin letters with marks, from U+00C0, by their base letter ('?' where
// there is none).
constexpr std::string_view kLatin1Letters =
    "AAAAAAACEEEEIIII"   // U+00C0..U+00CF
    "DNOOOOO?OUUUUYTs"   // U+00D0..U+00DF (x sign, thorn, sharp s)
    "aaaaaaaceeeeiiii"   // U+00E0..U+00EF
    "dnooooo?ouuuuyty";  // U+00F0..U+00FF (division sign, thorn, y diaeresis)

// The length of the UTF-8 sequence a lead byte starts and its payload bits;
// 0 for a byte that cannot start one.
std::pair<int, std::uint32_t> Lead(std::uint8_t byte) {
    if (byte < 0x80) return {1, byte};
    if ((byte & 0xE0) == 0xC0 && byte >= 0xC2) return {2, byte & 0x1Fu};
    if ((byte & 0xF0) == 0xE0) return {3, byte & 0x0Fu};
    if ((byte & 0xF8) == 0xF0 && byte <= 0xF4) return {4, byte & 0x07u};
    return {0, 0};
}

char AsciiFor(std::uint32_t codePoint) {
    if (codePoint >= 0x20 && codePoint < 0x7F) return static_cast<char>(codePoint);
    if (codePoint >= 0xC0 && codePoint <= 0xFF) return kLatin1Letters[codePoint - 0xC0];
    return '?';
}

void Append(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void Line(Bytes& out, std::string_view label, std::string_view value) {
    Append(out, label);
    Append(out, PrintableAscii(value));
    out.push_back('\n');
}

}  // namespace

std::string PrintableAscii(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto [length, codePoint] = Lead(static_cast<std::uint8_t>(text[i]));
        bool whole = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
            whole = (next & 0xC0) == 0x80;
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (!whole) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(AsciiFor(codePoint));
        i += static_cast<std::size_t>(length);
    }
    return out;
}

Bytes BuildTestPage(const TestPageInfo& info) {
    Bytes page{kEsc, '@'};
    Append(page, "Corvane Tool test print\n");
    if (!info.mac.empty()) Line(page, "MAC address: ", info.mac);
    Line(page, "IP address:  ", info.address);
    Line(page, "Port:        ", std::to_string(info.port));
    Line(page, "Printed:     ", info.dateTime);
    Line(page, "Computer:    ", info.computer);
    // Feed the last line past the cutter, then a partial cut.
    const std::array<std::uint8_t, 7> tail{kEsc, 'd', kFeedLines, kGs, 'V', 66, 0};
    page.insert(page.end(), tail.begin(), tail.end());
    return page;
}

}  // namespace corvane::link
