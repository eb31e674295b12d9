#include "lan/lan_settings_exchange.h"

#include <algorithm>

#include "link/string_table.h"
#include "transport/udp_channel.h"

namespace corvane::lan {

LanSettingsExchange::LanSettingsExchange(link::ListMode mode, QString localAddress, QString broadcastAddress,
                                         transport::LanEndpoints endpoints, QObject* parent)
    : QObject(parent),
      mode_(mode),
      localAddress_(std::move(localAddress)),
      broadcastAddress_(std::move(broadcastAddress)),
      endpoints_(std::move(endpoints)),
      channel_(new transport::UdpChannel(this)),
      timeoutMs_(mode == link::ListMode::Wlan ? kWlanTimeoutMs : kEthernetTimeoutMs) {
    timer_.setSingleShot(true);
    connect(channel_, &transport::UdpChannel::datagramArrived, this, &LanSettingsExchange::onDatagramArrived);
    connect(&timer_, &QTimer::timeout, this, &LanSettingsExchange::onTimeout);
}

LanSettingsExchange::~LanSettingsExchange() = default;

int LanSettingsExchange::boundPort() const { return channel_->localPort(); }

const transport::ChannelFailure& LanSettingsExchange::failure() const { return channel_->failure(); }

bool LanSettingsExchange::send(const link::DiscoveredDevice& record) {
    if (settingsDone_) return false;
    // A printer found by its own address (across routers, say) is not
    // reached by broadcast: the request goes where it answered from.
    channel_->setRemoteHost(record.unicast && !record.answeredFrom.empty()
                                ? QString::fromStdString(record.answeredFrom)
                                : endpoints_.targetFor(mode_, broadcastAddress_));
    channel_->setRemotePort(endpoints_.remotePortFor(mode_));
    channel_->setLocalPort(endpoints_.localPortFor(mode_));
    channel_->setLocalAddress(localAddress_);
    const Bytes request = link::BuildSettingsRequest(record);
    if (!channel_->sendData(
            QByteArray(reinterpret_cast<const char*>(request.data()), static_cast<qsizetype>(request.size())))) {
        return false;
    }
    if (!waitingForAnswer_) {
        waitingForAnswer_ = true;
        emit waitingChanged(true);
    }
    timer_.start(timeoutMs_);
    return true;
}

void LanSettingsExchange::onDatagramArrived(int /*bytesTotal*/) {
    const QByteArray datagram = channel_->getData(static_cast<int>(link::kDatagramBuffer));
    if (settingsDone_) return;
    const std::string sender = channel_->lastSender().toStdString();
    if (!printerAddresses_.empty() &&
        std::find(printerAddresses_.begin(), printerAddresses_.end(), sender) == printerAddresses_.end())
        return;
    const auto bytes = ByteSpan(reinterpret_cast<const std::uint8_t*>(datagram.constData()),
                                static_cast<std::size_t>(datagram.size()));
    if (const auto message = link::ClassifySettingsAnswer(mode_, bytes)) end(*message, true);
}

void LanSettingsExchange::onTimeout() {
    if (!settingsDone_) end(kSaveFailed, false);
}

void LanSettingsExchange::end(StringId messageId, bool confirmed) {
    timer_.stop();
    settingsDone_ = true;
    if (waitingForAnswer_) {
        waitingForAnswer_ = false;
        emit waitingChanged(false);
    }
    emit done(messageId, confirmed);
}

}  // namespace corvane::lan
