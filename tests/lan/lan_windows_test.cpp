// The LAN windows' own paths against a fake printer on loopback: what the
// simulator cannot play (unknown feature codes, no network, missing records,
// unreachable survey) and the form's messages. The local address rows are
// unit-tested under tests/transport. The happy paths run end to
// end in lan_windows_sim_test.cpp.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtTest/QTest>

#include "lan/device_export.h"
#include "lan/device_lists.h"
#include "lan/fake_printer.h"
#include "lan/modal.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/ui/local_address_dialog.h"
#include "lan/ui/search_dialog.h"
#include "link/string_table.h"
#include "widgets/ipv4_address_edit.h"
#include "widgets/messages.h"

namespace corvane::lan {
namespace {

using namespace corvane::test;

// A documentation address: no computer has it.
const QString kForeignAddress = QStringLiteral("192.0.2.44");

void storeRecords(ListMode mode, const std::vector<PrinterRecord>& records) {
    DeviceList& list = devicesFor(mode);
    list.clearDevices();
    for (const PrinterRecord& r : records) list.appendDevice(r.device(mode));
}

FakePrinter::Rule answering(ListMode mode, const std::vector<PrinterRecord>& records) {
    return [mode, records](const QByteArray&) {
        std::vector<QByteArray> replies;
        for (const PrinterRecord& r : records) replies.push_back(r.answer(mode));
        return replies;
    };
}

// Three printers whose addresses sort differently as text and as numbers.
std::vector<PrinterRecord> threePrinters() {
    std::vector<PrinterRecord> records(3);
    const std::array<std::uint8_t, 4> addresses[] = {{192, 168, 0, 9}, {10, 0, 0, 5}, {192, 168, 0, 10}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].mac[5] = static_cast<std::uint8_t>(i + 1);
        records[i].ip = addresses[i];
    }
    return records;
}

void clickHeader(QTableWidget& table, int column) {
    QHeaderView& header = *table.horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(column) + 4, header.height() / 2));
}

QPoint rowCentre(QTableWidget& table, int row) { return table.visualItemRect(table.item(row, 1)).center(); }

QStringList column(const QTableWidget& table, int c) {
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r) texts << table.item(r, c)->text();
    return texts;
}

// Sorted by a click on "IP Address", each row keeps its printer: double-click
// and Enter open that printer's settings; Enter with nothing chosen searches.
TEST(DeviceListDialog, SortedRowsOpenTheirOwnPrintersSettings) {
    FakePrinter printer(answering(ListMode::Ethernet, threePrinters()));
    DeviceListDialog window(ListMode::Ethernet, nullptr, printer.endpoints());
    window.setTimings(quickTimings());
    window.show();
    window.onSearch();
    auto* table = child<QTableWidget>(window, "deviceList");
    EXPECT_EQ(child<QLabel>(window, "statusLabel")->text(), QStringLiteral("3 printers found on 127.0.0.1."));

    clickHeader(*table, 2);
    EXPECT_EQ(column(*table, 2), (QStringList{"10.0.0.5", "192.168.0.9", "192.168.0.10"}));
    EXPECT_EQ(column(*table, 0), (QStringList{"2", "1", "3"}));
    EXPECT_EQ(window.selectedNumber(), 1);
    EXPECT_EQ(table->currentRow(), 1);

    struct Case {
        const char* gesture;
        int row;
        QString title;
    };
    const Case cases[] = {
        {"double-click", 2, QStringLiteral("Ethernet Configuration — 00:1a:ff:01:02:03")},
        {"Enter", 0, QStringLiteral("Ethernet Configuration — 00:1a:ff:01:02:02")},
    };
    for (const Case& c : cases) {
        QString title;
        onNextModal<LanSettingsDialog>([&title](LanSettingsDialog* settings) {
            title = settings->windowTitle();
            settings->reject();
        });
        if (c.gesture == std::string_view("Enter")) {
            table->setCurrentCell(c.row, 0);
            QTest::keyClick(table, Qt::Key_Return);
        } else {
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(*table, c.row));
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rowCentre(*table, c.row));
        }
        EXPECT_EQ(title.toStdString(), c.title.toStdString()) << c.gesture;
    }

    const std::size_t requests = printer.requests().size();
    table->clearSelection();
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(printer.requests().size(), requests + 1);          // searched again, no settings window
    EXPECT_EQ(column(*table, 0), (QStringList{"2", "1", "3"}));  // still sorted by address

    // The last column takes what the window gains.
    const int versionWidth = table->columnWidth(6);
    window.resize(window.width() + 200, window.height());
    pumpEvents(20);
    EXPECT_GT(table->columnWidth(6), versionWidth);
}

