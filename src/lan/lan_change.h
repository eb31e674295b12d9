// The steps of a LAN settings change that lan-set, lan-plan and the windows
// share: one request and its confirmation, then the searches that look for
// the printer again until it shows the change or the time is up.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "lan/search_setup.h"
#include "link/cancel_token.h"
#include "link/discovered_device.h"
#include "link/exchange/lan_exchanges.h"
#include "rules/lan_verify.h"

namespace corvane::lan {

// The first record of `devices` with this MAC address, or nullptr.
link::DiscoveredDevice* findByMac(link::DeviceList& devices, const link::MacAddress& mac);

// The settings request for `record`: to where the printer was found (its
// own address when found by it, else the mode's target), confirmed only
// from its addresses, waiting the setup's or the mode's time.
link::SettingsRequest settingsRequestFor(const SearchSetup& setup, const link::DiscoveredDevice& before,
                                         const link::DiscoveredDevice& record);
// The local address a request for `record` leaves from: the adapter that
// heard the printer, else the search's.
QString requestLocalAddress(const SearchSetup& setup, const link::DiscoveredDevice& record);

// One request from the interface the printer was found on (the search's
// when the record does not say), to where it was found; waits for its
// confirmation, counted only from that printer (`before`'s addresses or
// the new one), the mode's time-out or a cancel. `error` is set when the
// datagram did not leave.
struct SendOutcome {
    bool sent = false;
    bool confirmed = false;
    bool cancelled = false;  // sent, and the wait was cancelled
    StringId messageId{};
    QString error;
};
SendOutcome sendSettings(const SearchSetup& setup, const link::DiscoveredDevice& before,
                         const link::DiscoveredDevice& record, const link::CancelToken* cancel = nullptr);

// The waits after a confirmation: the pause while the printer restarts,
// then a search every two seconds until the limit (from the confirmation).
struct VerifyTiming {
    int pauseMs = 0;
    int limitMs = 0;
    int intervalMs = static_cast<int>(link::kVerifyInterval.count());
};
VerifyTiming defaultVerifyTiming(link::ListMode mode);
inline constexpr int kLongestVerifyDelayMs = 600000;
inline constexpr int kLongestVerifyTimeoutS = 3600;

// What the searches after a change found for one printer.
struct Verification {
    bool answered = false;
    link::DiscoveredDevice found;  // what it reported last, when it answered
    std::vector<rules::SettingDifference> differences;
    bool noAddressYet = false;  // DHCP on, and no address from the server yet
    bool cancelled = false;     // the searches were cancelled before it showed the change
    bool verified() const { return answered && differences.empty() && !noAddressYet; }
};

// A printer whose change was confirmed: as it was found, and as it was sent.
struct ChangedPrinter {
    link::DiscoveredDevice before;
    link::DiscoveredDevice sent;
};

// Where the searches for changed printers go: a printer found by its own
// address at that address and, with a new fixed address it answered from,
// at the new one; a printer found by broadcast where the first search went.
QStringList verificationHosts(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed);

// The searches for `changed` from the setup's local address, with the
// timing's pause, limit and interval; the records that were sent; and what
// the searches' outcome says about each printer.
link::VerifyRequest verifyRequestFor(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed,
                                     const VerifyTiming& timing);
std::vector<link::DiscoveredDevice> sentRecords(const std::vector<ChangedPrinter>& changed);
std::vector<Verification> verificationsOf(const std::vector<ChangedPrinter>& changed,
                                          const link::VerifyOutcome& outcome);

// Searches until every changed printer shows its change or the limit;
// each is looked for by its MAC. False with `error` set when a search could
// not leave. `progress` hears the seconds since the confirmation.
bool verifyAfterChange(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed, const VerifyTiming& timing,
                       std::vector<Verification>& results, QString* error, const link::CancelToken* cancel = nullptr,
                       const link::VerifyProgress& progress = {});

// "Verified: now at 10.0.0.51, port 9100", "Not verified: ..." (English).
QString verificationText(const Verification& verification);

// The history line of a verification, after the change's own line; empty
// when written, else why not.
QString recordVerification(const char* frontEnd, link::ListMode mode, const QString& localAddress,
                           const link::DiscoveredDevice& sent, const Verification& verification);

}  // namespace corvane::lan
