// SIGTERM and SIGHUP (a session that ends, a service manager that stops the
// tool) as a polite close: an exchange with a printer stops at its next wait
// and writes its history line, the windows close without asking about edits
// that were never sent, and the program exits with 128 plus the signal's
// number. A second such signal ends the program the usual way.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace corvane::app {

class StopSignals : public QObject {
    Q_OBJECT
public:
    // Takes SIGTERM and SIGHUP for as long as it lives; one at a time.
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // 128 plus the number of the signal that stopped the program; 0 while none has.
    int exitCode() const { return exitCode_; }

private:
    void stop();

    int exitCode_ = 0;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace corvane::app
