#include "cli/interrupt.h"

#include "cli/invocation.h"
#include "cli/output.h"

namespace corvane::cli {

link::CancelToken interrupted;

namespace {
extern "C" void cancelOnInterrupt(int) { interrupted.cancel(); }
}  // namespace

InterruptCancels::InterruptCancels() {
    struct sigaction action {};
    action.sa_handler = cancelOnInterrupt;
    action.sa_flags = SA_RESETHAND;  // no SA_RESTART: a blocking wait returns early
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
}

InterruptCancels::~InterruptCancels() { sigaction(SIGINT, &previous_, nullptr); }

int cancelled() {
    printError(QStringLiteral("cancelled"));
    return kExitCancelled;
}

}  // namespace corvane::cli
