// USB printer enumeration against sysfs and /dev trees built in a temporary
// directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "transport/usb_printer_port.h"

using corvane::transport::UsbPrinterPort;

namespace {

// A sysfs and /dev tree in a temporary directory.
class FakeSystem {
public:
    QString sys() const { return dir_.path() + "/sys"; }
    QString dev() const { return dir_.path() + "/dev"; }

    // usbmisc/<name> -> interface directory of a USB device with `productId`,
    // and its node `node` under /dev: none when empty, a directory (which
    // cannot be opened for writing) when it ends in '/'.
    void add(const QString& name, const QByteArray& productId, const QString& node = {}) {
        const QString iface = QStringLiteral("%1/devices/usb1/1-%2/1-0:1.0").arg(sys(), name);
        const QString usbmisc = QStringLiteral("%1/class/usbmisc/%2").arg(sys(), name);
        QDir().mkpath(iface);
        QDir().mkpath(usbmisc);
        QDir().mkpath(dev() + "/usb");
        write(iface + "/../idProduct", productId + "\n");
        QFile::link(iface, usbmisc + "/device");
        if (node.endsWith('/')) QDir().mkpath(dev() + "/" + node);
        else if (!node.isEmpty()) write(dev() + "/" + node, "");
    }

private:
    static void write(const QString& path, const QByteArray& data) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QTemporaryDir dir_;
};

// Printers are named USB001... in the order of their lp number, whichever
// node name they have; devices that are no printer, have no node that opens
// for writing or an unreadable product id are skipped.
TEST(UsbPrinterPort, PrintersAreNamedInLpOrderAndTheRestSkipped) {
    FakeSystem system;
    EXPECT_EQ(UsbPrinterPort(system.sys(), system.dev()).refresh(), 0);  // no tree at all
    system.add("lp10", "0e15", "usb/lp10");
    system.add("lp2", "006d", "usblp2");  // the older node name
    system.add("hiddev0", "1234");        // not a printer
    system.add("lp0", "006D", "usb/lp0/");
    system.add("lp1", "006D");
    system.add("lp3", "not-hex", "usb/lp3");
    UsbPrinterPort port(system.sys(), system.dev());
    ASSERT_EQ(port.refresh(), 2);

    EXPECT_EQ(port.getAt(0)->displayName, "USB001");
    EXPECT_EQ(port.getAt(0)->devicePath, system.dev() + "/usblp2");
    EXPECT_EQ(port.getAt(0)->productId, UsbPrinterPort::kPosProductId);
    EXPECT_EQ(port.getAt(1)->displayName, "USB002");
    EXPECT_EQ(port.getAt(1)->devicePath, system.dev() + "/usb/lp10");
    EXPECT_EQ(port.getAt(1)->productId, "0E15");
    EXPECT_EQ(port.getAt(2), nullptr);
    EXPECT_EQ(port.findByName("USB002"), port.getAt(1));
    EXPECT_EQ(port.findByName("usb002"), nullptr);

    ASSERT_EQ(port.refresh(), 2);
    EXPECT_EQ(port.getAt(0)->displayName, "USB001");
    port.clear();
    EXPECT_EQ(port.count(), 0);
}

}  // namespace
