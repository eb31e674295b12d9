// The maker check that opens every direct-link connection: the printer must
// report the maker name "ZEPHRAN" in answer to GS I 66.
#pragma once

#include <string_view>

#include "link/exchange/exchange_limits.h"
#include "link/exchange/link_waits.h"
#include "link/link_port.h"

namespace corvane::link {

inline constexpr std::string_view kMakerName = "ZEPHRAN";

// Shown with the caption kMakerMismatchCaption (warning icon) when the check
// fails, before the "unable to open the port" message.
inline constexpr std::string_view kMakerMismatchText = "This printer don't match our company name.";
inline constexpr std::string_view kMakerMismatchCaption = "Warning";

enum class VendorCheckResult { Ok, MakerMismatch, Cancelled };

// Turns automatic status reports off, asks for the maker name and compares it
// with kMakerName byte for byte. A printer that does not answer counts as a
// mismatch. Reports each read try as CheckingPrinter, attempt n of the tries;
// stops at once when cancelled.
VendorCheckResult VendorCheck(LinkPort& port, const LinkWaits& waits, const ExchangeLimits& limits = {});

}  // namespace corvane::link
