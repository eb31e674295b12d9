// Saves pictures of the direct configuration window, one per tab after a
// Connect to the printer simulator, and of the summary a Save shows:
//
//   directui_screenshots [--language NAME] OUTPUT_DIR
//
// NAME is what corvane-tool's --language takes (Japanese, en, ...).
// Runs offscreen; scripts/screenshots.sh builds and runs it.
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

#include "app/config_app.h"
#include "direct/ui/bss_page.h"
#include "direct/ui/config_tab_ctrl.h"
#include "direct/ui/direct_config_dialog.h"
#include "direct/ui/settings_summary_dialog.h"
#include "widgets/messages.h"

namespace {

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name + ".png");
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const QString language = args.size() > 1 && args[0] == QLatin1String("--language") ? args[1] : QString();
    if (!language.isEmpty()) args = args.mid(2);
    const QDir out(args.value(0, QStringLiteral("docs/screenshots")));
    if (!out.mkpath(QStringLiteral("."))) return 1;
    corvane::app::ConfigApp configApp;
    if (!configApp.chooseLanguage(language, {QApplication::applicationDirPath()})) return 2;

    QProcess sim;
    sim.start(CORVANE_SIM_BINARY, {QStringLiteral("--no-lan")});
    QByteArray line;
    while (!line.contains('\n') && sim.waitForReadyRead(5000)) line += sim.readAllStandardOutput();
    if (!line.startsWith("pty: ")) {
        std::fprintf(stderr, "screenshots: the simulator did not start\n");
        return 1;
    }

    corvane::widgets::setMessageHook([](const corvane::widgets::ShownMessage&) {});
    bool ok = true;
    {
        corvane::transport::DirectLink port;
        corvane::direct::DirectConfigOptions options;
        options.port = &port;
        options.linkDevice = QString::fromUtf8(line.mid(5).trimmed());
        corvane::direct::DirectConfigDialog dialog(options);
        dialog.resize(720, 600);
        dialog.show();
        ok = Save(dialog, out, QStringLiteral("direct_config_disconnected")) && ok;

        dialog.findChild<QRadioButton*>(QStringLiteral("posRadio"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
        const char* names[] = {"system", "protocol", "bss", "network", "security", "certificate"};
        for (int i = 0; i < 6; ++i) {
            dialog.tabs()->setCurrentIndex(i);
            if (i == 2) dialog.tabs()->bssPage()->onGetBssInformation();
            QApplication::processEvents();
            ok = Save(dialog, out, QStringLiteral("direct_config_%1").arg(QLatin1String(names[i]))) && ok;
        }
        corvane::direct::setModalRunner([&](QDialog& summary) {
            summary.show();
            QApplication::processEvents();
            ok = Save(summary, out, QStringLiteral("settings_summary")) && ok;
            return static_cast<int>(QDialog::Accepted);
        });
        dialog.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    }
    sim.terminate();
    sim.waitForFinished(5000);
    return ok ? 0 : 1;
}
