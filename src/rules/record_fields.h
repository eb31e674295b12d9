// The configuration record as profiles, `link apply` and the history of
// changes compare it: the differences between two records, and the field a
// page rule's notice is about.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/control_state.h"
#include "link/config_fields.h"
#include "link/printer_config.h"

namespace corvane::rules {

// The fields themselves, their kinds, limits, secrets and scopes: the one
// table in link/config_fields.h.
using link::ConfigField;
using link::FieldValue;
using link::ValueProblem;

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
