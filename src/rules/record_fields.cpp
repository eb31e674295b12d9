#include "rules/record_fields.h"

#include <array>
#include <charconv>

#include "link/ipv4_address.h"
#include "rules/network_page.h"
#include "rules/protocol_page.h"
#include "rules/security_page.h"
#include "rules/system_page.h"

namespace corvane::rules {

std::vector<FieldChange> DiffRecords(const link::PrinterConfig& before, const link::PrinterConfig& after,
                                     link::ConfigLayout layout) {
    std::vector<FieldChange> changes;
    for (const ConfigField& f : link::ConfigFields()) {
        if (!f.inLayout(layout) || f.get(before) == f.get(after)) continue;
        if (f.secret) changes.push_back({std::string(f.name), {}, {}, true});
        else changes.push_back({std::string(f.name), f.text(before), f.text(after), false});
    }
    return changes;
}

std::string_view NoticeField(const Notice& notice) {
    struct Entry {
        Tab tab;
        int control;
        std::string_view field;
    };
    // A notice names its control by number: the enumerators keep this table
    // with the pages when the numbers change.
    static constexpr std::array kEntries{
        Entry{Tab::System, ControlNumber(SystemControl::PrinterName), "printerName"},
        Entry{Tab::System, ControlNumber(SystemControl::PrinterPort), "printerPort"},
        Entry{Tab::System, ControlNumber(SystemControl::UserId), "userId"},
        Entry{Tab::System, ControlNumber(SystemControl::UserPassword), "userPassword"},
        Entry{Tab::Protocol, ControlNumber(ProtocolControl::SetCommunity), "setCommunity"},
        Entry{Tab::Protocol, ControlNumber(ProtocolControl::GetCommunity), "getCommunity"},
        Entry{Tab::Protocol, ControlNumber(ProtocolControl::TrapCommunity), "trapCommunity"},
        Entry{Tab::Network, ControlNumber(NetworkControl::AdhocChannel), "adhocChannel"},
        Entry{Tab::Network, ControlNumber(NetworkControl::PinCode), "p2pPinCode"},
        Entry{Tab::Network, ControlNumber(NetworkControl::Ssid), "ssid"},
        Entry{Tab::Network, ControlNumber(NetworkControl::InactivityTime), "inactivityTime"},
        Entry{Tab::Network, ControlNumber(NetworkControl::InfraRadio), "networkMode"},
        Entry{Tab::Network, ControlNumber(NetworkControl::ManualRadio), "ipAssignment"},
        Entry{Tab::Security, ControlNumber(SecurityControl::WepKey), "wepKey"},
        Entry{Tab::Security, ControlNumber(SecurityControl::PskKey), "pskKey"},
        Entry{Tab::Security, ControlNumber(SecurityControl::AuthId), "authId"},
        Entry{Tab::Security, ControlNumber(SecurityControl::AuthPassword), "authPassword"},
    };
    // Two fields of one page under one number would report the first for both.
    static_assert([] {
        for (std::size_t i = 0; i < kEntries.size(); ++i)
            for (std::size_t j = i + 1; j < kEntries.size(); ++j)
                if (kEntries[i].tab == kEntries[j].tab && kEntries[i].control == kEntries[j].control) return false;
        return true;
    }());
    for (const Entry& e : kEntries) {
        if (static_cast<int>(e.tab) == notice.scope && e.control == notice.focus) return e.field;
    }
    // The checks of Save itself name no control.
    if (notice.message == kWepKeyInvalid) return "wepKey";
    if (notice.message == kIncorrectPin) return "p2pPinCode";
    return {};
}

}  // namespace corvane::rules