// After a confirmed change the list searches again and chooses the printer
// just changed, wherever the sorting puts it, or says it did not come back.
// The settings request and that search leave from the address the search
// used: on a computer with several networks the printer is reachable only
// there (a second loopback address shows it).
TEST(DeviceListDialog, SearchAfterASaveChoosesTheChangedPrinterOrSaysItIsMissing) {
    for (const bool comesBack : {true, false}) {
        bool saved = false;
        FakePrinter printer([&saved, comesBack](const QByteArray& request) {
            if (request.startsWith("SETT")) {
                saved = true;
                return std::vector<QByteArray>{bytesOf("SETC!")};
            }
            std::vector<PrinterRecord> records = threePrinters();
            if (saved && !comesBack) records.pop_back();
            std::vector<QByteArray> replies;
            for (const PrinterRecord& r : records) replies.push_back(r.answer(ListMode::Ethernet));
            return replies;
        });
        LanEndpoints endpoints = printer.endpoints();
        endpoints.localAddress.clear();  // chosen in the window
        widgets::MessageCapture messages;
        messages.answerQuestions(true);  // whatever the checks before sending say
        DeviceListDialog window(ListMode::Ethernet, nullptr, endpoints);
        window.setTimings(quickTimings());
        window.show();
        window.searchFrom(QStringLiteral("127.0.0.2"));
        auto* table = child<QTableWidget>(window, "deviceList");
        auto* status = child<QLabel>(window, "statusLabel");
        clickHeader(*table, 2);
        table->setCurrentCell(2, 0);  // printer 3
        ASSERT_EQ(window.selectedNumber(), 3);

        onNextModal<LanSettingsDialog>(
            [](LanSettingsDialog* settings) { child<QPushButton>(*settings, "saveButton")->click(); });
        QString duringPause;
        onNextModal<SearchDialog>([&](SearchDialog*) { duringPause = status->text(); });
        window.onSetting();
        EXPECT_EQ(duringPause.toStdString(), "Waiting 1 s for the printer to restart its network…");
        ASSERT_EQ(printer.requests().size(), 3u);  // search, settings, search
        EXPECT_TRUE(printer.requests()[1].startsWith("SETT"));
        EXPECT_EQ(printer.senders().toStdString(), "127.0.0.2 127.0.0.2 127.0.0.2");
        if (comesBack) {
            EXPECT_EQ(window.selectedNumber(), 3);
            EXPECT_EQ(table->currentRow(), 2);
            EXPECT_EQ(status->text(), QStringLiteral("3 printers found on 127.0.0.2."));
            ASSERT_GE(messages.ids().size(), 2u);
            EXPECT_EQ(messages.ids().end()[-2], kLanConfigCompleted);
            EXPECT_EQ(messages.messages().back().text, QStringLiteral("Verified: now at 192.168.0.10, port 9100"));
        } else {
            EXPECT_EQ(window.selectedNumber(), 1);
            EXPECT_EQ(status->text(), QStringLiteral("2 printers found on 127.0.0.2. "
                                                     "The printer 00:1a:ff:01:02:03 did not answer this search."));
        }
    }
}

