#include "transport/device_arrivals.h"

#include <QDir>
#include <QFileInfo>

#include "transport/usb_printer_port.h"

namespace corvane::transport {

DeviceArrivals::DeviceArrivals(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DeviceArrivals::rescan);
}

void DeviceArrivals::watchUsbPrinters(const QString& devRoot, const QString& sysfsRoot) {
    watches_.append(
        {devRoot + QStringLiteral("/usb"), QRegularExpression(QStringLiteral("^lp(\\d+)$")), false, sysfsRoot});
    watches_.append({devRoot, QRegularExpression(QStringLiteral("^usblp(\\d+)$")), false, sysfsRoot});
}

void DeviceArrivals::watchSerialPort(const QString& node) {
    const QFileInfo info(node);
    watches_.append({info.path(),
                     QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(info.fileName()))),
                     true,
                     {}});
}

void DeviceArrivals::watchFolder(const QString& folder) {
    watches_.append({folder, QRegularExpression(QStringLiteral("^[^.]")), false, {}});
}

void DeviceArrivals::start() { rescan(); }

void DeviceArrivals::rescan() {
    QMap<QString, bool> now;
    for (const Watch& watch : watches_) {
        const QDir folder(watch.folder);
        if (!folder.exists()) {
            // A folder that is not there yet (/dev/usb before the first USB
            // printer) is picked up from its parent's change.
            const QString parent = QFileInfo(watch.folder).path();
            if (QFileInfo(parent).isDir() && !watcher_.directories().contains(parent)) watcher_.addPath(parent);
            continue;
        }
        if (!watcher_.directories().contains(folder.path())) watcher_.addPath(folder.path());
        const QStringList names = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : names) {
            const auto match = watch.names.match(name);
            // A dangling symlink is a node already gone.
            if (!match.hasMatch() || !QFileInfo::exists(folder.filePath(name))) continue;
            if (!watch.sysfsRoot.isEmpty() && UsbPrinterPort::productIdOf(watch.sysfsRoot, match.captured(1).toInt()) !=
                                                  QLatin1String(UsbPrinterPort::kPosProductId))
                continue;
            now.insert(folder.filePath(name), watch.serial);
        }
    }
    const QMap<QString, bool> before = present_;
    present_ = now;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!now.contains(it.key())) emit departed(it.key());
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!before.contains(it.key())) emit arrived(it.key(), it.value());
    }
}

}  // namespace corvane::transport
