#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <QUdpSocket>

#include "support/wait.h"
#include "transport/udp_channel.h"
#include "transport/udp_datagram_port.h"
#include "transport/wire_trace.h"

using corvane::test::waitUntil;
using corvane::transport::UdpChannel;
using corvane::transport::UdpDatagramPort;
using Clock = std::chrono::steady_clock;

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");

// Answers coming back to the port the first send bound are proven end to end
// by every discovery in tests/robustness and tests/cli.
TEST(UdpChannel, SendBindsFirstEachDatagramIsAnnouncedAndReadUpToTheLengthAsked) {
    UdpChannel printer;
    ASSERT_TRUE(printer.bind(0, kLoopback));
    EXPECT_TRUE(printer.getData(512).isEmpty());
    std::vector<int> sizes;
    std::vector<QByteArray> data;
    QObject::connect(&printer, &UdpChannel::datagramArrived, &printer, [&](int size) {
        sizes.push_back(size);
        data.push_back(printer.getData(std::min(size, 6)));
    });

    UdpChannel tool;
    tool.setLocalPort(0);
    tool.setRemoteHost(kLoopback);
    tool.setRemotePort(printer.localPort());
    EXPECT_EQ(tool.localPort(), 0);
    ASSERT_TRUE(tool.sendData("FIND"));
    ASSERT_NE(tool.localPort(), 0);
    ASSERT_TRUE(tool.sendData(QByteArray("IMIN\0\x01", 6)));
    ASSERT_TRUE(tool.sendData("0123456789"));
    ASSERT_TRUE(waitUntil([&] { return sizes.size() == 3; }));
    EXPECT_EQ(sizes, (std::vector<int>{4, 6, 10}));
    EXPECT_EQ(data, (std::vector<QByteArray>{"FIND", QByteArray("IMIN\0\x01", 6), "012345"}));
    EXPECT_TRUE(printer.getData(512).isEmpty());  // what was cut off is gone
}

