// The direct-link commands against the simulator's pty in raw device mode.
#include <gtest/gtest.h>

#include <memory>
#include <QRegularExpression>
#include <vector>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

const QString kMakerWarning = "Warning: This printer don't match our company name.\nUnable to open the port.\n";
const QString kConnectFailed = "Failed to connect to the printer.\n";
const QString kUploadFailed = "Failed to upload the certificate document.\nReset the printer.\n";

QString WriteFile(const Sim& sim, const QString& name, const QByteArray& contents) {
    QFile file(sim.dir(name));
    file.open(QIODevice::WriteOnly);
    file.write(contents);
    return file.fileName();
}

QByteArray Certificate(int size) {
    QByteArray pem = "-----BEGIN CERTIFICATE-----\n";
    const QByteArray end = "\n-----END CERTIFICATE-----\n";
    while (pem.size() < size - end.size()) pem += 'Q';
    return pem + end;
}

// One simulator and one command per case, all run at once: the link cases
// spend their time waiting for the printer, not computing.
struct LinkCase {
    QStringList simArgs;
    QStringList cliArgs;  // the port is added
    int code;
    QString err;
};

void RunLinkCases(const std::vector<LinkCase>& cases) {
    std::vector<std::unique_ptr<Sim>> sims;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const LinkCase& c : cases) {
        sims.push_back(std::make_unique<Sim>());
        ASSERT_TRUE(sims.back()->start(c.simArgs));
        runs.push_back(std::make_unique<QProcess>());
        StartCli(*runs.back(), c.cliArgs + QStringList{"--device", sims.back()->pty()});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CliRun run = Finish(*runs[i], 30000);
        const auto label = (cases[i].simArgs + cases[i].cliArgs).join(' ').toStdString();
        EXPECT_EQ(run.code, cases[i].code) << label << "\n" << Describe(run).toStdString();
        if (!cases[i].err.isNull()) {
            EXPECT_EQ(run.err, cases[i].err) << label;
        }
    }
}

TEST(CliLink, ReadGivesEveryFieldUnderItsNameInBothLayouts) {
    Sim newer;
    ASSERT_TRUE(newer.start({"--no-lan"}));
    const CliRun read = RunCli({"link", "read", "--json", "--device", newer.pty()});
    ASSERT_EQ(read.code, 0) << Describe(read).toStdString();
    const QJsonObject printer = read.json().toObject();
    EXPECT_EQ(printer[QStringLiteral("layout")].toString(), "newer");
    EXPECT_EQ(printer[QStringLiteral("config")].toObject().size(), 30);
    EXPECT_EQ(printer[QStringLiteral("config")][QStringLiteral("printerName")].toString(), "ZEPHRAN-TP80W");
    EXPECT_EQ(printer[QStringLiteral("config")][QStringLiteral("printerPort")].toInt(), 9100);
    EXPECT_EQ(printer[QStringLiteral("system")][QStringLiteral("macAddress")].toString().size(), 17);

    Sim older;
    ASSERT_TRUE(older.start({"--no-lan", "--layout", "older"}));
    const CliRun old = RunCli({"link", "read", "--json", "--device", older.pty()});
    ASSERT_EQ(old.code, 0) << Describe(old).toStdString();
    EXPECT_EQ(old.json()[QStringLiteral("layout")].toString(), "older");
    EXPECT_EQ(old.json()[QStringLiteral("config")].toObject().size(), 27);
    EXPECT_FALSE(old.json()[QStringLiteral("config")].toObject().contains("p2pPinCode"));

    const CliRun info = RunCli({"link", "info", "--device", older.pty()});
    EXPECT_EQ(info.code, 0);
    EXPECT_TRUE(info.out.contains("Record Layout     older")) << info.out.toStdString();
}

