#include "cli/interrupt.h"

#include "cli/invocation.h"
#include "cli/output.h"

namespace corvane::cli {

link::CancelToken interrupted;

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
// The first signal that cancelled; 0 while none has.
volatile sig_atomic_t cancellingSignal = 0;

extern "C" void cancelOnInterrupt(int signal) {
    if (cancellingSignal == 0) cancellingSignal = signal;
    interrupted.cancel();
}

}  // namespace

InterruptCancels::InterruptCancels() {
    struct sigaction action {};
    action.sa_handler = cancelOnInterrupt;
    action.sa_flags = SA_RESETHAND;  // no SA_RESTART: a blocking wait returns early
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous_[i]);
}

InterruptCancels::~InterruptCancels() {
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
}

int cancelled() {
    printError(QStringLiteral("cancelled"));
    return cancellingSignal != 0 ? 128 + cancellingSignal : kExitCancelled;
}

}  // namespace corvane::cli
