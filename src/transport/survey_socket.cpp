#include "transport/survey_socket.h"

#include <algorithm>
#include <string>

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpSocket>

#include "transport/endpoints.h"
#include "link/ipv4_address.h"
#include "transport/wait_slice.h"
#include "transport/wire_trace.h"

namespace corvane::transport {

using transport::sliceOf;

LanSurvey::LanSurvey(QString printerAddress, int port, SurveyTimings timings)
    : printerAddress_(std::move(printerAddress)), port_(port), timings_(timings) {}

LanSurvey::~LanSurvey() { closeSurveySocket(); }

void LanSurvey::idle() {
    if (idle_) idle_();
}

link::Result<void> LanSurvey::connectSurveySocket() { return Connect(timings_.connect); }

link::Result<void> LanSurvey::Connect(std::chrono::milliseconds limit) {
    using link::Error;
    using link::Failure;
    closeSurveySocket();
    const auto parsed = link::ParseIpv4Address(printerAddress_.toStdString());
    if (!parsed) return Error{Failure::Invalid, "not an IPv4 address: " + printerAddress_.toStdString()};
    const QHostAddress address(parsed->value());
    if (isUnconfiguredAddress(printerAddress_))
        return Error{Failure::Invalid, "the printer has no address yet: " + printerAddress_.toStdString()};
    if (port_ <= 0 || port_ > 65535) return Error{Failure::Invalid, "no such port: " + std::to_string(port_)};

    socket_ = std::make_unique<QTcpSocket>();
    transport::trace::lanNote(QStringLiteral("%1:%2").arg(printerAddress_).arg(port_),
                              QStringLiteral("TCP connect (within %1 ms)").arg(limit.count()));
    socket_->connectToHost(address, static_cast<quint16>(port_));
    const QDeadlineTimer deadline(limit);
    while (socket_->state() != QAbstractSocket::ConnectedState) {
        // A refused or unreachable peer drops the socket back to unconnected.
        if (socket_->state() == QAbstractSocket::UnconnectedState || deadline.hasExpired() || cancelled()) {
            // A refused or unreachable peer leaves the system's words; a
            // silent one only the time that ran out.
            Error error{Failure::NoAnswer, "no connection within " + std::to_string(limit.count()) + " ms"};
            if (cancelled()) error = {Failure::Cancelled, {}};
            else if (socket_->state() == QAbstractSocket::UnconnectedState)
                error = {Failure::Refused, socket_->errorString().toStdString()};
            closeSurveySocket();
            return error;
        }
        socket_->waitForConnected(sliceOf(deadline, timings_.slice));
        idle();
    }
    return {};
}

void LanSurvey::closeSurveySocket() {
    if (!socket_) return;
    socket_->abort();
    socket_.reset();
}

bool LanSurvey::Write(ByteSpan data, std::chrono::milliseconds limit) {
    if (!socket_) return false;
    socket_->write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
    transport::trace::bytes(QStringLiteral("%1:%2").arg(printerAddress_).arg(port_), transport::trace::Direction::Sent,
                            data);
    const QDeadlineTimer deadline(limit);
    while (socket_->bytesToWrite() > 0) {
        if (socket_->state() != QAbstractSocket::ConnectedState || deadline.hasExpired() || cancelled()) return false;
        socket_->waitForBytesWritten(sliceOf(deadline, timings_.slice));
        idle();
    }
    return true;
}

bool LanSurvey::Read(Bytes& into, std::size_t room, std::chrono::milliseconds limit) {
    if (!socket_ || room == 0) return false;
    const QDeadlineTimer deadline(limit);
    while (socket_->bytesAvailable() == 0) {
        if (socket_->state() != QAbstractSocket::ConnectedState || deadline.hasExpired() || cancelled()) return false;
        socket_->waitForReadyRead(sliceOf(deadline, timings_.slice));
        idle();
    }
    const QByteArray chunk = socket_->read(std::min(static_cast<qint64>(room), socket_->bytesAvailable()));
    transport::trace::bytes(QStringLiteral("%1:%2").arg(printerAddress_).arg(port_),
                            transport::trace::Direction::Received, chunk);
    into.insert(into.end(), chunk.begin(), chunk.end());
    return true;
}

link::Result<void> LanSurvey::queryBssOverTcp() {
    return link::QuerySurvey(*this, table_, timings_, {progress_, cancel_});
}

}  // namespace corvane::transport
