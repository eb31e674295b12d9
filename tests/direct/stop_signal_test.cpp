// SIGTERM while the window's Save waits for the printer's answer: the save
// stops at that wait, its history line says the record may have been taken,
// the window's loops end and the program's exit code is 143.
#include <csignal>

#include <QTimer>

#include "app/stop_signals.h"
#include "direct_ui_fixture.h"
#include "history/history_log.h"

namespace corvane::test {
namespace {

TEST_F(DirectUiTest, SigtermDuringSaveRecordsWhatWasSentAndCloses) {
    // The answer is held back far longer than the test runs; the read waits 10 s.
    open({"--fault-delay-on", "if_set", "--fault-delay", "60000"}, FastTimeouts(200));
    connectPrinter();
    ASSERT_TRUE(dialog->session().connected());
    type(onPage<QLineEdit>(Tab::Network, "ssid"), "Till-9");

    const app::StopSignals stop;
    QByteArray said;
    QTimer watch;  // runs while the exchange waits on the link thread
    QObject::connect(&watch, &QTimer::timeout, [&] {
        said += sim.process().readAllStandardError();
        if (!said.contains("took IF__SET")) return;
        watch.stop();
        std::raise(SIGTERM);
    });
    watch.start(20);
    const auto before = history::readLog().entries.size();
    std::optional<bool> saved;
    dialog->save([&saved](bool ok) { saved = ok; });
    settle();
    EXPECT_EQ(saved, false);

    EXPECT_EQ(stop.exitCode(), 143);
    const auto log = history::readLog();
    ASSERT_EQ(log.entries.size(), before + 1);
    EXPECT_EQ(log.entries.last().outcome, "not confirmed");
    EXPECT_EQ(log.entries.last().message, "sent; cancelled before the printer confirmed");
    EXPECT_FALSE(dialog->session().connected());
}

}  // namespace
}  // namespace corvane::test
