// Helpers for the LAN window tests: driving modal windows from inside their
// own event loop, finding children by name, reading table rows.
#pragma once

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTableWidget>
#include <QTimer>

#include "lan/ui/lan_window_timings.h"
#include "support/wait.h"

namespace corvane::test {

// Runs `action` on the next modal window of type T once `ready` holds. Both
// are polled from the event loop and never wait themselves: a window that
// keeps itself painted while it works (the survey) runs this poll from deep
// inside its work, and a wait there would hold that work up. Should the
// window never get ready within a minute, the poll says so and closes it.
template <typename T>
void onNextModalWhen(std::function<bool()> ready, std::function<void(T*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(60000);
    QObject::connect(timer, &QTimer::timeout, [timer, ready, action, deadline] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) return;
        const bool expired = deadline.hasExpired();
        if (!expired && !ready()) return;
        timer->stop();
        timer->deleteLater();
        if (expired) {
            ADD_FAILURE() << "gave up waiting for the window to get ready";
            window->reject();
            return;
        }
        action(window);
    });
    timer->start();
}

// Runs `action` on the next modal window of type T to appear.
template <typename T>
void onNextModal(std::function<void(T*)> action) {
    onNextModalWhen<T>([] { return true; }, std::move(action));
}

// While it lives, closes every modal window that opens, and counts them.
class ClosesModals {
public:
    ClosesModals() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++closed_;
                window->reject();
            }
        });
        timer_.start(10);
    }
    int closed() const { return closed_; }

private:
    QTimer timer_;
    int closed_ = 0;
};

// Runs the dialog modally with `action` called from inside its loop.
inline int execWith(QDialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(0, &dialog, action);
    return dialog.exec();
}

template <typename T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline QStringList column(const QTableWidget& table, int c) {
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r) texts << table.item(r, c)->text();
    return texts;
}

inline QList<QStringList> allRows(const QTableWidget& table) {
    QList<QStringList> rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList texts;
        for (int c = 0; c < table.columnCount(); ++c)
            texts << (table.item(r, c) ? table.item(r, c)->text() : QStringLiteral("<none>"));
        rows << texts;
    }
    return rows;
}

// Window timings shortened for tests: search ticks of 15 ms, a settings wait
// of 1.5 s in both modes (long enough for a loaded machine), pauses of 20 ms
// before the search after a change, no delay before a survey.
// Short waits; the searches after a change end after one search.
inline lan::LanWindowTimings quickTimings() { return {15, 1500, 1500, 20, 20, 0, {}, 300, 300}; }

}  // namespace corvane::test
