// LAN discovery under abuse, through the `corvane` program on loopback: a
// flood of answers from the simulator, and answers of every length from 0 to
// 600 bytes from a peer played by the test. The search must end on time,
// list exactly the valid answers, and leave no sanitizer report.
#include <gtest/gtest.h>

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
using corvane::test::SimProcess;

QJsonArray Devices(const ToolOutcome& outcome) { return QJsonDocument::fromJson(outcome.out).array(); }

QStringList DiscoverArguments(const char* mode, quint16 remotePort) {
    return {QStringLiteral("discover"),  QString::fromLatin1(mode),
            QStringLiteral("--json"),    QStringLiteral("--local"),
            QStringLiteral("127.0.0.1"), QStringLiteral("--target"),
            QStringLiteral("127.0.0.1"), QStringLiteral("--remote-port"),
            QString::number(remotePort), QStringLiteral("--local-port"),
            QStringLiteral("0")};
}

TEST(LanFaults, FloodOfFiveThousandAnswersIsListedWholeAndInOrder) {
    SimProcess sim;
    const QString config =
        test::WriteFile(sim, "flood.json", R"({"ethernet": [{"faults": {"flood": 5000}}], "wlan": []})");
    ASSERT_TRUE(sim.start({"--no-link", "--config", config}, "survey:"));

    const ToolOutcome outcome = RunTool(DiscoverArguments("ethernet", sim.port("ethernet")), 30000);
    ASSERT_TRUE(outcome.finished) << "still running after 30 s";
    EXPECT_EQ(outcome.exitCode, 0) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();

    const QJsonArray devices = Devices(outcome);
    EXPECT_EQ(devices.size(), 5000);
    QSet<QString> macs;
    for (int i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i]["no"].toInt(), i + 1);
        macs.insert(devices[i]["mac"].toString());
    }
    EXPECT_EQ(macs.size(), devices.size());
    sim.stop();
    EXPECT_TRUE(IsSanitizerClean(sim.errors().toUtf8()));
}

// Byte p of the answer of length `length` (after the tag): the length itself
// in the first two, a pattern after, so each listed record names its answer.
std::uint8_t PatternByte(int length, int p, int tagLength) {
    if (p == tagLength) return static_cast<std::uint8_t>(length >> 8);
    if (p == tagLength + 1) return static_cast<std::uint8_t>(length & 0xFF);
    return static_cast<std::uint8_t>(p * 31 + length);
}

QByteArray AnswerOfLength(std::string_view tagText, int length) {
    QByteArray answer(length, '\0');
    const int tagLength = static_cast<int>(tagText.size());
    for (int p = 0; p < length; ++p)
        answer[p] =
            p < tagLength ? tagText[static_cast<std::size_t>(p)] : static_cast<char>(PatternByte(length, p, tagLength));
    return answer;
}

// The MAC address a record cut from that answer shows, missing bytes as 0.
QString ExpectedMac(int length, int tagLength) {
    QStringList parts;
    for (int i = 0; i < 6; ++i) {
        const int p = tagLength + i;
        const int value = p < length ? PatternByte(length, p, tagLength) : 0;
        parts << QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
    }
    return parts.join(QLatin1Char(':'));
}

// Answers the first request it gets with one datagram of each length in
// `lengths`, paced so the kernel drops none of them.
class LengthPeer {
public:
    explicit LengthPeer(std::string_view tagText, QList<int> lengths) : tag_(tagText), lengths_(std::move(lengths)) {
        socket_.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { answer(); });
    }
    quint16 port() const { return socket_.localPort(); }
    int requests() const { return requests_; }

private:
    void answer() {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram request = socket_.receiveDatagram();
            if (++requests_ > 1) continue;
            int sent = 0;
            for (const int length : lengths_) {
                socket_.writeDatagram(AnswerOfLength(tag_, length), request.senderAddress(),
                                      static_cast<quint16>(request.senderPort()));
                if (++sent % 8 == 0) QThread::msleep(2);
            }
        }
    }

    QUdpSocket socket_;
    std::string_view tag_;
    QList<int> lengths_;
    int requests_ = 0;
};

TEST(LanFaults, AnswersOfEveryLengthListOnlyThoseLongEnough) {
    struct Case {
        const char* mode;
        std::string_view tag;
        int first, step;  // lengths sent: first, first + step, ... down to 0 or up to 600
        int listed;
        int shortest;  // the shortest answer the mode lists
    };
    const Case cases[] = {
        {"ethernet", lan::kFindAnswer, 0, 1, 596, 5},  // lengths 5 to 600
        // 600 down to 19 are listed; the 18-byte answer ends the search.
        {"wlan", lan::kRegisterAnswer, 600, -1, 582, 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        QList<int> lengths;
        for (int length = c.first; length >= 0 && length <= 600; length += c.step) lengths << length;
        LengthPeer peer(c.tag, lengths);

        const ToolOutcome outcome = RunTool(DiscoverArguments(c.mode, peer.port()), 30000);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 0) << outcome.text().toStdString();
        EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
        EXPECT_EQ(peer.requests(), 1);

        const QJsonArray devices = Devices(outcome);
        ASSERT_EQ(devices.size(), c.listed);
        const int tagLength = static_cast<int>(c.tag.size());
        for (int i = 0; i < devices.size(); ++i) {
            const int length = c.step > 0 ? c.shortest + i : c.first - i;
            EXPECT_EQ(devices[i]["mac"].toString(), ExpectedMac(length, tagLength)) << i;
        }
    }
}

}  // namespace
