// Received IfMessages: the tag and checksum gate every reader passes first,
// checked against a plain reference sum of the same RFC 1071 checksum; and the
// readers of SYS_RSP and BSS_RSP behind it, on messages of any content.
#include <algorithm>
#include <array>

#include "link/bss.h"
#include "bss_invariants.h"
#include "link/framing.h"
#include "fuzz_check.h"
#include "link/printer_config.h"

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

    // SYS_RSP: at least 72 bytes; texts cut at zero and width, MAC from 66-71.
    const auto info = ParseSystemInfo(message);
    FUZZ_CHECK(info.has_value() == (size >= 72 && VerifyIfMessage(message, tag::kSysRsp)));
    if (info) {
        FUZZ_CHECK(fuzz::IsFieldText(info->firmwareVersion, 16));
        FUZZ_CHECK(fuzz::IsFieldText(info->updateDate, 32));
        FUZZ_CHECK(std::equal(info->macAddress.begin(), info->macAddress.end(), message.begin() + 66));
        FUZZ_CHECK(ParseSystemInfoRecord(SerializeSystemInfo(*info)) == *info);
        (void)FormatMacUpper(info->macAddress);
    }
    // The system record reader on its own takes any length; missing bytes read as 0.
    const PrinterSystemInfo record = ParseSystemInfoRecord(message);
    FUZZ_CHECK(fuzz::IsFieldText(record.firmwareVersion, 16) && fuzz::IsFieldText(record.updateDate, 32));
    for (std::size_t i = 0; i < 6; ++i) FUZZ_CHECK(record.macAddress[i] == (48 + i < size ? data[48 + i] : 0));

    // BSS_RSP: a rejected or record-less answer leaves an earlier table cleared.
    BssTable table = fuzz::StaleTable();
    const bool surveyed = ParseBssResponse(message, table);
    FUZZ_CHECK(surveyed == VerifyIfMessage(message, tag::kBssRsp));
    if (!surveyed || size <= 25) FUZZ_CHECK(fuzz::IsCleared(table));
    fuzz::CheckTable(table);

    // Any content that fits builds into a message that verifies.
    if (size + 3 <= kMessageAreaSize) {
        const Bytes built = BuildIfMessage(message);
        FUZZ_CHECK(built.size() == size + size % 2 + 2);
        FUZZ_CHECK(InternetChecksum(built) == 0);
    }
    return 0;
}
