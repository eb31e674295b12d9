// The certificate upload against a printer that answers anything: every data
// frame it sends must carry a whole, correctly checked piece of the file,
// and it must end within its bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "link/exchange/certificate_upload.h"
#include "link/framing.h"
#include "fuzz_check.h"
#include "printer_replies.h"
#include "scripted_link_port.h"

using namespace corvane;
using namespace corvane::link;

namespace {

std::uint32_t LittleEndian32(const Bytes& m, std::size_t at) {
    return static_cast<std::uint32_t>(m[at]) | static_cast<std::uint32_t>(m[at + 1]) << 8 |
           static_cast<std::uint32_t>(m[at + 2]) << 16 | static_cast<std::uint32_t>(m[at + 3]) << 24;
}

// Answers the fuzzer picks from: the header and one of the texts the upload
// looks for, or free bytes.
Bytes NextAnswer(FuzzedDataProvider& input) {
    const int kind = input.ConsumeIntegralInRange(0, 3);
    if (kind == 3) {
        const std::string text = input.ConsumeRandomLengthString(32);
        return Bytes(text.begin(), text.end());
    }
    Bytes answer = testing::Reply(kind == 0 ? "STRT" : kind == 1 ? tag::kIfSuc : "");
    // Cut the answer short or let it trail, both as a broken printer might.
    const std::size_t cut = input.ConsumeIntegralInRange<std::size_t>(0, answer.size() + 2);
    answer.resize(std::min(cut, answer.size() + 2), 0x20);
    return answer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int type = input.ConsumeIntegralInRange(0, 4);
    const std::string file = input.ConsumeRandomLengthString(3071);
    testing::ScriptedLinkPort port;
    while (input.remaining_bytes() > 0 && port.replies.size() < 400) {
        if (input.ConsumeIntegralInRange(0, 31) == 0) port.replies.emplace_back(std::nullopt);
        else port.replies.emplace_back(NextAnswer(input));
    }

    const Bytes certificate(file.begin(), file.end());
    int lastProgress = 0;
    ExchangeLimits limits;
    const bool uploaded = static_cast<bool>(UploadCertificate(
        port, certificate, type,
        [&](int percent) {
            FUZZ_CHECK(percent >= lastProgress && percent <= 100);
            lastProgress = percent;
        },
        LinkWaits(SleepFn([](std::chrono::milliseconds) {})), limits));

    if (certificate.empty()) {
        FUZZ_CHECK(uploaded && port.writes.empty());
        return 0;
    }
    if (type < 1 || type > 3) FUZZ_CHECK(!uploaded && port.writes.empty());

    const auto modeCommand = ModeCommand(static_cast<std::uint8_t>(kModeCertificateBase + type));
    std::size_t modeSends = 0;
    std::size_t endOfLast = 0;
    bool lastWasEnd = false;
    for (const Bytes& frame : port.writes) {
        if (std::equal(frame.begin(), frame.end(), modeCommand.begin(), modeCommand.end())) {
            ++modeSends;
            continue;
        }
        // A data frame: header, hex text, end byte, around a CRC message.
        FUZZ_CHECK(frame.size() >= 4 && frame.back() == kFrameEnd);
        FUZZ_CHECK(std::equal(kFrameHeader.begin(), kFrameHeader.end(), frame.begin()));
        const Bytes message = DecodeFrameText(frame);
        FUZZ_CHECK(message.size() >= 30);
        const bool last = std::equal(tag::kCertEnd.begin(), tag::kCertEnd.end(), message.begin());
        FUZZ_CHECK(last || std::equal(tag::kFwCert.begin(), tag::kFwCert.end(), message.begin()));
        const std::size_t offset = LittleEndian32(message, 18);
        const std::size_t length = LittleEndian32(message, 22);
        FUZZ_CHECK(message.size() == 30 + length);
        FUZZ_CHECK(length >= 1 && length <= kCertificateChunkSize && offset + length <= certificate.size());
        FUZZ_CHECK(last == (offset + length == certificate.size()));
        FUZZ_CHECK(std::equal(message.begin() + 26, message.end() - 4,
                              certificate.begin() + static_cast<std::ptrdiff_t>(offset)));
        FUZZ_CHECK(AppendCrc32(ByteSpan(message).first(message.size() - 4)) == message);
        endOfLast = offset + length;
        lastWasEnd = last;
    }
    FUZZ_CHECK(modeSends <= static_cast<std::size_t>(limits.certificateModeSends));
    if (uploaded) FUZZ_CHECK(lastWasEnd && endOfLast == certificate.size() && lastProgress == 100);
    return 0;
}
