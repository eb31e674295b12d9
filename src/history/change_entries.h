// The history lines of each kind of change the tool sends: LAN settings, a
// direct-link configuration and a certificate. Every front end records its
// changes through these, once the outcome is known.
#pragma once

#include <cstdint>

#include <QString>

#include "history/history_log.h"
#include "link/discovered_device.h"
#include "link/printer_config.h"
#include "link/string_table.h"

namespace corvane::history {

// Actions as the history names them.
inline constexpr char kLanSettings[] = "lan settings";
inline constexpr char kLinkSave[] = "link save";
inline constexpr char kLinkApply[] = "link apply";
inline constexpr char kCertificateUpload[] = "certificate upload";

QList<Change> recordChanges(const link::PrinterConfig& before, const link::PrinterConfig& after,
                            link::ConfigLayout layout);
// The settings a LAN request carries: addresses, port, inactivity, DHCP, speed.
QList<Change> lanChanges(const link::DiscoveredDevice& before, const link::DiscoveredDevice& after);

// A certificate sent to the printer: its kind and size, never its contents.
Change certificateChange(const QString& kind, std::size_t bytes);

Entry linkEntry(const char* frontEnd, const char* action, const QString& port, const link::MacAddress& mac);

// Appends the entry; empty when it was written, else why not (the change
// itself was made all the same).
QString record(const Entry& entry);

// One LAN settings request, confirmed by the printer or not.
QString recordLanSettings(const char* frontEnd, link::ListMode mode, const QString& localAddress,
                          const link::DiscoveredDevice& before, const link::DiscoveredDevice& after, StringId messageId,
                          bool confirmed);

// The searches after a confirmed LAN change, as their own line after the
// change's: "verified", "not verified" (the printer reports other values,
// has no DHCP address yet, or the check was cancelled; `message` says
// which) or "not seen" (it did not answer before the time was up).
inline constexpr char kLanVerification[] = "lan verification";
inline constexpr char kNotSeen[] = "not seen";
QString recordLanVerification(const char* frontEnd, link::ListMode mode, const QString& localAddress,
                              const link::DiscoveredDevice& sent, const char* outcome, const QString& message);

// What the front ends say when `record` failed for a line of `outcome`: a
// change is said to be made only when the printer confirmed it, and to have
// perhaps reached the printer when it was not confirmed. An empty outcome
// claims neither.
QString notRecordedText(const QString& reason, const QString& outcome = {});

}  // namespace corvane::history
