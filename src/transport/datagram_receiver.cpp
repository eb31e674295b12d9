#include "transport/datagram_receiver.h"

#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <vector>

namespace corvane::transport {

namespace {

// Room for the largest UDP payload, so every datagram is read whole.
constexpr std::size_t kLargestDatagram = 65536;
// What one batch may hold before it is handed over, so a flood that keeps
// the socket full reaches the owner while it lasts. Each datagram counts
// with a share for its bookkeeping, so a flood of tiny ones is cut too.
constexpr std::size_t kMaxBatchBytes = 16 * 1024 * 1024;
constexpr std::size_t kPerDatagramCost = 64;
constexpr std::size_t kMaxBatchDatagrams = 256;

// The time slice the thread asks for: it runs for microseconds per wake-up.
constexpr std::uint64_t kShortSliceNs = 100'000;

// On a busy machine a woken thread may wait a few milliseconds for a
// processor, and a burst fills the receive buffer in about one. Kernels with
// the EEVDF scheduler (6.12 on) run a thread that asks for a short slice
// sooner after it wakes; older ones ignore the request. The thread keeps its
// policy and nice value, and nothing changes when the call fails.
void askForShortSlices() {
    // The first version of the kernel's struct sched_attr (48 bytes); the C
    // library of the oldest supported systems does not declare it.
    struct {
        std::uint32_t size, policy;
        std::uint64_t flags;
        std::int32_t nice;
        std::uint32_t priority;
        std::uint64_t runtime, deadline, period;
    } attr{};
    static_assert(sizeof attr == 48);
    if (::sched_getscheduler(0) != SCHED_OTHER) return;
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()));
    if (errno != 0) return;
    attr.size = sizeof attr;
    attr.policy = SCHED_OTHER;
    attr.nice = nice;
    attr.runtime = kShortSliceNs;
    ::syscall(SYS_sched_setattr, 0, &attr, 0);
}

// The header's destination address from an IP_PKTINFO record; 0 without one.
std::uint32_t destinationOf(msghdr& message) {
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_PKTINFO) continue;
        in_pktinfo info{};
        std::memcpy(&info, CMSG_DATA(c), sizeof info);
        return ntohl(info.ipi_addr.s_addr);
    }
    return 0;
}

}  // namespace

DatagramReceiver::DatagramReceiver() = default;

DatagramReceiver::~DatagramReceiver() { stop(); }

bool DatagramReceiver::start(int fd, Deliver deliver) {
    stop();
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopFd_ < 0) return false;
    deliver_ = std::move(deliver);
    try {
        thread_ = std::thread([this, fd] { run(fd); });
    } catch (const std::system_error&) {
        ::close(stopFd_);
        stopFd_ = -1;
        return false;
    }
    return true;
}

void DatagramReceiver::stop() {
    if (thread_.joinable()) {
        const std::uint64_t one = 1;
        // An eventfd write of 1 only fails when the counter is about to
        // overflow, which no earlier stop() can have caused.
        [[maybe_unused]] const auto written = ::write(stopFd_, &one, sizeof one);
        thread_.join();
    }
    if (stopFd_ >= 0) ::close(stopFd_);
    stopFd_ = -1;
}

void DatagramReceiver::run(int fd) {
    askForShortSlices();
    std::vector<char> buffer(kLargestDatagram);
    pollfd fds[2] = {{fd, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        fds[0].revents = fds[1].revents = 0;
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents != 0 || (fds[0].revents & POLLNVAL) != 0) return;

        // Everything pending, one datagram per call, until the socket is empty,
        // handed over batch by batch. A failed read (an error the socket held)
        // is consumed by reporting it, so poll() does not wake for it again.
        std::vector<ReceivedDatagram> batch;
        std::size_t batchBytes = 0;
        for (;;) {
            sockaddr_in from{};
            iovec data{buffer.data(), buffer.size()};
            alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
            msghdr message{};
            message.msg_name = &from;
            message.msg_namelen = sizeof from;
            message.msg_iov = &data;
            message.msg_iovlen = 1;
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            const ssize_t got = ::recvmsg(fd, &message, MSG_DONTWAIT);
            if (got < 0) {
                if (errno == EINTR) continue;
                break;
            }
            const std::uint32_t sender = from.sin_family == AF_INET ? ntohl(from.sin_addr.s_addr) : 0;
            batch.push_back({QByteArray(buffer.data(), static_cast<qsizetype>(got)), sender, destinationOf(message)});
            batchBytes += static_cast<std::size_t>(got) + kPerDatagramCost;
            if (batch.size() >= kMaxBatchDatagrams || batchBytes + kLargestDatagram > kMaxBatchBytes) {
                deliver_(batch);
                batch.clear();
                batchBytes = 0;
            }
        }
        if (!batch.empty()) deliver_(batch);
    }
}

}  // namespace corvane::transport
