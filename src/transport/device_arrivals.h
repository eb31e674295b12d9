// Printers as they are plugged in and pulled out, noticed from the device
// nodes appearing and disappearing (inotify on the folders that hold them),
// never by asking a printer. What is watched:
//   - USB printers: <dev>/usb/lpN and <dev>/usblpN whose USB device sysfs
//     names with the POS printers' product ID (other printers never get the
//     maker check's bytes); the folder <dev>/usb is picked up when the first
//     USB printer makes it appear;
//   - a named serial port: its node, e.g. /dev/ttyUSB0 of a USB serial cable;
//   - any folder whose every entry is a printer node (tests and the simulator
//     put symlinks to pseudo-terminals there).
#pragma once

#include <QFileSystemWatcher>
#include <QMap>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace corvane::transport {

class DeviceArrivals : public QObject {
    Q_OBJECT
public:
    explicit DeviceArrivals(QObject* parent = nullptr);

    // What to watch; set up before start().
    void watchUsbPrinters(const QString& devRoot = QStringLiteral("/dev"),
                          const QString& sysfsRoot = QStringLiteral("/sys"));
    void watchSerialPort(const QString& node);
    void watchFolder(const QString& folder);

    // Reports every node present now as arrived, then follows the changes.
    void start();
    // The nodes present, sorted.
    QStringList present() const { return present_.keys(); }
    // Whether `node` is a serial port (opened with the serial line settings)
    // rather than a raw device node.
    bool isSerial(const QString& node) const { return present_.value(node, false); }

signals:
    void arrived(const QString& node, bool serial);
    void departed(const QString& node);

private:
    struct Watch {
        QString folder;
        QRegularExpression names;
        bool serial = false;
        QString sysfsRoot;  // USB printers: where their product ID is read
    };
    void rescan();

    QList<Watch> watches_;
    QFileSystemWatcher watcher_;
    QMap<QString, bool> present_;  // node -> serial
};

}  // namespace corvane::transport
