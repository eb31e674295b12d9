// The direct-link commands against the simulator's pty in raw device mode.
// The exchanges and the page rules are unit-tested under tests/exchange and
// tests/rules; here the happy paths and one case per failure class.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
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
// named; such a file writes the printer's own secrets back. Texts a printer
// or a neighbour's access point chooses reach a terminal made visible, and
// JSON exactly (bytes that are not UTF-8 as NAME + "Hex").
TEST(CliLink, ReadGivesEveryFieldOfTheOlderLayoutHidesSecretsAndEscapesPrinterTexts) {
    Sim older;
    const QString state = WriteFile(older, "state.json", R"({"link": {
        "system": {"firmwareVersion": "WL\u001b[2J"},
        "survey": [{"ssid": "Cafe\u001b[31m\nNo  FAKE", "bssid": "00-1A-2B-3C-4D-5E", "rssi": -40, "security": 8},
                   {"ssidHex": "FF41", "bssid": "00-1A-2B-3C-4D-5F", "rssi": -60}]}})");
    ASSERT_TRUE(older.start({"--no-lan", "--layout", "older", "--config", state}));
    const QStringList device{"--device", older.pty()};
    const CliRun read = RunCliOk(QStringList{"link", "read", "--json"} + device);
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

    const CliRun survey = RunCliOk(QStringList{"link", "survey"} + device);
    EXPECT_TRUE(survey.out.contains(R"(Cafe\x1b[31m\x0aNo  FAKE)")) << survey.out.toStdString();
    EXPECT_TRUE(survey.out.contains(R"(\xffA)")) << survey.out.toStdString();
    const CliRun surveyJson = RunCli(QStringList{"link", "survey", "--json"} + device);
    EXPECT_EQ(surveyJson.json()[0]["ssid"].toString(), QString::fromUtf8("Cafe\x1b[31m\nNo  FAKE"));
    EXPECT_EQ(surveyJson.json()[1]["ssidHex"].toString(), "FF41");
    const CliRun info = RunCli(QStringList{"link", "info"} + device);
    EXPECT_TRUE(info.out.contains(R"(WL\x1b[2J)")) << info.out.toStdString();

    RunCliOk(QStringList{"link", "write", "--from", WriteFile(older, "p.json", read.out.toUtf8())} + device);
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
    const CliRun write = RunCliOk({"link", "write", "--from", edits, "--device", sim.pty(), "--json"});
    const QJsonArray summary = write.json()["summary"].toArray();
    ASSERT_EQ(summary.size(), 30);
    EXPECT_EQ(summary[0]["value"].toString(), "Till-7");
    EXPECT_TRUE(summary[22]["hidden"].toBool());  // the WEP key
    EXPECT_FALSE(write.out.contains("ABCDEFGHIJKLM"));

    // Zero-padded address parts are decimal, as everywhere.
    const QString partial =
        WriteFile(sim, "partial.json", R"({"config": {"ssid": "Back-Office", "ipAddress": "010.000.000.005"}})");
    const CliRun text = RunCliOk({"link", "write", "--from", partial, "--device", sim.pty()});
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
        {R"({"config": {"subnetMask": "255.0.255.0"}})", "The subnet mask is not valid"},
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
    EXPECT_EQ(state["link"]["config"]["ipAddress"].toString(), "10.0.0.5");
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
        // The record went out whole: the printer may hold it.
        {{"--fault-corrupt-checksum", "if_set"},
         {"link", "write", "--from", name},
         1,
         "The configuration has failed.\ncorvane: not confirmed: the printer's answer to the configuration could not "
         "be read; the printer may have taken the change (read it back before trying again)\n"},
        {{"--status-byte", "20"}, {"link", "survey", "--json"}, 0, ""},  // a status byte before the name
        {{}, {"link", "cert", "--type", "ca", big}, 2, "The maximum size of a certificate file is 3KB.\n"},
        // A chunk refused past its budget ends the upload (each budget is counted in tests/exchange).
        {{"--fault-cert-failures", "21", "--fault-cert-fail-chunk", "0"},
         {"link", "cert", "--type", "ca", pem},
         1,
         kUploadFailed},
    });
}

// The history entries written for the printer behind `port`: action, outcome.
QList<QPair<QString, QString>> HistoryOf(const QString& port) {
    QFile file(qEnvironmentVariable("XDG_STATE_HOME") + "/corvane/history.jsonl");
    QList<QPair<QString, QString>> entries;
    if (!file.open(QIODevice::ReadOnly)) return entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry["way"]["link"].toString() == port)
            entries.append({entry["action"].toString(), entry["outcome"].toString()});
    }
    return entries;
}

