// The LAN windows end to end against the printer simulator program on
// loopback: the tool is pointed at its ports and searches from 127.0.0.1, so
// no packet leaves the machine.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>

#include "app/ipv4_address_edit.h"
#include "app/messages.h"
#include "lan/device_lists.h"
#include "lan/fake_printer.h"
#include "lan/modal.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "link/string_table.h"

// Readable failure output for row texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace corvane::lan {
namespace {

using test::execWith;
using test::onNextModal;
using test::waitUntil;

// corvane-printer-sim on free loopback ports, without its direct link.
class SimProcess {
public:
    explicit SimProcess(const QStringList& extraArgs = {}) {
        process_.start(QStringLiteral(CORVANE_SIM_BINARY),
                       QStringList{"--bind", "127.0.0.1", "--ethernet-port", "0", "--wlan-port", "0", "--survey-port",
                                   "0", "--no-link"} +
                           extraArgs);
        if (!process_.waitForStarted(5000)) return;
        // One "name: address:port" line per listener; the survey comes last.
        QByteArray out;
        while (!out.contains("survey:") || !out.endsWith('\n')) {
            if (!process_.waitForReadyRead(5000)) return;
            out += process_.readAllStandardOutput();
        }
        for (const QString& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
            const auto colon = line.indexOf(QStringLiteral(": "));
            if (colon > 0) ports_.insert(line.left(colon), line.section(':', -1).toInt());
        }
    }
    ~SimProcess() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool running() const { return ports_.size() == 3; }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

    // Every request of `mode` goes to the simulator, answers come back to any
    // free port on 127.0.0.1.
    LanEndpoints endpoints(ListMode mode) const {
        LanEndpoints e;
        e.target = QStringLiteral("127.0.0.1");
        e.remotePort = ports_.value(mode == ListMode::Wlan ? QStringLiteral("wlan") : QStringLiteral("ethernet"));
        e.localPort = 0;
        e.surveyPort = ports_.value(QStringLiteral("survey"));
        e.localAddress = QStringLiteral("127.0.0.1");
        return e;
    }

private:
    QProcess process_;
    QMap<QString, int> ports_;
};

LanWindowTimings quickTimings() {
    LanWindowTimings t;
    t.searchTickMs = 15;
    t.ethernetSettingsTimeoutMs = 1500;
    t.wlanSettingsTimeoutMs = 1500;
    t.ethernetResearchDelayMs = 20;
    t.wlanResearchDelayMs = 20;
    t.bssStartDelayMs = 0;
    return t;
}

QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c) {
        const QTableWidgetItem* item = table.item(row, c);
        texts << (item ? item->text() : QStringLiteral("<none>"));
    }
    return texts;
}

QList<QStringList> allRows(const QTableWidget& table) {
    QList<QStringList> rows;
    for (int r = 0; r < table.rowCount(); ++r) rows << rowTexts(table, r);
    return rows;
}

template <typename T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class LanWindowsAgainstSim : public ::testing::Test {
protected:
    // A device list of `mode` on `sim`, searched once.
    std::unique_ptr<DeviceListDialog> searchedList(SimProcess& sim, ListMode mode) {
        EXPECT_TRUE(sim.running()) << sim.errors().toStdString();
        auto window = std::make_unique<DeviceListDialog>(mode, nullptr, sim.endpoints(mode));
        window->setTimings(quickTimings());
        window->onSearch();
        return window;
    }

    app::MessageCapture messages;
};

