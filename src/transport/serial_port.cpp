#include "serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

#include <termios.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSerialPortInfo>

#include "transport/open_failure.h"

namespace corvane::transport {

namespace {

using std::chrono::milliseconds;

int sliceOf(const QDeadlineTimer& deadline, milliseconds slice) {
    const qint64 left = deadline.remainingTime();
    return static_cast<int>(std::max<qint64>(0, std::min<qint64>(left, slice.count())));
}

}  // namespace

SerialPort::SerialPort() : portName_(QStringLiteral("ttyS0")) {}

SerialPort::~SerialPort() { release(); }

void SerialPort::idle() {
    if (idle_) idle_();
}

link::OpenResult SerialPort::Open() {
    link::OpenResult result;
    if (usbMode_) {
        // A node already held stays as it is.
        if (fd_ >= 0) return isOpen_ ? link::OpenResult{} : openFailure(EBADF, portName_);
        result = openRaw();
    } else {
        release();
        result = openSerial();
    }
    isOpen_ = result.has_value();
    return result;
}

link::OpenResult SerialPort::openSerial() {
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(portName_);
    const QString node = serialNodePath(portName_);
    // QSerialPort takes a lock file and TIOCEXCL: a second open of the same
    // device fails.
    if (!port->open(QIODevice::ReadWrite)) {
        switch (port->error()) {
        case QSerialPort::PermissionError: return openFailure(EACCES, node);
        case QSerialPort::DeviceNotFoundError: return openFailure(ENOENT, node);
        default: return link::OpenError{0, port->errorString().toStdString(), node.toStdString()};
        }
    }
    const bool configured = port->setBaudRate(static_cast<qint32>(kBaudRate)) &&
                            port->setDataBits(QSerialPort::Data8) && port->setParity(QSerialPort::NoParity) &&
                            port->setStopBits(QSerialPort::OneStop) &&
                            port->setFlowControl(QSerialPort::HardwareControl);
    if (!configured) return openProblem(OpenProblem::LineSettingsRefused, node, port->errorString());
    port->setDataTerminalReady(false);
    // A printer that is attached and ready raises DSR and CTS.
    const QSerialPort::PinoutSignals lines = port->pinoutSignals();
    if (!lines.testFlag(QSerialPort::DataSetReadySignal) || !lines.testFlag(QSerialPort::ClearToSendSignal)) {
        return openProblem(OpenProblem::PrinterNotReady, node);
    }
    port->clear(QSerialPort::AllDirections);
    port->clearError();
    serial_ = std::move(port);
    return {};
}

link::OpenResult SerialPort::openRaw() {
    const QByteArray path = portName_.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return openFailure(errno, portName_);
    // Another holder of the device (this program or another) keeps it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return openProblem(OpenProblem::InUse, portName_);
    }
    fd_ = fd;
    return {};
}

void SerialPort::Close() {
    if (!isOpen_) return;
    isOpen_ = false;
    if (serial_) {
        serial_->setDataTerminalReady(false);
        serial_->clear(QSerialPort::AllDirections);
    }
    release();
}

void SerialPort::release() {
    if (serial_) {
        serial_->close();
        serial_.reset();
    }
    if (fd_ >= 0) {
        ::close(fd_);  // also drops the lock
        fd_ = -1;
    }
}

SerialPort::Wait SerialPort::waitOnce(milliseconds limit) {
    const int ms = static_cast<int>(limit.count());
    if (serial_) {
        if (serial_->bytesAvailable() > 0) return Wait::Ready;
        if (serial_->waitForReadyRead(ms)) return Wait::Ready;
        const auto error = serial_->error();
        if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return Wait::TimedOut;
        serial_->clearError();
        return Wait::Failed;
    }
    if (fd_ < 0) return Wait::Failed;
    pollfd entry{fd_, POLLIN, 0};
    const int ready = ::poll(&entry, 1, ms);
    if (ready == 0 || (ready < 0 && errno == EINTR)) return Wait::TimedOut;
    if (ready < 0) return Wait::Failed;
    if (entry.revents & POLLIN) return Wait::Ready;
    return Wait::Failed;  // hang-up or error without data
}

SerialPort::Wait SerialPort::waitReadable(milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    for (;;) {
        if (cancelled()) return Wait::Failed;
        const Wait result = waitOnce(milliseconds(sliceOf(deadline, timeouts_.slice)));
        if (result != Wait::TimedOut) return result;
        if (deadline.hasExpired()) return Wait::TimedOut;
        idle();
    }
}

