// The LAN windows' own paths against a fake printer on loopback: what the
// simulator cannot play (unknown feature codes, silent or vanishing printers,
// no network, missing records, unreachable survey) and the form's messages.
// The happy paths run end to end against the simulator, further down.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "history/history_log.h"
#include "lan/device_export.h"
#include "lan/device_lists.h"
#include "lan/fake_printer.h"
#include "lan/modal.h"
#include "lan/ui/assign_addresses_dialog.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/ui/local_address_dialog.h"
#include "lan/ui/search_dialog.h"
#include "link/string_table.h"
#include "support/sim_process.h"
#include "widgets/ipv4_address_edit.h"
#include "widgets/messages.h"

namespace corvane::lan {
namespace {

using namespace corvane::test;

// A documentation address: no computer has it.
const QString kForeignAddress = QStringLiteral("192.0.2.44");

// As a search through the fake printer on loopback would have listed them.
void storeRecords(link::ListMode mode, const std::vector<PrinterRecord>& records) {
    devicesFor(mode).clearDevices();
    for (const PrinterRecord& r : records) {
        link::DiscoveredDevice d = r.device(mode);
        d.answeredFrom = "127.0.0.1";
        devicesFor(mode).appendDevice(d);
    }
}

std::vector<QByteArray> answers(link::ListMode mode, const std::vector<PrinterRecord>& records) {
    std::vector<QByteArray> replies;
    for (const PrinterRecord& r : records) replies.push_back(r.answer(mode));
    return replies;
}

FakePrinter::Rule answering(link::ListMode mode, const std::vector<PrinterRecord>& records) {
    return [mode, records](const QByteArray&) { return answers(mode, records); };
}

// Three printers whose addresses sort differently as text and as numbers.
const std::vector<PrinterRecord> kThreePrinters = {
    {.macEnd = 1, .ip = {192, 168, 0, 9}}, {.macEnd = 2, .ip = {10, 0, 0, 5}}, {.macEnd = 3, .ip = {192, 168, 0, 10}}};

// Sorted by a click on "IP Address", each row keeps its printer: a
// double-click or Enter opens that printer's settings. After Save the list
// searches again from the address the first search used (on a computer with
// several networks the printer is reachable only there; a second loopback
// address shows it) and chooses the printer just changed wherever the
// sorting puts it, or says it did not come back. A printer that never
// confirms fails the save, the history says so, and the list shows what the printer has rather
// than the edit the window made to the stored record.
TEST(DeviceListDialog, SortedRowsOpenTheirPrinterAndTheSearchAfterSaveFindsItAgain) {
    enum class After { Confirms, Vanishes, StaysSilent };
    struct Case {
        After after;
        const char* gesture;
        int row;  // sorted by address, the rows hold printers 2, 1, 3
        int chosenAfter;
        QString status;
    };
    const Case cases[] = {
        {After::Confirms, "double-click", 2, 3, QStringLiteral("3 printers found on 127.0.0.2.")},
        {After::Vanishes, "Enter", 2, 1,
         QStringLiteral("2 printers found on 127.0.0.2. The printer 00:1a:ff:01:02:03 did not answer this search.")},
        {After::StaysSilent, "Enter", 0, 2, QStringLiteral("3 printers found on 127.0.0.2.")},
    };
    for (const Case& c : cases) {
        bool saved = false;
        FakePrinter printer([&saved, &c](const QByteArray& request) {
            if (request.startsWith("SETT")) {
                saved = true;
                return c.after == After::StaysSilent ? std::vector<QByteArray>{} : std::vector{bytesOf("SETC!")};
            }
            std::vector<PrinterRecord> records = kThreePrinters;
            if (saved && c.after == After::Vanishes) records.pop_back();
            return answers(link::ListMode::Ethernet, records);
        });
        transport::LanEndpoints endpoints = printer.endpoints();
        endpoints.localAddress.clear();  // chosen in the window
        widgets::MessageCapture messages;
        messages.answerQuestions(true);  // whatever the checks before sending say
        DeviceListDialog window(link::ListMode::Ethernet, nullptr, endpoints);
        LanWindowTimings timings = quickTimings();
        if (c.after == After::StaysSilent) timings.ethernetSettingsTimeoutMs = 300;
        window.setTimings(timings);
        window.show();
        window.searchFrom(QStringLiteral("127.0.0.2"));
        auto* table = child<QTableWidget>(window, "deviceList");
        auto* status = child<QLabel>(window, "statusLabel");
        const QHeaderView& header = *table->horizontalHeader();
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(2) + 4, header.height() / 2));
        ASSERT_EQ(column(*table, 0), (QStringList{"2", "1", "3"}));
        EXPECT_EQ(window.selectedNumber(), 1);
        const QList<QStringList> before = allRows(*table);

