// The string table and the labels the windows and the command show for the
// record's codes.
#include "link/vocabulary.h"

#include <gtest/gtest.h>

#include <tuple>

#include "link/string_table.h"

using namespace corvane;
namespace sv = corvane::setting_vocabulary;

// Labels the windows and the command show for the record's codes, and codes
// without a row of their own; the window strings name the same values.
TEST(setting_vocabulary, LabelsByCodeParallelTheStringIds) {
    const std::tuple<Vocabulary, int, std::string_view> cases[] = {
        {Vocabulary::Authentication, 2, "WPA-PSK"},
        {Vocabulary::Authentication, 5, "WPA2"},
        {Vocabulary::Cipher, 5, "AES + TKIP"},
        {Vocabulary::EapMode, 5, "NONE"},
        {Vocabulary::IpAssignment, 1, "Automatic Allocation(DHCP)"},
        {Vocabulary::NetworkMode, 1, "Adhoc"},
        {Vocabulary::EnableSwitch, 1, "Enable"},
        {Vocabulary::NetworkMode, 2, "Wi-Fi Direct"},
        {Vocabulary::Cipher, 6, "Unknown (6)"},
        {Vocabulary::EnableSwitch, 255, "Unknown (255)"},
        {Vocabulary::Authentication, -1, "Unknown"},
        {Vocabulary::Authentication, 100000, "Unknown"},
    };
    for (const auto& [table, code, label] : cases) EXPECT_EQ(sv::Label(table, code), label) << code;
    EXPECT_FALSE(sv::Has(Vocabulary::NetworkMode, 2));

    // The window strings and the labels name the same values.
    for (const auto table : {Vocabulary::Authentication, Vocabulary::Cipher, Vocabulary::NetworkMode,
                             Vocabulary::IpAssignment, Vocabulary::EapMode, Vocabulary::EnableSwitch}) {
        const auto labels = sv::Labels(table);
        const auto ids = sv::StringIds(table);
        ASSERT_EQ(labels.size(), ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(StringText(ids[i]), labels[i]) << "string " << ids[i];
    }
}

// Lookups find every entry; numbers ascend (the lookup relies on it); gaps
// and numbers out of range give nothing.
TEST(StringTable, NumbersAscendAndAreFound) {
    int previous = 0;
    for (auto* e = StringTableBegin(); e != StringTableEnd(); ++e) {
        EXPECT_GT(e->id, previous);
        previous = e->id;
        EXPECT_EQ(StringText(e->id), e->text);
    }
    EXPECT_EQ(StringText(52), "Corvane Tool");
    for (const int missing : {3, -1, 100000}) EXPECT_TRUE(StringText(missing).empty()) << missing;
}
