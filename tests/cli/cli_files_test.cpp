// The files the program takes in: only regular files, each under its size
// limit, refused at once with the reason (no hang on a FIFO, no memory
// filled from /dev/zero), before any printer is touched; and the history
// file's own edge cases.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

// A file of `size` bytes that takes no room on disk.
QString Sparse(const QTemporaryDir& dir, const char* name, qint64 size) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    return file.fileName();
}

CliRun RunWithState(const QStringList& args, const QString& state) {
    QProcess cli;
    StartCli(cli, args, state);
    return Finish(cli, 20000);
}

TEST(CliFiles, EveryInputIsARegularFileUnderItsLimit) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zeroLink = dir.filePath("zero");
    ASSERT_TRUE(QFile::link("/dev/zero", zeroLink));
    const QString empty = Sparse(dir, "empty", 0);
    QFile profile(dir.filePath("profile.json"));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
    profile.write(R"({"format": "corvane-profile/1", "config": {"ssid": "Shop"}})");
    profile.close();
    // name, path, the start of the reason
    const std::tuple<const char*, QString, QString> inputs[] = {
        {"folder", dir.path(), "a folder"},
        {"fifo", fifo, "not a regular file"},
        {"device", "/dev/zero", "not a regular file"},
        {"link to a device", zeroLink, "not a regular file"},
        {"profile-sized", Sparse(dir, "big", 1024 * 1024 + 1), "larger than 1 MiB"},
    };
    const auto commands = [&](const QString& path) {
        return std::vector<QStringList>{
            {"link", "apply", "--device", "/nonexistent", "--profile", path},
            {"link", "apply", "--device", "/nonexistent", "--profile", profile.fileName(), "--secrets", path},
            {"link", "write", "--device", "/nonexistent", "--from", path},
        };
    };
    for (const auto& [name, path, reason] : inputs) {
        for (const QStringList& args : commands(path)) {
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.code, 2) << name << ' ' << args.join(' ').toStdString() << '\n' << Describe(run);
            EXPECT_TRUE(run.err.contains(QStringLiteral("cannot read %1: %2").arg(path, reason))) << name << '\n'
                                                                                                  << Describe(run);
        }
    }
    // Plans go up to 4 MiB, histories to 64 MiB.
    const CliRun plan = RunCli({"lan-plan", "ethernet", Sparse(dir, "plan.csv", 4 * 1024 * 1024 + 1)});
    EXPECT_EQ(plan.code, 2) << Describe(plan);
    EXPECT_TRUE(plan.err.contains("larger than 4 MiB")) << Describe(plan);
    const CliRun emptyProfile = RunCli(commands(empty)[0]);
    EXPECT_EQ(emptyProfile.code, 2) << Describe(emptyProfile);

    for (const auto& [history, reason] :
         {std::pair{zeroLink, QString("not a regular file")}, std::pair{fifo, QString("not a regular file")},
          std::pair{Sparse(dir, "huge", 64LL * 1024 * 1024 + 1), QString("larger than 64 MiB")}}) {
        QTemporaryDir state;
        ASSERT_TRUE(QDir(state.path()).mkdir("corvane"));
        ASSERT_TRUE(QFile::link(history, state.filePath("corvane/history.jsonl")));
        const CliRun run = RunWithState({"history"}, state.path());
        EXPECT_EQ(run.code, 1) << Describe(run);
        EXPECT_TRUE(run.err.contains(reason)) << Describe(run);
    }

    // The state folder being a file hides the history: said, exit 1. A time
    // of day in --since counts.
    QTemporaryDir state;
    QFile blocker(state.filePath("corvane"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const CliRun blocked = RunWithState({"history"}, state.path());
    EXPECT_EQ(blocked.code, 1) << Describe(blocked);
    EXPECT_TRUE(blocked.err.contains("is not a folder")) << Describe(blocked);

    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir("corvane"));
    QFile file(other.filePath("corvane/history.jsonl"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const char* time : {"2026-12-07T06:00:00.000Z", "2026-12-07T07:00:00.000Z"})
        file.write(QByteArray(R"({"time":")") + time + R"(","outcome":"confirmed","changes":[]})" + '\n');
    file.close();
    const CliRun since = RunWithState({"history", "--json", "--since", "2026-12-07T06:26:00Z"}, other.path());
    ASSERT_EQ(since.code, 0) << Describe(since);
    ASSERT_EQ(since.json().toArray().size(), 1) << Describe(since);
    EXPECT_EQ(since.json()[0]["time"].toString(), "2026-12-07T07:00:00.000Z");
}

}  // namespace
