// The checks over a LAN settings request before it goes out, an address plan
// read from a file, and the comparison after the printer comes back.
#include <gtest/gtest.h>

#include "rules/csv_table.h"
#include "rules/lan_plan.h"
#include "rules/lan_send_checks.h"
#include "rules/lan_verify.h"

namespace {

using namespace corvane::rules;
using corvane::link::DiscoveredDevice;
using corvane::link::Ipv4Address;

DiscoveredDevice Printer(std::uint8_t macLast, Ipv4Address ip, Ipv4Address mask = {255, 255, 255, 0},
                         Ipv4Address gateway = {}) {
    DiscoveredDevice d;
    d.mode = corvane::link::ListMode::Ethernet;
    d.raw[5] = macLast;
    d.setIpAddress(ip);
    d.setSubnetMask(mask);
    d.setGateway(gateway);
    d.setPort(9100);
    return d;
}

std::vector<SendCheck> Checks(const std::vector<SendWarning>& warnings) {
    std::vector<SendCheck> out;
    for (const auto& w : warnings) out.push_back(w.check);
    return out;
}

// Each warning before a LAN request goes out fires on its own case and no other.
TEST(LanSendChecks, EachCheckFiresOnItsCaseOnly) {
    const LocalSubnet local{{10, 0, 0, 5}, {255, 255, 255, 0}};
    const DiscoveredDevice current = Printer(1, {10, 0, 0, 50});
    const std::vector<DiscoveredDevice> listed{current, Printer(2, {10, 0, 0, 60})};
    using C = SendCheck;
    struct Case {
        const char* name;
        DiscoveredDevice toSend;
        std::vector<SendCheck> expected;
    };
    const Ipv4Address k16{255, 255, 0, 0}, k32{255, 255, 255, 255};
    auto dhcp = Printer(1, {10, 0, 0, 60}, {255, 0, 255, 0}, {1, 2, 3, 4});
    dhcp.setDhcp(true);
    const Case cases[] = {
        {"unchanged", current, {}},
        {"gateway in subnet", Printer(1, {10, 0, 0, 51}, {255, 255, 255, 0}, {10, 0, 0, 1}), {}},
        {"/31 has no network address", Printer(1, {10, 0, 0, 50}, {255, 255, 255, 254}), {}},
        {"mask with a hole", Printer(1, {10, 0, 0, 51}, {255, 0, 255, 0}), {C::MaskNotContiguous}},
        {"network address", Printer(1, {10, 0, 0, 0}), {C::NetworkAddress}},
        {"/16 broadcast", Printer(1, {10, 0, 255, 255}, k16), {C::BroadcastAddress, C::OutsideLocalSubnet}},
        {"0.x", Printer(1, {0, 0, 0, 7}, {255, 255, 255, 0}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"loopback", Printer(1, {127, 0, 0, 9}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"multicast, first", Printer(1, {224, 0, 0, 1}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"multicast, last", Printer(1, {239, 255, 255, 254}), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"limited broadcast", Printer(1, k32, k32), {C::ReservedAddress, C::OutsideLocalSubnet}},
        {"gateway elsewhere", Printer(1, {10, 0, 0, 50}, {255, 255, 255, 0}, {10, 0, 1, 1}), {C::GatewayOutsideSubnet}},
        {"address of another MAC", Printer(1, {10, 0, 0, 60}), {C::AddressInUse}},
        {"moved off this computer's subnet", Printer(1, {10, 0, 1, 50}), {C::OutsideLocalSubnet}},
        {"DHCP skips address checks", dhcp, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Checks(CheckSettingsToSend(c.toSend, listed, current, local)), c.expected) << c.name;
    }
    // Without a known local interface the last check has nothing to go on.
    EXPECT_TRUE(CheckSettingsToSend(Printer(1, {10, 0, 1, 50}), listed, current, std::nullopt).empty());
    // A bench printer for another site is reached outside this computer's
    // subnet already: moving it within its own subnet is no news, leaving it is.
    const DiscoveredDevice bench = Printer(3, {172, 16, 4, 20});
    EXPECT_TRUE(CheckSettingsToSend(Printer(3, {172, 16, 4, 21}), listed, bench, local).empty());
    EXPECT_EQ(Checks(CheckSettingsToSend(Printer(3, {172, 16, 5, 21}), listed, bench, local)),
              std::vector{C::OutsideLocalSubnet});
}

// --force lets warnings through and nothing else; a conflict needs its own
// override, which in turn does not release a warning.
TEST(LanSendChecks, WarningsAndConflictsHaveTheirOwnOverrides) {
    const SendWarning warning{SendCheck::OutsideLocalSubnet, {}}, gateway{SendCheck::GatewayOutsideSubnet, {}};
    const SendWarning clash{SendCheck::AddressInUse, {}}, mask{SendCheck::MaskNotContiguous, {}};
    struct Case {
        std::vector<SendWarning> findings;
        SendOverrides overrides;
        bool stops;
    };
    const Case cases[] = {
        {{}, {}, false},
        {{warning, gateway}, {}, true},
        {{warning, gateway}, {true, false}, false},
        {{clash}, {true, false}, true},
        {{mask}, {false, true}, false},
        {{warning, clash}, {false, true}, true},
        {{warning, clash}, {true, true}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StopsSending(c.findings, c.overrides), c.stops)
            << c.findings.size() << " " << c.overrides.warnings << c.overrides.conflicts;
    }
}

// A malformed plan names the line and the cause of its first error; a plan
// with spaces, CRLF and blank lines reads as its rows.
TEST(LanPlan, BadPlansNameTheirLine) {
    struct Case {
        const char* text;
        int line;  // of the first error; 0 for none
        const char* says;
    };
    const Case cases[] = {
        {"", 1, "header row"},
        {"ip,port\n10.0.0.1,9100\n", 1, "no \"mac\" column"},
        {"mac,port,port\n", 1, "given twice"},
        {"mac,colour\n", 1, "unknown column \"colour\""},
        {"mac,port\n\n001162000001,9100,1\n", 3, "3 cells where the header has 2"},
        {"mac,port\n00:11:62:00:00:01,32768\n", 2, "a port (0-32767)"},
        {"mac,dhcp\n00:11-62:00:00:01,on\n", 2, "not a MAC address"},
        {"mac,dhcp\n,on\n", 2, "is required"},
        {"mac,port\n001162000001,9100\n00-11-62-00-00-01,9101\n", 3, "is already on line 2"},
        {"\n mac , ip ,baud\r\n00-11-62-00-00-01, ,230400\r\n\r\n", 0, ""},
    };
    for (const Case& c : cases) {
        const auto plan = ParsePlan(c.text);
        if (c.line == 0) {
            EXPECT_TRUE(plan.errors.empty()) << c.text;
            ASSERT_EQ(plan.rows.size(), 1u);
            EXPECT_EQ(plan.rows[0].baudIndex, 8);
            EXPECT_EQ(plan.rows[0].line, 3);
            continue;
        }
        ASSERT_FALSE(plan.errors.empty()) << c.text;
        EXPECT_EQ(plan.errors[0].line, c.line) << c.text;
        EXPECT_NE(plan.errors[0].message.find(c.says), std::string::npos) << plan.errors[0].message;
    }
}

// Cells joined by '|', rows by '/', each row after its starting line "N:".
std::string Shape(const CsvTable& table) {
    std::string out;
    for (const CsvRow& row : table.rows) {
        out += (out.empty() ? "" : "/") + std::to_string(row.line) + ":";
        for (std::size_t i = 0; i < row.cells.size(); ++i) out += (i ? "|" : "") + row.cells[i];
    }
    return table.error ? out + " !" + std::to_string(table.error->line) + " " + table.error->message : out;
}

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
    const std::pair<std::string, std::string> cases[] = {
        {"a,b\r\n1,2\r\n", "1:a|b/2:1|2"},
        {"\xEF\xBB\xBF"
         "a;b\r3;\"x;y\"\r",
         "1:a|b/2:3|x;y"},  // BOM, ';', CR-only ends
        {"a,b\n\"say \"\"hi\"\"\",\"two\nlines\"\n9,\n", "1:a|b/2:say \"hi\"|two\nlines/4:9|"},
        {"\n\na,b;c\n\n1,2;3", "3:a|b;c/5:1|2;3"},  // blank lines left out; ',' unless ';' outnumbers it
        {"a, \"q,r\" ,b\n", "1:a|q,r|b"},           // spaces around quotes
        {"a,b\n1,\"open\n2,3\n", "1:a|b !2 a quoted cell is not closed"},
        {"a,b\n\"x\"y,2\n", "1:a|b !2 text after a quoted cell's closing quote"},
    };
    for (const auto& [text, shape] : cases) EXPECT_EQ(Shape(ReadCsv(text)), shape) << text;
}

// The device list's export, as written, with one address edited, is a plan;
// a printer listed once per adapter is one row.
TEST(LanPlan, AnEditedExportRunsAsAPlan) {
    const auto plan = ParsePlan(
        "\xEF\xBB\xBFno,MAC,IP,mask,gateway,port,version,featureCode,dhcp,adapter,reached\r\n"
        "1,00:11:62:00:00:01,10.0.0.9,255.255.255.0,10.0.0.1,9100,\"1.02\",12,off,\"eth0, wired\",broadcast\r\n"
        "2,00:11:62:00:00:01,10.0.0.9,255.255.255.0,10.0.0.1,9100,1.02,12,off,wlan0,broadcast\r\n");
    ASSERT_TRUE(plan.errors.empty()) << plan.errors[0].message;
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(plan.rows[0].ip, Ipv4Address(10, 0, 0, 9));
    EXPECT_EQ(plan.rows[0].port, 9100);
    EXPECT_EQ(plan.rows[0].dhcp, false);
}

// A row may take another printer's address only when that printer's own row
// moves it away.
TEST(LanPlan, AnAddressIsFreeOnlyWhenItsPrinterMovesAway) {
    const std::vector listed{Printer(1, {10, 0, 0, 10}), Printer(2, {10, 0, 0, 20}), Printer(3, {10, 0, 0, 30})};
    const std::pair<const char*, bool> cases[] = {
        // printer 1's row first, and whether its new address is still held
        {"000000000001,10.0.0.20,\n000000000002,10.0.0.21,\n", false},  // 2 vacates .20
        {"000000000001,10.0.0.20,\n000000000002,,9101\n", true},        // 2 stays on .20
    };
    for (const auto& [text, held] : cases) {
        const auto rows = ParsePlan(std::string("mac,ip,port\n") + text).rows;
        ASSERT_FALSE(rows.empty()) << text;
        auto toSend = listed[0];
        toSend.setIpAddress(*rows[0].ip);
        const auto checks = Checks(CheckSettingsToSend(toSend, ListedAfterPlan(listed, rows), listed[0], std::nullopt));
        EXPECT_EQ(checks == std::vector{SendCheck::AddressInUse}, held) << text;
    }
}

// With DHCP the server picks the addresses: only the rest is compared.
TEST(LanVerify, ReportsWhatDiffersFromTheRequest) {
    DiscoveredDevice sent = Printer(1, {10, 0, 0, 51});
    sent.setDhcp(true);
    DiscoveredDevice found = sent;
    EXPECT_TRUE(CompareWithSent(sent, found).empty());
    found.setPort(9101);
    found.setIpAddress({10, 0, 0, 50});
    EXPECT_EQ(DifferencesText(CompareWithSent(sent, found)), "port sent 9100, reported 9101");
    sent.setDhcp(false);
    found.setDhcp(false);
    EXPECT_EQ(DifferencesText(CompareWithSent(sent, found)),
              "ip sent 10.0.0.51, reported 10.0.0.50; port sent 9100, reported 9101");
}

// The searches after a change stop only once the printer shows it: a DHCP
// printer must also have an address from the server.
TEST(LanVerify, ShowsTheChangeOnlyWithAnAddress) {
    struct Case {
        bool dhcp;
        Ipv4Address found;
        std::uint16_t port;
        bool shows, noAddress;
    };
    const Case cases[] = {
        {false, {10, 0, 0, 51}, 9100, true, false}, {false, {10, 0, 0, 50}, 9100, false, false},
        {true, {10, 0, 0, 77}, 9100, true, false},  {true, {0, 0, 0, 0}, 9100, false, true},
        {true, {10, 0, 0, 77}, 9101, false, false},
    };
    for (const auto& c : cases) {
        DiscoveredDevice sent = Printer(1, {10, 0, 0, 51});
        sent.setDhcp(c.dhcp);
        DiscoveredDevice found = sent;
        found.setIpAddress(c.found);
        found.setPort(c.port);
        EXPECT_EQ(ShowsChange(sent, found), c.shows) << c.found.text() << " " << c.port;
        EXPECT_EQ(NoAddressYet(sent, found), c.noAddress) << c.found.text();
    }
}

}  // namespace
