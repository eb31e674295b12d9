// The per-printer values of a provisioning run, from a CSV file keyed by the
// MAC address each printer reports: the System page values a profile never
// carries (printer name, web account, port) and a fixed address.
//
//   mac,name,ip,mask,gateway,port,user,password
//   00:11:62:0A:00:01,Shop-12,192.168.0.112,255.255.255.0,192.168.0.1,9100,admin,secret
//
// A header row names the columns (mac required, the others in any order and
// any subset); a blank cell keeps the printer's value. An address makes the
// printer's address fixed (no DHCP). The values go through the System and
// Network pages' rules when they are written, like every other value.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include <QString>

#include "link/printer_config.h"

namespace corvane::provision {

struct PrinterValues {
    std::optional<QString> name;
    std::optional<link::Ipv4Address> ip;
    std::optional<link::Ipv4Address> mask;
    std::optional<link::Ipv4Address> gateway;
    std::optional<std::uint16_t> port;
    std::optional<QString> user;
    std::optional<QString> password;
};

struct PrinterSheet {
    std::map<link::MacAddress, PrinterValues> rows;
};

// Largest sheet read.
inline constexpr qint64 kMaxSheetBytes = 1024 * 1024;

// The sheet in `contents`; nullopt with `error` ("line 3: ...") when a row
// or the header is malformed or a MAC appears twice.
std::optional<PrinterSheet> parsePrinterSheet(const QByteArray& contents, QString* error);
// The sheet in the regular file `path` of at most kMaxSheetBytes.
std::optional<PrinterSheet> readPrinterSheet(const QString& path, QString* error);

// `config` with the values of `row` put in.
link::PrinterConfig withPrinterValues(link::PrinterConfig config, const PrinterValues& row);

// "00:11:62:0A:00:01".
QString macText(const link::MacAddress& mac);

}  // namespace corvane::provision
