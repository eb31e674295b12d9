// A digits-only edit that holds a number: the text as typed and the number it
// last read as. An empty text reads as "no number" and keeps the number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::rules {

class NumericText {
public:
    explicit NumericText(std::uint32_t value = 0) { setValue(value); }

    // Takes a typed text. Refuses (false, nothing changes) a text with a
    // character other than an ASCII digit. Numbers too large for 32 bits read
    // as UINT32_MAX, so range rules see them as out of range.
    bool setText(std::string_view text);
    // Puts a number in, as the program does; the text follows.
    void setValue(std::uint32_t value);

    const std::string& text() const { return text_; }
    std::uint32_t value() const { return value_; }
    // The number the edit shows: none, so 0, while it is empty. This is what
    // goes into a record; the checks refuse an empty field the user can fill.
    std::uint32_t shownValue() const { return text_.empty() ? 0 : value_; }
    bool empty() const { return text_.empty(); }

private:
    std::string text_;
    std::uint32_t value_ = 0;
};

}  // namespace corvane::rules
