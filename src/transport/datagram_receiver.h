// Drains a bound UDP socket from a thread of its own. Printers answer a
// broadcast within microseconds of each other; a receive buffer of the size
// most systems grant holds a few hundred answers, and a reader that is busy
// for a few milliseconds (painting, the previous answer's work) would let
// the rest be dropped. The thread sleeps in poll() and, on every wake-up,
// reads what is pending and hands it over in batches, on this thread, to
// the owner's delivery function: nothing waits for an event loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

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

    using Deliver = std::function<void(std::vector<ReceivedDatagram>& batch)>;

    // Starts reading `fd`, which stays owned by the caller and must stay open
    // until stop(). `deliver` runs on the receiving thread with the datagrams
    // read, oldest first, whole, in batches of at most 16 MB (what one
    // wake-up found, cut so a flood is handed over while it lasts); it must
    // be quick (queue and notify) and may take the batch's contents. False
    // when the thread could not start.
    bool start(int fd, Deliver deliver);
    // Ends the thread (it leaves poll() at once); once it returns, `deliver`
    // runs no more. Safe to call when not started.
    void stop();

private:
    void run(int fd);

    std::thread thread_;
    int stopFd_ = -1;  // eventfd the owner writes to end the thread
    Deliver deliver_;
};

}  // namespace corvane::transport
