// Why a link port did not open, in words for the user: one text for the
// direct configuration window and the command line alike.
#pragma once

#include <QString>

#include "link/open_result.h"

namespace corvane::transport {

// Causes of a failed open that are no error number of the system.
enum class OpenProblem {
    PrinterNotReady,      // a serial line whose DSR or CTS is off
    LineSettingsRefused,  // the driver would not take 115200 8N1 RTS/CTS
    InUse,                // another program (or this one) holds the device
};

// Opening `device` failed with the system's error number `code`; the reason
// is the system's words for it.
link::OpenError openFailure(int code, const QString& device);
// Opening `device` failed for `problem`; `detail` adds the system's words.
link::OpenError openProblem(OpenProblem problem, const QString& device, const QString& detail = {});

// The node behind a serial port name as listed: "ttyUSB0" is /dev/ttyUSB0.
QString serialNodePath(const QString& portName);

// "Unable to open the port.", the device with the cause and, for a
// permission error, how to get the permission: join the group that owns the
// node (named, with the command), then log in again.
QString openFailureText(const link::OpenError& error);

}  // namespace corvane::transport
