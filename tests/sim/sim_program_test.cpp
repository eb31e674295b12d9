// The simulator as a program: it reports its listeners on loopback, talks on
// the pty link it was told to make, removes it on exit and dumps its state.
// Its LAN answers and settings are proven end to end by the tests under
// tests/cli and tests/lan.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "support/sim_process.h"

namespace {

using corvane::test::SimProcess;

QByteArray ReadPty(int fd, int ms) {
    QByteArray got;
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, ms) > 0) {
        char buffer[4096];
        const auto n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.append(buffer, n);
    }
    return got;
}

TEST(SimProgram, ListensOnLoopbackTalksOnItsPtyLinkAndDumpsItsState) {
    SimProcess sim;
    const QString link = sim.dir("printer-tty");
    ASSERT_TRUE(sim.start({"--pty-link", link})) << sim.errors().toStdString();
    for (const char* listener : {"ethernet", "wlan", "survey"})
        EXPECT_TRUE(sim.line(listener).startsWith("127.0.0.1:")) << listener;

    const int fd = ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const unsigned char check[] = {0x1D, 0x61, 0x00, 0x1D, 0x49, 0x42};
    ASSERT_EQ(::write(fd, check, sizeof check), static_cast<ssize_t>(sizeof check));
    EXPECT_EQ(ReadPty(fd, 300), QByteArray("\x5FZEPHRAN\x00", 9));  // no echo of what we wrote
    ::close(fd);

    const QJsonObject state = sim.stop();
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.process().exitCode(), 0);
    EXPECT_FALSE(QFile::exists(link));
    EXPECT_EQ(state["link"]["config"]["printerName"].toString(), "ZEPHRAN-TP80W");
}

TEST(SimProgram, BadOptionsAreRefused) {
    for (const QStringList& args : {QStringList{"--ethernet-port", "70000"}, QStringList{"--fault-silent", "fetch"},
                                    QStringList{"--config", "/nonexistent/printers.json"}}) {
        QProcess p;
        p.start(CORVANE_SIM_BINARY, args);
        ASSERT_TRUE(p.waitForFinished(5000));
        EXPECT_NE(p.exitCode(), 0) << args.join(' ').toStdString();
    }
}

}  // namespace
