#include "link/wire_secrets.h"

#include <algorithm>
#include <string_view>

#include "link/config_fields.h"
#include "link/framing.h"

namespace corvane::link {

namespace {

constexpr std::size_t kHeaderLength = 3;
// A chunk message: tag, offset and length (4 bytes each), file bytes, CRC.
constexpr std::size_t kChunkDataAt = kTagLength + 8;
constexpr std::size_t kChunkCrcLength = 4;

bool IsFrameStart(ByteSpan stream, std::size_t at) {
    return at + kHeaderLength <= stream.size() && stream[at] == kFrameHeader[0] && stream[at + 1] == kFrameHeader[1] &&
           (stream[at + 2] == kFrameHeader[2] || stream[at + 2] == kReplyHeader[2]);
}

// Message bytes [first, last) of the frame whose text starts at `text` and
// holds `textLength` characters, as positions of the stream.
void AddMessageBytes(std::vector<StreamSpan>& spans, std::size_t text, std::size_t textLength, std::size_t first,
                     std::size_t last) {
    const std::size_t begin = text + std::min(2 * first, textLength);
    const std::size_t end = text + std::min(2 * last, textLength);
    if (begin < end) spans.emplace_back(begin, end);
}

}  // namespace

std::vector<StreamSpan> SecretSpans(ByteSpan stream) {
    std::vector<StreamSpan> spans;
    std::size_t at = 0;
    while (at < stream.size()) {
        if (!IsFrameStart(stream, at)) {
            ++at;
            continue;
        }
        const std::size_t text = at + kHeaderLength;
        const auto endByte = std::find(stream.begin() + static_cast<std::ptrdiff_t>(text), stream.end(), kFrameEnd);
        const bool ended = endByte != stream.end();
        const auto textLength = static_cast<std::size_t>(endByte - stream.begin()) - text;
        const Bytes message = DecodeFrameText(stream.subspan(at, kHeaderLength + textLength));
        if (message.size() >= kTagLength) {
            const std::string_view tag(reinterpret_cast<const char*>(message.data()), kTagLength);
            if (tag == tag::kIfSet || tag == tag::kIfCur) {
                // A whole frame names its layout by its length; one still
                // coming could be either.
                std::vector<ConfigLayout> layouts{ConfigLayout::Newer, ConfigLayout::Older};
                if (ended) layouts = {LayoutForReplyLength(textLength + kHeaderLength + 1)};
                for (const ConfigLayout layout : layouts)
                    for (const ByteRange& secret : SecretByteRanges(layout))
                        AddMessageBytes(spans, text, textLength, kTagLength + secret.offset,
                                        kTagLength + secret.offset + secret.length);
            } else if (tag == tag::kFwCert || tag == tag::kCertEnd) {
                const std::size_t dataEnd = ended && message.size() >= kChunkDataAt + kChunkCrcLength
                                                ? message.size() - kChunkCrcLength
                                                : SIZE_MAX / 2;
                AddMessageBytes(spans, text, textLength, kChunkDataAt, dataEnd);
            }
        }
        at = ended ? text + textLength + 1 : stream.size();
    }
    return spans;
}

}  // namespace corvane::link
