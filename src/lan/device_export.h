// The device list as a table for other programs: the list's columns plus
// feature code, DHCP, the adapter the answer came in on and how the printer
// was reached. The command line's --csv and --json and the windows' Export
// and Copy use the same rows.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

#include "link/discovered_device.h"

namespace corvane::lan {

// Every record's number (from 1), in arrival order.
std::vector<int> allNumbers(const link::DeviceList& devices);

QStringList exportHeader();
// The rows of the records `numbers` (from 1), in that order; numbers past the list are left out.
QList<QStringList> exportRows(const link::DeviceList& devices, const std::vector<int>& numbers);

// Comma-separated, header first, CRLF line ends, cells quoted where needed.
QByteArray devicesCsv(const link::DeviceList& devices, const std::vector<int>& numbers);
// Tab-separated, header first (for the clipboard).
QString devicesTabSeparated(const link::DeviceList& devices, const std::vector<int>& numbers);

// One printer as JSON: numbers as numbers, true/false for switches, absent
// where the list has nothing (feature code of an Ethernet printer, adapter).
QJsonObject deviceJson(int number, const link::DiscoveredDevice& device);
// An array of deviceJson objects.
QByteArray devicesJson(const link::DeviceList& devices, const std::vector<int>& numbers);

// Writes the list to `path`: JSON when the name ends in ".json", else CSV.
// Empty on success, else why not.
QString exportDevices(const link::DeviceList& devices, const std::vector<int>& numbers, const QString& path);

}  // namespace corvane::lan
