#include "lan_server.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

#include "lan_responder.h"

namespace corvane::sim {

namespace {

constexpr int kSocketBuffer = 4 * 1024 * 1024;  // room for a flood of answers

QByteArray ToQt(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}
ByteSpan FromQt(const QByteArray& a) {
    return {reinterpret_cast<const std::uint8_t*>(a.constData()), static_cast<std::size_t>(a.size())};
}

// Runs `send` for every answer at its delay; answers with the same delay go
// out together, in order.
template <typename Send>
void Schedule(QObject* context, std::vector<Outgoing> answers, Send send) {
    std::size_t i = 0;
    while (i < answers.size()) {
        const int delay = answers[i].delayMs;
        std::vector<Outgoing> group;
        for (; i < answers.size() && answers[i].delayMs == delay; ++i) group.push_back(std::move(answers[i]));
        if (delay <= 0) {
            for (const auto& b : group) send(b);
        } else {
            QTimer::singleShot(delay, context, [group = std::move(group), send] {
                for (const auto& b : group) send(b);
            });
        }
    }
}

}  // namespace

LanServer::LanServer(SimState& state, QObject* parent) : QObject(parent), state_(state) { clock_.start(); }

QUdpSocket* LanServer::openUdp(const QHostAddress& bind, int port, Role role, QString* error) {
    auto* socket = new QUdpSocket(this);
    if (!socket->bind(bind, static_cast<quint16>(port))) {
        *error =
            QStringLiteral("cannot listen on UDP %1:%2: %3").arg(bind.toString()).arg(port).arg(socket->errorString());
        return nullptr;
    }
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kSocketBuffer);
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kSocketBuffer);
    connect(socket, &QUdpSocket::readyRead, this, [this, socket, role] { readDatagrams(socket, role); });
    return socket;
}

bool LanServer::start(const QHostAddress& bind, int ethernetPort, int wlanPort, int surveyPort, QString* error) {
    const bool shared = ethernetPort == wlanPort && ethernetPort != 0;
    ethernet_ = openUdp(bind, ethernetPort, shared ? Role::Both : Role::Ethernet, error);
    if (!ethernet_) return false;
    wlan_ = shared ? ethernet_ : openUdp(bind, wlanPort, Role::Wlan, error);
    if (!wlan_) return false;
    survey_ = new QTcpServer(this);
    if (!survey_->listen(bind, static_cast<quint16>(surveyPort))) {
        *error = QStringLiteral("cannot listen on TCP %1:%2: %3")
                     .arg(bind.toString())
                     .arg(surveyPort)
                     .arg(survey_->errorString());
        return false;
    }
    connect(survey_, &QTcpServer::newConnection, this, &LanServer::onSurveyConnection);
    return true;
}

QStringList LanServer::listenerLines() const {
    QStringList lines;
    auto line = [](const char* name, const QHostAddress& a, quint16 port) {
        return QStringLiteral("%1: %2:%3").arg(QLatin1String(name), a.toString()).arg(port);
    };
    if (ethernet_) lines << line("ethernet", ethernet_->localAddress(), ethernet_->localPort());
    if (wlan_) lines << line("wlan", wlan_->localAddress(), wlan_->localPort());
    if (survey_) lines << line("survey", survey_->serverAddress(), survey_->serverPort());
    return lines;
}

void LanServer::readDatagrams(QUdpSocket* socket, Role role) {
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid()) break;
        const auto data = datagram.data();
        const std::int64_t now = clock_.elapsed();
        std::vector<Outgoing> answers;
        if (role != Role::Wlan) answers = HandleEthernetDatagram(state_, FromQt(data), now);
        if (role != Role::Ethernet) {
            auto more = HandleWlanDatagram(state_, FromQt(data), now);
            answers.insert(answers.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
        }
        const QHostAddress to = datagram.senderAddress();
        const quint16 port = static_cast<quint16>(datagram.senderPort());
        QPointer<QUdpSocket> guard(socket);
        const quint16 listening = socket->localPort();
        Schedule(this, std::move(answers), [this, guard, to, port, listening, role](const Outgoing& o) {
            QUdpSocket* from = o.from.empty() ? guard.data() : answerSocket(o.from, listening, role);
            if (from && from->writeDatagram(ToQt(o.data), to, port) < 0)
                std::fprintf(stderr, "sim: datagram to %s:%u not sent: %s\n", qPrintable(to.toString()), port,
                             qPrintable(from->errorString()));
        });
    }
}

QUdpSocket* LanServer::answerSocket(const std::string& address, quint16 port, Role role) {
    const QString key = QStringLiteral("%1:%2").arg(QString::fromStdString(address)).arg(port);
    if (QUdpSocket* socket = answerSockets_.value(key)) return socket;
    QString error;
    QUdpSocket* socket = openUdp(QHostAddress(QString::fromStdString(address)), port, role, &error);
    if (!socket) {
        std::fprintf(stderr, "sim: cannot answer from %s: %s\n", qPrintable(key), qPrintable(error));
        return nullptr;
    }
    answerSockets_.insert(key, socket);
    return socket;
}

void LanServer::onSurveyConnection() {
    while (QTcpSocket* socket = survey_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onSurveyData(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LanServer::onSurveyData(QTcpSocket* socket) {
    auto buffer = socket->property("pending").toByteArray() + socket->readAll();
    for (;;) {
        const int length = SurveyRequestLength(FromQt(buffer));
        if (length < 0) {
            std::fprintf(stderr, "sim: survey connection sent something other than BSS_REQ; closing it\n");
            socket->abort();
            return;
        }
        if (length == 0) break;
        buffer.remove(0, length);
        const auto address = socket->localAddress();
        bool isV4 = false;
        const quint32 v4 = address.toIPv4Address(&isV4);
        const auto index = SurveyPrinterFor(state_, isV4 ? v4 : 0);
        QPointer<QTcpSocket> guard(socket);
        Schedule(this, AnswerSurvey(state_, index), [guard](const Outgoing& o) {
            if (!guard) return;
            // One write: the tool takes what one recv returns as the whole answer.
            guard->write(ToQt(o.data));
            guard->flush();
        });
    }
    socket->setProperty("pending", buffer);
}

}  // namespace corvane::sim
