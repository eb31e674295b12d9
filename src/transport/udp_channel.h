// The UDP channel of discovery and LAN settings: a socket with broadcast
// enabled, bound to the local port (and optionally one interface), sending
// single datagrams to the remote host and port from the chosen local address
// and queueing each datagram that arrives. A thread of its own reads the
// socket (see DatagramReceiver) and puts each datagram straight into the
// queue of every channel it is for, under the queue's lock, then wakes
// waitForDatagram() and emits datagramArrived from that thread: no event
// loop is needed to receive, so a channel works on a thread that blocks
// (the command line's main thread, a worker). Connect datagramArrived with a
// receiver object (Qt then queues the call to the receiver's thread); a
// function connected without one would run on the receiving thread.
//
// The port is bound exclusively: another program holding it (a second copy
// of this tool, say) would otherwise receive the answers meant for this one.
// Inside this program, channels on the same port and interface share one
// socket; an answer addressed to one channel's local address goes to that
// channel only, a broadcast answer to each of them.
//
// CORVANE_UDP_RCVBUF (bytes) replaces the receive buffer size the channel
// asks the system for (4 MB), e.g. 212992 to get on this machine what a
// system with the common net.core.rmem_max grants.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "link/result.h"

namespace corvane::transport {

class BoundUdpSocket;
struct ReceivedDatagram;

// Why a datagram could not leave: the local address or port cannot be bound,
// another program holds the port, the socket may not be tied to the local
// address's interface, or the system refused the send. `localAddress` and
// `localPort` are the ones asked for; `reason` is the system's own words.
struct ChannelFailure {
    enum class Cause { None, LocalAddress, LocalPort, PortInUse, Interface, Send };
    Cause cause = Cause::None;
    QString localAddress;
    int localPort = 0;
    QString reason;
    QString interfaceName;  // with Cause::Interface
};

class UdpChannel : public QObject {
    Q_OBJECT
public:
    explicit UdpChannel(QObject* parent = nullptr);
    ~UdpChannel() override;

    // Defaults: remote "255.255.255.255" port 48781, local port 48780.
    void setRemotePort(int port);
    // Takes effect at the next bind; an open socket on another port is closed.
    void setLocalPort(int port);
    // The same for the local address (empty: any interface).
    void setLocalAddress(const QString& address);
    void setRemoteHost(const QString& host);

    // Binds to `localPort` on `localAddress` (empty: any interface). With an
    // address, datagrams leave from that address and arrive on its interface
    // only (broadcast answers included). Port 0 takes a free port. An address
    // no interface of this host owns is refused (a loopback address binds as
    // it stands). A port another program holds is refused (PortInUse); so is
    // an address whose interface the socket may not be tied to (Interface),
    // rather than binding the address alone and missing broadcast answers.
    // Both values are kept for later binds: a channel whose bind failed
    // never falls back to another interface. On failure, why (as failure()).
    link::Result<void, ChannelFailure> bind(int localPort, const QString& localAddress = QString());

    // Sends one datagram to the remote host and port, binding to the local
    // port and address first when not bound yet. Fails, saying why (as
    // failure()), when the datagram did not leave.
    link::Result<void, ChannelFailure> sendData(const QByteArray& datagram);

    // What made the last Bind or sendData fail; empty after a success.
    const ChannelFailure& failure() const { return failure_; }

    struct Received {
        QByteArray bytes;
        QString sender;  // dotted IPv4; empty when unknown
    };
    // The oldest received datagram not yet taken, with its sender, cut to
    // `maxLength` bytes (negative: whole); nullopt when none waits. Any thread.
    std::optional<Received> takeDatagram(int maxLength);
    // The same without the sender; empty when none waits.
    QByteArray getData(int maxLength);
    // The sender's address of the datagram getData gave last.
    QString lastSender() const;
    // Blocks the calling thread until a datagram waits to be taken or
    // `deadline` passes; true when one waits. No event loop runs meanwhile.
    bool waitForDatagram(std::chrono::steady_clock::time_point deadline);

    int localPort() const;  // the port actually bound, 0 when not bound

signals:
    // One per received datagram, with its size.
    void datagramArrived(int bytesTotal);

private:
    friend class BoundUdpSocket;

    link::Result<void, ChannelFailure> outcome(bool ok) const;
    bool bindTo(int localPort, const QString& localAddress);
    bool send(const QByteArray& datagram);
    bool bindIfNeeded();
    bool fail(ChannelFailure::Cause cause, const QString& reason);
    // Queues and announces one datagram the shared socket read; runs on the
    // receiving thread.
    void receive(const ReceivedDatagram& datagram);
    void closeSocket();

    std::shared_ptr<BoundUdpSocket> socket_;
    // The address requests leave from when the socket is bound to every
    // address of an interface (host order; 0: the system's choice).
    std::uint32_t sourceIpv4_ = 0;
    QString remoteHost_;
    int remotePort_;
    int localPort_;
    QString localAddress_;
    ChannelFailure failure_;
    // Datagrams read from the socket and announced, waiting to be taken,
    // filled by the receiving thread; the lock guards all three.
    mutable std::mutex queueMutex_;
    std::condition_variable arrived_;
    std::deque<Received> received_;
    std::size_t queuedBytes_ = 0;
    QString lastSender_;
};

}  // namespace corvane::transport
