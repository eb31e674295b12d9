// The wire log: every datagram, TCP segment and direct-link read and write,
// with a monotonic timestamp, its direction, where it went or came from and
// its bytes in hexadecimal, plus the start and end of each wait for a reply
// and why a reply was taken as ended. Started by `corvane --trace FILE` or,
// for both programs, by CORVANE_TRACE=FILE. Secrets on the direct link are
// written as ** unless asked for (`--trace-secrets`, CORVANE_TRACE_SECRETS=1).
//
//   1234.567890 link /dev/pts/4 -> 7: 1f 57 43 7f 1d 1f 03
//   1234.568012 link /dev/pts/4 -- wait for a reply (first byte within 90000 ms)
//   1234.568420 link /dev/pts/4 <- 4: 1f 57 4d 7f
//   1234.668700 link /dev/pts/4 -- reply ended: silence 100 ms (4 bytes)
//
// Safe to call from any thread; costs one flag test while no log is open.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "link/bytes.h"

namespace corvane::transport::trace {

inline constexpr const char* kTraceVariable = "CORVANE_TRACE";
inline constexpr const char* kTraceSecretsVariable = "CORVANE_TRACE_SECRETS";

enum class Direction { Sent, Received };

// Opens `path` for the log, readable by the user alone: a new file, or an
// existing regular file emptied (never through a symbolic link, never a
// device or pipe). The reason when it cannot.
std::optional<QString> start(const QString& path, bool showSecrets);
// Starts the log CORVANE_TRACE names, if any; the reason when it cannot.
std::optional<QString> startFromEnvironment();
void stop();
bool active();

// LAN traffic: carries no secrets.
void bytes(const QString& where, Direction direction, ByteSpan data);
void bytes(const QString& where, Direction direction, const QByteArray& data);
// Direct-link traffic: `stream[from...]` is what this read or write moved;
// the bytes before it (the reply so far) tell which of them are secret.
void linkBytes(const QString& device, Direction direction, ByteSpan stream, std::size_t from = 0);
// A line of words: a wait begins or ends, a reply is taken as ended.
void linkNote(const QString& device, const QString& text);
void lanNote(const QString& where, const QString& text);

}  // namespace corvane::transport::trace
