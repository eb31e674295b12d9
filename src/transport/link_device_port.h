// What the two direct-link ports share: how a reply is read (a first byte
// within the first-byte limit, then bytes until the read rule ends it or the
// reply limit), waits in short slices with an idle hook and a cancel check,
// and the guards around writing and discarding. SerialPort and RawDevicePort
// only say how their device waits, gives, takes and drops bytes. They move
// blocks of bytes and know nothing of frames.
#pragma once

#include <chrono>
#include <functional>

#include <QString>

#include "link/cancel_token.h"
#include "link/exchange/openable_link_port.h"

namespace corvane::transport {

// When a read ends once the first byte of its reply came.
enum class LinkReadRule {
    // Before the line falls silent only when the reply's shape proves it
    // whole (a reply frame that verifies, the maker name at its zero, a
    // certificate answer's tag) and the line then stays quiet for the reply
    // guard; every other reply, a mode acknowledgement among them, ends as
    // with Silence.
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
    std::chrono::milliseconds replyGap{100};  // silence that ends a reply
    // Quiet after a reply proved whole: bytes of the same burst that are
    // still on their way are collected, and nothing waits for the gap.
    std::chrono::milliseconds replyGuard{10};
    // Longest a reply may take once its first byte came: 4096 bytes need
    // about 0.4 s at 115200 baud, so only a peer that trickles reaches it.
    std::chrono::milliseconds replyLimit{5000};
    std::chrono::milliseconds writeLimit{10000};  // longest wait for a write to drain
    std::chrono::milliseconds slice{25};          // longest blocking wait between idle-hook calls

    std::chrono::milliseconds firstByteLimit() const { return pollInterval * pollsPerAttempt * attempts; }
};

class LinkDevicePort : public link::OpenableLinkPort {
public:
    LinkDevicePort(const LinkDevicePort&) = delete;
    LinkDevicePort& operator=(const LinkDevicePort&) = delete;

    void setPortName(const QString& name) { portName_ = name; }
    const QString& portName() const { return portName_; }
    void setTimeouts(const LinkTimeouts& timeouts) { timeouts_ = timeouts; }
    const LinkTimeouts& timeouts() const { return timeouts_; }
    void setReadRule(LinkReadRule rule) { readRule_ = rule; }
    LinkReadRule readRule() const { return readRule_; }
    // Called between wait slices, so a window can keep itself painted.
    void setIdleHook(std::function<void()> idle) { idle_ = std::move(idle); }
    // Checked after every wait slice: once it is set, a read or write in
    // progress ends as failed and later ones fail at once. Null: none.
    void setCancelToken(const link::CancelToken* cancel) { cancel_ = cancel; }

    bool isOpen() const override { return isOpen_; }
    // Bytes written (fewer when the device stopped taking them within the
    // write limit); 0 on failure, when closed or cancelled.
    std::size_t Write(ByteSpan data) override;
    // Discards what the device and this object hold unread.
    void DiscardInput() override;

protected:
    enum class Wait { Ready, TimedOut, Failed };

    explicit LinkDevicePort(QString portName) : portName_(std::move(portName)) {}

    // One reply of up to 4096 bytes: waits for a first byte, then collects
    // until the read rule ends the reply (or the reply limit). False when
    // nothing came within the time limit, or the device failed, reached its
    // end or hung up.
    bool ReadReply(Bytes& reply, link::ReplyShape shape) override;

    // One blocking wait of at most `limit` for bytes to read. A device that
    // hung up or failed without data is Failed, so no caller spins on it.
    virtual Wait waitOnce(std::chrono::milliseconds limit) = 0;
    // Appends what is waiting, up to `room` bytes; false on a device error or
    // its end.
    virtual bool takeAvailable(Bytes& reply, std::size_t room) = 0;
    // Writes `data` (not empty) within the write limit, in slices.
    virtual std::size_t writeData(ByteSpan data) = 0;
    // Drops what the device holds unread.
    virtual void discardPending() = 0;

    void setOpen(bool open) { isOpen_ = open; }
    void idle();
    bool cancelled() const { return cancel_ != nullptr && cancel_->cancelled(); }

private:
    // Waits up to `limit` for bytes to read, in slices with the idle hook.
    Wait waitReadable(std::chrono::milliseconds limit);

    QString portName_;
    bool isOpen_ = false;
    LinkTimeouts timeouts_;
    LinkReadRule readRule_ = LinkReadRule::Complete;
    std::function<void()> idle_;
    const link::CancelToken* cancel_ = nullptr;
};

}  // namespace corvane::transport
