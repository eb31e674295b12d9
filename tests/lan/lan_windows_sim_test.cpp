// The LAN windows end to end against the printer simulator program on
// loopback: the tool is pointed at its ports and searches from 127.0.0.1, so
// no packet leaves the machine.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>

#include "history/history_log.h"
#include "lan/modal.h"
#include "lan/ui/assign_addresses_dialog.h"
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

// Lists the simulator's printers, changes port and address of printer 2 in
// the settings window, and expects the confirmation, the new values in the
// list searched again and the verification. The new address is off this
// computer's subnet: the WLAN printer (fixed address) is saved anyway; the
// Ethernet one uses DHCP and gets no address warning.
TEST_F(LanWindowsAgainstSim, ConfirmedChangeShowsInTheNextSearchInBothModes) {
    messages.answerQuestions(true);
    for (const auto& [mode, shown] : {std::pair{ListMode::Ethernet, std::vector<int>{kLanConfigCompleted, -1}},
                                      std::pair{ListMode::Wlan, std::vector<int>{-1, kWlanConfigCompleted, -1}}}) {
        messages.clear();
        const auto window = searchedList(mode);
        auto* table = child<QTableWidget>(*window, "deviceList");
        const int rows = table->rowCount();
        ASSERT_EQ(rows, mode == ListMode::Ethernet ? 2 : 3);
        EXPECT_TRUE(messages.ids().empty());
        EXPECT_EQ(window->selectedNumber(), 1);
        if (mode == ListMode::Ethernet) {
            EXPECT_EQ(allRows(*table)[1], (QStringList{"2", "00:11:62:0a:00:02", "192.168.0.102", "255.255.255.0",
                                                       "192.168.0.1", "9100", "2.4"}));
        }
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
    onNextModalWhen<BssInfoDialog>([&] { return !messages.messages().empty(); },
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

// Assign addresses to two printers: the preview names each new address with
// the checks' warnings; a Cancel during the first row stops before the
// second; a second Apply leaves the first unchanged and moves the second.
TEST_F(LanWindowsAgainstSim, AssignAddressesRowByRowWithCancelBetweenRows) {
    const auto window = searchedList(ListMode::Ethernet);
    auto* table = child<QTableWidget>(*window, "deviceList");
    ASSERT_GE(table->rowCount(), 2);
    const auto chooseFirstTwo = [&] {
        table->clearSelection();
        for (int row : {0, 1}) {
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    };
    const auto cells = [](QTableWidget* preview, int column) {
        QStringList texts;
        for (int r = 0; r < preview->rowCount(); ++r) texts << preview->item(r, column)->text();
        return texts;
    };
    struct Run {
        bool cancelDuringFirstRow;
        QStringList results;
        QString status;
    };
    const Run runs[] = {
        {true, {"verified", "not sent"}, "Cancelled: sent to 00:11:62:0a:00:01; the other rows were not sent."},
        {false, {"unchanged", "verified"}, "Done: 2 of 2 printers have their new address."},
    };
    for (const Run& run : runs) {
        chooseFirstTwo();
        QStringList previewResults, previewNotes, results;
        QString status;
        onNextModal<AssignAddressesDialog>([&](AssignAddressesDialog* assign) {
            auto* preview = child<QTableWidget>(*assign, "previewTable");
            child<QLineEdit>(*assign, "firstAddressEdit")->setText(QStringLiteral("192.168.5.20"));
            child<QLineEdit>(*assign, "gatewayEdit")->setText(QStringLiteral("192.168.5.1"));
            // The list was searched from 127.0.0.1: the new subnet is another one.
            previewResults = cells(preview, 3);
            previewNotes = cells(preview, 4);
            child<QCheckBox>(*assign, "forceCheck")->setChecked(true);
            if (run.cancelDuringFirstRow) QTimer::singleShot(0, assign, [assign] { assign->reject(); });
            assign->apply();
            results = cells(preview, 3);
            status = child<QLabel>(*assign, "statusLabel")->text();
            assign->reject();
        });
        window->onAssignAddresses();
        EXPECT_EQ(results, run.results);
        EXPECT_EQ(status, run.status);
        if (run.cancelDuringFirstRow) {
            EXPECT_EQ(previewResults, (QStringList{"refused", "refused"}));
            EXPECT_NE(previewNotes[1].indexOf(QStringLiteral("192.168.5.21 is outside the subnet")), -1)
                << previewNotes[1].toStdString();
        }
    }
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("192.168.5.20"));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("192.168.5.21"));
    EXPECT_TRUE(messages.ids().empty());
}

// A search from every adapter (two loopback addresses here) lists each
// printer once per adapter it answered on; a row's settings leave through
// the adapter that heard it.
TEST_F(LanWindowsAgainstSim, EveryAdapterSearchListsRowsPerAdapterAndSendsThroughIt) {
    DeviceListDialog window(ListMode::Ethernet, nullptr, endpoints(ListMode::Ethernet));
    window.setTimings(quickTimings());
    window.searchFromEveryAdapter(
        {{QStringLiteral("127.0.0.1"), QStringLiteral("lo")}, {QStringLiteral("127.0.0.2"), QStringLiteral("lo")}});
    auto* table = child<QTableWidget>(window, "deviceList");
    ASSERT_EQ(table->columnCount(), 9);
    EXPECT_EQ(table->horizontalHeaderItem(8)->text(), QStringLiteral("Adapter"));
    const int perAdapter = table->rowCount() / 2;
    ASSERT_GE(perAdapter, 1);
    EXPECT_EQ(table->item(0, 8)->text(), QStringLiteral("127.0.0.1 lo"));
    EXPECT_EQ(table->item(perAdapter, 8)->text(), QStringLiteral("127.0.0.2 lo"));
    EXPECT_EQ(table->item(perAdapter, 1)->text(), table->item(0, 1)->text());

    messages.answerQuestions(true);
    table->setCurrentCell(perAdapter, 0);
    onNextModal<LanSettingsDialog>([](LanSettingsDialog* settings) {
        auto* port = child<QLineEdit>(*settings, "portEdit");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("9107"));
        child<QPushButton>(*settings, "saveButton")->click();
    });
    window.onSetting();
    const auto log = history::readLog();
    ASSERT_EQ(log.entries.size(), 1);
    EXPECT_EQ(history::wayText(log.entries[0]), QStringLiteral("ethernet via 127.0.0.2"));
    EXPECT_EQ(log.entries[0].outcome, "confirmed");
}

// Cancel during the pause before the verification search is heard: the
// wait ends (it would outlast the test), the confirmed row is not verified
// and both the row and the status say the check was cancelled.
TEST_F(LanWindowsAgainstSim, AssignAddressesCancelEndsThePauseBeforeTheCheck) {
    const auto window = searchedList(ListMode::Ethernet);
    LanWindowTimings timings = quickTimings();
    timings.ethernetResearchDelayMs = 60000;
    window->setTimings(timings);
    auto* table = child<QTableWidget>(*window, "deviceList");
    ASSERT_GE(table->rowCount(), 1);
    table->selectionModel()->select(table->model()->index(0, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QString result, notes, status;
    onNextModal<AssignAddressesDialog>([&](AssignAddressesDialog* assign) {
        child<QLineEdit>(*assign, "firstAddressEdit")->setText(QStringLiteral("192.168.5.30"));
        child<QCheckBox>(*assign, "forceCheck")->setChecked(true);
        auto* statusLabel = child<QLabel>(*assign, "statusLabel");
        QTimer cancelInPause;
        QObject::connect(&cancelInPause, &QTimer::timeout, assign, [&] {
            if (statusLabel->text().startsWith(QStringLiteral("Waiting"))) {
                child<QPushButton>(*assign, "cancelButton")->click();
            }
        });
        cancelInPause.start(20);
        assign->apply();
        cancelInPause.stop();
        auto* preview = child<QTableWidget>(*assign, "previewTable");
        result = preview->item(0, 3)->text();
        notes = preview->item(0, 4)->text();
        status = statusLabel->text();
        assign->reject();
    });
    window->onAssignAddresses();
    EXPECT_EQ(result, QStringLiteral("not verified"));
    EXPECT_NE(notes.indexOf(QStringLiteral("the check was cancelled")), -1) << notes.toStdString();
    EXPECT_NE(status.indexOf(QStringLiteral("cancelled")), -1) << status.toStdString();
}

}  // namespace
}  // namespace corvane::lan
