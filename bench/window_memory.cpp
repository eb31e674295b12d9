// Window memory: the resident set of a process that starts as corvane-tool
// does and opens every window once from the launcher, printed after each
// window has been drawn and closed. Every request goes to a printer
// simulator on 127.0.0.1. Runs offscreen unless QT_QPA_PLATFORM says
// otherwise (under xvfb-run: QT_QPA_PLATFORM=xcb).
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "app/config_app.h"
#include "app/launcher_dialog.h"
#include "bench_sim.h"
#include "lan/ui/device_list_dialog.h"
#include "link/string_table.h"
#include "direct/ui/config_tab_ctrl.h"
#include "direct/ui/direct_config_dialog.h"
#include "widgets/messages.h"
#include "widgets/translation.h"

using namespace corvane;

namespace {

// One "Name:  value kB" line of /proc/self/status, in MB.
double Status(const QByteArray& status, const char* name) {
    for (const QByteArray& line : status.split('\n')) {
        if (!line.startsWith(name)) continue;
        const long kb = line.mid(qstrlen(name)).trimmed().split(' ').first().toLong();
        return static_cast<double>(kb) / 1024.0;
    }
    return -1;
}

// The windows the closer below clicked away since the last row.
QStringList closedWindows;

// The resident set (VmRSS), its part not backed by files (RssAnon: heap,
// stacks; the rest is mostly the libraries' code, shared with other Qt
// programs) and the peak (VmHWM).
void Row(const char* what) {
    QFile file(QStringLiteral("/proc/self/status"));
    const QByteArray status = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::printf("%-44s %6.1f %6.1f %6.1f  %s\n", what, Status(status, "VmRSS:"), Status(status, "RssAnon:"),
                Status(status, "VmHWM:"), qPrintable(closedWindows.join(QLatin1Char(' '))));
    std::fflush(stdout);
    closedWindows.clear();
}

void Pump(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Closes every modal window the tool opens once it has been on screen for a
// while, as a user clicking it away would; the search window ends by itself.
class ModalCloser : public QObject {
public:
    ModalCloser() {
        connect(&timer_, &QTimer::timeout, this, [this] { check(); });
        timer_.start(20);
    }

private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->inherits("corvane::lan::SearchDialog")) {
            seen_ = nullptr;
            return;
        }
        if (modal != seen_) {
            seen_ = modal;
            since_.start();
            return;
        }
        if (since_.elapsed() < 400) return;
        seen_ = nullptr;
        closedWindows << QString::fromLatin1(modal->metaObject()->className()).section(QStringLiteral("::"), -1);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            std::fprintf(stderr, "message: %s\n", qPrintable(box->text()));
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    QTimer timer_;
    QWidget* seen_ = nullptr;
    QElapsedTimer since_;
};

transport::LanEndpoints Loopback(const BenchSim& sim, link::ListMode mode) {
    transport::LanEndpoints e;
    e.target = QStringLiteral("127.0.0.1");
    e.remotePort = sim.port(mode == link::ListMode::Wlan ? "wlan" : "ethernet");
    e.localPort = 0;
    e.localAddress = QStringLiteral("127.0.0.1");
    e.surveyPort = sim.port("survey");
    e.printerHost = QStringLiteral("127.0.0.1");
    return e;
}

// A device list after a search, then `more` with it open.
void DeviceList(QWidget* launcher, link::ListMode mode, const transport::LanEndpoints& endpoints,
                const std::function<void(lan::DeviceListDialog&)>& more) {
    lan::DeviceListDialog window(mode, launcher, endpoints);
    lan::LanWindowTimings timings;
    timings.bssStartDelayMs = 0;
    window.setTimings(timings);
    // The local address window offers addresses it does not take from the
    // host; the closer below cancels it, so no search starts from it.
    window.setAddressSource([] {
        return corvane::transport::LocalAddresses{{QStringLiteral("192.168.0.10"), {}, {}}};
    });
    window.show();
    Pump(100);
    window.onSearch();
    Pump(100);
    if (more) more(window);
}

void SelectFirst(lan::DeviceListDialog& window) {
    window.findChild<QTableWidget*>(QStringLiteral("deviceList"))->setCurrentCell(0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::ConfigApp config;
    config.loadLanguage(QLocale::system(), {QCoreApplication::applicationDirPath()});
    QApplication::setApplicationDisplayName(widgets::stringText(kCaption));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane/corvane_tool.png")));

    BenchSim sim;
    if (!sim.start({}, "pty:")) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }

    std::printf("resident memory (MB) after each window has been drawn and closed, platform %s\n",
                qPrintable(QApplication::platformName()));
    std::printf("%-44s %6s %6s %6s  %s\n", "step", "rss", "anon", "peak", "windows closed as a user would");
    Row("application object");
    ModalCloser closer;
    {
        app::LauncherDialog launcher;
        launcher.show();
        Pump(200);
        Row("launcher shown");

        DeviceList(&launcher, link::ListMode::Ethernet, Loopback(sim, link::ListMode::Ethernet),
                   [](lan::DeviceListDialog& window) {
                       SelectFirst(window);
                       window.onSetting();
                   });
        Row("+ Ethernet list, search, LAN settings");

        DeviceList(&launcher, link::ListMode::Wlan, Loopback(sim, link::ListMode::Wlan),
                   [](lan::DeviceListDialog& window) {
                       SelectFirst(window);
                       window.onSetting();
                       window.onBssInfo();
                   });
        Row("+ WLAN list, search, settings, BSS info");

        auto chooser = Loopback(sim, link::ListMode::Ethernet);
        chooser.localAddress.clear();
        DeviceList(&launcher, link::ListMode::Ethernet, chooser, nullptr);
        Row("+ local address window");

        widgets::showMessage(&launcher, kSelectDevice);
        Row("+ message box");

        {
            transport::DirectLink port;
            direct::DirectConfigOptions options;
            options.port = &port;
            options.linkDevice = sim.pty();
            direct::DirectConfigDialog window(options, &launcher);
            window.show();
            Pump(100);
            window.findChild<QRadioButton*>(QStringLiteral("posRadio"))->click();
            window.findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
            for (int i = 0; i < window.tabs()->count(); ++i) {
                window.tabs()->setCurrentIndex(i);
                Pump(50);
            }
            // Save writes the configuration read back to the simulated printer,
            // then shows the summary.
            window.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
            window.Disconnect();
        }
        Row("+ direct configuration, all tabs, summary");
    }
    Pump(100);
    Row("all closed");
    return 0;
}
