// The one link object every direct-link byte passes through: a serial port
// (115200 8N1, RTS/CTS, DTR off, printer must raise DSR and CTS) or a USB
// printer device node opened as it stands. It moves blocks of bytes and knows
// nothing of frames.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "link/cancel_token.h"
#include "link/link_port.h"
#include "link/open_result.h"

class QSerialPort;

namespace corvane::transport {

// When a read ends once the first byte of its reply came.
enum class LinkReadRule {
    // As soon as the reply looks whole (its end byte, its terminating zero,
    // its four bytes, its tag) and the line then stays quiet for the reply
    // guard; a reply that does not look whole ends as with Silence.
    Complete,
    // Only after the reply gap without a byte, whatever came: for printers
    // that send more after what looks like the end of a reply.
    Silence,
};

// How long reads and writes wait. The defaults are the printer's: a reply
// ends after 100 ms without a byte, and a printer that stays silent is given
// 30 attempts of 30 polls of 100 ms (about 90 s). Tests and the command line
// shorten them.
struct LinkTimeouts {
    std::chrono::milliseconds pollInterval{100};
    int pollsPerAttempt = 30;
    int attempts = 30;
    std::chrono::milliseconds replyGap{100};     // silence that ends a reply
    // Quiet after a reply that looks whole: bytes of the same burst that are
    // still on their way are collected, and nothing waits for the gap.
    std::chrono::milliseconds replyGuard{10};
    // Longest a reply may take once its first byte came: 4096 bytes need
    // about 0.4 s at 115200 baud, so only a peer that trickles reaches it.
    std::chrono::milliseconds replyLimit{5000};
    std::chrono::milliseconds writeLimit{10000};  // longest wait for a write to drain
    std::chrono::milliseconds slice{25};         // longest blocking wait between idle-hook calls

    std::chrono::milliseconds firstByteLimit() const { return pollInterval * pollsPerAttempt * attempts; }
};

class SerialPort : public link::LinkPort {
public:
    static constexpr std::uint32_t kBaudRate = 115200;

    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Serial mode: a port name as listed ("ttyUSB0") or a device path; the
    // port is opened at its system location. USB mode: the device node path.
    void setPortName(const QString& name) { portName_ = name; }
    const QString& portName() const { return portName_; }
    void setUsbMode(bool usb) { usbMode_ = usb; }
    bool usbMode() const { return usbMode_; }
    std::uint32_t baudRate() const { return kBaudRate; }

    void setTimeouts(const LinkTimeouts& timeouts) { timeouts_ = timeouts; }
    const LinkTimeouts& timeouts() const { return timeouts_; }
    void setReadRule(LinkReadRule rule) { readRule_ = rule; }
    LinkReadRule readRule() const { return readRule_; }
    // Called between wait slices, so a window can keep itself painted.
    void setIdleHook(std::function<void()> idle) { idle_ = std::move(idle); }
    // Checked after every wait slice: once it is set, a read or write in
    // progress ends as failed and later ones fail at once. Null: none.
    void setCancelToken(const link::CancelToken* cancel) { cancel_ = cancel; }

    // Serial mode fails when the port cannot be opened exclusively, refuses
    // the line settings or its DSR or CTS line is off (no printer ready; a
    // pseudo-terminal has no modem lines and so never passes). USB mode opens
    // the node exclusively; while one is held it only reports isOpen(). On
    // failure, the cause.
    link::OpenResult Open();
    // Drops DTR, discards both directions and releases the device. Harmless
    // when not open.
    void Close();

    bool isOpen() const override { return isOpen_; }
    // Bytes written (fewer when the device stopped taking them within the
    // write limit); 0 on failure.
    std::size_t Write(ByteSpan data) override;
    // Discards what the device and this object hold unread.
    void DiscardInput() override;

protected:
    // One reply of up to 4096 bytes: waits for a first byte, then collects
    // until the read rule ends the reply (or the reply limit). False when
    // nothing came within the time limit, or the device failed, reached its
    // end or hung up.
    bool ReadReply(Bytes& reply, link::ReplyShape shape) override;

private:
    enum class Wait { Ready, TimedOut, Failed };

    link::OpenResult openSerial();
    link::OpenResult openRaw();
    void release();
    // Waits up to `limit` for bytes to read, in slices with the idle hook.
    Wait waitReadable(std::chrono::milliseconds limit);
    Wait waitOnce(std::chrono::milliseconds limit);
    // Appends what is waiting, up to `room` bytes; false on a device error.
    bool takeAvailable(Bytes& reply, std::size_t room);
    std::size_t writeRaw(ByteSpan data);
    std::size_t writeSerial(ByteSpan data);
    void idle();
    bool cancelled() const { return cancel_ != nullptr && cancel_->cancelled(); }

    QString portName_;
    bool usbMode_ = false;
    bool isOpen_ = false;
    LinkTimeouts timeouts_;
    LinkReadRule readRule_ = LinkReadRule::Complete;
    std::function<void()> idle_;
    const link::CancelToken* cancel_ = nullptr;
    std::unique_ptr<QSerialPort> serial_;  // serial mode
    int fd_ = -1;                          // USB mode
};

// The program's one link object.
SerialPort& programSerialPort();

// A serial port the window can offer: its name and where it lives.
struct SerialPortEntry {
    QString name;            // "ttyUSB0"
    QString systemLocation;  // "/dev/ttyUSB0"
};
std::vector<SerialPortEntry> availableSerialPorts();

}  // namespace corvane::transport