TEST(CliLink, WriteSendsTheEditedRecordAndPrintsTheSummary) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan"}));
    const CliRun read = RunCli({"link", "read", "--json", "--device", sim.pty()});
    ASSERT_EQ(read.code, 0);
    QJsonObject printer = read.json().toObject();
    QJsonObject config = printer[QStringLiteral("config")].toObject();
    config[QStringLiteral("printerName")] = "Till-7";
    config[QStringLiteral("authentication")] = 0;  // Open System with "WEP64/128": the key length picks WEP128
    config[QStringLiteral("cipher")] = 1;
    config[QStringLiteral("wepKey")] = "ABCDEFGHIJKLM";
    printer[QStringLiteral("config")] = config;
    const QString file = WriteFile(sim, "edited.json", QJsonDocument(printer).toJson());

    const CliRun write = RunCli({"link", "write", "--from", file, "--device", sim.pty(), "--json"});
    ASSERT_EQ(write.code, 0) << Describe(write).toStdString();
    const QJsonArray summary = write.json()[QStringLiteral("summary")].toArray();
    ASSERT_EQ(summary.size(), 30);
    EXPECT_EQ(summary[0][QStringLiteral("value")].toString(), "Till-7");
    EXPECT_EQ(summary[21][QStringLiteral("name")].toString(), "Cryptograph");
    EXPECT_EQ(summary[21][QStringLiteral("value")].toString(), "WEP128");
    EXPECT_EQ(summary[22][QStringLiteral("value")].toString(), "ABCDEFGHIJKLM");
    EXPECT_EQ(summary[23][QStringLiteral("value")].toString(), "");  // no PSK key under WEP
    EXPECT_EQ(summary[29][QStringLiteral("name")].toString(), "P2P Pin Code");

    // Only the fields a file names change.
    const QString partial = WriteFile(sim, "partial.json", R"({"config": {"ssid": "Back-Office"}})");
    const CliRun text = RunCli({"link", "write", "--from", partial, "--device", sim.pty()});
    ASSERT_EQ(text.code, 0) << Describe(text).toStdString();
    EXPECT_TRUE(text.out.startsWith("The configuration has been completed.\nReset the printer.\nNo  Name"));
    EXPECT_TRUE(text.out.contains(QRegularExpression("\n15 +SSID +Back-Office\n"))) << text.out.toStdString();

    const QJsonObject state = sim.stop();
    EXPECT_EQ(state[QStringLiteral("link")][QStringLiteral("configWrites")].toInt(), 2);
    EXPECT_EQ(state[QStringLiteral("link")][QStringLiteral("config")][QStringLiteral("printerName")].toString(), "Till-7");
    EXPECT_EQ(state[QStringLiteral("link")][QStringLiteral("config")][QStringLiteral("cipher")].toInt(), 2);
    EXPECT_EQ(state[QStringLiteral("link")][QStringLiteral("config")][QStringLiteral("ssid")].toString(), "Back-Office");
}

TEST(CliLink, WriteRefusesBadValuesAndSendsNothing) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan"}));
    struct Case {
        QByteArray file;
        QString err;  // the start of stderr
    };
    const Case cases[] = {
        {"not json", "corvane: "},
        {R"({"config": {"colour": 1}})", "corvane: "},
        {R"({"config": {"cipher": 9}})", "corvane: "},
        {R"({"config": {"printerPort": 40000}})", "corvane: "},
        {R"({"config": {"printerName": 7}})", "corvane: "},
        {R"({"config": {"ipAddress": "10.0.0"}})", "corvane: "},
        {R"({"config": {"userId": "a-user-name-much-longer-than-32-bytes"}})", "corvane: "},
        {R"({"layout": "older", "config": {}})", "corvane: the file is for the older record layout"},
        {R"({"config": {"authentication": 0, "cipher": 1, "wepKey": "ABCDEFGHIJKL"}})",
         "WEP Key is invalid.\nWEP Key must be 5 or 10 characters or 10 or 26 hexadecimal digits.\n"},
        {R"({"config": {"ssid": ""}})", "The SSID is incorrect.\nPlease try again.\n"},
        {R"({"config": {"printerPort": 3318}})", "The port number is incorrect.\nPlease try again.\n"},
        {R"({"config": {"p2pPinCode": "12345"}})", "Incorrect PIN. Please re-enter your PIN Code.\n"},
        {R"({"config": {"networkMode": 1, "adhocChannel": 0, "authentication": 0, "cipher": 0}})",
         "The Adhoc channel is incorrect.\nPlease try again.\n"},
    };
    for (const Case& c : cases) {
        const QString file = WriteFile(sim, "bad.json", c.file);
        const CliRun run = RunCli({"link", "write", "--from", file, "--device", sim.pty()});
        EXPECT_EQ(run.code, 2) << c.file.toStdString() << "\n" << Describe(run).toStdString();
        EXPECT_TRUE(run.err.startsWith(c.err)) << c.file.toStdString() << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(sim.stop()[QStringLiteral("link")][QStringLiteral("configWrites")].toInt(), 0);
}

