// corvane-printer-sim: simulated Zephran printers for tests and demos. It
// listens on loopback by default, prints one line per listener and the pty
// path, then serves until SIGINT or SIGTERM.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>

#include "corvane_version.h"
#include "lan_server.h"
#include "plug_control.h"
#include "print_server.h"
#include "pty_link.h"
#include "quit_on_signal.h"
#include "sim_json.h"
#include "sim_options.h"

using namespace corvane::sim;

namespace {
int Fail(const QString& message) {
    std::fprintf(stderr, "corvane-printer-sim: %s\n", qPrintable(message));
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("corvane-printer-sim");
    QCoreApplication::setApplicationVersion(QString::fromLatin1(corvane::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated Zephran printers: Ethernet and WLAN printers on UDP, the WLAN site survey on TCP, "
        "and one printer on the direct link behind a pseudo-terminal.");
    parser.addHelpOption();
    parser.addVersionOption();
    AddSimOptions(parser);
    parser.process(app);

    SimOptions options;
    SimState state;
    QString error;
    if (!ReadSimOptions(parser, options, state, &error)) return Fail(error);

    QuitOnSignal quit;
    if (!quit.install()) return Fail("cannot install the signal handlers");

    LanServer lan(state);
    if (options.lan) {
        const QHostAddress bind(options.bind);
        if (bind.isNull()) return Fail(QStringLiteral("--bind: \"%1\" is not an address").arg(options.bind));
        if (!lan.start(bind, options.ethernetPort, options.wlanPort, options.surveyPort, &error)) return Fail(error);
        for (const auto& line : lan.listenerLines()) std::printf("%s\n", qPrintable(line));
    }
    PrintServer print(state);
    if (options.printPort >= 0) {
        if (!print.start(QHostAddress(options.bind), options.printPort, options.printNeverRead, &error))
            return Fail(error);
        std::printf("%s\n", qPrintable(print.listenerLine()));
    }
    PtyLink pty(state.link);
    if (options.link && state.link.present) {
        if (!pty.open(options.ptyLink, options.ptyCooked, &error)) return Fail(error);
        if (!options.linkRecord.isEmpty() && !pty.recordInto(options.linkRecord, &error)) return Fail(error);
        std::printf("pty: %s\n", qPrintable(pty.slavePath()));
        if (!options.ptyLink.isEmpty()) std::printf("pty-link: %s\n", qPrintable(options.ptyLink));
    }
    // Declared after the fixed printers so its ptys close first.
    PlugControl plugs(state, options.plugDir);
    if (!options.plugDir.isEmpty()) {
        plugs.listen();
        std::printf("plug-dir: %s\n", qPrintable(options.plugDir));
    }
    std::fflush(stdout);

    app.exec();

    if (!options.dumpState.isEmpty() && !DumpStateFile(state, options.dumpState, &error)) return Fail(error);
    return 0;
}
