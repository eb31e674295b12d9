// A link that the connect sequence can open and close itself: the serial port
// or USB printer device behind the direct configuration window, or a test
// double. The exchanges that only talk take the plain LinkPort.
#pragma once

#include <cstddef>

#include "link_port.h"
#include "open_result.h"

namespace corvane::link {

class OpenableLinkPort : public LinkPort {
public:
    // Opens and configures the device named beforehand; on failure, why.
    virtual OpenResult Open() = 0;
    // Releases the device; harmless when it is not open.
    virtual void Close() = 0;
};

// Lends a port class that has Open and Close of its own, but derives from the
// plain LinkPort, to the connect sequence.
template <class Port>
class OpenableLinkPortAdapter final : public OpenableLinkPort {
public:
    explicit OpenableLinkPortAdapter(Port& port) : port_(port) {}
    OpenResult Open() override { return port_.Open(); }
    void Close() override { port_.Close(); }
    bool isOpen() const override { return port_.isOpen(); }
    std::size_t Write(ByteSpan data) override { return port_.Write(data); }
    void DiscardInput() override { port_.DiscardInput(); }

protected:
    bool ReadReply(Bytes& reply, ReplyShape shape) override { return port_.Read(reply, shape); }

private:
    Port& port_;
};

}  // namespace corvane::link
