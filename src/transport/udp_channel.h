// The UDP channel of discovery and LAN settings: one socket with broadcast
// enabled, bound to the local port (and optionally one interface), sending
// single datagrams to the remote host and port and announcing each datagram
// that arrives. A thread of its own reads the socket (see DatagramReceiver);
// announcements come on the channel's thread, in order of arrival.
//
// CORVANE_UDP_RCVBUF (bytes) replaces the receive buffer size the channel
// asks the system for (4 MB), e.g. 212992 to get on this machine what a
// system with the common net.core.rmem_max grants.
#pragma once

#include <deque>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QString>

class QUdpSocket;

namespace corvane::lan {

class DatagramReceiver;

class UdpChannel : public QObject {
    Q_OBJECT
public:
    explicit UdpChannel(QObject* parent = nullptr);
    ~UdpChannel() override;

    // Defaults: remote "255.255.255.255" port 48781, local port 48780.
    void SetRemotePort(int port);
    // Takes effect at the next bind; an open socket on another port is closed.
    void SetLocalPort(int port);
    void SetRemoteHost(const QString& host);

    // Binds to `localPort` on `localAddress` (empty: any interface). With an
    // address, datagrams leave and arrive on that interface only (broadcast
    // answers included). Port 0 takes a free port.
    bool Bind(int localPort, const QString& localAddress = QString());

    // Sends one datagram to the remote host and port, binding to the local
    // port first when not bound yet. False when the datagram did not leave.
    bool SendData(const QByteArray& datagram);

    // The oldest received datagram not yet taken, cut to `maxLength` bytes;
    // empty when none waits.
    QByteArray GetData(int maxLength);

    int localPort() const;  // the port actually bound, 0 when not bound

signals:
    // One per received datagram, with its size.
    void DataArrival(int bytesTotal);

private:
    void bindIfNeeded();
    // After a bind: on success raises the receive buffer and starts the
    // reading thread; false when the bind or the thread failed.
    bool bound(bool ok);
    // Announces what the receiving thread has read.
    void deliverReceived();
    void closeSocket();

    QUdpSocket* socket_;
    QString remoteHost_;
    int remotePort_;
    int localPort_;
    std::unique_ptr<DatagramReceiver> receiver_;
    // Counts closes, so an announcement loop notices the socket it was
    // announcing for has gone.
    unsigned closes_ = 0;
    // Datagrams read from the socket and announced, waiting for GetData.
    std::deque<QByteArray> received_;
};

}  // namespace corvane::lan
