#include "lan/lan_settings_exchange.h"

#include <algorithm>

#include "lan/lan_change.h"
#include "link/string_table.h"
#include "transport/udp_channel.h"

namespace corvane::lan {

LanSettingsExchange::LanSettingsExchange(link::ListMode mode, QString localAddress, QString broadcastAddress,
                                         transport::LanEndpoints endpoints, QObject* parent)
    : QObject(parent), channel_(new transport::UdpChannel(this)) {
    setup_.mode = mode;
    setup_.localAddress = std::move(localAddress);
    setup_.broadcastAddress = std::move(broadcastAddress);
    setup_.endpoints = std::move(endpoints);
    timer_.setSingleShot(true);
    connect(channel_, &transport::UdpChannel::datagramArrived, this, &LanSettingsExchange::onDatagramArrived);
    connect(&timer_, &QTimer::timeout, this, &LanSettingsExchange::onTimeout);
}

LanSettingsExchange::~LanSettingsExchange() = default;

int LanSettingsExchange::boundPort() const { return channel_->localPort(); }

const transport::ChannelFailure& LanSettingsExchange::failure() const { return channel_->failure(); }

bool LanSettingsExchange::send(const link::DiscoveredDevice& before, const link::DiscoveredDevice& record) {
    if (settingsDone_) return false;
    const link::SettingsRequest request = settingsRequestFor(setup_, before, record);
    channel_->setRemoteHost(QString::fromStdString(request.host));
    channel_->setRemotePort(request.port);
    channel_->setLocalPort(setup_.endpoints.localPortFor(setup_.mode));
    channel_->setLocalAddress(requestLocalAddress(setup_, record));
    const Bytes datagram = link::BuildSettingsRequest(record);
    if (!channel_->sendData(
            QByteArray(reinterpret_cast<const char*>(datagram.data()), static_cast<qsizetype>(datagram.size())))) {
        return false;
    }
    request_ = request;
    if (!waitingForAnswer_) {
        waitingForAnswer_ = true;
        emit waitingChanged(true);
    }
    timer_.start(static_cast<int>(request.wait.count()));
    return true;
}

void LanSettingsExchange::onDatagramArrived(int /*bytesTotal*/) {
    const QByteArray data = channel_->getData(static_cast<int>(link::kDatagramBuffer));
    if (settingsDone_ || !waitingForAnswer_) return;
    const link::Datagram answer{Bytes(data.begin(), data.end()), channel_->lastSender().toStdString()};
    if (const auto message = link::ConfirmationOf(request_, answer)) end(*message, true);
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
