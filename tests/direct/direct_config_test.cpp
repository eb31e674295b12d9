// The direct configuration window driven as a user would, against the
// printer simulator: connect, edit, save, and what the printer received;
// the BSS and Certificate pages talking to it. The page rules are
// unit-tested under tests/rules; here they prove the wiring.
#include "direct_ui_fixture.h"

#include <cerrno>
#include <cstring>

#include <QHeaderView>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "direct/ui/bss_page.h"
#include "direct/ui/certificate_page.h"

#include "rules/summary_rows.h"
#include "support/wait.h"
#include "widgets/ipv4_address_edit.h"

namespace corvane::test {
namespace {

// Secret fields stay masked until shown; POS offers the simulator's device;
// the window says what it is connected to, if anything, and shows the
// printer's PIN again after a reconnect. The pages show the record read at
// Connect (MAC at its offset). The keyboard turns pages; a bad number
// complains when its page is left, not while typed; the page keeps the page
// and the focus and Save sends nothing; typing stops at the field's bytes.
// Save writes the record with the edits, confirms, and its summary numbers
// the rows from 1 and masks the secrets.
TEST_F(DirectUiTest, ConnectEditSaveWritesWhatThePagesShowPlusTheEdits) {
    open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(widget<QLabel>("connectionLabel")->text(), "Not connected");
    EXPECT_EQ(tabs()->tabText(0), "System && Information");  // one "&" shown, not a shortcut
    const std::pair<Tab, const char*> secrets[] = {
        {Tab::System, "userPassword"}, {Tab::System, "confirmPassword"}, {Tab::Security, "wepKey"},
        {Tab::Security, "pskKey"},     {Tab::Security, "authPassword"},  {Tab::Network, "pinCode"},
    };
    for (const auto& [tab, name] : secrets) {
        auto* edit = onPage<QLineEdit>(tab, name);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << name;
        onPage<QToolButton>(tab, (std::string(name) + "Show").c_str())->toggle();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal) << name;
    }
    messages.clear();  // the empty pages refuse to be left

    widget<QRadioButton>("posRadio")->click();
    EXPECT_EQ(widget<QComboBox>("portList")->currentText(), sim.pty());
    click("connectButton");
    auto* pin = onPage<QLineEdit>(Tab::Network, "pinCode");
    EXPECT_EQ(pin->text(), "12345670");
    click("disconnectButton");
    EXPECT_TRUE(pin->text().isEmpty());
    click("connectButton");
    ASSERT_EQ(messages.ids(), (std::vector<int>{kPrinterConnected, kPrinterConnected}));
    messages.clear();
    EXPECT_EQ(pin->text(), "12345670");
    EXPECT_EQ(widget<QLabel>("connectionLabel")->text().toStdString(),
              "Connected: " + sim.pty().toStdString() + " — firmware WL2.07.3, newer layout");
    EXPECT_FALSE(widget<QComboBox>("portList")->isEnabled());  // the link cannot change while connected

