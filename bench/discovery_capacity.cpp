// Discovery capacity: how many of the answers a flood of N printers sends to
// one search end up in the device list. Loopback only.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryFile>

#include "bench_sim.h"
#include "lan/discovery_search.h"
#include "link/discovered_device.h"

using namespace corvane;

namespace {

// Runs one search against a simulator whose one printer of `mode` answers
// with `flood` records; gives the number stored, or -1 when the simulator did
// not start.
int StoredOutOf(lan::ListMode mode, int flood, int burst, qint64* elapsedMs) {
    QTemporaryFile config;
    if (!config.open()) return -1;
    const QByteArray printer = QByteArray(R"([{"faults": {"flood": )") + QByteArray::number(flood) +
                             R"(, "floodBurst": )" + QByteArray::number(burst) + "}}]";
    config.write(mode == lan::ListMode::Wlan ? R"({"ethernet": [], "wlan": )" + printer + "}"
                                             : R"({"wlan": [], "ethernet": )" + printer + "}");
    config.close();

    BenchSim sim;
    if (!sim.start({"--no-link", "--config", config.fileName()}, "survey:")) return -1;

    lan::LanEndpoints endpoints;
    endpoints.target = QStringLiteral("127.0.0.1");
    endpoints.remotePort = sim.port(mode == lan::ListMode::Wlan ? "wlan" : "ethernet");
    endpoints.localPort = 0;
    lan::DeviceList devices;
    lan::DiscoverySearch search(mode, QStringLiteral("127.0.0.1"), QStringLiteral("127.255.255.255"), endpoints,
                                devices);
    QEventLoop loop;
    QObject::connect(&search, &lan::DiscoverySearch::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    search.start();
    if (search.isRunning()) loop.exec();
    *elapsedMs = clock.elapsed();
    return static_cast<int>(devices.size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("discovery capacity: answers stored by one search (1.1 s) out of N sent\n");
    std::printf("(burst: answers the simulator sends back to back before a 4 ms pause)\n");
    std::printf("%-9s %6s %6s %7s %8s %9s\n", "mode", "burst", "N", "stored", "percent", "search_ms");
    for (const int burst : {32, 5000}) {
        for (const auto mode : {lan::ListMode::Ethernet, lan::ListMode::Wlan}) {
            for (const int n : {100, 1000, 5000}) {
                qint64 elapsed = 0;
                const int stored = StoredOutOf(mode, n, burst, &elapsed);
                std::printf("%-9s %6d %6d %7d %7.1f%% %9lld\n", mode == lan::ListMode::Wlan ? "wlan" : "ethernet",
                            burst, n, stored, 100.0 * stored / n, static_cast<long long>(elapsed));
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
