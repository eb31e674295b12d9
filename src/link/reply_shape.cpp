#include "reply_shape.h"

#include <algorithm>
#include <cstdint>

#include "framing.h"

namespace corvane::link {

namespace {

constexpr std::uint8_t kNameMarker = 0x5F;
constexpr std::size_t kHeaderLength = kReplyHeader.size();
constexpr std::size_t kWordLength = 4;

}  // namespace

bool IsReplyComplete(ReplyShape shape, ByteSpan received) {
    switch (shape) {
    case ReplyShape::Unknown: return false;
    case ReplyShape::MakerName: {
        // The maker check reads the name from the first marker to the
        // first zero after it.
        const auto marker = std::find(received.begin(), received.end(), kNameMarker);
        return marker != received.end() && std::find(marker + 1, received.end(), std::uint8_t{0}) != received.end();
    }
    case ReplyShape::ModeAck: return received.size() >= kHeaderLength + 1;
    case ReplyShape::Frame:
        // The hexadecimal text never holds the end byte, so a frame is over
        // when the end byte is the last byte in.
        return received.size() > kHeaderLength && received.back() == kFrameEnd;
    case ReplyShape::CertificateStart: return received.size() >= kHeaderLength + kWordLength;
    case ReplyShape::CertificateAnswer: return received.size() >= kHeaderLength + kTagLength;
    }
    return false;
}

}  // namespace corvane::link
