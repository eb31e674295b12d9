// One discovery search over a DatagramPort: the mode's request to each
// address in turn, one per interval (the rate), every valid answer kept once
// per printer, and the search open until its collection time after the last
// request, a short WLAN answer or a cancel. The exchange never waits itself:
// a window calls its steps from timers and the port's arrivals, and
// RunDiscovery waits on the port between them.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/cancel_token.h"
#include "link/discovered_device.h"
#include "link/exchange/datagram_port.h"
#include "link/exchange/lan_exchanges.h"
#include "link/result.h"

namespace corvane::link {

struct DiscoveryPlan {
    link::ListMode mode = link::ListMode::Ethernet;
    std::vector<std::string> hosts;  // one request each, in this order
    std::uint16_t port = 0;
    std::chrono::milliseconds interval{0};               // between two requests
    std::chrono::milliseconds collect = kSearchCollect;  // open after the last request
};

// The time between two requests at `perSecond` (1 and up; rounded up, so
// the rate is never exceeded).
std::chrono::milliseconds RequestInterval(int perSecond);

class DiscoveryExchange {
public:
    using Clock = DatagramPort::Clock;

    DiscoveryExchange(DatagramPort& port, DiscoveryPlan plan);

    // Sends the first request. The error means it could not leave; the
    // search then does not run, since an empty list must mean that no
    // printer answered.
    Result<void> start();
    // Sends the next request once its interval has passed since the one
    // before: at most one per call, however late the call comes. A request
    // that cannot leave (no route to that address) is skipped: the others
    // may still answer. True when one was due.
    bool sendDue();
    // Takes what has arrived, without waiting; returns the valid answers,
    // each with its sender as `answeredFrom`. A short WLAN answer ends the
    // search. Once it is cancelled or ended, arrivals are dropped.
    std::vector<link::DiscoveredDevice> takeArrived();
    // Takes one datagram: the answer, when it was a valid one (then also in
    // devices()).
    std::optional<link::DiscoveredDevice> take(const Datagram& datagram);
    void cancel() { cancelled_ = true; }

    int sentCount() const { return sent_; }
    int total() const { return static_cast<int>(plan_.hosts.size()); }
    bool allSent() const { return sent_ >= total(); }
    bool cancelled() const { return cancelled_; }
    bool ended() const { return ended_; }  // by a short WLAN answer
    // Ended, cancelled, or the collection time after the last request passed.
    bool over() const;
    // When something is next due: the next request, or the end of the search.
    Clock::time_point nextWake() const;
    // Every printer that answered, once each (its latest answer), in the
    // order they first answered.
    const std::vector<link::DiscoveredDevice>& devices() const { return devices_; }

private:
    DatagramPort& port_;
    DiscoveryPlan plan_;
    Bytes request_;
    int sent_ = 0;
    Clock::time_point lastSent_{};
    bool cancelled_ = false;
    bool ended_ = false;
    std::vector<link::DiscoveredDevice> devices_;
    // Where each MAC's row is in `devices_`: a flood of answers stays linear.
    std::map<MacAddress, std::size_t> rowOfMac_;
};

// A whole search, waiting on the port: `sent` hears each request of a list
// (how many have left, of how many). The error means the first request
// could not leave.
using RequestsSent = std::function<void(int sent, int total)>;
Result<std::vector<link::DiscoveredDevice>> RunDiscovery(DatagramPort& port, const DiscoveryPlan& plan,
                                                         const CancelToken* cancel = nullptr,
                                                         const RequestsSent& sent = {});

}  // namespace corvane::link
