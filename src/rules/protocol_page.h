// Tab 1, "Protocol": the four service switches and the SNMP settings.
#pragma once

#include <string>
#include <string_view>

#include "rules/control_state.h"
#include "link/printer_config.h"
#include "rules/working_values.h"

namespace corvane::rules {

enum class ProtocolControl : int {
    Https = 1024,
    Telnet = 1025,
    Ftp = 1026,
    Snmp = 1027,
    GetCommunity = 1028,
    SetCommunity = 1029,
    TrapAddress = 1031,
    TrapCommunity = 1020,
};

class ProtocolPage {
public:
    // Each switch list holds "Disable" (index 0) and "Enable" (index 1): the
    // index is the record's code.
    static constexpr int kSwitchEntries = 2;

    ProtocolPage();

    void enableControls(bool on);

    MaybeNotice editText(ProtocolControl control, std::string_view text);
    // A switch list's selection; an index outside the list is ignored.
    void chooseEntry(ProtocolControl list, int index);
    void setTrapAddress(link::Ipv4Address address) { trapAddress = address; }

    MaybeNotice checkValues() const;

    void loadRecord(const link::PrinterConfig& config);
    void writeRecord(link::PrinterConfig& config) const;

    std::string text(ProtocolControl control) const;
    const ControlStates<ProtocolControl>& controls() const { return controls_; }

    int httpsEnabled = -1;
    int telnetEnabled = -1;
    int ftpEnabled = -1;
    int snmpEnabled = -1;
    std::string getCommunity;
    std::string setCommunity;
    std::string trapCommunity;
    link::Ipv4Address trapAddress;

private:
    int* switchField(ProtocolControl list);
    void syncSelections();

    ControlStates<ProtocolControl> controls_;
};

}  // namespace corvane::rules
