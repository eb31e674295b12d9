// Reply frames as read from the direct link: the hexadecimal text decoder,
// with an output buffer of any size, and the one-character helper.
#include <algorithm>
#include <array>

#include "link/framing.h"
#include "fuzz_check.h"

using namespace corvane;
using namespace corvane::link;

namespace {

// The characters this tool's encoder writes: "0".."7" or "(".."/" first,
// "0".."9" or "a".."f" second.
bool IsCanonicalPair(std::uint8_t high, std::uint8_t low) {
    const bool highOk = (high >= '0' && high <= '7') || (high >= '(' && high <= '/');
    const bool lowOk = (low >= '0' && low <= '9') || (low >= 'a' && low <= 'f');
    return highOk && lowOk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan frame = fuzz::Input(data, size);
    const Bytes message = DecodeFrameText(frame);
    FUZZ_CHECK(message.size() == (size < 3 ? 0 : (size - 3) / 2));

    // A caller buffer shorter than the text is filled and never passed.
    Bytes bounded(size == 0 ? 0 : data[0] % 48);
    const std::size_t written = DecodeFrameText(frame, MutableByteSpan(bounded));
    FUZZ_CHECK(written == std::min(message.size(), bounded.size()));
    FUZZ_CHECK(std::equal(bounded.begin(), bounded.begin() + static_cast<std::ptrdiff_t>(written), message.begin()));

    // Text in the encoder's own form encodes back to itself.
    bool canonical = true;
    for (std::size_t i = 0; i < message.size() && canonical; ++i)
        canonical = IsCanonicalPair(frame[3 + 2 * i], frame[4 + 2 * i]);
    if (canonical && message.size() <= kMaxFrameMessage) {
        const Bytes again = EncodeFrame(message);
        FUZZ_CHECK(again.size() == 2 * message.size() + 4);
        FUZZ_CHECK(std::equal(again.begin() + 3, again.end() - 1, frame.begin() + 3));
    }

    for (const std::uint8_t byte : frame) {
        const int value = HexValue(static_cast<char>(byte));
        FUZZ_CHECK(value >= -128 - 0x30 && value <= 127 - 0x30);
    }

    for (const std::string_view tagText : {tag::kSysRsp, tag::kIfCur, tag::kIfSuc, tag::kBssRsp}) {
        if (VerifyIfMessage(message, tagText)) {
            FUZZ_CHECK(InternetChecksum(message) == 0);
            FUZZ_CHECK(fuzz::StartsWith(message, tagText));
        }
    }
    return 0;
}