// Buttons a printer's feature code greys out say why; Enter on such a row
// says it too instead of opening a window. Certificates go over USB or
// serial, so the list offers no upload button.
TEST(DeviceListDialog, ButtonsTheFeatureCodeGreysOutSayWhy) {
    PrinterRecord webOnly;
    webOnly.feature = 1;
    PrinterRecord full;
    full.feature = 31;
    FakePrinter printer(answering(ListMode::Wlan, {webOnly, full}));
    DeviceListDialog window(ListMode::Wlan, nullptr, printer.endpoints());
    window.setTimings(quickTimings());
    window.show();
    window.onSearch();
    auto* table = child<QTableWidget>(window, "deviceList");
    auto* setting = child<QPushButton>(window, "settingButton");
    EXPECT_FALSE(child<QPushButton>(window, "certificateButton")->isVisible());
    EXPECT_FALSE(setting->isEnabled());
    EXPECT_EQ(setting->toolTip(), QStringLiteral("This printer does not support changing its settings from the list."));
    EXPECT_EQ(child<QPushButton>(window, "bssInfoButton")->toolTip(),
              QStringLiteral("This printer does not support the access point survey."));
    EXPECT_TRUE(child<QPushButton>(window, "webButton")->toolTip().isEmpty());
    ClosesModals closer;
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(closer.closed(), 0);
    EXPECT_EQ(child<QLabel>(window, "statusLabel")->text(), setting->toolTip());
    table->setCurrentCell(1, 0);
    EXPECT_TRUE(setting->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "certificateButton")->isEnabled());
    EXPECT_TRUE(setting->toolTip().isEmpty());
}

// With loopback alone there is no search. After a cancelled address choice
// the list is empty, and so there is nothing to act on, whatever was chosen
// before.
TEST(DeviceListDialog, NoAddressOrACancelledChoiceLeavesNothingToActOn) {
    FakePrinter printer(answering(ListMode::Wlan, {PrinterRecord{}}));
    LanEndpoints endpoints = printer.endpoints();
    endpoints.localAddress.clear();                       // ask the local address window
    endpoints.printerHost = QStringLiteral("127.0.0.1");  // should an action slip through
    widgets::MessageCapture messages;
    DeviceListDialog window(ListMode::Wlan, nullptr, endpoints);
    window.setTimings(quickTimings());
    window.setAddressSource([] { return LocalAddresses{{QStringLiteral("127.0.0.1"), {}, {}}}; });
    window.onSearch();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kNoNetworkConnection}));
    pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
    messages.clear();

    window.setAddressSource([] { return LocalAddresses{{kForeignAddress, {}, {}}}; });
    std::vector<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    window.searchFrom(QStringLiteral("127.0.0.1"));
    ASSERT_EQ(window.selectedNumber(), 1);

    ClosesModals closer;  // cancels the address choice, and any window an action opens
    window.onSearch();
    window.onSetting();
    window.onWeb();
    window.onBssInfo();
    EXPECT_EQ(closer.closed(), 1);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages.ids(), (std::vector<int>{kSelectDevice, kSelectDevice, kSelectDevice}));
    for (const char* name : {"settingButton", "webButton", "bssInfoButton", "certificateButton"})
        EXPECT_FALSE(child<QPushButton>(window, name)->isEnabled()) << name;
}

