// An address plan: one CSV row per printer, naming it by MAC and giving the
// settings it is to have. A blank cell keeps the printer's value. The plan is
// read whole before anything is sent: one bad row stops it all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/discovered_device.h"
#include "link/ipv4_address.h"

namespace corvane::rules {

struct PlanRow {
    int line = 0;  // in the file, from 1
    link::MacAddress mac{};
    std::optional<link::Ipv4Address> ip, mask, gateway;
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
Plan ParsePlan(const std::string& text);

// The printers as the checks of one plan row see them: a printer whose own
// row in `moving` gives it another IP address is counted at that address, so
// another row may take the address it leaves. Every other printer stays
// where it is, and a row taking its address is a clash.
std::vector<link::DiscoveredDevice> ListedAfterPlan(const std::vector<link::DiscoveredDevice>& listed,
                                                    const std::vector<PlanRow>& moving);

// The order a plan's rows run in, so that no two printers share an address
// on the way: a row whose new address another planned printer holds now runs
// after that printer's row has moved it away; rows keep their file order
// otherwise. Printers that take each other's addresses in a circle cannot be
// moved one at a time without a temporary address: their rows are named in
// `cycle` and are not to be sent.
struct PlanOrder {
    std::vector<std::size_t> order;                   // indices into the rows, in running order
    std::vector<std::vector<std::size_t>> vacatedBy;  // per row: the rows that must first move its new address's holder
    std::vector<std::vector<std::size_t>> cycle;      // per row: the rows of its circle in file order, empty when none
};
PlanOrder OrderPlanRows(const std::vector<link::DiscoveredDevice>& listed, const std::vector<PlanRow>& rows);

// Rows giving consecutive addresses from `first` to the printers `macs`, in
// that order, each with the same mask and DHCP off; the gateway and the port
// when given, each printer's own otherwise.
std::vector<PlanRow> ConsecutiveAddresses(const std::vector<link::MacAddress>& macs, link::Ipv4Address first,
                                          link::Ipv4Address mask, std::optional<link::Ipv4Address> gateway,
                                          std::optional<int> port);

}  // namespace corvane::rules
