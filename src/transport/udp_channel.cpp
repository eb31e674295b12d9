#include "transport/udp_channel.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

#include <QHostAddress>
#include <QNetworkInterface>

#include "transport/datagram_receiver.h"
#include "link/discovered_device.h"
#include "link/ipv4_address.h"
#include "transport/wire_trace.h"

namespace corvane::transport {

// One bound socket and the channels of this program that use it. It closes
// when the last of them lets go, so the port is free again at once. The
// receiving thread hands each batch to the channels under the users' lock,
// so a channel that has left (closed, rebound, destroyed) gets nothing more
// once leave() returns.
class BoundUdpSocket {
public:
    BoundUdpSocket(int fd, int port, QByteArray device, std::uint32_t address)
        : fd_(fd), port_(port), device_(std::move(device)), address_(address) {}
    ~BoundUdpSocket() {
        receiver_.stop();
        ::close(fd_);
    }
    BoundUdpSocket(const BoundUdpSocket&) = delete;
    BoundUdpSocket& operator=(const BoundUdpSocket&) = delete;

    bool sameBinding(int port, const QByteArray& device, std::uint32_t address) const {
        return port_ == port && device_ == device && address_ == address;
    }
    int fd() const { return fd_; }
    int port() const { return port_; }
    bool startReceiving() {
        return receiver_.start(fd_, [this](std::vector<ReceivedDatagram>& batch) { dispatch(batch); });
    }
    // `source`: the channel's own local address (host order; 0: none of its own).
    void join(UdpChannel* channel, std::uint32_t source) {
        const std::lock_guard lock(usersMutex_);
        users_.push_back({channel, source});
    }
    void leave(UdpChannel* channel) {
        const std::lock_guard lock(usersMutex_);
        std::erase_if(users_, [channel](const User& u) { return u.channel == channel; });
    }

private:
    struct User {
        UdpChannel* channel;
        std::uint32_t source;
    };

    // On the receiving thread: a datagram addressed to one channel's local
    // address goes to the channels with that address, any other (a
    // broadcast) to all.
    void dispatch(const std::vector<ReceivedDatagram>& batch) {
        const std::lock_guard lock(usersMutex_);
        for (const ReceivedDatagram& datagram : batch) {
            const std::uint32_t to = datagram.destinationIpv4;
            const bool addressed =
                to != 0 && std::any_of(users_.begin(), users_.end(), [to](const User& u) { return u.source == to; });
            for (const User& user : users_) {
                if (!addressed || user.source == to) user.channel->receive(datagram);
            }
        }
    }

