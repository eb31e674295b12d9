#include "link/exchange/certificate_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

#include "link/bounded_file.h"

namespace corvane::link {
namespace {

constexpr std::string_view kBeginMarker = "-----BEGIN ";
constexpr std::string_view kEndMarker = "-----END";

bool LooksLikeCertificate(ByteSpan data) {
    const ByteSpan begin = AsBytes(kBeginMarker);
    const ByteSpan end = AsBytes(kEndMarker);
    return data.size() >= begin.size() && std::equal(begin.begin(), begin.end(), data.begin()) &&
           std::search(data.begin(), data.end(), end.begin(), end.end()) != data.end();
}

}  // namespace

CertificateFile OpenCertificateFile(const std::filesystem::path& path) {
    CertificateFile result;

    // The largest file accepted is one byte short of the limit.
    auto read = ReadBoundedFile(path.string(), kMaxCertificateFileSize - 1);
    if (!read) {
        switch (read.error().kind) {
        case FileRefusal::TooLarge: result.outcome = CertificateFileOutcome::TooLarge; break;
        case FileRefusal::ReadFailed: result.outcome = CertificateFileOutcome::ShortRead; break;
        case FileRefusal::CannotOpen:
        case FileRefusal::NotRegular: break;
        }
        return result;
    }
    Bytes data = *read;

    if (!LooksLikeCertificate(data)) {
        result.outcome = CertificateFileOutcome::Invalid;
        return result;
    }
    result.outcome = CertificateFileOutcome::Accepted;
    result.data = std::move(data);
    return result;
}

StringId CertificateFileMessage(CertificateFileOutcome outcome) {
    switch (outcome) {
    case CertificateFileOutcome::TooLarge: return kCertificateTooLarge;
    case CertificateFileOutcome::Accepted: return kCertificateSelected;
    case CertificateFileOutcome::Invalid: return kCertificateInvalid;
    case CertificateFileOutcome::CannotOpen:
    case CertificateFileOutcome::ShortRead: break;
    }
    return kCertificateReadFailed;
}

}  // namespace corvane::link
