#include "tool_run.h"

#include <signal.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace corvane::robustness {

bool IsSanitizerClean(const QByteArray& err) {
    return !err.contains("Sanitizer") && !err.contains("runtime error:");
}

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

RunningSim::~RunningSim() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool RunningSim::start(const QStringList& arguments, const char* lastLine) {
    process_.start(QStringLiteral(CORVANE_SIM_BINARY), arguments);
    if (!process_.waitForStarted(5000)) return false;
    QByteArray out;
    while (!out.contains(lastLine) && process_.waitForReadyRead(5000)) out += process_.readAllStandardOutput();
    for (const QString& line : QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0) lines_.insert(line.left(colon), line.mid(colon + 2).trimmed());
    }
    return out.contains(lastLine);
}

quint16 RunningSim::port(const QString& name) const {
    return static_cast<quint16>(lines_.value(name).section(QLatin1Char(':'), 1).toUInt());
}

QByteArray RunningSim::stop() {
    process_.terminate();
    process_.waitForFinished(5000);
    err_ += process_.readAllStandardError();
    return err_;
}

}  // namespace corvane::robustness
