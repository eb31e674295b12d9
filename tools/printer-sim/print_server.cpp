#include "print_server.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace corvane::sim {

PrintServer::PrintServer(SimState& state, QObject* parent) : QObject(parent), state_(state) {}

bool PrintServer::start(const QHostAddress& bind, int port, bool neverRead, QString* error) {
    neverRead_ = neverRead;
    server_ = new QTcpServer(this);
    if (!server_->listen(bind, static_cast<quint16>(port))) {
        *error = QStringLiteral("data port %1: %2").arg(port).arg(server_->errorString());
        return false;
    }
    connect(server_, &QTcpServer::newConnection, this, &PrintServer::onConnection);
    return true;
}

QString PrintServer::listenerLine() const {
    return QStringLiteral("print: %1:%2").arg(server_->serverAddress().toString()).arg(server_->serverPort());
}

void PrintServer::onConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        if (neverRead_) {
            // Kept open and never read: the kernel's buffers fill, then the
            // sender's writes stall.
            socket->setReadBufferSize(1);
            continue;
        }
        const std::size_t job = state_.printed.size();
        state_.printed.push_back({server_->serverPort(), {}});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, job] {
            const QByteArray data = socket->readAll();
            state_.printed[job].data.insert(state_.printed[job].data.end(), data.begin(), data.end());
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

}  // namespace corvane::sim
