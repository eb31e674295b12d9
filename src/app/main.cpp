// corvane-tool: the desktop tool. Everything runs in the launcher's modal
// loop and the windows it opens.
#include <cstdio>
#include <memory>

#include <QApplication>

#include "app/config_app.h"
#include "corvane_version.h"
#include "transport/wire_trace.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    // --help and --version print and end without touching the window system,
    // so they work on a terminal without a display (and for help2man at build
    // time).
    // Without a display the launcher cannot open: the start-up says so in
    // one line rather than letting Qt abort.
    std::unique_ptr<QCoreApplication> app;
    if (corvane::app::ConfigApp::answersOnTerminal(arguments) ||
        !corvane::app::ConfigApp::hasDisplay(arguments, [](const char* name) { return qEnvironmentVariable(name); })) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
        // Lets desktops match the windows with the menu entry and its icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("io.github.corvane.Tool"));
    }
    QCoreApplication::setApplicationName(QStringLiteral("corvane-tool"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(corvane::kVersion));
    // CORVANE_TRACE=FILE: the wire log of every window's traffic. A log that
    // cannot be made is said on the terminal the tool was started from.
    if (const auto problem = corvane::transport::trace::startFromEnvironment()) {
        std::fprintf(stderr, "corvane-tool: %s: %s\n", corvane::transport::trace::kTraceVariable, qPrintable(*problem));
    }
    corvane::app::ConfigApp configApp;
    return configApp.run(*app);
}
