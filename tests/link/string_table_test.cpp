#include <gtest/gtest.h>

#include <set>

#include "link/string_table.h"

namespace corvane {
namespace {

TEST(StringTable, NumbersAreSortedUniqueAndFound) {
    std::set<int> seen;
    int previous = 0;
    for (auto* e = StringTableBegin(); e != StringTableEnd(); ++e) {
        EXPECT_GT(e->id, previous);
        previous = e->id;
        EXPECT_TRUE(seen.insert(e->id).second);
        EXPECT_EQ(StringText(e->id), e->text);
    }
    EXPECT_EQ(StringText(52), "Corvane Tool");
    EXPECT_EQ(StringText(59), "Certification");
    EXPECT_TRUE(StringText(3).empty());
    EXPECT_TRUE(StringText(-1).empty());
    EXPECT_TRUE(StringText(100000).empty());
}

}  // namespace
}  // namespace corvane
