// The waits of the LAN windows. The defaults are what printers expect; tests
// shorten them.
#pragma once

#include "lan/discovery_search.h"
#include "lan/lan_settings_exchange.h"
#include "transport/survey_socket.h"

namespace corvane::lan {

struct LanWindowTimings {
    int searchTickMs = DiscoverySearch::kDefaultTickMs;
    int ethernetSettingsTimeoutMs = LanSettingsExchange::kEthernetTimeoutMs;
    int wlanSettingsTimeoutMs = LanSettingsExchange::kWlanTimeoutMs;
    // Printers restart their network after new settings; the list searches
    // again only after this pause.
    int ethernetResearchDelayMs = 3000;
    int wlanResearchDelayMs = 1000;
    int bssStartDelayMs = 300;
    SurveyTimings survey;

    int settingsTimeoutMs(ListMode mode) const {
        return mode == ListMode::Wlan ? wlanSettingsTimeoutMs : ethernetSettingsTimeoutMs;
    }
    int researchDelayMs(ListMode mode) const {
        return mode == ListMode::Wlan ? wlanResearchDelayMs : ethernetResearchDelayMs;
    }
};

}  // namespace corvane::lan
