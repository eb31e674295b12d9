#include "transport/test_print.h"

#include <string>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTcpSocket>

#include "link/test_page.h"
#include "transport/endpoints.h"
#include "transport/wait_slice.h"

namespace corvane::transport {

namespace {

using link::Error;
using link::Failure;

bool cancelled(const TestPrintHooks& hooks) { return hooks.cancel != nullptr && hooks.cancel->cancelled(); }

std::string ms(std::chrono::milliseconds limit) { return std::to_string(limit.count()) + " ms"; }

}  // namespace

QString printTarget(const QString& address, int port) { return QStringLiteral("%1:%2").arg(address).arg(port); }

Bytes testPage(const QString& address, int port, const QString& mac) {
    link::TestPageInfo info;
    info.mac = mac.toStdString();
    info.address = address.toStdString();
    info.port = static_cast<std::uint16_t>(port);
    info.dateTime = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    info.computer = QSysInfo::machineHostName().toStdString();
    return link::BuildTestPage(info);
}

QString testPrintFailureText(const link::Error& error) {
    const QString words = QString::fromStdString(error.text);
    const auto with = [&words](const char* what) {
        return words.isEmpty() ? QString::fromLatin1(what) : QStringLiteral("%1 (%2)").arg(QLatin1String(what), words);
    };
    switch (error.kind) {
    case Failure::Invalid: return with("cannot be sent");
    case Failure::Refused: return with("refused");
    case Failure::NotSent: return with("not taken");
    case Failure::NoAnswer: return with("timed out");
    case Failure::Cancelled: return QStringLiteral("cancelled");
    case Failure::BadAnswer: break;
    }
    return with("failed");
}

link::Result<void> sendTestPrint(const QString& address, int port, const Bytes& page, const TestPrintTimings& timings,
                                 const TestPrintHooks& hooks) {
    // Dotted decimal only: QHostAddress alone would also take "10" or "1.2".
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    QHostAddress host;
    if (!dotted.match(address).hasMatch() || !host.setAddress(address) ||
        host.protocol() != QAbstractSocket::IPv4Protocol)
        return Error{Failure::Invalid, "not an IPv4 address: " + address.toStdString()};
    if (transport::isUnconfiguredAddress(address))
        return Error{Failure::Invalid, "the printer has no address yet: " + address.toStdString()};
    if (port <= 0 || port > 65535) return Error{Failure::Invalid, "no such port: " + std::to_string(port)};

    QTcpSocket socket;
    socket.connectToHost(host, static_cast<quint16>(port));
    const QDeadlineTimer connectDeadline(timings.connect);
    while (socket.state() != QAbstractSocket::ConnectedState) {
        if (cancelled(hooks)) return Error{Failure::Cancelled, {}};
        // A refused or unreachable peer drops the socket back to unconnected.
        if (socket.state() == QAbstractSocket::UnconnectedState)
            return Error{Failure::Refused, socket.errorString().toStdString()};
        if (connectDeadline.hasExpired()) {
            socket.abort();
            return Error{Failure::NoAnswer, "no connection within " + ms(timings.connect)};
        }
        socket.waitForConnected(sliceOf(connectDeadline, timings.slice));
    }

    socket.write(reinterpret_cast<const char*>(page.data()), static_cast<qint64>(page.size()));
    const QDeadlineTimer writeDeadline(timings.write);
    while (socket.bytesToWrite() > 0) {
        if (cancelled(hooks)) {
            socket.abort();
            return Error{Failure::Cancelled, {}};
        }
        if (socket.state() != QAbstractSocket::ConnectedState)
            return Error{Failure::NotSent, socket.errorString().toStdString()};
        if (writeDeadline.hasExpired()) {
            socket.abort();
            return Error{Failure::NotSent, "the printer took no data within " + ms(timings.write)};
        }
        socket.waitForBytesWritten(sliceOf(writeDeadline, timings.slice));
    }
    // An orderly close, so the page already handed to the system still
    // reaches the printer; a peer that never closes its side does not keep us.
    socket.disconnectFromHost();
    while (socket.state() != QAbstractSocket::UnconnectedState && !writeDeadline.hasExpired() && !cancelled(hooks)) {
        socket.waitForDisconnected(sliceOf(writeDeadline, timings.slice));
    }
    return {};
}

}  // namespace corvane::transport
