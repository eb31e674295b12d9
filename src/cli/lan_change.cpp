#include "cli/lan_change.h"

#include <QEventLoop>
#include <QTimer>

#include "lan/lan_settings_exchange.h"
#include "lan/request_failure.h"
#include "link/string_table.h"
#include "rules/lan_send_checks.h"

namespace corvane::cli {

namespace {
constexpr int kEthernetVerifyDelayMs = 3000;
constexpr int kWlanVerifyDelayMs = 1000;
constexpr int kLongestVerifyDelayMs = 600000;
}  // namespace

lan::DiscoveredDevice* findByMac(lan::DeviceList& devices, const std::array<std::uint8_t, 6>& mac) {
    for (int n = 1; lan::DiscoveredDevice* d = devices.deviceAt(n); ++n) {
        if (d->macAddress() == mac) return d;
    }
    return nullptr;
}

SendOutcome sendSettings(const LanSearchSetup& setup, const lan::DiscoveredDevice& record) {
    SendOutcome outcome;
    lan::LanSettingsExchange exchange(setup.mode, setup.localAddress, setup.broadcastAddress, setup.endpoints);
    QEventLoop loop;
    outcome.messageId = kSaveFailed;
    QObject::connect(&exchange, &lan::LanSettingsExchange::done, &loop, [&](StringId id, bool ok) {
        outcome.messageId = id;
        outcome.confirmed = ok;
        loop.quit();
    });
    if (!exchange.send(record)) {
        outcome.error = lan::numberedText(kSettingsNotSent, lan::channelFailureText(exchange.failure()));
        return outcome;
    }
    outcome.sent = true;
    if (!exchange.settingsDone()) loop.exec();
    return outcome;
}

std::optional<int> verifyDelayMs(const Invocation& invocation, lan::ListMode mode) {
    if (!invocation.isSet("verify-delay")) {
        return mode == lan::ListMode::Wlan ? kWlanVerifyDelayMs : kEthernetVerifyDelayMs;
    }
    const auto value = parseInteger(invocation.value("verify-delay"), 0, kLongestVerifyDelayMs);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

void pauseMs(int ms) {
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString verificationTarget(const lan::DiscoveredDevice& before, const lan::DiscoveredDevice& sent) {
    if (!before.unicast || before.answeredFrom.empty()) return {};
    // A printer that answered from the address it reported moves with a new
    // fixed address; one that answered from elsewhere (behind a translating
    // router, say) is still reached there.
    const QString from = QString::fromStdString(before.answeredFrom);
    if (!sent.dhcp() && from == QString::fromStdString(rules::dottedIpv4(before.ipAddress()))) {
        return QString::fromStdString(rules::dottedIpv4(sent.ipAddress()));
    }
    return from;
}

bool verifyAfterChange(const LanSearchSetup& setup, const std::vector<lan::DiscoveredDevice>& sent,
                       std::vector<Verification>& results, QString* error, const QStringList& unicastTargets) {
    lan::DeviceList found;
    LanSearchSetup search = setup;
    if (!unicastTargets.isEmpty()) search.endpoints.target = unicastTargets.join(QLatin1Char(','));
    if (!runLanSearch(search, found, error)) return false;
    results.clear();
    for (const auto& record : sent) {
        Verification v;
        if (const lan::DiscoveredDevice* now = findByMac(found, record.macAddress())) {
            v.answered = true;
            v.found = *now;
            v.differences = rules::compareWithSent(record, *now);
        }
        results.push_back(std::move(v));
    }
    return true;
}

QString verificationText(const Verification& verification) {
    if (!verification.answered) return QStringLiteral("Not verified: the printer did not answer the search.");
    if (!verification.differences.empty()) {
        return QStringLiteral("Not verified: ") + QString::fromStdString(rules::differencesText(verification.differences));
    }
    return QStringLiteral("Verified: now at %1, port %2")
        .arg(QString::fromStdString(rules::dottedIpv4(verification.found.ipAddress())))
        .arg(verification.found.port());
}

}  // namespace corvane::cli
