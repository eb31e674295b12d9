#include <gtest/gtest.h>

#include <array>

#include "transport/local_addresses.h"

using corvane::transport::broadcastAddressFor;
using corvane::transport::LocalAddressModel;

namespace {

LocalAddressModel modelOf(const QStringList& addresses) {
    corvane::transport::LocalAddresses entries;
    for (const QString& a : addresses) entries.append({a, {}, {}});
    LocalAddressModel model([entries] { return entries; }, [] { return QStringLiteral("till-3"); });
    model.load();
    return model;
}

// The interface's own broadcast address first, then the one its mask gives;
// the last part replaced by 255 only where neither tells.
TEST(LocalAddresses, BroadcastAddressOfTheSubnetAndLoopbackAndRepeatsAreNoRows) {
    const std::array<std::array<const char*, 4>, 10> cases = {{
        {"192.168.10.37", "255.255.255.0", "192.168.10.255", "192.168.10.255"},
        {"10.0.2.1", "255.255.254.0", "10.0.3.255", "10.0.3.255"},
        {"10.0.2.1", "255.255.254.0", "", "10.0.3.255"},
        {"172.16.5.4", "255.255.0.0", "0.0.0.0", "172.16.255.255"},
        {"192.168.1.9", "255.255.255.252", "", "192.168.1.11"},
        {"10.9.8.7", "255.255.255.255", "", "10.9.8.255"},
        {"10.9.8.7", "255.0.255.0", "", "10.9.8.255"},
        {"127.0.0.1", "255.0.0.0", "", "127.0.0.255"},
        {"nodot", "", "", ".255"},
        {".5", "", "", ".255"},
    }};
    for (const auto& [local, mask, own, broadcast] : cases) {
        EXPECT_EQ(corvane::transport::broadcastAddressFrom(local, mask, own), broadcast) << local << "/" << mask;
    }
    EXPECT_EQ(broadcastAddressFor("192.0.2.44"), "192.0.2.255");  // no interface has it

    // Loopback and repeated addresses are no rows, the rest is sorted as
    // text; a row past the end is refused, and loopback alone leaves nothing
    // to choose. The default row and a choice's broadcast address are proven
    // through the window in LocalAddressDialog.DoubleClickTakesARow.
    auto model = modelOf({"192.168.1.20", "127.0.0.1", "10.0.0.5", "192.168.1.100", "127.0.1.1", "10.0.0.5"});
    EXPECT_EQ(model.hostName(), "till-3");
    EXPECT_EQ(model.rows(), (QStringList{"10.0.0.5", "192.168.1.100", "192.168.1.20"}));
    EXPECT_FALSE(model.select(3));
    EXPECT_EQ(model.localAddress(), "192.168.1.20");
    for (const QStringList& list : {QStringList{"127.0.0.1"}, QStringList{}}) {
        auto none = modelOf(list);
        EXPECT_TRUE(none.empty() && none.localAddress().isEmpty() && none.broadcastAddress().isEmpty());
    }
}

}  // namespace
