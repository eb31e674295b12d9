// A pretend printer on 127.0.0.1 for the LAN tests: a UDP socket on a free
// port that records every request and answers through a test-supplied rule.
#pragma once

#include <array>
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

// One printer's discovery record, MAC 00:1a:ff:01:02:<macEnd>. What the tests
// do not vary is fixed: mask 255.255.255.0, gateway 192.168.1.1, baud code
// 0xFF, version 1.2, no DHCP, inactivity 0 and, for WLAN, reserved byte 0x5A.
struct PrinterRecord {
    std::uint8_t macEnd = 0x03;
    link::Ipv4Address ip{192, 168, 1, 50};
    std::uint16_t port = 9100;
    std::uint8_t https = 0;
    std::uint8_t feature = 31;

    // The record the tool stores for this printer.
    link::DiscoveredDevice device(link::ListMode mode) const {
        link::DiscoveredDevice d;
        d.mode = mode;
        d.raw = {0x00, 0x1A, 0xFF, 0x01, 0x02, macEnd};
        d.setIpAddress(ip);
        d.setSubnetMask({255, 255, 255, 0});
        d.setGateway({192, 168, 1, 1});
        d.setPort(port);
        d.setBaudCode(0xFF);
        d.raw[21] = 1;  // version 1.2
        d.raw[22] = 2;
        d.raw[26] = https;
        d.raw[27] = mode == link::ListMode::Wlan ? feature : 0;
        d.raw[28] = mode == link::ListMode::Wlan ? 0x5A : 0;
        return d;
    }
    // The discovery answer carrying this record.
    QByteArray answer(link::ListMode mode) const {
        const link::DiscoveredDevice d = device(mode);
        return bytesOf(mode == link::ListMode::Wlan ? link::kRegisterAnswer : link::kFindAnswer) +
               QByteArray(reinterpret_cast<const char*>(d.raw.data()), static_cast<qsizetype>(d.size()));
    }
};

class FakePrinter {
public:
    using Rule = std::function<std::vector<QByteArray>(const QByteArray& request)>;

    explicit FakePrinter(Rule rule = {}) : rule_(std::move(rule)) {
        socket_.bind(QHostAddress(QHostAddress::LocalHost), 0);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { read(); });
    }

    const std::vector<QByteArray>& requests() const { return requests_; }
    // The address each request came from, in order, one blank apart.
    QString senders() const { return senders_.join(QLatin1Char(' ')); }

    // Sends `datagram` to whoever sent the last request.
    void answerLast(const QByteArray& datagram) { socket_.writeDatagram(datagram, lastSender_, lastPort_); }

    // Endpoints that send every request here and take any free local port.
    transport::LanEndpoints endpoints() const {
        return {QStringLiteral("127.0.0.1"), socket_.localPort(),         0,
                link::kSurveyPort,           QStringLiteral("127.0.0.1"), {}};
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