        QString title, duringPause;
        onNextModal<LanSettingsDialog>([&title](LanSettingsDialog* settings) {
            title = settings->windowTitle();
            child<QLineEdit>(*settings, "portEdit")->setText(QStringLiteral("9200"));
            child<QPushButton>(*settings, "saveButton")->click();
        });
        onNextModal<SearchDialog>([&](SearchDialog*) { duringPause = status->text(); });
        if (c.gesture == std::string_view("Enter")) {
            table->setCurrentCell(c.row, 0);
            QTest::keyClick(table, Qt::Key_Return);
        } else {
            const QPoint centre = table->visualItemRect(table->item(c.row, 1)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
        }
        EXPECT_EQ(title, "Ethernet Configuration — 00:1a:ff:01:02:0" + before[c.row][0]) << c.gesture;
        EXPECT_EQ(duringPause.toStdString(), "Waiting 1 s for the printer to restart its network…");
        // Search, settings, (once confirmed) the search that verifies, search.
        const bool confirmed = c.after != After::StaysSilent;
        ASSERT_EQ(printer.requests().size(), confirmed ? 4u : 3u);
        EXPECT_EQ(printer.senders().toStdString(),
                  confirmed ? "127.0.0.2 127.0.0.2 127.0.0.2 127.0.0.2" : "127.0.0.2 127.0.0.2 127.0.0.2");
        EXPECT_EQ(window.selectedNumber(), c.chosenAfter);
        EXPECT_EQ(status->text(), c.status);
        if (c.after == After::Confirms) {
            EXPECT_EQ(table->currentRow(), 2);
            EXPECT_EQ(messages.ids().end()[-2], kLanConfigCompleted);  // before the verification
        }
        // The printer reports its old port: the note after the search is a warning.
        if (confirmed) {
            EXPECT_TRUE(messages.messages().back().warning) << c.gesture;
        } else {
            EXPECT_EQ(messages.ids().back(), kSaveFailed);
            EXPECT_EQ(history::readLog().entries.back().outcome, history::kNotConfirmed);
            EXPECT_EQ(allRows(*table), before);
            EXPECT_EQ(devicesFor(link::ListMode::Ethernet).deviceAt(2)->port(), 9100);
        }
    }
}

// A first row of an unknown feature code takes the buttons of the last known
// one; buttons a feature code greys out say why, and Enter on such a row says
// it too instead of opening a window (Enter with no row chosen searches).
// Certificates go over USB or serial, so the list offers no upload button. A
// printer without an address (0.x.x.x, which on Linux is this computer) is
// not contacted; without a browser the web address (https where the printer
// says so) is shown instead. A survey that gets no answer ends at Cancel.
TEST(DeviceListDialog, ButtonsFollowTheFeatureCodeAndWebAndSurveyNeedAnAddress) {
    FakePrinter printer(answering(link::ListMode::Wlan, {{.macEnd = 1, .ip = {0, 0, 0, 0}, .feature = 7},
                                                         {.macEnd = 2, .feature = 1},
                                                         {.ip = {10, 1, 2, 3}, .https = 1, .feature = 25}}));
    QTcpServer surveyed;  // where a survey of 0.0.0.0 would land; takes connections, never answers
    ASSERT_TRUE(surveyed.listen(QHostAddress::LocalHost, 0));
    transport::LanEndpoints endpoints = printer.endpoints();
    endpoints.surveyPort = surveyed.serverPort();
    widgets::MessageCapture messages;
    DeviceListDialog window(link::ListMode::Wlan, nullptr, endpoints);
    LanWindowTimings timings = quickTimings();
    timings.survey.receive = std::chrono::milliseconds(50);
    window.setTimings(timings);
    std::vector<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return false;  // no browser
    });
    window.show();
    window.onSearch();
    auto* table = child<QTableWidget>(window, "deviceList");
    auto* setting = child<QPushButton>(window, "settingButton");
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_TRUE(setting->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "bssInfoButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "certificateButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "certificateButton")->isVisible());

    struct Case {
        int row;
        void (DeviceListDialog::*action)();
        int message;
        QString shown;
    };
    const Case cases[] = {
        {0, &DeviceListDialog::onWeb, kWebAddressUnconfigured, {}},
        {0, &DeviceListDialog::onBssInfo, kBssFailed, {}},
        {2, &DeviceListDialog::onWeb, kBrowserUnavailable, QStringLiteral("https://10.1.2.3")},
    };
    for (const Case& c : cases) {
        messages.clear();
        table->setCurrentCell(c.row, 0);
        if (c.action == &DeviceListDialog::onBssInfo) {
            onNextModalWhen<BssInfoDialog>([&] { return !messages.messages().empty(); },
                                           [](BssInfoDialog* survey) { survey->reject(); });
        }
        (window.*c.action)();
        ASSERT_EQ(messages.ids(), (std::vector<int>{c.message})) << c.row;
        EXPECT_TRUE(messages.messages()[0].text.contains(c.shown)) << messages.messages()[0].text.toStdString();
    }
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), QStringLiteral("https://10.1.2.3"));
    EXPECT_FALSE(surveyed.hasPendingConnections() || surveyed.waitForNewConnection(100));

    table->setCurrentCell(1, 0);
    EXPECT_FALSE(setting->isEnabled());
    EXPECT_EQ(setting->toolTip(), QStringLiteral("This printer does not support changing its settings from the list."));
    ClosesModals closer;
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(closer.closed(), 0);
    EXPECT_EQ(child<QLabel>(window, "statusLabel")->text(), setting->toolTip());
    table->clearSelection();
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(printer.requests().size(), 2u);  // searched again

    // Cancel during a survey that gets no answer closes the window at once,
    // not after the printer's 10.5 s of receive attempts.
    messages.clear();
    BssInfoDialog dialog(QStringLiteral("127.0.0.1"), nullptr, endpoints);
    dialog.setStartDelay(0);
    const auto start = std::chrono::steady_clock::now();
    execWith(dialog,
             [&] { QTimer::singleShot(300, &dialog, [&] { child<QPushButton>(dialog, "cancelButton")->click(); }); });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(messages.ids().empty());
}

