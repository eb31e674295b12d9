// The configuration record field by field: one row a field, and everything
// the tool does with a field follows its row. The wire offsets and widths
// drive parsing and serialising; the kind and limits drive the pages' edits,
// files and profiles; the secret flag drives masking on terminals, in
// summaries, in the history and in the wire trace; the scope says which
// fields a profile carries. A field's name is also its key in every JSON file
// and history line. A new field is one row here plus its page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "link/ipv4_address.h"
#include "link/printer_config.h"

namespace corvane::link {

enum class FieldKind {
    Text,     // fixed-width bytes padded with zeros
    Number,   // a code or number, big-endian over the field's width
    Address,  // an IPv4 address, first part first
};

// Who a field belongs to, as far as profiles go.
enum class FieldScope {
    Shared,   // every profile carries it
    Address,  // the fixed address and the way it is assigned: only when asked for
    Printer,  // never: the printer's name, port and web account are its own
};

// What the window's edit of a text field takes besides its length.
enum class TextRule {
    Any,
    Digits,  // ASCII digits only
    Listed,  // one entry of a list (the Wi-Fi Direct channels)
};

// A text, a number (codes, ports, times) or an IPv4 address.
using FieldValue = std::variant<std::string, std::uint32_t, Ipv4Address>;

// Why a value cannot go into a field.
enum class ValueProblem {
    None,
    WrongType,   // a value of another kind than the field's (a number for a text...)
    TooLong,     // more bytes than the record field holds
    ZeroByte,    // a text with a zero byte, which would end it early
    OutOfRange,  // a number above the field's maximum
};

struct ConfigField {
    static constexpr std::size_t kNewerOnly = SIZE_MAX;

    std::string_view name;
    std::size_t newerOffset;
    std::size_t olderOffset;  // kNewerOnly: the field exists only in the newer layout
    std::size_t width;
    FieldKind kind;
    FieldScope scope;
    bool secret;
    // Numbers: the largest value the page's control holds. Addresses take any.
    std::uint32_t maximum;
    // Texts: the characters the page's edit takes (0: as many as fit the width).
    std::size_t typedCharacters;
    TextRule rule;

    // Where the value lives; one is set, by kind and width.
    std::string PrinterConfig::*textMember;
    std::uint8_t PrinterConfig::*byteMember;
    std::uint16_t PrinterConfig::*wordMember;
    Ipv4Address PrinterConfig::*addressMember;

    constexpr bool inLayout(ConfigLayout layout) const {
        return layout == ConfigLayout::Newer || olderOffset != kNewerOnly;
    }
    constexpr std::size_t offset(ConfigLayout layout) const {
        return layout == ConfigLayout::Newer ? newerOffset : olderOffset;
    }

