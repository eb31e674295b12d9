// The device list as a table for other programs: the list's columns plus
// feature code, DHCP, the adapter the answer came in on and how the printer
// was reached. The command line's --csv and the windows' Export and Copy
// use the same rows.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "link/discovered_device.h"

namespace corvane::lan {

QStringList exportHeader();
QList<QStringList> exportRows(const DeviceList& devices);

// Comma-separated, header first, CRLF line ends, cells quoted where needed.
QByteArray devicesCsv(const DeviceList& devices);
// Tab-separated, header first (for the clipboard).
QString devicesTabSeparated(const DeviceList& devices);

}  // namespace corvane::lan

namespace corvane::lan {

// The rows as a JSON array of objects keyed by the header's names.
QByteArray devicesJson(const DeviceList& devices);

// Writes the list to `path`: JSON when the name ends in ".json", else CSV.
// Empty on success, else why not.
QString exportDevices(const DeviceList& devices, const QString& path);

}  // namespace corvane::lan
