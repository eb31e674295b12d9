// The BSS and Certificate pages talking to the simulated printer.
#include <QHeaderView>
#include <QProgressBar>
#include <QTableWidget>

#include "direct_ui_fixture.h"
#include "direct/ui/bss_page.h"
#include "direct/ui/certificate_page.h"

namespace corvane::test {
namespace {

std::vector<int> ProgressSteps(QProgressBar* bar, const std::function<void()>& action) {
    std::vector<int> steps;
    auto connection = QObject::connect(bar, &QProgressBar::valueChanged, [&steps](int v) { steps.push_back(v); });
    action();
    QObject::disconnect(connection);
    return steps;
}

// The survey's list: sorted by strength as a number, a network handed to
// the pages; empty again at each Connect.
TEST_F(DirectUiTest, BssPageListsTheSurveyAndStartsEmptyAtEachConnect) {
    open();
    connectPrinter();
    messages.clear();
    auto* list = onPage<QTableWidget>(Tab::Bss, "bssList");
    EXPECT_EQ(ProgressSteps(onPage<QProgressBar>(Tab::Bss, "progressBar"),
                            [&] {
                                onPage<QPushButton>(Tab::Bss, "getBssButton")->click();
                                settle();
                            }),
              (std::vector<int>{25, 100, 0}));
    EXPECT_EQ(messages.ids(), std::vector<int>{kBssImported});
    ASSERT_EQ(list->rowCount(), static_cast<int>(sim::BuiltinState().link.survey.size()));
    EXPECT_EQ(list->item(0, 2)->text(), "00-1A-2B-3C-4D-5E");

    // Signal strength sorts as a number (-88 below -100 would mean text order).
    auto* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + header->sectionSize(4) / 2, header->height() / 2));
    QList<int> strengths;
    for (int r = 0; r < list->rowCount(); ++r) strengths << list->item(r, 4)->text().toInt();
    EXPECT_TRUE(std::is_sorted(strengths.begin(), strengths.end()) ||
                std::is_sorted(strengths.rbegin(), strengths.rend()));

    // A double click or the button hands the network to the Network and
    // Security pages (which security follows is proved with the rules).
    for (const bool doubleClick : {true, false}) {
        // No security: open; the hidden WPA2 network keeps the SSID typed.
        const char* bssid = doubleClick ? "10-20-30-40-50-60" : "02-24-6C-11-22-33";
        tabs()->setCurrentIndex(static_cast<int>(Tab::Bss));
        QCoreApplication::processEvents();
        const auto found = list->findItems(QString::fromLatin1(bssid), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << bssid;
        list->selectRow(found.first()->row());
        if (doubleClick) {
            const QRect cell = list->visualItemRect(found.first());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            onPage<QPushButton>(Tab::Bss, "useNetworkButton")->click();
        }
        EXPECT_EQ(tabs()->currentIndex(), static_cast<int>(Tab::Network)) << bssid;
        EXPECT_EQ(onPage<QLineEdit>(Tab::Network, "ssid")->text(), "GuestNet") << bssid;
        EXPECT_TRUE(onPage<QRadioButton>(Tab::Security, doubleClick ? "openSystem" : "wpa2Psk")->isChecked()) << bssid;
    }

    messages.setAnswer(widgets::EditsChoice::Discard);  // the picked network
    click("disconnectButton");
    click("connectButton");
    EXPECT_EQ(list->rowCount(), 0);
}

// Not connected: nothing sent; the last of several files chosen counts;
// another type keeps the accepted file, which goes in chunks under it. A
// survey the printer refuses says so and lists nothing.
TEST_F(DirectUiTest, CertificateUploadsInChunksUnderTheTypeChosenLast) {
    open({"--fault-corrupt-checksum", "bss_req"});
    const QByteArray contents = PemOfSize(1200);
    const QString path = WriteFile(sim, "client.pem", contents);
    auto* page = tabs()->certificatePage();
    auto* pathEdit = page->findChild<QLineEdit*>(QStringLiteral("certificatePath"));
    chosenFiles = {sim.dir("missing.pem"), path};
    page->openCertificateFile();
    EXPECT_EQ(pathEdit->text(), path);
    page->onFileUpload();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCertificateSelected, kConnectFailed}));

    connectPrinter();
    messages.clear();
    onPage<QRadioButton>(Tab::Certificate, "clientKeyRadio")->click();
    EXPECT_TRUE(pathEdit->text().isEmpty());
    EXPECT_EQ(ProgressSteps(onPage<QProgressBar>(Tab::Certificate, "progressBar"),
                            [&] {
                                onPage<QPushButton>(Tab::Certificate, "uploadButton")->click();
                                settle();
                            }),
              (std::vector<int>{41, 83, 100}));
    EXPECT_EQ(messages.ids(), std::vector<int>{kCertificateUploaded});
    messages.clear();
    tabs()->bssPage()->onGetBssInformation();
    settle();
    EXPECT_EQ(messages.ids(), std::vector<int>{kBssFailed});
    EXPECT_EQ(onPage<QTableWidget>(Tab::Bss, "bssList")->rowCount(), 0);

    sim.stop();
    EXPECT_EQ(sim.certificate(link::kCertificateClientKey), contents);
}

}  // namespace
}  // namespace corvane::test
