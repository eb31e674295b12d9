// The steps of a LAN settings change that lan-set and lan-plan share: the
// checks before sending, one request and its confirmation, the pause while
// the printer restarts and the verification search after it.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "cli/lan_search.h"
#include "link/discovered_device.h"
#include "link/string_table.h"
#include "rules/lan_verify.h"

namespace corvane::cli {

// The first record of `devices` with this MAC address, or nullptr.
lan::DiscoveredDevice* findByMac(lan::DeviceList& devices, const std::array<std::uint8_t, 6>& mac);

// One request from the search's interface; waits for the confirmation or
// the mode's time-out. `error` is set when the datagram did not leave.
struct SendOutcome {
    bool sent = false;
    bool confirmed = false;
    StringId messageId{};
    QString error;
};
SendOutcome sendSettings(const LanSearchSetup& setup, const lan::DiscoveredDevice& record);

// --verify-delay, or the pause the device list makes before it searches
// again (3 s Ethernet, 1 s WLAN). nullopt when the option is not a number.
std::optional<int> verifyDelayMs(const Invocation& invocation, lan::ListMode mode);

// Waits `ms` with the event loop running.
void pauseMs(int ms);

// What the search after a change found for one printer.
struct Verification {
    bool answered = false;
    lan::DiscoveredDevice found;  // what it reports now, when it answered
    std::vector<rules::SettingDifference> differences;
    bool verified() const { return answered && differences.empty(); }
};

// Where the verification search for a printer found by its own address
// goes (empty: where the first search went).
QString verificationTarget(const lan::DiscoveredDevice& before, const lan::DiscoveredDevice& sent);

// One search after the pause; each `sent` record is looked for by its MAC.
// `unicastTargets`, when given, replace the search's targets. False with
// `error` set when the search could not run.
bool verifyAfterChange(const LanSearchSetup& setup, const std::vector<lan::DiscoveredDevice>& sent,
                       std::vector<Verification>& results, QString* error,
                       const QStringList& unicastTargets = {});

// "Verified: now at 10.0.0.51, port 9100", "Not verified: ..." (English).
QString verificationText(const Verification& verification);

}  // namespace corvane::cli
