#include "survey_socket.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpSocket>

#include "endpoints.h"
#include "link/framing.h"
#include "transport/wait_slice.h"

namespace corvane::lan {

namespace {

using transport::sliceOf;

// A BSS_RSP is complete when everything received so far checks out: at
// least a tag and a checksum, and the checksum over all of it is 0.
bool isWholeMessage(const Bytes& received) {
    return received.size() >= link::kTagLength + 2 && link::InternetChecksum(received) == 0;
}

}  // namespace

LanSurvey::LanSurvey(QString printerAddress, int port, SurveyTimings timings)
    : printerAddress_(std::move(printerAddress)), port_(port), timings_(timings) {}

LanSurvey::~LanSurvey() { closeSurveySocket(); }

void LanSurvey::report(int value) {
    if (value == lastProgress_) return;
    lastProgress_ = value;
    if (progress_) progress_(value);
}

void LanSurvey::idle() {
    if (idle_) idle_();
}

int LanSurvey::connectSurveySocket() {
    closeSurveySocket();
    QHostAddress address;
    if (!address.setAddress(printerAddress_) || address.protocol() != QAbstractSocket::IPv4Protocol) return 0;
    if (isUnconfiguredAddress(printerAddress_)) return 0;
    if (port_ <= 0 || port_ > 65535) return 0;

    socket_ = std::make_unique<QTcpSocket>();
    socket_->connectToHost(address, static_cast<quint16>(port_));
    const QDeadlineTimer deadline(timings_.connect);
    while (socket_->state() != QAbstractSocket::ConnectedState) {
        // A refused or unreachable peer drops the socket back to unconnected.
        if (socket_->state() == QAbstractSocket::UnconnectedState || deadline.hasExpired() || cancelled()) {
            closeSurveySocket();
            return 0;
        }
        socket_->waitForConnected(sliceOf(deadline, timings_.slice));
        idle();
    }
    return 1;
}

void LanSurvey::closeSurveySocket() {
    if (!socket_) return;
    socket_->abort();
    socket_.reset();
}

bool LanSurvey::waitForData(std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    while (socket_->bytesAvailable() == 0) {
        if (socket_->state() != QAbstractSocket::ConnectedState || deadline.hasExpired() || cancelled()) return false;
        socket_->waitForReadyRead(sliceOf(deadline, timings_.slice));
        idle();
    }
    return true;
}

void LanSurvey::takeAvailable() {
    const qint64 room = static_cast<qint64>(kMaxAnswer - answer_.size());
    const QByteArray chunk = socket_->read(std::min(room, socket_->bytesAvailable()));
    answer_.insert(answer_.end(), chunk.begin(), chunk.end());
}

int LanSurvey::queryBssOverTcp() {
    answer_.clear();
    lastProgress_ = -1;
    if (!connectSurveySocket()) return 0;

    // Sending and receiving share one budget, the receive attempts: an answer
    // that is still coming in pieces may use the attempts left over, never
    // more, so a peer that trickles bytes cannot hold the query.
    const QDeadlineTimer budget(timings_.receive * timings_.attempts);
    auto attemptTime = [&budget, this] {
        return std::chrono::milliseconds(std::min<qint64>(timings_.receive.count(), budget.remainingTime()));
    };

    const Bytes request = BuildBssRequest();
    if (request.empty()) return 0;
    socket_->write(reinterpret_cast<const char*>(request.data()), static_cast<qint64>(request.size()));
    const QDeadlineTimer sendDeadline(attemptTime());
    while (socket_->bytesToWrite() > 0) {
        if (socket_->state() != QAbstractSocket::ConnectedState || sendDeadline.hasExpired() || cancelled()) return 0;
        socket_->waitForBytesWritten(sliceOf(sendDeadline, timings_.slice));
        idle();
    }
    report(0);
    report(12);

    bool gotData = false;
    for (int attempt = 0; attempt < timings_.attempts && !cancelled(); ++attempt) {
        if (waitForData(attemptTime())) {
            gotData = true;
            break;
        }
        report(24 + 12 * attempt);
    }
    if (!gotData) {
        report(100);
        return 0;
    }

    // TCP is a stream: an answer may arrive in several segments. Keep reading
    // until what arrived checks out as one whole message, the size limit is
    // reached, or no more comes within one attempt's time or the budget.
    takeAvailable();
    while (!isWholeMessage(answer_) && answer_.size() < kMaxAnswer && !budget.hasExpired() &&
           waitForData(attemptTime())) {
        takeAvailable();
    }
    report(100);
    if (cancelled()) return 0;
    return parseBssResponse(answer_, table_);
}

}  // namespace corvane::lan