// With loopback alone there is no search. Each other address names its
// interface (and the system's name for it, where that says more). After a
// cancelled address choice the list is empty, and so there is nothing to
// act on, whatever was chosen before.
TEST(DeviceListDialog, NoAddressOrACancelledChoiceLeavesNothingToActOn) {
    FakePrinter printer(answering(link::ListMode::Wlan, {PrinterRecord{}}));
    transport::LanEndpoints endpoints = printer.endpoints();
    endpoints.localAddress.clear();                       // ask the local address window
    endpoints.printerHost = QStringLiteral("127.0.0.1");  // should an action slip through
    widgets::MessageCapture messages;
    DeviceListDialog window(link::ListMode::Wlan, nullptr, endpoints);
    window.setTimings(quickTimings());
    window.setAddressSource([] { return transport::LocalAddresses{{QStringLiteral("127.0.0.1"), {}, {}}}; });
    window.onSearch();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kNoNetworkConnection}));
    pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
    messages.clear();

    window.setAddressSource([] {
        return transport::LocalAddresses{
            {QStringLiteral("192.168.1.20"), QStringLiteral("eth0"), QStringLiteral("Wired connection 1")},
            {QStringLiteral("10.0.0.5"), QStringLiteral("wlan0"), QStringLiteral("wlan0")},
            {QStringLiteral("172.16.0.9"), {}, {}}};
    });
    std::vector<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    window.searchFrom(QStringLiteral("127.0.0.1"));
    ASSERT_EQ(window.selectedNumber(), 1);
    QStringList shown;
    onNextModal<LocalAddressDialog>([&shown](LocalAddressDialog* chooser) {
        auto* list = child<QListWidget>(*chooser, "addressList");
        for (int r = 0; r < list->count(); ++r) shown << list->item(r)->text();
        chooser->reject();
    });
    window.onSearch();
    EXPECT_EQ(shown, (QStringList{"10.0.0.5 — wlan0", "172.16.0.9", "192.168.1.20 — eth0 (Wired connection 1)"}));

    ClosesModals closer;  // closes any window an action opens
    window.onSetting();
    window.onWeb();
    window.onBssInfo();
    EXPECT_EQ(closer.closed(), 0);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages.ids(), (std::vector<int>{kSelectDevice, kSelectDevice, kSelectDevice}));
    for (const char* name : {"settingButton", "webButton", "bssInfoButton", "certificateButton"})
        EXPECT_FALSE(child<QPushButton>(window, name)->isEnabled()) << name;
}

