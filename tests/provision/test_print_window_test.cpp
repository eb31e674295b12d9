// "Test print" in the device list: the page goes to the chosen printer's
// data port (through --printer-host, here loopback) and a note says where;
// after a verified settings change the status line offers a page to the
// printer's new port.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/modal.h"
#include "support/sim_process.h"
#include "widgets/messages.h"

using namespace corvane;

namespace {

// A free port a printer can report (the system picks higher ones).
int freeDataPort() {
    for (int candidate = 22000 + static_cast<int>(QCoreApplication::applicationPid() % 10000);; ++candidate) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, static_cast<quint16>(candidate))) return candidate;
    }
}

// The simulator's one Ethernet printer reporting port 9100, its data port
// listening on `dataPort`.
class DeviceListTestPrint : public ::testing::Test {
protected:
    void startSim(const QStringList& faults = {}) {
        const QByteArray printers = R"({"wlan": [], "ethernet": [{"mac": "00:11:62:0A:00:01",
                                     "ip": "192.168.0.101", "port": 9100}]})";
        ASSERT_TRUE(sim.start(QStringList{"--no-link", "--print-port", QString::number(dataPort), "--config",
                                          test::WriteFile(sim, "printers.json", printers)} +
                                  faults,
                              "print:"))
            << sim.errors().toStdString();
        window = std::make_unique<lan::DeviceListDialog>(
            link::ListMode::Ethernet, nullptr,
            transport::LanEndpoints{QStringLiteral("127.0.0.1"), sim.port("ethernet"), 0, link::kSurveyPort,
                                    QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")});
        window->setTimings(test::quickTimings());
        window->searchFrom(QStringLiteral("127.0.0.1"));
        ASSERT_EQ(window->selectedNumber(), 1);
    }
    // Moves the printer to the data port in the settings window.
    void changePortToDataPort() {
        test::onNextModal<lan::LanSettingsDialog>([&](lan::LanSettingsDialog* settings) {
            auto* port = test::child<QLineEdit>(*settings, "portEdit");
            port->clear();
            QTest::keyClicks(port, QString::number(dataPort));
            test::child<QPushButton>(*settings, "saveButton")->click();
        });
        window->onSetting();
        ASSERT_FALSE(messages.messages().empty());
    }
    // The pages the simulator's printer received, in order.
    QList<QByteArray> pagesPrinted() {
        QList<QByteArray> pages;
        for (const auto& page : sim.stop()["printed"].toArray())
            pages << QByteArray::fromBase64(page.toObject()["data"].toString().toLatin1());
        return pages;
    }

    const int dataPort = freeDataPort();
    test::SimProcess sim;
    widgets::MessageCapture messages;
    std::unique_ptr<lan::DeviceListDialog> window;
};

}  // namespace

// The printer moves from port 9100 (where nothing listens) to the data port;
// only once the change is verified does the status line offer the page, and
// it goes to the new port. The button sends a page to the chosen printer on
// a worker, the window live meanwhile.
TEST_F(DeviceListTestPrint, VerifiedChangeOffersAPageAtTheNewPortAndTheButtonPrintsThere) {
    startSim();
    QPushButton* offer = window->testPrintOffer();
    EXPECT_FALSE(offer->isVisibleTo(window.get()));
    changePortToDataPort();
    ASSERT_EQ(messages.messages().back().text, QStringLiteral("Verified: now at 192.168.0.101, port %1").arg(dataPort));
    ASSERT_TRUE(offer->isVisibleTo(window.get()));
    auto* button = window->findChild<QPushButton*>(QStringLiteral("testPrintButton"));
    for (QPushButton* print : {offer, button}) {
        const auto shown = messages.messages().size();
        print->click();
        if (print == button) {
            EXPECT_FALSE(button->isEnabled());
        }
        ASSERT_TRUE(test::waitUntil([&] { return messages.messages().size() > shown; }, 30000));
        EXPECT_TRUE(button->isEnabled());
        ASSERT_EQ(messages.messages().size(), shown + 1);
        EXPECT_EQ(messages.messages().back().text, QStringLiteral("Test page sent to 127.0.0.1:%1.").arg(dataPort));
    }
    const QList<QByteArray> pages = pagesPrinted();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Port:        %1\n").arg(dataPort).toLatin1()));
    EXPECT_TRUE(pages[1].contains("MAC address: 00:11:62:0A:00:01\nIP address:  192.168.0.101\n"));
}

// A change the printer confirmed but did not take offers no page.
TEST_F(DeviceListTestPrint, UnverifiedChangeOffersNoPage) {
    startSim({"--fault-keep-settings"});
    changePortToDataPort();
    EXPECT_TRUE(messages.messages().back().text.startsWith("Not verified"))
        << messages.messages().back().text.toStdString();
    EXPECT_FALSE(window->testPrintOffer()->isVisibleTo(window.get()));
}
