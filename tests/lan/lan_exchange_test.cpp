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
TEST(DiscoverySearch, LabelCountsDotsForNineTicksAndEndsOnTheEleventh) {
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
}

// A window's search of a list of addresses asks each one (the pacing itself
// is the exchange's, proven over a scripted port) and says how many have
// left; the printer asked at each of the four addresses is one row.
TEST(DiscoverySearch, AListIsAskedAddressByAddress) {
    const PrinterRecord record;
    FakePrinter printer([&](const QByteArray&) { return std::vector{record.answer(link::ListMode::Ethernet)}; });
    transport::LanEndpoints endpoints = printer.endpoints();
    endpoints.target = QStringLiteral("127.0.0.1,127.0.0.1,127.0.0.1,127.0.0.1");
    endpoints.rate = 100;
    link::DeviceList devices;
    DiscoverySearch search(link::ListMode::Ethernet, QStringLiteral("127.0.0.1"), {}, endpoints, devices);
    search.setTickInterval(5);
    QSignalSpy finished(&search, &DiscoverySearch::finished);
    QSignalSpy sent(&search, &DiscoverySearch::requestsSent);
    ASSERT_TRUE(search.start());
    ASSERT_TRUE(waitUntil([&] { return finished.count() == 1 && printer.requests().size() == 4; }));
    EXPECT_EQ(devices.size(), 1u);
    EXPECT_GE(search.progress(), DiscoverySearch::kProgressMaximum);
    ASSERT_EQ(sent.count(), 4);
    EXPECT_EQ(sent.last(), (QList<QVariant>{4, 4}));
}

// A search ends before its time on a WLAN answer too short for its tag
// (another tag is no end), or on Cancel; either way it keeps what arrived
// before and nothing after.
TEST(DiscoverySearch, ShortWlanAnswerOrCancelEndsTheSearchAtOnce) {
    const PrinterRecord record;
    for (const link::ListMode mode : {link::ListMode::Wlan, link::ListMode::Ethernet}) {
        FakePrinter printer([&](const QByteArray&) {
            if (mode == link::ListMode::Ethernet) return std::vector{record.answer(mode)};
            return std::vector{record.answer(mode), bytesOf("__[I_F]__[SET_RSP]") + QByteArray(1, '\0'),
                               bytesOf("__[I_F]__[REG_RS"), record.answer(mode)};
        });
        link::DeviceList devices;
        DiscoverySearch search(mode, QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.255"), printer.endpoints(),
                               devices);
        search.setTickInterval(2000);  // only the short answer or Cancel can end it in time
        QSignalSpy finished(&search, &DiscoverySearch::finished);
        search.start();
        ASSERT_TRUE(waitUntil([&] { return devices.size() == 1; }, 1500));
        if (mode == link::ListMode::Ethernet) search.cancel();
        ASSERT_TRUE(waitUntil([&] { return finished.count() == 1; }, 1500));
        test::pumpEvents(50);
        EXPECT_EQ(devices.size(), 1u);
    }
}

// The printer as a search on loopback found it: confirmations come from there.
link::DiscoveredDevice FoundAtLoopback(link::DiscoveredDevice device) {
    device.answeredFrom = "127.0.0.1";
    return device;
}

// Save pressed again while waiting sends the same request again; the
// confirmation then ends the wait, and nothing more goes out. (Each mode's
// confirmation message is proven through the windows.)
TEST(LanSettingsExchange, ConfirmationEndsTheWait) {
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
}

// Answers too short or of another kind do not confirm: the wait times out
// as a failure, and a confirmation after that changes nothing.
TEST(LanSettingsExchange, ShortOrForeignAnswersTimeOutAndLateAnswersAreIgnored) {
    FakePrinter printer([](const QByteArray&) {
        return std::vector<QByteArray>{bytesOf("SETC"), bytesOf("IMIN0000")};
    });
    LanSettingsExchange exchange(link::ListMode::Ethernet, {}, {}, printer.endpoints());
    exchange.setTimeout(120);
    QSignalSpy done(&exchange, &LanSettingsExchange::done);
    const link::DiscoveredDevice record = PrinterRecord{}.device(link::ListMode::Ethernet);
    exchange.send(FoundAtLoopback(record), record);
    ASSERT_TRUE(waitUntil([&] { return done.count() > 0; }));
    EXPECT_EQ(done[0][0].value<StringId>(), 45);
    EXPECT_FALSE(done[0][1].toBool());

    printer.answerLast(bytesOf("SETC!"));
    test::pumpEvents(100);
    EXPECT_EQ(done.count(), 1);
}

}  // namespace
}  // namespace corvane::lan
