#include "link/exchange/discovery_exchange.h"

#include <algorithm>

namespace corvane::link {

std::chrono::milliseconds RequestInterval(int perSecond) {
    const int rate = std::max(perSecond, 1);
    return std::chrono::milliseconds((1000 + rate - 1) / rate);
}

DiscoveryExchange::DiscoveryExchange(DatagramPort& port, DiscoveryPlan plan)
    : port_(port), plan_(std::move(plan)), request_(link::BuildDiscoveryRequest(plan_.mode)) {}

Result<void> DiscoveryExchange::start() {
    if (plan_.hosts.empty()) return Error{Failure::NotSent, "no address to search"};
    // Answers to an earlier search on the same port are not this one's.
    port_.discardPending();
    lastSent_ = port_.now();
    ++sent_;
    if (auto sent = port_.send(plan_.hosts.front(), plan_.port, request_); !sent) {
        cancelled_ = true;
        return sent.error();
    }
    return {};
}

bool DiscoveryExchange::sendDue() {
    if (over() || allSent() || port_.now() - lastSent_ < plan_.interval) return false;
    // Counted from when it left, not from when it was due: a late call
    // never sends two at once.
    lastSent_ = port_.now();
    const std::string& host = plan_.hosts[static_cast<std::size_t>(sent_)];
    ++sent_;
    (void)port_.send(host, plan_.port, request_);
    return true;
}

std::optional<link::DiscoveredDevice> DiscoveryExchange::take(const Datagram& datagram) {
    // Whoever waits ends the collection time; an answer taken is kept.
    if (cancelled_ || ended_) return std::nullopt;
    link::DiscoveryAnswer heard = link::ClassifyDiscoveryAnswer(plan_.mode, datagram.bytes);
    if (heard.kind == link::DiscoveryAnswer::Kind::EndSearch) ended_ = true;
    if (heard.kind != link::DiscoveryAnswer::Kind::Device) return std::nullopt;
    heard.device.answeredFrom = datagram.sender;
    // A printer asked at several addresses, or answering twice, is one printer.
    const auto [row, added] = rowOfMac_.try_emplace(heard.device.macAddress(), devices_.size());
    if (added) {
        devices_.push_back(heard.device);
    } else {
        devices_[row->second] = heard.device;
    }
    return heard.device;
}

std::vector<link::DiscoveredDevice> DiscoveryExchange::takeArrived() {
    std::vector<link::DiscoveredDevice> heard;
    // A deadline already reached: the port hands over what is waiting and
    // returns at once.
    while (auto datagram = port_.receive(port_.now(), nullptr)) {
        if (auto device = take(*datagram)) heard.push_back(std::move(*device));
    }
    return heard;
}

bool DiscoveryExchange::over() const {
    return cancelled_ || ended_ || (allSent() && port_.now() >= lastSent_ + plan_.collect);
}

DiscoveryExchange::Clock::time_point DiscoveryExchange::nextWake() const {
    return allSent() ? lastSent_ + plan_.collect : lastSent_ + plan_.interval;
}

Result<std::vector<link::DiscoveredDevice>> RunDiscovery(DatagramPort& port, const DiscoveryPlan& plan,
                                                         const CancelToken* cancel, const RequestsSent& sent) {
    DiscoveryExchange search(port, plan);
    if (auto started = search.start(); !started) return started.error();
    if (sent && search.total() > 1) sent(search.sentCount(), search.total());
    while (!search.over()) {
        if (search.sendDue() && sent) sent(search.sentCount(), search.total());
        if (auto datagram = port.receive(search.nextWake(), cancel)) {
            search.take(*datagram);
        } else if (cancel && cancel->cancelled()) {
            search.cancel();
        }
    }
    return search.devices();
}

}  // namespace corvane::link
