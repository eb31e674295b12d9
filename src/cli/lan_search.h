// The discovery search as discover and lan-set run it: the mode and local
// interface from the command line, then one whole search on the event loop.
#pragma once

#include <optional>

#include <QList>
#include <QPair>
#include <QString>

#include "cli/invocation.h"
#include "link/discovered_device.h"
#include "transport/endpoints.h"

namespace corvane::cli {

struct LanSearchSetup {
    lan::ListMode mode = lan::ListMode::Ethernet;
    QString localAddress;      // empty: the system picks the interface
    QString broadcastAddress;  // where WLAN requests go unless --target says otherwise
    lan::LanEndpoints endpoints;
    // --local all: one search from every local IPv4 address at once; each
    // entry is an address and the name of its interface.
    QList<QPair<QString, QString>> adapters;
};

// Reads "ethernet"/"wlan", --local (or --local-address) and the endpoint
// overrides. Without --local, a WLAN search uses the interface the local
// address window would offer first. nullopt with `exitCode` set on failure
// (the reason already printed).
std::optional<LanSearchSetup> readLanSearchSetup(const Invocation& invocation, const QString& modeWord,
                                                 int* exitCode);

// Empties `devices` and runs one search into it (1.1 s). False, with `error`
// set to the windows' message, when the request could not leave (the local
// address is not this computer's, the local port is taken, ...).
bool runLanSearch(const LanSearchSetup& setup, lan::DeviceList& devices, QString* error);

}  // namespace corvane::cli
