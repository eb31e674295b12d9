// The BSS and Certificate pages talking to the simulated printer.
#include "direct_ui_fixture.h"

#include <QFile>
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
    auto* button = onPage<QPushButton>(Tab::Bss, "getBssButton");
    auto* list = onPage<QTableWidget>(Tab::Bss, "bssList");
    auto* bar = onPage<QProgressBar>(Tab::Bss, "progressBar");
    EXPECT_FALSE(list->showGrid());
    EXPECT_EQ(list->horizontalHeaderItem(3)->text(), "MODE");
    const int widths[] = {30, 120, 120, 80, 50, 100};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(list->columnWidth(i), widths[i]);

    // Asked while no port is open: nothing is sent.
    tabs()->bssPage()->onGetBssInformation();
    EXPECT_EQ(messages.ids(), std::vector<int>{kConnectFailed});

    connectPrinter();
    messages.clear();
    tabs()->setCurrentIndex(static_cast<int>(Tab::Bss));
    EXPECT_EQ(ProgressSteps(bar, [&] { button->click(); }), (std::vector<int>{25, 100, 0}));
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

// A PEM-looking file of exactly `size` bytes.
QByteArray Certificate(int size) {
    QByteArray head = "-----BEGIN CERTIFICATE-----\n";
    QByteArray tail = "\n-----END CERTIFICATE-----\n";
    return head + QByteArray(size - head.size() - tail.size(), 'A') + tail;
}

TEST_F(DirectUiTest, CertificateUploadsInChunksUnderTheTypeChosenLast) {
    open();
    const QString path = sim.filePath("client.pem");
    const QByteArray contents = Certificate(1200);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    auto* page = tabs()->certificatePage();
    auto* pathEdit = onPage<QLineEdit>(Tab::Certificate, "certificatePath");
    auto* bar = onPage<QProgressBar>(Tab::Certificate, "progressBar");

    // Not connected: message 4 even with a file chosen.
    chosenFiles = {sim.filePath("missing.pem"), path};  // several chosen: the last counts
    page->openCertificateFile();
    EXPECT_EQ(messages.ids(), std::vector<int>{kCertificateSelected});
    EXPECT_EQ(pathEdit->text(), path);
    page->onFileUpload();
    EXPECT_EQ(messages.ids(), (std::vector<int>{kCertificateSelected, kConnectFailed}));

    connectPrinter();
    messages.clear();
    tabs()->setCurrentIndex(static_cast<int>(Tab::Certificate));
    // Another type clears the path but keeps the accepted file.
    onPage<QRadioButton>(Tab::Certificate, "clientKeyRadio")->click();
    EXPECT_TRUE(pathEdit->text().isEmpty());
    EXPECT_EQ(page->certificateType(), link::kCertificateClientKey);
    EXPECT_EQ(ProgressSteps(bar, [&] { onPage<QPushButton>(Tab::Certificate, "uploadButton")->click(); }),
              (std::vector<int>{41, 83, 100}));
    EXPECT_EQ(messages.ids(), std::vector<int>{kCertificateUploaded});

    sim.stop();
    EXPECT_EQ(sim.certificate(link::kCertificateClientKey), contents);
    EXPECT_TRUE(sim.certificate(link::kCertificateCa).isEmpty());
}

TEST_F(DirectUiTest, CertificateFilesThatFailTheirCheckCannotBeUploaded) {
    open();
    connectPrinter();
    messages.clear();
    auto* page = tabs()->certificatePage();
    struct Case {
        const char* name;
        QByteArray contents;
        int message;
    };
    const Case cases[] = {
        {"large.pem", Certificate(3072), kCertificateTooLarge},
        {"blank.pem", " " + Certificate(100), kCertificateInvalid},
        {"missing.pem", {}, kCertificateReadFailed},
    };
    for (const auto& c : cases) {
        const QString path = sim.filePath(c.name);
        if (!c.contents.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
        }
        chosenFiles = {path};
        page->openCertificateFile();
        page->onFileUpload();
        EXPECT_EQ(messages.ids(), (std::vector<int>{c.message, kNoCertificateSelected})) << c.name;
        messages.clear();
    }
    // Cancelling the chooser leaves no file selected either.
    chosenFiles = {};
    page->openCertificateFile();
    page->onFileUpload();
    EXPECT_EQ(messages.ids(), std::vector<int>{kNoCertificateSelected});
    sim.stop();
    for (int type : {1, 2, 3}) EXPECT_TRUE(sim.certificate(type).isEmpty());
}

}  // namespace
}  // namespace corvane::test
