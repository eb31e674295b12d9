#include "app/stop_signals.h"

#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

#include "direct/ui/direct_config_dialog.h"

namespace corvane::app {

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGHUP};
// The handler's end of the pair and the window thread's; a signal handler may
// only write, so the signal becomes a byte the event loop reads.
int signalPipe[2] = {-1, -1};

extern "C" void onStopSignal(int signal) {
    const auto byte = static_cast<char>(signal);
    const ssize_t written = ::write(signalPipe[0], &byte, 1);
    static_cast<void>(written);  // a full pipe already holds a stop request
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::stop);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals) sigaction(signal, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (const int signal : kStopSignals) std::signal(signal, SIG_DFL);
    delete notifier_;
    for (int& fd : signalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void StopSignals::stop() {
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) != 1 || exitCode_ != 0) return;
    exitCode_ = 128 + byte;
    // A direct-link exchange in progress runs inside this event loop: it is
    // cancelled and ends at its next wait, recording what it sent, before
    // the loops below it return.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* direct = qobject_cast<direct::DirectConfigDialog*>(window)) direct->stopForExit();
    }
    // Every modal loop ends, and any opened after this returns at once.
    QCoreApplication::exit(exitCode_);
}

}  // namespace corvane::app
