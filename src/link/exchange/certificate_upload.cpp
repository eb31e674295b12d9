#include "link/exchange/certificate_upload.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "link/exchange/config_exchange.h"
#include "link/framing.h"
#include "link/reply_shape.h"

namespace corvane::link {
namespace {

constexpr std::string_view kStartAnswer = "STRT";
// Certificate answers are raw text behind a 3-byte header, not hex frames.
constexpr std::size_t kAnswerTextOffset = 3;

void AppendLittleEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// True when the answer's text at offset 3 begins with `expected`; a shorter
// answer never matches. The answer is taken from its reply header on, so an
// echo of the chunk or a late tail of the previous answer read before it
// does not turn a success into a re-sent chunk.
bool AnswerIs(ByteSpan received, std::string_view expected) {
    const ByteSpan answer = ReplyFrom(received);
    if (answer.size() < kAnswerTextOffset + expected.size()) {
        return false;
    }
    const ByteSpan want = AsBytes(expected);
    return std::equal(want.begin(), want.end(), answer.begin() + kAnswerTextOffset);
}

}  // namespace

std::size_t CertificateChunkSize(std::size_t size) {
    return size >= kCertificateChunkSize ? kCertificateChunkSize : std::max<std::size_t>(size / 2, 1);
}

Bytes BuildCertificateChunk(ByteSpan chunk, std::size_t offset, bool last) {
    const ByteSpan tagBytes = AsBytes(last ? tag::kCertEnd : tag::kFwCert);
    Bytes content(tagBytes.begin(), tagBytes.end());
    AppendLittleEndian32(content, static_cast<std::uint32_t>(offset));
    AppendLittleEndian32(content, static_cast<std::uint32_t>(chunk.size()));
    content.insert(content.end(), chunk.begin(), chunk.end());
    return AppendCrc32(content);
}

Result<void> UploadCertificate(LinkPort& port, ByteSpan data, int type, const ProgressFn& progress,
                               const LinkWaits& waits, const ExchangeLimits& limits,
                               const std::function<void()>& lastSent) {
    const Error cancelled{Failure::Cancelled, {}};
    const std::size_t size = data.size();
    if (size == 0) {
        return {};
    }
    if (type < kCertificateCa || type > kCertificateClientPem) {
        return Error{Failure::Invalid, "no such certificate type: " + std::to_string(type)};
    }
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        return Error{Failure::Invalid, "the certificate is too large"};
    }
    const std::size_t chunkSize = CertificateChunkSize(size);
    const auto modeCommand = ModeCommand(static_cast<std::uint8_t>(kModeCertificateBase + type));

    std::size_t acknowledged = 0;
    bool starting = true;
    int modeSends = 0;
    int budget = limits.certificateRetryBudget;
    const int chunks = static_cast<int>((size + chunkSize - 1) / chunkSize);
    while (true) {
        if (waits.cancelled()) {
            return cancelled;
        }
        waits.report({LinkStep::Uploading, static_cast<int>(acknowledged / chunkSize) + 1, chunks});
        std::size_t sentLength = 0;
        Result<Bytes> reply = Error{};
        // The start answer is judged by its word, a chunk's by its tag.
        if (starting) {
            if (modeSends >= limits.certificateModeSends) {
                return Error{Failure::BadAnswer, "the printer did not start the upload"};
            }
            ++modeSends;
            reply = WriteAndRead(port, modeCommand, ReplyShape::CertificateStart);
        } else {
            const bool last = size - acknowledged <= chunkSize;
            sentLength = last ? size - acknowledged : chunkSize;
            reply = Converse(port, BuildCertificateChunk(data.subspan(acknowledged, sentLength), acknowledged, last),
                             ReplyShape::CertificateAnswer, last ? lastSent : std::function<void()>());
        }
        if (!reply) {
            return waits.cancelled() ? cancelled : reply.error();
        }
        const Bytes& answer = *reply;

        if (starting) {
            if (!AnswerIs(answer, kStartAnswer)) {
                continue;
            }
            // The "STRT" answer goes on to be judged like a chunk answer and,
            // not being IF__SUC, takes one unit of the first chunk's budget.
            starting = false;
        }
        if (AnswerIs(answer, tag::kIfSuc)) {
            acknowledged += sentLength;
            if (progress) {
                progress(static_cast<int>(acknowledged * 100 / size));
            }
            budget = limits.certificateRetryBudget;
            if (!waits.pause(limits.certificateChunkPause, "between certificate parts")) {
                return acknowledged >= size ? Result<void>() : cancelled;
            }
        } else if (budget <= 0) {
            // Answers came, each of them something other than IF__SUC: the printer's no.
            return Error{Failure::Refused, "the printer did not acknowledge a part of the certificate"};
        } else {
            --budget;
        }
        if (acknowledged >= size) {
            return {};
        }
    }
}

}  // namespace corvane::link
