// The BSS and Certificate pages talking to the simulated printer.
#include "direct_ui_fixture.h"

#include <QHeaderView>
#include <QProgressBar>

#include "ui/bss_page.h"
#include "ui/certificate_page.h"

namespace corvane::test {
namespace {

using rules::Tab;

std::vector<int> ProgressSteps(QProgressBar* bar, const std::function<void()>& action) {
    std::vector<int> steps;
    auto connection = QObject::connect(bar, &QProgressBar::valueChanged, [&steps](int v) { steps.push_back(v); });
    action();
    QObject::disconnect(connection);
    return steps;
}

// The survey's list: every cell whole, sorted by strength as a number, a
// network handed to the pages; empty again at each Connect.
TEST_F(DirectUiTest, BssPageListsTheSurveyAndStartsEmptyAtEachConnect) {
    open();
    auto* list = onPage<QTableWidget>(Tab::Bss, "bssList");
    // Asked while no port is open: nothing is sent.
    tabs()->bssPage()->onGetBssInformation();
    EXPECT_EQ(messages.ids(), std::vector<int>{kConnectFailed});

    connectPrinter();
    messages.clear();
    tabs()->setCurrentIndex(static_cast<int>(Tab::Bss));
    auto* button = onPage<QPushButton>(Tab::Bss, "getBssButton");
    EXPECT_EQ(ProgressSteps(onPage<QProgressBar>(Tab::Bss, "progressBar"), [&] { button->click(); }),
              (std::vector<int>{25, 100, 0}));
    EXPECT_EQ(messages.ids(), std::vector<int>{kBssImported});
    const auto survey = sim::BuiltinState().link.survey;
    ASSERT_EQ(list->rowCount(), static_cast<int>(survey.size()));
    EXPECT_EQ(list->item(0, 1)->text().toStdString(), survey[0].ssid);
    EXPECT_EQ(list->item(0, 2)->text(), "00-1A-2B-3C-4D-5E");
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
        {"10-20-30-40-50-60", true, "GuestNet", "openSystem"},  // no security: open
        {"02-24-6C-11-22-33", false, "GuestNet", "wpa2Psk"},    // hidden, WPA2 alone: SSID kept
        {"00-1A-2B-3C-4D-5F", true, "Warehouse", "wpa2Psk"},    // WPA and WPA2: left to the user
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

    messages.setAnswer(widgets::EditsChoice::Discard);  // the picked network
    widget<QPushButton>("disconnectButton")->click();
    widget<QPushButton>("connectButton")->click();
    EXPECT_EQ(list->rowCount(), 0);
}

TEST_F(DirectUiTest, BssPageReportsARefusedSurvey) {
    open({"--fault-corrupt-checksum", "bss_req"});
    connectPrinter();
    messages.clear();
    tabs()->bssPage()->onGetBssInformation();
    EXPECT_EQ(messages.ids(), std::vector<int>{kBssFailed});
    EXPECT_EQ(onPage<QTableWidget>(Tab::Bss, "bssList")->rowCount(), 0);
}

TEST_F(DirectUiTest, CertificateUploadsInChunksUnderTheTypeChosenLast) {
    open();
    const QByteArray contents = PemOfSize(1200);
    const QString path = WriteFile(sim, "client.pem", contents);
    auto* page = tabs()->certificatePage();
    auto* pathEdit = onPage<QLineEdit>(Tab::Certificate, "certificatePath");

    // Not connected: message 4 even with a file chosen.
    chosenFiles = {sim.dir("missing.pem"), path};  // several chosen: the last counts
    page->openCertificateFile();
    EXPECT_EQ(pathEdit->text(), path);
    page->onFileUpload();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCertificateSelected, kConnectFailed}));

    connectPrinter();
    messages.clear();
    tabs()->setCurrentIndex(static_cast<int>(Tab::Certificate));
    // Another type clears the path but keeps the accepted file.
    onPage<QRadioButton>(Tab::Certificate, "clientKeyRadio")->click();
    EXPECT_TRUE(pathEdit->text().isEmpty());
    EXPECT_EQ(ProgressSteps(onPage<QProgressBar>(Tab::Certificate, "progressBar"),
                            [&] { onPage<QPushButton>(Tab::Certificate, "uploadButton")->click(); }),
              (std::vector<int>{41, 83, 100}));
    EXPECT_EQ(messages.ids(), std::vector<int>{kCertificateUploaded});

    // A file that fails its check cannot be uploaded.
    messages.clear();
    chosenFiles = {WriteFile(sim, "large.pem", PemOfSize(3072))};
    page->openCertificateFile();
    page->onFileUpload();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCertificateTooLarge, kNoCertificateSelected}));

    sim.stop();
    EXPECT_EQ(sim.certificate(link::kCertificateClientKey), contents);
    EXPECT_TRUE(sim.certificate(link::kCertificateCa).isEmpty());
}

}  // namespace
}  // namespace corvane::test
