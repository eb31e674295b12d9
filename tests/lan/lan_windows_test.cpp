// The LAN windows driven under the offscreen platform against a fake printer
// on loopback.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest/QTest>

#include "app/ipv4_address_edit.h"
#include "app/messages.h"
#include "lan/device_lists.h"
#include "lan/fake_printer.h"
#include "lan/modal.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/ui/local_address_dialog.h"
#include "lan/ui/search_dialog.h"
#include "link/framing.h"
#include "link/string_table.h"

namespace corvane::lan {
namespace {

using test::bytesOf;
using test::execWith;
using test::FakePrinter;
using test::onNextModal;
using test::PrinterRecord;
using test::waitUntil;

LanWindowTimings fastTimings() {
    LanWindowTimings t;
    t.searchTickMs = 10;
    t.ethernetSettingsTimeoutMs = 2000;
    t.wlanSettingsTimeoutMs = 2000;
    t.ethernetResearchDelayMs = 10;
    t.wlanResearchDelayMs = 10;
    t.bssStartDelayMs = 0;
    return t;
}

void storeRecords(ListMode mode, const std::vector<PrinterRecord>& records) {
    DeviceList& list = devicesFor(mode);
    list.clearDevices();
    for (const PrinterRecord& r : records) {
        DiscoveredDevice d;
        d.mode = mode;
        const QByteArray bytes = r.bytes(mode);
        std::copy(bytes.begin(), bytes.end(), d.raw.begin());
        list.appendDevice(d);
    }
}

// A printer that answers discovery with `records` and confirms settings.
FakePrinter::Rule answering(ListMode mode, const std::vector<PrinterRecord>& records) {
    return [mode, records](const QByteArray& request) {
        std::vector<QByteArray> replies;
        if (request == bytesOf("FIND") || request == bytesOf("__[I_F]__[PRT_REG]")) {
            for (const PrinterRecord& r : records) replies.push_back(r.answer(mode));
        } else if (request.startsWith("SETT")) {
            replies.push_back(bytesOf("SETC") + QByteArray(1, '\0'));
        }
        return replies;
    };
}

QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c) texts << table.item(row, c)->text();
    return texts;
}

template <typename T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(DeviceListDialog, SearchFillsTheRowsWithTheirExactTexts) {
    PrinterRecord unconfigured;
    unconfigured.ip = {0, 5, 6, 7};
    unconfigured.gateway = {10, 0, 0, 0};
    unconfigured.major = 0;
    unconfigured.minor = 0;
    PrinterRecord second;
    second.mac = {0xAB, 0x00, 0x00, 0x00, 0x00, 0x01};
    second.major = 0;
    second.minor = 7;
    second.port = 8000;
    FakePrinter printer(answering(ListMode::Ethernet, {unconfigured, second}));
    app::MessageCapture messages;

    DeviceListDialog window(ListMode::Ethernet, nullptr, printer.endpoints());
    window.setTimings(fastTimings());
    auto* table = child<QTableWidget>(window, "deviceList");
    EXPECT_FALSE(child<QPushButton>(window, "settingButton")->isEnabled());
    window.onSearch();

    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(rowTexts(*table, 0), (QStringList{"1", "00:1a:ff:01:02:03", "Not Configuration", "255.255.255.0",
                                                "10.0.0.0", "9100", "N/A"}));
    EXPECT_EQ(rowTexts(*table, 1), (QStringList{"2", "ab:00:00:00:00:01", "192.168.1.50", "255.255.255.0",
                                                "192.168.1.1", "8000", "0.7"}));
    EXPECT_EQ(table->item(0, 2)->textAlignment(), Qt::AlignCenter);
    EXPECT_EQ(window.selectedNumber(), 1);
    EXPECT_EQ(table->currentRow(), 0);
    EXPECT_TRUE(child<QPushButton>(window, "settingButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "webButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "bssInfoButton")->isHidden());
    EXPECT_TRUE(child<QPushButton>(window, "certificateButton")->isHidden());
    EXPECT_TRUE(messages.messages().empty());

    table->setCurrentCell(1, 0);
    EXPECT_EQ(window.selectedNumber(), 2);
}