// Printers and lines as real ones behave, each run with the default read
// rule: Connect and Save (link write), then the largest certificate, must
// succeed with the success message and a verified save and a confirmed upload in the history, and the
// printer must hold exactly what was sent.
TEST(CliLink, RealPrinterTimingsReadWholeUnderTheDefaultRule) {
    Sim files;
    const QString edits = WriteFile(files, "edits.json", R"({"config": {"ssid": "Till-9"}})");
    const QByteArray largest = PemOfSize(3071);
    const QString pem = WriteFile(files, "c.pem", largest);
    const QList<QStringList> printers = {
        {"--fault-pieces", "8", "--fault-piece-gap", "16"},  // a USB-serial adapter's latency timer
        {"--fault-pieces", "3", "--fault-piece-gap", "45"},
        {"--fault-ack-tail", "12"},
        {"--fault-ack-tail", "80"},
        {"--fault-ack-tail", "30", "--fault-ack-tail-bytes", "7f1d1f03"},  // four bytes ending in 03
        {"--fault-deaf-after-ack", "50"},
        {"--fault-echo"},
        {"--pty-cooked"},  // the tool must put the terminal in raw mode
        {"--fault-pieces", "4", "--fault-ack-tail", "40", "--fault-deaf-after-ack", "50", "--fault-echo"},
    };
    std::vector<std::unique_ptr<Sim>> sims;
    std::vector<QStringList> writes, certs;
    for (const QStringList& printer : printers) {
        sims.push_back(std::make_unique<Sim>());
        ASSERT_TRUE(sims.back()->start(QStringList{"--no-lan"} + printer));
        writes.push_back({"link", "write", "--from", edits, "--json", "--device", sims.back()->pty()});
        certs.push_back({"link", "cert", "--type", "client-pem", pem, "--device", sims.back()->pty()});
    }
    const auto written = RunCliTogether(writes);
    const auto uploaded = RunCliTogether(certs);
    for (std::size_t i = 0; i < sims.size(); ++i) {
        const std::string label = printers[int(i)].join(' ').toStdString();
        EXPECT_EQ(written[i].code, 0) << label << "\n" << Describe(written[i]);
        EXPECT_EQ(written[i].json()["message"].toString(), "The configuration has been completed.\nReset the printer.")
            << label;
        EXPECT_EQ(uploaded[i].out, "The certificate document has been uploaded successfully.\nReset the printer.\n")
            << label << "\n"
            << Describe(uploaded[i]);
        const QList<QPair<QString, QString>> expected{{"link save", "verified"}, {"certificate upload", "confirmed"}};
        EXPECT_EQ(HistoryOf(sims[i]->pty()), expected) << label;
        const QJsonObject printer = sims[i]->stop()["link"].toObject();
        EXPECT_EQ(printer["configWrites"].toInt(), 1) << label;
        EXPECT_EQ(printer["config"]["ssid"].toString(), "Till-9") << label;
        EXPECT_EQ(QByteArray::fromBase64(printer["certificates"]["3"].toString().toLatin1()), largest) << label;
    }
}

// The bytes of every line of a wire log going `arrow` ("->" or "<-"), in
// hexadecimal without spaces; a masked byte is "**".
QByteArray Logged(const QByteArray& log, const QByteArray& arrow) {
    QByteArray bytes;
    for (const QByteArray& line : log.split('\n')) {
        const qsizetype at = line.indexOf(" " + arrow + " ");
        if (at >= 0) bytes += line.mid(line.indexOf(':', at) + 1).replace(' ', "");
    }
    return bytes;
}

// A Connect and a Save under --trace: the log's written bytes are what the
// printer received, byte for byte except the masked ones, with the pauses
// between them; the printer's PSK
// and the new one appear only under --trace-secrets; the file is the user's
// alone, and a symbolic link is not followed.
TEST(CliLink, TheWireLogHoldsEveryByteSentAndNoSecret) {
    Sim files;
    const QString edits = WriteFile(files, "edits.json", R"({"config": {"pskKey": "Fresh-Key-0042"}})");
    for (const bool secrets : {false, true}) {
        Sim sim;
        const QString received = files.dir(secrets ? "received-1" : "received-0");
        // An echoing printer sends the new key back: it is masked there too.
        ASSERT_TRUE(sim.start({"--no-lan", "--fault-echo", "--record-link", received}));
        const QString trace = files.dir(secrets ? "trace-1" : "trace-0");
        QStringList args{"link", "write", "--from", edits, "--device", sim.pty(), "--trace", trace};
        if (secrets) args << "--trace-secrets";
        const CliRun run = RunCliOk(args);
        sim.stop();
        QFile logFile(trace), receivedFile(received);
        ASSERT_TRUE(logFile.open(QIODevice::ReadOnly) && receivedFile.open(QIODevice::ReadOnly));
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(trace).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        const QByteArray log = logFile.readAll();
        const QByteArray sent = Logged(log, "->"), seen = receivedFile.readAll().toHex();
        ASSERT_EQ(sent.size(), seen.size());
        qsizetype masked = 0;
        for (qsizetype i = 0; i < sent.size(); ++i) {
            if (sent[i] == '*') ++masked;
            else EXPECT_EQ(sent[i], seen[i]) << "at " << i;
        }
        EXPECT_EQ(masked > 0, !secrets);
        // A key goes as the hex text of its letters, which the log writes in hex.
        const QByteArray oldKey = QByteArray("receipts-all-day").toHex().toHex(),
                         newKey = QByteArray("Fresh-Key-0042").toHex().toHex();
        EXPECT_EQ(Logged(log, "<-").contains(oldKey), secrets);
        EXPECT_EQ(sent.contains(newKey), secrets);
        EXPECT_EQ(Logged(log, "<-").contains(newKey), secrets);
        EXPECT_TRUE(log.contains("reply ended: frame verified")) << log.left(2000).toStdString();
        EXPECT_TRUE(log.contains("reply ended: silence 100 ms"));
        // The maker check's own pauses show as waits with a start and an end.
        for (const char* wait : {"-- wait: printer settles after the maker-name request 200 ms\n",
                                 "-- wait ended: after the maker name 100 ms\n"})
            EXPECT_TRUE(log.contains(wait)) << wait;
    }
    // Both programs take the log from the environment too.
    qputenv("CORVANE_TRACE", QFile::encodeName(files.dir("from-environment")));
    EXPECT_EQ(RunCli({"ports"}).code, 0);
    qunsetenv("CORVANE_TRACE");
    QFile fromEnvironment(files.dir("from-environment"));
    ASSERT_TRUE(fromEnvironment.open(QIODevice::ReadOnly));
    EXPECT_TRUE(fromEnvironment.readAll().contains("wire log"));
    const QString target = WriteFile(files, "target", "keep");
    const QString link = files.dir("link");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(RunCli({"ports", "--trace", link}).code, 2);
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");
}

}  // namespace
