#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <mutex>
#include <vector>

#include "support/wait.h"
#include "transport/datagram_receiver.h"

using corvane::test::waitUntil;
using corvane::transport::DatagramReceiver;
using corvane::transport::ReceivedDatagram;

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

// What a receiver handed over, collected from its thread.
struct Delivered {
    std::mutex mutex;
    std::vector<QByteArray> datagrams;
    int batches = 0;

    DatagramReceiver::Deliver into() {
        return [this](std::vector<ReceivedDatagram>& batch) {
            const std::lock_guard lock(mutex);
            ++batches;
            for (auto& datagram : batch) datagrams.push_back(std::move(datagram.bytes));
        };
    }
    // Once `count` datagrams are in, what came.
    std::vector<QByteArray> atLeast(std::size_t count) {
        waitUntil([&] {
            const std::lock_guard lock(mutex);
            return datagrams.size() >= count;
        });
        const std::lock_guard lock(mutex);
        return datagrams;
    }
};

// Every datagram reaches the delivery function on the receiving thread,
// whole and in order, while the owner takes nothing.
TEST(DatagramReceiver, HandsOverWholeDatagramsInOrderFromItsOwnThread) {
    LoopbackSocket socket;
    const int sender = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    Delivered delivered;
    DatagramReceiver receiver;
    ASSERT_TRUE(receiver.start(socket.fd, delivered.into()));

    // Ten times what the buffer holds; among them an empty datagram and the
    // largest loopback carries.
    std::vector<QByteArray> sent;
    for (int i = 0; i < 64; ++i) sent.push_back(QByteArray::number(i).rightJustified(40, '.'));
    sent[10] = QByteArray();
    sent[20] = QByteArray(65507, 'L');
    for (const QByteArray& datagram : sent) {
        ASSERT_TRUE(socket.send(sender, datagram));
        ASSERT_TRUE(socket.drained());
    }
    EXPECT_EQ(delivered.atLeast(sent.size()), sent);

    // Once stopped it hands over nothing more; a new start reads again.
    receiver.stop();
    const int batches = delivered.batches;
    Delivered again;
    ASSERT_TRUE(receiver.start(socket.fd, again.into()));
    ASSERT_TRUE(socket.send(sender, "again"));
    EXPECT_EQ(again.atLeast(1), std::vector<QByteArray>{"again"});
    EXPECT_EQ(delivered.batches, batches);
    ::close(sender);
}

}  // namespace
