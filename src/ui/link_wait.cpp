#include "ui/link_wait.h"

#include <algorithm>
#include <thread>

#include <QApplication>
#include <QCursor>

namespace corvane::ui {

void keepPainted() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

link::SleepFn paintingSleep() {
    return [](std::chrono::milliseconds duration) {
        using Clock = std::chrono::steady_clock;
        constexpr std::chrono::milliseconds kSlice{20};
        const auto deadline = Clock::now() + duration;
        for (;;) {
            keepPainted();
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) break;
            std::this_thread::sleep_for(std::min(left, kSlice));
        }
    };
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace corvane::ui
