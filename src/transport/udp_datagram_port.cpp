#include "transport/udp_datagram_port.h"

#include "link/discovered_device.h"
#include "transport/wire_trace.h"

namespace corvane::transport {

namespace {
// How often a wait looks at the cancel request.
constexpr std::chrono::milliseconds kCancelPoll{50};
const QString kWaitWhere = QStringLiteral("udp");
}  // namespace

UdpDatagramPort::UdpDatagramPort(UdpChannel& channel) : channel_(channel) {}

UdpDatagramPort::~UdpDatagramPort() = default;

link::Result<void> UdpDatagramPort::send(const std::string& host, std::uint16_t port, ByteSpan datagram) {
    channel_.setRemoteHost(QString::fromStdString(host));
    channel_.setRemotePort(port);
    if (auto sent = channel_.sendData(
            QByteArray(reinterpret_cast<const char*>(datagram.data()), static_cast<qsizetype>(datagram.size())));
        !sent) {
        return link::Error{link::Failure::NotSent, channel_.failure().reason.toStdString()};
    }
    return {};
}

std::optional<link::Datagram> UdpDatagramPort::take() {
    const auto datagram = channel_.takeDatagram(static_cast<int>(link::kDatagramBuffer));
    if (!datagram) return std::nullopt;
    return link::Datagram{Bytes(datagram->bytes.begin(), datagram->bytes.end()), datagram->sender.toStdString()};
}

std::optional<link::Datagram> UdpDatagramPort::receive(Clock::time_point deadline, const link::CancelToken* cancel) {
    const bool cancelled = cancel != nullptr && cancel->cancelled();
    if (auto datagram = cancelled ? std::nullopt : take()) return datagram;
    // The wire log shows how long the search listened and how that ended.
    const auto limit = std::chrono::ceil<std::chrono::milliseconds>(deadline - now()).count();
    transport::trace::lanNote(kWaitWhere, QStringLiteral("wait: a datagram %1 ms").arg(limit));
    auto datagram = waitFor(deadline, cancel);
    transport::trace::lanNote(
        kWaitWhere, QStringLiteral("wait ended: %1")
                        .arg(datagram ? QStringLiteral("datagram from %1").arg(QString::fromStdString(datagram->sender))
                             : cancel != nullptr && cancel->cancelled() ? QStringLiteral("cancelled")
                                                                        : QStringLiteral("deadline")));
    return datagram;
}

std::optional<link::Datagram> UdpDatagramPort::waitFor(Clock::time_point deadline, const link::CancelToken* cancel) {
    const auto heard = [cancel] { return cancel != nullptr && cancel->cancelled(); };
    while (!heard()) {
        if (auto datagram = take()) return datagram;
        const auto at = now();
        if (at >= deadline) return std::nullopt;
        channel_.waitForDatagram(std::min(deadline, at + kCancelPoll));
    }
    return std::nullopt;
}

void UdpDatagramPort::discardPending() {
    while (take()) {}
}

}  // namespace corvane::transport
