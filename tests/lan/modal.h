// Driving modal windows from a test: the action runs inside the window's own
// event loop once the window is the active modal one.
#pragma once

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace corvane::test {

// Runs `action` on the next modal window of type T to appear.
template <typename T>
void onNextModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(window);
        }
    });
    timer->start();
}

// Runs the dialog modally with `action` called from inside its loop.
inline int execWith(QDialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(0, &dialog, action);
    return dialog.exec();
}

}  // namespace corvane::test
