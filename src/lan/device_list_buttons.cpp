#include "lan/device_list_buttons.h"

namespace corvane::lan {

std::optional<DeviceListButtons> buttonsForFeatureCode(std::uint8_t featureCode) {
    switch (featureCode) {
    case 0:
    case 2: return DeviceListButtons{false, false, false, false};
    case 1:
    case 3: return DeviceListButtons{false, true, false, false};
    case 4: return DeviceListButtons{false, false, false, true};
    case 25: return DeviceListButtons{true, true, true, false};
    case 31: return DeviceListButtons{true, true, true, true};
    default: return std::nullopt;
    }
}

bool settingOffered(link::ListMode mode, std::uint8_t featureCode) {
    if (mode == link::ListMode::Ethernet) return true;
    const auto buttons = buttonsForFeatureCode(featureCode);
    return !buttons || buttons->setting;
}

void DeviceListButtonRules::rowChanged(std::uint8_t featureCode) {
    if (mode_ == link::ListMode::Ethernet) {
        state_.setting = true;
        state_.web = true;
        return;
    }
    // Unknown printers keep what the last row set.
    if (const auto buttons = buttonsForFeatureCode(featureCode)) {
        state_ = *buttons;
        decidingCode_ = featureCode;
    }
}

void DeviceListButtonRules::listFilled(const std::vector<std::uint8_t>& featureCodes) {
    if (featureCodes.empty()) {
        decidingCode_.reset();
        state_.setting = false;
        state_.web = false;
        if (mode_ == link::ListMode::Wlan) {
            state_.certificate = false;
            state_.bssInfo = false;
        }
        return;
    }
    if (mode_ == link::ListMode::Wlan) {
        for (const auto code : featureCodes) rowChanged(code);
    }
    rowChanged(featureCodes.front());
}

}  // namespace corvane::lan
