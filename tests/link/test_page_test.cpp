// The test page: its exact bytes, and every text reduced to printable ASCII
// so nothing the computer's name holds can act as a printer command.
#include "link/test_page.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::link;

TEST(TestPage, ExactBytesAndPrintableAscii) {
    const Bytes tail{0x1B, 'd', 4, 0x1D, 'V', 66, 0};
    const auto page = [&tail](std::string_view lines) {
        Bytes p{0x1B, '@'};
        p.insert(p.end(), lines.begin(), lines.end());
        p.insert(p.end(), tail.begin(), tail.end());
        return p;
    };
    const struct {
        TestPageInfo info;
        Bytes bytes;
    } cases[] = {
        {{"00:11:62:0A:00:01", "192.168.0.150", 9100, "2026-12-07 12:49:02", "till-3"},
         page("Corvane Tool test print\nMAC address: 00:11:62:0A:00:01\nIP address:  192.168.0.150\n"
              "Port:        9100\nPrinted:     2026-12-07 12:49:02\nComputer:    till-3\n")},
        // No MAC known: no MAC line. A name with a command byte cannot cut or reset.
        {{"", "10.0.0.5", 65535, "d", "a\x1B@b\x1DV"},
         page("Corvane Tool test print\nIP address:  10.0.0.5\nPort:        65535\nPrinted:     d\n"
              "Computer:    a?@b?V\n")},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildTestPage(c.info), c.bytes) << c.info.computer;

    const struct {
        std::string_view text;
        std::string_view ascii;
    } texts[] = {
        {"Kasse-1", "Kasse-1"},
        {"K\xC3\xBC"
         "che \xC3\x89tage \xC3\x9F",
         "Kuche Etage s"},                   // ü É ß
        {"\xC3\x80\xC3\xBF", "Ay"},          // first and last of the accented block
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "??"},  // two CJK characters: one '?' each
        {"\xF0\x9F\x98\x80!", "?!"},         // four-byte character
        {"a\xC3", "a?"},                     // cut sequence at the end
        {"\xC3(", "?("},                     // lead without continuation
        {"\xC2\x85\x7F\t", "???"},           // C1 control, DEL, tab
    };
    for (const auto& c : texts) EXPECT_EQ(PrintableAscii(c.text), c.ascii) << c.text;
}
