// Running the corvane program and the printer simulator side by side.
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <memory>
#include <vector>

#include "support/sim_process.h"

namespace corvane::clitest {

using Sim = corvane::test::SimProcess;
using corvane::test::PemOfSize;
using corvane::test::WriteFile;

// The discovery and settings overrides that reach this simulator.
inline QStringList LanArgs(const Sim& sim, const QString& mode) {
    return {"--target",     "127.0.0.1", "--remote-port", QString::number(sim.port(mode)),
            "--local-port", "0",         "--local",       "127.0.0.1"};
}

struct CliRun {
    int code = -1;
    QString out;
    QString err;

    QJsonValue json() const { return QJsonValue::fromVariant(QJsonDocument::fromJson(out.toUtf8()).toVariant()); }
};

// Should a test ever forget its overrides, LAN requests still go to loopback
// rather than to a broadcast address. `stateHome`, when given, holds the
// history instead of the test's own state folder.
inline void StartCli(QProcess& process, const QStringList& args, const QString& stateHome = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CORVANE_TARGET", "127.0.0.1");
    environment.insert("CORVANE_LOCAL_PORT", "0");
    if (!stateHome.isEmpty()) environment.insert("XDG_STATE_HOME", stateHome);
    process.setProcessEnvironment(environment);
    process.start(CORVANE_CLI_BINARY, args);
}

inline CliRun Finish(QProcess& process, int timeoutMs = 30000) {
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        return {-1, {}, "timed out"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// Runs the command lines side by side and gives their results in order:
// commands that spend their time waiting for a printer need not wait for
// each other.
inline std::vector<CliRun> RunCliTogether(const std::vector<QStringList>& commands) {
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& args : commands) {
        processes.push_back(std::make_unique<QProcess>());
        StartCli(*processes.back(), args);
    }
    std::vector<CliRun> runs;
    for (auto& process : processes) runs.push_back(Finish(*process));
    return runs;
}

inline CliRun RunCli(const QStringList& args) { return RunCliTogether({args}).front(); }

inline std::string Describe(const CliRun& run) {
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3").arg(run.code).arg(run.out, run.err).toStdString();
}

// A command line that must succeed; a failure shows its whole output.
inline CliRun RunCliOk(const QStringList& args) {
    CliRun run = RunCli(args);
    EXPECT_EQ(run.code, 0) << Describe(run);
    return run;
}

}  // namespace corvane::clitest
