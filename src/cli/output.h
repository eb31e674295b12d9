// How the command line reports: numbered messages in the tool's own words,
// aligned tables for people, indented JSON for machines. Results go to
// stdout, failures and refusals to stderr.
#pragma once

#include <string>

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include "link/bss.h"
#include "link/string_table.h"

namespace corvane::cli {

// The text of string `id` as the windows show it.
QString messageText(StringId id);

// A numbered message on stdout (a success), or on stderr (a failure).
void printMessage(StringId id);
void printFailure(StringId id);
// A line on stderr as it stands.
void printErrorLine(const QString& text);
// A message of the program itself, on stderr with the program's name.
void printError(const QString& text);
// A warning of the program on stderr; nothing when `reason` is empty.
void printWarning(const QString& reason);
// Bytes from a printer or a file made safe for a terminal: control
// characters become \xNN.
QString printable(const QString& text);
// Prints `text` and a hint to --help on stderr; gives the usage exit code.
// Once a command runs, the hint names that command's own help.
int usageError(const QString& text);
void setHelpCommand(const QString& command);

// Columns padded to their widest cell, two blanks apart.
QString formatTable(const QStringList& headers, const QList<QStringList>& rows);
void printTable(const QStringList& headers, const QList<QStringList>& rows);
void printJson(const QJsonValue& value);
void printText(const QString& text);

// Texts that came from a printer or an access point. For people they are made
// visible (control bytes, invalid UTF-8 and the like escaped, see
// link::VisibleText). In JSON they are exact: a well-formed UTF-8 text is a
// JSON string as it stands (the JSON writer escapes what JSON needs); a text
// that is not UTF-8 is given as a string with U+FFFD for each malformed
// sequence plus a member KEY + "Hex" holding its exact bytes in hexadecimal.
QString visibleText(const std::string& bytes);
void insertText(QJsonObject& object, const QString& key, const std::string& bytes);

// An accepted access-point survey: its rows, as the survey lists show them.
void printBssTable(const BssTable& table, bool json);

}  // namespace corvane::cli
