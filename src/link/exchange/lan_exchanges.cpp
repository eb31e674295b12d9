#include "link/exchange/lan_exchanges.h"

#include <algorithm>

#include "link/printer_config.h"

namespace corvane::link {

namespace {

using std::chrono::milliseconds;
using Clock = DatagramPort::Clock;

bool Listed(const std::vector<std::string>& addresses, const std::string& address) {
    return std::find(addresses.begin(), addresses.end(), address) != addresses.end();
}

void AddAddress(std::vector<std::string>& addresses, const std::string& address) {
    if (!address.empty() && !Listed(addresses, address)) addresses.push_back(address);
}

}  // namespace

milliseconds ConfirmWait(link::ListMode mode) {
    return mode == link::ListMode::Wlan ? kWlanConfirmWait : kEthernetConfirmWait;
}
milliseconds RestartPause(link::ListMode mode) {
    return mode == link::ListMode::Wlan ? kWlanRestartPause : kEthernetRestartPause;
}
milliseconds VerifyLimit(link::ListMode mode) {
    return mode == link::ListMode::Wlan ? kWlanVerifyLimit : kEthernetVerifyLimit;
}

std::vector<std::string> PrinterAddresses(const link::DiscoveredDevice& before, const link::DiscoveredDevice& sent) {
    std::vector<std::string> addresses;
    AddAddress(addresses, before.answeredFrom);
    if (!before.ipAddress().isUnconfigured()) AddAddress(addresses, before.ipAddress().text());
    if (!sent.dhcp() && !sent.ipAddress().isUnconfigured()) AddAddress(addresses, sent.ipAddress().text());
    return addresses;
}

std::optional<StringId> ConfirmationOf(const SettingsRequest& request, const Datagram& answer) {
    if (!request.printerAddresses.empty() && !Listed(request.printerAddresses, answer.sender)) return std::nullopt;
    return link::ClassifySettingsAnswer(request.record.mode, answer.bytes);
}

Result<SettingsReply> ExchangeSettings(DatagramPort& port, const SettingsRequest& request, const CancelToken* cancel) {
    // An answer still waiting belongs to an earlier request (a plan sends
    // many in a row) and must not confirm this one.
    port.discardPending();
    const Bytes datagram = link::BuildSettingsRequest(request.record);
    if (auto sent = port.send(request.host, request.port, datagram); !sent) return sent.error();
    SettingsReply reply;
    const auto deadline = port.now() + request.wait;
    while (auto answer = port.receive(deadline, cancel)) {
        if (const auto message = ConfirmationOf(request, *answer)) {
            reply.confirmed = true;
            reply.messageId = *message;
            return reply;
        }
    }
    reply.cancelled = cancel && cancel->cancelled();
    return reply;
}

VerifyExchange::VerifyExchange(DatagramPort& port, VerifyRequest request, std::vector<link::DiscoveredDevice> sent,
                               ShowsChange shows)
    : port_(port), request_(std::move(request)), sent_(std::move(sent)), shows_(std::move(shows)) {
    outcome_.latest.resize(sent_.size());
    outcome_.shown.assign(sent_.size(), false);
    request_.interval = std::max(request_.interval, milliseconds(1));
}

void VerifyExchange::start() {
    start_ = port_.now();
    // Answers to the search that found the printers, or to the request, are
    // not what the printers report after the change.
    port_.discardPending();
}

bool VerifyExchange::allShown() const {
    return std::all_of(outcome_.shown.begin(), outcome_.shown.end(), [](bool b) { return b; });
}

void VerifyExchange::cancel() {
    if (done_) return;
    outcome_.cancelled = true;
    done_ = true;
}

void VerifyExchange::take(const Datagram& datagram) {
    // During the pause: the printer's answers from before its restart say
    // nothing about the change.
    if (done_ || !searching_) return;
    link::DiscoveryAnswer heard = link::ClassifyDiscoveryAnswer(request_.mode, datagram.bytes);
    if (heard.kind != link::DiscoveryAnswer::Kind::Device) return;
    heard.device.answeredFrom = datagram.sender;
    for (std::size_t i = 0; i < sent_.size(); ++i) {
        if (heard.device.macAddress() != sent_[i].macAddress()) continue;
        outcome_.shown[i] = shows_(sent_[i], heard.device);
        outcome_.latest[i] = heard.device;
    }
    // Stops listening once every printer shows its change.
    if (allShown()) done_ = true;
}

Result<void> VerifyExchange::step(const VerifyProgress& progress) {
    // A deadline already reached: the port hands over what is waiting.
    while (!done_) {
        auto datagram = port_.receive(port_.now(), nullptr);
        if (!datagram) break;
        take(*datagram);
    }
    const auto now = port_.now();
    if (done_ || now < nextWake()) return {};
    const auto deadline = start_ + request_.limit;
    // At least one search, however short the limit.
    if (outcome_.searches > 0 && now >= deadline) {
        done_ = true;
        return {};
    }
    if (progress) progress(std::chrono::duration_cast<milliseconds>(now - start_), request_.limit);
    ++outcome_.searches;
    searching_ = true;
    // The last search listens as long as a discovery does, not a whole interval.
    roundEnd_ = std::min(now + request_.interval, std::max(deadline, now + kSearchCollect));
    const Bytes search = link::BuildDiscoveryRequest(request_.mode);
    for (const std::string& host : request_.hosts) {
        if (auto sent = port_.send(host, request_.port, search); !sent) {
            done_ = true;
            return sent.error();
        }
    }
    return {};
}

Result<VerifyOutcome> VerifyChanges(DatagramPort& port, const VerifyRequest& request,
                                    const std::vector<link::DiscoveredDevice>& sent, const ShowsChange& shows,
                                    const CancelToken* cancel, const VerifyProgress& progress) {
    VerifyExchange verify(port, request, sent, shows);
    verify.start();
    while (!verify.over()) {
        if (auto stepped = verify.step(progress); !stepped) return stepped.error();
        if (verify.over()) break;
        if (auto datagram = port.receive(verify.nextWake(), cancel)) {
            verify.take(*datagram);
        } else if (cancel && cancel->cancelled()) {
            verify.cancel();
        }
    }
    return verify.outcome();
}

}  // namespace corvane::link
