#include "rules/protocol_page.h"

#include <tuple>

#include "rules/text_entry.h"

namespace corvane::rules {

namespace {
constexpr ProtocolControl kSwitches[] = {ProtocolControl::Https, ProtocolControl::Telnet, ProtocolControl::Ftp,
                                         ProtocolControl::Snmp};

std::uint8_t SwitchByte(int index) { return static_cast<std::uint8_t>(index & 0xFF); }

Notice ProtocolNotice(StringId message, ProtocolControl focus) {
    return PageNotice(Tab::Protocol, message, static_cast<int>(focus));
}
}  // namespace

ProtocolPage::ProtocolPage() {
    // The lists open on "Disable" although the fields start without a choice.
    for (auto c : kSwitches) controls_[c].selection = 0;
    controls_[ProtocolControl::GetCommunity].field = "getCommunity";
    controls_[ProtocolControl::SetCommunity].field = "setCommunity";
    controls_[ProtocolControl::TrapCommunity].field = "trapCommunity";
}

void ProtocolPage::enableControls(bool on) {
    for (auto c : kSwitches) controls_.enable(c, on);
    for (auto c : {ProtocolControl::GetCommunity, ProtocolControl::SetCommunity, ProtocolControl::TrapCommunity,
                   ProtocolControl::TrapAddress})
        controls_.enable(c, on);
}

int* ProtocolPage::switchField(ProtocolControl list) {
    switch (list) {
    case ProtocolControl::Https: return &httpsEnabled;
    case ProtocolControl::Telnet: return &telnetEnabled;
    case ProtocolControl::Ftp: return &ftpEnabled;
    case ProtocolControl::Snmp: return &snmpEnabled;
    default: return nullptr;
    }
}

MaybeNotice ProtocolPage::editText(ProtocolControl control, std::string_view text) {
    switch (control) {
    case ProtocolControl::GetCommunity: getCommunity = text; break;
    case ProtocolControl::SetCommunity: setCommunity = text; break;
    case ProtocolControl::TrapCommunity: trapCommunity = text; break;
    default: break;
    }
    return std::nullopt;
}

void ProtocolPage::chooseEntry(ProtocolControl list, int index) {
    int* field = switchField(list);
    if (!field || index < 0 || index >= kSwitchEntries) return;
    *field = index;
    controls_[list].selection = index;
}

MaybeNotice ProtocolPage::checkValues() const {
    if (setCommunity.empty()) return ProtocolNotice(kCommunityIncorrect, ProtocolControl::SetCommunity);
    if (getCommunity.empty()) return ProtocolNotice(kCommunityIncorrect, ProtocolControl::GetCommunity);
    if (trapCommunity.empty()) return ProtocolNotice(kTrapCommunityIncorrect, ProtocolControl::TrapCommunity);
    for (const auto& [field, text, control] :
         {std::tuple{"setCommunity", &setCommunity, ProtocolControl::SetCommunity},
          std::tuple{"getCommunity", &getCommunity, ProtocolControl::GetCommunity},
          std::tuple{"trapCommunity", &trapCommunity, ProtocolControl::TrapCommunity}})
        if (!FitsField(field, *text)) return ProtocolNotice(kTextTooLong, control);
    return std::nullopt;
}

void ProtocolPage::syncSelections() {
    for (auto c : kSwitches) {
        // A code the list does not hold leaves it without a selection but is
        // kept in the field, so it is written back unchanged.
        int value = *switchField(c);
        controls_[c].selection = value >= 0 && value < kSwitchEntries ? value : -1;
    }
}

void ProtocolPage::loadRecord(const link::PrinterConfig& config) {
    httpsEnabled = config.httpsEnabled;
    telnetEnabled = config.telnetEnabled;
    ftpEnabled = config.ftpEnabled;
    snmpEnabled = config.snmpEnabled;
    setCommunity = config.setCommunity;
    getCommunity = config.getCommunity;
    trapCommunity = config.trapCommunity;
    trapAddress = config.trapAddress;
    syncSelections();
}

void ProtocolPage::writeRecord(link::PrinterConfig& config) const {
    config.httpsEnabled = SwitchByte(httpsEnabled);
    config.telnetEnabled = SwitchByte(telnetEnabled);
    config.ftpEnabled = SwitchByte(ftpEnabled);
    config.snmpEnabled = SwitchByte(snmpEnabled);
    config.setCommunity = setCommunity;
    config.getCommunity = getCommunity;
    config.trapCommunity = trapCommunity;
    config.trapAddress = trapAddress;
}

std::string ProtocolPage::text(ProtocolControl control) const {
    switch (control) {
    case ProtocolControl::GetCommunity: return getCommunity;
    case ProtocolControl::SetCommunity: return setCommunity;
    case ProtocolControl::TrapCommunity: return trapCommunity;
    default: return {};
    }
}

}  // namespace corvane::rules
