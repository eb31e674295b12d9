// Reading an address plan: what stops it, with the line that says why.
#include <gtest/gtest.h>

#include "rules/lan_plan.h"
#include "rules/lan_send_checks.h"

namespace {

using corvane::rules::ParsePlan;

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
        {"mac,port\n\n001162000001,9100,1\n", 3, "3 cells where the header has 2"},
        {"mac,ip\n00:11:62:00:00:01,10.0.0.1\n00:11:62:00:00:02,10.0.0.1\n", 3, "already given on line 2"},
        {"mac,port\n00:11:62:00:00:01,32768\n", 2, "a port (0-32767)"},
        {"mac,dhcp\n00:11-62:00:00:01,on\n", 2, "not a MAC address"},
        {"mac,dhcp\n,on\n", 2, "is required"},
        {"\n mac , ip ,baud\r\n00-11-62-00-00-01, ,230400\r\n\r\n", 0, ""},
    };
    for (const Case& c : cases) {
        const auto plan = ParsePlan(c.text);
        if (c.line == 0) {
            EXPECT_TRUE(plan.errors.empty()) << c.text;
            ASSERT_EQ(plan.rows.size(), 1u);
            EXPECT_FALSE(plan.rows[0].ip.has_value());  // a blank cell keeps the printer's value
            EXPECT_EQ(plan.rows[0].baudIndex, 8);
            EXPECT_EQ(plan.rows[0].line, 3);
            continue;
        }
        ASSERT_FALSE(plan.errors.empty()) << c.text;
        EXPECT_EQ(plan.errors[0].line, c.line) << c.text;
        EXPECT_NE(plan.errors[0].message.find(c.says), std::string::npos) << plan.errors[0].message;
    }
}

// A row may take another printer's address only when that printer's own row
// moves it away.
TEST(LanPlan, AnAddressIsFreeOnlyWhenItsPrinterMovesAway) {
    using corvane::rules::Ipv4;
    const auto printer = [](std::uint8_t last, Ipv4 ip) {
        corvane::lan::DiscoveredDevice d;
        d.raw[5] = last;
        d.setIpAddress(ip);
        d.setSubnetMask({255, 255, 255, 0});
        return d;
    };
    const std::vector listed{printer(1, {10, 0, 0, 10}), printer(2, {10, 0, 0, 20}), printer(3, {10, 0, 0, 30})};
    const auto plan = [](const char* rows) { return ParsePlan(std::string("mac,ip,port\n") + rows).rows; };
    struct Case {
        const char* rows;  // printer 1's row first
        bool clash;
    };
    const Case cases[] = {
        {"000000000001,10.0.0.20,\n000000000002,10.0.0.21,\n", false},  // 2 vacates .20
        {"000000000001,10.0.0.20,\n000000000002,,9101\n", true},        // 2 stays on .20
        {"000000000001,10.0.0.30,\n", true},                            // 3 is not in the plan
    };
    for (const Case& c : cases) {
        const auto rows = plan(c.rows);
        ASSERT_FALSE(rows.empty()) << c.rows;
        auto toSend = listed[0];
        toSend.setIpAddress(*rows[0].ip);
        bool clash = false;
        for (const auto& w : corvane::rules::CheckSettingsToSend(toSend, corvane::rules::ListedAfterPlan(listed, rows),
                                                                 listed[0], std::nullopt)) {
            clash = clash || w.check == corvane::rules::SendCheck::AddressInUse;
        }
        EXPECT_EQ(clash, c.clash) << c.rows;
    }
}

}  // namespace
