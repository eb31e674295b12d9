// Running the corvane program and the printer simulator side by side.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

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

    QJsonValue json() const {
        const auto document = QJsonDocument::fromJson(out.toUtf8());
        return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    }
};

// A safety net: should a test ever forget its overrides, LAN requests still
// go to loopback rather than to a broadcast address.
inline QProcessEnvironment LoopbackEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CORVANE_TARGET", "127.0.0.1");
    environment.insert("CORVANE_LOCAL_PORT", "0");
    return environment;
}

inline void StartCli(QProcess& process, const QStringList& args) {
    process.setProcessEnvironment(LoopbackEnvironment());
    process.start(CORVANE_CLI_BINARY, args);
}

inline CliRun Finish(QProcess& process, int timeoutMs) {
    CliRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        run.err = "timed out";
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline CliRun RunCli(const QStringList& args, int timeoutMs = 30000) {
    QProcess process;
    StartCli(process, args);
    return Finish(process, timeoutMs);
}

// Runs the command lines side by side and gives their results in order:
// commands that spend their time waiting for a printer need not wait for
// each other.
inline std::vector<CliRun> RunCliTogether(const std::vector<QStringList>& commands, int timeoutMs = 30000) {
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& args : commands) {
        processes.push_back(std::make_unique<QProcess>());
        StartCli(*processes.back(), args);
    }
    std::vector<CliRun> runs;
    for (auto& process : processes) runs.push_back(Finish(*process, timeoutMs));
    return runs;
}

inline QString Describe(const CliRun& run) {
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3").arg(run.code).arg(run.out, run.err);
}

}  // namespace corvane::clitest
