#include "tool_run.h"

#include <signal.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace corvane::robustness {

bool IsSanitizerClean(const QByteArray& err) { return !err.contains("Sanitizer") && !err.contains("runtime error:"); }

bool ToolOutcome::sanitizerClean() const { return IsSanitizerClean(err); }

ToolOutcome RunTool(const QStringList& arguments, int limitMs, int interruptAfterMs) {
    ToolOutcome outcome;
    QProcess process;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);

    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(CORVANE_CLI_BINARY), arguments);
    limit.start(limitMs);
    if (interruptAfterMs >= 0) {
        QTimer::singleShot(interruptAfterMs, &process, [&process] {
            if (process.processId() > 0) ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        });
    }
    loop.exec();
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