TEST_F(LanWindowsAgainstSim, BothListsShowTheBuiltInPrinters) {
    SimProcess sim;
    const auto ethernet = searchedList(sim, ListMode::Ethernet);
    const QList<QStringList> ethernetRows{
        {"1", "00:11:62:0a:00:01", "192.168.0.101", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
        {"2", "00:11:62:0a:00:02", "192.168.0.102", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
    };
    EXPECT_EQ(allRows(*child<QTableWidget>(*ethernet, "deviceList")), ethernetRows);
    EXPECT_EQ(ethernet->selectedNumber(), 1);

    const auto wlan = searchedList(sim, ListMode::Wlan);
    const QList<QStringList> wlanRows{
        {"1", "00:11:62:0b:00:01", "192.168.0.111", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
        {"2", "00:11:62:0b:00:02", "192.168.0.112", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
        {"3", "00:11:62:0b:00:03", "192.168.0.113", "255.255.255.0", "192.168.0.1", "9100", "2.4"},
    };
    EXPECT_EQ(allRows(*child<QTableWidget>(*wlan, "deviceList")), wlanRows);
    EXPECT_TRUE(messages.ids().empty());
}

TEST_F(LanWindowsAgainstSim, WlanButtonsFollowEachPrintersFeatureCode) {
    SimProcess sim;
    const auto window = searchedList(sim, ListMode::Wlan);
    auto* table = child<QTableWidget>(*window, "deviceList");
    ASSERT_EQ(table->rowCount(), 3);
    const auto buttons = [&] {
        QList<bool> enabled;
        for (const char* name : {"settingButton", "webButton", "bssInfoButton", "certificateButton"}) {
            enabled << child<QPushButton>(*window, name)->isEnabled();
        }
        return enabled;
    };
    // Row 0 (code 25) decides right after the fill.
    EXPECT_EQ(buttons(), (QList<bool>{true, true, true, false}));

    struct Case {
        int row;
        int featureCode;
        QList<bool> enabled;  // Setting, web page, BSS Info, Certificate upload
    };
    const Case cases[] = {
        {1, 31, {true, true, true, true}},
        {2, 1, {false, true, false, false}},
        {0, 25, {true, true, true, false}},
    };
    for (const Case& c : cases) {
        table->setCurrentCell(c.row, 0);
        EXPECT_EQ(window->selectedNumber(), c.row + 1);
        EXPECT_EQ(buttons(), c.enabled) << "feature code " << c.featureCode;
    }
}

// Changes port and inactivity time of printer 2 in the settings window, and
// expects the confirmation and the new values in the list searched again.
struct SettingsCase {
    ListMode mode;
    int confirmation;
    int rowCount;
};

void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << (c.mode == ListMode::Wlan ? "WLAN" : "Ethernet");
}

class SettingsChangeAgainstSim : public LanWindowsAgainstSim, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsChangeAgainstSim, ConfirmedChangeShowsInTheNextSearch) {
    const SettingsCase c = GetParam();
    SimProcess sim;
    const auto window = searchedList(sim, c.mode);
    auto* table = child<QTableWidget>(*window, "deviceList");
    ASSERT_EQ(table->rowCount(), c.rowCount);
    table->setCurrentCell(1, 0);

    bool saved = false;
    onNextModal<LanSettingsDialog>([&](LanSettingsDialog* settings) {
        auto* port = child<QLineEdit>(*settings, "portEdit");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("9105"));
        child<app::Ipv4AddressEdit>(*settings, "ipAddressEdit")->setAddress({192, 168, 0, 77});
        child<QPushButton>(*settings, "saveButton")->click();
        saved = true;
    });
    window->onSetting();

    EXPECT_TRUE(saved);
    EXPECT_EQ(messages.ids(), (std::vector<int>{c.confirmation}));
    ASSERT_EQ(table->rowCount(), c.rowCount);
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("192.168.0.77"));
    EXPECT_EQ(table->item(1, 5)->text(), QStringLiteral("9105"));
    EXPECT_EQ(table->item(0, 5)->text(), QStringLiteral("9100"));
}

INSTANTIATE_TEST_SUITE_P(BothModes, SettingsChangeAgainstSim,
                         ::testing::Values(SettingsCase{ListMode::Ethernet, kLanConfigCompleted, 2},
                                           SettingsCase{ListMode::Wlan, kWlanConfigCompleted, 3}),
                         [](const auto& param) { return param.param.mode == ListMode::Wlan ? "Wlan" : "Ethernet"; });

