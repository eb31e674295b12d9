// Where secrets travel on the direct link, so that a wire log can leave them
// out: the secret fields of a configuration record sent (IF__SET) or read
// (IF__CUR), and the file bytes of a certificate chunk (a client key is
// secret).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "link/bytes.h"
#include "link/printer_config.h"

namespace corvane::link {

// A run of positions [first, second).
using StreamSpan = std::pair<std::size_t, std::size_t>;

// The positions of `stream` (bytes in one direction of the link, frames as
// they went, an echo or noise among them) whose hexadecimal text carries a
// secret. A frame still coming is judged by what is in: its record fields in
// both layouts until its end byte tells which one it is.
std::vector<StreamSpan> SecretSpans(ByteSpan stream);

}  // namespace corvane::link
