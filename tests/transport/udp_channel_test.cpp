#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <vector>

#include "transport/endpoints.h"
#include "transport/test_wait.h"
#include "transport/udp_channel.h"

using corvane::lan::LanEndpoints;
using corvane::lan::ListMode;
using corvane::lan::UdpChannel;
using corvane::test::waitUntil;

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");

TEST(UdpChannel, DatagramsArriveOneAnnouncementEachOverLoopback) {
    UdpChannel sender;
    UdpChannel receiver;
    ASSERT_TRUE(receiver.Bind(0, kLoopback));
    ASSERT_NE(receiver.localPort(), 0);
    std::vector<int> sizes;
    std::vector<QByteArray> data;
    QObject::connect(&receiver, &UdpChannel::DataArrival, [&](int size) {
        sizes.push_back(size);
        data.push_back(receiver.GetData(size));
    });

    ASSERT_TRUE(sender.Bind(0, kLoopback));
    sender.SetRemoteHost(kLoopback);
    sender.SetRemotePort(receiver.localPort());
    ASSERT_TRUE(sender.SendData("FIND"));
    ASSERT_TRUE(sender.SendData(QByteArray("IMIN\0\x01", 6)));
    ASSERT_TRUE(waitUntil([&] { return sizes.size() == 2; }));

    EXPECT_EQ(sizes, (std::vector<int>{4, 6}));
    EXPECT_EQ(data[0], QByteArray("FIND"));
    EXPECT_EQ(data[1], QByteArray("IMIN\0\x01", 6));
}

TEST(UdpChannel, SendBindsTheLocalPortFirstAndAnswersReachIt) {
    UdpChannel printer;
    ASSERT_TRUE(printer.Bind(0, kLoopback));
    UdpChannel tool;
    tool.SetLocalPort(0);
    tool.SetRemoteHost(kLoopback);
    tool.SetRemotePort(printer.localPort());
    EXPECT_EQ(tool.localPort(), 0);
    ASSERT_TRUE(tool.SendData("FIND"));
    ASSERT_NE(tool.localPort(), 0);

    ASSERT_TRUE(waitUntil([&] { return !printer.GetData(512).isEmpty(); }));
    QByteArray answer;
    QObject::connect(&tool, &UdpChannel::DataArrival, [&](int size) { answer = tool.GetData(size); });
    printer.SetRemoteHost(kLoopback);
    printer.SetRemotePort(tool.localPort());
    ASSERT_TRUE(printer.SendData("IMIN"));
    ASSERT_TRUE(waitUntil([&] { return !answer.isEmpty(); }));
    EXPECT_EQ(answer, QByteArray("IMIN"));
}

TEST(UdpChannel, GetDataCutsToTheLengthAskedAndIsEmptyWhenNothingWaits) {
    UdpChannel receiver;
    ASSERT_TRUE(receiver.Bind(0, kLoopback));
    EXPECT_TRUE(receiver.GetData(512).isEmpty());
    int announced = 0;
    QObject::connect(&receiver, &UdpChannel::DataArrival, [&](int) { ++announced; });
    UdpChannel sender;
    sender.SetLocalPort(0);
    sender.SetRemoteHost(kLoopback);
    sender.SetRemotePort(receiver.localPort());
    ASSERT_TRUE(sender.SendData("0123456789"));
    ASSERT_TRUE(waitUntil([&] { return announced == 1; }));
    EXPECT_EQ(receiver.GetData(4), QByteArray("0123"));
    EXPECT_TRUE(receiver.GetData(512).isEmpty());
}

TEST(UdpChannel, BindRejectsAddressesThatAreNotUsable) {
    UdpChannel channel;
    EXPECT_FALSE(channel.Bind(0, QStringLiteral("not-an-address")));
    EXPECT_FALSE(channel.Bind(0, QStringLiteral("::1")));
    EXPECT_FALSE(channel.Bind(70000));
    // A documentation address no interface of this host owns.
    EXPECT_FALSE(channel.Bind(0, QStringLiteral("203.0.113.7")));
    EXPECT_EQ(channel.localPort(), 0);
}

TEST(LanEndpoints, DefaultsFollowTheMode) {
    const LanEndpoints defaults;
    EXPECT_EQ(defaults.targetFor(ListMode::Ethernet, "10.1.2.255"), "255.255.255.255");
    EXPECT_EQ(defaults.targetFor(ListMode::Wlan, "10.1.2.255"), "10.1.2.255");
    EXPECT_EQ(defaults.remotePortFor(ListMode::Ethernet), 48781);
    EXPECT_EQ(defaults.localPortFor(ListMode::Ethernet), 48780);
    EXPECT_EQ(defaults.remotePortFor(ListMode::Wlan), 3337);
    EXPECT_EQ(defaults.localPortFor(ListMode::Wlan), 9000);
    EXPECT_EQ(defaults.surveyPort, 3318);

    LanEndpoints overridden;
    overridden.target = "127.0.0.1";
    overridden.remotePort = 5000;
    overridden.localPort = 0;
    EXPECT_EQ(overridden.targetFor(ListMode::Wlan, "10.1.2.255"), "127.0.0.1");
    EXPECT_EQ(overridden.remotePortFor(ListMode::Wlan), 5000);
    EXPECT_EQ(overridden.localPortFor(ListMode::Ethernet), 0);
}

TEST(LanEndpoints, CommandLineWinsOverEnvironmentAndBadValuesKeepDefaults) {
    qputenv("CORVANE_SURVEY_PORT", "4000");
    qputenv("CORVANE_REMOTE_PORT", "4001");
    qputenv("CORVANE_LOCAL_ADDRESS", "127.0.0.9");
    QCommandLineParser parser;
    LanEndpoints::addOptions(parser);
    ASSERT_TRUE(parser.parse({"corvane", "--target", "127.0.0.1", "--remote-port", "6000", "--local-port",
                              "99999"}));
    QStringList errors;
    const LanEndpoints endpoints = LanEndpoints::fromParser(parser, &errors);
    qunsetenv("CORVANE_SURVEY_PORT");
    qunsetenv("CORVANE_REMOTE_PORT");
    qunsetenv("CORVANE_LOCAL_ADDRESS");

    EXPECT_EQ(endpoints.target, "127.0.0.1");
    EXPECT_EQ(endpoints.remotePort, 6000);
    EXPECT_EQ(endpoints.localPort, -1);
    EXPECT_EQ(endpoints.surveyPort, 4000);
    EXPECT_EQ(endpoints.localAddress, "127.0.0.9");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("local-port"));
}

TEST(LanEndpoints, LocalAddressMustBeIpv4) {
    QStringList errors;
    const auto endpoints = LanEndpoints::fromLookup(
        [](const QString& option) { return option == "local-address" ? QString("fe80::1") : QString(); }, &errors);
    EXPECT_TRUE(endpoints.localAddress.isEmpty());
    EXPECT_EQ(errors.size(), 1);
}

}  // namespace
