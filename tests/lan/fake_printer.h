// A pretend printer on 127.0.0.1 for the LAN tests: a UDP socket on a free
// port that records every request and answers through a test-supplied rule.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QHostAddress>
#include <QStringList>
#include <QUdpSocket>

#include "link/discovered_device.h"
#include "support/wait.h"
#include "transport/endpoints.h"

namespace corvane::test {

inline QByteArray bytesOf(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Record bytes of one printer: MAC, IP, mask, gateway, port, baud, version,
// DHCP, inactivity, HTTPS, and for WLAN feature code and reserved byte.
struct PrinterRecord {
    std::array<std::uint8_t, 6> mac{0x00, 0x1A, 0xFF, 0x01, 0x02, 0x03};
    std::array<std::uint8_t, 4> ip{192, 168, 1, 50};
    std::array<std::uint8_t, 4> mask{255, 255, 255, 0};
    std::array<std::uint8_t, 4> gateway{192, 168, 1, 1};
    std::uint16_t port = 9100;
    std::uint8_t baud = 0xFF;
    std::uint8_t major = 1, minor = 2;
    std::uint8_t dhcp = 0;
    std::uint16_t inactivity = 0;
    std::uint8_t https = 0;
    std::uint8_t feature = 31;
    std::uint8_t reserved = 0x5A;

    QByteArray bytes(lan::ListMode mode) const {
        QByteArray b(reinterpret_cast<const char*>(mac.data()), 6);
        for (const auto& part : {ip, mask, gateway}) b.append(reinterpret_cast<const char*>(part.data()), 4);
        for (const int v : {port >> 8, port & 0xFF, int{baud}, int{major}, int{minor}, int{dhcp}, inactivity >> 8,
                            inactivity & 0xFF, int{https}})
            b.append(static_cast<char>(v));
        if (mode == lan::ListMode::Wlan) b.append(static_cast<char>(feature)).append(static_cast<char>(reserved));
        return b;
    }
    // The record the tool stores for this printer.
    lan::DiscoveredDevice device(lan::ListMode mode) const {
        lan::DiscoveredDevice d;
        d.mode = mode;
        const QByteArray b = bytes(mode);
        std::copy(b.begin(), b.end(), d.raw.begin());
        return d;
    }
    // The discovery answer carrying this record.
    QByteArray answer(lan::ListMode mode) const {
        return bytesOf(mode == lan::ListMode::Wlan ? lan::kRegisterAnswer : lan::kFindAnswer) + bytes(mode);
    }
};

class FakePrinter {
public:
    using Rule = std::function<std::vector<QByteArray>(const QByteArray& request)>;

    explicit FakePrinter(Rule rule = {}) : rule_(std::move(rule)) {
        socket_.bind(QHostAddress(QHostAddress::LocalHost), 0);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { read(); });
    }

    quint16 port() const { return socket_.localPort(); }
    void setRule(Rule rule) { rule_ = std::move(rule); }
    const std::vector<QByteArray>& requests() const { return requests_; }
    // The address each request came from, in order, one blank apart.
    QString senders() const { return senders_.join(QLatin1Char(' ')); }

    // Sends `datagram` to whoever sent the last request.
    void answerLast(const QByteArray& datagram) { socket_.writeDatagram(datagram, lastSender_, lastPort_); }

    // Endpoints that send every request here and take any free local port.
    lan::LanEndpoints endpoints() const {
        lan::LanEndpoints e;
        e.target = QStringLiteral("127.0.0.1");
        e.remotePort = port();
        e.localPort = 0;
        e.localAddress = QStringLiteral("127.0.0.1");
        return e;
    }

private:
    void read() {
        while (socket_.hasPendingDatagrams()) {
            QByteArray datagram(static_cast<qsizetype>(socket_.pendingDatagramSize()), '\0');
            socket_.readDatagram(datagram.data(), datagram.size(), &lastSender_, &lastPort_);
            requests_.push_back(datagram);
            senders_.append(lastSender_.toString());
            if (rule_) {
                for (const QByteArray& reply : rule_(datagram)) answerLast(reply);
            }
        }
    }

    QUdpSocket socket_;
    Rule rule_;
    std::vector<QByteArray> requests_;
    QStringList senders_;
    QHostAddress lastSender_;
    quint16 lastPort_ = 0;
};

}  // namespace corvane::test
