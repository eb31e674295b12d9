// What the window's edits let the user type into the record's text fields.
// A record text field is a fixed number of bytes and the texts are UTF-8, so
// an edit is limited by the encoded length of its text, not by its count of
// characters: what fits is written whole, and what is written is what was
// shown. Some edits take fewer characters than their field holds, or only
// digits; the Wi-Fi Direct channel is picked from a list (each field's row in
// link/config_fields.h says which). The command line
// applies the same rules to the texts a file sets.
#pragma once

#include <cstddef>
#include <string_view>

namespace corvane::rules {

enum class EntryFault {
    None,
    TooManyBytes,       // more UTF-8 bytes than the record field holds
    TooManyCharacters,  // more characters than the edit takes
    NotDigits,          // the edit takes ASCII digits only
    NotListed,          // not one of the list's entries
    ZeroCharacter,      // a zero byte would end the text in the record
    NotUtf8,            // bytes no keyboard types (a printer's own may be kept)
};

// The width of a record field in bytes (0 for an unknown name).
std::size_t FieldWidth(std::string_view field);
// Whether `text` fits its record field whole.
bool FitsField(std::string_view field, std::string_view text);

// Why `text` cannot be entered into `field`, or None.
EntryFault CheckTypedText(std::string_view field, std::string_view text);

// An edit takes a change from `before` to `after` when `after` passes the
// rule, or when `before` did not and `after` only cuts a piece out of it (a
// longer name the printer had can still be shortened key by key).
bool AcceptsEdit(std::string_view field, std::string_view before, std::string_view after);

}  // namespace corvane::rules