    FieldValue get(const PrinterConfig& config) const;
    // `value` must be of the field's kind (see check).
    void set(PrinterConfig& config, const FieldValue& value) const;
    // The value as people read it: the text, the number in decimal, the
    // address dotted.
    std::string text(const PrinterConfig& config) const;
    // Whether `value` can be stored: its kind, and no more than limit().
    ValueProblem check(const FieldValue& value) const;
    // A text's width in bytes, a number's maximum.
    constexpr std::uint32_t limit() const {
        return kind == FieldKind::Text ? static_cast<std::uint32_t>(width) : maximum;
    }
};

namespace field_rows {

constexpr std::size_t kNo = ConfigField::kNewerOnly;
using S = FieldScope;
using C = PrinterConfig;

constexpr ConfigField Text(std::string_view name, std::string C::*m, std::size_t newer, std::size_t older,
                           std::size_t width, S scope, std::size_t typed, bool secret = false,
                           TextRule rule = TextRule::Any) {
    return {name, newer, older, width, FieldKind::Text, scope, secret, 0, typed, rule, m, nullptr, nullptr, nullptr};
}
constexpr ConfigField Byte(std::string_view name, std::uint8_t C::*m, std::size_t newer, std::size_t older,
                           std::uint32_t maximum, S scope = S::Shared) {
    return {name, newer,         older,   1, FieldKind::Number, scope,  false, maximum,
            0,    TextRule::Any, nullptr, m, nullptr,           nullptr};
}
constexpr ConfigField Word(std::string_view name, std::uint16_t C::*m, std::size_t newer, std::size_t older,
                           std::uint32_t maximum, S scope) {
    return {name,    newer, older,         2,       FieldKind::Number, scope, false,
            maximum, 0,     TextRule::Any, nullptr, nullptr,           m,     nullptr};
}
constexpr ConfigField Address(std::string_view name, Ipv4Address C::*m, std::size_t newer, std::size_t older, S scope) {
    return {name,    newer,   older,   4, FieldKind::Address, scope, false, UINT32_MAX, 0, TextRule::Any,
            nullptr, nullptr, nullptr, m};
}

}  // namespace field_rows

// Every named field in wire order; the gaps between them are reserved bytes.
// The older layout lacks the three Wi-Fi Direct fields (13 bytes), so every
// field from userId on sits 13 bytes earlier in it. Codes run over their
// vocabularies; the Wi-Fi Direct connection modes go to 3, which the PIN
// rule knows; channel, port and inactivity stop where the pages' edits stop.
// clang-format off
inline constexpr std::array kConfigFields{
    // Text(name, member, newer, older, width, scope, characters typed, secret, rule)
    // Byte/Word(name, member, newer, older, maximum, scope)   Address(name, member, newer, older, scope)
    field_rows::Text("printerName",     &PrinterConfig::printerName,      0,   0,  64, FieldScope::Printer, 32),
    field_rows::Byte("networkMode",     &PrinterConfig::networkMode,     65,  65,   2),
    field_rows::Byte("ipAssignment",    &PrinterConfig::ipAssignment,    66,  66,   1, FieldScope::Address),
    field_rows::Address("ipAddress",    &PrinterConfig::ipAddress,       67,  67,      FieldScope::Address),
    field_rows::Address("subnetMask",   &PrinterConfig::subnetMask,      71,  71,      FieldScope::Address),
    field_rows::Address("gateway",      &PrinterConfig::gateway,         75,  75,      FieldScope::Address),
    field_rows::Text("ssid",            &PrinterConfig::ssid,            79,  79,  32, FieldScope::Shared,   0),
    field_rows::Byte("authentication",  &PrinterConfig::authentication, 111, 111,   5),
    field_rows::Byte("cipher",          &PrinterConfig::cipher,         112, 112,   5),
    field_rows::Text("wepKey",          &PrinterConfig::wepKey,         113, 113,  28, FieldScope::Shared,  26, true),
    field_rows::Text("pskKey",          &PrinterConfig::pskKey,         217, 217,  64, FieldScope::Shared,  64, true),
    field_rows::Byte("adhocChannel",    &PrinterConfig::adhocChannel,   281, 281,  14),
    field_rows::Byte("eapMode",         &PrinterConfig::eapMode,        282, 282,   5),
    field_rows::Text("authId",          &PrinterConfig::authId,         283, 283,  32, FieldScope::Shared,  32),
    field_rows::Text("authPassword",    &PrinterConfig::authPassword,   315, 315,  32, FieldScope::Shared,  32, true),
    field_rows::Byte("p2pConnMode",     &PrinterConfig::p2pConnMode,    347, field_rows::kNo, 3),
    field_rows::Text("p2pPinCode",      &PrinterConfig::p2pPinCode,     348, field_rows::kNo, 9, FieldScope::Shared, 8,
                     true, TextRule::Digits),
    field_rows::Text("p2pChannel",      &PrinterConfig::p2pChannel,     357, field_rows::kNo, 3, FieldScope::Shared, 0,
                     false, TextRule::Listed),
    field_rows::Text("userId",          &PrinterConfig::userId,         360, 347,  32, FieldScope::Printer, 32),
    field_rows::Text("userPassword",    &PrinterConfig::userPassword,   392, 379,  32, FieldScope::Printer, 32, true),
    field_rows::Word("printerPort",     &PrinterConfig::printerPort,    424, 411, 32767, FieldScope::Printer),
    field_rows::Byte("httpsEnabled",    &PrinterConfig::httpsEnabled,   557, 544,   1),
    field_rows::Byte("telnetEnabled",   &PrinterConfig::telnetEnabled,  558, 545,   1),
    field_rows::Byte("ftpEnabled",      &PrinterConfig::ftpEnabled,     559, 546,   1),
    field_rows::Byte("snmpEnabled",     &PrinterConfig::snmpEnabled,    560, 547,   1),
    // The SNMP write community lets anyone who knows it change the printer.
    field_rows::Text("setCommunity",    &PrinterConfig::setCommunity,   562, 549,  16, FieldScope::Shared,  16, true),
    field_rows::Text("getCommunity",    &PrinterConfig::getCommunity,   578, 565,  16, FieldScope::Shared,  16),
    field_rows::Text("trapCommunity",   &PrinterConfig::trapCommunity,  594, 581,  16, FieldScope::Shared,  16),
    field_rows::Address("trapAddress",  &PrinterConfig::trapAddress,    610, 597,      FieldScope::Shared),
    field_rows::Word("inactivityTime",  &PrinterConfig::inactivityTime, 614, 601, 3600, FieldScope::Shared),
};
// clang-format on

static_assert(kConfigFields.back().newerOffset + kConfigFields.back().width == kNewerConfigSize);
static_assert(kConfigFields.back().olderOffset + kConfigFields.back().width == kOlderConfigSize);

std::span<const ConfigField> ConfigFields();
// The field called `name`, or nullptr.
const ConfigField* FindConfigField(std::string_view name);

// The row of a field named in the code itself; an unknown name does not compile.
consteval const ConfigField& ConfigFieldNamed(std::string_view name) {
    for (const ConfigField& f : kConfigFields) {
        if (f.name == name) return f;
    }
    throw "no such configuration field";
}

// The bytes of the secret fields within a record of `layout` (offsets from
// the record's start, which follows the 18-byte tag of IF__CUR and IF__SET),
// in wire order.
struct ByteRange {
    std::size_t offset;
    std::size_t length;

    bool operator==(const ByteRange&) const = default;
};
std::vector<ByteRange> SecretByteRanges(ConfigLayout layout);

}  // namespace corvane::link
