// Drains a bound UDP socket from a thread of its own. Printers answer a
// broadcast within microseconds of each other; a receive buffer of the size
// most systems grant holds a few hundred answers, and an event loop that is
// busy for a few milliseconds (painting, the previous answer's work) would
// let the rest be dropped. The thread sleeps in poll() and, on every wake-up,
// reads all that is pending into a queue the owner's thread takes from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include <QByteArray>

namespace corvane::transport {

// One datagram as it was read, with the IPv4 address it came from and the
// one it was sent to (host order; 0 when unknown). The destination is known
// when the socket has IP_PKTINFO on: a unicast answer names the local
// address whose request it answers, a broadcast answer names no one.
struct ReceivedDatagram {
    QByteArray bytes;
    std::uint32_t senderIpv4 = 0;
    std::uint32_t destinationIpv4 = 0;
};

class DatagramReceiver {
public:
    DatagramReceiver();
    ~DatagramReceiver();
    DatagramReceiver(const DatagramReceiver&) = delete;
    DatagramReceiver& operator=(const DatagramReceiver&) = delete;

    // Starts reading `fd`, which stays owned by the caller and must stay open
    // until stop(). `wake` runs on the receiving thread when the queue turns
    // from empty to not empty (once until the next takeAll()); it should only
    // post a call to the owner's thread. False when the thread could not start.
    bool start(int fd, std::function<void()> wake);
    // Ends the thread (it leaves poll() at once) and drops what was queued.
    // Safe to call when not started.
    void stop();

    // The datagrams read since the last call, oldest first, whole. While the
    // owner does not take them the queue holds up to 16 MB; what arrives
    // beyond is dropped, as a full socket buffer would drop it.
    std::deque<ReceivedDatagram> takeAll();

private:
    void run(int fd);

    std::thread thread_;
    int stopFd_ = -1;  // eventfd the owner writes to end the thread
    std::function<void()> wake_;

    std::mutex mutex_;
    std::deque<ReceivedDatagram> queue_;
    std::size_t queuedBytes_ = 0;
    bool wakePending_ = false;
};

}  // namespace corvane::transport
