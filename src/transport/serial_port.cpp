#include "transport/serial_port.h"

#include <algorithm>
#include <cerrno>

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSerialPortInfo>

#include "transport/open_failure.h"
#include "transport/wait_slice.h"

namespace corvane::transport {

using std::chrono::milliseconds;

SerialPort::SerialPort() : LinkDevicePort(QStringLiteral("ttyS0")) {}

SerialPort::~SerialPort() { release(); }

link::OpenResult SerialPort::Open() {
    release();
    setOpen(false);
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(portName());
    const QString node = serialNodePath(portName());
    // QSerialPort takes a lock file and TIOCEXCL: a second open of the same
    // device fails.
    if (!port->open(QIODevice::ReadWrite)) {
        switch (port->error()) {
        case QSerialPort::PermissionError: return openFailure(EACCES, node);
        case QSerialPort::DeviceNotFoundError: return openFailure(ENOENT, node);
        default: return link::OpenError{0, port->errorString().toStdString(), node.toStdString()};
        }
    }
    const bool configured = port->setBaudRate(static_cast<qint32>(kBaudRate)) &&
                            port->setDataBits(QSerialPort::Data8) && port->setParity(QSerialPort::NoParity) &&
                            port->setStopBits(QSerialPort::OneStop) &&
                            port->setFlowControl(QSerialPort::HardwareControl);
    if (!configured) return openProblem(OpenProblem::LineSettingsRefused, node, port->errorString());
    port->setDataTerminalReady(false);
    // A printer that is attached and ready raises DSR and CTS.
    const QSerialPort::PinoutSignals lines = port->pinoutSignals();
    if (!lines.testFlag(QSerialPort::DataSetReadySignal) || !lines.testFlag(QSerialPort::ClearToSendSignal)) {
        return openProblem(OpenProblem::PrinterNotReady, node);
    }
    port->clear(QSerialPort::AllDirections);
    port->clearError();
    serial_ = std::move(port);
    setOpen(true);
    return {};
}

void SerialPort::Close() {
    if (!isOpen()) return;
    setOpen(false);
    serial_->setDataTerminalReady(false);
    serial_->clear(QSerialPort::AllDirections);
    release();
}

void SerialPort::release() {
    if (!serial_) return;
    serial_->close();
    serial_.reset();
}

SerialPort::Wait SerialPort::waitOnce(milliseconds limit) {
    if (!serial_) return Wait::Failed;
    if (serial_->bytesAvailable() > 0) return Wait::Ready;
    if (serial_->waitForReadyRead(static_cast<int>(limit.count()))) return Wait::Ready;
    const auto error = serial_->error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return Wait::TimedOut;
    serial_->clearError();
    return Wait::Failed;
}

bool SerialPort::takeAvailable(Bytes& reply, std::size_t room) {
    const std::size_t before = reply.size();
    reply.resize(before + room);
    const qint64 got = serial_->read(reinterpret_cast<char*>(reply.data() + before), static_cast<qint64>(room));
    reply.resize(before + static_cast<std::size_t>(std::max<qint64>(got, 0)));
    return got >= 0;
}

void SerialPort::discardPending() {
    serial_->clear(QSerialPort::Input);  // the driver's queue and Qt's buffer
    serial_->clearError();
}

std::size_t SerialPort::writeData(ByteSpan data) {
    const qint64 queued = serial_->write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
    if (queued <= 0) {
        serial_->clearError();
        return 0;
    }
    const QDeadlineTimer deadline(timeouts().writeLimit);
    while (serial_->bytesToWrite() > 0 && !deadline.hasExpired() && !cancelled()) {
        if (!serial_->waitForBytesWritten(sliceOf(deadline, timeouts().slice))) {
            const auto error = serial_->error();
            if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) break;
        }
        idle();
    }
    const qint64 unsent = serial_->bytesToWrite();
    if (unsent > 0) {
        // What the device did not take by now is dropped, not sent later into
        // the middle of the next exchange.
        serial_->clear(QSerialPort::Output);
    }
    serial_->clearError();
    return static_cast<std::size_t>(std::max<qint64>(queued - unsent, 0));
}

std::vector<SerialPortEntry> availableSerialPorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.push_back({info.portName(), info.systemLocation()});
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.name < b.name; });
    return ports;
}

}  // namespace corvane::transport
