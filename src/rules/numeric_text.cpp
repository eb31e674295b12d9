#include "rules/numeric_text.h"

#include <algorithm>
#include <limits>

namespace corvane::rules {

bool NumericText::setText(std::string_view text) {
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    text_ = std::string(text);
    if (text.empty()) return true;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t n = 0;
    for (char c : text) {
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
        if (n > kMax) {
            n = kMax;
            break;
        }
    }
    value_ = static_cast<std::uint32_t>(n);
    return true;
}

void NumericText::setValue(std::uint32_t value) {
    value_ = value;
    text_ = std::to_string(value);
}

}  // namespace corvane::rules
