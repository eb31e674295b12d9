// discover, lan-set and survey against the simulator over loopback.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

QStringList Macs(const QJsonValue& rows) {
    QStringList macs;
    for (const auto& row : rows.toArray()) macs << row[QStringLiteral("mac")].toString();
    return macs;
}

TEST(CliLan, DiscoverListsEveryAnsweringPrinter) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link"}, "survey:"));

    const CliRun ethernet = RunCli(QStringList{"discover", "ethernet", "--json"} + sim.lanArgs("ethernet"));
    ASSERT_EQ(ethernet.code, 0) << Describe(ethernet).toStdString();
    EXPECT_EQ(Macs(ethernet.json()), (QStringList{"00:11:62:0a:00:01", "00:11:62:0a:00:02"}));
    EXPECT_EQ(ethernet.json()[0][QStringLiteral("port")].toInt(), 9100);
    EXPECT_FALSE(ethernet.json()[0].toObject().contains("featureCode"));

    const CliRun wlan = RunCli(QStringList{"discover", "wlan"} + sim.lanArgs("wlan"));
    ASSERT_EQ(wlan.code, 0) << Describe(wlan).toStdString();
    const QStringList lines = wlan.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);  // heading and three printers
    EXPECT_TRUE(lines[0].startsWith("No  Mac Address")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith("Feature"));
    EXPECT_TRUE(lines[1].startsWith("1   00:11:62:0b:00:01  192.168.0.111")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].endsWith(" 1"));  // feature codes 25, 31, 1
}

TEST(CliLan, AFloodOfAnswersSentAtOnceIsStoredWhole) {
    Sim sim;
    QFile config(sim.dir("flood.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"ethernet": [{"faults": {"flood": 3000, "floodBurst": 3000}}], "wlan": []})");
    config.close();
    ASSERT_TRUE(sim.start({"--no-link", "--config", config.fileName()}, "survey:"));
    const CliRun run = RunCli(QStringList{"discover", "ethernet", "--json"} + sim.lanArgs("ethernet"));
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.json().toArray().size(), 3000);
}

TEST(CliLan, ShortWlanAnswerEndsTheSearchAtOnce) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link", "--fault-short-wlan"}, "survey:"));
    QElapsedTimer clock;
    clock.start();
    const CliRun run = RunCli(QStringList{"discover", "wlan", "--json"} + sim.lanArgs("wlan"));
    EXPECT_EQ(run.code, 0) << Describe(run).toStdString();
    EXPECT_TRUE(run.json().toArray().isEmpty());
    EXPECT_LT(clock.elapsed(), 900);  // a whole search takes 1.1 s
}

TEST(CliLan, LanSetChangesThePrinterAndTheNextSearchShowsIt) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link"}, "survey:"));
    const CliRun set = RunCli(QStringList{"lan-set", "ethernet", "--mac", "00-11-62-0A-00-02", "--port", "9105",
                                       "--inactivity", "300", "--baud", "230400", "--gateway", "192.168.0.254"} +
                           sim.lanArgs("ethernet"));
    ASSERT_EQ(set.code, 0) << Describe(set).toStdString();
    EXPECT_EQ(set.out, "The configuration has been completed.\nPlease search for devices again if the list is "
                       "not refreshed.\n");

    const CliRun wlan = RunCli(QStringList{"lan-set", "wlan", "--mac", "0011620b0003", "--ip", "10.1.2.3", "--dhcp",
                                        "on"} +
                            sim.lanArgs("wlan"));
    ASSERT_EQ(wlan.code, 0) << Describe(wlan).toStdString();
    EXPECT_TRUE(wlan.out.startsWith("The WLAN configuration has been completed."));

    const CliRun again = RunCli(QStringList{"discover", "ethernet", "--json"} + sim.lanArgs("ethernet"));
    const QJsonValue changed = again.json()[1];
    EXPECT_EQ(changed[QStringLiteral("port")].toInt(), 9105);
    EXPECT_EQ(changed[QStringLiteral("inactivity")].toInt(), 300);
    EXPECT_EQ(changed[QStringLiteral("baud")].toString(), "230400");
    EXPECT_EQ(changed[QStringLiteral("gateway")].toString(), "192.168.0.254");
    EXPECT_EQ(changed[QStringLiteral("ip")].toString(), "192.168.0.102");  // untouched
    EXPECT_EQ(again.json()[0][QStringLiteral("port")].toInt(), 9100);      // the other printer too

    const QJsonObject state = sim.stop();
    EXPECT_EQ(state[QStringLiteral("wlan")][2][QStringLiteral("ip")].toString(), "10.1.2.3");
    EXPECT_EQ(state[QStringLiteral("wlan")][2][QStringLiteral("dhcp")].toBool(), true);
}

