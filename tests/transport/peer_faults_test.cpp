// Peers, one table per kind of behaviour, against each transport that can
// meet it: the raw link port on a pseudo-terminal and the LAN survey on a
// loopback TCP server (the survey's attempts and answers are tested over a
// scripted stream in tests/exchange). Every wait must end within its own
// budget, and a silent peer's wait as soon as the user cancels.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
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
using transport::LinkTimeouts;
using transport::RawDevicePort;

// 100 attempts x 5 polls x 10 ms: 5 s before a silent peer fails a read.
LinkTimeouts patientTimeouts() {
    LinkTimeouts t;
    t.pollInterval = 10ms;
    t.pollsPerAttempt = 5;
    t.attempts = 100;
    t.slice = 10ms;
    return t;
}

// A raw link port opened on `node`.
struct RawPort {
    explicit RawPort(const QString& node, LinkTimeouts timeouts = patientTimeouts()) {
        port.setPortName(node);
        port.setTimeouts(timeouts);
    }
    RawDevicePort port;
};

std::chrono::milliseconds since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

TEST(PeerGone, LinkReadFailsAtOnceInsteadOfWaitingOrSpinning) {
    // A node at its end (an empty file of the test's own: the port locks what
    // it opens, and /dev/null is shared with other tests running at the same
    // time) and a pseudo-terminal whose far side hung up: the read fails well
    // before its 5 s limit.
    QTemporaryFile empty;
    ASSERT_TRUE(empty.open());
    for (const bool devNull : {true, false}) {
        PtyPair pty;
        ASSERT_TRUE(pty.ok());
        RawPort raw(devNull ? empty.fileName() : pty.slave());
        ASSERT_TRUE(raw.port.Open()) << devNull;
        pty.hangUp();

        const auto start = Clock::now();
        Bytes reply;
        EXPECT_FALSE(raw.port.Read(reply)) << devNull;
        EXPECT_TRUE(reply.empty());
        EXPECT_LT(since(start), 2500ms) << devNull;
    }
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

struct SurveyRun {
    bool surveyed = false;
    std::vector<int> progress;
    BssTable table{};
};

// The survey of the printer at `port`, each receive attempt `receive` long.
SurveyRun RunSurvey(int port, std::chrono::milliseconds receive, const link::CancelToken* cancel = nullptr) {
    lan::SurveyTimings timings;
    timings.connect = 1000ms;
    timings.receive = receive;
    lan::LanSurvey survey(QStringLiteral("127.0.0.1"), port, timings);
    survey.setIdleHook([] { QCoreApplication::processEvents(); });
    survey.setCancelToken(cancel);
    SurveyRun run;
    survey.setProgressCallback([&run](int value) { run.progress.push_back(value); });
    run.surveyed = static_cast<bool>(survey.queryBssOverTcp());
    run.table = survey.table();
    return run;
}

TEST(PeerAnswers, TheSurveyEndsOnTheWholeAnswerOrAtOnceOnARefusal) {
    int closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    auto start = Clock::now();
    const SurveyRun refused = RunSurvey(closedPort, 50ms);
    EXPECT_FALSE(refused.surveyed);
    EXPECT_TRUE(refused.progress.empty());
    EXPECT_LT(since(start), 1000ms);
    EXPECT_FALSE(lan::LanSurvey(QStringLiteral("not.an.address")).connectSurveySocket());

    // In three segments: complete after the third, no receive time-out waited out.
    const Bytes answer = link::testing::SurveyAnswer();
    auto part = [&](long from, long to) { return Bytes(answer.begin() + from, answer.begin() + to); };
    SurveyPeer printer({{20ms, part(0, 10)}, {60ms, part(10, 25)}, {100ms, part(25, long(answer.size()))}});
    start = Clock::now();
    const SurveyRun whole = RunSurvey(printer.port(), 1500ms);
    EXPECT_TRUE(whole.surveyed);
    EXPECT_EQ(whole.progress, (std::vector<int>{0, 12, 100}));
    EXPECT_STREQ(whole.table[0].ssid.data(), "Shop");
    EXPECT_EQ(whole.table[0].security, 0x08);
    EXPECT_LT(since(start), 1000ms);
}

TEST(PeerTrickles, EachTransportStopsAtItsBudget) {
    // One byte every 20 ms, for far longer than any budget below: without a
    // bound the link read would take the 10 s the peer trickles and the survey
    // up to 4095 bytes' worth.
    struct Case {
        const char* name;
        std::function<void()> run;
        std::chrono::milliseconds budget;
    };
    const Case cases[] = {
        {"link read",
         [] {
             PtyPair pty;
             ASSERT_TRUE(pty.ok());
             LinkTimeouts timeouts = patientTimeouts();
             timeouts.replyLimit = 300ms;
             RawPort raw(pty.slave(), timeouts);
             ASSERT_TRUE(raw.port.Open());
             std::atomic<bool> stop{false};
             std::thread peer([&] {
                 for (int i = 0; i < 500 && !stop; ++i) {
                     pty.send("_");
                     std::this_thread::sleep_for(20ms);
                 }
             });
             Bytes reply;
             EXPECT_TRUE(raw.port.Read(reply));  // what came so far
             EXPECT_FALSE(reply.empty());
             stop = true;
             peer.join();
         },
         300ms},
        {"LAN survey",
         [] {
             // Letters in turn: what came never checks out as a whole message.
             std::vector<SurveyPeer::Segment> trickle;
             for (int i = 0; i < 500; ++i) trickle.push_back({20ms * (i + 1), Bytes{std::uint8_t('A' + i % 26)}});
             SurveyPeer peer(trickle);
             const SurveyRun run = RunSurvey(peer.port(), 100ms);  // 7 attempts: 700 ms in all
             EXPECT_FALSE(run.surveyed);
             EXPECT_EQ(run.progress, (std::vector<int>{0, 12, 100}));  // bytes came, then the budget ran out
         },
         700ms},
    };
    for (const Case& c : cases) {
        const auto start = Clock::now();
        c.run();
        // Generous against a busy machine, far below the unbounded case.
        EXPECT_LT(since(start), c.budget + 4s) << c.name;
    }
}

TEST(PeerSilent, ACancelEndsEachTransportsWaitAtItsNextSlice) {
    // Nobody answers; the user cancels after 200 ms, long before the 5 s
    // read limit or the survey's 10.5 s of receive attempts.
    struct Case {
        const char* name;
        std::function<void(const link::CancelToken&)> run;
    };
    const Case cases[] = {
        {"link read",
         [](const link::CancelToken& cancel) {
             PtyPair pty;
             ASSERT_TRUE(pty.ok());
             RawPort raw(pty.slave());
             raw.port.setCancelToken(&cancel);
             ASSERT_TRUE(raw.port.Open());
             Bytes reply;
             EXPECT_FALSE(raw.port.Read(reply));
             EXPECT_EQ(raw.port.Write(ToBytes("GS I B")), 0u);  // nothing more goes out
         }},
        {"LAN survey",
         [](const link::CancelToken& cancel) {
             SurveyPeer silent({});
             EXPECT_FALSE(RunSurvey(silent.port(), 1500ms, &cancel).surveyed);
         }},
    };
    for (const Case& c : cases) {
        link::CancelToken cancel;
        std::thread user([&cancel] {
            std::this_thread::sleep_for(200ms);
            cancel.cancel();
        });
        const auto start = Clock::now();
        c.run(cancel);
        EXPECT_LT(since(start), 4s) << c.name;
        user.join();
    }
}

}  // namespace
}  // namespace corvane::test
