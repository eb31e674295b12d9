#include "lan/lan_change.h"

#include <QEventLoop>
#include <QTimer>

#include "lan/lan_settings_exchange.h"
#include "lan/request_failure.h"
#include "link/string_table.h"
#include "rules/lan_send_checks.h"
#include "transport/local_addresses.h"

namespace corvane::lan {

namespace {
constexpr int kEthernetVerifyDelayMs = 3000;
constexpr int kWlanVerifyDelayMs = 1000;
}  // namespace

DiscoveredDevice* findByMac(DeviceList& devices, const std::array<std::uint8_t, 6>& mac) {
    for (int n = 1; DiscoveredDevice* d = devices.deviceAt(n); ++n) {
        if (d->macAddress() == mac) return d;
    }
    return nullptr;
}

SendOutcome sendSettings(const SearchSetup& setup, const DiscoveredDevice& record) {
    SendOutcome outcome;
    // Found by a search from every adapter: the request leaves through the
    // adapter that heard the printer.
    const QString local =
        record.localAddress.empty() ? setup.localAddress : QString::fromStdString(record.localAddress);
    const QString broadcast = local == setup.localAddress ? setup.broadcastAddress : broadcastAddressFor(local);
    LanSettingsExchange exchange(setup.mode, local, broadcast, setup.endpoints);
    if (setup.settingsTimeoutMs > 0) exchange.setTimeout(setup.settingsTimeoutMs);
    QEventLoop loop;
    outcome.messageId = kSaveFailed;
    QObject::connect(&exchange, &LanSettingsExchange::done, &loop, [&](StringId id, bool ok) {
        outcome.messageId = id;
        outcome.confirmed = ok;
        loop.quit();
    });
    if (!exchange.send(record)) {
        outcome.error = numberedText(kSettingsNotSent, channelFailureText(exchange.failure()));
        return outcome;
    }
    outcome.sent = true;
    if (!exchange.settingsDone()) loop.exec();
    return outcome;
}

int defaultVerifyDelayMs(ListMode mode) { return mode == ListMode::Wlan ? kWlanVerifyDelayMs : kEthernetVerifyDelayMs; }

bool pauseMs(int ms, const link::CancelToken* cancel) {
    const auto heard = [cancel] { return cancel && cancel->cancelled(); };
    if (ms <= 0 || heard()) return !heard();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QTimer poll;
    if (cancel) {
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (heard()) loop.quit();
        });
        poll.start(50);
    }
    loop.exec();
    return !heard();
}

QString verificationTarget(const DiscoveredDevice& before, const DiscoveredDevice& sent) {
    if (!before.unicast || before.answeredFrom.empty()) return {};
    // A printer that answered from the address it reported moves with a new
    // fixed address; one that answered from elsewhere (behind a translating
    // router, say) is still reached there.
    const QString from = QString::fromStdString(before.answeredFrom);
    if (!sent.dhcp() && from == QString::fromStdString(rules::DottedIpv4(before.ipAddress()))) {
        return QString::fromStdString(rules::DottedIpv4(sent.ipAddress()));
    }
    return from;
}

bool verifyAfterChange(const SearchSetup& setup, const std::vector<DiscoveredDevice>& sent,
                       std::vector<Verification>& results, QString* error, const QStringList& unicastTargets) {
    DeviceList found;
    SearchSetup search = setup;
    if (!unicastTargets.isEmpty()) search.endpoints.target = unicastTargets.join(QLatin1Char(','));
    if (!runSearch(search, found, error)) return false;
    results.clear();
    for (const auto& record : sent) {
        Verification v;
        if (const DiscoveredDevice* now = findByMac(found, record.macAddress())) {
            v.answered = true;
            v.found = *now;
            v.differences = rules::CompareWithSent(record, *now);
        }
        results.push_back(std::move(v));
    }
    return true;
}

QString verificationText(const Verification& verification) {
    if (!verification.answered) return QStringLiteral("Not verified: the printer did not answer the search.");
    if (!verification.differences.empty()) {
        return QStringLiteral("Not verified: ") +
               QString::fromStdString(rules::DifferencesText(verification.differences));
    }
    return QStringLiteral("Verified: now at %1, port %2")
        .arg(QString::fromStdString(rules::DottedIpv4(verification.found.ipAddress())))
        .arg(verification.found.port());
}

}  // namespace corvane::lan
