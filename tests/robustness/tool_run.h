// Running the `corvane` program as the scenarios need it: with a hard time
// limit, its outcome, and whether a sanitizer (leaks included) had anything
// to say.
#pragma once

#include <signal.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "cli/cli_harness.h"

namespace corvane::robustness {

// No AddressSanitizer, LeakSanitizer or UBSan report in what a program printed.
inline bool SanitizerClean(const QByteArray& err) {
    return !err.contains("Sanitizer") && !err.contains("runtime error:");
}

struct ToolOutcome {
    bool finished = false;  // false: killed at the time limit
    int exitCode = -1;
    QByteArray out, err;
    qint64 elapsedMs = 0;
    std::string text() const { return (out + err).toStdString(); }
};

// Runs `corvane` with `arguments`, killing it after `limitMs`. The event loop
// runs meanwhile, so sockets of the test keep answering. With `interruptAfterMs`
// set, it is sent SIGINT (a Ctrl-C) that long after it started.
inline ToolOutcome RunTool(const QStringList& arguments, int limitMs, int interruptAfterMs = -1) {
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    clitest::StartCli(process, arguments);  // LAN requests default to loopback
    if (interruptAfterMs >= 0) {
        QTimer::singleShot(interruptAfterMs, &process, [&process] {
            if (process.processId() > 0) ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        });
    }
    loop.exec();
    ToolOutcome outcome;
    outcome.elapsedMs = clock.elapsed();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    } else {
        outcome.finished = process.exitStatus() == QProcess::NormalExit;
        outcome.exitCode = process.exitCode();
    }
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

}  // namespace corvane::robustness