bool SerialPort::takeAvailable(Bytes& reply, std::size_t room) {
    const std::size_t before = reply.size();
    reply.resize(before + room);
    qint64 got = 0;
    if (serial_) {
        got = serial_->read(reinterpret_cast<char*>(reply.data() + before), static_cast<qint64>(room));
    } else {
        const ssize_t n = ::read(fd_, reply.data() + before, room);
        // A node that poll() called readable but that gives no byte has
        // reached its end: the far end of a pseudo-terminal hung up, or the
        // node never has data (/dev/null). Waiting on would spin.
        got = n < 0 && (errno == EAGAIN || errno == EINTR) ? 0 : n == 0 ? -1 : n;
    }
    reply.resize(before + static_cast<std::size_t>(std::max<qint64>(got, 0)));
    return got >= 0;
}

bool SerialPort::ReadReply(Bytes& reply, link::ReplyShape shape) {
    reply.clear();
    if (!isOpen_) return false;

    // Wait for the first byte: attempts x polls x poll interval in all.
    if (waitReadable(timeouts_.firstByteLimit()) != Wait::Ready) return false;

    // Then collect until the line has been quiet for the reply gap, so a reply
    // that arrives in pieces is delivered whole; once the reply looks whole a
    // short guard of quiet is enough. A peer that keeps sending a byte now and
    // then is cut off at the reply limit.
    const QDeadlineTimer replyDeadline(timeouts_.replyLimit);
    while (reply.size() < link::kReadChunk) {
        if (!takeAvailable(reply, link::kReadChunk - reply.size())) break;
        if (reply.size() >= link::kReadChunk || replyDeadline.hasExpired()) break;
        const bool whole = readRule_ == LinkReadRule::Complete && link::IsReplyComplete(shape, reply);
        const milliseconds quiet = whole ? timeouts_.replyGuard : timeouts_.replyGap;
        const auto gap = std::min<qint64>(quiet.count(), replyDeadline.remainingTime());
        if (waitReadable(milliseconds(gap)) != Wait::Ready) break;
    }
    return !reply.empty();
}

void SerialPort::DiscardInput() {
    if (!isOpen_) return;
    if (serial_) {
        serial_->clear(QSerialPort::Input);  // the driver's queue and Qt's buffer
        serial_->clearError();
        return;
    }
    if (fd_ < 0) return;
    if (::isatty(fd_)) ::tcflush(fd_, TCIFLUSH);
    // A node that is no terminal (a USB printer) has no queue to flush: what
    // it holds now is read and dropped, a bounded amount so that a peer that
    // never stops sending cannot keep this loop going.
    std::array<std::uint8_t, 4096> sink{};
    for (int i = 0; i < 16; ++i) {
        if (::read(fd_, sink.data(), sink.size()) <= 0) break;
    }
}

std::size_t SerialPort::Write(ByteSpan data) {
    if (!isOpen_ || data.empty() || cancelled()) return 0;
    return serial_ ? writeSerial(data) : writeRaw(data);
}

std::size_t SerialPort::writeSerial(ByteSpan data) {
    const qint64 queued = serial_->write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
    if (queued <= 0) {
        serial_->clearError();
        return 0;
    }
    const QDeadlineTimer deadline(timeouts_.writeLimit);
    while (serial_->bytesToWrite() > 0 && !deadline.hasExpired() && !cancelled()) {
        if (!serial_->waitForBytesWritten(sliceOf(deadline, timeouts_.slice))) {
            const auto error = serial_->error();
            if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) break;
        }
        idle();
    }
    const qint64 unsent = serial_->bytesToWrite();
    if (unsent > 0) {
        // What the device did not take by now is dropped, not sent later into
        // the middle of the next exchange.
        serial_->clear(QSerialPort::Output);
    }
    serial_->clearError();
    return static_cast<std::size_t>(std::max<qint64>(queued - unsent, 0));
}

std::size_t SerialPort::writeRaw(ByteSpan data) {
    std::size_t written = 0;
    const QDeadlineTimer deadline(timeouts_.writeLimit);
    while (written < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + written, data.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        // The device is busy: wait until it takes more, within the limit.
        if (deadline.hasExpired() || cancelled()) break;
        pollfd entry{fd_, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, sliceOf(deadline, timeouts_.slice));
        if (ready > 0 && (entry.revents & (POLLERR | POLLHUP | POLLNVAL))) break;
        idle();
    }
    return written;
}

SerialPort& programSerialPort() {
    static SerialPort port;
    return port;
}

std::vector<SerialPortEntry> availableSerialPorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.push_back({info.portName(), info.systemLocation()});
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.name < b.name; });
    return ports;
}

}  // namespace corvane::transport
