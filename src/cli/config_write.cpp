#include "cli/config_write.h"

#include "rules/record_edit.h"

namespace corvane::cli {

ConfigWritePlan planConfigWrite(const link::PrinterConfig& printer, const link::PrinterConfig& edited,
                                const link::PrinterSystemInfo& info, link::ConfigLayout layout) {
    const rules::RecordEditPlan edit = rules::PlanRecordEdit(printer, edited, info, layout);
    ConfigWritePlan plan;
    plan.refusal = edit.refusal;
    plan.field = QString::fromStdString(edit.field);
    plan.config = edit.config;
    return plan;
}

}  // namespace corvane::cli
