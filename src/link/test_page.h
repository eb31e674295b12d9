// The page of a test print: a few lines in the printers' command language
// that prove a printer prints what reaches its data port, and tell the
// technician which printer it was (MAC, address, port), when and from which
// computer. Printers start in a code page that has only ASCII in common with
// the computer's texts, so every text is sent as ASCII: accented letters lose
// their accents, anything else (and every control byte, which the printer
// would take as a command) becomes '?'.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/bytes.h"

namespace corvane::link {

struct TestPageInfo {
    std::string mac;      // as it is to be printed; the line is left out when empty
    std::string address;  // the address the page was sent to
    std::uint16_t port = 0;
    std::string dateTime;  // as it is to be printed
    std::string computer;  // this computer's name (UTF-8)
};

// UTF-8 `text` as printable ASCII (0x20..0x7E), one character for each
// character of the text; malformed bytes count one each.
std::string PrintableAscii(std::string_view text);

// ESC @, the title and one line per value, a feed and a partial cut.
Bytes BuildTestPage(const TestPageInfo& info);

}  // namespace corvane::link
