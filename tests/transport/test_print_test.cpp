// The test print's limits: a printer that accepts the connection but never
// reads cannot hold the sender past its write limit, and a cancel ends it.
#include "transport/test_print.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>

using namespace corvane;
using namespace std::chrono_literals;

TEST(TestPrint, NeverReadingPrinterAndCancelEndTheWait) {
    // Listening, never accepting nor reading: the system's buffers take what
    // they can, then the writes stall.
    QTcpServer printer;
    ASSERT_TRUE(printer.listen(QHostAddress::LocalHost));
    const Bytes large(64 * 1024 * 1024, 'x');
    link::CancelToken cancelled;
    cancelled.cancel();
    const struct {
        const link::CancelToken* cancel;
        link::Failure kind;
    } cases[] = {{nullptr, link::Failure::NotSent}, {&cancelled, link::Failure::Cancelled}};
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        const auto sent = transport::sendTestPrint(QStringLiteral("127.0.0.1"), printer.serverPort(), large,
                                                   {3000ms, 300ms, 30ms}, {c.cancel});
        ASSERT_FALSE(sent);
        EXPECT_EQ(sent.error().kind, c.kind) << sent.error().text;
        EXPECT_LT(clock.elapsed(), 60000);  // bounded, however busy the machine
    }
}
