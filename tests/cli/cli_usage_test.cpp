// Usage errors: refused before anything is sent, with exit code 2.
#include <gtest/gtest.h>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

TEST(CliUsage, BadCommandLinesAreRefused) {
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"ports", "extra"},
        {"discover"},
        {"discover", "token-ring"},
        {"discover", "ethernet", "--local", "not-an-address"},
        {"discover", "ethernet", "--remote-port", "70000"},
        {"lan-set", "ethernet"},
        {"lan-set", "ethernet", "--mac", "00:11:62:0a:00"},
        {"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--dhcp", "maybe"},
        {"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--baud", "300"},
        {"survey"},
        {"survey", "--ip", "300.1.1.1"},
        {"link", "info"},
        {"link", "info", "--serial", "ttyS0", "--device", "/dev/null"},
        {"link", "info", "--device", "/dev/null", "--link-timeout-ms", "0"},
        {"link", "cert", "--device", "/dev/null", "file.pem"},
        {"link", "cert", "--type", "root", "--device", "/dev/null", "file.pem"},
        {"--no-such-option"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.code, 2) << args.join(' ').toStdString() << "\n" << Describe(run).toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
}

TEST(CliUsage, HelpNamesTheOverrides) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.code, 0);
    for (const char* option : {"--target <HOST>", "--remote-port <N>", "--local-port <N>", "--survey-port <N>",
                               "--link-timeout-ms <N>", "--json", "--device <PATH>"}) {
        EXPECT_TRUE(run.out.contains(option)) << option;
    }
}

TEST(CliUsage, PortsListsWhatThereIsAndAnUnopenableDeviceFails) {
    const CliRun ports = RunCli({"ports", "--json"});
    ASSERT_EQ(ports.code, 0) << Describe(ports).toStdString();
    EXPECT_TRUE(ports.json()["serial"].isArray());
    EXPECT_TRUE(ports.json()["usb"].isArray());
    const CliRun run = RunCli({"link", "info", "--device", "/nonexistent/lp0"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith("Unable to open the port.\n")) << run.err.toStdString();
}

}  // namespace
