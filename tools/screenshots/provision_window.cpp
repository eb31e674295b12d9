// Saves a picture of "Provision printers…" during a run against the printer
// simulator: three printers plugged in one after another, one of them not in
// the printers sheet.
//
//   provision_screenshots [--language NAME] OUTPUT_DIR
//
// Runs offscreen; scripts/screenshots.sh builds and runs it.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdio>

#include "app/config_app.h"
#include "provision/ui/provision_dialog.h"
#include "widgets/messages.h"

namespace {

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Lets the window work until `done` holds or a generous limit passes.
template <typename Done>
bool RunUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
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

    QTemporaryDir scratch;
    const QString dev = scratch.filePath(QStringLiteral("dev"));
    const QString profile = scratch.filePath(QStringLiteral("shop.json"));
    const QString sheet = scratch.filePath(QStringLiteral("printers.csv"));
    if (!QDir().mkpath(dev) ||
        !WriteText(profile, R"({"format": "corvane-profile/1", "config": {"ssid": "Shop-Floor"}})") ||
        !WriteText(sheet,
                   "mac,name,ip,mask,gateway\n"
                   "00:11:62:0A:00:01,Shop-12,192.168.0.112,255.255.255.0,192.168.0.1\n"
                   "00:11:62:0A:00:02,Shop-13,192.168.0.113,255.255.255.0,192.168.0.1\n")) {
        return 1;
    }
    QProcess sim;
    sim.start(CORVANE_SIM_BINARY,
              {QStringLiteral("--no-lan"), QStringLiteral("--no-link"), QStringLiteral("--plug-dir"), dev});
    QByteArray started;
    while (!started.contains("plug-dir:") && sim.waitForReadyRead(5000)) started += sim.readAllStandardOutput();
    if (!started.contains("plug-dir:")) {
        std::fprintf(stderr, "screenshots: the simulator did not start\n");
        return 1;
    }

    corvane::widgets::setMessageHook([](const corvane::widgets::ShownMessage&) {});
    corvane::provision::ProvisionDialog window;
    window.setDeviceFolder(dev);
    window.resize(960, 400);
    window.show();
    window.profileEdit()->setText(profile);
    window.printersEdit()->setText(sheet);
    window.onStart();
    bool ok = window.running();
    const char* plugs[] = {"plug p1 00:11:62:0A:00:01\n", "plug p2 00:11:62:0A:00:02\n", "plug p3 00:11:62:0A:00:07\n"};
    for (int i = 0; i < 3 && ok; ++i) {
        sim.write(plugs[i]);
        QTableWidget* table = window.table();
        ok = RunUntil([&] {
            return table->rowCount() == i + 1 && table->item(i, table->columnCount() - 1) &&
                   !table->item(i, table->columnCount() - 1)->text().isEmpty();
        });
    }
    // Real nodes (/dev/usb/lp0) are short; the scratch folder's are not.
    window.table()->resizeColumnsToContents();
    const QString path = out.filePath(QStringLiteral("provision.png"));
    ok = ok && window.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    window.onStop();
    window.close();
    sim.terminate();
    sim.waitForFinished(5000);
    return ok ? 0 : 1;
}
