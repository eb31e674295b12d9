#include <gtest/gtest.h>

#include <string>

#include "link/exchange/save_checks.h"

namespace corvane::link {
namespace {

TEST(SaveChecks, WepKeyLengthPicksTheCipher) {
    struct Case {
        int cipher;
        std::size_t length;
        bool accepted;
        int resultCipher;
        bool takesKey;
    };
    const Case cases[] = {
        {1, 5, true, 1, true},    {2, 10, true, 1, true},  {1, 13, true, 2, true},
        {2, 26, true, 2, true},   {1, 12, false, 1, false}, {2, 0, false, 2, false},
        {1, 27, false, 1, false}, {3, 12, true, 3, false},  {0, 7, true, 0, false},
    };
    for (const Case& c : cases) {
        const auto check = checkWepKeyForSave(c.cipher, std::string(c.length, 'k'));
        EXPECT_EQ(check.accepted, c.accepted) << c.cipher << "/" << c.length;
        EXPECT_EQ(check.cipher, c.resultCipher) << c.cipher << "/" << c.length;
        EXPECT_EQ(check.takesKey, c.takesKey) << c.cipher << "/" << c.length;
    }
}

TEST(SaveChecks, PinOfTheNewerLayoutIsFourOrAtLeastEight) {
    for (std::size_t length = 0; length <= 9; ++length) {
        const bool expected = length == 4 || length >= 8;
        EXPECT_EQ(checkPinForSave(true, std::string(length, '1')), expected) << length;
        EXPECT_TRUE(checkPinForSave(false, std::string(length, '1'))) << length;
    }
}

}  // namespace
}  // namespace corvane::link
