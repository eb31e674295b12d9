// Peers that misbehave, in one table over the transports that can meet them:
// the raw link port on a pseudo-terminal and the LAN survey on a loopback TCP
// server (the survey's attempts and answers are tested over a scripted stream
// in tests/exchange). Every wait must end within its own budget, and a silent
// peer's wait as soon as the user cancels.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "exchange/printer_replies.h"
#include "support/pty_pair.h"
#include "transport/raw_device_port.h"
#include "transport/survey_socket.h"

namespace corvane::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::chrono::milliseconds since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// A TCP peer that answers every connection with `segments`, each at its time
// counted from the connection.
class SurveyPeer {
public:
    struct Segment {
        std::chrono::milliseconds at;
        Bytes bytes;
    };
    explicit SurveyPeer(std::vector<Segment> segments) : segments_(std::move(segments)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* peer = server_.nextPendingConnection();
            for (const Segment& s : segments_) {
                QTimer::singleShot(s.at, peer, [peer, s] {
                    peer->write(reinterpret_cast<const char*>(s.bytes.data()), qint64(s.bytes.size()));
                });
            }
        });
    }
    int port() const { return server_.serverPort(); }

private:
    QTcpServer server_;
    std::vector<Segment> segments_;
};

// The survey of the printer at `port`, each receive attempt `receive` long.
bool Surveyed(int port, std::chrono::milliseconds receive, const link::CancelToken* cancel = nullptr,
              BssTable* table = nullptr) {
    transport::SurveyTimings timings;
    timings.connect = 1000ms;
    timings.receive = receive;
    transport::LanSurvey survey(QStringLiteral("127.0.0.1"), port, timings);
    survey.setIdleHook([] { QCoreApplication::processEvents(); });
    survey.setCancelToken(cancel);
    const bool surveyed = static_cast<bool>(survey.queryBssOverTcp());
    if (table) *table = survey.table();
    return surveyed;
}

TEST(PeerAnswers, TheSurveyEndsOnTheWholeAnswerOrAtOnceOnARefusal) {
    int closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    auto start = Clock::now();
    EXPECT_FALSE(Surveyed(closedPort, 50ms));
    EXPECT_LT(since(start), 1000ms);
    EXPECT_FALSE(transport::LanSurvey(QStringLiteral("not.an.address")).connectSurveySocket());

    // In three segments: complete after the third, no receive time-out waited out.
    const Bytes answer = link::testing::SurveyAnswer();
    auto part = [&](long from, long to) { return Bytes(answer.begin() + from, answer.begin() + to); };
    SurveyPeer printer({{20ms, part(0, 10)}, {60ms, part(10, 25)}, {100ms, part(25, long(answer.size()))}});
    start = Clock::now();
    BssTable table{};
    EXPECT_TRUE(Surveyed(printer.port(), 1500ms, nullptr, &table));
    EXPECT_STREQ(table[0].ssid.data(), "Shop");
    EXPECT_LT(since(start), 1000ms);
}

enum class Peer { Trickles, SilentUntilCancelled, HangsUp, AtItsEnd };

// One read of the raw link port whose far side behaves as `peer`; true when
// it gave bytes. Without a cancel a silent peer fails the read after 5 s
// (100 attempts x 5 polls x 10 ms); a trickle is cut at 300 ms.
bool LinkRead(Peer peer, const link::CancelToken& cancel) {
    PtyPair pty;
    QTemporaryFile empty;  // a node at its end, this test's own: the port locks what it opens
    EXPECT_TRUE(pty.ok() && empty.open());
    transport::RawDevicePort port;
    port.setPortName(peer == Peer::AtItsEnd ? empty.fileName() : pty.slave());
    port.setTimeouts({.pollInterval = 10ms, .pollsPerAttempt = 5, .attempts = 100, .replyLimit = 300ms, .slice = 10ms});
    port.setCancelToken(&cancel);
    EXPECT_TRUE(port.Open());
    if (peer == Peer::HangsUp) pty.hangUp();
    std::atomic<bool> stop{false};
    std::thread printer([&] {
        for (int i = 0; i < 500 && !stop && peer == Peer::Trickles; ++i) {
            pty.send("_");
            std::this_thread::sleep_for(20ms);
        }
    });
    Bytes reply;
    const bool read = port.Read(reply);
    stop = true;
    printer.join();
    if (peer == Peer::SilentUntilCancelled) {
        EXPECT_EQ(port.Write(ToBytes("GS I B")), 0u);  // nothing more goes out
    }
    return read && !reply.empty();
}

// The LAN survey of a peer that behaves as `peer`: up to 10.5 s of receive
// attempts when silent, 7 x 100 ms when it trickles.
bool Survey(Peer peer, const link::CancelToken& cancel) {
    std::vector<SurveyPeer::Segment> trickle;  // letters in turn: never a whole message
    for (int i = 0; i < 500 && peer == Peer::Trickles; ++i)
        trickle.push_back({20ms * (i + 1), Bytes{std::uint8_t('A' + i % 26)}});
    SurveyPeer printer(trickle);
    return Surveyed(printer.port(), peer == Peer::Trickles ? 100ms : 1500ms, &cancel);
}

TEST(PeerFaults, EachTransportsWaitEndsWithinItsBudget) {
    // Bounds generous against a busy machine, far below the unbounded case:
    // a trickle of one byte every 20 ms lasts 10 s, and the user cancels a
    // silent peer's wait after 200 ms.
    struct Case {
        const char* name;
        bool (*run)(Peer, const link::CancelToken&);
        Peer peer;
        bool gives;
        std::chrono::milliseconds within;
    };
    const Case cases[] = {
        {"link read, trickle", LinkRead, Peer::Trickles, true, 4300ms},
        {"link read, silent", LinkRead, Peer::SilentUntilCancelled, false, 4s},
        {"link read, hung up", LinkRead, Peer::HangsUp, false, 2500ms},
        {"link read, at its end", LinkRead, Peer::AtItsEnd, false, 2500ms},
        {"LAN survey, trickle", Survey, Peer::Trickles, false, 4700ms},
        {"LAN survey, silent", Survey, Peer::SilentUntilCancelled, false, 4s},
    };
    for (const Case& c : cases) {
        link::CancelToken cancel;
        std::thread user([&cancel, &c] {
            std::this_thread::sleep_for(200ms);
            if (c.peer == Peer::SilentUntilCancelled) cancel.cancel();
        });
        const auto start = Clock::now();
        EXPECT_EQ(c.run(c.peer, cancel), c.gives) << c.name;
        EXPECT_LT(since(start), c.within) << c.name;
        user.join();
    }
}

}  // namespace
}  // namespace corvane::test
