// Where the LAN requests go: defaults by mode, command line over
// environment, and the --printer-host override of one printer's address.
#include <gtest/gtest.h>

#include <QCommandLineParser>

#include <tuple>

#include "transport/endpoints.h"

namespace {

using corvane::link::ListMode;
using corvane::transport::LanEndpoints;

// The endpoints of `corvane ARGUMENTS` with the environment `environment` set.
LanEndpoints Parsed(const QStringList& arguments, const QList<std::pair<const char*, const char*>>& environment,
                    QStringList* errors) {
    for (const auto& [name, value] : environment) qputenv(name, value);
    QCommandLineParser parser;
    LanEndpoints::addOptions(parser);
    EXPECT_TRUE(parser.parse(QStringList{"corvane"} + arguments));
    const LanEndpoints endpoints = LanEndpoints::fromParser(parser, errors);
    for (const auto& [name, value] : environment) qunsetenv(name);
    return endpoints;
}

// Each mode has its own ports (swapped local ports would go unnoticed on
// loopback); the command line wins over the environment, and a bad value
// keeps the default.
TEST(LanEndpoints, DefaultsFollowTheModeCommandLineWinsOverEnvironmentAndBadValuesKeepDefaults) {
    const LanEndpoints defaults;
    EXPECT_EQ(defaults.targetFor(ListMode::Ethernet, "10.1.2.255"), "255.255.255.255");
    EXPECT_EQ(defaults.targetFor(ListMode::Wlan, "10.1.2.255"), "10.1.2.255");
    EXPECT_EQ(defaults.remotePortFor(ListMode::Ethernet), 48781);
    EXPECT_EQ(defaults.localPortFor(ListMode::Ethernet), 48780);
    EXPECT_EQ(defaults.remotePortFor(ListMode::Wlan), 3337);
    EXPECT_EQ(defaults.localPortFor(ListMode::Wlan), 9000);
    EXPECT_EQ(defaults.surveyPort, 3318);
    QStringList errors;
    const LanEndpoints endpoints = Parsed(
        {"--target", "127.0.0.1", "--remote-port", "6000", "--local-port", "99999"},
        {{"CORVANE_SURVEY_PORT", "4000"}, {"CORVANE_REMOTE_PORT", "4001"}, {"CORVANE_LOCAL_ADDRESS", "127.0.0.9"}},
        &errors);
    EXPECT_EQ(endpoints.target, "127.0.0.1");
    EXPECT_EQ(endpoints.remotePort, 6000);
    EXPECT_EQ(endpoints.localPort, -1);
    EXPECT_EQ(endpoints.surveyPort, 4000);
    EXPECT_EQ(endpoints.localAddress, "127.0.0.9");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("local-port"));

    // The printer host the same way, and every port from 0 to 65535 taken.
    using Environment = QList<std::pair<const char*, const char*>>;
    const std::tuple<QStringList, Environment, QString, int> cases[] = {
        {{"--printer-host", "127.0.0.1"}, {}, "127.0.0.1", -1},
        {{}, {{"CORVANE_PRINTER_HOST", " 127.0.0.2 "}}, "127.0.0.2", -1},
        {{"--printer-host", "127.0.0.3"}, {{"CORVANE_PRINTER_HOST", "127.0.0.4"}}, "127.0.0.3", -1},
        {{"--printer-host", "127.000.000.001"}, {}, "127.0.0.1", -1},  // zero-padded parts are decimal
        {{"--remote-port", "0"}, {}, "", 0},
        {{"--remote-port", "65535"}, {}, "", 65535},
        {{"--remote-port", "65536"}, {}, "", -2},  // refused
        {{"--remote-port", "-1"}, {}, "", -2},
    };
    for (const auto& [arguments, environment, host, port] : cases) {
        QStringList problems;
        const LanEndpoints parsed = Parsed(arguments, environment, &problems);
        EXPECT_EQ(parsed.printerHost, host) << arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.remotePort, std::max(port, -1)) << arguments.join(' ').toStdString();
        EXPECT_EQ(problems.isEmpty(), port != -2) << arguments.join(' ').toStdString();
    }
}

TEST(LanEndpoints, AddressesOtherThanIpv4AreRefusedAndNamed) {
    const std::pair<QString, const char*> cases[] = {
        {"local-address", "fe80::1"},  {"printer-host", "::1"},          {"printer-host", "printer.local"},
        {"printer-host", "300.1.1.1"}, {"printer-host", "127.0.0.1:80"}, {"printer-host", "127.1"},
        {"target", "printer.local"},
    };
    for (const auto& [option, bad] : cases) {
        QStringList errors;
        const auto endpoints = LanEndpoints::fromLookup(
            [&](const QString& asked) { return asked == option ? QString(bad) : QString(); }, &errors);
        EXPECT_TRUE(endpoints.localAddress.isEmpty() && endpoints.printerHost.isEmpty() && endpoints.target.isEmpty())
            << bad;
        ASSERT_EQ(errors.size(), 1) << bad;
        EXPECT_TRUE(errors[0].startsWith(option + ": ")) << errors[0].toStdString();
        EXPECT_EQ(endpoints.printerAddressFor("192.168.0.5"), "192.168.0.5") << bad;
    }
}

}  // namespace
