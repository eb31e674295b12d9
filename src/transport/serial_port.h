// A printer on a serial line: 115200 8N1, RTS/CTS, DTR off, and the printer
// must raise DSR and CTS.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QString>

#include "transport/link_device_port.h"

class QSerialPort;

namespace corvane::transport {

class SerialPort final : public LinkDevicePort {
public:
    static constexpr std::uint32_t kBaudRate = 115200;

    // The port is named as listed ("ttyUSB0") or by a device path, and opened
    // at its system location.
    SerialPort();
    ~SerialPort() override;

    // Fails when the port cannot be opened exclusively, refuses the line
    // settings or its DSR or CTS line is off (no printer ready; a
    // pseudo-terminal has no modem lines and so never passes). On failure,
    // the cause.
    link::OpenResult Open() override;
    // Drops DTR, discards both directions and releases the port. Harmless
    // when not open.
    void Close() override;

private:
    Wait waitOnce(std::chrono::milliseconds limit) override;
    bool takeAvailable(Bytes& reply, std::size_t room) override;
    std::size_t writeData(ByteSpan data) override;
    void discardPending() override;
    void release();

    std::unique_ptr<QSerialPort> serial_;
};

// A serial port the window can offer: its name and where it lives.
struct SerialPortEntry {
    QString name;            // "ttyUSB0"
    QString systemLocation;  // "/dev/ttyUSB0"
};
std::vector<SerialPortEntry> availableSerialPorts();

}  // namespace corvane::transport
