// An address plan: one CSV row per printer, naming it by MAC and giving the
// settings it is to have. A blank cell keeps the printer's value. The plan is
// read whole before anything is sent: one bad row stops it all.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::rules {

struct PlanRow {
    int line = 0;  // in the file, from 1
    std::array<std::uint8_t, 6> mac{};
    std::optional<std::array<std::uint8_t, 4>> ip, mask, gateway;
    std::optional<int> port, inactivity;
    std::optional<bool> dhcp;
    std::optional<int> baudIndex;  // into the settings window's speed list
};

struct PlanError {
    int line;
    std::string message;
};

struct Plan {
    std::vector<PlanRow> rows;
    std::vector<PlanError> errors;  // empty when the plan may run
};

// Columns: mac (required), ip, mask, gateway, port, inactivity, dhcp
// (on/off), baud (1200 ... 230400), in any order, named by a header row.
// Numbers are checked against the settings window's ranges; reserved ports
// are left to the window's own rule when the row is applied.
Plan parsePlan(const std::string& text);

}  // namespace corvane::rules
