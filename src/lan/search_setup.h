// Where a discovery search goes out, and one whole search run to its end on
// the event loop: what the command line's commands and the batch runner
// share.
#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

#include "lan/every_adapter_search.h"
#include "link/discovered_device.h"
#include "transport/endpoints.h"

namespace corvane::lan {

struct SearchSetup {
    link::ListMode mode = link::ListMode::Ethernet;
    QString localAddress;      // empty: the system picks the interface
    QString broadcastAddress;  // where WLAN requests go unless a target says otherwise
    transport::LanEndpoints endpoints;
    // Not empty: one search from each of these addresses at once, instead of
    // the one local address.
    QList<Adapter> adapters;
    int tickMs = 100;
    int settingsTimeoutMs = 0;  // 0: the mode's own wait for a confirmation
    // Told after each request to a list of addresses (sent so far, in all).
    std::function<void(int, int)> onRequestsSent;
};

// Empties `devices` and runs one search into it (1.1 s after the last
// request), waiting on the port (from every adapter: with the event loop
// running). False, with `error` set to the windows' message, when
// the request could not leave (the local address is not this computer's,
// the local port is taken, ...). With several adapters, each one that
// could not be used is named in `adapterFailures`; only all of them failing
// is an error.
bool runSearch(const SearchSetup& setup, link::DeviceList& devices, QString* error,
               QStringList* adapterFailures = nullptr);

}  // namespace corvane::lan
