#include <gtest/gtest.h>

#include "transport/local_addresses.h"

using corvane::lan::broadcastAddressFor;
using corvane::lan::LocalAddressModel;

namespace {

LocalAddressModel modelOf(const QStringList& addresses) {
    corvane::lan::LocalAddresses entries;
    for (const QString& a : addresses) entries.append({a, {}, {}});
    LocalAddressModel model([entries] { return entries; }, [] { return QStringLiteral("till-3"); });
    model.load();
    return model;
}

TEST(LocalAddresses, BroadcastReplacesTheLastPart) {
    const std::pair<const char*, const char*> cases[] = {
        {"192.168.10.37", "192.168.10.255"},
        {"10.0.0.5", "10.0.0.255"},
        {"nodot", ".255"},
        {".5", ".255"},
    };
    for (const auto& [local, broadcast] : cases) EXPECT_EQ(broadcastAddressFor(local), broadcast) << local;
}

// Loopback and repeated addresses are no rows, the rest is sorted as text; a
// row past the end is refused, and loopback alone leaves nothing to choose.
// The default row and a choice's broadcast address are proven through the
// window in LocalAddressDialog.DoubleClickTakesARow.
TEST(LocalAddresses, LoopbackAndRepeatsAreNoRows) {
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
