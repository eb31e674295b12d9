// The LAN conversations with printers over a DatagramPort: the settings
// request and its confirmation, and the searches after a change that look
// for the printer again until it shows what was sent. Also the waits they
// use, written once for the command line and the windows.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/cancel_token.h"
#include "link/exchange/datagram_port.h"
#include "link/discovered_device.h"
#include "link/result.h"
#include "link/string_table.h"

namespace corvane::link {

// How long a settings request waits for its confirmation.
inline constexpr std::chrono::milliseconds kEthernetConfirmWait{10000};
inline constexpr std::chrono::milliseconds kWlanConfirmWait{1000};
// The pause after a confirmation before the first search: the printer
// restarts its network with the new settings.
inline constexpr std::chrono::milliseconds kEthernetRestartPause{3000};
inline constexpr std::chrono::milliseconds kWlanRestartPause{1000};
// The searches after a change: one every interval until the limit (counted
// from the confirmation). A wireless printer rejoins its network and asks
// for a lease, which takes longer than an Ethernet restart.
inline constexpr std::chrono::milliseconds kVerifyInterval{2000};
// How long a discovery collects answers (eleven ticks of 100 ms).
inline constexpr std::chrono::milliseconds kSearchCollect{1100};
inline constexpr std::chrono::milliseconds kEthernetVerifyLimit{30000};
inline constexpr std::chrono::milliseconds kWlanVerifyLimit{60000};

std::chrono::milliseconds ConfirmWait(link::ListMode mode);
std::chrono::milliseconds RestartPause(link::ListMode mode);
std::chrono::milliseconds VerifyLimit(link::ListMode mode);

// The addresses a printer's answers may come from: where it answered the
// search, the address it reported and, for a new fixed address, that one.
std::vector<std::string> PrinterAddresses(const link::DiscoveredDevice& before, const link::DiscoveredDevice& sent);

struct SettingsRequest {
    link::DiscoveredDevice record;  // the record sent, its mode included
    std::string host;               // a broadcast address or the printer's own
    std::uint16_t port = 0;
    // A confirmation counts only from one of these (empty: from any sender).
    // A confirmation does not name its printer, so without this a late
    // answer of another printer would confirm this request.
    std::vector<std::string> printerAddresses;
    std::chrono::milliseconds wait = kEthernetConfirmWait;
};

struct SettingsReply {
    bool confirmed = false;
    bool cancelled = false;  // the wait was cancelled: sent, the outcome unknown
    StringId messageId = kSaveFailed;
};

// The message of `answer` when it confirms `request`: the mode's
// confirmation, from one of the printer's addresses. Nullopt otherwise.
// The one rule for the command line's wait and the window's.
std::optional<StringId> ConfirmationOf(const SettingsRequest& request, const Datagram& answer);

// Drops what is left from earlier requests, sends the request and waits
// for the printer's confirmation, the wait's end or a cancel. The error
// means that nothing left.
Result<SettingsReply> ExchangeSettings(DatagramPort& port, const SettingsRequest& request,
                                       const CancelToken* cancel = nullptr);

struct VerifyRequest {
    link::ListMode mode = link::ListMode::Ethernet;
    std::vector<std::string> hosts;  // each search asks every one of them
    std::uint16_t port = 0;
    std::chrono::milliseconds pause = kEthernetRestartPause;
    std::chrono::milliseconds limit = kEthernetVerifyLimit;
    std::chrono::milliseconds interval = kVerifyInterval;
};

// Whether what a printer reports now shows the change that was sent.
using ShowsChange = std::function<bool(const link::DiscoveredDevice& sent, const link::DiscoveredDevice& found)>;
// Before each search: the time since the confirmation and the limit.
using VerifyProgress = std::function<void(std::chrono::milliseconds elapsed, std::chrono::milliseconds limit)>;

struct VerifyOutcome {
    // Beside each sent record: its printer's latest answer, if any came.
    std::vector<std::optional<link::DiscoveredDevice>> latest;
    std::vector<bool> shown;  // the latest answer shows the change
    bool cancelled = false;
    int searches = 0;
};

// The searches after a change, one step at a time, never waiting itself: a
// window calls step() from a timer set to nextWake() and when datagrams
// arrive; VerifyChanges waits on the port between the steps.
class VerifyExchange {
public:
    using Clock = DatagramPort::Clock;

    VerifyExchange(DatagramPort& port, VerifyRequest request, std::vector<link::DiscoveredDevice> sent,
                   ShowsChange shows);

    // Starts the pause: what has arrived so far says nothing about the change.
    void start();
    // Does what is due now: drops what arrives during the pause, starts
    // the next search when one is due (`progress` hears it), takes the
    // answers that have arrived. The error means a search could not leave.
    Result<void> step(const VerifyProgress& progress = {});
    // One datagram: dropped during the pause, else an answer taken.
    void take(const Datagram& datagram);
    void cancel();

    bool over() const { return done_; }
    // When the next step is due: the end of the pause or of this search.
    Clock::time_point nextWake() const { return searching_ ? roundEnd_ : start_ + request_.pause; }
    const VerifyOutcome& outcome() const { return outcome_; }

private:
    bool allShown() const;

    DatagramPort& port_;
    VerifyRequest request_;
    std::vector<link::DiscoveredDevice> sent_;
    ShowsChange shows_;
    VerifyOutcome outcome_;
    Clock::time_point start_{};
    Clock::time_point roundEnd_{};
    bool searching_ = false;
    bool done_ = false;
};

// Searches (after the pause) every interval until each sent printer,
// looked for by its MAC address, shows its change, or the limit. An answer
// that does not show the change yet is kept and the searches go on: the
// printer may still be on its way. The error means a search could not leave.
Result<VerifyOutcome> VerifyChanges(DatagramPort& port, const VerifyRequest& request,
                                    const std::vector<link::DiscoveredDevice>& sent, const ShowsChange& shows,
                                    const CancelToken* cancel = nullptr, const VerifyProgress& progress = {});

}  // namespace corvane::link
