#include "lan/discovery_search.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "lan/fake_printer.h"

namespace corvane::lan {
namespace {

using test::bytesOf;
using test::FakePrinter;
using test::PrinterRecord;
using test::waitUntil;

constexpr int kTickMs = 20;

struct SearchRun {
    std::vector<QString> labels;
    bool finished = false;
};

SearchRun runSearch(DiscoverySearch& search) {
    SearchRun run;
    QObject::connect(&search, &DiscoverySearch::ticked,
                     [&run](int, const QString& label) { run.labels.push_back(label); });
    QObject::connect(&search, &DiscoverySearch::finished, [&run] { run.finished = true; });
    search.setTickInterval(kTickMs);
    search.start();
    EXPECT_TRUE(waitUntil([&run] { return run.finished; }));
    return run;
}

TEST(DiscoverySearch, EthernetKeepsEveryAnswerInArrivalOrderAndIgnoresOthers) {
    PrinterRecord first;
    PrinterRecord second;
    second.mac[5] = 0x99;
    QByteArray fiveByteAnswer = bytesOf("IMIN");
    fiveByteAnswer.append('\x42');
    FakePrinter printer([&](const QByteArray&) {
        return std::vector<QByteArray>{first.answer(ListMode::Ethernet),
                                       bytesOf("IMIN"),
                                       bytesOf("IMAX") + first.bytes(ListMode::Ethernet),
                                       second.answer(ListMode::Ethernet),
                                       first.answer(ListMode::Ethernet),
                                       fiveByteAnswer};
    });
    DeviceList devices;
    devices.appendDevice(DiscoveredDevice{});  // a stale record from an earlier search
    DiscoverySearch search(ListMode::Ethernet, QStringLiteral("127.0.0.1"), {}, printer.endpoints(), devices);
    const SearchRun run = runSearch(search);

    ASSERT_EQ(printer.requests().size(), 1u);
    EXPECT_EQ(printer.requests()[0], bytesOf("FIND"));
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices.deviceAt(1)->macAddress(), first.mac);
    EXPECT_EQ(devices.deviceAt(2)->macAddress()[5], 0x99);
    EXPECT_EQ(devices.deviceAt(3)->macAddress(), first.mac);  // the same printer twice is kept twice
    // A bare 5-byte answer: only the first MAC byte is set.
    const DiscoveredDevice& bare = *devices.deviceAt(4);
    EXPECT_EQ(bare.macAddress()[0], 0x42);
    EXPECT_EQ(bare.port(), 0);
    EXPECT_EQ(bare.ipAddress(), (std::array<std::uint8_t, 4>{}));
}

TEST(DiscoverySearch, LabelCountsDotsForNineTicksAndEndsOnTheEleventh) {
    FakePrinter printer;
    DeviceList devices;
    DiscoverySearch search(ListMode::Ethernet, QStringLiteral("127.0.0.1"), {}, printer.endpoints(), devices);
    const SearchRun run = runSearch(search);

    ASSERT_EQ(run.labels.size(), 10u);
    for (int tick = 1; tick <= 9; ++tick) {
        EXPECT_EQ(run.labels[static_cast<std::size_t>(tick - 1)],
                  QStringLiteral("Now Searching") + QString(tick, QLatin1Char('.')));
    }
    EXPECT_EQ(run.labels[9], QStringLiteral("Now Searching"));
    EXPECT_EQ(search.progress(), 1100);
    EXPECT_TRUE(devices.size() == 0);
}

TEST(DiscoverySearch, WlanShortDatagramEndsTheSearchAtOnce) {
    PrinterRecord printerRecord;
    printerRecord.feature = 25;
    FakePrinter printer([&](const QByteArray&) {
        return std::vector<QByteArray>{
            printerRecord.answer(ListMode::Wlan),
            bytesOf("__[I_F]__[SET_RSP]") + QByteArray(1, '\0'),  // 19 bytes, other tag: ignored
            bytesOf("__[I_F]__[REG_RS"),                          // short: ends the search
            printerRecord.answer(ListMode::Wlan)};
    });
    DeviceList devices;
    // Long ticks: only the short datagram can end this search in time.
    DiscoverySearch search(ListMode::Wlan, {}, QStringLiteral("127.0.0.255"), printer.endpoints(), devices);
    search.setTickInterval(2000);
    QSignalSpy finished(&search, &DiscoverySearch::finished);
    search.start();
    ASSERT_TRUE(waitUntil([&] { return finished.count() == 1; }, 1500));

    EXPECT_EQ(printer.requests().at(0), bytesOf("__[I_F]__[PRT_REG]"));
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices.deviceAt(1)->featureCode(), 25);
    EXPECT_EQ(devices.deviceAt(1)->reservedByte(), 0x5A);
    // What comes after the end is not collected.
    test::pumpEvents(50);
    EXPECT_EQ(devices.size(), 1u);
}

TEST(DiscoverySearch, CancelKeepsWhatArrived) {
    PrinterRecord printerRecord;
    FakePrinter printer(
        [&](const QByteArray&) { return std::vector<QByteArray>{printerRecord.answer(ListMode::Ethernet)}; });
    DeviceList devices;
    DiscoverySearch search(ListMode::Ethernet, QStringLiteral("127.0.0.1"), {}, printer.endpoints(), devices);
    search.setTickInterval(2000);
    QSignalSpy finished(&search, &DiscoverySearch::finished);
    search.start();
    ASSERT_TRUE(waitUntil([&] { return devices.size() == 1; }));
    search.cancel();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(search.isRunning());
    EXPECT_EQ(devices.size(), 1u);
}

}  // namespace
}  // namespace corvane::lan
