// Runs the Qt event loop until a condition holds or a time limit passes.
#pragma once

#include <functional>

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace corvane::test {

inline bool waitUntil(const std::function<bool()>& done, int limitMs = 2000) {
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace corvane::test
