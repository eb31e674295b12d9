#include "link/exchange/delivery.h"

namespace corvane::link {

Delivery DeliveryOf(const Result<void>& result, bool sent) {
    if (result) {
        return Delivery::Confirmed;
    }
    if (!sent) {
        return Delivery::NotSent;
    }
    return result.error().kind == Failure::Refused ? Delivery::Refused : Delivery::Unconfirmed;
}

}  // namespace corvane::link
