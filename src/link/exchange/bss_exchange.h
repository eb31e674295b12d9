// The access-point survey of a printer on the direct link.
#pragma once

#include "link/bss.h"
#include "link/exchange/exchange_limits.h"
#include "link/exchange/link_waits.h"
#include "link/link_port.h"
#include "link/result.h"

namespace corvane::link {

// Asks for the survey with BSS_REQ after an acknowledged mode command and
// parses the answer into `table`. Reports 25 after the request and 100 after
// the answer, and the step Surveying to `waits`. Succeeds when the survey was
// received and accepted (the caller then shows the table); otherwise says
// why not: cancelled, no answer, or an answer that is not a survey.
Result<void> QueryBssOverLink(LinkPort& port, BssTable& table, const ProgressFn& progress, const LinkWaits& waits = {});

}  // namespace corvane::link
