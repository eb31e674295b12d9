// The printers' data port (TCP, 9100 on a real printer): every connection's
// bytes are kept as one print job, so tests can check a test page byte for
// byte. With `neverRead` the listener accepts and never reads, like a printer
// whose paper ran out.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

#include "sim_state.h"

class QTcpServer;
class QTcpSocket;

namespace corvane::sim {

class PrintServer : public QObject {
    Q_OBJECT
public:
    PrintServer(SimState& state, QObject* parent = nullptr);

    // Listens on `port` (0: a free one). False with `error` set on failure.
    bool start(const QHostAddress& bind, int port, bool neverRead, QString* error);
    // "print: 127.0.0.1:9100".
    QString listenerLine() const;

private:
    void onConnection();

    SimState& state_;
    QTcpServer* server_ = nullptr;
    bool neverRead_ = false;
};

}  // namespace corvane::sim
