// Which action buttons of the device list are enabled. In the Ethernet list
// every row offers Setting and the web page; in the WLAN list the printer's
// feature code decides, and a code the table does not know leaves the
// buttons as they were.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "link/discovered_device.h"

namespace corvane::lan {

struct DeviceListButtons {
    bool setting = false;
    bool web = false;
    bool bssInfo = false;
    bool certificate = false;
    bool operator==(const DeviceListButtons&) const = default;
};

// The actions a WLAN printer's feature code offers; nullopt for a code the
// table does not know.
std::optional<DeviceListButtons> buttonsForFeatureCode(std::uint8_t featureCode);

// Whether settings may be sent to a printer of `mode` with `featureCode`: not
// when its code greys out Setting. An unknown code does not decide it.
bool settingOffered(link::ListMode mode, std::uint8_t featureCode);

class DeviceListButtonRules {
public:
    explicit DeviceListButtonRules(link::ListMode mode) : mode_(mode) {}

    const DeviceListButtons& state() const { return state_; }
    // The WLAN feature code the buttons follow; none in the Ethernet list and
    // after an empty fill. A disabled button then means this printer does
    // not support the action.
    std::optional<std::uint8_t> decidingCode() const { return decidingCode_; }
    // BSS Info and Certificate upload exist only for WLAN printers.
    bool showsWlanButtons() const { return mode_ == link::ListMode::Wlan; }

    // A row became the chosen one, or its feature code was set.
    void rowChanged(std::uint8_t featureCode);
    // The list was filled: every row's feature code is set in turn, then row
    // 0 is chosen. So when row 0's code is unknown, the last row with a known
    // code decides. An empty fill disables every action.
    void listFilled(const std::vector<std::uint8_t>& featureCodes);

private:
    link::ListMode mode_;
    DeviceListButtons state_;
    std::optional<std::uint8_t> decidingCode_;
};

}  // namespace corvane::lan
