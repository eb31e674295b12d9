// Bytes a printer or an access point chooses, made safe for a terminal or a
// list: nothing in them may move the cursor, colour the screen, break a line
// or reorder what follows.
#include <gtest/gtest.h>

#include "link/visible_text.h"

namespace corvane::link {
namespace {

TEST(VisibleText, EscapesWhatWouldActAndKeepsWhatReads) {
    struct Case {
        std::string bytes;
        std::string shown;
        bool utf8;
    };
    const Case cases[] = {
        {"Caf\xc3\xa9 \xe2\x82\xac", "Caf\xc3\xa9 \xe2\x82\xac", true},  // é and € stay
        {"\x1b[2Jx", "\\x1b[2Jx", true},                                 // terminal control
        {"a\nNo  FAKE\r", "a\\x0aNo  FAKE\\x0d", true},                  // a second row
        {std::string("a\0b", 3), "a\\x00b", true},
        {"\x7f", "\\x7f", true},
        {"C:\\x1b", "C:\\\\x1b", true},  // a backslash never starts an escape
        {"\xc2\x9b"
         "31m",
         "\\u009b31m", true},  // C1 control (CSI)
        {"abc\xe2\x80\xae"
         "cba",
         "abc\\u202ecba", true},                          // right-to-left override
        {"line\xe2\x80\xa8two", "line\\u2028two", true},  // line separator
        {"\xff"
         "A",
         "\\xffA", false},                           // not UTF-8
        {"\xe2\x82", "\\xe2\\x82", false},           // cut short
        {"\xc0\xaf", "\\xc0\\xaf", false},           // overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80", false},  // surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VisibleText(c.bytes), c.shown) << HexBytes(c.bytes);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.utf8) << HexBytes(c.bytes);
        std::string back;
        ASSERT_TRUE(ParseHexBytes(HexBytes(c.bytes), back));
        EXPECT_EQ(back, c.bytes);
    }
    std::string unused;
    EXPECT_FALSE(ParseHexBytes("F", unused));
    EXPECT_FALSE(ParseHexBytes("GG", unused));
}

}  // namespace
}  // namespace corvane::link
