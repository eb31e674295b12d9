// What the windows say after a confirmed settings change, once the searches
// after it have ended: whether the printer now reports what was sent.
#pragma once

#include <QString>

#include "lan/lan_change.h"
#include "link/discovered_device.h"

namespace corvane::lan {

struct VerificationNote {
    bool verified = false;
    QString text;  // in the current language
};

// What the searches after the change found.
VerificationNote verificationNote(const link::DiscoveredDevice& sent, const Verification& verification);

}  // namespace corvane::lan
