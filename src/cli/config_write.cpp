#include "cli/config_write.h"

#include "rules/direct_config_model.h"

namespace corvane::cli {

namespace {

using rules::Tab;

// The record field behind the control a notice puts the focus on.
QString FieldOf(const rules::Notice& notice) {
    struct Entry {
        int scope;
        int control;
        const char* field;
    };
    static constexpr Entry kEntries[] = {
        {static_cast<int>(Tab::System), 1018, "printerName"},
        {static_cast<int>(Tab::System), 1019, "printerPort"},
        {static_cast<int>(Tab::System), 1020, "userId"},
        {static_cast<int>(Tab::System), 1021, "userPassword"},
        {static_cast<int>(Tab::Protocol), 1029, "setCommunity"},
        {static_cast<int>(Tab::Protocol), 1028, "getCommunity"},
        {static_cast<int>(Tab::Protocol), 1020, "trapCommunity"},
        {static_cast<int>(Tab::Network), 1044, "adhocChannel"},
        {static_cast<int>(Tab::Network), 1079, "p2pPinCode"},
        {static_cast<int>(Tab::Network), 1038, "ssid"},
        {static_cast<int>(Tab::Network), 1039, "inactivityTime"},
        {static_cast<int>(Tab::Security), 1060, "wepKey"},
        {static_cast<int>(Tab::Security), 1041, "pskKey"},
        {static_cast<int>(Tab::Security), 1042, "authId"},
        {static_cast<int>(Tab::Security), 1054, "authPassword"},
    };
    for (const Entry& e : kEntries) {
        if (e.scope == notice.scope && e.control == notice.focus) return QLatin1String(e.field);
    }
    if (notice.message == kWepKeyInvalid) return QStringLiteral("wepKey");
    if (notice.message == kIncorrectPin) return QStringLiteral("p2pPinCode");
    return {};
}

ConfigWritePlan Refuse(const rules::Notice& notice) {
    ConfigWritePlan plan;
    plan.refusal = notice;
    plan.field = FieldOf(notice);
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