TEST(DeviceListDialog, WlanButtonsFollowFeatureCodesAndWebAddressFollowsHttps) {
    PrinterRecord unknown;
    unknown.feature = 7;
    unknown.https = 1;
    PrinterRecord full;
    full.feature = 25;
    full.ip = {10, 1, 2, 3};
    FakePrinter printer(answering(ListMode::Wlan, {unknown, full}));
    DeviceListDialog window(ListMode::Wlan, nullptr, printer.endpoints());
    window.setTimings(fastTimings());
    std::vector<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    window.onSearch();

    // Row 0's code is unknown: the buttons follow the last row.
    EXPECT_EQ(window.selectedNumber(), 1);
    EXPECT_TRUE(child<QPushButton>(window, "settingButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "bssInfoButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "certificateButton")->isEnabled());
    window.onWeb();
    child<QTableWidget>(window, "deviceList")->setCurrentCell(1, 0);
    window.onWeb();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), QStringLiteral("https://192.168.1.50"));
    EXPECT_EQ(opened[1].toString(), QStringLiteral("http://10.1.2.3"));
}

TEST(DeviceListDialog, EmptySearchDisablesActionsAndAsksForASelection) {
    FakePrinter printer;  // silent
    app::MessageCapture messages;
    DeviceListDialog window(ListMode::Wlan, nullptr, printer.endpoints());
    window.setTimings(fastTimings());
    window.onSearch();
    EXPECT_EQ(child<QTableWidget>(window, "deviceList")->rowCount(), 0);
    for (const char* name : {"settingButton", "webButton", "bssInfoButton", "certificateButton"}) {
        EXPECT_FALSE(child<QPushButton>(window, name)->isEnabled()) << name;
    }
    EXPECT_TRUE(child<QPushButton>(window, "searchButton")->isEnabled());
    window.onSetting();
    window.onWeb();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kSelectDevice, kSelectDevice}));
}

TEST(DeviceListDialog, OnlyLoopbackMeansNoSearch) {
    FakePrinter printer;
    LanEndpoints endpoints = printer.endpoints();
    endpoints.localAddress.clear();  // ask the local address window
    app::MessageCapture messages;
    DeviceListDialog window(ListMode::Ethernet, nullptr, endpoints);
    window.setAddressSource([] { return QStringList{QStringLiteral("127.0.0.1")}; });
    window.onSearch();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kNoNetworkConnection}));
    test::pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
}

TEST(DeviceListDialog, ConfirmedSettingsChangeSearchesAgain) {
    FakePrinter printer(answering(ListMode::Ethernet, {PrinterRecord{}}));
    app::MessageCapture messages;
    DeviceListDialog window(ListMode::Ethernet, nullptr, printer.endpoints());
    window.setTimings(fastTimings());
    window.onSearch();
    ASSERT_EQ(window.selectedNumber(), 1);

    onNextModal<LanSettingsDialog>([](LanSettingsDialog* settings) {
        settings->findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    });
    window.onSetting();

    EXPECT_EQ(messages.ids(), (std::vector<int>{kLanConfigCompleted}));
    ASSERT_EQ(printer.requests().size(), 3u);
    EXPECT_EQ(printer.requests()[0], bytesOf("FIND"));
    EXPECT_TRUE(printer.requests()[1].startsWith("SETT"));
    EXPECT_EQ(printer.requests()[2], bytesOf("FIND"));
    EXPECT_EQ(child<QTableWidget>(window, "deviceList")->rowCount(), 1);
}

class LanSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { storeRecords(ListMode::Ethernet, {PrinterRecord{}}); }

    // Opens the settings window for record 1 and runs `action` inside it.
    int run(ListMode mode, const std::function<void(LanSettingsDialog&)>& action, int timeoutMs = 2000) {
        LanSettingsDialog dialog(mode, 1, QStringLiteral("127.0.0.255"), nullptr, printer.endpoints());
        dialog.setTimeout(timeoutMs);
        return execWith(dialog, [&] {
            action(dialog);
            if (dialog.isVisible()) dialog.reject();
        });
    }

    FakePrinter printer;
    app::MessageCapture messages;
};

TEST_F(LanSettingsDialogTest, LiveRangeMessagesReplaceTheValue) {
    run(ListMode::Ethernet, [&](LanSettingsDialog& d) {
        auto* port = child<QLineEdit>(d, "portEdit");
        auto* inactivity = child<QLineEdit>(d, "inactivityEdit");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("32767"));
        EXPECT_TRUE(messages.ids().empty());
        port->clear();
        QTest::keyClicks(port, QStringLiteral("32768"));
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        inactivity->clear();
        QTest::keyClicks(inactivity, QStringLiteral("3600"));
        inactivity->clear();
        QTest::keyClicks(inactivity, QStringLiteral("3601"));
        EXPECT_EQ(inactivity->text(), QStringLiteral("0"));
        QTest::keyClicks(inactivity, QStringLiteral("x"));  // digits only
        EXPECT_EQ(inactivity->text(), QStringLiteral("0"));
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kPortOutOfRange, kTimeNotSet}));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Corvane Tool"));
}

