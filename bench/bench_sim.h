// The printer simulator as the benchmarks run it: on loopback, ports of the
// system's choosing, stopped when the benchmark ends.
#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

class BenchSim {
public:
    ~BenchSim() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
    }

    bool start(QStringList args, const char* lastLine) {
        args << "--bind"
             << "127.0.0.1"
             << "--ethernet-port"
             << "0"
             << "--wlan-port"
             << "0"
             << "--survey-port"
             << "0";
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

    int port(const QString& listener) const { return lines_.value(listener).section(':', 1).toInt(); }
    QString pty() const { return lines_.value("pty"); }
    // Standard input takes the simulator's plug commands (--plug-dir).
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QMap<QString, QString> lines_;
};
