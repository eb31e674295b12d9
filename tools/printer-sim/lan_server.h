// The simulated printers' LAN listeners: UDP discovery and settings for the
// Ethernet and wireless printers, and the TCP site survey.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

#include "sim_faults.h"
#include "sim_state.h"

class QTcpServer;
class QTcpSocket;
class QUdpSocket;

namespace corvane::sim {

class LanServer : public QObject {
    Q_OBJECT
public:
    LanServer(SimState& state, QObject* parent = nullptr);

    // Opens the listeners; ports of 0 take free ones. Equal Ethernet and
    // wireless ports share one socket. False with `error` set on failure.
    bool start(const QHostAddress& bind, int ethernetPort, int wlanPort, int surveyPort, QString* error);

    // "ethernet: 127.0.0.1:48781" and the like, one per listener.
    QStringList listenerLines() const;

private:
    enum class Role { Ethernet, Wlan, Both };
    QUdpSocket* openUdp(const QHostAddress& bind, int port, Role role, QString* error);
    void readDatagrams(QUdpSocket* socket, Role role);
    // For a printer with an address of its own: a listener on that address
    // and the port the request came to, which its answers leave from and
    // later requests to its address arrive at; nullptr when it cannot be bound.
    QUdpSocket* answerSocket(const std::string& address, quint16 port, Role role);
    void onSurveyConnection();
    void onSurveyData(QTcpSocket* socket);

    SimState& state_;
    QUdpSocket* ethernet_ = nullptr;
    QUdpSocket* wlan_ = nullptr;
    QTcpServer* survey_ = nullptr;
    QHash<QString, QUdpSocket*> answerSockets_;
    QElapsedTimer clock_;  // the printers' time, for their restarts
};

}  // namespace corvane::sim
