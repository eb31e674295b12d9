#include "rules/lan_plan.h"

#include <algorithm>
#include <map>

#include "link/discovered_device.h"
#include "link/ipv4_address.h"
#include "rules/csv_table.h"
#include "rules/lan_send_checks.h"
#include "rules/lan_settings_rules.h"

namespace corvane::rules {

namespace {

constexpr const char* kColumns[] = {"mac", "ip", "mask", "gateway", "port", "inactivity", "dhcp", "baud"};
// Columns of the device list's export that a plan reads past, so an edited
// export runs as a plan.
constexpr const char* kExportOnlyColumns[] = {"no", "version", "featurecode", "adapter", "reached"};

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool IsPlanColumn(const std::string& name) {
    return std::any_of(std::begin(kColumns), std::end(kColumns), [&](const char* column) { return name == column; });
}

std::optional<int> Number(const std::string& text, int maximum) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(text);
    return value <= maximum ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

namespace {

// The header's column names; unknown, repeated or missing columns are errors.
std::vector<std::string> ReadHeader(const CsvRow& row, std::vector<PlanError>& errors) {
    std::vector<std::string> header;
    for (const std::string& cell : row.cells) header.push_back(ColumnName(cell));
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto named = [&](const char* name) { return header[i] == name; };
        const bool known = std::any_of(std::begin(kColumns), std::end(kColumns), named) ||
                           std::any_of(std::begin(kExportOnlyColumns), std::end(kExportOnlyColumns), named);
        if (!known) errors.push_back({row.line, "unknown column \"" + header[i] + "\""});
        if (std::find(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(i), header[i]) !=
            header.begin() + static_cast<std::ptrdiff_t>(i))
            errors.push_back({row.line, "column \"" + header[i] + "\" given twice"});
    }
    if (std::find(header.begin(), header.end(), "mac") == header.end()) {
        errors.push_back({row.line, "the header has no \"mac\" column"});
    }
    return header;
}

// One filled cell of a plan column into `row`; when the value is not one,
// what it should have been.
std::optional<std::string> ReadCell(const std::string& column, const std::string& value, PlanRow& row) {
    if (column == "mac") {
        if (auto v = link::ParseMacAddress(value)) row.mac = *v;
        else return "a MAC address";
    } else if (column == "ip" || column == "mask" || column == "gateway") {
        const auto v = link::ParseIpv4Address(value);
        if (!v) return "an IPv4 address";
        (column == "ip" ? row.ip : column == "mask" ? row.mask : row.gateway) = *v;
    } else if (column == "port") {
        if (auto v = Number(value, kLanMaximumPort)) row.port = v;
        else return "a port (0-32767)";
    } else if (column == "inactivity") {
        if (auto v = Number(value, kLanMaximumInactivity)) row.inactivity = v;
        else return "a time (0-3600 s)";
    } else if (column == "dhcp") {
        if (value == "on" || value == "off") row.dhcp = value == "on";
        else return "on or off";
    } else if (column == "baud") {
        for (std::size_t k = 0; k < link::kBaudEntries.size(); ++k) {
            if (value == link::kBaudEntries[k]) row.baudIndex = static_cast<int>(k);
        }
        if (!row.baudIndex) return "one of 1200 ... 230400";
    }
    return std::nullopt;
}

// One row's cells under `header`; false when one is not a value of its
// column. `planCells` gets the cells of the columns a plan uses.
bool ReadRow(const std::vector<std::string>& header, const CsvRow& csvRow, PlanRow& row,
             std::vector<std::string>& planCells, std::vector<PlanError>& errors) {
    const std::size_t errorsBefore = errors.size();
    row.line = csvRow.line;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& column = header[i];
        if (!IsPlanColumn(column)) continue;
        const std::string value = Trim(csvRow.cells[i]);
        planCells.push_back(value);
        if (value.empty()) {
            if (column == "mac") errors.push_back({row.line, "mac: the printer's MAC address is required"});
            continue;
        }
        if (const auto expected = ReadCell(column, value, row)) {
            errors.push_back({row.line, column + ": \"" + value + "\" is not " + *expected});
        }
    }
    return errors.size() == errorsBefore;
}

}  // namespace

Plan ParsePlan(const std::string& text) {
    Plan plan;
    const CsvTable table = ReadCsv(text);
    if (table.error) {
        plan.errors.push_back({table.error->line, table.error->message});
        return plan;
    }
    if (table.rows.empty()) {
        plan.errors.push_back({1, "the plan is empty: a header row naming the columns is required"});
        return plan;
    }
    const std::vector<std::string> header = ReadHeader(table.rows.front(), plan.errors);
    if (!plan.errors.empty()) return plan;

    std::map<link::MacAddress, int> macLines;
    std::map<link::Ipv4Address, int> ipLines;
    std::map<link::MacAddress, std::vector<std::string>> macCells;
    for (std::size_t index = 1; index < table.rows.size(); ++index) {
        const int line = table.rows[index].line;
        if (table.rows[index].cells.size() != header.size()) {
            plan.errors.push_back({line, std::to_string(table.rows[index].cells.size()) +
                                             " cells where the header has " + std::to_string(header.size())});
            continue;
        }
        PlanRow row;
        std::vector<std::string> planCells;  // the cells of the columns a plan uses
        if (!ReadRow(header, table.rows[index], row, planCells, plan.errors)) continue;
        if (const auto [at, fresh] = macLines.emplace(row.mac, line); !fresh) {
            // A printer listed once per adapter is exported once per adapter.
            if (macCells[row.mac] == planCells) continue;
            plan.errors.push_back({line, "the MAC address " + link::FormatMacLower(row.mac) + " is already on line " +
                                             std::to_string(at->second)});
            continue;
        }
        macCells[row.mac] = planCells;
        if (row.ip) {
            if (const auto [at, fresh] = ipLines.emplace(*row.ip, line); !fresh) {
                plan.errors.push_back({line, "the IP address is already given on line " + std::to_string(at->second)});
                continue;
            }
        }
        plan.rows.push_back(row);
    }
    return plan;
}

