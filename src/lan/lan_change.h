// The steps of a LAN settings change that lan-set and lan-plan share: the
// checks before sending, one request and its confirmation, the pause while
// the printer restarts and the verification search after it.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "lan/search_setup.h"
#include "link/cancel_token.h"
#include "link/discovered_device.h"
#include "rules/lan_verify.h"

namespace corvane::lan {

// The first record of `devices` with this MAC address, or nullptr.
DiscoveredDevice* findByMac(DeviceList& devices, const std::array<std::uint8_t, 6>& mac);

// One request from the interface the printer was found on (the search's
// when the record does not say); waits for the confirmation or
// the mode's time-out. `error` is set when the datagram did not leave.
struct SendOutcome {
    bool sent = false;
    bool confirmed = false;
    StringId messageId{};
    QString error;
};
SendOutcome sendSettings(const SearchSetup& setup, const DiscoveredDevice& record);

// The pause the device list makes before it searches again after a change
// (3 s Ethernet, 1 s WLAN).
int defaultVerifyDelayMs(ListMode mode);
inline constexpr int kLongestVerifyDelayMs = 600000;

// Waits `ms` with the event loop running; a cancel request ends the wait
// early (looked at every 50 ms). False when it was cancelled.
bool pauseMs(int ms, const link::CancelToken* cancel = nullptr);

// What the search after a change found for one printer.
struct Verification {
    bool answered = false;
    DiscoveredDevice found;  // what it reports now, when it answered
    std::vector<rules::SettingDifference> differences;
    bool verified() const { return answered && differences.empty(); }
};

// Where the verification search for a printer found by its own address
// goes (empty: where the first search went).
QString verificationTarget(const DiscoveredDevice& before, const DiscoveredDevice& sent);

// One search after the pause; each `sent` record is looked for by its MAC.
// `unicastTargets`, when given, replace the search's targets. False with
// `error` set when the search could not run.
bool verifyAfterChange(const SearchSetup& setup, const std::vector<DiscoveredDevice>& sent,
                       std::vector<Verification>& results, QString* error, const QStringList& unicastTargets = {});

// "Verified: now at 10.0.0.51, port 9100", "Not verified: ..." (English).
QString verificationText(const Verification& verification);

}  // namespace corvane::lan
