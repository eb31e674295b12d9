// Texts a printer or a radio neighbour chooses (SSIDs, printer names,
// firmware texts) are bytes, not trusted text: before they reach a terminal
// or a list they are made visible. Control characters, invalid UTF-8 and
// the characters that move or reorder what is shown become escapes, so a
// name can neither drive the terminal nor fake extra rows.
#pragma once

#include <string>
#include <string_view>

namespace corvane::link {

// `bytes` with every byte that is not part of a printable UTF-8 character
// shown as \xHH, C1 controls, the bidirectional controls and the line and
// paragraph separators as \uHHHH, and the backslash doubled (so an escape in
// the output always means an escape). Printable text, including non-ASCII
// letters, stays as it is.
std::string VisibleText(std::string_view bytes);

// Whether `bytes` is well-formed UTF-8 (shortest forms, no surrogates, at
// most U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The number of characters of well-formed UTF-8 `text`; for other bytes each
// byte of a malformed sequence counts as one character.
std::size_t Utf8Length(std::string_view text);

// Upper-case hexadecimal, two digits a byte, nothing between.
std::string HexBytes(std::string_view bytes);
// The bytes of an even-length hexadecimal text (either case); false for
// anything else.
bool ParseHexBytes(std::string_view hex, std::string& bytes);

}  // namespace corvane::link
