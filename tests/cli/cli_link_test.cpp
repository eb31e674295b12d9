// The direct-link commands against the simulator's pty in raw device mode.
// The exchanges and the page rules are unit-tested under tests/exchange and
// tests/rules; here the happy paths and one case per failure class.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>
#include <utility>
#include <vector>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

const QString kMakerWarning = "Warning: This printer don't match our company name.\nUnable to open the port.\n";
const QString kConnectFailed = "Failed to connect to the printer.\n";
const QString kImportFailed =
    "Failed to import the BSS information.\nPlease check the IP address or port number to connect to.\n";
const QString kUploadFailed = "Failed to upload the certificate document.\nReset the printer.\n";

// One simulator and one command per case, all run at once: the link cases
// spend their time waiting for the printer, not computing.
struct LinkCase {
    QStringList simArgs;  // --no-lan is added
    QStringList cliArgs;  // the device is added
    int code;
    QString err;
};

void RunLinkCases(const std::vector<LinkCase>& cases) {
    std::vector<std::unique_ptr<Sim>> sims;
    std::vector<QStringList> commands;
    for (const LinkCase& c : cases) {
        sims.push_back(std::make_unique<Sim>());
        ASSERT_TRUE(sims.back()->start(QStringList{"--no-lan"} + c.simArgs));
        commands.push_back(c.cliArgs + QStringList{"--device", sims.back()->pty()});
    }
    const auto runs = RunCliTogether(commands);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto label = (cases[i].simArgs + cases[i].cliArgs).join(' ').toStdString();
        EXPECT_EQ(runs[i].code, cases[i].code) << label << "\n" << Describe(runs[i]);
        EXPECT_EQ(runs[i].err, cases[i].err) << label;
    }
}

// A record of the older layout read field by field under its names (the newer
// layout is read back in full by the write's summary below). Secrets stay off
// the terminal unless asked for: masked in the text, left out of the JSON and
// named; such a file writes the printer's own secrets back.
TEST(CliLink, ReadGivesEveryFieldOfTheOlderLayoutAndHidesSecrets) {
    Sim older;
    ASSERT_TRUE(older.start({"--no-lan", "--layout", "older"}));
    const QStringList device{"--device", older.pty()};
    const CliRun read = RunCli(QStringList{"link", "read", "--json"} + device);
    ASSERT_EQ(read.code, 0) << Describe(read);
    EXPECT_EQ(read.json()["layout"].toString(), "older");
    EXPECT_EQ(read.json()["config"].toObject().size(), 22);
    EXPECT_EQ(read.json()["secretsLeftOut"].toArray(),
              QJsonArray({"wepKey", "pskKey", "authPassword", "userPassword", "setCommunity"}));
    EXPECT_EQ(read.json()["config"]["printerName"].toString(), "ZEPHRAN-TP80W");
    EXPECT_EQ(read.json()["system"]["macAddress"].toString().size(), 17);
    const CliRun shown = RunCli(QStringList{"link", "read", "--json", "--show-secrets"} + device);
    EXPECT_EQ(shown.json()["config"].toObject().size(), 27);
    EXPECT_EQ(shown.json()["config"]["pskKey"].toString(), "receipts-all-day");
    const CliRun text = RunCli(QStringList{"link", "read"} + device);
    EXPECT_TRUE(text.out.contains(QRegularExpression("\npskKey +\\*{8}\n"))) << text.out.toStdString();
    for (const char* secret : {"receipts-all-day", "zephran", "private"}) EXPECT_FALSE(text.out.contains(secret));

    const CliRun back =
        RunCli(QStringList{"link", "write", "--from", WriteFile(older, "p.json", read.out.toUtf8())} + device);
    EXPECT_EQ(back.code, 0) << Describe(back);
    const QJsonObject printer = older.stop()["link"].toObject();
    EXPECT_EQ(printer["configWrites"].toInt(), 1);
    EXPECT_EQ(printer["config"]["pskKey"].toString(), "receipts-all-day");
}

