// Profiles and secrets in the direct configuration window: the pages of one
// printer go to a file, come onto another printer's pages through the rules,
// and Save writes them and adds a line to the history, also when a SIGTERM
// stops it.
#include <csignal>

#include <QFile>
#include <QTimer>

#include "app/stop_signals.h"
#include "direct_ui_fixture.h"
#include "history/history_log.h"

namespace corvane::test {
namespace {

// Unsaved edits go into the profile, the fixed address and secrets only when
// asked for; a profile the rules refuse names the field and changes nothing;
// a good one asks for its secrets and Save writes it and logs it.
TEST_F(DirectUiTest, ProfileCarriesOnePrintersPagesOntoAnothers) {
    SimPrinter second;
    ASSERT_TRUE(second.start({}));
    open();
    connectPrinter();
    type(onPage<QLineEdit>(Tab::Network, "ssid"), "Shop-Floor");
    onPage<QRadioButton>(Tab::Security, "wpaPsk")->click();
    type(onPage<QLineEdit>(Tab::Security, "pskKey"), "shop-floor-passphrase");
    const link::PrinterConfig shown = dialog->model().buildConfig();
    const QString good = sim.dir("shop.json");
    for (const bool asked : {true, false}) {
        widget<QCheckBox>("includeAddress")->setChecked(asked);
        widget<QCheckBox>("includeSecrets")->setChecked(asked);
        profileFile = asked ? sim.dir("full.json") : good;
        widget<QPushButton>("exportProfileButton")->click();
        QFile file(profileFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_EQ(text.contains("\"ipAddress\""), asked);
        EXPECT_EQ(text.contains("shop-floor-passphrase"), asked);
    }

    openOn(second);
    connectPrinter();
    const link::PrinterConfig before = dialog->model().buildConfig();
    ASSERT_NE(before, shown);
    profileFile = WriteFile(second, "bad.json", R"({"format": "corvane-profile/1", "config": {"ssid": ""}})");
    messages.clear();
    widget<QPushButton>("importProfileButton")->click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains("\"ssid\": The SSID is incorrect."));
    EXPECT_EQ(dialog->model().buildConfig(), before);

    profileFile = good;
    secretsToEnter = {{"pskKey", "shop-floor-passphrase"}};
    widget<QPushButton>("importProfileButton")->click();
    EXPECT_EQ(secretsAsked, std::vector<std::string>{"pskKey"});
    EXPECT_EQ(dialog->model().buildConfig(), shown);

    // The line is in the history before the result shows: a window closed
    // while the box is open leaves it all the same.
    const auto linesBefore = history::readLog().entries.size();
    std::vector<std::pair<int, qsizetype>> boxes;  // message, history lines by then
    widgets::setMessageHook([&boxes](const widgets::ShownMessage& m) {
        boxes.emplace_back(m.stringId, history::readLog().entries.size());
    });
    click("saveButton");
    widgets::setMessageHook({});
    EXPECT_EQ(boxes, (std::vector<std::pair<int, qsizetype>>{{kConfigCompletedReset, linesBefore + 1}}));
    EXPECT_EQ(second.stop().link.config, shown);
    const auto log = history::readLog();
    ASSERT_FALSE(log.entries.isEmpty());
    const history::Entry& saved = log.entries.last();
    EXPECT_EQ(saved.frontEnd, "window");
    EXPECT_EQ(saved.outcome, "verified");  // read back the same
    EXPECT_EQ(saved.linkPort, second.pty());
    EXPECT_TRUE(saved.changes.contains(history::Change{"pskKey", {}, {}, true}));
}

// SIGTERM while Save waits for the printer's answer: the save stops at that
// wait, its history line says the record may have been taken, the window's
// loops end and the program's exit code is 143.
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
