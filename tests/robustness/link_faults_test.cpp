// The direct link under abuse, through `corvane` against the simulator: a
// printer that stops in the middle of a reply, repeats a record or falls
// silent (and a Ctrl-C while it does), a survey answer cut short on TCP, and
// a certificate peer that refuses every chunk once before taking it. Each run must end within its bounded waits with
// the outcome the exchange defines, and leave no sanitizer report.
#include <gtest/gtest.h>

#include "link/string_table.h"
#include "support/sim_process.h"
#include "tool_run.h"

namespace {

using namespace corvane;
using namespace corvane::robustness;
using corvane::test::SimProcess;

QString Text(StringId id) {
    return QString::fromUtf8(StringText(id).data(), static_cast<qsizetype>(StringText(id).size()));
}

QStringList LinkArguments(const QString& sub, const QString& device, const char* limitMs = "1500") {
    return {"link", sub, "--device", device, "--link-timeout-ms", limitMs};
}
QStringList Info(SimProcess& sim) { return LinkArguments("info", sim.pty()); }
QStringList InfoWaitingAMinute(SimProcess& sim) { return LinkArguments("info", sim.pty(), "60000"); }
QStringList Survey(SimProcess& sim) {
    return {"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim.port("survey"))};
}
QStringList CertInThreeChunks(SimProcess& sim) {
    const QString file = test::WriteFile(sim, "client.pem", test::PemOfSize(1200));
    return LinkArguments("cert", sim.pty()) + QStringList{"--type", "client-key", file};
}

struct SimCase {
    const char* name;
    QStringList faults;
    QStringList (*command)(SimProcess&);
    int exitCode;
    QString says;
    qint64 atLeastMs, withinMs;
    int interruptAfterMs = -1;
};

TEST(LinkFaults, SimulatedPrinterFaultsEndInTimeWithTheirMessage) {
    const QString connectFailed = Text(kConnectFailed), cancelled = "corvane: cancelled\n";
    const QStringList refuseEachChunkOnce{"--fault-cert-failures", "1", "--fault-cert-fail-chunk", "-1"};
    const SimCase cases[] = {
        {"stops mid-reply", {"--fault-truncate", "if_get"}, Info, 1, connectFailed, 0, 10000},
        // The verified record is read; the copy after it is dropped before the next request.
        {"sends the configuration twice", {"--fault-duplicate", "if_get"}, Info, 0, "Record Layout", 0, 10000},
        // The whole --link-timeout-ms is waited, then no more.
        {"falls silent", {"--fault-silent", "sys_req"}, Info, 1, connectFailed, 1500, 12000},
        {"Ctrl-C while silent", {"--fault-silent", "all"}, InfoWaitingAMinute, 130, cancelled, 0, 10000, 1500},
        {"survey cut short on TCP", {"--fault-truncate", "survey"}, Survey, 1, Text(kBssFailed), 0, 12000},
        {"every chunk refused once", refuseEachChunkOnce, CertInThreeChunks, 0, Text(kCertificateUploaded), 0, 60000},
    };
    for (const SimCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess sim;
        ASSERT_TRUE(sim.start(c.faults)) << sim.errors().toStdString();
        const ToolOutcome outcome = RunTool(c.command(sim), 60000, c.interruptAfterMs);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.text();
        EXPECT_TRUE(QString::fromStdString(outcome.text()).contains(c.says)) << outcome.text();
        EXPECT_GE(outcome.elapsedMs, c.atLeastMs);
        EXPECT_LT(outcome.elapsedMs, c.withinMs);
        EXPECT_TRUE(SanitizerClean(outcome.err)) << outcome.err.toStdString();
        sim.stop();
        EXPECT_TRUE(SanitizerClean(sim.errors().toUtf8()));
    }
}

}  // namespace