// A request that cannot leave says why at once (here a search from a taken
// port, settings from another computer's address): nothing reaches the
// printer, and no empty list pretends that no printer answered.
TEST(LanWindows, ARequestThatCannotLeaveSaysWhy) {
    QUdpSocket holder;  // another program on the port, sharing it as older copies of this tool did
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    FakePrinter printer(answering(link::ListMode::Ethernet, {PrinterRecord{}}));
    transport::LanEndpoints endpoints = printer.endpoints();
    endpoints.localPort = holder.localPort();
    widgets::MessageCapture messages;
    DeviceListDialog window(link::ListMode::Ethernet, nullptr, endpoints);
    window.onSearch();
    EXPECT_EQ(child<QTableWidget>(window, "deviceList")->rowCount(), 0);

    storeRecords(link::ListMode::Ethernet, {PrinterRecord{}});
    endpoints = printer.endpoints();
    endpoints.localAddress = kForeignAddress;
    LanSettingsDialog dialog(link::ListMode::Ethernet, 1, kForeignAddress, {}, nullptr, endpoints);
    execWith(dialog, [&] {
        child<QPushButton>(dialog, "saveButton")->click();
        EXPECT_FALSE(dialog.exchange().waitingForAnswer());
        dialog.reject();
    });
    ASSERT_EQ(messages.ids(), (std::vector<int>{kSearchNotStarted, kSettingsNotSent}));
    EXPECT_TRUE(messages.messages()[0].text.endsWith(
        QStringLiteral("UDP port %1 is in use by another program.").arg(holder.localPort())));
    EXPECT_TRUE(messages.messages()[1].text.contains(kForeignAddress));
    pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
}

// A missing record ends the window before it opens; a printer on port 0
// opens it with a warning, its first speed still offered. The form's messages replace the value, once per
// edit; a refused port sends nothing. A warning of the checks before
// sending: Back returns to the edit at the offending field and sends
// nothing; "Save anyway" sends.
TEST(LanSettingsDialog, FormMessagesRefusalsAndWarningsBeforeSaving) {
    storeRecords(link::ListMode::Ethernet, {{.port = 0}, {.macEnd = 0x09, .ip = {192, 168, 1, 60}}});
    devicesFor(link::ListMode::Ethernet).deviceAt(1)->setBaudCode(0xA0);  // the first speed the list offers
    FakePrinter printer([](const QByteArray& request) {
        return std::vector<QByteArray>{bytesOf(link::kSettingsConfirm) + request.mid(4, 6)};
    });
    widgets::MessageCapture messages;
    LanSettingsDialog missing(link::ListMode::Ethernet, 5, {}, {}, nullptr, printer.endpoints());
    EXPECT_EQ(missing.exec(), QDialog::Rejected);
    LanSettingsDialog dialog(link::ListMode::Ethernet, 1, {}, {}, nullptr, printer.endpoints());
    execWith(dialog, [&] {
        EXPECT_TRUE(child<QWidget>(dialog, "baudCombo")->isEnabled());
        auto* port = child<QLineEdit>(dialog, "portEdit");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("327689"));
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        port->setText(QStringLiteral("3318"));
        child<QPushButton>(dialog, "saveButton")->click();
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.ids(),
                  (std::vector<int>{kListReadFailed, kCheckIpOrPort, kPortOutOfRange, kPortNotAvailable}));
        messages.clear();

        auto* mask = child<widgets::Ipv4AddressEdit>(dialog, "subnetMaskEdit");
        mask->setAddress({255, 0, 255, 0});
        child<widgets::Ipv4AddressEdit>(dialog, "ipAddressEdit")->setAddress({192, 168, 1, 60});
        child<QPushButton>(dialog, "saveButton")->click();
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_TRUE(messages.messages()[0].question);
        EXPECT_TRUE(messages.messages()[0].text.startsWith(QStringLiteral("The settings to be sent conflict")));
        EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("255.0.255.0 is not contiguous")));
        EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("00:1a:ff:01:02:09")));  // address in use
        EXPECT_TRUE(mask->isAncestorOf(dialog.focusWidget()));
        EXPECT_EQ(devicesFor(link::ListMode::Ethernet).deviceAt(1)->subnetMask().octets()[1], 255);  // not written
        pumpEvents(30);
        EXPECT_TRUE(printer.requests().empty());

        messages.answerQuestions(true);
        child<QPushButton>(dialog, "saveButton")->click();
        waitUntil([&] { return !dialog.isVisible(); }, 5000);
    });
    ASSERT_EQ(printer.requests().size(), 1u);
    EXPECT_EQ(messages.ids().back(), kLanConfigCompleted);
}

