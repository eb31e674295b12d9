// The printer's records as JSON, under the configuration record's own field
// names, and configuration files read back for `corvane link write`.
//
//   { "layout": "newer" | "older",
//     "system": { "firmwareVersion", "updateDate", "macAddress" },
//     "config": { "printerName": "...", "networkMode": 0, "ipAddress": "192.168.0.50", ... } }
//
// Texts are strings, codes and numbers integers, addresses dotted strings. A
// text that is not UTF-8 also comes as NAME + "Hex", its exact bytes (see
// insertText in output.h); a file may give either, and when it gives both
// the bytes stand unless the text was changed from what they read as.
// The Wi-Fi Direct fields (p2pConnMode, p2pPinCode, p2pChannel) exist in the
// newer layout only. Secrets (keys, passwords, the PIN, the SNMP write
// community) are left out unless asked for, and named in "secretsLeftOut";
// a file without them writes back the printer's own.
#pragma once

#include <optional>

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include "link/printer_config.h"

namespace corvane::cli {

QString layoutName(link::ConfigLayout layout);

QJsonObject systemInfoJson(const link::PrinterSystemInfo& info);
// What a secret shows as on a terminal: not even its length is told.
inline constexpr char kSecretMask[] = "********";
// The key naming the secrets a printer's JSON leaves out.
inline constexpr char kSecretsLeftOut[] = "secretsLeftOut";

QJsonObject configJson(const link::PrinterConfig& config, link::ConfigLayout layout, bool showSecrets);
QJsonObject printerJson(const link::PrinterSystemInfo& info, const link::PrinterConfig& config,
                        link::ConfigLayout layout, bool showSecrets);
// Field name and value text, in record order, for people; a secret that is
// set shows as kSecretMask unless `showSecrets`.
QList<QStringList> configRows(const link::PrinterConfig& config, link::ConfigLayout layout, bool showSecrets);

// A configuration file whose every value has been checked: known field names,
// the right JSON type, texts that fit their field, codes and numbers in range.
// Fields it does not name keep the printer's values.
struct ConfigEdits {
    std::optional<link::ConfigLayout> layout;  // when the file names one
    QJsonObject fields;
};

// Reads a file of the shape above ("system" is ignored: the printer's facts
// cannot be written). nullopt with `error` describing the first bad value.
std::optional<ConfigEdits> parseConfigEdits(const QByteArray& fileContents, QString* error);

// Writes the edits over the record read from the printer. Fails when the file
// was made for the other layout, or sets a Wi-Fi Direct field for a printer of
// the older layout.
bool applyConfigEdits(const ConfigEdits& edits, link::ConfigLayout printerLayout, link::PrinterConfig& config,
                      QString* error);

}  // namespace corvane::cli
