// Ctrl-C, SIGTERM and SIGHUP as a cancel request: while an InterruptCancels
// lives, these signals set `interrupted` instead of killing the process, so
// the command stops at its next wait, records what it sent, cleans up
// (closes its port, reports what was done) and exits with 128 plus the
// signal's number (130, 143, 129). A second signal of the same kind ends the
// program the usual way. Commands that send a change install it before the
// first byte goes out.
#pragma once

#include <signal.h>

#include "link/cancel_token.h"

namespace corvane::cli {

extern link::CancelToken interrupted;

class InterruptCancels {
public:
    InterruptCancels();
    ~InterruptCancels();
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;

private:
    struct sigaction previous_[3]{};
};

// A command that was cancelled says so ("corvane: cancelled") and returns
// 128 plus the number of the signal that cancelled it (130 when none did).
int cancelled();

}  // namespace corvane::cli
