// The rules behind the LAN windows, free of widgets and sockets: the settings
// form's checks, the actions a printer's feature code offers, and the order
// in which an address plan's rows run.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "lan/device_list_buttons.h"
#include "lan/lan_settings_form.h"
#include "lan/plan_run.h"
#include "rules/lan_plan.h"
#include "link/string_table.h"

namespace corvane::lan {
namespace {

link::DiscoveredDevice ethernetRecord() {
    link::DiscoveredDevice d;
    d.setIpAddress({192, 168, 1, 50});
    d.setPort(9100);
    return d;
}

LanSettingsEdits validEdits() { return {{10, 0, 0, 7}, {255, 0, 0, 0}, {10, 0, 0, 1}, "9100", "300", 8, true}; }

// While typing, a port above 32767 (or too long to read) becomes 9100 and an
// inactivity above 3600 becomes 0; an empty edit is left for Save.
TEST(LanSettingsForm, LiveRangeChecksAndRefusedOrEmptyEditsLeaveTheRecordAlone) {
    const std::tuple<const char*, bool, std::optional<int>> cases[] = {
        {"32768", true, kPortOutOfRange}, {"32767", true, std::nullopt},
        {"", true, std::nullopt},         {"99999999999999999999999", true, kPortOutOfRange},
        {"3601", false, kTimeNotSet},     {"3600", false, std::nullopt},
    };
    for (const auto& [text, port, message] : cases) {
        const auto fix = port ? LanSettingsForm::checkPortEdit(text) : LanSettingsForm::checkInactivityEdit(text);
        EXPECT_EQ(fix ? std::optional<int>(fix->messageId) : std::nullopt, message) << text;
        if (fix) {
            EXPECT_EQ(fix->replacement, port ? 9100 : 0) << text;
        }
    }

    // Ports the printer keeps for its own services are refused and an empty edit
    // saves nothing; either way the record stays as it was. An all-zero address
    // is refused only after the record was written, as the window always did.
    using A = SaveDecision::Action;
    const std::tuple<const char*, const char*, A> refusals[] = {
        {"80", "300", A::Refused},
        {"3318", "300", A::Refused},
        {"", "300", A::Nothing},
        {"9100", "", A::Nothing},
    };
    for (const auto& [port, inactivity, action] : refusals) {
        link::DiscoveredDevice record = ethernetRecord();
        LanSettingsEdits edits = validEdits();
        edits.portText = port;
        edits.inactivityText = inactivity;
        const SaveDecision d = rules::SaveLanEdits(edits, record);
        EXPECT_EQ(d.action, action) << port;
        if (action == A::Refused) {
            EXPECT_EQ(d.messageId, kPortNotAvailable);
            EXPECT_EQ(d.portReplacement, 9100);
            EXPECT_EQ(d.focus, FormField::Port);
        }
        EXPECT_EQ(record.raw, ethernetRecord().raw) << port;
    }

    link::DiscoveredDevice record = ethernetRecord();
    LanSettingsEdits edits = validEdits();
    edits.ipAddress = {0, 0, 0, 0};
    edits.portText = "4000";
    const SaveDecision d = rules::SaveLanEdits(edits, record);
    EXPECT_EQ(d.action, A::Refused);
    EXPECT_EQ(d.messageId, kIpNotUsable);
    EXPECT_EQ(d.focus, FormField::IpAddress);
    EXPECT_EQ(record.port(), 4000);
}

// A baud code the list does not offer shows no choice and is saved as 0x00.
// (That Save writes the edits is proven by `corvane lan-set`.) The window
// warns at start about a printer without an address or port.
TEST(LanSettingsForm, UnknownBaudCodeSavesZeroAndPortZeroOrBlankAddressWarns) {
    link::DiscoveredDevice record = ethernetRecord();
    record.setBaudCode(0x42);
    const LanSettingsEdits edits = rules::LanEditsFor(record);
    EXPECT_EQ(edits.baudIndex, -1);
    ASSERT_EQ(rules::SaveLanEdits(edits, record).action, SaveDecision::Action::Send);
    EXPECT_EQ(record.baudCode(), 0x00);
    EXPECT_TRUE(rules::NeedsAddressWarning(4, 0));
    EXPECT_TRUE(rules::NeedsAddressWarning(0, 9100));
    EXPECT_FALSE(rules::NeedsAddressWarning(4, 9100));
}

// The actions a state offers: s(ettings), w(eb page), b(ss survey), c(ertificate).
std::string offered(const DeviceListButtons& b) {
    return {b.setting ? 's' : '-', b.web ? 'w' : '-', b.bssInfo ? 'b' : '-', b.certificate ? 'c' : '-'};
}

// What each WLAN feature code offers; the command line refuses the settings
// the window greys out, and an unknown code decides nothing. An Ethernet
// list offers settings and web page for any row. Without rows nothing is
// offered. (How a list fills the WLAN buttons is proven in the window.)
TEST(DeviceListButtonRules, FeatureCodesAndEmptyLists) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0, "----"}, {2, "----"}, {1, "-w--"}, {3, "-w--"}, {4, "---c"}, {25, "swb-"}, {31, "swbc"},
    };
    for (const auto& [code, actions] : cases) {
        DeviceListButtonRules rules(link::ListMode::Wlan);
        rules.rowChanged(31);
        rules.rowChanged(code);
        EXPECT_EQ(offered(rules.state()), actions) << int(code);
        EXPECT_EQ(settingOffered(link::ListMode::Wlan, code), actions[0] == 's') << int(code);
    }
    EXPECT_TRUE(settingOffered(link::ListMode::Wlan, 7));

    DeviceListButtonRules ethernet(link::ListMode::Ethernet);
    EXPECT_FALSE(ethernet.showsWlanButtons());
    ethernet.listFilled({0});
    EXPECT_EQ(offered(ethernet.state()), "sw--");
    ethernet.listFilled({});
    EXPECT_EQ(offered(ethernet.state()), "----");
}

