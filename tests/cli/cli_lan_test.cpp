// discover, lan-set and survey against the simulator over loopback. The
// rules behind the refusals and the answer classes are unit-tested under
// tests/lan and tests/link; here one case of each proves the wiring.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

class CliLan : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.start(simArgs(), "survey:")) << sim.errors().toStdString(); }
    virtual QStringList simArgs() const { return {"--no-link"}; }
    CliRun lan(const QStringList& args, const QString& mode) { return RunCli(args + LanArgs(sim, mode)); }
    // The command lines with the overrides that reach this simulator.
    std::vector<CliRun> lanTogether(const std::vector<std::pair<QStringList, QString>>& commands) {
        std::vector<QStringList> lines;
        for (const auto& [args, mode] : commands) lines.push_back(args + LanArgs(sim, mode));
        return RunCliTogether(lines);
    }
    CliRun survey(const QStringList& extra = {}) {
        return RunCli(QStringList{"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim.port("survey"))} +
                      extra);
    }
    Sim sim;
};

TEST_F(CliLan, DiscoverListsEveryAnsweringPrinter) {
    const auto runs = lanTogether({{{"discover", "ethernet", "--json"}, "ethernet"},
                                   {{"discover", "wlan"}, "wlan"},
                                   {{"discover", "wlan", "--csv"}, "wlan"}});
    const CliRun& ethernet = runs[0];
    const CliRun& wlan = runs[1];
    const CliRun& csv = runs[2];
    ASSERT_EQ(ethernet.code, 0) << Describe(ethernet).toStdString();
    ASSERT_EQ(ethernet.json().toArray().size(), 2);
    EXPECT_EQ(ethernet.json()[1]["mac"].toString(), "00:11:62:0a:00:02");
    EXPECT_EQ(ethernet.json()[0]["port"].toInt(), 9100);
    EXPECT_FALSE(ethernet.json()[0].toObject().contains("featureCode"));

    ASSERT_EQ(wlan.code, 0) << Describe(wlan).toStdString();
    const QStringList lines = wlan.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);  // heading and three printers
    EXPECT_TRUE(lines[0].startsWith("No  Mac Address")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("1   00:11:62:0b:00:01  192.168.0.111")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].endsWith(" 1"));  // feature codes 25, 31, 1

    ASSERT_EQ(csv.code, 0) << Describe(csv).toStdString();
    const QStringList records = csv.out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0], "no,mac,ip,mask,gateway,port,version,featureCode,dhcp,adapter,reached");
    EXPECT_EQ(records[2], "2,00:11:62:0b:00:02,192.168.0.112,255.255.255.0,192.168.0.1,9100,2.4,31,off,,unicast");
}

TEST_F(CliLan, LanSetChangesThePrinterAndARefusalSendsNothing) {
    const auto runs = lanTogether({
        {{"lan-set", "ethernet", "--mac", "00-11-62-0A-00-02", "--port", "9105", "--inactivity", "300", "--baud",
          "230400", "--gateway", "192.168.0.254", "--verify-delay", "0"},
         "ethernet"},
        {{"lan-set", "wlan", "--mac", "0011620b0002", "--ip", "10.1.2.3", "--dhcp", "on", "--no-verify"}, "wlan"},
        {{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "3318"}, "ethernet"},
    });
    const CliRun& set = runs[0];
    ASSERT_EQ(set.code, 0) << Describe(set).toStdString();
    EXPECT_EQ(set.out,
              "The configuration has been completed.\nPlease search for devices again if the list is "
              "not refreshed.\nVerified: now at 192.168.0.102, port 9105\n");
    ASSERT_EQ(runs[1].code, 0) << Describe(runs[1]).toStdString();
    EXPECT_TRUE(runs[1].out.startsWith("The WLAN configuration has been completed."));

    const CliRun& refused = runs[2];
    EXPECT_EQ(refused.code, 2) << Describe(refused).toStdString();
    EXPECT_EQ(refused.err, "The specified port is not available.\nPlease enter a port number again.\n");

    const CliRun again = lan({"discover", "ethernet", "--json"}, "ethernet");
    const QJsonValue changed = again.json()[1];
    EXPECT_EQ(changed["port"].toInt(), 9105);
    EXPECT_EQ(changed["inactivity"].toInt(), 300);
    EXPECT_EQ(changed["baud"].toString(), "230400");
    EXPECT_EQ(changed["gateway"].toString(), "192.168.0.254");
    EXPECT_EQ(changed["ip"].toString(), "192.168.0.102");  // untouched
    EXPECT_EQ(again.json()[0]["port"].toInt(), 9100);      // the refused printer too

    const QJsonObject state = sim.stop();
    EXPECT_EQ(state["wlan"][1]["ip"].toString(), "10.1.2.3");
    EXPECT_EQ(state["wlan"][1]["dhcp"].toBool(), true);
}