// Export picks JSON or CSV by the file's extension, in any case, and fails
// whole where it cannot write; JSON has the command line's shape. Copy and
// Export follow the list's sorting, and only the chosen rows when several
// are chosen.
TEST(DeviceListDialog, ExportAndCopyTheListAsShown) {
    storeRecords(link::ListMode::Wlan, {{.feature = 25}});
    QTemporaryDir dir;
    for (const char* name : {"list.csv", "list.JSON"})
        ASSERT_TRUE(exportDevices(wlanDevices(), {1}, dir.filePath(name)).isEmpty()) << name;
    EXPECT_FALSE(exportDevices(wlanDevices(), {1}, dir.filePath("missing/list.csv")).isEmpty());
    QFile csv(dir.filePath("list.csv")), json(dir.filePath("list.JSON"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly) && json.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("no,mac,ip,"));
    const QJsonObject first = QJsonDocument::fromJson(json.readAll()).array()[0].toObject();
    EXPECT_EQ(first[QStringLiteral("featureCode")], QJsonValue(25));
    EXPECT_EQ(first[QStringLiteral("port")], QJsonValue(9100));
    EXPECT_EQ(first[QStringLiteral("dhcp")], QJsonValue(false));

    FakePrinter printer(answering(link::ListMode::Ethernet, {{.macEnd = 0x01, .port = 9102},
                                                             {.macEnd = 0x02, .ip = {192, 168, 1, 51}, .port = 9100},
                                                             {.macEnd = 0x03, .ip = {192, 168, 1, 52}, .port = 9101}}));
    DeviceListDialog window(link::ListMode::Ethernet, nullptr, printer.endpoints());
    window.setTimings(quickTimings());
    window.searchFrom(QStringLiteral("127.0.0.1"));
    auto* list = child<QTableWidget>(window, "deviceList");
    ASSERT_EQ(list->rowCount(), 3);
    list->horizontalHeader()->setSortIndicator(5, Qt::AscendingOrder);  // by port
    const auto copied = [&] {
        child<QPushButton>(window, "copyButton")->click();
        QStringList numbers;
        for (const QString& line : QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            numbers << line.section(QLatin1Char('\t'), 0, 0);
        return numbers.join(QLatin1Char(' '));
    };
    EXPECT_EQ(copied(), QStringLiteral("no 2 3 1"));  // printer 1 chosen alone: the whole list
    list->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, list->columnCount() - 1), true);
    EXPECT_EQ(copied(), QStringLiteral("no 3 1"));
}

