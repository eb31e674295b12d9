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
    CliRun survey(const QStringList& extra = {}) {
        return RunCli(QStringList{"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim.port("survey"))} +
                      extra);
    }
    Sim sim;
};

TEST_F(CliLan, DiscoverListsEveryAnsweringPrinter) {
    const CliRun ethernet = lan({"discover", "ethernet", "--json"}, "ethernet");
    ASSERT_EQ(ethernet.code, 0) << Describe(ethernet).toStdString();
    ASSERT_EQ(ethernet.json().toArray().size(), 2);
    EXPECT_EQ(ethernet.json()[1]["mac"].toString(), "00:11:62:0a:00:02");
    EXPECT_EQ(ethernet.json()[0]["port"].toInt(), 9100);
    EXPECT_FALSE(ethernet.json()[0].toObject().contains("featureCode"));

    const CliRun wlan = lan({"discover", "wlan"}, "wlan");
    ASSERT_EQ(wlan.code, 0) << Describe(wlan).toStdString();
    const QStringList lines = wlan.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);  // heading and three printers
    EXPECT_TRUE(lines[0].startsWith("No  Mac Address")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("1   00:11:62:0b:00:01  192.168.0.111")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].endsWith(" 1"));  // feature codes 25, 31, 1

    const CliRun csv = lan({"discover", "wlan", "--csv"}, "wlan");
    ASSERT_EQ(csv.code, 0) << Describe(csv).toStdString();
    const QStringList records = csv.out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0], "no,mac,ip,mask,gateway,port,version,featureCode,dhcp,adapter,reached");
    EXPECT_EQ(records[2], "2,00:11:62:0b:00:02,192.168.0.112,255.255.255.0,192.168.0.1,9100,2.4,31,off,,unicast");
}

