// One reading of an address wherever it is typed or kept: the same text
// gives the same address, or the same refusal, in a plan cell, a record file
// or profile, a --target list and the windows' address entry. Leading zeros
// are decimal; octal, hexadecimal, short forms and host names are refused.
#include <gtest/gtest.h>

#include "link/ipv4_address.h"
#include "rules/lan_plan.h"
#include "transport/endpoints.h"
#include "widgets/ipv4_address_edit.h"

namespace {

using namespace corvane;

TEST(AddressEntry, EveryFrontEndReadsTheSameDecimalAddressOrRefuses) {
    const std::pair<std::string, const char*> cases[] = {
        // text, the address it is (nullptr: refused)
        {"192.168.000.010", "192.168.0.10"},
        {"010.000.000.005", "10.0.0.5"},
        {" 10.0.0.1\t", "10.0.0.1"},
        {"255.255.255.255", "255.255.255.255"},
        {"1.2.3.256", nullptr},
        {"1.2.3", nullptr},
        {"0x7f.0.0.1", nullptr},
        {"localhost", nullptr},
        {"", nullptr},
        {"1.2.3.4.5", nullptr},
        {"0010.0.0.1", nullptr},
        {"1..2.3", nullptr},
        {"+1.2.3.4", nullptr},
        {"1.2.3.4 5", nullptr},
        {"127.0.0.1;127.0.0.2", nullptr},
    };
    for (const auto& [text, expected] : cases) {
        const std::string want = expected ? expected : "refused";
        const auto address = link::ParseIpv4Address(text);
        EXPECT_EQ(address ? address->text() : "refused", want) << text;

        if (!text.empty()) {  // an empty plan cell keeps the printer's value
            const auto plan = rules::ParsePlan("mac,ip\n001162000001," + text + "\n");
            EXPECT_EQ(plan.rows.empty() ? "refused" : plan.rows[0].ip->text(), want) << "plan: " << text;
        }

        const auto targets = transport::parseTargetList(QString::fromStdString(text), 256);
        EXPECT_EQ(targets ? targets->join(',').toStdString() : "refused", want) << "target: " << text;

        widgets::Ipv4AddressEdit edit;
        EXPECT_EQ(edit.setText(QString::fromStdString(text)) ? edit.text().toStdString() : "refused", want)
            << "window: " << text;
    }
}

// The three spellings of a MAC, one separator throughout.
TEST(AddressEntry, MacAddressesInTheirThreeSpellings) {
    const std::pair<const char*, bool> cases[] = {
        {"00:11:62:0a:00:01", true}, {"00-11-62-0A-00-01", true},
        {"0011620a0001", true},      {"00:11-62:0a:00:01", false},
        {"00:11:62:0a:00", false},   {"00:11:62:0a:00:0g", false},
        {"0011620a00011", false},    {"", false},
    };
    for (const auto& [text, valid] : cases) {
        const auto mac = link::ParseMacAddress(text);
        EXPECT_EQ(mac.has_value(), valid) << text;
        if (mac) {
            EXPECT_EQ(*mac, (link::MacAddress{0x00, 0x11, 0x62, 0x0A, 0x00, 0x01})) << text;
        }
    }
}

// A stray comma in a --target list is named as such, not as an address "".
TEST(AddressEntry, TargetListWithAnEmptyEntrySaysSo) {
    for (const char* text : {"127.0.0.1,", ",127.0.0.1", "127.0.0.1,,127.0.0.2"}) {
        const auto targets = transport::parseTargetList(QString::fromLatin1(text), 256);
        ASSERT_FALSE(targets) << text;
        EXPECT_TRUE(targets.error().contains(QStringLiteral("empty entry"))) << text;
    }
}

}  // namespace