// A printer without an address (0.x.x.x, which on Linux is this computer) is
// not contacted; without a browser the web address (https where the printer
// says so) is shown instead. A first row of an unknown feature code takes the
// buttons of the last known one.
TEST(DeviceListDialog, WebPageAndSurveyNeedAnAddressAndABrowser) {
    PrinterRecord unconfigured;
    unconfigured.ip = {0, 0, 0, 0};
    unconfigured.feature = 7;
    PrinterRecord configured;
    configured.ip = {10, 1, 2, 3};
    configured.feature = 25;
    configured.https = 1;
    FakePrinter printer(answering(ListMode::Wlan, {unconfigured, configured}));
    QTcpServer surveyed;  // where a survey of 0.0.0.0 would land
    ASSERT_TRUE(surveyed.listen(QHostAddress::LocalHost, 0));
    LanEndpoints endpoints = printer.endpoints();
    endpoints.surveyPort = surveyed.serverPort();
    widgets::MessageCapture messages;
    DeviceListDialog window(ListMode::Wlan, nullptr, endpoints);
    LanWindowTimings timings = quickTimings();
    timings.survey.receive = std::chrono::milliseconds(50);
    window.setTimings(timings);
    std::vector<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return false;  // no browser
    });
    window.onSearch();
    auto* table = child<QTableWidget>(window, "deviceList");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(window.selectedNumber(), 1);
    EXPECT_TRUE(child<QPushButton>(window, "bssInfoButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "certificateButton")->isEnabled());

    struct Case {
        int row;
        void (DeviceListDialog::*action)();
        int message;
        QString shown;
    };
    const Case cases[] = {
        {0, &DeviceListDialog::onWeb, kWebAddressUnconfigured, {}},
        {0, &DeviceListDialog::onBssInfo, kBssFailed, {}},
        {1, &DeviceListDialog::onWeb, kBrowserUnavailable, QStringLiteral("https://10.1.2.3")},
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
}

// Each address names its interface (and the system's name for it, where that
// says more); double-click takes a row without OK.
TEST(LocalAddressDialog, RowsNameTheirInterfaceAndDoubleClickTakesOne) {
    LocalAddressDialog chooser(
        nullptr, LocalAddressModel([] {
            return LocalAddresses{
                {QStringLiteral("192.168.1.20"), QStringLiteral("eth0"), QStringLiteral("Wired connection 1")},
                {QStringLiteral("10.0.0.5"), QStringLiteral("wlan0"), QStringLiteral("wlan0")},
                {QStringLiteral("172.16.0.9"), {}, {}}};
        }));
    QStringList shown;
    QString chosenFirst;
    const int result = execWith(chooser, [&] {
        auto* list = child<QListWidget>(chooser, "addressList");
        for (int r = 0; r < list->count(); ++r) shown << list->item(r)->text();
        chosenFirst = chooser.localAddress();
        const QPoint row0 = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row0);
        if (chooser.isVisible()) chooser.reject();
    });
    EXPECT_EQ(shown, (QStringList{"10.0.0.5 — wlan0", "172.16.0.9", "192.168.1.20 — eth0 (Wired connection 1)"}));
    EXPECT_EQ(chosenFirst, QStringLiteral("192.168.1.20"));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(chooser.localAddress(), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(chooser.broadcastAddress(), QStringLiteral("10.0.0.255"));
}

// A request that cannot leave says why at once: nothing reaches the printer,
// and no empty list pretends that no printer answered.
TEST(LanWindows, ARequestThatCannotLeaveSaysWhy) {
    QUdpSocket holder;  // a port taken without sharing
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
    const QString takenPort = QString::number(holder.localPort());
    struct Case {
        const char* what;
        QString localAddress;
        int localPort;
        bool settings;
        int message;
        QString named;
    };
    const Case cases[] = {
        {"search from another computer's address", kForeignAddress, 0, false, kSearchNotStarted, kForeignAddress},
        {"search from a taken port", QStringLiteral("127.0.0.1"), holder.localPort(), false, kSearchNotStarted,
         takenPort},
        {"settings from another computer's address", kForeignAddress, 0, true, kSettingsNotSent, kForeignAddress},
    };
    for (const Case& c : cases) {
        FakePrinter printer(answering(ListMode::Ethernet, {PrinterRecord{}}));
        LanEndpoints endpoints = printer.endpoints();
        endpoints.localAddress = c.localAddress;
        endpoints.localPort = c.localPort;
        widgets::MessageCapture messages;
        if (c.settings) {
            storeRecords(ListMode::Ethernet, {PrinterRecord{}});
            LanSettingsDialog dialog(ListMode::Ethernet, 1, c.localAddress, {}, nullptr, endpoints);
            execWith(dialog, [&] {
                child<QPushButton>(dialog, "saveButton")->click();
                EXPECT_FALSE(dialog.exchange().waitingForAnswer()) << c.what;
                dialog.reject();
            });
        } else {
            DeviceListDialog window(ListMode::Ethernet, nullptr, endpoints);
            window.setTimings(quickTimings());
            window.onSearch();
            EXPECT_EQ(child<QTableWidget>(window, "deviceList")->rowCount(), 0) << c.what;
        }
        ASSERT_EQ(messages.ids(), (std::vector<int>{c.message})) << c.what;
        EXPECT_TRUE(messages.messages()[0].text.contains(c.named))
            << c.what << ": " << messages.messages()[0].text.toStdString();
        pumpEvents(30);
        EXPECT_TRUE(printer.requests().empty()) << c.what;
    }
}

// A printer that never confirms: the save fails, and the list searched again
// shows what the printer has rather than the edit the window made to the
// stored record.
TEST(DeviceListDialog, UnconfirmedSettingsFailAndTheListIsSearchedAgain) {
    FakePrinter printer([](const QByteArray& request) {
        if (request.startsWith("SETT")) return std::vector<QByteArray>{};
        return std::vector<QByteArray>{PrinterRecord{}.answer(ListMode::Ethernet)};
    });
    widgets::MessageCapture messages;
    DeviceListDialog window(ListMode::Ethernet, nullptr, printer.endpoints());
    LanWindowTimings timings = quickTimings();
    timings.ethernetSettingsTimeoutMs = 300;
    window.setTimings(timings);
    window.onSearch();
    auto* table = child<QTableWidget>(window, "deviceList");
    const QList<QStringList> before = allRows(*table);
    onNextModal<LanSettingsDialog>([](LanSettingsDialog* settings) {
        child<QLineEdit>(*settings, "portEdit")->setText(QStringLiteral("9200"));
        child<QPushButton>(*settings, "saveButton")->click();
    });
    window.onSetting();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kSaveFailed}));
    EXPECT_EQ(printer.requests().size(), 3u);  // search, settings, search
    EXPECT_EQ(allRows(*table), before);
    ASSERT_NE(devicesFor(ListMode::Ethernet).deviceAt(1), nullptr);
    EXPECT_EQ(devicesFor(ListMode::Ethernet).deviceAt(1)->port(), 9100);
}

