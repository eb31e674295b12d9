// Device arrivals from folder changes, and the "Provision printers…" window
// driven from the keyboard against a printer plugged into the simulator.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "lan/modal.h"
#include "provision/ui/provision_dialog.h"
#include "support/sim_process.h"
#include "support/wait.h"
#include "transport/device_arrivals.h"
#include "direct/ui/secrets_dialog.h"
#include "widgets/messages.h"

using namespace corvane;

namespace {

void Touch(const QString& path, const QByteArray& contents = {}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// sysfs's word on USB printer lpN: its USB device's product ID.
void UsbPrinter(const QString& sys, int n, const QByteArray& productId) {
    const QString device = QStringLiteral("%1/devices/usb1/1-%2").arg(sys).arg(n);
    const QString usbmisc = QStringLiteral("%1/class/usbmisc/lp%2").arg(sys).arg(n);
    ASSERT_TRUE(QDir().mkpath(device + "/1-0:1.0") && QDir().mkpath(usbmisc));
    Touch(device + "/idProduct", productId + "\n");
    ASSERT_TRUE(QFile::link(device + "/1-0:1.0", usbmisc + "/device"));
}

}  // namespace

// USB printer nodes, including the first one that brings /dev/usb with it; a
// dangling symlink and another maker's printer are none of ours.
TEST(DeviceArrivals, NodesComeAndGo) {
    QTemporaryDir dev, sys;
    for (int n : {0, 1, 2}) UsbPrinter(sys.path(), n, "006d");
    UsbPrinter(sys.path(), 4, "0E15");
    transport::DeviceArrivals arrivals;
    arrivals.watchUsbPrinters(dev.path(), sys.path());
    QStringList events;
    QObject::connect(&arrivals, &transport::DeviceArrivals::arrived, [&](const QString& node, bool serial) {
        events << "+" + QDir(dev.path()).relativeFilePath(node) + (serial ? " serial" : "");
    });
    QObject::connect(&arrivals, &transport::DeviceArrivals::departed,
                     [&](const QString& node) { events << "-" + QDir(dev.path()).relativeFilePath(node); });
    Touch(dev.filePath("usblp0"));
    arrivals.start();

    ASSERT_TRUE(QDir(dev.path()).mkdir("usb"));
    Touch(dev.filePath("usb/lp1"));
    Touch(dev.filePath("ttyS0"));    // not a USB printer
    Touch(dev.filePath("usb/lp4"));  // another maker's
    ASSERT_TRUE(QFile::link(dev.filePath("gone"), dev.filePath("usb/lp2")));
    ASSERT_TRUE(test::waitUntil([&] { return events.size() >= 2; }, 30000));
    ASSERT_TRUE(QFile::remove(dev.filePath("usblp0")));
    ASSERT_TRUE(test::waitUntil([&] { return events.size() >= 3; }, 30000));
    EXPECT_EQ(events, QStringList({"+usblp0", "+usb/lp1", "-usblp0"}));
}

// A serial port's node stays: its printer is taken when its lines come up,
// once only while it stays, and again after a swap (lines down a while). A
// port this user may not open is taken once, so that its report says why,
// and not again however often the port is looked at.
TEST(ProvisionLine, SerialPortTakenOnceWhileItStaysAndAgainAfterASwapAndStopsOnce) {
    QTemporaryDir dev;
    Touch(dev.filePath("ttyS9"));
    provision::ProvisionLine line(provision::ProvisionJob{});
    line.arrivals().watchSerialPort(dev.filePath("ttyS9"));
    auto presence = provision::SerialPresence::Absent;
    int gone = 0, looks = 0, finished = 0;
    line.setSerialReadiness(
        [&](const QString&) {
            ++looks;
            return presence;
        },
        std::chrono::milliseconds(20), std::chrono::milliseconds(200));
    QObject::connect(&line, &provision::ProvisionLine::nodeGone, [&gone] { ++gone; });
    line.start();
    test::pumpEvents(300);
    EXPECT_TRUE(line.reports().isEmpty());  // no printer yet: no failure either

    presence = provision::SerialPresence::Refused;
    ASSERT_TRUE(test::waitUntil([&] { return line.reports().size() == 1; }, 30000));
    const int looksAtReport = looks;
    ASSERT_TRUE(test::waitUntil([&] { return looks >= looksAtReport + 20; }, 30000));
    EXPECT_EQ(line.reports().size(), 1);
    EXPECT_EQ(line.reports()[0].outcome, provision::Outcome::Failed);

    presence = provision::SerialPresence::Absent;
    ASSERT_TRUE(test::waitUntil([&] { return gone == 1; }, 30000));
    presence = provision::SerialPresence::Ready;
    ASSERT_TRUE(test::waitUntil([&] { return line.reports().size() == 2; }, 30000));
    test::pumpEvents(300);
    EXPECT_EQ(line.reports().size(), 2);  // still plugged in: not taken again
    EXPECT_EQ(line.reports()[1].node, dev.filePath("ttyS9"));

    // `--once` stops the line from its printerDone: the line still ends once.
    presence = provision::SerialPresence::Absent;
    ASSERT_TRUE(test::waitUntil([&] { return gone == 2; }, 30000));
    QObject::connect(&line, &provision::ProvisionLine::printerDone, &line, [&line] { line.stop(); });
    QObject::connect(&line, &provision::ProvisionLine::finished, [&finished] { ++finished; });
    presence = provision::SerialPresence::Refused;
    ASSERT_TRUE(test::waitUntil([&] { return finished > 0; }, 30000));
    test::pumpEvents(100);
    EXPECT_EQ(finished, 1);
}

// Driven from the keyboard, with a profile that sets WPA2-PSK without its
// key: the key is asked once, at Start, and five printers plugged in later
// all get it without a question. A printer pulled out shows as unplugged,
// and Stop ends the line.
TEST(ProvisionWindow, KeyboardRunAsksAMissingSecretOnceForEveryPrinter) {
    test::SimProcess sim;
    const QString dev = sim.dir("dev");
    ASSERT_TRUE(QDir().mkpath(dev));
    ASSERT_TRUE(sim.start({"--no-lan", "--no-link", "--plug-dir", dev}, "plug-dir:")) << sim.errors().toStdString();
    const QString profile = test::WriteFile(
        sim, "shop.json",
        R"({"format": "corvane-profile/1", "config": {"ssid": "Shop-Floor", "authentication": 3, "cipher": 4}})");
    widgets::MessageCapture messages;
    provision::ProvisionDialog window;
    window.setDeviceFolder(dev);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), window.profileEdit());
    QTest::keyClicks(window.profileEdit(), profile);
    int asked = 0;
    test::onNextModal<direct::SecretsDialog>([&asked](direct::SecretsDialog* secrets) {
        ++asked;
        ASSERT_NE(secrets->entry("pskKey"), nullptr);
        secrets->entry("pskKey")->setText("shop-floor-passphrase");
        secrets->accept();
    });
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);  // Start
    // A mnemonic clicks the button after a moment, as if pressed.
    ASSERT_TRUE(test::waitUntil([&] { return window.running(); }, 10000));
    ASSERT_EQ(asked, 1);

    const test::ClosesModals later;  // any further question would be one too many
    for (int n = 1; n <= 5; ++n) sim.process().write(QStringLiteral("plug p%1 00:11:62:0A:00:0%1\n").arg(n).toLatin1());
    QTableWidget* table = window.table();
    const auto resultsIn = [table] {
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 6)->text().isEmpty()) return false;
        return table->rowCount() == 5;
    };
    ASSERT_TRUE(test::waitUntil(resultsIn, 120000));
    QStringList macs;
    for (int row = 0; row < 5; ++row) {
        macs << table->item(row, 1)->text();
        EXPECT_EQ(table->item(row, 6)->text(), "Configured") << row;
    }
    macs.sort();
    EXPECT_EQ(macs.first(), "00:11:62:0A:00:01");
    EXPECT_EQ(macs.last(), "00:11:62:0A:00:05");
    EXPECT_EQ(window.countLabel()->text(), "Configured: 5, unchanged: 0, failed: 0. 0 printers in progress.");

    sim.process().write("unplug p1\n");
    ASSERT_TRUE(test::waitUntil([&] { return !table->findItems("Unplugged", Qt::MatchExactly).isEmpty(); }, 60000));
    window.activateWindow();  // back from the key's question
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);  // Stop
    ASSERT_TRUE(test::waitUntil([&] { return !window.running(); }, 60000));
    EXPECT_EQ(window.countLabel()->text(), "Configured: 5, unchanged: 0, failed: 0. Stopped.");
    EXPECT_EQ(later.closed(), 0);
    EXPECT_TRUE(messages.messages().empty());
    const QJsonObject plugged = sim.stop()["plugged"].toObject();
    for (int n = 1; n <= 5; ++n) {
        const QJsonObject config = plugged[QStringLiteral("p%1").arg(n)].toObject()["config"].toObject();
        EXPECT_EQ(config["ssid"].toString(), "Shop-Floor") << n;
        EXPECT_EQ(config["pskKey"].toString(), "shop-floor-passphrase") << n;
    }
}
