// lan-plan --test-print: once the plan has run and been verified, a test page
// to every printer that now stands at its planned address (verified, or
// unchanged because it had the plan's values already), at the data port it
// reports. A printer that does not take the page counts as failed.
#pragma once

#include <vector>

#include <QMap>
#include <QString>

#include "lan/plan_run.h"
#include "transport/endpoints.h"

namespace corvane::cli {

struct PlanTestPrints {
    QMap<std::size_t, QString> notes;  // by row: "test page sent to A:N" or why not
    bool anyFailed = false;
};

PlanTestPrints sendPlanTestPrints(const std::vector<lan::PlanRowOutcome>& outcomes,
                                  const transport::LanEndpoints& endpoints, const link::CancelToken* cancel);

}  // namespace corvane::cli
