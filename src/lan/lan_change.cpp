#include "lan/lan_change.h"

#include <algorithm>
#include <chrono>

#include "history/change_entries.h"
#include "lan/request_failure.h"
#include "link/printer_config.h"
#include "link/string_table.h"
#include "rules/lan_send_checks.h"
#include "transport/local_addresses.h"
#include "transport/udp_datagram_port.h"

namespace corvane::lan {

namespace {

void addHost(QStringList& hosts, const QString& host) {
    if (!host.isEmpty() && !hosts.contains(host)) hosts << host;
}

}  // namespace

link::DiscoveredDevice* findByMac(link::DeviceList& devices, const link::MacAddress& mac) {
    for (int n = 1; link::DiscoveredDevice* d = devices.deviceAt(n); ++n) {
        if (d->macAddress() == mac) return d;
    }
    return nullptr;
}

QString requestLocalAddress(const SearchSetup& setup, const link::DiscoveredDevice& record) {
    // Found by a search from every adapter: the request leaves through the
    // adapter that heard the printer.
    return record.localAddress.empty() ? setup.localAddress : QString::fromStdString(record.localAddress);
}

link::SettingsRequest settingsRequestFor(const SearchSetup& setup, const link::DiscoveredDevice& before,
                                         const link::DiscoveredDevice& record) {
    const QString local = requestLocalAddress(setup, record);
    const QString broadcast =
        local == setup.localAddress ? setup.broadcastAddress : transport::broadcastAddressFor(local);
    link::SettingsRequest request;
    request.record = record;
    // A printer found by its own address (across routers, say) is not
    // reached by broadcast: the request goes where it answered from.
    request.host = record.unicast && !record.answeredFrom.empty()
                       ? record.answeredFrom
                       : setup.endpoints.targetFor(setup.mode, broadcast).toStdString();
    request.port = static_cast<std::uint16_t>(setup.endpoints.remotePortFor(setup.mode));
    request.printerAddresses = link::PrinterAddresses(before, record);
    request.wait = setup.settingsTimeoutMs > 0 ? std::chrono::milliseconds(setup.settingsTimeoutMs)
                                               : link::ConfirmWait(setup.mode);
    return request;
}

SendOutcome sendSettings(const SearchSetup& setup, const link::DiscoveredDevice& before,
                         const link::DiscoveredDevice& record, const link::CancelToken* cancel) {
    SendOutcome outcome;
    transport::UdpChannel channel;
    channel.setLocalPort(setup.endpoints.localPortFor(setup.mode));
    channel.setLocalAddress(requestLocalAddress(setup, record));
    transport::UdpDatagramPort port(channel);
    const link::SettingsRequest request = settingsRequestFor(setup, before, record);
    const auto reply = link::ExchangeSettings(port, request, cancel);
    if (!reply) {
        outcome.messageId = kSaveFailed;
        outcome.error = numberedText(kSettingsNotSent, channelFailureText(channel.failure()));
        return outcome;
    }
    outcome.sent = true;
    outcome.confirmed = reply->confirmed;
    outcome.cancelled = reply->cancelled;
    outcome.messageId = reply->messageId;
    return outcome;
}

VerifyTiming defaultVerifyTiming(link::ListMode mode) {
    return {static_cast<int>(link::RestartPause(mode).count()), static_cast<int>(link::VerifyLimit(mode).count())};
}

QStringList verificationHosts(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed) {
    QStringList hosts;
    bool broadcastFound = false;
    for (const auto& [before, sent] : changed) {
        if (!before.unicast || before.answeredFrom.empty()) {
            broadcastFound = true;
            continue;
        }
        const QString from = QString::fromStdString(before.answeredFrom);
        // A printer that answered from the address it reported moves with a
        // new fixed address; one that answered from elsewhere (behind a
        // translating router, say) may still be reached there.
        if (!sent.dhcp() && from == QString::fromStdString(before.ipAddress().text()) &&
            !sent.ipAddress().isUnconfigured()) {
            addHost(hosts, QString::fromStdString(sent.ipAddress().text()));
        }
        addHost(hosts, from);
        // Where a DHCP server gives it is unknown: ask where the search went.
        if (sent.dhcp()) broadcastFound = true;
    }
    if (broadcastFound) {
        QStringList searched = setup.endpoints.targets();
        if (searched.isEmpty()) searched = {setup.endpoints.targetFor(setup.mode, setup.broadcastAddress)};
        for (const QString& host : searched) addHost(hosts, host);
    }
    return hosts;
}

link::VerifyRequest verifyRequestFor(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed,
                                     const VerifyTiming& timing) {
    link::VerifyRequest request;
    request.mode = setup.mode;
    for (const QString& host : verificationHosts(setup, changed)) request.hosts.push_back(host.toStdString());
    request.port = static_cast<std::uint16_t>(setup.endpoints.remotePortFor(setup.mode));
    request.pause = std::chrono::milliseconds(timing.pauseMs);
    request.limit = std::chrono::milliseconds(std::max(timing.limitMs, timing.pauseMs));
    request.interval = std::chrono::milliseconds(timing.intervalMs);
    return request;
}

std::vector<link::DiscoveredDevice> sentRecords(const std::vector<ChangedPrinter>& changed) {
    std::vector<link::DiscoveredDevice> sent;
    for (const auto& c : changed) sent.push_back(c.sent);
    return sent;
}

std::vector<Verification> verificationsOf(const std::vector<ChangedPrinter>& changed,
                                          const link::VerifyOutcome& outcome) {
    std::vector<Verification> results(changed.size());
    for (std::size_t i = 0; i < changed.size(); ++i) {
        Verification& v = results[i];
        v.cancelled = outcome.cancelled && !outcome.shown[i];
        if (!outcome.latest[i]) continue;
        v.answered = true;
        v.found = *outcome.latest[i];
        v.differences = rules::CompareWithSent(changed[i].sent, v.found);
        v.noAddressYet = rules::NoAddressYet(changed[i].sent, v.found);
    }
    return results;
}

namespace {

// The searches from one local address for the printers found there.
bool verifyFrom(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed, const VerifyTiming& timing,
                std::vector<Verification>& results, QString* error, const link::CancelToken* cancel,
                const link::VerifyProgress& progress) {
    transport::UdpChannel channel;
    channel.setLocalPort(setup.endpoints.localPortFor(setup.mode));
    channel.setLocalAddress(setup.localAddress);
    transport::UdpDatagramPort port(channel);
    const auto outcome = link::VerifyChanges(port, verifyRequestFor(setup, changed, timing), sentRecords(changed),
                                             rules::ShowsChange, cancel, progress);
    if (!outcome) {
        if (error) *error = numberedText(kSearchNotStarted, channelFailureText(channel.failure()));
        return false;
    }
    results = verificationsOf(changed, *outcome);
    return true;
}

}  // namespace

bool verifyAfterChange(const SearchSetup& setup, const std::vector<ChangedPrinter>& changed, const VerifyTiming& timing,
                       std::vector<Verification>& results, QString* error, const link::CancelToken* cancel,
                       const link::VerifyProgress& progress) {
    results.assign(changed.size(), Verification{});
    // Printers found from every adapter at once are searched for from the
    // address that heard each of them, one address after the other; the
    // later ones get what is left of the time.
    std::vector<QString> locals;
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < changed.size(); ++i) {
        const QString local =
            setup.localAddress.isEmpty() ? QString::fromStdString(changed[i].before.localAddress) : setup.localAddress;
        const auto at = std::find(locals.begin(), locals.end(), local);
        if (at == locals.end()) {
            locals.push_back(local);
            groups.push_back({i});
        } else {
            groups[static_cast<std::size_t>(at - locals.begin())].push_back(i);
        }
    }
    const auto start = std::chrono::steady_clock::now();
    bool searched = true;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        SearchSetup from = setup;
        from.localAddress = locals[g];
        if (locals[g] != setup.localAddress) from.broadcastAddress = transport::broadcastAddressFor(locals[g]);
        VerifyTiming left = timing;
        if (g > 0) {
            const auto spent =
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
            left.pauseMs = 0;
            left.limitMs = static_cast<int>(std::max<long long>(0, std::max(timing.limitMs, timing.pauseMs) - spent));
        }
        std::vector<ChangedPrinter> group;
        for (std::size_t i : groups[g]) group.push_back(changed[i]);
        std::vector<Verification> found;
        if (!verifyFrom(from, group, left, found, error, cancel, progress)) {
            searched = false;
            continue;
        }
        for (std::size_t k = 0; k < groups[g].size(); ++k) results[groups[g][k]] = found[k];
    }
    return searched;
}

QString verificationText(const Verification& verification) {
    if (verification.verified()) {
        return QStringLiteral("Verified: now at %1, port %2")
            .arg(QString::fromStdString(verification.found.ipAddress().text()))
            .arg(verification.found.port());
    }
    if (verification.cancelled) return QStringLiteral("Not verified: the check was cancelled.");
    if (!verification.answered) {
        return QStringLiteral("Not verified: the printer was not seen again before the time was up.");
    }
    if (!verification.differences.empty()) {
        return QStringLiteral("Not verified: ") +
               QString::fromStdString(rules::DifferencesText(verification.differences));
    }
    return QStringLiteral("Not verified: DHCP is on and the printer has no address yet.");
}

QString recordVerification(const char* frontEnd, link::ListMode mode, const QString& localAddress,
                           const link::DiscoveredDevice& sent, const Verification& verification) {
    const char* outcome = verification.verified()                             ? history::kVerified
                          : !verification.answered && !verification.cancelled ? history::kNotSeen
                                                                              : history::kNotVerified;
    return history::recordLanVerification(frontEnd, mode, localAddress, sent, outcome, verificationText(verification));
}

}  // namespace corvane::lan
