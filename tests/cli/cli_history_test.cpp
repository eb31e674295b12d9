// What the history says after a change over the direct link met a fault or
// an interruption: "not confirmed" whenever the change went out whole and
// the answer is missing or unreadable (the printer may hold it), "failed"
// only when the printer said no. Each case runs the program with its own
// history file; an interruption is sent once the simulator has taken the
// change and holds its answer back.
#include <gtest/gtest.h>

#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>

#include "cli_harness.h"

namespace {

using namespace corvane::clitest;

QStringList Write(Sim& sim) {
    return {"link", "write", "--from", WriteFile(sim, "edits.json", R"({"config": {"ssid": "Till-7"}})")};
}
QStringList Apply(Sim& sim) {
    return {"link", "apply", "--profile",
            WriteFile(sim, "p.json", R"({"format": "corvane-profile/1", "config": {"ssid": "Till-8"}})")};
}
// One CERTEND chunk: its answer is the only one that can go missing.
QStringList Cert(Sim& sim) { return {"link", "cert", "--type", "ca", WriteFile(sim, "c.pem", PemOfSize(500))}; }
QStringList LanSet(Sim& sim) {
    // A wireless printer: its confirmation is awaited for ten seconds.
    return QStringList{"lan-set", "wlan", "--mac", "00:11:62:0b:00:01", "--port", "9105"} + LanArgs(sim, "wlan");
}

struct HistoryCase {
    const char* name;
    QStringList faults;
    QStringList (*command)(Sim&);
    int signal;  // 0: none; else sent once the simulator says "took ..."
    int code;
    const char* outcome;
    bool lan = false;  // a LAN printer, no direct link
};

// The outcome of the history's last line, or why there is none.
QString LastOutcome(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("no history");
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    return QJsonDocument::fromJson(lines.last()).object().value("outcome").toString();
}

TEST(CliHistory, OutcomeUnderEachFaultAndInterruption) {
    const QStringList holdAnswer{"--fault-delay-on", "if_set", "--fault-delay", "60000"};
    const QStringList holdCertAnswer{"--fault-delay-on", "cert_chunk", "--fault-delay", "60000"};
    const QStringList holdReadBack{"--fault-delay-on", "if_get", "--fault-delay", "5000"};
    const QStringList holdSetRsp{"--fault-delay-on", "prt_set", "--fault-delay", "60000"};
    const HistoryCase cases[] = {
        {"taken and read back", {}, Write, 0, 0, "verified"},
        {"answer cut short", {"--fault-truncate", "if_set"}, Write, 0, 1, "not confirmed"},
        {"answer corrupt", {"--fault-corrupt-checksum", "if_set"}, Write, 0, 1, "not confirmed"},
        {"answer cut short to apply", {"--fault-truncate", "if_set"}, Apply, 0, 1, "not confirmed"},
        {"printer lost", {"--fault-silent", "if_set"}, Write, 0, 1, "not confirmed"},
        {"printer says no", {"--fault-refuse", "if_set"}, Write, 0, 1, "failed"},
        {"Ctrl-C awaiting the answer", holdAnswer, Write, SIGINT, 130, "not confirmed"},
        {"SIGTERM awaiting the answer", holdAnswer, Write, SIGTERM, 143, "not confirmed"},
        {"SIGHUP awaiting the answer", holdAnswer, Apply, SIGHUP, 129, "not confirmed"},
        // Taken and confirmed; the stop still ends the command with its code.
        {"SIGTERM awaiting the read-back", holdReadBack, Write, SIGTERM, 143, "confirmed"},
        {"Ctrl-C after the last chunk", holdCertAnswer, Cert, SIGINT, 130, "not confirmed"},
        {"every chunk refused", {"--fault-refuse", "cert_chunk"}, Cert, 0, 1, "failed"},
        {"SIGTERM awaiting SET_RSP", holdSetRsp, LanSet, SIGTERM, 143, "not confirmed", true},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim;
        ASSERT_TRUE(c.lan ? sim.start(QStringList{"--no-link"} + c.faults, "survey:")
                          : sim.start(QStringList{"--no-lan"} + c.faults));
        QProcess cli;
        const QStringList link{"--device", sim.pty(), "--link-timeout-ms", c.signal ? "60000" : "1500"};
        StartCli(cli, c.command(sim) + (c.lan ? QStringList() : link), sim.dir("state"));
        if (c.signal != 0) {
            QByteArray said;
            QElapsedTimer waited;
            waited.start();
            while (!said.contains(": took") && waited.elapsed() < 30000) {
                sim.process().waitForReadyRead(1000);
                said += sim.process().readAllStandardError();
            }
            ASSERT_TRUE(said.contains(": took")) << said.toStdString() << Describe(Finish(cli));
            ::kill(static_cast<pid_t>(cli.processId()), c.signal);
        }
        const CliRun run = Finish(cli);
        EXPECT_EQ(run.code, c.code) << Describe(run);
        EXPECT_EQ(LastOutcome(sim.dir("state/corvane/history.jsonl")), c.outcome) << Describe(run);
    }
}

}  // namespace
