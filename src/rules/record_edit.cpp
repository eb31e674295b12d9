#include "rules/record_edit.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <tuple>

#include "rules/direct_config_model.h"
#include "rules/record_fields.h"
#include "rules/text_entry.h"

namespace corvane::rules {

namespace {

using link::ConfigLayout;
using link::PrinterConfig;
using Edit = std::function<MaybeNotice(std::string_view)>;

// The bytes of one field of a serialised record.
ByteSpan FieldBytes(const Bytes& record, const link::ConfigField& field, ConfigLayout layout) {
    return ByteSpan(record).subspan(field.offset(layout), field.width);
}

bool SameBytes(ByteSpan a, ByteSpan b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

bool IsWep(int cipher) { return cipher == code::kWep64 || cipher == code::kWep128; }

class EditPlayer {
public:
    EditPlayer(const PrinterConfig& printer, const PrinterConfig& edited, const link::PrinterSystemInfo& info,
               ConfigLayout layout)
        : edited_(edited), layout_(layout) {
        model_.applyRecord(printer, info, layout);
        model_.finishConnect();
        const Bytes before = link::SerializeConfig(printer, layout);
        const Bytes after = link::SerializeConfig(edited, layout);
        for (const auto& field : link::ConfigFields())
            if (field.inLayout(layout) &&
                !SameBytes(FieldBytes(before, field, layout), FieldBytes(after, field, layout)))
                changed_.insert(field.name);
    }

    RecordEditPlan play() {
        if (playSystem() && playProtocol() && playNetworkAndSecurity() && runChecks()) {
            plan_.config = model_.buildConfig();
            verifyWritten();
        }
        return plan_;
    }

private:
    bool changed(std::string_view field) const { return changed_.count(field) != 0; }

    bool refuse(const Notice& notice, std::string_view field) {
        plan_.refusal = notice;
        plan_.field = field;
        return false;
    }
    bool unavailable(Tab tab, int control, std::string_view field) {
        return refuse(PageNotice(tab, kSettingNotAvailable, control), field);
    }

    template <typename Page, typename Control>
    static bool offered(const Page& page, Control control) {
        const ControlState& state = page.controls()[control];
        return state.enabled && state.visible;
    }

    // Types `text` into the edit of a record text field, as far as the edit
    // takes it.
    bool type(std::string_view field, Tab tab, int control, bool isOffered, const std::string& text, const Edit& edit) {
        if (!changed(field)) return true;
        if (!isOffered) return unavailable(tab, control, field);
        const EntryFault fault = CheckTypedText(field, text);
        const link::ConfigField* entry = link::FindConfigField(field);
        // The PIN edit takes digits only, at most eight: any other PIN is wrong.
        if (fault != EntryFault::None && entry && entry->rule == link::TextRule::Digits)
            return refuse(PageNotice(tab, kIncorrectPin, control), field);
        switch (fault) {
        case EntryFault::None: break;
        case EntryFault::TooManyBytes:
        case EntryFault::TooManyCharacters: return refuse(PageNotice(tab, kTextTooLong, control), field);
        default: return unavailable(tab, control, field);
        }
        if (auto notice = edit(text)) return refuse(*notice, field);
        return true;
    }

    // Types a number into a digits-only edit; its range rule may refuse it.
    bool typeNumber(std::string_view field, Tab tab, int control, bool isOffered, std::uint32_t value,
                    const Edit& edit) {
        if (!changed(field)) return true;
        if (!isOffered) return unavailable(tab, control, field);
        if (auto notice = edit(std::to_string(value))) return refuse(*notice, field);
        return true;
    }

    bool playSystem() {
        using C = SystemControl;
        auto& page = model_.tabs.system;
        const auto typeInto = [&](const char* field, C control, const std::string& text) {
            return type(field, Tab::System, static_cast<int>(control), offered(page, control), text,
                        [&page, control](std::string_view t) { return page.editText(control, t); });
        };
        return typeInto("printerName", C::PrinterName, edited_.printerName) &&
               typeInto("userId", C::UserId, edited_.userId) &&
               // The password is typed twice, into the confirmation too.
               typeInto("userPassword", C::UserPassword, edited_.userPassword) &&
               typeInto("userPassword", C::ConfirmPassword, edited_.userPassword) &&
               typeNumber("printerPort", Tab::System, static_cast<int>(C::PrinterPort), offered(page, C::PrinterPort),
                          edited_.printerPort,
                          [&page](std::string_view t) { return page.editText(C::PrinterPort, t); });
    }

    bool playProtocol() {
        using C = ProtocolControl;
        auto& page = model_.tabs.protocol;
        const std::tuple<const char*, C, int> switches[] = {{"httpsEnabled", C::Https, edited_.httpsEnabled},
                                                            {"telnetEnabled", C::Telnet, edited_.telnetEnabled},
                                                            {"ftpEnabled", C::Ftp, edited_.ftpEnabled},
                                                            {"snmpEnabled", C::Snmp, edited_.snmpEnabled}};
        for (const auto& [field, list, index] : switches) {
            if (!changed(field)) continue;
            if (!offered(page, list) || index >= ProtocolPage::kSwitchEntries)
                return unavailable(Tab::Protocol, static_cast<int>(list), field);
            page.chooseEntry(list, index);
        }
        const auto typeInto = [&](const char* field, C control, const std::string& text) {
            return type(field, Tab::Protocol, static_cast<int>(control), offered(page, control), text,
                        [&page, control](std::string_view t) { return page.editText(control, t); });
        };
        if (!typeInto("setCommunity", C::SetCommunity, edited_.setCommunity) ||
            !typeInto("getCommunity", C::GetCommunity, edited_.getCommunity) ||
            !typeInto("trapCommunity", C::TrapCommunity, edited_.trapCommunity))
            return false;
        if (changed("trapAddress")) {
            if (!offered(page, C::TrapAddress))
                return unavailable(Tab::Protocol, static_cast<int>(C::TrapAddress), "trapAddress");
            page.setTrapAddress(edited_.trapAddress);
        }
        return true;
    }

    // WPA methods are offered in infrastructure mode only, and ad hoc mode is
    // refused under them: a change towards infrastructure comes before the
    // security choices, any other mode change after them.
    bool playNetworkAndSecurity() {
        const bool toInfra = changed("networkMode") && edited_.networkMode == code::kInfra;
        if (toInfra && !chooseMode()) return false;
        if (!playSecurity()) return false;
        if (changed("networkMode") && !toInfra && !chooseMode()) return false;
        return playNetwork();
    }

    bool chooseMode() {
        using C = NetworkControl;
        auto& page = model_.tabs.network;
        const C radios[] = {C::InfraRadio, C::AdhocRadio, C::WifiDirectRadio};
        const int mode = edited_.networkMode;
        if (mode >= static_cast<int>(std::size(radios)) || !offered(page, radios[mode]))
            return unavailable(Tab::Network, static_cast<int>(C::InfraRadio), "networkMode");
        if (mode == code::kInfra) page.clickInfra();
        if (mode == code::kWifiDirect) page.clickWifiDirect();
        if (mode == code::kAdhoc)
            if (auto notice = page.clickAdhoc()) return refuse(*notice, "networkMode");
        return true;
    }

    bool playSecurity() {
        using C = SecurityControl;
        auto& page = model_.tabs.security;
        page.refreshControls();  // as when its tab is shown
        const auto click = [&](const char* field, C radio) {
            if (!offered(page, radio)) return unavailable(Tab::Security, static_cast<int>(radio), field);
            page.click(radio);
            return true;
        };
        if (changed("authentication")) {
            const C radios[] = {C::OpenSystem, C::SharedKey, C::WpaPsk, C::Wpa2Psk, C::Wpa, C::Wpa2};
            if (edited_.authentication >= std::size(radios))
                return unavailable(Tab::Security, static_cast<int>(C::OpenSystem), "authentication");
            if (!click("authentication", radios[edited_.authentication])) return false;
        }
        if (changed("cipher")) {
            const C radios[] = {C::CipherNone, C::CipherWep, C::CipherWep,
                                C::CipherTkip, C::CipherAes, C::CipherAesTkip};
            if (edited_.cipher >= std::size(radios))
                return unavailable(Tab::Security, static_cast<int>(C::CipherNone), "cipher");
            if (!click("cipher", radios[edited_.cipher])) return false;
        }
        const auto typeInto = [&](const char* field, C control, const std::string& text) {
            return type(field, Tab::Security, static_cast<int>(control), offered(page, control), text,
                        [&page, control](std::string_view t) { return page.editText(control, t); });
        };
        if (!typeInto("wepKey", C::WepKey, edited_.wepKey) || !typeInto("pskKey", C::PskKey, edited_.pskKey) ||
            !typeInto("authId", C::AuthId, edited_.authId) ||
            !typeInto("authPassword", C::AuthPassword, edited_.authPassword))
            return false;
        if (changed("eapMode")) {
            // EAP "NONE", the code after the last radio, has none.
            const C radios[] = {C::EapPeap, C::EapTtls, C::EapTls, C::EapLeap, C::EapFast};
            if (edited_.eapMode >= std::size(radios))
                return unavailable(Tab::Security, static_cast<int>(C::EapPeap), "eapMode");
            if (!click("eapMode", radios[edited_.eapMode])) return false;
        }
        return true;
    }

    bool playNetwork() {
        using C = NetworkControl;
        auto& page = model_.tabs.network;
        if (changed("ipAssignment")) {
            if (edited_.ipAssignment == 0) {
                if (!offered(page, C::ManualRadio))
                    return unavailable(Tab::Network, static_cast<int>(C::ManualRadio), "ipAssignment");
                page.clickManual();
            } else if (auto notice = page.clickDhcp()) {
                return refuse(*notice, "ipAssignment");
            }
        }
        const std::tuple<const char*, C, link::Ipv4Address> addresses[] = {
            {"ipAddress", C::IpAddress, edited_.ipAddress},
            {"subnetMask", C::SubnetMask, edited_.subnetMask},
            {"gateway", C::Gateway, edited_.gateway}};
        for (const auto& [field, control, address] : addresses) {
            if (!changed(field)) continue;
            if (!offered(page, control)) return unavailable(Tab::Network, static_cast<int>(control), field);
            page.setAddress(control, address);
        }
        const auto edit = [&page](C control) {
            return [&page, control](std::string_view t) { return page.editText(control, t); };
        };
        const auto number = [&](const char* field, C control, std::uint32_t value) {
            return typeNumber(field, Tab::Network, static_cast<int>(control), offered(page, control), value,
                              edit(control));
        };
        const auto text = [&](const char* field, C control, const std::string& value) {
            return type(field, Tab::Network, static_cast<int>(control), offered(page, control), value, edit(control));
        };
        if (!number("adhocChannel", C::AdhocChannel, edited_.adhocChannel) || !text("ssid", C::Ssid, edited_.ssid) ||
            !number("inactivityTime", C::InactivityTime, edited_.inactivityTime))
            return false;
        if (changed("p2pChannel")) {
            const auto& entries = NetworkPage::kChannelEntries;
            const auto it = std::find(entries.begin(), entries.end(), edited_.p2pChannel);
            if (!offered(page, C::P2pChannel) || it == entries.end())
                return unavailable(Tab::Network, static_cast<int>(C::P2pChannel), "p2pChannel");
            page.chooseP2pChannel(static_cast<int>(it - entries.begin()));
        }
        if (changed("p2pConnMode")) {
            if (!offered(page, C::P2pConnMode) || edited_.p2pConnMode >= NetworkPage::kConnModeEntries.size())
                return unavailable(Tab::Network, static_cast<int>(C::P2pConnMode), "p2pConnMode");
            page.chooseP2pConnMode(edited_.p2pConnMode);
        }
        return text("p2pPinCode", C::PinCode, edited_.p2pPinCode);
    }

    // Every page as if it had been left, then Save's own checks.
    bool runChecks() {
        const auto& tabs = model_.tabs;
        for (const MaybeNotice& notice :
             {tabs.system.checkValues(), tabs.protocol.checkValues(), tabs.network.leaveCheck(),
              tabs.network.saveCheck(), tabs.security.checkValues()})
            if (notice) return refuse(*notice, std::string(NoticeField(*notice)));
        if (const MaybeNotice notice = model_.prepareSave()) return refuse(*notice, std::string(NoticeField(*notice)));
        return true;
    }

    // What the edits set is what goes out. The one value the window settles
    // itself is WEP64 against WEP128, by the key's length.
    void verifyWritten() {
        const Bytes wanted = link::SerializeConfig(edited_, layout_);
        const Bytes written = link::SerializeConfig(plan_.config, layout_);
        for (const auto& field : link::ConfigFields()) {
            if (!changed(field.name)) continue;
            if (SameBytes(FieldBytes(wanted, field, layout_), FieldBytes(written, field, layout_))) continue;
            if (std::string_view(field.name) == "cipher" && IsWep(edited_.cipher) && IsWep(plan_.config.cipher))
                continue;
            refuse(Notice{kSettingNotAvailable, kWindowScope, 0}, field.name);
            return;
        }
    }

    DirectConfigModel model_;
    const PrinterConfig& edited_;
    ConfigLayout layout_;
    std::set<std::string_view> changed_;
    RecordEditPlan plan_;
};

}  // namespace

RecordEditPlan PlanRecordEdit(const PrinterConfig& printer, const PrinterConfig& edited,
                              const link::PrinterSystemInfo& info, ConfigLayout layout) {
    return EditPlayer(printer, edited, info, layout).play();
}

}  // namespace corvane::rules
