// How far a change sent over the direct link got: what the history records
// for it. A request that went out whole and was not answered, or answered
// with bytes that cannot be read, may have been taken by the printer; only a
// request that never went out, or one the printer answered with a readable
// "no", is a change that did not happen.
#pragma once

#include "link/result.h"

namespace corvane::link {

enum class Delivery {
    NotSent,      // nothing the printer could take went out
    Refused,      // the printer answered with something other than its confirmation
    Unconfirmed,  // sent; the answer is missing or unreadable, or was not awaited (cancel)
    Confirmed,    // the printer confirmed it
};

// `sent`: the request carrying the change went out (its bytes written).
Delivery DeliveryOf(const Result<void>& result, bool sent);

}  // namespace corvane::link
