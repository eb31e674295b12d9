// How a direct-link exchange waits and what it says meanwhile: its pauses
// between steps, the cancel request it checks at each of them, and the step
// (with its attempt) it reports so that a window can show what it waits for.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "link/cancel_token.h"
#include "link/link_port.h"
#include "link/exchange/pause_notes.h"

namespace corvane::link {

enum class LinkStep {
    CheckingPrinter,  // the maker check: attempt n of its tries
    Reading,          // the system and configuration records
    Saving,           // IF__SET
    Surveying,        // BSS_REQ
    Uploading,        // the certificate: chunk n of all chunks
};

struct LinkActivity {
    LinkStep step = LinkStep::CheckingPrinter;
    int attempt = 0;  // counted from 1; 0 when the step has no count
    int attempts = 0;
    bool operator==(const LinkActivity&) const = default;
};

using ActivityFn = std::function<void(const LinkActivity&)>;

class LinkWaits {
public:
    // Plain sleeps, never cancelled, reporting nowhere.
    LinkWaits() : LinkWaits(BlockingSleep()) {}
    // NOLINTNEXTLINE: a plain pause function is the common case.
    LinkWaits(SleepFn sleep, const CancelToken* cancel = nullptr, ActivityFn activity = {})
        : sleep_(std::move(sleep)), cancel_(cancel), activity_(std::move(activity)) {}

    bool cancelled() const { return cancel_ != nullptr && cancel_->cancelled(); }
    // Pauses unless cancelled; false when cancelled before or during the
    // pause (the pause function may end early when it sees the request).
    // `what` names the pause in the wire log.
    bool pause(std::chrono::milliseconds wait, std::string_view what = "pause") const {
        if (cancelled()) return false;
        NotePause(what, wait, false);
        sleep_(wait);
        NotePause(what, wait, true);
        return !cancelled();
    }
    void report(LinkActivity activity) const {
        if (activity_) activity_(activity);
    }

private:
    SleepFn sleep_;
    const CancelToken* cancel_;
    ActivityFn activity_;
};

}  // namespace corvane::link
