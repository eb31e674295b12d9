#include "link/address_plausibility.h"

namespace corvane::link {

AddressProblem ClassifyAddress(AddressRole role, Ipv4Address a, Ipv4Address m) {
    if (role == AddressRole::Mask)
        return a.isContiguousMask() ? AddressProblem::None : AddressProblem::MaskNotContiguous;
    if (a == Ipv4Address() || m == Ipv4Address() || !m.isContiguousMask()) return AddressProblem::None;
    if (~m.value() < 3) return AddressProblem::None;  // /31 and /32 have no network or broadcast address
    if (a == a.networkUnder(m)) return AddressProblem::NetworkAddress;
    if (a == a.broadcastUnder(m)) return AddressProblem::BroadcastAddress;
    return AddressProblem::None;
}

}  // namespace corvane::link
