#include "lan/device_list_buttons.h"

namespace corvane::lan {

void DeviceListButtonRules::rowChanged(std::uint8_t featureCode) {
    if (mode_ == ListMode::Ethernet) {
        state_.setting = true;
        state_.web = true;
        return;
    }
    switch (featureCode) {
        case 0:
        case 2: state_ = {false, false, false, false}; break;
        case 1:
        case 3: state_ = {false, true, false, false}; break;
        case 4: state_ = {false, false, false, true}; break;
        case 25: state_ = {true, true, true, false}; break;
        case 31: state_ = {true, true, true, true}; break;
        default: break;  // unknown printers keep what the last row set
    }
}

void DeviceListButtonRules::listFilled(const std::vector<std::uint8_t>& featureCodes) {
    if (featureCodes.empty()) {
        state_.setting = false;
        state_.web = false;
        if (mode_ == ListMode::Wlan) {
            state_.certificate = false;
            state_.bssInfo = false;
        }
        return;
    }
    if (mode_ == ListMode::Wlan) {
        for (const auto code : featureCodes) rowChanged(code);
    }
    rowChanged(featureCodes.front());
}

}  // namespace corvane::lan
