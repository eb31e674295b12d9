// The history of changes: one JSON line per change the tool sent to a
// printer, appended to $XDG_STATE_HOME/corvane/history.jsonl (by default
// ~/.local/state/corvane/history.jsonl), for whoever later asks who changed
// what on which printer.
//
//   {"time":"2024-05-01T09:30:00.000Z","version":"0.1.0","frontEnd":"cli",
//    "action":"link apply","way":{"link":"/dev/ttyUSB0"},"mac":"00-11-22-AA-BB-CC",
//    "changes":[{"field":"ssid","before":"Old","after":"Shop"},{"field":"pskKey","changed":true}],
//    "outcome":"verified","message":""}
//
// The file is created 0600 in a folder created 0700. Each line goes out in
// one write() under O_APPEND while an advisory lock is held, so programs
// appending at once never interleave or lose lines. A line that cannot be
// read is skipped with a warning and hides nothing after it.
#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::history {

struct Change {
    QString field;
    QString before;
    QString after;
    bool secret = false;  // its values are never kept

    bool operator==(const Change&) const = default;
};

// How a change ended.
inline constexpr char kConfirmed[] = "confirmed";         // the printer said it took it
inline constexpr char kNotConfirmed[] = "not confirmed";  // sent whole; no readable answer (it may have been taken)
inline constexpr char kVerified[] = "verified";           // confirmed and read back the same
inline constexpr char kNotVerified[] = "not verified";    // confirmed, but read back other values
inline constexpr char kFailed[] = "failed";               // refused by the printer, or nothing was sent

inline constexpr char kWindow[] = "window";
inline constexpr char kCommandLine[] = "cli";

struct Entry {
    QDateTime time;   // UTC; now when empty
    QString version;  // the tool's version; this one when empty
    QString frontEnd;
    QString action;
    // The way in: a LAN mode ("ethernet", "wlan") and the local address, or a
    // direct-link port.
    QString lanMode;
    QString localAddress;
    QString linkPort;
    QString mac;  // "00-11-22-AA-BB-CC"
    QList<Change> changes;
    QString outcome;
    QString message;

    bool operator==(const Entry&) const = default;
};

// $XDG_STATE_HOME/corvane/history.jsonl; a relative or empty XDG_STATE_HOME
// counts as unset.
QString historyPath();

// The line for `entry`, its newline included.
QByteArray entryLine(const Entry& entry);
std::optional<Entry> parseEntry(const QByteArray& line, QString* reason);

// Appends `entry` (time and version filled in when empty). False with
// `error` when the history cannot be written; the change itself stands.
bool appendEntry(Entry entry, QString* error, const QString& path = historyPath());

struct Log {
    QList<Entry> entries;
    QStringList warnings;  // one per line skipped
    QString error;         // the file exists but cannot be read
};
// A missing file is an empty history.
Log readLog(const QString& path = historyPath());

// Entries of one printer (any MAC notation) and from a moment on.
QList<Entry> filterEntries(const QList<Entry>& entries, const QString& mac, const QDateTime& since);

// For people: "wlan via 192.168.0.5", "link /dev/ttyUSB0"; "ssid: A → B;
// pskKey: changed".
QString wayText(const Entry& entry);
QString changesText(const Entry& entry);
// "0011AABBCCDD" of any notation, or empty when it is not a MAC address.
QString normalMac(const QString& text);

// Comma-separated values with a header row, quoted where needed.
QByteArray csv(const QList<Entry>& entries);

}  // namespace corvane::history
