// Names of the codes stored in the configuration record.
#pragma once

#include <span>
#include <string_view>

namespace corvane {

enum class Vocabulary { Authentication, Cipher, NetworkMode, IpAssignment, EapMode, EnableSwitch };

namespace SettingVocabulary {
// The label of `code` in `table`; for a code outside the table, see
// OutOfTableLabel.
std::string_view label(Vocabulary table, int code);
// True when `code` has a row in `table`.
bool has(Vocabulary table, int code);
// The labels, in code order.
std::span<const std::string_view> labels(Vocabulary table);
// The string-table numbers of the labels, in code order.
std::span<const int> stringIds(Vocabulary table);
}  // namespace SettingVocabulary

}  // namespace corvane
