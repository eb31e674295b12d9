#include "record_fields.h"

#include <array>
#include <charconv>

#include "link/ipv4_address.h"
#include "network_page.h"
#include "protocol_page.h"
#include "security_page.h"
#include "system_page.h"

namespace corvane::rules {

namespace {

using link::PrinterConfig;
using Kind = RecordField::Kind;
using Scope = ProfileScope;

RecordField Text(std::string_view name, std::string PrinterConfig::*member, Scope scope, bool secret = false) {
    const link::ConfigField* wire = link::FindConfigField(name);
    RecordField f{name, Kind::Text, scope, secret, static_cast<std::uint32_t>(wire ? wire->width : 0)};
    f.textMember = member;
    return f;
}

RecordField Byte(std::string_view name, std::uint8_t PrinterConfig::*member, std::uint32_t maximum, Scope scope) {
    RecordField f{name, Kind::Number, scope, false, maximum};
    f.byteMember = member;
    return f;
}

RecordField Word(std::string_view name, std::uint16_t PrinterConfig::*member, std::uint32_t maximum, Scope scope) {
    RecordField f{name, Kind::Number, scope, false, maximum};
    f.wordMember = member;
    return f;
}

RecordField Address(std::string_view name, link::Ipv4 PrinterConfig::*member, Scope scope) {
    RecordField f{name, Kind::Address, scope, false, UINT32_MAX};
    f.addressMember = member;
    return f;
}

// Codes run over their vocabularies; the Wi-Fi Direct connection modes go to
// 3, which the PIN rule knows; channel, port and inactivity stop where the
// pages' edits stop.
const std::vector<RecordField>& Table() {
    static const std::vector<RecordField> fields{
        Text("printerName", &PrinterConfig::printerName, Scope::Printer),
        Byte("networkMode", &PrinterConfig::networkMode, 2, Scope::Shared),
        Byte("ipAssignment", &PrinterConfig::ipAssignment, 1, Scope::Shared),
        Address("ipAddress", &PrinterConfig::ipAddress, Scope::Address),
        Address("subnetMask", &PrinterConfig::subnetMask, Scope::Address),
        Address("gateway", &PrinterConfig::gateway, Scope::Address),
        Text("ssid", &PrinterConfig::ssid, Scope::Shared),
        Byte("authentication", &PrinterConfig::authentication, 5, Scope::Shared),
        Byte("cipher", &PrinterConfig::cipher, 5, Scope::Shared),
        Text("wepKey", &PrinterConfig::wepKey, Scope::Shared, true),
        Text("pskKey", &PrinterConfig::pskKey, Scope::Shared, true),
        Byte("adhocChannel", &PrinterConfig::adhocChannel, NetworkPage::kMaxAdhocChannel, Scope::Shared),
        Byte("eapMode", &PrinterConfig::eapMode, 5, Scope::Shared),
        Text("authId", &PrinterConfig::authId, Scope::Shared),
        Text("authPassword", &PrinterConfig::authPassword, Scope::Shared, true),
        Byte("p2pConnMode", &PrinterConfig::p2pConnMode, 3, Scope::Shared),
        Text("p2pPinCode", &PrinterConfig::p2pPinCode, Scope::Shared, true),
        Text("p2pChannel", &PrinterConfig::p2pChannel, Scope::Shared),
        Text("userId", &PrinterConfig::userId, Scope::Printer),
        Text("userPassword", &PrinterConfig::userPassword, Scope::Printer, true),
        Word("printerPort", &PrinterConfig::printerPort, SystemPage::kMaxPort, Scope::Printer),
        Byte("httpsEnabled", &PrinterConfig::httpsEnabled, 1, Scope::Shared),
        Byte("telnetEnabled", &PrinterConfig::telnetEnabled, 1, Scope::Shared),
        Byte("ftpEnabled", &PrinterConfig::ftpEnabled, 1, Scope::Shared),
        Byte("snmpEnabled", &PrinterConfig::snmpEnabled, 1, Scope::Shared),
        Text("setCommunity", &PrinterConfig::setCommunity, Scope::Shared),
        Text("getCommunity", &PrinterConfig::getCommunity, Scope::Shared),
        Text("trapCommunity", &PrinterConfig::trapCommunity, Scope::Shared),
        Address("trapAddress", &PrinterConfig::trapAddress, Scope::Shared),
        Word("inactivityTime", &PrinterConfig::inactivityTime, NetworkPage::kMaxInactivity, Scope::Shared),
    };
    return fields;
}

}  // namespace

bool RecordField::inLayout(link::ConfigLayout layout) const {
    const link::ConfigField* wire = link::FindConfigField(name);
    return wire != nullptr && wire->inLayout(layout);
}

FieldValue RecordField::get(const PrinterConfig& config) const {
    if (textMember) return config.*textMember;
    if (byteMember) return std::uint32_t{config.*byteMember};
    if (wordMember) return std::uint32_t{config.*wordMember};
    return config.*addressMember;
}

void RecordField::set(PrinterConfig& config, const FieldValue& value) const {
    if (textMember) {
        config.*textMember = std::get<std::string>(value);
        return;
    }
    const std::uint32_t number = std::get<std::uint32_t>(value);
    if (byteMember) config.*byteMember = static_cast<std::uint8_t>(number);
    else if (wordMember) config.*wordMember = static_cast<std::uint16_t>(number);
    else config.*addressMember = number;
}

std::string RecordField::text(const PrinterConfig& config) const {
    const FieldValue value = get(config);
    if (const auto* t = std::get_if<std::string>(&value)) return *t;
    const std::uint32_t number = std::get<std::uint32_t>(value);
    return kind == Kind::Address ? link::FormatIpv4(number) : std::to_string(number);
}

ValueProblem RecordField::check(const FieldValue& value) const {
    if (kind == Kind::Text) {
        const auto* t = std::get_if<std::string>(&value);
        if (t == nullptr) return ValueProblem::WrongType;
        if (t->find('\0') != std::string::npos) return ValueProblem::ZeroByte;
        return t->size() > limit ? ValueProblem::TooLong : ValueProblem::None;
    }
    const auto* n = std::get_if<std::uint32_t>(&value);
    if (n == nullptr) return ValueProblem::WrongType;
    return *n > limit ? ValueProblem::OutOfRange : ValueProblem::None;
}

std::span<const RecordField> RecordFields() { return Table(); }

const RecordField* FindRecordField(std::string_view name) {
    for (const RecordField& f : Table()) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

std::optional<link::Ipv4> ParseIpv4(std::string_view text) {
    const auto address = link::ParseIpv4Address(text);
    if (!address) return std::nullopt;
    return address->value();
}

std::vector<FieldChange> DiffRecords(const PrinterConfig& before, const PrinterConfig& after,
                                     link::ConfigLayout layout) {
    std::vector<FieldChange> changes;
    for (const RecordField& f : Table()) {
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