// The form's messages replace the value, once per edit; a refused port sends
// nothing. A warning of the checks before sending: Back returns to the edit
// at the offending field and sends nothing; "Save anyway" sends.
TEST(LanSettingsDialog, FormMessagesRefusalsAndWarningsBeforeSaving) {
    PrinterRecord other;
    other.mac[5] = 0x09;
    other.ip = {192, 168, 1, 60};
    storeRecords(ListMode::Ethernet, {PrinterRecord{}, other});
    FakePrinter printer([](const QByteArray& request) {
        return std::vector<QByteArray>{bytesOf(kSettingsConfirm) + request.mid(4, 6)};
    });
    widgets::MessageCapture messages;
    LanSettingsDialog dialog(ListMode::Ethernet, 1, {}, {}, nullptr, printer.endpoints());
    execWith(dialog, [&] {
        auto* port = child<QLineEdit>(dialog, "portEdit");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("327689"));
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        auto* inactivity = child<QLineEdit>(dialog, "inactivityEdit");
        inactivity->clear();
        QTest::keyClicks(inactivity, QStringLiteral("3601x"));
        EXPECT_EQ(inactivity->text(), QStringLiteral("0"));
        port->setText(QStringLiteral("3318"));
        child<QPushButton>(dialog, "saveButton")->click();
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.ids(), (std::vector<int>{kPortOutOfRange, kTimeNotSet, kPortNotAvailable}));
        EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Corvane Tool"));
        messages.clear();

        auto* mask = child<widgets::Ipv4AddressEdit>(dialog, "subnetMaskEdit");
        mask->setAddress({255, 0, 255, 0});
        child<widgets::Ipv4AddressEdit>(dialog, "ipAddressEdit")->setAddress({192, 168, 1, 60});
        child<QPushButton>(dialog, "saveButton")->click();
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_TRUE(messages.messages()[0].question);
        EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("255.0.255.0 is not contiguous")));
        EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("00:1a:ff:01:02:09")));
        EXPECT_TRUE(mask->isAncestorOf(dialog.focusWidget()));
        EXPECT_EQ(devicesFor(ListMode::Ethernet).deviceAt(1)->subnetMask()[1], 255);  // not written
        pumpEvents(30);
        EXPECT_TRUE(printer.requests().empty());

        messages.answerQuestions(true);
        child<QPushButton>(dialog, "saveButton")->click();
        waitUntil([&] { return !dialog.isVisible(); }, 5000);
    });
    ASSERT_EQ(printer.requests().size(), 1u);
    EXPECT_EQ(messages.ids().back(), kLanConfigCompleted);
}