std::vector<link::DiscoveredDevice> ListedAfterPlan(const std::vector<link::DiscoveredDevice>& listed,
                                                    const std::vector<PlanRow>& moving) {
    std::vector<link::DiscoveredDevice> after = listed;
    for (auto& printer : after) {
        for (const PlanRow& row : moving) {
            if (row.mac == printer.macAddress() && row.ip) printer.setIpAddress(*row.ip);
        }
    }
    return after;
}

PlanOrder OrderPlanRows(const std::vector<link::DiscoveredDevice>& listed, const std::vector<PlanRow>& rows) {
    const std::size_t n = rows.size();
    PlanOrder plan;
    plan.vacatedBy.resize(n);
    plan.cycle.resize(n);
    // Row j frees row i's new address when j's printer holds it now and j
    // gives that printer another address. (A printer listed once per adapter
    // counts once.)
    std::map<link::MacAddress, std::size_t> rowOf;
    for (std::size_t j = 0; j < n; ++j) rowOf.emplace(rows[j].mac, j);
    std::map<link::Ipv4Address, std::vector<std::size_t>> movingFrom;
    for (const auto& printer : listed) {
        const auto row = rowOf.find(printer.macAddress());
        if (row == rowOf.end() || !rows[row->second].ip || *rows[row->second].ip == printer.ipAddress()) continue;
        auto& holders = movingFrom[printer.ipAddress()];
        if (std::find(holders.begin(), holders.end(), row->second) == holders.end()) holders.push_back(row->second);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!rows[i].ip) continue;
        const auto holders = movingFrom.find(*rows[i].ip);
        if (holders == movingFrom.end()) continue;
        for (std::size_t j : holders->second) {
            if (j != i) plan.vacatedBy[i].push_back(j);
        }
    }
    // The rows a row waits for, directly or through others.
    const auto reach = [&](std::size_t from) {
        std::vector<bool> seen(n, false);
        std::vector<std::size_t> stack{from};
        while (!stack.empty()) {
            const std::size_t at = stack.back();
            stack.pop_back();
            for (std::size_t next : plan.vacatedBy[at]) {
                if (!seen[next]) {
                    seen[next] = true;
                    stack.push_back(next);
                }
            }
        }
        return seen;
    };
    // A row is in a circle when what it waits for waits for it.
    std::vector<std::vector<bool>> reaches(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!plan.vacatedBy[i].empty()) reaches[i] = reach(i);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (reaches[i].empty() || !reaches[i][i]) continue;
        for (std::size_t j = 0; j < n; ++j) {
            if (reaches[i][j] && !reaches[j].empty() && reaches[j][i]) plan.cycle[i].push_back(j);
        }
    }
    // Next runs the first row in file order whose new address is free by
    // then; a circle's rows wait only for rows outside it.
    std::vector<bool> placed(n, false);
    while (plan.order.size() < n) {
        std::size_t pick = n;
        for (std::size_t i = 0; i < n && pick == n; ++i) {
            if (placed[i]) continue;
            const auto& circle = plan.cycle[i];
            const bool ready = std::all_of(plan.vacatedBy[i].begin(), plan.vacatedBy[i].end(), [&](std::size_t j) {
                return placed[j] || std::find(circle.begin(), circle.end(), j) != circle.end();
            });
            if (ready) pick = i;
        }
        // Cannot happen once the circles are set apart; keep file order rather than stop.
        if (pick == n) pick = static_cast<std::size_t>(std::find(placed.begin(), placed.end(), false) - placed.begin());
        placed[pick] = true;
        plan.order.push_back(pick);
    }
    return plan;
}

std::vector<PlanRow> ConsecutiveAddresses(const std::vector<link::MacAddress>& macs, link::Ipv4Address first,
                                          link::Ipv4Address mask, std::optional<link::Ipv4Address> gateway,
                                          std::optional<int> port) {
    std::vector<PlanRow> rows;
    std::uint32_t next = first.value();
    for (const auto& mac : macs) {
        PlanRow row;
        row.line = static_cast<int>(rows.size()) + 1;
        row.mac = mac;
        row.ip = link::Ipv4Address(next++);  // past 255.255.255.255 wraps to 0.0.0.0, which the checks refuse
        row.mask = mask;
        row.gateway = gateway;
        row.port = port;
        row.dhcp = false;  // a fixed address means DHCP off
        rows.push_back(row);
    }
    return rows;
}

}  // namespace corvane::rules
