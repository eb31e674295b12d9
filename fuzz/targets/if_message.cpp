// Received IfMessages: the tag and checksum gate every reader passes first,
// checked against a plain reference sum of the same RFC 1071 checksum.
#include <array>

#include "framing.h"
#include "fuzz_check.h"

using namespace corvane;
using namespace corvane::link;

namespace {

// Byte-by-byte, with a 64-bit sum folded until it fits: no shortcuts shared
// with the tool's version.
std::uint16_t ReferenceChecksum(ByteSpan data) {
    std::uint64_t sum = 0;
    const std::size_t length = data.size() % 65536;
    for (std::size_t i = 0; i < length; ++i) sum += (i % 2 == 0) ? std::uint64_t{data[i]} << 8 : data[i];
    while (sum > 0xFFFF) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

constexpr std::array<std::string_view, 10> kTags{tag::kSysReq, tag::kSysRsp, tag::kIfGet,  tag::kIfCur,  tag::kIfSet,
                                                 tag::kIfSuc,  tag::kBssReq, tag::kBssRsp, tag::kFwCert, tag::kCertEnd};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan message = fuzz::Input(data, size);
    const std::uint16_t sum = InternetChecksum(message);
    FUZZ_CHECK(sum == ReferenceChecksum(message));
    for (const std::string_view tagText : kTags) {
        const bool expected = size >= tagText.size() && sum == 0 && fuzz::StartsWith(message, tagText);
        FUZZ_CHECK(VerifyIfMessage(message, tagText) == expected);
    }

    // Any content that fits builds into a message that verifies.
    if (size + 3 <= kMessageAreaSize) {
        const Bytes built = BuildIfMessage(message);
        FUZZ_CHECK(built.size() == size + size % 2 + 2);
        FUZZ_CHECK(InternetChecksum(built) == 0);
    }
    return 0;
}
