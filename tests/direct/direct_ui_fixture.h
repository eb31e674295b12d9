// A direct configuration window wired to a simulated printer on a pty: the
// simulator runs as its own program, the window opens its pty the USB way,
// every message box and modal window is captured instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>

#include "sim_json.h"
#include "support/sim_process.h"
#include "support/wait.h"
#include "direct/ui/config_tab_ctrl.h"
#include "direct/ui/direct_config_dialog.h"
#include "direct/ui/secrets_dialog.h"
#include "direct/ui/settings_summary_dialog.h"
#include "widgets/messages.h"

namespace corvane::test {

using namespace std::chrono_literals;
using rules::Tab;

// The simulator program with a pty and a state dump, read back as a state
// plus what loading a state leaves out: the count of configurations written
// and the certificates received.
class SimPrinter : public SimProcess {
public:
    bool start(const QStringList& extra) { return SimProcess::start(QStringList{"--no-lan"} + extra); }
    sim::SimState stop() {
        dumped_ = SimProcess::stop();
        sim::SimState state;
        QString error;
        EXPECT_TRUE(sim::LoadStateFile(dumpPath(), state, &error)) << error.toStdString();
        return state;
    }
    int configWrites() const { return dumped_["link"]["configWrites"].toInt(-1); }
    QByteArray certificate(int type) const {
        return QByteArray::fromBase64(dumped_["link"]["certificates"][QString::number(type)].toString().toLatin1());
    }

private:
    QJsonObject dumped_;
};

// Silence after 150 ms (10 ms polls, 5 per attempt, `attempts` of them),
// replies end after 30 ms without a byte.
inline transport::LinkTimeouts FastTimeouts(int attempts = 3) {
    return {.pollInterval = 10ms, .pollsPerAttempt = 5, .attempts = attempts, .replyGap = 30ms, .slice = 10ms};
}

class DirectUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        direct::setModalRunner([this](QDialog& shown) {
            if (auto* summary = qobject_cast<direct::SettingsSummaryDialog*>(&shown)) {
                // What it shows as Copy puts it on the clipboard: secrets masked, then shown.
                for (const bool showSecrets : {false, true}) {
                    summary->findChild<QCheckBox*>(QStringLiteral("showSecrets"))->setChecked(showSecrets);
                    summary->findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
                    summaries << QApplication::clipboard()->text();
                }
            }
            if (auto* ask = qobject_cast<direct::SecretsDialog*>(&shown)) {
                for (const auto& [field, text] : secretsToEnter) {
                    if (auto* entry = ask->entry(field)) {
                        entry->setText(text);
                        secretsAsked.push_back(field);
                    }
                }
            }
            return static_cast<int>(QDialog::Accepted);
        });
    }
    void TearDown() override {
        dialog.reset();
        direct::setModalRunner({});
    }

    // Starts the simulator and opens the window on it (or on `device`), not
    // yet connected.
    void open(const QStringList& simArgs = {}, transport::LinkTimeouts timeouts = FastTimeouts(),
              const QString& device = {}) {
        ASSERT_TRUE(sim.start(simArgs));
        openOn(sim, timeouts, device);
    }
    // A fresh window on a printer already started.
    void openOn(const SimPrinter& printer, transport::LinkTimeouts timeouts = FastTimeouts(),
                const QString& device = {}) {
        dialog.reset();
        direct::DirectConfigOptions options;
        options.port = &linkPort;
        options.timeouts = timeouts;
        options.limits = {.vendorSettle = 20ms, .vendorAfterName = 5ms, .certificateChunkPause = 5ms};
        options.linkDevice = device.isEmpty() ? printer.pty() : device;
        options.chooseProfileFile = [this](QWidget*, bool) { return profileFile; };
        options.serialPorts = [] { return std::vector<transport::SerialPortEntry>{{"ttyS9", "/dev/ttyS9"}}; };
        options.chooseCertificateFiles = [this](QWidget*) { return chosenFiles; };
        dialog = std::make_unique<direct::DirectConfigDialog>(options);
        dialog->show();
    }
    // POS, the simulator's device, Connect, and its result shown.
    void connectPrinter() {
        widget<QRadioButton>("posRadio")->click();
        click("connectButton");
    }
    // A button that starts an exchange with the printer, then until that
    // has ended and its result has been shown (it runs on the link thread).
    void click(const char* button) {
        widget<QPushButton>(button)->click();
        settle();
    }
    void settle() const {
        EXPECT_TRUE(waitUntil([this] { return !dialog->exchanging(); }, 60000)) << "the exchange never ended";
    }

    template <typename W>
    W* widget(const char* name) const {
        auto* w = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A control of one page; turns to that page first.
    template <typename W>
    W* onPage(Tab tab, const char* name) const {
        tabs()->setCurrentIndex(static_cast<int>(tab));
        auto* w = tabs()->page(static_cast<int>(tab))->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Replaces an edit's text as a user would.
    static void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    direct::ConfigTabCtrl* tabs() const { return dialog->tabs(); }

    SimPrinter sim;
    transport::DirectLink linkPort;
    widgets::MessageCapture messages;
    std::unique_ptr<direct::DirectConfigDialog> dialog;
    QStringList summaries;  // of each summary shown: its rows masked, then shown
    QStringList chosenFiles;
    QString profileFile;
    // What a secrets prompt is answered with, and the fields it asked for.
    std::map<std::string, QString> secretsToEnter;
    std::vector<std::string> secretsAsked;
};

}  // namespace corvane::test
