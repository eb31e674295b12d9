// Discovery capacity: how many of the answers a flood of N printers sends to
// one search end up in the device list, for the search alone and, in a build
// with the windows, for the search as its window runs it (the window is shown
// and painted while the first answers arrive). Loopback only; the windows are
// drawn offscreen unless QT_QPA_PLATFORM says otherwise.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryFile>
#include <QUdpSocket>
#include <QVariant>

#include "bench_sim.h"
#include "lan/discovery_search.h"
#include "link/discovered_device.h"
#ifdef CORVANE_BENCH_WINDOW
#include <QApplication>

#include "lan/device_lists.h"
#include "lan/ui/search_dialog.h"
#endif

using namespace corvane;

namespace {

// Runs one search against a simulator whose one printer of `mode` answers
// with `flood` records; gives the number stored, or -1 when the simulator did
// not start. With `window`, the search window runs the search.
int StoredOutOf(link::ListMode mode, int flood, int burst, bool window, qint64* elapsedMs) {
    QTemporaryFile config;
    if (!config.open()) return -1;
    const QByteArray printer = QByteArray(R"([{"faults": {"flood": )") + QByteArray::number(flood) +
                               R"(, "floodBurst": )" + QByteArray::number(burst) + "}}]";
    config.write(mode == link::ListMode::Wlan ? R"({"ethernet": [], "wlan": )" + printer + "}"
                                              : R"({"wlan": [], "ethernet": )" + printer + "}");
    config.close();

    BenchSim sim;
    if (!sim.start({"--no-link", "--config", config.fileName()}, "survey:")) return -1;

    transport::LanEndpoints endpoints;
    endpoints.target = QStringLiteral("127.0.0.1");
    endpoints.remotePort = sim.port(mode == link::ListMode::Wlan ? "wlan" : "ethernet");
    endpoints.localPort = 0;
    const QString local = QStringLiteral("127.0.0.1");
    const QString broadcast = QStringLiteral("127.255.255.255");
    QElapsedTimer clock;
    clock.start();
#ifdef CORVANE_BENCH_WINDOW
    if (window) {
        lan::SearchDialog dialog(mode, local, broadcast, nullptr, endpoints);
        dialog.exec();
        *elapsedMs = clock.elapsed();
        return static_cast<int>(lan::devicesFor(mode).size());
    }
#else
    if (window) return -1;
#endif
    link::DeviceList devices;
    lan::DiscoverySearch search(mode, local, broadcast, endpoints, devices);
    QEventLoop loop;
    QObject::connect(&search, &lan::DiscoverySearch::finished, &loop, &QEventLoop::quit);
    search.start();
    if (search.isRunning()) loop.exec();
    *elapsedMs = clock.elapsed();
    return static_cast<int>(devices.size());
}

// What the system grants a UDP socket that asks for the buffer the channel
// asks for under the current CORVANE_UDP_RCVBUF.
int GrantedReceiveBuffer(int asked) {
    QUdpSocket socket;
    if (!socket.bind(QHostAddress::LocalHost, 0)) return -1;
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, asked);
    return socket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
}

}  // namespace

int main(int argc, char** argv) {
#ifdef CORVANE_BENCH_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool windows = true;
#else
    QCoreApplication app(argc, argv);
    const bool windows = false;
#endif
    // --runs N repeats every row N times (default 3) and prints the median and
    // the fewest answers stored: the machine's load moves single runs.
    int runs = 3;
    const QStringList args = app.arguments();
    if (const auto at = args.indexOf(QStringLiteral("--runs")); at > 0 && at + 1 < args.size())
        runs = std::max(1, args.at(at + 1).toInt());

    // 4 MB is what the channel asks for; 212992 is the common net.core.rmem_max,
    // so the second value reproduces a stock system's grant on one that allows more.
    const int buffers[] = {4 * 1024 * 1024, 212992};
    struct Flood {
        int burst;
        bool window;
    };
    std::vector<Flood> floods{{32, false}, {5000, false}};
    if (windows) floods.push_back({5000, true});
    std::printf("discovery capacity: answers stored by one search (1.1 s) out of N sent, %d runs\n", runs);
    std::printf(
        "(burst: answers the simulator sends back to back before a 4 ms pause; by: the search\n"
        " alone or its window; rcvbuf: the size asked for through CORVANE_UDP_RCVBUF)\n");
    for (const int asked : buffers) std::printf("rcvbuf %d: granted %d\n", asked, GrantedReceiveBuffer(asked));
    std::printf("%-8s %-9s %6s %-6s %6s %7s %8s %7s %10s\n", "rcvbuf", "mode", "burst", "by", "N", "median", "percent",
                "fewest", "longest_ms");
    for (const int asked : buffers) {
        qputenv("CORVANE_UDP_RCVBUF", QByteArray::number(asked));
        for (const Flood& flood : floods) {
            for (const auto mode : {link::ListMode::Ethernet, link::ListMode::Wlan}) {
                for (const int n : {100, 1000, 5000}) {
                    std::vector<int> stored;
                    qint64 longest = 0;
                    for (int run = 0; run < runs; ++run) {
                        qint64 elapsed = 0;
                        stored.push_back(StoredOutOf(mode, n, flood.burst, flood.window, &elapsed));
                        longest = std::max(longest, elapsed);
                    }
                    std::sort(stored.begin(), stored.end());
                    const int median = stored[stored.size() / 2];
                    std::printf("%-8d %-9s %6d %-6s %6d %7d %7.1f%% %7d %10lld\n", asked,
                                mode == link::ListMode::Wlan ? "wlan" : "ethernet", flood.burst,
                                flood.window ? "window" : "search", n, median, 100.0 * median / n, stored.front(),
                                static_cast<long long>(longest));
                    std::fflush(stdout);
                }
            }
        }
    }
    return 0;
}
