// Ends the Qt event loop cleanly on SIGINT and SIGTERM: the handler only
// writes a byte to a socket pair; the loop sees it and quits, so the code
// after exec() (dumping the state, removing the symlink) still runs.
#pragma once

#include <QObject>

namespace corvane::sim {

class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    bool install();
    int signalNumber() const { return signal_; }

private:
    int signal_ = 0;
};

}  // namespace corvane::sim
