// Profiles in the direct configuration window: the pages of one printer go
// to a file, come onto another printer's pages through the rules, and Save
// writes them and adds a line to the history.
#include "direct_ui_fixture.h"

#include <sys/stat.h>

#include <QFile>

#include "history/history_log.h"

namespace corvane::test {
namespace {

using rules::Tab;

TEST_F(DirectUiTest, ProfileCarriesOnePrintersPagesOntoAnothers) {
    SimPrinter second;
    ASSERT_TRUE(second.start({}));
    open();
    connectPrinter();
    // Edits not yet saved go into the profile: it holds what the pages show.
    tabs()->setCurrentIndex(static_cast<int>(Tab::Network));
    type(onPage<QLineEdit>(Tab::Network, "ssid"), "Shop-Floor");
    type(onPage<QLineEdit>(Tab::Network, "inactivityTime"), "120");
    tabs()->setCurrentIndex(static_cast<int>(Tab::Security));
    onPage<QRadioButton>(Tab::Security, "wpaPsk")->click();
    type(onPage<QLineEdit>(Tab::Security, "pskKey"), "shop-floor-passphrase");
    const link::PrinterConfig shown = dialog->model().buildConfig();
    profileFile = sim.dir("shop.json");
    widget<QPushButton>("exportProfileButton")->click();
    QFile exported(profileFile);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_FALSE(exported.readAll().contains("shop-floor-passphrase"));

    openOn(second);
    connectPrinter();
    const link::PrinterConfig before = dialog->model().buildConfig();
    ASSERT_NE(before, shown);
    // A profile the rules refuse names the field and changes nothing.
    const QString good = profileFile;
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
    EXPECT_EQ(onPage<QLineEdit>(Tab::Network, "ssid")->text(), "Shop-Floor");
    EXPECT_TRUE(onPage<QRadioButton>(Tab::Security, "wpaPsk")->isChecked());
    EXPECT_TRUE(dialog->hasUnsavedEdits());

    messages.clear();
    widget<QPushButton>("saveButton")->click();
    EXPECT_EQ(messages.ids(), std::vector<int>{kConfigCompletedReset});
    EXPECT_FALSE(dialog->hasUnsavedEdits());
    EXPECT_EQ(second.stop().link.config, shown);
    const auto log = history::readLog();
    ASSERT_FALSE(log.entries.isEmpty());
    const history::Entry& saved = log.entries.last();
    EXPECT_EQ(saved.frontEnd, "window");
    EXPECT_EQ(saved.outcome, "confirmed");
    EXPECT_EQ(saved.linkPort, second.pty());
    EXPECT_TRUE(saved.changes.contains(history::Change{"pskKey", {}, {}, true}));
}

// The fixed address and the secrets go into a profile only when asked for; a
// file with secrets is for the user alone.
TEST_F(DirectUiTest, ExportTakesAddressAndSecretsOnlyWhenAsked) {
    open();
    connectPrinter();
    for (const bool asked : {false, true}) {
        widget<QCheckBox>("includeAddress")->setChecked(asked);
        widget<QCheckBox>("includeSecrets")->setChecked(asked);
        profileFile = sim.dir(asked ? "with.json" : "without.json");
        widget<QPushButton>("exportProfileButton")->click();
        QFile file(profileFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_EQ(text.contains("\"ipAddress\""), asked);
        EXPECT_EQ(text.contains("\"pskKey\""), asked);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(profileFile).constData(), &info), 0);
        if (asked) {
            EXPECT_EQ(info.st_mode & 0777, 0600u);
        }
    }
}

}  // namespace
}  // namespace corvane::test