// Find at address adds what answers there to the list, marked as reached by
// unicast; a mistake is asked again with it kept for correcting. (Which
// address lists are refused is proven by `corvane discover`.) A list of
// addresses takes its time at the pacing rate: the progress window's Cancel
// stops the search before the next request.
TEST(DeviceListDialog, FindAtAddressAddsToTheListAndCancelsBetweenRequests) {
    DeviceListDialog* shown = nullptr;
    bool cancel = false;
    FakePrinter printer([&](const QByteArray&) {
        if (!cancel) return answers(link::ListMode::Ethernet, {{.macEnd = 0x44}});
        if (auto* progress = shown->findChild<QProgressDialog*>()) progress->findChild<QPushButton*>()->click();
        return std::vector<QByteArray>{};
    });
    transport::LanEndpoints endpoints = printer.endpoints();
    endpoints.target.clear();
    storeRecords(link::ListMode::Ethernet, {PrinterRecord{}});
    DeviceListDialog window(link::ListMode::Ethernet, nullptr, endpoints);
    shown = &window;
    window.setTimings(quickTimings());
    QStringList offered;
    widgets::MessageCapture messages;
    window.setAddressQuestion([&offered](QWidget*, const QString& typed) {
        offered << typed;
        return std::optional(typed.isEmpty() ? QStringLiteral("127.0.0.3,127.0.0.1-0")
                                             : QStringLiteral("127.0.0.3,127.0.0.1"));
    });
    window.onFindAtAddress();
    ASSERT_EQ(devicesFor(link::ListMode::Ethernet).size(), 2u);
    EXPECT_TRUE(devicesFor(link::ListMode::Ethernet).deviceAt(2)->unicast);
    EXPECT_EQ(child<QTableWidget>(window, "deviceList")->item(1, 1)->text(), QStringLiteral("00:1a:ff:01:02:44"));
    EXPECT_EQ(offered, (QStringList{"", "127.0.0.3,127.0.0.1-0"}));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("ends before it starts")));

    cancel = true;
    const std::size_t before = printer.requests().size();
    window.setAddressQuestion(
        [](QWidget*, const QString&) { return std::optional(QStringList(40, "127.0.0.1").join(',')); });
    window.onFindAtAddress();
    EXPECT_LE(printer.requests().size() - before, 2u);
}

// The same windows end to end against the printer simulator program: every
// request goes to its ports on 127.0.0.1 (the survey and web page too, which
// would go to the addresses its printers report), answers come back to any
// free port there.
class LanWindowsAgainstSim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.start({"--no-link"}, "survey:")) << sim.errors().toStdString(); }

    transport::LanEndpoints endpoints(link::ListMode mode) const {
        const QString loopback = QStringLiteral("127.0.0.1");
        return {loopback, sim.port(mode == link::ListMode::Wlan ? "wlan" : "ethernet"), 0, sim.port("survey"), loopback,
                loopback};
    }
    // The simulator again, holding each settings confirmation back `delay`
    // ms, and its two Ethernet printers listed and chosen.
    std::unique_ptr<DeviceListDialog> bothListedHoldingBack(const char* delay) {
        sim.stop();
        EXPECT_TRUE(sim.start({"--no-link", "--fault-delay", delay, "--fault-delay-on", "sett"}, "survey:"))
            << sim.errors().toStdString();
        auto window =
            std::make_unique<DeviceListDialog>(link::ListMode::Ethernet, nullptr, endpoints(link::ListMode::Ethernet));
        window->setTimings(quickTimings());
        window->onSearch();
        chooseBoth(*child<QTableWidget>(*window, "deviceList"));
        return window;
    }
    static void chooseBoth(QTableWidget& table) {
        EXPECT_EQ(table.rowCount(), 2);
        table.selectionModel()->select(QItemSelection(table.model()->index(0, 0), table.model()->index(1, 0)),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    SimProcess sim;
    widgets::MessageCapture messages;
};

// Lists the simulator's printers from every adapter (two loopback addresses
// here): each printer once per adapter, the adapter in its own column. (What
// follows a save is proven against the fake printer above.) The simulated
// WLAN printers report 192.168.0.x; with --printer-host the device list's
// survey and web page go to the simulator on loopback instead.
TEST_F(LanWindowsAgainstSim, EveryAdapterListsEachPrinterAndPrinterHostKeepsBssInfoAndWebOnLoopback) {
    DeviceListDialog window(link::ListMode::Wlan, nullptr, endpoints(link::ListMode::Wlan));
    window.setTimings(quickTimings());
    window.searchFromEveryAdapter(
        {{QStringLiteral("127.0.0.1"), QStringLiteral("lo")}, {QStringLiteral("127.0.0.2"), QStringLiteral("lo")}});
    auto* table = child<QTableWidget>(window, "deviceList");
    ASSERT_EQ(table->rowCount(), 6);
    ASSERT_EQ(window.selectedNumber(), 1);
    EXPECT_EQ(table->horizontalHeaderItem(8)->text(), QStringLiteral("Adapter"));
    EXPECT_EQ(allRows(*table)[4], (QStringList{"5", "00:11:62:0b:00:02", "192.168.0.112", "255.255.255.0",
                                               "192.168.0.1", "9100", "2.4", "unicast", "127.0.0.2 lo"}));
    ASSERT_EQ(table->item(0, 2)->text(), QStringLiteral("192.168.0.111"));
    QList<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });

    // The web page first: should the override be lost, this stops the test
    // before the survey could connect to the reported address.
    window.onWeb();
    ASSERT_EQ(opened.size(), 1);
    ASSERT_EQ(opened[0].toString(), QStringLiteral("http://127.0.0.1"));

    // The survey keeps its window painted by running the event loop from
    // inside its work; this check runs there too, so it must not wait.
    QList<QStringList> rows;
    onNextModalWhen<BssInfoDialog>([&] { return !messages.messages().empty(); },
                                   [&](BssInfoDialog* survey) {
                                       rows = allRows(*child<QTableWidget>(*survey, "bssList"));
                                       survey->reject();
                                   });
    window.onBssInfo();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kBssImported}));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], (QStringList{"1", "Corvane-Office", "00-1A-2B-3C-4D-5E", "Infrastructure", "-42", "WPA2/RSN2"}));
}

