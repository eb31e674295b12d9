// Waiting on the event loop in tests, and driving modal windows from inside
// their own loop.
#pragma once

#include <functional>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace corvane::test {

inline bool waitUntil(const std::function<bool()>& done, int limitMs = 3000) {
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Keeps the event loop turning for `ms`.
inline void pumpEvents(int ms) {
    waitUntil([] { return false; }, ms);
}

}  // namespace corvane::test
