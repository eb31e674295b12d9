#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>

#include "support/wait.h"
#include "transport/datagram_receiver.h"

using corvane::test::waitUntil;
using corvane::transport::DatagramReceiver;

namespace {

// A loopback UDP socket on a free port with the smallest receive buffer the
// system grants (a few datagrams), so anything the thread failed to read
// while the owner is busy would be dropped.
struct LoopbackSocket {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};

    LoopbackSocket() {
        const int smallest = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &smallest, sizeof smallest);
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    }
    ~LoopbackSocket() { ::close(fd); }

    bool send(int sender, const QByteArray& datagram) const {
        return ::sendto(sender, datagram.constData(), static_cast<size_t>(datagram.size()), 0,
                        reinterpret_cast<const sockaddr*>(&address), sizeof address) == datagram.size();
    }
    // Waits until nothing is left in the socket.
    bool drained() const {
        return waitUntil([this] {
            pollfd readable{fd, POLLIN, 0};
            return ::poll(&readable, 1, 0) == 0;
        });
    }
};

// What the receiver queued, once `count` datagrams are in (the thread may
// still be between reading the last one and queueing it).
std::vector<QByteArray> TakeAtLeast(DatagramReceiver& receiver, std::size_t count) {
    std::vector<QByteArray> taken;
    waitUntil([&] {
        for (auto& datagram : receiver.takeAll()) taken.push_back(std::move(datagram.bytes));
        return taken.size() >= count;
    });
    return taken;
}

TEST(DatagramReceiver, ReadsWholeDatagramsInOrderWhileTheOwnerIsBusyAndWakesItOncePerBatch) {
    LoopbackSocket socket;
    const int sender = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    std::atomic<int> wakes = 0;
    DatagramReceiver receiver;
    ASSERT_TRUE(receiver.start(socket.fd, [&] { ++wakes; }));

    // Ten times what the buffer holds, the owner never taking any; among
    // them an empty datagram and the largest loopback carries.
    std::vector<QByteArray> sent;
    for (int i = 0; i < 64; ++i) sent.push_back(QByteArray::number(i).rightJustified(40, '.'));
    sent[10] = QByteArray();
    sent[20] = QByteArray(65507, 'L');
    for (const QByteArray& datagram : sent) {
        ASSERT_TRUE(socket.send(sender, datagram));
        ASSERT_TRUE(socket.drained());
    }
    EXPECT_EQ(TakeAtLeast(receiver, sent.size()), sent);
    EXPECT_EQ(wakes, 1);

    ASSERT_TRUE(socket.send(sender, "after"));
    EXPECT_EQ(TakeAtLeast(receiver, 1), std::vector<QByteArray>{"after"});
    // The wake comes just after the datagram is queued.
    EXPECT_TRUE(waitUntil([&] { return wakes == 2; }));

    // Stopping ends the thread at once and drops what it had read; a new
    // start reads again.
    receiver.stop();
    EXPECT_TRUE(receiver.takeAll().empty());
    ASSERT_TRUE(receiver.start(socket.fd, [] {}));
    ASSERT_TRUE(socket.send(sender, "again"));
    EXPECT_EQ(TakeAtLeast(receiver, 1), std::vector<QByteArray>{"again"});
    ::close(sender);
}

}  // namespace
