#include "transport/link_device_port.h"

#include <algorithm>

#include <QDeadlineTimer>

#include "transport/wait_slice.h"

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

bool LinkDevicePort::ReadReply(Bytes& reply, link::ReplyShape shape) {
    reply.clear();
    if (!isOpen_) return false;

    // Wait for the first byte: attempts x polls x poll interval in all.
    if (waitReadable(timeouts_.firstByteLimit()) != Wait::Ready) return false;

    // Then collect until the line has been quiet for the reply gap, so a reply
    // that arrives in pieces is delivered whole; once the reply looks whole a
    // short guard of quiet is enough. A peer that keeps sending a byte now and
    // then is cut off at the reply limit.
    const QDeadlineTimer replyDeadline(timeouts_.replyLimit);
    while (reply.size() < link::kReadChunk) {
        if (!takeAvailable(reply, link::kReadChunk - reply.size())) break;
        if (reply.size() >= link::kReadChunk || replyDeadline.hasExpired()) break;
        const bool whole = readRule_ == LinkReadRule::Complete && link::IsReplyComplete(shape, reply);
        const milliseconds quiet = whole ? timeouts_.replyGuard : timeouts_.replyGap;
        const auto gap = std::min<qint64>(quiet.count(), replyDeadline.remainingTime());
        if (waitReadable(milliseconds(gap)) != Wait::Ready) break;
    }
    return !reply.empty();
}

std::size_t LinkDevicePort::Write(ByteSpan data) {
    if (!isOpen_ || data.empty() || cancelled()) return 0;
    return writeData(data);
}

void LinkDevicePort::DiscardInput() {
    if (isOpen_) discardPending();
}

}  // namespace corvane::transport
