// Whether an IPv4 address makes sense in the place it is typed: a subnet
// mask must be one run of ones followed by zeros, and a printer's own
// address or its gateway cannot be the network or broadcast address of the
// subnet its mask spans. Windows mark such values; the fleet commands warn.
#pragma once

#include <cstdint>

namespace corvane::link {

enum class AddressRole { Host, Gateway, Mask };

enum class AddressProblem { None, MaskNotContiguous, NetworkAddress, BroadcastAddress };

// Addresses in host order (first octet in the top byte). A blank (0.0.0.0)
// address is unset, not wrong; `mask` counts only where it is contiguous and
// leaves room for hosts (below /31), otherwise no subnet is known.
AddressProblem ClassifyAddress(AddressRole role, std::uint32_t address, std::uint32_t mask);

bool IsContiguousMask(std::uint32_t mask);

}  // namespace corvane::link