    link::PrinterConfig expected = sim::BuiltinState().link.config;
    auto* name = onPage<QLineEdit>(Tab::System, "printerName");
    EXPECT_EQ(onPage<QLabel>(Tab::System, "macAddress")->text(), "00-11-22-AA-BB-CC");
    EXPECT_EQ(onPage<QComboBox>(Tab::Protocol, "https")->currentIndex(), expected.httpsEnabled);  // Telnet's differs
    EXPECT_EQ(onPage<QLineEdit>(Tab::System, "confirmPassword")->text().toStdString(), expected.userPassword);

    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from a field or a button.
    auto* port = onPage<QLineEdit>(Tab::System, "printerPort");
    port->setFocus();
    QTest::keyClick(port, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), static_cast<int>(Tab::Protocol));
    QTest::keyClick(widget<QPushButton>("saveButton"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), static_cast<int>(Tab::System));
    port->setFocus();
    type(port, "80");
    EXPECT_TRUE(messages.ids().empty());  // not while typing
    tabs()->setCurrentIndex(static_cast<int>(Tab::Protocol));
    EXPECT_EQ(messages.ids(), std::vector<int>{kPortNumberIncorrect});
    EXPECT_EQ(tabs()->currentWidget(), tabs()->page(static_cast<int>(Tab::System)));
    EXPECT_EQ(QApplication::focusWidget(), port);
    click("saveButton");
    EXPECT_EQ(messages.ids(), (std::vector<int>{kPortNumberIncorrect, kPortNumberIncorrect}));
    messages.clear();
    type(port, "9101");
    expected.printerPort = 9101;
    // Typed one character at a time, as a keyboard layout with "€" would:
    // three bytes each, 21 fit.
    name->clear();
    for (int i = 0; i < 30; ++i)
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(0x20AC)), Qt::NoModifier);
    EXPECT_EQ(name->text(), QString(21, QChar(0x20AC)));
    expected.printerName = name->text().toStdString();
    QTest::keyClick(onPage<QComboBox>(Tab::Protocol, "telnet"), Qt::Key_Down);
    expected.telnetEnabled = 1;
    onPage<QRadioButton>(Tab::Network, "manualRadio")->click();
    expected.ipAssignment = 0;
    type(onPage<widgets::Ipv4AddressEdit>(Tab::Network, "ipAddress")->field(3), "77");
    expected.ipAddress = {192, 168, 0, 77};
    onPage<QRadioButton>(Tab::Security, "wpaPsk")->click();
    expected.authentication = rules::code::kWpaPsk;
    type(onPage<QLineEdit>(Tab::Security, "pskKey"), "a-longer-shared-key");
    expected.pskKey = "a-longer-shared-key";

    click("saveButton");
    EXPECT_EQ(messages.ids(), std::vector<int>{kConfigCompletedReset});
    // Secrets with a value are dots until shown (the WEP key has none).
    QString masked, shown;
    int number = 1;
    for (const auto& row : rules::SummaryRows(expected, link::ConfigLayout::Newer)) {
        const QString line = QString::number(number++) + '\t' + QString::fromStdString(row.name) + '\t';
        const QString value = QString::fromStdString(row.value);
        masked += line + (row.secret && !value.isEmpty() ? QString(8, QChar(0x2022)) : value) + '\n';
        shown += line + value + '\n';
    }
    EXPECT_EQ(summaries, (QStringList{masked, shown}));
    EXPECT_TRUE(linkPort.isOpen());  // the link stays up for another save

    EXPECT_EQ(sim.stop().link.config, expected);
    EXPECT_EQ(sim.configWrites(), 1);
}

