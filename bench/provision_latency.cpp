// From a printer appearing to its status line: `corvane link provision`
// against printers plugged into the simulator one after another. Each run
// reports the whole latency (the plug command written to the status line
// read) and the time the printer's own exchange took (the line's "seconds":
// Connect, write, read back); the difference is what the line adds: noticing
// the device node, starting a worker, printing.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_sim.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 2 && QByteArray(argv[1]) == "--runs" ? QByteArray(argv[2]).toInt() : 10;
    QTemporaryDir scratch;
    const QString dev = scratch.filePath("dev");
    QDir().mkpath(dev);
    BenchSim sim;
    if (!sim.start({"--no-lan", "--no-link", "--plug-dir", dev}, "plug-dir:")) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    QFile profile(scratch.filePath("shop.json"));
    profile.open(QIODevice::WriteOnly);
    profile.write(R"({"format": "corvane-profile/1", "config": {"ssid": "Shop-Floor"}})");
    profile.close();

    QProcess line;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", scratch.filePath("state"));
    line.setProcessEnvironment(environment);
    line.start(CORVANE_CLI_BINARY,
               {"link", "provision", "--profile", profile.fileName(), "--device-dir", dev, "--json"});
    if (!line.waitForStarted(5000)) return 1;

    std::vector<double> latency, exchange, added;
    for (int i = 1; i <= runs; ++i) {
        const QByteArray name = "bench" + QByteArray::number(i);
        QElapsedTimer clock;
        clock.start();
        sim.process().write("plug " + name + " 00:11:62:0C:00:" + QByteArray::number(i % 100).rightJustified(2, '0') +
                            "\n");
        sim.process().waitForBytesWritten(5000);
        QByteArray out;
        while (!out.contains('\n') && line.waitForReadyRead(60000)) out += line.readAllStandardOutput();
        const double total = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        const double seconds = QJsonDocument::fromJson(out).object()["seconds"].toDouble();
        latency.push_back(total);
        exchange.push_back(seconds);
        added.push_back(total - seconds);
        sim.process().write("unplug " + name + "\n");
        sim.process().waitForBytesWritten(5000);
        sim.process().waitForReadyRead(5000);
        sim.process().readAllStandardOutput();
    }
    line.terminate();
    line.waitForFinished(5000);
    std::printf("printers: %d\n", runs);
    std::printf("plug to status line: median %.3f s, worst %.3f s\n", Median(latency),
                *std::max_element(latency.begin(), latency.end()));
    std::printf("the printer's exchange: median %.3f s\n", Median(exchange));
    std::printf("added by the line: median %.3f s, worst %.3f s\n", Median(added),
                *std::max_element(added.begin(), added.end()));
    return 0;
}
