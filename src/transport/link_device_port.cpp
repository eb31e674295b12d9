#include "transport/link_device_port.h"

#include <algorithm>

#include <QDeadlineTimer>

#include "transport/wait_slice.h"
#include "transport/wire_trace.h"

namespace corvane::transport {

using std::chrono::milliseconds;

void LinkDevicePort::idle() {
    if (idle_) idle_();
}

LinkDevicePort::Wait LinkDevicePort::waitReadable(milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    for (;;) {
        if (cancelled()) return Wait::Failed;
        const Wait result = waitOnce(milliseconds(sliceOf(deadline, timeouts_.slice)));
        if (result != Wait::TimedOut) return result;
        if (deadline.hasExpired()) return Wait::TimedOut;
        idle();
    }
}

namespace {

// Why a reply proved whole by its shape was taken as ended, for the wire log.
const char* wholeReason(link::ReplyShape shape) {
    switch (shape) {
    case link::ReplyShape::Frame: return "frame verified";
    case link::ReplyShape::MakerName: return "maker name at its zero";
    case link::ReplyShape::CertificateAnswer: return "answer tag in";
    default: return "whole";
    }
}

}  // namespace

bool LinkDevicePort::ReadReply(Bytes& reply, link::ReplyShape shape) {
    reply.clear();
    if (!isOpen_) return false;

    // Wait for the first byte: attempts x polls x poll interval in all.
    const auto firstByte = timeouts_.firstByteLimit();
    trace::linkNote(portName_, QStringLiteral("wait for a reply (first byte within %1 ms)").arg(firstByte.count()));
    if (const Wait first = waitReadable(firstByte); first != Wait::Ready) {
        trace::linkNote(portName_, first == Wait::TimedOut
                                       ? QStringLiteral("no reply: nothing within %1 ms").arg(firstByte.count())
                                       : QStringLiteral("no reply: cancelled or device failed"));
        return false;
    }

    // Then collect until the line has been quiet for the reply gap, so a reply
    // that arrives in pieces is delivered whole; once its shape proves the
    // reply whole a short guard of quiet is enough. A peer that keeps sending
    // a byte now and then is cut off at the reply limit.
    const QDeadlineTimer replyDeadline(timeouts_.replyLimit);
    QString ended;
    while (ended.isEmpty()) {
        const std::size_t before = reply.size();
        const bool took = takeAvailable(reply, link::kReadChunk - reply.size());
        trace::linkBytes(portName_, trace::Direction::Received, reply, before);
        const bool whole = readRule_ == LinkReadRule::Complete && link::IsReplyComplete(shape, reply);
        const milliseconds quiet = whole ? timeouts_.replyGuard : timeouts_.replyGap;
        if (!took) {
            ended = QStringLiteral("device failed or hung up");
        } else if (reply.size() >= link::kReadChunk) {
            ended = QStringLiteral("%1 bytes, the most one reply holds").arg(link::kReadChunk);
        } else if (replyDeadline.hasExpired()) {
            ended = QStringLiteral("reply limit %1 ms").arg(timeouts_.replyLimit.count());
        } else if (const auto gap = std::min<qint64>(quiet.count(), replyDeadline.remainingTime());
                   waitReadable(milliseconds(gap)) != Wait::Ready) {
            ended = whole ? QStringLiteral("%1, then quiet %2 ms").arg(QLatin1String(wholeReason(shape))).arg(gap)
                          : QStringLiteral("silence %1 ms").arg(gap);
        }
    }
    trace::linkNote(portName_, QStringLiteral("reply ended: %1 (%2 bytes)").arg(ended).arg(reply.size()));
    return !reply.empty();
}

std::size_t LinkDevicePort::Write(ByteSpan data) {
    if (!isOpen_ || data.empty() || cancelled()) return 0;
    const std::size_t written = writeData(data);
    trace::linkBytes(portName_, trace::Direction::Sent, data.first(written));
    if (written < data.size())
        trace::linkNote(portName_, QStringLiteral("write stopped after %1 of %2 bytes").arg(written).arg(data.size()));
    return written;
}

void LinkDevicePort::DiscardInput() {
    if (!isOpen_) return;
    discardPending();
    trace::linkNote(portName_, QStringLiteral("unread input discarded"));
}

}  // namespace corvane::transport
