#include <gtest/gtest.h>

#include <map>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/history_dialog.h"
#include "app/launcher_dialog.h"
#include "corvane_version.h"
#include "lan/device_lists.h"
#include "lan/modal.h"
#include "lan/ui/device_list_dialog.h"
#include "widgets/ipv4_address_edit.h"
#include "widgets/window_placement.h"

namespace corvane::app {
namespace {

using widgets::Ipv4AddressEdit;

// Keys as typed into whichever part has the focus: "<" Backspace, "[" Left,
// "]" Right, "^" Home, anything else itself.
void typeAddress(Ipv4AddressEdit& edit, const QString& keys) {
    const std::map<QChar, Qt::Key> moves{
        {'<', Qt::Key_Backspace}, {'[', Qt::Key_Left}, {']', Qt::Key_Right}, {'^', Qt::Key_Home}};
    for (const QChar c : keys) {
        QWidget* part = edit.focusWidget() ? edit.focusWidget() : edit.field(0);
        if (const auto move = moves.find(c); move != moves.end()) QTest::keyClick(part, move->second);
        else QTest::keyClicks(part, QString(c));
    }
}

// The four parts type, move, paste and copy as one field, and a host
// address is judged against its mask.
TEST(Ipv4AddressEdit, TypesPastesAndCopiesAsOneField) {
    const std::pair<const char*, const char*> cases[] = {
        {"192.168.0.150", "192.168.0.150"},  // "." after a complete part is not a second move
        {"10.20.30.4<<<9", "10.20.39.0"},    // Backspace in an empty part goes back
        {"1.2.3.4^]]7", "1.72.3.4"},         // Home, and Right crosses into the next part
        {"1.2.3.4[[[7", "1.2.73.4"},         // Left crosses back
        {"1.2.3.256", "1.2.3.25"},           // over 255 refused
    };
    for (const auto& [keys, expected] : cases) {
        Ipv4AddressEdit edit;
        edit.show();
        edit.field(0)->setFocus();
        typeAddress(edit, QString::fromLatin1(keys));
        EXPECT_EQ(edit.text(), QString::fromLatin1(expected)) << keys;
    }

    // Whole addresses paste and copy; a part changed says so.
    Ipv4AddressEdit mask;
    Ipv4AddressEdit host;
    mask.setRole(link::AddressRole::Mask);
    host.setRole(link::AddressRole::Host, &mask);
    mask.setAddress({255, 255, 255, 0});
    host.setAddress({10, 0, 0, 1});
    std::vector<std::pair<int, int>> changed;
    QObject::connect(&host, &Ipv4AddressEdit::fieldChanged,
                     [&changed](int field, int value) { changed.emplace_back(field, value); });

    // The second paste is refused and loses nothing.
    for (const char* clip : {" 192.168.0.255\n", "300.1.1.1"}) {
        QApplication::clipboard()->setText(QString::fromLatin1(clip));
        QTest::keyClick(host.field(2), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(host.text(), QStringLiteral("192.168.0.255")) << clip;
    }
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{0, 192}, {1, 168}, {2, 0}, {3, 255}}));
    QApplication::clipboard()->clear();
    QTest::keyClick(host.field(1), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("192.168.0.255"));

    // The broadcast address of a /24, but an ordinary host of a /16: the
    // host follows its mask (the marks themselves are proved with the rules).
    EXPECT_EQ(host.problem(), link::AddressProblem::BroadcastAddress);
    mask.setText(QStringLiteral("255.255.0.0"));
    EXPECT_EQ(host.problem(), link::AddressProblem::None);
    // A blank part reads as zero but is not filled.
    host.field(2)->clear();
    EXPECT_EQ(host.address(), link::Ipv4Address(192, 168, 0, 255));
    EXPECT_EQ(host.filledFieldCount(), 3);
}

