// The configuration record field by field, as profiles, `link apply` and the
// history of changes see it: each field's kind, the values the pages can
// hold, whether it is a secret and whether a shop shares it between printers;
// the differences between two records; and the field a page rule's notice is
// about.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "control_state.h"
#include "link/printer_config.h"

namespace corvane::rules {

// Who a field belongs to, as far as profiles go.
enum class ProfileScope {
    Shared,   // every profile carries it
    Address,  // the fixed address: only when asked for
    Printer,  // never: the printer's name, port and web account are its own
};

// A text, or a number (codes, ports, times and IPv4 addresses as host numbers).
using FieldValue = std::variant<std::string, std::uint32_t>;

// Why a value cannot go into a field.
enum class ValueProblem {
    None,
    WrongType,   // a number for a text field or the other way round
    TooLong,     // more bytes than the record field holds (`limit`)
    ZeroByte,    // a text with a zero byte, which would end it early
    OutOfRange,  // a number above `limit`
};

struct RecordField {
    enum class Kind { Text, Number, Address };

    std::string_view name;
    Kind kind;
    ProfileScope scope;
    bool secret;
    // Texts: bytes the record holds; numbers: the largest value the page's
    // control can hold. Addresses take any value.
    std::uint32_t limit;

    bool inLayout(link::ConfigLayout layout) const;
    FieldValue get(const link::PrinterConfig& config) const;
    // `value` must be of the field's kind (see check).
    void set(link::PrinterConfig& config, const FieldValue& value) const;
    // The value as people read it: the text, the number in decimal, the
    // address dotted.
    std::string text(const link::PrinterConfig& config) const;
    ValueProblem check(const FieldValue& value) const;

    // Where the value lives: one of these is set, by kind and width.
    std::string link::PrinterConfig::*textMember = nullptr;
    std::uint8_t link::PrinterConfig::*byteMember = nullptr;
    std::uint16_t link::PrinterConfig::*wordMember = nullptr;
    link::Ipv4 link::PrinterConfig::*addressMember = nullptr;
};

// Every named field of the record, in record order.
std::span<const RecordField> RecordFields();
const RecordField* FindRecordField(std::string_view name);

// "a.b.c.d" with four decimal parts 0-255 as a host number.
std::optional<link::Ipv4> ParseIpv4(std::string_view text);

// One field that differs between two records. A secret's values are left
// out: only the fact that it changed is kept.
struct FieldChange {
    std::string field;
    std::string before;
    std::string after;
    bool secret = false;

    bool operator==(const FieldChange&) const = default;
};

// The fields of `layout` whose values differ, in record order.
std::vector<FieldChange> DiffRecords(const link::PrinterConfig& before, const link::PrinterConfig& after,
                                     link::ConfigLayout layout);

// The record field behind the control a page rule's notice focuses, or the
// field its message is about; empty when it names none.
std::string_view NoticeField(const Notice& notice);

}  // namespace corvane::rules
