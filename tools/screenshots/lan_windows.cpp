// Saves pictures of the launcher, both device lists filled from a printer
// simulator on loopback, and the settings window for the first printer, as
// it opens and with a new address typed in, and Assign addresses for the
// first two printers:
//
//   lan_screenshots [--language NAME] OUTPUT_DIR ETHERNET_PORT WLAN_PORT
//
// NAME is what corvane-tool's --language takes (Japanese, en, ...).
// The ports are the simulator's (scripts/screenshots.sh starts it). Every
// request goes to 127.0.0.1 from 127.0.0.1. Runs offscreen.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>

#include "app/config_app.h"
#include "app/launcher_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "widgets/ipv4_address_edit.h"
#include "widgets/messages.h"

namespace {

using corvane::lan::DeviceListDialog;
using corvane::link::ListMode;
using corvane::transport::LanEndpoints;

bool save(QWidget& widget, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

// Digits typed into `field` as keys, as the user would.
void typeDigits(QLineEdit& field, const QString& digits) {
    field.setFocus();
    field.selectAll();
    for (const QChar c : digits) {
        const int key = Qt::Key_0 + c.digitValue();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &release);
    }
}

LanEndpoints loopbackEndpoints(int printerPort) {
    LanEndpoints e;
    e.target = QStringLiteral("127.0.0.1");
    e.remotePort = printerPort;
    e.localPort = 0;
    e.localAddress = QStringLiteral("127.0.0.1");
    return e;
}

// Searches the simulator and pictures the filled list; then, for the
// Ethernet list, the settings window of the chosen printer.
bool deviceList(ListMode mode, int printerPort, const QDir& out) {
    DeviceListDialog window(mode, nullptr, loopbackEndpoints(printerPort));
    corvane::lan::LanWindowTimings timings;
    timings.searchTickMs = 30;
    window.setTimings(timings);
    window.show();
    window.onSearch();
    const bool wlan = mode == ListMode::Wlan;
    bool ok = save(window, out, wlan ? QStringLiteral("device_list_wlan") : QStringLiteral("device_list_ethernet"));
    if (wlan) return ok;

    corvane::lan::LanSettingsDialog settings(mode, window.selectedNumber(), window.localAddress(),
                                             window.broadcastAddress(), &window, loopbackEndpoints(printerPort));
    QTimer::singleShot(100, &settings, [&] {
        ok = save(settings, out, QStringLiteral("lan_settings")) && ok;
        // A new address, part by part, whatever the edit does between parts.
        if (auto* address = settings.findChild<corvane::widgets::Ipv4AddressEdit*>(QStringLiteral("ipAddressEdit"))) {
            const QStringList parts{QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"),
                                    QStringLiteral("150")};
            for (int i = 0; i < parts.size(); ++i) typeDigits(*address->field(i), parts[i]);
            ok = save(settings, out, QStringLiteral("lan_settings_typed")) && ok;
        } else {
            ok = false;
        }
        settings.reject();
    });
    settings.exec();

    // Assign addresses for the first two printers, the preview filled in.
    if (auto* table = window.findChild<QTableWidget*>(QStringLiteral("deviceList")); table && table->rowCount() >= 2) {
        table->clearSelection();
        for (int row : {0, 1})
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTimer::singleShot(100, &window, [&] {
            auto* assign = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!assign) {
                ok = false;
                return;
            }
            if (auto* first = assign->findChild<QLineEdit*>(QStringLiteral("firstAddressEdit")))
                first->setText(QStringLiteral("192.168.0.150"));
            if (auto* gateway = assign->findChild<QLineEdit*>(QStringLiteral("gatewayEdit")))
                gateway->setText(QStringLiteral("192.168.0.1"));
            ok = save(*assign, out, QStringLiteral("assign_addresses")) && ok;
            assign->reject();
        });
        window.onAssignAddresses();
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const QString language = args.size() > 1 && args[0] == QLatin1String("--language") ? args[1] : QString();
    if (!language.isEmpty()) args = args.mid(2);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: lan_screenshots [--language NAME] OUTPUT_DIR ETHERNET_PORT WLAN_PORT\n");
        return 2;
    }
    const QDir out(args[0]);
    const int ethernetPort = args[1].toInt();
    const int wlanPort = args[2].toInt();
    if (!out.mkpath(QStringLiteral(".")) || ethernetPort <= 0 || wlanPort <= 0) return 2;
    corvane::app::ConfigApp configApp;
    if (!configApp.chooseLanguage(language, {QApplication::applicationDirPath()})) return 2;

    // A message box would wait for a click nobody gives; say it instead.
    corvane::widgets::setMessageHook([](const corvane::widgets::ShownMessage& message) {
        std::fprintf(stderr, "lan_screenshots: message: %s\n", qPrintable(message.text));
    });

    bool ok = true;
    {
        corvane::app::LauncherDialog launcher;
        launcher.show();
        ok = save(launcher, out, QStringLiteral("launcher")) && ok;
    }
    ok = deviceList(ListMode::Ethernet, ethernetPort, out) && ok;
    ok = deviceList(ListMode::Wlan, wlanPort, out) && ok;
    return ok ? 0 : 1;
}
