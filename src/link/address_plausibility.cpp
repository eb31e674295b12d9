#include "address_plausibility.h"

namespace corvane::link {

bool IsContiguousMask(std::uint32_t mask) {
    // Ones then zeros: the inverted mask plus one is a power of two.
    const std::uint32_t hosts = ~mask;
    return (hosts & (hosts + 1)) == 0;
}

AddressProblem ClassifyAddress(AddressRole role, std::uint32_t address, std::uint32_t mask) {
    if (role == AddressRole::Mask)
        return IsContiguousMask(address) ? AddressProblem::None : AddressProblem::MaskNotContiguous;
    if (address == 0 || mask == 0 || !IsContiguousMask(mask)) return AddressProblem::None;
    const std::uint32_t hosts = ~mask;
    if (hosts < 3) return AddressProblem::None;  // /31 and /32 have no network or broadcast address
    if ((address & hosts) == 0) return AddressProblem::NetworkAddress;
    if ((address & hosts) == hosts) return AddressProblem::BroadcastAddress;
    return AddressProblem::None;
}

}  // namespace corvane::link
