// Ctrl-C as a cancel request: while an InterruptCancels lives, SIGINT sets
// `interrupted` instead of killing the process, so the command stops at its
// next wait, cleans up (closes its port, reports what was done) and exits
// with 130. A second Ctrl-C ends the program the usual way.
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
    struct sigaction previous_ {};
};

// A command that was cancelled says so ("corvane: cancelled") and returns 130.
int cancelled();

}  // namespace corvane::cli
