// LAN discovery under abuse, through the `corvane` program on loopback: a
// flood of answers from the simulator must be listed whole, on time, and
// leave no sanitizer report. (Answers of every length: the discovery answer
// unit tests and fuzz target.)
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include "support/sim_process.h"
#include "tool_run.h"

namespace {

using namespace corvane;
using namespace corvane::robustness;

TEST(LanFaults, FloodOfFiveThousandAnswersIsListedWholeAndInOrder) {
    test::SimProcess sim;
    const QString config =
        test::WriteFile(sim, "flood.json", R"({"ethernet": [{"faults": {"flood": 5000}}], "wlan": []})");
    ASSERT_TRUE(sim.start({"--no-link", "--config", config}, "survey:"));

    const ToolOutcome outcome =
        RunTool({"discover", "ethernet", "--json", "--local", "127.0.0.1", "--target", "127.0.0.1", "--remote-port",
                 QString::number(sim.port("ethernet")), "--local-port", "0"},
                30000);
    ASSERT_TRUE(outcome.finished) << "still running after 30 s";
    EXPECT_EQ(outcome.exitCode, 0) << outcome.text();
    EXPECT_TRUE(SanitizerClean(outcome.err)) << outcome.err.toStdString();
    const QJsonArray devices = QJsonDocument::fromJson(outcome.out).array();
    EXPECT_EQ(devices.size(), 5000);
    QSet<QString> macs;
    for (int i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i]["no"].toInt(), i + 1);
        macs.insert(devices[i]["mac"].toString());
    }
    EXPECT_EQ(macs.size(), devices.size());
    sim.stop();
    EXPECT_TRUE(SanitizerClean(sim.errors().toUtf8()));
}

}  // namespace
