// The LAN windows end to end against the printer simulator program on
// loopback: the tool is pointed at its ports and searches from 127.0.0.1, so
// no packet leaves the machine.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>

#include "history/history_log.h"
#include "lan/device_lists.h"
#include "lan/modal.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "link/string_table.h"
#include "support/sim_process.h"
#include "widgets/ipv4_address_edit.h"
#include "widgets/messages.h"

namespace corvane::lan {
namespace {

using namespace corvane::test;

class LanWindowsAgainstSim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.start({"--no-link"}, "survey:")) << sim.errors().toStdString(); }

    // Every request of `mode` goes to the simulator, answers come back to any
    // free port on 127.0.0.1.
    LanEndpoints endpoints(ListMode mode) const {
        LanEndpoints e;
        e.target = QStringLiteral("127.0.0.1");
        e.remotePort = sim.port(mode == ListMode::Wlan ? QStringLiteral("wlan") : QStringLiteral("ethernet"));
        e.localPort = 0;
        e.surveyPort = sim.port(QStringLiteral("survey"));
        e.localAddress = QStringLiteral("127.0.0.1");
        return e;
    }
    std::unique_ptr<DeviceListDialog> searchedList(ListMode mode, LanEndpoints e) {
        auto window = std::make_unique<DeviceListDialog>(mode, nullptr, e);
        window->setTimings(quickTimings());
        window->onSearch();
        return window;
    }
    std::unique_ptr<DeviceListDialog> searchedList(ListMode mode) { return searchedList(mode, endpoints(mode)); }

    SimProcess sim;
    widgets::MessageCapture messages;
};

TEST_F(LanWindowsAgainstSim, BothListsShowTheBuiltInPrinters) {
    const auto ethernet = searchedList(ListMode::Ethernet);
    const QList<QStringList> ethernetRows{
        {"1", "00:11:62:0a:00:01", "192.168.0.101", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
        {"2", "00:11:62:0a:00:02", "192.168.0.102", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
    };
    EXPECT_EQ(allRows(*child<QTableWidget>(*ethernet, "deviceList")), ethernetRows);
    EXPECT_EQ(ethernet->selectedNumber(), 1);
    EXPECT_EQ(allRows(*child<QTableWidget>(*searchedList(ListMode::Wlan), "deviceList")).size(), 3);
    EXPECT_TRUE(messages.ids().empty());
}

TEST_F(LanWindowsAgainstSim, WlanButtonsFollowEachPrintersFeatureCode) {
    const auto window = searchedList(ListMode::Wlan);
    auto* table = child<QTableWidget>(*window, "deviceList");
    ASSERT_EQ(table->rowCount(), 3);
    const auto buttons = [&] {
        QList<bool> enabled;
        for (const char* name : {"settingButton", "webButton", "bssInfoButton", "certificateButton"})
            enabled << child<QPushButton>(*window, name)->isEnabled();
        return enabled;
    };
    EXPECT_EQ(buttons(), (QList<bool>{true, true, true, false}));  // row 0 decides right after the fill
    struct Case {
        int row;
        int featureCode;
        QList<bool> enabled;  // Setting, web page, BSS Info, Certificate upload
    };
    const Case cases[] = {{1, 31, {true, true, true, true}}, {2, 1, {false, true, false, false}},
                          {0, 25, {true, true, true, false}}};
    for (const Case& c : cases) {
        table->setCurrentCell(c.row, 0);
        EXPECT_EQ(window->selectedNumber(), c.row + 1);
        EXPECT_EQ(buttons(), c.enabled) << "feature code " << c.featureCode;
    }
}

// Changes port and address of printer 2 in the settings window, and expects
// the confirmation, the new values in the list searched again and the
// verification. The new address is off this computer's subnet: the WLAN
// printer (fixed address) is saved anyway; the Ethernet one uses DHCP and
// gets no address warning.
TEST_F(LanWindowsAgainstSim, ConfirmedChangeShowsInTheNextSearchInBothModes) {
    messages.answerQuestions(true);
    for (const auto& [mode, shown] : {std::pair{ListMode::Ethernet, std::vector<int>{kLanConfigCompleted, -1}},
                                      std::pair{ListMode::Wlan, std::vector<int>{-1, kWlanConfigCompleted, -1}}}) {
        messages.clear();
        const auto window = searchedList(mode);
        auto* table = child<QTableWidget>(*window, "deviceList");
        ASSERT_GE(table->rowCount(), 2);
        const int rows = table->rowCount();
        table->setCurrentCell(1, 0);
        onNextModal<LanSettingsDialog>([&](LanSettingsDialog* settings) {
            auto* port = child<QLineEdit>(*settings, "portEdit");
            port->clear();
            QTest::keyClicks(port, QStringLiteral("9105"));
            child<widgets::Ipv4AddressEdit>(*settings, "ipAddressEdit")->setAddress({192, 168, 0, 77});
            child<QPushButton>(*settings, "saveButton")->click();
        });
        window->onSetting();
        ASSERT_EQ(messages.ids(), shown);
        EXPECT_EQ(messages.messages().back().text, QStringLiteral("Verified: now at 192.168.0.77, port 9105"));
        EXPECT_EQ(window->selectedNumber(), 2);
        ASSERT_EQ(table->rowCount(), rows);
        EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("192.168.0.77"));
        EXPECT_EQ(table->item(1, 5)->text(), QStringLiteral("9105"));
        EXPECT_EQ(table->item(0, 5)->text(), QStringLiteral("9100"));
    }
    // Each change went into the history, with the way it went.
    const auto log = history::readLog();
    ASSERT_EQ(log.entries.size(), 2);
    for (const auto& [entry, mode] : {std::pair{log.entries[0], "ethernet"}, std::pair{log.entries[1], "wlan"}}) {
        EXPECT_EQ(history::wayText(entry), QStringLiteral("%1 via 127.0.0.1").arg(QLatin1String(mode)));
        EXPECT_EQ(entry.outcome, "confirmed");
        ASSERT_EQ(entry.changes.size(), 2);
        EXPECT_EQ(entry.changes[1], (history::Change{"port", "9100", "9105", false}));
    }
}

TEST(LanWindowsAgainstSilentSim, SettingsTimeOutAndTheListIsSearchedAgain) {
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--no-link", "--fault-silent", "sett"}, "survey:")) << sim.errors().toStdString();
    widgets::MessageCapture messages;
    LanEndpoints e;
    e.target = e.localAddress = QStringLiteral("127.0.0.1");
    e.remotePort = sim.port(QStringLiteral("ethernet"));
    e.localPort = 0;
    DeviceListDialog window(ListMode::Ethernet, nullptr, e);
    LanWindowTimings timings = quickTimings();
    timings.ethernetSettingsTimeoutMs = 300;
    window.setTimings(timings);
    window.onSearch();
    auto* table = child<QTableWidget>(window, "deviceList");
    ASSERT_EQ(table->rowCount(), 2);
    const QList<QStringList> before = allRows(*table);

    onNextModal<LanSettingsDialog>([](LanSettingsDialog* settings) {
        child<QLineEdit>(*settings, "portEdit")->setText(QStringLiteral("9200"));
        child<QPushButton>(*settings, "saveButton")->click();
    });
    window.onSetting();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kSaveFailed}));
    // The window edited the stored record to 9200; only the new search brings
    // back what the printer really has.
    EXPECT_EQ(allRows(*table), before);
    ASSERT_NE(ethernetDevices().deviceAt(1), nullptr);
    EXPECT_EQ(ethernetDevices().deviceAt(1)->port(), 9100);
}

