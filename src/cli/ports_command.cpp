// corvane ports: the serial ports and USB printers a link can use.
#include <QJsonArray>
#include <QJsonObject>

#include "cli/commands.h"
#include "cli/output.h"
#include "transport/serial_port.h"
#include "transport/usb_printer_port.h"

namespace corvane::cli {

int runPorts(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(QStringLiteral("ports"), {"json"})) return usageError(*bad);
    if (!invocation.arguments().isEmpty()) return usageError(QStringLiteral("ports takes no arguments"));

    transport::UsbPrinterPort usb;
    usb.refresh();
    const auto serial = transport::availableSerialPorts();

    if (invocation.json()) {
        QJsonArray serialJson;
        for (const auto& port : serial) {
            serialJson.append(
                QJsonObject{{QStringLiteral("name"), port.name}, {QStringLiteral("path"), port.systemLocation}});
        }
        QJsonArray usbJson;
        for (int i = 0; i < usb.count(); ++i) {
            const auto* entry = usb.getAt(i);
            usbJson.append(QJsonObject{{QStringLiteral("name"), entry->displayName},
                                       {QStringLiteral("path"), entry->devicePath},
                                       {QStringLiteral("productId"), entry->productId}});
        }
        printJson(QJsonObject{{QStringLiteral("serial"), serialJson}, {QStringLiteral("usb"), usbJson}});
        return kExitOk;
    }

    QList<QStringList> rows;
    for (const auto& port : serial) rows.append({port.name, port.systemLocation, QString()});
    for (int i = 0; i < usb.count(); ++i) {
        const auto* entry = usb.getAt(i);
        rows.append({entry->displayName, entry->devicePath, entry->productId});
    }
    printTable({QStringLiteral("Name"), QStringLiteral("Path"), QStringLiteral("Product ID")}, rows);
    return kExitOk;
}

}  // namespace corvane::cli
