// A 200-row address plan against the simulator on loopback: how close
// `corvane lan-plan` comes to what the batch itself costs. The floor is one
// search, the pause before the verification search, one confirmation round
// trip per row, and the verification search; anything above it is time the
// tool adds of its own (per-row sleeps, sockets made and torn down, output).
// The round trip is measured here with the same settings exchange the
// command uses, against a second simulator so the plan's printers stay as
// they are.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "bench_sim.h"
#include "lan/device_lists.h"
#include "lan/lan_settings_exchange.h"

using namespace corvane;

namespace {

constexpr int kRows = 200;
constexpr int kRuns = 3;
constexpr int kRoundTrips = 50;
// The search lasts eleven ticks of 100 ms; an Ethernet plan pauses 3 s
// before it searches again to verify.
constexpr double kSearchMs = 1100;
constexpr double kVerifyPauseMs = 3000;

QString Mac(int n) {
    return QStringLiteral("00:11:62:0a:%1:%2")
        .arg(n >> 8, 2, 16, QLatin1Char('0'))
        .arg(n & 0xFF, 2, 16, QLatin1Char('0'));
}
QString Address(int subnet, int n) { return QStringLiteral("10.%1.%2.%3").arg(subnet).arg(n / 250).arg(1 + n % 250); }

// `rows` Ethernet printers at 10.1.x.y, no LAN printers of the other kind.
bool WriteSimConfig(const QString& path, int rows) {
    QJsonArray printers;
    for (int n = 0; n < rows; ++n) {
        printers.append(
            QJsonObject{{"mac", Mac(n)}, {"ip", Address(1, n)}, {"mask", "255.0.0.0"}, {"gateway", "10.0.0.1"}});
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QJsonDocument(QJsonObject{{"ethernet", printers}, {"wlan", QJsonArray{}}}).toJson()) > 0;
}

// Every printer moves from 10.1.x.y to 10.2.x.y. The search runs from
// 127.0.0.1, so the check that a new address stays in this computer's subnet
// warns about every row; the bench passes --force, as the rows are sound.
bool WritePlan(const QString& path, int rows) {
    QByteArray text = "mac,ip\n";
    for (int n = 0; n < rows; ++n) text += (Mac(n) + ',' + Address(2, n) + '\n').toUtf8();
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One settings request and its confirmation, as lan-plan sends each row
// (a fresh exchange and socket every time).
double RoundTripMs(const BenchSim& sim) {
    transport::LanEndpoints endpoints;
    endpoints.target = QStringLiteral("127.0.0.1");
    endpoints.remotePort = sim.port(QStringLiteral("ethernet"));
    endpoints.localPort = 0;
    link::DiscoveredDevice record;
    record.mode = link::ListMode::Ethernet;
    const std::uint8_t mac[] = {0x00, 0x11, 0x62, 0x0a, 0x00, 0x00};  // the simulator's first printer
    std::copy(std::begin(mac), std::end(mac), record.raw.begin());
    record.setIpAddress({10, 9, 0, 1});
    record.setSubnetMask({255, 0, 0, 0});
    std::vector<double> ms;
    for (int i = 0; i < kRoundTrips; ++i) {
        QElapsedTimer clock;
        clock.start();
        lan::LanSettingsExchange exchange(link::ListMode::Ethernet, QStringLiteral("127.0.0.1"), QString(), endpoints);
        QEventLoop loop;
        bool confirmed = false;
        QObject::connect(&exchange, &lan::LanSettingsExchange::done, &loop, [&](int, bool ok) {
            confirmed = ok;
            loop.quit();
        });
        link::DiscoveredDevice found = record;  // as a search on loopback finds it
        found.answeredFrom = "127.0.0.1";
        if (!exchange.send(found, record)) return -1;
        if (!exchange.settingsDone()) loop.exec();
        if (!confirmed) return -1;
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return Median(ms);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString config = dir.filePath("printers.json"), plan = dir.filePath("plan.csv");
    if (!dir.isValid() || !WriteSimConfig(config, kRows) || !WritePlan(plan, kRows)) {
        std::fprintf(stderr, "cannot write the plan and the printers\n");
        return 1;
    }

    BenchSim scratch;
    if (!scratch.start({"--no-link", "--config", config}, "survey:")) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    const double roundTrip = RoundTripMs(scratch);
    if (roundTrip < 0) {
        std::fprintf(stderr, "the simulator did not confirm a settings request\n");
        return 1;
    }
    const double floorMs = 2 * kSearchMs + kVerifyPauseMs + kRows * roundTrip;

    std::printf("lan-plan, %d rows, Ethernet, loopback; one confirmation round trip %.2f ms (median of %d)\n", kRows,
                roundTrip, kRoundTrips);
    std::printf("floor: search %.0f + pause %.0f + %d x %.2f + verification search %.0f = %.0f ms\n", kSearchMs,
                kVerifyPauseMs, kRows, roundTrip, kSearchMs, floorMs);
    std::vector<double> totals;
    for (int run = 0; run < kRuns; ++run) {
        BenchSim sim;
        if (!sim.start({"--no-link", "--config", config}, "survey:")) return 1;
        QProcess cli;
        cli.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        QElapsedTimer clock;
        clock.start();
        cli.start(CORVANE_CLI_BINARY,
                  {"lan-plan", "ethernet", plan, "--json", "--force", "--target", "127.0.0.1", "--remote-port",
                   QString::number(sim.port(QStringLiteral("ethernet"))), "--local-port", "0", "--local", "127.0.0.1"});
        if (!cli.waitForFinished(600000)) return 1;
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const QByteArray output = cli.readAllStandardOutput();
        const QJsonArray rows = QJsonDocument::fromJson(output).array();
        const auto verified = std::count_if(rows.begin(), rows.end(), [](const QJsonValue& row) {
            return row[QStringLiteral("result")].toString() == QLatin1String("verified");
        });
        if (cli.exitCode() != 0 || verified != kRows) {
            std::fprintf(stderr, "run %d: exit %d, %d of %d rows verified\n%s%.400s\n", run + 1, cli.exitCode(),
                         static_cast<int>(verified), kRows, cli.readAllStandardError().constData(), output.constData());
            return 1;
        }
        totals.push_back(ms);
        std::printf("  run %d: %.0f ms (%.3f of the floor)\n", run + 1, ms, ms / floorMs);
    }
    const double best = *std::min_element(totals.begin(), totals.end());
    std::printf("best %.0f ms (%.3f), median %.0f ms (%.3f)\n", best, best / floorMs, Median(totals),
                Median(totals) / floorMs);
    return 0;
}