TEST_F(LanSettingsDialogTest, SaveSendsTheEditsAndClosesOnConfirmation) {
    printer.setRule(answering(ListMode::Ethernet, {}));
    const int result = run(ListMode::Ethernet, [&](LanSettingsDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Ethernet Configuration"));
        EXPECT_EQ(child<QComboBox>(d, "baudCombo")->currentText(), QStringLiteral("115200"));
        child<QLineEdit>(d, "inactivityEdit")->setText(QStringLiteral("300"));
        child<QCheckBox>(d, "dhcpCheck")->click();
        EXPECT_FALSE(child<app::Ipv4AddressEdit>(d, "ipAddressEdit")->isEnabled());
        child<QPushButton>(d, "saveButton")->click();
        EXPECT_EQ(d.cursor().shape(), Qt::WaitCursor);
        waitUntil([&] { return !d.isVisible(); });
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.ids(), (std::vector<int>{kLanConfigCompleted}));
    ASSERT_EQ(printer.requests().size(), 1u);
    const QByteArray request = printer.requests()[0];
    ASSERT_EQ(request.size(), 30);
    EXPECT_EQ(request.mid(22, 2), QByteArray("\x23\x8C", 2));
    EXPECT_EQ(request.mid(28, 2), QByteArray("\x01\x2C", 2));
    EXPECT_EQ(request[27], '\x01');  // DHCP on; the disabled addresses still go
    EXPECT_EQ(request.mid(10, 4), QByteArray("\xC0\xA8\x01\x32", 4));
    EXPECT_EQ(ethernetDevices().deviceAt(1)->inactivityTime(), 300);
}

TEST_F(LanSettingsDialogTest, ReservedPortIsRefusedAndNothingIsSent) {
    const int result = run(ListMode::Ethernet, [&](LanSettingsDialog& d) {
        child<QLineEdit>(d, "portEdit")->setText(QStringLiteral("3318"));
        child<QPushButton>(d, "saveButton")->click();
        EXPECT_EQ(child<QLineEdit>(d, "portEdit")->text(), QStringLiteral("9100"));
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(messages.ids(), (std::vector<int>{kPortNotAvailable}));
    test::pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
}

TEST_F(LanSettingsDialogTest, TimeOutEndsWithOk) {
    const int result = run(
        ListMode::Ethernet, [&](LanSettingsDialog& d) {
            child<QPushButton>(d, "saveButton")->click();
            waitUntil([&] { return !d.isVisible(); });
        },
        50);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.ids(), (std::vector<int>{kSaveFailed}));
}

TEST_F(LanSettingsDialogTest, SaveAgainResendsAndCancelSendsNothingMore) {
    storeRecords(ListMode::Wlan, {PrinterRecord{}});
    const int result = run(ListMode::Wlan, [&](LanSettingsDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("WLAN Configuration"));
        child<QPushButton>(d, "saveButton")->click();
        child<QPushButton>(d, "saveButton")->click();
        waitUntil([&] { return printer.requests().size() == 2; });
        child<QPushButton>(d, "cancelButton")->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(printer.requests().size(), 2u);
    EXPECT_EQ(printer.requests()[0].size(), 47);
    EXPECT_EQ(printer.requests()[0][46], '\x5A');  // reserved byte sent back unchanged
    EXPECT_TRUE(messages.ids().empty());
}

TEST_F(LanSettingsDialogTest, UnknownBaudCodeDisablesTheListAndSendsZero) {
    PrinterRecord record;
    record.baud = 0x00;
    storeRecords(ListMode::Ethernet, {record});
    printer.setRule(answering(ListMode::Ethernet, {}));
    run(ListMode::Ethernet, [&](LanSettingsDialog& d) {
        auto* baud = child<QComboBox>(d, "baudCombo");
        EXPECT_FALSE(baud->isEnabled());
        EXPECT_EQ(baud->currentIndex(), -1);
        child<QPushButton>(d, "saveButton")->click();
        waitUntil([&] { return !d.isVisible(); });
    });
    ASSERT_EQ(printer.requests().size(), 1u);
    EXPECT_EQ(printer.requests()[0][24], '\0');
}

TEST_F(LanSettingsDialogTest, MissingRecordOrPortZero) {
    LanSettingsDialog missing(ListMode::Ethernet, 5, {}, nullptr, printer.endpoints());
    EXPECT_EQ(missing.exec(), QDialog::Rejected);
    EXPECT_EQ(messages.ids(), (std::vector<int>{kListReadFailed}));

    messages.clear();
    PrinterRecord portZero;
    portZero.port = 0;
    storeRecords(ListMode::Ethernet, {portZero});
    run(ListMode::Ethernet, [](LanSettingsDialog&) {});
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCheckIpOrPort}));
}