// The checks before sending: a warning refuses and sends nothing, --force
// sends anyway, and DHCP (the server's addresses) needs no checks. The
// refusals and the sending cases run side by side, each sending case on a
// printer of its own.
TEST_F(CliLan, ChecksRefuseUnlessForced) {
    struct Case {
        QStringList args;
        int code;
        QString named;
        QString mac = "00:11:62:0a:00:01";
    };
    const Case cases[] = {
        {{"--mask", "255.255.0.255"}, 2, "warning: The subnet mask 255.255.0.255 is not contiguous"},
        {{"--ip", "192.168.0.102"}, 2, "already used by the printer 00:11:62:0a:00:02"},
        {{"--ip", "192.168.0.255", "--gateway", "10.9.9.9"}, 2, "The gateway 10.9.9.9 is outside the subnet"},
        {{"--dhcp", "off", "--mask", "255.0.255.0", "--force"}, 0, ""},
        {{"--dhcp", "on", "--mask", "255.0.255.0"}, 0, "", "00:11:62:0a:00:02"},
    };
    std::vector<std::pair<QStringList, QString>> commands;
    for (const Case& c : cases) {
        commands.push_back(
            {QStringList{"lan-set", "ethernet", "--mac", c.mac, "--verify-delay", "0"} + c.args, "ethernet"});
    }
    const auto runs = lanTogether(commands);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].code, cases[i].code) << Describe(runs[i]).toStdString();
        EXPECT_TRUE(runs[i].err.contains(cases[i].named)) << Describe(runs[i]).toStdString();
    }
    const QJsonObject state = sim.stop();
    for (const int printer : {0, 1}) {
        EXPECT_EQ(state["ethernet"][printer]["mask"].toString(), "255.0.255.0") << printer;
        EXPECT_EQ(state["ethernet"][printer]["settingsApplied"].toInt(), 1) << printer;  // the refusals sent nothing
    }
    EXPECT_EQ(state["ethernet"][0]["ip"].toString(), "192.168.0.101");
}

// Find by address: a list of addresses and ranges, answers marked as reached
// by unicast; the settings request and the verification go where the
// printer answered from.
TEST_F(CliLan, TargetListFindsByAddressAndSettingsFollow) {
    const QStringList range{"--target",      "127.0.0.2-3,127.0.0.1",
                            "--remote-port", QString::number(sim.port("ethernet")),
                            "--local-port",  "0",
                            "--local",       "127.0.0.1"};
    const auto runs = RunCliTogether(
        {QStringList{"discover", "ethernet", "--json"} + range,
         QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9102", "--verify-delay", "0"} +
             range,
         {"discover", "ethernet", "--target", "127.0.0.0-255,127.0.1.1"}});
    const CliRun& found = runs[0];
    ASSERT_EQ(found.code, 0) << Describe(found).toStdString();
    ASSERT_EQ(found.json().toArray().size(), 2);
    EXPECT_EQ(found.json()[0]["reached"].toString(), "unicast");
    EXPECT_EQ(found.json()[0]["answeredFrom"].toString(), "127.0.0.1");

    const CliRun& set = runs[1];
    EXPECT_EQ(set.code, 0) << Describe(set).toStdString();
    EXPECT_TRUE(set.out.endsWith("Verified: now at 192.168.0.101, port 9102\n")) << Describe(set).toStdString();

    const CliRun& tooMany = runs[2];
    EXPECT_EQ(tooMany.code, 2);
    EXPECT_TRUE(tooMany.err.contains("more than 256 addresses")) << Describe(tooMany).toStdString();
}

