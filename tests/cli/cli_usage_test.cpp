// Usage errors: refused before anything is sent, with exit code 2; help pages.
#include <gtest/gtest.h>

#include "cli/command_help.h"
#include "cli/invocation.h"
#include "cli_harness.h"

namespace {

using namespace corvane::clitest;
using corvane::cli::addOptions;
using corvane::cli::commandOptions;
using corvane::cli::helpCommands;

// Commands, options and values the program does not take: exit code 2, a
// message, nothing on stdout.
TEST(CliUsage, BadCommandLinesAreRefusedAndEachCommandHasItsOwnHelp) {
    const QStringList cases[] = {
        {},
        {"discover", "token-ring"},
        {"discover", "ethernet", "--local", "not-an-address"},
        {"discover", "ethernet", "--target", "127.0.0.1", "--local", "127.0.0.1", "--rate", "0"},
        {"lan-set", "ethernet"},
        {"lan-set", "ethernet", "--mac", "00:11:62:0a:00"},
        {"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--baud", "300"},
        {"link", "info"},
        {"link", "info", "--serial", "ttyS0", "--device", "/dev/null"},
        {"link", "info", "--device", "/dev/null", "--link-timeout-ms", "0"},
        {"link", "info", "--device", "/dev/null", "--link-read", "fast"},
        {"link", "cert", "--device", "/dev/null", "file.pem"},
        // A date with something after it is neither a date nor a time.
        {"history", "--since", "2026-12-07Tjunk"},
        {"history", "--since", "2026-12-07 06:26"},
        {"--no-such-option"},
        // The commands that send to printers take the pacing: a bad value is
        // refused for its range, not as an option they do not know.
        {"lan-set", "ethernet", "--mac", "00:11:62:0a:00:01", "--target", "127.0.0.1", "--rate", "0"},
        {"lan-plan", "ethernet", "no-such-plan.csv", "--target", "127.0.0.1", "--rate", "0"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.code, 2) << args.join(' ').toStdString() << "\n" << Describe(run);
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.contains(QStringLiteral("does not apply"))) << Describe(run);
        // The hint names the command's own help once a command is known.
        const QString help = args.isEmpty() || args[0].startsWith('-') ? "--help" : args[0] + " --help";
        EXPECT_TRUE(run.err.contains("Try 'corvane " + help + "'")) << Describe(run);
    }

    // `corvane --help` is the overview; each command's page holds its own
    // options (the endpoint overrides the tests rely on among them), not the
    // others', and reads the same through `help COMMAND`.
    const struct {
        QStringList args;
        const char* has;
        const char* lacks;
    } pages[] = {
        {{"--help"}, "lan-plan", "--mac"},
        {{"help"}, "corvane help COMMAND", "--target"},
        {{"discover", "--help"}, "--target ADDR", "--mac"},
        {{"lan-set", "wlan", "--help"}, "--mac MAC", "--profile"},
        {{"help", "link"}, "--link-timeout-ms N", "--target"},
        {{"help", "survey"}, "--survey-port N", "--local-port"},
        {{"discover", "--help"}, "--rate N", "--profile"},
        {{"history", "--help"}, "--since DATE", "--force"},
    };
    for (const auto& c : pages) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, 0) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.out.contains(QLatin1String(c.has))) << c.args.join(' ').toStdString();
        EXPECT_FALSE(run.out.contains(QLatin1String(c.lacks))) << c.args.join(' ').toStdString();
    }
    EXPECT_EQ(RunCli({"help", "lan-plan"}).out, RunCli({"lan-plan", "--help"}).out);
    EXPECT_EQ(RunCli({"help", "no-such"}).code, 2);
    // Every option the command line takes is on some command's page (the
    // printer host override is the windows').
    QCommandLineParser parser;
    addOptions(parser);
    QStringList described{QStringLiteral("printer-host")};
    for (const QString& command : helpCommands()) described += commandOptions(command);
    static const QRegularExpression optionName(QStringLiteral("--([a-z][a-z-]*)"));
    for (const auto& match : optionName.globalMatch(parser.helpText()))
        EXPECT_TRUE(described.contains(match.captured(1))) << match.captured(1).toStdString();
    const CliRun ports = RunCliOk({"ports", "--json"});
    EXPECT_TRUE(ports.json()["serial"].isArray());
    EXPECT_TRUE(ports.json()["usb"].isArray());

    // A target that is not an address is refused before any lookup (exit 2, not
    // "unknown host"), and an empty one is not taken as "broadcast". Run in a
    // network namespace of the test's own, so that not even a lookup could leave.
    QProcess probe;
    probe.start("unshare", {"-n", "true"});
    if (!probe.waitForFinished(5000) || probe.exitCode() != 0) GTEST_SKIP() << "no network namespaces";
    for (const char* target : {"10.0.0.300", "printer.invalid", "127.0.0.1;127.0.0.2", ""}) {
        QProcess process;
        process.start("unshare", {"-n", CORVANE_CLI_BINARY, "discover", "ethernet", "--target", target});
        const CliRun run = Finish(process);
        EXPECT_EQ(run.code, 2) << target << "\n" << Describe(run);
        EXPECT_TRUE(run.err.contains("target: ")) << target << "\n" << Describe(run);
    }
}

}  // namespace