TEST(SearchDialog, CancelKeepsTheAnswersThatArrived) {
    FakePrinter printer(answering(ListMode::Ethernet, {PrinterRecord{}}));
    SearchDialog dialog(ListMode::Ethernet, QStringLiteral("127.0.0.1"), {}, nullptr, printer.endpoints());
    dialog.setTickInterval(5000);
    const int result = execWith(dialog, [&] {
        EXPECT_EQ(child<QLabel>(dialog, "statusLabel")->text(), QStringLiteral("Now Searching"));
        waitUntil([] { return ethernetDevices().size() == 1; });
        child<QPushButton>(dialog, "cancelButton")->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(ethernetDevices().size(), 1u);
}

TEST(LocalAddressDialog, ListsInTextOrderAndChoosesTheLastRow) {
    const QStringList addresses{"192.168.1.20", "10.0.0.5", "192.168.1.100", "127.0.0.1"};
    LocalAddressDialog dialog(nullptr, LocalAddressModel([addresses] { return addresses; },
                                                         [] { return QStringLiteral("till-3"); }));
    QStringList shown;
    QString defaultAddress;
    QString defaultBroadcast;
    const int result = execWith(dialog, [&] {
        auto* list = child<QListWidget>(dialog, "addressList");
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        defaultAddress = dialog.localAddress();
        defaultBroadcast = dialog.broadcastAddress();
        EXPECT_EQ(child<QLabel>(dialog, "hostNameLabel")->text(), QStringLiteral("till-3"));
        list->setCurrentRow(0);
        child<QPushButton>(dialog, "okButton")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(shown, (QStringList{"10.0.0.5", "192.168.1.100", "192.168.1.20"}));
    EXPECT_EQ(defaultAddress, QStringLiteral("192.168.1.20"));
    EXPECT_EQ(defaultBroadcast, QStringLiteral("192.168.1.255"));
    EXPECT_EQ(dialog.localAddress(), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(dialog.broadcastAddress(), QStringLiteral("10.0.0.255"));
}

// A printer's survey port on loopback answering every request with `answer`.
class FakeSurveyPort {
public:
    explicit FakeSurveyPort(QByteArray answer) : answer_(std::move(answer)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                socket->write(answer_);
            });
        });
    }
    LanEndpoints endpoints() const {
        LanEndpoints e;
        e.surveyPort = server_.serverPort();
        return e;
    }

private:
    QTcpServer server_;
    QByteArray answer_;
};

TEST(BssInfoDialog, ShowsTheSurveyRowsAfterOpening) {
    Bytes content = ToBytes("__[I_F]__[BSS_RSP]");
    const Bytes record{0x00, 4, 'S', 'h', 'o', 'p', 0x01, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0, 0xFF, 0xC4, 0x09};
    content.insert(content.end(), record.begin(), record.end());
    content.insert(content.end(), record.begin(), record.end());
    const Bytes message = link::BuildIfMessage(content);
    FakeSurveyPort port(QByteArray(reinterpret_cast<const char*>(message.data()),
                                   static_cast<qsizetype>(message.size())));
    app::MessageCapture messages;
    BssInfoDialog dialog(QStringLiteral("127.0.0.1"), nullptr, port.endpoints());
    dialog.setStartDelay(0);
    QStringList firstRow;
    execWith(dialog, [&] {
        waitUntil([&] { return !messages.messages().empty(); }, 5000);
        auto* table = child<QTableWidget>(dialog, "bssList");
        if (table->rowCount() > 0) firstRow = rowTexts(*table, 0);
        EXPECT_EQ(table->rowCount(), 2);
        dialog.reject();
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kBssImported}));
    EXPECT_EQ(firstRow, (QStringList{"1", "Shop", "00-1A-2B-3C-4D-5E", "Infrastructure", "-60", "WEP64/WPA2"}));
}

TEST(BssInfoDialog, UnreachablePrinterGivesMessageTwo) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    LanEndpoints endpoints;
    endpoints.surveyPort = closedPort;
    app::MessageCapture messages;
    BssInfoDialog dialog(QStringLiteral("127.0.0.1"), nullptr, endpoints);
    dialog.setStartDelay(0);
    SurveyTimings quick;
    quick.connect = std::chrono::milliseconds(300);
    quick.receive = std::chrono::milliseconds(20);
    dialog.setSurveyTimings(quick);
    execWith(dialog, [&] {
        waitUntil([&] { return !messages.messages().empty(); }, 5000);
        dialog.reject();
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kBssFailed}));
}

}  // namespace
}  // namespace corvane::lan
