// Profiles on the command line against the simulator, end to end: export,
// apply twice, the secrets a profile leaves out, and the history it leaves.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

unsigned Mode(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 0777;
}

QJsonObject Config(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object()["config"].toObject();
}

QByteArray Profile(QJsonObject config) {
    return QJsonDocument(QJsonObject{{"format", "corvane-profile/1"}, {"config", config}}).toJson();
}

TEST(CliProfile, ExportThenApplyTwiceWritesOnceAndRecordsNoSecret) {
    Sim sim;
    ASSERT_TRUE(sim.start({"--no-lan"}));
    const QStringList device{"--device", sim.pty()};
    const QString plain = sim.dir("plain.json"), full = sim.dir("full.json");
    RunCliOk(QStringList{"link", "export", "--profile", plain} + device);
    RunCliOk(QStringList{"link", "export", "--profile", full, "--include-secrets"} + device);
    EXPECT_EQ(Mode(full), 0600u);  // it holds secrets
    // Without asking: no secret (the write community is one), no address
    // and so no address assignment.
    for (const char* left : {"pskKey", "setCommunity", "ipAssignment"}) EXPECT_FALSE(Config(plain).contains(left));
    EXPECT_TRUE(Config(full).contains("pskKey"));

    QJsonObject shop = Config(plain);
    shop["ssid"] = "Shop-Floor";
    const QString profile = WriteFile(sim, "shop.json", Profile(shop));
    const QStringList apply = QStringList{"link", "apply", "--profile", profile, "--json"} + device;
    const CliRun refused = RunCli(apply);
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains("needs: pskKey")) << refused.err.toStdString();

    // A check sends nothing: it compares what it can and names the secrets it could not.
    const CliRun blind = RunCliOk(apply + QStringList{"--check"});
    EXPECT_TRUE(blind.json()["changed"].toBool());
    EXPECT_EQ(blind.json()["notCompared"].toArray(), QJsonArray{"pskKey"});

    const QString secrets = WriteFile(sim, "secrets.json", Profile({{"pskKey", "shop-floor-passphrase"}}));
    const QStringList withSecrets = apply + QStringList{"--secrets", secrets};
    const CliRun check = RunCliOk(withSecrets + QStringList{"--check"});
    EXPECT_TRUE(check.json()["changed"].toBool());
    EXPECT_FALSE(check.json()["written"].toBool());

    const CliRun first = RunCliOk(withSecrets);
    EXPECT_EQ(first.json()["outcome"].toString(), "verified");
    EXPECT_EQ(first.json()["changes"].toArray().size(), 2);  // ssid and pskKey
    const CliRun second = RunCliOk(withSecrets);
    EXPECT_FALSE(second.json()["changed"].toBool());

    // A value the rules refuse names its field and writes nothing.
    shop["ssid"] = "";
    const CliRun empty = RunCli(
        QStringList{"link", "apply", "--profile", WriteFile(sim, "empty.json", Profile(shop)), "--secrets", secrets} +
        device);
    EXPECT_EQ(empty.code, 2);
    EXPECT_TRUE(empty.err.contains("\"ssid\": The SSID is incorrect.")) << empty.err.toStdString();

    const QJsonObject state = sim.stop();
    EXPECT_EQ(state["link"]["configWrites"].toInt(), 1);
    const CliRun history = RunCliOk({"history", "--json", "--mac", "00:11:22:aa:bb:cc"});
    ASSERT_EQ(history.json().toArray().size(), 1);
    EXPECT_FALSE(history.out.contains("shop-floor-passphrase"));
}

}  // namespace
