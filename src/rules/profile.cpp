#include "rules/profile.h"

#include <algorithm>
#include <initializer_list>

#include "rules/direct_config_model.h"

namespace corvane::rules {

namespace {

bool Holds(const Profile& profile, std::string_view field) { return profile.values.count(field) != 0; }

bool HoldsAny(const Profile& profile, std::initializer_list<std::string_view> fields) {
    return std::any_of(fields.begin(), fields.end(), [&](std::string_view f) { return Holds(profile, f); });
}

bool IsWpa(int authentication) { return authentication >= code::kWpaPsk && authentication <= code::kWpa2; }

// The record with every profile value of the right kind that the layout has.
link::PrinterConfig Overlay(const Profile& profile, link::PrinterConfig config, link::ConfigLayout layout) {
    for (const auto& [name, value] : profile.values) {
        const ConfigField* f = link::FindConfigField(name);
        if (f != nullptr && f->inLayout(layout) && f->check(value) == ValueProblem::None) f->set(config, value);
    }
    return config;
}

// The record's address assignment as the pages show it (an ad hoc printer
// always with manual addressing).
std::uint8_t ShownAssignment(const link::PrinterConfig& config, const link::PrinterSystemInfo& info,
                             link::ConfigLayout layout) {
    DirectConfigModel model;
    model.onConnected(config, info, layout);
    return model.buildConfig().ipAssignment;
}

ProfileRefusal RuleRefusal(const Notice& notice) {
    ProfileRefusal refusal;
    refusal.field = std::string(NoticeField(notice));
    refusal.notice = notice;
    return refusal;
}

}  // namespace

Profile MakeProfile(const link::PrinterConfig& config, link::ConfigLayout layout, ProfileContent content) {
    Profile profile;
    for (const ConfigField& f : link::ConfigFields()) {
        if (!f.inLayout(layout)) continue;
        const bool wanted =
            f.scope == link::FieldScope::Shared || (f.scope == link::FieldScope::Address && content.address);
        if (!wanted || (f.secret && !content.secrets)) continue;
        profile.values.emplace(std::string(f.name), f.get(config));
    }
    return profile;
}

std::vector<std::string> MissingSecrets(const Profile& profile, const link::PrinterConfig& base,
                                        link::ConfigLayout layout) {
    const link::PrinterConfig c = Overlay(profile, base, layout);
    const bool wepAuth = c.authentication == code::kOpenSystem || c.authentication == code::kSharedKey;
    const bool wepCipher = c.cipher == code::kWep64 || c.cipher == code::kWep128;
    const bool security = HoldsAny(profile, {"authentication", "cipher"});
    struct Need {
        std::string_view secret;
        bool needed;
        bool governed;  // the profile sets what the secret belongs to
    };
    const Need needs[] = {
        {"wepKey", wepAuth && wepCipher, security},
        {"pskKey", c.authentication == code::kWpaPsk || c.authentication == code::kWpa2Psk, security},
        {"authPassword", c.authentication == code::kWpa || c.authentication == code::kWpa2,
         security || Holds(profile, "eapMode")},
        {"p2pPinCode", layout == link::ConfigLayout::Newer && c.networkMode == code::kWifiDirect,
         HoldsAny(profile, {"networkMode", "p2pConnMode"})},
    };
    std::vector<std::string> missing;
    for (const Need& n : needs) {
        if (n.needed && n.governed && !Holds(profile, n.secret)) missing.emplace_back(n.secret);
    }
    return missing;
}

SpreadResult SpreadProfile(const Profile& profile, const link::PrinterConfig& base, const link::PrinterSystemInfo& info,
                           link::ConfigLayout layout) {
    SpreadResult result;
    for (const auto& [name, value] : profile.values) {
        const ConfigField* f = link::FindConfigField(name);
        if (f == nullptr || f->scope == link::FieldScope::Printer) {
            result.refusal = ProfileRefusal{name, ValueProblem::None, 0, true, false, std::nullopt};
            return result;
        }
    }
    for (const ConfigField& f : link::ConfigFields()) {
        const auto it = profile.values.find(f.name);
        if (it == profile.values.end()) continue;
        if (const ValueProblem problem = f.check(it->second); problem != ValueProblem::None) {
            result.refusal = ProfileRefusal{std::string(f.name), problem, f.limit(), false, false, std::nullopt};
            return result;
        }
        if (!f.inLayout(layout)) result.skipped.emplace_back(f.name);
    }
    const link::PrinterConfig merged = Overlay(profile, base, layout);
    if (layout == link::ConfigLayout::Older && merged.networkMode == code::kWifiDirect) {
        result.refusal = ProfileRefusal{"networkMode", ValueProblem::None, 0, false, true, std::nullopt};
        return result;
    }
    // The pages never let ad hoc mode and WPA meet (Network page, Adhoc).
    if (merged.networkMode == code::kAdhoc && IsWpa(merged.authentication)) {
        result.refusal = RuleRefusal(PageNotice(Tab::Network, kAdhocNotAvailable, 0));
        result.refusal->field = "networkMode";
        return result;
    }

    // The record as a Connect spreads it, then the checks of leaving each page
    // and of Save.
    DirectConfigModel model;
    model.applyRecord(merged, info, layout);
    model.finishConnect();
    auto& tabs = model.tabs;
    for (const MaybeNotice& notice :
         {tabs.protocol.checkValues(), tabs.network.leaveCheck(), tabs.network.saveCheck(), tabs.security.checkValues(),
          model.checkWepKeyForSave(), model.checkPinForSave()}) {
        if (notice) {
            result.refusal = RuleRefusal(*notice);
            return result;
        }
    }
    result.config = model.buildConfig();
    if (ShownAssignment(base, info, layout) == 1 && result.config.ipAssignment == 0 && !Holds(profile, "ipAddress")) {
        result.refusal = ProfileRefusal{"ipAssignment", ValueProblem::None, 0, false, false, std::nullopt};
        result.refusal->fixesDhcpAddress = true;
    }
    return result;
}

}  // namespace corvane::rules