// A plan: a malformed one sends nothing; a dry run sends nothing; the plan
// runs and verifies; run again it finds nothing to change.
TEST_F(CliLan, PlanRunsOnceAndIsIdempotent) {
    const QString bad = WriteFile(sim, "bad.csv",
                                  "mac,port,colour\n"
                                  "00:11:62:0a:00:01,9103,red\n");
    const QString malformed = WriteFile(sim, "malformed.csv",
                                        "mac,ip,port\n"
                                        "00:11:62:0a:00:01,,9103\n"
                                        "00:11:62:0a:00:02,10.0.0.300,\n"
                                        "00-11-62-0A-00-01,,9104\n");
    const QString good = WriteFile(sim, "plan.csv",
                                   "mac,port,inactivity,baud\r\n"
                                   "00:11:62:0a:00:01,9103,60,\r\n"
                                   "00:11:62:0a:00:02,9104,,115200\r\n");
    const QStringList plan{"lan-plan", "ethernet", "--verify-delay", "0"};
    // Runs of one step go side by side: before the plan is sent, the sending
    // run, and after it.
    struct Case {
        int step;
        QString file;
        QStringList extra;
        int code;
        QString named;  // a pattern in stderr, or in stdout for the good plan
    };
    const QString badName = QRegularExpression::escape(bad), malformedName = QRegularExpression::escape(malformed);
    const Case cases[] = {
        {0, bad, {}, 2, badName + ":1: unknown column \"colour\""},
        {0,
         malformed,
         {},
         2,
         malformedName + ":3: ip: \"10.0.0.300\" is not an IPv4 address\n" + malformedName +
             ":4: the MAC address 00:11:62:0a:00:01 is already on line 2"},
        {0, good, {"--dry-run"}, 0, "port 9104 dhcp +would send\n"},
        {1, good, {}, 0, "port 9103 +verified\n.*port 9104 dhcp +verified\n"},
        {2, good, {}, 0, "port 9103 +unchanged\n"},
        {2, good, {"--json"}, 0, "\"result\": *\"unchanged\".*\"result\": *\"unchanged\""},
    };
    for (const int step : {0, 1, 2}) {
        std::vector<const Case*> now;
        std::vector<std::pair<QStringList, QString>> commands;
        for (const Case& c : cases) {
            if (c.step != step) continue;
            now.push_back(&c);
            commands.push_back({plan + QStringList{c.file} + c.extra, "ethernet"});
        }
        const auto runs = lanTogether(commands);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].code, now[i]->code) << Describe(runs[i]).toStdString();
            const QRegularExpression named(now[i]->named, QRegularExpression::DotMatchesEverythingOption);
            EXPECT_TRUE(named.match(now[i]->code == 2 ? runs[i].err : runs[i].out).hasMatch())
                << Describe(runs[i]).toStdString();
        }
    }
    const QJsonObject state = sim.stop();
    EXPECT_EQ(state["ethernet"][0]["settingsApplied"].toInt(), 1);  // once, by the one real run
    EXPECT_EQ(state["ethernet"][1]["settingsApplied"].toInt(), 1);
    EXPECT_EQ(state["ethernet"][1]["baudCode"].toInt(), 0xFF);
}

