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

inline void pumpEvents(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace corvane::test