// Assign addresses to two printers: the preview names each new address with
// the checks' warnings. A Cancel during the first row (the simulator holds
// each confirmation back 2 s, well within the wait) stops before the second,
// and a Cancel in the pause before the check ends that wait (it would
// outlast the test): the row sent is then not verified. A second Apply
// leaves the first printer unchanged and moves the second.
TEST_F(LanWindowsAgainstSim, AssignAddressesRowByRowWithCancelBetweenRows) {
    const auto window = bothListedHoldingBack("2000");
    auto* table = child<QTableWidget>(*window, "deviceList");
    struct Run {
        bool cancel;
        QStringList results;
        QString status;
    };
    const Run runs[] = {
        {true,
         {"not verified", "not sent"},
         "Cancelled: sent to 00:11:62:0a:00:01; the other rows were not sent.\nThe check after the change was "
         "cancelled: the confirmed printers are not verified."},
        {false, {"unchanged", "verified"}, "Done: the new address shows on 2 of 2 printers."},
    };
    for (const Run& run : runs) {
        LanWindowTimings timings = quickTimings();
        timings.ethernetSettingsTimeoutMs = 6000;
        if (run.cancel) timings.ethernetResearchDelayMs = 60000;
        window->setTimings(timings);
        chooseBoth(*table);
        // Checked inside the window; the addresses the list shows at the end
        // say whether it ran at all.
        onNextModal<AssignAddressesDialog>([&](AssignAddressesDialog* assign) {
            auto* preview = child<QTableWidget>(*assign, "previewTable");
            auto* status = child<QLabel>(*assign, "statusLabel");
            child<QLineEdit>(*assign, "firstAddressEdit")->setText(QStringLiteral("192.168.5.20"));
            child<QLineEdit>(*assign, "gatewayEdit")->setText(QStringLiteral("192.168.5.1"));
            if (run.cancel) {  // searched from 127.0.0.1: the new subnet is another one
                EXPECT_EQ(column(*preview, 3), (QStringList{"will not be sent", "will not be sent"}));
                EXPECT_TRUE(preview->item(1, 4)->text().contains(QStringLiteral("192.168.5.21 is outside the subnet")));
            }
            child<QCheckBox>(*assign, "forceCheck")->setChecked(true);
            QTimer cancels;
            QObject::connect(&cancels, &QTimer::timeout, assign, [&] {
                auto* cancel = child<QPushButton>(*assign, "cancelButton");
                const QString text = status->text();
                if (cancel->isEnabled() && (text.startsWith("Sending to 00:11:62:0a:00:01 (1 of 2)") ||
                                            text.startsWith(QStringLiteral("Waiting"))))
                    cancel->click();
            });
            if (run.cancel) cancels.start(20);
            assign->apply();
            ASSERT_TRUE(waitUntil([assign] { return !assign->running(); }, 60000));
            EXPECT_EQ(column(*preview, 3), run.results);
            EXPECT_EQ(status->text(), run.status);
            assign->reject();
        });
        window->onAssignAddresses();
    }
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("192.168.5.20"));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("192.168.5.21"));
    EXPECT_TRUE(messages.ids().empty());
}