TEST(CliLink, ConnectFailuresGiveTheWindowsMessages) {
    RunLinkCases({
        {{"--no-lan", "--fault-maker-name", "ZEPHRAM"}, {"link", "info"}, 1, kMakerWarning},
        {{"--no-lan", "--fault-no-maker-marker"}, {"link", "info", "--link-timeout-ms", "20"}, 1, kMakerWarning},
        // A silent printer fails the maker check after its 64 tries.
        {{"--no-lan", "--fault-silent", "all"}, {"link", "info", "--link-timeout-ms", "20"}, 1, kMakerWarning},
        {{"--no-lan", "--fault-silent", "sys_req"}, {"link", "read", "--link-timeout-ms", "300"}, 1, kConnectFailed},
        {{"--no-lan", "--fault-corrupt-checksum", "sys_req"}, {"link", "info"}, 1, kConnectFailed},
        {{"--no-lan", "--fault-corrupt-checksum", "if_get"}, {"link", "info"}, 1, kConnectFailed},
        {{"--no-lan", "--fault-mode-7e"}, {"link", "survey"}, 1, kConnectFailed},
        {{"--no-lan", "--fault-corrupt-checksum", "bss_req"}, {"link", "survey"}, 1,
         "Failed to import the BSS information.\nPlease check the IP address or port number to connect to.\n"},
        {{"--no-lan", "--status-byte", "20"}, {"link", "info"}, 0, ""},  // a status byte before the name
    });
}

TEST(CliLink, UnconfirmedWriteFails) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan", "--fault-corrupt-checksum", "if_set"}));
    const QString file = WriteFile(sim, "name.json", R"({"config": {"printerName": "X"}})");
    const CliRun run = RunCli({"link", "write", "--from", file, "--device", sim.pty()});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "The configuration has failed.\n");
}

TEST(CliLink, SurveyOverTheLink) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan"}));
    const CliRun run = RunCli({"link", "survey", "--json", "--device", sim.pty()});
    ASSERT_EQ(run.code, 0) << Describe(run).toStdString();
    EXPECT_FALSE(run.json().toArray().isEmpty());
}

TEST(CliLink, CertificateUploadAndItsFileChecks) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan"}));
    const QByteArray largest = Certificate(3071);
    const QString good = WriteFile(sim, "good.pem", largest);
    const CliRun upload = RunCli({"link", "cert", "--type", "client-pem", good, "--device", sim.pty()});
    ASSERT_EQ(upload.code, 0) << Describe(upload).toStdString();
    EXPECT_EQ(upload.out, "The certificate document has been uploaded successfully.\nReset the printer.\n");

    struct Case {
        QString path;
        QString err;
    };
    const Case refused[] = {
        {WriteFile(sim, "big.pem", Certificate(3072)), "The maximum size of a certificate file is 3KB.\n"},
        {WriteFile(sim, "blank.pem", " " + Certificate(100)), "The certificate file is invalid.\n"},
        {WriteFile(sim, "empty.pem", ""), "The certificate file is invalid.\n"},
        {sim.dir("missing.pem"), "Failed to read the certificate file.\n"},
    };
    for (const Case& c : refused) {
        const CliRun run = RunCli({"link", "cert", "--type", "ca", c.path, "--device", sim.pty()});
        EXPECT_EQ(run.code, 2) << c.path.toStdString();
        EXPECT_EQ(run.err, c.err) << c.path.toStdString();
    }

    const QJsonObject state = sim.stop();
    EXPECT_EQ(QByteArray::fromBase64(state[QStringLiteral("link")][QStringLiteral("certificates")][QStringLiteral("3")].toString().toLatin1()), largest);
    EXPECT_FALSE(state[QStringLiteral("link")][QStringLiteral("certificates")].toObject().contains("1"));
}

TEST(CliLink, CertificateUploadRetryBounds) {
    Sim files;
    const QString pem = WriteFile(files, "c.pem", Certificate(1200));  // chunks 0, 1, 2
    const QStringList cert{"link", "cert", "--type", "ca", pem};
    RunLinkCases({
        // The mode command is sent at most 20 times.
        {{"--no-lan", "--fault-withhold-strt", "19"}, cert, 0, QString()},
        {{"--no-lan", "--fault-withhold-strt", "20"}, cert, 1, kUploadFailed},
        // A chunk may be answered 20 times with something else; the 21st fails.
        {{"--no-lan", "--fault-cert-failures", "20", "--fault-cert-fail-chunk", "1"}, cert, 0, QString()},
        {{"--no-lan", "--fault-cert-failures", "21", "--fault-cert-fail-chunk", "1"}, cert, 1, kUploadFailed},
        // The first chunk's budget has already lost one to "STRT".
        {{"--no-lan", "--fault-cert-failures", "19", "--fault-cert-fail-chunk", "0"}, cert, 0, QString()},
        {{"--no-lan", "--fault-cert-failures", "20", "--fault-cert-fail-chunk", "0"}, cert, 1, kUploadFailed},
    });
}

}  // namespace