TEST_F(CliLan, SurveyListsTheAccessPoints) {
    const CliRun run = survey({"--json"});
    ASSERT_EQ(run.code, 0) << Describe(run).toStdString();
    const QJsonArray rows = run.json().toArray();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0]["no"].toInt(), 1);
    EXPECT_EQ(rows[0]["bssid"].toString().size(), 17);
    EXPECT_TRUE(survey().out.startsWith("The BSS information has been imported successfully.\nNo  SSID"));
}

// What the program refuses before anything reaches the printer, naming why.
TEST_F(CliLan, RefusalsNameTheirCause) {
    const QString surveyPort = QString::number(sim.port("survey"));
    struct Case {
        QStringList args;
        int code;
        QString named;
    };
    const Case cases[] = {
        // An address no computer has: nothing may go out from elsewhere.
        {{"discover", "ethernet", "--target", "127.0.0.1", "--remote-port", QString::number(sim.port("ethernet")),
          "--local-port", "0", "--local", "192.0.2.44"},
         1,
         "The search could not start.\nThe local address 192.0.2.44 cannot be used.\n"},
        // The third WLAN printer's feature code 1 greys out Setting in the window.
        {QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:03", "--port", "9101"} + LanArgs(sim, "wlan"), 2,
         "feature code 1"},
        // 0.0.0.0 is what a printer without an address reports; it would reach this computer.
        {{"survey", "--ip", "0.0.0.0", "--survey-port", surveyPort}, 1, "Failed to import the BSS information."},
    };
    std::vector<QStringList> commands;
    for (const Case& c : cases) commands.push_back(c.args);
    const auto runs = RunCliTogether(commands);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].code, cases[i].code) << Describe(runs[i]).toStdString();
        EXPECT_TRUE(runs[i].err.contains(cases[i].named)) << Describe(runs[i]).toStdString();
        EXPECT_TRUE(runs[i].out.isEmpty()) << Describe(runs[i]).toStdString();
    }
    EXPECT_EQ(sim.stop()["wlan"][2]["port"].toInt(), 9100);
}

// The printer confirms settings only after 1.5 s (WLAN) or without taking
// them (Ethernet), and corrupts its survey.
class CliLanFaults : public CliLan {
    QStringList simArgs() const override {
        return {"--no-link", "--fault-delay",        "1500", "--fault-delay-on", "prt_set", "--fault-corrupt-checksum",
                "survey",    "--fault-keep-settings"};
    }
};

TEST_F(CliLanFaults, UnknownPrinterLateOrUntakenSettingsAndBrokenSurveyFail) {
    const auto runs = RunCliTogether({
        QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:09", "--port", "9101"} + LanArgs(sim, "ethernet"),
        // The WLAN time-out (1 s) passes before the held-back confirmation.
        QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:01", "--port", "9101"} + LanArgs(sim, "wlan"),
        // Confirmed, but the search after it still shows the old port.
        QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9101", "--verify-delay", "0"} +
            LanArgs(sim, "ethernet"),
        {"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim.port("survey"))},
    });
    const CliRun& unknown = runs[0];
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.startsWith("Error: Failed to read the list of information.\n"))
        << unknown.err.toStdString();

    const CliRun& late = runs[1];
    EXPECT_EQ(late.code, 1) << Describe(late).toStdString();
    EXPECT_EQ(late.err, "Unable to save the configuration.\nPlease configure again.\n");
    EXPECT_TRUE(late.out.isEmpty());

    const CliRun& kept = runs[2];
    EXPECT_EQ(kept.code, 3) << Describe(kept).toStdString();
    EXPECT_EQ(kept.err, "Not verified: port sent 9101, reported 9100\n");

    const CliRun& broken = runs[3];
    EXPECT_EQ(broken.code, 1);
    EXPECT_EQ(broken.err,
              "Failed to import the BSS information.\nPlease check the IP address or port number to "
              "connect to.\n");
}

}  // namespace
