#include "link/visible_text.h"

#include <cstdint>
#include <cstdio>

namespace corvane::link {

namespace {

struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;  // 0: no well-formed character starts here
};

// The character at `at`, or length 0 when the bytes there are not a
// well-formed UTF-8 sequence (overlong forms, surrogates and values above
// U+10FFFF included).
Decoded DecodeAt(std::string_view s, std::size_t at) {
    const auto byte = [&s](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return {};
    }
    if (at + length > s.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(at + i);
        if ((next & 0xC0u) != 0x80u) return {};
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

// Characters that are well-formed but must not reach a terminal or a list
// as they are: C1 controls (some terminals obey them), the bidirectional
// controls (they reorder what follows) and the line and paragraph
// separators (list widgets break lines at them).
bool HiddenEffect(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
}

void AppendEscape(std::string& out, const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

}  // namespace

std::string VisibleText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const Decoded d = DecodeAt(bytes, at);
        if (d.length == 0 || d.code < 0x20 || d.code == 0x7F) {
            AppendEscape(out, "\\x%02x", static_cast<std::uint8_t>(bytes[at]));
            ++at;
            continue;
        }
        if (d.code == '\\') {
            out += "\\\\";
        } else if (HiddenEffect(d.code)) {
            AppendEscape(out, "\\u%04x", static_cast<unsigned>(d.code));
        } else {
            out.append(bytes.substr(at, d.length));
        }
        at += d.length;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const Decoded d = DecodeAt(bytes, at);
        if (d.length == 0) return false;
        at += d.length;
    }
    return true;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const Decoded d = DecodeAt(text, at);
        at += d.length == 0 ? 1 : d.length;
    }
    return count;
}

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0F];
    }
    return hex;
}

bool ParseHexBytes(std::string_view hex, std::string& bytes) {
    const auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0) return false;
    std::string out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = nibble(hex[i]);
        const int low = nibble(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>((high << 4) | low);
    }
    bytes = std::move(out);
    return true;
}

}  // namespace corvane::link
