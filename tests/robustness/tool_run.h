// Running the `corvane` program as the scenarios need it: with a hard time
// limit, its outcome, and whether a sanitizer (leaks included) had anything
// to say.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corvane::robustness {

struct ToolOutcome {
    bool finished = false;  // false: killed at the time limit
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 elapsedMs = 0;

    QString text() const { return QString::fromUtf8(out + err); }
    // No AddressSanitizer, LeakSanitizer or UBSan report in what it printed.
    bool sanitizerClean() const;
};

// Runs `corvane` with `arguments`, killing it after `limitMs`. The event loop
// runs meanwhile, so sockets of the test keep answering. With `interruptAfterMs`
// set, it is sent SIGINT (a Ctrl-C) that long after it started.
ToolOutcome RunTool(const QStringList& arguments, int limitMs, int interruptAfterMs = -1);

bool IsSanitizerClean(const QByteArray& err);

}  // namespace corvane::robustness
