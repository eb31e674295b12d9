// The direct link of the configuration window or a link command: it holds a
// serial port and a raw device port and lets the one chosen before Open
// carry every exchange, so the session above never changes its port. The
// waits, read rule, idle hook and cancel token set here apply to both.
#pragma once

#include "transport/link_device_port.h"
#include "transport/raw_device_port.h"
#include "transport/serial_port.h"

namespace corvane::transport {

class DirectLink final : public link::OpenableLinkPort {
public:
    // False: the serial port (named as listed, "ttyUSB0", or by path); true:
    // the raw device port (a device node path).
    void setUsbMode(bool usb) { usb_ = usb; }
    bool usbMode() const { return usb_; }
    LinkDevicePort& chosen() { return usb_ ? static_cast<LinkDevicePort&>(raw_) : serial_; }
    const LinkDevicePort& chosen() const { return usb_ ? static_cast<const LinkDevicePort&>(raw_) : serial_; }

    void setPortName(const QString& name) { chosen().setPortName(name); }
    const QString& portName() const { return chosen().portName(); }
    void setTimeouts(const LinkTimeouts& timeouts);
    const LinkTimeouts& timeouts() const { return serial_.timeouts(); }
    void setReadRule(LinkReadRule rule);
    LinkReadRule readRule() const { return serial_.readRule(); }
    void setIdleHook(const std::function<void()>& idle);
    void setCancelToken(const link::CancelToken* cancel);

    // Opening the serial port lets go of a device node still held.
    link::OpenResult Open() override;
    void Close() override { chosen().Close(); }
    bool isOpen() const override { return chosen().isOpen(); }
    std::size_t Write(ByteSpan data) override { return chosen().Write(data); }
    void DiscardInput() override { chosen().DiscardInput(); }

protected:
    bool ReadReply(Bytes& reply, link::ReplyShape shape) override { return chosen().Read(reply, shape); }

private:
    bool usb_ = false;
    SerialPort serial_;
    RawDevicePort raw_;
};

// The program's one direct link.
DirectLink& programLink();

}  // namespace corvane::transport