// A write changes the named fields only, with the record encoded and decoded
// whole; a bad file or a value the rules refuse sends nothing.
TEST(CliLink, WriteSendsOnlyTheNamedFieldsAndRefusesBadFiles) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan"}));
    const QString edits = WriteFile(sim, "edits.json", R"({"config": {"printerName": "Till-7",
        "authentication": 0, "cipher": 1, "wepKey": "ABCDEFGHIJKLM"}})");
    const CliRun write = RunCli({"link", "write", "--from", edits, "--device", sim.pty(), "--json"});
    ASSERT_EQ(write.code, 0) << Describe(write);
    const QJsonArray summary = write.json()["summary"].toArray();
    ASSERT_EQ(summary.size(), 30);
    EXPECT_EQ(summary[0]["value"].toString(), "Till-7");
    EXPECT_TRUE(summary[22]["hidden"].toBool());  // the WEP key
    EXPECT_FALSE(write.out.contains("ABCDEFGHIJKLM"));

    const QString partial = WriteFile(sim, "partial.json", R"({"config": {"ssid": "Back-Office"}})");
    const CliRun text = RunCli({"link", "write", "--from", partial, "--device", sim.pty()});
    ASSERT_EQ(text.code, 0) << Describe(text);
    EXPECT_TRUE(text.out.startsWith("The configuration has been completed.\nReset the printer.\nNo  Name"));
    EXPECT_TRUE(text.out.contains(QRegularExpression("\n15 +SSID +Back-Office\n"))) << text.out.toStdString();

    // One case per check: the file's syntax, its names, its types, the ranges
    // and widths its reader holds a value to, its layout, and the page rules
    // (each rule is unit-tested under tests/rules).
    const std::pair<QByteArray, QString> refused[] = {
        // a file, the start of stderr
        {"not json", "corvane: "},
        {R"({"config": {"colour": 1}})", "corvane: "},
        {R"({"config": {"ssid": "a", "ssid": "b"}})", "corvane: "},
        {R"({"config": {"cipher": 9}})", "corvane: "},
        {R"({"config": {"printerPort": 40000}})", "corvane: "},
        {R"({"config": {"printerName": 7}})", "corvane: "},
        {R"({"config": {"ipAddress": "10.0.0"}})", "corvane: "},
        {R"({"config": {"userId": "a-user-name-much-longer-than-32-bytes"}})", "corvane: "},
        {R"({"layout": "older", "config": {}})", "corvane: the file is for the older record layout"},
        {R"({"config": {"printerPort": 3318}})", "The port number is incorrect.\nPlease try again.\n"},
        // What the window's PIN edit cannot hold (digits only, at most eight).
        {R"({"config": {"networkMode": 2, "p2pPinCode": "123456789"}})", "Incorrect PIN."},
    };
    for (const auto& [file, err] : refused) {
        const CliRun run = RunCli({"link", "write", "--from", WriteFile(sim, "bad.json", file), "--device", sim.pty()});
        EXPECT_EQ(run.code, 2) << file.toStdString() << "\n" << Describe(run);
        EXPECT_TRUE(run.err.startsWith(err)) << file.toStdString() << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }

    const QJsonObject state = sim.stop();
    EXPECT_EQ(state["link"]["configWrites"].toInt(), 2);
    EXPECT_EQ(state["link"]["config"]["printerName"].toString(), "Till-7");
    EXPECT_EQ(state["link"]["config"]["cipher"].toInt(), 2);
    EXPECT_EQ(state["link"]["config"]["ssid"].toString(), "Back-Office");
}

// Texts a printer or a neighbour's access point chooses reach a terminal
// made visible, and JSON exactly (bytes that are not UTF-8 as NAME + "Hex").
TEST(CliLink, PrinterTextsAreEscapedForPeopleAndExactInJson) {
    Sim sim;
    const QString state = WriteFile(sim, "state.json", R"({"link": {
        "system": {"firmwareVersion": "WL\u001b[2J"},
        "survey": [{"ssid": "Cafe\u001b[31m\nNo  FAKE", "bssid": "00-1A-2B-3C-4D-5E", "rssi": -40, "security": 8},
                   {"ssidHex": "FF41", "bssid": "00-1A-2B-3C-4D-5F", "rssi": -60}]}})");
    ASSERT_TRUE(sim.start({"--no-lan", "--config", state}));

    const CliRun text = RunCli({"link", "survey", "--device", sim.pty()});
    ASSERT_EQ(text.code, 0) << Describe(text);
    EXPECT_TRUE(text.out.contains(R"(Cafe\x1b[31m\x0aNo  FAKE)")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(R"(\xffA)")) << text.out.toStdString();

    const CliRun json = RunCli({"link", "survey", "--json", "--device", sim.pty()});
    EXPECT_EQ(json.json()[0]["ssid"].toString(), QString::fromUtf8("Cafe\x1b[31m\nNo  FAKE"));
    EXPECT_EQ(json.json()[1]["ssidHex"].toString(), "FF41");

    const CliRun info = RunCli({"link", "info", "--device", sim.pty()});
    EXPECT_TRUE(info.out.contains(R"(WL\x1b[2J)")) << info.out.toStdString();
}