// Export writes CSV or JSON by the file's extension, whole or not at all;
// Copy puts the same rows on the clipboard, tab-separated.
TEST(DeviceListDialog, ExportAndCopyTheList) {
    PrinterRecord wireless;
    wireless.feature = 25;
    storeRecords(ListMode::Wlan, {wireless});
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(exportDevices(wlanDevices(), dir.filePath("list.csv")).isEmpty());
    ASSERT_TRUE(exportDevices(wlanDevices(), dir.filePath("list.JSON")).isEmpty());
    QFile csv(dir.filePath("list.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(),
              "no,mac,ip,mask,gateway,port,version,featureCode,dhcp,adapter,reached\r\n"
              "1,00:1a:ff:01:02:03,192.168.1.50,255.255.255.0,192.168.1.1,9100,1.2,25,off,,broadcast\r\n");
    QFile json(dir.filePath("list.JSON"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(json.readAll()).array()[0][QStringLiteral("featureCode")].toString(), "25");
    EXPECT_FALSE(exportDevices(wlanDevices(), dir.filePath("missing/list.csv")).isEmpty());

    DeviceListDialog window(ListMode::Wlan);
    child<QPushButton>(window, "copyButton")->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("no\tmac\tip\tmask\tgateway\tport\tversion\tfeatureCode\tdhcp\tadapter\treached\n1\t")));
}

// Find at address: what answers there is added to the list, marked as
// reached by unicast; addresses that are not a list are refused unsearched.
TEST(DeviceListDialog, FindAtAddressAddsToTheList) {
    PrinterRecord far;
    far.mac[5] = 0x44;
    FakePrinter printer(answering(ListMode::Ethernet, {far}));
    LanEndpoints endpoints = printer.endpoints();
    endpoints.target.clear();
    storeRecords(ListMode::Ethernet, {PrinterRecord{}});
    widgets::MessageCapture messages;
    DeviceListDialog window(ListMode::Ethernet, nullptr, endpoints);
    window.setTimings(quickTimings());
    QString typed = QStringLiteral("127.0.0.1-300");
    window.setAddressQuestion([&typed](QWidget*) { return std::optional<QString>(typed); });
    window.onFindAtAddress();
    EXPECT_TRUE(printer.requests().empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("127.0.0.1-300")));

    typed = QStringLiteral("127.0.0.3,127.0.0.1");
    window.onFindAtAddress();
    ASSERT_EQ(devicesFor(ListMode::Ethernet).size(), 2u);
    EXPECT_TRUE(devicesFor(ListMode::Ethernet).deviceAt(2)->unicast);
    EXPECT_EQ(child<QTableWidget>(window, "deviceList")->item(1, 1)->text(), QStringLiteral("00:1a:ff:01:02:44"));
}

TEST(LanSettingsDialog, MissingRecordOrPortZero) {
    FakePrinter printer;
    widgets::MessageCapture messages;
    storeRecords(ListMode::Ethernet, {PrinterRecord{}});
    LanSettingsDialog missing(ListMode::Ethernet, 5, {}, {}, nullptr, printer.endpoints());
    EXPECT_EQ(missing.exec(), QDialog::Rejected);
    EXPECT_EQ(messages.ids(), (std::vector<int>{kListReadFailed}));

    messages.clear();
    PrinterRecord portZero;
    portZero.port = 0;
    storeRecords(ListMode::Ethernet, {portZero});
    LanSettingsDialog dialog(ListMode::Ethernet, 1, {}, {}, nullptr, printer.endpoints());
    execWith(dialog, [&] {
        if (dialog.isVisible()) dialog.reject();
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCheckIpOrPort}));
}

TEST(BssInfoDialog, CancelDuringASilentQueryClosesTheWindowAtOnce) {
    QTcpServer silent;  // takes the connection, never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    LanEndpoints endpoints;
    endpoints.surveyPort = silent.serverPort();
    widgets::MessageCapture messages;
    BssInfoDialog dialog(QStringLiteral("127.0.0.1"), nullptr, endpoints);
    dialog.setStartDelay(0);  // the printer's own timings: 10.5 s of receive attempts
    const auto start = std::chrono::steady_clock::now();
    execWith(dialog,
             [&] { QTimer::singleShot(300, &dialog, [&] { child<QPushButton>(dialog, "cancelButton")->click(); }); });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(messages.ids().empty());
}

}  // namespace
}  // namespace corvane::lan
