// corvane print-test against the simulator's data port on loopback: the
// bytes that arrive, a closed port, and a page after a verified plan.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTcpServer>

#include "cli/cli_harness.h"

using namespace corvane::clitest;

TEST(CliPrintTest, PageArrivesWhole) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link", "--print-port", "0"}, "print:")) << sim.errors().toStdString();
    const QString port = QString::number(sim.port("print"));
    const CliRun run = RunCliOk({"print-test", "--ip", "127.0.0.1", "--port", port, "--mac", "00-11-62-0a-00-01"});
    EXPECT_EQ(run.out, "sent to 127.0.0.1:" + port + "\n");

    const QJsonArray printed = sim.stop().value("printed").toArray();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0]["port"].toInt(), sim.port("print"));
    const QByteArray page = QByteArray::fromBase64(printed[0]["data"].toString().toLatin1());
    const QRegularExpression shape(
        QRegularExpression::escape("\x1B@Corvane Tool test print\nMAC address: 00:11:62:0A:00:01\n"
                                   "IP address:  127.0.0.1\nPort:        " +
                                   port + "\nPrinted:     ") +
        "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\nComputer:    [\\x20-\\x7E]+\n" +
        QRegularExpression::escape(QString::fromLatin1("\x1B"
                                                       "d\x04\x1DVB",
                                                       6)) +
        "\\x00$");
    EXPECT_TRUE(shape.match(QString::fromLatin1(page)).hasMatch()) << page.toHex(' ').toStdString();
    EXPECT_TRUE(page.contains(QHostInfo::localHostName().left(8).toLatin1()));
}

TEST(CliPrintTest, FailuresSayWhy) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString port = QString::number(closed.serverPort());
    closed.close();
    const struct {
        QStringList args;
        int code;
        const char* words;
    } cases[] = {
        {{"print-test", "--ip", "127.0.0.1", "--port", port}, 1, "not sent to 127.0.0.1:%1: refused"},
        // Leading zeros are decimal: 127.0.0.10, never octal 127.0.0.8.
        {{"print-test", "--ip", "127.000.000.010", "--port", port}, 1, "not sent to 127.0.0.10:%1: refused"},
        {{"print-test", "--ip", "0.0.0.1"}, 1, "not sent to 0.0.0.1:9100: cannot be sent"},
        {{"print-test", "--ip", "127.1"}, 2, "is not an IPv4 address"},
        {{"print-test", "--ip", "127.0.0.1", "--port", "0"}, 2, "is not a port"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, c.code) << Describe(run);
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.words).replace("%1", port))) << Describe(run);
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// After a verified plan the printer prints at the data port it reports; the
// page names its new address, the connection goes where --printer-host says.
TEST(CliPrintTest, PlanPrintsOnEveryVerifiedPrinter) {
    // A free port printers can have (0-32767): the system picks higher ones.
    int dataPort = 0;
    for (int candidate = 20000 + static_cast<int>(QCoreApplication::applicationPid() % 10000); dataPort == 0;
         ++candidate) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, static_cast<quint16>(candidate))) dataPort = candidate;
    }
    Sim sim;
    const QString printers = QStringLiteral(
                                 R"({"wlan": [], "ethernet": [{"mac": "00:11:62:0A:00:01", "ip": "192.168.0.101",
                                     "mask": "255.255.255.0", "gateway": "192.168.0.1", "port": %1}]})")
                                 .arg(dataPort);
    ASSERT_TRUE(sim.start({"--no-link", "--print-port", QString::number(dataPort), "--config",
                           WriteFile(sim, "printers.json", printers.toUtf8())},
                          "print:"))
        << sim.errors().toStdString();
    const QString plan = WriteFile(sim, "plan.csv", "mac,ip\n00:11:62:0a:00:01,192.168.0.150\n");
    const CliRun run = RunCliOk(QStringList{"lan-plan", "ethernet", plan, "--verify-delay", "0", "--force",
                                            "--test-print", "--printer-host", "127.0.0.1", "--json"} +
                                LanArgs(sim, "ethernet"));
    EXPECT_EQ(run.json()[0]["result"].toString(), "verified");
    EXPECT_EQ(run.json()[0]["testPrint"].toString(), "test page sent to 127.0.0.1:" + QString::number(dataPort));
    const QJsonArray printed = sim.stop().value("printed").toArray();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(QByteArray::fromBase64(printed[0]["data"].toString().toLatin1())
                    .contains("MAC address: 00:11:62:0A:00:01\nIP address:  192.168.0.150\n"));
}