// A plan's rows run so that a printer leaves an address before another row
// takes it: a chain runs from its free end, a circle is refused, and a row
// whose address is still held after its holder's row failed is not sent.
// (Dry runs: nothing leaves, the outcomes are the same as a real run's.)
TEST(PlanRun, PrintersLeaveAnAddressBeforeAnotherTakesIt) {
    link::DeviceList listed;
    for (std::uint8_t n = 1; n <= 4; ++n) {
        link::DiscoveredDevice d = ethernetRecord();
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
    // The printers (by their MAC's last byte) in the order their rows ran,
    // each with its outcome.
    const std::pair<const char*, const char*> cases[] = {
        // 1 takes 2's address, 2 takes 3's, 3 moves to a free one: 3, 2, 1.
        {"000000000001,10.0.0.12\n000000000002,10.0.0.13\n000000000003,10.0.0.30\n", "3 send, 2 send, 1 send, "},
        // 1 and 2 swap, 4 takes 3's address after it: the rest keep file order.
        {"000000000001,10.0.0.12\n000000000004,10.0.0.13\n000000000002,10.0.0.11\n000000000003,10.0.0.40\n",
         "1 circle of 2, 2 circle of 2, 3 send, 4 send, "},
        // 3's row is refused (no address at all): even with force, 2 may not
        // take the address 3 still holds, nor 1 the one 2 then still holds.
        {"000000000001,10.0.0.12\n000000000002,10.0.0.13\n000000000003,0.0.0.0\n",
         "3 refused, 2 held by 3, 1 held by 2, "},
    };
    for (const auto& [rows, ran] : cases) {
        const auto plan = rules::ParsePlan(std::string("mac,ip\n") + rows);
        ASSERT_TRUE(plan.errors.empty()) << rows;
        PlanRun run({}, listed, plan.rows, "test", /*force=*/true, /*dryRun=*/true);
        std::vector<std::size_t> order;
        while (run.rowsRun() < run.rowCount()) {
            order.push_back(run.nextRow());
            run.runNextRow();
        }
        std::string described;
        for (const std::size_t row : order)
            described += std::to_string(run.outcomes()[row].row.mac[5]) + " " + describe(run.outcomes()[row]) + ", ";
        EXPECT_EQ(described, ran) << rows;
    }
}

}  // namespace
}  // namespace corvane::lan