// A bind that fails says whether the address or the port is to blame, and
// the channel never falls back to another interface to send anyway. A port
// held by another program counts as taken even when that program shares its
// ports (as older copies of this tool did).
TEST(UdpChannel, AFailedBindSaysWhyAndNothingIsSentAfterIt) {
    using Cause = corvane::transport::ChannelFailure::Cause;
    QUdpSocket holder;
    ASSERT_TRUE(
        holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
    QUdpSocket anyHolder;
    ASSERT_TRUE(
        anyHolder.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
    UdpChannel receiver;
    ASSERT_TRUE(receiver.bind(0, kLoopback));
    int arrived = 0;
    QObject::connect(&receiver, &UdpChannel::datagramArrived, &receiver, [&](int) { ++arrived; });
    struct Case {
        int port;
        QString address;
        Cause cause;
    };
    const Case cases[] = {
        {0, QStringLiteral("not-an-address"), Cause::LocalAddress},
        {0, QStringLiteral("::1"), Cause::LocalAddress},
        {0, QStringLiteral("192.0.2.44"), Cause::LocalAddress},  // a documentation address no host owns
        {70000, {}, Cause::LocalPort},
        {holder.localPort(), kLoopback, Cause::PortInUse},
        {holder.localPort(), {}, Cause::PortInUse},
        {anyHolder.localPort(), kLoopback, Cause::PortInUse},
    };
    for (const Case& c : cases) {
        UdpChannel channel;
        EXPECT_FALSE(channel.bind(c.port, c.address)) << c.address.toStdString() << " " << c.port;
        EXPECT_EQ(channel.failure().cause, c.cause) << c.address.toStdString() << " " << c.port;
        channel.setRemoteHost(kLoopback);
        channel.setRemotePort(receiver.localPort());
        EXPECT_FALSE(channel.sendData("FIND"));
        EXPECT_EQ(channel.failure().cause, c.cause);
        EXPECT_EQ(channel.localPort(), 0);
    }
    corvane::test::pumpEvents(30);
    EXPECT_EQ(arrived, 0);
}

// Two channels of this program on one port and address share the socket
// and both hear an answer; another program cannot bind the port meanwhile
// (nor this one on every interface at once), and once both let go the port
// is free at once.
TEST(UdpChannel, ChannelsOfThisProgramShareThePortOthersAreKeptOut) {
    int port = 0;
    {
        UdpChannel first, second;
        ASSERT_TRUE(first.bind(0, kLoopback));
        port = first.localPort();
        ASSERT_TRUE(second.bind(port, kLoopback));
        int heard[2] = {0, 0};
        QObject::connect(&first, &UdpChannel::datagramArrived, &first,
                         [&](int) { heard[0] += !first.getData(512).isEmpty(); });
        QObject::connect(&second, &UdpChannel::datagramArrived, &second,
                         [&](int) { heard[1] += !second.getData(512).isEmpty(); });

        QUdpSocket other;
        EXPECT_FALSE(other.bind(QHostAddress::AnyIPv4, static_cast<quint16>(port),
                                QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
        ASSERT_TRUE(other.bind(QHostAddress::LocalHost, 0));
        ASSERT_EQ(other.writeDatagram("IMIN", QHostAddress::LocalHost, static_cast<quint16>(port)), 4);
        ASSERT_TRUE(waitUntil([&] { return heard[0] == 1 && heard[1] == 1; }));
        UdpChannel untied;  // the port on every interface clashes with ours, but is not another program's
        EXPECT_FALSE(untied.bind(port));
        EXPECT_EQ(untied.failure().cause, corvane::transport::ChannelFailure::Cause::LocalPort);
    }
    QUdpSocket later;
    EXPECT_TRUE(later.bind(QHostAddress::LocalHost, static_cast<quint16>(port), QAbstractSocket::DontShareAddress));
}

// The port's wait needs no event loop anywhere: it runs on a plain thread
// while the main thread blocks in join(), and still gets the datagram a
// loopback peer sends; it ends at its deadline, and at a cancel long before it.
TEST(UdpDatagramPort, WaitsOnAnyThreadWithoutAnEventLoop) {
    UdpChannel channel;
    ASSERT_TRUE(channel.bind(0, kLoopback));
    UdpDatagramPort port(channel);
    const auto waitOnThread = [&](Clock::duration limit, const corvane::link::CancelToken* cancel,
                                  const std::function<void()>& meanwhile) {
        std::optional<corvane::link::Datagram> got;
        std::thread waiter([&] { got = port.receive(Clock::now() + limit, cancel); });
        meanwhile();
        waiter.join();
        return got;
    };

    const int peer = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(static_cast<std::uint16_t>(channel.localPort()));
    const auto got = waitOnThread(std::chrono::seconds(60), nullptr, [&] {
        ::sendto(peer, "IMIN", 4, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    });
    ::close(peer);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->bytes, (corvane::Bytes{'I', 'M', 'I', 'N'}));
    EXPECT_EQ(got->sender, "127.0.0.1");

    auto start = Clock::now();
    EXPECT_FALSE(waitOnThread(std::chrono::milliseconds(120), nullptr, [] {}));
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(120));

    // The cancel comes once the wire log shows the wait has begun.
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("wire.log"));
    ASSERT_FALSE(corvane::transport::trace::start(log, false));
    const auto logged = [&log](const char* text) {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
    };
    corvane::link::CancelToken cancel;
    start = Clock::now();
    EXPECT_FALSE(waitOnThread(std::chrono::seconds(60), &cancel, [&] {
        while (!logged("wait: a datagram") && Clock::now() - start < std::chrono::seconds(30))
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        cancel.cancel();
    }));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(45));
    EXPECT_TRUE(logged("wait ended: cancelled"));
    corvane::transport::trace::stop();
}

}  // namespace
