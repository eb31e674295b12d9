#include <gtest/gtest.h>

#include "lan/device_list_buttons.h"
#include "lan/lan_settings_form.h"
#include "lan/plan_run.h"
#include "rules/lan_plan.h"
#include "link/string_table.h"

namespace corvane::lan {
namespace {

DiscoveredDevice ethernetRecord() {
    DiscoveredDevice d;
    d.setIpAddress({192, 168, 1, 50});
    d.setPort(9100);
    d.setBaudCode(0xFF);
    return d;
}

LanSettingsEdits validEdits() {
    LanSettingsEdits e;
    e.ipAddress = {10, 0, 0, 7};
    e.subnetMask = {255, 0, 0, 0};
    e.gateway = {10, 0, 0, 1};
    e.portText = QStringLiteral("9100");
    e.inactivityText = QStringLiteral("300");
    e.baudIndex = 8;
    e.dhcp = true;
    return e;
}

TEST(LanSettingsForm, LiveRangeChecks) {
    struct Case {
        const char* text;
        bool port;
        std::optional<int> message;
        int replacement;
    };
    const Case cases[] = {
        {"32768", true, kPortOutOfRange, 9100},
        {"32767", true, std::nullopt, 0},
        {"", true, std::nullopt, 0},
        {"99999999999999999999999", true, kPortOutOfRange, 9100},
        {"3601", false, kTimeNotSet, 0},
        {"3600", false, std::nullopt, 0},
        {"0", false, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const auto fix = c.port ? LanSettingsForm::checkPortEdit(text) : LanSettingsForm::checkInactivityEdit(text);
        ASSERT_EQ(fix.has_value(), c.message.has_value()) << c.text;
        if (fix) {
            EXPECT_EQ(fix->messageId, *c.message) << c.text;
            EXPECT_EQ(fix->replacement, c.replacement) << c.text;
        }
    }
}

TEST(LanSettingsForm, RefusedOrEmptyEditsLeaveTheRecordAlone) {
    struct Case {
        const char* port;
        const char* inactivity;
        SaveDecision::Action action;
    };
    const Case cases[] = {
        {"80", "300", SaveDecision::Action::Refused}, {"443", "300", SaveDecision::Action::Refused},
        {"23", "300", SaveDecision::Action::Refused}, {"21", "300", SaveDecision::Action::Refused},
        {"25", "300", SaveDecision::Action::Refused}, {"3318", "300", SaveDecision::Action::Refused},
        {"", "300", SaveDecision::Action::Nothing},   {"9100", "", SaveDecision::Action::Nothing},
    };
    for (const Case& c : cases) {
        DiscoveredDevice record = ethernetRecord();
        const auto before = record.raw;
        LanSettingsEdits edits = validEdits();
        edits.portText = QString::fromLatin1(c.port);
        edits.inactivityText = QString::fromLatin1(c.inactivity);
        const SaveDecision d = LanSettingsForm::save(edits, record);
        EXPECT_EQ(d.action, c.action) << c.port;
        if (c.action == SaveDecision::Action::Refused) {
            EXPECT_EQ(d.messageId, kPortNotAvailable);
            EXPECT_EQ(d.portReplacement, 9100);
            EXPECT_EQ(d.focus, FormField::Port);
        }
        EXPECT_EQ(record.raw, before) << c.port;
    }
}

TEST(LanSettingsForm, AllZeroAddressIsRefusedAfterTheRecordWasWritten) {
    DiscoveredDevice record = ethernetRecord();
    LanSettingsEdits edits = validEdits();
    edits.ipAddress = {0, 0, 0, 0};
    edits.portText = QStringLiteral("4000");
    const SaveDecision d = LanSettingsForm::save(edits, record);
    EXPECT_EQ(d.action, SaveDecision::Action::Refused);
    EXPECT_EQ(d.messageId, kIpNotUsable);
    EXPECT_EQ(d.focus, FormField::IpAddress);
    EXPECT_EQ(record.port(), 4000);
    EXPECT_EQ(record.ipAddress(), (std::array<std::uint8_t, 4>{}));
}

TEST(LanSettingsForm, SaveWritesTheEditsAndTheRequestCarriesThem) {
    DiscoveredDevice record = ethernetRecord();
    const SaveDecision d = LanSettingsForm::save(validEdits(), record);
    ASSERT_EQ(d.action, SaveDecision::Action::Send);
    EXPECT_EQ(record.ipAddress(), (std::array<std::uint8_t, 4>{10, 0, 0, 7}));
    EXPECT_EQ(record.gateway(), (std::array<std::uint8_t, 4>{10, 0, 0, 1}));
    EXPECT_TRUE(record.dhcp());
    EXPECT_EQ(record.baudCode(), 0xBB);
    const Bytes request = BuildSettingsRequest(record);
    ASSERT_EQ(request.size(), 30u);
    EXPECT_EQ(request[22], 0x23);  // port 9100
    EXPECT_EQ(request[23], 0x8C);
    EXPECT_EQ(request[28], 0x01);  // inactivity 300
    EXPECT_EQ(request[29], 0x2C);
}

TEST(LanSettingsForm, UnknownBaudCodeShowsNothingAndSavesZero) {
    DiscoveredDevice record = ethernetRecord();
    record.setBaudCode(0x00);
    LanSettingsEdits edits = LanSettingsForm::editsFor(record);
    EXPECT_EQ(edits.baudIndex, -1);
    ASSERT_EQ(LanSettingsForm::save(edits, record).action, SaveDecision::Action::Send);
    EXPECT_EQ(record.baudCode(), 0x00);

    record.setBaudCode(0xBB);
    EXPECT_EQ(LanSettingsForm::editsFor(record).baudIndex, 8);
}

TEST(LanSettingsForm, StartWarningForPortZeroOrBlankAddress) {
    EXPECT_TRUE(LanSettingsForm::needsAddressWarning(4, 0));
    EXPECT_TRUE(LanSettingsForm::needsAddressWarning(0, 9100));
    EXPECT_FALSE(LanSettingsForm::needsAddressWarning(4, 9100));
}

DeviceListButtons buttons(bool setting, bool web, bool bss, bool certificate) {
    return {setting, web, bss, certificate};
}

TEST(DeviceListButtonRules, WlanFeatureCodes) {
    struct Case {
        std::uint8_t code;
        DeviceListButtons expected;
    };
    const Case cases[] = {
        {0, buttons(false, false, false, false)}, {2, buttons(false, false, false, false)},
        {1, buttons(false, true, false, false)},  {3, buttons(false, true, false, false)},
        {4, buttons(false, false, false, true)},  {25, buttons(true, true, true, false)},
        {31, buttons(true, true, true, true)},
    };
    for (const Case& c : cases) {
        DeviceListButtonRules rules(ListMode::Wlan);
        rules.rowChanged(31);
        rules.rowChanged(c.code);
        EXPECT_EQ(rules.state(), c.expected) << int(c.code);
        // The command line refuses what the window greys out.
        EXPECT_EQ(settingOffered(ListMode::Wlan, c.code), c.expected.setting) << int(c.code);
    }
    EXPECT_TRUE(settingOffered(ListMode::Wlan, 7));  // an unknown code decides nothing
}

TEST(DeviceListButtonRules, FillWithUnknownFirstRowFollowsTheLastKnownRow) {
    DeviceListButtonRules rules(ListMode::Wlan);
    rules.rowChanged(4);
    rules.rowChanged(7);  // an unknown code keeps the previous state
    EXPECT_EQ(rules.state(), buttons(false, false, false, true));
    rules.listFilled({7, 25, 1, 7});
    EXPECT_EQ(rules.state(), buttons(false, true, false, false));
    rules.listFilled({4, 31});
    EXPECT_EQ(rules.state(), buttons(false, false, false, true));  // row 0 chosen last
}

TEST(DeviceListButtonRules, EmptyFillDisablesEveryAction) {
    DeviceListButtonRules wlan(ListMode::Wlan);
    wlan.rowChanged(31);
    wlan.listFilled({});
    EXPECT_EQ(wlan.state(), buttons(false, false, false, false));

    DeviceListButtonRules ethernet(ListMode::Ethernet);
    EXPECT_FALSE(ethernet.showsWlanButtons());
    ethernet.listFilled({0});
    EXPECT_EQ(ethernet.state(), buttons(true, true, false, false));
    ethernet.listFilled({});
    EXPECT_EQ(ethernet.state(), buttons(false, false, false, false));
}

// A plan's rows run so that a printer leaves an address before another row
// takes it: a chain runs from its free end, a circle is refused, and a row
// whose address is still held after its holder's row failed is not sent.
// (Dry runs: nothing leaves, the outcomes are the same as a real run's.)
TEST(PlanRun, PrintersLeaveAnAddressBeforeAnotherTakesIt) {
    DeviceList listed;
    for (std::uint8_t n = 1; n <= 4; ++n) {
        DiscoveredDevice d = ethernetRecord();
        d.raw[5] = n;  // MAC 00:00:00:00:00:0n
        d.setIpAddress({10, 0, 0, static_cast<std::uint8_t>(10 + n)});
        d.setSubnetMask({255, 255, 255, 0});
        listed.appendDevice(d);
    }
    const auto describe = [](const PlanRowOutcome& o) -> std::string {
        if (!o.cycle.empty()) return "circle of " + std::to_string(o.cycle.size());
        if (o.heldBy) return "held by " + std::to_string((*o.heldBy)[5]);
        return o.result == PlanResult::WouldSend ? "send" : o.result == PlanResult::Refused ? "refused" : "other";
    };
    struct Case {
        const char* rows;  // mac,ip
        std::vector<std::size_t> order;
        std::vector<std::string> results;  // in file order
    };
    const Case cases[] = {
        // 1 takes 2's address, 2 takes 3's, 3 moves to a free one: 3, 2, 1.
        {"000000000001,10.0.0.12\n000000000002,10.0.0.13\n000000000003,10.0.0.30\n",
         {2, 1, 0},
         {"send", "send", "send"}},
        // 1 and 2 swap, 4 takes 3's address after it: the rest keep file order.
        {"000000000001,10.0.0.12\n000000000004,10.0.0.13\n000000000002,10.0.0.11\n000000000003,10.0.0.40\n",
         {0, 2, 3, 1},
         {"circle of 2", "send", "circle of 2", "send"}},
        // 3's row is refused (no address at all): even with force, 2 may not
        // take the address 3 still holds, nor 1 the one 2 then still holds.
        {"000000000001,10.0.0.12\n000000000002,10.0.0.13\n000000000003,0.0.0.0\n",
         {2, 1, 0},
         {"held by 2", "held by 3", "refused"}},
    };
    for (const Case& c : cases) {
        const auto plan = rules::ParsePlan(std::string("mac,ip\n") + c.rows);
        ASSERT_TRUE(plan.errors.empty()) << c.rows;
        PlanRun run({}, listed, plan.rows, "test", /*force=*/true, /*dryRun=*/true);
        std::vector<std::size_t> order;
        while (run.rowsRun() < run.rowCount()) {
            order.push_back(run.nextRow());
            run.runNextRow();
        }
        std::vector<std::string> results;
        for (const auto& o : run.outcomes()) results.push_back(describe(o));
        EXPECT_EQ(order, c.order) << c.rows;
        EXPECT_EQ(results, c.results) << c.rows;
    }
}

}  // namespace
}  // namespace corvane::lan
