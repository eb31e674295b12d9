// What a technician's hands meet in the direct window: masked secrets with
// their Show buttons, the survey list (sorted, whole, usable), the keyboard.
#include "direct_ui_fixture.h"

#include <QClipboard>
#include <QHeaderView>
#include <QToolButton>

#include "support/sample_records.h"
#include "ui/bss_page.h"

namespace corvane::test {
namespace {

using rules::Tab;

TEST_F(DirectUiTest, SecretsAreMaskedUntilShown) {
    open();
    const std::pair<Tab, const char*> secrets[] = {
        {Tab::System, "userPassword"}, {Tab::System, "confirmPassword"}, {Tab::Security, "wepKey"},
        {Tab::Security, "pskKey"},     {Tab::Security, "authPassword"},  {Tab::Network, "pinCode"},
    };
    for (const auto& [tab, name] : secrets) {
        auto* edit = onPage<QLineEdit>(tab, name);
        auto* show = onPage<QToolButton>(tab, (std::string(name) + "Show").c_str());
        ASSERT_TRUE(edit && show) << name;
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << name;
        EXPECT_EQ(show->isEnabled(), edit->isEnabled()) << name;
        show->toggle();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal) << name;
        show->toggle();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << name;
    }

    // The summary: dots for every secret the record holds, the real values
    // once asked for; Copy takes what is shown.
    ui::SettingsSummaryDialog summary(SampleRecord(), link::ConfigLayout::Newer);
    auto valueOf = [&summary](const char* name) {
        for (int r = 0; r < summary.list()->rowCount(); ++r)
            if (summary.list()->item(r, 1)->text() == QLatin1String(name)) return summary.list()->item(r, 2)->text();
        return QStringLiteral("(no row)");
    };
    const QString dots(8, QChar(0x2022));
    EXPECT_EQ(valueOf("User Password"), dots);
    EXPECT_EQ(valueOf("PSK Key"), dots);
    EXPECT_EQ(valueOf("P2P Pin Code"), dots);
    EXPECT_EQ(valueOf("WEP Key"), QString());  // nothing to hide
    auto* copy = summary.findChild<QPushButton*>(QStringLiteral("copyButton"));
    copy->click();
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), summary.list()->rowCount());
    EXPECT_EQ(copied[3], QStringLiteral("4\tUser Password\t") + dots);
    summary.findChild<QCheckBox*>(QStringLiteral("showSecrets"))->click();
    EXPECT_EQ(valueOf("User Password"), QStringLiteral("secret"));
    copy->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("User Password\tsecret\n")));
}

TEST_F(DirectUiTest, SurveyListSortsFitsAndHandsANetworkToThePages) {
    open();
    connectPrinter();
    tabs()->setCurrentIndex(static_cast<int>(Tab::Bss));
    auto* list = onPage<QTableWidget>(Tab::Bss, "bssList");
    onPage<QPushButton>(Tab::Bss, "getBssButton")->click();
    ASSERT_GT(list->rowCount(), 4);
    QCoreApplication::processEvents();

    // Every cell whole at the size the window opens with.
    for (int c = 0; c < list->columnCount(); ++c) {
        for (int r = 0; r < list->rowCount(); ++r)
            EXPECT_GE(list->columnWidth(c), list->fontMetrics().horizontalAdvance(list->item(r, c)->text()))
                << list->item(r, c)->text().toStdString();
    }
    EXPECT_LE(list->horizontalHeader()->length(), list->viewport()->width());

    // Signal strength sorts as a number (-88 below -100 would mean text order).
    auto* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + header->sectionSize(4) / 2, header->height() / 2));
    QList<int> strengths;
    for (int r = 0; r < list->rowCount(); ++r) strengths << list->item(r, 4)->text().toInt();
    EXPECT_TRUE(std::is_sorted(strengths.begin(), strengths.end()) ||
                std::is_sorted(strengths.rbegin(), strengths.rend()))
        << list->item(0, 4)->text().toStdString();

    struct Pick {
        const char* bssid;
        bool doubleClick;
        const char* ssid;       // on the Network page afterwards
        const char* authRadio;  // checked on the Security page afterwards
    };
    const Pick picks[] = {
        {"10-20-30-40-50-60", true, "GuestNet", "openSystem"},    // no security: open
        {"02-24-6C-11-22-33", false, "GuestNet", "wpa2Psk"},      // hidden, WPA2 alone: SSID kept
        {"00-1A-2B-3C-4D-5F", true, "Warehouse", "wpa2Psk"},      // WPA and WPA2: left to the user
    };
    auto* ssid = onPage<QLineEdit>(Tab::Network, "ssid");
    for (const auto& pick : picks) {
        tabs()->setCurrentIndex(static_cast<int>(Tab::Bss));
        QCoreApplication::processEvents();
        const auto found = list->findItems(QString::fromLatin1(pick.bssid), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << pick.bssid;
        list->selectRow(found.first()->row());
        if (pick.doubleClick) {
            const QRect cell = list->visualItemRect(found.first());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            onPage<QPushButton>(Tab::Bss, "useNetworkButton")->click();
        }
        EXPECT_EQ(tabs()->currentIndex(), static_cast<int>(Tab::Network)) << pick.bssid;
        EXPECT_EQ(ssid->text(), QString::fromLatin1(pick.ssid)) << pick.bssid;
        EXPECT_EQ(dialog->model().context().working.ssid, pick.ssid) << pick.bssid;
        EXPECT_TRUE(onPage<QRadioButton>(Tab::Security, pick.authRadio)->isChecked()) << pick.bssid;
    }
}

TEST_F(DirectUiTest, KeyboardTurnsPagesAndNumbersComplainOncePerEdit) {
    open();
    connectPrinter();
    // The port list names its device in full.
    EXPECT_EQ(widget<QComboBox>("portList")->toolTip(), sim.pty());
    QApplication::setActiveWindow(dialog.get());
    messages.clear();

    auto* port = onPage<QLineEdit>(Tab::System, "printerPort");
    port->setFocus();
    QTest::keyClick(port, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), static_cast<int>(Tab::Protocol));
    QTest::keyClick(widget<QPushButton>("saveButton"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), static_cast<int>(Tab::System));

    // Each digit past the limit is corrected at once; the message comes when
    // the edit ends, once.
    port->setFocus();
    type(port, QStringLiteral("99999"));
    QTest::keyClicks(port, QStringLiteral("99"));
    EXPECT_TRUE(messages.ids().empty());
    EXPECT_LE(port->text().toInt(), 32767);
    QTest::keyClick(port, Qt::Key_Return);
    EXPECT_EQ(messages.ids(), std::vector<int>{kPortOutOfRange});
}

}  // namespace
}  // namespace corvane::test
