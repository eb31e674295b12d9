// The small interface every direct-link exchange talks through: a serial port,
// a USB printer device, or a test double.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "link/bytes.h"
#include "link/reply_shape.h"

namespace corvane::link {

class LinkPort {
public:
    virtual ~LinkPort() = default;

    virtual bool isOpen() const = 0;
    // Bytes written; 0 on failure.
    virtual std::size_t Write(ByteSpan data) = 0;
    // One reply of up to 4096 bytes into `reply` (replaced); false when nothing
    // arrived within the port's time limit or the port failed. `shape` tells
    // the port when the reply is whole, so it need not wait for silence.
    bool Read(Bytes& reply, ReplyShape shape = ReplyShape::Unknown) { return ReadReply(reply, shape); }
    // Drops what arrived and was not read: a late or stray byte is not taken
    // for part of the next reply. Ports that cannot hold input do nothing.
    virtual void DiscardInput() {}

protected:
    virtual bool ReadReply(Bytes& reply, ReplyShape shape) = 0;
};

// Sends the opening bytes of a request: first drops whatever is still
// waiting from earlier exchanges, then writes. Bytes written; 0 on failure.
std::size_t SendRequest(LinkPort& port, ByteSpan request);

inline constexpr std::size_t kReadChunk = 4096;

// How exchanges wait between steps. The desktop tool passes one that keeps
// its windows painted; tests pass one that records or shortens the waits.
using SleepFn = std::function<void(std::chrono::milliseconds)>;
SleepFn BlockingSleep();

}  // namespace corvane::link