    int fd_;
    int port_;
    QByteArray device_;
    std::uint32_t address_;  // host order; 0: every address (of the interface, when tied to one)
    DatagramReceiver receiver_;
    std::mutex usersMutex_;
    std::vector<User> users_;
};

namespace {

// Datagrams kept until the reader collects them; past this, older ones go.
// A search collects them between its own steps, so the queue must hold
// every answer of a large network's search at once (8192 answers of at most
// 512 bytes: 4 MiB). The bytes are bounded too (a datagram may be 64 KiB);
// each datagram counts with a share for its bookkeeping.
constexpr std::size_t kMaxQueued = 8192;
constexpr std::size_t kMaxQueuedBytes = 16 * 1024 * 1024;
constexpr std::size_t kPerDatagramCost = 64;

// Receive buffer asked for: every printer on the network answers a search at
// once, and the system's default buffer holds only a few hundred answers, so
// a burst of thousands would be dropped before the receiving thread reads them.
// The system caps the value at its own maximum (net.core.rmem_max on Linux).
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;

// The receive buffer size to ask for: CORVANE_UDP_RCVBUF when it holds a
// positive number of bytes, 4 MB otherwise.
int receiveBufferBytes() {
    bool ok = false;
    const int bytes = qEnvironmentVariableIntValue("CORVANE_UDP_RCVBUF", &ok);
    return ok && bytes > 0 ? bytes : kReceiveBufferBytes;
}

// The sockets this program has bound, so channels on the same port and
// interface share one instead of being refused by the exclusive bind.
// Channels bind on several threads: the list is used under this lock.
std::mutex& openSocketsMutex() {
    static std::mutex mutex;
    return mutex;
}
std::vector<std::weak_ptr<BoundUdpSocket>>& openSockets() {
    static std::vector<std::weak_ptr<BoundUdpSocket>> sockets;
    return sockets;
}

std::shared_ptr<BoundUdpSocket> openSocketFor(int port, const QByteArray& device, std::uint32_t address) {
    auto& sockets = openSockets();
    std::erase_if(sockets, [](const std::weak_ptr<BoundUdpSocket>& s) { return s.expired(); });
    if (port == 0) return nullptr;  // a free port is never shared
    for (const auto& weak : sockets) {
        if (auto socket = weak.lock(); socket && socket->sameBinding(port, device, address)) return socket;
    }
    return nullptr;
}

bool heldHere(int port) {
    return std::any_of(openSockets().begin(), openSockets().end(), [port](const std::weak_ptr<BoundUdpSocket>& weak) {
        const auto socket = weak.lock();
        return socket && socket->port() == port;
    });
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

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

sockaddr_in ipv4Endpoint(std::uint32_t address, int port) {
    sockaddr_in endpoint{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_port = htons(static_cast<std::uint16_t>(port));
    endpoint.sin_addr.s_addr = htonl(address);
    return endpoint;
}

}  // namespace

UdpChannel::UdpChannel(QObject* parent)
    : QObject(parent),
      remoteHost_(
          QString::fromLatin1(link::kBroadcastHost.data(), static_cast<qsizetype>(link::kBroadcastHost.size()))),
      remotePort_(link::kEthernetRemotePort),
      localPort_(link::kEthernetLocalPort) {}

UdpChannel::~UdpChannel() { closeSocket(); }

void UdpChannel::setRemotePort(int port) { remotePort_ = port; }

void UdpChannel::setLocalPort(int port) {
    if (port != localPort_ && socket_) closeSocket();
    localPort_ = port;
}

void UdpChannel::setLocalAddress(const QString& address) {
    if (address != localAddress_ && socket_) closeSocket();
    localAddress_ = address;
}

void UdpChannel::setRemoteHost(const QString& host) { remoteHost_ = host; }

void UdpChannel::closeSocket() {
    if (socket_) socket_->leave(this);
    socket_.reset();
    sourceIpv4_ = 0;
    const std::lock_guard lock(queueMutex_);
    received_.clear();
    queuedBytes_ = 0;
}

bool UdpChannel::fail(ChannelFailure::Cause cause, const QString& reason) {
    failure_ = {cause, localAddress_, localPort_, reason, {}};
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

    // On Linux a socket bound to a unicast address never sees broadcasts, and
    // printers may answer by broadcast. So with a chosen address the socket
    // listens on every address but is tied to the interface that owns the
    // chosen one, and each request names that address as its source: an
    // alias address sends as itself, not as the interface's first address.
    QByteArray device;
    std::uint32_t source = 0;
    std::uint32_t bindAddress = 0;
    if (!localAddress.isEmpty()) {
        QHostAddress address;
        if (!address.setAddress(localAddress) || address.protocol() != QAbstractSocket::IPv4Protocol) {
            return fail(Cause::LocalAddress, QStringLiteral("not an IPv4 address"));
        }
        device = interfaceOwning(address).toLocal8Bit();
        if (!device.isEmpty()) {
            source = address.toIPv4Address();
        } else if (address.isLoopback()) {
            bindAddress = address.toIPv4Address();  // 127.0.0.2 and the like: bound as it stands
        } else {
            // Binding anyway could succeed where the system allows foreign
            // addresses, and then nothing would ever come back.
            return fail(Cause::LocalAddress, QStringLiteral("no interface of this computer has this address"));
        }
    }

    const std::lock_guard registry(openSocketsMutex());
    if (auto shared = openSocketFor(localPort, device, bindAddress)) {
        socket_ = std::move(shared);
    } else {
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) return fail(Cause::LocalPort, systemError(errno));
        const int on = 1;
        const int buffer = receiveBufferBytes();
        ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        ::setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
        // Tied before the bind: the system then keeps sockets on the same
        // port but other interfaces apart. No SO_REUSEADDR: the port is ours
        // alone while we wait for answers.
        if (!device.isEmpty() && ::setsockopt(fd, SOL_SOCKET, SO_BINDTODEVICE, device.constData(),
                                              static_cast<socklen_t>(device.size())) != 0) {
            const int error = errno;
            ::close(fd);
            fail(Cause::Interface, systemError(error));
            failure_.interfaceName = QString::fromLocal8Bit(device);
            return false;
        }
        const sockaddr_in local = ipv4Endpoint(bindAddress, localPort);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            const int error = errno;
            ::close(fd);
            // Taken by this program itself (a socket on the same port but
            // another interface): not another program's doing.
            const Cause cause = error == EADDRINUSE      ? (heldHere(localPort) ? Cause::LocalPort : Cause::PortInUse)
                                : error == EADDRNOTAVAIL ? Cause::LocalAddress
                                                         : Cause::LocalPort;
            return fail(cause, systemError(error));
        }
        sockaddr_in actual{};
        socklen_t actualSize = sizeof actual;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&actual), &actualSize);
        auto socket = std::make_shared<BoundUdpSocket>(fd, ntohs(actual.sin_port), device, bindAddress);
        if (!socket->startReceiving())
            return fail(Cause::LocalPort, QStringLiteral("the receiving thread could not start"));
        openSockets().push_back(socket);
        socket_ = std::move(socket);
    }
    sourceIpv4_ = source;
    socket_->join(this, source);
    return true;
}

