// "Test print" in the device list: the page goes to the chosen printer's
// data port (through --printer-host, here loopback) and a note says where.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QTcpServer>

#include "lan/ui/device_list_dialog.h"
#include "support/sim_process.h"
#include "widgets/messages.h"

using namespace corvane;

TEST(DeviceListTestPrint, PageGoesToTheChosenPrintersDataPort) {
    // A free port a printer can report (the system picks higher ones).
    int dataPort = 0;
    for (int candidate = 22000 + static_cast<int>(QCoreApplication::applicationPid() % 10000); dataPort == 0;
         ++candidate) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, static_cast<quint16>(candidate))) dataPort = candidate;
    }
    test::SimProcess sim;
    const QString printers = QStringLiteral(R"({"wlan": [], "ethernet": [{"mac": "00:11:62:0A:00:01",
                                 "ip": "192.168.0.101", "port": %1}]})")
                                 .arg(dataPort);
    ASSERT_TRUE(sim.start({"--no-link", "--print-port", QString::number(dataPort), "--config",
                           test::WriteFile(sim, "printers.json", printers.toUtf8())},
                          "print:"))
        << sim.errors().toStdString();
    transport::LanEndpoints endpoints{QStringLiteral("127.0.0.1"), sim.port("ethernet"),       0, link::kSurveyPort,
                                      QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")};
    widgets::MessageCapture messages;
    lan::DeviceListDialog window(link::ListMode::Ethernet, nullptr, endpoints);
    window.searchFrom(QStringLiteral("127.0.0.1"));
    ASSERT_EQ(window.selectedNumber(), 1);
    window.findChild<QPushButton*>(QStringLiteral("testPrintButton"))->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Test page sent to 127.0.0.1:%1.").arg(dataPort));
    const QJsonArray printed = sim.stop()["printed"].toArray();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(QByteArray::fromBase64(printed[0].toObject()["data"].toString().toLatin1())
                    .contains("MAC address: 00:11:62:0A:00:01\nIP address:  192.168.0.101\n"));
}
