// What the device list says after a confirmed settings change, once the
// search after it is in: whether the printer now reports what was sent.
#pragma once

#include <QString>

#include "lan/lan_change.h"
#include "link/discovered_device.h"

namespace corvane::lan {

struct VerificationNote {
    int number = -1;  // the printer's row number (from 1) in the list, -1 when it did not answer
    bool verified = false;
    QString text;  // in the current language
};

// Looks for `sent`'s MAC in `list` (the search after the change) and compares.
VerificationNote verificationNote(const DiscoveredDevice& sent, const DeviceList& list);
// What the searches after the change found.
VerificationNote verificationNote(const DiscoveredDevice& sent, const Verification& verification);

}  // namespace corvane::lan
