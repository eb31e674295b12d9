#include "cli/config_write.h"

#include "rules/direct_config_model.h"
#include "rules/record_fields.h"

namespace corvane::cli {

namespace {

ConfigWritePlan Refuse(const rules::Notice& notice) {
    ConfigWritePlan plan;
    plan.refusal = notice;
    plan.field = QString::fromUtf8(rules::NoticeField(notice));
    return plan;
}

}  // namespace

ConfigWritePlan planConfigWrite(const link::PrinterConfig& edited, const link::PrinterSystemInfo& info,
                                link::ConfigLayout layout) {
    rules::DirectConfigModel model;
    model.applyRecord(edited, info, layout);
    model.finishConnect();

    auto& tabs = model.tabs;
    for (const rules::MaybeNotice& notice : {tabs.system.checkValues(), tabs.protocol.checkValues(),
                                             tabs.network.saveCheck(), tabs.security.checkValues()}) {
        if (notice) return Refuse(*notice);
    }
    // The WEP key, the PIN and the credentials, as Save takes them.
    if (const rules::MaybeNotice notice = model.prepareSave()) return Refuse(*notice);

    ConfigWritePlan plan;
    plan.config = model.BuildConfig();
    return plan;
}

}  // namespace corvane::cli
