#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QUdpSocket>

#include "support/wait.h"
#include "transport/udp_channel.h"

using corvane::lan::UdpChannel;
using corvane::test::waitUntil;

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
    QObject::connect(&printer, &UdpChannel::datagramArrived, [&](int size) {
        sizes.push_back(size);
        data.push_back(printer.getData(std::min(size, 6)));
        EXPECT_TRUE(printer.getData(512).isEmpty());  // what was not taken is gone
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
}

// A bind that fails says whether the address or the port is to blame, and
// the channel never falls back to another interface to send anyway.
TEST(UdpChannel, AFailedBindSaysWhyAndNothingIsSentAfterIt) {
    using Cause = corvane::lan::ChannelFailure::Cause;
    QUdpSocket holder;  // a port taken without sharing
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
    UdpChannel receiver;
    ASSERT_TRUE(receiver.bind(0, kLoopback));
    int arrived = 0;
    QObject::connect(&receiver, &UdpChannel::datagramArrived, [&](int) { ++arrived; });
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
        {holder.localPort(), kLoopback, Cause::LocalPort},
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

}  // namespace
