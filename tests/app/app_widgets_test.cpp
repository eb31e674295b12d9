#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>

#include "app/history_dialog.h"
#include "app/ipv4_address_edit.h"
#include "app/launcher_dialog.h"
#include "app/messages.h"
#include "corvane_version.h"
#include "lan/device_lists.h"
#include "lan/modal.h"
#include "lan/ui/device_list_dialog.h"
#include "link/string_table.h"

namespace corvane::app {
namespace {

TEST(Ipv4AddressEdit, BlankPartsReadAsZeroAndOutOfRangeIsRefused) {
    Ipv4AddressEdit edit;
    EXPECT_EQ(edit.filledFieldCount(), 0);
    edit.setAddress({10, 0, 0, 255});
    EXPECT_EQ(edit.filledFieldCount(), 4);
    edit.field(2)->clear();
    EXPECT_EQ(edit.address(), (Ipv4AddressEdit::Address{10, 0, 0, 255}));
    EXPECT_EQ(edit.filledFieldCount(), 3);

    std::vector<std::pair<int, int>> changes;
    QObject::connect(&edit, &Ipv4AddressEdit::fieldChanged,
                     [&changes](int field, int value) { changes.emplace_back(field, value); });
    edit.field(3)->clear();
    QTest::keyClicks(edit.field(3), QStringLiteral("256"));
    EXPECT_EQ(edit.field(3)->text(), QStringLiteral("25"));
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), (std::pair<int, int>{3, 25}));
}

TEST(LauncherDialog, ButtonsOpenFreshWindowsAndExitEnds) {
    LauncherDialog launcher;
    auto* ethernet = launcher.findChild<QPushButton*>(QStringLiteral("ethernetButton"));
    ASSERT_NE(ethernet, nullptr);

    // Records of an earlier search stay stored, but a new window starts empty.
    lan::ethernetDevices().clearDevices();
    lan::ethernetDevices().appendDevice(lan::DiscoveredDevice{});
    int opened = 0;
    const int result = test::execWith(launcher, [&] {
        for (int i = 0; i < 2; ++i) {
            test::onNextModal<lan::DeviceListDialog>([&opened](lan::DeviceListDialog* window) {
                EXPECT_EQ(window->findChild<QTableWidget*>()->rowCount(), 0);
                ++opened;
                window->reject();
            });
            ethernet->click();
        }
        launcher.findChild<QPushButton*>(QStringLiteral("exitButton"))->click();
    });
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(lan::ethernetDevices().size(), 1u);
}

TEST(LauncherDialog, AboutNamesVersionAndLicence) {
    LauncherDialog launcher;
    QString shown;
    test::execWith(launcher, [&] {
        test::onNextModal<QMessageBox>([&shown](QMessageBox* box) {
            shown = box->text();
            box->accept();
        });
        launcher.findChild<QPushButton*>(QStringLiteral("aboutButton"))->click();
        launcher.reject();
    });
    EXPECT_TRUE(shown.contains(QString::fromLatin1(kVersion))) << qPrintable(shown);
    EXPECT_TRUE(shown.contains(QStringLiteral("MIT licence"))) << qPrintable(shown);
}

TEST(HistoryDialog, SortsFiltersByPrinterAndExportsWhatItShows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.jsonl"));
    QString error;
    for (const auto& [mac, minute] : {std::pair{"00-11-22-AA-BB-CC", 5}, {"00-11-62-0A-00-01", 1},
                                      {"00-11-22-AA-BB-CC", 3}}) {
        history::Entry e;
        e.time = QDateTime(QDate(2024, 5, 1), QTime(9, minute), Qt::UTC);
        e.mac = QString::fromLatin1(mac);
        e.outcome = QString::fromLatin1(history::kConfirmed);
        ASSERT_TRUE(history::appendEntry(e, &error, path)) << error.toStdString();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("not a line of the history\n");
    file.close();

    const QString csvPath = dir.filePath(QStringLiteral("export.csv"));
    HistoryDialog window(nullptr, [&](QWidget*) { return csvPath; }, path);
    auto* table = window.table();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("historyWarnings"))->text().startsWith("line 4 of "));
    table->sortItems(0);
    EXPECT_EQ(table->item(0, 4)->text(), "00-11-62-0A-00-01");

    window.macFilter()->setCurrentText(QStringLiteral("00-11-22-AA-BB-CC"));
    EXPECT_EQ(table->rowCount(), 2);
    window.findChild<QPushButton*>(QStringLiteral("exportCsvButton"))->click();
    QFile exported(csvPath);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), history::csv(window.shownEntries()));
    EXPECT_EQ(window.shownEntries().size(), 2);
}

}  // namespace
}  // namespace corvane::app
