#include "transport/raw_device_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include <QDeadlineTimer>

#include "transport/open_failure.h"
#include "transport/wait_slice.h"

namespace corvane::transport {

using std::chrono::milliseconds;

RawDevicePort::~RawDevicePort() { release(); }

link::OpenResult RawDevicePort::Open() {
    // A node already held stays as it is.
    if (fd_ >= 0) return isOpen() ? link::OpenResult{} : openFailure(EBADF, portName());
    const QByteArray path = portName().toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return openFailure(errno, portName());
    // Another holder of the device (this program or another) keeps it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return openProblem(OpenProblem::InUse, portName());
    }
    // A terminal node (a USB-serial adapter, /dev/serial/by-id/..., a
    // pseudo-terminal) starts in the line-editing mode meant for people: it
    // would echo the printer's reply back to it and hold it until a newline.
    // It is put in raw mode at 115200 8N1, and given its settings back at
    // Close.
    if (::isatty(fd) && !makeRaw(fd)) {
        const int error = errno;
        ::close(fd);
        return openFailure(error, portName());
    }
    fd_ = fd;
    setOpen(true);
    return {};
}

bool RawDevicePort::makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) return false;
    saved_ = settings;
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, B115200) != 0 || ::cfsetospeed(&settings, B115200) != 0) return false;
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) return false;
    ::tcflush(fd, TCIOFLUSH);  // what the line editing held is no reply
    return true;
}

void RawDevicePort::Close() {
    if (!isOpen()) return;
    setOpen(false);
    release();
}

void RawDevicePort::release() {
    if (fd_ < 0) return;
    if (saved_) ::tcsetattr(fd_, TCSANOW, &*saved_);
    saved_.reset();
    ::close(fd_);  // also drops the lock
    fd_ = -1;
}

RawDevicePort::Wait RawDevicePort::waitOnce(milliseconds limit) {
    if (fd_ < 0) return Wait::Failed;
    pollfd entry{fd_, POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(limit.count()));
    if (ready == 0 || (ready < 0 && errno == EINTR)) return Wait::TimedOut;
    if (ready < 0) return Wait::Failed;
    if (entry.revents & POLLIN) return Wait::Ready;
    return Wait::Failed;  // hang-up or error without data
}

bool RawDevicePort::takeAvailable(Bytes& reply, std::size_t room) {
    const std::size_t before = reply.size();
    reply.resize(before + room);
    const ssize_t n = ::read(fd_, reply.data() + before, room);
    // A node that poll() called readable but that gives no byte has reached
    // its end: the far end of a pseudo-terminal hung up, or the node never
    // has data (/dev/null). Waiting on would spin.
    const ssize_t got = n < 0 && (errno == EAGAIN || errno == EINTR) ? 0 : n == 0 ? -1 : n;
    reply.resize(before + static_cast<std::size_t>(got > 0 ? got : 0));
    return got >= 0;
}

void RawDevicePort::discardPending() {
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

std::size_t RawDevicePort::writeData(ByteSpan data) {
    std::size_t written = 0;
    const QDeadlineTimer deadline(timeouts().writeLimit);
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
        const int ready = ::poll(&entry, 1, sliceOf(deadline, timeouts().slice));
        if (ready > 0 && (entry.revents & (POLLERR | POLLHUP | POLLNVAL))) break;
        idle();
    }
    return written;
}

}  // namespace corvane::transport