// A button opens a fresh window that lies over all of the launcher: without
// a window manager nothing but their contents tells two windows apart, and
// an edge of the launcher showing under a smaller window reads as a strip of
// that window. About names the version and licence, Exit ends.
TEST(LauncherDialog, ButtonsOpenFreshCoveringWindowsAboutAndExit) {
    LauncherDialog launcher;
    // Records of an earlier search stay stored, but a new window starts empty
    // (the history shows what the history file holds).
    lan::ethernetDevices().clearDevices();
    lan::ethernetDevices().appendDevice(link::DiscoveredDevice{});
    for (const char* button : {"ethernetButton", "wlanButton", "provisionButton", "historyButton"}) {
        QRect opened;
        int rows = -1;
        test::execWith(launcher, [&] {
            test::onNextModalWhen<QDialog>([&launcher] { return QApplication::activeModalWidget() != &launcher; },
                                           [&](QDialog* window) {
                                               opened = window->frameGeometry();
                                               rows = window->findChild<QTableWidget*>()->rowCount();
                                               window->reject();
                                           });
            launcher.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            launcher.reject();
        });
        EXPECT_TRUE(opened.contains(launcher.frameGeometry()))
            << button << ": " << opened.x() << "," << opened.y() << " " << opened.width() << "x" << opened.height();
        EXPECT_TRUE(rows == 0 || button == std::string_view("historyButton")) << button << " " << rows;
    }
    EXPECT_EQ(lan::ethernetDevices().size(), 1u);

    QString about;
    const int result = test::execWith(launcher, [&] {
        test::onNextModal<QMessageBox>([&about](QMessageBox* box) {
            about = box->text();
            box->accept();
        });
        launcher.findChild<QPushButton*>(QStringLiteral("aboutButton"))->click();
        launcher.findChild<QPushButton*>(QStringLiteral("exitButton"))->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(about.contains(QString::fromLatin1(kVersion))) << qPrintable(about);
    EXPECT_TRUE(about.contains(QStringLiteral("MIT licence"))) << qPrintable(about);
}

// Centred on the window behind, back onto the screen where it would leave it
// (still over the window behind), at the screen's start when larger than it.
TEST(WindowPlacement, CentresOverTheWindowBehindOnTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    const struct {
        QRect behind;
        QSize size;
        QPoint expected;
    } cases[] = {
        {{300, 200, 300, 300}, {500, 400}, {200, 150}},   // centred
        {{300, 200, 300, 300}, {301, 301}, {300, 200}},   // an odd pixel more goes right and down
        {{0, 0, 300, 300}, {500, 400}, {0, 0}},           // at the top left corner
        {{700, 500, 300, 300}, {500, 400}, {500, 400}},   // at the bottom right corner
        {{100, 100, 300, 300}, {1200, 900}, {0, 0}},      // larger than the screen
        {{1100, 100, 300, 300}, {300, 300}, {700, 100}},  // the window behind off the screen
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widgets::coveringPosition(c.behind, c.size, screen), c.expected)
            << c.behind.x() << "," << c.behind.y();
        // Over the whole of a window behind that lies on the screen.
        EXPECT_EQ(QRect(c.expected, c.size).contains(c.behind), screen.contains(c.behind));
    }
    EXPECT_EQ(widgets::coveringPosition({300, 200, 300, 300}, {500, 400}, {-1000, 100, 1000, 800}), QPoint(-500, 150));

    // A window smaller than the one behind grows to cover it.
    QWidget behind;
    behind.setGeometry(250, 150, 300, 300);
    behind.show();
    QDialog small(&behind);
    small.resize(100, 100);
    widgets::coverParentWindow(small);
    small.show();
    EXPECT_TRUE(small.frameGeometry().contains(behind.frameGeometry()));
}

// The printer filter narrows the rows. (What the export writes is proven
// with the history's CSV.)
TEST(HistoryDialog, FiltersByPrinter) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.jsonl"));
    QString error;
    for (const auto& [mac, minute] :
         {std::pair{"00-11-22-AA-BB-CC", 5}, {"00-11-62-0A-00-01", 1}, {"00-11-22-AA-BB-CC", 3}}) {
        history::Entry e;
        e.time = QDateTime(QDate(2024, 5, 1), QTime(9, minute), Qt::UTC);
        e.mac = QString::fromLatin1(mac);
        e.outcome = QString::fromLatin1(history::kConfirmed);
        ASSERT_TRUE(history::appendEntry(e, &error, path)) << error.toStdString();
    }

    HistoryDialog window(nullptr, {}, path);
    auto* table = window.table();
    ASSERT_EQ(table->rowCount(), 3);
    window.macFilter()->setCurrentText(QStringLiteral("00-11-22-AA-BB-CC"));
    EXPECT_EQ(table->rowCount(), 2);
}

}  // namespace
}  // namespace corvane::app
