// What the BSS and Certificate pages reach of the window's link: the port
// every exchange goes through, whether a printer is connected, how to wait,
// and the survey table the window keeps.
#pragma once

#include "link/bss.h"
#include "link/exchange/exchange_limits.h"
#include "link/link_port.h"
#include "rules/working_values.h"

namespace corvane::ui {

struct LinkAccess {
    link::LinkPort& port;
    const rules::WindowContext& context;
    link::SleepFn sleep;
    link::ExchangeLimits limits;
    BssTable bssTable{};
};

}  // namespace corvane::ui
