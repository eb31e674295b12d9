// A direct configuration window wired to a simulated printer on a pty: the
// simulator runs as its own program, the window opens its pty the USB way,
// every message box and modal window is captured instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/ipv4_address_edit.h"
#include "app/messages.h"
#include "sim_json.h"
#include "sim_state.h"
#include "transport/serial_port.h"
#include "ui/config_tab_ctrl.h"
#include "ui/direct_config_dialog.h"
#include "ui/settings_summary_dialog.h"

namespace corvane::test {

using namespace std::chrono_literals;

// The simulator program with a pty and a state dump.
class SimPrinter {
public:
    bool start(const QStringList& extra) {
        if (!dir_.isValid()) return false;
        process_.start(CORVANE_SIM_BINARY, QStringList{"--no-lan", "--dump-state", dumpPath()} + extra);
        if (!process_.waitForStarted(5000)) return false;
        QByteArray out;
        while (!out.contains('\n') && process_.waitForReadyRead(5000)) out += process_.readAllStandardOutput();
        for (const auto& line : QString::fromUtf8(out).split('\n'))
            if (line.startsWith("pty: ")) pty_ = line.mid(5).trimmed();
        return !pty_.isEmpty();
    }
    // Stops the simulator and reads what it was left with.
    sim::SimState stop() {
        process_.terminate();
        process_.waitForFinished(5000);
        sim::SimState state;
        QString error;
        EXPECT_TRUE(sim::LoadStateFile(dumpPath(), state, &error)) << error.toStdString();
        QFile file(dumpPath());
        if (file.open(QIODevice::ReadOnly)) dumped_ = QJsonDocument::fromJson(file.readAll()).object();
        return state;
    }
    // What loading a state leaves out: the count of configurations written
    // and the certificates received, as dumped by the last stop().
    int configWrites() const { return dumped_["link"].toObject()["configWrites"].toInt(-1); }
    QByteArray certificate(int type) const {
        const auto text = dumped_["link"].toObject()["certificates"].toObject()[QString::number(type)].toString();
        return QByteArray::fromBase64(text.toLatin1());
    }
    ~SimPrinter() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    const QString& pty() const { return pty_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QString dumpPath() const { return dir_.filePath("state.json"); }
    QTemporaryDir dir_;
    QProcess process_;
    QString pty_;
    QJsonObject dumped_;
};

// Silence after 150 ms, replies end after 30 ms without a byte.
inline transport::LinkTimeouts FastTimeouts() {
    transport::LinkTimeouts t;
    t.pollInterval = 10ms;
    t.pollsPerAttempt = 5;
    t.attempts = 3;
    t.replyGap = 30ms;
    t.slice = 10ms;
    return t;
}

inline link::ExchangeLimits FastLimits() {
    link::ExchangeLimits l;
    l.vendorSettle = 20ms;
    l.vendorAfterName = 5ms;
    l.certificateChunkPause = 5ms;
    return l;
}

class DirectUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::setModalRunner([this](QDialog& shown) {
            if (auto* summary = qobject_cast<ui::SettingsSummaryDialog*>(&shown)) {
                std::vector<std::array<QString, 3>> rows;
                for (int r = 0; r < summary->list()->rowCount(); ++r)
                    rows.push_back({summary->list()->item(r, 0)->text(), summary->list()->item(r, 1)->text(),
                                    summary->list()->item(r, 2)->text()});
                summaries.push_back(rows);
            }
            return static_cast<int>(QDialog::Accepted);
        });
    }
    void TearDown() override {
        dialog.reset();
        ui::setModalRunner({});
    }

    // Starts the simulator and opens the window on it, not yet connected.
    void open(const QStringList& simArgs = {}, transport::LinkTimeouts timeouts = FastTimeouts()) {
        ASSERT_TRUE(sim.start(simArgs));
        ui::DirectConfigOptions options;
        options.port = &linkPort;
        options.timeouts = timeouts;
        options.limits = FastLimits();
        options.linkDevice = sim.pty();
        options.serialPorts = [] { return std::vector<transport::SerialPortEntry>{{"ttyS9", "/dev/ttyS9"}}; };
        options.chooseCertificateFiles = [this](QWidget*) { return chosenFiles; };
        dialog = std::make_unique<ui::DirectConfigDialog>(options);
        dialog->show();
    }
    // POS, the simulator's device, Connect.
    void connectPrinter() {
        widget<QRadioButton>("posRadio")->click();
        widget<QPushButton>("connectButton")->click();
    }

    template <typename W>
    W* widget(const char* name) const {
        auto* w = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    template <typename W>
    W* onPage(rules::Tab tab, const char* name) const {
        auto* w = tabs()->page(static_cast<int>(tab))->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Replaces an edit's text as a user would.
    static void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
        else QTest::keyClicks(edit, text);
    }
    ui::ConfigTabCtrl* tabs() const { return dialog->tabs(); }

    SimPrinter sim;
    transport::SerialPort linkPort;
    app::MessageCapture messages;
    std::unique_ptr<ui::DirectConfigDialog> dialog;
    std::vector<std::vector<std::array<QString, 3>>> summaries;
    QStringList chosenFiles;
};

}  // namespace corvane::test
