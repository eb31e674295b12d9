// USB printer enumeration against sysfs and /dev trees built in a temporary
// directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "transport/usb_printer_port.h"

using corvane::transport::UsbPrinterPort;

namespace {

class FakeSystem {
public:
    FakeSystem() { QDir(root()).mkpath("sys/class/usbmisc"); }
    QString root() const { return dir_.path(); }
    QString sys() const { return root() + "/sys"; }
    QString dev() const { return root() + "/dev"; }

    enum class Node { UsbLp, OldUsbLp, Directory, Missing };

    // usbmisc/<name> -> interface directory of a USB device with `productId`.
    void addDevice(const QString& name, const QByteArray& productId) {
        const QString device = QStringLiteral("%1/devices/usb1/1-%2").arg(sys(), name);
        const QString iface = device + "/1-0:1.0";
        QDir().mkpath(iface);
        write(device + "/idProduct", productId + "\n");
        QDir().mkpath(QStringLiteral("%1/class/usbmisc/%2").arg(sys(), name));
        QFile::link(iface, QStringLiteral("%1/class/usbmisc/%2/device").arg(sys(), name));
    }
    void addPrinter(int lp, const QByteArray& productId, Node node = Node::UsbLp) {
        addDevice(QStringLiteral("lp%1").arg(lp), productId);
        QDir().mkpath(dev() + "/usb");
        const QString path = node == Node::OldUsbLp ? QStringLiteral("%1/usblp%2").arg(dev()).arg(lp)
                                                    : QStringLiteral("%1/usb/lp%2").arg(dev()).arg(lp);
        if (node == Node::Directory) QDir().mkpath(path);  // cannot be opened for writing
        if (node == Node::UsbLp || node == Node::OldUsbLp) write(path, "");
    }

private:
    static void write(const QString& path, const QByteArray& data) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QTemporaryDir dir_;
};

TEST(UsbPrinterPort, PrintersAreNamedInLpOrderAndRenamedOnRefresh) {
    FakeSystem system;
    system.addPrinter(10, "0e15");
    system.addPrinter(2, "006d", FakeSystem::Node::OldUsbLp);
    system.addDevice("hiddev0", "1234");  // not a printer
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

TEST(UsbPrinterPort, DevicesThatCannotBeOpenedOrIdentifiedAreSkipped) {
    FakeSystem system;
    EXPECT_EQ(UsbPrinterPort(system.root() + "/nothing", system.dev()).refresh(), 0);
    UsbPrinterPort none(system.sys(), system.dev());
    EXPECT_EQ(none.refresh(), 0);
    EXPECT_EQ(none.getAt(0), nullptr);
    system.addPrinter(0, "006D", FakeSystem::Node::Directory);
    system.addPrinter(1, "006D", FakeSystem::Node::Missing);
    system.addPrinter(2, "not-hex");
    system.addPrinter(3, "006D");
    UsbPrinterPort port(system.sys(), system.dev());
    ASSERT_EQ(port.refresh(), 1);
    EXPECT_EQ(port.getAt(0)->displayName, "USB001");
    EXPECT_EQ(port.getAt(0)->devicePath, system.dev() + "/usb/lp3");
}

}  // namespace
