// What a well-behaved printer answers on the direct link.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "link/bytes.h"
#include "link/framing.h"
#include "link/printer_config.h"

namespace corvane::link::testing {

inline Bytes ModeAck(std::uint8_t mode = kModeConfig) { return {0x1F, 0x57, 0x4D, mode}; }

// The reply header followed by `text`, as the certificate answers come.
inline Bytes Reply(std::string_view text) {
    Bytes reply{0x1F, 0x57, 0x4D};
    reply.insert(reply.end(), text.begin(), text.end());
    return reply;
}

// A message as the printer frames it: reply header, hex text, end byte.
inline Bytes ReplyFrame(ByteSpan message) {
    Bytes frame = EncodeFrame(message);
    frame[2] = 0x4D;
    return frame;
}

// `frame` with its hex digit at `at` flipped, which breaks its checksum.
inline Bytes Corrupted(Bytes frame, std::size_t at) {
    frame[at] = frame[at] == '0' ? '1' : '0';
    return frame;
}

// The IfMessage of `tag` followed by `body`.
inline Bytes Tagged(std::string_view tag, ByteSpan body = {}) {
    Bytes content = ToBytes(tag);
    content.insert(content.end(), body.begin(), body.end());
    return BuildIfMessage(content);
}

// The maker-name reply: what comes `before` it, the marker, `name` and,
// unless cut off, its end zero.
inline Bytes MakerName(std::string_view before = {}, std::string_view name = "ZEPHRAN", bool terminated = true) {
    Bytes reply = ToBytes(before);
    reply.push_back(0x5F);
    reply.insert(reply.end(), name.begin(), name.end());
    if (terminated) reply.push_back(0x00);
    return reply;
}

inline Bytes SystemReply(const PrinterSystemInfo& info) {
    return ReplyFrame(Tagged(tag::kSysRsp, SerializeSystemInfo(info)));
}

inline Bytes ConfigReply(const PrinterConfig& config, ConfigLayout layout = ConfigLayout::Newer) {
    return ReplyFrame(Tagged(tag::kIfCur, SerializeConfig(config, layout)));
}

// What a printer answers to the whole connect sequence, in order.
inline std::vector<Bytes> ConnectReplies(const PrinterSystemInfo& info, const PrinterConfig& config,
                                         ConfigLayout layout = ConfigLayout::Newer) {
    return {MakerName(), ModeAck(), SystemReply(info), ModeAck(), ConfigReply(config, layout)};
}

// One access point "Shop" 00-1A-2B-3C-4D-5E, infrastructure, RSSI -60, WPA2.
inline Bytes SurveyAnswer() {
    const Bytes record{0x00, 4, 'S', 'h', 'o', 'p', 0x01, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0, 0xFF, 0xC4, 0x08};
    return Tagged(tag::kBssRsp, record);
}

// A frame with the tool's header followed by `text` and the end byte.
inline Bytes ToolFrame(std::string_view text) {
    Bytes frame{0x1F, 0x57, 0x43};
    frame.insert(frame.end(), text.begin(), text.end());
    frame.push_back(0x03);
    return frame;
}

}  // namespace corvane::link::testing
