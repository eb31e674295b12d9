// Start-up: how long after exec corvane-tool shows its launcher, and how
// long `corvane --help` takes and `corvane discover` needs before its request
// leaves. The clock starts just before the program is started.
//
//   bench_startup [--runs N]
//
// The launcher is timed offscreen, and also on X when DISPLAY is set (run
// under `xvfb-run -a`). The program reports the moment of its first paint
// through CORVANE_EXIT_WHEN_SHOWN (src/app/startup_probe.h). The discovery
// request goes to a socket of this program on 127.0.0.1.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QProcess>
#include <QUdpSocket>

namespace {

qint64 NowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double Ms(qint64 ns) { return static_cast<double>(ns) / 1e6; }

void Report(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%-34s failed\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.1f ms  best %7.1f ms  worst %7.1f ms  (%zu runs)\n", what, ms[ms.size() / 2],
                ms.front(), ms.back(), ms.size());
    std::fflush(stdout);
}

#ifdef CORVANE_TOOL_BINARY
// Milliseconds from start to the first paint of the launcher, and to the
// program's exit; false when the run failed.
bool LauncherRun(const QString& platform, double* shownMs, double* exitMs) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("CORVANE_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    tool.setProcessEnvironment(env);
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 start = NowNs();
    tool.start(QStringLiteral(CORVANE_TOOL_BINARY), {});
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    const qint64 end = NowNs();
    const QByteArray out = tool.readAllStandardOutput();
    if (!out.startsWith("shown ")) return false;
    *shownMs = Ms(out.mid(6).trimmed().toLongLong() - start);
    *exitMs = Ms(end - start);
    return true;
}
#endif

double HelpRun() {
    QProcess cli;
    const qint64 start = NowNs();
    cli.start(QStringLiteral(CORVANE_CLI_BINARY), {QStringLiteral("--help")});
    if (!cli.waitForFinished(10000) || cli.exitCode() != 0) return -1;
    return Ms(NowNs() - start);
}

// Milliseconds from start until the discovery request arrives.
double DiscoverRun() {
    QUdpSocket printer;
    if (!printer.bind(QHostAddress::LocalHost, 0)) return -1;
    QProcess cli;
    const qint64 start = NowNs();
    cli.start(
        QStringLiteral(CORVANE_CLI_BINARY),
        {QStringLiteral("discover"), QStringLiteral("ethernet"), QStringLiteral("--local"), QStringLiteral("127.0.0.1"),
         QStringLiteral("--target"), QStringLiteral("127.0.0.1"), QStringLiteral("--remote-port"),
         QString::number(printer.localPort()), QStringLiteral("--local-port"), QStringLiteral("0")});
    const bool arrived = printer.waitForReadyRead(5000);
    const qint64 at = NowNs();
    // The search then runs its course (1.1 s) with nobody answering.
    cli.waitForFinished(5000);
    return arrived ? Ms(at - start) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 9;
    const QStringList args = app.arguments();
    if (const auto at = args.indexOf(QStringLiteral("--runs")); at > 0 && at + 1 < args.size())
        runs = std::max(1, args.at(at + 1).toInt());

    std::printf("start-up, from just before exec (one warm-up run first, not counted)\n");
#ifdef CORVANE_TOOL_BINARY
    QStringList platforms{QStringLiteral("offscreen")};
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) platforms << QStringLiteral("xcb");
    for (const QString& platform : platforms) {
        std::vector<double> shown, exited;
        double shownMs = 0, exitMs = 0;
        LauncherRun(platform, &shownMs, &exitMs);
        for (int run = 0; run < runs; ++run) {
            if (!LauncherRun(platform, &shownMs, &exitMs)) continue;
            shown.push_back(shownMs);
            exited.push_back(exitMs);
        }
        Report(qPrintable(QStringLiteral("corvane-tool launcher shown (%1)").arg(platform)), shown);
        Report(qPrintable(QStringLiteral("corvane-tool closed again (%1)").arg(platform)), exited);
    }
#endif

    std::vector<double> help, discover;
    HelpRun();
    for (int run = 0; run < runs; ++run) {
        if (const double ms = HelpRun(); ms >= 0) help.push_back(ms);
    }
    Report("corvane --help, to exit", help);
    for (int run = 0; run < runs; ++run) {
        if (const double ms = DiscoverRun(); ms >= 0) discover.push_back(ms);
    }
    Report("corvane discover, to request sent", discover);
    return 0;
}
