#include "link/vocabulary.h"

#include <gtest/gtest.h>

#include "link/string_table.h"

using namespace corvane;
namespace sv = corvane::setting_vocabulary;

TEST(setting_vocabulary, LabelsByCode) {
    struct Case {
        Vocabulary table;
        int code;
        std::string_view label;
    };
    const Case cases[] = {
        {Vocabulary::Authentication, 2, "WPA-PSK"},
        {Vocabulary::Authentication, 4, "WPA"},
        {Vocabulary::Authentication, 5, "WPA2"},
        {Vocabulary::Cipher, 0, "NONE"},
        {Vocabulary::Cipher, 5, "AES + TKIP"},
        {Vocabulary::EapMode, 5, "NONE"},
        {Vocabulary::IpAssignment, 0, "Manual allocation"},
        {Vocabulary::IpAssignment, 1, "Automatic Allocation(DHCP)"},
        {Vocabulary::NetworkMode, 1, "Adhoc"},
        {Vocabulary::EnableSwitch, 1, "Enable"},
    };
    for (const Case& c : cases) EXPECT_EQ(sv::Label(c.table, c.code), c.label) << c.code;
}

TEST(setting_vocabulary, CodesWithoutARow) {
    EXPECT_FALSE(sv::Has(Vocabulary::NetworkMode, 2));
    EXPECT_EQ(sv::Label(Vocabulary::NetworkMode, 2), "Wi-Fi Direct");
    EXPECT_EQ(sv::Label(Vocabulary::Cipher, 6), "Unknown (6)");
    EXPECT_EQ(sv::Label(Vocabulary::EnableSwitch, 255), "Unknown (255)");
    EXPECT_EQ(sv::Label(Vocabulary::Authentication, -1), "Unknown");
    EXPECT_EQ(sv::Label(Vocabulary::Authentication, 100000), "Unknown");
}

TEST(setting_vocabulary, StringIdsParallelTheLabels) {
    for (const auto table : {Vocabulary::Authentication, Vocabulary::Cipher, Vocabulary::NetworkMode,
                             Vocabulary::IpAssignment, Vocabulary::EapMode, Vocabulary::EnableSwitch}) {
        const auto labels = sv::Labels(table);
        const auto ids = sv::StringIds(table);
        ASSERT_EQ(labels.size(), ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(StringText(ids[i]), labels[i]) << "string " << ids[i];
    }
}
