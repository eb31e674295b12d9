// The checks before a LAN settings request, fed from what the front ends
// hold: the current device list and the interface the search went out on.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "link/discovered_device.h"
#include "rules/lan_send_checks.h"

namespace corvane::lan {

// `toSend` is the record as it would go out, `current` the printer's record
// before the edit; `localAddress` the search's interface (empty: unknown, the
// local-subnet check is skipped).
std::vector<rules::SendWarning> checkBeforeSending(const link::DiscoveredDevice& toSend, const link::DeviceList& listed,
                                                   const link::DiscoveredDevice& current, const QString& localAddress);

// The address and mask of this computer's interface with `localAddress`;
// nullopt when it has none (the local-subnet check is then skipped).
std::optional<rules::LocalSubnet> localSubnetOf(const QString& localAddress);

// The warnings' sentences in English (the command line).
QStringList warningSentences(const std::vector<rules::SendWarning>& warnings);
// The same in the current language (the windows).
QStringList translatedWarningSentences(const std::vector<rules::SendWarning>& warnings);

}  // namespace corvane::lan
