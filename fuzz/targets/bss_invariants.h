// What any survey table must look like after ParseBssResponse, whatever the
// printer sent.
#pragma once

#include <algorithm>

#include "link/bss.h"
#include "fuzz_check.h"

namespace corvane::fuzz {

inline bool IsCleared(const BssTable& table) {
    return std::all_of(table.begin(), table.end(), [](const BssEntry& e) {
        return std::all_of(e.ssid.begin(), e.ssid.end(), [](char c) { return c == 0; }) &&
               std::all_of(e.bssid.begin(), e.bssid.end(), [](std::uint8_t b) { return b == 0; }) && e.mode == 0 &&
               e.rssi == 0 && e.security == 0;
    });
}

// Names end in zero bytes (at most 30 name bytes) and every shown row formats,
// the name escaped: no control character, at most four characters a byte.
inline void CheckTable(const BssTable& table) {
    for (const BssEntry& entry : table)
        FUZZ_CHECK(std::all_of(entry.ssid.begin() + 30, entry.ssid.end(), [](char c) { return c == 0; }));
    const std::size_t shown = ShownBssCount(table);
    FUZZ_CHECK(shown <= kBssTableSize);
    for (std::size_t k = 0; k < shown; ++k) {
        const auto row = BssRowTexts(k, table[k]);
        FUZZ_CHECK(row[1].size() <= 4 * 30);
        FUZZ_CHECK(std::none_of(row[1].begin(), row[1].end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }));
        FUZZ_CHECK(row[2].size() == 17);
    }
}

// A table full of an earlier survey, so a rejected answer must clear it.
inline BssTable StaleTable() {
    BssTable table{};
    for (BssEntry& entry : table) {
        std::fill_n(entry.ssid.begin(), 8, 'x');
        entry.bssid.fill(0xAB);
        entry.mode = 1;
        entry.rssi = -42;
        entry.security = 0x3F;
    }
    return table;
}

}  // namespace corvane::fuzz
