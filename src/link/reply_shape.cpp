#include "link/reply_shape.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "link/framing.h"

namespace corvane::link {

namespace {

constexpr std::uint8_t kNameMarker = 0x5F;
constexpr std::size_t kHeaderLength = kReplyHeader.size();
constexpr std::string_view kTagOpening = "__[I_F]__[";

// The length of the verified frame at the start of `reply`: header, an even
// number of text characters up to the first end byte, and a message that
// carries a tag and sums to 0.
std::optional<std::size_t> VerifiedFrameLength(ByteSpan reply) {
    if (reply.size() <= kHeaderLength || !std::equal(kReplyHeader.begin(), kReplyHeader.end(), reply.begin())) {
        return std::nullopt;
    }
    const auto end = std::find(reply.begin() + kHeaderLength, reply.end(), kFrameEnd);
    if (end == reply.end()) return std::nullopt;
    const auto length = static_cast<std::size_t>(end - reply.begin()) + 1;
    if ((length - kHeaderLength - 1) % 2 != 0) return std::nullopt;
    const Bytes message = DecodeFrameText(reply.first(length));
    if (message.size() < kTagLength + 2 || InternetChecksum(message) != 0) return std::nullopt;
    const std::string_view tag(reinterpret_cast<const char*>(message.data()), kTagLength);
    if (!tag.starts_with(kTagOpening) || tag.back() != ']') return std::nullopt;
    return length;
}

}  // namespace

ByteSpan ReplyFrom(ByteSpan received) {
    const auto header = std::search(received.begin(), received.end(), kReplyHeader.begin(), kReplyHeader.end());
    if (header == received.end()) return received;
    return received.subspan(static_cast<std::size_t>(header - received.begin()));
}

ByteSpan FrameIn(ByteSpan received) {
    const ByteSpan reply = ReplyFrom(received);
    const auto length = VerifiedFrameLength(reply);
    return length ? reply.first(*length) : reply;
}

bool IsReplyComplete(ReplyShape shape, ByteSpan received) {
    switch (shape) {
    case ReplyShape::Unknown:
    case ReplyShape::ModeAck:
    case ReplyShape::CertificateStart: return false;
    case ReplyShape::MakerName: {
        // The maker check reads the name from the first marker to the
        // first zero after it.
        const auto marker = std::find(received.begin(), received.end(), kNameMarker);
        return marker != received.end() && std::find(marker + 1, received.end(), std::uint8_t{0}) != received.end();
    }
    case ReplyShape::Frame: return VerifiedFrameLength(ReplyFrom(received)).has_value();
    case ReplyShape::CertificateAnswer: {
        const ByteSpan reply = ReplyFrom(received);
        return reply.size() >= kHeaderLength + kTagLength &&
               std::equal(kReplyHeader.begin(), kReplyHeader.end(), reply.begin());
    }
    }
    return false;
}

}  // namespace corvane::link
