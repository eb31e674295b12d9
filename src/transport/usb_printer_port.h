// The USB printers attached to this computer, as the direct configuration
// window offers them: named USB001, USB002 ... with the device node the link
// port opens and the product ID the window filters on.
//
// Linux: printer-class devices bound to usblp appear as
// <sysfs>/class/usbmisc/lpN, whose "device" link leads to the USB interface;
// the USB device above it holds idProduct. The node is <dev>/usb/lpN (or
// <dev>/usblpN on older layouts).
#pragma once

#include <vector>

#include <QString>

namespace corvane::transport {

struct UsbDeviceEntry {
    QString devicePath;   // the node as found; paths are case-sensitive here
    QString displayName;  // "USB001", "USB002", ...
    QString productId;    // four upper-case hex digits, e.g. "006D"
};

class UsbPrinterPort {
public:
    // The product ID of the printers the window offers.
    static constexpr const char* kPosProductId = "006D";

    // The roots are "/sys" and "/dev" on a running system; tests pass trees.
    explicit UsbPrinterPort(QString sysfsRoot = QStringLiteral("/sys"), QString devRoot = QStringLiteral("/dev"));

    // Enumerates again, in lp number order, keeping the devices that can be
    // opened for reading and writing and whose product ID is known. Returns
    // the count; names restart at USB001.
    int refresh();
    // The entry at a 0-based position, or nullptr.
    const UsbDeviceEntry* getAt(int index) const;
    // The entry with this display name (exact comparison), or nullptr.
    const UsbDeviceEntry* findByName(const QString& name) const;
    void clear() { devices_.clear(); }
    int count() const { return static_cast<int>(devices_.size()); }

    // The product ID sysfs gives for the USB printer lpN (four upper-case
    // hex digits), empty when it gives none.
    static QString productIdOf(const QString& sysfsRoot, int lpNumber);

private:
    QString sysfsRoot_;
    QString devRoot_;
    std::vector<UsbDeviceEntry> devices_;
};

}  // namespace corvane::transport