// Each failed Connect says why, closes the port and leaves the pages shut:
// another maker, a printer silent on its first read, no such device.
TEST_F(DirectUiTest, FailedConnectClosesThePortAndKeepsTheButtons) {
    const QString noDevice = QStringLiteral("/dev/corvane-no-such-lp");
    const struct {
        QStringList simArgs;
        QString device;             // the simulator's when empty
        std::vector<int> messages;  // -1: the maker warning
        QString why;                // the first message's text
    } cases[] = {
        {{"--fault-maker-name", "ACME"}, {}, {-1, kUnableToOpenPort}, "This printer don't match our company name."},
        {{"--fault-silent", "if_get"}, {}, {kConnectFailed}, {}},
        {{}, noDevice, {kUnableToOpenPort}, "Unable to open the port.\n" + noDevice + ": " + std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        SimPrinter printer;
        ASSERT_TRUE(printer.start(c.simArgs));
        openOn(printer, FastTimeouts(1), c.device);
        messages.clear();
        connectPrinter();
        EXPECT_EQ(messages.ids(), c.messages) << c.simArgs.join(' ').toStdString();
        if (!c.why.isEmpty()) {
            EXPECT_EQ(messages.messages().front().text, c.why);
        }
        EXPECT_FALSE(linkPort.isOpen());
        EXPECT_TRUE(widget<QPushButton>("connectButton")->isEnabled());
        EXPECT_FALSE(tabs()->isEnabled());
    }
}

// What the user does: Escape, closing the window, or a button by its name.
void perform(direct::DirectConfigDialog& d, const std::string& gesture) {
    if (gesture == "Escape") QTest::keyClick(&d, Qt::Key_Escape);
    else if (gesture == "CloseWindow") d.close();
    else d.findChild<QPushButton*>(QString::fromStdString(gesture))->click();
}

// A wait on a silent printer ends at once on each gesture (the Cancel
// button, Escape, Quit, closing the window, Cancel during a survey), with no
// message, the link down and the buttons as after a failed Connect.
TEST_F(DirectUiTest, CancelledWaitEndsTheExchangeAndLeavesTheLinkDown) {
    const struct {
        const char* gesture;
        bool survey;  // the BSS page's survey rather than Connect
        bool windowStays;
    } cases[] = {{"cancelButton", false, true},
                 {"Escape", false, true},
                 {"quitButton", false, false},
                 {"CloseWindow", false, false},
                 {"cancelButton", true, true}};
    for (const auto& c : cases) {
        // Each read would wait 25 s (and Connect 64 of them); the gesture
        // comes 300 ms into the wait.
        SimPrinter printer;
        ASSERT_TRUE(printer.start({"--fault-silent", c.survey ? "bss_req" : "all"}));
        openOn(printer, FastTimeouts(500));
        if (c.survey) connectPrinter();
        messages.clear();
        QString shown;
        QTimer::singleShot(300ms, dialog.get(), [&] {
            shown = widget<QLabel>("activityLabel")->text();
            EXPECT_TRUE(widget<QPushButton>("cancelButton")->isVisible());
            perform(*dialog, c.gesture);
        });
        const auto start = std::chrono::steady_clock::now();
        if (c.survey) {
            onPage<QPushButton>(Tab::Bss, "getBssButton")->click();
        } else {
            widget<QRadioButton>("posRadio")->click();
            widget<QPushButton>("connectButton")->click();
        }
        EXPECT_TRUE(dialog->exchanging());  // the click returned; the printer is waited on elsewhere
        settle();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
        EXPECT_TRUE(shown.startsWith(c.survey ? "Surveying the access points" : "Checking the printer… attempt "))
            << shown.toStdString();
        pumpEvents(50);
        EXPECT_TRUE(messages.ids().empty()) << c.gesture;
        EXPECT_FALSE(linkPort.isOpen()) << c.gesture;
        EXPECT_EQ(dialog->isVisible(), c.windowStays) << c.gesture;
        EXPECT_TRUE(widget<QPushButton>("connectButton")->isEnabled());
        EXPECT_FALSE(widget<QPushButton>("cancelButton")->isVisible());
    }
}

// Edits since Connect are asked about before they are lost.
TEST_F(DirectUiTest, DroppedEditsAreAskedAboutFirst) {
    const struct {
        const char* gesture;
        widgets::EditsChoice answer;
        bool saved;   // the edit reached the printer
        bool goesOn;  // the gesture went ahead: link down, window closed
    } cases[] = {{"disconnectButton", widgets::EditsChoice::Cancel, false, false},
                 {"quitButton", widgets::EditsChoice::Discard, false, true},
                 {"Escape", widgets::EditsChoice::Save, true, true},
                 {"CloseWindow", widgets::EditsChoice::Cancel, false, false}};
    for (const auto& c : cases) {
        SimPrinter printer;
        ASSERT_TRUE(printer.start({}));
        openOn(printer);
        connectPrinter();
        type(onPage<QLineEdit>(Tab::System, "printerName"), "Back office");
        messages.clear();
        messages.setAnswer(c.answer);
        perform(*dialog, c.gesture);
        settle();
        ASSERT_FALSE(messages.messages().empty()) << c.gesture;
        EXPECT_EQ(messages.messages()[0].text, "Discard the changes made since Connect?");
        EXPECT_EQ(linkPort.isOpen(), !c.goesOn) << c.gesture;
        EXPECT_EQ(dialog->isVisible(), !c.goesOn) << c.gesture;
        dialog.reset();
        EXPECT_EQ(printer.stop().link.config.printerName == "Back office", c.saved) << c.gesture;
    }
}

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