bool UdpChannel::bindIfNeeded() {
    if (socket_) return true;
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
    sockaddr_in to = ipv4Endpoint(target.toIPv4Address(), remotePort_);
    iovec data{const_cast<char*>(datagram.constData()), static_cast<std::size_t>(datagram.size())};
    msghdr message{};
    message.msg_name = &to;
    message.msg_namelen = sizeof to;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    // The source address rides with each datagram (the socket listens on
    // every address of its interface).
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    if (sourceIpv4_ != 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&message);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_spec_dst.s_addr = htonl(sourceIpv4_);
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
    }
    ssize_t sent = -1;
    do {
        sent = ::sendmsg(socket_->fd(), &message, 0);
    } while (sent < 0 && errno == EINTR);
    if (sent != datagram.size()) return fail(ChannelFailure::Cause::Send, systemError(errno));
    transport::trace::bytes(target.toString() + ':' + QString::number(remotePort_), transport::trace::Direction::Sent,
                            datagram);
    return true;
}

std::optional<UdpChannel::Received> UdpChannel::takeDatagram(int maxLength) {
    const std::lock_guard lock(queueMutex_);
    if (received_.empty()) return std::nullopt;
    Received datagram = std::move(received_.front());
    received_.pop_front();
    queuedBytes_ -= static_cast<std::size_t>(datagram.bytes.size()) + kPerDatagramCost;
    lastSender_ = datagram.sender;
    if (maxLength >= 0 && datagram.bytes.size() > maxLength) datagram.bytes.truncate(maxLength);
    return datagram;
}

QByteArray UdpChannel::getData(int maxLength) {
    auto datagram = takeDatagram(maxLength);
    return datagram ? std::move(datagram->bytes) : QByteArray();
}

QString UdpChannel::lastSender() const {
    const std::lock_guard lock(queueMutex_);
    return lastSender_;
}

bool UdpChannel::waitForDatagram(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(queueMutex_);
    return arrived_.wait_until(lock, deadline, [this] { return !received_.empty(); });
}

int UdpChannel::localPort() const { return socket_ ? socket_->port() : 0; }

void UdpChannel::receive(const ReceivedDatagram& datagram) {
    const QString sender = datagram.senderIpv4 != 0 ? QHostAddress(datagram.senderIpv4).toString() : QString();
    transport::trace::bytes(QHostAddress(datagram.senderIpv4).toString(), transport::trace::Direction::Received,
                            datagram.bytes);
    {
        const std::lock_guard lock(queueMutex_);
        received_.push_back({datagram.bytes, sender});
        queuedBytes_ += static_cast<std::size_t>(datagram.bytes.size()) + kPerDatagramCost;
        while (received_.size() > kMaxQueued || queuedBytes_ > kMaxQueuedBytes) {
            queuedBytes_ -= static_cast<std::size_t>(received_.front().bytes.size()) + kPerDatagramCost;
            received_.pop_front();
        }
    }
    arrived_.notify_all();
    emit datagramArrived(static_cast<int>(datagram.bytes.size()));
}

}  // namespace corvane::transport
