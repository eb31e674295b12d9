// The access-point survey of a printer on the direct link.
#pragma once

#include "bss.h"
#include "exchange/exchange_limits.h"
#include "exchange/link_waits.h"
#include "link_port.h"

namespace corvane::link {

// Asks for the survey with BSS_REQ after an acknowledged mode command and
// parses the answer into `table`. Reports 25 after the request and 100 after
// the answer, and the step Surveying to `waits`. Gives 1 when the survey was
// received and accepted, else 0 (also when cancelled); the caller shows the
// table on 1.
int queryBssOverLink(LinkPort& port, BssTable& table, const ProgressFn& progress, const LinkWaits& waits = {});

}  // namespace corvane::link
