// discover, lan-set, lan-plan and survey against the simulator over loopback.
// The rules behind the refusals and the answer classes are unit-tested under
// tests/rules, tests/lan and tests/link; here one case of each proves the wiring.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUdpSocket>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

// A command line, the exit code it must give and a pattern its stderr (or
// stdout, when it succeeds) must match.
struct Case {
    QStringList args;
    int code;
    QString named;
};

class CliLan : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.start(simArgs(), "survey:")) << sim.errors().toStdString(); }
    virtual QStringList simArgs() const { return {"--no-link"}; }
    QStringList to(const QString& mode) const { return LanArgs(sim, mode); }
    QStringList survey() const {
        return {"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim.port("survey"))};
    }
    // Runs the cases side by side: they spend their time waiting for a printer.
    void expect(const std::vector<Case>& cases) {
        std::vector<QStringList> commands;
        for (const Case& c : cases) commands.push_back(c.args);
        const auto runs = RunCliTogether(commands);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].code, cases[i].code) << Describe(runs[i]);
            const QRegularExpression named(cases[i].named, QRegularExpression::DotMatchesEverythingOption);
            EXPECT_TRUE(named.match(cases[i].code == 0 ? runs[i].out : runs[i].err).hasMatch())
                << cases[i].named.toStdString() << "\n"
                << Describe(runs[i]);
            if (cases[i].code == 1 || cases[i].code == 2) {
                EXPECT_TRUE(runs[i].out.isEmpty()) << Describe(runs[i]);
            }
        }
    }
    Sim sim;
};

// The three output formats of the list, and the survey's. Find by address: a
// list of addresses and ranges, answers marked as reached by unicast; the
// settings request and the verification go where the printer answered from.
TEST_F(CliLan, DiscoverAndSurveyListWhatAnswersAndTargetListsFindByAddress) {
    const auto runs = RunCliTogether({QStringList{"discover", "ethernet", "--json"} + to("ethernet"),
                                      QStringList{"discover", "wlan"} + to("wlan"),
                                      QStringList{"discover", "wlan", "--csv"} + to("wlan"), survey()});
    for (const CliRun& run : runs) ASSERT_EQ(run.code, 0) << Describe(run);
    ASSERT_EQ(runs[0].json().toArray().size(), 2);
    EXPECT_EQ(runs[0].json()[1]["mac"].toString(), "00:11:62:0a:00:02");

    const QStringList lines = runs[1].out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);  // heading and three printers
    EXPECT_TRUE(lines[1].startsWith("1   00:11:62:0b:00:01  192.168.0.111")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].endsWith(" 1"));  // feature codes 25, 31, 1

    const QStringList records = runs[2].out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0], "no,mac,ip,mask,gateway,port,version,featureCode,dhcp,adapter,reached");
    EXPECT_EQ(records[2], "2,00:11:62:0b:00:02,192.168.0.112,255.255.255.0,192.168.0.1,9100,2.4,31,off,,unicast");

    EXPECT_TRUE(runs[3].out.startsWith("The BSS information has been imported successfully.\nNo  SSID"));

    QStringList range = to("ethernet");
    range[1] = "127.0.0.2-3,127.0.0.1";
    expect({{QStringList{"discover", "ethernet", "--json"} + range, 0,
             "\"answeredFrom\": *\"127.0.0.1\".*\"reached\": *\"unicast\""},
            {QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9102", "--verify-delay", "0"} +
                 range,
             0, "Verified: now at 192.168.0.101, port 9102\n$"},
            {{"discover", "ethernet", "--target", "127.0.0.0-255,127.0.1.1"}, 2, "more than 256 addresses"}});
}

