// A printer behind a device node opened as it stands: a USB printer
// (/dev/usb/lp0), or a pseudo-terminal standing in for one.
#pragma once

#include "transport/link_device_port.h"

namespace corvane::transport {

class RawDevicePort final : public LinkDevicePort {
public:
    // The port is named by its device node path.
    RawDevicePort() : LinkDevicePort(QString()) {}
    ~RawDevicePort() override;

    // Opens the node exclusively (a lock no other holder may share); while
    // one is held it only reports that it is open. On failure, the cause.
    link::OpenResult Open() override;
    // Releases the node. Harmless when not open.
    void Close() override;

private:
    Wait waitOnce(std::chrono::milliseconds limit) override;
    bool takeAvailable(Bytes& reply, std::size_t room) override;
    std::size_t writeData(ByteSpan data) override;
    void discardPending() override;
    void release();

    int fd_ = -1;
};

}  // namespace corvane::transport
