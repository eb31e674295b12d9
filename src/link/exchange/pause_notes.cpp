#include "link/exchange/pause_notes.h"

#include <atomic>

namespace corvane::link {

namespace {
// Set while a log is opened or closed on one thread, read by every pausing one.
std::atomic<PauseObserver> observer{nullptr};
}  // namespace

void SetPauseObserver(PauseObserver next) { observer.store(next); }

void NotePause(std::string_view what, std::chrono::milliseconds wait, bool ended) {
    if (const PauseObserver current = observer.load()) current(what, wait, ended);
}

}  // namespace corvane::link
