// What one run of `corvane` was asked to do: the parsed command line, the
// options each command accepts, and the exit codes scripts rely on.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

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

// Value readers shared by the commands. Each gives nullopt for a text that is
// not a valid value.
std::optional<std::array<std::uint8_t, 4>> parseIpv4(const QString& text);
// "00:11:62:0a:00:01", "00-11-62-0A-00-01" or "0011620A0001".
std::optional<std::array<std::uint8_t, 6>> parseMac(const QString& text);
// A decimal number within [minimum, maximum].
std::optional<long long> parseInteger(const QString& text, long long minimum, long long maximum);

}  // namespace corvane::cli
