// The --printer-host override: where connections to one printer's own
// address go.
#include <gtest/gtest.h>

#include <QCommandLineParser>

#include "transport/endpoints.h"

namespace {

using corvane::lan::LanEndpoints;

TEST(LanEndpointsPrinterHost, ReplacesTheReportedAddressOnlyWhenSet) {
    LanEndpoints endpoints;
    EXPECT_EQ(endpoints.printerAddressFor("192.168.0.111"), "192.168.0.111");
    endpoints.printerHost = "127.0.0.1";
    EXPECT_EQ(endpoints.printerAddressFor("192.168.0.111"), "127.0.0.1");
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

TEST(LanEndpointsPrinterHost, AnythingButIpv4IsRefusedAndNamed) {
    for (const char* bad : {"::1", "printer.local", "300.1.1.1", "127.0.0.1:80"}) {
        QStringList errors;
        const auto endpoints = LanEndpoints::fromLookup(
            [bad](const QString& option) { return option == "printer-host" ? QString(bad) : QString(); }, &errors);
        EXPECT_TRUE(endpoints.printerHost.isEmpty()) << bad;
        ASSERT_EQ(errors.size(), 1) << bad;
        EXPECT_TRUE(errors[0].startsWith("printer-host: ")) << errors[0].toStdString();
        EXPECT_EQ(endpoints.printerAddressFor("192.168.0.5"), "192.168.0.5") << bad;
    }
}

}  // namespace
