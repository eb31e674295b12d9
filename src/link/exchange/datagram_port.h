// The small interface the LAN exchanges talk through: single datagrams sent
// to an address and port, and datagrams received with their sender's
// address, each wait bounded by a deadline and ended early by a cancel
// request. The UDP socket is one implementation, a scripted printer in the
// tests another; the exchanges read the time from the port, so a scripted
// port can play seconds of waiting in no time.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "link/bytes.h"
#include "link/cancel_token.h"
#include "link/result.h"

namespace corvane::link {

struct Datagram {
    Bytes bytes;
    std::string sender;  // dotted IPv4 address
};

class DatagramPort {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~DatagramPort() = default;

    virtual Clock::time_point now() const = 0;
    // One datagram to `host` (a dotted IPv4 address, a broadcast address
    // included) and `port`; the error says why it did not leave.
    virtual Result<void> send(const std::string& host, std::uint16_t port, ByteSpan datagram) = 0;
    // The oldest datagram not yet taken, waiting for one until `deadline`;
    // nullopt at the deadline or when `cancel` is set.
    virtual std::optional<Datagram> receive(Clock::time_point deadline, const CancelToken* cancel) = 0;
    // Drops what arrived and was not taken: answers to an earlier request.
    virtual void discardPending() = 0;
};

}  // namespace corvane::link
