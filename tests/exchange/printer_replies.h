// What a well-behaved printer answers on the direct link.
#pragma once

#include <cstdint>
#include <string_view>

#include "link/bytes.h"
#include "link/framing.h"

namespace corvane::link::testing {

inline Bytes ModeAck(std::uint8_t mode = kModeConfig) { return {0x1F, 0x57, 0x4D, mode}; }

// A message as the printer frames it: reply header, hex text, end byte.
inline Bytes ReplyFrame(ByteSpan message) {
    Bytes frame = EncodeFrame(message);
    frame[2] = 0x4D;
    return frame;
}

// The IfMessage of `tag` followed by `body`.
inline Bytes Tagged(std::string_view tag, ByteSpan body = {}) {
    Bytes content = ToBytes(tag);
    content.insert(content.end(), body.begin(), body.end());
    return BuildIfMessage(content);
}

// A frame with the tool's header followed by `text` and the end byte.
inline Bytes ToolFrame(std::string_view text) {
    Bytes frame{0x1F, 0x57, 0x43};
    frame.insert(frame.end(), text.begin(), text.end());
    frame.push_back(0x03);
    return frame;
}

}  // namespace corvane::link::testing
