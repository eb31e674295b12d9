#include "lan/discovery_search.h"

#include <algorithm>

#include <QCoreApplication>

#include "link/string_table.h"
#include "transport/udp_channel.h"

namespace corvane::lan {

namespace {
// The search runs ten ticks' worth of countdown and ends on the eleventh.
constexpr int kCountdownStart = 1000;
constexpr int kCountdownStep = 100;
}  // namespace

QString nowSearchingText() {
    return QCoreApplication::translate(kStringTableContext, StringText(kNowSearching).data());
}

link::DiscoveryPlan discoveryPlan(link::ListMode mode, const transport::LanEndpoints& endpoints,
                                  const QString& broadcastAddress) {
    QStringList targets = endpoints.targets();
    if (targets.isEmpty()) targets = {endpoints.targetFor(mode, broadcastAddress)};
    link::DiscoveryPlan plan;
    plan.mode = mode;
    for (const QString& target : targets) plan.hosts.push_back(target.toStdString());
    plan.port = static_cast<std::uint16_t>(endpoints.remotePortFor(mode));
    plan.interval = link::RequestInterval(std::min(endpoints.rate, transport::LanEndpoints::kMaxRate));
    return plan;
}

DiscoverySearch::DiscoverySearch(link::ListMode mode, QString localAddress, QString broadcastAddress,
                                 transport::LanEndpoints endpoints, link::DeviceList& devices, QObject* parent)
    : QObject(parent),
      mode_(mode),
      localAddress_(std::move(localAddress)),
      broadcastAddress_(std::move(broadcastAddress)),
      endpoints_(std::move(endpoints)),
      devices_(devices),
      channel_(new transport::UdpChannel(this)),
      port_(*channel_) {
    // Queued from the channel's receiving thread; each step takes what has arrived.
    connect(channel_, &transport::UdpChannel::datagramArrived, this, &DiscoverySearch::onDatagramArrived);
    connect(&timer_, &QTimer::timeout, this, &DiscoverySearch::onTick);
    connect(&pacing_, &QTimer::timeout, this, &DiscoverySearch::onPacing);
    pacing_.setTimerType(Qt::PreciseTimer);
}

DiscoverySearch::~DiscoverySearch() = default;

void DiscoverySearch::onPacing() {
    if (!exchange_ || !exchange_->sendDue()) return;
    emit requestsSent(exchange_->sentCount(), exchange_->total());
    if (exchange_->allSent()) pacing_.stop();
}

int DiscoverySearch::boundPort() const { return channel_->localPort(); }

const transport::ChannelFailure& DiscoverySearch::failure() const { return channel_->failure(); }

bool DiscoverySearch::start() {
    devices_.clearDevices();
    progress_ = 0;
    statusText_ = nowSearchingText();

    link::DiscoveryPlan plan = discoveryPlan(mode_, endpoints_, broadcastAddress_);
    const auto interval = static_cast<int>(plan.interval.count());
    unicast_ = endpoints_.unicastTargets();
    exchange_ = std::make_unique<link::DiscoveryExchange>(port_, std::move(plan));
    // Bound to the chosen interface so the request leaves there only, and
    // the answers come back there; the settings request and the search after
    // it use the same binding. The first request must leave: a failure then
    // means nothing can.
    if (!channel_->bind(endpoints_.localPortFor(mode_), localAddress_) || !exchange_->start()) return false;
    if (exchange_->total() > 1) emit requestsSent(exchange_->sentCount(), exchange_->total());
    // The timer looks several times per interval, so a wake-up a little
    // before the interval has passed delays the next request only briefly.
    if (!exchange_->allSent()) pacing_.start(std::max(1, interval / 5));

    countdown_ = kCountdownStart;
    running_ = true;
    timer_.start(tickMs_);
    return true;
}

void DiscoverySearch::cancel() {
    if (running_) finish();
}

void DiscoverySearch::onTick() {
    if (!exchange_->allSent()) {
        // Still sending: the bar fills its first half as the requests leave,
        // the label keeps counting dots, and the countdown waits.
        progress_ = exchange_->sentCount() * (kProgressMaximum / 2) / std::max(exchange_->total(), 1);
        statusText_ =
            statusText_.size() > nowSearchingText().size() + 8 ? nowSearchingText() : statusText_ + QLatin1Char('.');
        emit ticked(progress_, statusText_);
        return;
    }
    countdown_ -= kCountdownStep;
    // After a list of requests the bar fills its second half over the ticks.
    progress_ =
        exchange_->total() > 1 ? kProgressMaximum / 2 + (kCountdownStart - countdown_) / 2 : progress_ + kCountdownStep;
    statusText_ += QLatin1Char('.');
    if (countdown_ % 1000 == 0) statusText_ = nowSearchingText();
    if (countdown_ < 0) {
        finish();
        return;
    }
    emit ticked(progress_, statusText_);
}

void DiscoverySearch::onDatagramArrived() {
    // Everything waiting is read, also after the end, so the socket's queue
    // does not grow; only a running search keeps what it reads.
    if (!running_) {
        port_.discardPending();
        return;
    }
    for (link::DiscoveredDevice device : exchange_->takeArrived()) {
        device.unicast = unicast_;
        device.localAddress = localAddress_.toStdString();
        devices_.addOrUpdate(device);
    }
    if (exchange_->ended()) finish();
}

void DiscoverySearch::finish() {
    timer_.stop();
    pacing_.stop();
    if (exchange_) exchange_->cancel();
    running_ = false;
    emit finished();
}

}  // namespace corvane::lan