TEST_F(CliLan, LanSetChangesThePrinterAndARefusalSendsNothing) {
    const CliRun set = lan({"lan-set", "ethernet", "--mac", "00-11-62-0A-00-02", "--port", "9105", "--inactivity",
                            "300", "--baud", "230400", "--gateway", "192.168.0.254", "--verify-delay", "0"},
                           "ethernet");
    ASSERT_EQ(set.code, 0) << Describe(set).toStdString();
    EXPECT_EQ(set.out, "The configuration has been completed.\nPlease search for devices again if the list is "
                       "not refreshed.\nVerified: now at 192.168.0.102, port 9105\n");
    const CliRun wlan = lan({"lan-set", "wlan", "--mac", "0011620b0002", "--ip", "10.1.2.3", "--dhcp", "on",
                             "--no-verify"},
                            "wlan");
    ASSERT_EQ(wlan.code, 0) << Describe(wlan).toStdString();
    EXPECT_TRUE(wlan.out.startsWith("The WLAN configuration has been completed."));

    const CliRun refused = lan({"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "3318"}, "ethernet");
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
// sends anyway.
TEST_F(CliLan, ChecksRefuseUnlessForced) {
    const QStringList set{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--verify-delay", "0"};
    struct Case {
        QStringList args;
        int code;
        QString named;
    };
    const Case cases[] = {
        {{"--mask", "255.0.255.0"}, 2, "warning: The subnet mask 255.0.255.0 is not contiguous"},
        {{"--ip", "192.168.0.102"}, 2, "already used by the printer 00:11:62:0a:00:02"},
        {{"--ip", "192.168.0.255", "--gateway", "10.9.9.9"}, 2, "The gateway 10.9.9.9 is outside the subnet"},
        {{"--dhcp", "on", "--mask", "255.0.255.0"}, 0, ""},  // DHCP: the server's addresses
        {{"--dhcp", "off", "--mask", "255.0.255.0", "--force"}, 0, ""},
    };
    for (const Case& c : cases) {
        const CliRun run = lan(set + c.args, "ethernet");
        EXPECT_EQ(run.code, c.code) << Describe(run).toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << Describe(run).toStdString();
    }
    const QJsonObject state = sim.stop();
    EXPECT_EQ(state["ethernet"][0]["mask"].toString(), "255.0.255.0");
    EXPECT_EQ(state["ethernet"][0]["ip"].toString(), "192.168.0.101");  // the refusals sent nothing
}

// Find by address: a list of addresses and ranges, answers marked as reached
// by unicast; the settings request and the verification go where the
// printer answered from.
TEST_F(CliLan, TargetListFindsByAddressAndSettingsFollow) {
    const QStringList range{"--target", "127.0.0.2-3,127.0.0.1", "--remote-port", QString::number(sim.port("ethernet")),
                            "--local-port", "0", "--local", "127.0.0.1"};
    const CliRun found = RunCli(QStringList{"discover", "ethernet", "--json"} + range);
    ASSERT_EQ(found.code, 0) << Describe(found).toStdString();
    ASSERT_EQ(found.json().toArray().size(), 2);
    EXPECT_EQ(found.json()[0]["reached"].toString(), "unicast");
    EXPECT_EQ(found.json()[0]["answeredFrom"].toString(), "127.0.0.1");

    const CliRun set = RunCli(QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9102",
                                          "--verify-delay", "0"} +
                              range);
    EXPECT_EQ(set.code, 0) << Describe(set).toStdString();
    EXPECT_TRUE(set.out.endsWith("Verified: now at 192.168.0.101, port 9102\n")) << Describe(set).toStdString();

    const CliRun tooMany = RunCli({"discover", "ethernet", "--target", "127.0.0.0-255,127.0.1.1"});
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
    struct Case {
        QString file;
        QStringList extra;
        int code;
        QString named;  // a pattern in stderr, or in stdout for the good plan
    };
    const QString badName = QRegularExpression::escape(bad), malformedName = QRegularExpression::escape(malformed);
    const Case cases[] = {
        {bad, {}, 2, badName + ":1: unknown column \"colour\""},
        {malformed, {}, 2, malformedName + ":3: ip: \"10.0.0.300\" is not an IPv4 address\n" + malformedName +
                               ":4: the MAC address 00:11:62:0a:00:01 is already on line 2"},
        {good, {"--dry-run"}, 0, "port 9104 dhcp +would send\n"},
        {good, {}, 0, "port 9103 +verified\n.*port 9104 dhcp +verified\n"},
        {good, {}, 0, "port 9103 +unchanged\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = lan(plan + QStringList{c.file} + c.extra, "ethernet");
        EXPECT_EQ(run.code, c.code) << Describe(run).toStdString();
        const QRegularExpression named(c.named, QRegularExpression::DotMatchesEverythingOption);
        EXPECT_TRUE(named.match(c.code == 2 ? run.err : run.out).hasMatch()) << Describe(run).toStdString();
    }
    const CliRun again = lan(plan + QStringList{good, "--json"}, "ethernet");
    EXPECT_EQ(again.json()[1]["result"].toString(), "unchanged");
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
         1, "The search could not start.\nThe local address 192.0.2.44 cannot be used.\n"},
        // The third WLAN printer's feature code 1 greys out Setting in the window.
        {QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:03", "--port", "9101"} + LanArgs(sim, "wlan"), 2,
         "feature code 1"},
        // 0.0.0.0 is what a printer without an address reports; it would reach this computer.
        {{"survey", "--ip", "0.0.0.0", "--survey-port", surveyPort}, 1, "Failed to import the BSS information."},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, c.code) << Describe(run).toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << Describe(run).toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << Describe(run).toStdString();
    }
    EXPECT_EQ(sim.stop()["wlan"][2]["port"].toInt(), 9100);
}

// The printer confirms settings only after 1.5 s (WLAN) or without taking
// them (Ethernet), and corrupts its survey.
class CliLanFaults : public CliLan {
    QStringList simArgs() const override {
        return {"--no-link", "--fault-delay", "1500", "--fault-delay-on", "prt_set", "--fault-corrupt-checksum",
                "survey", "--fault-keep-settings"};
    }
};

TEST_F(CliLanFaults, UnknownPrinterLateOrUntakenSettingsAndBrokenSurveyFail) {
    const CliRun unknown = lan({"lan-set", "ethernet", "--mac", "00:11:62:0a:00:09", "--port", "9101"}, "ethernet");
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.startsWith("Error: Failed to read the list of information.\n")) << unknown.err.toStdString();

    // The WLAN time-out (1 s) passes before the held-back confirmation.
    const CliRun late = lan({"lan-set", "wlan", "--mac", "00:11:62:0b:00:01", "--port", "9101"}, "wlan");
    EXPECT_EQ(late.code, 1) << Describe(late).toStdString();
    EXPECT_EQ(late.err, "Unable to save the configuration.\nPlease configure again.\n");
    EXPECT_TRUE(late.out.isEmpty());

    // Confirmed, but the search after it still shows the old port.
    const CliRun kept = lan({"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9101", "--verify-delay",
                             "0"},
                            "ethernet");
    EXPECT_EQ(kept.code, 3) << Describe(kept).toStdString();
    EXPECT_EQ(kept.err, "Not verified: port sent 9101, reported 9100\n");

    const CliRun broken = survey();
    EXPECT_EQ(broken.code, 1);
    EXPECT_EQ(broken.err, "Failed to import the BSS information.\nPlease check the IP address or port number to "
                          "connect to.\n");
}

}  // namespace
