// The simulator as a program: it listens on loopback only, makes the pty link
// it was told to make, removes it on exit and dumps its state. Its answers
// are proven end to end by the tests under tests/cli and tests/lan.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "support/sim_process.h"

namespace {

using corvane::test::SimProcess;

TEST(SimProgram, ListensOnLoopbackMakesItsPtyLinkAndDumpsItsState) {
    SimProcess sim;
    const QString link = sim.dir("printer-tty");
    ASSERT_TRUE(sim.start({"--pty-link", link})) << sim.errors().toStdString();
    for (const char* listener : {"ethernet", "wlan", "survey"})
        EXPECT_TRUE(sim.line(listener).startsWith("127.0.0.1:")) << listener;

    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.pty());

    const QJsonObject state = sim.stop();
    EXPECT_EQ(sim.process().exitCode(), 0);
    EXPECT_FALSE(QFile::exists(link));
    EXPECT_EQ(state["link"]["config"]["printerName"].toString(), "ZEPHRAN-TP80W");
}

}  // namespace
