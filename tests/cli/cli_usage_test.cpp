// Usage errors: refused before anything is sent, with exit code 2; a device
// that cannot be opened, with its cause.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

// Commands, options and values the program does not take: exit code 2, a
// message, nothing on stdout.
TEST(CliUsage, BadCommandLinesAreRefused) {
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
        {"--no-such-option"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.code, 2) << args.join(' ').toStdString() << "\n" << Describe(run);
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
}

// The endpoint overrides the tests and technicians rely on are documented.
TEST(CliUsage, HelpNamesTheOverridesAndPortsListsWhatThereIs) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* option : {"--target <HOST>", "--remote-port <N>", "--local-port <N>", "--survey-port <N>",
                               "--link-timeout-ms <N>", "--json", "--device <PATH>", "--rate <N>"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const CliRun ports = RunCli({"ports", "--json"});
    ASSERT_EQ(ports.code, 0) << Describe(ports);
    EXPECT_TRUE(ports.json()["serial"].isArray());
    EXPECT_TRUE(ports.json()["usb"].isArray());
}

// A node this user may not open: the cause, and the group to join (the other
// causes are unit-tested under tests/transport).
TEST(CliUsage, ADeviceTheUserMayNotOpenNamesTheGroupToJoin) {
    // The open runs as nobody; the node (a file standing in for one) belongs
    // to the group lp, whose members may read and write it.
    const group* lp = ::getgrnam("lp");
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (::geteuid() != 0 || lp == nullptr || setpriv.isEmpty()) GTEST_SKIP() << "needs root, setpriv and group lp";
    Sim files;
    const QString node = WriteFile(files, "lp0", "");
    ASSERT_EQ(::chown(QFile::encodeName(node).constData(), 0, lp->gr_gid), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(node).constData(), 0660), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(QFileInfo(node).path()).constData(), 0755), 0);

    QProcess process;
    process.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", CORVANE_CLI_BINARY, "link", "info",
                            "--device", node});
    const CliRun run = Finish(process, 30000);
    EXPECT_EQ(run.code, 1) << Describe(run);
    EXPECT_EQ(run.err, "Unable to open the port.\n" + node + ": " + QString::fromLocal8Bit(std::strerror(EACCES)) +
                           "\nYour user needs to be in the group 'lp' that owns " + node +
                           ": run \"sudo usermod -aG lp $USER\", then log in again.\n");
}

}  // namespace
