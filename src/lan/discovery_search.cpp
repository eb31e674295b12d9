#include "lan/discovery_search.h"

#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>

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

DiscoverySearch::DiscoverySearch(link::ListMode mode, QString localAddress, QString broadcastAddress,
                                 transport::LanEndpoints endpoints, link::DeviceList& devices, QObject* parent)
    : QObject(parent),
      mode_(mode),
      localAddress_(std::move(localAddress)),
      broadcastAddress_(std::move(broadcastAddress)),
      endpoints_(std::move(endpoints)),
      devices_(devices),
      channel_(new transport::UdpChannel(this)) {
    connect(channel_, &transport::UdpChannel::datagramArrived, this, &DiscoverySearch::onDatagramArrived);
    connect(&timer_, &QTimer::timeout, this, &DiscoverySearch::onTick);
    connect(&pacing_, &QTimer::timeout, this, &DiscoverySearch::onPacing);
    pacing_.setTimerType(Qt::PreciseTimer);
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    clock_ = [elapsed] { return elapsed->elapsed(); };
}

DiscoverySearch::~DiscoverySearch() = default;

bool DiscoverySearch::sendNext() {
    if (targets_.isEmpty()) {
        pacing_.stop();
        return true;
    }
    channel_->setRemoteHost(targets_.takeFirst());
    const Bytes request = link::BuildDiscoveryRequest(mode_);
    lastSentMs_ = clock_();
    ++sentCount_;
    const bool sent = static_cast<bool>(channel_->sendData(
        QByteArray(reinterpret_cast<const char*>(request.data()), static_cast<qsizetype>(request.size()))));
    if (targetCount_ > 1) emit requestsSent(sentCount_, targetCount_);
    if (targets_.isEmpty()) pacing_.stop();
    return sent;
}

void DiscoverySearch::onPacing() {
    // A later address that cannot be sent to (no route) is skipped: the
    // others may still answer.
    if (clock_() - lastSentMs_ >= intervalMs_) sendNext();
}

int DiscoverySearch::boundPort() const { return channel_->localPort(); }

const transport::ChannelFailure& DiscoverySearch::failure() const { return channel_->failure(); }

bool DiscoverySearch::start() {
    devices_.clearDevices();
    progress_ = 0;
    statusText_ = nowSearchingText();

    targets_ = endpoints_.targets();
    if (targets_.isEmpty()) targets_ = {endpoints_.targetFor(mode_, broadcastAddress_)};
    targetCount_ = static_cast<int>(targets_.size());
    sentCount_ = 0;
    const int rate = std::clamp(endpoints_.rate, 1, transport::LanEndpoints::kMaxRate);
    intervalMs_ = (1000 + rate - 1) / rate;
    unicast_ = endpoints_.unicastTargets();
    channel_->setRemotePort(endpoints_.remotePortFor(mode_));
    // Bound to the chosen interface so the request leaves there only, and
    // the answers come back there; the settings request and the search after
    // it use the same binding. The first request must leave: a failure then
    // means nothing can.
    if (!channel_->bind(endpoints_.localPortFor(mode_), localAddress_) || !sendNext()) return false;
    // The timer looks several times per interval, so a wake-up a little
    // before the interval has passed delays the next request only briefly.
    if (!targets_.isEmpty()) pacing_.start(std::max(1, intervalMs_ / 5));

    countdown_ = kCountdownStart;
    running_ = true;
    timer_.start(tickMs_);
    return true;
}

void DiscoverySearch::cancel() {
    if (running_) finish();
}

void DiscoverySearch::onTick() {
    if (!targets_.isEmpty()) {
        // Still sending: the bar fills its first half as the requests leave,
        // the label keeps counting dots, and the countdown waits.
        progress_ = sentCount_ * (kProgressMaximum / 2) / std::max(targetCount_, 1);
        statusText_ =
            statusText_.size() > nowSearchingText().size() + 8 ? nowSearchingText() : statusText_ + QLatin1Char('.');
        emit ticked(progress_, statusText_);
        return;
    }
    countdown_ -= kCountdownStep;
    // After a list of requests the bar fills its second half over the ticks.
    progress_ =
        targetCount_ > 1 ? kProgressMaximum / 2 + (kCountdownStart - countdown_) / 2 : progress_ + kCountdownStep;
    statusText_ += QLatin1Char('.');
    if (countdown_ % 1000 == 0) statusText_ = nowSearchingText();
    if (countdown_ < 0) {
        finish();
        return;
    }
    emit ticked(progress_, statusText_);
}

void DiscoverySearch::onDatagramArrived(int /*bytesTotal*/) {
    // Everything waiting is read, also after the end, so the socket's queue
    // does not grow; only a running search keeps what it reads.
    const QByteArray datagram = channel_->getData(static_cast<int>(link::kDatagramBuffer));
    if (!running_) return;
    const auto bytes = ByteSpan(reinterpret_cast<const std::uint8_t*>(datagram.constData()),
                                static_cast<std::size_t>(datagram.size()));
    const link::DiscoveryAnswer answer = link::ClassifyDiscoveryAnswer(mode_, bytes);
    switch (answer.kind) {
    case link::DiscoveryAnswer::Kind::Device: {
        link::DiscoveredDevice device = answer.device;
        device.answeredFrom = channel_->lastSender().toStdString();
        device.unicast = unicast_;
        device.localAddress = localAddress_.toStdString();
        devices_.addOrUpdate(device);
        break;
    }
    case link::DiscoveryAnswer::Kind::EndSearch: finish(); break;
    case link::DiscoveryAnswer::Kind::Ignore: break;
    }
}

void DiscoverySearch::finish() {
    timer_.stop();
    pacing_.stop();
    targets_.clear();
    running_ = false;
    emit finished();
}

}  // namespace corvane::lan