// The rows run on a worker: while a printer is slow to confirm (here it
// never does in time) Apply has returned and the window takes a Cancel at
// once; the row under way ends with its own wait, its history line says
// "not confirmed", and the next row is not sent. Before that, the preview:
// an empty gateway keeps each printer's own, as an empty port does, and the
// preview names every value a row changes, not only the address.
TEST_F(LanWindowsAgainstSim, AssignPreviewsEveryChangeAndTakesCancelWhileARowWaits) {
    const auto window = bothListedHoldingBack("60000");
    LanWindowTimings timings = quickTimings();
    timings.ethernetSettingsTimeoutMs = 4000;
    window->setTimings(timings);
    auto* table = child<QTableWidget>(*window, "deviceList");
    const auto entriesBefore = history::readLog().entries.size();
    onNextModal<AssignAddressesDialog>([&](AssignAddressesDialog* assign) {
        auto* status = child<QLabel>(*assign, "statusLabel");
        auto* cancel = child<QPushButton>(*assign, "cancelButton");
        auto* preview = child<QTableWidget>(*assign, "previewTable");
        auto* first = child<QLineEdit>(*assign, "firstAddressEdit");
        first->setText(QStringLiteral("192.168.000.101"));
        EXPECT_EQ(column(*preview, 3), (QStringList{"unchanged", "will be sent"}));  // the second has DHCP on
        EXPECT_EQ(preview->item(1, 1)->text(), QStringLiteral("192.168.0.102\nDHCP on"));
        EXPECT_EQ(preview->item(1, 2)->text(), QStringLiteral("192.168.0.102\nDHCP off"));
        child<QLineEdit>(*assign, "gatewayEdit")->setText(QStringLiteral("192.168.0.254"));
        EXPECT_EQ(preview->item(0, 1)->text(), QStringLiteral("192.168.0.101\ngateway 192.168.0.1"));
        EXPECT_EQ(preview->item(0, 2)->text(), QStringLiteral("192.168.0.101\ngateway 192.168.0.254"));
        child<QLineEdit>(*assign, "gatewayEdit")->clear();

        first->setText(QStringLiteral("192.168.5.20"));
        child<QCheckBox>(*assign, "forceCheck")->setChecked(true);
        assign->apply();
        EXPECT_TRUE(assign->running());
        ASSERT_TRUE(waitUntil([&] { return status->text().startsWith("Sending to 00:11:62:0a:00:01 (1 of 2)"); }));
        cancel->click();
        EXPECT_FALSE(cancel->isEnabled());
        ASSERT_TRUE(waitUntil([assign] { return !assign->running(); }, 60000));
        EXPECT_EQ(column(*preview, 3), (QStringList{"not confirmed", "not sent"}));
        EXPECT_EQ(status->text(), "Cancelled: sent to 00:11:62:0a:00:01; the other rows were not sent.");
        assign->reject();
    });
    window->onAssignAddresses();
    const auto entries = history::readLog().entries;
    ASSERT_EQ(entries.size(), entriesBefore + 1);
    EXPECT_EQ(entries.back().outcome, history::kNotConfirmed);
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("192.168.0.101"));  // unconfirmed: the list keeps what it knew
    EXPECT_TRUE(messages.ids().empty());
}

}  // namespace
}  // namespace corvane::lan
