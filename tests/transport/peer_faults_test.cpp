// Peers that misbehave, one table per kind of fault, against each transport
// that can meet it: the raw link port on a pseudo-terminal and the LAN survey
// on a loopback TCP server. Every wait must end within its own budget, and a
// silent peer's wait as soon as the user cancels.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

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
    // A node at its end and a pseudo-terminal whose far side hung up: the
    // read fails well before its 5 s limit.
    for (const bool devNull : {true, false}) {
        PtyPair pty;
        ASSERT_TRUE(pty.ok());
        RawPort raw(devNull ? QStringLiteral("/dev/null") : pty.slave());
        ASSERT_TRUE(raw.port.Open()) << devNull;
        pty.hangUp();

        const auto start = Clock::now();
        Bytes reply;
        EXPECT_FALSE(raw.port.Read(reply)) << devNull;
        EXPECT_TRUE(reply.empty());
        EXPECT_LT(since(start), 2500ms) << devNull;
    }
}

// A TCP peer that answers every connection with one byte per tick.
class TricklingServer {
public:
    explicit TricklingServer(std::chrono::milliseconds tick) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this, tick] {
            QTcpSocket* peer = server_.nextPendingConnection();
            auto* timer = new QTimer(peer);
            // Letters in turn: what came never checks out as a whole message.
            QObject::connect(timer, &QTimer::timeout, peer, [peer, sent = 0]() mutable {
                const char letter = static_cast<char>('A' + sent++ % 26);
                peer->write(&letter, 1);
            });
            timer->start(tick);
        });
    }
    int port() const { return server_.serverPort(); }

private:
    QTcpServer server_;
};

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
             TricklingServer peer(20ms);
             lan::SurveyTimings timings;
             timings.connect = 1000ms;
             timings.receive = 100ms;  // 7 attempts: 700 ms in all
             lan::LanSurvey survey(QStringLiteral("127.0.0.1"), peer.port(), timings);
             survey.setIdleHook([] { QCoreApplication::processEvents(); });
             std::vector<int> progress;
             survey.setProgressCallback([&progress](int value) { progress.push_back(value); });
             EXPECT_FALSE(survey.queryBssOverTcp());
             EXPECT_EQ(progress, (std::vector<int>{0, 12, 100}));  // bytes came, then the budget ran out
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
             QTcpServer silent;
             ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
             lan::LanSurvey survey(QStringLiteral("127.0.0.1"), silent.serverPort());
             survey.setIdleHook([] { QCoreApplication::processEvents(); });
             survey.setCancelToken(&cancel);
             EXPECT_FALSE(survey.queryBssOverTcp());
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
