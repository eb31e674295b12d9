#include "link/address_plausibility.h"

#include "link/ipv4_address.h"

namespace corvane::link {

bool IsContiguousMask(std::uint32_t mask) { return Ipv4Address(mask).isContiguousMask(); }

AddressProblem ClassifyAddress(AddressRole role, std::uint32_t address, std::uint32_t mask) {
    const Ipv4Address a(address);
    const Ipv4Address m(mask);
    if (role == AddressRole::Mask)
        return a.isContiguousMask() ? AddressProblem::None : AddressProblem::MaskNotContiguous;
    if (address == 0 || mask == 0 || !m.isContiguousMask()) return AddressProblem::None;
    if (~mask < 3) return AddressProblem::None;  // /31 and /32 have no network or broadcast address
    if (a == a.networkUnder(m)) return AddressProblem::NetworkAddress;
    if (a == a.broadcastUnder(m)) return AddressProblem::BroadcastAddress;
    return AddressProblem::None;
}

}  // namespace corvane::link
