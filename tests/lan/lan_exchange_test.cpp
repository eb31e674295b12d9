// The two UDP exchanges of the LAN windows against a fake printer on
// loopback: the search for printers, and the settings request with its wait
// for the confirmation.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "lan/discovery_search.h"
#include "lan/fake_printer.h"
#include "lan/lan_settings_exchange.h"

namespace corvane::lan {
namespace {

using test::bytesOf;
using test::FakePrinter;
using test::PrinterRecord;
using test::waitUntil;

// A search of ten 20 ms ticks: the label gains a dot per tick and starts
// again on the tenth; the search ends on the eleventh. What it finds takes
// the place of what an earlier search found; a printer that answers twice is
// listed once.
TEST(DiscoverySearch, LabelCountsDotsForNineTicksEndsOnTheEleventhOrAtAShortWlanAnswer) {
    const PrinterRecord record;
    FakePrinter printer([&](const QByteArray&) {
        return std::vector{record.answer(link::ListMode::Ethernet), record.answer(link::ListMode::Ethernet)};
    });
    link::DeviceList devices;
    devices.appendDevice(link::DiscoveredDevice{});
    DiscoverySearch search(link::ListMode::Ethernet, QStringLiteral("127.0.0.1"), {}, printer.endpoints(), devices);
    std::vector<QString> labels;
    QObject::connect(&search, &DiscoverySearch::ticked,
                     [&labels](int, const QString& label) { labels.push_back(label); });
    QSignalSpy finished(&search, &DiscoverySearch::finished);
    search.setTickInterval(20);
    search.start();
    ASSERT_TRUE(waitUntil([&] { return finished.count() == 1; }));

    std::vector<QString> expected;
    for (int dots = 1; dots <= 9; ++dots) expected.push_back(QStringLiteral("Now Searching") + QString(dots, '.'));
    expected.push_back(QStringLiteral("Now Searching"));
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(search.progress(), 1100);

    EXPECT_EQ(printer.requests(), std::vector<QByteArray>{bytesOf("FIND")});
    EXPECT_EQ(devices.size(), 1u);

    // A WLAN answer too short for its tag ends the search at once (another
    // tag is no end), keeping what arrived before it and nothing after.
    const link::ListMode mode = link::ListMode::Wlan;
    FakePrinter wireless([&](const QByteArray&) {
        return std::vector{record.answer(mode), bytesOf("__[I_F]__[SET_RSP]") + QByteArray(1, '\0'),
                           bytesOf("__[I_F]__[REG_RS"), record.answer(mode)};
    });
    link::DeviceList found;
    DiscoverySearch wlanSearch(mode, QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.255"), wireless.endpoints(),
                               found);
    wlanSearch.setTickInterval(2000);  // only the short answer can end it in time
    QSignalSpy ended(&wlanSearch, &DiscoverySearch::finished);
    wlanSearch.start();
    ASSERT_TRUE(waitUntil([&] { return ended.count() == 1; }, 1500));
    test::pumpEvents(50);
    EXPECT_EQ(found.size(), 1u);
}

// The printer as a search on loopback found it: confirmations come from there.
link::DiscoveredDevice FoundAtLoopback(link::DiscoveredDevice device) {
    device.answeredFrom = "127.0.0.1";
    return device;
}

// Save pressed again while waiting sends the same request again; the
// confirmation then ends the wait, and nothing more goes out. (Each mode's
// confirmation message is proven through the windows.)
TEST(LanSettingsExchange, ConfirmationEndsTheWaitAndOtherAnswersTimeOut) {
    FakePrinter printer;
    LanSettingsExchange exchange(link::ListMode::Wlan, {}, QStringLiteral("127.0.0.255"), printer.endpoints());
    exchange.setTimeout(5000);
    QSignalSpy done(&exchange, &LanSettingsExchange::done);
    const link::DiscoveredDevice record = PrinterRecord{}.device(link::ListMode::Wlan);
    EXPECT_TRUE(exchange.send(FoundAtLoopback(record), record));
    EXPECT_TRUE(exchange.send(FoundAtLoopback(record), record));
    EXPECT_TRUE(exchange.waitingForAnswer());
    ASSERT_TRUE(waitUntil([&] { return printer.requests().size() == 2; }));
    EXPECT_EQ(printer.requests()[0], printer.requests()[1]);
    printer.answerLast(bytesOf("__[I_F]__[SET_RSP]!"));
    ASSERT_TRUE(waitUntil([&] { return done.count() > 0; }));
    EXPECT_EQ(done[0][0].value<StringId>(), 43);
    EXPECT_TRUE(done[0][1].toBool());
    EXPECT_TRUE(exchange.settingsDone());
    EXPECT_FALSE(exchange.waitingForAnswer());
    EXPECT_FALSE(exchange.send(FoundAtLoopback(record), record));

    // Answers too short or of another kind do not confirm: the wait times
    // out as a failure, and a confirmation after that changes nothing.
    FakePrinter wired([](const QByteArray&) { return std::vector<QByteArray>{bytesOf("SETC"), bytesOf("IMIN0000")}; });
    LanSettingsExchange failing(link::ListMode::Ethernet, {}, {}, wired.endpoints());
    failing.setTimeout(120);
    QSignalSpy failed(&failing, &LanSettingsExchange::done);
    const link::DiscoveredDevice ethernet = PrinterRecord{}.device(link::ListMode::Ethernet);
    failing.send(FoundAtLoopback(ethernet), ethernet);
    ASSERT_TRUE(waitUntil([&] { return failed.count() > 0; }));
    EXPECT_EQ(failed[0][0].value<StringId>(), 45);
    EXPECT_FALSE(failed[0][1].toBool());
    wired.answerLast(bytesOf("SETC!"));
    test::pumpEvents(100);
    EXPECT_EQ(failed.count(), 1);
}

}  // namespace
}  // namespace corvane::lan
