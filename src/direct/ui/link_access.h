// What the BSS and Certificate pages reach of the window's link: the port
// every exchange goes through, whether a printer is connected, how to wait
// (and whether the user cancelled), the survey table the window keeps, and
// the window's side of every exchange (see ExchangeScope).
#pragma once

#include <functional>

#include "link/bss.h"
#include "link/exchange/exchange_limits.h"
#include "link/exchange/link_waits.h"
#include "link/link_port.h"
#include "rules/working_values.h"

namespace corvane::direct {

struct LinkAccess {
    link::LinkPort& port;
    const rules::WindowContext& context;
    link::LinkWaits waits;
    link::ExchangeLimits limits;
    BssTable bssTable{};
    // Called as an exchange starts and ends.
    std::function<void()> beginExchange;
    std::function<void()> endExchange;
};

}  // namespace corvane::direct
