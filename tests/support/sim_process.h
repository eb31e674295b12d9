// The printer simulator program run beside a test: free loopback ports, its
// listener lines read back, its state dumped to a private folder on stop.
#pragma once

#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable strings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace corvane::test {

class SimProcess {
public:
    SimProcess() = default;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // Starts the program and reads its "name: value" lines up to `lastLine`
    // ("pty:", or "survey:" when the link printer is off).
    bool start(const QStringList& args, const char* lastLine = "pty:");

    QString line(const QString& listener) const { return lines_.value(listener); }
    quint16 port(const QString& listener) const;
    QString pty() const { return line(QStringLiteral("pty")); }
    QString dir(const QString& name) const { return dir_.filePath(name); }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }
    QProcess& process() { return process_; }

    // Stops the simulator and gives the state it dumped.
    QJsonObject stop();
    QString dumpPath() const { return dir(QStringLiteral("state.json")); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QMap<QString, QString> lines_;
};

// A file of `contents` in the simulator's folder; its path.
QString WriteFile(const SimProcess& sim, const QString& name, const QByteArray& contents);

// A PEM-looking certificate file of exactly `size` bytes.
QByteArray PemOfSize(int size);

}  // namespace corvane::test
