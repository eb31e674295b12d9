// Whether an IPv4 address makes sense in the place it is typed: a subnet
// mask must be one run of ones followed by zeros, and a printer's own
// address or its gateway cannot be the network or broadcast address of the
// subnet its mask spans. Windows mark such values; the fleet commands warn.
#pragma once

#include "link/ipv4_address.h"

namespace corvane::link {

enum class AddressRole { Host, Gateway, Mask };

enum class AddressProblem { None, MaskNotContiguous, NetworkAddress, BroadcastAddress };

// A blank (0.0.0.0) address is unset, not wrong; `mask` counts only where it is contiguous and
// leaves room for hosts (below /31), otherwise no subnet is known.
AddressProblem ClassifyAddress(AddressRole role, Ipv4Address address, Ipv4Address mask);

}  // namespace corvane::link
