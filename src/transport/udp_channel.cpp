#include "udp_channel.h"

#include <sys/socket.h>

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QPointer>
#include <QUdpSocket>
#include <QVariant>

#include "datagram_receiver.h"
#include "link/discovered_device.h"

namespace corvane::lan {

namespace {

// Datagrams kept for a reader that does not collect them; older ones go.
constexpr std::size_t kMaxQueued = 256;

// Receive buffer asked for: every printer on the network answers a search at
// once, and the system's default buffer holds only a few hundred answers, so
// a burst of thousands would be dropped before the event loop reads them.
// The system caps the value at its own maximum (net.core.rmem_max on Linux).
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;

// The receive buffer size to ask for: CORVANE_UDP_RCVBUF when it holds a
// positive number of bytes, 4 MB otherwise.
int receiveBufferBytes() {
    bool ok = false;
    const int bytes = qEnvironmentVariableIntValue("CORVANE_UDP_RCVBUF", &ok);
    return ok && bytes > 0 ? bytes : kReceiveBufferBytes;
}

QHostAddress resolve(const QString& host) {
    QHostAddress address;
    if (address.setAddress(host)) return address;
    // A host name given on the command line: take its first IPv4 address.
    const QHostInfo info = QHostInfo::fromName(host);
    for (const QHostAddress& candidate : info.addresses()) {
        if (candidate.protocol() == QAbstractSocket::IPv4Protocol) return candidate;
    }
    return {};
}

// The name of the interface that owns `address`, empty when none does.
QString interfaceOwning(const QHostAddress& address) {
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip().isEqual(address)) return iface.name();
        }
    }
    return {};
}

}  // namespace

UdpChannel::UdpChannel(QObject* parent)
    : QObject(parent),
      socket_(new QUdpSocket(this)),
      remoteHost_(QString::fromLatin1(kBroadcastHost.data(), static_cast<qsizetype>(kBroadcastHost.size()))),
      remotePort_(kEthernetRemotePort),
      localPort_(kEthernetLocalPort),
      receiver_(std::make_unique<DatagramReceiver>()) {}

// The receiving thread ends before the socket it reads is closed.
UdpChannel::~UdpChannel() { receiver_->stop(); }

void UdpChannel::SetRemotePort(int port) { remotePort_ = port; }

void UdpChannel::SetLocalPort(int port) {
    if (port != localPort_ && socket_->state() == QAbstractSocket::BoundState) closeSocket();
    localPort_ = port;
}

void UdpChannel::SetRemoteHost(const QString& host) { remoteHost_ = host; }

void UdpChannel::closeSocket() {
    receiver_->stop();
    socket_->abort();
    received_.clear();
    ++closes_;
}

bool UdpChannel::Bind(int localPort, const QString& localAddress) {
    if (localPort < 0 || localPort > 65535) return false;
    closeSocket();
    localPort_ = localPort;
    const auto port = static_cast<quint16>(localPort);
    const auto mode = QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;

    if (localAddress.isEmpty()) return bound(socket_->bind(QHostAddress::AnyIPv4, port, mode));

    QHostAddress address;
    if (!address.setAddress(localAddress) || address.protocol() != QAbstractSocket::IPv4Protocol) return false;

    // On Linux a socket bound to a unicast address never sees broadcasts, and
    // printers may answer by broadcast. So listen on every address and tie the
    // socket to the interface that owns the chosen one: datagrams then leave
    // and arrive through that interface only.
    const QByteArray device = interfaceOwning(address).toLocal8Bit();
    if (!device.isEmpty() && socket_->bind(QHostAddress::AnyIPv4, port, mode)) {
        const int fd = static_cast<int>(socket_->socketDescriptor());
        if (::setsockopt(fd, SOL_SOCKET, SO_BINDTODEVICE, device.constData(),
                         static_cast<socklen_t>(device.size())) == 0) {
            return bound(true);
        }
        closeSocket();
    }
    // No such interface, or tying to it is not permitted: bind to the address.
    return bound(socket_->bind(address, port, mode));
}

bool UdpChannel::bound(bool ok) {
    if (!ok) return false;
    socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(receiveBufferBytes()));
    // The thread reads the socket instead of the QUdpSocket, which is left
    // to bind and send; it wakes this thread once per batch. The call it
    // posts is dropped if the channel is deleted first.
    const bool reading = receiver_->start(static_cast<int>(socket_->socketDescriptor()), [this] {
        QMetaObject::invokeMethod(this, [this] { deliverReceived(); }, Qt::QueuedConnection);
    });
    if (!reading) closeSocket();
    return reading;
}

void UdpChannel::bindIfNeeded() {
    if (socket_->state() != QAbstractSocket::BoundState) Bind(localPort_);
}

bool UdpChannel::SendData(const QByteArray& datagram) {
    bindIfNeeded();
    if (socket_->state() != QAbstractSocket::BoundState) return false;
    const QHostAddress target = resolve(remoteHost_);
    if (target.isNull() || remotePort_ < 0 || remotePort_ > 65535) return false;
    return socket_->writeDatagram(datagram, target, static_cast<quint16>(remotePort_)) == datagram.size();
}

QByteArray UdpChannel::GetData(int maxLength) {
    if (received_.empty()) return {};
    QByteArray datagram = std::move(received_.front());
    received_.pop_front();
    if (maxLength >= 0 && datagram.size() > maxLength) datagram.truncate(maxLength);
    return datagram;
}

int UdpChannel::localPort() const {
    return socket_->state() == QAbstractSocket::BoundState ? socket_->localPort() : 0;
}

void UdpChannel::deliverReceived() {
    std::deque<QByteArray> batch = receiver_->takeAll();
    const QPointer<UdpChannel> self(this);
    const unsigned closes = closes_;
    for (QByteArray& datagram : batch) {
        const int size = static_cast<int>(datagram.size());
        if (received_.size() >= kMaxQueued) received_.pop_front();
        received_.push_back(std::move(datagram));
        emit DataArrival(size);
        // A receiver may close or rebind the channel, or delete it, in answer.
        if (!self || closes_ != closes) return;
    }
}

}  // namespace corvane::lan
