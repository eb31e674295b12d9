// The thread that carries a window's blocking exchanges: the direct link's
// with one printer, the LAN's settings requests and verification searches
// ("Assign addresses…"), a test page. The exchanges are plain blocking C++
// over a port; run here, they leave the caller's event loop free: a window
// paints, takes Cancel and receives progress as queued calls, without a
// nested loop of its own. A direct-link port is used by this thread alone
// (a serial port belongs to the thread that opened it): opening, every
// exchange and closing all go through it.
#pragma once

#include <functional>

#include <QObject>
#include <QThread>

namespace corvane::transport {

class LinkWorker : public QObject {
    Q_OBJECT
public:
    explicit LinkWorker(QObject* parent = nullptr);
    // Waits for a running job (cancel it first), then stops the thread.
    ~LinkWorker() override;
    LinkWorker(const LinkWorker&) = delete;
    LinkWorker& operator=(const LinkWorker&) = delete;

    // Runs `job` on the worker thread; `done` runs afterwards on this
    // object's thread, from its event loop (dropped if this object is gone
    // by then). False, with nothing run, while another job is running.
    bool start(std::function<void()> job, std::function<void()> done);
    // Runs `job` on the worker thread and returns once it has: for the
    // short steps between exchanges (closing the link). A job still running
    // is waited for first.
    void runNow(const std::function<void()>& job);
    // A job started and its `done` not yet run.
    bool busy() const { return busy_; }

signals:
    // After every `done`.
    void finished();

private:
    QThread thread_;
    QObject* context_;  // lives on the worker thread
    bool busy_ = false;
};

}  // namespace corvane::transport
