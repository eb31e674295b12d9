// The blocking waits of the transports run in short slices, so that between
// two of them a window can repaint itself and a cancel request is seen.
#pragma once

#include <algorithm>
#include <chrono>

#include <QDeadlineTimer>

namespace corvane::transport {

// Milliseconds of the next slice: at most `slice`, never past `deadline`.
inline int sliceOf(const QDeadlineTimer& deadline, std::chrono::milliseconds slice) {
    const qint64 left = deadline.remainingTime();
    return static_cast<int>(std::max<qint64>(0, std::min<qint64>(left, slice.count())));
}

}  // namespace corvane::transport
