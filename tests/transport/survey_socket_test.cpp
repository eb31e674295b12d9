// The LAN survey's TCP connection against a QTcpServer on 127.0.0.1 playing
// the printer: connecting, and the one query end to end (the query's
// attempts and answers are tested over a scripted stream in
// tests/exchange). The query blocks; the server is served from the query's
// idle hook.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <vector>

#include "link/framing.h"
#include "transport/survey_socket.h"

using corvane::Bytes;
using corvane::ToBytes;
using corvane::lan::LanSurvey;
using corvane::lan::SurveyTimings;
using namespace std::chrono_literals;

namespace {

// One access point "Shop" 00-1A-2B-3C-4D-5E, RSSI -60, WPA2.
Bytes surveyAnswer() {
    Bytes content = ToBytes(corvane::link::tag::BssRsp);
    const Bytes record{0x00, 4, 'S', 'h', 'o', 'p', 0x01, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0, 0xFF, 0xC4, 0x08};
    content.insert(content.end(), record.begin(), record.end());
    return corvane::link::BuildIfMessage(content);
}

// Answers the request with `segments` of the answer, each after its delay
// counted from the connection.
class FakePrinter {
public:
    struct Segment {
        std::chrono::milliseconds at;
        Bytes bytes;
    };
    explicit FakePrinter(std::vector<Segment> segments) : segments_(std::move(segments)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* peer = server_.nextPendingConnection();
            for (const Segment& s : segments_) {
                QTimer::singleShot(s.at, peer, [peer, s] {
                    peer->write(reinterpret_cast<const char*>(s.bytes.data()), qint64(s.bytes.size()));
                    peer->flush();
                });
            }
        });
    }
    int port() const { return server_.serverPort(); }

private:
    QTcpServer server_;
    std::vector<Segment> segments_;
};

struct QueryRun {
    int result = -1;
    std::vector<int> progress;
    std::chrono::milliseconds elapsed{};
};

QueryRun runQuery(LanSurvey& survey) {
    QueryRun run;
    survey.setProgressCallback([&run](int value) { run.progress.push_back(value); });
    survey.setIdleHook([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    const auto start = std::chrono::steady_clock::now();
    run.result = survey.queryBssOverTcp() ? 1 : 0;
    run.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    survey.closeSurveySocket();
    return run;
}

SurveyTimings fast(std::chrono::milliseconds receive) {
    SurveyTimings t;
    t.connect = 1000ms;
    t.receive = receive;
    return t;
}

TEST(LanSurvey, RefusedConnectionFailsWithoutProgress) {
    int closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    LanSurvey survey(QStringLiteral("127.0.0.1"), closedPort, fast(50ms));
    const QueryRun run = runQuery(survey);
    EXPECT_EQ(run.result, 0);
    EXPECT_TRUE(run.progress.empty());
    EXPECT_LT(run.elapsed, 1000ms);
}

TEST(LanSurvey, BadAddressDoesNotConnect) {
    LanSurvey survey(QStringLiteral("not.an.address"), 3318);
    EXPECT_FALSE(survey.connectSurveySocket());
}

TEST(LanSurvey, AnswerSplitInThreeSegmentsIsReassembledWithoutWaitingOut) {
    const Bytes answer = surveyAnswer();
    auto part = [&](std::size_t from, std::size_t to) {
        return Bytes(answer.begin() + long(from), answer.begin() + long(to));
    };
    FakePrinter printer({{20ms, part(0, 10)}, {60ms, part(10, 25)}, {100ms, part(25, answer.size())}});
    LanSurvey survey(QStringLiteral("127.0.0.1"), printer.port(), fast(1500ms));
    const QueryRun run = runQuery(survey);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.progress, (std::vector<int>{0, 12, 100}));
    EXPECT_STREQ(survey.table()[0].ssid.data(), "Shop");
    EXPECT_EQ(survey.table()[0].security, 0x08);
    // Complete after the third segment: no receive time-out waited out.
    EXPECT_LT(run.elapsed, 1000ms);
}

}  // namespace
