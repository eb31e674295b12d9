#include "support/sim_process.h"

#include <QFile>
#include <QJsonDocument>

namespace corvane::test {

SimProcess::~SimProcess() {
    // Both do nothing once the simulator has stopped.
    process_.kill();
    process_.waitForFinished(3000);
}

bool SimProcess::start(const QStringList& args, const char* lastLine) {
    const QStringList common{"--ethernet-port", "0", "--wlan-port",  "0",
                             "--survey-port",   "0", "--dump-state", dumpPath()};
    process_.start(QStringLiteral(CORVANE_SIM_BINARY), common + args);
    if (!process_.waitForStarted(5000)) return false;
    QByteArray out;
    while (!(out.contains(lastLine) && out.endsWith('\n')) && process_.waitForReadyRead(5000))
        out += process_.readAllStandardOutput();
    for (const auto& text : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
        const auto colon = text.indexOf(QStringLiteral(": "));
        if (colon > 0) lines_.insert(text.left(colon), text.mid(colon + 2).trimmed());
    }
    return out.contains(lastLine);
}

quint16 SimProcess::port(const QString& listener) const {
    return static_cast<quint16>(line(listener).section(':', -1).toUInt());
}

QJsonObject SimProcess::stop() {
    process_.terminate();
    process_.waitForFinished(5000);
    QFile file(dumpPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QString WriteFile(const SimProcess& sim, const QString& name, const QByteArray& contents) {
    QFile file(sim.dir(name));
    if (file.open(QIODevice::WriteOnly)) file.write(contents);
    return file.fileName();
}

QByteArray PemOfSize(int size) {
    const QByteArray head = "-----BEGIN CERTIFICATE-----\n";
    const QByteArray tail = "\n-----END CERTIFICATE-----\n";
    return head + QByteArray(size - head.size() - tail.size(), 'A') + tail;
}

}  // namespace corvane::test
