#include "udp_channel.h"

#include <sys/socket.h>

#include <QHostAddress>
#include <QNetworkInterface>
#include <QPointer>
#include <QUdpSocket>
#include <QVariant>

#include "datagram_receiver.h"
#include "link/discovered_device.h"
#include "link/ipv4_address.h"
#include "transport/wire_trace.h"

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

// An address, read as every address is; a name is never looked up (the
// lookup itself would leave this computer).
QHostAddress resolve(const QString& host) {
    const auto address = link::ParseIpv4Address(host.toStdString());
    return address ? QHostAddress(address->value()) : QHostAddress();
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

void UdpChannel::setRemotePort(int port) { remotePort_ = port; }

void UdpChannel::setLocalPort(int port) {
    if (port != localPort_ && socket_->state() == QAbstractSocket::BoundState) closeSocket();
    localPort_ = port;
}

void UdpChannel::setLocalAddress(const QString& address) {
    if (address != localAddress_ && socket_->state() == QAbstractSocket::BoundState) closeSocket();
    localAddress_ = address;
}

void UdpChannel::setRemoteHost(const QString& host) { remoteHost_ = host; }

void UdpChannel::closeSocket() {
    receiver_->stop();
    socket_->abort();
    received_.clear();
    ++closes_;
    senders_.clear();
}

bool UdpChannel::fail(ChannelFailure::Cause cause, const QString& reason) {
    failure_ = {cause, localAddress_, localPort_, reason};
    return false;
}

link::Result<void, ChannelFailure> UdpChannel::outcome(bool ok) const {
    if (ok) return {};
    return failure_;
}

link::Result<void, ChannelFailure> UdpChannel::bind(int localPort, const QString& localAddress) {
    return outcome(bindTo(localPort, localAddress));
}

link::Result<void, ChannelFailure> UdpChannel::sendData(const QByteArray& datagram) { return outcome(send(datagram)); }

bool UdpChannel::bindTo(int localPort, const QString& localAddress) {
    closeSocket();
    localPort_ = localPort;
    localAddress_ = localAddress;
    failure_ = {};
    using Cause = ChannelFailure::Cause;
    if (localPort < 0 || localPort > 65535) return fail(Cause::LocalPort, QStringLiteral("not a port number"));
    const auto port = static_cast<quint16>(localPort);
    const auto mode = QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;
    // The system's refusal, blamed on the address or on the port.
    const auto refused = [this] {
        const Cause cause = socket_->error() == QAbstractSocket::SocketAddressNotAvailableError ? Cause::LocalAddress
                                                                                                : Cause::LocalPort;
        const QString reason = socket_->errorString();
        closeSocket();
        return fail(cause, reason);
    };

    if (localAddress.isEmpty()) return socket_->bind(QHostAddress::AnyIPv4, port, mode) ? bound(true) : refused();

    QHostAddress address;
    if (!address.setAddress(localAddress) || address.protocol() != QAbstractSocket::IPv4Protocol) {
        return fail(Cause::LocalAddress, QStringLiteral("not an IPv4 address"));
    }

    // On Linux a socket bound to a unicast address never sees broadcasts, and
    // printers may answer by broadcast. So listen on every address and tie the
    // socket to the interface that owns the chosen one: datagrams then leave
    // and arrive through that interface only.
    const QByteArray device = interfaceOwning(address).toLocal8Bit();
    if (!device.isEmpty()) {
        if (!socket_->bind(QHostAddress::AnyIPv4, port, mode)) return refused();
        const int fd = static_cast<int>(socket_->socketDescriptor());
        if (::setsockopt(fd, SOL_SOCKET, SO_BINDTODEVICE, device.constData(), static_cast<socklen_t>(device.size())) ==
            0) {
            return bound(true);
        }
        // Tying to the interface is not permitted: bind to the address below.
        closeSocket();
    } else if (!address.isLoopback()) {
        // Binding anyway could succeed where the system allows foreign
        // addresses, and then nothing would ever come back.
        return fail(Cause::LocalAddress, QStringLiteral("no interface of this computer has this address"));
    }
    return socket_->bind(address, port, mode) ? bound(true) : refused();
}

bool UdpChannel::bound(bool ok) {
    if (!ok) return false;
    socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(receiveBufferBytes()));
    // The thread reads the socket instead of the QUdpSocket, which is left
    // to bind and send; it wakes this thread once per batch. The call it
    // posts is dropped if the channel is deleted first.
    const bool reading = receiver_->start(static_cast<int>(socket_->socketDescriptor()), [this] {
        QMetaObject::invokeMethod(
            this, [this] { deliverReceived(); }, Qt::QueuedConnection);
    });
    if (reading) return true;
    closeSocket();
    return fail(ChannelFailure::Cause::LocalPort, QStringLiteral("the receiving thread could not start"));
}

bool UdpChannel::bindIfNeeded() {
    if (socket_->state() == QAbstractSocket::BoundState) return true;
    return bindTo(localPort_, localAddress_);
}

bool UdpChannel::send(const QByteArray& datagram) {
    if (!bindIfNeeded()) return false;
    failure_ = {};
    const QHostAddress target = resolve(remoteHost_);
    if (target.isNull())
        return fail(ChannelFailure::Cause::Send, QStringLiteral("\"%1\" is not an IPv4 address").arg(remoteHost_));
    if (remotePort_ < 0 || remotePort_ > 65535) {
        return fail(ChannelFailure::Cause::Send, QStringLiteral("%1 is not a port number").arg(remotePort_));
    }
    if (socket_->writeDatagram(datagram, target, static_cast<quint16>(remotePort_)) != datagram.size()) {
        return fail(ChannelFailure::Cause::Send, socket_->errorString());
    }
    transport::trace::bytes(target.toString() + ':' + QString::number(remotePort_), transport::trace::Direction::Sent,
                            datagram);
    return true;
}

QByteArray UdpChannel::getData(int maxLength) {
    if (received_.empty()) return {};
    QByteArray datagram = std::move(received_.front());
    received_.pop_front();
    lastSender_ = senders_.front();
    senders_.pop_front();
    if (maxLength >= 0 && datagram.size() > maxLength) datagram.truncate(maxLength);
    return datagram;
}

int UdpChannel::localPort() const { return socket_->state() == QAbstractSocket::BoundState ? socket_->localPort() : 0; }

void UdpChannel::deliverReceived() {
    std::deque<ReceivedDatagram> batch = receiver_->takeAll();
    const QPointer<UdpChannel> self(this);
    const unsigned closes = closes_;
    for (ReceivedDatagram& datagram : batch) {
        const int size = static_cast<int>(datagram.bytes.size());
        transport::trace::bytes(QHostAddress(datagram.senderIpv4).toString(), transport::trace::Direction::Received,
                                datagram.bytes);
        if (received_.size() >= kMaxQueued) {
            received_.pop_front();
            senders_.pop_front();
        }
        received_.push_back(std::move(datagram.bytes));
        senders_.push_back(datagram.senderIpv4 != 0 ? QHostAddress(datagram.senderIpv4).toString() : QString());
        emit datagramArrived(size);
        // A receiver may close or rebind the channel, or delete it, in answer.
        if (!self || closes_ != closes) return;
    }
}

}  // namespace corvane::lan
