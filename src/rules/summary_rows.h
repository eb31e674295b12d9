// The 30 rows of the settings summary shown after a save: what was written,
// as the user reads it.
#pragma once

#include <array>
#include <string>

#include "link/printer_config.h"
#include "link/string_table.h"

namespace corvane::rules {

struct SummaryRow {
    std::string name;
    std::string value;
    // For a value that is a vocabulary label ("Enable", "WPA2-PSK"), its
    // string-table number, so a window can show it in the user's language;
    // 0 for values the printer holds as typed.
    StringId valueTextId{};
    // A password, key or PIN: shown masked unless the user asks to see it.
    bool secret = false;

    bool operator==(const SummaryRow&) const = default;
};

inline constexpr std::size_t kSummaryRowCount = 30;

std::array<SummaryRow, kSummaryRowCount> SummaryRows(const link::PrinterConfig& written, link::ConfigLayout layout);

}  // namespace corvane::rules
