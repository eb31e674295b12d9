#include "lan/lan_settings_exchange.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "lan/fake_printer.h"

namespace corvane::lan {
namespace {

using test::bytesOf;
using test::FakePrinter;
using test::PrinterRecord;
using test::waitUntil;

struct Outcome {
    int messageId = 0;
    bool confirmed = false;
    int count = 0;
};

void track(LanSettingsExchange& exchange, Outcome& outcome) {
    QObject::connect(&exchange, &LanSettingsExchange::done, [&outcome](int id, bool confirmed) {
        outcome.messageId = id;
        outcome.confirmed = confirmed;
        ++outcome.count;
    });
}

TEST(LanSettingsExchange, ConfirmationOfEachModeEndsTheWait) {
    struct Case {
        ListMode mode;
        QByteArray confirmation;
        int request;
        int message;
    };
    const Case cases[] = {
        {ListMode::Ethernet, bytesOf("SETC") + QByteArray(1, '\0'), 30, 41},
        {ListMode::Wlan, bytesOf("__[I_F]__[SET_RSP]") + QByteArray(1, '\0'), 47, 43},
    };
    for (const Case& c : cases) {
        FakePrinter printer([&](const QByteArray&) { return std::vector<QByteArray>{c.confirmation}; });
        LanSettingsExchange exchange(c.mode, {}, QStringLiteral("127.0.0.255"), printer.endpoints());
        Outcome outcome;
        track(exchange, outcome);
        EXPECT_TRUE(exchange.send(PrinterRecord{}.device(c.mode)));
        EXPECT_TRUE(exchange.waitingForAnswer());
        ASSERT_TRUE(waitUntil([&] { return outcome.count > 0; }));
        EXPECT_EQ(outcome.messageId, c.message);
        EXPECT_TRUE(outcome.confirmed);
        EXPECT_TRUE(exchange.settingsDone());
        EXPECT_FALSE(exchange.waitingForAnswer());
        ASSERT_EQ(printer.requests().size(), 1u);
        EXPECT_EQ(printer.requests()[0].size(), c.request);
    }
}

TEST(LanSettingsExchange, ShortOrForeignAnswersTimeOutAndLateAnswersAreIgnored) {
    FakePrinter printer([](const QByteArray&) {
        return std::vector<QByteArray>{bytesOf("SETC"), bytesOf("IMIN0000")};
    });
    LanSettingsExchange exchange(ListMode::Ethernet, {}, {}, printer.endpoints());
    exchange.setTimeout(120);
    Outcome outcome;
    track(exchange, outcome);
    exchange.send(PrinterRecord{}.device(ListMode::Ethernet));
    ASSERT_TRUE(waitUntil([&] { return outcome.count > 0; }));
    EXPECT_EQ(outcome.messageId, 45);
    EXPECT_FALSE(outcome.confirmed);

    printer.answerLast(bytesOf("SETC!"));
    test::pumpEvents(100);
    EXPECT_EQ(outcome.count, 1);
    EXPECT_EQ(outcome.messageId, 45);
}

TEST(LanSettingsExchange, SendingAgainResendsAndRestartsTheWait) {
    FakePrinter printer;
    LanSettingsExchange exchange(ListMode::Wlan, {}, {}, printer.endpoints());
    exchange.setTimeout(5000);
    Outcome outcome;
    track(exchange, outcome);
    const DiscoveredDevice record = PrinterRecord{}.device(ListMode::Wlan);
    exchange.send(record);
    exchange.send(record);
    ASSERT_TRUE(waitUntil([&] { return printer.requests().size() == 2; }));
    EXPECT_EQ(printer.requests()[0], printer.requests()[1]);
    printer.answerLast(bytesOf("__[I_F]__[SET_RSP]+"));
    ASSERT_TRUE(waitUntil([&] { return outcome.count > 0; }));
    EXPECT_EQ(outcome.messageId, 43);
    EXPECT_FALSE(exchange.send(record));  // done: nothing more goes out
}

}  // namespace
}  // namespace corvane::lan
