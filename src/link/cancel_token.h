// A request to stop a running exchange, made from outside it (a window's
// Cancel button, the command line's Ctrl-C handler) and checked at every wait
// of the transport and of the exchanges. Setting it is lock-free, so a signal
// handler may do it.
#pragma once

#include <atomic>

namespace corvane::link {

class CancelToken {
public:
    void cancel() noexcept { requested_.store(true, std::memory_order_relaxed); }
    void reset() noexcept { requested_.store(false, std::memory_order_relaxed); }
    bool cancelled() const noexcept { return requested_.load(std::memory_order_relaxed); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> requested_{false};
};

}  // namespace corvane::link
