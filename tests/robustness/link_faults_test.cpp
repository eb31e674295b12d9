// The direct link under abuse, through `corvane link` on a pseudo-terminal:
// noise between valid frames, a printer that stops in the middle of a reply
// or falls silent (and a Ctrl-C while it does), a node that is at its end, a
// survey answer cut short on TCP, and a certificate peer that refuses every
// chunk once before taking it. Each run must end within its bounded waits
// with the outcome the exchange defines, and leave no sanitizer report.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>

#include <QTemporaryFile>

#include "link/string_table.h"
#include "pty_printer.h"
#include "support/sim_process.h"
#include "tool_run.h"

namespace {

using namespace corvane;
using namespace corvane::robustness;
using corvane::test::SimProcess;
using Request = PtyPrinter::Request;
using Answer = PtyPrinter::Answer;

QString Text(StringId id) {
    return QString::fromUtf8(StringText(id).data(), static_cast<qsizetype>(StringText(id).size()));
}

QStringList LinkArguments(const QString& sub, const QString& device, QStringList more = {},
                          const char* limitMs = "1500") {
    return QStringList{"link", sub, "--device", device, "--link-timeout-ms", limitMs} + more;
}

// Noise that holds no name marker (0x5F) and does not start with a zero, so
// the maker check reads past it, but is no reply either.
Bytes Noise(std::uint32_t seed, std::size_t size) {
    std::mt19937 random(seed);
    Bytes noise(size);
    for (auto& b : noise) {
        do b = static_cast<std::uint8_t>(random());
        while (b == 0x5F || b == 0x00);
    }
    return noise;
}

Answer Before(Bytes noise, int pauseMs) { return {std::move(noise), pauseMs, 0, {}}; }
Answer After(int pauseMs, Bytes noise) { return {{}, 0, pauseMs, std::move(noise)}; }

struct NoiseCase {
    const char* name;
    Request at;
    Answer answer;  // around the valid reply to `at`
    const char* command;
    std::optional<StringId> fails;  // none: the command succeeds
};

TEST(LinkFaults, NoiseAroundValidRepliesFailsOnlyTheExchangeItLandsIn) {
    const NoiseCase cases[] = {
        // Noise before the maker name, in a read of its own, is read past.
        {"before the maker name", Request::MakerName, Before(Noise(1, 40), 300), "info", std::nullopt},
        // Noise read where a record was expected, the record itself too late
        // (each step's refusal of a wrong reply is proven in tests/exchange).
        {"in place of the configuration", Request::Configuration, Before(Noise(10, 300), 400), "info", kConnectFailed},
        {"trailing the configuration", Request::Configuration, After(0, Noise(3, 25)), "info", kConnectFailed},
        // After the configuration was read, before the survey's mode command
        // is answered: it runs into that answer.
        {"between connect and survey", Request::Configuration, After(300, Noise(4, 60)), "survey", kBssFailed},
    };
    for (const NoiseCase& c : cases) {
        SCOPED_TRACE(c.name);
        PtyPrinter printer([&c](Request request) { return request == c.at ? c.answer : Answer{}; });
        ASSERT_TRUE(printer.ok());
        const ToolOutcome outcome =
            RunTool(LinkArguments(c.command, QString::fromStdString(printer.devicePath())), 30000);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, c.fails ? 1 : 0) << outcome.text().toStdString();
        EXPECT_TRUE(outcome.text().contains(c.fails ? Text(*c.fails) : QString("1.02")))
            << outcome.text().toStdString();
        EXPECT_EQ(outcome.text().contains(Text(kConnectFailed)), c.fails == kConnectFailed);
        EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    }
}

struct SimCase {
    const char* name;
    QStringList faults;  // none: no simulator, the tool opens an empty file
    std::function<QStringList(const SimProcess&)> command;
    int exitCode;
    StringId says;
    qint64 atLeastMs, withinMs;
};

QStringList LinkInfo(const SimProcess& sim) { return LinkArguments("info", sim.pty()); }

// A node that is always at its end, as /dev/null is, but this test's own:
// the port takes an exclusive lock on what it opens, and /dev/null is shared
// with every other test running at the same time.
QString EmptyNode() {
    static QTemporaryFile file;
    if (!file.isOpen()) file.open();
    return file.fileName();
}

TEST(LinkFaults, SimulatedPrinterFaultsEndInTimeWithTheirMessage) {
    const SimCase cases[] = {
        {"stops mid-reply", {"--fault-truncate", "if_get"}, LinkInfo, 1, kConnectFailed, 0, 10000},
        // The whole --link-timeout-ms is waited, then no more.
        {"falls silent", {"--fault-silent", "sys_req"}, LinkInfo, 1, kConnectFailed, 1500, 12000},
        // A node at its end fails the connect like a silent printer, but at once.
        {"node at its end",
         {},
         [](const SimProcess&) { return LinkArguments("info", EmptyNode(), {}, "60000"); },
         1,
         kUnableToOpenPort,
         0,
         10000},
        {"survey cut short on TCP",
         {"--fault-truncate", "survey"},
         [](const SimProcess& sim) {
             return QStringList{"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim.port("survey"))};
         },
         1,
         kBssFailed,
         0,
         12000},
    };
    for (const SimCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess sim;
        if (!c.faults.isEmpty()) {
            ASSERT_TRUE(sim.start(c.faults)) << sim.errors().toStdString();
        }
        const ToolOutcome outcome = RunTool(c.command(sim), 30000);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.text().toStdString();
        EXPECT_TRUE(outcome.text().contains(Text(c.says))) << outcome.text().toStdString();
        EXPECT_GE(outcome.elapsedMs, c.atLeastMs);
        EXPECT_LT(outcome.elapsedMs, c.withinMs);
        EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
        if (!c.faults.isEmpty()) {
            sim.stop();
            EXPECT_TRUE(IsSanitizerClean(sim.errors().toUtf8()));
        }
    }
}

TEST(LinkFaults, CtrlCDuringASilentPrintersWaitEndsTheCommandAndSaysSo) {
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--fault-silent", "all"}));
    const ToolOutcome outcome = RunTool(LinkArguments("info", sim.pty(), {}, "60000"), 30000, 1500);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 130) << outcome.text().toStdString();
    EXPECT_EQ(outcome.err, "corvane: cancelled\n");
    EXPECT_LT(outcome.elapsedMs, 10000);
}

TEST(LinkFaults, CertificatePeerRefusingEveryChunkOnceStillTakesItWhole) {
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--fault-cert-failures", "1", "--fault-cert-fail-chunk", "-1"}));
    const QByteArray pem = test::PemOfSize(1200);  // three chunks
    const QString file = test::WriteFile(sim, "client.pem", pem);
    const ToolOutcome outcome = RunTool(LinkArguments("cert", sim.pty(), {"--type", "client-key", file}), 60000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains(Text(kCertificateUploaded)));
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    const QJsonObject state = sim.stop();
    EXPECT_TRUE(IsSanitizerClean(sim.errors().toUtf8()));
    EXPECT_EQ(QByteArray::fromBase64(state["link"]["certificates"]["2"].toString().toLatin1()), pem);
}

}  // namespace