// Each failure class of the link reaches the user with its own message.
TEST(CliLink, OneCaseOfEachLinkFailure) {
    Sim files;
    const QString name = WriteFile(files, "name.json", R"({"config": {"printerName": "X"}})");
    const QString pem = WriteFile(files, "c.pem", PemOfSize(300));
    const QString big = WriteFile(files, "big.pem", PemOfSize(3072));
    RunLinkCases({
        {{"--fault-maker-name", "ZEPHRAM"}, {"link", "info"}, 1, kMakerWarning},
        // A silent printer fails the maker check after its 64 tries.
        {{"--fault-silent", "all"}, {"link", "info", "--link-timeout-ms", "20"}, 1, kMakerWarning},
        {{"--fault-corrupt-checksum", "sys_req"}, {"link", "info"}, 1, kConnectFailed},
        {{"--fault-mode-7e"}, {"link", "survey"}, 1, kConnectFailed},
        {{"--fault-corrupt-checksum", "bss_req"}, {"link", "survey"}, 1, kImportFailed},
        {{"--fault-corrupt-checksum", "if_set"},
         {"link", "write", "--from", name},
         1,
         "The configuration has failed.\n"},
        {{"--status-byte", "20"}, {"link", "survey", "--json"}, 0, ""},  // a status byte before the name
        {{}, {"link", "cert", "--type", "ca", big}, 2, "The maximum size of a certificate file is 3KB.\n"},
        // A chunk refused past its budget ends the upload (each budget is counted in tests/exchange).
        {{"--fault-cert-failures", "21", "--fault-cert-fail-chunk", "0"},
         {"link", "cert", "--type", "ca", pem},
         1,
         kUploadFailed},
    });
}

// Every answer comes in four pieces 20 ms apart. A read that took a pause
// inside a reply for its end would cut it short; both read rules must give
// what the silence rule always gave. The largest certificate goes to the
// slot of its type.
TEST(CliLink, RepliesInPiecesReadTheSameUnderBothReadRules) {
    Sim files;
    const QString edits = WriteFile(files, "edits.json", R"({"config": {"printerName": "Till-9"}})");
    const QByteArray largest = PemOfSize(3071);
    const QString pem = WriteFile(files, "c.pem", largest);
    // The two rules side by side, each on a printer of its own.
    Sim silence, complete;
    ASSERT_TRUE(silence.start({"--no-lan", "--fault-pieces", "4"}));
    ASSERT_TRUE(complete.start({"--no-lan", "--fault-pieces", "4"}));
    const QStringList bySilence{"--device", silence.pty(), "--link-read", "silence"};
    const QStringList byComplete{"--device", complete.pty(), "--link-read", "complete"};
    const QStringList write{"link", "write", "--from", edits, "--json"};
    const QStringList cert{"link", "cert", "--type", "client-pem", pem};
    const auto writes = RunCliTogether({write + bySilence, write + byComplete});
    const auto certs = RunCliTogether({cert + bySilence, cert + byComplete});
    ASSERT_EQ(writes[0].code, 0) << Describe(writes[0]);
    EXPECT_EQ(certs[0].out, "The certificate document has been uploaded successfully.\nReset the printer.\n")
        << Describe(certs[0]);
    for (const auto& runs : {writes, certs}) {
        EXPECT_EQ(runs[0].code, runs[1].code) << Describe(runs[1]);
        EXPECT_EQ(runs[0].out, runs[1].out);
        EXPECT_EQ(runs[0].err, runs[1].err);
    }
    const QJsonObject printer = silence.stop()["link"].toObject();
    EXPECT_EQ(printer["configWrites"].toInt(), 1);
    EXPECT_EQ(QByteArray::fromBase64(printer["certificates"]["3"].toString().toLatin1()), largest);
    EXPECT_EQ(printer["certificates"].toObject().size(), 1);
    EXPECT_EQ(printer, complete.stop()["link"].toObject());
}

}  // namespace
