// Helpers for the LAN window tests: driving modal windows from inside their
// own event loop, finding children by name, reading table rows.
#pragma once

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTableWidget>
#include <QTimer>

#include "lan/ui/lan_window_timings.h"
#include "support/wait.h"

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

template <typename T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
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

// Window timings shortened for tests; the settings wait stays long enough
// for a loaded machine.
inline lan::LanWindowTimings quickTimings() {
    lan::LanWindowTimings t;
    t.searchTickMs = 15;
    t.ethernetSettingsTimeoutMs = 1500;
    t.wlanSettingsTimeoutMs = 1500;
    t.ethernetResearchDelayMs = 20;
    t.wlanResearchDelayMs = 20;
    t.bssStartDelayMs = 0;
    return t;
}

}  // namespace corvane::test