TEST(CliLan, LanSetRefusalsSendNothing) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link"}, "survey:"));
    struct Case {
        QStringList edits;
        const char* message;
    };
    const Case cases[] = {
        {{"--port", "3318"}, "The specified port is not available.\nPlease enter a port number again.\n"},
        {{"--port", "443"}, "The specified port is not available.\nPlease enter a port number again.\n"},
        {{"--port", "32768"}, "Unable to configure the port.\nPlease enter a port number again.(0~32767)\n"},
        {{"--inactivity", "3601"}, "The time has not been set.\nPlease enter time again.\n"},
        {{"--ip", "0.0.0.0"}, "The IP address cannot be used.\nPlease enter an IP address again.\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01"} + c.edits +
                               sim.lanArgs("ethernet"));
        EXPECT_EQ(run.code, 2) << Describe(run).toStdString();
        EXPECT_EQ(run.err, c.message);
    }
    // 32767 and 3600 are the largest values taken.
    const CliRun edge = RunCli(QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "32767",
                                        "--inactivity", "3600"} +
                            sim.lanArgs("ethernet"));
    EXPECT_EQ(edge.code, 0) << Describe(edge).toStdString();

    const QJsonObject state = sim.stop();
    EXPECT_EQ(state[QStringLiteral("ethernet")][0][QStringLiteral("port")].toInt(), 32767);
    EXPECT_EQ(state[QStringLiteral("ethernet")][0][QStringLiteral("ip")].toString(), "192.168.0.101");
}

TEST(CliLan, LanSetFailures) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link", "--fault-delay", "1500", "--fault-delay-on", "prt_set"}, "survey:"));

    const CliRun unknown =
        RunCli(QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:09", "--port", "9101"} +
               sim.lanArgs("ethernet"));
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.startsWith("Error: Failed to read the list of information.\n")) << unknown.err.toStdString();

    // The WLAN time-out (1 s) passes before the held-back confirmation.
    const CliRun late = RunCli(QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:01", "--port", "9101"} +
                            sim.lanArgs("wlan"));
    EXPECT_EQ(late.code, 1) << Describe(late).toStdString();
    EXPECT_EQ(late.err, "Unable to save the configuration.\nPlease configure again.\n");
    EXPECT_TRUE(late.out.isEmpty());
}

TEST(CliLan, SurveyListsTheAccessPoints) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link"}, "survey:"));
    const CliRun run = RunCli({"survey", "--ip", "127.0.0.1", "--survey-port", sim.port("survey"), "--json"});
    ASSERT_EQ(run.code, 0) << Describe(run).toStdString();
    const QJsonArray rows = run.json().toArray();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0][QStringLiteral("no")].toInt(), 1);
    EXPECT_EQ(rows[0][QStringLiteral("bssid")].toString().size(), 17);

    const CliRun text = RunCli({"survey", "--ip", "127.0.0.1", "--survey-port", sim.port("survey")});
    EXPECT_TRUE(text.out.startsWith("The BSS information has been imported successfully.\nNo  SSID"));
}

TEST(CliLan, SurveyRefusedOrBrokenFails) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-link", "--fault-corrupt-checksum", "survey"}, "survey:"));
    const CliRun broken = RunCli({"survey", "--ip", "127.0.0.1", "--survey-port", sim.port("survey")});
    EXPECT_EQ(broken.code, 1);
    EXPECT_EQ(broken.err, "Failed to import the BSS information.\nPlease check the IP address or port number to "
                          "connect to.\n");
    EXPECT_TRUE(broken.out.isEmpty());
}

}  // namespace
