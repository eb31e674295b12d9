// The LAN exchanges' DatagramPort over a UdpChannel: sends through the
// channel as it is set up (local port and address), and waits for
// datagrams with the event loop running, so the channel keeps announcing
// them and a window stays painted.
#pragma once

#include "link/exchange/datagram_port.h"
#include "transport/udp_channel.h"

namespace corvane::transport {

class UdpDatagramPort final : public link::DatagramPort {
public:
    // The channel outlives the port; its local port and address are set.
    explicit UdpDatagramPort(UdpChannel& channel);
    ~UdpDatagramPort() override;

    Clock::time_point now() const override { return Clock::now(); }
    // The error's text is the channel's reason; channel().failure() has the rest.
    link::Result<void> send(const std::string& host, std::uint16_t port, ByteSpan datagram) override;
    std::optional<link::Datagram> receive(Clock::time_point deadline, const link::CancelToken* cancel) override;
    void discardPending() override;

    UdpChannel& channel() { return channel_; }

private:
    std::optional<link::Datagram> take();
    // receive() without its wire-log lines.
    std::optional<link::Datagram> waitFor(Clock::time_point deadline, const link::CancelToken* cancel);

    UdpChannel& channel_;
    int announced_ = 0;  // datagrams the channel announced and nobody took yet
    QMetaObject::Connection counting_;
};

}  // namespace corvane::transport
