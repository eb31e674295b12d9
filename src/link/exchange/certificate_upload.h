// Uploading a certificate to the printer over the direct link in chunks of at
// most 500 bytes, each protected by a CRC-32 and acknowledged by IF__SUC.
#pragma once

#include <cstddef>
#include <functional>

#include "link/bytes.h"
#include "link/exchange/exchange_limits.h"
#include "link/exchange/link_waits.h"
#include "link/link_port.h"
#include "link/result.h"

namespace corvane::link {

inline constexpr std::size_t kCertificateChunkSize = 500;

// Certificate kinds as the page numbers them.
enum CertificateType : int { kCertificateCa = 1, kCertificateClientKey = 2, kCertificateClientPem = 3 };

// The chunk length used for a file of `size` bytes: 500, or half the file for
// smaller ones (at least 1, so that a one-byte file still moves forward).
std::size_t CertificateChunkSize(std::size_t size);

// The CRC message of one chunk, before it is framed: FW_CERT or, for the last
// chunk, CERTEND; the offset and length least significant byte first; the
// bytes; FrameCrc32 most significant byte first.
Bytes BuildCertificateChunk(ByteSpan chunk, std::size_t offset, bool last);

// Sends the mode command of `type` (1 to 3) until the printer answers "STRT",
// then the chunks, each until it is acknowledged. Reports A * 100 / size after
// every acknowledged chunk and waits limits.certificateChunkPause; reports the
// step Uploading, chunk n of all, to `waits`. Succeeds when the whole
// certificate was acknowledged (at once for no data); fails, saying why, when
// a write or read fails, a chunk used up its budget, the printer never
// answered "STRT", the type is not 1 to 3, or the upload was cancelled.
// `lastSent`, when set, is called each time the CERTEND chunk went out: from
// then on the printer may hold the whole certificate, whatever the answer.
Result<void> UploadCertificate(LinkPort& port, ByteSpan data, int type, const ProgressFn& progress,
                               const LinkWaits& waits, const ExchangeLimits& limits = {},
                               const std::function<void()>& lastSent = {});

}  // namespace corvane::link
