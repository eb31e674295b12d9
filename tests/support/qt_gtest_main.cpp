// GoogleTest entry point for tests that need a Qt application object (event
// loop, timers, sockets, widgets). Widgets run on the offscreen platform,
// without window frames; XDG_STATE_HOME points at a folder of this run.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#ifdef CORVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    const QTemporaryDir platformConfig;
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); platform.isEmpty() || platform == "offscreen") {
        // One 800x600 screen and windows without frames, as on a display
        // without a window manager, where nothing but their contents tells
        // windows apart (the platform's default frames hide how they lie).
        QFile config(platformConfig.filePath(QStringLiteral("offscreen.json")));
        if (config.open(QIODevice::WriteOnly))
            config.write(R"({"windowFrameMargins": false, "screens": [{"name": "test", "x": 0, "y": 0,
                "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    }
    // The changes tests send, by the windows or the programs they start, go
    // to a scratch history rather than the user's.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
