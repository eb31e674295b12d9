// The LAN windows' own paths against a fake printer on loopback: what the
// simulator cannot play (unknown feature codes, no network, missing records,
// unreachable survey) and the form's messages. The local address rows are
// unit-tested under tests/transport. The happy paths run end to
// end in lan_windows_sim_test.cpp.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QtTest/QTest>

#include "app/messages.h"
#include "lan/device_lists.h"
#include "lan/fake_printer.h"
#include "lan/modal.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "link/string_table.h"

namespace corvane::lan {
namespace {

using namespace corvane::test;

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

FakePrinter::Rule answering(ListMode mode, const std::vector<PrinterRecord>& records) {
    return [mode, records](const QByteArray&) {
        std::vector<QByteArray> replies;
        for (const PrinterRecord& r : records) replies.push_back(r.answer(mode));
        return replies;
    };
}

TEST(DeviceListDialog, UnknownFirstCodeFollowsTheLastRowAndWebAddressFollowsHttps) {
    PrinterRecord unknown;
    unknown.feature = 7;
    unknown.https = 1;
    PrinterRecord full;
    full.feature = 25;
    full.ip = {10, 1, 2, 3};
    FakePrinter printer(answering(ListMode::Wlan, {unknown, full}));
    DeviceListDialog window(ListMode::Wlan, nullptr, printer.endpoints());
    window.setTimings(quickTimings());
    std::vector<QUrl> opened;
    window.setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    window.onSearch();

    EXPECT_EQ(window.selectedNumber(), 1);
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
    window.setTimings(quickTimings());
    window.onSearch();
    EXPECT_EQ(child<QTableWidget>(window, "deviceList")->rowCount(), 0);
    for (const char* name : {"settingButton", "webButton", "bssInfoButton", "certificateButton"})
        EXPECT_FALSE(child<QPushButton>(window, name)->isEnabled()) << name;
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
    pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
}

TEST(LanSettingsDialog, FormMessagesReplaceTheValueAndARefusedSaveSendsNothing) {
    storeRecords(ListMode::Ethernet, {PrinterRecord{}});
    FakePrinter printer;
    app::MessageCapture messages;
    LanSettingsDialog dialog(ListMode::Ethernet, 1, QStringLiteral("127.0.0.255"), nullptr, printer.endpoints());
    execWith(dialog, [&] {
        auto* port = child<QLineEdit>(dialog, "portEdit");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("32768"));
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        auto* inactivity = child<QLineEdit>(dialog, "inactivityEdit");
        inactivity->clear();
        QTest::keyClicks(inactivity, QStringLiteral("3601x"));
        EXPECT_EQ(inactivity->text(), QStringLiteral("0"));
        port->setText(QStringLiteral("3318"));
        child<QPushButton>(dialog, "saveButton")->click();
        EXPECT_EQ(port->text(), QStringLiteral("9100"));
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kPortOutOfRange, kTimeNotSet, kPortNotAvailable}));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Corvane Tool"));
    pumpEvents(30);
    EXPECT_TRUE(printer.requests().empty());
}

TEST(LanSettingsDialog, MissingRecordOrPortZero) {
    FakePrinter printer;
    app::MessageCapture messages;
    storeRecords(ListMode::Ethernet, {PrinterRecord{}});
    LanSettingsDialog missing(ListMode::Ethernet, 5, {}, nullptr, printer.endpoints());
    EXPECT_EQ(missing.exec(), QDialog::Rejected);
    EXPECT_EQ(messages.ids(), (std::vector<int>{kListReadFailed}));

    messages.clear();
    PrinterRecord portZero;
    portZero.port = 0;
    storeRecords(ListMode::Ethernet, {portZero});
    LanSettingsDialog dialog(ListMode::Ethernet, 1, {}, nullptr, printer.endpoints());
    execWith(dialog, [&] {
        if (dialog.isVisible()) dialog.reject();
    });
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCheckIpOrPort}));
}

TEST(BssInfoDialog, UnreachablePrinterGivesMessageTwo) {
    LanEndpoints endpoints;
    {
        QTcpServer probe;  // a port that was free a moment ago: nothing listens
        probe.listen(QHostAddress::LocalHost, 0);
        endpoints.surveyPort = probe.serverPort();
    }
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

TEST(BssInfoDialog, CancelDuringASilentQueryClosesTheWindowAtOnce) {
    QTcpServer silent;  // takes the connection, never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    LanEndpoints endpoints;
    endpoints.surveyPort = silent.serverPort();
    app::MessageCapture messages;
    BssInfoDialog dialog(QStringLiteral("127.0.0.1"), nullptr, endpoints);
    dialog.setStartDelay(0);  // the printer's own timings: 10.5 s of receive attempts
    const auto start = std::chrono::steady_clock::now();
    execWith(dialog, [&] {
        QTimer::singleShot(300, &dialog, [&] { child<QPushButton>(dialog, "cancelButton")->click(); });
    });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(messages.ids().empty());
}

}  // namespace
}  // namespace corvane::lan
