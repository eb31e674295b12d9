// Where the LAN requests go: defaults by mode, command line over
// environment, and the --printer-host override of one printer's address.
#include <gtest/gtest.h>

#include <QCommandLineParser>

#include "transport/endpoints.h"

namespace {

using corvane::lan::LanEndpoints;
using corvane::lan::ListMode;

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
    ASSERT_TRUE(parser.parse({"corvane", "--target", "127.0.0.1", "--remote-port", "6000", "--local-port", "99999"}));
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

TEST(LanEndpointsPrinterHost, CommandLineThenEnvironment) {
    struct Case {
        const char* name;
        QStringList arguments;
        const char* environment;  // nullptr: unset
        QString expected;
    };
    const Case cases[] = {
        {"option", {"--printer-host", "127.0.0.1"}, nullptr, "127.0.0.1"},
        {"environment", {}, " 127.0.0.2 ", "127.0.0.2"},
        {"option wins", {"--printer-host", "127.0.0.3"}, "127.0.0.4", "127.0.0.3"},
        {"short form is spelt out", {"--printer-host", "127.1"}, nullptr, "127.0.0.1"},
        {"neither", {}, nullptr, ""},
    };
    for (const Case& c : cases) {
        if (c.environment) qputenv("CORVANE_PRINTER_HOST", c.environment);
        QCommandLineParser parser;
        LanEndpoints::addOptions(parser);
        ASSERT_TRUE(parser.parse(QStringList{"corvane"} + c.arguments)) << c.name;
        QStringList errors;
        const LanEndpoints endpoints = LanEndpoints::fromParser(parser, &errors);
        qunsetenv("CORVANE_PRINTER_HOST");
        EXPECT_EQ(endpoints.printerHost, c.expected) << c.name;
        EXPECT_TRUE(errors.isEmpty()) << c.name;
    }
}

TEST(LanEndpoints, AddressesOtherThanIpv4AreRefusedAndNamed) {
    const std::pair<QString, const char*> cases[] = {
        {"local-address", "fe80::1"},  {"printer-host", "::1"},          {"printer-host", "printer.local"},
        {"printer-host", "300.1.1.1"}, {"printer-host", "127.0.0.1:80"},
    };
    for (const auto& [option, bad] : cases) {
        QStringList errors;
        const auto endpoints = LanEndpoints::fromLookup(
            [&](const QString& asked) { return asked == option ? QString(bad) : QString(); }, &errors);
        EXPECT_TRUE(endpoints.localAddress.isEmpty() && endpoints.printerHost.isEmpty()) << bad;
        ASSERT_EQ(errors.size(), 1) << bad;
        EXPECT_TRUE(errors[0].startsWith(option + ": ")) << errors[0].toStdString();
        EXPECT_EQ(endpoints.printerAddressFor("192.168.0.5"), "192.168.0.5") << bad;
    }
}

TEST(LanEndpoints, EveryPortFromZeroTo65535IsTaken) {
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"65535", 65535}, {"65536", -1}, {"-1", -1}};
    for (const auto& [text, port] : cases) {
        QCommandLineParser parser;
        LanEndpoints::addOptions(parser);
        ASSERT_TRUE(parser.parse({"corvane", "--remote-port", text}));
        QStringList errors;
        EXPECT_EQ(LanEndpoints::fromParser(parser, &errors).remotePort, port) << text;
        EXPECT_EQ(errors.isEmpty(), port >= 0) << text;
    }
}

}  // namespace