// lan-set sends what it is given and verifies it; a rule's error or a check's
// warning refuses and sends nothing, --force sends anyway, and DHCP (the
// server's addresses) needs no checks. Each sending case has a printer of its
// own. What is refused before anything reaches a printer names why.
TEST_F(CliLan, LanSetSendsOnlyWhatTheChecksAllowAndRefusalsNameTheirCause) {
    const QStringList first{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--verify-delay", "0"};
    QUdpSocket otherCopy;  // another program on the tool's port, sharing it as older copies did
    ASSERT_TRUE(otherCopy.bind(QHostAddress::LocalHost, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    const QString held = QString::number(otherCopy.localPort());
    expect({
        {QStringList{"lan-set", "ethernet", "--mac", "00-11-62-0A-00-02", "--port", "9105", "--inactivity", "300",
                     "--baud", "230400", "--gateway", "192.168.0.254", "--verify-delay", "0"} +
             to("ethernet"),
         0,
         "^The configuration has been completed.\nPlease search for devices again if the list is "
         "not refreshed.\nVerified: now at 192.168.0.102, port 9105\n$"},
        {QStringList{"lan-set", "wlan", "--mac", "0011620b0002", "--dhcp", "on", "--mask", "255.0.255.0",
                     "--no-verify"} +
             to("wlan"),
         0, "^The WLAN configuration has been completed."},
        {first + QStringList{"--port", "3318"} + to("ethernet"), 2,
         "^The specified port is not available.\nPlease enter a port number again.\n$"},
        {first + QStringList{"--mask", "255.255.0.255"} + to("ethernet"), 2,
         "warning: The subnet mask 255.255.0.255 is not contiguous"},
        {first + QStringList{"--ip", "192.168.0.102"} + to("ethernet"), 2,
         "already used by the printer 00:11:62:0a:00:02"},
        // A mask with gaps is a conflict: --force is not enough. Zero-padded
        // parts are decimal.
        {first + QStringList{"--mask", "255.0.255.0", "--force"} + to("ethernet"), 2,
         "nothing was sent; --allow-conflicts"},
        {first + QStringList{"--dhcp", "off", "--mask", "255.0.255.0", "--ip", "192.168.000.010", "--allow-conflicts"} +
             to("ethernet"),
         0, "Verified: now at 192\\.168\\.0\\.10,"},
        // An address no computer has: nothing may go out from elsewhere.
        {{"discover", "ethernet", "--target", "127.0.0.1", "--remote-port", QString::number(sim.port("ethernet")),
          "--local-port", "0", "--local", "192.0.2.44"},
         1,
         "^The search could not start.\nThe local address 192.0.2.44 cannot be used.\n$"},
        {{"discover", "ethernet", "--target", "127.0.0.1", "--remote-port", QString::number(sim.port("ethernet")),
          "--local-port", held, "--local", "127.0.0.1"},
         1,
         "^The search could not start.\nUDP port " + held + " is in use by another program.\n$"},
        // The third WLAN printer's feature code 1 greys out Setting in the window.
        {QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:03", "--port", "9101"} + to("wlan"), 2,
         "feature code 1"},
        // 0.0.0.0 is what a printer without an address reports; it would reach this computer.
        {{"survey", "--ip", "0.0.0.0", "--survey-port", QString::number(sim.port("survey"))},
         1,
         "Failed to import the BSS information."},
    });
    const QJsonObject state = sim.stop();
    const QJsonValue forced = state["ethernet"][0], changed = state["ethernet"][1];
    EXPECT_EQ(forced["settingsApplied"].toInt(), 1);  // the refusals sent nothing
    EXPECT_EQ(forced["mask"].toString(), "255.0.255.0");
    EXPECT_EQ(forced["ip"].toString(), "192.168.0.10");
    EXPECT_EQ(changed["inactivity"].toInt(), 300);
    EXPECT_EQ(state["wlan"][1]["mask"].toString(), "255.0.255.0");
    EXPECT_TRUE(state["wlan"][1]["dhcp"].toBool());
    EXPECT_EQ(state["wlan"][2]["port"].toInt(), 9100);
}

// A plan: a malformed one sends nothing; a dry run sends nothing; the plan
// runs and verifies; run again it finds nothing to change.
TEST_F(CliLan, PlanRunsOnceAndIsIdempotent) {
    // 22 bad rows: the first 20 are named, then the count of the rest.
    const QString malformed =
        WriteFile(sim, "malformed.csv",
                  "mac,ip\n00:11:62:0a:00:01,\n00:11:62:0a:00:02,10.0.0.300\n" + QByteArray("x,\n").repeated(21));
    const QString good = WriteFile(sim, "plan.csv",
                                   "mac,port,inactivity,baud\r\n"
                                   "00:11:62:0a:00:01,9103,60,\r\n"
                                   "00:11:62:0a:00:02,9104,,115200\r\n");
    const QStringList plan = QStringList{"lan-plan", "ethernet", "--verify-delay", "0"} + to("ethernet");
    // A row refused by the checks is not sent, and the plan exits 2 as lan-set does;
    // so is a row whose address a refused row's printer keeps.
    const QString clash = WriteFile(sim, "clash.csv", "mac,ip\n00:11:62:0a:00:01,192.168.0.102\n");
    const QString held =
        WriteFile(sim, "held.csv", "mac,ip,dhcp\n00:11:62:0a:00:01,192.168.0.102,\n00:11:62:0a:00:02,10.0.0.5,off\n");
    for (const CliRun& run : RunCliTogether({plan + QStringList{clash, "--force"},
                                             plan + QStringList{clash, "--dry-run"}, plan + QStringList{held}})) {
        EXPECT_EQ(run.code, 2) << Describe(run);
        EXPECT_TRUE(run.out.contains("already used by the printer 00:11:62:0a:00:02")) << Describe(run);
    }
    expect({{plan + QStringList{malformed}, 2,
             QRegularExpression::escape(malformed) + ":3: ip: \"10.0.0.300\" is not an IPv4 address\n([^\n]*\n){19}"
                                                     "\\.\\.\\. and 2 more errors\n"},
            {plan + QStringList{good, "--dry-run"}, 0, "port 9104 dhcp +would send\n"}});
    expect({{plan + QStringList{good}, 0, "port 9103 +verified\n.*port 9104 dhcp +verified\n"}});
    // Nothing differs: nothing is sent, by the plan or by lan-set.
    expect({{plan + QStringList{good}, 0, "port 9103 +unchanged\n"},
            {QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9103"} + to("ethernet"), 0,
             "^Unchanged: the printer already has these settings; nothing was sent.\n$"}});
    const QJsonObject state = sim.stop();
    EXPECT_EQ(state["ethernet"][0]["settingsApplied"].toInt(), 1);  // once, by the one real run
    EXPECT_EQ(state["ethernet"][1]["settingsApplied"].toInt(), 1);
    EXPECT_EQ(state["ethernet"][1]["baudCode"].toInt(), 0xFF);
}

// The printer confirms settings only after 1.5 s (WLAN) or without taking
// them (Ethernet), and corrupts its survey.
class CliLanFaults : public CliLan {
    QStringList simArgs() const override {
        return QStringLiteral(
                   "--no-link --fault-delay 1500 --fault-delay-on prt_set --fault-corrupt-checksum survey "
                   "--fault-keep-settings --fault-duplicate find")
            .split(' ');
    }
};

TEST_F(CliLanFaults, UnknownPrinterLateOrUntakenSettingsAndBrokenSurveyFail) {
    expect({
        // Every printer answers twice: still one row each.
        {QStringList{"discover", "ethernet"} + to("ethernet"), 0, "^No [^\n]*\n1 [^\n]*\n2 [^\n]*\n$"},
        {QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:09", "--port", "9101"} + to("ethernet"), 1,
         "^corvane: no printer with MAC address 00:11:62:0a:00:09 answered the search\n$"},
        // The WLAN time-out (1 s) passes before the held-back confirmation.
        {QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:01", "--port", "9101"} + to("wlan"), 1,
         "^Unable to save the configuration.\nPlease configure again.\n$"},
        // Confirmed, but the search after it still shows the old port.
        {QStringList{"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--port", "9101", "--verify-delay", "0",
                     "--verify-timeout", "1"} +
             to("ethernet"),
         3, "^Not verified: port sent 9101, reported 9100\n$"},
        {QStringList{"lan-plan", "ethernet", WriteFile(sim, "port.csv", "mac,port\n00:11:62:0a:00:02,9102\n"),
                     "--verify-delay", "0", "--verify-timeout", "1"} +
             to("ethernet"),
         3, "^$"},
        {survey(), 1,
         "^Failed to import the BSS information.\nPlease check the IP address or port number to connect to.\n$"},
    });
}

// Printers that answer from addresses of their own (127.0.0.2 ...): two
// wireless ones, the first confirming late and the second never; three
// Ethernet ones, the first back 4 s after a change, the second confirming
// without taking the change, the third away for a minute.
class CliLanSlowPrinters : public CliLan {
    QStringList simArgs() const override {
        return {"--no-link", "--config", WriteFile(sim, "printers.json", R"({
  "ethernet": [
    {"mac": "00:11:62:0A:00:01", "answerFrom": "127.0.0.4", "faults": {"restartMs": 4000}},
    {"mac": "00:11:62:0A:00:02", "answerFrom": "127.0.0.5", "faults": {"keepSettings": true}},
    {"mac": "00:11:62:0A:00:03", "answerFrom": "127.0.0.6", "faults": {"restartMs": 60000}}]})")};
    }
};

// After a confirmed change the tool searches again until the printer shows
// it or the time is up, and the history gets the verdict beside the change.
TEST_F(CliLanSlowPrinters, VerificationWaitsForTheRestartAndReachesTheHistory) {
    const auto set = [&](const char* mac, const char* port, const char* timeout) {
        return QStringList{"lan-set", "ethernet",         "--mac", mac, "--port", port, "--verify-delay",
                           "0",       "--verify-timeout", timeout} +
               to("ethernet");
    };
    struct Outcome {
        const char* mac;
        const char* verdict;
    };
    const Outcome outcomes[] = {
        {"00-11-62-0A-00-01", "verified"}, {"00-11-62-0A-00-02", "not verified"}, {"00-11-62-0A-00-03", "not seen"}};
    expect({{set("00:11:62:0a:00:01", "9105", "20"), 0, "\nVerified: now at 192.168.0.200, port 9105\n$"},
            {set("00:11:62:0a:00:02", "9106", "3"), 3, "^Not verified: port sent 9106, reported 9100\n$"},
            {set("00:11:62:0a:00:03", "9107", "3"), 3, "^Not verified: the printer was not seen again"}});
    const CliRun history = RunCliOk({"history", "--json"});
    for (const Outcome& o : outcomes) {
        SCOPED_TRACE(o.mac);
        QStringList lines;
        for (const auto& entry : history.json().toArray()) {
            const QJsonObject e = entry.toObject();
            if (e["mac"].toString() == o.mac) lines << e["action"].toString() + ": " + e["outcome"].toString();
        }
        EXPECT_EQ(lines, (QStringList{"lan settings: confirmed", QStringLiteral("lan verification: ") + o.verdict}));
    }
}

}  // namespace
