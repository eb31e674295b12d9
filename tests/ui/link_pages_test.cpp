// The BSS and Certificate pages talking to the simulated printer.
#include "direct_ui_fixture.h"

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
