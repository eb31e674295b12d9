// The fixed waits and counts of the direct-link exchanges, kept in one place
// so that tests can shorten them, and the progress callback they report to.
#pragma once

#include <chrono>
#include <functional>

namespace corvane::link {

struct ExchangeLimits {
    // Maker check: settle time after the name request, pause after every
    // read try, pause before the name is compared.
    std::chrono::milliseconds vendorSettle{200};
    std::chrono::milliseconds vendorTryPause{1};
    std::chrono::milliseconds vendorAfterName{100};
    int vendorTries = 64;
    // From the third failed read with an empty buffer on, the name request
    // is sent again.
    int vendorResendFrom = 3;

    // Certificate upload: pause after every acknowledged chunk, the number of
    // non-success answers one chunk may get, and how often the opening mode
    // command is sent to a printer that does not answer "STRT". The printer
    // answers the mode command at once when it accepts it, so twenty answers
    // that are something else mean it will not start; without a bound a
    // printer stuck on another answer would keep the tool busy forever.
    std::chrono::milliseconds certificateChunkPause{50};
    int certificateRetryBudget = 20;
    int certificateModeSends = 20;
};

// Progress of an exchange in percent, 0 to 100.
using ProgressFn = std::function<void(int percent)>;

}  // namespace corvane::link
