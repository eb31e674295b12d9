// The discovery search as discover and lan-set run it: the mode and local
// interface from the command line, then one whole search on the event loop.
#pragma once

#include <optional>

#include <QString>

#include "cli/invocation.h"
#include "lan/search_setup.h"

namespace corvane::cli {

using LanSearchSetup = lan::SearchSetup;

// Reads "ethernet"/"wlan", --local (or --local-address) and the endpoint
// overrides. Without --local, a WLAN search uses the interface the local
// address window would offer first. nullopt with `exitCode` set on failure
// (the reason already printed).
std::optional<LanSearchSetup> readLanSearchSetup(const Invocation& invocation, const QString& modeWord, int* exitCode);

// lan::runSearch; an adapter of several that could not be used is named on
// stderr.
bool runLanSearch(const LanSearchSetup& setup, link::DeviceList& devices, QString* error);

}  // namespace corvane::cli
