// The help of `corvane`: an overview of the commands (`corvane --help`) and
// each command's own page (`corvane COMMAND --help`, `corvane help COMMAND`):
// its usage, what it does, only the options it takes, and examples. The
// manual page and the bash completion are made from the same pages.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace corvane::cli {

// The commands that have a page, in the overview's order.
QStringList helpCommands();

// "Usage: corvane <command> [options]", the commands with a line each, the
// exit codes and the options every command takes.
QString overviewHelp();

// The page of `command`; nullopt for a name that is not a command.
std::optional<QString> commandHelp(const QString& command);

// The options `command` takes, without the dashes ("mac", "ip", ...).
QStringList commandOptions(const QString& command);

}  // namespace corvane::cli