TEST_F(LanWindowsAgainstSim, SilentPrinterTimesOutAndTheListIsSearchedAgain) {
    SimProcess sim({"--fault-silent", "sett"});
    const auto window = searchedList(sim, ListMode::Ethernet);
    auto* table = child<QTableWidget>(*window, "deviceList");
    ASSERT_EQ(table->rowCount(), 2);
    const QList<QStringList> before = allRows(*table);

    LanWindowTimings timings = quickTimings();
    timings.ethernetSettingsTimeoutMs = 300;
    window->setTimings(timings);
    onNextModal<LanSettingsDialog>([](LanSettingsDialog* settings) {
        child<QLineEdit>(*settings, "portEdit")->setText(QStringLiteral("9200"));
        child<QPushButton>(*settings, "saveButton")->click();
    });
    window->onSetting();

    EXPECT_EQ(messages.ids(), (std::vector<int>{kSaveFailed}));
    EXPECT_EQ(allRows(*table), before);  // the printer took nothing
    // The window edited the stored record to 9200; only a new search brings
    // back what the printer really has.
    ASSERT_NE(ethernetDevices().deviceAt(1), nullptr);
    EXPECT_EQ(ethernetDevices().deviceAt(1)->port(), 9100);
}

TEST_F(LanWindowsAgainstSim, BssWindowListsTheFirstWlanPrintersSurvey) {
    SimProcess sim;
    ASSERT_TRUE(sim.running()) << sim.errors().toStdString();
    BssInfoDialog dialog(QStringLiteral("127.0.0.1"), nullptr, sim.endpoints(ListMode::Wlan));
    dialog.setStartDelay(0);
    QList<QStringList> rows;
    execWith(dialog, [&] {
        EXPECT_TRUE(waitUntil([&] { return !messages.messages().empty(); }, 5000));
        rows = allRows(*child<QTableWidget>(dialog, "bssList"));
        dialog.reject();
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kBssImported}));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], (QStringList{"1", "Corvane-Office", "00-1A-2B-3C-4D-5E", "Infrastructure", "-42", "WPA2/RSN2"}));
    EXPECT_EQ(rows[5].mid(0, 4), (QStringList{"6", "POS-Adhoc", "02-00-00-12-34-56", "Ad hoc"}));
}

// The simulated WLAN printers report 192.168.0.x; with --printer-host the
// device list's survey and web page go to the simulator on loopback instead.
TEST_F(LanWindowsAgainstSim, PrinterHostKeepsBssInfoAndWebPageOnLoopback) {
    SimProcess sim;
    ASSERT_TRUE(sim.running()) << sim.errors().toStdString();
    LanEndpoints endpoints = sim.endpoints(ListMode::Wlan);
    endpoints.printerHost = QStringLiteral("127.0.0.1");
    DeviceListDialog window(ListMode::Wlan, nullptr, endpoints);
    window.setTimings(quickTimings());
    QList<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    window.onSearch();
    ASSERT_EQ(window.selectedNumber(), 1);
    ASSERT_EQ(child<QTableWidget>(window, "deviceList")->item(0, 2)->text(), QStringLiteral("192.168.0.111"));

    // The web page first: should the override be lost, this stops the test
    // before the survey could connect to the reported address.
    window.onWeb();
    ASSERT_EQ(opened.size(), 1);
    ASSERT_EQ(opened[0].toString(), QStringLiteral("http://127.0.0.1"));

    QList<QStringList> rows;
    onNextModal<BssInfoDialog>([&](BssInfoDialog* survey) {
        EXPECT_TRUE(waitUntil([&] { return !messages.messages().empty(); }, 5000));
        rows = allRows(*child<QTableWidget>(*survey, "bssList"));
        survey->reject();
    });
    window.onBssInfo();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kBssImported}));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], (QStringList{"1", "Corvane-Office", "00-1A-2B-3C-4D-5E", "Infrastructure", "-42", "WPA2/RSN2"}));
}

}  // namespace
}  // namespace corvane::lan
