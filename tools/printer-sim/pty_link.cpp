#include "pty_link.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace corvane::sim {

PtyLink::PtyLink(LinkPrinter& printer, QObject* parent) : QObject(parent), session_(printer) {}

PtyLink::~PtyLink() {
    if (!symlink_.isEmpty() && QFileInfo(symlink_).isSymLink() && QFileInfo(symlink_).symLinkTarget() == slavePath_)
        ::unlink(symlink_.toLocal8Bit().constData());
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

bool PtyLink::open(const QString& symlinkPath, bool cooked, QString* error) {
    auto fail = [error](const char* what) {
        *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return fail("unlocking the pty");
    const char* name = ::ptsname(master_);
    if (!name) return fail("ptsname");
    slavePath_ = QString::fromLocal8Bit(name);

    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) return fail("opening the pty slave");
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0) return fail("tcgetattr");
    if (!cooked) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B115200);
        ::cfsetospeed(&tio, B115200);
        if (::tcsetattr(slave_, TCSANOW, &tio) != 0) return fail("tcsetattr");
    }

    if (!symlinkPath.isEmpty()) {
        const QFileInfo info(symlinkPath);
        if (info.isSymLink()) ::unlink(symlinkPath.toLocal8Bit().constData());
        else if (info.exists()) {
            *error = QStringLiteral("%1 exists and is not a symlink; not replacing it").arg(symlinkPath);
            return false;
        }
        if (::symlink(name, symlinkPath.toLocal8Bit().constData()) != 0) return fail("creating the pty symlink");
        symlink_ = symlinkPath;
    }

    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyLink::onReadable);
    return true;
}

bool PtyLink::recordInto(const QString& path, QString* error) {
    record_ = new QFile(path, this);
    if (record_->open(QIODevice::Append)) return true;
    *error = QStringLiteral("%1: %2").arg(path, record_->errorString());
    return false;
}

void PtyLink::onReadable() {
    std::array<std::uint8_t, 4096> buffer{};
    for (;;) {
        const ssize_t n = ::read(master_, buffer.data(), buffer.size());
        if (n <= 0) break;
        const ByteSpan received(buffer.data(), static_cast<std::size_t>(n));
        if (record_) {
            record_->write(reinterpret_cast<const char*>(received.data()), n);
            record_->flush();
        }
        if (session_.printer().faults.echo) writeAnswer(Bytes(received.begin(), received.end()));
        if (std::chrono::steady_clock::now() < deafUntil_) {
            std::fprintf(stderr, "sim: link: %zd byte(s) arrived while deaf after an acknowledgement; lost\n", n);
            continue;
        }
        auto answers = session_.feed(received);
        for (const auto& line : session_.takeNotes()) std::fprintf(stderr, "sim: link: %s\n", line.c_str());
        for (auto& a : answers) {
            if (a.delayMs <= 0) writeAnswer(a.data, a.deafMs);
            else
                QTimer::singleShot(a.delayMs, this,
                                   [this, data = std::move(a.data), deaf = a.deafMs] { writeAnswer(data, deaf); });
        }
    }
}

void PtyLink::writeAnswer(const Bytes& answer, int deafMs) {
    if (deafMs > 0) deafUntil_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(deafMs);
    // One write() per answer so the tool's read sees it whole; only a full
    // pty buffer splits it, and then the rest follows at once.
    std::size_t done = 0;
    int stalls = 0;
    while (done < answer.size()) {
        const ssize_t n = ::write(master_, answer.data() + done, answer.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN && ++stalls < 1000) {
            ::usleep(1000);
            continue;
        }
        std::fprintf(stderr, "sim: link: answer cut after %zu of %zu bytes: %s\n", done, answer.size(),
                     std::strerror(errno));
        return;
    }
}

}  // namespace corvane::sim
