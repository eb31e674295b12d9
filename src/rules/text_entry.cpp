#include "rules/text_entry.h"

#include <algorithm>

#include "link/config_fields.h"
#include "link/visible_text.h"
#include "rules/network_page.h"

namespace corvane::rules {

namespace {

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::size_t FieldWidth(std::string_view field) {
    const link::ConfigField* f = link::FindConfigField(field);
    return f ? f->width : 0;
}

bool FitsField(std::string_view field, std::string_view text) { return text.size() <= FieldWidth(field); }

EntryFault CheckTypedText(std::string_view field, std::string_view text) {
    const link::ConfigField* entry = link::FindConfigField(field);
    if (text.find('\0') != std::string_view::npos) return EntryFault::ZeroCharacter;
    if (!link::IsValidUtf8(text)) return EntryFault::NotUtf8;
    if (entry && entry->rule == link::TextRule::Listed) {
        const auto& list = NetworkPage::kChannelEntries;
        return std::find(list.begin(), list.end(), text) != list.end() ? EntryFault::None : EntryFault::NotListed;
    }
    if (entry && entry->rule == link::TextRule::Digits && !AllDigits(text)) return EntryFault::NotDigits;
    if (entry && entry->typedCharacters > 0 && link::Utf8Length(text) > entry->typedCharacters)
        return EntryFault::TooManyCharacters;
    if (!FitsField(field, text)) return EntryFault::TooManyBytes;
    return EntryFault::None;
}

bool AcceptsEdit(std::string_view field, std::string_view before, std::string_view after) {
    if (CheckTypedText(field, after) == EntryFault::None) return true;
    if (CheckTypedText(field, before) == EntryFault::None || after.size() >= before.size()) return false;
    // Only a cut: `after` is `before` with one run of bytes taken out.
    std::size_t prefix = 0;
    while (prefix < after.size() && after[prefix] == before[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < after.size() - prefix && after[after.size() - 1 - suffix] == before[before.size() - 1 - suffix])
        ++suffix;
    return prefix + suffix == after.size();
}

}  // namespace corvane::rules
