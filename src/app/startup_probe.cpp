#include "app/startup_probe.h"

#include <time.h>

#include <cstdio>

#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace corvane::app {

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QDialog& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // Reported once the paint itself is done.
            QTimer::singleShot(0, &window_, [window = &window_] {
                timespec now{};
                ::clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("shown %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                window->reject();
            });
        }
        return false;
    }

private:
    QDialog& window_;
};

}  // namespace

void exitWhenShownIfAsked(QDialog& window) {
    if (qEnvironmentVariableIsSet("CORVANE_EXIT_WHEN_SHOWN")) window.installEventFilter(new FirstPaint(window));
}

}  // namespace corvane::app
