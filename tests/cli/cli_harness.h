// Running the corvane program and the printer simulator side by side.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable strings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace corvane::clitest {

// One simulator process on loopback ports of the system's choosing; its
// state is dumped when it stops.
class Sim {
public:
    ~Sim() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    // `lastLine` is the listener line printed last ("pty:", or "survey:"
    // without the link printer).
    bool start(QStringList args, const char* lastLine = "pty:") {
        args << "--ethernet-port" << "0" << "--wlan-port" << "0" << "--survey-port" << "0" << "--dump-state"
             << dumpPath();
        process_.start(CORVANE_SIM_BINARY, args);
        if (!process_.waitForStarted(5000)) return false;
        QByteArray out;
        while (!out.contains(lastLine) && process_.waitForReadyRead(5000)) out += process_.readAllStandardOutput();
        for (const auto& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
            const auto colon = line.indexOf(": ");
            if (colon > 0) lines_.insert(line.left(colon), line.mid(colon + 2).trimmed());
        }
        return out.contains(lastLine);
    }

    QString port(const QString& listener) const { return lines_.value(listener).section(':', 1); }
    QString pty() const { return lines_.value("pty"); }
    QString dir(const QString& name) const { return dir_.filePath(name); }

    // Stops the simulator and gives the state it dumped.
    QJsonObject stop() {
        process_.terminate();
        process_.waitForFinished(5000);
        QFile file(dumpPath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    // The discovery and settings overrides that reach this simulator.
    QStringList lanArgs(const QString& mode) const {
        return {"--target", "127.0.0.1", "--remote-port", port(mode), "--local-port", "0", "--local", "127.0.0.1"};
    }

private:
    QString dumpPath() const { return dir_.filePath("state.json"); }

    QTemporaryDir dir_;
    QProcess process_;
    QMap<QString, QString> lines_;
};

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

inline QString Describe(const CliRun& run) {
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3").arg(run.code).arg(run.out, run.err);
}

}  // namespace corvane::clitest
