// The simulator as a program: it reports its listeners, answers a discovery
// on loopback, talks on its pty, and dumps its state when told to stop.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "link/discovered_device.h"

namespace {

using namespace corvane;

struct RunningSim {
    QProcess process;
    QMap<QString, QString> lines;  // "ethernet" -> "127.0.0.1:40000", "pty" -> path

    // Starts the program and reads its listener lines, up to `lastLine`.
    bool start(const QStringList& args, const char* lastLine = "pty:") {
        process.start(CORVANE_SIM_BINARY, args);
        if (!process.waitForStarted(5000)) return false;
        QByteArray out;
        while (!out.contains(lastLine) && process.waitForReadyRead(5000)) out += process.readAllStandardOutput();
        for (const auto& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
            const auto colon = line.indexOf(": ");
            if (colon > 0) lines.insert(line.left(colon), line.mid(colon + 2).trimmed());
        }
        return out.contains(lastLine);
    }
    quint16 port(const QString& name) const { return static_cast<quint16>(lines.value(name).section(':', 1).toUInt()); }
};

// Collects datagrams for `ms` milliseconds.
QList<QByteArray> Receive(QUdpSocket& socket, int ms) {
    QList<QByteArray> got;
    while (socket.waitForReadyRead(ms))
        while (socket.hasPendingDatagrams()) got << socket.receiveDatagram().data();
    return got;
}

QByteArray ReadPty(int fd, int ms) {
    QByteArray got;
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, ms) > 0) {
        char buffer[4096];
        const auto n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.append(buffer, n);
    }
    return got;
}

TEST(SimProgram, AnswersOnLoopbackAndPtyAndDumpsItsState) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto link = dir.filePath("printer-tty");
    const auto dump = dir.filePath("state.json");
    RunningSim sim;
    ASSERT_TRUE(sim.start({"--ethernet-port", "0", "--wlan-port", "0", "--survey-port", "0", "--pty-link", link,
                           "--dump-state", dump}))
        << sim.process.readAllStandardError().toStdString();
    EXPECT_TRUE(sim.lines.value("ethernet").startsWith("127.0.0.1:"));
    EXPECT_TRUE(sim.lines.value("wlan").startsWith("127.0.0.1:"));
    EXPECT_TRUE(sim.lines.value("survey").startsWith("127.0.0.1:"));

    QUdpSocket udp;
    ASSERT_TRUE(udp.bind(QHostAddress::LocalHost, 0));
    udp.writeDatagram("FIND", QHostAddress::LocalHost, sim.port("ethernet"));
    const auto answers = Receive(udp, 500);
    ASSERT_EQ(answers.size(), 2);
    for (const auto& a : answers) {
        EXPECT_EQ(a.size(), 31);
        EXPECT_TRUE(a.startsWith("IMIN"));
    }

    // Change the first printer's port; the dump shows it.
    auto device = lan::ClassifyDiscoveryAnswer(
                      lan::ListMode::Ethernet,
                      ByteSpan(reinterpret_cast<const std::uint8_t*>(answers[0].constData()), static_cast<std::size_t>(answers[0].size())))
                      .device;
    device.setPort(9105);
    const auto request = lan::BuildSettingsRequest(device);
    udp.writeDatagram(QByteArray(reinterpret_cast<const char*>(request.data()), static_cast<qsizetype>(request.size())),
                      QHostAddress::LocalHost, sim.port("ethernet"));
    const auto confirm = Receive(udp, 500);
    ASSERT_EQ(confirm.size(), 1);
    EXPECT_TRUE(confirm[0].startsWith("SETC"));

    const int fd = ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const unsigned char check[] = {0x1D, 0x61, 0x00, 0x1D, 0x49, 0x42};
    ASSERT_EQ(::write(fd, check, sizeof check), static_cast<ssize_t>(sizeof check));
    EXPECT_EQ(ReadPty(fd, 300), QByteArray("\x5FZEPHRAN\x00", 9));  // no echo of what we wrote
    ::close(fd);

    sim.process.terminate();
    ASSERT_TRUE(sim.process.waitForFinished(5000));
    EXPECT_EQ(sim.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.process.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(link));

    QFile file(dump);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto state = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(state["ethernet"][0]["port"].toInt(), 9105);
    EXPECT_EQ(state["link"]["config"]["printerName"].toString(), "ZEPHRAN-TP80W");
}

TEST(SimProgram, FloodOfFiveThousandArrivesWhole) {
    QTemporaryDir dir;
    QFile config(dir.filePath("flood.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"ethernet": [], "wlan": [{"faults": {"flood": 5000}}]})");
    config.close();
    RunningSim sim;
    ASSERT_TRUE(sim.start({"--ethernet-port", "0", "--wlan-port", "0", "--survey-port", "0", "--no-link", "--config",
                           config.fileName()},
                          "survey:"));
    QUdpSocket udp;
    ASSERT_TRUE(udp.bind(QHostAddress::LocalHost, 0));
    udp.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 << 20);
    udp.writeDatagram("__[I_F]__[PRT_REG]", QHostAddress::LocalHost, sim.port("wlan"));
    QSet<QByteArray> macs;
    for (const auto& d : Receive(udp, 1000)) macs.insert(d.mid(18, 6));
    EXPECT_EQ(macs.size(), 5000);
    sim.process.terminate();
    EXPECT_TRUE(sim.process.waitForFinished(5000));
    EXPECT_EQ(sim.process.readAllStandardError(), QByteArray());
}

TEST(SimProgram, BadOptionsAreRefused) {
    for (const QStringList& args : {QStringList{"--ethernet-port", "70000"}, QStringList{"--fault-silent", "fetch"},
                                    QStringList{"--config", "/nonexistent/printers.json"}}) {
        QProcess p;
        p.start(CORVANE_SIM_BINARY, args);
        ASSERT_TRUE(p.waitForFinished(5000));
        EXPECT_NE(p.exitCode(), 0) << args.join(' ').toStdString();
    }
}

}  // namespace
