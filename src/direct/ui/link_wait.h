// What the window says while an exchange with the printer waits (the
// exchange itself runs on the link thread, see LinkWorker), and the pauses
// of those exchanges, which end early on Cancel.
#pragma once

#include <QString>

#include "link/cancel_token.h"
#include "link/exchange/link_waits.h"

namespace corvane::direct {

// A pause in slices of at most 20 ms; it ends early once `cancel` is set.
link::SleepFn slicedSleep(const link::CancelToken& cancel);

// What the window shows while an exchange waits, e.g. "Checking the printer…
// attempt 3 of 64".
QString activityText(const link::LinkActivity& activity);

// What the window adds to a failure message when the change went out whole
// but the printer's confirmation is missing or unreadable.
QString notConfirmedText();

}  // namespace corvane::direct
