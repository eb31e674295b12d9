// The waits of the LAN windows. The defaults are what printers expect; tests
// shorten them.
#pragma once

#include "lan/discovery_search.h"
#include "lan/lan_change.h"
#include "lan/lan_settings_exchange.h"
#include "transport/survey_socket.h"

namespace corvane::lan {

struct LanWindowTimings {
    int searchTickMs = DiscoverySearch::kDefaultTickMs;
    int ethernetSettingsTimeoutMs = LanSettingsExchange::kEthernetTimeoutMs;
    int wlanSettingsTimeoutMs = LanSettingsExchange::kWlanTimeoutMs;
    // Printers restart their network after new settings; the searches that
    // verify a change start after this pause.
    int ethernetResearchDelayMs = static_cast<int>(link::kEthernetRestartPause.count());
    int wlanResearchDelayMs = static_cast<int>(link::kWlanRestartPause.count());
    int bssStartDelayMs = 300;
    transport::SurveyTimings survey;
    // The searches go on until the printer shows its change or this limit.
    int ethernetVerifyLimitMs = static_cast<int>(link::kEthernetVerifyLimit.count());
    int wlanVerifyLimitMs = static_cast<int>(link::kWlanVerifyLimit.count());

    int settingsTimeoutMs(link::ListMode mode) const {
        return mode == link::ListMode::Wlan ? wlanSettingsTimeoutMs : ethernetSettingsTimeoutMs;
    }
    int researchDelayMs(link::ListMode mode) const {
        return mode == link::ListMode::Wlan ? wlanResearchDelayMs : ethernetResearchDelayMs;
    }
    VerifyTiming verifyTiming(link::ListMode mode) const {
        return {researchDelayMs(mode), mode == link::ListMode::Wlan ? wlanVerifyLimitMs : ethernetVerifyLimitMs};
    }
};

}  // namespace corvane::lan
