// What one run of `corvane` was asked to do: the parsed command line, the
// options each command accepts, and the exit codes scripts rely on.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "link/ipv4_address.h"

namespace corvane::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,       // the printer or the network refused or failed
    kExitUsage = 2,        // bad command line or refused input; nothing was sent
    kExitNotVerified = 3,  // confirmed, but the search after it does not show the change
    kExitCancelled = 130,  // stopped by Ctrl-C, after closing the port or reporting what was sent
};

// Every option of every command, with the LAN endpoint overrides, for
// parsing (cli/command_help describes each command's own).
void addOptions(QCommandLineParser& parser);

class Invocation {
public:
    explicit Invocation(const QCommandLineParser& parser);

    const QCommandLineParser& parser() const { return parser_; }
    // Positional words after the command name.
    QStringList arguments() const;
    bool json() const { return parser_.isSet(QStringLiteral("json")); }
    bool isSet(const char* option) const { return parser_.isSet(QString::fromLatin1(option)); }
    QString value(const char* option) const { return parser_.value(QString::fromLatin1(option)); }

    // An option given that `command` does not take, described; nullopt when
    // every option given is one of `accepted`.
    std::optional<QString> unexpectedOption(const QString& command, std::initializer_list<const char*> accepted) const;

private:
    const QCommandLineParser& parser_;
};

// Addresses are read by link::ParseIpv4Address and link::ParseMacAddress.
// A decimal number within [minimum, maximum].
std::optional<long long> parseInteger(const QString& text, long long minimum, long long maximum);

}  // namespace corvane::cli
