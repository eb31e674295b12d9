// The small interface the LAN survey talks through: a connection that carries
// bytes without framing (the printer's TCP survey port, or a test double).
// Every wait is bounded by the limit it is given; an implementation that
// blocks runs its waits in slices and ends them early on a cancel request.
#pragma once

#include <chrono>
#include <cstddef>

#include "link/bytes.h"
#include "link/result.h"

namespace corvane::link {

class ByteStream {
public:
    virtual ~ByteStream() = default;

    // Connected within `limit`, or why not (a bad address, refused, no
    // answer, cancelled), with the system's words where it gave some.
    virtual Result<void> Connect(std::chrono::milliseconds limit) = 0;
    // True when all of `data` went out within `limit`.
    virtual bool Write(ByteSpan data, std::chrono::milliseconds limit) = 0;
    // Waits up to `limit` for bytes, then appends what is waiting, at most
    // `room` bytes. False when none came: time-out, closed connection, error
    // or a cancel.
    virtual bool Read(Bytes& into, std::size_t room, std::chrono::milliseconds limit) = 0;
};

}  // namespace corvane::link
