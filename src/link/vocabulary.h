// Names of the codes stored in the configuration record.
#pragma once

#include <span>
#include <string_view>

#include "link/string_table.h"

namespace corvane {

enum class Vocabulary { Authentication, Cipher, NetworkMode, IpAssignment, EapMode, EnableSwitch };

namespace setting_vocabulary {
// The label of `code` in `table`. A code without a row still gets a text:
// network mode 2 reads "Wi-Fi Direct", any other code 0..255 "Unknown (N)",
// and a code outside a byte "Unknown". The views stay valid for the program's life.
std::string_view Label(Vocabulary table, int code);
// True when `code` has a row in `table`.
bool Has(Vocabulary table, int code);
// The labels, in code order.
std::span<const std::string_view> Labels(Vocabulary table);
// The string-table numbers of the labels, in code order.
std::span<const StringId> StringIds(Vocabulary table);
}  // namespace setting_vocabulary

}  // namespace corvane
