// Survey answers: rows and their texts, rejected answers, where the shown
// list ends, and record lengths that lie; and how any text a printer or an
// access point chooses is shown.
#include "link/bss.h"

#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "link/visible_text.h"

using namespace corvane;

namespace {

struct Record {
    std::string ssid;
    link::MacAddress bssid;
    std::uint8_t mode;
    std::uint16_t rssi;
    std::uint8_t security;
};

Bytes Body(const std::vector<Record>& records) {
    Bytes b;
    for (const Record& r : records) {
        b.insert(b.end(), {0x00, static_cast<std::uint8_t>(r.ssid.size())});
        b.insert(b.end(), r.ssid.begin(), r.ssid.end());
        b.insert(b.end(), {0x01, 0x06});
        b.insert(b.end(), r.bssid.begin(), r.bssid.end());
        b.insert(b.end(),
                 {r.mode, static_cast<std::uint8_t>(r.rssi >> 8), static_cast<std::uint8_t>(r.rssi), r.security});
    }
    return b;
}

Bytes Answer(const Bytes& body, std::string_view tagText = link::tag::kBssRsp) {
    return link::testing::Tagged(tagText, body);
}

const Record kOffice{"office", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, 0, 0xFFC4, 0x3F};
const Record kAdhoc{"", {1, 2, 3, 4, 5, 6}, 1, 0x0010, 0xC0};

}  // namespace

// Rows in order with every security flag or none (a hostile name reaches a
// terminal escaped: tests/cli). Wrong tag, nothing or a cut tag: refused, and
// the earlier table is cleared. (A bad checksum: tests/cli.)
TEST(BssParse, WellFormedAnswerAndRejectedAnswersLeaveAnEmptyTable) {
    BssTable table;
    ASSERT_TRUE(ParseBssResponse(Answer(Body({kOffice, kAdhoc})), table));
    ASSERT_EQ(ShownBssCount(table), 2u);
    EXPECT_EQ(BssRowTexts(0, table[0]),
              (std::array<std::string, 6>{"1", "office", "00-1A-2B-3C-4D-5E", "Infrastructure", "-60",
                                          "WEP64/WEP128/WPA/WPA2/RSN1/RSN2"}));
    EXPECT_EQ(BssRowTexts(1, table[1]),
              (std::array<std::string, 6>{"2", "", "01-02-03-04-05-06", "Ad hoc", "16", "No"}));
    for (const Bytes& bad : {Answer(Body({kOffice}), link::tag::kBssReq), Bytes{}, ToBytes("__[I_F]")}) {
        ASSERT_TRUE(ParseBssResponse(Answer(Body({kOffice})), table));
        EXPECT_FALSE(ParseBssResponse(bad, table));
        EXPECT_EQ(ShownBssCount(table), 0u);
    }
}

// The shown list ends before a 31-byte name, an all-zero BSSID or row 101.
TEST(BssParse, ShownListEndsAtA31ByteNameAnAllZeroBssidOrAHundredRows) {
    Record thirty = kOffice, thirtyOne = kOffice, hidden = kOffice;
    thirty.ssid = std::string(30, 'x');
    thirtyOne.ssid = std::string(31, 'x');
    hidden.bssid = {};
    std::vector<Record> many(120, kAdhoc);
    for (std::size_t i = 0; i < many.size(); ++i) many[i].bssid[5] = static_cast<std::uint8_t>(i + 1);
    const std::pair<std::vector<Record>, std::size_t> cases[] = {
        {{thirty, kAdhoc}, 2}, {{kAdhoc, thirtyOne, kOffice}, 1}, {{kOffice, hidden, kAdhoc}, 1}, {many, 100}};
    for (const auto& [records, shown] : cases) {
        BssTable table;
        ASSERT_TRUE(ParseBssResponse(Answer(Body(records)), table));
        EXPECT_EQ(ShownBssCount(table), shown) << records.size();
        EXPECT_TRUE(shown != 100 || table[99].bssid[5] == 100);
        EXPECT_TRUE(records[1].bssid != hidden.bssid || table[2].bssid == kAdhoc.bssid) << "parsed, not shown";
    }
}

// Cut a two-record body at every length and re-checksum: accepted (an empty
// or short answer is an empty survey), no read past the end (sanitizers), no
// record stored before its BSSID element fully arrived.
TEST(BssParse, EveryTruncationAndHostileLengthBytesNeverReadPastTheMessage) {
    const Bytes body = Body({kOffice, kAdhoc});
    for (std::size_t n = 0; n <= body.size(); ++n) {
        BssTable table;
        EXPECT_TRUE(ParseBssResponse(Answer(Bytes(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(n))), table))
            << n;
        const std::size_t expected = n >= 30 ? 2 : n >= 16 ? 1 : 0;  // BSSID elements end at 16 and 30
        EXPECT_LE(ShownBssCount(table), expected) << n;
    }

    // Length bytes that claim more than is there never read past the message.
    BssTable table;
    // BSSID element claiming 200 bytes at the end of the message.
    ASSERT_TRUE(ParseBssResponse(Answer({0x00, 0x02, 'a', 'b', 0x01, 200, 1, 2, 3, 4, 5, 6}), table));
    EXPECT_EQ(ShownBssCount(table), 0u);

    // BSSID element of 8 bytes: six are kept, the element is skipped whole.
    ASSERT_TRUE(
        ParseBssResponse(Answer({0x00, 0x01, 'z', 0x01, 8, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0xFF, 0xFF, 0x01}), table));
    ASSERT_EQ(ShownBssCount(table), 1u);
    EXPECT_EQ(table[0].bssid, (link::MacAddress{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(table[0].rssi, -1);
    EXPECT_EQ(table[0].security, 0x01);

    // A full record followed by a truncated one: the first stays.
    Bytes tail = Body({kOffice});
    tail.insert(tail.end(), {0x00, 0x04, 'n', 'e', 'x', 't', 0x01, 0x06, 9, 9});
    ASSERT_TRUE(ParseBssResponse(Answer(tail), table));
    EXPECT_EQ(ShownBssCount(table), 1u);
    EXPECT_EQ(table[1].bssid, (link::MacAddress{}));
}

// Bytes a printer or an access point chooses, made safe for a terminal or a
// list: nothing in them may move the cursor, colour the screen, break a line
// or reorder what follows.
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
        EXPECT_EQ(link::VisibleText(c.bytes), c.shown) << link::HexBytes(c.bytes);
        EXPECT_EQ(link::IsValidUtf8(c.bytes), c.utf8) << link::HexBytes(c.bytes);
        std::string back;
        ASSERT_TRUE(link::ParseHexBytes(link::HexBytes(c.bytes), back));
        EXPECT_EQ(back, c.bytes);
    }
    std::string unused;
    EXPECT_FALSE(link::ParseHexBytes("F", unused));
    EXPECT_FALSE(link::ParseHexBytes("GG", unused));
}
