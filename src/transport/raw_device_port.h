// A printer behind a device node: a USB printer (/dev/usb/lp0) opened as it
// stands, or a terminal node (a USB-serial adapter, a pseudo-terminal
// standing in for a printer) put in raw mode at 115200 8N1.
#pragma once

#include <termios.h>

#include <optional>

#include "transport/link_device_port.h"

namespace corvane::transport {

class RawDevicePort final : public LinkDevicePort {
public:
    // The port is named by its device node path.
    RawDevicePort() : LinkDevicePort(QString()) {}
    ~RawDevicePort() override;

    // Opens the node exclusively (a lock no other holder may share), a
    // terminal in raw mode; while one is held it only reports that it is
    // open. On failure, the cause.
    link::OpenResult Open() override;
    // Releases the node. Harmless when not open.
    void Close() override;

private:
    Wait waitOnce(std::chrono::milliseconds limit) override;
    bool takeAvailable(Bytes& reply, std::size_t room) override;
    std::size_t writeData(ByteSpan data) override;
    void discardPending() override;
    void release();
    // Raw mode, 115200 8N1, no flow control; the settings found are kept for
    // Close. False with errno set when the terminal refuses.
    bool makeRaw(int fd);

    int fd_ = -1;
    std::optional<termios> saved_;  // a terminal's own settings, given back at Close
};

}  // namespace corvane::transport
