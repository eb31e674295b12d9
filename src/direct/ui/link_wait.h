// Waiting on the printer without freezing the window: the long reads and
// pauses of the direct-link exchanges hand the window its events in short
// slices, and while an exchange runs the window says what it waits for and
// offers Cancel (its other controls are disabled meanwhile).
#pragma once

#include <functional>

#include <QString>

#include "link/cancel_token.h"
#include "link/exchange/link_waits.h"
#include "direct/ui/link_access.h"

namespace corvane::direct {

// A pause in slices of at most 20 ms with `idle` between them; it ends early
// once `cancel` is set.
link::SleepFn slicedSleep(std::function<void()> idle, const link::CancelToken& cancel);

// What the window shows while an exchange waits, e.g. "Checking the printer…
// attempt 3 of 64".
QString activityText(const link::LinkActivity& activity);

// What the window adds to a failure message when the change went out whole
// but the printer's confirmation is missing or unreadable.
QString notConfirmedText();

// Brackets one exchange run by the window or one of its pages: while it
// lives the window shows the exchange's progress with a Cancel button and a
// busy cursor, and after a cancel it takes the link down.
class ExchangeScope {
public:
    explicit ExchangeScope(const LinkAccess& link);
    ~ExchangeScope();
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    const LinkAccess& link_;
};

}  // namespace corvane::direct
