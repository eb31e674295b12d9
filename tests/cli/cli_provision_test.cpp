// The provisioning line end to end: printers plugged into the simulator one
// after another and two at once, each configured from the profile and its
// sheet row, one status line each, a history line for every write, and the
// summary after Ctrl-C.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "cli/cli_harness.h"

using namespace corvane::clitest;

namespace {

// Lines of `process`'s output, read until there are `count` (generous limit).
QStringList LinesUntil(QProcess& process, QByteArray& seen, int count) {
    const QDeadlineTimer deadline(60000);
    while (seen.count('\n') < count && !deadline.hasExpired()) {
        process.waitForReadyRead(500);
        seen += process.readAllStandardOutput();
    }
    return QString::fromUtf8(seen).split('\n', Qt::SkipEmptyParts);
}

struct Plugs {
    Sim& sim;
    QByteArray seen;
    // Sends the commands and waits for their answers.
    void run(const QStringList& commands) {
        const int before = static_cast<int>(seen.count('\n'));
        sim.process().write((commands.join('\n') + '\n').toUtf8());
        const QStringList answers = LinesUntil(sim.process(), seen, before + static_cast<int>(commands.size()));
        for (const QString& answer : answers.mid(before))
            ASSERT_FALSE(answer.startsWith("plug-error")) << answer.toStdString();
    }
};

QString Mac(int n) { return QStringLiteral("00:11:62:0A:00:%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

TEST(CliProvision, FivePrintersInTurnThenTwoAtOnce) {
    Sim sim;
    const QString dev = sim.dir("dev");
    ASSERT_TRUE(QDir().mkpath(dev));
    ASSERT_TRUE(sim.start({"--no-lan", "--no-link", "--plug-dir", dev}, "plug-dir:")) << sim.errors().toStdString();
    const QString profile =
        WriteFile(sim, "shop.json", R"({"format": "corvane-profile/1", "config": {"ssid": "Shop-Floor"}})");
    QByteArray sheet = "mac,name,ip\n";
    for (int n : {1, 2, 3, 4, 5, 6, 8})
        sheet += QStringLiteral("%1,Shop-%2,192.168.0.%3\n").arg(Mac(n)).arg(n).arg(100 + n).toUtf8();
    const QString printers = WriteFile(sim, "printers.csv", sheet);

    QProcess cli;
    StartCli(cli, {"link", "provision", "--profile", profile, "--printers", printers, "--device-dir", dev, "--json"});
    ASSERT_TRUE(cli.waitForStarted(10000));
    Plugs plugs{sim, {}};
    QByteArray out;
    int expected = 0;
    // One after another: plugged in, configured, pulled out.
    for (int n = 1; n <= 5; ++n) {
        plugs.run({QStringLiteral("plug p%1 %2").arg(n).arg(Mac(n))});
        LinesUntil(cli, out, ++expected);
        plugs.run({QStringLiteral("unplug p%1").arg(n)});
    }
    // Two at once, the second not in the sheet; then the first printer again.
    plugs.run({QStringLiteral("plug p6 %1").arg(Mac(6)), QStringLiteral("plug p7 %1").arg(Mac(7))});
    expected += 2;
    LinesUntil(cli, out, expected);
    plugs.run({"plug p1 " + Mac(1)});
    const QStringList lines = LinesUntil(cli, out, ++expected);
    ASSERT_EQ(lines.size(), expected) << out.toStdString();
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    const CliRun run = Finish(cli, 60000);
    ASSERT_EQ(run.code, 0) << Describe(run);

    QMap<QString, QJsonObject> byMac;
    for (const QString& line : lines.mid(0, 7)) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        byMac.insert(o["mac"].toString(), o);
    }
    const QJsonObject state = sim.stop();
    // Printers 1 to 6 named, addressed and given the profile by the sheet;
    // printer 7, not in it, keeps its own name and gets the profile alone.
    for (int n = 1; n <= 7; ++n) {
        const QJsonObject report = byMac.value(Mac(n));
        const QString name = n < 7 ? QStringLiteral("Shop-%1").arg(n) : QStringLiteral("ZEPHRAN-TP80W");
        EXPECT_EQ(report["outcome"].toString(), "configured") << n << " " << report["reason"].toString().toStdString();
        EXPECT_EQ(report["name"].toString(), name);
        EXPECT_EQ(report["fieldsChanged"].toInt(), n < 7 ? 3 : 1) << n;
        EXPECT_EQ(report["inPrinters"].toBool(), n < 7) << n;
        const QJsonObject printer = state["plugged"][QStringLiteral("p%1").arg(n)].toObject();
        EXPECT_EQ(printer["configWrites"].toInt(), 1) << n;
        EXPECT_EQ(printer["config"]["ssid"].toString(), "Shop-Floor");
        EXPECT_EQ(printer["config"]["printerName"].toString(), name);
    }
    EXPECT_EQ(state["plugged"]["p3"]["config"]["ipAddress"].toString(), "192.168.0.103");
    // Plugged in again, the first printer has nothing left to change.
    const QJsonObject again = QJsonDocument::fromJson(lines[7].toUtf8()).object();
    EXPECT_EQ(again["mac"].toString(), Mac(1));
    EXPECT_EQ(again["outcome"].toString(), "unchanged");

    const QJsonObject summary = QJsonDocument::fromJson(run.out.trimmed().toUtf8()).object()["summary"].toObject();
    EXPECT_EQ(summary["configured"].toInt(), 7);
    EXPECT_EQ(summary["unchanged"].toInt(), 1);
    EXPECT_EQ(summary["failed"].toInt(), 0);
    EXPECT_EQ(summary["profileOnly"].toArray(), QJsonArray{Mac(7)});
    EXPECT_EQ(summary["notSeen"].toArray(), QJsonArray{Mac(8)});

    // One verified history line for each printer written, none for the unchanged one.
    const CliRun history = RunCli({"history", "--json"});
    int provisioned = 0;
    for (const QJsonValue& entry : history.json().toArray()) {
        if (entry["action"].toString() != "link provision") continue;
        ++provisioned;
        EXPECT_EQ(entry["outcome"].toString(), "verified");
    }
    EXPECT_EQ(provisioned, 7);
}

// A failure ends the run non-zero, its status line and the summary say why,
// and the history says what is known: a record that went out without a
// readable answer may be on the printer ("not confirmed"); one the printer
// refused is not, and a profile the rules refuse sends nothing.
TEST(CliProvision, FailuresSayWhyAndTheHistoryWhatTheWriteLeft) {
    const struct {
        const char* fault;  // null: none
        QByteArray config;
        const char* history;  // null: no line (the first case, so the history is empty)
        QString reason;       // how the status line's reason starts
    } cases[] = {{nullptr, R"({"ssid": ""})", nullptr, "\"ssid\": The SSID is incorrect. Please try again. in "},
                 {"--fault-corrupt-checksum", R"({"ssid": "Shop-Floor"})", "not confirmed", "sent, not confirmed: "},
                 {"--fault-refuse", R"({"ssid": "Shop-Floor"})", "failed", "The configuration has failed."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        Sim sim;
        const QString dev = sim.dir("dev");
        ASSERT_TRUE(QDir().mkpath(dev));
        QStringList simArgs{"--no-lan", "--no-link", "--plug-dir", dev};
        if (c.fault) simArgs << c.fault << "if_set";
        ASSERT_TRUE(sim.start(simArgs, "plug-dir:")) << sim.errors().toStdString();
        const QString profile =
            WriteFile(sim, "p.json", R"({"format": "corvane-profile/1", "config": )" + c.config + "}");
        Plugs plugs{sim, {}};
        plugs.run({"plug p1 " + Mac(1)});
        QProcess cli;
        StartCli(cli, {"link", "provision", "--profile", profile, "--device-dir", dev, "--once"});
        const CliRun run = Finish(cli, 120000);
        EXPECT_EQ(run.code, 1) << Describe(run);
        EXPECT_TRUE(run.out.startsWith(Mac(1) + "  ZEPHRAN-TP80W  failed: " + c.reason)) << Describe(run);
        EXPECT_TRUE(run.out.contains("0 configured, 0 unchanged, 1 failed")) << Describe(run);
        const QJsonArray history = RunCli({"history", "--json"}).json().toArray();
        if (!c.history) {
            EXPECT_TRUE(history.isEmpty());
            continue;
        }
        ASSERT_FALSE(history.isEmpty());
        EXPECT_EQ(history.last()["action"].toString(), "link provision");
        EXPECT_EQ(history.last()["outcome"].toString(), c.history);
    }
}

// Run as nobody, nodes owned by the group lp: each is reported once with the
// group to join, and a node added later does not bring the first one back.
TEST(CliProvision, ANodeTheUserMayNotOpenIsReportedOnceWithTheGroup) {
    const group* lp = ::getgrnam("lp");
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (::geteuid() != 0 || lp == nullptr || setpriv.isEmpty()) GTEST_SKIP() << "needs root, setpriv and group lp";
    Sim files;
    const QString dev = files.dir("dev");
    ASSERT_TRUE(QDir().mkpath(dev));
    const QString profile =
        WriteFile(files, "shop.json", R"({"format": "corvane-profile/1", "config": {"ssid": "Shop-Floor"}})");
    for (const QString& path : {QFileInfo(profile).path(), dev})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(profile).constData(), 0644), 0);
    // Made whole elsewhere and moved in, so the line never sees it half made.
    const auto lockedNode = [&](const char* name) {
        const QByteArray made = QFile::encodeName(files.dir(name));
        QFile(QString::fromUtf8(made)).open(QIODevice::WriteOnly);
        ASSERT_EQ(::chown(made.constData(), 0, lp->gr_gid), 0);
        ASSERT_EQ(::chmod(made.constData(), 0660), 0);
        ASSERT_EQ(::rename(made.constData(), QFile::encodeName(QDir(dev).filePath(name)).constData()), 0);
    };
    lockedNode("lp0");

    QProcess cli;
    cli.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", CORVANE_CLI_BINARY, "link", "provision",
                        "--profile", profile, "--device-dir", dev, "--json"});
    QByteArray out;
    ASSERT_EQ(LinesUntil(cli, out, 1).size(), 1) << out.toStdString();
    lockedNode("lp1");
    const QStringList lines = LinesUntil(cli, out, 2);
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    const CliRun run = Finish(cli, 60000);
    EXPECT_EQ(run.code, 1) << Describe(run);
    ASSERT_EQ(lines.size(), 2) << out.toStdString();
    for (int n = 0; n < 2; ++n) {
        const QJsonObject report = QJsonDocument::fromJson(lines[n].toUtf8()).object();
        EXPECT_EQ(report["node"].toString(), QDir(dev).filePath(QStringLiteral("lp%1").arg(n)));
        EXPECT_TRUE(report["reason"].toString().contains("usermod -aG lp")) << lines[n].toStdString();
    }
    const QJsonObject summary = QJsonDocument::fromJson(run.out.trimmed().toUtf8()).object()["summary"].toObject();
    EXPECT_EQ(summary["failed"].toInt(), 2) << Describe(run);
}
