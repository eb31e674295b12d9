// The LAN exchanges' DatagramPort over a UdpChannel: sends through the
// channel as it is set up (local port and address), and takes datagrams
// from the channel's queue, which its receiving thread fills. A wait blocks
// the calling thread on the channel (no event loop runs), in slices of at
// most 50 ms so a cancel request is heard: it works the same on the command
// line's main thread and on a worker thread. A window runs it on a worker;
// the event-driven searches only take what has already arrived.
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
};

}  // namespace corvane::transport
