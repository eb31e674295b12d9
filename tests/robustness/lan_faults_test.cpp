// LAN discovery under abuse, through the `corvane` program on loopback: a
// flood of answers from the simulator, and answers of every length from 0 to
// 600 bytes from a peer played by the test. The search must end on time,
// list exactly the valid answers, and leave no sanitizer report.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkDatagram>
#include <QSet>
#include <QThread>
#include <QUdpSocket>

#include "link/discovered_device.h"
#include "support/sim_process.h"
#include "tool_run.h"

namespace {

using namespace corvane;
using namespace corvane::robustness;

// `corvane discover MODE --json` against 127.0.0.1:port; the devices it listed.
QJsonArray Discover(const char* mode, quint16 port) {
    const ToolOutcome outcome = RunTool({"discover", mode, "--json", "--local", "127.0.0.1", "--target", "127.0.0.1",
                                         "--remote-port", QString::number(port), "--local-port", "0"},
                                        30000);
    EXPECT_TRUE(outcome.finished) << "still running after 30 s";
    EXPECT_EQ(outcome.exitCode, 0) << outcome.text();
    EXPECT_TRUE(SanitizerClean(outcome.err)) << outcome.err.toStdString();
    return QJsonDocument::fromJson(outcome.out).array();
}

TEST(LanFaults, FloodOfFiveThousandAnswersIsListedWholeAndInOrder) {
    test::SimProcess sim;
    const QString config =
        test::WriteFile(sim, "flood.json", R"({"ethernet": [{"faults": {"flood": 5000}}], "wlan": []})");
    ASSERT_TRUE(sim.start({"--no-link", "--config", config}, "survey:"));

    const QJsonArray devices = Discover("ethernet", sim.port("ethernet"));
    EXPECT_EQ(devices.size(), 5000);
    QSet<QString> macs;
    for (int i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i]["no"].toInt(), i + 1);
        macs.insert(devices[i]["mac"].toString());
    }
    EXPECT_EQ(macs.size(), devices.size());
    sim.stop();
    EXPECT_TRUE(SanitizerClean(sim.errors().toUtf8()));
}

// An answer of `length` bytes: the tag, then the length itself in two bytes
// (so each listed MAC names its answer), then a pattern.
QByteArray AnswerOfLength(std::string_view tag, int length) {
    QByteArray answer(tag.data(), static_cast<qsizetype>(tag.size()));
    answer += char(length >> 8);
    answer += char(length & 0xFF);
    while (answer.size() < length) answer += char(answer.size() * 31 + length);
    return answer.left(length);
}

TEST(LanFaults, AnswersOfEveryLengthListOnlyThoseLongEnough) {
    struct Case {
        const char* mode;
        std::string_view tag;
        int first, step;  // lengths sent: first, first + step, ... down to 0 or up to 600
        int listed;
        int shortest;  // the shortest answer the mode lists
    };
    const Case cases[] = {
        {"ethernet", link::kFindAnswer, 0, 1, 596, 5},  // lengths 5 to 600
        // 600 down to 19 are listed; the 18-byte answer ends the search.
        {"wlan", link::kRegisterAnswer, 600, -1, 582, 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        QList<int> lengths;
        for (int length = c.first; length >= 0 && length <= 600; length += c.step) lengths << length;
        // The peer answers the first request with one datagram of each length,
        // paced so the kernel drops none of them.
        QUdpSocket peer;
        ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
        int requests = 0;
        QObject::connect(&peer, &QUdpSocket::readyRead, [&] {
            for (; peer.hasPendingDatagrams(); ++requests) {
                const QNetworkDatagram request = peer.receiveDatagram();
                for (int i = 0; i < lengths.size() && requests == 0; ++i) {
                    peer.writeDatagram(request.makeReply(AnswerOfLength(c.tag, lengths[i])));
                    if (i % 8 == 7) QThread::msleep(2);
                }
            }
        });

        const QJsonArray devices = Discover(c.mode, peer.localPort());
        EXPECT_EQ(requests, 1);
        EXPECT_EQ(devices.size(), c.listed);
        for (int i = 0; i < devices.size() && devices.size() == c.listed; ++i) {
            // The MAC is the six bytes after the tag, those the answer lacks as 0.
            const int length = c.step > 0 ? c.shortest + i : c.first - i;
            const QByteArray mac = AnswerOfLength(c.tag, length).mid(qsizetype(c.tag.size())).leftJustified(6, 0, true);
            EXPECT_EQ(devices[i]["mac"].toString(), mac.toHex(':')) << i;
        }
    }
}

}  // namespace
