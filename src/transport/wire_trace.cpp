#include "transport/wire_trace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>

#include <QFile>

#include "link/exchange/pause_notes.h"
#include "link/wire_secrets.h"

namespace corvane::transport::trace {

namespace {

std::atomic<bool> logOpen{false};
std::mutex logMutex;
int logFd = -1;
bool logShowsSecrets = false;

QByteArray timestamp() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06ld", static_cast<long long>(now.tv_sec), now.tv_nsec / 1000);
    return QByteArray(text);
}

void writeLine(const QString& channel, const QString& where, const QByteArray& rest) {
    QByteArray line = timestamp() + ' ' + channel.toUtf8() + ' ' + where.toUtf8() + ' ' + rest + '\n';
    const std::lock_guard lock(logMutex);
    if (logFd < 0) return;
    const char* data = line.constData();
    qsizetype left = line.size();
    while (left > 0) {
        const ssize_t n = ::write(logFd, data, static_cast<std::size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // a full disk loses lines, never the exchange
        data += n;
        left -= n;
    }
}

// "-> 7: 1f 57 ..." with the bytes in `hidden` as **.
QByteArray hexLine(Direction direction, ByteSpan data, const std::vector<link::StreamSpan>& hidden, std::size_t from) {
    static const char digits[] = "0123456789abcdef";
    QByteArray out = direction == Direction::Sent ? "-> " : "<- ";
    out += QByteArray::number(qsizetype(data.size() - from)) + ':';
    for (std::size_t i = from; i < data.size(); ++i) {
        bool secret = false;
        for (const auto& [first, last] : hidden) secret = secret || (i >= first && i < last);
        out += ' ';
        if (secret) {
            out += "**";
        } else {
            out += digits[data[i] >> 4];
            out += digits[data[i] & 0x0F];
        }
    }
    return out;
}

}  // namespace

namespace {
// An exchange's own pause, from the link layer (which knows no device):
// "wait: <what> <ms> ms" as it starts, "wait ended: …" once it is over.
void pauseLine(std::string_view what, std::chrono::milliseconds wait, bool ended) {
    linkNote(QStringLiteral("exchange"), QStringLiteral("%1: %2 %3 ms")
                                             .arg(ended ? QStringLiteral("wait ended") : QStringLiteral("wait"),
                                                  QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())))
                                             .arg(wait.count()));
}
}  // namespace

std::optional<QString> start(const QString& path, bool showSecrets) {
    stop();
    const QByteArray name = QFile::encodeName(path);
    // Not O_TRUNC: a file is emptied only once it is known to be a regular
    // file; O_NONBLOCK keeps a pipe with no reader from holding the open.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return QStringLiteral("%1: not a regular file").arg(path);
    }
    if (::fchmod(fd, 0600) != 0 || ::ftruncate(fd, 0) != 0 || ::fcntl(fd, F_SETFL, 0) != 0) {
        const int error = errno;
        ::close(fd);
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
    }
    {
        const std::lock_guard lock(logMutex);
        logFd = fd;
        logShowsSecrets = showSecrets;
    }
    logOpen = true;
    link::SetPauseObserver(pauseLine);
    writeLine(QStringLiteral("#"), QStringLiteral("wire log,"),
              showSecrets ? "with secrets" : "secrets on the direct link written as **");
    return std::nullopt;
}

std::optional<QString> startFromEnvironment() {
    const QString path = qEnvironmentVariable(kTraceVariable);
    if (path.isEmpty()) return std::nullopt;
    return start(path, qEnvironmentVariable(kTraceSecretsVariable) == QLatin1String("1"));
}

void stop() {
    logOpen = false;
    link::SetPauseObserver(nullptr);
    const std::lock_guard lock(logMutex);
    if (logFd >= 0) ::close(logFd);
    logFd = -1;
}

bool active() { return logOpen; }

void bytes(const QString& where, Direction direction, ByteSpan data) {
    if (!logOpen) return;
    writeLine(QStringLiteral("lan"), where, hexLine(direction, data, {}, 0));
}

void bytes(const QString& where, Direction direction, const QByteArray& data) {
    if (logOpen)
        bytes(where, direction, ByteSpan(reinterpret_cast<const std::uint8_t*>(data.constData()), data.size()));
}

void linkBytes(const QString& device, Direction direction, ByteSpan stream, std::size_t from) {
    if (!logOpen || from >= stream.size()) return;
    const std::vector<link::StreamSpan> hidden =
        logShowsSecrets ? std::vector<link::StreamSpan>{} : link::SecretSpans(stream);
    writeLine(QStringLiteral("link"), device, hexLine(direction, stream, hidden, from));
}

void linkNote(const QString& device, const QString& text) {
    if (logOpen) writeLine(QStringLiteral("link"), device, "-- " + text.toUtf8());
}

void lanNote(const QString& where, const QString& text) {
    if (logOpen) writeLine(QStringLiteral("lan"), where, "-- " + text.toUtf8());
}

}  // namespace corvane::transport::trace