// The simulated WLAN printers report 192.168.0.x; with --printer-host the
// device list's survey and web page go to the simulator on loopback instead.
TEST_F(LanWindowsAgainstSim, PrinterHostKeepsBssInfoAndWebPageOnLoopback) {
    LanEndpoints e = endpoints(ListMode::Wlan);
    e.printerHost = QStringLiteral("127.0.0.1");
    const auto window = searchedList(ListMode::Wlan, e);
    QList<QUrl> opened;
    window->setUrlOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    ASSERT_EQ(window->selectedNumber(), 1);
    ASSERT_EQ(child<QTableWidget>(*window, "deviceList")->item(0, 2)->text(), QStringLiteral("192.168.0.111"));

    // The web page first: should the override be lost, this stops the test
    // before the survey could connect to the reported address.
    window->onWeb();
    ASSERT_EQ(opened.size(), 1);
    ASSERT_EQ(opened[0].toString(), QStringLiteral("http://127.0.0.1"));

    // The survey keeps its window painted by running the event loop from
    // inside its work; this check runs there too, so it must not wait.
    QList<QStringList> rows;
    onNextModalWhen<BssInfoDialog>(
        [&] { return !messages.messages().empty(); },
        [&](BssInfoDialog* survey) {
            rows = allRows(*child<QTableWidget>(*survey, "bssList"));
            survey->reject();
        },
        60000, "the survey's message");
    window->onBssInfo();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kBssImported}));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], (QStringList{"1", "Corvane-Office", "00-1A-2B-3C-4D-5E", "Infrastructure", "-42", "WPA2/RSN2"}));
    EXPECT_EQ(rows[5].mid(0, 4), (QStringList{"6", "POS-Adhoc", "02-00-00-12-34-56", "Ad hoc"}));
}

}  // namespace
}  // namespace corvane::lan
