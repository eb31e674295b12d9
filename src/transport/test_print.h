// Sending a test page to a printer's data port over TCP: connect (3 s at
// most), write the page, close. Only the one address and port given are
// contacted. A printer that accepts the connection but never reads cannot
// hold the caller: the write and the close have their own limits.
#pragma once

#include <chrono>

#include <QString>

#include "link/bytes.h"
#include "link/cancel_token.h"
#include "link/result.h"

namespace corvane::transport {

// The port printers take print jobs on when they report none.
inline constexpr int kDefaultDataPort = 9100;

struct TestPrintTimings {
    std::chrono::milliseconds connect{3000};
    std::chrono::milliseconds write{5000};  // the page written and the connection closed
    std::chrono::milliseconds slice{30};    // longest wait between looks at the cancel request
};

// The send blocks its thread (a window runs it on a worker).
struct TestPrintHooks {
    const link::CancelToken* cancel = nullptr;
};

// Sends `page` to `address`:`port`. Fails, saying why, for a text that is
// not a dotted IPv4 address, an unconfigured 0.x.x.x address, a port outside
// 1..65535, a refused or unreachable peer, no connection within the connect
// limit, a page not taken within the write limit, or a cancel.
link::Result<void> sendTestPrint(const QString& address, int port, const Bytes& page,
                                 const TestPrintTimings& timings = {}, const TestPrintHooks& hooks = {});

// "192.168.0.150:9100".
QString printTarget(const QString& address, int port);

// The test page for the printer at `address`:`port` with `mac` (may be
// empty), stamped with this computer's name and the local time now.
Bytes testPage(const QString& address, int port, const QString& mac);

// Why a test print did not go out, in words: "refused (Connection
// refused)", "timed out (no connection within 3000 ms)" and the like.
QString testPrintFailureText(const link::Error& error);

}  // namespace corvane::transport
