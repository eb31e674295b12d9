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

// Waits until `until`, dropping what arrives: answers from before the
// printer's restart say nothing about the change. False when cancelled.
bool PauseUntil(DatagramPort& port, Clock::time_point until, const CancelToken* cancel) {
    while (port.receive(until, cancel)) {}
    return !(cancel && cancel->cancelled());
}

}  // namespace

milliseconds ConfirmWait(lan::ListMode mode) {
    return mode == lan::ListMode::Wlan ? kWlanConfirmWait : kEthernetConfirmWait;
}
milliseconds RestartPause(lan::ListMode mode) {
    return mode == lan::ListMode::Wlan ? kWlanRestartPause : kEthernetRestartPause;
}
milliseconds VerifyLimit(lan::ListMode mode) {
    return mode == lan::ListMode::Wlan ? kWlanVerifyLimit : kEthernetVerifyLimit;
}

std::vector<std::string> PrinterAddresses(const lan::DiscoveredDevice& before, const lan::DiscoveredDevice& sent) {
    std::vector<std::string> addresses;
    AddAddress(addresses, before.answeredFrom);
    // 0.x.x.x is what a printer without an address reports; nothing answers from there.
    if (before.ipAddress()[0] != 0) AddAddress(addresses, FormatIpv4(before.ipAddress()));
    if (!sent.dhcp() && sent.ipAddress()[0] != 0) AddAddress(addresses, FormatIpv4(sent.ipAddress()));
    return addresses;
}

std::optional<StringId> ConfirmationOf(const SettingsRequest& request, const Datagram& answer) {
    if (!request.printerAddresses.empty() && !Listed(request.printerAddresses, answer.sender)) return std::nullopt;
    return lan::ClassifySettingsAnswer(request.record.mode, answer.bytes);
}

Result<SettingsReply> ExchangeSettings(DatagramPort& port, const SettingsRequest& request, const CancelToken* cancel) {
    // An answer still waiting belongs to an earlier request (a plan sends
    // many in a row) and must not confirm this one.
    port.discardPending();
    const Bytes datagram = lan::BuildSettingsRequest(request.record);
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

Result<void> Discover(DatagramPort& port, lan::ListMode mode, const std::vector<std::string>& hosts,
                      std::uint16_t remotePort, Clock::time_point until, const CancelToken* cancel,
                      const AnswerFn& answer) {
    const Bytes request = lan::BuildDiscoveryRequest(mode);
    for (const std::string& host : hosts) {
        if (auto sent = port.send(host, remotePort, request); !sent) return sent.error();
    }
    while (auto datagram = port.receive(until, cancel)) {
        lan::DiscoveryAnswer heard = lan::ClassifyDiscoveryAnswer(mode, datagram->bytes);
        if (heard.kind != lan::DiscoveryAnswer::Kind::Device) continue;
        heard.device.answeredFrom = datagram->sender;
        if (answer(heard.device)) break;
    }
    return {};
}

Result<VerifyOutcome> VerifyChanges(DatagramPort& port, const VerifyRequest& request,
                                    const std::vector<lan::DiscoveredDevice>& sent, const ShowsChange& shows,
                                    const CancelToken* cancel, const VerifyProgress& progress) {
    VerifyOutcome outcome;
    outcome.latest.resize(sent.size());
    outcome.shown.assign(sent.size(), false);
    const auto start = port.now();
    const auto deadline = start + request.limit;
    const auto interval = std::max(request.interval, milliseconds(1));
    // Answers to the search that found the printers, or to the request, are
    // not what the printers report after the change.
    port.discardPending();
    if (!PauseUntil(port, start + request.pause, cancel)) {
        outcome.cancelled = true;
        return outcome;
    }
    const auto allShown = [&] {
        return std::all_of(outcome.shown.begin(), outcome.shown.end(), [](bool b) { return b; });
    };
    // Stops listening once every printer shows its change.
    const auto take = [&](const lan::DiscoveredDevice& device) {
        for (std::size_t i = 0; i < sent.size(); ++i) {
            if (device.macAddress() != sent[i].macAddress()) continue;
            outcome.shown[i] = shows(sent[i], device);
            outcome.latest[i] = device;
        }
        return allShown();
    };
    // At least one search, however short the limit.
    for (auto roundStart = port.now(); outcome.searches == 0 || roundStart < deadline; roundStart = port.now()) {
        if (progress) progress(std::chrono::duration_cast<milliseconds>(roundStart - start), request.limit);
        ++outcome.searches;
        // The last search listens as long as a discovery does, not a whole interval.
        const auto roundEnd = std::min(roundStart + interval, std::max(deadline, roundStart + kSearchCollect));
        if (auto searched = Discover(port, request.mode, request.hosts, request.port, roundEnd, cancel, take);
            !searched)
            return searched.error();
        if (allShown()) return outcome;
        if (cancel && cancel->cancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
    }
    return outcome;
}

}  // namespace corvane::link
