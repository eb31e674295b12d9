// Addresses that cannot serve where they are typed: the edges (the common
// cases are checked through the LAN send checks in tests/rules).
#include <gtest/gtest.h>

#include "link/address_plausibility.h"

namespace corvane::link {
namespace {

constexpr std::uint32_t ip(unsigned a, unsigned b, unsigned c, unsigned d) { return a << 24 | b << 16 | c << 8 | d; }

TEST(AddressPlausibility, MarksBadMasksAndSubnetEdges) {
    using enum AddressRole;
    using enum AddressProblem;
    struct Case {
        AddressRole role;
        std::uint32_t address, mask;
        AddressProblem expected;
    };
    const Case cases[] = {
        {Mask, ip(255, 255, 255, 255), 0, None},
        {Mask, 0, 0, None},  // blank
        {Mask, ip(255, 255, 255, 1), 0, MaskNotContiguous},
        {Gateway, ip(192, 168, 0, 255), ip(255, 255, 255, 0), BroadcastAddress},
        {Host, ip(10, 1, 0, 255), ip(255, 255, 0, 0), None},    // inside a /16
        {Host, ip(10, 0, 0, 0), ip(255, 255, 255, 254), None},  // a /31 has no edges
        {Host, ip(192, 168, 0, 0), ip(255, 0, 255, 0), None},   // no subnet known
        {Gateway, 0, ip(255, 255, 255, 0), None},               // no gateway
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyAddress(c.role, c.address, c.mask), c.expected) << std::hex << c.address << " / " << c.mask;
}

}  // namespace
}  // namespace corvane::link
